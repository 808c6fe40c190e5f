// The walk of the text analysis over sentences and words, with a fake analysis.
#include "textmode/textanalyse.h"

#include <gtest/gtest.h>
#include <map>

namespace lexovita {
namespace {

// Knows a few words; every known word gives one result per listed form id.
std::vector<TLatForm> Kennt(const QString &wort)
{
    static const std::map<QString, std::vector<int32_t>> woerter = {
        {QStringLiteral("puer"), {0x22000}},
        {QStringLiteral("videt"), {331}},
        {QStringLiteral("vale"), {345, 346}},
    };
    std::vector<TLatForm> aus;
    const auto it = woerter.find(wort);
    if (it != woerter.end())
        for (int32_t id : it->second)
            aus.emplace_back(7, wort, id);
    return aus;
}

struct Wort {
    int satz, anfang;
    QString text;
    bool operator==(const Wort &) const = default;
};

std::vector<Wort> Woerter(const TTextanalyse &t)
{
    std::vector<Wort> w;
    for (const auto &s : t.saetze)
        for (const auto &f : s->formen)
            w.push_back({f->satz, f->wortanfang, f->text});
    return w;
}

TEST(Textanalyse, SentencesAndWordsCarryTheirNumbersAndOffsets)
{
    // "Puer videt.\r\n\r\nVale, vale!" : two sentences, an empty line between.
    const QString text = QStringLiteral("Puer videt.\r\n\r\nVale,  vale!\r\n");
    std::vector<int> prozente;
    const TTextanalyse t = TextAnalysieren(text, Kennt, {}, [&](int p) { prozente.push_back(p); });
    ASSERT_EQ(t.saetze.size(), 3u); // the last: only the line break after "!"
    EXPECT_TRUE(t.vollstaendig);
    EXPECT_EQ(t.saetze[0]->anfang, 0);
    EXPECT_EQ(t.saetze[0]->ende, 11);
    EXPECT_EQ(t.saetze[1]->anfang, 11);
    EXPECT_EQ(t.saetze[1]->ende, 27);
    EXPECT_EQ(t.saetze[2]->satz, 3);
    EXPECT_EQ(Woerter(t), (std::vector<Wort>{{1, 0, QStringLiteral("puer")},
                                             {1, 5, QStringLiteral("videt")},
                                             {2, 15, QStringLiteral("vale")},
                                             {2, 15, QStringLiteral("vale")},
                                             {2, 22, QStringLiteral("vale")},
                                             {2, 22, QStringLiteral("vale")}}));
    // One report per analysed word, never backwards, always below 100.
    EXPECT_EQ(prozente, (std::vector<int>{0, 17, 51, 75}));
}

TEST(Textanalyse, EveryWordIsReadOnceFromItsFirstCharacter)
{
    // Every word gives one result, so the list shows each word the walk read.
    const auto jedesWort = [](const QString &w) { return std::vector<TLatForm>{TLatForm(7, w, 1)}; };
    const struct {
        const char *text;
        std::vector<Wort> woerter;
    } faelle[] = {
        {"Puer videt", {{1, 0, "puer"}, {1, 5, "videt"}}},
        {"\t\tamicus servus", {{1, 2, "amicus"}, {1, 9, "servus"}}},
        {"Puer,\tvidet.", {{1, 0, "puer"}, {1, 6, "videt"}}},
        {"Puer  videt", {{1, 0, "puer"}, {1, 6, "videt"}}},
        {"Puer \t videt", {{1, 0, "puer"}, {1, 7, "videt"}}},
        {"Vale.\r\n\tpuer\r\n\r\n  videt", {{1, 0, "vale"}, {2, 8, "puer"}, {2, 18, "videt"}}},
        {"Quid?!.. \"Vale\", (puer)!", {{1, 0, "quid"}, {5, 10, "vale"}, {5, 18, "puer"}}},
        {"Ave; vale", {{1, 0, "ave"}, {2, 5, "vale"}}},
        {" , ; ", {}},
    };
    for (const auto &fall : faelle) {
        const QString text = QString::fromUtf8(fall.text);
        const TTextanalyse t = TextAnalysieren(text, jedesWort);
        EXPECT_EQ(Woerter(t), fall.woerter) << fall.text;
        // The start offset points at the word itself in the text.
        for (const Wort &w : Woerter(t))
            EXPECT_EQ(text.mid(w.anfang, w.text.size()).toLower(), w.text) << fall.text;
    }
}

TEST(Textanalyse, AnEmptyTextHasNoSentence)
{
    bool gefragt = false;
    const TTextanalyse t = TextAnalysieren(QString(), [&](const QString &) {
        gefragt = true;
        return std::vector<TLatForm>{};
    });
    EXPECT_TRUE(t.saetze.empty());
    EXPECT_TRUE(t.vollstaendig);
    EXPECT_FALSE(gefragt);
}

TEST(Textanalyse, AStopStillLaysOutTheRemainingSentencesWithoutAnalysingThem)
{
    const QString text = QStringLiteral("Puer videt. Vale.");
    int gefragt = 0;
    const TTextanalyse t = TextAnalysieren(
        text,
        [&](const QString &w) {
            ++gefragt;
            return Kennt(w);
        },
        [&] { return gefragt >= 1; });
    EXPECT_FALSE(t.vollstaendig);
    EXPECT_EQ(gefragt, 1);
    ASSERT_EQ(t.saetze.size(), 2u);
    EXPECT_EQ(t.saetze[1]->anfang, 11);
    EXPECT_EQ(t.saetze[1]->ende, 17);
    EXPECT_EQ(Woerter(t), (std::vector<Wort>{{1, 0, QStringLiteral("puer")}}));
}

TEST(Textanalyse, OffsetsOfTheCrLfTextAndEditorPositionsMapBothWays)
{
    const QString text = QStringLiteral("Ave.\r\n\r\nVale.\r\n");
    // Editor: "Ave.\n\nVale.\n"
    const std::pair<int, int> paare[] = {{0, 0}, {4, 4}, {6, 5}, {8, 6}, {13, 11}};
    for (auto [offset, position] : paare) {
        EXPECT_EQ(EditorPosition(text, offset), position) << offset;
        EXPECT_EQ(TextOffset(text, position), offset) << position;
    }
    EXPECT_EQ(TextOffset(text, 12), 15); // past the end
}

} // namespace
} // namespace lexovita
