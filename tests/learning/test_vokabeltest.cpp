#include "learning/antwort.h"
#include "learning/vokabeltest.h"

#include "lern_hilfe.h"

#include <algorithm>
#include <functional>

namespace lexovita {
namespace {

using namespace lexovita::test;

TEST(AntwortVergleichen, IgnoresPunctuationBlanksAndLetterCaseButNotUmlautCase)
{
    const struct {
        const char *a, *b;
        bool grossKlein;
        bool gleich;
    } faelle[] = {
        {"Videre", "videre", false, true},
        {"Videre", "videre", true, false},
        {"Übel", "übel", false, false}, // only A-Z change case
        {"Ärger", "ärger", false, false},
        {"zu sehen!", "zu sehen", false, true},
        {"zusehen", "zu sehen", false, true},
        {"(sich) freuen", "sich freuen", false, true},
        {"\"Freund\"; 'Gefährte'", "Freund Gefährte", false, true},
        {"sehen, erblicken", "erblicken", false, false},
        {"", "", false, true},
        {"?!", "", false, true},
        {"sehen-", "sehen", false, false}, // a hyphen is no punctuation here
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(std::string(f.a) + " / " + f.b);
        EXPECT_EQ(AntwortVergleichen(QString::fromUtf8(f.a), QString::fromUtf8(f.b), f.grossKlein), f.gleich);
    }
}

TEST(LateinVergleichen, AcceptsWhatPupilsTypeForLatin)
{
    const struct {
        const char *antwort, *ziel;
        bool grossKlein;
        bool gleich;
    } faelle[] = {
        {"āmāvī", "amavi", false, true},   {"ĂMĀVĪ", "amavi", false, true},
        {"ĂMĀVĪ", "amavi", true, false}, // the case setting counts for Latin too
        {"Āmāvī", "Amavi", true, true},  // while marks stay ignored
        {"Iacere", "jacere", false, true}, {"Iacere", "Jacere", true, true},
        {"iacere", "Jacere", true, false}, {"jam", "iam", false, true},
        {"poëta", "poeta", false, true},   {"amavi.", "amavi", false, true},
        {"amavit", "amavi", false, false}, {"amabi", "amavi", false, false},
        {"", "amavi", false, false},       {"res publica", "respublica", false, true},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(std::string(f.antwort) + " / " + f.ziel);
        EXPECT_EQ(LateinVergleichen(QString::fromUtf8(f.antwort), QString::fromUtf8(f.ziel), f.grossKlein), f.gleich);
    }
}

TEST(ProzenteRunden, RoundsAndAlwaysAddsUpToAHundred)
{
    const struct {
        int richtige, falsche, richtig, falsch;
    } faelle[] = {
        {0, 0, 0, 0},    {1, 2, 33, 67}, {2, 1, 67, 33},  {1, 1, 50, 50},   {89, 11, 89, 11},
        {17, 2, 89, 11}, {8, 1, 89, 11}, {1, 199, 1, 99}, {1, 201, 0, 100}, {5, 0, 100, 0},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(std::to_string(f.richtige) + "/" + std::to_string(f.falsche));
        const TProzente p = ProzenteRunden(f.richtige, f.falsche);
        EXPECT_EQ(p.richtig, f.richtig);
        EXPECT_EQ(p.falsch, f.falsch);
    }
}

TEST(EingegebeneFormHinweis, NamesCasesWithTheirArticleAndOtherFormsAsForms)
{
    const struct {
        QStringList formen;
        const char *hinweis;
    } faelle[] = {
        {{}, ""},
        {{QStringLiteral("Genitiv Pl.")}, "Du hast den Genitiv Pl. eingegeben."},
        {{QStringLiteral("Nominativ Sg."), QStringLiteral("Ablativ Sg.")},
         "Du hast den Nominativ Sg. bzw. den Ablativ Sg. eingegeben."},
        {{QStringLiteral("1. Prs. Sg. Präsens Aktiv Indikativ")},
         "Du hast die Form 1. Prs. Sg. Präsens Aktiv Indikativ eingegeben."},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(S(EingegebeneFormHinweis(f.formen)), f.hinweis);
}

// One question of the drill, answered and checked.
struct Frage {
    const char *name;
    std::function<std::unique_ptr<TVokabel>()> eintrag;
    const char *antwort, *form1, *form2, *form3;
    bool bedeutung, f1, f2, f3;
    std::function<void(TConfig &)> einstellen = nullptr;
    const char *gespeichert2 = nullptr; // the typed parts as the solution shows them
    const char *gespeichert3 = nullptr;
};

TEST(Pruefen, JudgesMeaningAndPrincipalPartsByWordClass)
{
    const auto aus = [](bool TConfig::*feld) { return [feld](TConfig &c) { c.*feld = false; }; };
    const auto latDeu = [](TConfig &c) { c.vlRichtung = 2; };
    const Frage fragen[] = {
        {"verb", Laudare, "loben", "laudo", "laudavi", "laudatum", true, true, true, true},
        {"second meaning", Laudare, "preisen", "laudo", "laudavi", "laudatum", true, true, true, true},
        {"two meanings at once", Laudare, "loben, preisen", "laudo", "laudavi", "laudatum", false, true, true, true},
        {"typed as pupils do", Laudare, "Loben!", "Laudo", "lāudāvī", "laudatum", true, true, true, true},
        {"participle masculine", Laudare, "loben", "laudo", "laudavi", "laudatus", true, true, true, true, nullptr,
         "laudavi", "laudatus"},
        {"participle feminine", Laudare, "loben", "laudo", "laudavi", "laudata", true, true, true, true, nullptr,
         "laudavi", "laudata"},
        {"participle wrong", Laudare, "loben", "laudo", "laudavi", "laudatos", true, true, true, false},
        {"present wrong", Laudare, "loben", "lauda", "laudavi", "laudatum", true, false, true, true},
        {"perfect not asked", Laudare, "loben", "laudo", "", "laudatum", true, true, true, true,
         aus(&TConfig::vlPerfekt)},
        {"present not asked", Laudare, "loben", "", "laudavi", "laudatum", true, true, true, true,
         aus(&TConfig::vlPraesens)},
        {"participle not asked", Laudare, "loben", "laudo", "laudavi", "", true, true, true, true,
         aus(&TConfig::vlPartizip)},
        {"no principal parts asked", Laudare, "loben", "", "", "", true, true, true, true,
         aus(&TConfig::vlStammformen)},
        {"deponent perfect as stored", Hortari, "ermahnen", "hortor", "hortatus sum", "", true, true, true, true,
         nullptr, "hortatus sum", ""},
        {"deponent perfect feminine", Hortari, "ermahnen", "hortor", "hortata sum", "", true, true, true, true, nullptr,
         "hortata sum", ""},
        {"deponent perfect in capitals", Hortari, "ermahnen", "hortor", "hortatUS sum", "", true, true, true, true},
        {"capitals count when set", Hortari, "ermahnen", "hortor", "hortatUS sum", "", true, true, false, true,
         [](TConfig &c) { c.vlCase = true; }},
        {"Latin headword in capitals when set", Laudare, "LAUDARE", "laudo", "laudavi", "laudatum", false, true, true,
         true,
         [](TConfig &c) {
             c.vlRichtung = 2;
             c.vlCase = true;
         }},
        {"noun genitive and gender", Amicus, "Freund", "amici", "m", "", true, true, true, true},
        {"noun without gender", Amicus, "Freund", "amici", "", "", true, true, false, true},
        {"noun wrong gender", Amicus, "Freund", "amici", "f", "", true, true, false, true},
        {"noun nominative for genitive", Amicus, "Freund", "amicus", "m", "", true, false, true, true},
        {"plural-only noun in genitive plural", Castra, "Lager", "castrorum", "n", "", true, true, true, true},
        {"plural-only noun never singular", Castra, "Lager", "castri", "n", "", true, false, true, true},
        {"dative asked", Rosa, "Rose", "rosae", "f", "", true, true, true, true,
         [](TConfig &c) { c.vlKasus = 0x6000; }},
        {"accusative plural asked", Rosa, "Rose", "rosas", "f", "", true, true, true, true,
         [](TConfig &c) { c.vlKasus = 0x12000; }},
        {"umlaut case counts", Malum, "übel", "mali", "n", "", false, true, true, true},
        {"adjective three forms", Bonus, "gut", "bonus", "bona", "bonum", true, true, true, true},
        {"adjective neuter wrong", Bonus, "gut", "bonus", "bona", "bonus", true, true, true, false},
        {"adjective with genitive only", Felix, "glücklich", "felicis", "", "", true, true, true, true},
        {"adjective ignores verb switches", Bonus, "gut", "bonus", "bona", "bonu", true, true, true, false,
         aus(&TConfig::vlPartizip)},
        {"adverb has no parts", Saepe, "oft", "x", "y", "z", true, true, true, true},
        {"Latin asked for German", Laudare, "Laudāre", "laudo", "laudavi", "laudatum", true, true, true, true, latDeu},
        {"German meaning is no headword", Laudare, "loben", "laudo", "laudavi", "laudatum", false, true, true, true,
         latDeu},
    };
    for (const Frage &f : fragen) {
        SCOPED_TRACE(f.name);
        TTestConfig tc;
        if (f.einstellen)
            f.einstellen(tc.config);
        TLektion lektion;
        TTestQuelle quelle;
        std::vector<std::unique_ptr<TVokabel>> eintraege;
        eintraege.push_back(f.eintrag());
        Fuellen(lektion, quelle, std::move(eintraege));
        TSkriptZufall zufall;
        TVokabeltest test(lektion, tc.config, quelle, zufall);
        test.NaechsteVokabel();
        test.antwort = QString::fromUtf8(f.antwort);
        test.antwortForm1 = QString::fromUtf8(f.form1);
        test.antwortForm2 = QString::fromUtf8(f.form2);
        test.antwortForm3 = QString::fromUtf8(f.form3);
        test.Pruefen();
        EXPECT_EQ(test.bedeutungRichtig, f.bedeutung);
        EXPECT_EQ(test.form1Richtig, f.f1);
        EXPECT_EQ(test.form2Richtig, f.f2);
        EXPECT_EQ(test.form3Richtig, f.f3);
        EXPECT_EQ(test.IstRichtig(), f.bedeutung && f.f1 && f.f2 && f.f3);
        if (f.gespeichert2) {
            EXPECT_EQ(S(test.antwortForm2), f.gespeichert2);
            EXPECT_EQ(S(test.antwortForm3), f.gespeichert3);
        }
    }
}

// "Längen abfragen" over the principal parts: off, the marks are ignored;
// on, a part stored with lengths wants them (j for i and letter case still
// fold), and a part right but for them is named, the right one first.
TEST(Pruefen, PrincipalPartsWantTheirLengthsWhenAsked)
{
    const auto iudicare = [] {
        return Eintrag(31, WA_VERB, KD_A, "iūdicāre", {"iūdicō", "iūdicāvī", "iūdicātum"}, {"urteilen"});
    };
    const auto rex = [] { return Eintrag(32, WA_SUBSTANTIV, KD_K, "rēx", {"rēgis", "m"}, {"König"}); };
    const struct {
        bool abfragen;
        std::unique_ptr<TVokabel> (*eintrag)();
        const char *form1, *form2, *form3;
        bool f1, f2, f3;
        std::vector<const char *> hinweise;
    } faelle[] = {
        {false, iudicare, "iudico", "iudicavi", "iudicatum", true, true, true, {}},
        {false, rex, "regis", "m", "", true, true, true, {}},
        {true, iudicare, "iūdicō", "iūdicāvī", "iūdicātum", true, true, true, {}},
        {true, iudicare, "Jūdicō", "IŪDICĀVĪ", "iūdicāta", true, true, true, {}},
        {true,
         iudicare,
         "iudico",
         "iūdicavi",
         "judicatus",
         false,
         false,
         false,
         {"Länge: iūdicō, nicht iudico", "Länge: iūdicāvī, nicht iūdicavi", "Länge: iūdicātum, nicht judicatus"}},
        {true, iudicare, "iūdicās", "iūdicāvī", "iūdicātum", false, true, true, {}}, // wrong, not a length
        {true, rex, "rēgis", "m", "", true, true, true, {}},
        {true, rex, "regis", "m", "", false, true, true, {"Länge: rēgis, nicht regis"}},
        // Parts stored without marks have no lengths to ask.
        {true, Laudare, "laudo", "laudavi", "laudatum", true, true, true, {}},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(testing::Message() << f.abfragen << " " << f.form1 << " " << f.form2 << " " << f.form3);
        TTestConfig tc;
        tc.config.lrLaengen = f.abfragen;
        TLektion lektion;
        TTestQuelle quelle;
        std::vector<std::unique_ptr<TVokabel>> eintraege;
        eintraege.push_back(f.eintrag());
        const QString bedeutung = eintraege.front()->bedeutungen.front()->bedeutung;
        Fuellen(lektion, quelle, std::move(eintraege));
        TSkriptZufall zufall;
        TVokabeltest test(lektion, tc.config, quelle, zufall);
        test.NaechsteVokabel();
        test.antwort = bedeutung;
        test.antwortForm1 = QString::fromUtf8(f.form1);
        test.antwortForm2 = QString::fromUtf8(f.form2);
        test.antwortForm3 = QString::fromUtf8(f.form3);
        test.Pruefen();
        EXPECT_TRUE(test.bedeutungRichtig);
        EXPECT_EQ(test.form1Richtig, f.f1);
        EXPECT_EQ(test.form2Richtig, f.f2);
        EXPECT_EQ(test.form3Richtig, f.f3);
        QStringList hinweise;
        for (const char *h : f.hinweise)
            hinweise << QString::fromUtf8(h);
        EXPECT_EQ(test.laengenHinweise, hinweise);
    }
}

// Every semi-deponent of the starter textbooks, as stored there: the perfect
// is the participle with "sum", in any gender, with or without marks.
TEST(Pruefen, SemiDeponentsAreCheckedAsStored)
{
    const int32_t semi = ATTR_SEMIDEPONENS | ATTR_KEIN_PASSIV;
    const struct {
        const char *vokabel, *praesens, *stamm, *bedeutung, *mitZeichen;
        int32_t kd;
    } verben[] = {
        {"gaudere", "gaudeo", "gavis", "sich freuen", "gāvīsus sum", KD_E},
        {"audere", "audeo", "aus", "wagen", "ausus sūm", KD_E},
        {"solere", "soleo", "solit", "gewohnt sein", "sōlitus sum", KD_E},
        {"fidere", "fido", "fis", "vertrauen", "fīsus sum", KD_K},
        {"confidere", "confido", "confis", "vertrauen", "cōnfīsus sum", KD_K},
        {"diffidere", "diffido", "diffis", "misstrauen", "diffīsus sum", KD_K},
    };
    for (const auto &vb : verben) {
        const std::string stamm = vb.stamm;
        const std::string gespeichert = stamm + "us sum";
        const struct {
            std::string form2;
            bool richtig;
        } eingaben[] = {
            {gespeichert, true},
            {vb.mitZeichen, true},
            {stamm + "a sum", true},
            {stamm + "um sum", true},
            {stamm + "us  sum.", true},
            {stamm + "us", false},
            {stamm + "um", false},
            {stamm + "us est", false},
            {"sum", false},
            {"", false},
        };
        for (const auto &e : eingaben) {
            SCOPED_TRACE(std::string(vb.vokabel) + ": " + e.form2);
            TTestConfig tc;
            TLektion lektion;
            TTestQuelle quelle;
            std::vector<std::unique_ptr<TVokabel>> eintraege;
            eintraege.push_back(
                Eintrag(30, WA_VERB, vb.kd, vb.vokabel, {vb.praesens, gespeichert.c_str(), ""}, {vb.bedeutung}, semi));
            Fuellen(lektion, quelle, std::move(eintraege));
            TSkriptZufall zufall;
            TVokabeltest test(lektion, tc.config, quelle, zufall);
            test.NaechsteVokabel();
            test.antwort = QString::fromUtf8(vb.bedeutung);
            test.antwortForm1 = QString::fromUtf8(vb.praesens);
            test.antwortForm2 = QString::fromStdString(e.form2);
            test.Pruefen();
            EXPECT_EQ(test.form2Richtig, e.richtig);
            EXPECT_EQ(test.IstRichtig(), e.richtig);
            // The solution shows what was typed.
            EXPECT_EQ(test.antwortForm2.toStdString(), e.form2);
        }
    }
}

// Principal parts of two words: a noun's genitive ("iuris iurandi") and, in
// the other direction, the headword itself.
TEST(Pruefen, TwoWordEntriesAreCheckedAsStored)
{
    const auto iusIurandum = [] {
        return Eintrag(40, WA_SUBSTANTIV, KD_K, "ius iurandum", {"iuris iurandi", "n"}, {"Eid"},
                       ATTR_SINGULARIS_TANTUM);
    };
    const auto resPublica = [] {
        return Eintrag(41, WA_SUBSTANTIV, KD_E, "res publica", {"rei publicae", "f"}, {"Staat"});
    };
    const auto latDeu = [](TConfig &c) { c.vlRichtung = 2; };
    const Frage fragen[] = {
        {"genitive of two words", iusIurandum, "Eid", "iuris iurandi", "n", "", true, true, true, true},
        {"with marks and blanks", iusIurandum, "Eid", "iūris  iūrandī", "n", "", true, true, true, true},
        {"second word not inflected", iusIurandum, "Eid", "iuris iurandum", "n", "", true, false, true, true},
        {"first word not inflected", resPublica, "Staat", "res publicae", "f", "", true, false, true, true},
        {"both inflected", resPublica, "Staat", "rei publicae", "f", "", true, true, true, true},
        {"headword of two words", iusIurandum, "ius iurandum", "iuris iurandi", "n", "", true, true, true, true,
         latDeu},
        {"headword half typed", resPublica, "res", "rei publicae", "f", "", false, true, true, true, latDeu},
    };
    for (const Frage &f : fragen) {
        SCOPED_TRACE(f.name);
        TTestConfig tc;
        if (f.einstellen)
            f.einstellen(tc.config);
        TLektion lektion;
        TTestQuelle quelle;
        std::vector<std::unique_ptr<TVokabel>> eintraege;
        eintraege.push_back(f.eintrag());
        Fuellen(lektion, quelle, std::move(eintraege));
        TSkriptZufall zufall;
        TVokabeltest test(lektion, tc.config, quelle, zufall);
        test.NaechsteVokabel();
        test.antwort = QString::fromUtf8(f.antwort);
        test.antwortForm1 = QString::fromUtf8(f.form1);
        test.antwortForm2 = QString::fromUtf8(f.form2);
        test.Pruefen();
        EXPECT_EQ(test.bedeutungRichtig, f.bedeutung);
        EXPECT_EQ(test.form1Richtig, f.f1);
        EXPECT_EQ(test.form2Richtig, f.f2);
    }
}

// The live colouring asks the same comparison as the verdict: every
// beginning of an answer the verdict accepts fits, and a text that no longer
// fits is never accepted. The rows are where a separate copy used to differ.
TEST(AntwortPasstNoch, AgreesWithTheVerdict)
{
    const auto latDeu = [](TConfig &c) { c.vlRichtung = 2; };
    const auto gross = [](TConfig &c) { c.vlCase = true; };
    const auto latDeuGross = [](TConfig &c) {
        c.vlRichtung = 2;
        c.vlCase = true;
    };
    const auto iam = [] { return Eintrag(50, WA_ADVERB, KD_KEINE, "jam", {}, {"schon"}); };
    const struct {
        const char *name;
        std::function<std::unique_ptr<TVokabel>()> eintrag;
        std::function<void(TConfig &)> einstellen;
        const char *getippt;
        bool richtig;
    } faelle[] = {
        {"macrons in a Latin headword", Laudare, latDeu, "lāudāre", true},
        {"i for j", iam, latDeu, "iam", true},
        {"v is no u", Laudare, latDeu, "LAVDARE", false},
        {"capitals ignored for Latin", Laudare, latDeu, "Laudare", true},
        {"capitals count for Latin when set", Laudare, latDeuGross, "Laudare", false},
        {"German meaning, capitals ignored", Laudare, nullptr, "Loben!", true},
        {"German meaning, capitals count when set", Laudare, gross, "Loben", false},
        {"German meaning as stored, capitals set", Amicus, gross, "Freund", true},
        {"German umlaut case always counts", Malum, nullptr, "übel", false},
        {"German punctuation and blanks", Laudare, nullptr, "(preisen)", true},
        {"wrong word", Laudare, nullptr, "lieben", false},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.name);
        TTestConfig tc;
        if (f.einstellen)
            f.einstellen(tc.config);
        tc.config.vlStammformen = false;
        TLektion lektion;
        TTestQuelle quelle;
        std::vector<std::unique_ptr<TVokabel>> eintraege;
        eintraege.push_back(f.eintrag());
        Fuellen(lektion, quelle, std::move(eintraege));
        TSkriptZufall zufall;
        TVokabeltest test(lektion, tc.config, quelle, zufall);
        test.NaechsteVokabel();
        const QString getippt = QString::fromUtf8(f.getippt);
        // Every beginning of a right answer is drawn as fitting.
        for (qsizetype n = 0; f.richtig && n <= getippt.size(); ++n)
            EXPECT_TRUE(test.AntwortPasstNoch(getippt.left(n))) << n;
        EXPECT_EQ(test.AntwortPasstNoch(getippt), f.richtig);
        test.antwort = getippt;
        test.Pruefen();
        EXPECT_EQ(test.IstRichtig(), f.richtig);
    }
}

// The engine names the fields a question asks, and its check judges exactly
// those: a field it does not list is right whatever was typed into it, a
// listed one is judged (a nonsense answer is wrong).
TEST(Abfragefelder, NameWhatTheCheckJudges)
{
    const auto aus = [](bool TConfig::*feld) { return [feld](TConfig &c) { c.*feld = false; }; };
    const auto depMitPartizip = [] {
        return Eintrag(51, WA_VERB, KD_A, "hortari", {"hortor", "hortatus sum", "hortatum"}, {"ermahnen"},
                       ATTR_DEPONENS);
    };
    const auto ohneGenus = [] { return Eintrag(52, WA_SUBSTANTIV, KD_O, "amicus", {"amici", ""}, {"Freund"}); };
    const char *praes = "1:1. Prs. Präsens Aktiv Indikativ", *perf = "2:1. Prs. Perfekt Aktiv Indikativ",
               *ppp = "3:Partizip Perfekt Passiv", *genus = "G:Genus";
    const struct {
        const char *name;
        std::function<std::unique_ptr<TVokabel>()> eintrag;
        std::function<void(TConfig &)> einstellen;
        std::vector<const char *> felder; // art:caption
    } faelle[] = {
        {"verb", Laudare, nullptr, {praes, perf, ppp}},
        {"verb without perfect", Laudare, aus(&TConfig::vlPerfekt), {praes, ppp}},
        {"verb without present", Laudare, aus(&TConfig::vlPraesens), {perf, ppp}},
        {"verb without participle", Laudare, aus(&TConfig::vlPartizip), {praes, perf}},
        {"no principal parts", Laudare, aus(&TConfig::vlStammformen), {}},
        {"deponent", Hortari, nullptr, {praes, perf}},
        {"deponent with a stored participle", depMitPartizip, nullptr, {praes, perf}},
        {"noun", Amicus, nullptr, {"1:Genitiv Sg.", genus}},
        {"noun without stored gender", ohneGenus, nullptr, {"1:Genitiv Sg."}},
        {"noun, dative set", Rosa, [](TConfig &c) { c.vlKasus = 0x6000; }, {"1:Dativ Sg.", genus}},
        {"plural-only noun", Castra, nullptr, {"1:Genitiv Pl.", genus}},
        {"noun without principal parts", Amicus, aus(&TConfig::vlStammformen), {}},
        {"adjective of three endings",
         Bonus,
         nullptr,
         {"1:Nominativ Sg. maskulinum", "2:Nominativ Sg. femininum", "3:Nominativ Sg. neutrum"}},
        {"adjective of one ending", Felix, nullptr, {"1:Genitiv Sg. maskulinum"}},
        {"adverb", Saepe, nullptr, {}},
        {"pronoun", Is, nullptr, {}},
    };
    const char arten[] = {'1', '2', '3', 'G'};
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.name);
        TTestConfig tc;
        if (f.einstellen)
            f.einstellen(tc.config);
        TLektion lektion;
        TTestQuelle quelle;
        std::vector<std::unique_ptr<TVokabel>> eintraege;
        eintraege.push_back(f.eintrag());
        Fuellen(lektion, quelle, std::move(eintraege));
        TSkriptZufall zufall;
        TVokabeltest test(lektion, tc.config, quelle, zufall);
        EXPECT_TRUE(test.Abfragefelder().empty()); // nothing drawn yet
        test.NaechsteVokabel();
        QStringList gefragt;
        for (const TAbfragefeld &feld : test.Abfragefelder())
            gefragt << QString(QLatin1Char(arten[feld.art])) + QLatin1Char(':') + feld.bezeichnung;
        QStringList erwartet;
        for (const char *e : f.felder)
            erwartet << QString::fromUtf8(e);
        EXPECT_EQ(gefragt, erwartet);

        test.antwortForm1 = test.antwortForm2 = test.antwortForm3 = QStringLiteral("xyz");
        test.Pruefen();
        const auto gelistet = [&](char art) {
            return std::any_of(gefragt.begin(), gefragt.end(), [art](const QString &g) { return g[0] == art; });
        };
        EXPECT_EQ(test.form1Richtig, !gelistet('1'));
        EXPECT_EQ(test.form2Richtig, !gelistet('2') && !gelistet('G'));
        EXPECT_EQ(test.form3Richtig, !gelistet('3'));
    }
}

TEST(Pruefen, PluralOnlyNounsAreAskedThePluralOfASingularCase)
{
    TTestConfig tc;
    TLektion lektion;
    TTestQuelle quelle;
    TSkriptZufall zufall;
    TVokabeltest test(lektion, tc.config, quelle, zufall);
    const auto castra = Castra();
    const auto amicus = Amicus();
    const struct {
        int32_t kasus, castra, amicus;
    } faelle[] = {
        {0x2000, 0xC000, 0x2000},
        {0x4000, 0xE000, 0x4000},
        {0xA000, 0x14000, 0xA000},
        {0x12000, 0x12000, 0x12000},
        {0x4000 | 0x20000, 0x4000 | 0x20000, 0x4000 | 0x20000}, // not a bare case
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.kasus);
        tc.config.vlKasus = f.kasus;
        EXPECT_EQ(test.GefragterKasus(*castra), f.castra);
        EXPECT_EQ(test.GefragterKasus(*amicus), f.amicus);
    }
}

TEST(Pruefen, AWrongCaseFormThatIsAnotherFormOfTheNounIsNamed)
{
    TTestConfig tc;
    TLektion lektion;
    TTestQuelle quelle;
    std::vector<std::unique_ptr<TVokabel>> e;
    e.push_back(Rosa());
    Fuellen(lektion, quelle, std::move(e));
    TSkriptZufall zufall;
    TVokabeltest test(lektion, tc.config, quelle, zufall);
    const struct {
        const char *eingabe;
        QStringList formen;
    } faelle[] = {
        {"rosarum", {QStringLiteral("Genitiv Pl.")}},
        {"rosam", {QStringLiteral("Akkusativ Sg.")}},
        {"rosa", {QStringLiteral("Nominativ Sg."), QStringLiteral("Ablativ Sg.")}},
        {"rosae", {}}, // right: nothing to name
        {"rosis x", {}},
        {"", {}},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.eingabe);
        test.NaechsteVokabel();
        test.antwort = QStringLiteral("Rose");
        test.antwortForm1 = QString::fromUtf8(f.eingabe);
        test.antwortForm2 = QStringLiteral("f");
        test.Pruefen();
        EXPECT_EQ(test.eingegebeneFormen, f.formen);
    }
}

// Runs a drill over a lesson of the given size; `richtig` decides each
// answer from the id asked. Returns the ids in the order asked.
std::vector<int32_t> Durchlaufen(TVokabeltest &test, const std::function<bool(int32_t)> &richtig, int hoechstens)
{
    std::vector<int32_t> gefragt;
    test.NaechsteVokabel();
    while (test.Verbleibend() > 0 && static_cast<int>(gefragt.size()) < hoechstens) {
        const TVokabel &v = *test.AktuelleVokabel();
        gefragt.push_back(v.id);
        test.antwort = richtig(v.id) ? v.bedeutungen.front()->bedeutung : QStringLiteral("falsch");
        test.Pruefen();
        test.NaechsteVokabel();
    }
    return gefragt;
}

// Entries 1..n, each meaning "bedeutung<i>".
void Nummeriert(TLektion &lektion, TTestQuelle &quelle, int n)
{
    std::vector<std::unique_ptr<TVokabel>> e;
    for (int i = 1; i <= n; ++i) {
        const std::string bed = "bedeutung" + std::to_string(i);
        e.push_back(Eintrag(i, WA_ADVERB, KD_KEINE, "wort", {}, {bed.c_str()}));
    }
    Fuellen(lektion, quelle, std::move(e));
}

TEST(Abfrageliste, MixingAsksTheEntryAtTheDrawnPositionOfTheRemainingQueue)
{
    TTestConfig tc;
    TLektion lektion;
    TTestQuelle quelle;
    Nummeriert(lektion, quelle, 3);
    TSkriptZufall zufall;
    zufall.zahlen = {2, 0, 0};
    TVokabeltest test(lektion, tc.config, quelle, zufall);
    EXPECT_EQ(Durchlaufen(
                  test, [](int32_t) { return true; }, 10),
              (std::vector<int32_t>{3, 1, 2}));
    EXPECT_EQ(zufall.bereiche, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(quelle.ladungen, 3); // loaded afresh for every question
}

TEST(Abfrageliste, KeepingTheOrderAsksTheLessonOrder)
{
    TTestConfig tc;
    tc.config.vlsMischen = false;
    TLektion lektion;
    TTestQuelle quelle;
    Nummeriert(lektion, quelle, 4);
    TSkriptZufall zufall;
    TVokabeltest test(lektion, tc.config, quelle, zufall);
    EXPECT_EQ(Durchlaufen(
                  test, [](int32_t) { return true; }, 10),
              (std::vector<int32_t>{1, 2, 3, 4}));
    EXPECT_TRUE(zufall.bereiche.empty());
}

TEST(Abfrageliste, WrongAnswersWhileMixingComeBackAsTheThresholdSays)
{
    const struct {
        const char *name;
        bool mehrfach;
        int schwelle;
        int falscheAntworten;
        int laengeDanach; // queue of a one-entry lesson after the wrong answers
    } faelle[] = {
        {"threshold 1: every wrong answer adds a copy", true, 1, 3, 4},
        {"threshold 2: the first wrong answer adds none", true, 2, 1, 1},
        {"threshold 2: the second and later add one each", true, 2, 3, 3},
        {"no repeats: a wrong entry is not asked again", false, 1, 1, 0},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.name);
        TTestConfig tc;
        tc.config.vlsFalscheMehrfach = f.mehrfach;
        tc.config.vlsFalscheAnzahl = f.schwelle;
        TLektion lektion;
        TTestQuelle quelle;
        Nummeriert(lektion, quelle, 1);
        TFesterZufall zufall(7);
        TVokabeltest test(lektion, tc.config, quelle, zufall);
        int falsche = 0;
        const auto gefragt = Durchlaufen(
            test, [&](int32_t) { return ++falsche > f.falscheAntworten; }, 100);
        // Every copy must be answered right before the drill ends.
        EXPECT_EQ(static_cast<int>(gefragt.size()), f.falscheAntworten + f.laengeDanach);
        EXPECT_EQ(test.StatistikFuer(1).falsch, f.falscheAntworten);
        EXPECT_EQ(test.StatistikFuer(1).richtig, f.laengeDanach);
    }
}

TEST(Abfrageliste, AWrongAnswerInOrderStartsAgainOrDropsTheEntry)
{
    for (const bool anfang : {true, false}) {
        SCOPED_TRACE(anfang ? "restart" : "drop");
        TTestConfig tc;
        tc.config.vlsMischen = false;
        tc.config.vlsAnfang = anfang;
        TLektion lektion;
        TTestQuelle quelle;
        Nummeriert(lektion, quelle, 10);
        TSkriptZufall zufall;
        TVokabeltest test(lektion, tc.config, quelle, zufall);
        bool schonFalsch = false;
        const auto gefragt = Durchlaufen(
            test,
            [&](int32_t id) {
                if (id != 10 || schonFalsch)
                    return true;
                schonFalsch = true;
                return false;
            },
            100);
        std::vector<int32_t> erwartet = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        if (anfang) // all ten back in the queue, from the first
            erwartet.insert(erwartet.end(), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        EXPECT_EQ(gefragt, erwartet);
        EXPECT_EQ(test.richtige, anfang ? 19 : 9);
        EXPECT_EQ(test.falsche, 1);
    }
}

TEST(Abfrageliste, SwitchingMixingOffInMidDrillGoesOnFromTheFront)
{
    TTestConfig tc;
    TLektion lektion;
    TTestQuelle quelle;
    Nummeriert(lektion, quelle, 3);
    TSkriptZufall zufall;
    zufall.zahlen = {2};
    TVokabeltest test(lektion, tc.config, quelle, zufall);
    test.NaechsteVokabel();
    ASSERT_EQ(test.AktuelleVokabel()->id, 3);
    test.antwort = QStringLiteral("bedeutung3");
    test.Pruefen();
    tc.config.vlsMischen = false;
    test.NaechsteVokabel();
    EXPECT_EQ(test.AktuelleVokabel()->id, 1);
}

TEST(Statistik, CountsPerEntryInOrderOfFirstAnswerAndRoundsPercentages)
{
    TTestConfig tc;
    tc.config.vlsMischen = false;
    tc.config.vlsAnfang = false;
    TLektion lektion;
    TTestQuelle quelle;
    Nummeriert(lektion, quelle, 3);
    TSkriptZufall zufall;
    TVokabeltest test(lektion, tc.config, quelle, zufall);
    EXPECT_EQ(test.ProzentRichtig(), 0);
    EXPECT_EQ(test.ProzentFalsch(), 0);
    Durchlaufen(
        test, [](int32_t id) { return id == 2; }, 10);
    EXPECT_EQ(test.Abgefragt(), 3);
    EXPECT_EQ(test.ProzentRichtig(), 33);
    EXPECT_EQ(test.ProzentFalsch(), 67);
    ASSERT_EQ(test.Statistiken().size(), 3u);
    const int32_t erwartet[][3] = {{1, 0, 1}, {2, 1, 0}, {3, 0, 1}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(test.Statistiken()[i].vokabelId, erwartet[i][0]);
        EXPECT_EQ(test.Statistiken()[i].richtig, erwartet[i][1]);
        EXPECT_EQ(test.Statistiken()[i].falsch, erwartet[i][2]);
        EXPECT_EQ(test.Statistiken()[i].Anzahl(), 1);
    }
    // An entry never asked gets a zeroed record at the end.
    EXPECT_EQ(test.StatistikFuer(99).Anzahl(), 0);
    EXPECT_EQ(test.Statistiken().back().vokabelId, 99);
}

TEST(Statistik, AnEntryGoneFromTheDatabaseCannotBeAnsweredRightAndCountsUnderIdZero)
{
    for (const int richtung : {1, 2}) {
        SCOPED_TRACE(richtung);
        TTestConfig tc;
        tc.config.vlRichtung = richtung;
        TLektion lektion;
        TTestQuelle quelle;
        Nummeriert(lektion, quelle, 1);
        quelle.eintraege.clear();
        TSkriptZufall zufall;
        TVokabeltest test(lektion, tc.config, quelle, zufall);
        test.NaechsteVokabel();
        ASSERT_EQ(test.AktuelleVokabel()->id, 0);
        test.antwort = QStringLiteral("bedeutung1");
        test.Pruefen();
        EXPECT_FALSE(test.IstRichtig());
        test.NaechsteVokabel();
        test.Pruefen(); // the empty answer fits the empty headword only
        EXPECT_EQ(test.IstRichtig(), richtung == 2);
        EXPECT_EQ(test.StatistikFuer(0).Anzahl(), 2);
    }
}

} // namespace
} // namespace lexovita
