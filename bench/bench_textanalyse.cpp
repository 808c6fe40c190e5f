// The text mode on a 20,000-word text made of the starter reading texts:
// the background analysis on its own, and the whole run in the main window
// with the longest time the window's thread was kept from its events.
// With the large lexicon (imported from the installed Collatinus package)
// the same on an author's text: LEXOVITA_BENCH_TEXT names a plain text file,
// repeated to 20,000 words; without it Caesar's first chapter is repeated.

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
#include "store/lexikon.h"
#include "ui/frmhaupt.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTabWidget>
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

// Peak resident memory of the process so far, in MB (Linux).
double SpitzeMb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &zeile : f.readAll().split('\n'))
        if (zeile.startsWith("VmHWM:"))
            return zeile.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

struct TLexikonUmgebung : TTempDatenbank {
    TConfig config{QStringLiteral("/dev/null")};
    TStilleRueckfrage frage;
    QString text;
    int woerter = 0;
    int lemmata = 0;

    TLexikonUmgebung()
    {
        OrdnerImportieren(*daten, GrundwortschatzOrdner());
        const TLexikonQuellen quellen = TLexikonQuellen::Installiert();
        lemmata = LexikonImportieren(*daten, quellen).lemmata;
        QString datei = qEnvironmentVariable("LEXOVITA_BENCH_TEXT");
        if (datei.isEmpty())
            datei = QStringLiteral(LEXOVITA_QUELLE "/bench/texte/caesar-bg-1-1.txt");
        QFile f(datei);
        if (!f.open(QIODevice::ReadOnly))
            return;
        const QStringList w =
            QString::fromUtf8(f.readAll()).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        // Cut at 20,000 words, punctuation kept with its word.
        QStringList teile;
        while (!w.isEmpty() && teile.size() < 20000)
            teile << w.mid(0, 20000 - teile.size());
        woerter = static_cast<int>(teile.size());
        text = teile.join(QLatin1Char(' '));
    }
};

// With LEXOVITA_BILDER naming a folder: a click on the second word of the
// text (its sentence painted), and the window kept there as a picture.
void Bilder(TfrmHaupt &fenster, const QString &name)
{
    const QString ordner = qEnvironmentVariable("LEXOVITA_BILDER");
    if (ordner.isEmpty())
        return;
    fenster.resize(1280, 800);
    fenster.pgcSeiten->setCurrentIndex(1);
    QTextCursor c(fenster.edtText->document());
    c.setPosition(8);
    const QPoint p = fenster.edtText->cursorRect(c).center();
    QMouseEvent klick(QEvent::MouseButtonRelease, p, fenster.edtText->viewport()->mapToGlobal(p), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(fenster.edtText->viewport(), &klick);
    QCoreApplication::processEvents();
    fenster.grab().save(QDir(ordner).filePath(name));
}

// "Modus Textanalyse" with the lexicon, then "Längen einblenden" on the
// analysed text (`laengen_ms`, on the window's thread; `laengenwahl_ms` the
// choice of lengths alone, without the editor).
void BM_TextmodusMitLexikon(benchmark::State &state)
{
    TLexikonUmgebung &u = Einmal<TLexikonUmgebung>();
    if (u.lemmata == 0 || u.text.isEmpty()) {
        state.SkipWithError("kein Lexikon oder kein Text");
        return;
    }
    TAnwendungskern kern(*u.daten, u.config, u.frage);
    TfrmHaupt fenster(kern);
    bool bereit = false;
    QObject::connect(&fenster, &TfrmHaupt::bereit, [&] { bereit = true; });
    fenster.show();
    while (!bereit)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    fenster.edtText->setPlainText(u.text);
    qint64 laengste = 0, laengen = 0, wahl = 0;
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
        Bilder(fenster, QStringLiteral("caesar-lexikonfarbe.png"));
        QElapsedTimer l;
        l.start();
        benchmark::DoNotOptimize(fenster.Textmodus().Laengen().markiert);
        wahl = std::max(wahl, l.elapsed());
        l.restart();
        fenster.Aktion(QStringLiteral("actLaengen"))->trigger();
        laengen = std::max(laengen, l.elapsed());
        Bilder(fenster, QStringLiteral("caesar-laengen.png"));
        fenster.Aktion(QStringLiteral("actTextanalyse"))->trigger(); // back to entry mode
        state.ResumeTiming();
    }
    state.counters["blockiert_ms"] = static_cast<double>(laengste);
    state.counters["laengen_ms"] = static_cast<double>(laengen);
    state.counters["laengenwahl_ms"] = static_cast<double>(wahl); // the text mode's part alone
    state.counters["woerter"] = u.woerter;
    state.counters["spitze_mb"] = SpitzeMb();
}
BENCHMARK(BM_TextmodusMitLexikon)->Unit(benchmark::kMillisecond)->UseRealTime();

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
    fenster.edtText->setPlainText(u.text);
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
