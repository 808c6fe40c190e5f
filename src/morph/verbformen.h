#pragma once

#include "morph/formenmanager.h"

namespace lexovita {

// Verb conjugation. Every generator appends to m.Ergebnisliste() only the
// records of its own block; none applies special forms (FormenErzeugen does).
// The selector is read as a form identifier: the person group filters
// (0 = all persons), the tense group names the block.

// Dispatch by mood and nominal form, as FormenErzeugen uses it for verbs.
void VerbformenErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);

// Finite blocks; the tense comes from the selector (8..48; subjunctive 8, 16,
// 32, 40). The active generators of a deponent (and the compound tenses of a
// semi-deponent) produce the passive-shaped forms with active identifiers.
// The passive generators take voice word and identifiers from the entry's
// flags; they do not refuse deponents or Keine Passiv-Formen (the dispatch does).
void IndikativAktivErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);
void IndikativPassivErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);
void KonjunktivAktivErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);
void KonjunktivPassivErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);

void ImperativIErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);  // 202, 205
void ImperativIIErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor); // 210, 211, 213, 214

// Tense 8/32/24 or 0 for all three, voice Aktiv/Passiv or 0 for both.
void InfinitiveErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);
// Person 1 (Supinum I), 2 (Supinum II) or 0 for both; nothing for deponents.
void SupineErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);
// Case 1..5 or 0 for all five.
void GerundiumErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);

} // namespace lexovita
