// Headword search, the dictionary list and entry loading on a database of
// 50,000 entries.

#include "bench_hilfe.h"
#include "store/datenmanager.h"
#include "store/vokabelspeicher.h"
#include "store/woerterbuch.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <random>

using namespace lexovita;
using namespace lexovita::benchhilfe;

namespace {

constexpr int kEintraege = 50000;

QString Wort(std::mt19937 &zufall)
{
    static const char *const silben[] = {"a",  "am", "an", "ar", "ca", "ce", "co", "de", "di", "do", "fa", "fe",
                                         "la", "le", "li", "lo", "ma", "me", "mi", "mo", "na", "ne", "pa", "pe",
                                         "po", "ra", "re", "ri", "sa", "se", "ta", "te", "ti", "to", "ve", "vi"};
    static const char *const endungen[] = {"us", "a", "um", "o", "are", "ere", "is", "ex", "or", "ire"};
    std::uniform_int_distribution<int> anzahl(1, 3), silbe(0, 35), endung(0, 9);
    QString w;
    for (int i = anzahl(zufall); i > 0; --i)
        w += QLatin1String(silben[silbe(zufall)]);
    return w + QLatin1String(endungen[endung(zufall)]);
}

// Built once for all benchmarks, in one transaction.
struct TTestdatenbank : TTempDatenbank {
    std::vector<QString> praefixe;

    TTestdatenbank()
    {
        TVokabelSpeicher speicher(*daten);
        std::mt19937 zufall(4711);
        std::uniform_int_distribution<int> wortart(1, 6), konj(1, 7), bedeutungen(1, 4), gruppe(1, 2);
        TTransaktion t(daten->Verbindung());
        for (int i = 0; i < kEintraege; ++i) {
            TVokabel v;
            v.vokabel = Wort(zufall);
            v.SetWortart(wortart(zufall));
            v.SetKonjDekl(konj(zufall) * 8);
            v.form1 = v.vokabel + QStringLiteral("o");
            v.form2 = v.vokabel + QStringLiteral("i");
            v.form3 = v.vokabel + QStringLiteral("um");
            for (int b = bedeutungen(zufall); b > 0; --b)
                v.BedeutungAnhaengen(QStringLiteral("Bedeutung %1").arg(zufall() % 20000), QStringLiteral("Anm."),
                                     std::min(gruppe(zufall), v.MaxGruppe() + 1));
            v.MerkhilfeHinzufuegen(QStringLiteral("aid%1").arg(i), SPR_ENGLISCH);
            speicher.VokabelAnlegen(v, TVokabelSpeicher::Loesung::Daneben);
            if (i % 97 == 0)
                praefixe.push_back(v.vokabel.left(2 + i % 3));
        }
        t.Bestaetigen();
    }
};

void BM_VokabelnSuchen(benchmark::State &state)
{
    TTestdatenbank &db = Einmal<TTestdatenbank>();
    size_t i = 0, treffer = 0;
    for (auto _ : state) {
        auto liste = db.daten->VokabelnSuchen(db.praefixe[i++ % db.praefixe.size()]);
        treffer += liste.size();
        benchmark::DoNotOptimize(liste);
    }
    state.counters["Treffer"] = benchmark::Counter(double(treffer), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_VokabelnSuchen)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

void BM_VokabelLaden(benchmark::State &state)
{
    TTestdatenbank &db = Einmal<TTestdatenbank>();
    std::mt19937 zufall(1);
    std::uniform_int_distribution<int32_t> id(1, kEintraege);
    size_t bedeutungen = 0;
    for (auto _ : state) {
        auto v = db.daten->VokabelLaden(id(zufall));
        bedeutungen += v->bedeutungen.size();
        benchmark::DoNotOptimize(v);
    }
    state.counters["Bedeutungen"] = benchmark::Counter(double(bedeutungen), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_VokabelLaden)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

// One keystroke in the dictionary: the first page of the list for the text
// typed so far, from the empty field to four letters, in each direction.
void BM_WoerterbuchSeite(benchmark::State &state)
{
    TTestdatenbank &db = Einmal<TTestdatenbank>();
    TWoerterbuchAbfrage abfrage(*db.daten);
    const auto modus = static_cast<TWoerterbuchModus>(state.range(0));
    const int laenge = static_cast<int>(state.range(1));
    size_t i = 0, zeilen = 0;
    for (auto _ : state) {
        const QString &p = db.praefixe[i++ % db.praefixe.size()];
        const QString text =
            modus == TWoerterbuchModus::Deutsch ? QStringLiteral("Bedeutung 1").left(laenge + 7) : p.left(laenge);
        auto liste = abfrage.Liste(modus, false, text, 201);
        zeilen += liste.size();
        benchmark::DoNotOptimize(liste);
    }
    state.counters["Zeilen"] = benchmark::Counter(double(zeilen), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WoerterbuchSeite)
    ->ArgsProduct({{int(TWoerterbuchModus::Latein), int(TWoerterbuchModus::Deutsch)}, {0, 1, 2, 4}})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
