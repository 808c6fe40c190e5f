#include "app/lehrbuchverwaltung.h"

#include "model/lektionsdatei.h"
#include "store/datenmanager.h"
#include "store/lektionsspeicher.h"
#include "store/sqlite.h"

#include <algorithm>

namespace lexovita {

namespace {

QString InHochkommas(const QString &name)
{
    return QLatin1Char('\'') + name + QLatin1Char('\'');
}

} // namespace

TLehrbuchverwaltung::TLehrbuchverwaltung(TDatenmanager &daten, IRueckfrage &rueckfrage, int modus)
    : m_rueckfrage(rueckfrage), m_speicher(std::make_unique<TLektionsSpeicher>(daten)), m_modus(modus)
{
}

TLehrbuchverwaltung::~TLehrbuchverwaltung() = default;

bool TLehrbuchverwaltung::Frage(const QString &text)
{
    return m_rueckfrage.Frage(ProgrammTitel(), text, KN_JA_NEIN, Antwort::Nein, Symbol::Frage) == Antwort::Ja;
}

int TLehrbuchverwaltung::Aktualisieren(int32_t gemerktesLehrbuch)
{
    m_lehrbuecher = m_speicher->Lehrbuecher();
    if (m_lehrbuecher.empty()) {
        LehrbuchWaehlen(0);
        return -1;
    }
    int index = 0;
    if (gemerktesLehrbuch != 0) {
        for (size_t i = 0; i < m_lehrbuecher.size(); ++i)
            if (m_lehrbuecher[i].id == gemerktesLehrbuch)
                index = static_cast<int>(i);
    }
    LehrbuchWaehlen(m_lehrbuecher[static_cast<size_t>(index)].id);
    return index;
}

const TLehrbuchZeile *TLehrbuchverwaltung::Lehrbuch(int32_t id) const
{
    for (const TLehrbuchZeile &z : m_lehrbuecher)
        if (z.id == id)
            return &z;
    return nullptr;
}

const TLektionZeile *TLehrbuchverwaltung::Lektion(int32_t id) const
{
    for (const TLektionZeile &z : m_lektionen)
        if (z.id == id)
            return &z;
    return nullptr;
}

void TLehrbuchverwaltung::LehrbuchWaehlen(int32_t id)
{
    m_lehrbuch = Lehrbuch(id) ? id : 0;
    LektionenLaden();
}

void TLehrbuchverwaltung::LektionenLaden()
{
    m_lektionen.clear();
    if (m_lehrbuch != 0)
        m_lektionen = m_speicher->Lektionen(m_lehrbuch);
}

bool TLehrbuchverwaltung::Bestaetigen(const QString &eingabe, int32_t markiert)
{
    const QString name = eingabe.trimmed();
    if (name.isEmpty() || m_lehrbuch == 0)
        return false;
    if (m_modus != VM_SPEICHERN_UNTER && m_modus != VM_OEFFNEN && m_modus != VM_ANHAENGEN)
        return false;

    // The selected row wins among lessons of the same name; otherwise the
    // first in list order.
    const TLektionZeile *treffer = nullptr;
    if (const TLektionZeile *m = Lektion(markiert); m && m->name.trimmed() == name)
        treffer = m;
    for (size_t i = 0; !treffer && i < m_lektionen.size(); ++i)
        if (m_lektionen[i].name.trimmed() == name)
            treffer = &m_lektionen[i];

    TVerwaltungsAuswahl a;
    a.lehrbuchId = m_lehrbuch;
    a.lehrbuch = Lehrbuch(m_lehrbuch)->name;
    if (m_modus == VM_SPEICHERN_UNTER) {
        if (treffer) {
            if (m_ueberschreibenFragen && !Frage(QStringLiteral("Soll die Lektion ") + InHochkommas(treffer->name) +
                                                 QStringLiteral(" überschrieben werden?")))
                return false;
            a.lektionId = treffer->id;
        }
        a.name = name;
    } else {
        if (!treffer)
            return false;
        a.lektionId = treffer->id;
        a.name = treffer->name.trimmed();
    }
    a.bestaetigt = true;
    m_auswahl = a;
    return true;
}

bool TLehrbuchverwaltung::LektionLoeschen(int32_t id)
{
    const TLektionZeile *z = Lektion(id);
    if (!z || !Frage(QStringLiteral("Soll die Lektion ") + InHochkommas(z->name) +
                     QStringLiteral(" wirklich gelöscht werden?")))
        return false;
    m_speicher->LektionLoeschen(id);
    m_geloeschteLektionen.push_back(id);
    LektionenLaden();
    return true;
}

bool TLehrbuchverwaltung::LehrbuchLoeschen(int32_t id)
{
    const TLehrbuchZeile *z = Lehrbuch(id);
    if (!z || !Frage(QStringLiteral("Soll das Lehrbuch ") + InHochkommas(z->name) +
                     QStringLiteral(" mit allen zugehörigen Lektionen gelöscht werden?")))
        return false;
    const std::vector<int32_t> lektionen = m_speicher->LehrbuchLoeschen(id);
    m_geloeschteLektionen.insert(m_geloeschteLektionen.end(), lektionen.begin(), lektionen.end());
    m_geloeschteLehrbuecher.push_back(id);
    m_lehrbuecher = m_speicher->Lehrbuecher();
    if (m_lehrbuch == id)
        LehrbuchWaehlen(0);
    return true;
}

int32_t TLehrbuchverwaltung::LehrbuchNeu()
{
    const int32_t id = m_speicher->LehrbuchAnlegen(QStringLiteral("Neues Lehrbuch"));
    m_lehrbuecher = m_speicher->Lehrbuecher();
    return id;
}

bool TLehrbuchverwaltung::LehrbuchUmbenennen(int32_t id, const QString &name)
{
    if (name.trimmed().isEmpty() || !Lehrbuch(id))
        return false;
    m_speicher->LehrbuchUmbenennen(id, name);
    m_lehrbuecher = m_speicher->Lehrbuecher();
    return true;
}

bool TLehrbuchverwaltung::LektionUmbenennen(int32_t id, const QString &name)
{
    if (name.trimmed().isEmpty() || !Lektion(id))
        return false;
    m_speicher->LektionUmbenennen(id, name);
    LektionenLaden();
    return true;
}

bool TLehrbuchverwaltung::LektionVerschieben(int32_t lektionId, int32_t lehrbuchId)
{
    if (!Lektion(lektionId) || !Lehrbuch(lehrbuchId) || lehrbuchId == m_lehrbuch)
        return false;
    m_speicher->LektionVerschieben(lektionId, lehrbuchId);
    LektionenLaden();
    return true;
}

QString TLehrbuchverwaltung::LehrbuchExportieren(int32_t id, const QString &datei, const QString &vorlagenOrdner)
{
    const TLehrbuchZeile *z = Lehrbuch(id);
    if (!z)
        throw DatenbankFehler(QStringLiteral("Das Lehrbuch mit der Nummer %1 ist nicht vorhanden.").arg(id));
    const QString name = z->name;
    XmlDateiSchreiben(XmlDateiname(datei), m_speicher->LehrbuchExportieren(id, vorlagenOrdner));
    return ExportMeldung(name);
}

// ---------------------------------------------------------------------------

int32_t LetzteLektionsId(TDatenmanager &daten)
{
    TAnweisung a = daten.Verbindung().Anweisung("SELECT coalesce(max(id), 0) FROM lektion");
    return a.Schritt() ? a.Int(0) : 0;
}

std::vector<TNeueLektion> LektionenNach(TDatenmanager &daten, int32_t letzteId)
{
    TAnweisung a = daten.Verbindung().Anweisung(
        "SELECT l.id, l.name, coalesce(b.name, '') FROM lektion AS l LEFT JOIN lehrbuch AS b ON b.id = l.lehrbuch_id "
        "WHERE l.id > ?1 ORDER BY l.id");
    a.Binden(1, letzteId);
    std::vector<TNeueLektion> neu;
    while (a.Schritt())
        neu.push_back({a.Int(0), a.Text(1), a.Text(2)});
    return neu;
}

// ---------------------------------------------------------------------------

TLektionseigenschaften::TLektionseigenschaften(TDatenmanager &daten, IRueckfrage &rueckfrage)
    : m_daten(daten), m_rueckfrage(rueckfrage), m_speicher(std::make_unique<TLektionsSpeicher>(daten))
{
}

TLektionseigenschaften::~TLektionseigenschaften() = default;

QStringList TLektionseigenschaften::LehrbuchNamen()
{
    QStringList namen;
    for (const TLehrbuchZeile &z : m_speicher->Lehrbuecher())
        namen << z.name;
    return namen;
}

QString TLektionseigenschaften::LehrbuchFrage(const QString &name)
{
    return QStringLiteral("Das Lehrbuch \"") + name + QStringLiteral("\" existiert nicht. \r\n") +
           QStringLiteral("Soll es angelegt werden?");
}

void TLektionseigenschaften::Uebernehmen(TLektion &lektion, const QString &nameEingabe, const QString &lehrbuchEingabe,
                                         const QStringList &notizen)
{
    const QString name = nameEingabe.trimmed();
    const QString buch = lehrbuchEingabe.trimmed();
    const bool gespeichert = lektion.id > 0;

    // Ask before the transaction opens: it holds the write lock.
    int32_t buchId = 0;
    bool buchAnlegen = false;
    if (!buch.isEmpty()) {
        buchId = m_speicher->LehrbuchSuchen(buch);
        if (buchId == 0)
            buchAnlegen = m_rueckfrage.Frage(ProgrammTitel(), LehrbuchFrage(buch), KN_JA_NEIN, Antwort::Nein,
                                             Symbol::Frage) == Antwort::Ja;
    }
    const bool neuerName = !name.isEmpty() && name != lektion.name;
    const bool neuesBuch = buchAnlegen || (buchId != 0 && buchId != lektion.lehrbuch_id);

    if (gespeichert && (neuerName || neuesBuch)) {
        TTransaktion t(m_daten.Verbindung());
        if (neuerName)
            m_speicher->LektionUmbenennen(lektion.id, name);
        if (buchAnlegen)
            buchId = m_speicher->LehrbuchAnlegen(buch);
        if (neuesBuch)
            m_speicher->LektionVerschieben(lektion.id, buchId);
        t.Bestaetigen();
    } else if (buchAnlegen) {
        buchId = m_speicher->LehrbuchAnlegen(buch);
    }

    if (!name.isEmpty())
        lektion.name = name;
    if (buchId != 0) {
        lektion.lehrbuch_id = buchId;
        lektion.lehrbuch = buch;
    }
    const bool notizenNeu = notizen != lektion.notizen;
    lektion.notizen = notizen;
    if (notizenNeu || (!gespeichert && (neuerName || neuesBuch)))
        lektion.AlsGeaendertMarkieren();
}

} // namespace lexovita
