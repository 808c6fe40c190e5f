#include "render/kopffuss.h"

#include <gtest/gtest.h>

#include "qt_ausgabe.h"

using namespace lexovita;

TEST(KopfFuss, EachChoiceAndAlignmentGivesItsCode)
{
    const struct {
        const char *auswahl;
        TAusrichtung ausrichtung;
        const char *code;
    } faelle[] = {
        {"(Datum)", TAusrichtung::Links, "&d"},
        {"(Seite x)", TAusrichtung::Mitte, "&bSeite &p&b"},
        {"(Seite x von X)", TAusrichtung::Rechts, "&bSeite &p von &P"},
        {"(Name der Lektion)", TAusrichtung::Links, "Lektion 3: Tom &&&& Jerry"},
        {"Klasse 7b", TAusrichtung::Mitte, "&bKlasse 7b&b"},
        {"", TAusrichtung::Rechts, "&b"},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(KopfFussCode(QString::fromUtf8(f.auswahl), f.ausrichtung, QStringLiteral("Lektion 3: Tom && Jerry")),
                  QString::fromUtf8(f.code))
            << f.auswahl;
}

TEST(KopfFuss, ACodeResolvesPerPageIntoLeftCentreAndRight)
{
    const struct {
        const char *code;
        const char *links, *mitte, *rechts;
    } faelle[] = {
        {"&d", "31.12.2024", "", ""},
        {"&bSeite &p von &P", "", "", "Seite 2 von 5"},
        {"&bSeite &p&b", "", "Seite 2", ""},
        {"links&bmitte&brechts&bmehr", "links", "mitte", "rechtsmehr"},
        // A doubled ampersand is one; an unknown code and a trailing & stay.
        {"Tom &&&b Jerry &x &", "Tom &", "", " Jerry &x &"},
        {"", "", "", ""},
    };
    for (const auto &f : faelle) {
        const TKopfFussZeile z = KopfFussAufloesen(QString::fromUtf8(f.code), QStringLiteral("31.12.2024"), 2, 5);
        EXPECT_EQ(z.links, QString::fromUtf8(f.links)) << f.code;
        EXPECT_EQ(z.mitte, QString::fromUtf8(f.mitte)) << f.code;
        EXPECT_EQ(z.rechts, QString::fromUtf8(f.rechts)) << f.code;
    }
    // A lesson name with "&b" in it stays one text after the round trip.
    const QString code = KopfFussCode(QStringLiteral("(Name der Lektion)"), TAusrichtung::Rechts, "A&b");
    EXPECT_EQ(KopfFussAufloesen(code, {}, 1, 1).rechts, "A&b");
}
