#include "numerale.h"

#include <array>

namespace lexovita {

namespace {

constexpr int kGroesste = 3999;

// Roman digits per place, index = decimal digit.
const std::array<const char *, 10> kEiner = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
const std::array<const char *, 10> kZehner = {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"};
const std::array<const char *, 10> kHunderter = {"", "C", "CC", "CCC", "CD", "D", "DC", "DCC", "DCCC", "CM"};
const std::array<const char *, 4> kTausender = {"", "M", "MM", "MMM"};

const std::array<const char *, 10> kWortEiner = {"",         "unus ", "duo ",    "tres ", "quattuor ",
                                                 "quinque ", "sex ",  "septem ", "octo ", "novem "};
const std::array<const char *, 10> kWortZehner = {
    "",           "decem ",       "viginti ",   "triginta ", "quadraginta ", "quinquaginta ",
    "sexaginta ", "septuaginta ", "octoginta ", "nonaginta "};
const std::array<const char *, 10> kWortHunderter = {
    "",           "centum ",   "ducenti ",     "trecenti ",   "quadringenti ",
    "quingenti ", "sescenti ", "septingenti ", "octingenti ", "nongenti "};
const std::array<const char *, 4> kWortTausender = {"", "mille ", "duo milia ", "tria milia "};

QString Fest(int n)
{
    switch (n) {
    case 11:
        return QStringLiteral("undecim");
    case 12:
        return QStringLiteral("duodecim");
    case 13:
        return QStringLiteral("tredecim");
    case 14:
        return QStringLiteral("quattuordecim");
    case 15:
        return QStringLiteral("quindecim");
    case 16:
        return QStringLiteral("sedecim");
    case 17:
        return QStringLiteral("septendecim");
    case 98:
        return QStringLiteral("nonaginta octo");
    case 99:
        return QStringLiteral("nonaginta novem");
    default:
        return {};
    }
}

// The value of one Roman digit, 0 for any other character.
int Ziffernwert(QChar c)
{
    switch (c.unicode()) {
    case 'I':
        return 1;
    case 'V':
        return 5;
    case 'X':
        return 10;
    case 'L':
        return 50;
    case 'C':
        return 100;
    case 'D':
        return 500;
    case 'M':
        return 1000;
    default:
        return 0;
    }
}

} // namespace

QString ZahlAlsRoemisch(int n)
{
    if (n < 1 || n > kGroesste)
        return {};
    return QLatin1String(kTausender[n / 1000]) + QLatin1String(kHunderter[n / 100 % 10]) +
           QLatin1String(kZehner[n / 10 % 10]) + QLatin1String(kEiner[n % 10]);
}

QString RoemischAlsZahl(const QString &text)
{
    // Read the value additively with subtraction, then accept it only if
    // writing it back gives the same text: that admits exactly the canonical
    // numerals without searching all of them.
    int summe = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int wert = Ziffernwert(text[i]);
        if (wert == 0)
            return {};
        const int naechster = i + 1 < text.size() ? Ziffernwert(text[i + 1]) : 0;
        summe += naechster > wert ? -wert : wert;
        if (summe > 4 * kGroesste)
            return {};
    }
    if (summe < 1 || ZahlAlsRoemisch(summe) != text)
        return {};
    return QString::number(summe);
}

QString ZahlAlsWort(int n)
{
    if (n < 1 || n > kGroesste)
        return {};
    const QString fest = Fest(n);
    if (!fest.isEmpty())
        return fest;
    const int e = n % 10;
    const int z = n / 10 % 10;
    if (n < 10)
        return QLatin1String(kWortEiner[e]);
    if (n < 100) {
        // 18, 19, 28, 29, ...: counted down from the next ten (98 and 99
        // are fixed words, so the next ten is at most ninety).
        if (e == 9)
            return QStringLiteral("unde") + QLatin1String(kWortZehner[z + 1]);
        if (e == 8)
            return QStringLiteral("duode") + QLatin1String(kWortZehner[z + 1]);
        return QLatin1String(kWortZehner[z]) + QLatin1String(kWortEiner[e]);
    }
    return QLatin1String(kWortTausender[n / 1000]) + QLatin1String(kWortHunderter[n / 100 % 10]) +
           QLatin1String(kWortZehner[z]) + QLatin1String(kWortEiner[e]);
}

TNumeralErgebnis NumeralUmrechnen(const QString &eingabe)
{
    TNumeralErgebnis r;
    r.eingabe = eingabe;
    bool nurZiffern = !eingabe.isEmpty();
    for (const QChar c : eingabe)
        nurZiffern = nurZiffern && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    int zahl = 0;
    if (nurZiffern) {
        bool ok = false;
        zahl = eingabe.toInt(&ok);
        if (!ok)
            zahl = 0;
    }
    if (zahl >= 1 && zahl <= kGroesste) {
        r.umgerechnet = ZahlAlsRoemisch(zahl);
        r.wort = ZahlAlsWort(zahl).trimmed();
        return r;
    }
    r.roemischEingabe = true;
    QString gross = eingabe;
    for (QChar &c : gross) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    r.eingabe = gross;
    r.umgerechnet = RoemischAlsZahl(gross);
    if (!r.umgerechnet.isEmpty())
        r.wort = ZahlAlsWort(r.umgerechnet.toInt()).trimmed();
    else if (nurZiffern)
        r.meldung = QStringLiteral("Es lassen sich nur Zahlen von 1 bis 3999 umrechnen.");
    else if (!eingabe.isEmpty())
        r.meldung = QStringLiteral("„%1“ ist keine gültige römische Zahl. Umrechnen lassen sich Zahlen von 1 bis 3999 "
                                   "und römische Zahlen wie MMXXIV.")
                        .arg(gross);
    return r;
}

} // namespace lexovita
