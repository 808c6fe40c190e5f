// Colour texts of the settings: anything is a colour or a conversion error,
// and a colour written back reads as the same colour.

#include "model/config.h"

#include <cstdint>
#include <cstdlib>

using namespace lexovita;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(groesse));
    try {
        const TFarbe farbe = FarbeAusText(text);
        if (FarbeAusText(FarbeAlsText(farbe)) != farbe)
            std::abort();
        FarbeAlsRgb(farbe);
    } catch (const TKonvertierungsFehler &) {
    }
    return 0;
}
