#include "store/hilfen.h"
#include "store/staemme.h"

using namespace lexovita;
using namespace lexovita::test;

namespace {

QStringList Staemme(int32_t wortart, int32_t klasse, const QString &f1, const QString &f2 = {},
                    const QString &f3 = {}, int32_t flags = 0)
{
    auto v = Eintrag(QStringLiteral("x"), wortart, klasse, f1, f2, f3);
    v->attribute |= flags;
    return StaemmeAbleiten(*v);
}

using QL = QStringList;

} // namespace

TEST(StaemmeAbleiten, RegularVerbGivesPresentPerfectAndSupineStems)
{
    EXPECT_EQ(Staemme(WA_VERB, KD_A, "laudo", "laudavi", "laudatum"), (QL{"laud", "laudav", "laudat"}));
    EXPECT_EQ(Staemme(WA_VERB, KD_K, "rego", "rexi", "rectus"), (QL{"reg", "rex", "rect"}));
}

TEST(StaemmeAbleiten, MixedConjugationCutsIo)
{
    EXPECT_EQ(Staemme(WA_VERB, KD_G, "capio", "cepi", "captum"), (QL{"cap", "cep", "capt"}));
}

TEST(StaemmeAbleiten, DeponentUsesPassivePerfectAndHasNoThirdStem)
{
    EXPECT_EQ(Staemme(WA_VERB, KD_A, "hortor", "hortatus sum", "hortatum", ATTR_DEPONENS), (QL{"hort", "hortat"}));
    EXPECT_EQ(Staemme(WA_VERB, KD_G, "patior", "passum sum", {}, ATTR_DEPONENS), (QL{"pat", "pass"}));
}

TEST(StaemmeAbleiten, SemideponentKeepsActivePresentStem)
{
    EXPECT_EQ(Staemme(WA_VERB, KD_E, "audeo", "ausus sum", {}, ATTR_SEMIDEPONENS), (QL{"aude", "aus"}));
}

TEST(StaemmeAbleiten, VerbWithoutKnownConjugationOrFittingEndingsGetsFewerStems)
{
    EXPECT_EQ(Staemme(WA_VERB, KD_KEINE, "sum", "fui", "futurus"), (QL{"fu", "futur"}));
    EXPECT_EQ(Staemme(WA_VERB, KD_A, "laudas", "laudavit", "laudata"), QL{});
}

TEST(StaemmeAbleiten, RepeatedStemIsStoredOnce)
{
    EXPECT_EQ(Staemme(WA_VERB, KD_K, "defendo", "defendi", "defensum"), (QL{"defend", "defens"}));
    // Third equal to the second.
    EXPECT_EQ(Staemme(WA_ADVERB, KD_KEINE, "bene", "melius", "melius"), (QL{"bene", "melius"}));
}

TEST(StaemmeAbleiten, NounStemComesFromTheGenitive)
{
    EXPECT_EQ(Staemme(WA_SUBSTANTIV, KD_A, "rosae", "f"), QL{"ros"});
    EXPECT_EQ(Staemme(WA_SUBSTANTIV, KD_K, "regis", "m"), QL{"reg"});
    EXPECT_EQ(Staemme(WA_SUBSTANTIV, KD_U, "portus", "m"), QL{"port"});
    EXPECT_EQ(Staemme(WA_SUBSTANTIV, KD_E, "rei", "f"), QL{"r"});
    EXPECT_EQ(Staemme(WA_SUBSTANTIV, KD_O, "domini", "m"), QL{"domin"});
    EXPECT_EQ(Staemme(WA_SUBSTANTIV, KD_G, "urbis", "f"), QL{"urb"});
    EXPECT_EQ(Staemme(WA_SUBSTANTIV, KD_KEINE, "rosae", "f"), QL{});
}

TEST(StaemmeAbleiten, PluralOnlyNounCutsTheGenitivePlural)
{
    EXPECT_EQ(Staemme(WA_SUBSTANTIV, KD_O, "castrorum", "n"), QL{"castr"});
    EXPECT_EQ(Staemme(WA_SUBSTANTIV, KD_A, "divitiarum", "f"), QL{"diviti"});
    EXPECT_EQ(Staemme(WA_SUBSTANTIV, KD_I, "moenium", "n"), QL{"moen"});
    EXPECT_EQ(Staemme(WA_SUBSTANTIV, KD_K, "maiorum", "m"), QL{"maior"});
    EXPECT_EQ(Staemme(WA_SUBSTANTIV, KD_U, "manuum", "f"), QL{"man"});
    EXPECT_EQ(Staemme(WA_SUBSTANTIV, KD_E, "dierum", "m"), QL{"di"});
    // An ending that does not fit the class gives no stem.
    EXPECT_EQ(Staemme(WA_SUBSTANTIV, KD_A, "castrorum", "n"), QL{});
}

TEST(StaemmeAbleiten, AdjectiveStemDependsOnItsDeclension)
{
    EXPECT_EQ(Staemme(WA_ADJEKTIV, KD_O, "bonus", "bona", "bonum"), QL{"bon"});
    EXPECT_EQ(Staemme(WA_ADJEKTIV, KD_I, "felicis"), QL{"felic"});
    EXPECT_EQ(Staemme(WA_ADJEKTIV, KD_I, "acer", "acris", "acre"), QL{"acr"});
    // Two of three forms: no stem.
    EXPECT_EQ(Staemme(WA_ADJEKTIV, KD_I, "acer", "acris"), QL{});
    // Without a declension the forms themselves are the stems.
    EXPECT_EQ(Staemme(WA_ADJEKTIV, KD_KEINE, "nequam", "Nequam"), (QL{"nequam"}));
}

TEST(StaemmeAbleiten, PronounsAndUndeterminedEntriesHaveNoStems)
{
    EXPECT_EQ(Staemme(WA_PRONOMEN, KD_KEINE, "eius", "m"), QL{});
    EXPECT_EQ(Staemme(WA_UNBESTIMMT, KD_A, "et", "et", "et"), QL{});
}

TEST(StaemmeAbleiten, AdverbKeepsComparativeAndSuperlative)
{
    EXPECT_EQ(Staemme(WA_ADVERB, KD_KEINE, "celerius", "celerrime", "zz"), (QL{"celerius", "celerrime"}));
}

TEST(StaemmeAbleiten, StemsAreLowerCasedInAsciiOnly)
{
    EXPECT_EQ(Staemme(WA_VERB, KD_A, "Laudo", "LAUDAvi", "laudatum"), (QL{"laud", "laudav", "laudat"}));
    EXPECT_EQ(AsciiKlein(QStringLiteral("ÄBc")), QStringLiteral("Äbc"));
}
