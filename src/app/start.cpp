#include "app/start.h"

#include "model/pfade.h"
#include "model/rueckfrage.h"
#include "store/sicherung.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace lexovita {

TDatenbankStart DatenbankStarten(const QString &ordner, IRueckfrage &rueckfrage, TDatenmanager::Modus modus)
{
    TDatenbankStart start;
    start.neu = !QFileInfo::exists(QDir(ordner).filePath(TDatenmanager::Dateiname()));
    // What a killed backup or restore left behind.
    ArbeitsresteEntfernen(ordner, QDateTime::currentDateTime(), true);
    ArbeitsresteEntfernen(QDir::tempPath(), QDateTime::currentDateTime(), false);
    auto daten = std::make_unique<TDatenmanager>(ordner, modus);
    if (daten->DatenbankAktualisieren(rueckfrage) == TDatenmanager::Aktualisierung::Abgebrochen)
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
    return daten.VokabelindexAnlegen(rueckfrage);
}

} // namespace lexovita
