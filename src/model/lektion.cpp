#include "model/lektion.h"

#include "model/lektionsdatei.h"

#include <QRegularExpression>
#include <algorithm>

namespace lexovita {

namespace {

// Blanks and control characters, as trimmed around words and texts.
bool IstLeerzeichen(QChar c)
{
    return c.unicode() <= 0x20;
}

QString Trimmen(const QString &s)
{
    int a = 0;
    int e = int(s.size());
    while (a < e && IstLeerzeichen(s[a]))
        ++a;
    while (e > a && IstLeerzeichen(s[e - 1]))
        --e;
    return s.mid(a, e - a);
}

// Analysis and drills compare with A-Z lowered only; other letters stay.
QString AsciiKlein(QString s)
{
    for (QChar &c : s)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    return s;
}

QString SortierSchluessel(const TVokabel &v, TSpalte spalte)
{
    switch (spalte) {
    case TSpalte::Vokabel:
        return AsciiKlein(v.vokabel);
    case TSpalte::Formen:
        return AsciiKlein(v.FormenText());
    case TSpalte::Bedeutungen:
        return AsciiKlein(v.BedeutungenText());
    case TSpalte::Wortart:
        return AsciiKlein(v.WortartText());
    case TSpalte::KonjDekl:
        return AsciiKlein(v.KonjDeklText());
    case TSpalte::Nr:
        break;
    }
    return {};
}

} // namespace

const QStringList &TLektion::Wortgrenzen()
{
    static const QStringList liste = [] {
        QStringList l{QStringLiteral(" "), QStringLiteral("."),  QStringLiteral(","), QStringLiteral(";"),
                      QStringLiteral("("), QStringLiteral(")"),  QStringLiteral("["), QStringLiteral("]"),
                      QStringLiteral("!"), QStringLiteral("?"),  QStringLiteral(":"), QStringLiteral("\""),
                      QStringLiteral("'"), QStringLiteral("\r"), QStringLiteral("\n")};
        l.sort();
        return l;
    }();
    return liste;
}

const QStringList &TLektion::Satzgrenzen()
{
    static const QStringList liste = [] {
        QStringList l{QStringLiteral("."), QStringLiteral(";"), QStringLiteral("!"), QStringLiteral("?")};
        l.sort();
        return l;
    }();
    return liste;
}

bool TLektion::IstWortgrenze(QChar c)
{
    switch (c.unicode()) {
    case ' ':
    case '.':
    case ',':
    case ';':
    case '(':
    case ')':
    case '[':
    case ']':
    case '!':
    case '?':
    case ':':
    case '"':
    case '\'':
    case '\r':
    case '\n':
        return true;
    default:
        return false;
    }
}

bool TLektion::IstSatzgrenze(QChar c)
{
    switch (c.unicode()) {
    case '.':
    case ';':
    case '!':
    case '?':
        return true;
    default:
        return false;
    }
}

TVokabel *TLektion::VokabelAnhaengen(std::unique_ptr<TVokabel> vokabel)
{
    if (!vokabel)
        return nullptr;
    vokabeln.push_back(std::move(vokabel));
    return vokabeln.back().get();
}

QString TLektion::TextAlsString() const
{
    QString s;
    for (const QString &zeile : text) {
        s += zeile;
        s += QStringLiteral("\r\n");
    }
    return s;
}

void TLektion::TextAusString(const QString &ganzerText)
{
    static const QRegularExpression zeilenende(QStringLiteral("\r\n|\n|\r"));
    text.clear();
    if (ganzerText.isEmpty())
        return;
    text = ganzerText.split(zeilenende);
    // A final line end closes the last line; it does not start another one.
    if (text.last().isEmpty())
        text.removeLast();
}

QString TLektion::WortAn(const QString &t, int p)
{
    p = std::clamp(p, 0, static_cast<int>(t.size()));
    int s = 0;
    for (int i = p - 1; i >= 0; --i)
        if (IstWortgrenze(t[i])) {
            s = i + 1;
            break;
        }
    int e = int(t.size());
    for (int i = p; i < t.size(); ++i)
        if (IstWortgrenze(t[i])) {
            e = i;
            break;
        }
    return AsciiKlein(Trimmen(t.mid(s, e - s)));
}

int TLektion::SatzEnde(const QString &t, int p)
{
    for (int i = std::max(p, 0); i < t.size(); ++i)
        if (IstSatzgrenze(t[i])) {
            int ende = i + 1;
            if (ende < t.size() && t[ende] == QLatin1Char('"'))
                ++ende;
            return ende;
        }
    return int(t.size()) + 1;
}

void TLektion::TextBereinigen()
{
    TextAusString(Trimmen(TextAlsString()));
}

int TLektion::SatzEnde(int p)
{
    TextBereinigen();
    return SatzEnde(TextAlsString(), p);
}

QString TLektion::TabText() const
{
    return geaendert ? name + QStringLiteral(" *") : name;
}

QString TLektion::SpeichernFrage() const
{
    return QStringLiteral("Soll die Lektion \"%1\" gespeichert werden?").arg(name);
}

int TLektion::VokabelnEntfernen(QList<int> zeilen)
{
    std::sort(zeilen.begin(), zeilen.end(), std::greater<int>());
    zeilen.erase(std::unique(zeilen.begin(), zeilen.end()), zeilen.end());
    int entfernt = 0;
    // From the back, so earlier rows keep their indices.
    for (int z : zeilen)
        if (z >= 0 && z < Anzahl()) {
            vokabeln.erase(vokabeln.begin() + z);
            ++entfernt;
        }
    return entfernt;
}

bool TLektion::VokabelVerschieben(int von, int nach)
{
    const int n = Anzahl();
    if (von < 0 || von >= n || nach < 0 || nach >= n)
        return false;
    auto v = std::move(vokabeln[von]);
    vokabeln.erase(vokabeln.begin() + von);
    vokabeln.insert(vokabeln.begin() + nach, std::move(v));
    return true;
}

QList<int> TLektion::Sortierreihenfolge(TSpalte spalte) const
{
    QList<int> reihe;
    for (int i = 0; i < Anzahl(); ++i)
        reihe.append(i);
    if (spalte == TSpalte::Nr)
        return reihe;
    QStringList schluessel;
    for (const auto &v : vokabeln)
        schluessel.append(SortierSchluessel(*v, spalte));
    // Stable: entries alike in the column keep their order, so sorting twice changes nothing.
    std::stable_sort(reihe.begin(), reihe.end(), [&schluessel](int a, int b) {
        return QString::compare(schluessel[a], schluessel[b], Qt::CaseSensitive) < 0;
    });
    return reihe;
}

void TLektion::VokabelnSortieren(TSpalte spalte)
{
    const QList<int> reihe = Sortierreihenfolge(spalte);
    std::vector<std::unique_ptr<TVokabel>> neu;
    neu.reserve(vokabeln.size());
    for (int z : reihe)
        neu.push_back(std::move(vokabeln[static_cast<size_t>(z)]));
    vokabeln = std::move(neu);
}

int TLektion::VokabelErsetzen(const TVokabel &bearbeitet)
{
    // Unsaved entries all share id 0; they cannot be told apart by id.
    if (bearbeitet.id == 0)
        return 0;
    int anzahl = 0;
    for (auto &v : vokabeln)
        if (v->id == bearbeitet.id && v.get() != &bearbeitet) {
            bearbeitet.KopierenNach(*v);
            ++anzahl;
        }
    return anzahl;
}

void TLektion::LehrbuchLoesen()
{
    id = 0;
    lehrbuch_id = 0;
    lehrbuch.clear();
    geaendert = true;
}

TLektion *TLektionManager::NeueLektion(const QDate &heute)
{
    auto l = std::make_unique<TLektion>();
    l->erstellt = l->zugriff = heute;
    l->name = QStringLiteral("unbenannt-%1").arg(m_lektionen.size() + 1);
    return LektionHinzufuegen(std::move(l));
}

TLektion *TLektionManager::LektionHinzufuegen(std::unique_ptr<TLektion> lektion)
{
    if (!lektion)
        return m_aktuell;
    m_lektionen.push_back({std::move(lektion), std::make_unique<TLektionsAnsicht>()});
    m_aktuell = m_lektionen.back().lektion.get();
    return m_aktuell;
}

TLektion *TLektionManager::LektionSchliessen(TLektion *lektion)
{
    const int index = Index(lektion);
    if (index < 0)
        return m_aktuell;
    m_lektionen.erase(m_lektionen.begin() + index);
    if (m_lektionen.empty()) {
        m_aktuell = nullptr;
        return NeueLektion();
    }
    m_aktuell = m_lektionen[index == 0 ? 0 : index - 1].lektion.get();
    return m_aktuell;
}

void TLektionManager::SetAktuell(TLektion *lektion)
{
    if (Index(lektion) >= 0)
        m_aktuell = lektion;
}

TLektion *TLektionManager::TabWaehlen(int tab)
{
    if (tab < 0 || tab >= Anzahl())
        return nullptr;
    m_aktuell = m_lektionen[static_cast<size_t>(tab)].lektion.get();
    return m_aktuell;
}

TLektion *TLektionManager::Lektion(int i) const
{
    return i >= 0 && i < Anzahl() ? m_lektionen[static_cast<size_t>(i)].lektion.get() : nullptr;
}

int TLektionManager::Index(const TLektion *lektion) const
{
    for (int i = 0; i < Anzahl(); ++i)
        if (m_lektionen[static_cast<size_t>(i)].lektion.get() == lektion)
            return i;
    return -1;
}

TLektionsAnsicht &TLektionManager::Ansicht(const TLektion *lektion)
{
    const int i = Index(lektion);
    Q_ASSERT(i >= 0);
    return *m_lektionen[static_cast<size_t>(i)].ansicht;
}

std::vector<TLektion *> TLektionManager::GeaenderteLektionen() const
{
    std::vector<TLektion *> aus;
    for (const auto &o : m_lektionen)
        if (o.lektion->geaendert)
            aus.push_back(o.lektion.get());
    return aus;
}

int TLektionManager::VokabelUeberallErsetzen(const TVokabel &bearbeitet)
{
    int anzahl = 0;
    for (auto &o : m_lektionen)
        anzahl += o.lektion->VokabelErsetzen(bearbeitet);
    return anzahl;
}

void TLektionManager::LehrbuchGeloescht(int32_t lehrbuchId)
{
    if (lehrbuchId == 0)
        return;
    for (auto &o : m_lektionen)
        if (o.lektion->lehrbuch_id == lehrbuchId)
            o.lektion->LehrbuchLoesen();
}

void TLektionManager::LektionSchreiben(const TLektion &lektion, QDomElement &parent)
{
    lexovita::LektionSchreiben(lektion, parent);
}

} // namespace lexovita
