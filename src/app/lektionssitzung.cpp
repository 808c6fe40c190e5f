#include "app/lektionssitzung.h"

#include "app/tabellenaustausch.h"
#include "render/karteikarten.h"

#include "model/lektionsdatei.h"
#include "model/uhr.h"
#include "store/datenmanager.h"
#include "store/lektionsspeicher.h"

#include <QCoreApplication>
#include <QDir>

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
    : QObject(parent), m_daten(daten), m_rueckfrage(rueckfrage), m_uhr(uhr)
{
    if (QCoreApplication::instance())
        m_vorlagen =
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("vorlagen")) + QLatin1Char('/');
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
    TLektion *l = Aktuell();
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
    emit anzeigen();
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
    for (int32_t buch : e.geloeschteLehrbuecher)
        m_lektionen.LehrbuchGeloescht(buch);
    // An open copy of a deleted lesson must be saved to a new place, like one of a deleted textbook.
    for (int32_t lektion : e.geloeschteLektionen)
        for (int i = 0; i < m_lektionen.Anzahl(); ++i)
            if (m_lektionen.Lektion(i)->id == lektion)
                m_lektionen.Lektion(i)->LehrbuchLoesen();
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
    emit anzeigen();
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
    emit anzeigen();
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
            m_lektionen.SetAktuell(m_lektionen.Lektion(i));
            emit anzeigen();
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
    m_lektionen.LektionHinzufuegen(std::move(gelesen));
    emit anzeigen();
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
    l->AlsGeaendertMarkieren();
    emit anzeigen();
}

bool TLektionssitzung::Schliessen(TLektion *lektion)
{
    TLektion *l = lektion ? lektion : Aktuell();
    if (!l)
        return true;
    if (l->geaendert &&
        m_rueckfrage.Frage(ProgrammTitel(), l->SpeichernFrage(), KN_JA_NEIN, Antwort::Nein, Symbol::Frage) ==
            Antwort::Ja &&
        !Speichern(l))
        return false; // saving was cancelled: keep the lesson open rather than lose it
    m_lektionen.LektionSchliessen(l);
    emit anzeigen();
    return true;
}

bool TLektionssitzung::Beenden()
{
    for (TLektion *l : m_lektionen.GeaenderteLektionen()) {
        if (m_rueckfrage.Frage(ProgrammTitel(), l->SpeichernFrage(), KN_JA_NEIN, Antwort::Nein, Symbol::Frage) ==
                Antwort::Ja &&
            !Speichern(l))
            return false; // the user cancelled choosing a place: nothing may be lost
    }
    return true;
}

bool TLektionssitzung::AlleSchliessen()
{
    if (!Beenden())
        return false;
    // The new lesson comes first, so the old ones are never the last open one.
    const int alte = m_lektionen.Anzahl();
    TLektion *neu = m_lektionen.NeueLektion(m_uhr.Heute());
    for (int i = 0; i < alte; ++i)
        m_lektionen.LektionSchliessen(m_lektionen.Lektion(0));
    m_lektionen.SetAktuell(neu);
    emit anzeigen();
    return true;
}

void TLektionssitzung::Eigenschaften()
{
    TLektion *l = Aktuell();
    if (!l || !m_dialoge)
        return;
    m_dialoge->EigenschaftenBearbeiten(*l);
    emit anzeigen();
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
    emit anzeigen();
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
        l->AlsGeaendertMarkieren();
    }
    if (entfernt > 0)
        emit anzeigen();
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
        l->AlsGeaendertMarkieren();
        emit kopfGeaendert();
        if (l == Aktuell())
            emit anzeigen();
        return true;
    }
    return false;
}

bool TLektionssitzung::VokabelAnhaengen(int32_t id)
{
    TLektion *l = Aktuell();
    if (!l || id <= 0)
        return false;
    auto voll = m_daten.VokabelLaden(id);
    if (voll->vokabel.isEmpty())
        return false;
    l->VokabelAnhaengen(std::move(voll));
    Markieren();
    return true;
}

} // namespace lexovita
