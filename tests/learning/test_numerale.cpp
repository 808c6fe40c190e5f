#include "learning/numerale.h"

#include <gtest/gtest.h>

namespace lexovita {
namespace {

std::string S(const QString &s)
{
    return s.toStdString();
}

TEST(Numerale, NumbersGiveTheirRomanNumeralAndLatinWords)
{
    const struct {
        int zahl;
        const char *roemisch;
        const char *wort;
    } faelle[] = {
        {1, "I", "unus "},
        {4, "IV", "quattuor "},
        {9, "IX", "novem "},
        {10, "X", "decem "},
        {11, "XI", "undecim"}, // fixed words carry no trailing blank
        {17, "XVII", "septendecim"},
        {18, "XVIII", "duodeviginti "},
        {19, "XIX", "undeviginti "},
        {21, "XXI", "viginti unus "},
        {28, "XXVIII", "duodetriginta "},
        {88, "LXXXVIII", "duodenonaginta "},
        {89, "LXXXIX", "undenonaginta "},
        {97, "XCVII", "nonaginta septem "},
        {98, "XCVIII", "nonaginta octo"},
        {99, "XCIX", "nonaginta novem"},
        {100, "C", "centum "},
        {118, "CXVIII", "centum decem octo "}, // no counting down above a hundred
        {199, "CXCIX", "centum nonaginta novem "},
        {444, "CDXLIV", "quadringenti quadraginta quattuor "},
        {1000, "M", "mille "},
        {2024, "MMXXIV", "duo milia viginti quattuor "},
        {3999, "MMMCMXCIX", "tria milia nongenti nonaginta novem "},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.zahl);
        EXPECT_EQ(S(ZahlAlsRoemisch(f.zahl)), f.roemisch);
        EXPECT_EQ(S(ZahlAlsWort(f.zahl)), f.wort);
        EXPECT_EQ(S(RoemischAlsZahl(QString::fromLatin1(f.roemisch))), std::to_string(f.zahl));
    }
}

TEST(Numerale, NumbersOutsideOneTo3999HaveNeitherNumeralNorWords)
{
    for (int zahl : {0, -1, 4000, 100000}) {
        SCOPED_TRACE(zahl);
        EXPECT_EQ(S(ZahlAlsRoemisch(zahl)), "");
        EXPECT_EQ(S(ZahlAlsWort(zahl)), "");
    }
}

TEST(Numerale, OnlyCanonicalCapitalNumeralsAreRead)
{
    for (const char *text : {"", "IIII", "VX", "IC", "MMMM", "XM", "VV", "LL", "DD", "CCCC", "IIX", "mmxxiv", "XIV ",
                             "X1", "MMMCMXCIXI", "MMMMCMXCIX"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(S(RoemischAlsZahl(QString::fromLatin1(text))), "");
    }
}

TEST(Numerale, EveryNumberFromOneTo3999RoundTripsThroughItsNumeral)
{
    for (int zahl = 1; zahl <= 3999; ++zahl) {
        const QString roemisch = ZahlAlsRoemisch(zahl);
        ASSERT_EQ(RoemischAlsZahl(roemisch), QString::number(zahl)) << S(roemisch);
        ASSERT_FALSE(ZahlAlsWort(zahl).isEmpty()) << zahl;
    }
}

TEST(NumeralUmrechnen, TheInputFieldConvertsEitherWayAndCapitalisesNumerals)
{
    const char *bereich = "Es lassen sich nur Zahlen von 1 bis 3999 umrechnen.";
    const struct {
        const char *eingabe;
        bool roemisch;
        const char *feld;
        const char *umgerechnet;
        const char *wort;
        const char *meldung;
    } faelle[] = {
        {"3999", false, "3999", "MMMCMXCIX", "tria milia nongenti nonaginta novem", ""},
        {"mmxxiv", true, "MMXXIV", "2024", "duo milia viginti quattuor", ""},
        {"XviII", true, "XVIII", "18", "duodeviginti", ""},
        {"11", false, "11", "XI", "undecim", ""},
        {"0", true, "0", "", "", bereich},
        {"4000", true, "4000", "", "", bereich},
        {"99999999999999999999", true, "99999999999999999999", "", "", bereich},
        {"-5", true, "-5", "", "",
         "„-5“ ist keine gültige römische Zahl. Umrechnen lassen sich Zahlen von 1 bis 3999 und römische Zahlen wie "
         "MMXXIV."},
        {"iiii", true, "IIII", "", "",
         "„IIII“ ist keine gültige römische Zahl. Umrechnen lassen sich Zahlen von 1 bis 3999 und römische Zahlen "
         "wie MMXXIV."},
        {"12a", true, "12A", "", "",
         "„12A“ ist keine gültige römische Zahl. Umrechnen lassen sich Zahlen von 1 bis 3999 und römische Zahlen wie "
         "MMXXIV."},
        {"", true, "", "", "", ""},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.eingabe);
        const TNumeralErgebnis r = NumeralUmrechnen(QString::fromLatin1(f.eingabe));
        EXPECT_EQ(r.roemischEingabe, f.roemisch);
        EXPECT_EQ(S(r.eingabe), f.feld);
        EXPECT_EQ(S(r.umgerechnet), f.umgerechnet);
        EXPECT_EQ(S(r.wort), f.wort);
        EXPECT_EQ(S(r.meldung), f.meldung);
    }
}

} // namespace
} // namespace lexovita
