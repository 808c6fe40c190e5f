#pragma once

#include "store/schicht.h"

#include "store/fehler.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

namespace lexovita {

class TDatenmanager;
class TVerbindung;

// Not enough room in a folder for the database of an archive.
class TPlatzFehler : public TFehler {
  public:
    using TFehler::TFehler;
};

// Scratch folders and half-written archives of a backup or restore that
// was killed are removed by the next one (and at start) once they are this
// old; younger ones may belong to a run going on right now.
inline constexpr int kArbeitsrestAlterSekunden = 3600;
// Removes the scratch folders (".backup-*", in the data folder also
// ".wiederherstellung-*") and half-written archives ("lexovita Backup
// *.zip.*") older than kArbeitsrestAlterSekunden directly in `ordner`. In
// other folders (the system's temporary folder, a backup folder) only
// names of this program are touched.
void ArbeitsresteEntfernen(const QString &ordner, const QDateTime &jetzt, bool datenordner);

// A backup is a standard zip archive with the database file at its root.
// Every failure throws a TFehler with a German text.

// "<ordner>/lexovita Backup yyyy-mm-dd.zip", or " (n).zip" with the first n
// whose file does not exist yet.
QString BackupDateiname(const QString &ordner, const QDate &datum);

// Writes a consistent snapshot of the open database (SQLite's online backup,
// so the program may keep running) into a scratch folder (the system's
// temporary folder, else `ordner`), zips it under a scratch name in
// `ordner`, reads the archive back and checks it like a restore would
// (KopiePruefen), and only then gives it its final name; a database that
// fails the check is refused with the reason. Returns the archive's path. `fortschritt(wert, maximum)` follows the
// copied pages.
QString BackupErstellen(TDatenmanager &daten, const QString &ordner, const QDate &datum,
                        const std::function<void(int, int)> &fortschritt = {});

// Extracts the database of `archiv` into `zielOrdner` (which must exist) and
// checks it: only the database file may be in the archive, no entry may
// leave the folder, the file must open with the program's key, be a
// lexovita database no newer than this program and pass the engine's
// integrity check. Returns the path of the extracted file. An archive whose
// database would not fit into the space free in `zielOrdner` (`freierPlatz`
// bytes; -1: as the file system reports) is refused before anything is written.
QString BackupEntpacken(const QString &archiv, const QString &zielOrdner, qint64 freierPlatz = -1);

// True for an entry name that would land outside the folder it is
// extracted to (absolute, drive letter, "..", backslashes).
bool EintragVerlaesstOrdner(const QString &name);

// Runs the engine's integrity and foreign-key checks; the German message of
// a failed check is thrown.
void IntegritaetPruefen(TVerbindung &verbindung);

// Everything a database must pass before it is saved or restored: the
// layout of this program version (SchemaPruefen) and the engine's checks.
void DatenbankPruefen(TVerbindung &verbindung);

// Checks the database file in `ordner` (a scratch copy, never the live one)
// as DatenbankPruefen does; a database of an earlier release is checked as
// its upgrade leaves it, on a second copy, so the file itself stays as it
// was. Triggers and views are refused before the upgrade runs; an upgrade
// that fails on a broken layout is reported in German.
void KopiePruefen(const QString &ordner);

} // namespace lexovita

namespace lexovita {

// Maintenance of "Datenbank aufräumen", one call per step so that a job can
// stop between them.

// The tables of the database in a fixed order (their names as stored).
QStringList AufraeumTabellen(TDatenmanager &daten);
// Rebuilds every index of the table.
void TabelleNeuIndizieren(TDatenmanager &daten, const QString &tabelle);
// Rewrites the file without free pages.
void DatenbankVerdichten(TDatenmanager &daten);

} // namespace lexovita
