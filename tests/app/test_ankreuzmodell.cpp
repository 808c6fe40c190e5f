// The tick list of the word list, the printed test's choice and the drill summary.
#include "app/ankreuzmodell.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace lexovita {
namespace {

QStringList Spalte(const TAnkreuzModell &m, int spalte)
{
    QStringList s;
    for (int i = 0; i < m.rowCount(); ++i)
        s << m.index(i, spalte).data().toString();
    return s;
}

TEST(AnkreuzModell, TicksFollowTheirRowsThroughSortingAndRefillClearsThem)
{
    TAnkreuzModell m({QStringLiteral("Vokabel"), QStringLiteral("Wortart"), QStringLiteral("Bedeutungen")});
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy gemeldet(&m, &TAnkreuzModell::ankreuzungGeaendert);
    m.Setzen({{3, {QStringLiteral("laudare"), QStringLiteral("Verb"), QStringLiteral("loben")}},
              {1, {QStringLiteral("Amicus"), QStringLiteral("Substantiv")}}, // meanings missing
              {2, {QStringLiteral("bonus"), QStringLiteral("Adjektiv"), QStringLiteral("gut")}},
              {4, {QStringLiteral("amo"), QStringLiteral("Verb"), QStringLiteral("lieben")}}});
    ASSERT_EQ(m.rowCount(), 4);
    EXPECT_EQ(m.columnCount(), 3);
    EXPECT_EQ(m.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Bedeutungen"));
    EXPECT_EQ(m.index(1, 2).data().toString(), QString());
    EXPECT_EQ(m.index(0, 0).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
    // Only the first column carries a box.
    EXPECT_TRUE(m.flags(m.index(0, 0)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(m.flags(m.index(0, 1)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(m.setData(m.index(0, 1), Qt::Checked, Qt::CheckStateRole));
    EXPECT_FALSE(m.setData(m.index(0, 0), QStringLiteral("x"), Qt::EditRole));

    EXPECT_TRUE(m.setData(m.index(2, 0), Qt::Checked, Qt::CheckStateRole)); // bonus
    EXPECT_TRUE(m.setData(m.index(2, 0), Qt::Checked, Qt::CheckStateRole)); // again: no second report
    EXPECT_EQ(gemeldet.size(), 1);
    EXPECT_EQ(m.AnzahlAngekreuzt(), 1);

    // Sorted as the locale orders words (capitals among their letter); the
    // tick and a persistent index stay with bonus, the ticks in row order.
    const QPersistentModelIndex bonus(m.index(2, 1));
    m.sort(0);
    EXPECT_EQ(Spalte(m, 0), (QStringList{"Amicus", "amo", "bonus", "laudare"}));
    EXPECT_EQ(bonus.row(), 2);
    EXPECT_EQ(bonus.data().toString(), QStringLiteral("Adjektiv"));
    EXPECT_EQ(m.Angekreuzt(), (std::vector<bool>{false, false, true, false}));
    m.sort(1, Qt::DescendingOrder);
    EXPECT_EQ(Spalte(m, 1), (QStringList{"Verb", "Verb", "Substantiv", "Adjektiv"}));
    EXPECT_EQ(Spalte(m, 0).mid(0, 2), (QStringList{"amo", "laudare"})); // stable: the last order stays
    EXPECT_EQ(m.Id(3), 2);
    EXPECT_EQ(m.AngekreuzteIds(), std::vector<int32_t>{2});

    m.setData(m.index(0, 0), Qt::Checked, Qt::CheckStateRole); // amo
    EXPECT_EQ(m.AngekreuzteIds(), (std::vector<int32_t>{4, 2}));
    m.setData(m.index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
    EXPECT_EQ(m.AnzahlAngekreuzt(), 1);
    m.AlleAnkreuzen();
    EXPECT_EQ(m.AnzahlAngekreuzt(), 4);
    EXPECT_EQ(gemeldet.last().at(0).toInt(), 4);
    EXPECT_EQ(m.AngekreuzteIds(), (std::vector<int32_t>{4, 3, 1, 2}));

    m.Setzen({{7, {QStringLiteral("et")}}});
    EXPECT_EQ(m.AnzahlAngekreuzt(), 0);
    EXPECT_EQ(m.Angekreuzt(), std::vector<bool>{false});
    m.Setzen({});
    m.AlleAnkreuzen(); // nothing to tick, nothing reported
    EXPECT_EQ(m.AnzahlAngekreuzt(), 0);
    EXPECT_EQ(gemeldet.last().at(0).toInt(), 4);
}

} // namespace
} // namespace lexovita
