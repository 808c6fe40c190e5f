#pragma once

#include "store/fehler.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

namespace lexovita {

class TDatenmanager;
class TVerbindung;

// A backup is a standard zip archive with the database file at its root.
// Every failure throws a TFehler with a German text.

// "<ordner>/lexovita Backup yyyy-mm-dd.zip", or " (n).zip" with the first n
// whose file does not exist yet.
QString BackupDateiname(const QString &ordner, const QDate &datum);

// Writes a consistent snapshot of the open database (SQLite's online backup,
// so the program may keep running) into a new archive in `ordner`, reads the
// archive back and checks it like a restore would. Returns the archive's
// path. `fortschritt(wert, maximum)` follows the copied pages.
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

// Runs the engine's integrity check; the German message of a failed check
// is thrown.
void IntegritaetPruefen(TVerbindung &verbindung);

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
