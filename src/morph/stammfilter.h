#pragma once

// Which stem rows the stem path of the analysis compares with a word. An
// entry whose first principal part is at least two characters longer than
// the word cannot lead to it; a genitive plural in -arum or -orum (how
// plural-only nouns are entered) is the exception. Kept in one place so that
// the analysis and the sources that drop such rows beforehand cannot differ.

#include <QString>

namespace lexovita {

// True if the first principal part ends in -arum or -orum.
inline bool GenitivPluralArumOrum(const QString &form1)
{
    return form1.endsWith(QLatin1String("arum")) || form1.endsWith(QLatin1String("orum"));
}

// The rule on what a source keeps of an entry: the length of its first
// principal part and GenitivPluralArumOrum() of it.
inline bool StammzeilePlausibel(qsizetype form1Laenge, bool genitivPlural, qsizetype wortLaenge)
{
    return form1Laenge < wortLaenge + 2 || genitivPlural;
}

inline bool StammzeilePlausibel(const QString &form1, qsizetype wortLaenge)
{
    return form1.size() < wortLaenge + 2 || GenitivPluralArumOrum(form1);
}

} // namespace lexovita
