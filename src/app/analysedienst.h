#pragma once

#include "model/latform.h"
#include "model/zeilen.h"
#include "morph/analyse.h"
#include "morph/formenmanager.h"

#include <QString>
#include <memory>
#include <vector>

namespace lexovita {

class TAnalysequelle;
class TDatenmanager;
class TLesesitzung;
class TLexikonAnalyse;

// One word-form analysis: its own forms manager, results and entry cache,
// reading through a source of the analysis service. Whoever keeps results or
// entries between calls (a window, the text mode) holds its own, so that
// another window's analysis never invalidates them.
class TWortanalyse {
  public:
    explicit TWortanalyse(IAnalysequelle &quelle) : m_analyse(m_manager, quelle) {}
    TWortanalyse(const TWortanalyse &) = delete;
    TWortanalyse &operator=(const TWortanalyse &) = delete;

    // Analyses one word afresh: the results and entries of the last word go.
    const std::vector<TLatForm> &Analysieren(const QString &wort);
    const std::vector<TLatForm> &Ergebnisse() const { return m_analyse.Ergebnisliste(); }
    // The entry of a result; valid until the next analysis.
    const TVokabel *Vokabel(int32_t id) const { return m_analyse.VokabelImCache(id); }
    // For the uses beyond one word (analysis restricted to chosen entries).
    TFormanalyse &Formanalyse() { return m_analyse; }

  private:
    TFormenmanager m_manager;
    TFormanalyse m_analyse;
};

// The word-form analysis on one connection: the sources of the vocabulary and
// of the large lexicon, read into memory on first use and kept current, and
// the analyses over them. The application core holds the one of the UI
// thread, which every window, the text mode and the command line use; a job
// makes its own on its own connection. Like the connection, one per thread.
class TAnalysedienst {
  public:
    explicit TAnalysedienst(TDatenmanager &daten);
    ~TAnalysedienst();
    TAnalysedienst(const TAnalysedienst &) = delete;
    TAnalysedienst &operator=(const TAnalysedienst &) = delete;

    // The shared source of the given tables. A caller that analyses many
    // words holds a TAnalysesitzung on it, so that all see one snapshot.
    TAnalysequelle &Quelle(TBestand bestand = TBestand::Vokabeln);
    // A new analysis over the shared source.
    std::unique_ptr<TWortanalyse> Analyse(TBestand bestand = TBestand::Vokabeln);
    // The analysis over vocabulary and lexicon together (see TLexikonAnalyse).
    std::unique_ptr<TLexikonAnalyse> LexikonAnalyse();

  private:
    TDatenmanager &m_daten;
    std::unique_ptr<TAnalysequelle> m_vokabeln;
    std::unique_ptr<TAnalysequelle> m_lexikon;
};

// A read session on one of the service's shared sources for its lifetime:
// every word analysed meanwhile sees one snapshot of the tables.
class TAnalysesitzung {
  public:
    explicit TAnalysesitzung(TAnalysedienst &dienst, TBestand bestand = TBestand::Vokabeln);
    ~TAnalysesitzung();
    TAnalysesitzung(const TAnalysesitzung &) = delete;
    TAnalysesitzung &operator=(const TAnalysesitzung &) = delete;

  private:
    std::unique_ptr<TLesesitzung> m_sitzung;
};

} // namespace lexovita
