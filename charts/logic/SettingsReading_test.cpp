#include "SettingsReading.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "SeriesStyling.h"
#include "TableTestFiles.h"

namespace {

// A window that holds its tables and notes each step; showing a table attaches its visible
// series, which gives them the colours of their style entries.
class RecordingWindow : public SettingsWindow {
public:
    std::map<QString, std::string> readable;
    std::vector<std::unique_ptr<FileContainer>> tables;
    QStringList steps;
    ChartSettings head, tail;
    SeriesStyleTable styles;

    void applyChartHead(const ChartSettings& settings) override {
        head = settings;
        steps << "head";
    }
    FileContainer* addTable(const QString& path) override {
        steps << "add " + path;
        const auto text = readable.find(path);
        if (text == readable.end()) return nullptr;
        tables.push_back(std::make_unique<FileContainer>(path.toStdString(), text->second));
        return tables.back().get();
    }
    void showTable(FileContainer& table) override {
        steps << "show " + QString::fromStdString(table.EntityName);
        for (int j = 0; j < table.seriesCount(); ++j)
            if (table.series(j)->visible) takeStyle(*table.series(j), styles);
    }
    void applyChartTail(const ChartSettings& settings) override {
        tail = settings;
        steps << "tail";
    }
    void applySeriesLooks(FileContainer& table) override {
        steps << "looks " + QString::fromStdString(table.fileName());
    }
    void showProgress(const QString& caption, const QString& label, int count) override {
        steps << QStringLiteral("progress %1/%2/%3").arg(caption, label).arg(count);
    }
    void setProgress(int index) override { steps << QStringLiteral("at %1").arg(index); }
    void closeProgress() override { steps << "close"; }
};

const std::string TwoColumns = tableText("YY MM DD HH A B", "2001 1 1 0 1 2\n2001 1 1 1 3 4\n");

}  // namespace

TEST(SettingsReading, TwoPassesOverTheTablesThatCouldBeOpened) {
    const IniFile ini(
        "[Chart]\nTitle=Stored\nNumFiles=4\nXAxisMin=36000\nXAxisMax=36100\n"
        "[File0]\nFileName=a.txt\nEntityName=Upper\n"
        "File0series0Color=65280\nFile0series0Visible=1\nFile0series1Visible=1\n"
        "[File1]\nFileName=broken.txt\nEntityName=Broken\nFile1series0Color=0\n"
        "[File2]\nFileName=\nFile2series0Color=0\n"
        "[File3]\nFileName=c.txt\nEntityName=Lower\nFile3series1Color=16711680\n"
        "File3series1Visible=1\n");
    RecordingWindow window;
    window.readable = {{"a.txt", TwoColumns}, {"c.txt", TwoColumns}};

    EXPECT_EQ(readSettingsInto(window, ini, ChartSettings{}), 2);
    EXPECT_EQ(window.steps, QStringList({"head", "progress Read from ini-File/Read From ini-File/4",
                                         "add a.txt", "show Upper", "at 0", "add broken.txt",
                                         "at 1", "add c.txt", "show Lower", "at 3", "close", "tail",
                                         "progress Read from ini-File/Read From ini-File/4",
                                         "looks a.txt", "at 0", "looks c.txt", "at 3", "close"}));
    EXPECT_EQ(window.head.title, "Stored");
    EXPECT_EQ(window.tail.xAxisMinimum, 36000);
    EXPECT_EQ(window.tail.xAxisMaximum, 36100);

    // The second pass gives back the stored colours that attaching replaced; a missing
    // colour key is red.
    const FileContainer& a = *window.tables[0];
    EXPECT_EQ(a.series(0)->colour, 0x00FF00u);
    EXPECT_EQ(a.series(1)->colour, 255u);
    EXPECT_TRUE(a.series(0)->visible && a.series(1)->visible);
    // The keys of File3 went to the table added for File3, not to the second table's index.
    const FileContainer& c = *window.tables[1];
    EXPECT_EQ(c.EntityName, "Lower");
    EXPECT_FALSE(c.series(0)->visible);
    EXPECT_EQ(c.series(1)->colour, 0xFF0000u);
    EXPECT_TRUE(c.series(1)->visible);
}

TEST(SettingsReading, AFileWithoutTablesStillSetsTheChart) {
    RecordingWindow window;
    ChartSettings current;
    current.title = "Now";
    EXPECT_EQ(readSettingsInto(window, IniFile("; nothing\n"), current), 0);
    EXPECT_EQ(window.head.title, "Now");
    EXPECT_EQ(window.steps.count("tail"), 1);
    EXPECT_EQ(window.steps.filter("add").size(), 0);
}
