#pragma once

#include "app/auftrag.h"

#include <QDate>
#include <QString>
#include <functional>
#include <memory>

class QTemporaryDir;

namespace lexovita {

class IRueckfrage;
class IUhr;
class TAnwendungskern;
class TDatenmanager;
class TLektionssitzung;

// Copies the database into a new archive, on the job's own connection so
// the window stays responsive. `datei` holds the archive afterwards.
class TBackupAuftrag : public TAuftrag {
  public:
    TBackupAuftrag(QString ordner, QDate datum) : m_ordner(std::move(ordner)), m_datum(datum) {}
    void Ausfuehren(TAuftragsKontext &kontext) override;
    QString datei;

  private:
    QString m_ordner;
    QDate m_datum;
};

// Unpacks an archive into a scratch folder and checks the database in it;
// `datei` names the checked file afterwards. Touches nothing live.
class TBackupPruefAuftrag : public TAuftrag {
  public:
    TBackupPruefAuftrag(QString archiv, QString zielOrdner)
        : m_archiv(std::move(archiv)), m_zielOrdner(std::move(zielOrdner))
    {
    }
    void Ausfuehren(TAuftragsKontext &kontext) override;
    QString datei;

  private:
    QString m_archiv;
    QString m_zielOrdner;
};

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
    ~TSicherungsdienst();
    TSicherungsdienst(const TSicherungsdienst &) = delete;
    TSicherungsdienst &operator=(const TSicherungsdienst &) = delete;

    TDatenmanager &Daten() { return m_daten; }

    // Writes "lexovita Backup <date>.zip" (or " (n).zip") into `ordner` and
    // checks it, on the calling thread (command line, tests).
    TSicherungsErgebnis BackupErstellen(const QString &ordner);
    // Asks, closes the open lessons (unsaved changes are dropped), checks the
    // archive in a scratch folder and only then swaps the database file.
    // On failure the current database stays as it was, connected. On the
    // calling thread.
    TSicherungsErgebnis BackupEinspielen(const QString &archiv);

    // The same two commands in steps, so a window can run the slow parts as
    // jobs: the job to run, then the result made from how it ended.
    std::shared_ptr<TBackupAuftrag> ErstellAuftrag(const QString &ordner) const;
    static TSicherungsErgebnis ErstellErgebnis(const TBackupAuftrag &auftrag, TAuftragsausgang ausgang,
                                               const QString &fehler);
    // Checks the file, asks and closes the lessons unsaved; null when the user
    // stopped or the file is missing (then `e` holds the message, if any).
    std::shared_ptr<TBackupPruefAuftrag> EinspielenBeginnen(const QString &archiv, TSicherungsErgebnis &e);
    // Swaps the checked database in after a successful check; after any
    // other end only the scratch folder is removed.
    TSicherungsErgebnis EinspielenAbschliessen(const TBackupPruefAuftrag &auftrag, TAuftragsausgang ausgang,
                                               const QString &fehler);

    static QString EinspielFehler()
    {
        return QStringLiteral("Beim Einspielen des Backups ist ein Fehler aufgetreten.");
    }
    static QString EinspielFrage();

  private:
    TDatenmanager &m_daten;
    IRueckfrage &m_rueckfrage;
    const IUhr &m_uhr;
    TLektionssitzung *m_sitzung;
    std::unique_ptr<QTemporaryDir> m_arbeit; // scratch folder of a restore in progress
};

// For the upgrade question at start, before the core exists: a service on
// its own connection to the folder's database is handed to `zeigen` (the
// backup window). Returns what `zeigen` returns; false when the file cannot
// be opened.
bool MitStartdienst(const QString &datenOrdner, IRueckfrage &rueckfrage,
                    const std::function<bool(TSicherungsdienst &)> &zeigen);

// "Datenbank aufräumen": one step per table (its indexes rebuilt), then the
// file is rewritten, then checked; each step moves the overall progress.
// Stops between steps when cancelled; a failed check ends the job with its
// German message.
class TAufraeumAuftrag : public TAuftrag {
  public:
    void Ausfuehren(TAuftragsKontext &kontext) override;
    // What the window reports at the end: done with the check's result,
    // cancelled, or failed with the reason.
    QString Ergebnis(TAuftragsausgang ausgang, const QString &fehler) const;
    // The check's result once the job got that far.
    QString befund;
};

} // namespace lexovita
