#include "LegendColumns.h"

#include <gtest/gtest.h>

TEST(LegendColumns, AsManyEntriesSideBySideAsTheWidthHolds) {
    // Five entries of 100 pixels with 10 between them: 540 pixels hold all five in one row.
    const std::vector<int> five(5, 100);
    EXPECT_EQ(legendColumnCount(five, 540, 10), 5);
    EXPECT_EQ(legendColumnCount(five, 539, 10), 4);
    EXPECT_EQ(legendColumnCount(five, 320, 10), 3);
    // Narrower than one entry: still one column (the entries are cut to fit there).
    EXPECT_EQ(legendColumnCount(five, 50, 10), 1);
    EXPECT_EQ(legendColumnCount({}, 500, 10), 1);
}

TEST(LegendColumns, AColumnIsAsWideAsItsWidestEntry) {
    // In three columns the wide entry (index 3) shares column 0 with index 0: 300 + 50 + 50.
    const std::vector<int> widths = {50, 50, 50, 300, 50};
    EXPECT_EQ(legendColumnCount(widths, 420, 10), 3);
    // Four columns would put it beside three others: 50 + 50 + 50 + 300 + 30 = 480.
    EXPECT_EQ(legendColumnCount(widths, 479, 10), 3);
    EXPECT_EQ(legendColumnCount(widths, 480, 10), 4);
    // Twenty-three series of 150 pixels on a 900 pixel chart: five per row.
    EXPECT_EQ(legendColumnCount(std::vector<int>(23, 150), 900, 8), 5);
}
