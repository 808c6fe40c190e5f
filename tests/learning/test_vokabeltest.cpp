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
        bool gleich;
    } faelle[] = {
        {"āmāvī", "amavi", true},   {"ĂMĀVĪ", "amavi", true},  {"Iacere", "jacere", true},
        {"jam", "iam", true},       {"poëta", "poeta", true},  {"amavi.", "amavi", true},
        {"amavit", "amavi", false}, {"amabi", "amavi", false}, {"", "amavi", false},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(std::string(f.antwort) + " / " + f.ziel);
        EXPECT_EQ(LateinVergleichen(QString::fromUtf8(f.antwort), QString::fromUtf8(f.ziel)), f.gleich);
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
         "laudavi", "laudatum"},
        {"participle feminine", Laudare, "loben", "laudo", "laudavi", "laudata", true, true, true, true, nullptr,
         "laudavi", "laudatum"},
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
        {"deponent perfect masculine", Hortari, "ermahnen", "hortor", "hortatus sum", "", true, true, true, true,
         nullptr, "hortatum sum", ""},
        {"deponent perfect feminine", Hortari, "ermahnen", "hortor", "hortata sum", "", true, true, true, true, nullptr,
         "hortatum sum", ""},
        {"ending tested as typed", Hortari, "ermahnen", "hortor", "hortatUS sum", "", true, true, false, true, nullptr,
         "hortatUS sum", ""},
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
        {"no repeats: the entry just stays", false, 1, 3, 1},
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

TEST(Statistik, CountsPerEntryInOrderOfFirstAnswerAndTruncatesPercentages)
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
    EXPECT_EQ(test.ProzentFalsch(), 66);
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
