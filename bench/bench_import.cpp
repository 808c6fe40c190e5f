// Importing a lesson file of 10,000 entries (100 lessons of 100) into a new
// encrypted database file, and matching the same file against the entries
// it created.

#include "model/lektionsdatei.h"
#include "store/datenmanager.h"
#include "store/import.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>

using namespace lexovita;

namespace {

constexpr int kLektionen = 100;
constexpr int kJeLektion = 100;

QString Wort(std::mt19937 &zufall)
{
    static const char *const silben[] = {"a",  "am", "an", "ar", "ca", "ce", "co", "de", "di", "do", "fa", "fe",
                                         "la", "le", "li", "lo", "ma", "me", "mi", "mo", "na", "ne", "pa", "pe",
                                         "po", "ra", "re", "ri", "sa", "se", "ta", "te", "ti", "to", "ve", "vi"};
    std::uniform_int_distribution<int> anzahl(2, 4), silbe(0, 35);
    QString w;
    for (int i = anzahl(zufall); i > 0; --i)
        w += QLatin1String(silben[silbe(zufall)]);
    return w;
}

// Verbs, nouns and adjectives with two or three meanings, a memory aid and
// now and then a special form, as a textbook export would hold them.
QByteArray Datei()
{
    std::mt19937 zufall(815);
    std::uniform_int_distribution<int> art(0, 2), bedeutung(0, 3999);
    std::vector<std::unique_ptr<TLektion>> lektionen;
    int n = 0;
    for (int l = 0; l < kLektionen; ++l) {
        auto lektion = std::make_unique<TLektion>();
        lektion->name = QStringLiteral("Lektion %1").arg(l + 1);
        lektion->text = QStringList{QStringLiteral("Marcus amicum videt."), QStringLiteral("Amicus ridet.")};
        for (int i = 0; i < kJeLektion; ++i, ++n) {
            auto v = std::make_unique<TVokabel>();
            const QString w = Wort(zufall) + QString::number(n);
            switch (art(zufall)) {
            case 0:
                v->vokabel = w + QStringLiteral("are");
                v->SetWortart(WA_VERB);
                v->SetKonjDekl(KD_A);
                v->form1 = w + QStringLiteral("o");
                v->form2 = w + QStringLiteral("avi");
                v->form3 = w + QStringLiteral("atum");
                break;
            case 1:
                v->vokabel = w + QStringLiteral("us");
                v->SetWortart(WA_SUBSTANTIV);
                v->SetKonjDekl(KD_O);
                v->form1 = w + QStringLiteral("i");
                v->form2 = QStringLiteral("m");
                break;
            default:
                v->vokabel = w + QStringLiteral("us");
                v->SetWortart(WA_ADJEKTIV);
                v->SetKonjDekl(KD_O);
                v->form1 = w + QStringLiteral("us");
                v->form2 = w + QStringLiteral("a");
                v->form3 = w + QStringLiteral("um");
                break;
            }
            v->BedeutungHinzufuegen(QStringLiteral("Bedeutung %1").arg(bedeutung(zufall)), QString(), 1, 1);
            v->BedeutungHinzufuegen(QStringLiteral("Bedeutung %1").arg(bedeutung(zufall)), QStringLiteral("Anm."), 1,
                                    2);
            if (n % 3 == 0)
                v->BedeutungHinzufuegen(QStringLiteral("Bedeutung %1").arg(bedeutung(zufall)), QString(), 2, 1);
            v->MerkhilfeHinzufuegen(w + QStringLiteral("ation"), SPR_ENGLISCH);
            if (n % 10 == 0)
                v->sonderformen.push_back(std::make_unique<TLatForm>(0, w + QStringLiteral("ae"), 331));
            lektion->VokabelAnhaengen(std::move(v));
        }
        lektionen.push_back(std::move(lektion));
    }
    std::vector<const TLektion *> zeiger;
    for (const auto &l : lektionen)
        zeiger.push_back(l.get());
    return LehrbuchAlsXml(QStringLiteral("Benchmark"), zeiger, QString());
}

const QByteArray &Inhalt()
{
    static const QByteArray inhalt = Datei();
    return inhalt;
}

void BM_ImportNeu(benchmark::State &state)
{
    Inhalt(); // the file is built once, outside the measurement
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir ordner;
        auto daten = std::make_unique<TDatenmanager>(ordner.path());
        TImport import(*daten);
        state.ResumeTiming();
        const TImportErgebnis e = import.Importieren(Inhalt());
        benchmark::DoNotOptimize(e.vokabelnAngelegt);
        if (e.vokabelnAngelegt != kLektionen * kJeLektion)
            state.SkipWithError("nicht alle Vokabeln angelegt");
        state.PauseTiming();
        daten.reset();
        state.ResumeTiming();
    }
    state.counters["Vokabeln"] = kLektionen * kJeLektion;
}

void BM_ImportZuordnen(benchmark::State &state)
{
    QTemporaryDir ordner;
    TDatenmanager daten(ordner.path());
    TImport import(daten);
    import.Importieren(Inhalt());
    for (auto _ : state) {
        const TImportErgebnis e = import.Importieren(Inhalt());
        if (e.vokabelnGefunden != kLektionen * kJeLektion)
            state.SkipWithError("nicht alle Vokabeln zugeordnet");
    }
}

} // namespace

BENCHMARK(BM_ImportNeu)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ImportZuordnen)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_MAIN();
