#pragma once

#include <QString>

namespace lexovita {

// Number of trailing letters to cut off a (normalised) word to get the stem
// that the stem table is searched with. Only the last letter decides which
// endings are tried; an ending of k letters counts only for words of at
// least k + 2 letters, and the longest one that counts wins. Without a
// counting ending the result is 1.
int EndungsLaenge(const QString &wort);

} // namespace lexovita
