// Lines of a pasted word list as pupils copy them from textbooks and
// teachers' sheets: where Latin ends, which forms and gender it gives, what
// the abbreviated endings stand for, and which lines are no vocabulary.
#include "morph/vokabelzeile.h"

#include <gtest/gtest.h>

using namespace lexovita;

namespace {

struct Fall {
    const char *zeile;
    bool lesbar;
    const char *stichwort;
    const char *formen; // joined by "|"
    const char *genus;
    const char *deutsch;
};

TEST(Vokabelzeile, TypischeZeilenformen)
{
    const Fall faelle[] = {
        {"amare", true, "amare", "", "", ""},
        {"amo, amavi, amatum – lieben", true, "amo", "amavi|amatum", "", "lieben"},
        {"puella, -ae f. Mädchen", true, "puella", "puellae", "f", "Mädchen"},
        {"rex, regis m. König", true, "rex", "regis", "m", "König"},
        {"bonus, -a, -um gut", true, "bonus", "bona|bonum", "", "gut"},
        {"laudāre, laudō, laudāvī, laudātum loben", true, "laudāre", "laudō|laudāvī|laudātum", "", "loben"},
        // Separators: tab columns, dashes of every length, colon, equals sign.
        {"amare\tamo, amavi, amatum\tlieben, gern haben", true, "amare", "amo|amavi|amatum", "", "lieben, gern haben"},
        {"dominus, -i m - Herr; Hausherr", true, "dominus", "domini", "m", "Herr; Hausherr"},
        {"consul, -is m. — Konsul", true, "consul", "consulis", "m", "Konsul"},
        {"urbs, urbis f.: Stadt", true, "urbs", "urbis", "f", "Stadt"},
        {"pater, -tris m = Vater", true, "pater", "patris", "m", "Vater"},
        // A dash after a comma is a missing part, not the separator.
        {"timeo, timui, – fürchten", true, "timeo", "timui|", "", "fürchten"},
        // Gender as its own part, case notes, several words of German.
        {"corpus, -oris, n. Körper, Leib", true, "corpus", "corporis", "n", "Körper, Leib"},
        {"a, ab + Abl. von, von … her", true, "a", "ab", "", "von, von … her"},
        {"civis, -is m./f. Bürger(in)", true, "civis", "civis", "p", "Bürger(in)"},
        {"res publica, rei publicae f. – Staat", true, "res publica", "rei publicae", "f", "Staat"},
        {"hortor, hortatus sum ermahnen", true, "hortor", "hortatus sum", "", "ermahnen"},
        {"pulcher, -chra, -chrum schön", true, "pulcher", "pulchra|pulchrum", "", "schön"},
        // Numbering and bullets in front.
        {"1. rosa, -ae f. Rose", true, "rosa", "rosae", "f", "Rose"},
        {"12) homo, -inis m. Mensch", true, "homo", "hominis", "m", "Mensch"},
        {"• miles, -itis m. Soldat", true, "miles", "militis", "m", "Soldat"},
        {"- felix, -icis glücklich", true, "felix", "felicis", "", "glücklich"},
        {"b) animal, -alis n. Tier", true, "animal", "animalis", "n", "Tier"},
        // Junk: headings, page numbers, dashes, German only.
        {"Lektion 3", false, "Lektion", "", "", "3"},
        {"Vokabeln:", false, "", "", "", ""},
        {"----------", false, "----------", "", "", ""},
        {"17", false, "", "", "", ""},
        {"Wörter zum Lernen", false, "Wörter", "", "", "zum Lernen"},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.zeile);
        const TListenzeile z = ListenzeileLesen(QString::fromUtf8(f.zeile));
        EXPECT_EQ(z.lesbar, f.lesbar);
        EXPECT_EQ(z.stichwort, QString::fromUtf8(f.stichwort));
        EXPECT_EQ(z.formen.join(QLatin1Char('|')), QString::fromUtf8(f.formen));
        EXPECT_EQ(z.genus, QString::fromUtf8(f.genus));
        EXPECT_EQ(z.deutsch, QString::fromUtf8(f.deutsch));
    }
}

TEST(Vokabelzeile, LeereZeilenFallenWegUndAbkuerzungenWerdenAusgeschrieben)
{
    const auto zeilen = ListeLesen(QStringLiteral("amare\n\n  \r\nrosa, -ae f. Rose\r\n"));
    ASSERT_EQ(zeilen.size(), 2U);
    EXPECT_EQ(zeilen[1].text, QStringLiteral("rosa, -ae f. Rose"));

    // Headword, abbreviation, written out.
    const char *const endungen[][3] = {
        {"dominus", "-i", "domini"},   {"filius", "-i", "filii"},  {"templum", "-i", "templi"},
        {"nomen", "-inis", "nominis"}, {"mos", "-oris", "moris"},  {"res", "-ei", "rei"},
        {"dies", "-ei", "diei"},       {"mare", "-is", "maris"},   {"omnis", "-e", "omne"},
        {"ille", "-ud", "illud"},      {"liber", "-bri", "libri"}, {"miser", "-era", "misera"},
        {"dux", "-cis", "ducis"},      {"ars", "-tis", "artis"},   {"Caesar", "-aris", "Caesaris"},
        {"senatus", "-us", "senatus"}, {"rosa", "rosae", "rosae"}, {"puella", "–ae", "puellae"},
        {"pŭĕlla", "-āe", "pŭĕllāe"},
    };
    for (const auto &e : endungen)
        EXPECT_EQ(EndungErgaenzen(QString::fromUtf8(e[0]), QString::fromUtf8(e[1])), QString::fromUtf8(e[2]))
            << e[0] << " " << e[1];

    // First person and parts, infinitive.
    const char *const verben[][3] = {
        {"amo", "amavi|amatum", "amare"},
        {"do", "dedi|datum", "dare"},
        {"moneo", "monui|monitum", "monere"},
        {"audio", "audivi|auditum", "audire"},
        {"capio", "cepi|captum", "capere"},
        {"duco", "duxi|ductum", "ducere"},
        {"hortor", "hortatus sum", "hortari"},
        {"vereor", "veritus sum", "vereri"},
        {"sequor", "secutus sum", "sequi"},
        {"laudō", "laudāvī|laudātum", "laudare"},
        {"puella", "puellae", ""},
        {"amo", "", ""},
    };
    for (const auto &v : verben)
        EXPECT_EQ(InfinitivAusErsterPerson(QString::fromUtf8(v[0]),
                                           QString::fromUtf8(v[1]).split(QLatin1Char('|'), Qt::SkipEmptyParts)),
                  QString::fromUtf8(v[2]))
            << v[0];
}

} // namespace
