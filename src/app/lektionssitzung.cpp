#include "app/lektionssitzung.h"

#include "app/tabellenaustausch.h"
#include "render/karteikarten.h"

#include "model/lektionsdatei.h"
#include "model/pfade.h"
#include "model/uhr.h"
#include "store/datenmanager.h"
#include "store/lektionsspeicher.h"

#include <QDir>
#include <algorithm>

namespace lexovita {

namespace {

// Keeps the wait cursor balanced when a database error is thrown.
class TBeschaeftigt {
  public:
    explicit TBeschaeftigt(ILektionsdialoge *d) : m_d(d)
    {
        if (m_d)
            m_d->Beschaeftigt(true);
    }
    ~TBeschaeftigt()
    {
        if (m_d)
            m_d->Beschaeftigt(false);
    }
    TBeschaeftigt(const TBeschaeftigt &) = delete;
    TBeschaeftigt &operator=(const TBeschaeftigt &) = delete;

  private:
    ILektionsdialoge *m_d;
};

QStringList Zeilen(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

} // namespace

TLektionssitzung::TLektionssitzung(TDatenmanager &daten, IRueckfrage &rueckfrage, const IUhr &uhr, QObject *parent)
    : QObject(parent), m_daten(daten), m_rueckfrage(rueckfrage), m_uhr(uhr), m_vorlagen(TPfade::Aktuell().Vorlagen())
{
}

TLektionssitzung::~TLektionssitzung() = default;

void TLektionssitzung::TextSetzen(const QString &text)
{
    TLektion *l = Aktuell();
    if (!l)
        return;
    const QStringList vorher = l->text;
    l->TextAusString(text);
    if (l->text != vorher)
        Markieren();
}

void TLektionssitzung::NotizenSetzen(const QString &notizen)
{
    TLektion *l = Aktuell();
    const QStringList neu = Zeilen(notizen);
    if (!l || neu == l->notizen)
        return;
    l->notizen = neu;
    // Notes are stored with the lesson; a change must not be lost on closing.
    Markieren();
}

QString TLektionssitzung::Text() const
{
    const TLektion *l = Aktuell();
    return l ? l->text.join(QLatin1Char('\n')) : QString();
}

QString TLektionssitzung::Notizen() const
{
    const TLektion *l = Aktuell();
    return l ? l->notizen.join(QLatin1Char('\n')) : QString();
}

void TLektionssitzung::Markieren()
{
    if (TLektion *l = Aktuell()) {
        m_anders.insert(l);
        Markieren(l);
    }
}

void TLektionssitzung::ListenstandSetzen(bool sauber)
{
    TLektion *l = Aktuell();
    if (!l)
        return;
    const bool geaendert = !sauber || m_anders.contains(l);
    if (l->geaendert != geaendert) {
        l->geaendert = geaendert;
        emit kopfGeaendert();
    }
}

void TLektionssitzung::AlsGespeichertMerken(TLektion *l)
{
    m_anders.remove(l);
    emit gespeichert(l);
    emit kopfGeaendert();
}

void TLektionssitzung::Markieren(TLektion *l)
{
    if (l && !l->geaendert) {
        l->AlsGeaendertMarkieren();
        emit kopfGeaendert();
    }
}

void TLektionssitzung::Beschaeftigt(bool an)
{
    if (m_dialoge)
        m_dialoge->Beschaeftigt(an);
}

void TLektionssitzung::Neu()
{
    m_lektionen.NeueLektion(m_uhr.Heute());
    emit kopfGeaendert();
    emit lektionGewechselt();
}

TLehrbuchwahl TLektionssitzung::Lehrbuchwahl(int modus, const QString &vorschlag)
{
    if (!m_dialoge)
        return {};
    TLehrbuchwahl e = m_dialoge->LehrbuchWaehlen(modus, vorschlag);
    LoeschungenAnwenden(e);
    if (e.neueLektion) {
        Neu();
        return {};
    }
    return e;
}

void TLektionssitzung::LoeschungenAnwenden(const TLehrbuchwahl &e)
{
    for (int32_t buch : e.geloeschteLehrbuecher) {
        for (int i = 0; i < m_lektionen.Anzahl(); ++i)
            if (buch != 0 && m_lektionen.Lektion(i)->lehrbuch_id == buch)
                m_anders.insert(m_lektionen.Lektion(i));
        m_lektionen.LehrbuchGeloescht(buch);
    }
    // An open copy of a deleted lesson must be saved to a new place, like one of a deleted textbook.
    for (int32_t lektion : e.geloeschteLektionen)
        for (int i = 0; i < m_lektionen.Anzahl(); ++i)
            if (m_lektionen.Lektion(i)->id == lektion) {
                m_lektionen.Lektion(i)->LehrbuchLoesen();
                m_anders.insert(m_lektionen.Lektion(i));
            }
    if (!e.geloeschteLehrbuecher.empty() || !e.geloeschteLektionen.empty())
        emit kopfGeaendert();
}

bool TLektionssitzung::Speichern(TLektion *lektion)
{
    TLektion *l = lektion ? lektion : Aktuell();
    if (!l)
        return false;
    if (l->name.trimmed().isEmpty() || l->lehrbuch_id == 0)
        return SpeichernUnter(l);
    bool ok;
    {
        TBeschaeftigt b(m_dialoge);
        ok = TLektionsSpeicher(m_daten).LektionSpeichern(*l);
    }
    if (!ok) // its textbook is gone: ask for a new place
        return SpeichernUnter(l);
    // Only the header changes: the editors keep their caret and undo history.
    AlsGespeichertMerken(l);
    return true;
}

bool TLektionssitzung::SpeichernUnter(TLektion *lektion)
{
    TLektion *l = lektion ? lektion : Aktuell();
    if (!l)
        return false;
    const TLehrbuchwahl wahl = Lehrbuchwahl(VM_SPEICHERN_UNTER, l->name);
    // "Neue Lektion" in the chooser may have replaced the current lesson; the one to store is still open.
    if (!wahl.bestaetigt || wahl.name.isEmpty() || wahl.lehrbuchId == 0 || m_lektionen.Index(l) < 0)
        return false;
    l->name = wahl.name;
    l->lehrbuch_id = wahl.lehrbuchId;
    l->lehrbuch = wahl.lehrbuch;
    bool ok;
    {
        TBeschaeftigt b(m_dialoge);
        ok = TLektionsSpeicher(m_daten).LektionUeberschreiben(*l, wahl.lektionId);
    }
    if (ok)
        AlsGespeichertMerken(l);
    else
        emit kopfGeaendert();
    return ok;
}

void TLektionssitzung::Oeffnen()
{
    const TLehrbuchwahl wahl = Lehrbuchwahl(VM_OEFFNEN, QString());
    if (wahl.bestaetigt && wahl.lektionId != 0)
        GespeicherteOeffnen(wahl.lektionId);
}

void TLektionssitzung::GespeicherteOeffnen(int32_t id)
{
    if (id == 0)
        return;
    for (int i = 0; i < m_lektionen.Anzahl(); ++i) {
        if (m_lektionen.Lektion(i)->id == id) {
            if (m_lektionen.Lektion(i) != Aktuell()) {
                m_lektionen.SetAktuell(m_lektionen.Lektion(i));
                emit kopfGeaendert();
                emit lektionGewechselt();
            }
            return;
        }
    }
    std::unique_ptr<TLektion> gelesen;
    {
        TBeschaeftigt b(m_dialoge);
        gelesen = TLektionsSpeicher(m_daten).LektionLesen(id);
    }
    if (!gelesen)
        return;
    gelesen->geaendert = false;
    // A fresh "unbenannt" tab nobody typed into would only stand in the way.
    TLektion *vorher = Aktuell();
    TLektion *neu = m_lektionen.LektionHinzufuegen(std::move(gelesen));
    if (vorher && vorher->id == 0 && !vorher->geaendert && vorher->vokabeln.empty() &&
        vorher->TextAlsString().trimmed().isEmpty() && vorher->notizen.join(QString()).trimmed().isEmpty()) {
        emit lektionGeschlossen(vorher);
        m_anders.remove(vorher);
        m_lektionen.LektionSchliessen(vorher);
        m_lektionen.SetAktuell(neu);
    }
    emit kopfGeaendert();
    emit lektionGewechselt();
}

bool TLektionssitzung::ErsteLektionOeffnen()
{
    TLektionsSpeicher speicher(m_daten);
    for (const TLehrbuchZeile &b : speicher.Lehrbuecher()) {
        const std::vector<TLektionZeile> lektionen = speicher.Lektionen(b.id);
        if (!lektionen.empty()) {
            GespeicherteOeffnen(lektionen.front().id);
            return true;
        }
    }
    return false;
}

void TLektionssitzung::Anhaengen()
{
    TLektion *l = Aktuell();
    if (!l)
        return;
    const TLehrbuchwahl wahl = Lehrbuchwahl(VM_ANHAENGEN, QString());
    if (!wahl.bestaetigt || wahl.lektionId == 0 || m_lektionen.Index(l) < 0)
        return;
    {
        TBeschaeftigt b(m_dialoge);
        TLektionsSpeicher(m_daten).LektionAnhaengen(wahl.lektionId, *l);
    }
    l->geaendert = false; // the store marks it; announced below
    VokabelnNeuGesetzt(l);
}

bool TLektionssitzung::Schliessen(TLektion *lektion)
{
    TLektion *l = lektion ? lektion : Aktuell();
    if (!l)
        return true;
    if (l->geaendert && !SpeichernFragen(l))
        return false; // cancelled: keep the lesson open rather than lose it
    emit lektionGeschlossen(l);
    m_anders.remove(l);
    m_lektionen.LektionSchliessen(l);
    emit kopfGeaendert();
    emit lektionGewechselt();
    return true;
}

bool TLektionssitzung::SpeichernFragen(TLektion *l)
{
    // "Ja" preselected, as a desktop program does: one Enter must not lose the changes.
    switch (
        m_rueckfrage.Frage(ProgrammTitel(), l->SpeichernFrage(), KN_JA_NEIN_ABBRECHEN, Antwort::Ja, Symbol::Frage)) {
    case Antwort::Ja:
        return Speichern(l);
    case Antwort::Nein:
        return true;
    default:
        return false;
    }
}

bool TLektionssitzung::Beenden()
{
    for (TLektion *l : m_lektionen.GeaenderteLektionen())
        if (!SpeichernFragen(l))
            return false; // cancelled, or choosing a place was: nothing may be lost
    return true;
}

void TLektionssitzung::AlleSchliessen()
{
    // The new lesson comes first, so the old ones are never the last open one.
    const int alte = m_lektionen.Anzahl();
    TLektion *neu = m_lektionen.NeueLektion(m_uhr.Heute());
    for (int i = 0; i < alte; ++i) {
        emit lektionGeschlossen(m_lektionen.Lektion(0));
        m_anders.remove(m_lektionen.Lektion(0));
        m_lektionen.LektionSchliessen(m_lektionen.Lektion(0));
    }
    m_lektionen.SetAktuell(neu);
    emit kopfGeaendert();
    emit lektionGewechselt();
}

void TLektionssitzung::Eigenschaften()
{
    TLektion *l = Aktuell();
    if (!l || !m_dialoge)
        return;
    const QStringList notizen = l->notizen;
    m_dialoge->EigenschaftenBearbeiten(*l);
    emit kopfGeaendert();
    if (l == Aktuell() && l->notizen != notizen)
        emit notizenGeaendert();
}

bool TLektionssitzung::Exportieren()
{
    TLektion *l = Aktuell();
    if (!l || !m_dialoge)
        return false;
    const QString datei = m_dialoge->ExportDateiWaehlen(l->name + QStringLiteral(".xml"));
    if (datei.isEmpty())
        return false;
    TBeschaeftigt b(m_dialoge);
    for (auto &v : l->vokabeln)
        m_daten.SonderformenLaden(*v);
    XmlDateiSchreiben(XmlDateiname(datei), LektionAlsXml(*l, m_vorlagen));
    return true;
}

bool TLektionssitzung::TabelleExportieren()
{
    TLektion *l = Aktuell();
    if (!l || !m_dialoge)
        return false;
    const QString datei = m_dialoge->ExportDateiWaehlen(l->name + QStringLiteral(".csv"));
    if (datei.isEmpty())
        return false;
    TBeschaeftigt b(m_dialoge);
    XmlDateiSchreiben(TabellenDateiname(datei), LektionAlsTabelle(m_daten, *l));
    return true;
}

bool TLektionssitzung::KarteikartenExportieren()
{
    TLektion *l = Aktuell();
    if (!l || !m_dialoge)
        return false;
    const QString datei = m_dialoge->ExportDateiWaehlen(l->name + QStringLiteral(".txt"));
    if (datei.isEmpty())
        return false;
    TBeschaeftigt b(m_dialoge);
    XmlDateiSchreiben(KarteikartenDateiname(datei), LektionAlsKarteikarten(m_daten, *l, KarteikartenFormenVorgabe()));
    return true;
}

bool TLektionssitzung::TabWaehlen(int tab)
{
    if (tab == m_lektionen.Index(Aktuell()) || !m_lektionen.TabWaehlen(tab))
        return false;
    emit kopfGeaendert();
    emit lektionGewechselt();
    return true;
}

int TLektionssitzung::VokabelUeberallEntfernen(int32_t id)
{
    int entfernt = 0;
    for (int i = 0; i < m_lektionen.Anzahl(); ++i) {
        TLektion *l = m_lektionen.Lektion(i);
        QList<int> zeilen;
        for (int z = 0; z < l->Anzahl(); ++z)
            if (l->vokabeln[static_cast<size_t>(z)]->id == id)
                zeilen.append(z);
        if (zeilen.isEmpty())
            continue;
        entfernt += l->VokabelnEntfernen(zeilen);
        VokabelnNeuGesetzt(l);
    }
    return entfernt;
}

bool TLektionssitzung::InOffeneLektion(int32_t lektionId, const std::vector<int32_t> &ids, bool hinzufuegen)
{
    if (lektionId <= 0)
        return false;
    for (int i = 0; i < m_lektionen.Anzahl(); ++i) {
        TLektion *l = m_lektionen.Lektion(i);
        if (l->id != lektionId)
            continue;
        if (!hinzufuegen)
            l->vokabeln.clear();
        for (int32_t id : ids) {
            auto voll = m_daten.VokabelLaden(id);
            if (!voll->vokabel.isEmpty())
                l->VokabelAnhaengen(std::move(voll));
        }
        VokabelnNeuGesetzt(l);
        return true;
    }
    return false;
}

bool TLektionssitzung::VokabelAnhaengen(int32_t id, bool rueckgaengigBar)
{
    TLektion *l = Aktuell();
    if (!l || id <= 0)
        return false;
    auto voll = m_daten.VokabelLaden(id);
    if (voll->vokabel.isEmpty())
        return false;
    std::vector<std::pair<int, std::unique_ptr<TVokabel>>> neu;
    neu.emplace_back(l->Anzahl(), std::move(voll));
    VokabelnEinfuegen(std::move(neu));
    if (!rueckgaengigBar)
        m_anders.insert(l);
    return true;
}

std::vector<std::pair<int, std::unique_ptr<TVokabel>>> TLektionssitzung::VokabelnEntfernen(QList<int> zeilen)
{
    std::vector<std::pair<int, std::unique_ptr<TVokabel>>> entfernt;
    TLektion *l = Aktuell();
    if (!l)
        return entfernt;
    std::sort(zeilen.begin(), zeilen.end());
    zeilen.erase(std::unique(zeilen.begin(), zeilen.end()), zeilen.end());
    zeilen.removeIf([l](int z) { return z < 0 || z >= l->Anzahl(); });
    // From the back, one run of adjacent rows at a time, so earlier rows keep their indices.
    for (qsizetype ende = zeilen.size(); ende > 0;) {
        qsizetype anfang = ende - 1;
        while (anfang > 0 && zeilen[anfang - 1] == zeilen[anfang] - 1)
            --anfang;
        const int erste = zeilen[anfang];
        const int letzte = zeilen[ende - 1];
        emit vokabelnEntfernenBeginnt(erste, letzte);
        for (int z = letzte; z >= erste; --z) {
            entfernt.emplace_back(z, std::move(l->vokabeln[static_cast<size_t>(z)]));
            l->vokabeln.erase(l->vokabeln.begin() + z);
        }
        emit vokabelnEntfernt();
        ende = anfang;
    }
    std::reverse(entfernt.begin(), entfernt.end());
    if (!entfernt.empty())
        Markieren(l);
    return entfernt;
}

void TLektionssitzung::VokabelnEinfuegen(std::vector<std::pair<int, std::unique_ptr<TVokabel>>> vokabeln)
{
    TLektion *l = Aktuell();
    if (!l || vokabeln.empty())
        return;
    // Ascending, so each entry lands on the row it names.
    for (auto &[zeile, v] : vokabeln) {
        const int z = std::clamp(zeile, 0, l->Anzahl());
        emit vokabelnEinfuegenBeginnt(z, z);
        l->vokabeln.insert(l->vokabeln.begin() + z, std::move(v));
        emit vokabelnEingefuegt();
    }
    Markieren(l);
}

bool TLektionssitzung::VokabelVerschieben(int von, int nach)
{
    TLektion *l = Aktuell();
    const int n = l ? l->Anzahl() : 0;
    if (von < 0 || von >= n || nach < 0 || nach >= n || von == nach)
        return false;
    emit vokabelVerschiebenBeginnt(von, nach > von ? nach + 1 : nach);
    l->VokabelVerschieben(von, nach);
    emit vokabelVerschoben();
    Markieren(l);
    return true;
}

int TLektionssitzung::VokabelNachOben(int zeile)
{
    const TLektion *l = Aktuell();
    const int n = l ? l->Anzahl() : 0;
    if (zeile < 0 || zeile >= n)
        return -1;
    // The first entry wraps round to the end.
    const int nach = zeile > 0 ? zeile - 1 : n - 1;
    VokabelVerschieben(zeile, nach);
    return nach;
}

int TLektionssitzung::VokabelNachUnten(int zeile)
{
    const TLektion *l = Aktuell();
    const int n = l ? l->Anzahl() : 0;
    if (zeile < 0 || zeile >= n)
        return -1;
    // The last entry wraps round to the start.
    const int nach = zeile < n - 1 ? zeile + 1 : 0;
    VokabelVerschieben(zeile, nach);
    return nach;
}

QList<int> TLektionssitzung::VokabelnSortieren(TSpalte spalte)
{
    TLektion *l = Aktuell();
    if (!l || spalte == TSpalte::Nr)
        return {};
    const QList<int> herkunft = l->Sortierreihenfolge(spalte);
    if (!VokabelnAnordnen(herkunft))
        return {};
    return herkunft;
}

bool TLektionssitzung::VokabelnAnordnen(const QList<int> &herkunft)
{
    TLektion *l = Aktuell();
    if (!l || herkunft.size() != l->Anzahl())
        return false;
    bool bewegt = false;
    std::vector<bool> gesehen(herkunft.size(), false);
    for (int i = 0; i < herkunft.size(); ++i) {
        const int h = herkunft[i];
        if (h < 0 || h >= herkunft.size() || gesehen[static_cast<size_t>(h)])
            return false; // not a permutation
        gesehen[static_cast<size_t>(h)] = true;
        bewegt = bewegt || h != i;
    }
    if (!bewegt)
        return false;
    emit reihenfolgeAendernBeginnt();
    std::vector<std::unique_ptr<TVokabel>> neu;
    neu.reserve(herkunft.size());
    for (int h : herkunft)
        neu.push_back(std::move(l->vokabeln[static_cast<size_t>(h)]));
    l->vokabeln = std::move(neu);
    emit reihenfolgeGeaendert(herkunft);
    Markieren(l);
    return true;
}

void TLektionssitzung::VokabelAktualisiert(int32_t id)
{
    TLektion *l = Aktuell();
    if (!l || id <= 0)
        return;
    bool gefunden = false;
    for (int z = 0; z < l->Anzahl(); ++z)
        if (l->vokabeln[static_cast<size_t>(z)]->id == id) {
            gefunden = true;
            emit vokabelnGeaendert(z, z);
        }
    if (gefunden)
        Markieren(l);
}

void TLektionssitzung::VokabelnNeuGesetzt(TLektion *lektion)
{
    if (!lektion || m_lektionen.Index(lektion) < 0)
        return;
    m_anders.insert(lektion);
    Markieren(lektion);
    emit vokabelnNeu(lektion);
}

} // namespace lexovita
