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

TEST(StaemmeAbleiten, FollowWordClassAndInflectionClassOfThePrincipalParts)
{
    const struct {
        const char *was;
        int32_t wortart, kd;
        const char *f1, *f2, *f3;
        int32_t flags;
        const char *staemme; // joined by blanks
    } faelle[] = {
        {"regular verb", WA_VERB, KD_A, "laudo", "laudavi", "laudatum", 0, "laud laudav laudat"},
        {"supine in -us", WA_VERB, KD_K, "rego", "rexi", "rectus", 0, "reg rex rect"},
        {"mixed conjugation cuts -io", WA_VERB, KD_G, "capio", "cepi", "captum", 0, "cap cep capt"},
        {"deponent: passive perfect, no third", WA_VERB, KD_A, "hortor", "hortatus sum", "hortatum", ATTR_DEPONENS,
         "hort hortat"},
        {"deponent of the mixed class", WA_VERB, KD_G, "patior", "passum sum", "", ATTR_DEPONENS, "pat pass"},
        {"semi-deponent keeps the active present", WA_VERB, KD_E, "audeo", "ausus sum", "", ATTR_SEMIDEPONENS,
         "aude aus"},
        {"verb without class", WA_VERB, KD_KEINE, "sum", "fui", "futurus", 0, "fu futur"},
        {"verb parts without fitting endings", WA_VERB, KD_A, "laudas", "laudavit", "laudata", 0, ""},
        {"repeated stem stored once", WA_VERB, KD_K, "defendo", "defendi", "defensum", 0, "defend defens"},
        {"third equal to the second", WA_ADVERB, KD_KEINE, "bene", "melius", "melius", 0, "bene melius"},
        {"stems lower-cased", WA_VERB, KD_A, "Laudo", "LAUDAvi", "laudatum", 0, "laud laudav laudat"},
        {"noun a", WA_SUBSTANTIV, KD_A, "rosae", "f", "", 0, "ros"},
        {"noun consonant", WA_SUBSTANTIV, KD_K, "regis", "m", "", 0, "reg"},
        {"noun u", WA_SUBSTANTIV, KD_U, "portus", "m", "", 0, "port"},
        {"noun e", WA_SUBSTANTIV, KD_E, "rei", "f", "", 0, "r"},
        {"noun o", WA_SUBSTANTIV, KD_O, "domini", "m", "", 0, "domin"},
        {"noun mixed", WA_SUBSTANTIV, KD_G, "urbis", "f", "", 0, "urb"},
        {"noun without class", WA_SUBSTANTIV, KD_KEINE, "rosae", "f", "", 0, ""},
        {"plural-only o", WA_SUBSTANTIV, KD_O, "castrorum", "n", "", 0, "castr"},
        {"plural-only a", WA_SUBSTANTIV, KD_A, "divitiarum", "f", "", 0, "diviti"},
        {"plural-only i", WA_SUBSTANTIV, KD_I, "moenium", "n", "", 0, "moen"},
        {"plural-only consonant", WA_SUBSTANTIV, KD_K, "maiorum", "m", "", 0, "maior"},
        {"plural-only u", WA_SUBSTANTIV, KD_U, "manuum", "f", "", 0, "man"},
        {"plural-only e", WA_SUBSTANTIV, KD_E, "dierum", "m", "", 0, "di"},
        {"genitive plural not of the class", WA_SUBSTANTIV, KD_A, "castrorum", "n", "", 0, ""},
        {"adjective o/a", WA_ADJEKTIV, KD_O, "bonus", "bona", "bonum", 0, "bon"},
        {"adjective of one ending", WA_ADJEKTIV, KD_I, "felicis", "", "", 0, "felic"},
        {"adjective of three endings", WA_ADJEKTIV, KD_I, "acer", "acris", "acre", 0, "acr"},
        {"adjective with two of three forms", WA_ADJEKTIV, KD_I, "acer", "acris", "", 0, ""},
        {"adjective without class: the forms", WA_ADJEKTIV, KD_KEINE, "nequam", "Nequam", "", 0, "nequam"},
        {"adverb keeps comparative and superlative", WA_ADVERB, KD_KEINE, "celerius", "celerrime", "zz", 0,
         "celerius celerrime"},
        {"pronoun", WA_PRONOMEN, KD_KEINE, "eius", "m", "", 0, ""},
        {"undetermined", WA_UNBESTIMMT, KD_A, "et", "et", "et", 0, ""},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.was);
        const TVokabel v = Eintrag(f.wortart, f.kd, "x", f.f1, f.f2, f.f3, f.flags);
        EXPECT_EQ(S(StaemmeAbleiten(v).join(QLatin1Char(' '))), f.staemme);
    }
}

TEST(AsciiKlein, LowerCasesOnlyAToZ)
{
    EXPECT_EQ(S(AsciiKlein(QStringLiteral("ÄBc"))), "Äbc");
}
