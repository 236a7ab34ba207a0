#include "TableClipboardText.h"

#include <gtest/gtest.h>

#include "CommaDecimalLocale.h"

namespace {

constexpr double Nodata = -9999;

class TableClipboard : public ::testing::Test {
protected:
    TableClipboard() {
        for (int r = 0; r < values.rowCount(); ++r)
            for (int c = 0; c < values.columnCount(); ++c) values.at(r, c) = 100 * r + c;
    }
    void select(std::initializer_list<std::pair<int, int>> cells) {  // (row, column)
        selection.clear();
        for (auto [row, col] : cells) selection.points.push_back({col, row, -1});
    }
    std::vector<std::pair<int, int>> selected() const {
        std::vector<std::pair<int, int>> cells;
        for (const myPoint& point : selection.points) cells.emplace_back(point.y, point.x);
        return cells;
    }
    TablePasteOutcome paste(std::string_view text, PasteMode mode = PasteMode::Replace) {
        return PasteTableText(text, values, Nodata, mode, selection);
    }
    double& cell(int row, int col) { return values.at(row - 1, col - 1); }
    // The rows read, a missing value as nullopt; fails the test on an error.
    std::vector<std::vector<std::optional<double>>> rows(std::string_view text) {
        std::string error;
        TableText table = ReadTableText(text, error);
        EXPECT_EQ(error, "") << text;
        return table.rows;
    }

    GridRows values{6, 5, 0.0};
    CellSelection selection;
};

using Row = std::vector<std::optional<double>>;
constexpr std::nullopt_t None = std::nullopt;

}  // namespace

TEST_F(TableClipboard, CopyWritesTheBoundingRectangleWithEmptyUnselectedAndNodataCells) {
    cell(2, 3) = 0.1;
    cell(3, 2) = Nodata;
    cell(3, 4) = 1e20;
    cell(4, 4) = -2.5;
    select({{2, 3}, {3, 2}, {3, 4}, {4, 4}, {2, 3}});
    const std::string expected =
        "\t0.1\t\n"
        "\t\t1e+20\n"
        "\t\t-2.5\n";
    EXPECT_EQ(CopyTableText(selection, values, Nodata), expected);
    // The same text under a locale with a decimal comma.
    CommaDecimalLocale comma;
    EXPECT_EQ(CopyTableText(selection, values, Nodata), expected);
    // Every double reads back exactly.
    cell(1, 1) = 0.1 + 0.2;
    select({{1, 1}});
    EXPECT_EQ(CopyTableText(selection, values, Nodata), "0.30000000000000004\n");
    select({});
    EXPECT_EQ(CopyTableText(selection, values, Nodata), "");
}

TEST_F(TableClipboard, ReadsWhatSpreadsheetsAndEditorsWrite) {
    // A spreadsheet's tab-separated rows with an empty cell, and Windows line ends.
    EXPECT_EQ(rows("1\t2.5\t\r\n\t-3\t4e2\r\n"),
              (std::vector<Row>{{1, 2.5, None}, {None, -3, 400}}));
    // A decimal comma when the text holds no dot, with semicolons between the cells.
    EXPECT_EQ(rows("1,5;;2\n3;4,25;\n"), (std::vector<Row>{{1.5, None, 2}, {3, 4.25, None}}));
    EXPECT_EQ(rows("1,5\t2\n"), (std::vector<Row>{{1.5, 2}}));
    // Runs of blanks between the cells, a blank line inside kept as an empty row, blank lines
    // after the last row dropped, and the signs a spreadsheet may write.
    EXPECT_EQ(rows("  1   2 +3\n\n-4\n \n\n"), (std::vector<Row>{{1, 2, 3}, {}, {-4}}));
    EXPECT_EQ(rows(""), std::vector<Row>{});
}

TEST_F(TableClipboard, ATextThatIsNotAllNumbersNamesTheFirstCellThatIsNot) {
    std::string error;
    // With a dot in the text a comma is no decimal separator.
    EXPECT_TRUE(ReadTableText("1.5\t2,5\n", error).rows.empty());
    EXPECT_EQ(error, "row 1, column 2: \"2,5\" is not a number");
    ReadTableText("x\ty\n1\t2\n", error);
    EXPECT_EQ(error, "row 1, column 1: \"x\" is not a number");
    ReadTableText("1;2\n3;nan\n", error);
    EXPECT_EQ(error, "row 2, column 2: \"nan\" is not a number");
    ReadTableText("1 " + std::string(60, 'a'), error);
    EXPECT_EQ(error, "row 1, column 2: \"" + std::string(40, 'a') + "...\" is not a number");
}

TEST_F(TableClipboard, PasteWritesFromTheFirstSelectedCellThroughThePasteMode) {
    select({{2, 2}, {5, 5}});
    TablePasteOutcome outcome = paste("1\t\t3\n-9999\t5\t6\n");
    EXPECT_EQ(outcome.error, "");
    EXPECT_TRUE(outcome.changedCells);
    EXPECT_EQ(cell(2, 2), 1);
    EXPECT_EQ(cell(2, 3), 102);  // empty: kept
    EXPECT_EQ(cell(2, 4), 3);
    EXPECT_EQ(cell(3, 2), 201);  // nodata: kept
    EXPECT_EQ(cell(3, 3), 5);
    EXPECT_EQ(cell(3, 4), 6);
    EXPECT_EQ(selected(), (std::vector<std::pair<int, int>>{{2, 2}, {2, 4}, {3, 3}, {3, 4}}));

    select({{1, 1}});
    paste("10 20\n", PasteMode::Add);
    EXPECT_EQ(cell(1, 1), 10);
    EXPECT_EQ(cell(1, 2), 21);
    select({{1, 1}});
    outcome = paste("0 2\n", PasteMode::Divide);
    EXPECT_EQ(cell(1, 1), 10);  // a division by zero leaves the cell
    EXPECT_EQ(cell(1, 2), 10.5);
    select({{4, 1}});
    outcome = paste("7 7\n", PasteMode::SelectOnly);
    EXPECT_FALSE(outcome.changedCells);
    EXPECT_EQ(cell(4, 1), 300);
    EXPECT_EQ(selected(), (std::vector<std::pair<int, int>>{{4, 1}, {4, 2}}));
}

TEST_F(TableClipboard, ACopiedTableComesBackWhereverItIsPasted) {
    cell(1, 2) = 0.1 + 0.2;
    cell(2, 1) = Nodata;
    select({{1, 1}, {1, 2}, {2, 1}, {2, 2}});
    const std::string text = CopyTableText(selection, values, Nodata);
    select({{5, 4}});
    EXPECT_EQ(paste(text).error, "");
    EXPECT_EQ(cell(5, 4), 0);
    EXPECT_EQ(cell(5, 5), 0.1 + 0.2);
    EXPECT_EQ(cell(6, 4), 503);  // the nodata cell was copied empty
    EXPECT_EQ(cell(6, 5), 101);
}

TEST_F(TableClipboard, ATableBeyondTheGridOrNotAllNumbersChangesNothing) {
    const GridRows before = [&] {
        GridRows copy(values.rowCount(), values.columnCount());
        std::copy(values.data(), values.data() + values.cellCount(), copy.data());
        return copy;
    }();
    const auto unchanged = [&] {
        return std::equal(values.data(), values.data() + values.cellCount(), before.data());
    };
    select({{5, 4}});
    TablePasteOutcome outcome = paste("1 2\n3 4\n5 6\n");
    EXPECT_EQ(outcome.error,
              "the table reaches beyond the grid: its row 3, column 1 would fall on row 7, "
              "column 4 of 6 rows and 5 columns");
    EXPECT_FALSE(outcome.changedCells);
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(selected(), (std::vector<std::pair<int, int>>{{5, 4}}));
    // Empty and nodata cells beyond the grid are no values: the rest is pasted.
    EXPECT_EQ(paste("1\t2\t\n3\t4\t-9999\n").error, "");
    EXPECT_EQ(cell(6, 5), 4);

    select({{1, 1}});
    outcome = paste("1\t2\nthree\t4\n");
    EXPECT_EQ(outcome.error, "row 2, column 1: \"three\" is not a number");
    EXPECT_EQ(cell(1, 1), 0);
    // Without a selection nothing is pasted.
    select({});
    outcome = paste("1\n");
    EXPECT_EQ(outcome.error, "");
    EXPECT_FALSE(outcome.changedCells);
    EXPECT_EQ(cell(1, 1), 0);
}
