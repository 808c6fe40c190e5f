// A large database as a long-time user builds it: start-up, a dictionary
// keystroke, opening the lesson with the 1 MB text and its text analysis.
// The data folder comes from LEXOVITA_GROSSE_DATEN, filled beforehand with
// bench/grosse_daten.py and `lexovita-cli import` (see bench/grosse-daten.sh);
// run under /usr/bin/time -v for the peak memory.

#include "app/anwendungskern.h"
#include "app/auftrag.h"
#include "app/lektionssitzung.h"
#include "app/start.h"
#include "app/textanalyseauftrag.h"
#include "app/woerterbuch.h"
#include "bench_hilfe.h"
#include "model/config.h"
#include "model/lektion.h"
#include "model/rueckfrage.h"
#include "store/datenmanager.h"
#include "store/lektionsspeicher.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

using namespace lexovita;
using namespace lexovita::benchhilfe;

namespace {

QString Ordner()
{
    return qEnvironmentVariable("LEXOVITA_GROSSE_DATEN");
}

struct TUmgebung {
    TStilleRueckfrage frage;
    TConfig config{QStringLiteral("/dev/null")};
    std::unique_ptr<TDatenmanager> daten;
    std::unique_ptr<TAnwendungskern> kern;
    int32_t grosseLektion = 0;

    TUmgebung()
    {
        daten = DatenbankStarten(Ordner(), frage, TDatenmanager::Modus::NurVorhandene).daten;
        kern = std::make_unique<TAnwendungskern>(*daten, config, frage);
        TLektionsSpeicher speicher(*daten);
        const int32_t buch = speicher.LehrbuchSuchen(QStringLiteral("Großer Bestand"));
        grosseLektion = speicher.LektionSuchen(buch, QStringLiteral("Großer Text"));
    }
};

TUmgebung *Umgebung(benchmark::State &state)
{
    if (Ordner().isEmpty()) {
        state.SkipWithError("LEXOVITA_GROSSE_DATEN nennt keinen Datenordner");
        return nullptr;
    }
    static TUmgebung u;
    if (u.grosseLektion == 0)
        state.SkipWithError("Die Lektion \"Großer Text\" fehlt");
    return &u;
}

// Opening the database as the program starts: key, checks, word index.
void BM_Start(benchmark::State &state)
{
    if (Ordner().isEmpty()) {
        state.SkipWithError("LEXOVITA_GROSSE_DATEN nennt keinen Datenordner");
        return;
    }
    TStilleRueckfrage frage;
    for (auto _ : state) {
        TDatenbankStart s = DatenbankStarten(Ordner(), frage, TDatenmanager::Modus::NurVorhandene);
        TConfig config{QStringLiteral("/dev/null")};
        TAnwendungskern kern(*s.daten, config, frage);
        kern.VokabelindexSicherstellen();
    }
}
BENCHMARK(BM_Start)->Unit(benchmark::kMillisecond)->Iterations(3);

// One keystroke in the dictionary, Latin and German: the first page.
void BM_Woerterbuch(benchmark::State &state)
{
    TUmgebung *u = Umgebung(state);
    if (!u)
        return;
    TWoerterbuch w(*u->kern);
    w.ModusSetzen(static_cast<TWoerterbuchModus>(state.range(0)));
    const QString texte[] = {QStringLiteral("m"), QStringLiteral("ma"), QStringLiteral("bed"), QString()};
    size_t zeilen = 0;
    for (auto _ : state) {
        for (const QString &t : texte) {
            w.Suchen(t);
            zeilen += w.Liste().size();
        }
    }
    benchmark::DoNotOptimize(zeilen);
}
BENCHMARK(BM_Woerterbuch)
    ->Arg(int(TWoerterbuchModus::Latein))
    ->Arg(int(TWoerterbuchModus::Deutsch))
    ->Unit(benchmark::kMillisecond);

// The stored lesson with its entries and the 1 MB text, as "Öffnen" reads it.
void BM_LektionOeffnen(benchmark::State &state)
{
    TUmgebung *u = Umgebung(state);
    if (!u)
        return;
    for (auto _ : state) {
        u->kern->Sitzung().GespeicherteOeffnen(u->grosseLektion);
        state.PauseTiming();
        u->kern->Sitzung().AlleSchliessen();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LektionOeffnen)->Unit(benchmark::kMillisecond)->Iterations(3);

// The background analysis of the whole 1 MB text.
void BM_Textanalyse(benchmark::State &state)
{
    TUmgebung *u = Umgebung(state);
    if (!u)
        return;
    TLektionsSpeicher speicher(*u->daten);
    const std::unique_ptr<TLektion> l = speicher.LektionLesen(u->grosseLektion);
    for (auto _ : state) {
        TTextanalyseAuftrag auftrag(l->TextAlsString());
        AuftragDirektAusfuehren(auftrag, *u->daten);
        benchmark::DoNotOptimize(auftrag.Ergebnis().saetze.size());
    }
    state.counters["zeichen"] = static_cast<double>(l->TextAlsString().size());
}
BENCHMARK(BM_Textanalyse)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return MitQtAusfuehren<QCoreApplication>(argc, argv);
}
