// The printed test's choice and order of entries, and the word list's walk
// over the lesson text and its three ways of storing.
#include "learning/testbogen.h"
#include "learning/vokabelliste.h"
#include "lern_hilfe.h"

#include <QSet>
#include <algorithm>
#include <map>

namespace lexovita::test {
namespace {

QString Woerter(const std::vector<const TVokabel *> &vokabeln)
{
    QStringList s;
    for (const TVokabel *v : vokabeln)
        s << v->vokabel;
    return s.join(QLatin1Char(' '));
}

QString Woerter(const std::vector<std::unique_ptr<TVokabel>> &vokabeln)
{
    QStringList s;
    for (const auto &v : vokabeln)
        s << v->vokabel;
    return s.join(QLatin1Char(' '));
}

void LektionFuellen(TLektion &l)
{
    for (auto *f : {&Laudare, &Amicus, &Bonus, &Saepe})
        l.VokabelAnhaengen(f());
}

TEST(Testbogen, CheckedEntriesKeepTheLessonOrderOrAreDrawnFromThoseLeft)
{
    const struct {
        const char *name;
        std::vector<bool> markiert;
        bool mischen;
        std::deque<int> zuege;
        const char *erwartet;
        std::vector<int> bereiche; // the range of every draw
    } faelle[] = {
        {"all kept", {true, true, true, true}, false, {3, 1}, "laudare amicus bonus saepe", {}},
        {"unchecked left out", {false, true, false, true}, false, {}, "amicus saepe", {}},
        {"fewer flags than entries", {true, false}, false, {}, "laudare", {}},
        {"nothing checked", {false, false, false, false}, true, {2}, "", {}},
        {"mixed: each draw from the rest",
         {true, true, true, true},
         true,
         {3, 0, 1},
         "saepe laudare bonus amicus",
         {4, 3, 2, 1}},
        {"mixed: only the checked ones", {true, false, true, true}, true, {1, 1}, "bonus saepe laudare", {3, 2, 1}},
    };
    TLektion lektion;
    LektionFuellen(lektion);
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.name);
        TSkriptZufall zufall;
        zufall.zahlen = f.zuege;
        EXPECT_EQ(S(Woerter(TestVokabeln(lektion, f.markiert, f.mischen, zufall))), f.erwartet);
        EXPECT_EQ(zufall.bereiche, f.bereiche);
    }
}

TEST(Testbogen, EveryBuildOfAMixedTestDrawsANewOrder)
{
    TLektion lektion;
    LektionFuellen(lektion);
    TFesterZufall zufall(7);
    const std::vector<bool> alle(4, true);
    QSet<QString> reihenfolgen;
    for (int i = 0; i < 10; ++i) {
        const QString r = Woerter(TestVokabeln(lektion, alle, true, zufall));
        EXPECT_EQ(r.split(QLatin1Char(' ')).size(), 4);
        reihenfolgen.insert(r);
    }
    EXPECT_GT(reihenfolgen.size(), 1);
}

TEST(Testbogen, CountLinesSaySingularForOneEntry)
{
    EXPECT_EQ(S(VokabelnVorhanden(0)), "0 Vokabeln vorhanden");
    EXPECT_EQ(S(VokabelnVorhanden(1)), "1 Vokabel vorhanden");
    EXPECT_EQ(S(VokabelnAusgewaehlt(1)), "1 Vokabel ausgewählt");
    EXPECT_EQ(S(VokabelnAusgewaehlt(12)), "12 Vokabeln ausgewählt");
}

// A stand-in for the analysis: each known word gives the entries of its
// results, in result order; every analysed word is noted.
struct TWortTabelle {
    std::map<QString, std::vector<int32_t>> woerter{
        {QStringLiteral("amicus"), {13}},    {QStringLiteral("amici"), {13, 13}}, {QStringLiteral("laudat"), {11}},
        {QStringLiteral("bonus"), {15, 13}}, // as adjective and as a stored special form
        {QStringLiteral("rosa"), {19, 99}},  // 99: an entry that is gone
    };
    std::vector<std::unique_ptr<TVokabel>> eintraege;
    QStringList analysiert;

    TWortTabelle()
    {
        for (auto *f : {&Laudare, &Amicus, &Bonus, &Rosa})
            eintraege.push_back(f());
    }
    std::vector<const TVokabel *> operator()(const QString &wort)
    {
        analysiert << wort;
        std::vector<const TVokabel *> aus;
        if (const auto it = woerter.find(wort); it != woerter.end())
            for (int32_t id : it->second) {
                const TVokabel *gefunden = nullptr;
                for (const auto &v : eintraege)
                    if (v->id == id)
                        gefunden = v.get();
                aus.push_back(gefunden);
            }
        return aus;
    }
};

TEST(Vokabelliste, TheWalkListsEveryEntryOnceInOrderOfFirstOccurrence)
{
    const struct {
        const char *name;
        const char *text;
        bool ganz;
        int anfang, laenge;
        const char *analysiert;
        const char *gefunden;
    } faelle[] = {
        {"amicus amici: once", "amicus amici", true, 0, 0, "amicus amici", "amicus"},
        {"order of first occurrence", "Rosa, amici laudat: bonus!", true, 0, 0, "rosa amici laudat bonus",
         "rosa amicus laudare bonus"},
        {"two delimiters give no word", "amicus,  ,rosa", true, 0, 0, "amicus rosa", "amicus rosa"},
        {"lines and a tab", "amicus\r\n\tlaudat\r\nrosa\r\n", true, 0, 0, "amicus laudat rosa", "amicus laudare rosa"},
        {"unknown words give nothing", "Gallia est omnis divisa", true, 0, 0, "gallia est omnis divisa", ""},
        {"selection inside a word takes that word once", "amicus laudat rosam bonus", false, 9, 9, "laudat rosam",
         "laudare"},
        {"selection length counted by its size", "amicus laudat rosa", false, 14, -4, "rosa", "rosa"},
        {"empty selection", "amicus laudat", false, 3, 0, "", ""},
        {"selection beyond the text", "amicus", false, 40, 5, "", ""},
        {"empty text", "", true, 0, 0, "", ""},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.name);
        const QString text = QString::fromUtf8(f.text);
        TWortTabelle tabelle;
        std::vector<int> fortschritt;
        const TGefundeneVokabeln g =
            VokabelListeSammeln(text, ListenBereich(int(text.size()), f.ganz, f.anfang, f.laenge), std::ref(tabelle),
                                {}, [&](int p) { fortschritt.push_back(p); });
        EXPECT_EQ(S(tabelle.analysiert.join(QLatin1Char(' '))), f.analysiert);
        EXPECT_EQ(S(Woerter(g.vokabeln)), f.gefunden);
        EXPECT_TRUE(g.vollstaendig);
        EXPECT_TRUE(std::is_sorted(fortschritt.begin(), fortschritt.end()));
        if (!fortschritt.empty()) {
            EXPECT_EQ(fortschritt.back(), 100);
        }
        // Copies: the list keeps its entries when the analysis forgets its own.
        for (const auto &v : g.vokabeln)
            for (const auto &e : tabelle.eintraege)
                EXPECT_NE(v.get(), e.get());
    }
}

TEST(Vokabelliste, AStopKeepsWhatWasFoundSoFar)
{
    TWortTabelle tabelle;
    int woerter = 0;
    const QString text = QStringLiteral("amicus laudat rosa bonus");
    const TGefundeneVokabeln g = VokabelListeSammeln(text, ListenBereich(int(text.size()), true), std::ref(tabelle),
                                                     [&] { return ++woerter > 2; });
    EXPECT_FALSE(g.vollstaendig);
    EXPECT_EQ(S(Woerter(g.vokabeln)), "amicus laudare");
}

TEST(Vokabelliste, TheChosenEntriesGoIntoTheLessonInEachOfTheThreeWays)
{
    TWortTabelle tabelle;
    const QString text = QStringLiteral("amicus laudat rosa");
    const TGefundeneVokabeln g = VokabelListeSammeln(text, ListenBereich(int(text.size()), true), std::ref(tabelle));
    ASSERT_EQ(S(Woerter(g.vokabeln)), "amicus laudare rosa");
    const struct {
        const char *name;
        TListenZiel art;
        bool vermeiden;
        std::vector<int32_t> gewaehlt;
        bool leeresZiel;
        const char *erwartet;
        bool geaendert;
    } faelle[] = {
        {"add, doubles allowed", TListenZiel::Hinzufuegen, false, {13, 19}, false, "bonus amicus amicus rosa", true},
        {"add, doubles avoided", TListenZiel::Hinzufuegen, true, {13, 19}, false, "bonus amicus rosa", true},
        {"add, only doubles avoided", TListenZiel::Hinzufuegen, true, {13}, false, "bonus amicus", false},
        {"overwrite ignores the avoid choice", TListenZiel::Ueberschreiben, true, {19, 13}, false, "rosa amicus", true},
        {"new lesson", TListenZiel::NeueLektion, false, {11}, true, "laudare", true},
        {"an id not found is passed over", TListenZiel::Hinzufuegen, false, {42}, false, "bonus amicus", false},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.name);
        TLektion ziel;
        if (!f.leeresZiel) {
            ziel.VokabelAnhaengen(Bonus());
            ziel.VokabelAnhaengen(Amicus());
        }
        EXPECT_EQ(VokabelnUebernehmen(ziel, g, f.gewaehlt, f.art, f.vermeiden), f.geaendert);
        EXPECT_EQ(S(Woerter(ziel.vokabeln)), f.erwartet);
        EXPECT_FALSE(ziel.geaendert); // marking is the window's
        for (const auto &v : ziel.vokabeln)
            EXPECT_EQ(g.Vokabel(v->id) == v.get(), false);
    }
}

} // namespace
} // namespace lexovita::test
