#include "WindowStart.h"

#include <gtest/gtest.h>

TEST(WindowStart, TheScreenshotOptionLeavesTheOtherArgumentsInOrder) {
    QStringList arguments{QStringLiteral("a.asc"), QStringLiteral("--screenshot"),
                          QStringLiteral("shot.png"), QStringLiteral("b.asc")};
    QString file = QStringLiteral("stale");
    ASSERT_TRUE(takeScreenshotOption("vistal", arguments, file));
    EXPECT_EQ(file, QStringLiteral("shot.png"));
    EXPECT_EQ(arguments, (QStringList{QStringLiteral("a.asc"), QStringLiteral("b.asc")}));

    ASSERT_TRUE(takeScreenshotOption("vistal", arguments, file));
    EXPECT_TRUE(file.isEmpty());
    EXPECT_EQ(arguments.size(), 2);

    // Without its file name the option is refused, and nothing is taken for a file to open.
    QStringList missing{QStringLiteral("a.asc"), QStringLiteral("--screenshot")};
    EXPECT_FALSE(takeScreenshotOption("vistal", missing, file));
    EXPECT_TRUE(file.isEmpty());
}
