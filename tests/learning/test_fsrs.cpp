#include "learning/fsrs.h"

#include <gtest/gtest.h>

namespace lexovita {
namespace {

const QDateTime kStart(QDate(2026, 3, 2), QTime(17, 0));
constexpr auto kLD = TAbfrageRichtung::LateinDeutsch;

struct TSchritt {
    int tag; // days after the first review
    TNote note;
    double stabilitaet;
    double schwierigkeit;
    int faelligAmTag;
};

// Reference worked out by hand from the published FSRS-5 formulas and
// default weights (checked with python3, not with this code):
//   F = 19/81, R(t,S) = (1 + F t/S)^-0.5, I(S) at 90 % = S
//   D0(G) = w4 - e^(w5 (G-1)) + 1: D0(3) = 7.1949 - e^1.069 + 1 = 5.282434,
//   D0(4) = 7.1949 - e^1.6035 + 1 = 3.224502
//   D'(D,G) = w7 D0(4) + (1-w7)(D - w6 (G-3)(10-D)/9)
// day  0 Gut:   S = w2 = 3.173, D = D0(3) = 5.282434, next in round(3.173) = 3 days
// day  3 Gut:   R(3, 3.173) = 0.904698;
//               S = 3.173 (1 + e^1.54575 (11-5.282434) 3.173^-0.1192 (e^(1.01925 * 0.095302) - 1)) = 10.738926
//               D = 0.0046 * 3.224502 + 0.9954 * 5.282434 = 5.272968; next in 11 days (day 14)
// day 14 Nochmal: R(11, 10.738926) = 0.897929;
//               S = 1.9395 * 5.272968^-0.11 ((11.738926)^0.29605 - 1) e^(2.2698 * 0.102071) = 2.185775
//               D: 5.272968 + 1.4604 * 2 * 4.727032 / 9 = 6.807047 -> mean reversion 6.790568; 2 days (day 16)
// day 15 Gut:   R(1, 2.185775) = 0.950308; S = 4.228795, D = 6.774164; 4 days (day 19)
// day 15 Schwer, same day: S = 4.228795 e^(0.51655 (2 - 3 + 0.6621)) = 3.551517,
//               D: 6.774164 + 1.4604 * 3.225836 / 9 = 7.297609 -> 7.278873; round(3.5515) = 4 days (day 19)
// day 18 Gut:   R(3, 3.551517) = 0.913579; S = 8.460141, D = 7.260223; 8 days (day 26)
TEST(Fsrs, FollowsTheHandComputedSequenceOfReviews)
{
    const TSchritt schritte[] = {
        {0, TNote::Gut, 3.173, 5.282434, 3},          {3, TNote::Gut, 10.738926, 5.272968, 14},
        {14, TNote::Nochmal, 2.185775, 6.790568, 16}, {15, TNote::Gut, 4.228795, 6.774164, 19},
        {15, TNote::Schwer, 3.551517, 7.278873, 19},  {18, TNote::Gut, 8.460141, 7.260223, 26},
    };
    TFesteUhr uhr(kStart);
    const TFsrs fsrs(uhr, 0.9);
    std::optional<TGedaechtnis> g;
    for (const TSchritt &s : schritte) {
        uhr.Setzen(kStart.addDays(s.tag).addSecs(60 * s.tag));
        g = fsrs.Wiederholen(g, s.note, 7, kLD);
        SCOPED_TRACE(s.tag);
        EXPECT_NEAR(g->stabilitaet, s.stabilitaet, 5e-6);
        EXPECT_NEAR(g->schwierigkeit, s.schwierigkeit, 5e-6);
        EXPECT_EQ(kStart.date().daysTo(g->faellig), s.faelligAmTag);
        EXPECT_EQ(g->letzte, uhr.Jetzt());
    }
    EXPECT_EQ(g->vokabelId, 7);
    EXPECT_EQ(g->erste, kStart.date());
    EXPECT_EQ(g->wiederholungen, 6);
    EXPECT_EQ(g->richtige, 5);
}

// Each review on its due day: right answers space the reviews ever wider, a
// wrong one brings the entry back sooner than the interval before it.
TEST(Fsrs, IntervalsGrowWithEveryRightAnswerAndShrinkAfterAWrongOne)
{
    for (const double behalten : {0.8, 0.9, 0.95}) {
        TFesteUhr uhr(kStart);
        const TFsrs fsrs(uhr, behalten);
        std::optional<TGedaechtnis> g;
        int vorher = 0;
        for (int i = 0; i < 6; ++i) { // after that 0.8 reaches the 100-year cap
            g = fsrs.Wiederholen(g, TNote::Gut, 1, kLD);
            const int intervall = int(uhr.Heute().daysTo(g->faellig));
            if (i > 0) {
                EXPECT_GT(intervall, vorher) << behalten << " review " << i;
            }
            vorher = intervall;
            uhr.Setzen(QDateTime(g->faellig, QTime(17, 0)));
        }
        g = fsrs.Wiederholen(g, TNote::Nochmal, 1, kLD);
        EXPECT_LT(uhr.Heute().daysTo(g->faellig), vorher) << behalten;
        EXPECT_LT(g->stabilitaet, vorher);
    }
}

TEST(Fsrs, TheSameAnswersWithTheFixedClockGiveTheSameDates)
{
    auto ablauf = [] {
        TFesteUhr uhr(kStart);
        const TFsrs fsrs(uhr, 0.9);
        std::optional<TGedaechtnis> g;
        QList<QDate> daten;
        for (TNote n : {TNote::Gut, TNote::Nochmal, TNote::Schwer, TNote::Gut, TNote::Gut}) {
            g = fsrs.Wiederholen(g, n, 3, kLD);
            daten << g->faellig;
            uhr.Setzen(QDateTime(g->faellig, QTime(8, 30)));
        }
        return daten;
    };
    const QList<QDate> erste = ablauf();
    EXPECT_EQ(ablauf(), erste);
    EXPECT_EQ(erste.size(), 5);
}

TEST(Fsrs, ALowerDesiredRetentionGivesLongerIntervals)
{
    TFesteUhr uhr(kStart);
    const TFsrs achtzig(uhr, 0.8), fuenfundneunzig(uhr, 0.95);
    for (const double s : {3.173, 10.0, 50.0, 400.0})
        EXPECT_GT(achtzig.Intervall(s), fuenfundneunzig.Intervall(s)) << s;
    // 0.8: S / F (0.8^-2 - 1) = 3.173 * 81/19 * 0.5625 = 7.61 -> 8; 0.95: 3.173 * 81/19 * 0.108033 = 1.46 -> 1
    EXPECT_EQ(achtzig.Intervall(3.173), 8);
    EXPECT_EQ(fuenfundneunzig.Intervall(3.173), 1);
    EXPECT_NEAR(TFsrs::Abrufbarkeit(10, 10), 0.9, 1e-12);
}

} // namespace
} // namespace lexovita
