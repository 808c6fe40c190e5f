#pragma once

#include "store/datenmanager.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace lexovita {

class IRueckfrage;

// The database of a data folder, opened at start and brought up to date.
struct TDatenbankStart {
    std::unique_ptr<TDatenmanager> daten; // null when the upgrade was declined
    bool neu = false;                     // the file did not exist before
    bool Abgebrochen() const { return !daten; }
};

// Opens (or, with AnlegenWennNoetig, creates) the database of the folder and
// runs its upgrade, asking through `rueckfrage`. A declined upgrade leaves
// the file as it was and returns no data manager: the program ends. A
// damaged or foreign file throws DatenbankFehler and stays untouched. The
// program's window start and `lexovita-cli init` share this.
TDatenbankStart DatenbankStarten(const QString &ordner, IRueckfrage &rueckfrage,
                                 TDatenmanager::Modus modus = TDatenmanager::Modus::AnlegenWennNoetig);

// The folder of the starter textbook in the program data folder.
QString GrundwortschatzOrdner();
// The folders of the starter textbooks in the program data folder that exist, in the
// order of import: "Grundwortschatz Latein", then "Aufbauwortschatz Latein".
QStringList StartLehrbuchOrdner();
// True when the database holds no entry yet (the starter textbook may go in).
bool DatenbankLeer(TDatenmanager &daten);

// Builds the word index when it is missing; the data manager tells the user
// through `rueckfrage`. True when it was built.
bool VokabelindexSicherstellen(TDatenmanager &daten, IRueckfrage &rueckfrage);

} // namespace lexovita
