#include "ChartSettings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "NumberText.h"
#include "SeriesStyling.h"
#include "TableTestFiles.h"

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ChartSettings someSettings() {
    ChartSettings settings;
    settings.title = "Runoff";
    settings.xAxisTitle = "Date";
    settings.yAxisTitle = "m3/s";
    settings.synchronizeDates = false;
    settings.logarithmic = true;
    settings.gradientDirection = 0;
    settings.gradientStartColour = 0x112233;
    settings.gradientEndColour = 0x80FFFF;
    settings.gradientVisible = false;
    settings.xAxisMinimum = 36525.25;
    settings.xAxisMaximum = 36891.75;
    settings.yAxisMinimum = -0.02;
    settings.yAxisMaximum = 1.02;
    settings.dates = {"2000", "1", "1", "2001", "1", "1"};
    settings.hideLegend = true;
    return settings;
}

FileSettings file(const QString& name, std::vector<SeriesSettings> series) {
    return {name, "Flow_1", std::move(series)};
}

}  // namespace

TEST(ChartSettingsFile, TwoTablesOfThreeAndOneColumns) {
    SeriesStyleTable styles;
    FileContainer three("/runs/a.txt",
                        tableText("YY MM DD HH A B C", "2001 1 1 0 1 2 3\n2001 1 1 1 1 2 3\n"));
    FileContainer one("/runs/b.txt",
                      tableText("YY MM DD HH Q", "2001 1 1 0 1\n2001 1 1 1 2\n", "Q_day"));
    for (int j = 0; j < 3; ++j) takeStyle(*three.series(j), styles);
    takeStyle(*one.series(0), styles);
    choosePattern(*three.series(1), 1);

    ChartSettings settings = someSettings();
    settings.files = {fileSettingsOf(three), fileSettingsOf(one)};
    IniFile ini;
    std::vector<int> progress;
    writeChartSettings(ini, settings, [&](int i) { progress.push_back(i); });
    EXPECT_EQ(progress, (std::vector<int>{0, 1}));
    EXPECT_EQ(ini.text(),
              "[Chart]\n"
              "Title=Runoff\n"
              "XAxisTitle=Date\n"
              "YAxisTitle=m3/s\n"
              "SynchronizeDatesWhenPanning=0\n"
              "Logarithmic=1\n"
              "ColorGradientDirection=0\n"
              "ColorGradientStartColor=1122867\n"
              "ColorGradientEndColor=8454143\n"
              "ColorGradientVisible=0\n"
              "NumFiles=2\n"
              "XAxisMin=36525.25\n"
              "XAxisMax=36891.75\n"
              "YAxisMin=-0.02\n"
              "YAxisMax=1.02\n"
              "StartYear=2000\n"
              "StartMonth=1\n"
              "StartDay=1\n"
              "EndYear=2001\n"
              "EndMonth=1\n"
              "EndDay=1\n"
              "HideLegend=1\n"
              "[File0]\n"
              "FileName=/runs/a.txt\n"
              "EntityName=Flow_at_the_outlet_gauge_daily\n"
              "ColumnCount=3\n"
              "File0series0Color=255\n"
              "File0series0Visible=0\n"
              "File0series1Color=536870912\n"
              "File0series1Visible=0\n"
              "File0series2Color=32768\n"
              "File0series2Visible=1\n"
              "[File1]\n"
              "FileName=/runs/b.txt\n"
              "EntityName=Q_day\n"
              "ColumnCount=1\n"
              "File1series0Color=0\n"
              "File1series0Visible=1\n");
}

TEST(ChartSettingsFile, WrittenSettingsReadBackTheSame) {
    ChartSettings written = someSettings();
    written.files = {file("/runs/a.txt", {{255, true}, {536870912, false}}),
                     file("/runs/b b.txt", {{0x00FF00, true}})};
    IniFile ini;
    writeChartSettings(ini, written);
    const IniFile reread(ini.text());

    ChartSettings read = readChartKeys(reread, ChartSettings{});
    for (const SettingsTable& table : settingsTables(reread)) {
        const int columns = static_cast<int>(written.files[table.section].series.size());
        read.files.push_back(
            {table.fileName, table.entityName, readSeriesSettings(reread, table.section, columns)});
    }
    EXPECT_EQ(read, written);
}

TEST(ChartSettingsFile, MissingKeysKeepTheCurrentStateOrTheirDefaults) {
    ChartSettings current = someSettings();
    current.dates = {"1997", "1", "1", "1998", "1", "1"};
    const IniFile ini("[Chart]\nTitle=From the file\nStartYear=abc\nEndDay=0x1F\nNumFiles=1\n");
    const ChartSettings read = readChartKeys(ini, current);
    EXPECT_EQ(read.title, "From the file");
    EXPECT_EQ(read.xAxisTitle, current.xAxisTitle);
    EXPECT_EQ(read.yAxisTitle, current.yAxisTitle);
    // The check boxes and the gradient have fixed defaults.
    EXPECT_TRUE(read.synchronizeDates);
    EXPECT_FALSE(read.logarithmic);
    EXPECT_EQ(read.gradientStartColour, 0xFFFFFF);
    EXPECT_EQ(read.gradientEndColour, 0x80FFFF);
    EXPECT_TRUE(read.gradientVisible);
    EXPECT_EQ(read.xAxisMinimum, current.xAxisMinimum);
    EXPECT_EQ(read.yAxisMaximum, current.yAxisMaximum);
    EXPECT_EQ(read.hideLegend, current.hideLegend);
    EXPECT_EQ(read.dates, (DateEdits{"1997", "1", "1", "1998", "1", "31"}));
    EXPECT_TRUE(read.files.empty());
    // Which parts the file held: no axis limits, one readable date.
    EXPECT_FALSE(read.xAxisStored);
    EXPECT_FALSE(read.yAxisStored);
    EXPECT_TRUE(read.datesStored);
}

TEST(ChartSettingsFile, AxesCountAsStoredWithBothLimitsReadableAndSet) {
    const ChartSettings current;
    const ChartSettings both = readChartKeys(
        IniFile("[Chart]\nXAxisMin=36000\nXAxisMax=36100\nYAxisMin=-1\nYAxisMax=5\n"), current);
    EXPECT_TRUE(both.xAxisStored && both.yAxisStored);
    EXPECT_FALSE(both.datesStored);
    const ChartSettings half =
        readChartKeys(IniFile("[Chart]\nXAxisMin=36000\nXAxisMax=x\nYAxisMin=3\n"), current);
    EXPECT_FALSE(half.xAxisStored);
    EXPECT_FALSE(half.yAxisStored);
    // An unset value axis is no range to keep.
    const ChartSettings unsetAxis =
        readChartKeys(IniFile("[Chart]\nYAxisMin=-9999\nYAxisMax=-9999\n"), current);
    EXPECT_FALSE(unsetAxis.yAxisStored);
}

TEST(ChartSettingsFile, MissingColourAndVisibleKeysGiveRedAndHidden) {
    const IniFile ini(
        "[Chart]\nNumFiles=1\n[File0]\nFileName=a.txt\nFile0series0Color=65280\n"
        "File0series0Visible=1\nFile0series2Visible=1\n");
    FileContainer table("a.txt",
                        tableText("YY MM DD HH A B C", "2001 1 1 0 1 2 3\n2001 1 1 1 1 2 3\n"));
    applySeriesSettings(ini, 0, table);
    EXPECT_EQ(table.series(0)->colour, 0x00FF00u);
    EXPECT_TRUE(table.series(0)->visible);
    EXPECT_EQ(table.series(1)->colour, 255u);
    EXPECT_FALSE(table.series(1)->visible);
    EXPECT_EQ(table.series(2)->colour, 255u);
    EXPECT_TRUE(table.series(2)->visible);
}

TEST(ChartSettingsFile, OnlyTheFirstNumFilesSectionsThatNameAFileAreOpened) {
    const IniFile ini(
        "[Chart]\nNumFiles=4\n"
        "[File2]\nFileName=c.txt\nEntityName=C\n"
        "[File0]\nFileName=a.txt\n"
        "[File1]\nFileName=\nFile1series0Color=0\n"
        "[File4]\nFileName=e.txt\n"
        "[File03]\nFileName=not-three.txt\n");
    EXPECT_EQ(settingsTables(ini),
              (std::vector<SettingsTable>{{0, "a.txt", ""}, {2, "c.txt", "C"}}));

    EXPECT_TRUE(settingsTables(IniFile("[Chart]\nNumFiles=-1\n[File0]\nFileName=a.txt\n")).empty());
    EXPECT_TRUE(settingsTables(IniFile("[File0]\nFileName=a.txt\n")).empty());
    // A huge count costs no more than the sections present.
    EXPECT_EQ(
        settingsTables(IniFile("[Chart]\nNumFiles=2147483647\n[file7]\nFileName=h.txt\n")).size(),
        1u);
}

TEST(ChartSettingsFile, TwoRunsLeaveTheSectionsOfTheFirstBehind) {
    QTemporaryDir dir;
    const QString path = dir.filePath("linara.ini");
    ChartSettings first = someSettings();
    first.files = {file("a.txt", {{255, true}}), file("b.txt", {{255, true}}),
                   file("c.txt", {{255, true}})};
    saveChartSettings(path, first);
    ChartSettings second = someSettings();
    second.files = {file("d.txt", {{16711680, false}})};
    saveChartSettings(path, second);

    const IniFile ini = IniFile::load(path);
    EXPECT_EQ(ini.ReadInteger("Chart", "NumFiles", 0), 1);
    EXPECT_EQ(ini.ReadString("File0", "FileName", ""), "d.txt");
    EXPECT_EQ(ini.ReadString("File1", "FileName", ""), "b.txt");
    EXPECT_EQ(ini.ReadString("File2", "FileName", ""), "c.txt");
    EXPECT_EQ(settingsTables(ini), (std::vector<SettingsTable>{{0, "d.txt", "Flow_1"}}));
    // The Chart section holds all its keys before the file sections.
    EXPECT_EQ(ini.ReadSections(), QStringList({"Chart", "File0", "File1", "File2"}));
}

TEST(ChartSettingsFile, ADateEditThatIsNoIntegerWritesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("linara.ini");
    ChartSettings settings = someSettings();
    saveChartSettings(path, settings);
    const QByteArray before = readBytes(path);

    settings.title = "Changed";
    settings.dates.endMonth = "Jan";
    try {
        saveChartSettings(path, settings);
        ADD_FAILURE() << "saved with a month of Jan";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'Jan' is not a valid integer value");
    }
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"linara.ini"}));
}

TEST(ChartSettingsFile, AFileThatCannotBeWrittenIsReported) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("linara.ini");
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_THROW(saveChartSettings(folder, someSettings()), IniFileError);
    EXPECT_THROW(saveChartSettings(dir.filePath("missing/linara.ini"), someSettings()),
                 IniFileError);
    // A bad date edit is found first: it keeps the window open.
    ChartSettings badDate = someSettings();
    badDate.dates.startDay = "1.5";
    EXPECT_THROW(saveChartSettings(folder, badDate), ConversionError);
}

TEST(SettingsLocation, WrittenInTheWorkingDirectoryUnderTheProgramName) {
    EXPECT_EQ(closingSettingsPath("/usr/bin/linara", "/home/user/runs"),
              "/home/user/runs/linara.ini");
    EXPECT_EQ(closingSettingsPath("C:/Tools/Linara.exe", "/work"), "/work/Linara.ini");
    EXPECT_EQ(closingSettingsPath("/opt/my.tools/linara.bin", "/w"), "/w/linara.ini");
    EXPECT_EQ(openingSettingsPath("", "/usr/bin/linara", "/w"), "/w/linara.ini");
    EXPECT_EQ(openingSettingsPath("/data/old/run.ini", "/usr/bin/linara", "/w"),
              "/data/old/run.ini");

    EXPECT_TRUE(isSettingsPath("run.ini"));
    EXPECT_TRUE(isSettingsPath("run.ini.bak"));
    EXPECT_TRUE(isSettingsPath("/a.ini/table.txt"));
    EXPECT_FALSE(isSettingsPath("RUN.INI"));
    EXPECT_FALSE(isSettingsPath("table.txt"));
}
