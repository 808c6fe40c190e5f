// What the benchmarks share: a question object that answers without a
// window, an empty database in a temporary folder, data built once for all
// runs, and a main that starts Qt before the benchmarks.
#pragma once

#include "model/rueckfrage.h"
#include "store/datenmanager.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <optional>
#include <type_traits>

namespace lexovita::benchhilfe {

// Answers every question with `antwort`, or with the offered default when
// unset; messages go nowhere.
class TStilleRueckfrage : public IRueckfrage {
  public:
    explicit TStilleRueckfrage(std::optional<Antwort> antwort = {}) : m_antwort(antwort) {}
    Antwort Frage(const QString &, const QString &, int, Antwort vorgabe, Symbol) override
    {
        return m_antwort.value_or(vorgabe);
    }
    void Meldung(const QString &, const QString &) override {}

  private:
    std::optional<Antwort> m_antwort;
};

// An empty database in a temporary folder; both go with the object.
struct TTempDatenbank {
    QTemporaryDir ordner;
    std::unique_ptr<TDatenmanager> daten = std::make_unique<TDatenmanager>(ordner.path());
};

// The data of a benchmark file, built on first use and kept for all its
// benchmarks, so that building it is never measured.
template <class Daten> Daten &Einmal()
{
    static Daten d;
    return d;
}

// main() for benchmarks that need Qt's application object. Widgets and text
// layout need a platform plugin; offscreen unless one is named.
template <class Anwendung> int MitQtAusfuehren(int argc, char **argv)
{
    if constexpr (!std::is_same_v<Anwendung, QCoreApplication>) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Anwendung app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace lexovita::benchhilfe
