// The text mode on a 20,000-word text made of the starter reading texts:
// the background analysis on its own, and the whole run in the main window
// with the longest time the window's thread was kept from its events.

#include "app/anwendungskern.h"
#include "app/auftrag.h"
#include "app/lektionssitzung.h"
#include "app/start.h"
#include "app/textanalyseauftrag.h"
#include "bench_hilfe.h"
#include "model/config.h"
#include "model/lektion.h"
#include "model/rueckfrage.h"
#include "store/datenmanager.h"
#include "store/import.h"
#include "ui/frmhaupt.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

using namespace lexovita;
using namespace lexovita::benchhilfe;

namespace {

struct TUmgebung : TTempDatenbank {
    TConfig config{QStringLiteral("/dev/null")};
    TStilleRueckfrage frage;
    QString text; // about 20,000 words, lines joined by line breaks
    int woerter = 0;

    TUmgebung()
    {
        OrdnerImportieren(*daten, GrundwortschatzOrdner());
        QStringList texte;
        TAnweisung a = daten->Verbindung().Anweisung("SELECT text FROM lektion ORDER BY id");
        while (a.Schritt())
            texte << a.Text(0);
        const QString alle = texte.join(QLatin1Char('\n'));
        const int proText =
            static_cast<int>(alle.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size());
        QStringList teile;
        while (woerter < 20000) {
            teile << alle;
            woerter += proText;
        }
        text = teile.join(QLatin1Char('\n'));
    }
};

// The analysis job alone, as the worker runs it.
void BM_TextanalyseAuftrag(benchmark::State &state)
{
    TUmgebung &u = Einmal<TUmgebung>();
    TLektion l;
    l.TextAusString(u.text);
    for (auto _ : state) {
        TTextanalyseAuftrag auftrag(l.TextAlsString());
        AuftragDirektAusfuehren(auftrag, *u.daten);
        benchmark::DoNotOptimize(auftrag.Ergebnis().saetze.size());
    }
    state.counters["woerter"] = u.woerter;
}
BENCHMARK(BM_TextanalyseAuftrag)->Unit(benchmark::kMillisecond)->UseRealTime();

// From "Modus Textanalyse" to "Analyse-Modus" in the main window: the worker,
// the progress hand-over and the colouring. `blockiert_ms` is the longest gap
// between two ticks of a 5 ms timer on the window's thread.
void BM_TextmodusImHauptfenster(benchmark::State &state)
{
    TUmgebung &u = Einmal<TUmgebung>();
    TAnwendungskern kern(*u.daten, u.config, u.frage);
    TfrmHaupt fenster(kern);
    bool bereit = false;
    QObject::connect(&fenster, &TfrmHaupt::bereit, [&] { bereit = true; });
    fenster.show();
    while (!bereit)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    fenster.PlusMemo1->setPlainText(u.text);
    qint64 laengste = 0;
    for (auto _ : state) {
        QElapsedTimer uhr;
        uhr.start();
        qint64 letzter = 0;
        QTimer takt;
        takt.setInterval(5);
        QObject::connect(&takt, &QTimer::timeout, [&] {
            laengste = std::max(laengste, uhr.elapsed() - letzter);
            letzter = uhr.elapsed();
        });
        takt.start();
        fenster.Aktion(QStringLiteral("actTextanalyse"))->trigger();
        while (fenster.lblModus->text() != QStringLiteral("Analyse-Modus"))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        takt.stop();
        state.PauseTiming();
        fenster.Aktion(QStringLiteral("actTextanalyse"))->trigger(); // back to entry mode
        state.ResumeTiming();
    }
    state.counters["blockiert_ms"] = static_cast<double>(laengste);
    state.counters["woerter"] = u.woerter;
}
BENCHMARK(BM_TextmodusImHauptfenster)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return MitQtAusfuehren<QApplication>(argc, argv);
}
