#pragma once

#include "model/latform.h"
#include "model/vokabel.h"
#include "morph/formenmanager.h"

#include <QSet>
#include <QString>
#include <cstdint>
#include <vector>

namespace lexovita {

// Kinds of tree nodes; the windows pick their icon by it.
inline constexpr int32_t KNOTEN_VOKABEL = 0;
inline constexpr int32_t KNOTEN_UEBERSCHRIFT = 1;
inline constexpr int32_t KNOTEN_BEDEUTUNG = 2;
inline constexpr int32_t KNOTEN_ATTRIBUT = 3;
inline constexpr int32_t KNOTEN_FORM = 4;
inline constexpr int32_t KNOTEN_VERWEIS = 10;
inline constexpr int32_t KNOTEN_LEXIKON = 11; // analysis tree: a lemma of the large lexicon

// Payload of one node of the forms and analysis trees.
struct TBasicNodeData {
    QString caption;  // text of the first column
    int32_t kind = 0; // KNOTEN_...
    int32_t id = 0;   // form identifier (0 for headings) or entry id (analysis dialog)
    QString text;     // Latin text computed when the node was made, may be empty
    QString label;    // FormBezeichnung of the identifier, or the caption
};

// One node in pre-order; `ebene` is its depth (0 = top level).
struct TBaumKnoten {
    TBasicNodeData daten;
    int ebene = 0;
    bool angehakt = false;    // forms tree: identifier in one of the stored drill selections
    bool ausgeklappt = false; // analysis tree: shown open
};

// The checkable tree of all forms of an entry. Verbs need art 1 (any other
// art leaves a verb's tree empty); deponents and semi-deponents get no
// passive branches, no supine and the active perfect participle. Rows of
// imperatives, infinitives, gerund and supines carry their Latin text.
std::vector<TBaumKnoten> FormenBaumKnoten(TFormenmanager &manager, const TVokabel &v, int art,
                                          const QSet<int32_t> &angehakt = {});

// The main window's tree of one analysed entry: headword, meanings,
// attributes and the labels of the results that belong to it, in list order.
std::vector<TBaumKnoten> AnalyseBaumKnoten(const TVokabel &v, const std::vector<TLatForm> &ergebnisse);

// Text of the first form the entry has for the identifier (special forms
// applied), empty if there is none. Empties the manager's result list first.
QString ErsteFormText(TFormenmanager &manager, const TVokabel &v, int32_t formId);
// Every text of the form, the first ending before the second as grammars
// print them: "amaris / amare". For the forms table and tree, each text as
// `anzeige` shows it (the default leaves the generated text as it is).
QString FormenText(TFormenmanager &manager, const TVokabel &v, int32_t formId, TLaengenAnzeige anzeige = {});

} // namespace lexovita
