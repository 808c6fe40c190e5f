#pragma once

#include <QString>
#include <QStringList>

namespace lexovita {

// Page header and footer of printed lessons. A choice of the print window
// becomes a code in the classic page-setup notation ("&d" date, "&p" page,
// "&P" page count, "&b" alignment separator, "&&" an ampersand); the print
// routine resolves the code per page. Keeping the code lets the choice be
// stored and compared as one text.

enum class TAusrichtung { Links, Mitte, Rechts };

// The fixed choices of the header and footer boxes, in list order:
// "(Datum)", "(Seite x)", "(Seite x von X)", "(Name der Lektion)". Any other
// text is free text.
QStringList KopfFussAuswahl();
// The alignment names "links", "mitte", "rechts".
QStringList AusrichtungAuswahl();

// The code of one header or footer: a fixed choice becomes its code, free
// text stays as typed (it may hold codes itself). The lesson name is taken
// literally. Centre wraps the text in "&b", right puts "&b" in front.
QString KopfFussCode(const QString &auswahl, TAusrichtung ausrichtung, const QString &lektionsname);

struct TKopfFussZeile {
    QString links, mitte, rechts;
    bool Leer() const { return links.isEmpty() && mitte.isEmpty() && rechts.isEmpty(); }
};

// Resolves a code for one page: up to two "&b" split it into left, centre
// and right (one "&b": left and right); an unknown code stays as written.
TKopfFussZeile KopfFussAufloesen(const QString &code, const QString &datum, int seite, int seiten);

} // namespace lexovita
