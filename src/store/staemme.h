#pragma once

#include "model/vokabel.h"

#include <QString>
#include <QStringList>

namespace lexovita {

// The stems of an entry for the stem table: 0 to 3 distinct stems derived
// from the principal parts by word class and inflection class, lower-cased
// (ASCII A-Z only), in the order first, second, third stem. Pure function,
// shared by the store (writing stem rows) and the word-form analysis.
QStringList StaemmeAbleiten(const TVokabel &vokabel);

// Lower-cases the ASCII letters A-Z only, as analysis and stems compare.
QString AsciiKlein(const QString &text);

} // namespace lexovita
