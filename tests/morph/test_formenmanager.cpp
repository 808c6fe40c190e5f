#include "morph/formid.h"
#include "morph/kategorien.h"
#include "morph/verbformen.h"
#include "morph_hilfe.h"

#include <gtest/gtest.h>

using namespace lexovita;
using namespace lexovita::test;

namespace {

TVokabel Amare()
{
    return Eintrag(WA_VERB, KD_A, "amare", "amo", "amavi", "amatum");
}

void Sonderform(TVokabel &v, int32_t id, const char *text)
{
    v.sonderformen.push_back(std::make_unique<TLatForm>(v.id, QString::fromUtf8(text), id));
}

// Counts the questions and answers from a fixed table.
class Quelle : public ISonderformQuelle {
  public:
    std::vector<TLatForm> zeilen;
    std::vector<int32_t> gefragt;
    void SonderformenLaden(int32_t vokabelId, std::vector<TLatForm> &ziel) override
    {
        gefragt.push_back(vokabelId);
        for (const auto &z : zeilen)
            if (z.vokabelId == vokabelId)
                ziel.push_back(z);
    }
};

constexpr int32_t PERF_IND_AKT = fid::INDIKATIV | fid::AKTIV | fid::PERFEKT;

} // namespace

TEST(Sonderformen, ReplaceOnlyTheFullFormNotItsShortenedForms)
{
    TVokabel v = Amare();
    Sonderform(v, 354, "amavisti!");
    TFormenmanager m;
    m.FormenErzeugen(v, PERF_IND_AKT);
    EXPECT_EQ(Texte(m), "amavi, amavisti!, amavit, amavimus, amavistis, amaverunt, amavere, amasti, amastis, amarunt");
    m.Zuruecksetzen();
    // A special form of an identifier drops the second ending built by rule.
    Sonderform(v, 358, "amaverunt!");
    m.FormenErzeugen(v, PERF_IND_AKT | fid::P3_PL);
    EXPECT_EQ(Texte(m), "amaverunt!, amasti, amastis, amarunt");
    m.Zuruecksetzen();
    Sonderform(v, fid::VERKUERZT | 354, "amasti!");
    m.FormenErzeugen(v, PERF_IND_AKT | fid::P2_SG);
    EXPECT_EQ(Texte(m), "amavisti!, amasti!, amastis, amarunt");
}

TEST(Sonderformen, NeverAddRecordsForIdentifiersThatWereNotProduced)
{
    TVokabel v = Amare();
    Sonderform(v, 330, "amas!");
    Sonderform(v, 0x2000, "fremd");
    TFormenmanager m;
    m.FormenErzeugen(v, fid::INDIKATIV | fid::AKTIV | fid::PRAESENS | fid::P1_SG);
    EXPECT_EQ(Texte(m), "amo");
}

TEST(Sonderformen, ReachEveryRecordThatCarriesTheIdentifier)
{
    TVokabel v = Amare();
    Sonderform(v, 609, "amatus est");
    Sonderform(v, 609, "zweite Zeile verliert");
    TFormenmanager m;
    m.FormenErzeugen(v, fid::INDIKATIV | fid::PASSIV | fid::PERFEKT | fid::P1_SG);
    EXPECT_EQ(Texte(m), "amatus est, amatus est, amatus est");
    EXPECT_EQ(m.Ergebnisliste()[1].variante, 2); // label and variant stay
}

TEST(Sonderformen, AreSkippedWhenSwitchedOffAndFillPronouns)
{
    TVokabel ille = Eintrag(WA_PRONOMEN, KD_KEINE, "ille", "", "m");
    Sonderform(ille, fid::GEN_SG, "illius");
    Sonderform(ille, fid::DAT_SG, "illi");
    TFormenmanager m;
    m.FormenErzeugen(ille, 0);
    EXPECT_EQ(Texte(m), "ille, illius, illi, , , , , , , ");
    m.Zuruecksetzen();
    m.SetSonderformenEinsetzen(false);
    m.FormenErzeugen(ille, 0);
    EXPECT_EQ(Texte(m), "ille, , , , , , , , , ");
}

TEST(Sonderformquelle, IsAskedOncePerEntryInTheListAndNeverWhenSwitchedOff)
{
    Quelle q;
    q.zeilen.emplace_back(7, QStringLiteral("amo!"), 329);
    q.zeilen.emplace_back(8, QStringLiteral("rosa!"), fid::FEMININUM | fid::NOM_SG);
    TVokabel rosa = Eintrag(WA_SUBSTANTIV, KD_A, "rosa", "rosae", "f");
    rosa.id = 8;
    Sonderform(rosa, fid::FEMININUM | fid::GEN_SG, "aus der Vokabel, nicht aus der Quelle");
    TFormenmanager m;
    m.SetSonderformQuelle(&q);
    m.FormenErzeugen(Amare(), fid::INDIKATIV | fid::AKTIV | fid::PRAESENS | fid::P1_SG);
    m.FormenErzeugen(rosa, fid::GEN_SG);
    EXPECT_EQ(Texte(m), "amo!, rosae");
    EXPECT_EQ(q.gefragt, (std::vector<int32_t>{7, 7, 8}));
    m.FormenErzeugen(rosa, fid::NOM_SG);
    EXPECT_EQ(Texte(m), "amo!, rosae, rosa!");

    q.gefragt.clear();
    m.SetSonderformenEinsetzen(false);
    m.FormenErzeugen(rosa, 0);
    EXPECT_TRUE(q.gefragt.empty());
}

TEST(Formenmanager, AppendsUntilResetAndGivesNothingForUndeterminedEntries)
{
    TFormenmanager m;
    m.FormenErzeugen(Amare(), fid::SUPINUM_I);
    m.FormenErzeugen(Amare(), fid::SUPINUM_II);
    EXPECT_EQ(Texte(m), "amatu, amatum");
    m.Zuruecksetzen();
    EXPECT_TRUE(m.Ergebnisliste().empty());
    const TVokabel x = Eintrag(WA_UNBESTIMMT, KD_A, "et", "et", "et", "et");
    for (int32_t s : {0, 329, fid::NOM_SG, fid::POSITIV, fid::ADVERB})
        m.FormenErzeugen(x, s);
    EXPECT_TRUE(m.Ergebnisliste().empty());
}

TEST(Formenmanager, SeesChangedPrincipalPartsAtTheNextGeneration)
{
    TFormenmanager m;
    TVokabel v = Amare();
    m.FormenErzeugen(v, fid::SUPINUM_I);
    v.form3 = QStringLiteral("laudatum");
    m.FormenErzeugen(v, fid::SUPINUM_I);
    v.SetDeponens(true);
    v.form1 = QStringLiteral("amor");
    m.FormenErzeugen(v, fid::IMPERATIV_I | fid::P2_SG);
    EXPECT_EQ(Texte(m), "amatu, laudatu, amare");
}

TEST(Blockgeneratoren, AppendOnlyTheirBlockAndApplyNoSpecialForms)
{
    TVokabel v = Amare();
    Sonderform(v, 329, "amo!");
    TFormenmanager m;
    IndikativAktivErzeugen(m, v, fid::PRAESENS);
    EXPECT_EQ(Texte(m), "amo, amas, amat, amamus, amatis, amant");
    // The passive generator itself does not refuse a deponent.
    const TVokabel hortari = Eintrag(WA_VERB, KD_A, "hortari", "hortor", "hortatus sum", "", ATTR_DEPONENS);
    m.Zuruecksetzen();
    IndikativPassivErzeugen(m, hortari, fid::PRAESENS | fid::P1_SG);
    EXPECT_EQ(Ids(m), std::vector<int32_t>{329});
}

TEST(KategorieSelektoren, ListTheTreeOfAVerbInOrder)
{
    const auto k = KategorieSelektoren(Amare());
    ASSERT_FALSE(k.empty());
    EXPECT_EQ(S(k[0].beschriftung), "Indikativ");
    EXPECT_EQ(k[0].ebene, 0);
    EXPECT_EQ(S(k[2].beschriftung), "Präsens");
    EXPECT_EQ(k[2].selektor, 328);
    EXPECT_EQ(k[2].ebene, 2);
    std::vector<int32_t> sel;
    for (const auto &n : k)
        if (n.selektor)
            sel.push_back(n.selektor);
    const std::vector<int32_t> erwartet{
        328,     336,     344,     352,     360,     368,     584,     592,     600,     608,     616,    624,  392,
        400,     416,     424,     648,     656,     672,     680,     200,     208,     2048,    4096,   5120, 0x20508,
        0x40508, 0x60508, 0x20518, 0x40518, 0x60518, 0x20620, 0x40620, 0x60620, 0x20C00, 0x40C00, 0x60C00};
    EXPECT_EQ(sel, erwartet);
}

TEST(KategorieSelektoren, GiveDeponentsOnlyActiveBranchesWithoutSupine)
{
    const TVokabel audere = Eintrag(WA_VERB, KD_E, "audere", "audeo", "ausus sum", "", ATTR_SEMIDEPONENS);
    std::vector<int32_t> sel;
    for (const auto &n : KategorieSelektoren(audere))
        if (n.selektor)
            sel.push_back(n.selektor);
    const std::vector<int32_t> erwartet{328,     336,     344,     352,     360,     368,     392,
                                        400,     416,     424,     200,     208,     2048,    4096,
                                        1024,    0x20508, 0x40508, 0x60508, 0x20518, 0x40518, 0x60518,
                                        0x20520, 0x40520, 0x60520, 0x20C00, 0x40C00, 0x60C00};
    EXPECT_EQ(sel, erwartet);
}

TEST(KategorieSelektoren, CoverNounsAdjectivesAndAdverbs)
{
    const auto nomen = KategorieSelektoren(Eintrag(WA_SUBSTANTIV, KD_A, "rosa", "rosae", "f"));
    ASSERT_EQ(nomen.size(), 1u);
    EXPECT_EQ(S(nomen[0].beschriftung), "rosa");
    EXPECT_EQ(nomen[0].selektor, 0);
    const auto adj = KategorieSelektoren(Eintrag(WA_ADJEKTIV, KD_O, "bonus", "boni", "bona", "bonum"));
    ASSERT_EQ(adj.size(), 13u);
    EXPECT_EQ(adj[1].selektor, 0xA0000);
    EXPECT_EQ(adj.back().selektor, fid::ADVERB);
    EXPECT_EQ(KategorieSelektoren(Eintrag(WA_ADVERB, 0, "prope")).size(), 8u);
    EXPECT_TRUE(KategorieSelektoren(Eintrag(WA_UNBESTIMMT, 0, "et")).empty());
}

TEST(AlleFormen, EqualsFormenErzeugenForEverySelectorOfTheTree)
{
    TVokabel v = Amare();
    Sonderform(v, 0x400162, "amasti!");
    Sonderform(v, 0x20508 | fid::NOM_SG, "amans!");
    TFormenmanager einzeln, alle;
    for (const auto &k : KategorieSelektoren(v))
        einzeln.FormenErzeugen(v, k.selektor);
    alle.AlleFormenErzeugen(v);
    ASSERT_EQ(alle.Ergebnisliste().size(), einzeln.Ergebnisliste().size());
    EXPECT_EQ(Texte(alle), Texte(einzeln));
    EXPECT_EQ(Ids(alle), Ids(einzeln));
    EXPECT_NE(Texte(alle).find("amans!"), std::string::npos);
}
