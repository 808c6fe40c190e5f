// Commands on backups: backup and restore, through the same service as the
// backup window.

#include "befehle.h"

#include "app/datenzugang.h"
#include "app/sicherungsdienst.h"
#include "konsolenrueckfrage.h"

#include <functional>

namespace lexovita::cli {

namespace {

int Ausfuehren(const Aufruf &aufruf, const QString &aufrufText,
               const std::function<TSicherungsErgebnis(TSicherungsdienst &, const QString &)> &befehl)
{
    if (aufruf.argumente.size() != 1) {
        Fehler(QStringLiteral("Aufruf: %1").arg(aufrufText));
        return 2;
    }
    try {
        // Calling "restore" is the user's answer to the overwrite question.
        TKonsolenRueckfrage rueckfrage(Antwort::Ja);
        TDatenzugang zugang(aufruf.datenOrdner, TDatenzugang::Modus::NurVorhandene, rueckfrage);
        TSicherungsdienst dienst(zugang.Kern());
        const TSicherungsErgebnis e = befehl(dienst, aufruf.argumente.first());
        if (!e.ok) {
            Fehler(e.meldung);
            return 1;
        }
        Ausgabe(e.meldung);
        return 0;
    } catch (const DatenbankFehler &f) {
        Fehler(f.Meldung());
        return 1;
    }
}

int Backup(const Aufruf &aufruf)
{
    return Ausfuehren(aufruf, QStringLiteral("backup ZIELORDNER"),
                      [](TSicherungsdienst &d, const QString &ordner) { return d.BackupErstellen(ordner); });
}

int Restore(const Aufruf &aufruf)
{
    return Ausfuehren(aufruf, QStringLiteral("restore ARCHIV"),
                      [](TSicherungsdienst &d, const QString &archiv) { return d.BackupEinspielen(archiv); });
}

const Registrierung kBackup(QStringLiteral("backup"),
                            QStringLiteral("backup ZIELORDNER  Backup der Datenbank als zip-Archiv anlegen"), Backup);
const Registrierung kRestore(QStringLiteral("restore"),
                             QStringLiteral("restore ARCHIV  Backup einspielen (ersetzt alle aktuellen Daten)"),
                             Restore);

} // namespace

} // namespace lexovita::cli
