// Export Visible Series and the series list's tooltips, driven as the user does.
#include "ChartsWindowTesting.h"
#include "FileSizeLimit.h"

namespace {

// Daily rows from 1.1.2000 with the values r + 0.5, -r and, every third row, a missing A.
QByteArray dailyTable(int rows) {
    QByteArray text = "Tolmar-Kor results\nYYYY MM DD HH A B\nRunoff_daily\n";
    for (int r = 0; r < rows; ++r) {
        const QDate day = QDate(2000, 1, 1).addDays(r);
        text += QByteArray::number(day.year()) + " " + QByteArray::number(day.month()) + " " +
                QByteArray::number(day.day()) + " 0 " +
                (r % 3 == 1 ? QByteArray("-9999") : QByteArray::number(r + 0.5)) + " " +
                QByteArray::number(-r) + "\n";
    }
    return text;
}

class ExportTest : public ChartsWindowTest {
protected:
    // Export Visible Series with the save dialog answering `path`.
    void exportTo(const std::optional<QString>& path) {
        dialogs.saveAnswers.push_back(path);
        action("miExportVisibleSeries")->trigger();
        settle();
    }
};

}  // namespace

TEST_F(ExportTest, WritesTheCheckedSeriesOfTheShownDatesFromTheChart) {
    start();
    addFiles({table("daily.txt", dailyTable(10))});
    check(seriesList(), 0, true);  // A joins B, which a new table draws
    applyDates({"2000", "1", "3", "2000", "1", "5"});

    const QString csv = folder.path("out.csv");
    exportTo(csv);
    const auto saves = dialogs.callsOf("save");
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].caption, "Export Visible Series");
    EXPECT_TRUE(messages().empty());
    // The view runs from 3.1. to 5.1. 00:00, both ends shown; A misses 5.1. (and 2.1., which
    // lies before the view).
    EXPECT_EQ(fileBytes(csv).toStdString(),
              "Date,Runoff_daily: B,Runoff_daily: A\n"
              "2000-01-03T00:00:00,-2,2.5\n"
              "2000-01-04T00:00:00,-3,3.5\n"
              "2000-01-05T00:00:00,-4,\n");

    // A name without a suffix gets ".csv".
    exportTo(folder.path("named"));
    EXPECT_EQ(fileBytes(folder.path("named.csv")), fileBytes(csv));

    // A hidden series goes; cancelling the dialog writes nothing.
    check(seriesList(), 1, false);
    exportTo(std::nullopt);
    EXPECT_EQ(fileBytes(csv).left(5), "Date,");
    exportTo(csv);
    EXPECT_TRUE(fileBytes(csv).startsWith("Date,Runoff_daily: A\n2000-01-03T00:00:00,2.5\n"));
}

TEST_F(ExportTest, AFileThatCannotBeWrittenIsReportedAndTheOldOneStays) {
    start();
    addFiles({table("daily.txt", dailyTable(400))});
    const QString csv = folder.write("old.csv", "older export");
    {
        const FileSizeLimit limit(100);
        exportTo(csv);
    }
    const auto shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Export Visible Series");
    EXPECT_EQ(shown[0].detail, "error");
    EXPECT_TRUE(shown[0].text.startsWith("The file " + csv + " could not be written: "));
    EXPECT_TRUE(shown[0].text.contains(FileSizeLimit::reason())) << shown[0].text.toStdString();
    EXPECT_EQ(fileBytes(csv), "older export");
    EXPECT_EQ(QDir(folder.path(".")).entryList(QDir::Files | QDir::Hidden),
              QStringList({"daily.txt", "old.csv"}));

    // Nothing drawn: the user is told, no dialog opens.
    check(seriesList(), 1, false);
    action("miExportVisibleSeries")->trigger();
    settle();
    EXPECT_EQ(messages().size(), 2u);
    EXPECT_EQ(dialogs.callsOf("save").size(), 1u);
}

TEST_F(ExportTest, EachSeriesTellsItsFiguresInItsTooltip) {
    start();
    addFiles({table("daily.txt", dailyTable(4)),
              table("gone.txt",
                    "T\nYYYY MM DD HH Lost\nNothing\n2000 1 1 0 -9999\n"
                    "2000 1 2 0 9999\n")});
    click(files(), 0);
    EXPECT_EQ(seriesList()->item(0)->toolTip(),
              "Count: 3\nMissing: 1\nMean: 2.166666667\nSum: 6.5\n"
              "Minimum: 0.5 at 2000-01-01 00:00:00\nMaximum: 3.5 at 2000-01-04 00:00:00");
    EXPECT_EQ(seriesList()->item(1)->toolTip(),
              "Count: 4\nMissing: 0\nMean: -1.5\nSum: -6\n"
              "Minimum: -3 at 2000-01-04 00:00:00\nMaximum: 0 at 2000-01-01 00:00:00");
    click(files(), 1);
    EXPECT_EQ(seriesList()->item(0)->toolTip(),
              "Count: 0\nMissing: 2\nMean: \u2013\nSum: 0\nMinimum: \u2013\nMaximum: \u2013");
}
