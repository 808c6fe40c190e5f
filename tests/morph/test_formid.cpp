#include "morph/formid.h"
#include "morph_hilfe.h"

#include <gtest/gtest.h>

using namespace lexovita;
using test::S;

TEST(FormBezeichnung, NamesFiniteFormsWithPersonTenseVoiceAndMood)
{
    EXPECT_EQ(S(FormBezeichnung(329)), "1. Prs. Sg. Präsens Aktiv Indikativ");
    EXPECT_EQ(S(FormBezeichnung(686)), "3. Prs. Pl. Plusquamperfekt Passiv Konjunktiv");
    EXPECT_EQ(S(FormBezeichnung(fid::INDIKATIV | fid::FUTUR2 | fid::P2_PL)), "2. Prs. Pl. Futur 2 Indikativ");
    EXPECT_EQ(S(FormBezeichnung(211)), "3. Prs. Sg. Imperativ II");
    EXPECT_EQ(S(FormBezeichnung(202)), "2. Prs. Sg. Imperativ I");
}

TEST(FormBezeichnung, NamesNominalFormsOfTheVerb)
{
    EXPECT_EQ(S(FormBezeichnung(5121)), "Supinum I");
    EXPECT_EQ(S(FormBezeichnung(5122)), "Supinum II");
    EXPECT_EQ(S(FormBezeichnung(0x908)), "Infinitiv Präsens Aktiv");
    EXPECT_EQ(S(FormBezeichnung(0x818)), "Infinitiv Futur Aktiv"); // voice 0 reads as Aktiv
    EXPECT_EQ(S(FormBezeichnung(0xA20)), "Infinitiv Perfekt Passiv");
    EXPECT_EQ(S(FormBezeichnung(0x5000)), "Gerundium Genitiv Sg.");
    EXPECT_EQ(S(FormBezeichnung(0x40620 | fid::DAT_SG)), "Partizip Perfekt Passiv Dativ Sg. femininum");
    EXPECT_EQ(S(FormBezeichnung(0x60C00 | fid::NOM_PL)), "Gerundivum Nominativ Pl. neutrum");
}

TEST(FormBezeichnung, NamesCasesAdjectivesAndAdverbs)
{
    EXPECT_EQ(S(FormBezeichnung(0x4000)), "Genitiv Sg.");
    EXPECT_EQ(S(FormBezeichnung(0x800000 | fid::ABL_PL)), "Ablativ Pl.");
    EXPECT_EQ(S(FormBezeichnung(0xA2000)), "Nominativ Sg. maskulinum "); // trailing blank of the positive
    EXPECT_EQ(S(FormBezeichnung(0x122000)), "Nominativ Sg. maskulinum Komparativ");
    EXPECT_EQ(S(FormBezeichnung(fid::SUPERLATIV | fid::AKK_PL)), "Akkusativ Pl. Superlativ");
    EXPECT_EQ(S(FormBezeichnung(0x300000)), "Adverb im Komparativ");
    EXPECT_EQ(S(FormBezeichnung(0x280000)), "Adverb");
    EXPECT_EQ(S(FormBezeichnung(0x100000)), ""); // a degree alone names nothing
    EXPECT_EQ(S(FormBezeichnung(0)), "");
}

TEST(WortartDerForm, ClassifiesByTheGroupsThatAreSet)
{
    EXPECT_EQ(WortartDerForm(329), 1);
    EXPECT_EQ(WortartDerForm(0x908), 1);
    EXPECT_EQ(WortartDerForm(0x20508 | fid::NOM_SG), 1);
    EXPECT_EQ(WortartDerForm(fid::NOM_SG | fid::NEUTRUM), 2);
    EXPECT_EQ(WortartDerForm(fid::NOM_SG | fid::POSITIV), 5);
    EXPECT_EQ(WortartDerForm(0x280000), 5);
    EXPECT_EQ(WortartDerForm(fid::ADVERB | 1), 5);
    EXPECT_EQ(WortartDerForm(fid::KOMPARATIV), 0);
}
