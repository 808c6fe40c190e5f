#pragma once

#include "app/analysedienst.h"
#include "model/latform.h"
#include "model/vokabel.h"

#include <QString>
#include <memory>
#include <vector>

namespace lexovita {

// One analysis result with the entry it came from and where that entry
// lives: the user's vocabulary or the large lexicon.
struct TLexikonTreffer {
    TLatForm form;
    const TVokabel *vokabel = nullptr; // owned by the analysis, valid until the next word
    bool ausLexikon = false;
    QString schluesselformen; // "amo, amavi, amatum"
};

// Word-form analysis over both stores: the vocabulary answers first, then
// the lexicon adds the lemmas the vocabulary does not hold (same headword
// and word class count as held). Reads through the sources of an analysis
// service and holds a read session on them for its lifetime: made for a
// batch of words, not kept.
class TLexikonAnalyse {
  public:
    explicit TLexikonAnalyse(TAnalysedienst &dienst);

    // The results of one word, vocabulary results first.
    const std::vector<TLexikonTreffer> &Analysieren(const QString &wort);

    // Key forms of a vocabulary entry as the lexicon shows its lemmas.
    static QString Schluesselformen(const TVokabel &v);

  private:
    TAnalysesitzung m_sitzung;
    std::unique_ptr<TWortanalyse> m_vokabelAnalyse, m_lexikonAnalyse;
    std::vector<TLexikonTreffer> m_treffer;
};

} // namespace lexovita
