#include "TfrmVistals.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QSettings>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>

#include "CommandProcessor.h"
#include "PaintBox.h"
#include "PaletteComboBox.h"
#include "ScriptedDialogs.h"
#include "UpDown.h"

namespace {

class RecordingCommands : public CommandProcessor {
public:
    void run(const QString& command) override { commands.push_back(command); }
    QStringList commands;
};

class VistalsWindow : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    RecordingCommands commands;
    TfrmVistals window{dialogs, commands};
};

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return path;
}

const QByteArray smallGrid =
    "ncols 3\nnrows 2\nxllcorner 10\nyllcorner 20\ncellsize 5\nnodata_value -9999\n"
    "1 2 3\n4 -9999 6\n";

}  // namespace

TEST_F(VistalsWindow, LayoutHasTheDesignSizesAndCaption) {
    EXPECT_EQ(window.windowTitle(), "Vistals");
    EXPECT_EQ(window.size(), QSize(1316, 819));
    EXPECT_EQ(window.minimumSize(), QSize(900, 600));
    EXPECT_TRUE(window.ProgressBar1->isHidden());
    EXPECT_EQ(window.lblStacklayers->text(), "(max 0)");
    EXPECT_EQ(window.edtStacklevel->text(), "0");
    EXPECT_FALSE(window.updnStacklevel->isEnabled());
    EXPECT_EQ(window.pnlGridNames->minimumWidth(), 150);
    EXPECT_TRUE(window.edtNCols->isReadOnly());
    EXPECT_FALSE(window.edtNodata->isReadOnly());
}

TEST_F(VistalsWindow, EveryMenuItemHasItsCaptionAndShortcut) {
    struct Item {
        QAction* action;
        const char* caption;
        const char* shortcut;
    };
    const Item items[] = {
        {window.miLoadGrids, "&Load Grids", "Ctrl+L"},
        {window.miSaveGrid, "&Save Grid", "Ctrl+S"},
        {window.miSaveGridAs, "Save Grid As...", "Ctrl+Shift+S"},
        {window.miExit, "E&xit", "Alt+F4"},
        {window.miCopyImage, "&Copy Image to Clipboard", "Ctrl+C"},
        {window.miCopyLegend, "Copy &Legend to Clipboarad", "Ctrl+Shift+C"},
        {window.miCopyProfileToClipboard, "Copy Profile &To Clipboard", "Ctrl+T"},
        {window.miCopyRectangleToClipboard, "Copy selected &Region To Clipboard", "Ctrl+Shift+R"},
        {window.miPasteRectangleFromClipBoardHere, "&Paste region here", "Ctrl+Shift+V"},
        {window.miPastemode1, "  &1 Paste mode: Replace", ""},
        {window.miPastemode2, "  &2 Paste mode: Add", ""},
        {window.miPastemode3, "  &3 Paste mode: Subtract", ""},
        {window.miPastemode4, "  &4 Paste mode: Multiply", ""},
        {window.miPastemode5, "  &5 Paste mode: divide", ""},
        {window.miPastemode6, "  &6 Paste mode: do nothing (select cells only)", ""},
        {window.miUnselectAllCellsNotInRange, "U&nselect All Cells not in Range...",
         "Ctrl+Shift+U"},
        {window.miUnselectAll, "&Unselect All Cells", "Ctrl+U"},
        {window.miChangeValue, "Change &Value...", "F5"},
        {window.miZoomIn, "Zoom &In", "Ctrl+I"},
        {window.miZoomOut, "Zoom &Out", "Ctrl+O"},
        {window.miFitPage, "Fit &Page", "Ctrl+P"},
        {window.miShiftLeft, "Shift &Left", "Alt+Left"},
        {window.miShiftUp, "Shift &Up", "Alt+Up"},
        {window.miShiftRight, "Shift Righ&t", "Alt+Right"},
        {window.miShiftDown, "Shift &Down", "Alt+Down"},
        {window.miInvertPalette, "In&vert Palette", "Ctrl+V"},
        {window.miDiscontinuousColors, "discontinuous colors", "Ctrl+D"},
        {window.miSaveActualPalette, "Save Actual Palette...", "Ctrl+F7"},
        {window.miShowStatistics, "Show Statistics (toggle)", "F11"},
        {window.miDrawGridLines, "Draw &Gridlines", "Ctrl+G"},
        {window.miEraseGrid, "&Erase old Grid (clear display before drawing)", "Ctrl+E"},
        {window.miSetRange, "Set &Range...", "Ctrl+R"},
        {window.miShowProfile, "Show Transection Pro&file", "Ctrl+F"},
        {window.miShowGradients, "Show Gr&adients", "F2"},
        {window.miShowFlowVelocitiesFromXYFields, "Show Flow &Velocities From X-Y-Fields...", "F3"},
        {window.miGradientOptions, "Arrow &Options", "F4"},
        {window.miKeepClipping, "&Keep Clipping", "Ctrl+K"},
        {window.miNodataTransparent, "Nodata Tr&ansparent", "Ctrl+A"},
        {window.miAbout, "&About", ""},
        {window.miHelp, "&Summary", "F1"},
    };
    for (const Item& item : items) {
        ASSERT_NE(item.action, nullptr);
        EXPECT_EQ(item.action->text(), QString::fromLatin1(item.caption));
        EXPECT_EQ(item.action->shortcut().toString(), QString::fromLatin1(item.shortcut))
            << item.caption;
    }
    EXPECT_TRUE(window.miPastemode1->isChecked());
    EXPECT_TRUE(window.miShowStatistics->isChecked());
    EXPECT_TRUE(window.miEraseGrid->isChecked());
    EXPECT_EQ(window.tlbtnZoomIn->toolTip(), "zoom in");
    EXPECT_EQ(window.tlbtnNodataTransparent->toolTip(), "Make nodata transparent");
}

TEST_F(VistalsWindow, StartWithoutArgumentsShowsAnEmptyWindow) {
    window.show();
    window.FormShow({});
    EXPECT_EQ(window.lstbxGridNames->count(), 0);
    EXPECT_TRUE(window.edtNCols->text().isEmpty());
    EXPECT_TRUE(window.edtCellCount->text().isEmpty());
    EXPECT_TRUE(window.miNodataTransparent->isChecked());
    EXPECT_TRUE(window.tlbtnNodataTransparent->isChecked());
    EXPECT_FALSE(window.miKeepClipping->isChecked());
    EXPECT_EQ(window.ComboBox1->count(), 6);
}

TEST_F(VistalsWindow, CommandLineFilesFillTheListInOrderAndWidenIt) {
    QTemporaryDir dir;
    const QString first = writeFile(dir, "a.asc", smallGrid);
    const QString longName = writeFile(
        dir, "a_grid_file_with_a_rather_long_name_that_is_wider_than_the_list.asc", smallGrid);
    const QString third = writeFile(dir, "c.asc", smallGrid);
    window.show();
    window.FormShow({first, longName, third});
    ASSERT_EQ(window.lstbxGridNames->count(), 3);
    EXPECT_EQ(window.lstbxGridNames->item(0)->text(), first);
    EXPECT_EQ(window.lstbxGridNames->item(1)->text(), longName);
    EXPECT_EQ(window.lstbxGridNames->item(2)->text(), third);
    EXPECT_GE(window.lstbxGridNames->width(),
              window.PaintBox1->fontMetrics().horizontalAdvance(longName) + 20);
    EXPECT_EQ(window.lstbxGridNames->currentRow(), 0);
}

TEST_F(VistalsWindow, ListHeightFollowsThePanel) {
    window.show();
    window.pnlGridNames->resize(201, 500);
    window.pnlGridNamesResize();
    EXPECT_EQ(window.lstbxGridNames->height(), 500 - 57);
}

TEST_F(VistalsWindow, DeleteKeyRemovesEntriesAndSelectsTheNeighbour) {
    window.show();
    window.FormShow({"/nonexistent/one.asc", "/nonexistent/two.asc", "/nonexistent/three.asc"});
    window.lstbxGridNames->setCurrentRow(2);
    QTest::keyClick(window.lstbxGridNames, Qt::Key_Delete);
    ASSERT_EQ(window.lstbxGridNames->count(), 2);
    EXPECT_EQ(window.lstbxGridNames->currentRow(), 1);  // the new last entry
    window.lstbxGridNames->setCurrentRow(0);
    QTest::keyClick(window.lstbxGridNames, Qt::Key_Delete);
    ASSERT_EQ(window.lstbxGridNames->count(), 1);
    EXPECT_EQ(window.lstbxGridNames->item(0)->text(), "/nonexistent/two.asc");
    QTest::keyClick(window.lstbxGridNames, Qt::Key_Delete);
    EXPECT_EQ(window.lstbxGridNames->count(), 0);
    EXPECT_TRUE(dialogs.calls.empty() || dialogs.callsOf("question").empty());
}

TEST_F(VistalsWindow, DeleteWithChangedValuesAsksAndCancelKeepsTheEntry) {
    window.show();
    window.FormShow({"/nonexistent/one.asc"});
    window.document.Modified = true;
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Cancel);
    QTest::keyClick(window.lstbxGridNames, Qt::Key_Delete);
    ASSERT_EQ(dialogs.callsOf("question").size(), 1u);
    EXPECT_EQ(dialogs.callsOf("question")[0].text,
              "There are selected cells or \nthe original grid was changed. \n"
              "Do you want to save the changes?");
    EXPECT_EQ(dialogs.callsOf("question")[0].caption, "show another grid");
    EXPECT_EQ(dialogs.callsOf("question")[0].detail, "YesNoCancel");
    EXPECT_EQ(window.lstbxGridNames->count(), 1);
}

TEST_F(VistalsWindow, CtrlRightOnAPlainGridDoesNothing) {
    QTemporaryDir dir;
    window.show();
    window.FormShow({writeFile(dir, "plain.asc", smallGrid)});
    QTest::keyClick(window.lstbxGridNames, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(window.updnStacklevel->position(), 0);
    EXPECT_EQ(window.edtStacklevel->text(), "0");
}

TEST_F(VistalsWindow, StatisticsToggleHidesAndShowsThePanel) {
    window.show();
    window.FormShow({});
    const int gridAreaBefore = window.Splitter2->sizes().at(1);
    window.miShowStatistics->trigger();
    EXPECT_FALSE(window.miShowStatistics->isChecked());
    EXPECT_EQ(window.Splitter2->sizes().at(0), 0);
    EXPECT_GT(window.Splitter2->sizes().at(1), gridAreaBefore);
    window.miShowStatistics->trigger();
    EXPECT_TRUE(window.miShowStatistics->isChecked());
    EXPECT_EQ(window.Splitter2->sizes().at(0), 128);
    // F11 is the item's shortcut.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F11);
    EXPECT_FALSE(window.miShowStatistics->isChecked());
    QTest::keyClick(&window, Qt::Key_F11);
    EXPECT_TRUE(window.miShowStatistics->isChecked());
    // Run as a handler (not through the menu item) it toggles just the same.
    window.miShowStatisticsClick();
    EXPECT_FALSE(window.miShowStatistics->isChecked());
    EXPECT_EQ(window.Splitter2->sizes().at(0), 0);
    window.miShowStatisticsClick();
    EXPECT_TRUE(window.miShowStatistics->isChecked());
    EXPECT_EQ(window.Splitter2->sizes().at(0), 128);
}

TEST_F(VistalsWindow, AboutBoxNamesTheVersion) {
    window.miAbout->trigger();
    ASSERT_EQ(dialogs.callsOf("message").size(), 1u);
    EXPECT_TRUE(dialogs.callsOf("message")[0].text.startsWith("Vistals Version 1.5.0.77"));
    EXPECT_EQ(dialogs.callsOf("message")[0].caption, "About Vistals");
}

TEST_F(VistalsWindow, HelpCommandIsQuotedUnlessItIsOneBlank) {
    QTemporaryDir dir;
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::SystemScope, dir.path());
    window.miHelp->trigger();  // no value: an empty string, quoted
    {
        QSettings machine(QSettings::SystemScope, "Tolmar-Tools", "Vistal");
        machine.setValue("HelpCommand", "/opt/help/show vistal");
    }
    window.miHelp->trigger();
    {
        QSettings machine(QSettings::SystemScope, "Tolmar-Tools", "Vistal");
        machine.setValue("HelpCommand", " ");
    }
    window.miHelp->trigger();
    EXPECT_EQ(commands.commands, QStringList({"\"\"", "\"/opt/help/show vistal\"", " "}));
}
