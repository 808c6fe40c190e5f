#include "morph/formid.h"
#include "morph/nominalformen.h"
#include "morph_hilfe.h"

#include <gtest/gtest.h>

using namespace lexovita;
using namespace lexovita::test;

TEST(Substantiv, PluralisTantumHasOnlyPluralRecords)
{
    TFormenmanager m;
    m.FormenErzeugen(Eintrag(WA_SUBSTANTIV, KD_O, "castra", "castrorum", "n", "", ATTR_PLURALIS_TANTUM), 0);
    EXPECT_EQ(Texte(m), "castra, castrorum, castris, castra, castris");
    EXPECT_EQ(Ids(m), (std::vector<int32_t>{0x6C000, 0x6E000, 0x70000, 0x72000, 0x74000}));
}

TEST(Substantiv, NeuterAccusativeIsTheHeadwordAndNeuterPluralsEndInA)
{
    EXPECT_EQ(Erzeugt(Eintrag(WA_SUBSTANTIV, KD_K, "nomen", "nominis", "n"), 0),
              "nomen, nominis, nomini, nomen, nomine, nomina, nominum, nominibus, nomina, nominibus");
    EXPECT_EQ(Erzeugt(Eintrag(WA_SUBSTANTIV, KD_U, "cornu", "cornus", "n"), fid::DAT_SG), "cornu");
    EXPECT_EQ(Erzeugt(Eintrag(WA_SUBSTANTIV, KD_U, "fructus", "fructus", "m"), fid::DAT_SG), "fructui");
    EXPECT_EQ(Erzeugt(Eintrag(WA_SUBSTANTIV, KD_I, "mare", "maris", "n"), fid::NOM_PL), "maria");
    // The a- and e-declensions have no neuter variant.
    EXPECT_EQ(Erzeugt(Eintrag(WA_SUBSTANTIV, KD_A, "x", "xae", "n"), fid::AKK_SG), "xam");
}

TEST(Substantiv, MixedClassTakesIumInTheGenitivePlural)
{
    EXPECT_EQ(Erzeugt(Eintrag(WA_SUBSTANTIV, KD_G, "urbs", "urbis", "f"), fid::GEN_PL), "urbium");
    EXPECT_EQ(Erzeugt(Eintrag(WA_SUBSTANTIV, KD_K, "rex", "regis", "m"), fid::GEN_PL), "regum");
    EXPECT_EQ(Erzeugt(Eintrag(WA_SUBSTANTIV, KD_E, "res", "rei", "f"), fid::DAT_PL), "rebus");
}

TEST(Substantiv, CarriesItsGenderInEveryIdentifier)
{
    TFormenmanager m;
    m.FormenErzeugen(Eintrag(WA_SUBSTANTIV, KD_K, "parens", "parentis", "p"), 0);
    ASSERT_EQ(m.Ergebnisliste().size(), 10u);
    for (const auto &f : m.Ergebnisliste()) {
        EXPECT_EQ(f.formId & ~fid::KASUS_MASKE, fid::MASK_FEM);
        EXPECT_EQ(f.bezeichnung, KasusWort(fid::KasusNr(f.formId)));
    }
    m.Zuruecksetzen();
    m.FormenErzeugen(Eintrag(WA_SUBSTANTIV, KD_K, "x", "xis", "?"), fid::GEN_SG);
    EXPECT_EQ(Ids(m), std::vector<int32_t>{fid::GEN_SG});
}

TEST(Substantiv, CaseFilterAndNumberFlagsLimitTheRecords)
{
    const TVokabel rosa = Eintrag(WA_SUBSTANTIV, KD_A, "rosa", "rosae", "f");
    EXPECT_EQ(Erzeugt(rosa, fid::AKK_SG), "rosam");
    EXPECT_EQ(Erzeugt(rosa, fid::ABL_PL), "rosis");
    EXPECT_EQ(Erzeugt(rosa, fid::Kasus(11)), "");
    const TVokabel sg = Eintrag(WA_SUBSTANTIV, KD_A, "rosa", "rosae", "f", "", ATTR_SINGULARIS_TANTUM);
    EXPECT_EQ(Erzeugt(sg, 0), "rosa, rosae, rosae, rosam, rosa");
    EXPECT_EQ(Erzeugt(sg, fid::NOM_PL), "");
    const TVokabel pl = Eintrag(WA_SUBSTANTIV, KD_O, "castra", "castrorum", "n", "", ATTR_PLURALIS_TANTUM);
    EXPECT_EQ(Erzeugt(pl, fid::NOM_SG), "");
    EXPECT_EQ(Erzeugt(pl, fid::GEN_PL), "castrorum");
}

TEST(Substantiv, WithoutGenitiveOnlyTheHeadwordFormsHaveText)
{
    EXPECT_EQ(Erzeugt(Eintrag(WA_SUBSTANTIV, KD_O, "templum", "", "n"), 0), "templum, , , templum, , , , , , ");
}

TEST(Pronomen, NamesTenPlainCasesWithOnlyTheNominativeFilled)
{
    TFormenmanager m;
    m.FormenErzeugen(Eintrag(WA_PRONOMEN, KD_KEINE, "ille", "", "m"), 0);
    EXPECT_EQ(Texte(m), "ille, , , , , , , , , ");
    EXPECT_EQ(m.Ergebnisliste()[9].formId, fid::ABL_PL);
    EXPECT_EQ(S(m.Ergebnisliste()[9].bezeichnung), "Ablativ Pl.");
}

TEST(AdverbPlatzhalter, NameCaseDegreeAndGenderOfTheSelector)
{
    const TVokabel prope = Eintrag(WA_ADVERB, KD_KEINE, "prope", "propius", "proxime");
    TFormenmanager m;
    m.FormenErzeugen(prope, fid::KOMPARATIV);
    EXPECT_EQ(Texte(m), ", , , , , , , , , ");
    EXPECT_EQ(m.Ergebnisliste().front().formId, 0x102000);
    EXPECT_EQ(m.Ergebnisliste().back().formId, 0x114000);
    EXPECT_EQ(S(m.Ergebnisliste().front().bezeichnung), "Nominativ Sg.");
    m.Zuruecksetzen();
    m.FormenErzeugen(prope, fid::SUPERLATIV | fid::FEMININUM | fid::GEN_SG);
    EXPECT_EQ(Ids(m), std::vector<int32_t>{0x1C4000});
    m.Zuruecksetzen();
    m.FormenErzeugen(prope, 0);
    EXPECT_TRUE(m.Ergebnisliste().empty());
}
