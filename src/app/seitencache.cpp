#include "app/seitencache.h"

#include "model/pfade.h"
#include "model/rueckfrage.h"
#include "render/html.h"

#include <QDir>
#include <atomic>

namespace lexovita {

bool SeiteImCacheAblegen(const QStringList &zeilen, const QString &vorlagenOrdner, IRueckfrage *rueckfrage)
{
    const TPfade &pfade = TPfade::Aktuell();
    if (!pfade.seitenCache.isEmpty() && SeiteZwischenspeichern(pfade.SeitenDatei(), zeilen, vorlagenOrdner))
        return true;
    const QString datei = QDir::toNativeSeparators(pfade.SeitenDatei());
    qWarning("Seite nicht gespeichert: %s", qPrintable(datei));
    static std::atomic_bool gemeldet{false};
    if (rueckfrage && !gemeldet.exchange(true))
        rueckfrage->Meldung(ProgrammTitel(),
                            QStringLiteral("Die Seite konnte nicht als \"%1\" gespeichert werden. Im Programm wird "
                                           "sie trotzdem angezeigt, nur zum Öffnen im Browser fehlt sie.")
                                .arg(datei));
    return false;
}

} // namespace lexovita
