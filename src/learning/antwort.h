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

// A Latin text as pupils type it: j for i and vowels with macron or breve
// do not matter, nor letter case unless `grossKlein`. Folds only;
// punctuation stays. With `laengen` the macrons stay (breves still go), for
// a drill that asks the lengths.
QString LateinFalten(const QString &text, bool grossKlein = false, bool laengen = false);

// A Latin text as the check compares it: the punctuation rule of
// AntwortNormalisieren, then LateinFalten.
QString LateinNormalisieren(const QString &text, bool grossKlein = false, bool laengen = false);

// The solution's note on an answer right but for its vowel lengths, the
// right form first: "Länge: amāvī, nicht amavi".
QString LaengenHinweis(const QString &richtig, const QString &getippt);

// A Latin answer against a Latin target, both through LateinNormalisieren.
bool LateinVergleichen(const QString &antwort, const QString &ziel, bool grossKlein = false);

// A participle in any of its three genders as the neuter: "laudatus",
// "laudata" and "laudatum" are one answer. With `mitSum` the text is a
// compound perfect ("gavisus sum"), whose participle stands before "sum".
// Works on LateinNormalisieren's output; anything else stays as it is.
QString PartizipNeutrum(const QString &normalisiert, bool mitSum);

// Rounded percentages of right and wrong answers that add up to 100; both
// 0 when nothing was answered.
struct TProzente {
    int richtig = 0;
    int falsch = 0;
};
TProzente ProzenteRunden(int richtige, int falsche);

} // namespace lexovita

namespace lexovita {

// The solution's note on a wrong Latin answer that is another form of the
// asked entry, e.g. "Du hast den Genitiv Pl. eingegeben."; empty for none.
QString EingegebeneFormHinweis(const QStringList &bezeichnungen);

} // namespace lexovita
