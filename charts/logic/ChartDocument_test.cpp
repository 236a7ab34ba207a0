#include "ChartDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "DocumentSettingsReading.h"
#include "SeriesStyling.h"
#include "TableTestFiles.h"

namespace {

// Two hourly rows; column c holds c + 1, then c + 4.
std::unique_ptr<FileContainer> columnsTable(const std::string& path, const std::string& columns) {
    std::string rows = "2001 1 1 0";
    const auto count = std::count(columns.begin(), columns.end(), ' ') + 1;
    for (int c = 0; c < count; ++c) rows += " " + std::to_string(c + 1);
    rows += "\n2001 1 1 1";
    for (int c = 0; c < count; ++c) rows += " " + std::to_string(c + 4);
    return std::make_unique<FileContainer>(
        path, tableText("YYYY MM DD HH " + columns, rows + "\n", "Flow_1"));
}

std::vector<int> takenSlots(const ChartDocument& doc) {
    std::vector<int> taken;
    for (const SeriesKey key : doc.drawn()) taken.push_back(doc.series(key)->styleSlot);
    return taken;
}

// Reads settings text into the document, the tables from `tables` by path.
int readSettings(ChartDocument& doc, const std::string& text,
                 std::map<QString, std::string> tables) {
    SettingsReadingHooks hooks;
    hooks.readTable = [&tables](const QString& path) -> std::unique_ptr<FileContainer> {
        const auto found = tables.find(path);
        if (found == tables.end()) return nullptr;
        return std::make_unique<FileContainer>(path.toStdString(), found->second);
    };
    return readSettingsIntoDocument(doc, IniFile(text), hooks);
}

}  // namespace

TEST(ChartDocument, SeriesTakeTheLeastUsedLooksInTheOrderTheyAreDrawn) {
    ChartDocument doc;
    doc.start(37000.0);
    for (int i = 0; i < 3; ++i) doc.addTable(columnsTable("t" + std::to_string(i), "A"));
    EXPECT_EQ(takenSlots(doc), (std::vector<int>{0, 1, 2}));  // red, blue, green

    // A table of three columns draws its last; checking the first draws it after the last.
    const int three = doc.addTable(columnsTable("abc", "A B C"));
    const int id = doc.tableId(three);
    doc.setSeriesVisible({id, 0}, true);
    ASSERT_EQ(doc.drawn().size(), 5u);
    EXPECT_EQ(doc.drawn()[3], (SeriesKey{id, 2}));
    EXPECT_EQ(doc.drawn()[4], (SeriesKey{id, 0}));
    EXPECT_TRUE(doc.series({id, 0})->visible);

    // Unchecking the table hides its lines and gives their looks back; the flags stay.
    doc.setEntryChecked(three, false);
    EXPECT_EQ(doc.drawn().size(), 3u);
    EXPECT_TRUE(doc.series({id, 0})->visible);
    EXPECT_EQ(doc.styles().entry(3).useCount, 0);
    doc.setEntryChecked(three, true);
    EXPECT_EQ(takenSlots(doc), (std::vector<int>{0, 1, 2, 3, 4}));

    // Drawn again in column order: the first column now holds entry 3.
    // A pattern keeps the entry's colour through the marker and widens the legend line.
    doc.choosePattern({id, 0}, 1);
    const SeriesData& patterned = *doc.series({id, 0});
    EXPECT_EQ(patterned.colour, DefaultColourMarker);
    EXPECT_EQ(patterned.legendWidth, 2 * patterned.lineWidth);
    EXPECT_EQ(drawnColour(patterned, doc.styles()), doc.styles().entry(3).colour);
}

TEST(ChartDocument, EntriesOfOnePathActOnTheFirstTableAndOnlyTheLastTableGoes) {
    ChartDocument doc;
    doc.start(37000.0);
    doc.addTable(columnsTable("same", "A B"));
    doc.addTable(columnsTable("other", "X"));
    doc.addTable(columnsTable("same", "A B"));
    EXPECT_EQ(doc.entryTarget(2), 0);
    EXPECT_EQ(doc.entryTarget(1), 1);

    doc.rename(doc.entryTarget(2), "Q");
    EXPECT_EQ(doc.table(0).series(1)->displayName, "Q: B");
    EXPECT_EQ(doc.table(2).series(1)->displayName, "Flow_1: B");

    EXPECT_EQ(doc.removeEntry(1).refused, 1);
    EXPECT_EQ(doc.tableCount(), 3);
    // The first table of the path is refused, the last one goes with its looks.
    const ChartDocument::Removal removal = doc.removeEntry(0);
    EXPECT_EQ(removal.refused, 1);
    EXPECT_TRUE(removal.removed);
    EXPECT_EQ(doc.tableCount(), 2);
    EXPECT_EQ(doc.drawn().size(), 2u);
    EXPECT_EQ(doc.styles().entry(2).useCount, 0);
    EXPECT_EQ(doc.series({99, 0}), nullptr);
}

TEST(ChartDocument, AxesAreUnsetUntilValuesComeAndRefuseWhatTheChartRefuses) {
    ChartDocument doc;
    EXPECT_FALSE(doc.dates().view);
    EXPECT_FALSE(doc.valueAxis());
    EXPECT_EQ(doc.settings().yAxisMinimum, SeriesData::unset);
    doc.start(37000.0);
    ASSERT_TRUE(doc.dates().view);
    EXPECT_EQ(doc.dates().view->maximum, 37000.0);

    doc.addTable(columnsTable("t", "A B"));
    EXPECT_EQ(doc.valueAxis(), (ValueRange{1, 5}));
    EXPECT_EQ(doc.dates().view,
              (ViewRange{doc.table(0).start() - hour, doc.table(0).end() + hour}));
    EXPECT_FALSE(doc.setValueAxis({3, 2}));
    EXPECT_FALSE(doc.setValueAxis({0, std::numeric_limits<double>::infinity()}));
    EXPECT_FALSE(doc.setView({3, 2}));
    EXPECT_EQ(doc.valueAxis(), (ValueRange{1, 5}));
    EXPECT_TRUE(doc.setValueAxis({SeriesData::unset, SeriesData::unset}));
    EXPECT_FALSE(doc.valueAxis());

    doc.setLogarithmic(true);
    EXPECT_EQ(doc.valueAxis(), (ValueRange{0.001, 1000.0}));
    // While the range is fixed the axis keeps its limits; a new table only widens the span.
    doc.setValueAxis({-5, 5});
    doc.applyDateEdits();
    doc.setLogarithmic(false);
    EXPECT_EQ(doc.valueAxis(), (ValueRange{-5, 5}));
    const ViewRange view = *doc.dates().view;
    doc.addTable(std::make_unique<FileContainer>(
        "late", tableText("YYYY MM DD HH A", "2005 1 1 0 1\n2005 1 1 1 2\n")));
    EXPECT_EQ(*doc.dates().view, view);
    EXPECT_GT(doc.allTablesSpan().maximum, view.maximum);
}

TEST(ChartDocument, SettingsDrawTheStoredSeriesInTheWindowsOrderWithTheirColours) {
    ChartDocument doc;
    doc.start(37000.0);
    const std::string text =
        "[Chart]\nTitle=Stored\nNumFiles=3\nHideLegend=1\nLogarithmic=1\n"
        "[File0]\nFileName=abc\nEntityName=Temp\nFile0series0Visible=1\n"
        "File0series0Color=65280\nFile0series2Visible=1\n"
        "[File1]\nFileName=missing\n"
        "[File2]\nFileName=one\nFile2series0Visible=0\n";
    const std::string rows = "2001 1 1 0 1 2 3\n2001 1 1 1 4 5 6\n";
    EXPECT_EQ(readSettings(doc, text,
                           {{"abc", tableText("YYYY MM DD HH A B C", rows)},
                            {"one", tableText("YYYY MM DD HH X", "2001 1 1 0 1\n2001 1 1 1 2\n")}}),
              2);
    ASSERT_EQ(doc.tableCount(), 2);
    EXPECT_EQ(doc.title(), "Stored");
    EXPECT_TRUE(doc.legendHidden());
    EXPECT_TRUE(doc.logarithmic());
    EXPECT_TRUE(doc.dates().rangeFixed);
    // The last column was drawn on adding, the first when the table was shown.
    const int abc = doc.tableId(0);
    EXPECT_EQ(doc.drawn(), (std::vector<SeriesKey>{{abc, 2}, {abc, 0}}));
    EXPECT_EQ(doc.series({abc, 0})->colour, 65280u);
    EXPECT_EQ(doc.series({abc, 2})->colour, 255u);
    EXPECT_EQ(doc.series({abc, 1})->displayName, "Temp: B");
    // The value axis was fitted to the visible series without a margin on a logarithmic axis.
    EXPECT_EQ(doc.valueAxis(), (ValueRange{1, 6}));

    const ChartSettings written = doc.settings();
    EXPECT_EQ(written.files.size(), 2u);
    EXPECT_EQ(written.files[0].entityName, "Temp");
    EXPECT_TRUE(written.hideLegend);
}

TEST(ChartDocument, DrawingTwiceTakesOneLookAndHidingGivesItBackOnce) {
    ChartDocument doc;
    doc.start(37000.0);
    const int id = doc.tableId(doc.addTable(columnsTable("t", "A B")));
    doc.setSeriesVisible({id, 1}, true);
    EXPECT_EQ(doc.styles().entry(0).useCount, 1);
    doc.setSeriesVisible({id, 0}, true);
    EXPECT_EQ(doc.series({id, 0})->colour, 0xFF0000u);  // blue
    doc.setSeriesVisible({id, 1}, false);
    doc.setSeriesVisible({id, 1}, false);
    EXPECT_EQ(doc.styles().entry(0).useCount, 0);
    EXPECT_EQ(doc.styles().entry(1).useCount, 1);
    EXPECT_EQ(doc.drawn(), (std::vector<SeriesKey>{{id, 0}}));
}

TEST(ChartDocument, TheLogarithmicAxisStartsAtOneThousandthToOneThousandUnlessFixed) {
    ChartDocument doc;
    doc.start(37000.0);
    for (const ValueRange before : {ValueRange{-5, 5}, ValueRange{-20, -10}}) {
        doc.setValueAxis(before);
        doc.setLogarithmic(true);
        EXPECT_EQ(doc.valueAxis(), (ValueRange{0.001, 1000.0}));
        EXPECT_TRUE(doc.logarithmic());
        doc.setLogarithmic(false);
    }
    // With the range fixed, only the flag changes.
    doc.applyDateEdits();
    doc.setValueAxis({2, 50});
    doc.setLogarithmic(true);
    EXPECT_EQ(doc.valueAxis(), (ValueRange{2, 50}));
    EXPECT_TRUE(doc.logarithmic());
}
