// The settings file as the window writes it on close and reads it back.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>

#include "ChartsWindowTesting.h"
#include "DayNumberDate.h"
#include "FileSizeLimit.h"
#include "IniFile.h"

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SettingsFileTest : public ChartsWindowTest {
protected:
    // The progress window's caption, label and bar maximum as last shown.
    QString progressCaption() { return control<QWidget>("frmWriteIniFile")->windowTitle(); }
    QString progressLabel() { return control<QLabel>("lblWriteIniFile")->text(); }
    int progressMaximum() { return control<QProgressBar>("prgrsbrWriteIniFile")->maximum(); }

    // A second window in the same working directory, as a fresh run of the program.
    struct Fresh {
        ScriptedDialogs dialogs;
        RecordingCommands commands;
        PdfPrinterSetup printer{QString()};
        TfrmTolmarCharts window{dialogs, commands, printer};
    };
};

}  // namespace

TEST_F(SettingsFileTest, AWrittenFileRestoresTheChartInAFreshWindow) {
    start();
    const QString three = table("three.txt", hourlyTable({"A", "B", "C"}, 5));
    const QString one = table("one.txt", hourlyTable({"X"}, 5, "Rain"));
    addFiles({three, one});
    click(files(), 0);
    check(seriesList(), 0, true);
    click(seriesList(), 0);
    dialogs.colourAnswers.push_back(Colour(0x008000));
    action("Color1")->trigger();
    field("edtSeriesName")->setText("Runoff");
    QTest::keyClick(field("edtSeriesName"), Qt::Key_Return);
    field("edtChartTitle")->setText("Runoff 2001");
    field("edtOrdinateTitle")->setText("m3/s");
    field("edtAbszisseTitle")->setText("Date");
    dialogs.colourAnswers = {Colour(0xC0C0C0), Colour(0x800000)};
    action("miSetStartColor")->trigger();
    action("miColorGradient")->trigger();
    action("miHideLegend")->trigger();
    control<QCheckBox>("chkbcSynchronizeDates")->click();
    field("edtEndDay")->setText("3");
    QTest::keyClick(field("edtEndDay"), Qt::Key_Return);
    chart()->leftAxis().setMinMax(-1.5, 44.25);
    settle();
    const ChartSettings written = window.currentSettings();
    const QStringList drawn = drawnLines();

    EXPECT_TRUE(window.close());
    EXPECT_EQ(progressCaption(), "Write to ini-File");
    EXPECT_EQ(progressLabel(), "Write to ini-File");
    EXPECT_EQ(progressMaximum(), 2);
    const IniFile ini = IniFile::load(closingSettings());
    EXPECT_EQ(ini.ReadInteger("Chart", "NumFiles", 0), 2);
    EXPECT_EQ(ini.ReadInteger("File0", "ColumnCount", 0), 3);
    EXPECT_EQ(ini.ReadString("File0", "EntityName", ""), "Runoff");
    EXPECT_EQ(ini.ReadInteger("File0", "File0series0Color", 0), 0x008000);
    EXPECT_TRUE(ini.ReadBool("File0", "File0series0Visible", false));
    EXPECT_FALSE(ini.ReadBool("File0", "File0series1Visible", true));
    EXPECT_EQ(ini.ReadString("File1", "FileName", ""), one);

    Fresh next;
    next.window.show();
    next.window.FormShow({closingSettings()});
    settle();
    EXPECT_TRUE(next.dialogs.calls.empty());
    EXPECT_EQ(next.window.currentSettings(), written);
    EXPECT_EQ(progressCaption(), "Write to ini-File") << "each window has its own";
    auto* nextFiles = next.window.findChild<QListWidget*>("chklstbxFiles");
    EXPECT_EQ(texts(nextFiles), QStringList({three, one}));
    QStringList nextDrawn;
    for (TChartSeries* series : next.window.chart().seriesList())
        if (!series->showInLegend()) nextDrawn << series->title();
    EXPECT_EQ(nextDrawn.size(), drawn.size());
    for (const QString& title : drawn)
        EXPECT_TRUE(nextDrawn.contains(title)) << title.toStdString();
    EXPECT_FALSE(next.window.chart().legendVisible());
    EXPECT_FALSE(next.window.chart().gradientVisible());
    EXPECT_EQ(next.window.chart().gradientEndColor(), QColor(0, 0, 0x80));
    EXPECT_EQ(next.window.chart().titleLines(), QStringList{"Runoff 2001"});
    // The axis titles show the stored ones; their edits keep their own text.
    EXPECT_EQ(next.window.chart().leftAxis().title(), "m3/s");
    EXPECT_EQ(next.window.findChild<QLineEdit*>("edtOrdinateTitle")->text(), "Value");
    EXPECT_EQ(next.window.findChild<QLineEdit*>("edtEndDay")->text(), "3");
    auto* progress = next.window.findChild<QWidget*>("frmWriteIniFile");
    EXPECT_EQ(progress->windowTitle(), "Read from ini-File");
    EXPECT_EQ(progress->findChild<QLabel*>("lblWriteIniFile")->text(), "Read From ini-File");
    // The restored view stays when another table is added.
    const double restoredStart = next.window.chart().bottomAxis().minimum();
    next.dialogs.openAnswers.push_back({table("later.txt", hourlyTable({"L"}, 48))});
    next.window.findChild<QAction*>("miOpen")->trigger();
    EXPECT_EQ(next.window.chart().bottomAxis().minimum(), restoredStart);
}

TEST_F(SettingsFileTest, MissingSeriesKeysGiveRedAndHiddenAndMissingTablesAreSkipped) {
    const QString three = table("three.txt", hourlyTable({"A", "B", "C"}));
    const QString settings = table("old.ini",
                                   "; written by hand\n[Chart]\nNumFiles=4\n"
                                   "[File0]\nFileName=" +
                                       folder.path("gone.txt").toUtf8() +
                                       "\nFile0series0Visible=1\n"
                                       "[File1]\r\nFileName = " +
                                       three.toUtf8() +
                                       "\r\nFile1series0Color=0x00FF00\r\nFile1series0Visible=1\r\n"
                                       "File1series2Color=65280\r\n[File2]\nFileName=\n");
    start({settings});
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].caption, "wrong file format");
    EXPECT_EQ(texts(files()), QStringList{three});
    EXPECT_EQ(checks(seriesList()), QList<bool>({true, false, false}));
    // Without an EntityName key the series are renamed from an empty name.
    EXPECT_EQ(drawnLines(), QStringList{": A"});
    EXPECT_EQ(drawnLine(": A")->seriesColor(), QColor(0, 0xFF, 0));
    const ChartSettings shown = window.currentSettings();
    EXPECT_EQ(shown.files.at(0).series.at(1).colour, 255);
    EXPECT_EQ(shown.files.at(0).series.at(2).colour, 65280);
}

TEST_F(SettingsFileTest, ABadDateEditAtCloseWritesNothingAndKeepsTheWindowOpen) {
    start();
    addFiles({table("one.txt", hourlyTable({"A"}))});
    const QByteArray before = "[Chart]\nTitle=Kept\n";
    table(QFileInfo(closingSettings()).fileName(), before);
    field("edtStartMonth")->setText("Jan");
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "'Jan' is not a valid integer value");
    EXPECT_EQ(readBytes(closingSettings()), before);

    field("edtStartMonth")->setText("1");
    EXPECT_TRUE(window.close());
    EXPECT_NE(readBytes(closingSettings()), before);
}

namespace {

// Dialogs whose message box takes the focus, as a real one does.
class FocusTakingDialogs : public ScriptedDialogs {
public:
    void message(const QString& text, const QString& caption) override {
        ScriptedDialogs::message(text, caption);
        QWidget box;
        auto* button = new QLineEdit(&box);
        box.show();
        QApplication::setActiveWindow(&box);
        button->setFocus();
        settle();
    }
};

}  // namespace

TEST_F(SettingsFileTest, ABadDateAtCloseIsReportedOnceWhenTheBoxTakesTheFocus) {
    FocusTakingDialogs taking;
    RecordingCommands noCommands;
    PdfPrinterSetup noPrinter{QString()};
    TfrmTolmarCharts focused(taking, noCommands, noPrinter);
    focused.show();
    focused.FormShow({});
    QApplication::setActiveWindow(&focused);
    auto* month = focused.findChild<QLineEdit*>("edtStartMonth");
    month->setText("Jan");
    month->setFocus();
    settle();
    ASSERT_TRUE(month->hasFocus());
    EXPECT_FALSE(focused.close());
    settle();
    EXPECT_TRUE(focused.isVisible());
    ASSERT_EQ(taking.callsOf("message").size(), 1u);
    EXPECT_EQ(taking.callsOf("message")[0].text, "'Jan' is not a valid integer value");
    EXPECT_FALSE(QFileInfo::exists(closingSettings()));
    month->setText("1");
    EXPECT_TRUE(focused.close());
}

TEST_F(SettingsFileTest, WithoutAxisKeysTheChartIsFittedToTheTablesAndWithThemKeepsThem) {
    const QString daily = table("daily.txt", hourlyTable({"A", "B"}, 48));
    const QString settings =
        table("noaxes.ini",
              "[Chart]\nTitle=Without axes\nNumFiles=1\n"
              "[File0]\nFileName=" +
                  daily.toUtf8() + "\nFile0series0Visible=1\nFile0series1Visible=1\n");
    start({settings});
    ASSERT_TRUE(messages().empty());
    const TChartAxis& bottom = chart()->bottomAxis();
    const TChartAxis& left = chart()->leftAxis();
    // Two days of hours from 1.1.2001, one step more on each side.
    EXPECT_DOUBLE_EQ(bottom.minimum(), *encodeDateTime(2000, 12, 31, 23, 0));
    EXPECT_DOUBLE_EQ(bottom.maximum(), *encodeDateTime(2001, 1, 3, 1, 0));
    EXPECT_EQ(field("edtStartYear")->text(), "2000");
    EXPECT_EQ(field("edtEndDay")->text(), "3");
    // Values 0 .. 471 with 2 % on each side.
    EXPECT_NEAR(left.minimum(), -0.02 * 471, 1e-9);
    EXPECT_NEAR(left.maximum(), 471 * 1.02, 1e-9);

    // A file with the keys keeps its range; an unset value axis (-9999) is fitted.
    const QString stored = table("stored.ini",
                                 "[Chart]\nNumFiles=1\nXAxisMin=36900\nXAxisMax=37000\n"
                                 "YAxisMin=-9999\nYAxisMax=-9999\n"
                                 "[File0]\nFileName=" +
                                     daily.toUtf8() + "\nFile0series0Visible=1\n");
    addFiles({stored});
    EXPECT_EQ(bottom.minimum(), 36900);
    EXPECT_EQ(bottom.maximum(), 37000);
    EXPECT_GT(left.maximum(), 400);
}

TEST_F(SettingsFileTest, AFailedWriteIsReportedAndLeavesTheOldFile) {
    start();
    addFiles({table("one.txt", hourlyTable({"A", "B", "C"}))});
    const QByteArray before = "[Chart]\nTitle=Kept\n";
    table(QFileInfo(closingSettings()).fileName(), before);
    {
        const FileSizeLimit limit(64);
        EXPECT_TRUE(window.close());
    }
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].caption, "Ini-file write error");
    EXPECT_TRUE(messages()[0].text.contains(FileSizeLimit::reason()))
        << messages()[0].text.toStdString();
    EXPECT_EQ(readBytes(closingSettings()), before);
    EXPECT_EQ(QDir::current().entryList(QDir::Files | QDir::Hidden).filter(".ini").size(), 1);
}

TEST_F(SettingsFileTest, ASettingsFileThatCannotBeReadIsReported) {
    start();
    ASSERT_TRUE(QDir().mkdir(folder.path("folder.ini")));
    addFiles({folder.path("folder.ini")});
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].caption, "Ini-file write error");
    EXPECT_TRUE(window.isEnabled());
}
