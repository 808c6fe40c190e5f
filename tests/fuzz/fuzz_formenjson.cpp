// One line of the forms exchange format: read, generate, answer. A line that
// cannot be read gives a German message, never a crash.

#include "morph/formenjson.h"

#include <cstdint>
#include <cstdlib>

using namespace lexovita;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray zeile(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(groesse));
    TFormenAnfrage anfrage;
    QString fehler;
    if (!FormenAnfrageLesen(zeile, anfrage, fehler)) {
        if (fehler.isEmpty())
            std::abort();
        FehlerAntwort(anfrage.key, fehler);
        return 0;
    }
    TFormenmanager manager;
    FormenAnfrageErzeugen(manager, anfrage);
    FormenAntwort(anfrage.key, manager.Ergebnisliste());
    return 0;
}
