// The backup archive reader on any file: a restore either yields a checked
// database or refuses with a German message, and never writes outside its
// target folder.

#include "store/sicherung.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

using namespace lexovita;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    static QTemporaryDir arbeit;
    const QString archiv = arbeit.filePath(QStringLiteral("eingabe.zip"));
    const QString ziel = arbeit.filePath(QStringLiteral("ziel"));
    QDir(ziel).removeRecursively();
    QDir().mkpath(ziel);
    {
        QFile f(archiv);
        if (!f.open(QIODevice::WriteOnly))
            std::abort();
        f.write(reinterpret_cast<const char *>(daten), static_cast<qint64>(groesse));
    }
    try {
        const QString datei = BackupEntpacken(archiv, ziel);
        if (!datei.startsWith(ziel))
            std::abort();
    } catch (const TFehler &) {
    }
    // Nothing may appear beside the target folder.
    if (QDir(arbeit.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size() != 2)
        std::abort();
    return 0;
}
