// Which vowel lengths the reading text shows for a word: one length, lengths
// told apart by agreement in the sentence, or none with the readings listed.
#include "textmode/laengenwahl.h"

#include <gtest/gtest.h>

namespace lexovita {
namespace {

// Case values: singular nominative 0x2000, ablative 0xA000, plural nominative 0xC000.
constexpr int32_t NomSg = 0x2000, AblSg = 0xA000, NomPl = 0xC000;
constexpr int32_t M = 0x20000, F = 0x40000, N = 0x60000;
// Verb forms: person 3 singular of two tenses, no case.
constexpr int32_t Praes3 = 0x1003, Perf3 = 0x1103;

TEST(Laengenwahl, OneLengthAgreementOrTheReadingsListed)
{
    const TTextwort magna{0,
                          QStringLiteral("Magna"),
                          {{NomSg | F, QStringLiteral("Nom. Sg. f."), QStringLiteral("magna")},
                           {AblSg | F, QStringLiteral("Abl. Sg. f."), QStringLiteral("magnā")},
                           {NomPl | N, QStringLiteral("Nom. Pl. n."), QStringLiteral("magna")}}};
    const TTextwort cum{6, QStringLiteral("cum"), {{0x100, QStringLiteral("Präposition"), QStringLiteral("cum")}}};
    const TTextwort laude{
        10, QStringLiteral("laude"), {{AblSg | F, QStringLiteral("Abl. Sg."), QStringLiteral("laude")}}};
    const TTextwort rosa{0,
                         QStringLiteral("rosa"),
                         {{NomSg | F, QStringLiteral("Nom. Sg."), QStringLiteral("rosa")},
                          {AblSg | F, QStringLiteral("Abl. Sg."), QStringLiteral("rosā")}}};
    const TTextwort parva{5,
                          QStringLiteral("parva"),
                          {{NomSg | F, QStringLiteral("Nom. Sg. f."), QStringLiteral("parva")},
                           {AblSg | F, QStringLiteral("Abl. Sg. f."), QStringLiteral("parvā")}}};
    const TTextwort dominus{
        11, QStringLiteral("dominus"), {{NomSg | M, QStringLiteral("Nom. Sg."), QStringLiteral("dominus")}}};
    const TTextwort venit{0,
                          QStringLiteral("Venit"),
                          {{Praes3, QStringLiteral("3. Sg. Präs."), QStringLiteral("venit")},
                           {Perf3, QStringLiteral("3. Sg. Perf."), QStringLiteral("vēnit")}}};
    const TTextwort amo{0, QStringLiteral("AMO"), {{1, QStringLiteral("1. Sg."), QStringLiteral("amō")}}};
    const TTextwort romaque{
        0, QStringLiteral("Romaque"), {{AblSg | F, QStringLiteral("Abl. Sg."), QStringLiteral("Rōmā")}}};
    const TTextwort ohne{
        0,
        QStringLiteral("rosa"),
        {{NomSg | F, QStringLiteral("Nom. Sg."), QString()}, {AblSg | F, QStringLiteral("Abl. Sg."), QString()}}};
    const TTextwort einerOhne{0,
                              QStringLiteral("rosa"),
                              {{NomSg | F, QStringLiteral("Nom. Sg."), QStringLiteral("rosa")},
                               {AblSg | F, QStringLiteral("Abl. Sg."), QString()}}};

    struct Fall {
        const char *was;
        TTextwort wort;
        std::vector<TTextwort> satz;
        QString text;
        bool kongruenz;
        QString hinweis;
    };
    const Fall faelle[] = {
        {"one reading: its macrons, letter case as written", amo, {amo}, QStringLiteral("AMŌ"), false, {}},
        {"readings of one spelling need no agreement", laude, {laude}, QStringLiteral("laude"), false, {}},
        {"an enclitic after the form stays unmarked", romaque, {romaque}, QStringLiteral("Rōmāque"), false, {}},
        {"the only reading agreeing with another word decides",
         magna,
         {magna, cum, laude},
         QStringLiteral("Magnā"),
         true,
         {}},
        {"a word does not agree with itself",
         rosa,
         {rosa},
         {},
         false,
         QStringLiteral("rosa: Nom. Sg.\nrosā: Abl. Sg.")},
        {"readings of both lengths agree: undecided",
         rosa,
         {rosa, parva},
         {},
         false,
         QStringLiteral("rosa: Nom. Sg.\nrosā: Abl. Sg.")},
        {"nothing to agree with (other gender, verb forms): undecided",
         rosa,
         {rosa, dominus},
         {},
         false,
         QStringLiteral("rosa: Nom. Sg.\nrosā: Abl. Sg.")},
        {"forms without case never agree",
         venit,
         {venit, dominus},
         {},
         false,
         QStringLiteral("Venit: 3. Sg. Präs.\nVēnit: 3. Sg. Perf.")},
        {"a reading without lengths makes the word undecided",
         einerOhne,
         {einerOhne},
         {},
         false,
         QStringLiteral("rosa: Nom. Sg.\nrosa: Abl. Sg.")},
        {"no reading with lengths: nothing shown, no hint", ohne, {ohne}, {}, false, {}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.was);
        const TLaengenwahl wahl = LaengeWaehlen(f.wort, f.satz);
        EXPECT_EQ(wahl.text, f.text);
        EXPECT_EQ(wahl.kongruenz, f.kongruenz);
        EXPECT_EQ(wahl.hinweis, f.hinweis);
    }
}

TEST(Laengenwahl, MacronsGoOntoTheWordOnlyWhereTheLettersMatch)
{
    struct Fall {
        const char *wort, *markiert, *erwartet;
    };
    const Fall faelle[] = {
        {"Iulius", "Jūlius", "Iūlius"}, // j and i are one letter
        {"uenit", "vēnit", "uēnit"},    // so are v and u
        {"rēx", "rēx", "rēx"},          // a mark already typed stays
        {"Rex", "rĕx", "Rex"},          // a breve is no length to show
        {"rosa", "rosam", ""},          // longer than the word
        {"rosa", "rota", ""},           // another word
        {"amant", "amant", "amant"},    // nothing long
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.wort);
        EXPECT_EQ(LaengenUebertragen(QString::fromUtf8(f.wort), QString::fromUtf8(f.markiert)),
                  QString::fromUtf8(f.erwartet));
    }
}

} // namespace
} // namespace lexovita
