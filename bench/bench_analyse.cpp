// Word-form analysis of a 20,000-word text against a database of 10,000
// entries (verbs, nouns, adjectives and the small words of a real text),
// one word after the other with a reset in between, as the text analysis
// does. Reports words per second.

#include "bench_hilfe.h"
#include "morph/analyse.h"
#include "morph/formenmanager.h"
#include "store/analysequelle.h"
#include "store/datenmanager.h"
#include "store/vokabelspeicher.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <random>

using namespace lexovita;
using namespace lexovita::benchhilfe;

namespace {

constexpr int kEintraege = 10000;
constexpr int kWoerter = 20000;

// Stems as Latin builds them: one to three syllables, often behind one of
// the common verbal prefixes, so that many entries share a beginning.
class TStammbildner {
  public:
    explicit TStammbildner(uint32_t saat) : m_zufall(saat) {}

    QString Stamm()
    {
        static const char *const anlaut[] = {"b",  "c",  "d",  "f",  "g",  "l",  "m",  "n",  "p",  "r",  "s",  "t", "v",
                                             "cl", "cr", "fl", "gr", "pl", "pr", "sc", "sp", "st", "tr", "qu", ""};
        static const char *const vokal[] = {"a", "e", "i", "o", "u", "a", "e", "i", "o", "ae", "au"};
        static const char *const auslaut[] = {"", "", "", "n", "r", "s", "t", "c", "l", "m", "nd", "rt", "st", "ct"};
        static const char *const praefix[] = {"ad",  "con", "de",  "ex",    "in", "per", "prae",
                                              "pro", "re",  "sub", "trans", "ab", "dis", "ob"};
        QString s;
        if (Zahl(4) == 0)
            s += QLatin1String(praefix[Zahl(14)]);
        for (int i = 1 + Zahl(2); i > 0; --i)
            s += QLatin1String(anlaut[Zahl(25)]) + QLatin1String(vokal[Zahl(11)]);
        s += QLatin1String(auslaut[Zahl(14)]);
        return s;
    }
    int Zahl(int bis) { return std::uniform_int_distribution<int>(0, bis - 1)(m_zufall); }

  private:
    std::mt19937 m_zufall;
};

TVokabel Eintrag(TStammbildner &z)
{
    const QString s = z.Stamm();
    TVokabel v;
    auto setze = [&](int32_t wa, int32_t kd, const QString &vok, const QString &f1, const QString &f2,
                     const QString &f3 = QString(), int32_t flags = 0) {
        v.SetWortart(wa);
        v.SetKonjDekl(kd);
        v.attribute |= flags;
        v.vokabel = vok;
        v.form1 = f1;
        v.form2 = f2;
        v.form3 = f3;
    };
    const int art = z.Zahl(100);
    if (art < 14)
        setze(WA_VERB, KD_A, s + "are", s + "o", s + "avi", s + "atum");
    else if (art < 19)
        setze(WA_VERB, KD_E, s + "ere", s + "eo", s + "ui", s + "itum");
    else if (art < 22)
        setze(WA_VERB, KD_I, s + "ire", s + "io", s + "ivi", s + "itum");
    else if (art < 31)
        setze(WA_VERB, KD_K, s + "ere", s + "o", s + "si", s + "tum");
    else if (art < 33)
        setze(WA_VERB, KD_G, s + "ere", s + "io", s + "i", s + "tum");
    else if (art < 36)
        setze(WA_VERB, KD_A, s + "ari", s + "or", s + "atus sum", "", ATTR_DEPONENS);
    else if (art < 45)
        setze(WA_SUBSTANTIV, KD_A, s + "a", s + "ae", "f");
    else if (art < 53)
        setze(WA_SUBSTANTIV, KD_O, s + "us", s + "i", "m");
    else if (art < 58)
        setze(WA_SUBSTANTIV, KD_O, s + "um", s + "i", "n");
    else if (art < 65)
        setze(WA_SUBSTANTIV, KD_K, s + "or", s + "oris", "m");
    else if (art < 69)
        setze(WA_SUBSTANTIV, KD_K, s + "en", s + "inis", "n");
    else if (art < 73)
        setze(WA_SUBSTANTIV, KD_I, s + "is", s + "is", "f");
    else if (art < 75)
        setze(WA_SUBSTANTIV, KD_U, s + "us", s + "us", "m");
    else if (art < 76)
        setze(WA_SUBSTANTIV, KD_E, s + "es", s + "ei", "f");
    else if (art < 77)
        setze(WA_SUBSTANTIV, KD_O, s + "a", s + "orum", "n", "", ATTR_PLURALIS_TANTUM);
    else if (art < 87)
        setze(WA_ADJEKTIV, KD_O, s + "us", s + "us", s + "a", s + "um");
    else if (art < 91)
        setze(WA_ADJEKTIV, KD_I, s + "ens", s + "entis", "", "");
    else if (art < 94)
        setze(WA_ADJEKTIV, KD_I, s + "is", s + "is", s + "is", s + "e");
    else if (art < 97)
        setze(WA_ADVERB, KD_KEINE, s + "e", s + "ius", s + "issime");
    else
        setze(WA_UNBESTIMMT, KD_KEINE, s, "", "");
    v.BedeutungAnhaengen(QStringLiteral("Bedeutung ") + s, QString(), 1);
    return v;
}

// The small words that make up a third of a real Latin text.
const char *const kKleineWoerter[] = {"et",    "in", "non",   "est",  "cum",  "ad",   "sed",  "ut",   "de",  "ex",
                                      "a",     "e",  "per",   "quod", "si",   "nam",  "enim", "tum",  "iam", "nec",
                                      "atque", "ac", "autem", "ne",   "sunt", "erat", "qui",  "quae", "hic", "ille"};

struct TTestdaten : TTempDatenbank {
    QStringList text;
    int formenProEintrag = 0;

    TTestdaten()
    {
        TVokabelSpeicher speicher(*daten);
        TStammbildner z(20261208);
        TFormenmanager m;
        std::vector<std::vector<QString>> formen;
        TTransaktion t(daten->Verbindung());
        for (const char *w : kKleineWoerter) {
            TVokabel v;
            v.vokabel = QString::fromLatin1(w);
            v.SetWortart(WA_UNBESTIMMT);
            speicher.VokabelAnlegen(v, TVokabelSpeicher::Loesung::Daneben);
        }
        for (int i = int(std::size(kKleineWoerter)); i < kEintraege; ++i) {
            TVokabel v = Eintrag(z);
            speicher.VokabelAnlegen(v, TVokabelSpeicher::Loesung::Daneben);
            m.Zuruecksetzen();
            m.AlleFormenErzeugen(v);
            std::vector<QString> f;
            for (const TLatForm &form : m.Ergebnisliste())
                if (!form.text.isEmpty())
                    f.push_back(form.text);
            f.push_back(v.vokabel);
            formen.push_back(std::move(f));
        }
        t.Bestaetigen();
        // A third small words, the rest forms of random entries.
        while (text.size() < kWoerter) {
            if (z.Zahl(3) == 0) {
                text << QString::fromLatin1(kKleineWoerter[z.Zahl(int(std::size(kKleineWoerter)))]);
                continue;
            }
            const auto &f = formen[size_t(z.Zahl(int(formen.size())))];
            text << f[size_t(z.Zahl(int(f.size())))];
        }
    }
};

void TextAnalysieren(TFormanalyse &a, const QStringList &text, size_t &ergebnisse)
{
    for (const QString &w : text) {
        a.Zuruecksetzen();
        a.FormAnalysieren(w);
        ergebnisse += a.Ergebnisliste().size();
    }
}

// One pass as the text analysis makes it: a new source (tables read into
// memory) and a new manager for the text.
void BM_TextErsterDurchlauf(benchmark::State &state)
{
    TTestdaten &d = Einmal<TTestdaten>();
    size_t ergebnisse = 0;
    for (auto _ : state) {
        TAnalysequelle quelle(*d.daten);
        TFormenmanager m;
        TFormanalyse a(m, quelle);
        TextAnalysieren(a, d.text, ergebnisse);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * d.text.size());
    state.counters["Ergebnisse/Wort"] = double(ergebnisse) / double(state.iterations() * d.text.size());
}
BENCHMARK(BM_TextErsterDurchlauf)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same in one read session, as the command line and a text analysis run:
// no per-word look at the database file.
void BM_TextErsterDurchlaufSitzung(benchmark::State &state)
{
    TTestdaten &d = Einmal<TTestdaten>();
    size_t ergebnisse = 0;
    for (auto _ : state) {
        TAnalysequelle quelle(*d.daten);
        TLesesitzung sitzung(quelle);
        TFormenmanager m;
        TFormanalyse a(m, quelle);
        TextAnalysieren(a, d.text, ergebnisse);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * d.text.size());
}
BENCHMARK(BM_TextErsterDurchlaufSitzung)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same manager analysing the text again: a word met before gives the
// results kept for it.
void BM_TextWiederholt(benchmark::State &state)
{
    TTestdaten &d = Einmal<TTestdaten>();
    TAnalysequelle quelle(*d.daten);
    TFormenmanager m;
    TFormanalyse a(m, quelle);
    size_t ergebnisse = 0;
    TextAnalysieren(a, d.text, ergebnisse);
    for (auto _ : state)
        TextAnalysieren(a, d.text, ergebnisse);
    state.SetItemsProcessed(int64_t(state.iterations()) * d.text.size());
}
BENCHMARK(BM_TextWiederholt)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reading the tables into memory, as after every change of the database.
void BM_TabellenLesen(benchmark::State &state)
{
    TTestdaten &d = Einmal<TTestdaten>();
    for (auto _ : state) {
        TAnalysequelle quelle(*d.daten);
        quelle.Auffrischen();
    }
}
BENCHMARK(BM_TabellenLesen)->Unit(benchmark::kMillisecond);

// Meanings of one entry read from the tables (done once per entry and
// source, when the entry first gives a result).
void BM_BedeutungenLesen(benchmark::State &state)
{
    TTestdaten &d = Einmal<TTestdaten>();
    int32_t id = 1;
    for (auto _ : state) {
        TVokabel v;
        v.id = id;
        d.daten->BedeutungenLaden(v);
        id = id % kEintraege + 1;
    }
}
BENCHMARK(BM_BedeutungenLesen);

// The check made before every word whether the database changed.
void BM_AenderungPruefen(benchmark::State &state)
{
    TTestdaten &d = Einmal<TTestdaten>();
    TAnalysequelle quelle(*d.daten);
    quelle.Auffrischen();
    for (auto _ : state)
        quelle.Auffrischen();
}
BENCHMARK(BM_AenderungPruefen);

// The plain algorithm for comparison: one query per look-up, every block
// of the letter generated afresh.
void BM_TextSchlicht(benchmark::State &state)
{
    TTestdaten &d = Einmal<TTestdaten>();
    TAnalysequelleSql quelle(*d.daten);
    TFormenmanager m;
    TFormanalyse a(m, quelle, {.schnell = false});
    size_t ergebnisse = 0;
    const QStringList teil = d.text.mid(0, 2000);
    for (auto _ : state)
        TextAnalysieren(a, teil, ergebnisse);
    state.SetItemsProcessed(int64_t(state.iterations()) * teil.size());
}
BENCHMARK(BM_TextSchlicht)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
