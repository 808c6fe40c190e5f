#pragma once

#include "app/auftrag.h"

#include <QString>
#include <functional>

namespace lexovita {

class IRueckfrage;
class IUhr;
class TAnwendungskern;
class TDatenmanager;
class TLektionssitzung;

// What a backup command did, with the German message to show (empty when
// the user stopped it at a question).
struct TSicherungsErgebnis {
    bool ok = false;
    QString datei;
    QString meldung;
};

// "Backup erstellen" and "Backup einspielen" on the program's own data
// manager, for the backup window, the update question at start and the
// command line.
class TSicherungsdienst {
  public:
    // Without a session (start-up, command line) no lessons are open.
    TSicherungsdienst(TDatenmanager &daten, IRueckfrage &rueckfrage, const IUhr &uhr,
                      TLektionssitzung *sitzung = nullptr);
    explicit TSicherungsdienst(TAnwendungskern &kern);

    // Writes "lexovita Backup <date>.zip" (or " (n).zip") into `ordner` and
    // checks it. `fortschritt(wert, maximum)` follows the copy.
    TSicherungsErgebnis BackupErstellen(const QString &ordner, const std::function<void(int, int)> &fortschritt = {});
    // Asks, closes the open lessons (with the save question), checks the
    // archive in a scratch folder and only then swaps the database file.
    // On failure the current database stays as it was, connected.
    TSicherungsErgebnis BackupEinspielen(const QString &archiv);

    static QString EinspielFehler() { return QStringLiteral("Beim Einspielen des Backup ist ein Fehler aufgetreten."); }
    static QString EinspielFrage();

  private:
    TDatenmanager &m_daten;
    IRueckfrage &m_rueckfrage;
    const IUhr &m_uhr;
    TLektionssitzung *m_sitzung;
};

// For the upgrade question at start, before the core exists: a service on
// its own connection to the folder's database is handed to `zeigen` (the
// backup window). Returns what `zeigen` returns; false when the file cannot
// be opened.
bool MitStartdienst(const QString &datenOrdner, IRueckfrage &rueckfrage,
                    const std::function<bool(TSicherungsdienst &)> &zeigen);

// "Datenbank aufräumen": one step per table (its indexes rebuilt), then the
// file is rewritten and checked. Stops between steps when cancelled; a
// failed check ends the job with its German message.
class TAufraeumAuftrag : public TAuftrag {
  public:
    void Ausfuehren(TAuftragsKontext &kontext) override;
};

} // namespace lexovita
