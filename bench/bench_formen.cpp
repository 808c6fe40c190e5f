// Full paradigms (every selector of the category tree, as "formen" without
// selector) for a mix of 1,000 entries; reports forms per second.

#include "morph/formenmanager.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

using namespace lexovita;

namespace {

struct Muster {
    int32_t wortart, kd, flags;
    const char *vokabel, *f1, *f2, *f3;
};

const Muster kMuster[] = {
    {WA_VERB, KD_A, 0, "amare", "amo", "amavi", "amatum"},
    {WA_VERB, KD_E, 0, "monere", "moneo", "monui", "monitum"},
    {WA_VERB, KD_I, 0, "audire", "audio", "audivi", "auditum"},
    {WA_VERB, KD_K, 0, "regere", "rego", "rexi", "rectum"},
    {WA_VERB, KD_G, 0, "capere", "capio", "cepi", "captum"},
    {WA_VERB, KD_A, ATTR_DEPONENS, "hortari", "hortor", "hortatus sum", ""},
    {WA_VERB, KD_K, ATTR_DEPONENS, "sequi", "sequor", "secutus sum", ""},
    {WA_VERB, KD_E, ATTR_SEMIDEPONENS, "audere", "audeo", "ausus sum", ""},
    {WA_VERB, KD_I, ATTR_KEIN_PASSIV, "venire", "venio", "veni", "ventum"},
    {WA_SUBSTANTIV, KD_A, 0, "rosa", "rosae", "f", ""},
    {WA_SUBSTANTIV, KD_O, 0, "dominus", "domini", "m", ""},
    {WA_SUBSTANTIV, KD_K, 0, "nomen", "nominis", "n", ""},
    {WA_SUBSTANTIV, KD_U, 0, "fructus", "fructus", "m", ""},
    {WA_SUBSTANTIV, KD_O, ATTR_PLURALIS_TANTUM, "castra", "castrorum", "n", ""},
    {WA_ADJEKTIV, KD_O, 0, "bonus", "boni", "bona", "bonum"},
    {WA_ADJEKTIV, KD_I, 0, "acer", "acer", "acris", "acre"},
    {WA_ADJEKTIV, KD_I, 0, "felix", "felicis", "", ""},
    {WA_ADJEKTIV, KD_O, 0, "idoneus", "idonei", "idonea", "idoneum"},
};

std::vector<std::unique_ptr<TVokabel>> Eintraege()
{
    std::vector<std::unique_ptr<TVokabel>> liste;
    for (int i = 0; i < 1000; ++i) {
        const Muster &m = kMuster[i % std::size(kMuster)];
        auto v = std::make_unique<TVokabel>();
        v->id = i + 1;
        v->SetWortart(m.wortart);
        v->SetKonjDekl(m.kd);
        v->attribute |= m.flags;
        // A number suffix keeps the entries distinct, as in a real database.
        const QString n = QString::number(i);
        v->vokabel = QString::fromLatin1(m.vokabel);
        v->form1 = QString::fromLatin1(m.f1);
        v->form2 = QString::fromLatin1(m.f2);
        v->form3 = QString::fromLatin1(m.f3);
        if (m.wortart == WA_VERB)
            v->form1.prepend(n);
        else
            v->vokabel.prepend(n);
        liste.push_back(std::move(v));
    }
    return liste;
}

void BM_AlleFormen(benchmark::State &state)
{
    const auto eintraege = Eintraege();
    TFormenmanager manager;
    int64_t formen = 0;
    for (auto _ : state) {
        for (const auto &v : eintraege) {
            manager.Zuruecksetzen();
            manager.AlleFormenErzeugen(*v);
            formen += int64_t(manager.Ergebnisliste().size());
            benchmark::DoNotOptimize(manager.Ergebnisliste().data());
        }
    }
    state.counters["Formen/s"] = benchmark::Counter(double(formen), benchmark::Counter::kIsRate);
    state.counters["Formen je Durchlauf"] = double(formen) / double(state.iterations());
}
BENCHMARK(BM_AlleFormen)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
