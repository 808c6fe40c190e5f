#include "learning/muendlich.h"

#include "lern_hilfe.h"

namespace lexovita {
namespace {

using namespace lexovita::test;

// The rows as "question | answer", revealed ones marked with "+".
std::vector<std::string> Tabelle(const TMuendlicheAbfrage &a)
{
    std::vector<std::string> zeilen;
    for (const TMuendlicheZeile &z : a.Zeilen())
        zeilen.push_back(S(z.frage) + " | " + S(z.antwort) + (z.aufgedeckt ? " +" : ""));
    return zeilen;
}

struct Lektion3 {
    TLektion lektion;
    TTestQuelle quelle;
    Lektion3()
    {
        std::vector<std::unique_ptr<TVokabel>> e;
        e.push_back(Laudare());
        e.push_back(Amicus());
        e.push_back(Saepe());
        Fuellen(lektion, quelle, std::move(e));
    }
};

TEST(MuendlicheAbfrage, MixingDrawsEachPositionOnceFromTheRemainingPool)
{
    Lektion3 l;
    TTestConfig tc;
    TSkriptZufall zufall;
    zufall.zahlen = {1, 1, 0};
    TMuendlicheAbfrage a(l.lektion, tc.config, zufall);
    EXPECT_EQ(a.Reihenfolge(), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(zufall.bereiche, (std::vector<int>{3, 2, 1}));

    tc.config.vlmMischen = false;
    TMuendlicheAbfrage ordnung(l.lektion, tc.config, zufall);
    EXPECT_EQ(ordnung.Reihenfolge(), (std::vector<int>{0, 1, 2}));
}

TEST(MuendlicheAbfrage, StepsForwardRevealingAndBackHiding)
{
    Lektion3 l;
    TTestConfig tc;
    tc.config.vlmMischen = false;
    tc.config.vlmStammformen = true;
    TSkriptZufall zufall;
    TMuendlicheAbfrage a(l.lektion, tc.config, zufall);
    EXPECT_EQ(S(a.FragenUeberschrift()), "Vokabel");
    EXPECT_EQ(S(a.AntwortenUeberschrift()), "Bedeutung(en)");

    const std::string laudare = "laudare (laudo, laudavi, laudatum)";
    const std::string amicus = "amicus (amici, m.)";
    enum Schritt { Vor, Zurueck, Start };
    const struct {
        Schritt schritt;
        bool geaendert;
        int aktuell;
        const char *fortschritt;
        std::vector<std::string> zeilen;
    } ablauf[] = {
        {Start, true, 0, "Vokabel 1 von 3", {laudare + " | ?"}},
        {Zurueck, false, 0, "Vokabel 1 von 3", {laudare + " | ?"}},
        {Vor, true, 1, "Vokabel 2 von 3", {laudare + " | loben, preisen +", amicus + " | ?"}},
        {Vor, true, 2, "Vokabel 3 von 3", {laudare + " | loben, preisen +", amicus + " | Freund +", "saepe | ?"}},
        {Zurueck, true, 1, "Vokabel 2 von 3", {laudare + " | loben, preisen +", amicus + " | ?"}},
        {Vor, true, 2, "Vokabel 3 von 3", {laudare + " | loben, preisen +", amicus + " | Freund +", "saepe | ?"}},
        {Vor, true, 3, "Vokabel 3 von 3", {laudare + " | loben, preisen +", amicus + " | Freund +", "saepe | oft +"}},
        {Vor, false, 3, "Vokabel 3 von 3", {laudare + " | loben, preisen +", amicus + " | Freund +", "saepe | oft +"}},
        // From "all revealed" back: the last row is hidden, not removed.
        {Zurueck, true, 2, "Vokabel 3 von 3", {laudare + " | loben, preisen +", amicus + " | Freund +", "saepe | ?"}},
        {Zurueck, true, 1, "Vokabel 2 von 3", {laudare + " | loben, preisen +", amicus + " | ?"}},
        {Zurueck, true, 0, "Vokabel 1 von 3", {laudare + " | ?"}},
    };
    int nr = 0;
    for (const auto &s : ablauf) {
        SCOPED_TRACE(nr++);
        if (s.schritt != Start) {
            EXPECT_EQ(s.schritt == Vor ? a.Naechste() : a.Vorherige(), s.geaendert);
        }
        EXPECT_EQ(a.Aktuell(), s.aktuell);
        EXPECT_EQ(S(a.Fortschritt()), s.fortschritt);
        EXPECT_EQ(Tabelle(a), s.zeilen);
    }
}

TEST(MuendlicheAbfrage, GermanToLatinAsksTheMeaningsAndRevealsTheBareHeadword)
{
    TLektion lektion;
    TTestQuelle quelle;
    std::vector<std::unique_ptr<TVokabel>> e;
    e.push_back(Laudare());
    Fuellen(lektion, quelle, std::move(e));
    TTestConfig tc;
    tc.config.vlRichtung = 2;
    tc.config.vlmStammformen = true;
    TSkriptZufall zufall;
    TMuendlicheAbfrage a(lektion, tc.config, zufall);
    EXPECT_EQ(S(a.FragenUeberschrift()), "Bedeutung(en)");
    EXPECT_TRUE(a.Naechste());
    EXPECT_EQ(a.Aktuell(), 1);
    EXPECT_EQ(Tabelle(a), (std::vector<std::string>{"loben, preisen | laudare +"}));
    EXPECT_TRUE(a.Vorherige());
    EXPECT_EQ(Tabelle(a), (std::vector<std::string>{"loben, preisen | ?"}));
}

TEST(MuendlicheAbfrage, AnEntryWithoutPrincipalPartsGetsNoEmptyBrackets)
{
    TLektion lektion;
    TTestQuelle quelle;
    std::vector<std::unique_ptr<TVokabel>> e;
    e.push_back(Saepe());
    // A noun stored with neither genitive nor gender.
    e.push_back(Amicus());
    e.back()->form1.clear();
    e.back()->form2.clear();
    Fuellen(lektion, quelle, std::move(e));
    TTestConfig tc;
    tc.config.vlmStammformen = true;
    TSkriptZufall zufall;
    TMuendlicheAbfrage a(lektion, tc.config, zufall);
    EXPECT_EQ(Tabelle(a), (std::vector<std::string>{"saepe | ?"}));
    ASSERT_TRUE(a.Naechste());
    EXPECT_EQ(Tabelle(a), (std::vector<std::string>{"saepe | oft +", "amicus | ?"}));
}

TEST(MuendlicheAbfrage, AnEmptyLessonHasNothingToStep)
{
    TLektion lektion;
    TTestConfig tc;
    TSkriptZufall zufall;
    TMuendlicheAbfrage a(lektion, tc.config, zufall);
    EXPECT_FALSE(a.Naechste());
    EXPECT_FALSE(a.Vorherige());
    EXPECT_TRUE(a.Zeilen().empty());
}

} // namespace
} // namespace lexovita
