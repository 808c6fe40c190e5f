// The print preview document of the largest starter lesson: building the
// HTML (forms of the block templates included), laying it out and breaking
// it into A4 pages, as "Vorschau" does before the first page shows.

#include "app/anwendungskern.h"
#include "app/druckdienst.h"
#include "app/lektionssitzung.h"
#include "app/start.h"
#include "bench_hilfe.h"
#include "model/config.h"
#include "model/lektion.h"
#include "model/rueckfrage.h"
#include "store/datenmanager.h"
#include "store/import.h"
#include "ui/drucksatz.h"
#include "ui/frmdrucken.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <benchmark/benchmark.h>
#include <memory>

using namespace lexovita;
using namespace lexovita::benchhilfe;

namespace {

struct TUmgebung : TTempDatenbank {
    std::unique_ptr<TConfig> config;
    TStilleRueckfrage frage;
    std::unique_ptr<TAnwendungskern> kern;

    TUmgebung()
    {
        OrdnerImportieren(*daten, GrundwortschatzOrdner());
        config = std::make_unique<TConfig>(ordner.filePath(QStringLiteral("einstellungen.ini")));
        config->EinstellungenLaden();
        kern = std::make_unique<TAnwendungskern>(*daten, *config, frage);
        TAnweisung a = daten->Verbindung().Anweisung(
            "SELECT lektion_id FROM lek_vok GROUP BY lektion_id ORDER BY count(*) DESC, lektion_id LIMIT 1");
        if (a.Schritt())
            kern->Sitzung().GespeicherteOeffnen(a.Int(0));
    }
};

void BM_DruckvorschauGroessteLektion(benchmark::State &state)
{
    TUmgebung &u = Einmal<TUmgebung>();
    const TLektion *l = u.kern->Sitzung().Aktuell();
    if (!l || l->vokabeln.empty()) {
        state.SkipWithError("Grundwortschatz fehlt neben dem Programm");
        return;
    }
    QPrinter drucker(QPrinter::HighResolution);
    DruckseiteEinrichten(drucker);
    int seiten = 0;
    for (auto _ : state) {
        TDruckdienst dienst(*u.kern);
        TDrucksatz satz(dienst.Erzeugen(dienst.Standardwahl()), dienst.VorlagenOrdner());
        satz.SetKopfFuss(StandardKopf(), StandardFuss(), QStringLiteral("01.01.2025"));
        satz.Umbrechen(drucker.pageLayout());
        seiten = satz.Seiten();
        benchmark::DoNotOptimize(seiten);
    }
    state.counters["Vokabeln"] = double(l->vokabeln.size());
    state.counters["Seiten"] = seiten;
}

// Drawing every page as the preview does, on a 96 dpi picture per page.
void BM_DruckvorschauSeitenZeichnen(benchmark::State &state)
{
    TUmgebung &u = Einmal<TUmgebung>();
    TDruckdienst dienst(*u.kern);
    TDrucksatz satz(dienst.Dokument(dienst.Standardwahl()), dienst.VorlagenOrdner());
    satz.SetKopfFuss(StandardKopf(), StandardFuss(), QStringLiteral("01.01.2025"));
    QPrinter drucker(QPrinter::HighResolution);
    DruckseiteEinrichten(drucker);
    satz.Umbrechen(drucker.pageLayout());
    const QSize groesse = drucker.pageLayout().paintRectPixels(96).size();
    for (auto _ : state) {
        for (int i = 0; i < satz.Seiten(); ++i) {
            QImage bild(groesse, QImage::Format_ARGB32_Premultiplied);
            bild.fill(Qt::white);
            QPainter p(&bild);
            satz.SeiteZeichnen(p, i, 96);
        }
    }
    state.counters["Seiten"] = satz.Seiten();
}

} // namespace

BENCHMARK(BM_DruckvorschauGroessteLektion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DruckvorschauSeitenZeichnen)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // Text layout needs the GUI module; no display is needed.
    return MitQtAusfuehren<QGuiApplication>(argc, argv);
}
