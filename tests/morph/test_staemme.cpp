#include "morph/staemme.h"
#include "morph_hilfe.h"

#include <gtest/gtest.h>

using namespace lexovita;
using test::Eintrag;
using test::S;

TEST(Praesensstamm, CutsTheFirstPrincipalPartByClassAndDeponency)
{
    EXPECT_EQ(S(Praesensstamm(Eintrag(WA_VERB, KD_A, "amare", "amo"))), "ama");
    EXPECT_EQ(S(Praesensstamm(Eintrag(WA_VERB, KD_E, "monere", "moneo"))), "mone");
    EXPECT_EQ(S(Praesensstamm(Eintrag(WA_VERB, KD_K, "regere", "rego"))), "reg");
    EXPECT_EQ(S(Praesensstamm(Eintrag(WA_VERB, KD_G, "capere", "capio"))), "capi");
    EXPECT_EQ(S(Praesensstamm(Eintrag(WA_VERB, KD_A, "hortari", "hortor", "", "", ATTR_DEPONENS))), "horta");
    EXPECT_EQ(S(Praesensstamm(Eintrag(WA_VERB, KD_K, "sequi", "sequor", "", "", ATTR_DEPONENS))), "sequ");
}

TEST(Praesensstamm, IsEmptyWithoutFirstPartOrVerbClass)
{
    EXPECT_EQ(S(Praesensstamm(Eintrag(WA_VERB, KD_A, "amare", ""))), "");
    EXPECT_EQ(S(Praesensstamm(Eintrag(WA_VERB, KD_O, "xare", "xo"))), "");
    EXPECT_EQ(S(Praesensstamm(Eintrag(WA_SUBSTANTIV, KD_A, "rosa", "rosae"))), "");
}

TEST(Perfektstamm, CutsFormTwoExceptForDeponents)
{
    EXPECT_EQ(S(Perfektstamm(Eintrag(WA_VERB, KD_A, "amare", "amo", "amavi"))), "amav");
    EXPECT_EQ(S(Perfektstamm(Eintrag(WA_VERB, KD_A, "hortari", "hortor", "hortatus sum", "", ATTR_DEPONENS))), "");
    EXPECT_EQ(S(Perfektstamm(Eintrag(WA_VERB, KD_E, "audere", "audeo", "ausus sum", "", ATTR_SEMIDEPONENS))),
              "ausus su");
}

TEST(Partizipstamm, EndsInUForEveryParticipleShape)
{
    EXPECT_EQ(S(Partizipstamm(Eintrag(WA_VERB, KD_A, "amare", "amo", "amavi", "amatum"))), "amatu");
    EXPECT_EQ(S(Partizipstamm(Eintrag(WA_VERB, KD_A, "amare", "amo", "amavi", "amatus"))), "amatu");
    EXPECT_EQ(S(Partizipstamm(Eintrag(WA_VERB, KD_A, "laudare", "laudo", "laudavi", "laudata"))), "laudatu");
    EXPECT_EQ(S(Partizipstamm(Eintrag(WA_VERB, KD_A, "hortari", "hortor", "hortatus sum", "", ATTR_DEPONENS))),
              "hortatu");
    EXPECT_EQ(S(Partizipstamm(Eintrag(WA_VERB, KD_E, "audere", "audeo", "ausus sum", "", ATTR_SEMIDEPONENS))), "ausu");
    EXPECT_EQ(S(Partizipstamm(Eintrag(WA_VERB, KD_K, "x", "xo", "xi", "fixe"))), "fixe");
}

TEST(Nominalstamm, FollowsClassAndNumberOfNouns)
{
    EXPECT_EQ(S(Nominalstamm(Eintrag(WA_SUBSTANTIV, KD_A, "rosa", "rosae", "f"))), "ros");
    EXPECT_EQ(S(Nominalstamm(Eintrag(WA_SUBSTANTIV, KD_O, "dominus", "domini", "m"))), "domin");
    EXPECT_EQ(S(Nominalstamm(Eintrag(WA_SUBSTANTIV, KD_K, "rex", "regis", "m"))), "reg");
    EXPECT_EQ(S(Nominalstamm(Eintrag(WA_SUBSTANTIV, KD_O, "castra", "castrorum", "n", "", ATTR_PLURALIS_TANTUM))),
              "castr");
    EXPECT_EQ(S(Nominalstamm(Eintrag(WA_SUBSTANTIV, KD_I, "moenia", "moenium", "n", "", ATTR_PLURALIS_TANTUM))),
              "moen");
    EXPECT_EQ(S(Nominalstamm(Eintrag(WA_SUBSTANTIV, KD_K, "opes", "opum", "f", "", ATTR_PLURALIS_TANTUM))), "op");
    EXPECT_EQ(S(Nominalstamm(Eintrag(WA_SUBSTANTIV, KD_KEINE, "x", "xis", "m"))), "");
    EXPECT_EQ(S(Nominalstamm(Eintrag(WA_SUBSTANTIV, KD_A, "rosa", "", "f"))), "");
}

TEST(Nominalstamm, TakesAdjectiveStemsFromTheRightPart)
{
    EXPECT_EQ(S(Nominalstamm(Eintrag(WA_ADJEKTIV, KD_O, "bonus", "boni", "bona", "bonum"))), "bon");
    EXPECT_EQ(S(Nominalstamm(Eintrag(WA_ADJEKTIV, KD_I, "acer", "acer", "acris", "acre"))), "acr");
    EXPECT_EQ(S(Nominalstamm(Eintrag(WA_ADJEKTIV, KD_I, "felix", "felicis"))), "felic");
    // Two of three parts: neither rule applies.
    EXPECT_EQ(S(Nominalstamm(Eintrag(WA_ADJEKTIV, KD_I, "x", "acer", "", "acre"))), "");
    // Class 8 is the o/a type as well.
    EXPECT_EQ(S(Nominalstamm(Eintrag(WA_ADJEKTIV, KD_A, "bonus", "boni", "bona", "bonum"))), "bon");
    EXPECT_EQ(S(Nominalstamm(Eintrag(WA_ADJEKTIV, KD_U, "bonus", "boni", "bona", "bonum"))), "");
}
