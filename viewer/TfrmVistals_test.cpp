#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

#include "FifoWatch.h"
#include "PaletteComboBox.h"
#include "StandInOpener.h"
#include "VistalsWindowTesting.h"

namespace {

using VistalsWindow = VistalsWindowTest;

const QByteArray smallGrid =
    "ncols 3\nnrows 2\nxllcorner 10\nyllcorner 20\ncellsize 5\nnodata_value -9999\n"
    "1 2 3\n4 -9999 6\n";

}  // namespace

TEST_F(VistalsWindow, LayoutHasTheDesignSizesAndCaption) {
    window.resize(1316, 819);
    EXPECT_EQ(window.windowTitle(), "Vistals");
    EXPECT_EQ(window.minimumSize(), QSize(900, 600));
    EXPECT_TRUE(control<QProgressBar>("ProgressBar1")->isHidden());
    EXPECT_EQ(control<QLabel>("lblStacklayers")->text(), "(max 0)");
    EXPECT_EQ(field("edtStacklevel")->text(), "0");
    EXPECT_FALSE(levels()->isEnabled());
    EXPECT_EQ(control("pnlGridNames")->minimumWidth(), 150);
    EXPECT_TRUE(field("edtNCols")->isReadOnly());
    EXPECT_FALSE(field("edtNodata")->isReadOnly());
}

TEST_F(VistalsWindow, EveryMenuItemHasItsCaptionAndShortcut) {
    struct Item {
        QAction* action;
        const char* caption;
        const char* shortcut;
    };
    const Item items[] = {
        {action("miLoadGrids"), "&Load Grids", "Ctrl+L"},
        {action("miOpenRaster"), "Open &Raster...", ""},
        {action("miSaveGrid"), "&Save Grid", "Ctrl+S"},
        {action("miSaveGridAs"), "Save Grid As...", "Ctrl+Shift+S"},
        {action("miExit"), "E&xit", "Alt+F4"},
        {action("miCopyImage"), "&Copy Image to Clipboard", "Ctrl+C"},
        {action("miCopyLegend"), "Copy &Legend to Clipboarad", "Ctrl+Shift+C"},
        {action("miCopyProfileToClipboard"), "Copy Profile &To Clipboard", "Ctrl+T"},
        {action("miCopyRectangleToClipboard"), "Copy selected &Region To Clipboard",
         "Ctrl+Shift+R"},
        {action("miPasteRectangleFromClipBoardHere"), "&Paste region here", "Ctrl+Shift+V"},
        {action("miPastemode1"), "  &1 Paste mode: Replace", ""},
        {action("miPastemode2"), "  &2 Paste mode: Add", ""},
        {action("miPastemode3"), "  &3 Paste mode: Subtract", ""},
        {action("miPastemode4"), "  &4 Paste mode: Multiply", ""},
        {action("miPastemode5"), "  &5 Paste mode: divide", ""},
        {action("miPastemode6"), "  &6 Paste mode: do nothing (select cells only)", ""},
        {action("miUnselectAllCellsNotInRange"), "U&nselect All Cells not in Range...",
         "Ctrl+Shift+U"},
        {action("miUnselectAll"), "&Unselect All Cells", "Ctrl+U"},
        {action("miChangeValue"), "Change &Value...", "F5"},
        {action("miZoomIn"), "Zoom &In", "Ctrl+I"},
        {action("miZoomOut"), "Zoom &Out", "Ctrl+O"},
        {action("miFitPage"), "Fit &Page", "Ctrl+P"},
        {action("miShiftLeft"), "Shift &Left", "Alt+Left"},
        {action("miShiftUp"), "Shift &Up", "Alt+Up"},
        {action("miShiftRight"), "Shift Righ&t", "Alt+Right"},
        {action("miShiftDown"), "Shift &Down", "Alt+Down"},
        {action("miInvertPalette"), "In&vert Palette", "Ctrl+V"},
        {action("miDiscontinuousColors"), "discontinuous colors", "Ctrl+D"},
        {action("miSaveActualPalette"), "Save Actual Palette...", "Ctrl+F7"},
        {action("miShowStatistics"), "Show Statistics (toggle)", "F11"},
        {action("miDrawGridLines"), "Draw &Gridlines", "Ctrl+G"},
        {action("miEraseGrid"), "&Erase old Grid (clear display before drawing)", "Ctrl+E"},
        {action("miSetRange"), "Set &Range...", "Ctrl+R"},
        {action("miShowProfile"), "Show Transection Pro&file", "Ctrl+F"},
        {action("miShowGradients"), "Show Gr&adients", "F2"},
        {action("miShowFlowVelocitiesFromXYFields"), "Show Flow &Velocities From X-Y-Fields...",
         "F3"},
        {action("miGradientOptions"), "Arrow &Options", "F4"},
        {action("miKeepClipping"), "&Keep Clipping", "Ctrl+K"},
        {action("miNodataTransparent"), "Nodata Tr&ansparent", "Ctrl+A"},
        {action("miAbout"), "&About", ""},
        {action("miHelp"), "&Summary", "F1"},
    };
    for (const Item& item : items) {
        ASSERT_NE(item.action, nullptr);
        EXPECT_EQ(item.action->text(), QString::fromLatin1(item.caption));
        EXPECT_EQ(item.action->shortcut().toString(), QString::fromLatin1(item.shortcut))
            << item.caption;
    }
    EXPECT_TRUE(action("miPastemode1")->isChecked());
    EXPECT_TRUE(action("miShowStatistics")->isChecked());
    EXPECT_TRUE(action("miEraseGrid")->isChecked());
    EXPECT_EQ(action("tlbtnZoomIn")->toolTip(), "zoom in");
    EXPECT_EQ(action("tlbtnNodataTransparent")->toolTip(), "Make nodata transparent");
}

TEST_F(VistalsWindow, StartWithoutArgumentsShowsAnEmptyWindow) {
    window.show();
    window.FormShow({});
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(field("edtNCols")->text().isEmpty());
    EXPECT_TRUE(field("edtCellCount")->text().isEmpty());
    EXPECT_TRUE(action("miNodataTransparent")->isChecked());
    EXPECT_TRUE(action("tlbtnNodataTransparent")->isChecked());
    EXPECT_FALSE(action("miKeepClipping")->isChecked());
    // The six built-in palettes and the four that come with the suite.
    auto* palettes = control<QComboBox>("ComboBox1");
    ASSERT_EQ(palettes->count(), 10);
    EXPECT_EQ(palettes->itemText(6), "Viridis (perceptual)");
    EXPECT_EQ(palettes->itemText(9), "RdBu (diverging blue-white-red)");
}

TEST_F(VistalsWindow, CommandLineFilesFillTheListInOrderAndWidenIt) {
    const QString first = file("a.asc", smallGrid);
    const QString longName =
        file("a_grid_file_with_a_rather_long_name_that_is_wider_than_the_list.asc", smallGrid);
    const QString third = file("c.asc", smallGrid);
    window.resize(1316, 819);
    window.show();
    window.FormShow({first, longName, third});
    ASSERT_EQ(list()->count(), 3);
    EXPECT_EQ(list()->item(0)->text(), first);
    EXPECT_EQ(list()->item(1)->text(), longName);
    EXPECT_EQ(list()->item(2)->text(), third);
    EXPECT_GE(list()->width(), picture()->fontMetrics().horizontalAdvance(longName) + 20);
    EXPECT_EQ(list()->currentRow(), 0);
}

TEST_F(VistalsWindow, ListHeightFollowsThePanel) {
    window.show();
    control("pnlGridNames")->resize(201, 500);
    EXPECT_EQ(list()->height(), 500 - 57);
}

TEST_F(VistalsWindow, DeleteKeyRemovesEntriesAndSelectsTheNeighbour) {
    window.show();
    window.FormShow({"/nonexistent/one.asc", "/nonexistent/two.asc", "/nonexistent/three.asc"});
    list()->setCurrentRow(2);
    QTest::keyClick(list(), Qt::Key_Delete);
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->currentRow(), 1);  // the new last entry
    list()->setCurrentRow(0);
    QTest::keyClick(list(), Qt::Key_Delete);
    ASSERT_EQ(list()->count(), 1);
    EXPECT_EQ(list()->item(0)->text(), "/nonexistent/two.asc");
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(dialogs.calls.empty() || dialogs.callsOf("question").empty());
}

TEST_F(VistalsWindow, DeleteWithChangedValuesAsksAndCancelKeepsTheEntry) {
    window.show();
    window.FormShow({"/nonexistent/one.asc"});
    document.Modified = true;
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Cancel);
    QTest::keyClick(list(), Qt::Key_Delete);
    ASSERT_EQ(dialogs.callsOf("question").size(), 1u);
    EXPECT_EQ(dialogs.callsOf("question")[0].text,
              "There are selected cells or \nthe original grid was changed. \n"
              "Do you want to save the changes?");
    EXPECT_EQ(dialogs.callsOf("question")[0].caption, "show another grid");
    EXPECT_EQ(dialogs.callsOf("question")[0].detail, "YesNoCancel");
    EXPECT_EQ(list()->count(), 1);
}

TEST_F(VistalsWindow, CtrlRightOnAPlainGridDoesNothing) {
    window.show();
    window.FormShow({file("plain.asc", smallGrid)});
    QTest::keyClick(list(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(levels()->position(), 0);
    EXPECT_EQ(field("edtStacklevel")->text(), "0");
}

TEST_F(VistalsWindow, StatisticsToggleHidesAndShowsThePanel) {
    window.show();
    window.FormShow({});
    const int gridAreaBefore = control<QSplitter>("Splitter2")->sizes().at(1);
    action("miShowStatistics")->trigger();
    EXPECT_FALSE(action("miShowStatistics")->isChecked());
    EXPECT_EQ(control<QSplitter>("Splitter2")->sizes().at(0), 0);
    EXPECT_GT(control<QSplitter>("Splitter2")->sizes().at(1), gridAreaBefore);
    action("miShowStatistics")->trigger();
    EXPECT_TRUE(action("miShowStatistics")->isChecked());
    EXPECT_EQ(control<QSplitter>("Splitter2")->sizes().at(0), 128);
    // F11 is the item's shortcut.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F11);
    EXPECT_FALSE(action("miShowStatistics")->isChecked());
    QTest::keyClick(&window, Qt::Key_F11);
    EXPECT_TRUE(action("miShowStatistics")->isChecked());
}

TEST_F(VistalsWindow, AboutBoxNamesTheVersion) {
    action("miAbout")->trigger();
    ASSERT_EQ(dialogs.callsOf("message").size(), 1u);
    EXPECT_TRUE(dialogs.callsOf("message")[0].text.startsWith("Vistals Version 1.5.0.77"));
    EXPECT_EQ(dialogs.callsOf("message")[0].caption, "About Vistals");
}

TEST_F(VistalsWindow, HelpCommandIsQuotedUnlessItIsOneBlank) {
    QTemporaryDir settingsFolder;
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::SystemScope, settingsFolder.path());
    const StandInOpener opener;
    {
        QSettings machine(QSettings::SystemScope, "Tolmar-Tools", "Vistal");
        machine.setValue("HelpCommand", "/opt/help/show vistal");
    }
    action("miHelp")->trigger();
    {
        QSettings machine(QSettings::SystemScope, "Tolmar-Tools", "Vistal");
        machine.setValue("HelpCommand", " ");
    }
    action("miHelp")->trigger();
    EXPECT_EQ(commands.commands, QStringList({"\"/opt/help/show vistal\"", " "}));
    settle();
    EXPECT_TRUE(opener.opened().isEmpty());  // a configured command replaces the guide
}

TEST_F(VistalsWindow, F1WithoutAHelpCommandOpensTheGuideWithTheDesktopOpener) {
    start();
    const StandInOpener opener;
    key(&window, Qt::Key_F1);
    ASSERT_TRUE(handleEventsUntil([&] { return !opener.opened().isEmpty(); }));
    const QStringList opened = opener.opened();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].endsWith("/docs/guide/vistal.html")) << qPrintable(opened[0]);
    EXPECT_TRUE(QFileInfo(opened[0]).isFile());
    EXPECT_TRUE(commands.commands.isEmpty());
    settle();
    EXPECT_TRUE(dialogs.callsOf("message").empty());
}

TEST_F(VistalsWindow, WithoutAnOpenerForTheGuideAMessageTellsWhereItIs) {
    start();
    {
        const StandInOpener missing(StandInOpener::Missing);
        action("miHelp")->trigger();
        ASSERT_TRUE(handleEventsUntil([&] { return !dialogs.callsOf("message").empty(); }));
    }
    {
        const StandInOpener failing(StandInOpener::Present, 3);  // no program for HTML pages
        action("miHelp")->trigger();
        ASSERT_TRUE(handleEventsUntil([&] { return dialogs.callsOf("message").size() == 2; }));
        EXPECT_EQ(failing.opened().size(), 1);
    }
    for (const auto& message : dialogs.callsOf("message")) {
        EXPECT_EQ(message.caption, "Help");
        EXPECT_TRUE(message.text.startsWith("No program to show the user guide was found."));
        EXPECT_TRUE(message.text.endsWith("/docs/guide/vistal.html")) << qPrintable(message.text);
    }
}

TEST_F(VistalsWindow, OnlySaveGridWaitsForAGrid) {
    start();
    for (QAction* item : window.findChildren<QAction*>()) {
        const QString name = item->objectName();
        if (!name.startsWith("mi") && !name.startsWith("tlb")) continue;
        const bool enabled = name != "miSaveGrid";
        EXPECT_EQ(item->isEnabled(), enabled) << qPrintable(name);
    }
    // Its shortcut does nothing before, not even ask or tell.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(dialogs.calls.empty());
}

// The form sees Ctrl+Left and Ctrl+Right first: they step the stack level wherever the focus
// is, and the focused control does not get them.
TEST_F(VistalsWindow, CtrlArrowsStepTheLevelFromAnyFocusedControl) {
    start({QStringLiteral(TOLMAR_SAMPLES "/heads_stack.asc")});
    ASSERT_TRUE(document.IsStack);
    ASSERT_EQ(levels()->position(), 0);
    QLineEdit* gamma = field("edtGamma");
    gamma->setCursorPosition(1);
    QTest::keyClick(gamma, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(levels()->position(), 1);
    EXPECT_EQ(gamma->cursorPosition(), 1);
    QTest::keyClick(gamma, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(levels()->position(), 0);
    EXPECT_EQ(gamma->cursorPosition(), 1);
    // With Alt held the key takes its normal way.
    QTest::keyClick(gamma, Qt::Key_Right, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(levels()->position(), 0);

    // The same from the other controls that take the focus.
    int expected = 0;
    for (const char* name : {"lstbxGridNames", "edtNodata", "edtStacklevel", "ComboBox1"}) {
        QWidget* focused = control(name);
        QTest::keyClick(focused, Qt::Key_Right, Qt::ControlModifier);
        EXPECT_EQ(levels()->position(), ++expected) << name;
        if (expected == levels()->maximum()) {
            QTest::keyClick(focused, Qt::Key_Left, Qt::ControlModifier);
            --expected;
        }
    }
    // The palette box kept its palette.
    EXPECT_EQ(control<QComboBox>("ComboBox1")->currentIndex(), 0);
}

TEST_F(VistalsWindow, ListKeysReachTheListOnly) {
    start({file("a.asc", smallGrid), file("b.asc", smallGrid)});
    // Delete in another control is that control's key.
    QLineEdit* nodata = field("edtNodata");
    nodata->setFocus();
    nodata->setCursorPosition(0);
    QTest::keyClick(nodata, Qt::Key_Delete);
    EXPECT_EQ(list()->count(), 2);
    EXPECT_EQ(nodata->text(), "9999");
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(list()->count(), 1);
}

TEST_F(VistalsWindow, FocusStaysWithTheListWhileAGridLoads) {
    // A grid large enough that the load lets the user interface work between its rows.
    QByteArray big =
        "ncols 50\nnrows 400\nxllcorner 0\nyllcorner 0\ncellsize 1\nnodata_value -9999\n";
    for (int row = 0; row < 400; ++row) {
        for (int column = 0; column < 50; ++column) big += QByteArray::number(column) + " ";
        big += "\n";
    }
    start({file("a.asc", smallGrid), file("big.asc", big)});
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    list()->setFocus();
    auto* palettes = control<QComboBox>("ComboBox1");
    // The user presses Down while the file is read.
    QWidget* focusedDuringLoad = nullptr;
    QTimer::singleShot(0, [&] {
        focusedDuringLoad = QApplication::focusWidget();
        if (focusedDuringLoad) QTest::keyClick(focusedDuringLoad, Qt::Key_Down);
    });
    click(1);
    settle();
    EXPECT_NE(focusedDuringLoad, palettes);
    EXPECT_EQ(palettes->currentIndex(), 0);
    EXPECT_EQ(document.FileName, list()->item(1)->text());
    EXPECT_TRUE(list()->hasFocus());
}

TEST_F(VistalsWindow, StatisticsFieldsShowTheirWholeTextAtTheDefaultSize) {
    QByteArray grid =
        "ncols 3\nnrows 2\nxllcorner -1234567.8\nyllcorner 7654321.1\ncellsize 12.5\n"
        "nodata_value -9999\n-12345678 2.5 28.4341\n-9999 3.14159 1e7\n";
    window.resize(1316, 819);
    start({file("wide.asc", grid)});
    // Double precision names the widest format.
    const QString doubleGrid = folder.write(
        "double.grd",
        binaryFile(BinaryPrecision::Double, {3, 2, 0, 0, 1, -9999}, {1, 2, 3, 4, 5, 6}));
    add(doubleGrid);
    click(1);
    ASSERT_EQ(text("edtFileFormat"), "Grid (double prec.)");
    click(0);
    pointAt(QPoint(1, 1));
    for (const char* name :
         {"edtNCols", "edtNRows", "edtXLL", "edtYLL", "edtCellSize", "edtNodata", "edtCellCount",
          "edtMin", "edtMax", "edtSum", "edtAverage", "edtStdDev", "edtXCol", "edtXCoord",
          "edtYCol", "edtYCoord", "edtValue"}) {
        QLineEdit* shown = field(name);
        ASSERT_FALSE(shown->text().isEmpty()) << name;
        EXPECT_LE(shown->fontMetrics().horizontalAdvance(shown->text()),
                  shown->contentsRect().width() - 4)
            << name << " " << qPrintable(shown->text());
    }
    click(1);
    QLineEdit* format = field("edtFileFormat");
    EXPECT_LE(format->fontMetrics().horizontalAdvance(format->text()),
              format->contentsRect().width() - 4);
}

TEST_F(VistalsWindow, AtTheMinimumSizeFieldsShowTheirStartAndTheToolBarAllButtons) {
    QByteArray grid =
        "ncols 3\nnrows 2\nxllcorner -1234567.8\nyllcorner 7654321.1\ncellsize 12.5\n"
        "nodata_value -9999\n-12345678 2.5 28.4341\n-9999 3.14159 1e7\n";
    window.resize(900, 600);
    start({file("wide.asc", grid)});
    settle();
    ASSERT_EQ(window.size(), QSize(900, 600));
    for (const char* name : {"edtNodata", "edtStdDev", "edtSum", "edtXLL", "edtFileFormat"}) {
        QLineEdit* shown = field(name);
        EXPECT_EQ(shown->cursorPosition(), 0) << name;
        // The first character is drawn at the field's left, not scrolled out of sight.
        EXPECT_GE(shown->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), -4) << name;
        EXPECT_LT(shown->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), 8) << name;
    }
    EXPECT_EQ(text("edtNodata"), "-9999");
    // The panel has the room its fields and labels need at the least.
    QWidget* panel = control("pnlStatistics");
    EXPECT_LE(panel->minimumSizeHint().width(), panel->width());
    // No button hides behind the tool bar's extension arrow.
    auto* bar = control<QToolBar>("ToolBar1");
    for (QAction* button : bar->actions()) {
        if (button->isSeparator()) continue;
        QWidget* shownAs = bar->widgetForAction(button);
        ASSERT_NE(shownAs, nullptr);
        EXPECT_TRUE(shownAs->isVisible()) << qPrintable(button->objectName());
        EXPECT_LE(shownAs->geometry().right(), bar->contentsRect().right())
            << qPrintable(button->objectName());
    }
}

TEST_F(VistalsWindow, FirstSizeFitsTheScreen) {
    const QSize available = window.screen()->availableSize();
    EXPECT_LE(window.width(), std::max(available.width(), 900));
    EXPECT_LE(window.height(), std::max(available.height(), 600));
    EXPECT_GE(window.width(), 900);
    EXPECT_GE(window.height(), 600);
}

TEST_F(VistalsWindow, AFifoAsTheUserSettingsFileNeitherBlocksNorIsReplaced) {
    // The user's settings file of the suite, where the start reads the palette folder.
    const QString folder = QFileInfo(QSettings(QSettings::UserScope, "probe").fileName()).path();
    ASSERT_TRUE(QDir().mkpath(folder));
    const FifoWatch fifo(folder + "/Tolmar-Tools.conf");
    ASSERT_TRUE(fifo.made());
    testing::internal::CaptureStderr();
    start({file("a.asc", smallGrid)});
    // Save Actual Palette remembers the palette folder there.
    dialogs.saveAnswers.push_back(file("p.vlp", ""));
    dialogs.inputAnswers.push_back(std::nullopt);  // the proposed name
    action("miSaveActualPalette")->trigger();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(fifo.opened());
    EXPECT_TRUE(fifo.stillAFifo());
    EXPECT_NE(said.find("Tolmar-Tools.conf\" is not a regular file"), std::string::npos) << said;
    EXPECT_EQ(text("edtNCols"), "3");
}
