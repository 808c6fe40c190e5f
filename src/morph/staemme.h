#pragma once

#include "model/vokabel.h"

#include <QString>
#include <QStringList>

namespace lexovita {

// The stems every generator builds on. Each returns an empty string when it
// does not apply to the entry (wrong word class or class, missing part).
QString Praesensstamm(const TVokabel &v);
QString Perfektstamm(const TVokabel &v);
QString Partizipstamm(const TVokabel &v);
QString Nominalstamm(const TVokabel &v);

// The present stem with the length of its class vowel (amā-, monē-, audī-;
// capi- and reg- keep theirs), from the plain-built stem `p` of a marked entry.
QString LangerPraesensstamm(const TVokabel &v, const QString &p);

// Adjectives stored with class 8 are the o/a type, the same as 32.
int32_t AdjektivKlasse(const TVokabel &v);

// The stems of an entry for the stem table: 0 to 3 distinct stems derived
// from the principal parts by word class and inflection class, lower-cased
// (ASCII A-Z only), in the order first, second, third stem. Shared by the
// store (writing stem rows) and the word-form analysis (reading them).
QStringList StaemmeAbleiten(const TVokabel &vokabel);

// Lower-cases the ASCII letters A-Z only, as analysis and stems compare.
QString AsciiKlein(const QString &text);

} // namespace lexovita
