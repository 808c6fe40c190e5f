#include "morph/formid.h"
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
TVokabel Regere()
{
    return Eintrag(WA_VERB, KD_K, "regere", "rego", "rexi", "rectum");
}
TVokabel Capere()
{
    return Eintrag(WA_VERB, KD_G, "capere", "capio", "cepi", "captum");
}
TVokabel Hortari()
{
    return Eintrag(WA_VERB, KD_A, "hortari", "hortor", "hortatus sum", "", ATTR_DEPONENS);
}
TVokabel Audere()
{
    return Eintrag(WA_VERB, KD_E, "audere", "audeo", "ausus sum", "", ATTR_SEMIDEPONENS);
}

constexpr int32_t IND_AKT = fid::INDIKATIV | fid::AKTIV;
constexpr int32_t IND_PAS = fid::INDIKATIV | fid::PASSIV;
constexpr int32_t KONJ_AKT = fid::KONJUNKTIV | fid::AKTIV;
constexpr int32_t KONJ_PAS = fid::KONJUNKTIV | fid::PASSIV;

} // namespace

TEST(Verbselektor, YieldsNothingWithoutMoodVoiceOrTense)
{
    const TVokabel v = Amare();
    EXPECT_EQ(Erzeugt(v, 0), "");
    EXPECT_EQ(Erzeugt(v, fid::INDIKATIV | fid::PRAESENS), ""); // no voice
    EXPECT_EQ(Erzeugt(v, IND_AKT), "");                        // no tense
    EXPECT_EQ(Erzeugt(v, KONJ_AKT | fid::FUTUR1), "");         // no future subjunctive
    EXPECT_EQ(Erzeugt(v, KONJ_PAS | fid::FUTUR2), "");
    EXPECT_EQ(Erzeugt(v, fid::IMPERATIV | fid::PERFEKT), "");
    EXPECT_EQ(Erzeugt(v, fid::PARTIZIP | fid::IMPERFEKT), "");
    EXPECT_EQ(Erzeugt(v, IND_AKT | fid::PRAESENS | 7), ""); // person outside the block
}

TEST(Verbselektor, PersonZeroSelectsTheWholeBlockAndAPersonOneForm)
{
    const TVokabel v = Amare();
    EXPECT_EQ(Erzeugt(v, IND_AKT | fid::PRAESENS), "amo, amas, amat, amamus, amatis, amant");
    EXPECT_EQ(Erzeugt(v, IND_AKT | fid::IMPERFEKT | fid::P3_PL), "amabant");
    EXPECT_EQ(Erzeugt(v, KONJ_AKT | fid::PRAESENS), "amem, ames, amet, amemus, ametis, ament");
    EXPECT_EQ(Erzeugt(v, KONJ_AKT | fid::IMPERFEKT | fid::P1_SG), "amarem");
}

TEST(Perfektformen, AddShortenedFormsAfterTheBlockWhateverPersonWasAsked)
{
    TFormenmanager m;
    m.FormenErzeugen(Amare(), IND_AKT | fid::PERFEKT | fid::P1_SG);
    EXPECT_EQ(Texte(m), "amavi, amasti, amastis, amarunt");
    EXPECT_EQ(Ids(m), (std::vector<int32_t>{353, 0x400162, 0x400165, 0x400166}));
    const auto &l = m.Ergebnisliste();
    EXPECT_EQ(l[0].variante, 1);
    EXPECT_EQ(l[1].variante, 2);
    EXPECT_EQ(S(l[1].bezeichnung), "2. Prs. Sg. Perfekt Aktiv Indikativ (verkürzte Form)");

    EXPECT_EQ(Erzeugt(Amare(), KONJ_AKT | fid::PLUSQUAMPERFEKT | fid::P1_PL),
              "amavissemus, amassem, amasses, amasset, amassemus, amassetis, amassent");
    // -ere beside -erunt follows the block as a second ending.
    EXPECT_EQ(Erzeugt(Regere(), IND_AKT | fid::PERFEKT), "rexi, rexisti, rexit, reximus, rexistis, rexerunt, rexere");
}

TEST(Passivformen, FollowTheClassTablesAndTheCompoundRuns)
{
    EXPECT_EQ(Erzeugt(Capere(), IND_PAS | fid::PRAESENS),
              "capior, caperis, capitur, capimur, capimini, capiuntur, capere");
    EXPECT_EQ(Erzeugt(Capere(), KONJ_PAS | fid::IMPERFEKT | fid::P1_SG), "caperer");
    EXPECT_EQ(Erzeugt(Regere(), IND_PAS | fid::FUTUR1 | fid::P2_SG), "regeris, regere");

    TFormenmanager m;
    m.FormenErzeugen(Amare(), IND_PAS | fid::PERFEKT);
    const auto &l = m.Ergebnisliste();
    ASSERT_EQ(l.size(), 18u);
    EXPECT_EQ(S(l[0].text), "amatus sum");
    EXPECT_EQ(S(l[12].text), "amatum sum");
    EXPECT_EQ(S(l[17].text), "amata sunt");
    EXPECT_EQ(l[0].variante, 1);
    EXPECT_EQ(l[6].variante, 2);
    EXPECT_EQ(l[6].formId, 609);
    EXPECT_EQ(l[6].bezeichnung, l[0].bezeichnung);
    EXPECT_EQ(Erzeugt(Amare(), IND_PAS | fid::FUTUR2 | fid::P3_PL), "amati erunt, amatae erunt, amata erunt");
}

TEST(Deponens, BuildsActiveFormsInPassiveShapeAndRefusesPassiveSelectors)
{
    TFormenmanager m;
    m.FormenErzeugen(Hortari(), IND_AKT | fid::PRAESENS);
    EXPECT_EQ(Texte(m), "hortor, hortaris, hortatur, hortamur, hortamini, hortantur, hortare");
    EXPECT_EQ(Ids(m), (std::vector<int32_t>{329, 330, 331, 332, 333, 334, 330}));
    EXPECT_EQ(S(m.Ergebnisliste()[0].bezeichnung), "1. Prs. Sg. Präsens Aktiv Indikativ");

    EXPECT_EQ(Erzeugt(Hortari(), IND_PAS | fid::PRAESENS), "");
    EXPECT_EQ(Erzeugt(Hortari(), KONJ_AKT | fid::PERFEKT | fid::P1_SG), "hortatus sim, hortata sim, hortatum sim");
    EXPECT_EQ(Erzeugt(Hortari(), fid::IMPERATIV_I), "hortare, hortamini");
    EXPECT_EQ(Erzeugt(Hortari(), fid::IMPERATIV_II), "hortator, hortator, hortantor"); // no 2. Pl.
    EXPECT_EQ(Erzeugt(Hortari(), fid::SUPINUM), "");
    EXPECT_EQ(Erzeugt(Hortari(), fid::INFINITIV | fid::PASSIV), "hortari, hortatum esse, hortaturum esse");
}

TEST(Semideponens, HasActivePresentAndActiveCompoundPerfect)
{
    EXPECT_EQ(Erzeugt(Audere(), IND_AKT | fid::PRAESENS | fid::P1_SG), "audeo");
    TFormenmanager m;
    m.FormenErzeugen(Audere(), IND_AKT | fid::PERFEKT | fid::P1_SG);
    EXPECT_EQ(Texte(m), "ausus sum, ausa sum, ausum sum");
    EXPECT_EQ(m.Ergebnisliste()[0].formId, 353);
    // The passive selector of a compound tense reaches the compound
    // generator, which follows the flags: active identifiers again.
    m.Zuruecksetzen();
    m.FormenErzeugen(Audere(), IND_PAS | fid::PERFEKT | fid::P1_SG);
    EXPECT_EQ(Ids(m), (std::vector<int32_t>{353, 353, 353}));
    EXPECT_EQ(Erzeugt(Audere(), fid::INFINITIV | fid::AKTIV | fid::PERFEKT), "ausum esse");
}

TEST(KeinePassivFormen, DropsFinitePassivesButListsEmptyPassiveInfinitives)
{
    const TVokabel v = Eintrag(WA_VERB, KD_I, "venire", "venio", "veni", "ventum", ATTR_KEIN_PASSIV);
    EXPECT_EQ(Erzeugt(v, IND_PAS | fid::PRAESENS), "");
    EXPECT_EQ(Erzeugt(v, KONJ_PAS | fid::PERFEKT), "");
    TFormenmanager m;
    m.FormenErzeugen(v, fid::INFINITIV);
    EXPECT_EQ(Texte(m), "venire, , venisse, , venturum esse, ");
    EXPECT_EQ(Ids(m), (std::vector<int32_t>{2312, 2568, 2336, 2592, 2328, 2584}));
}

TEST(Infinitive, SelectTenseAndVoiceWithWildcards)
{
    TFormenmanager m;
    m.FormenErzeugen(Amare(), fid::INFINITIV);
    EXPECT_EQ(Texte(m), "amare, amari, amavisse, amasse, amatum esse, amaturum esse, amatum iri");
    EXPECT_EQ(m.Ergebnisliste()[3].formId, 0x400920);
    EXPECT_EQ(S(m.Ergebnisliste()[3].bezeichnung), "Infinitiv Perfekt Aktiv (verkürzte Form)");
    EXPECT_EQ(Erzeugt(Amare(), fid::INFINITIV | fid::PASSIV), "amari, amatum esse, amatum iri");
    EXPECT_EQ(Erzeugt(Amare(), fid::INFINITIV | fid::FUTUR1), "amaturum esse, amatum iri");
    EXPECT_EQ(Erzeugt(Regere(), fid::INFINITIV | fid::PRAESENS | fid::PASSIV), "regi");
    EXPECT_EQ(Erzeugt(Capere(), fid::INFINITIV | fid::PRAESENS | fid::PASSIV), "capi");
    EXPECT_EQ(Erzeugt(Amare(), fid::INFINITIV | fid::IMPERFEKT), "");
}

TEST(Imperative, FilterByPersonWithinTheirBlocks)
{
    EXPECT_EQ(Erzeugt(Regere(), fid::IMPERATIV_I), "rege, regite");
    EXPECT_EQ(Erzeugt(Capere(), fid::IMPERATIV_I | fid::P2_SG), "cape");
    EXPECT_EQ(Erzeugt(Amare(), fid::IMPERATIV_I | fid::P1_SG), "");
    EXPECT_EQ(Erzeugt(Amare(), fid::IMPERATIV_II), "amato, amato, amatote, amanto");
    EXPECT_EQ(Erzeugt(Regere(), fid::IMPERATIV_II | fid::P3_PL), "regunto");
}

TEST(SupinaUndGerundium, UseTheParticipleAndPresentStems)
{
    TFormenmanager m;
    m.FormenErzeugen(Amare(), fid::SUPINUM);
    EXPECT_EQ(Texte(m), "amatu, amatum");
    EXPECT_EQ(Ids(m), (std::vector<int32_t>{5121, 5122}));
    EXPECT_EQ(Erzeugt(Amare(), fid::SUPINUM_II), "amatum");
    EXPECT_EQ(Erzeugt(Regere(), fid::GERUNDIUM), "regere, regendi, regendo, regendum, regendo");
    EXPECT_EQ(Erzeugt(Amare(), fid::GERUNDIUM | fid::AKK_SG), "amandum");
    EXPECT_EQ(Erzeugt(Amare(), fid::GERUNDIUM | fid::NOM_PL), "");
}

TEST(FehlendeStammformen, GiveRecordsWithEmptyTexts)
{
    const TVokabel v = Eintrag(WA_VERB, KD_A, "amare", "", "", "");
    EXPECT_EQ(Erzeugt(v, IND_AKT | fid::PRAESENS), ", , , , , ");
    EXPECT_EQ(Erzeugt(v, IND_AKT | fid::PERFEKT), ", , , , , ");             // no v, no shortened forms
    EXPECT_EQ(Erzeugt(v, KONJ_AKT | fid::IMPERFEKT | fid::P1_SG), "amarem"); // from the headword
    const TVokabel ohneKlasse = Eintrag(WA_VERB, KD_KEINE, "esse", "sum", "fui", "");
    EXPECT_EQ(Erzeugt(ohneKlasse, IND_AKT | fid::PRAESENS), "sum, , , , , ");
}
