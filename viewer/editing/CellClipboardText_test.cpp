#include "CellClipboardText.h"

#include <gtest/gtest.h>

namespace {

constexpr double Nodata = -9999;

class Clipboard : public ::testing::Test {
protected:
    Clipboard() {
        for (int r = 0; r < values.rowCount(); ++r)
            for (int c = 0; c < values.columnCount(); ++c) values.at(r, c) = 100 * r + c;
    }
    void select(std::initializer_list<std::pair<int, int>> cells) {  // (row, column)
        for (auto [row, col] : cells) selection.points.push_back({col, row, -1});
    }
    std::vector<std::pair<int, int>> selected() const {
        std::vector<std::pair<int, int>> cells;
        for (const myPoint& point : selection.points) cells.emplace_back(point.y, point.x);
        return cells;
    }
    PasteOutcome paste(std::string_view text, PasteMode mode = PasteMode::Replace) {
        return PasteCellsText(text, values, Nodata, mode, selection);
    }
    double& cell(int row, int col) { return values.at(row - 1, col - 1); }

    GridRows values{12, 25, 0.0};
    CellSelection selection;
};

TEST_F(Clipboard, CopyWritesItemsInSelectionOrderWithALineFeedBeforeANewRow) {
    cell(2, 2) = 12.5;
    cell(2, 3) = Nodata;
    cell(3, 2) = 1.0 / 3;
    select({{2, 2}, {2, 3}, {3, 2}});
    EXPECT_EQ(CopyCellsText(selection, values), "2:2:12.5;2:3:-9999;\n3:2:0.333333333333333;");
    selection.clear();
    EXPECT_EQ(CopyCellsText(selection, values), "");
    // Back to an earlier row is a new line as well.
    select({{3, 1}, {1, 1}, {1, 2}});
    EXPECT_EQ(CopyCellsText(selection, values), "3:1:200;\n1:1:0;1:2:1;");
}

TEST_F(Clipboard, CopiedTextReturnsToItsPlaceOrToTheFirstSelectedCell) {
    const std::string text = "2:2:7;2:3:8;\n3:2:9;";
    PasteOutcome outcome = paste(text);
    EXPECT_FALSE(outcome.failed);
    EXPECT_TRUE(outcome.changedCells);
    EXPECT_EQ(cell(2, 2), 7);
    EXPECT_EQ(cell(2, 3), 8);
    EXPECT_EQ(cell(3, 2), 9);
    EXPECT_EQ(selected(), (std::vector<std::pair<int, int>>{{2, 2}, {2, 3}, {3, 2}}));

    selection.clear();
    select({{10, 20}, {1, 1}});
    outcome = paste(text);
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(cell(10, 20), 7);
    EXPECT_EQ(cell(10, 21), 8);
    EXPECT_EQ(cell(11, 20), 9);
    EXPECT_EQ(cell(1, 1), 0);
    EXPECT_EQ(selected(), (std::vector<std::pair<int, int>>{{10, 20}, {10, 21}, {11, 20}}));
}

TEST_F(Clipboard, PasteModesCombineWithTheCellAndDivideSkipsZero) {
    cell(1, 1) = 10;
    paste("1:1:4;", PasteMode::Add);
    EXPECT_EQ(cell(1, 1), 14);
    selection.clear();
    paste("1:1:4;", PasteMode::Subtract);
    EXPECT_EQ(cell(1, 1), 10);
    selection.clear();
    paste("1:1:3;", PasteMode::Multiply);
    EXPECT_EQ(cell(1, 1), 30);
    selection.clear();
    paste("1:1:2;", PasteMode::Divide);
    EXPECT_EQ(cell(1, 1), 15);
    selection.clear();
    const PasteOutcome byZero = paste("1:1:0;", PasteMode::Divide);
    EXPECT_EQ(cell(1, 1), 15);
    EXPECT_FALSE(byZero.changedCells);
    EXPECT_EQ(selected().size(), 1u);
    selection.clear();
    const PasteOutcome selectOnly = paste("1:1:99;1:2:98;", PasteMode::SelectOnly);
    EXPECT_EQ(cell(1, 1), 15);
    EXPECT_FALSE(selectOnly.changedCells);
    EXPECT_EQ(selected().size(), 2u);
}

TEST_F(Clipboard, NodataValuesAreSkippedAndNotSelected) {
    paste("1:1:-9999;1:2:5;");
    EXPECT_EQ(cell(1, 1), 0);
    EXPECT_EQ(cell(1, 2), 5);
    EXPECT_EQ(selected(), (std::vector<std::pair<int, int>>{{1, 2}}));
}

TEST_F(Clipboard, ValueOnlyRowsFillABlockFromTheFirstSelectedCell) {
    select({{5, 5}});
    EXPECT_FALSE(paste("1;2;\n3;4;").failed);
    EXPECT_EQ(cell(5, 5), 1);
    EXPECT_EQ(cell(5, 6), 2);
    EXPECT_EQ(cell(6, 5), 3);
    EXPECT_EQ(cell(6, 6), 4);
    EXPECT_EQ(selected(), (std::vector<std::pair<int, int>>{{5, 5}, {5, 6}, {6, 5}, {6, 6}}));
    // Carriage returns before the line feeds do no harm.
    selection.clear();
    select({{1, 1}});
    EXPECT_FALSE(paste("7;\r\n8;").failed);
    EXPECT_EQ(cell(2, 1), 8);
}

TEST_F(Clipboard, ValueOnlyTextWithoutSelectionPastesNothing) {
    const PasteOutcome outcome = paste("1;2;\n3;4;");
    EXPECT_FALSE(outcome.failed);
    EXPECT_FALSE(outcome.changedCells);
    EXPECT_TRUE(selection.empty());
    EXPECT_EQ(cell(1, 1), 0);
}

TEST_F(Clipboard, UnreadableItemsStopThePasteKeepingWhatWasPasted) {
    PasteOutcome outcome = paste("1:1:5;1:2:x;1:3:6;");
    EXPECT_TRUE(outcome.failed);
    EXPECT_TRUE(outcome.changedCells);
    EXPECT_EQ(cell(1, 1), 5);
    EXPECT_EQ(cell(1, 3), 2);
    EXPECT_EQ(selected(), (std::vector<std::pair<int, int>>{{1, 1}}));
    selection.clear();
    // A remainder without ";" that is more than a line break.
    outcome = paste("1:1:5;\n7");
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(selected(), (std::vector<std::pair<int, int>>{{1, 1}}));
    selection.clear();
    EXPECT_TRUE(paste("1:x:5;").failed);
    selection.clear();
    EXPECT_TRUE(paste("1:5;").failed);
    EXPECT_TRUE(selection.empty());
    selection.clear();
    EXPECT_TRUE(paste("1:1:nan;").failed);
}

TEST_F(Clipboard, AFinalLineBreakAfterTheLastItemIsNoItem) {
    for (const char* text :
         {"1:1:5;2:1:6;\n", "1:1:5;2:1:6;\r\n", "1:1:5;2:1:6;\n\n", "1:1:5;\r\n2:1:6;\r\n"}) {
        selection.clear();
        const PasteOutcome outcome = paste(text);
        EXPECT_FALSE(outcome.failed) << text;
        EXPECT_EQ(selected(), (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}})) << text;
    }
    // Rows of values copied from a spreadsheet or an editor, each line ended.
    selection.clear();
    select({{5, 5}});
    const PasteOutcome outcome = paste("1;2;\r\n3;4;\r\n");
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(selected(), (std::vector<std::pair<int, int>>{{5, 5}, {5, 6}, {6, 5}, {6, 6}}));
    EXPECT_EQ(cell(6, 6), 4);
}

TEST_F(Clipboard, ValuesTooSmallForADoubleArePastedAsTheNearestOne) {
    const PasteOutcome outcome = paste("1:1:1e-310;1:2:-1e-400;1:3:1e400;");
    EXPECT_TRUE(outcome.failed);  // the last is too large
    EXPECT_EQ(cell(1, 1), 1e-310);
    EXPECT_EQ(cell(1, 2), 0.0);
    EXPECT_EQ(cell(1, 3), 2);
}

TEST_F(Clipboard, TargetsOutsideTheLevelStopThePasteBeforeWriting) {
    // The block starts at row 12 (the last), so its second row lies outside.
    select({{12, 24}});
    const PasteOutcome outcome = paste("1:1:5;1:2:6;1:3:7;\n2:1:8;");
    EXPECT_TRUE(outcome.failed);
    EXPECT_TRUE(outcome.changedCells);
    EXPECT_EQ(cell(12, 24), 5);
    EXPECT_EQ(cell(12, 25), 6);
    EXPECT_EQ(selected(), (std::vector<std::pair<int, int>>{{12, 24}, {12, 25}}));
    // Negative and huge coordinates, far from any int overflow trouble.
    selection.clear();
    EXPECT_TRUE(paste("0:1:5;").failed);
    selection.clear();
    EXPECT_TRUE(paste("2147483647:1:5;").failed);
    selection.clear();
    select({{1, 1}});
    EXPECT_TRUE(paste("2147483647:2147483647:5;-2147483648:-2147483648:6;").failed);
    EXPECT_EQ(cell(1, 1), 5);
    // A negative anchor from the text pastes nothing.
    selection.clear();
    const PasteOutcome negative = paste("-1:3:5;");
    EXPECT_FALSE(negative.failed);
    EXPECT_FALSE(negative.changedCells);
}

}  // namespace
