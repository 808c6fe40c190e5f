#pragma once

#include "model/latform.h"
#include "model/lektion.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace lexovita {

// The analysed lesson text: its sentences with every result of every word,
// each result carrying its sentence number and the word's start offset.
struct TTextanalyse {
    std::vector<std::unique_ptr<TContext>> saetze;
    // False after a stop: the sentences are laid out, not all words analysed.
    bool vollstaendig = true;
};

// Walks the text (the lesson text as one string, lines ended by CR LF)
// sentence by sentence and word by word, by the lesson's own delimiters.
// `analysieren` gives the results for one trimmed, lower-cased word.
// `abbruch` is read before each word; after a stop the remaining sentences
// are still laid out, only their words are not analysed any more.
// `fortschritt` gets the position in percent after each analysed word.
TTextanalyse TextAnalysieren(const QString &text,
                             const std::function<std::vector<TLatForm>(const QString &wort)> &analysieren,
                             const std::function<bool()> &abbruch = {},
                             const std::function<void(int prozent)> &fortschritt = {});

// The lesson text as one string ends every line with CR LF, the editor with
// one line break: offsets of the analysis and positions of the editor differ
// by the CRs before them.
int EditorPosition(const QString &text, int offset);
int TextOffset(const QString &text, int position);

} // namespace lexovita
