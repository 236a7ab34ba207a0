#include "CellSelectionTesting.h"

namespace {

const QString pasteError =
    QStringLiteral("something went wrong when pasting cell values to clib board!");

// 12 x 25 cells holding 100 * row + column (0-based); row 4, column 4 (1-based) is nodata.
class WindowClipboard : public CellSelectionTest {
protected:
    void SetUp() override { load(numberedGrid(12, 25, {{3, 3}})); }
    void paste(const QString& text) {
        QApplication::clipboard()->setText(text);
        key(&window, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    }
};

}  // namespace

TEST_F(WindowClipboard, CopyPutsRowColValueItemsOnTheClipboardAsPlainText) {
    document.Values->at(1, 2) = 0.1 + 0.2;
    clickCell(2, 2);
    clickCell(3, 2, Qt::ControlModifier);
    clickCell(2, 3, Qt::ControlModifier);
    clickCell(4, 4, Qt::ControlModifier);
    key(&window, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), "2:2:101;2:3:0.3;\n3:2:201;\n4:4:-9999;");
    EXPECT_TRUE(marked(2, 2));
    EXPECT_FALSE(document.Modified);
}

TEST_F(WindowClipboard, PastedTextReturnsToItsCellsOrStartsAtTheFirstSelectedCell) {
    paste("2:2:7;2:3:8;\n3:2:9;");
    EXPECT_EQ(value(2, 2), 7);
    EXPECT_EQ(value(3, 2), 8);
    EXPECT_EQ(value(2, 3), 9);
    EXPECT_TRUE(document.Modified);
    EXPECT_TRUE(marked(3, 2));
    EXPECT_EQ(copied(), "2:2:7;2:3:8;\n3:2:9;");
    // Statistics are not recomputed by a paste.
    EXPECT_EQ(text("edtMin"), "0");

    clickCell(20, 10);
    paste("2:2:7;2:3:8;\n3:2:9;");
    EXPECT_EQ(value(20, 10), 7);
    EXPECT_EQ(value(21, 10), 8);
    EXPECT_EQ(value(20, 11), 9);
    EXPECT_TRUE(marked(21, 10));
    EXPECT_TRUE(marked(20, 11));
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(WindowClipboard, DivideByZeroLeavesTheCellButSelectsIt) {
    action("miPastemode5")->trigger();
    EXPECT_TRUE(action("miPastemode5")->isChecked());
    EXPECT_FALSE(action("miPastemode1")->isChecked());
    paste("3:3:0;3:4:2;");
    EXPECT_EQ(value(3, 3), 202);
    EXPECT_EQ(value(4, 3), 203 / 2.0);
    EXPECT_TRUE(marked(3, 3));
    EXPECT_TRUE(marked(4, 3));
}

TEST_F(WindowClipboard, EachPasteModeCombinesAsItsCaptionSays) {
    const std::vector<std::pair<const char*, double>> modes = {{"miPastemode2", 202 + 4.0},
                                                               {"miPastemode3", 202 + 4.0 - 4},
                                                               {"miPastemode4", 202 * 4.0},
                                                               {"miPastemode6", 202 * 4.0},
                                                               {"miPastemode1", 4}};
    for (const auto& [mode, expected] : modes) {
        action(mode)->trigger();
        action("miUnselectAll")->trigger();
        paste("3:3:4;");
        EXPECT_EQ(value(3, 3), expected) << mode;
        EXPECT_EQ(copied(), "3:3:" + QString::number(value(3, 3)) + ";") << mode;
    }
    EXPECT_EQ(action("miPastemode6")->text(), "  &6 Paste mode: do nothing (select cells only)");
}

TEST_F(WindowClipboard, PastedNodataValuesChangeNothingAndAreNotSelected) {
    paste("1:1:-9999;1:2:5;");
    EXPECT_EQ(value(1, 1), 0);
    EXPECT_EQ(value(2, 1), 5);
    EXPECT_FALSE(marked(1, 1));
    EXPECT_EQ(copied(), "1:2:5;");
}

TEST_F(WindowClipboard, ValueOnlyRowsFillABlockAtTheSelectedCell) {
    clickCell(5, 5);
    paste("1;2;\n3;4;");
    EXPECT_EQ(value(5, 5), 1);
    EXPECT_EQ(value(6, 5), 2);
    EXPECT_EQ(value(5, 6), 3);
    EXPECT_EQ(value(6, 6), 4);
    EXPECT_EQ(copied(), "5:5:1;5:6:2;\n6:5:3;6:6:4;");
}

TEST_F(WindowClipboard, ValueOnlyTextWithoutSelectionPastesNothingButCountsAsChange) {
    paste("1;2;\n3;4;");
    EXPECT_EQ(value(1, 1), 0);
    EXPECT_EQ(copied(), "");
    EXPECT_TRUE(document.Modified);
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(WindowClipboard, AnUnreadableItemStopsThePasteWithTheErrorBox) {
    paste("1:1:5;1:2:five;1:3:6;");
    const auto messages = dialogs.callsOf("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, pasteError);
    EXPECT_EQ(value(1, 1), 5);
    EXPECT_EQ(value(3, 1), 2);
    // The cell changed before the failure counts as a change to save.
    EXPECT_TRUE(document.Modified);
}

TEST_F(WindowClipboard, APasteNeverWritesOutsideTheLevel) {
    clickCell(24, 12);
    paste("1:1:5;1:2:6;1:3:7;\n2:1:8;");
    ASSERT_EQ(dialogs.callsOf("message").size(), 1u);
    EXPECT_EQ(dialogs.callsOf("message")[0].text, pasteError);
    EXPECT_EQ(value(24, 12), 5);
    EXPECT_EQ(value(25, 12), 6);
    EXPECT_TRUE(document.Modified);
    EXPECT_TRUE(marked(25, 12));
}

TEST_F(WindowClipboard, SelectOnlyPasteThatFailsLeavesTheGridUnmodified) {
    action("miPastemode6")->trigger();
    paste("1:1:5;x;");
    EXPECT_EQ(dialogs.callsOf("message").size(), 1u);
    EXPECT_FALSE(document.Modified);
}

TEST_F(WindowClipboard, NoTextOnTheClipboardDoesNothing) {
    QApplication::clipboard()->clear();
    key(&window, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(document.Modified);
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(WindowClipboard, ACopiedRectanglePastedElsewhereKeepsItsShape) {
    clickCell(1, 1);
    clickCell(3, 2, Qt::ShiftModifier);
    key(&window, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    clickCell(10, 5);
    key(&window, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            EXPECT_EQ(value(10 + col, 5 + row), 100 * row + col) << row << "," << col;
}

TEST_F(WindowClipboard, AFinalLineBreakAfterTheLastItemIsNoItem) {
    clickCell(5, 5);
    paste("1;2;\r\n3;4;\r\n");
    EXPECT_EQ(value(5, 5), 1);
    EXPECT_EQ(value(6, 5), 2);
    EXPECT_EQ(value(5, 6), 3);
    EXPECT_EQ(value(6, 6), 4);
    paste("2:2:7;\n");
    EXPECT_EQ(value(5, 5), 7);
    EXPECT_TRUE(dialogs.calls.empty());
    // Text after the last item that is no line break still stops the paste with the error.
    paste("2:2:8;9");
    ASSERT_EQ(dialogs.callsOf("message").size(), 1u);
    EXPECT_EQ(dialogs.callsOf("message")[0].text, pasteError);
    EXPECT_EQ(dialogs.callsOf("message")[0].detail, "error");
    EXPECT_EQ(value(5, 5), 8);
}

TEST_F(WindowClipboard, NumbersTooSmallForADoubleArePastedAsTheNearestOne) {
    clickCell(2, 2);
    paste("1e-310;1e-400;");
    EXPECT_EQ(value(2, 2), 1e-310);
    EXPECT_EQ(value(3, 2), 0.0);
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(WindowClipboard, CopyWithNothingSelectedLeavesTheClipboardAsItWas) {
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    key(&window, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboardText(), "kept");
    clickCell(2, 2);
    key(&window, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboardText(), "2:2:101;");
}

TEST_F(WindowClipboard, ARegionCopiedAsTableGoesToASpreadsheetAndComesBackFromIt) {
    clickCell(2, 2);
    clickCell(4, 4, Qt::ShiftModifier);    // the rectangle up to nodata
    clickCell(3, 3, Qt::ControlModifier);  // taken out again
    action("miCopyRegionAsTable")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "101\t102\t103\n201\t\t203\n301\t302\t\n");
    EXPECT_FALSE(document.Modified);

    // What a spreadsheet in a comma-decimal language gives back after an edit.
    clickCell(10, 5);
    QApplication::clipboard()->setText("1,5\t\t2\r\n\t-7,25\t\r\n");
    action("miPasteTableHere")->trigger();
    EXPECT_TRUE(dialogs.callsOf("message").empty());
    EXPECT_EQ(value(10, 5), 1.5);
    EXPECT_EQ(value(11, 5), 410);  // empty cell: kept
    EXPECT_EQ(value(12, 5), 2);
    EXPECT_EQ(value(11, 6), -7.25);
    EXPECT_TRUE(document.Modified);
    EXPECT_TRUE(marked(12, 5));
    EXPECT_TRUE(marked(11, 6));
    EXPECT_FALSE(marked(11, 5));
    // The described copy of the pasted cells keeps its own text.
    EXPECT_EQ(copied(), "5:10:1.5;5:12:2;\n6:11:-7.25;");
}

TEST_F(WindowClipboard, ATableThatDoesNotFitIsRefusedWholeWithTheReason) {
    clickCell(24, 12);
    QApplication::clipboard()->setText("1\t2\n3\t4\n");
    action("miPasteTableHere")->trigger();
    const auto messages = dialogs.callsOf("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Paste Table here");
    EXPECT_EQ(messages[0].text,
              "The table on the clipboard was not pasted: the table reaches beyond the grid: its "
              "row 2, column 1 would fall on row 13, column 24 of 12 rows and 25 columns.");
    EXPECT_EQ(value(24, 12), 1123);
    EXPECT_EQ(value(25, 12), 1124);
    EXPECT_FALSE(document.Modified);
}
