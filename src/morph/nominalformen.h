#pragma once

#include "morph/formenmanager.h"

namespace lexovita {

// Noun declension: only the case group of the selector is read (0 = all ten).
void SubstantivformenErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);

// Pronouns: ten records named by the plain case; only the nominative
// singular has a text (the headword), the others wait for special forms.
void PronomenformenErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);

// Adverb entries: empty records under case + degree + gender of the
// selector, to be filled by special forms; selector 0 yields nothing.
void AdverbPlatzhalterErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);

// Gender group of a noun or pronoun from its gender letter in form2
// ("m", "f", "n", "p"; anything else 0).
int32_t GenusAusBuchstabe(const QString &buchstabe);

} // namespace lexovita
