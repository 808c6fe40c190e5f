// Work on the UI thread of the main window: opening the largest starter
// lesson and removing one of its entries, each with the events that follow
// (layout and painting of the offscreen window); and the dictionary window's
// list on 50,000 entries, one keystroke at a time.

#include "app/anwendungskern.h"
#include "app/lektionssitzung.h"
#include "bench_hilfe.h"
#include "model/config.h"
#include "model/lektion.h"
#include "store/datenmanager.h"
#include "store/sqlite.h"
#include "store/vokabelspeicher.h"
#include "ui/frmhaupt.h"
#include "ui/frmwoerterbuch.h"
#include "ui/programmstart.h"
#include "ui/vokabeltabelle.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTreeView>
#include <QUndoStack>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>

using namespace lexovita;
using namespace lexovita::benchhilfe;

namespace {

// Lets the window lay out and paint what the command changed.
void Zeichnen()
{
    QCoreApplication::processEvents();
}

struct TFenster : TTempDatenbank {
    std::unique_ptr<TConfig> config;
    TStilleRueckfrage frage;
    std::unique_ptr<TAnwendungskern> kern;
    std::unique_ptr<TfrmHaupt> fenster;
    int32_t groesste = 0;

    TFenster()
    {
        GrundwortschatzEinrichten(*daten, nullptr);
        config = std::make_unique<TConfig>(ordner.filePath(QStringLiteral("einstellungen.ini")));
        kern = std::make_unique<TAnwendungskern>(*daten, *config, frage);
        TAnweisung a = daten->Verbindung().Anweisung(
            "SELECT lektion_id FROM lek_vok GROUP BY lektion_id ORDER BY count(*) DESC, lektion_id LIMIT 1");
        if (a.Schritt())
            groesste = a.Int(0);
        fenster = std::make_unique<TfrmHaupt>(*kern);
        fenster->resize(1280, 800);
        fenster->show();
        QElapsedTimer uhr;
        uhr.start();
        while (!kern->Sitzung().Aktuell() && uhr.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        Zeichnen();
    }
};

void BM_GroessteLektionOeffnen(benchmark::State &state)
{
    TFenster &f = Einmal<TFenster>();
    if (f.groesste == 0) {
        state.SkipWithError("Grundwortschatz fehlt neben dem Programm");
        return;
    }
    TLektionssitzung &s = f.kern->Sitzung();
    int zeilen = 0;
    for (auto _ : state) {
        s.GespeicherteOeffnen(f.groesste);
        Zeichnen();
        zeilen = f.fenster->lvwVokabeln->Anzahl();
        state.PauseTiming();
        s.Schliessen();
        Zeichnen();
        state.ResumeTiming();
    }
    state.counters["Vokabeln"] = zeilen;
}
BENCHMARK(BM_GroessteLektionOeffnen)->Unit(benchmark::kMillisecond);

// "Vokabel entfernen" on the first row, as an undoable command; undone
// outside the measurement, so every run removes from the full lesson.
void BM_VokabelEntfernen(benchmark::State &state)
{
    TFenster &f = Einmal<TFenster>();
    if (f.groesste == 0) {
        state.SkipWithError("Grundwortschatz fehlt neben dem Programm");
        return;
    }
    TLektionssitzung &s = f.kern->Sitzung();
    s.GespeicherteOeffnen(f.groesste);
    Zeichnen();
    QAction *entfernen = f.fenster->Aktion(QStringLiteral("actVokabelEntfernen"));
    const int vorher = f.fenster->lvwVokabeln->Anzahl();
    for (auto _ : state) {
        state.PauseTiming();
        f.fenster->lvwVokabeln->ZeilenWaehlen({0});
        state.ResumeTiming();
        entfernen->trigger();
        Zeichnen();
        state.PauseTiming();
        if (f.fenster->lvwVokabeln->Anzahl() != vorher - 1)
            state.SkipWithError("nicht entfernt");
        f.fenster->Rueckgaengig()->undo();
        Zeichnen();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_VokabelEntfernen)->Unit(benchmark::kMillisecond);

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

// 50,000 entries with one or two meanings each, built in one transaction.
struct TGrossesWoerterbuch : TTempDatenbank {
    std::unique_ptr<TConfig> config;
    TStilleRueckfrage frage{Antwort::Nein};
    std::unique_ptr<TAnwendungskern> kern;

    TGrossesWoerterbuch()
    {
        TVokabelSpeicher speicher(*daten);
        std::mt19937 zufall(4711);
        std::uniform_int_distribution<int> wortart(1, 6), bedeutungen(1, 2);
        TTransaktion t(daten->Verbindung());
        for (int i = 0; i < 50000; ++i) {
            TVokabel v;
            v.vokabel = Wort(zufall);
            v.SetWortart(wortart(zufall));
            for (int b = bedeutungen(zufall); b > 0; --b)
                v.BedeutungAnhaengen(QStringLiteral("Bedeutung %1").arg(zufall() % 20000), {}, 1);
            speicher.VokabelAnlegen(v, TVokabelSpeicher::Loesung::Daneben);
        }
        t.Bestaetigen();
        config = std::make_unique<TConfig>(ordner.filePath(QStringLiteral("einstellungen.ini")));
        kern = std::make_unique<TAnwendungskern>(*daten, *config, frage);
    }
};

// One keystroke in the search field, as the window handles it: the first
// page of rows, the model reset, the chosen row's entry, the painting.
void BM_WoerterbuchTastendruck(benchmark::State &state)
{
    TGrossesWoerterbuch &w = Einmal<TGrossesWoerterbuch>();
    TfrmWoerterbuch fenster(*w.kern);
    fenster.resize(860, 600);
    fenster.show();
    Zeichnen();
    const QString texte[] = {QStringLiteral("m"), QStringLiteral("ma"), QStringLiteral("m"), QString()};
    size_t i = 0;
    for (auto _ : state) {
        fenster.edtSuchen->setText(texte[i++ % std::size(texte)]);
        Zeichnen();
    }
}
BENCHMARK(BM_WoerterbuchTastendruck)->Unit(benchmark::kMillisecond);

// Scrolling to the end of the whole list reads one page more per step.
void BM_WoerterbuchBlaettern(benchmark::State &state)
{
    TGrossesWoerterbuch &w = Einmal<TGrossesWoerterbuch>();
    TfrmWoerterbuch fenster(*w.kern);
    fenster.resize(860, 600);
    fenster.show();
    Zeichnen();
    int zeilen = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fenster.edtSuchen->setText(QStringLiteral("a"));
        fenster.edtSuchen->clear();
        Zeichnen();
        state.ResumeTiming();
        fenster.lstWoerter->scrollToBottom();
        Zeichnen();
        zeilen = fenster.lstWoerter->model()->rowCount();
    }
    state.counters["Zeilen"] = zeilen;
}
BENCHMARK(BM_WoerterbuchBlaettern)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return MitQtAusfuehren<QApplication>(argc, argv);
}
