#pragma once

#include "model/zeilen.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace lexovita {

class IRueckfrage;
class TDatenmanager;

// How the upgrade of an older database ended.
enum class TAktualisierung {
    Aktuell,      // nothing to do, or nothing worth a question
    Aktualisiert, // tables changed, the user was told
    Abgebrochen,  // Cancel, or the wanted backup failed: nothing changed, the caller ends the program
};

// Brings an older database up to date. An upgrade that changes tables asks
// first through `rueckfrage` whether to make a backup (Ja: BackupAnbieten
// must succeed, Nein: without, Abbrechen: not at all) and tells when done.
TAktualisierung DatenbankAktualisieren(TDatenmanager &daten, IRueckfrage &rueckfrage);

// The database of a data folder, opened at start and brought up to date.
// Its special members are out of line, so that a window can hold one
// without the store's headers.
struct TDatenbankStart {
    TDatenbankStart();
    ~TDatenbankStart();
    TDatenbankStart(TDatenbankStart &&) noexcept;
    TDatenbankStart &operator=(TDatenbankStart &&) noexcept;

    std::unique_ptr<TDatenmanager> daten; // null when the upgrade was declined
    bool neu = false;                     // the file did not exist before
    bool Abgebrochen() const { return !daten; }
    // Closes the database.
    void Schliessen();
};

// Opens (or, with AnlegenWennNoetig, creates) the database of the folder and
// runs its upgrade, asking through `rueckfrage`. A declined upgrade leaves
// the file as it was and returns no data manager: the program ends. A
// damaged or foreign file throws DatenbankFehler and stays untouched. The
// program's window start and `lexovita-cli init` share this.
TDatenbankStart DatenbankStarten(const QString &ordner, IRueckfrage &rueckfrage,
                                 TDatenbankModus modus = TDatenbankModus::AnlegenWennNoetig);

// The folder of the starter textbook in the program data folder.
QString GrundwortschatzOrdner();
// The folders of the starter textbooks in the program data folder that exist, in the
// order of import: "Grundwortschatz Latein", then "Aufbauwortschatz Latein".
QStringList StartLehrbuchOrdner();
// True when the database holds no entry yet (the starter textbook may go in).
bool DatenbankLeer(TDatenmanager &daten);

// Builds the word index when it is missing, telling the user before and
// after through `rueckfrage`. True when it was built.
bool VokabelindexSicherstellen(TDatenmanager &daten, IRueckfrage &rueckfrage);

} // namespace lexovita
