#include "model/vokabel.h"

#include <gtest/gtest.h>

using namespace lexovita;

TEST(Vokabel, NewEntryIsUndeterminedAndEmpty)
{
    TVokabel v;
    EXPECT_EQ(v.id, 0);
    EXPECT_EQ(v.Wortart(), WA_UNBESTIMMT);
    EXPECT_EQ(v.KonjDekl(), KD_KEINE);
    EXPECT_TRUE(v.bedeutungen.empty());
}
