// Commands on backups: backup and restore, through the same service as the
// backup window.

#include "befehle.h"

#include "app/sicherungsdienst.h"
#include "model/rueckfrage.h"
#include "model/uhr.h"
#include "store/datenmanager.h"

#include <cstdio>
#include <functional>

namespace lexovita::cli {

namespace {

// Calling "restore" is the user's answer to the overwrite question; any
// other message goes to stderr.
class TZustimmung : public IRueckfrage {
  public:
    Antwort Frage(const QString &, const QString &, int knoepfe, Antwort vorgabe, Symbol) override
    {
        return (knoepfe & KN_JA) ? Antwort::Ja : vorgabe;
    }
    void Meldung(const QString &, const QString &text) override
    {
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    }
};

int Ausfuehren(const Aufruf &aufruf, const QString &aufrufText,
               const std::function<TSicherungsErgebnis(TSicherungsdienst &, const QString &)> &befehl)
{
    if (aufruf.argumente.size() != 1) {
        Fehler(QStringLiteral("Aufruf: %1").arg(aufrufText));
        return 2;
    }
    try {
        TDatenmanager daten(aufruf.datenOrdner, TDatenmanager::Modus::NurVorhandene);
        TZustimmung rueckfrage;
        TSicherungsdienst dienst(daten, rueckfrage, TSystemUhr::Instanz());
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
