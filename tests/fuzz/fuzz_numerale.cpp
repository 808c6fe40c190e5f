// The numerals window's input: whatever is typed converts or gives nothing,
// and every numeral it accepts converts back to itself.

#include "learning/numerale.h"

#include <cstdint>
#include <cstdlib>

using namespace lexovita;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(groesse));
    const QString zahl = RoemischAlsZahl(text);
    if (!zahl.isEmpty()) {
        bool ok = false;
        const int n = zahl.toInt(&ok);
        if (!ok || n < 1 || n > 3999 || ZahlAlsRoemisch(n) != text)
            std::abort();
    }
    const TNumeralErgebnis e = NumeralUmrechnen(text);
    if (e.umgerechnet.isEmpty() != e.wort.isEmpty())
        std::abort();
    // Numbers far outside the range as well.
    if (groesse >= 4) {
        int32_t n = 0;
        for (int i = 0; i < 4; ++i)
            n = static_cast<int32_t>((static_cast<uint32_t>(n) << 8) | daten[i]);
        const QString r = ZahlAlsRoemisch(n);
        if ((n >= 1 && n <= 3999) == r.isEmpty())
            std::abort();
        if (!r.isEmpty() && RoemischAlsZahl(r) != QString::number(n))
            std::abort();
        ZahlAlsWort(n);
    }
    return 0;
}
