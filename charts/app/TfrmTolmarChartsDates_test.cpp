// The window's date edits, paging, zoom, pan and fit commands.
#include <QCheckBox>
#include <QPushButton>
#include <QToolButton>

#include "ChartsWindowTesting.h"
#include "DayNumberDate.h"

namespace {

double date(int year, int month, int day) { return *encodeDate(year, month, day); }

// Daily rows from 1.1.2000 with the values 0, 10, 20, ... and a column without any value.
QByteArray dailyTable(int rows) {
    QByteArray text = "Tolmar-Kor results\nYYYY MM DD HH Q Lost\nDaily\n";
    for (int r = 0; r < rows; ++r) {
        const QDate day = QDate(2000, 1, 1).addDays(r);
        text += QByteArray::number(day.year()) + " " + QByteArray::number(day.month()) + " " +
                QByteArray::number(day.day()) + " 0 " + QByteArray::number(10 * r) + " -9999\n";
    }
    return text;
}

class DateRangeTest : public ChartsWindowTest {
protected:
    TChartAxis& bottom() { return chart()->bottomAxis(); }
    TChartAxis& left() { return chart()->leftAxis(); }
};

}  // namespace

TEST_F(DateRangeTest, EqualDatesShowOneDayLabelledByTheHour) {
    start();
    applyDates({"2000", "1", "1", "2000", "1", "1"});
    EXPECT_EQ(bottom().minimum(), date(2000, 1, 1));
    EXPECT_EQ(bottom().maximum(), date(2000, 1, 2));
    EXPECT_DOUBLE_EQ(bottom().desiredIncrement(), 1.0 / 24);
    EXPECT_EQ(bottom().dateTimeFormat(), "ddd, dd.mm.yy hh:nn");
    EXPECT_TRUE(messages().empty());
}

TEST_F(DateRangeTest, LeavingTheGroupAppliesAndABadDateChangesNothing) {
    start();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    setDates({"2000", "1", "1", "2000", "3", "31"});
    field("edtEndMonth")->setFocus();
    field("edtEndDay")->setFocus();  // within the group: nothing yet
    EXPECT_NE(bottom().minimum(), date(2000, 1, 1));
    field("edtChartTitle")->setFocus();
    settle();
    EXPECT_EQ(bottom().minimum(), date(2000, 1, 1));
    EXPECT_EQ(bottom().maximum(), date(2000, 3, 31));
    EXPECT_EQ(bottom().dateTimeFormat(), "dd.mm.yyyy");

    applyDates({"2000", "2", "30", "2001", "1", "1"});
    applyDates({"2000", "x", "1", "2001", "1", "1"});
    const auto shown = messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].text, "'x' is not a valid integer value");
    EXPECT_EQ(shown[1].caption, "Linara");
    EXPECT_EQ(bottom().minimum(), date(2000, 1, 1));
    EXPECT_EQ(bottom().maximum(), date(2000, 3, 31));
}

TEST_F(DateRangeTest, AThirtyDayWindowPagesByFourWeeks) {
    start();
    addFiles({table("daily.txt", dailyTable(120))});
    applyDates({"2000", "1", "1", "2000", "1", "31"});
    EXPECT_DOUBLE_EQ(bottom().desiredIncrement(), 7.0);
    EXPECT_EQ(chart()->maxPointsPerPage(), 4);

    control<QPushButton>("btnNextPage")->click();
    EXPECT_EQ(bottom().minimum(), date(2000, 1, 29));
    EXPECT_EQ(bottom().maximum(), date(2000, 2, 28));
    control<QPushButton>("btnNextPage")->click();
    control<QPushButton>("btnPreviousPage")->click();
    EXPECT_EQ(bottom().minimum(), date(2000, 1, 29));
    // Paging leaves the date edits alone; the first page starts at them.
    EXPECT_EQ(field("edtStartMonth")->text(), "1");
    control<QPushButton>("btnFirstPage")->click();
    EXPECT_EQ(bottom().minimum(), date(2000, 1, 1));
    EXPECT_EQ(bottom().maximum(), date(2000, 1, 29));
    EXPECT_EQ(chart()->page(), 1);
    control<QPushButton>("btnLastPage")->click();
    EXPECT_EQ(bottom().minimum(), date(2000, 1, 1));
}

TEST_F(DateRangeTest, UnzoomReturnsToTheEditsWithATwoPercentMargin) {
    start();
    addFiles({table("daily.txt", dailyTable(101))});  // 0 to 1000
    applyDates({"2000", "1", "1", "2000", "3", "1"});
    bottom().setMinMax(date(2000, 1, 10), date(2000, 1, 30));
    left().setMinMax(100, 200);
    emit chart()->zoomed();
    EXPECT_EQ(chart()->maxPointsPerPage(), 2) << "20 days counted in the weeks before the zoom";
    EXPECT_DOUBLE_EQ(bottom().desiredIncrement(), 7.0);

    // The zoom fixed the range: a new table does not move the view.
    addFiles({table("later.txt", dailyTable(3))});
    EXPECT_EQ(bottom().minimum(), date(2000, 1, 10));

    emit chart()->undoZoomed();
    EXPECT_EQ(bottom().minimum(), date(2000, 1, 1));
    EXPECT_EQ(bottom().maximum(), date(2000, 3, 1));
    // Only the drawn series count: the last column of each table has no values.
    EXPECT_EQ(left().minimum(), -9999.0);
    check(seriesList(), 0, true);
    action("miFitChartToData")->trigger();
    EXPECT_DOUBLE_EQ(left().minimum(), -0.4);
    EXPECT_DOUBLE_EQ(left().maximum(), 20.4);

    control<QCheckBox>("chkbxLogarithmic")->click();
    control<QToolButton>("spdbtnFitVertically")->click();
    EXPECT_EQ(left().minimum(), 0.0);
    EXPECT_EQ(left().maximum(), 20.0);
}

TEST_F(DateRangeTest, PanningFollowsInTheEditsOnlyWhileSynchronised) {
    start();
    addFiles({table("daily.txt", dailyTable(60))});
    applyDates({"2000", "1", "1", "2000", "1", "31"});
    bottom().setMinMax(date(2000, 1, 5), date(2000, 2, 4));
    emit chart()->scrolled();
    EXPECT_EQ(field("edtStartDay")->text(), "5");
    EXPECT_EQ(field("edtEndMonth")->text(), "2");

    control<QCheckBox>("chkbcSynchronizeDates")->click();
    bottom().setMinMax(date(2000, 1, 15), date(2000, 2, 14));
    emit chart()->scrolled();
    EXPECT_EQ(field("edtStartDay")->text(), "5");
    action("miFitDatatoXValueDataLimits1")->trigger();
    EXPECT_EQ(bottom().minimum(), date(2000, 1, 5));
}

TEST_F(DateRangeTest, FitToAllFilesShowsWholeDaysOfEveryTable) {
    start();
    addFiles({table("daily.txt", dailyTable(10))});
    applyDates({"2000", "1", "3", "2000", "1", "5"});
    addFiles({table("hourly.txt", hourlyTable({"A"}, 24))});  // to 2.1.2001 01:00 with its step
    EXPECT_EQ(bottom().minimum(), date(2000, 1, 3));
    control<QToolButton>("spdbtnFitDataHorizontallyAll")->click();
    EXPECT_EQ(bottom().minimum(), date(1999, 12, 31));
    EXPECT_EQ(bottom().maximum(), date(2001, 1, 2));
    EXPECT_EQ(field("edtEndYear")->text(), "2001");
}

TEST_F(DateRangeTest, FitToAllFilesTakesEveryTableLoadedNowAndNoRemovedOne) {
    start();
    // The date edits are never set: both tables count, not only the last one added.
    addFiles({table("daily.txt", dailyTable(10)), table("hourly.txt", hourlyTable({"A"}, 24))});
    action("miFitDatatoallXValueDataLimits1")->trigger();
    EXPECT_EQ(bottom().minimum(), date(1999, 12, 31));
    EXPECT_EQ(bottom().maximum(), date(2001, 1, 2));
    // A removed table no longer counts.
    click(files(), 1);
    action("miClose")->trigger();
    settle();
    action("miFitDatatoallXValueDataLimits1")->trigger();
    EXPECT_EQ(bottom().minimum(), date(1999, 12, 31));
    EXPECT_EQ(bottom().maximum(), date(2000, 1, 12));
    EXPECT_EQ(field("edtEndDay")->text(), "12");
    EXPECT_TRUE(messages().empty());
}
