// Word-form analysis against a real database: entries are stored through the
// entry writer, so stem rows, special forms and headword index are the ones
// the program writes.

#include "morph/analyse.h"
#include "morph/endungen.h"
#include "morph/formenmanager.h"
#include "morph/formid.h"
#include "store/analysequelle.h"
#include "store/datenmanager.h"
#include "store/vokabelspeicher.h"

#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace lexovita {
namespace {

struct Sonder {
    int32_t formId;
    const char *text;
};

class Analyse : public ::testing::Test {
  protected:
    TDatenmanager daten{QStringLiteral(":memory:")};
    TAnalysequelle quelle{daten};
    TFormenmanager manager;
    TFormanalyse analyse{manager, quelle};

    int32_t Anlegen(const char *vokabel, int32_t wortart, int32_t kd = KD_KEINE, const char *f1 = "",
                    const char *f2 = "", const char *f3 = "", int32_t flags = 0, std::vector<Sonder> sonder = {})
    {
        TVokabel v;
        v.vokabel = QString::fromUtf8(vokabel);
        v.SetWortart(wortart);
        v.SetKonjDekl(kd);
        v.attribute |= flags;
        v.form1 = QString::fromUtf8(f1);
        v.form2 = QString::fromUtf8(f2);
        v.form3 = QString::fromUtf8(f3);
        v.BedeutungAnhaengen(QStringLiteral("Bedeutung von ") + v.vokabel, QString(), 1);
        for (const Sonder &s : sonder)
            v.sonderformen.push_back(std::make_unique<TLatForm>(0, QString::fromUtf8(s.text), s.formId));
        TVokabelSpeicher speicher(daten);
        EXPECT_EQ(speicher.VokabelAnlegen(v), TVokabelSpeicher::Ausgang::Gespeichert);
        return v.id;
    }

    // "entry:formId:text" per result, after a fresh reset.
    std::vector<std::string> Ergebnis(const char *wort)
    {
        analyse.Zuruecksetzen();
        analyse.FormAnalysieren(QString::fromUtf8(wort));
        return Liste();
    }
    std::vector<std::string> Liste() const
    {
        std::vector<std::string> aus;
        for (const TLatForm &f : analyse.Ergebnisliste())
            aus.push_back(std::to_string(f.vokabelId) + ":" + std::to_string(f.formId) + ":" + f.text.toStdString());
        return aus;
    }
    static std::string E(int32_t id, int32_t formId, const char *text)
    {
        return std::to_string(id) + ":" + std::to_string(formId) + ":" + text;
    }
};

constexpr int32_t M = fid::MASKULINUM, F = fid::FEMININUM, N = fid::NEUTRUM;

// ---------------------------------------------------------------- stem path

TEST_F(Analyse, RosamIsOnlyTheAccusativeSingularOfRosa)
{
    const int32_t rosa = Anlegen("rosa", WA_SUBSTANTIV, KD_A, "rosae", "f");
    EXPECT_EQ(EndungsLaenge(QStringLiteral("rosam")), 2);
    EXPECT_EQ(Ergebnis("rosam"), (std::vector<std::string>{E(rosa, F | fid::AKK_SG, "rosam")}));
    EXPECT_EQ(analyse.Ergebnisliste().front().bezeichnung, QStringLiteral("Akkusativ Sg."));
    ASSERT_NE(analyse.VokabelImCache(rosa), nullptr);
    EXPECT_EQ(analyse.VokabelImCache(rosa)->bedeutungen.size(), 1u);
}

TEST_F(Analyse, CapitalsAreIgnoredAndApostrophesBecomeDoubleQuotes)
{
    const int32_t rosa = Anlegen("rosa", WA_SUBSTANTIV, KD_A, "rosae", "f");
    const std::vector<std::string> klein = Ergebnis("rosa");
    EXPECT_EQ(Ergebnis("Rosa"), klein);
    EXPECT_EQ(Ergebnis("ROSA"), klein);
    EXPECT_EQ(klein.front(), E(rosa, F | fid::NOM_SG, "rosa"));

    EXPECT_EQ(TFormanalyse::Normalisieren(QStringLiteral("L'Amor")), QStringLiteral("l\"amor"));
    const int32_t elision = Anlegen("l\"amor", WA_UNBESTIMMT);
    EXPECT_EQ(Ergebnis("L'amor"), (std::vector<std::string>{E(elision, 0, "l\"amor")}));
}

TEST_F(Analyse, CompoundInfinitiveCutsNineLettersAndFindsTheSupineStem)
{
    const int32_t laudare = Anlegen("laudare", WA_VERB, KD_A, "laudo", "laudavi", "laudatum");
    EXPECT_EQ(EndungsLaenge(QStringLiteral("laudaturum esse")), 9);
    const std::vector<std::string> r = Ergebnis("laudaturum esse");
    EXPECT_EQ(r, (std::vector<std::string>{E(laudare, fid::INFINITIV | fid::AKTIV | fid::FUTUR1, "laudaturum esse")}));
}

TEST_F(Analyse, WordsEndingInXNLOrCAreFoundAsHeadwordSpecialFormOrAnyFormOfTheEntry)
{
    const int32_t nomen = Anlegen("nomen", WA_SUBSTANTIV, KD_K, "nominis", "n");
    const int32_t rex = Anlegen("rex", WA_SUBSTANTIV, KD_K, "regis", "m");
    const int32_t hic = Anlegen("hic", WA_PRONOMEN, KD_KEINE, "", "m", "", 0, {{fid::NOM_SG, "hic"}});
    // The headword's nominative first, then the neuter accusative, which no
    // letter's blocks reach.
    EXPECT_EQ(Ergebnis("nomen"),
              (std::vector<std::string>{E(nomen, N | fid::NOM_SG, "nomen"), E(nomen, N | fid::AKK_SG, "nomen")}));
    EXPECT_EQ(Ergebnis("rex"), (std::vector<std::string>{E(rex, M | fid::NOM_SG, "rex")}));
    // Special form first (with the entry's gender), then the headword: same
    // identifier, so listed once.
    EXPECT_EQ(Ergebnis("hic"), (std::vector<std::string>{E(hic, M | fid::NOM_SG, "hic")}));
}

TEST_F(Analyse, CandidatesWithAMuchLongerFirstFormAreSkippedUnlessGenitivePluralOrHeadword)
{
    // itineris is 4 letters longer than "iter": the stem path ignores the
    // entry; its headword leads to it, and so to the neuter accusative.
    const int32_t iter = Anlegen("iter", WA_SUBSTANTIV, KD_K, "itineris", "n");
    EXPECT_EQ(Ergebnis("iter"),
              (std::vector<std::string>{E(iter, N | fid::NOM_SG, "iter"), E(iter, N | fid::AKK_SG, "iter")}));
    // castrorum is as long, but a genitive plural: its forms are compared.
    const int32_t castra = Anlegen("castra", WA_SUBSTANTIV, KD_O, "castrorum", "n", "", ATTR_PLURALIS_TANTUM);
    EXPECT_EQ(Ergebnis("castra"),
              (std::vector<std::string>{E(castra, N | fid::NOM_PL, "castra"), E(castra, N | fid::AKK_PL, "castra")}));
}

TEST_F(Analyse, DeponentsAndVerbsWithoutPassiveGetTheirOwnVoices)
{
    const int32_t hortari = Anlegen("hortari", WA_VERB, KD_A, "hortor", "hortatus sum", "", ATTR_DEPONENS);
    EXPECT_EQ(
        Ergebnis("hortamini"),
        (std::vector<std::string>{E(hortari, fid::INDIKATIV | fid::AKTIV | fid::PRAESENS | fid::P2_PL, "hortamini"),
                                  E(hortari, fid::IMPERATIV_I | fid::P2_PL, "hortamini")}));
    // The perfect participle of a deponent is active.
    EXPECT_EQ(Ergebnis("hortatus"),
              (std::vector<std::string>{
                  E(hortari, M | fid::PARTIZIP | fid::AKTIV | fid::PERFEKT | fid::NOM_SG, "hortatus")}));

    const int32_t laudare = Anlegen("laudare", WA_VERB, KD_A, "laudo", "laudavi", "laudatum");
    const int32_t ire = Anlegen("vocare", WA_VERB, KD_A, "voco", "vocavi", "vocatum", ATTR_KEIN_PASSIV);
    EXPECT_EQ(
        Ergebnis("laudatur"),
        (std::vector<std::string>{E(laudare, fid::INDIKATIV | fid::PASSIV | fid::PRAESENS | fid::P3_SG, "laudatur")}));
    // No passive forms for an entry that has none.
    EXPECT_EQ(Ergebnis("vocatur"), std::vector<std::string>{});
    EXPECT_EQ(Ergebnis("vocat"),
              (std::vector<std::string>{E(ire, fid::INDIKATIV | fid::AKTIV | fid::PRAESENS | fid::P3_SG, "vocat")}));
}

TEST_F(Analyse, AdverbsAreFoundThroughTheirStoredDegrees)
{
    const int32_t celeriter = Anlegen("celeriter", WA_ADVERB, KD_KEINE, "celerius", "celerrime");
    ASSERT_EQ(Ergebnis("celerius"), (std::vector<std::string>{E(celeriter, fid::KOMPARATIV, "celerius")}));
    EXPECT_EQ(analyse.Ergebnisliste().front().bezeichnung, QStringLiteral("Komparativ des Adverbs"));
    EXPECT_EQ(Ergebnis("celerrime"), (std::vector<std::string>{E(celeriter, fid::SUPERLATIV, "celerrime")}));
}

TEST_F(Analyse, EntriesWithoutMatchingFormsAreNotCached)
{
    const int32_t rosa = Anlegen("rosa", WA_SUBSTANTIV, KD_A, "rosae", "f");
    const int32_t rosus = Anlegen("roseus", WA_ADJEKTIV, KD_O, "roseus", "rosea", "roseum");
    Ergebnis("rosas");
    EXPECT_NE(analyse.VokabelImCache(rosa), nullptr);
    EXPECT_EQ(analyse.VokabelImCache(rosus), nullptr); // candidate through "ros", but no form "rosas"
    EXPECT_EQ(analyse.Vokabelcache().size(), 1u);
    analyse.Zuruecksetzen();
    EXPECT_TRUE(analyse.Vokabelcache().empty());
    EXPECT_TRUE(analyse.Ergebnisliste().empty());
}

// ----------------------------------------------------- special forms, headwords

TEST_F(Analyse, SpecialFormsOfNounsGetTheEntrysGenderButKeepTheirLabel)
{
    const int32_t domus = Anlegen("domus", WA_SUBSTANTIV, KD_U, "domus", "f", "", 0, {{fid::ABL_SG, "Domo"}});
    const int32_t vis = Anlegen("vis", WA_SUBSTANTIV, KD_I, "vis", "p", "", 0, {{fid::AKK_SG, "vim"}});
    const int32_t ferre = Anlegen("ferre", WA_VERB, KD_K, "fero", "tuli", "latum", 0, {{333, "fertis"}});
    EXPECT_EQ(Ergebnis("domo"), (std::vector<std::string>{E(domus, F | fid::ABL_SG, "domo")}));
    EXPECT_EQ(analyse.Ergebnisliste().front().bezeichnung, QStringLiteral("Ablativ Sg."));
    EXPECT_EQ(Ergebnis("vim"), (std::vector<std::string>{E(vis, fid::MASK_FEM | fid::AKK_SG, "vim")}));
    EXPECT_EQ(Ergebnis("fertis"), (std::vector<std::string>{E(ferre, 333, "fertis")}));
    EXPECT_EQ(analyse.Ergebnisliste().front().bezeichnung, FormBezeichnung(333));
}

TEST_F(Analyse, HeadwordsGiveTheNominativeByWordClass)
{
    const int32_t felix = Anlegen("felix", WA_ADJEKTIV, KD_I, "felicis");
    EXPECT_EQ(Ergebnis("felix"), (std::vector<std::string>{E(felix, fid::POSITIV | M | fid::NOM_SG, "felix"),
                                                           E(felix, fid::POSITIV | F | fid::NOM_SG, "felix"),
                                                           E(felix, fid::POSITIV | N | fid::NOM_SG, "felix"),
                                                           E(felix, fid::POSITIV | N | fid::AKK_SG, "felix")}));
    EXPECT_EQ(analyse.Ergebnisliste().front().bezeichnung, QStringLiteral("Nominativ Sg. maskulinum "));

    const int32_t vis = Anlegen("vis", WA_SUBSTANTIV, KD_I, "vis", "p");
    const int32_t et = Anlegen("et", WA_UNBESTIMMT);
    const int32_t ego = Anlegen("ego", WA_PRONOMEN, KD_KEINE, "", "m");
    EXPECT_EQ(Ergebnis("et"), (std::vector<std::string>{E(et, 0, "et")}));
    EXPECT_TRUE(analyse.Ergebnisliste().front().bezeichnung.isEmpty());
    EXPECT_EQ(Ergebnis("ego"), (std::vector<std::string>{E(ego, M | fid::NOM_SG, "ego")}));
    // "p" adds no gender to the headword's identifier; the stem path adds 0x800000.
    const std::vector<std::string> r = Ergebnis("vis");
    EXPECT_NE(std::find(r.begin(), r.end(), E(vis, fid::NOM_SG, "vis")), r.end());
}

TEST_F(Analyse, ResultsComeInPathOrderAndDuplicatesKeepTheFirstText)
{
    const int32_t domare = Anlegen("domare", WA_VERB, KD_A, "domo", "domui", "domitum");
    const int32_t domus = Anlegen("domus", WA_SUBSTANTIV, KD_U, "domus", "f", "", 0, {{fid::ABL_SG, "domo"}});
    const int32_t wort = Anlegen("domo", WA_UNBESTIMMT);
    EXPECT_EQ(Ergebnis("domo"),
              (std::vector<std::string>{E(domare, fid::INDIKATIV | fid::AKTIV | fid::PRAESENS | fid::P1_SG, "domo"),
                                        E(domus, F | fid::ABL_SG, "domo"), E(wort, 0, "domo")}));

    // Roma is generated with its capital; the headword path adds the same
    // identifier with the typed text, which goes as a duplicate.
    const int32_t roma = Anlegen("Roma", WA_SUBSTANTIV, KD_A, "Romae", "f", "", ATTR_SINGULARIS_TANTUM);
    EXPECT_EQ(Ergebnis("roma"),
              (std::vector<std::string>{E(roma, F | fid::NOM_SG, "Roma"), E(roma, F | fid::ABL_SG, "Roma")}));
}

// ------------------------------------------------------------------ -que

TEST_F(Analyse, QueIsSplitOffAndEveryResultCarriesTheWholeWord)
{
    const int32_t populus = Anlegen("populus", WA_SUBSTANTIV, KD_O, "populi", "m");
    const int32_t que = Anlegen("-que", WA_UNBESTIMMT);
    EXPECT_EQ(Ergebnis("populusque"),
              (std::vector<std::string>{E(populus, M | fid::NOM_SG, "populusque"), E(que, 0, "populusque")}));
    EXPECT_EQ(Ergebnis("que"), std::vector<std::string>{});
    EXPECT_EQ(Ergebnis("ique"), std::vector<std::string>{}); // four letters: not split

    // Results of an earlier word the caller kept are not renamed.
    analyse.Zuruecksetzen();
    analyse.FormAnalysieren(QStringLiteral("populi"));
    analyse.FormAnalysieren(QStringLiteral("populusque"));
    const std::vector<std::string> r = Liste();
    ASSERT_FALSE(r.empty());
    EXPECT_EQ(r.front(), E(populus, M | fid::GEN_SG, "populi"));
}

// ------------------------------------------------------------ known entries

TEST_F(Analyse, AnalysisAmongKnownEntriesUsesOnlyTheCache)
{
    const int32_t rosa = Anlegen("rosa", WA_SUBSTANTIV, KD_A, "rosae", "f");
    Anlegen("rosae", WA_UNBESTIMMT); // not cached, so never found below
    const int32_t illa = Anlegen("ille", WA_PRONOMEN, KD_KEINE, "", "m", "", 0, {{fid::GEN_SG, "illius"}});
    Ergebnis("rosam");
    analyse.FormAnalysieren(QStringLiteral("ille"));
    ASSERT_EQ(analyse.Vokabelcache().size(), 2u);

    analyse.FormAnalysierenImBestand(QStringLiteral("Rosae"));
    // The earlier words' results went; the list holds this word's forms.
    EXPECT_EQ(Liste(), (std::vector<std::string>{E(rosa, F | fid::GEN_SG, "rosae"), E(rosa, F | fid::DAT_SG, "rosae"),
                                                 E(rosa, F | fid::NOM_PL, "rosae")}));
    analyse.FormAnalysierenImBestand(QStringLiteral("illius"));
    // Special forms of cached entries, without gender completion.
    EXPECT_EQ(Liste(), (std::vector<std::string>{E(illa, fid::GEN_SG, "illius")}));
    analyse.FormAnalysierenImBestand(QStringLiteral("ille"));
    EXPECT_EQ(Liste(), (std::vector<std::string>{E(illa, M | fid::NOM_SG, "ille")}));
}

TEST_F(Analyse, AnalysisAmongKnownEntriesFindsEveryGeneratedFormInEverySpelling)
{
    // A search for the forms of one entry in a text meets the forms and
    // spellings the full analysis finds, not only the ones its word-end
    // rules reach.
    const int32_t amare = Anlegen("amare", WA_VERB, KD_A, "amo", "amavi", "amatum");
    const int32_t nomen = Anlegen("nomen", WA_SUBSTANTIV, KD_K, "nominis", "n");
    const int32_t res = Anlegen("res", WA_SUBSTANTIV, KD_E, "rei", "f");
    for (const int32_t id : {amare, nomen, res})
        ASSERT_NE(analyse.InBestandAufnehmen(id), nullptr);
    const int32_t A = fid::AKTIV | fid::INDIKATIV;
    struct Fall {
        const char *wort;
        std::vector<std::string> erwartet;
    };
    const Fall faelle[] = {
        {"amaram", {E(amare, A | fid::PLUSQUAMPERFEKT | fid::P1_SG | fid::VERKUERZT, "amaram")}},
        {"Amāvit", {E(amare, A | fid::PERFEKT | fid::P3_SG, "amavit")}},
        {"nomen", {E(nomen, N | fid::NOM_SG, "nomen"), E(nomen, N | fid::AKK_SG, "nomen")}},
        {"rei", {E(res, F | fid::GEN_SG, "rei"), E(res, F | fid::DAT_SG, "rei")}},
        {"amare", {E(amare, fid::INFINITIV | fid::AKTIV | fid::PRAESENS, "amare")}}, // not also the gerund
        {"amicus", {}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.wort);
        analyse.Ergebnisliste().clear();
        analyse.FormAnalysierenImBestand(QString::fromUtf8(f.wort));
        std::vector<std::string> ist = Liste();
        std::vector<std::string> soll = f.erwartet;
        std::sort(ist.begin(), ist.end());
        std::sort(soll.begin(), soll.end());
        EXPECT_EQ(ist, soll);
    }
}

// -------------------------------------------------------- the fast source

TEST_F(Analyse, TheMemoryCopyFollowsChangesToTheDatabase)
{
    EXPECT_EQ(Ergebnis("rosam"), std::vector<std::string>{});
    const int32_t rosa = Anlegen("rosa", WA_SUBSTANTIV, KD_A, "rosae", "f");
    EXPECT_EQ(Ergebnis("rosam"), (std::vector<std::string>{E(rosa, F | fid::AKK_SG, "rosam")}));
    const int aufbauten = quelle.Aufbauten();
    Ergebnis("rosam");
    EXPECT_EQ(quelle.Aufbauten(), aufbauten); // nothing changed, nothing read again
    daten.VokabelLoeschen(rosa);
    EXPECT_EQ(Ergebnis("rosam"), std::vector<std::string>{});
}

TEST_F(Analyse, ChangedFieldsOfAnEntryChangeTheFormsAWordMetBeforeGives)
{
    // The analysis keeps what an entry's blocks gave for a word; a change of
    // the fields the forms rest on must not be answered from there.
    struct Fall {
        const char *name;
        void (*aendern)(TVokabel &);
        bool gefunden;
        int32_t genus;
    };
    const Fall faelle[] = {
        {"gender", [](TVokabel &v) { v.form2 = QStringLiteral("f"); }, true, F},
        {"headword",
         [](TVokabel &v) {
             v.vokabel = QStringLiteral("inimicus");
             v.form1 = QStringLiteral("inimici");
         },
         false, 0},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        const int32_t id = Anlegen("amicus", WA_SUBSTANTIV, KD_O, "amici", "m");
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(Ergebnis("amicos"), (std::vector<std::string>{E(id, M | fid::AKK_PL, "amicos")}));
        std::unique_ptr<TVokabel> v = daten.VokabelLaden(id);
        f.aendern(*v);
        ASSERT_EQ(TVokabelSpeicher(daten).VokabelAktualisieren(*v), TVokabelSpeicher::Ausgang::Gespeichert);
        const std::vector<std::string> erwartet =
            f.gefunden ? std::vector<std::string>{E(id, f.genus | fid::AKK_PL, "amicos")} : std::vector<std::string>{};
        EXPECT_EQ(Ergebnis("amicos"), erwartet);
        daten.VokabelLoeschen(id);
    }
}

TEST_F(Analyse, MeaningsReadForManyEntriesFollowChangesBetweenTwoWords)
{
    // Enough entries that the source reads all meanings at once.
    std::vector<int32_t> ids;
    for (int i = 0; i < 80; ++i)
        ids.push_back(Anlegen(("ros" + std::to_string(i)).c_str(), WA_UNBESTIMMT));
    for (int i = 0; i < 80; ++i) {
        Ergebnis(("ros" + std::to_string(i)).c_str());
        const TVokabel *v = analyse.VokabelImCache(ids[size_t(i)]);
        ASSERT_NE(v, nullptr);
        ASSERT_EQ(v->bedeutungen.size(), 1u);
        EXPECT_EQ(v->bedeutungen[0]->bedeutung.toStdString(), "Bedeutung von ros" + std::to_string(i));
    }
    const int aufbauten = quelle.Aufbauten();
    std::unique_ptr<TVokabel> v = daten.VokabelLaden(ids[70]);
    v->BedeutungAnhaengen(QStringLiteral("neu"), QString(), 2);
    ASSERT_EQ(TVokabelSpeicher(daten).VokabelAktualisieren(*v), TVokabelSpeicher::Ausgang::Gespeichert);
    Ergebnis("ros70");
    EXPECT_GT(quelle.Aufbauten(), aufbauten);
    const TVokabel *neu = analyse.VokabelImCache(ids[70]);
    ASSERT_NE(neu, nullptr);
    ASSERT_EQ(neu->bedeutungen.size(), 2u);
    EXPECT_EQ(neu->bedeutungen[1]->bedeutung.toStdString(), "neu");
    EXPECT_EQ(neu->bedeutungen[1]->gruppe, 2);
}

TEST(AnalyseQuelle, SeesCommitsOfAnotherConnection)
{
    QTemporaryDir ordner;
    TDatenmanager leser(ordner.path());
    TAnalysequelle quelle(leser);
    TFormenmanager manager;
    TFormanalyse analyse(manager, quelle);
    analyse.FormAnalysieren(QStringLiteral("rosam"));
    EXPECT_TRUE(analyse.Ergebnisliste().empty());
    {
        TDatenmanager schreiber(ordner.path());
        TVokabel v;
        v.vokabel = QStringLiteral("rosa");
        v.SetWortart(WA_SUBSTANTIV);
        v.SetKonjDekl(KD_A);
        v.form1 = QStringLiteral("rosae");
        v.form2 = QStringLiteral("f");
        ASSERT_EQ(TVokabelSpeicher(schreiber).VokabelAnlegen(v), TVokabelSpeicher::Ausgang::Gespeichert);
    }
    analyse.Zuruecksetzen();
    analyse.FormAnalysieren(QStringLiteral("rosam"));
    ASSERT_EQ(analyse.Ergebnisliste().size(), 1u);
    EXPECT_EQ(analyse.Ergebnisliste().front().formId, F | fid::AKK_SG);
}

TEST(AnalyseQuelle, AReadSessionAnalysesOneSnapshotAndSeesCommitsAfterwards)
{
    QTemporaryDir ordner;
    TDatenmanager leser(ordner.path());
    TAnalysequelle quelle(leser);
    TFormenmanager manager;
    TFormanalyse analyse(manager, quelle);
    auto rosam = [&] {
        analyse.Zuruecksetzen();
        analyse.FormAnalysieren(QStringLiteral("rosam"));
        return analyse.Ergebnisliste().size();
    };
    auto anlegen = [&](const char *vokabel, const char *genitiv) {
        TDatenmanager schreiber(ordner.path());
        TVokabel v;
        v.vokabel = QString::fromUtf8(vokabel);
        v.SetWortart(WA_SUBSTANTIV);
        v.SetKonjDekl(KD_A);
        v.form1 = QString::fromUtf8(genitiv);
        v.form2 = QStringLiteral("f");
        // Namesakes are wanted here: each is a second entry.
        ASSERT_EQ(TVokabelSpeicher(schreiber).VokabelAnlegen(v, TVokabelSpeicher::Loesung::Daneben),
                  TVokabelSpeicher::Ausgang::Gespeichert);
    };
    anlegen("rosa", "rosae");
    {
        TLesesitzung sitzung(quelle);
        EXPECT_EQ(rosam(), 1u);
        const int aufbauten = quelle.Aufbauten();
        anlegen("rosa", "rosae"); // a namesake, committed by another connection
        EXPECT_EQ(rosam(), 1u);   // not part of the session's snapshot
        EXPECT_EQ(quelle.Aufbauten(), aufbauten);
    }
    EXPECT_EQ(rosam(), 2u);
}

TEST_F(Analyse, StaleOrphanRowsAreSkipped)
{
    daten.Verbindung().Ausfuehren("INSERT INTO stamm (vokabel_id, stamm) VALUES (999, 'ros');"
                                  "INSERT INTO sonderform (vokabel_id, form_id, form) VALUES (999, 8192, 'rosam')");
    EXPECT_EQ(Ergebnis("rosam"), std::vector<std::string>{});
    TAnalysequelleSql sql(daten);
    TFormanalyse schlicht(manager, sql, {.schnell = false});
    schlicht.Zuruecksetzen();
    schlicht.FormAnalysieren(QStringLiteral("rosam"));
    EXPECT_TRUE(schlicht.Ergebnisliste().empty());
}

} // namespace
} // namespace lexovita

namespace lexovita {
namespace {

// Forms beyond what the cut-off stem and the last letter's blocks reach: a
// small vocabulary, and per mend the words with the (entry, form) they must
// give and the entries they must not come back under.
class AnalyseErgaenzt : public Analyse {
  protected:
    std::map<std::string, int32_t> id;

    void SetUp() override
    {
        const int32_t D = ATTR_DEPONENS;
        auto neu = [this](const char *vok, int32_t wa, int32_t kd, const char *f1, const char *f2 = "",
                          const char *f3 = "",
                          int32_t flags = 0) { id[vok] = Anlegen(vok, wa, kd, f1, f2, f3, flags); };
        neu("amare", WA_VERB, KD_A, "amo", "amavi", "amatum");
        neu("sperare", WA_VERB, KD_A, "spero", "speravi", "speratum");
        neu("putare", WA_VERB, KD_A, "puto", "putavi", "putatum");
        neu("audire", WA_VERB, KD_I, "audio", "audivi", "auditum");
        neu("facere", WA_VERB, KD_G, "facio", "feci", "factum");
        neu("capere", WA_VERB, KD_G, "capio", "cepi", "captum");
        neu("ponere", WA_VERB, KD_K, "pono", "posui", "positum");
        neu("videre", WA_VERB, KD_E, "video", "vidi", "visum");
        neu("venire", WA_VERB, KD_I, "venio", "veni", "ventum");
        neu("iubere", WA_VERB, KD_E, "iubeo", "iussi", "iussum");
        neu("hortari", WA_VERB, KD_A, "hortor", "hortatus sum", "", D);
        neu("proficisci", WA_VERB, KD_K, "proficiscor", "profectus sum", "", D);
        neu("reri", WA_VERB, KD_E, "reor", "ratus sum", "", D);
        neu("appropinquare", WA_VERB, KD_A, "appropinquo", "appropinquavi", "appropinquatum");
        neu("attendere", WA_VERB, KD_K, "attendo", "attendi", "attentum");
        neu("colloqui", WA_VERB, KD_K, "colloquor", "collocutus sum", "", D);
        neu("impedire", WA_VERB, KD_I, "impedio", "impedivi", "impeditum");
        neu("exspectare", WA_VERB, KD_A, "exspecto", "exspectavi", "exspectatum");
        neu("res", WA_SUBSTANTIV, KD_E, "rei", "f");
        neu("fides", WA_SUBSTANTIV, KD_E, "fidei", "f");
        neu("dies", WA_SUBSTANTIV, KD_E, "diei", "m");
        neu("nomen", WA_SUBSTANTIV, KD_K, "nominis", "n");
        neu("caput", WA_SUBSTANTIV, KD_K, "capitis", "n");
        neu("tempus", WA_SUBSTANTIV, KD_K, "temporis", "n");
        neu("regio", WA_SUBSTANTIV, KD_K, "regionis", "f");
        neu("pes", WA_SUBSTANTIV, KD_K, "pedis", "m");
        neu("consilium", WA_SUBSTANTIV, KD_O, "consilii", "n");
        neu("Clodius", WA_SUBSTANTIV, KD_O, "Clodii", "m");
        neu("servus", WA_SUBSTANTIV, KD_O, "servi", "m");
        neu("poeta", WA_SUBSTANTIV, KD_A, "poetae", "m");
        neu("poena", WA_SUBSTANTIV, KD_A, "poenae", "f");
        neu("felix", WA_ADJEKTIV, KD_I, "felicis");
        neu("-ne", WA_UNBESTIMMT, KD_KEINE, "");
    }

    struct Fall {
        const char *wort;
        const char *eintrag;
        int32_t formId;
    };
    // Every case must be among the word's results, with the entry's id.
    void Pruefen(std::initializer_list<Fall> faelle)
    {
        for (const Fall &f : faelle) {
            SCOPED_TRACE(std::string(f.wort) + " -> " + f.eintrag);
            ASSERT_TRUE(id.count(f.eintrag));
            Ergebnis(f.wort);
            bool da = false;
            for (const TLatForm &e : analyse.Ergebnisliste())
                da = da || (e.vokabelId == id[f.eintrag] && e.formId == f.formId);
            EXPECT_TRUE(da) << ::testing::PrintToString(Liste());
        }
    }
    // The entries the word's results name, by headword.
    std::set<std::string> Eintraege(const char *wort)
    {
        Ergebnis(wort);
        std::set<std::string> aus;
        for (const TLatForm &e : analyse.Ergebnisliste())
            for (const auto &[vok, nr] : id)
                if (nr == e.vokabelId)
                    aus.insert(vok);
        return aus;
    }
};

constexpr int32_t IA = fid::AKTIV | fid::INDIKATIV, KA = fid::AKTIV | fid::KONJUNKTIV;
constexpr int32_t K = fid::VERKUERZT;

TEST_F(AnalyseErgaenzt, EveryGeneratedFormIsFoundEvenWhereTheCutOffStemMissesIt)
{
    Pruefen({
        {"amaram", "amare", K | IA | fid::PLUSQUAMPERFEKT | fid::P1_SG},
        {"amarat", "amare", K | IA | fid::PLUSQUAMPERFEKT | fid::P3_SG},
        {"amarim", "amare", K | KA | fid::PERFEKT | fid::P1_SG},
        {"amasset", "amare", K | KA | fid::PLUSQUAMPERFEKT | fid::P3_SG},
        {"amatura", "amare", N | fid::PARTIZIP | fid::AKTIV | fid::FUTUR1 | fid::NOM_PL},
        {"nomen", "nomen", N | fid::AKK_SG},
        {"caput", "caput", N | fid::AKK_SG},
        {"tempus", "tempus", N | fid::AKK_SG},
        {"felix", "felix", N | fid::POSITIV | fid::AKK_SG},
        {"fidei", "fides", F | fid::GEN_SG},
        {"diei", "dies", M | fid::DAT_SG},
        {"rei", "res", F | fid::GEN_SG},
        {"faciebant", "facere", IA | fid::IMPERFEKT | fid::P3_PL},
        {"capiebat", "capere", IA | fid::IMPERFEKT | fid::P3_SG},
        {"audiebant", "audire", IA | fid::IMPERFEKT | fid::P3_PL},
    });
    // The gerund's nominative is the infinitive and is reported as that only.
    EXPECT_EQ(Ergebnis("amare"), (std::vector<std::string>{E(id["amare"], 2312, "amare")}));
}

TEST_F(AnalyseErgaenzt, OneLetterStemsAreFoundWithoutSpecialForms)
{
    Pruefen({{"rem", "res", F | fid::AKK_SG},
             {"re", "res", F | fid::ABL_SG},
             {"rebus", "res", F | fid::DAT_PL},
             {"rerum", "res", F | fid::GEN_PL}});
    // reor's stem "re" begins "rem" too, but none of its forms is "rem".
    EXPECT_EQ(Eintraege("rem"), (std::set<std::string>{"res"}));
}

TEST_F(AnalyseErgaenzt, NeAndVeAreSplitOffOnlyFromWordsThatAreNothingWithoutTheSplit)
{
    Pruefen({{"videsne", "videre", IA | fid::PRAESENS | fid::P2_SG},
             {"videsne", "-ne", 0},
             {"pedibusve", "pes", M | fid::DAT_PL}});
    for (const TLatForm &f : (Ergebnis("videsne"), analyse.Ergebnisliste()))
        EXPECT_EQ(f.text, QStringLiteral("videsne"));
    // regione is the ablative of regio, not regio + -ne.
    EXPECT_EQ(Eintraege("regione"), (std::set<std::string>{"regio"}));
}

TEST_F(AnalyseErgaenzt, EndingsOfRealTextsGiveTheFormTheyStandFor)
{
    Pruefen({
        {"posuere", "ponere", IA | fid::PERFEKT | fid::P3_PL},
        {"amavere", "amare", IA | fid::PERFEKT | fid::P3_PL},
        {"speraram", "sperare", K | IA | fid::PLUSQUAMPERFEKT | fid::P1_SG},
        {"putarat", "putare", K | IA | fid::PLUSQUAMPERFEKT | fid::P3_SG},
        {"audisti", "audire", K | IA | fid::PERFEKT | fid::P2_SG},
        {"audieram", "audire", K | IA | fid::PLUSQUAMPERFEKT | fid::P1_SG},
        {"audierunt", "audire", K | IA | fid::PERFEKT | fid::P3_PL},
        {"hortare", "hortari", IA | fid::PRAESENS | fid::P2_SG},
        {"proficiscare", "proficisci", KA | fid::PRAESENS | fid::P2_SG},
        {"consili", "consilium", N | fid::GEN_SG},
        {"Clodi", "Clodius", M | fid::GEN_SG},
    });
    // An infinitive is not also its verb's second singular passive; a
    // genitive in -i is only for nouns in -ius/-ium.
    EXPECT_EQ(Ergebnis("amare"), (std::vector<std::string>{E(id["amare"], 2312, "amare")}));
    EXPECT_TRUE(Eintraege("servi").count("servus"));
    // The rewritten word keeps the text that was written.
    Ergebnis("posuere");
    EXPECT_EQ(analyse.Ergebnisliste().front().text, QStringLiteral("posuere"));
}

TEST_F(AnalyseErgaenzt, SpellingsOfEditionsGiveTheResultsOfTheStoredSpelling)
{
    const struct {
        const char *geschrieben, *gespeichert;
    } paare[] = {
        {"AMAVIT", "amavit"},
        {"jussit", "iussit"},
        {"uenit", "venit"},
        {"seruus", "servus"},
        {"\u0101m\u0101vist\u012b", "amavisti"},
        {"po\u00ebta", "poeta"},
        {"p\u0153nam", "poenam"},
        {"adpropinquare", "appropinquare"},
        {"adtendere", "attendere"},
        {"conloqui", "colloqui"},
        {"inpedire", "impedire"},
        {"expectare", "exspectare"},
    };
    for (const auto &p : paare) {
        SCOPED_TRACE(p.geschrieben);
        const std::vector<std::string> erwartet = Ergebnis(p.gespeichert);
        ASSERT_FALSE(erwartet.empty());
        // Entries and forms as for the stored spelling; the texts are the
        // entry's own.
        EXPECT_EQ(Ergebnis(p.geschrieben), erwartet);
    }
    // u-spelling finds venire and nothing under another word.
    EXPECT_EQ(Eintraege("uenit"), (std::set<std::string>{"venire"}));
}

} // namespace
} // namespace lexovita
