#include "TextLines.h"

#include <gtest/gtest.h>

namespace {

// Ten pixels per character keeps the arithmetic of the cases plain.
int tenEach(const QString& text) { return static_cast<int>(text.size()) * 10; }

}  // namespace

TEST(TextLines, TextThatFitsStaysWholeAndLongTextIsCutWithAnEllipsis) {
    EXPECT_EQ(elidedText("Flow: A", 70, tenEach), "Flow: A");
    EXPECT_EQ(elidedText("Flow at the outlet: A", 100, tenEach),
              QString::fromUtf8("Flow at t\u2026"));
    EXPECT_LE(tenEach(elidedText(QString(3000, 'x'), 100, tenEach)), 100);
    EXPECT_EQ(elidedText("abc", 5, tenEach), QString::fromUtf8("\u2026"));
}

TEST(TextLines, LinesBreakAtBlanksAndKeepTheirOwnBreaks) {
    EXPECT_EQ(wrappedLines("Tolmar-Kor Results", 300, 3, tenEach),
              QStringList({"Tolmar-Kor Results"}));
    EXPECT_EQ(wrappedLines("Runoff at the weir in spring", 120, 3, tenEach),
              QStringList({"Runoff at", "the weir in", "spring"}));
    EXPECT_EQ(wrappedLines("first\nsecond", 300, 3, tenEach), QStringList({"first", "second"}));
    // A word wider than the line is broken inside.
    EXPECT_EQ(wrappedLines("abcdefghij", 40, 3, tenEach), QStringList({"abcd", "efgh", "ij"}));
}

TEST(TextLines, TextBeyondTheLastLineIsLeftOutWithAnEllipsis) {
    const QString title(30000, 'T');
    const QStringList lines = wrappedLines(title, 400, 3, tenEach);
    ASSERT_EQ(lines.size(), 3);
    for (const QString& line : lines) EXPECT_LE(tenEach(line), 400);
    EXPECT_TRUE(lines.last().endsWith(QString::fromUtf8("\u2026")));
    EXPECT_FALSE(lines.first().endsWith(QString::fromUtf8("\u2026")));
    const QStringList words = wrappedLines("one two three four five six", 90, 2, tenEach);
    EXPECT_EQ(words, QStringList({"one two", QString::fromUtf8("three\u2026")}));
}
