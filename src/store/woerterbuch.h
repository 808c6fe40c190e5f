#pragma once

#include "store/schicht.h"

#include "model/zeilen.h"
#include "store/datenmanager.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace lexovita {

// The dictionary's look-ups: prefix ranges over the search-key indexes
// (see Suchschluessel), every value bound.
class TWoerterbuchAbfrage {
  public:
    explicit TWoerterbuchAbfrage(TDatenmanager &daten) : m_daten(daten) {}

    // The rows whose search key begins with the text's key (all rows for an
    // empty text), in key order: at most `anzahl` of them (all when
    // negative), beginning after `nach` when given. German meanings holding
    // the text as a later word follow, in key order too. The Latin list is the
    // word index (verbs under their present form) with `praesens`, else
    // the headwords.
    std::vector<TWoerterbuchZeile> Liste(TWoerterbuchModus modus, bool praesens, const QString &text, int anzahl = -1,
                                         const TWoerterbuchZeile *nach = nullptr);

    // The entries of a row that still exist, each once: the row's entry (Latin), the
    // entries holding the meaning (German), the entries with a memory aid
    // beginning with the row's text or, when that is empty, the search text.
    std::vector<TWoerterbuchTreffer> Eintraege(TWoerterbuchModus modus, const TWoerterbuchZeile &zeile,
                                               const QString &suchtext);

  private:
    TDatenmanager &m_daten;
};

} // namespace lexovita
