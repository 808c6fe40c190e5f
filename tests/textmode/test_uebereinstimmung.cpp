// Agreement of forms in case, number and gender, and the colours it gives.
#include "textmode/uebereinstimmung.h"

#include <gtest/gtest.h>

namespace lexovita {
namespace {

// Case values: singular nominative .. ablative 0x2000..0xA000, plural 0xC000..0x14000.
constexpr int32_t NomSg = 0x2000, AkkSg = 0x8000, NomPl = 0xC000, AkkPl = 0x12000;
constexpr int32_t M = 0x20000, F = 0x40000, N = 0x60000, Utrum = 0x800000;

TEST(Uebereinstimmung, CaseNumberAndGenderOfTwoIdentifiers)
{
    struct Fall {
        const char *was;
        int32_t a, b;
        bool kasus, numerus, genus;
    };
    const Fall faelle[] = {
        {"same case and number", NomSg | M, NomSg | M, true, true, true},
        {"same case in the other number", NomSg | M, NomPl | M, true, false, true},
        {"other case, same number", NomSg | F, AkkSg | F, false, true, true},
        {"verb person 3 is singular like a singular case", 3, AkkSg | N, false, true, false},
        {"verb person 6 is plural", 6, AkkPl | N, false, true, false},
        {"no case, no person: no number", 0x100, 0x100, false, false, false},
        {"neuter against masculine", AkkSg | N, AkkSg | M, true, true, false},
        {"common gender agrees with masculine", NomSg | Utrum | M | F, NomSg | M, true, true, true},
        {"masculine agrees with common gender", NomSg | M, NomSg | Utrum | M | F, true, true, true},
        {"common gender does not agree with neuter", NomSg | Utrum, NomSg | N, true, true, false},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.was);
        EXPECT_EQ(KasusGleich(f.a, f.b), f.kasus);
        EXPECT_EQ(NumerusGleich(f.a, f.b), f.numerus);
        EXPECT_EQ(GenusGleich(f.a, f.b), f.genus);
    }
}

TEST(Uebereinstimmung, AndAsksForEveryCheckedRespectOrAsksForAny)
{
    struct Fall {
        const char *was;
        int32_t r;
        std::vector<int32_t> s;
        TKriterien k;
        bool gefaerbt;
        TFarbrolle farbe;
    };
    const TKriterien kng{true, true, true, false};
    const TKriterien kgUnd{true, false, true, false};
    const TKriterien kgOder{true, false, true, true};
    const TKriterien kngOder{true, true, true, true};
    const Fall faelle[] = {
        {"full agreement", NomSg | M, {NomSg | M}, kng, true, TFarbrolle::KNG},
        {"UND: case only, case and gender asked", NomSg | N, {NomSg | M}, kgUnd, false, TFarbrolle::K},
        {"ODER: case only, case and gender asked", NomSg | N, {NomSg | M}, kgOder, true, TFarbrolle::K},
        {"ODER: number and gender", AkkSg | M, {NomSg | M}, kngOder, true, TFarbrolle::NG},
        {"UND: one value of S that agrees in all suffices",
         AkkPl | F,
         {NomSg | M, AkkPl | F},
         kng,
         true,
         TFarbrolle::KNG},
        {"UND: flags only from values that count", AkkPl | M, {AkkPl | F, NomSg | M}, kng, false, TFarbrolle::K},
        {"nothing asked", NomSg | M, {NomSg | M}, TKriterien{false, false, false, false}, false, TFarbrolle::K},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.was);
        TFarbrolle farbe = TFarbrolle::Normal;
        EXPECT_EQ(Uebereinstimmungsfarbe(Vergleichen(f.r, f.s, f.k), f.k, farbe), f.gefaerbt);
        if (f.gefaerbt) {
            EXPECT_EQ(farbe, f.farbe);
        }
    }
}

// "Puer bonus puellam bonam videt." with the entries 1 puer, 2 bonus, 3 puella, 4 videre.
std::unique_ptr<TContext> Satz()
{
    auto s = std::make_unique<TContext>();
    s->satz = 2;
    s->anfang = 10;
    s->ende = 41;
    auto form = [&](int32_t vok, const char *text, int32_t id, int anfang) {
        auto f = std::make_unique<TLatForm>(vok, QString::fromLatin1(text), id);
        f->satz = 2;
        f->wortanfang = anfang;
        s->formen.push_back(std::move(f));
    };
    form(1, "Puer", NomSg | M, 10);
    form(2, "bonus", NomSg | M, 15);
    form(3, "puellam", AkkSg | F, 21);
    form(2, "bonam", AkkSg | F, 29);
    form(4, "videt", 3, 35);
    form(2, "bonus", NomSg | M, 41); // the same word a second time
    return s;
}

TEST(Uebereinstimmung, ChoosingAnEntryColoursTheWordsThatAgreeWithIt)
{
    const auto satz = Satz();
    const auto farben = Uebereinstimmungsfarben(*satz, QStringLiteral("bonus"), 2, false, TKriterien{});
    // The sentence first, then every word as analysed or clicked, then agreement on top.
    ASSERT_FALSE(farben.empty());
    EXPECT_EQ(farben[0], (TFarbbereich{10, 31, TFarbrolle::Satz, 2, false}));
    std::vector<std::pair<int, TFarbrolle>> oben;
    for (size_t i = 7; i < farben.size(); ++i)
        oben.emplace_back(farben[i].anfang, farben[i].rolle);
    EXPECT_EQ(oben, (std::vector<std::pair<int, TFarbrolle>>{
                        {10, TFarbrolle::KNG}, {15, TFarbrolle::KNG}, {41, TFarbrolle::KNG}}));
    EXPECT_EQ(farben[2].rolle, TFarbrolle::Auswahl);
    EXPECT_EQ(farben[3].rolle, TFarbrolle::Analysiert);
}

TEST(Uebereinstimmung, AClickMarksTheSentenceAndBothPlacesOfTheWord)
{
    std::vector<std::unique_ptr<TContext>> saetze;
    auto erster = std::make_unique<TContext>();
    erster->satz = 1;
    erster->ende = 10;
    saetze.push_back(std::move(erster));
    saetze.push_back(Satz());
    const auto farben = SatzFarben(saetze, 2, QStringLiteral("bonus"));
    EXPECT_EQ(farben[0], (TFarbbereich{0, 10, TFarbrolle::Ausgeblendet, 1, false}));
    EXPECT_EQ(farben[1], (TFarbbereich{10, 31, TFarbrolle::Satz, 2, false}));
    std::vector<int> ausgewaehlt;
    for (const auto &f : farben)
        if (f.rolle == TFarbrolle::Auswahl)
            ausgewaehlt.push_back(f.anfang);
    EXPECT_EQ(ausgewaehlt, (std::vector<int>{15, 41}));
}

TEST(Uebereinstimmung, NeighbouringFadedSentencesArePaintedAsOneRange)
{
    std::vector<std::unique_ptr<TContext>> saetze;
    for (int i = 0; i < 4; ++i) {
        auto s = std::make_unique<TContext>();
        s->satz = i + 1;
        s->anfang = 10 * i;
        s->ende = 10 * i + 10;
        saetze.push_back(std::move(s));
    }
    // Nothing clicked: the whole text in one faded range.
    EXPECT_EQ(SatzFarben(saetze, 0, QString()),
              (std::vector<TFarbbereich>{{0, 40, TFarbrolle::Ausgeblendet, 1, false}}));
    // Sentence 2 clicked: faded before and after it, the clicked one apart.
    EXPECT_EQ(SatzFarben(saetze, 2, QString()),
              (std::vector<TFarbbereich>{{0, 10, TFarbrolle::Ausgeblendet, 1, false},
                                         {10, 10, TFarbrolle::Satz, 2, false},
                                         {20, 20, TFarbrolle::Ausgeblendet, 3, false}}));
    // Words are never merged, not even with each other.
    const std::vector<TFarbbereich> woerter{{0, 3, TFarbrolle::Analysiert, 1, true},
                                            {3, 3, TFarbrolle::Analysiert, 1, true}};
    EXPECT_EQ(Zusammenfassen(woerter), woerter);
}

} // namespace
} // namespace lexovita
