#pragma once

#include "model/vokabel.h"

#include <QString>

namespace lexovita {

// The stems every generator builds on. Each returns an empty string when it
// does not apply to the entry (wrong word class or class, missing part).
QString Praesensstamm(const TVokabel &v);
QString Perfektstamm(const TVokabel &v);
QString Partizipstamm(const TVokabel &v);
QString Nominalstamm(const TVokabel &v);

// Adjectives stored with class 8 are the o/a type, the same as 32.
int32_t AdjektivKlasse(const TVokabel &v);

} // namespace lexovita
