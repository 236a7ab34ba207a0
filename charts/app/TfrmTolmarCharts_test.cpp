#include "TfrmTolmarCharts.h"

#include <QClipboard>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>

#include "ChartsWindowTesting.h"
#include "DayNumberDate.h"
#include "StandInOpener.h"
#include "UpDown.h"

namespace {

const QString formatError = QStringLiteral("Error: The input file cannot\n be parsed correctly.");
const QString abc = QStringLiteral("Flow_at_the_outlet: ");

double day(int year, int month, int dayOfMonth, int hour = 0) {
    return *encodeDateTime(year, month, dayOfMonth, hour, 0);
}

}  // namespace

TEST_F(ChartsWindowTest, StartsWithTheDayBeforeNowAndTheDesignTexts) {
    const double before = dayNumberFromDateTime(QDateTime::currentDateTime());
    start();
    const double after = dayNumberFromDateTime(QDateTime::currentDateTime());
    TChartAxis& bottom = chart()->bottomAxis();
    EXPECT_NEAR(bottom.maximum() - bottom.minimum(), 1.0, 1e-9);
    EXPECT_GE(bottom.maximum(), before);
    EXPECT_LE(bottom.maximum(), after);
    const QDate yesterday = dateFromDayNumber(bottom.minimum());
    EXPECT_EQ(field("edtStartYear")->text(), QString::number(yesterday.year()));
    EXPECT_EQ(field("edtStartMonth")->text(), QString::number(yesterday.month()));
    EXPECT_EQ(field("edtStartDay")->text(), QString::number(yesterday.day()));
    EXPECT_EQ(field("edtEndDay")->text(),
              QString::number(dateFromDayNumber(bottom.maximum()).day()));
    EXPECT_FALSE(control<QProgressBar>("ProgressBar1")->isVisible());

    EXPECT_EQ(window.windowTitle(), "Tolmar-Kor Charts Visualisation");
    EXPECT_EQ(chart()->titleLines(), QStringList{"Tolmar-Kor Results"});
    EXPECT_EQ(field("edtChartTitle")->text(), "Tolmar-Kor Results");
    EXPECT_EQ(field("edtOrdinateTitle")->text(), "Value");
    EXPECT_EQ(field("edtAbszisseTitle")->text(), "Axis title");
    EXPECT_EQ(field("edtLineWidthSelected")->text(), "2");
    EXPECT_TRUE(field("edtLineWidthSelected")->isReadOnly());
    EXPECT_EQ(control<QPushButton>("btnAddData")->text(), "&Add File");
    EXPECT_EQ(control<QPushButton>("btnDelData")->text(), "&Remove File");
    EXPECT_EQ(chart()->leftAxis().minimum(), -9999.0);
    EXPECT_EQ(chart()->leftAxis().maximum(), -9999.0);
}

TEST_F(ChartsWindowTest, MenusHoldTheirCaptionsShortcutsAndSeparators) {
    start();
    QStringList entries;
    for (QAction* menu : window.menuBar()->actions()) {
        entries << menu->text();
        for (QAction* item : menu->menu()->actions()) {
            entries << (item->isSeparator()
                            ? QStringLiteral("-")
                            : "  " + item->text() + " " + item->shortcut().toString());
        }
    }
    EXPECT_EQ(entries, QStringList({"&File",
                                    "  &Open new file Ctrl+O",
                                    "  &Close actual file Ctrl+C",
                                    "-",
                                    "  &Print Ctrl+P",
                                    "  &Export Visible Series... ",
                                    "-",
                                    "  E&xit Alt+X",
                                    "&Edit",
                                    "  &Copy to Clipboard Alt+C",
                                    "&Options",
                                    "  Show &Color Gradient Ctrl+G",
                                    "  Choose &Gradient Colors Ctrl+B",
                                    "  Set Gradient Color Default (yellow) ",
                                    "-",
                                    "  &Fit Chart To Data Limits F5",
                                    "  Fit Chart to &Y-Value Data Limits F6",
                                    "  Fit Chart to Start-End-&Dates F7",
                                    "  Fit Data to all &X-Value Data Limits F8",
                                    "-",
                                    "  Hide &Legend Ctrl+Shift+L",
                                    "-",
                                    "  Scale Y-Axis Logarithmic ",
                                    "&Help",
                                    "  &About ",
                                    "  &Summary F1"}));
    for (QAction* menu : window.menuBar()->actions())
        for (QAction* item : menu->menu()->actions())
            EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();
    EXPECT_TRUE(action("Color1")->isEnabled());
    // Patterns are offered only while the selected series is drawn at its own width.
    EXPECT_FALSE(action("Style1")->isEnabled());
    // The view may run past the data's ends: there is no last page to go to.
    EXPECT_TRUE(control<QPushButton>("btnNextPage")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("btnLastPage")->isEnabled());
}

TEST_F(ChartsWindowTest, ThreeColumnTableListsThreeSeriesAndDrawsOnlyTheLast) {
    start();
    const QString path = table("three.txt", hourlyTable({"A", "B", "C"}, 4));
    addFiles({path});

    EXPECT_EQ(texts(files()), QStringList{path});
    EXPECT_EQ(checks(files()), QList<bool>{true});
    EXPECT_EQ(files()->currentRow(), 0);
    EXPECT_EQ(texts(seriesList()), QStringList({abc + "A", abc + "B", abc + "C"}));
    EXPECT_EQ(checks(seriesList()), QList<bool>({false, false, true}));
    EXPECT_EQ(field("edtSeriesName")->text(), "Flow_at_the_outlet_gauge_daily");
    EXPECT_EQ(drawnLines(), QStringList{abc + "C"});
    EXPECT_EQ(legendEntries(), QStringList{abc + "C"});
    TChartSeries* line = drawnLine(abc + "C");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->count(), 4);
    EXPECT_EQ(line->yValue(3), 32.0);
    EXPECT_EQ(line->seriesColor(), QColor(Qt::red));

    // The view: one step before the first row to one step after the end; the values' range.
    const double hour = 1.0 / 24.0;
    EXPECT_NEAR(chart()->bottomAxis().minimum(), day(2000, 12, 31, 23), 1e-9);
    EXPECT_NEAR(chart()->bottomAxis().maximum(), day(2001, 1, 1, 0) + 5 * hour, 1e-9);
    EXPECT_EQ(field("edtStartYear")->text(), "2000");
    EXPECT_EQ(field("edtStartDay")->text(), "31");
    EXPECT_EQ(field("edtEndYear")->text(), "2001");
    EXPECT_EQ(chart()->leftAxis().minimum(), 0.0);
    EXPECT_EQ(chart()->leftAxis().maximum(), 32.0);
    EXPECT_EQ(chart()->maxPointsPerPage(), 6);
    EXPECT_TRUE(window.isEnabled());
    EXPECT_FALSE(control<QProgressBar>("ProgressBar1")->isVisible());
    EXPECT_TRUE(messages().empty());
}

TEST_F(ChartsWindowTest, CheckingSeriesDrawsThemAndEachTakesItsOwnColour) {
    start();
    addFiles({table("three.txt", hourlyTable({"A", "B", "C"}))});
    check(seriesList(), 0, true);
    EXPECT_EQ(drawnLines(), QStringList({abc + "C", abc + "A"}));
    EXPECT_EQ(drawnLine(abc + "A")->seriesColor(), QColor(Qt::blue));
    check(seriesList(), 2, false);
    EXPECT_EQ(drawnLines(), QStringList{abc + "A"});
    // A freed look is handed out again first.
    check(seriesList(), 1, true);
    EXPECT_EQ(drawnLine(abc + "B")->seriesColor(), QColor(Qt::red));
}

TEST_F(ChartsWindowTest, ACheckedSeriesLooksCheckedWhateverItsColour) {
    start();
    // Twelve drawn series reach the twelfth look, silver; a thirteenth stays unchecked.
    QStringList columns;
    for (int c = 0; c < 13; ++c) columns << QStringLiteral("C%1").arg(c);
    addFiles({table("thirteen.txt", hourlyTable(columns))});
    check(seriesList(), 12, false);
    for (int row = 0; row < 12; ++row) check(seriesList(), row, true);
    ASSERT_EQ(drawnLine(abc + "C11")->seriesColor(), QColor(0xC0, 0xC0, 0xC0));
    seriesList()->clearSelection();
    settle();
    // The darkest pixel of an entry's text (the check box at its left left out).
    const auto darkest = [this](int row) {
        const QRect item = seriesList()->visualItemRect(seriesList()->item(row));
        const QImage picture = seriesList()->viewport()->grab(item).toImage();
        QColor found(Qt::white);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = picture.width() / 3; x < picture.width(); ++x) {
                const QColor pixel = picture.pixelColor(x, y);
                if (pixel.lightness() < found.lightness()) found = pixel;
            }
        return found;
    };
    const QColor unchecked = darkest(12);
    const QColor checkedSilver = darkest(11);
    EXPECT_EQ(unchecked, QColor(0xC0, 0xC0, 0xC0));
    EXPECT_LT(checkedSilver.lightness(), unchecked.lightness() - 40);
    // Other colours are written as they are.
    EXPECT_EQ(darkest(1), QColor(Qt::blue));
}

TEST_F(ChartsWindowTest, UncheckingAFileHidesItsLinesAndCheckingShowsTheCheckedOnes) {
    start();
    addFiles({table("three.txt", hourlyTable({"A", "B", "C"}))});
    check(seriesList(), 0, true);

    check(files(), 0, false);
    EXPECT_TRUE(drawnLines().isEmpty());
    EXPECT_FALSE(seriesList()->isEnabled());
    // The series keep their own checks.
    EXPECT_EQ(checks(seriesList()), QList<bool>({true, false, true}));

    check(files(), 0, true);
    EXPECT_TRUE(seriesList()->isEnabled());
    QStringList shown = drawnLines();
    shown.sort();
    EXPECT_EQ(shown, QStringList({abc + "A", abc + "C"}));
}

TEST_F(ChartsWindowTest, TheSamePathTwiceGivesTwoEntriesThatBothActOnTheFirstTable) {
    start();
    const QString path = table("three.txt", hourlyTable({"A", "B", "C"}));
    addFiles({path, path});
    EXPECT_EQ(texts(files()), QStringList({path, path}));
    EXPECT_EQ(drawnLines(), QStringList({abc + "C", abc + "C"}));
    const TChartSeries* second = chart()->seriesList().at(2);

    // Unchecking the second entry hides the lines of the first table.
    check(files(), 1, false);
    ASSERT_EQ(drawnLines().size(), 1);
    EXPECT_EQ(chart()->seriesList().first(), second);

    // Renaming from the second entry renames the first table.
    field("edtSeriesName")->setText("Q");
    QTest::keyClick(field("edtSeriesName"), Qt::Key_Return);
    settle();
    EXPECT_EQ(texts(seriesList()), QStringList({"Q: A", "Q: B", "Q: C"}));
    EXPECT_EQ(drawnLines(), QStringList{abc + "C"});
}

TEST_F(ChartsWindowTest, OnlyTheLastFileMayBeRemoved) {
    start();
    const QString first = table("first.txt", hourlyTable({"A", "B"}));
    const QString second = table("second.txt", hourlyTable({"X"}));
    addFiles({first, second});
    ASSERT_EQ(files()->count(), 2);

    click(files(), 0);
    QTest::keyClick(files(), Qt::Key_Delete);
    settle();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "Only the last Series of the list may be deleted");
    EXPECT_EQ(messages()[0].caption, "Information");
    EXPECT_EQ(files()->count(), 2);
    EXPECT_EQ(drawnLines().size(), 2);

    // The keys move the selection as a click does: the series list follows.
    QTest::keyClick(files(), Qt::Key_Down);
    settle();
    EXPECT_EQ(files()->currentRow(), 1);
    EXPECT_EQ(texts(seriesList()), QStringList{abc + "X"});
    control<QPushButton>("btnDelData")->click();
    settle();
    EXPECT_EQ(texts(files()), QStringList{first});
    EXPECT_EQ(texts(seriesList()), QStringList({abc + "A", abc + "B"}));
    EXPECT_EQ(drawnLines(), QStringList{abc + "B"});
    EXPECT_EQ(messages().size(), 1u);

    // Without a selected entry nothing goes.
    files()->setCurrentRow(-1);
    action("miClose")->trigger();
    EXPECT_EQ(files()->count(), 1);

    click(files(), 0);
    action("miClose")->trigger();
    settle();
    EXPECT_EQ(files()->count(), 0);
    EXPECT_EQ(seriesList()->count(), 0);
    EXPECT_TRUE(chart()->seriesList().isEmpty());
    EXPECT_EQ(field("edtSeriesName")->text(), QString());
    EXPECT_FALSE(chart()->legendDrawn());

    // The removed tables gave their looks back: the next table is drawn red again.
    addFiles({second});
    EXPECT_EQ(drawnLine(abc + "X")->seriesColor(), QColor(Qt::red));
}

TEST_F(ChartsWindowTest, InsertKeyInTheFileListOpensTheDialog) {
    start();
    const QString path = table("one.txt", hourlyTable({"A"}));
    dialogs.openAnswers.push_back({path});
    QTest::keyClick(files(), Qt::Key_Insert);
    settle();
    ASSERT_EQ(dialogs.callsOf("open").size(), 1u);
    EXPECT_EQ(texts(files()), QStringList{path});
}

TEST_F(ChartsWindowTest, RenamingTwiceStartsFromTheFirstTitleEachTime) {
    start();
    addFiles({table("flow.txt", hourlyTable({"4", "5"}, 3, "Flow_1"))});
    EXPECT_EQ(texts(seriesList()), QStringList({"Flow_1: 4", "Flow_1: 5"}));

    QLineEdit* name = field("edtSeriesName");
    name->selectAll();
    QTest::keyClicks(name, "Runoff");
    QTest::keyClick(name, Qt::Key_Return);
    settle();
    EXPECT_EQ(texts(seriesList()), QStringList({"Runoff: 4", "Runoff: 5"}));
    EXPECT_EQ(drawnLines(), QStringList{"Runoff: 5"});
    EXPECT_EQ(legendEntries(), QStringList{"Runoff: 5"});

    name->selectAll();
    QTest::keyClicks(name, "Q");
    QTest::keyClick(name, Qt::Key_Return);
    settle();
    EXPECT_EQ(texts(seriesList()), QStringList({"Q: 4", "Q: 5"}));
    EXPECT_EQ(drawnLines(), QStringList{"Q: 5"});

    // A name with a colon of its own does not shift the column part of the next rename.
    for (const char* text : {"At: gauge", "Q"}) {
        name->selectAll();
        QTest::keyClicks(name, text);
        QTest::keyClick(name, Qt::Key_Return);
        settle();
    }
    EXPECT_EQ(texts(seriesList()), QStringList({"Q: 4", "Q: 5"}));
    EXPECT_EQ(field("edtSeriesName")->text(), "Q");
}

TEST_F(ChartsWindowTest, TheSelectedSeriesIsDrawnWiderByTheSelectedWidthLessOne) {
    start();
    addFiles({table("two.txt", hourlyTable({"A", "B"}))});
    check(seriesList(), 0, true);
    TChartSeries* a = drawnLine(abc + "A");
    TChartSeries* b = drawnLine(abc + "B");
    click(seriesList(), 1);
    EXPECT_EQ(b->penWidth(), 2);  // own width 1, selected width 2
    EXPECT_EQ(a->penWidth(), 1);

    QToolButton* down = control<QToolButton>("updwnLineWidthSelectedDown");
    QToolButton* up = control<QToolButton>("updwnLineWidthSelectedUp");
    down->click();
    down->click();  // stays at 1
    settle();
    EXPECT_EQ(field("edtLineWidthSelected")->text(), "1");
    EXPECT_EQ(b->penWidth(), 1);
    for (int i = 0; i < 12; ++i) up->click();  // stops at 10
    settle();
    EXPECT_EQ(field("edtLineWidthSelected")->text(), "10");
    EXPECT_EQ(b->penWidth(), 10);
    EXPECT_EQ(a->penWidth(), 1);

    click(seriesList(), 0);
    EXPECT_EQ(a->penWidth(), 10);
    EXPECT_EQ(b->penWidth(), 1);

    // The arrow keys in the width edit step as well.
    QTest::keyClick(field("edtLineWidthSelected"), Qt::Key_Down);
    settle();
    EXPECT_EQ(field("edtLineWidthSelected")->text(), "9");
    EXPECT_EQ(a->penWidth(), 9);
}

TEST_F(ChartsWindowTest, PathsContainingIniAreReadAsSettingsInTheDialogsOrder) {
    const QString first = table("one.txt", hourlyTable({"A"}));
    const QString second = table("two.txt", hourlyTable({"B"}));
    const QString startSettings = table("start.ini",
                                        "[Chart]\nTitle=From the command line\nNumFiles=1\n"
                                        "[File0]\nFileName=" +
                                            first.toUtf8() + "\nFile0series0Visible=1\n");
    start({startSettings});
    EXPECT_EQ(field("edtChartTitle")->text(), "From the command line");
    EXPECT_EQ(texts(files()), QStringList{first});

    const QString backup = table("charts.ini.bak",
                                 "[Chart]\nTitle=From a backup\nNumFiles=1\n"
                                 "[File0]\nFileName=" +
                                     first.toUtf8() + "\n");
    const QString upper = table("CHARTS.INI", "no table\n");
    addFiles({backup, second, upper});
    EXPECT_EQ(field("edtChartTitle")->text(), "From a backup");
    // ".ini" is looked for as written: an upper-case name is read as a table.
    EXPECT_EQ(texts(files()), QStringList({first, first, second}));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].caption, "wrong file format");
}

TEST_F(ChartsWindowTest, BadTablesGiveTheWrongFileFormatBoxAndAddNothing) {
    start();
    addFiles({table("good.txt", hourlyTable({"A"}))});
    const double viewStart = chart()->bottomAxis().minimum();
    const QStringList before = drawnLines();

    const QString noData = table("nodata.txt", "just a title\nYYYY MM DD HH A\n");
    const QString oneRow = table("onerow.txt", "YYYY MM DD HH A\nx\n2001 1 1 0 5\n");
    const QString missing = folder.path("missing.txt");
    addFiles({noData, oneRow, missing});

    // Each box names its file, so that the user knows which of several failed.
    const auto shown = messages();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].text, formatError + "\nFile: " + noData);
    EXPECT_EQ(shown[1].text, formatError + "\nFile: " + oneRow);
    EXPECT_TRUE(shown[2].text.contains(missing)) << shown[2].text.toStdString();
    for (const auto& call : shown) EXPECT_EQ(call.caption, "wrong file format");
    EXPECT_EQ(files()->count(), 1);
    EXPECT_EQ(seriesList()->count(), 1);
    EXPECT_EQ(drawnLines(), before);
    EXPECT_EQ(chart()->bottomAxis().minimum(), viewStart);
    EXPECT_TRUE(window.isEnabled());
    EXPECT_FALSE(control<QProgressBar>("ProgressBar1")->isVisible());
}

TEST_F(ChartsWindowTest, TheWindowIsDisabledAndTheBarMovesWhileATableIsRead) {
    start();
    QProgressBar* bar = control<QProgressBar>("ProgressBar1");
    const QString path = table("long.txt", hourlyTable({"A", "B"}, 5000));
    // What the window shows each time it processes its events during the read.
    std::vector<int> shownPercents;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (bar->isVisible() && !window.isEnabled()) shownPercents.push_back(bar->value());
    });
    watch.start(0);
    addFiles({path});
    watch.stop();

    ASSERT_GE(shownPercents.size(), 20u);
    // Once per whole percent at most, not once per row.
    EXPECT_LE(shownPercents.size(), 101u);
    EXPECT_TRUE(std::is_sorted(shownPercents.begin(), shownPercents.end()));
    EXPECT_GE(shownPercents.back(), 99);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(drawnLine(abc + "B")->count(), 5000);
}

TEST_F(ChartsWindowTest, TableWithFallingDatesShowsAnAscendingView) {
    start();
    addFiles(
        {table("falling.txt", "YYYY MM DD HH A\nx\n2001 1 1 5 1\n2001 1 1 4 2\n2001 1 1 3 3\n")});
    ASSERT_EQ(files()->count(), 1);
    TChartAxis& bottom = chart()->bottomAxis();
    EXPECT_LT(bottom.minimum(), bottom.maximum());
    EXPECT_GT(bottom.desiredIncrement(), 0.0);
    chart()->redraw();
}

TEST_F(ChartsWindowTest, TitleEditsSetTheChartAndAxisTitles) {
    start();
    field("edtChartTitle")->setText("Runoff 2003");
    field("edtOrdinateTitle")->setText("m3/s");
    field("edtAbszisseTitle")->setText("Date");
    EXPECT_EQ(chart()->titleLines(), QStringList{"Runoff 2003"});
    EXPECT_EQ(chart()->leftAxis().title(), "m3/s");
    EXPECT_EQ(chart()->bottomAxis().title(), "Date");
}

TEST_F(ChartsWindowTest, AboutCopyPrintAndHelp) {
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, settings.path());
    start();
    addFiles({table("one.txt", hourlyTable({"A"}))});

    action("About1")->trigger();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "Linara Version 1.5.0.40");
    EXPECT_EQ(messages()[0].caption, "About Linara");

    QGuiApplication::clipboard()->clear();
    action("miCopytoClipboard")->trigger();
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());

    action("miPrint")->trigger();
    EXPECT_GT(QFileInfo(folder.path("chart.pdf")).size(), 0);

    // A help command with blanks runs quoted, one without as it is; either replaces the guide.
    const StandInOpener opener;
    {
        QSettings machine(QSettings::SystemScope, "Tolmar-Tools", "Linara");
        machine.setValue("HelpCommand", "xdg-open /usr/share/doc/linara.html");
    }
    action("miOpenHelp")->trigger();
    {
        QSettings machine(QSettings::SystemScope, "Tolmar-Tools", "Linara");
        machine.setValue("HelpCommand", "/opt/help");
    }
    action("miOpenHelp")->trigger();
    EXPECT_EQ(commands.commands,
              QStringList({"\"xdg-open /usr/share/doc/linara.html\"", "/opt/help"}));
    settle();
    EXPECT_TRUE(opener.opened().isEmpty());
}

TEST_F(ChartsWindowTest, F1WithoutAHelpCommandOpensTheGuideOrTellsWhereItIs) {
    start();
    {
        const StandInOpener opener;
        QTest::keyClick(&window, Qt::Key_F1);
        ASSERT_TRUE(handleEventsUntil([&] { return !opener.opened().isEmpty(); }));
        ASSERT_EQ(opener.opened().size(), 1);
        EXPECT_TRUE(opener.opened()[0].endsWith("/docs/guide/linara.html"))
            << qPrintable(opener.opened()[0]);
        EXPECT_TRUE(QFileInfo(opener.opened()[0]).isFile());
        settle();
        EXPECT_TRUE(messages().empty());
    }
    {
        const StandInOpener failing(StandInOpener::Present, 3);  // no program for HTML pages
        QTest::keyClick(&window, Qt::Key_F1);
        ASSERT_TRUE(handleEventsUntil([&] { return !messages().empty(); }));
    }
    EXPECT_EQ(messages()[0].caption, "Help");
    EXPECT_TRUE(messages()[0].text.endsWith("/docs/guide/linara.html"));
    EXPECT_TRUE(commands.commands.isEmpty());
}

TEST_F(ChartsWindowTest, ExitClosesTheWindow) {
    start();
    action("miExit")->trigger();
    EXPECT_FALSE(window.isVisible());
}
