#pragma once

#include "model/latform.h"
#include "model/vokabel.h"
#include "morph/analyse.h"
#include "morph/formenmanager.h"
#include "store/analysequelle.h"
#include "store/datenmanager.h"

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
// and word class count as held). Uses the data manager's connection, so one
// per thread.
class TLexikonAnalyse {
  public:
    explicit TLexikonAnalyse(TDatenmanager &daten);

    // The results of one word, vocabulary results first.
    const std::vector<TLexikonTreffer> &Analysieren(const QString &wort);

    // Key forms of a vocabulary entry as the lexicon shows its lemmas.
    static QString Schluesselformen(const TVokabel &v);

  private:
    TAnalysequelle vokabelQuelle_, lexikonQuelle_;
    TLesesitzung sitzung_;
    TFormenmanager vokabelManager_, lexikonManager_;
    TFormanalyse vokabelAnalyse_, lexikonAnalyse_;
    std::vector<TLexikonTreffer> treffer_;
};

} // namespace lexovita
