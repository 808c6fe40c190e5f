// Answer checking on any pair of texts. The first byte picks the letter-case
// rule; the rest is split at the first zero byte into answer and target.

#include "learning/antwort.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace lexovita;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    if (groesse == 0)
        return 0;
    const bool grossKlein = daten[0] & 1;
    const char *rest = reinterpret_cast<const char *>(daten + 1);
    const size_t n = groesse - 1;
    const void *null = std::memchr(rest, 0, n);
    const size_t la = null ? static_cast<size_t>(static_cast<const char *>(null) - rest) : n;
    const QString a = QString::fromUtf8(rest, static_cast<qsizetype>(la));
    const QString b = la < n ? QString::fromUtf8(rest + la + 1, static_cast<qsizetype>(n - la - 1)) : QString();

    // Equality of answers is symmetric and reflexive.
    if (AntwortVergleichen(a, b, grossKlein) != AntwortVergleichen(b, a, grossKlein))
        std::abort();
    if (!AntwortVergleichen(a, a, grossKlein) || !LateinVergleichen(a, a))
        std::abort();
    // Normalising twice changes nothing more.
    const QString n1 = AntwortNormalisieren(a, grossKlein);
    if (AntwortNormalisieren(n1, grossKlein) != n1)
        std::abort();
    LateinVergleichen(a, b);
    EingegebeneFormHinweis(QStringList{a, b});
    return 0;
}
