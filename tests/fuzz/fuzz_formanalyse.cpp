// The word-form analysis on any byte string: very long words, control
// characters, letters outside ASCII and apostrophes, against the starter
// vocabulary.

#include "morph/analyse.h"
#include "store/analysequelle.h"
#include "store/datenmanager.h"
#include "store/import.h"

#include <cstdint>
#include <memory>

using namespace lexovita;

namespace {

struct TUmgebung {
    TDatenmanager daten{QStringLiteral(":memory:")};
    std::unique_ptr<TAnalysequelle> quelle;
    TFormenmanager manager;
    std::unique_ptr<TFormanalyse> analyse;

    TUmgebung()
    {
        OrdnerImportieren(daten, QStringLiteral(LEXOVITA_QUELLE "/data/grundwortschatz"));
        quelle = std::make_unique<TAnalysequelle>(daten);
        analyse = std::make_unique<TFormanalyse>(manager, *quelle);
        // The first word of each final letter reads the tables and builds
        // that letter's blocks; done here, it does not count as a slow input.
        for (char c = 'a'; c <= 'z'; ++c) {
            analyse->FormAnalysieren(QStringLiteral("ama") + QLatin1Char(c));
            analyse->Zuruecksetzen();
        }
    }
};

TUmgebung *u = nullptr;

} // namespace

// The import takes longer than the one second an input may take, so it
// runs before the first input.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    u = new TUmgebung;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    if (groesse == 0)
        return 0;
    // The first byte chooses the decoding: UTF-16 reaches lone surrogates,
    // which UTF-8 decoding never produces.
    const char *rest = reinterpret_cast<const char *>(daten + 1);
    const auto n = static_cast<qsizetype>(groesse - 1);
    const QString wort = (daten[0] & 1) ? QString::fromUtf16(reinterpret_cast<const char16_t *>(rest), n / 2)
                                        : QString::fromUtf8(rest, n);
    u->analyse->FormAnalysieren(wort);
    u->analyse->Zuruecksetzen();
    u->analyse->FormAnalysierenImBestand(wort);
    u->analyse->Zuruecksetzen();
    return 0;
}
