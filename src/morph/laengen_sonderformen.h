#pragma once

#include "model/vokabel.h"

#include <QString>

namespace lexovita {

// A stored special form, typed without marks, with the vowel lengths a
// grammar gives it: the irregular verbs (esse, posse, ire, ferre, velle,
// nolle, malle, fieri, edere and their compounds) and the pronouns from
// tables, declined forms by their case ending (eā, illōrum, maiōris,
// futūrus). A form the rules do not know comes back unmarked.
QString SonderformMitLaengen(const TVokabel &v, int32_t formId, const QString &text);

} // namespace lexovita
