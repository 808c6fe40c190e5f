#pragma once

#include <QString>
#include <QStringList>

namespace lexovita {

// How typed answers are compared with the stored ones.

// Removes the characters ! ? . , : ; ( ) " ' and blanks wherever they stand
// and, unless `grossKlein`, lowers the letters A-Z (umlauts and ß keep their
// case: a German answer must get them right).
QString AntwortNormalisieren(const QString &text, bool grossKlein);

// Equal after AntwortNormalisieren; an empty answer equals an empty target.
bool AntwortVergleichen(const QString &a, const QString &b, bool grossKlein);

// A Latin text as pupils type it: letter case, j for i and vowels with
// macron or breve do not matter. Folds only; punctuation stays.
QString LateinFalten(const QString &text);

// A Latin answer against a Latin target: the punctuation rule of
// AntwortNormalisieren, then LateinFalten on both.
bool LateinVergleichen(const QString &antwort, const QString &ziel);

} // namespace lexovita

namespace lexovita {

// The solution's note on a wrong Latin answer that is another form of the
// asked entry, e.g. "Du hast den Genitiv Pl. eingegeben."; empty for none.
QString EingegebeneFormHinweis(const QStringList &bezeichnungen);

} // namespace lexovita
