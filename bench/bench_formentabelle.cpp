// Opening the forms table of one entry: the entry with its special forms
// loaded from the database, every form marker of its template generated.
// Aim: well under 100 ms per entry.

#include "app/formendienst.h"
#include "bench_hilfe.h"
#include "store/datenmanager.h"
#include "store/vokabelspeicher.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace lexovita;
using namespace lexovita::benchhilfe;

namespace {

struct TEintrag {
    const char *vokabel, *f1, *f2, *f3;
    int32_t wortart, konjdekl, flags;
};

// One entry per template: verb, deponent, noun, adjective, pronoun.
const TEintrag kEintraege[] = {
    {"capere", "capio", "cepi", "captum", WA_VERB, KD_G, 0},
    {"hortari", "hortor", "hortatus sum", "", WA_VERB, KD_A, ATTR_DEPONENS},
    {"puella", "puellae", "f", "", WA_SUBSTANTIV, KD_A, 0},
    {"bonus", "boni", "bona", "bonum", WA_ADJEKTIV, KD_O, 0},
    {"ille", "", "", "", WA_PRONOMEN, KD_KEINE, 0},
};

struct TDatenbank : TTempDatenbank {
    std::vector<int32_t> ids;

    TDatenbank()
    {
        for (const TEintrag &e : kEintraege) {
            TVokabel v;
            v.vokabel = QString::fromLatin1(e.vokabel);
            v.form1 = QString::fromLatin1(e.f1);
            v.form2 = QString::fromLatin1(e.f2);
            v.form3 = QString::fromLatin1(e.f3);
            v.SetWortart(e.wortart);
            v.SetKonjDekl(e.konjdekl);
            v.attribute |= e.flags;
            v.BedeutungAnhaengen(QStringLiteral("Bedeutung"), {}, 1);
            TVokabelSpeicher(*daten).VokabelAnlegen(v, TVokabelSpeicher::Loesung::Daneben);
            ids.push_back(v.id);
        }
    }
};

void BM_FormentabelleOeffnen(benchmark::State &state)
{
    TDatenbank &db = Einmal<TDatenbank>();
    // Templates from the source tree; tmp.htm goes to a scratch folder.
    QTemporaryDir ablage;
    for (const char *name : {"tabelle_verb.htm", "tabelle_deponens.htm", "tabelle_substantiv.htm",
                             "tabelle_adjektiv.htm", "tabelle_pronomen.htm"})
        QFile::copy(QStringLiteral(LEXOVITA_VORLAGEN_QUELLE "/") + QLatin1String(name),
                    ablage.filePath(QLatin1String(name)));
    TFormendienst dienst(*db.daten, ablage.path());
    const int32_t id = db.ids[size_t(state.range(0))];
    qsizetype zeilen = 0;
    for (auto _ : state) {
        const auto v = dienst.VokabelLaden(id);
        const TFormentabelle t = dienst.Formentabelle(*v);
        zeilen = t.zeilen.size();
        benchmark::DoNotOptimize(zeilen);
    }
    if (zeilen == 0)
        state.SkipWithError("Formentabelle leer: Vorlage nicht gefunden");
    state.SetLabel(kEintraege[state.range(0)].vokabel);
}
BENCHMARK(BM_FormentabelleOeffnen)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
