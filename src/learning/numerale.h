#pragma once

#include <QString>

namespace lexovita {

// Conversions of the numerals window, for the numbers 1 to 3999.

// The Roman numeral of n in capitals; empty outside 1..3999.
QString ZahlAlsRoemisch(int n);

// The decimal text of the number whose Roman numeral is exactly `text`
// (capitals, canonical form only: "IIII", "VX" or "MMMM" give nothing);
// empty for anything else.
QString RoemischAlsZahl(const QString &text);

// The Latin cardinal number of n, each word followed by one blank except
// the fixed words 11-17, 98 and 99; empty outside 1..3999.
QString ZahlAlsWort(int n);

// What the numerals window shows for its input: a number 1..3999 gives its
// Roman numeral, a canonical Roman numeral (any letter case) its number;
// both with the Latin words (without the trailing blank). Anything else
// gives empty results and a message saying what can be converted.
struct TNumeralErgebnis {
    bool roemischEingabe = false; // the first result is Arabic ("Arabisch:")
    QString eingabe;              // the input as it should stand (capitals for a numeral)
    QString umgerechnet;
    QString wort;
    QString meldung; // empty for a valid or an empty input
};
TNumeralErgebnis NumeralUmrechnen(const QString &eingabe);

} // namespace lexovita
