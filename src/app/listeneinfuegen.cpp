#include "app/listeneinfuegen.h"

#include "app/lexikondienst.h"
#include "morph/laengen.h"
#include "morph/vokabelregeln.h"
#include "store/datenmanager.h"
#include "store/lexikon.h"
#include "store/sqlite.h"
#include "store/vokabelspeicher.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace lexovita {

namespace {

// Meanings as lists write them: ";" between groups, "," between the
// meanings of a group (not inside brackets: "gut (an Wert, an Art)").
void BedeutungenSetzen(TVokabel &v, const QString &deutsch)
{
    v.bedeutungen.clear();
    int32_t gruppe = 0;
    for (const QString &g : deutsch.split(QLatin1Char(';'))) {
        QStringList teile;
        QString teil;
        int tiefe = 0;
        for (QChar c : g) {
            if (c == QLatin1Char('(') || c == QLatin1Char('['))
                ++tiefe;
            else if ((c == QLatin1Char(')') || c == QLatin1Char(']')) && tiefe > 0)
                --tiefe;
            if (c == QLatin1Char(',') && tiefe == 0) {
                teile << teil;
                teil.clear();
            } else {
                teil += c;
            }
        }
        teile << teil;
        bool etwas = false;
        for (const QString &t : teile) {
            if (t.trimmed().isEmpty())
                continue;
            if (!etwas)
                ++gruppe;
            etwas = true;
            v.BedeutungAnhaengen(t.trimmed(), QString(), gruppe);
        }
    }
}

// Words of a German text for comparing meanings.
QSet<QString> Woerter(const QString &text)
{
    QSet<QString> w;
    for (const QString &t : text.toLower().split(QRegularExpression(QStringLiteral("[^\\w]+")), Qt::SkipEmptyParts))
        if (t.size() >= 3)
            w.insert(t);
    return w;
}

QString Anzeige(const TVokabel &v)
{
    const QString formen = v.FormenText();
    return formen.isEmpty() ? v.vokabel : v.vokabel + QStringLiteral(", ") + formen;
}

// The line's headword and forms as written put back over the plain ones the
// rules produced, so that typed long vowels are kept.
void LaengenZurueck(TVokabel &v, const TListenzeile &z)
{
    QStringList markiert = z.formen;
    markiert.prepend(z.stichwort);
    for (QString *feld : {&v.vokabel, &v.form1, &v.form2, &v.form3})
        for (const QString &m : markiert)
            if (!feld->isEmpty() && m != *feld && LaengenEntfernen(m) == *feld)
                *feld = m;
}

} // namespace

QString ListenstatusText(TListenstatus status)
{
    switch (status) {
    case TListenstatus::Gefunden:
        return QStringLiteral("gefunden");
    case TListenstatus::Mehrdeutig:
        return QStringLiteral("mehrdeutig");
    case TListenstatus::Unbekannt:
        return QStringLiteral("unbekannt");
    case TListenstatus::Vorhanden:
        return QStringLiteral("vorhanden");
    }
    return {};
}

bool TListenposten::Bereit() const
{
    return status == TListenstatus::Gefunden || status == TListenstatus::Vorhanden ||
           (status == TListenstatus::Mehrdeutig && gewaehlt >= 0);
}

TListeneinfuegung::TListeneinfuegung(TDatenmanager &daten) : m_daten(daten)
{
    m_mitLexikon = LexikonStand(daten).eintraege > 0;
}

void TListeneinfuegung::Lesen(const QString &text)
{
    m_posten.clear();
    m_uebersprungen = 0;
    for (TListenzeile &z : ListeLesen(text)) {
        if (!z.lesbar) {
            ++m_uebersprungen;
            continue;
        }
        TListenposten p;
        p.zeile = std::move(z);
        Abgleichen(p);
        m_posten.push_back(std::move(p));
    }
}

void TListeneinfuegung::Abgleichen(TListenposten &p)
{
    const TListenzeile &z = p.zeile;
    const QString infinitiv = InfinitivAusErsterPerson(z.stichwort, z.formen);
    // What the line gives, for the editor if nothing settles it.
    p.vokabel.vokabel = infinitiv.isEmpty() ? z.stichwort : infinitiv;
    BedeutungenSetzen(p.vokabel, z.deutsch);

    if (m_mitLexikon) {
        std::vector<TLexikonLemma> lemmata = LexikonSuchen(m_daten, z.stichwort);
        if (lemmata.empty() && !infinitiv.isEmpty())
            lemmata = LexikonSuchen(m_daten, infinitiv);
        // The forms, gender and German of the line choose among homographs:
        // each that agrees counts; a gender or word class against it rules
        // the lemma out (forms may be spelt otherwise, a gender may not).
        QStringList gegeben;
        for (const QString &f : z.formen)
            if (!f.isEmpty())
                gegeben << ListenSchluessel(f);
        std::vector<std::pair<int, const TLexikonLemma *>> passend;
        for (const TLexikonLemma &l : lemmata) {
            int punkte = 0;
            if (!z.genus.isEmpty()) {
                const bool mf =
                    z.genus == QLatin1String("p") && (l.form2 == QLatin1String("m") || l.form2 == QLatin1String("f"));
                if (l.wortart != WA_SUBSTANTIV || (l.form2 != z.genus && !mf))
                    continue;
                ++punkte;
            }
            QSet<QString> formen{ListenSchluessel(l.stichwort), ListenSchluessel(l.form1), ListenSchluessel(l.form2),
                                 ListenSchluessel(l.form3)};
            for (const QString &m : l.laengen)
                formen.insert(ListenSchluessel(m));
            int treffer = 0;
            for (const QString &g : gegeben)
                treffer += formen.contains(g) ? 1 : 0;
            passend.emplace_back(punkte + treffer, &l);
        }
        if (!passend.empty()) {
            const int beste = std::max_element(passend.begin(), passend.end())->first;
            std::erase_if(passend, [beste](const auto &e) { return e.first < beste; });
        }
        if (passend.size() > 1 && !z.deutsch.isEmpty()) {
            // The German of the line names one of them: malum "Apfel", not "Übel".
            const QSet<QString> deutsch = Woerter(z.deutsch);
            std::vector<std::pair<int, const TLexikonLemma *>> nachDeutsch;
            for (const auto &[punkte, l] : passend) {
                QStringList alle;
                for (const QStringList &g : l->deutsch)
                    alle << g;
                const int gleich = int((Woerter(alle.join(QLatin1Char(' '))) & deutsch).size());
                if (gleich > 0)
                    nachDeutsch.emplace_back(gleich, l);
            }
            if (nachDeutsch.size() == 1)
                passend = nachDeutsch;
        }
        if (passend.size() == 1 && AusLexikon(p, passend.front().second->id)) {
            if (p.status != TListenstatus::Vorhanden) {
                p.status = TListenstatus::Gefunden;
                p.hinweis = QStringLiteral("aus dem Lexikon");
            }
            return;
        }
        if (passend.size() > 1) {
            p.status = TListenstatus::Mehrdeutig;
            for (const auto &[punkte, l] : passend) {
                QStringList deutsch;
                for (const QStringList &g : l->deutsch)
                    deutsch << g;
                TListenkandidat k;
                k.lexikonId = l->id;
                k.text = l->schluesselformen + QStringLiteral(" – ") +
                         (deutsch.isEmpty() ? QStringLiteral("(ohne deutsche Bedeutung)")
                                            : deutsch.mid(0, 4).join(QStringLiteral(", ")));
                p.kandidaten.push_back(k);
            }
            p.hinweis = QStringLiteral("%1 Wörter im Lexikon: bitte wählen").arg(p.kandidaten.size());
            return;
        }
    }
    if (NachRegeln(p))
        return;
    // Not to be settled here: the user's own entry of that headword, if
    // there is exactly one, else the editor.
    TAnweisung a = m_daten.Verbindung().Anweisung("SELECT id FROM vokabel WHERE vokabel_lower = ?1 LIMIT 2");
    a.Binden(1, LaengenEntfernen(p.vokabel.vokabel).toLower());
    std::vector<int32_t> ids;
    while (a.Schritt())
        ids.push_back(a.Int(0));
    if (ids.size() == 1)
        AlsVorhanden(p, ids.front());
}

bool TListeneinfuegung::AusLexikon(TListenposten &p, int32_t lexikonId)
{
    TVokabel v;
    if (!LexikonEintragBauen(m_daten, lexikonId, v))
        return false;
    // The line's German wins over the lexicon's.
    if (!p.zeile.deutsch.isEmpty())
        BedeutungenSetzen(v, p.zeile.deutsch);
    p.vokabel = std::move(v);
    p.aufnehmen = true;
    if (const int32_t id = VorhandeneVokabel(p.vokabel))
        AlsVorhanden(p, id);
    return true;
}

bool TListeneinfuegung::NachRegeln(TListenposten &p)
{
    const TListenzeile &z = p.zeile;
    TVokabel v;
    v.vokabel = LaengenEntfernen(p.vokabel.vokabel);
    QStringList formen;
    // "amo, amavi, amatum": the headword became the infinitive, the first person is a part.
    if (ListenSchluessel(v.vokabel) != ListenSchluessel(z.stichwort))
        formen << LaengenEntfernen(z.stichwort);
    for (const QString &f : z.formen)
        formen << LaengenEntfernen(f);
    if (!z.genus.isEmpty())
        formen << z.genus + QLatin1Char('.');
    int32_t wortart = 0;
    // A headword alone: an infinitive makes a verb.
    if (formen.isEmpty() && WortartVorschlagen(v))
        wortart = WA_VERB;
    const QString grund = KlasseErmitteln(v, formen.join(QStringLiteral(", ")), wortart);
    if (!grund.isEmpty()) {
        p.status = TListenstatus::Unbekannt;
        p.hinweis = grund;
        return false;
    }
    // Without forms nothing tells the word class: that is the pupil's to say.
    if (v.Wortart() == WA_UNBESTIMMT) {
        p.status = TListenstatus::Unbekannt;
        p.hinweis = QStringLiteral("Die Wortart lässt sich nicht bestimmen: bitte bearbeiten oder auslassen.");
        return false;
    }
    LaengenZurueck(v, z);
    BedeutungenSetzen(v, z.deutsch);
    p.vokabel = std::move(v);
    if (const int32_t id = VorhandeneVokabel(p.vokabel)) {
        AlsVorhanden(p, id);
        return true;
    }
    if (p.vokabel.bedeutungen.empty()) {
        p.status = TListenstatus::Unbekannt;
        p.hinweis = QStringLiteral("Nicht im Lexikon, und es fehlt eine deutsche Bedeutung.");
        return true;
    }
    p.status = TListenstatus::Gefunden;
    p.hinweis = QStringLiteral("nicht im Lexikon; Wortart und Formen nach den Regeln bestimmt");
    p.aufnehmen = true;
    return true;
}

int32_t TListeneinfuegung::VorhandeneVokabel(const TVokabel &v)
{
    // An entry typed with or without lengths counts as the same word.
    TAnweisung a = m_daten.Verbindung().Anweisung(
        "SELECT id FROM vokabel WHERE vokabel_lower = ?1 AND wortart = ?2 ORDER BY id LIMIT 1");
    a.Binden(1, LaengenEntfernen(v.vokabel).toLower()).Binden(2, WortartBuchstabe(v.Wortart()));
    return a.Schritt() ? a.Int(0) : 0;
}

void TListeneinfuegung::AlsVorhanden(TListenposten &p, int32_t id)
{
    const auto v = m_daten.VokabelLaden(id);
    if (v->id != id)
        return;
    v->KopierenNach(p.vokabel);
    p.vorhandenId = id;
    p.status = TListenstatus::Vorhanden;
    p.hinweis = QStringLiteral("schon unter deinen Vokabeln: wird wiederverwendet");
    p.aufnehmen = true;
}

bool TListeneinfuegung::Waehlen(size_t posten, int kandidat)
{
    if (posten >= m_posten.size())
        return false;
    TListenposten &p = m_posten[posten];
    if (p.status != TListenstatus::Mehrdeutig || kandidat < 0 || size_t(kandidat) >= p.kandidaten.size())
        return false;
    if (!AusLexikon(p, p.kandidaten[size_t(kandidat)].lexikonId))
        return false;
    p.gewaehlt = kandidat;
    if (p.status == TListenstatus::Mehrdeutig)
        p.hinweis = QStringLiteral("gewählt: %1").arg(p.kandidaten[size_t(kandidat)].text);
    return true;
}

void TListeneinfuegung::Bearbeitet(size_t posten, const TVokabel &v)
{
    if (posten >= m_posten.size())
        return;
    TListenposten &p = m_posten[posten];
    v.KopierenNach(p.vokabel);
    p.vokabel.id = 0;
    p.vorhandenId = 0;
    p.kandidaten.clear();
    p.gewaehlt = -1;
    if (const int32_t id = VorhandeneVokabel(p.vokabel)) {
        AlsVorhanden(p, id);
        return;
    }
    p.status = TListenstatus::Gefunden;
    p.hinweis = QStringLiteral("von dir bearbeitet");
    p.aufnehmen = true;
}

void TListeneinfuegung::Aufnehmen(size_t posten, bool an)
{
    if (posten < m_posten.size())
        m_posten[posten].aufnehmen = an && m_posten[posten].Bereit();
}

std::vector<int32_t> TListeneinfuegung::Einfuegen()
{
    std::vector<int32_t> ids;
    QSet<int32_t> schon;
    QHash<QString, int32_t> neu; // headword and word class stored in this run
    TTransaktion t(m_daten.Verbindung());
    TVokabelSpeicher speicher(m_daten);
    for (const TListenposten &p : m_posten) {
        if (!p.aufnehmen || !p.Bereit())
            continue;
        int32_t id = p.vorhandenId;
        const QString schluessel =
            LaengenEntfernen(p.vokabel.vokabel).toLower() + QLatin1Char('|') + WortartBuchstabe(p.vokabel.Wortart());
        if (!id)
            id = neu.value(schluessel);
        if (!id)
            id = VorhandeneVokabel(p.vokabel);
        if (!id) {
            // A copy: after a failure the lines keep their unsaved entries.
            TVokabel kopie;
            p.vokabel.KopierenNach(kopie);
            kopie.id = 0;
            speicher.ZeileAnlegen(kopie);
            id = kopie.id;
            neu.insert(schluessel, id);
        }
        if (!schon.contains(id)) {
            schon.insert(id);
            ids.push_back(id);
        }
    }
    t.Bestaetigen();
    return ids;
}

// ---- The review table ------------------------------------------------------

TListenModell::TListenModell(TListeneinfuegung &liste, QObject *parent) : QAbstractTableModel(parent), m_liste(liste) {}

void TListenModell::Lesen(const QString &text)
{
    beginResetModel();
    m_liste.Lesen(text);
    endResetModel();
}

bool TListenModell::Waehlen(int zeile, int kandidat)
{
    if (zeile < 0 || !m_liste.Waehlen(size_t(zeile), kandidat))
        return false;
    ZeileGeaendert(zeile);
    return true;
}

void TListenModell::Bearbeitet(int zeile, const TVokabel &v)
{
    if (zeile < 0)
        return;
    m_liste.Bearbeitet(size_t(zeile), v);
    ZeileGeaendert(zeile);
}

int TListenModell::Bereit() const
{
    return int(std::count_if(m_liste.Posten().begin(), m_liste.Posten().end(),
                             [](const TListenposten &p) { return p.aufnehmen && p.Bereit(); }));
}

void TListenModell::ZeileGeaendert(int zeile)
{
    emit dataChanged(index(zeile, 0), index(zeile, SpAnzahl - 1));
}

int TListenModell::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_liste.Posten().size());
}

int TListenModell::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : SpAnzahl;
}

QVariant TListenModell::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= m_liste.Posten().size())
        return {};
    const TListenposten &p = m_liste.Posten()[size_t(index.row())];
    if (role == KandidatenRolle) {
        QStringList texte;
        for (const TListenkandidat &k : p.kandidaten)
            texte << k.text;
        return texte;
    }
    if (role == GewaehltRolle)
        return p.gewaehlt;
    if (role == Qt::CheckStateRole && index.column() == SpZeile)
        return (p.aufnehmen && p.Bereit()) ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::ToolTipRole)
        return p.hinweis;
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    switch (index.column()) {
    case SpZeile:
        return p.zeile.text;
    case SpStatus:
        return p.status == TListenstatus::Mehrdeutig && p.gewaehlt >= 0 ? QStringLiteral("mehrdeutig, gewählt")
                                                                        : ListenstatusText(p.status);
    case SpVokabel:
        if (p.status == TListenstatus::Mehrdeutig && p.gewaehlt < 0)
            return QStringLiteral("bitte wählen (%1 Möglichkeiten)").arg(p.kandidaten.size());
        return Anzeige(p.vokabel);
    case SpBedeutungen:
        return p.vokabel.BedeutungenText();
    case SpHinweis:
        return p.hinweis;
    default:
        return {};
    }
}

QVariant TListenModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case SpZeile:
        return QStringLiteral("Zeile");
    case SpStatus:
        return QStringLiteral("Status");
    case SpVokabel:
        return QStringLiteral("Vokabel");
    case SpBedeutungen:
        return QStringLiteral("Bedeutungen");
    case SpHinweis:
        return QStringLiteral("Hinweis");
    default:
        return {};
    }
}

Qt::ItemFlags TListenModell::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == SpZeile && size_t(index.row()) < m_liste.Posten().size() &&
        m_liste.Posten()[size_t(index.row())].Bereit())
        f |= Qt::ItemIsUserCheckable;
    return f;
}

bool TListenModell::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != SpZeile || role != Qt::CheckStateRole)
        return false;
    m_liste.Aufnehmen(size_t(index.row()), value.toInt() == Qt::Checked);
    ZeileGeaendert(index.row());
    return true;
}

} // namespace lexovita
