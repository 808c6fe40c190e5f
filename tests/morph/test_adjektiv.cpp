#include "morph/adjektivformen.h"
#include "morph/formid.h"
#include "morph_hilfe.h"

#include <gtest/gtest.h>

using namespace lexovita;
using namespace lexovita::test;

namespace {
TVokabel Bonus()
{
    return Eintrag(WA_ADJEKTIV, KD_O, "bonus", "boni", "bona", "bonum");
}
TVokabel Acer()
{
    return Eintrag(WA_ADJEKTIV, KD_I, "acer", "acer", "acris", "acre");
}
constexpr int32_t M = fid::MASKULINUM, F = fid::FEMININUM;
} // namespace

TEST(Positiv, DeclinesTheSelectedGenderWithLabelsWithoutTrailingBlank)
{
    TFormenmanager m;
    m.FormenErzeugen(Bonus(), fid::POSITIV | F);
    EXPECT_EQ(Texte(m), "bona, bonae, bonae, bonam, bona, bonae, bonarum, bonis, bonas, bonis");
    EXPECT_EQ(m.Ergebnisliste().front().formId, 0xC2000);
    EXPECT_EQ(m.Ergebnisliste().back().formId, 0xD4000);
    EXPECT_EQ(S(m.Ergebnisliste().front().bezeichnung), "Nominativ Sg. femininum");
}

TEST(Adjektivselektor, NeedsADegreeAndReadsGenderZeroAsNeuter)
{
    EXPECT_EQ(Erzeugt(Bonus(), F), "");
    EXPECT_EQ(Erzeugt(Bonus(), fid::NOM_SG), "");
    TFormenmanager m;
    m.FormenErzeugen(Bonus(), fid::POSITIV | fid::NOM_SG);
    EXPECT_EQ(Texte(m), "bonum");
    EXPECT_EQ(Ids(m), std::vector<int32_t>{fid::NEUTRUM | fid::POSITIV | fid::NOM_SG});
}

TEST(Steigerung, BuildsComparativeSuperlativeAndAdverbsOfAnIAdjective)
{
    EXPECT_EQ(Erzeugt(Acer(), fid::KOMPARATIV | M | fid::NOM_SG), "acrior");
    EXPECT_EQ(Erzeugt(Acer(), fid::KOMPARATIV | fid::NOM_SG), "acrius");
    EXPECT_EQ(Erzeugt(Acer(), fid::SUPERLATIV | M | fid::NOM_SG), "acerrimus");
    TFormenmanager m;
    m.FormenErzeugen(Acer(), fid::ADVERB);
    EXPECT_EQ(Texte(m), "acriter, acrius, acerrime");
    EXPECT_EQ(Ids(m), (std::vector<int32_t>{0x280000, 0x300000, 0x380000}));
    EXPECT_EQ(S(m.Ergebnisliste()[1].bezeichnung), "Adverb im Komparativ (von acer)");
    EXPECT_EQ(Erzeugt(Acer(), fid::ADVERB | fid::SUPERLATIV), "acerrime");
}

TEST(Steigerung, UsesMagisAndMaximeForAdjectivesInVowelUs)
{
    const TVokabel idoneus = Eintrag(WA_ADJEKTIV, KD_O, "idoneus", "idonei", "idonea", "idoneum");
    TFormenmanager m;
    m.FormenErzeugen(idoneus, fid::KOMPARATIV | M | fid::NOM_SG);
    EXPECT_EQ(Texte(m), "magis idoneus");
    EXPECT_EQ(Ids(m), std::vector<int32_t>{0x122000});
    EXPECT_EQ(S(m.Ergebnisliste()[0].bezeichnung), "Nominativ Sg. maskulinum Komparativ");
    EXPECT_EQ(Erzeugt(idoneus, fid::SUPERLATIV | F | fid::GEN_PL), "maxime idonearum");
}

TEST(Steigerung, InsertsEntForFicusAndVolus)
{
    const TVokabel b = Eintrag(WA_ADJEKTIV, KD_O, "beneficus", "benefici", "benefica", "beneficum");
    EXPECT_EQ(Erzeugt(b, fid::KOMPARATIV | M | fid::NOM_SG), "beneficentior");
    EXPECT_EQ(Erzeugt(b, fid::SUPERLATIV | M | fid::NOM_SG), "beneficentissimus");
}

TEST(Steigerung, OneEndingAdjectiveTakesItsStemFromTheGenitive)
{
    const TVokabel prudens = Eintrag(WA_ADJEKTIV, KD_I, "prudens", "prudentis");
    EXPECT_EQ(Erzeugt(prudens, fid::ADVERB | fid::POSITIV), "prudenter");
    EXPECT_EQ(Erzeugt(prudens, fid::POSITIV | F | fid::NOM_SG), "prudens");
    EXPECT_EQ(Erzeugt(prudens, fid::POSITIV | fid::AKK_SG), "prudens");
    EXPECT_EQ(Erzeugt(Eintrag(WA_ADJEKTIV, KD_I, "felix", "felicis"), fid::ADVERB | fid::POSITIV), "feliciter");
}

TEST(Steigerung, WithoutStemKeepsRecordsButNoTexts)
{
    const TVokabel leer = Eintrag(WA_ADJEKTIV, KD_O, "bonus", "boni", "", "bonum");
    EXPECT_EQ(Erzeugt(leer, fid::POSITIV | M), ", , , , , , , , , ");
    EXPECT_EQ(Erzeugt(leer, fid::ADVERB), ", , ");
}

TEST(Partizipien, DeclineOnThePresentAndParticipleStems)
{
    const TVokabel amare = Eintrag(WA_VERB, KD_A, "amare", "amo", "amavi", "amatum");
    const TVokabel audire = Eintrag(WA_VERB, KD_I, "audire", "audio", "audivi", "auditum");
    EXPECT_EQ(Erzeugt(amare, fid::PARTIZIP | fid::PERFEKT | F | fid::DAT_SG), "amatae");
    EXPECT_EQ(Erzeugt(amare, fid::PARTIZIP | fid::PERFEKT | fid::NOM_SG), "amatum");
    EXPECT_EQ(Erzeugt(amare, fid::PARTIZIP | fid::FUTUR1 | M | fid::NOM_SG), "amaturus");
    EXPECT_EQ(Erzeugt(audire, fid::PARTIZIP | fid::PRAESENS | M | fid::GEN_SG), "audientis");
    EXPECT_EQ(Erzeugt(audire, fid::PARTIZIP | fid::PRAESENS | fid::AKK_SG), "audiens");
    EXPECT_EQ(Erzeugt(audire, fid::GERUNDIVUM | M | fid::NOM_SG), "audiendus");
    EXPECT_EQ(
        Erzeugt(Eintrag(WA_VERB, KD_A, "laudare", "laudo", "laudavi", "laudatum"), fid::GERUNDIVUM | F | fid::DAT_SG),
        "laudandae");
}

TEST(Partizipien, TakeThePerfectVoiceFromTheSelectorOnly)
{
    const TVokabel hortari = Eintrag(WA_VERB, KD_A, "hortari", "hortor", "hortatus sum", "", ATTR_DEPONENS);
    TFormenmanager m;
    m.FormenErzeugen(hortari, fid::PARTIZIP | fid::AKTIV | fid::PERFEKT | M | fid::NOM_SG);
    EXPECT_EQ(Texte(m), "hortatus");
    EXPECT_EQ(S(m.Ergebnisliste()[0].bezeichnung), "Partizip Perfekt Aktiv Nominativ Sg. maskulinum");
    m.Zuruecksetzen();
    m.FormenErzeugen(hortari, fid::PARTIZIP | fid::PERFEKT | M | fid::NOM_SG);
    EXPECT_EQ(Ids(m), std::vector<int32_t>{M | fid::PARTIZIP | fid::PASSIV | fid::PERFEKT | fid::NOM_SG});
}
