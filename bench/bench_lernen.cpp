// Spaced repetition on a large database: 50,000 entries in 500 lessons of
// five textbooks, every entry learnt, and 1,000,000 history rows over the
// last year. Measures the look-up of today's due entries, the plan of a
// session, the statistics query and opening the statistics window until
// its first paint.

#include "app/anwendungskern.h"
#include "app/wiederholdienst.h"
#include "bench_hilfe.h"
#include "model/config.h"
#include "model/rueckfrage.h"
#include "model/uhr.h"
#include "store/datenmanager.h"
#include "store/lernspeicher.h"
#include "store/sqlite.h"
#include "ui/frmlernstatistik.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>

using namespace lexovita;
using namespace lexovita::benchhilfe;

namespace {

constexpr int kVokabeln = 50000;
constexpr int kLektionen = 500;
constexpr int kVerlauf = 1000000;
const QDate kHeute(2026, 6, 1);

struct TUmgebung : TTempDatenbank {
    std::unique_ptr<TConfig> config;
    TFesteUhr uhr{QDateTime(kHeute, QTime(12, 0))};
    TStilleRueckfrage frage;
    std::unique_ptr<TAnwendungskern> kern;

    TUmgebung()
    {
        Fuellen();
        config = std::make_unique<TConfig>(ordner.filePath(QStringLiteral("einstellungen.ini")));
        config->EinstellungenLaden();
        kern = std::make_unique<TAnwendungskern>(*daten, *config, frage, &uhr);
    }

    void Fuellen()
    {
        TVerbindung &v = daten->Verbindung();
        std::mt19937 zufall(7);
        TTransaktion t(v);
        for (int b = 1; b <= 5; ++b) {
            TAnweisung a = v.Anweisung("INSERT INTO lehrbuch (id, name) VALUES (?1, ?2)");
            a.Binden(1, int32_t(b)).Binden(2, QStringLiteral("Lehrbuch %1").arg(b));
            a.Ausfuehren();
        }
        for (int l = 1; l <= kLektionen; ++l) {
            TAnweisung a = v.Anweisung("INSERT INTO lektion (id, name, lehrbuch_id) VALUES (?1, ?2, ?3)");
            a.Binden(1, int32_t(l))
                .Binden(2, QStringLiteral("Lektion %1").arg(l))
                .Binden(3, int32_t((l - 1) / 100 + 1));
            a.Ausfuehren();
        }
        const int proLektion = kVokabeln / kLektionen;
        for (int i = 1; i <= kVokabeln; ++i) {
            const QString wort = QStringLiteral("vokabel%1").arg(i);
            TAnweisung a = v.Anweisung("INSERT INTO vokabel (id, vokabel, vokabel_lower) VALUES (?1, ?2, ?2)");
            a.Binden(1, int32_t(i)).Binden(2, wort);
            a.Ausfuehren();
            TAnweisung l = v.Anweisung("INSERT INTO lek_vok (vokabel_id, lektion_id, position) VALUES (?1, ?2, ?3)");
            l.Binden(1, int32_t(i))
                .Binden(2, int32_t((i - 1) / proLektion + 1))
                .Binden(3, int32_t((i - 1) % proLektion + 1));
            l.Ausfuehren();
            // Due from a month ago to ten months ahead: about one in eleven is due today.
            const QDate faellig = kHeute.addDays(int(zufall() % 330) - 30);
            TAnweisung g = v.Anweisung(
                "INSERT INTO gedaechtnis (vokabel_id, richtung, stabilitaet, schwierigkeit, letzte, faellig, erste, "
                "wiederholungen, richtige) VALUES (?1, 1, ?2, 5.0, ?3, ?4, ?5, 20, 17)");
            g.Binden(1, int32_t(i))
                .Binden(2, double(zufall() % 300 + 1))
                .Binden(3, QStringLiteral("20260101120000"))
                .Binden(4, TLernspeicher::Tag(faellig))
                .Binden(5, QStringLiteral("20250601"));
            g.Ausfuehren();
        }
        const QDateTime anfang(kHeute.addDays(-365), QTime(0, 0));
        for (int i = 0; i < kVerlauf; ++i) {
            TAnweisung a = v.Anweisung("INSERT INTO lernverlauf (vokabel_id, zeitpunkt, art, richtung, richtig, "
                                       "sekunden) VALUES (?1, ?2, 0, 1, ?3, 5)");
            const QDateTime zeit = anfang.addSecs(qint64(i) * 365 * 86400 / kVerlauf);
            a.Binden(1, int32_t(zufall() % kVokabeln + 1))
                .Binden(2, zeit.toString(QStringLiteral("yyyyMMddHHmmss")))
                .Binden(3, int32_t(zufall() % 100 < 85 ? 1 : 0));
            a.Ausfuehren();
        }
        t.Bestaetigen();
        v.Ausfuehren("ANALYZE");
    }
};

void BM_FaelligHeute(benchmark::State &state)
{
    TUmgebung &u = Einmal<TUmgebung>();
    TLernspeicher speicher(*u.daten);
    size_t anzahl = 0;
    for (auto _ : state) {
        anzahl = speicher.Faellige(kHeute, TAbfrageRichtung::LateinDeutsch, int32_t(state.range(0))).size();
        benchmark::DoNotOptimize(anzahl);
    }
    state.counters["faellig"] = double(anzahl);
}

void BM_SitzungPlanen(benchmark::State &state)
{
    TUmgebung &u = Einmal<TUmgebung>();
    TWiederholdienst dienst(*u.kern);
    int anzahl = 0;
    for (auto _ : state) {
        anzahl = dienst.Planen().Anzahl();
        benchmark::DoNotOptimize(anzahl);
    }
    state.counters["Karten"] = anzahl;
}

void BM_Statistik(benchmark::State &state)
{
    TUmgebung &u = Einmal<TUmgebung>();
    TLernspeicher speicher(*u.daten);
    for (auto _ : state) {
        const TLernstatistikDaten d = speicher.Statistik(kHeute, TAbfrageRichtung::LateinDeutsch);
        benchmark::DoNotOptimize(d.gelernt);
    }
}

// From the click to the first painted window: query, charts, layout, paint.
void BM_LernstatistikOeffnen(benchmark::State &state)
{
    TUmgebung &u = Einmal<TUmgebung>();
    for (auto _ : state) {
        TfrmLernstatistik fenster(nullptr, *u.kern);
        fenster.show();
        QPixmap bild = fenster.grab();
        benchmark::DoNotOptimize(bild);
    }
}

} // namespace

BENCHMARK(BM_FaelligHeute)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SitzungPlanen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Statistik)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LernstatistikOeffnen)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return MitQtAusfuehren<QApplication>(argc, argv);
}
