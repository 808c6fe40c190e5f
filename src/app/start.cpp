#include "app/start.h"

#include "model/pfade.h"
#include "model/rueckfrage.h"
#include "store/datenmanager.h"
#include "store/sicherung.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace lexovita {

namespace {

QString AktualisierungsFrage()
{
    return QStringLiteral("Die Datenbank muss aktualisiert werden. Dies kann einige Sekunden dauern.\r\n"
                          "Das Programm wird während dieser Zeit nicht reagieren. Nach einer erfolgreichen\r\n"
                          "Aktualisierung wird eine Meldung angezeigt. Es werden dabei keine Änderungen an den "
                          "Daten vorgenommen.\r\n\r\n"
                          "Möchtest du ein Backup erstellen?");
}

} // namespace

TAktualisierung DatenbankAktualisieren(TDatenmanager &daten, IRueckfrage &rueckfrage)
{
    if (daten.Bereit())
        return TAktualisierung::Aktuell;
    if (!daten.AktualisierungAendertTabellen()) {
        daten.Aktualisieren();
        return TAktualisierung::Aktuell;
    }
    const Antwort antwort = rueckfrage.Frage(ProgrammTitel(), AktualisierungsFrage(), KN_JA_NEIN_ABBRECHEN, Antwort::Ja,
                                             Symbol::Information);
    if (antwort == Antwort::Abbrechen)
        return TAktualisierung::Abgebrochen;
    // The user asked for a backup: without one the data must stay untouched.
    if (antwort == Antwort::Ja && !rueckfrage.BackupAnbieten()) {
        rueckfrage.Meldung(ProgrammTitel(), QStringLiteral("Es wurde kein Backup erstellt. Die Datenbank wurde daher "
                                                           "nicht aktualisiert und das Programm wird beendet."));
        return TAktualisierung::Abgebrochen;
    }
    daten.Aktualisieren();
    rueckfrage.Meldung(ProgrammTitel(), QStringLiteral("Die Datenbank wurde aktualisiert."));
    return TAktualisierung::Aktualisiert;
}

TDatenbankStart::TDatenbankStart() = default;
TDatenbankStart::~TDatenbankStart() = default;
TDatenbankStart::TDatenbankStart(TDatenbankStart &&) noexcept = default;
TDatenbankStart &TDatenbankStart::operator=(TDatenbankStart &&) noexcept = default;

void TDatenbankStart::Schliessen()
{
    daten.reset();
}

TDatenbankStart DatenbankStarten(const QString &ordner, IRueckfrage &rueckfrage, TDatenbankModus modus)
{
    TDatenbankStart start;
    start.neu = !QFileInfo::exists(QDir(ordner).filePath(TDatenmanager::Dateiname()));
    // What a killed backup or restore left behind.
    ArbeitsresteEntfernen(ordner, QDateTime::currentDateTime(), true);
    ArbeitsresteEntfernen(QDir::tempPath(), QDateTime::currentDateTime(), false);
    auto daten = std::make_unique<TDatenmanager>(ordner, modus);
    if (DatenbankAktualisieren(*daten, rueckfrage) == TAktualisierung::Abgebrochen)
        return start;
    start.daten = std::move(daten);
    return start;
}

QString GrundwortschatzOrdner()
{
    return QDir(TPfade::Aktuell().programmdaten).filePath(QStringLiteral("grundwortschatz"));
}

QStringList StartLehrbuchOrdner()
{
    return TPfade::Aktuell().StartLehrbuecher();
}

bool DatenbankLeer(TDatenmanager &daten)
{
    TAnweisung a = daten.Verbindung().Anweisung("SELECT count(*) FROM vokabel");
    return !(a.Schritt() && a.Int(0) > 0);
}

bool VokabelindexSicherstellen(TDatenmanager &daten, IRueckfrage &rueckfrage)
{
    if (!daten.VokabelindexFehlt())
        return false;
    rueckfrage.Meldung(
        ProgrammTitel(),
        QStringLiteral("Es muss ein neuer Vokabelindex angelegt werden. Dies kann einige Sekunden dauern."));
    if (!daten.VokabelindexAnlegen())
        return false;
    rueckfrage.Meldung(ProgrammTitel(), QStringLiteral("Der Vokabelindex wurde angelegt."));
    return true;
}

} // namespace lexovita
