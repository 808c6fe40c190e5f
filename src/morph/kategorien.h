#pragma once

#include "model/vokabel.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace lexovita {

// One node of an entry's category tree, in creation (pre-)order.
struct TKategorieKnoten {
    QString beschriftung; // caption ("Indikativ", "Präsens", "maskulinum" ...)
    int32_t selektor = 0; // form selector the node stands for; 0 = heading only
    int32_t ebene = 0;    // depth, 0 for top-level nodes
};

// The category tree by grammatical category for an entry (nouns and
// pronouns: one node, the headword; undetermined entries: none). Feeding
// every node's selector to FormenErzeugen yields all forms of the entry.
std::vector<TKategorieKnoten> KategorieSelektoren(const TVokabel &v);

// The same tree chosen by art: 1 by grammatical category (as above), 2 for
// verbs by stem ("Präsensstamm", "Perfektstamm", "Partizipialstamm"), so the
// editor can offer the forms that hang on one stem together. Other word
// classes get the same tree for both.
std::vector<TKategorieKnoten> KategorieSelektoren(const TVokabel &v, int art);

} // namespace lexovita
