#include "DateRange.h"

#include <gtest/gtest.h>

#include "DayNumberDate.h"
#include "NumberText.h"

namespace {

const double jan1st2000 = *encodeDate(2000, 1, 1);
constexpr double minute = 1.0 / 1440.0;

DateEdits edits(int startYear, int startMonth, int startDay, int endYear, int endMonth,
                int endDay) {
    return {QString::number(startYear), QString::number(startMonth), QString::number(startDay),
            QString::number(endYear),   QString::number(endMonth),   QString::number(endDay)};
}

}  // namespace

TEST(DateLabels, TheWidthOfTheViewChoosesStepFormatAndTicks) {
    const auto century = labelsForWidth(*encodeDate(2100, 1, 1) - jan1st2000);
    ASSERT_TRUE(century);
    EXPECT_EQ(century->increment, DateTimeStep::OneYear);
    EXPECT_EQ(century->format, "yy");
    EXPECT_EQ(century->labelsSeparation, 50);
    EXPECT_EQ(century->minorTicks, 3);

    const auto decade = labelsForWidth(*encodeDate(2010, 1, 1) - jan1st2000);
    ASSERT_TRUE(decade);
    EXPECT_EQ(decade->increment, DateTimeStep::OneYear);
    EXPECT_EQ(decade->format, "yyyy");
    EXPECT_EQ(decade->minorTicks, 11);
    EXPECT_EQ(decade->labelsSeparation, 50);

    const auto ninetyDays = labelsForWidth(90);
    ASSERT_TRUE(ninetyDays);
    EXPECT_EQ(ninetyDays->increment, DateTimeStep::OneMonth);
    EXPECT_EQ(ninetyDays->format, "dd.mm.yyyy");
    EXPECT_EQ(ninetyDays->labelsSeparation, 0);

    const auto twentyDays = labelsForWidth(20);
    ASSERT_TRUE(twentyDays);
    EXPECT_EQ(twentyDays->increment, DateTimeStep::OneWeek);
    EXPECT_EQ(twentyDays->format, "ddd, dd.mm.yyyy");
    EXPECT_EQ(twentyDays->minorTicks, 6);

    EXPECT_EQ(labelsForWidth(3)->increment, DateTimeStep::OneDay);
    EXPECT_EQ(labelsForWidth(1)->increment, DateTimeStep::OneHour);
    EXPECT_EQ(labelsForWidth(1)->format, "ddd, dd.mm.yy hh:nn");
    EXPECT_EQ(labelsForWidth(30 * minute)->increment, DateTimeStep::TenMinutes);
    EXPECT_EQ(labelsForWidth(3 * minute)->increment, DateTimeStep::OneMinute);

    // Two minutes or less keep the labels as they are; so does a nonsense width.
    EXPECT_FALSE(labelsForWidth(90.0 / 86400.0));
    EXPECT_FALSE(labelsForWidth(2 * minute));
    EXPECT_FALSE(labelsForWidth(0));
    EXPECT_FALSE(labelsForWidth(std::nan("")));
}

TEST(DateLabels, EachBoundBelongsToTheNarrowerRule) {
    EXPECT_EQ(labelsForWidth(25 * 365.0)->format, "yyyy");
    EXPECT_EQ(labelsForWidth(2 * 365.0)->increment, DateTimeStep::OneMonth);
    EXPECT_EQ(labelsForWidth(60)->increment, DateTimeStep::OneWeek);
    EXPECT_EQ(labelsForWidth(14)->increment, DateTimeStep::OneDay);
    EXPECT_EQ(labelsForWidth(2)->increment, DateTimeStep::OneHour);
}

TEST(DateEdits, EqualDatesGiveOneDayByTheHour) {
    const AppliedDates applied = applyDateEdits(edits(2000, 1, 1, 2000, 1, 1), 365);
    EXPECT_EQ(applied.view, (ViewRange{jan1st2000, jan1st2000 + 1}));
    ASSERT_TRUE(applied.labels);
    EXPECT_EQ(applied.labels->increment, DateTimeStep::OneHour);
    EXPECT_EQ(applied.labels->format, "ddd, dd.mm.yy hh:nn");
    EXPECT_EQ(applied.maxPointsPerPage, 24);

    // An end before the start counts the same.
    EXPECT_EQ(applyDateEdits(edits(2000, 3, 1, 1999, 1, 1), 365).view,
              (ViewRange{jan1st2000 + 60, jan1st2000 + 61}));
}

TEST(DateEdits, AThirtyDayWindowPagesByFourWeeks) {
    const AppliedDates applied = applyDateEdits(edits(2000, 1, 1, 2000, 1, 31), 365);
    EXPECT_EQ(applied.view.width(), 30);
    EXPECT_EQ(applied.labels->increment, DateTimeStep::OneWeek);
    EXPECT_EQ(applied.maxPointsPerPage, 4);
    EXPECT_EQ(pageLength(applied.maxPointsPerPage, 7), 28);
    EXPECT_EQ(applied.page, static_cast<int>(jan1st2000 / 4));

    const ViewRange next = nextPage(applied.view, applied.maxPointsPerPage, 7);
    EXPECT_EQ(next, (ViewRange{jan1st2000 + 28, jan1st2000 + 58}));
    EXPECT_EQ(previousPage(next, applied.maxPointsPerPage, 7), applied.view);
    // The first page starts at the start date and is one page long.
    EXPECT_EQ(firstPage(edits(2000, 1, 1, 2000, 1, 31), 4, 7),
              (ViewRange{jan1st2000, jan1st2000 + 28}));
    // An empty page shows one day.
    EXPECT_EQ(firstPage(edits(2000, 1, 1, 2000, 1, 31), 0, 7),
              (ViewRange{jan1st2000, jan1st2000 + 1}));
}

TEST(DateEdits, TextsThatAreNoDateChangeNothing) {
    EXPECT_THROW(applyDateEdits(edits(2000, 2, 30, 2001, 1, 1), 365), ConversionError);
    EXPECT_THROW(applyDateEdits(edits(2000, 13, 1, 2001, 1, 1), 365), ConversionError);
    DateEdits typed = edits(2000, 1, 1, 2001, 1, 1);
    typed.endDay = "1x";
    try {
        applyDateEdits(typed, 365);
        ADD_FAILURE() << "accepted 1x";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'1x' is not a valid integer value");
    }
    // The first page reads only the start edits.
    EXPECT_NO_THROW(firstPage(typed, 4, 7));
    typed.startMonth = " ";
    EXPECT_THROW(firstPage(typed, 4, 7), ConversionError);
}

TEST(DateEdits, DatePartsDropTheTimeOfDay) {
    const DateEdits written = dateEditsFor(jan1st2000 + 0.75, jan1st2000 + 366.2);
    EXPECT_EQ(written, edits(2000, 1, 1, 2001, 1, 1));
    const AppliedDates applied = applyDateEdits(written, 1);
    EXPECT_EQ(applied.view, (ViewRange{jan1st2000, jan1st2000 + 366}));
}

TEST(Paging, PageNumbersStayWithinThePages) {
    EXPECT_EQ(previousPageNumber(1), 1);
    EXPECT_EQ(previousPageNumber(3), 2);
    EXPECT_EQ(nextPageNumber(3, 3), 3);
    EXPECT_EQ(nextPageNumber(2, 3), 3);
    EXPECT_EQ(pointsPerPage(30, 0), 0);
    EXPECT_EQ(pointsPerPage(1e300, 1e-300), std::numeric_limits<int>::max());
}

TEST(Zoom, PagesCountInTheIncrementBeforeTheLabelsChange) {
    const ZoomedView zoomed = afterZoom({jan1st2000, jan1st2000 + 20}, 1.0 / 24);
    EXPECT_EQ(zoomed.maxPointsPerPage, 480);
    EXPECT_EQ(zoomed.labels->increment, DateTimeStep::OneWeek);
    // Ninety seconds: no label change and less than one increment per page.
    const ZoomedView tiny = afterZoom({jan1st2000, jan1st2000 + 90.0 / 86400.0}, 1.0 / 24);
    EXPECT_FALSE(tiny.labels);
    EXPECT_EQ(tiny.maxPointsPerPage, 0);
}

TEST(TableView, ANewTableShowsItsDatesWidenedByOneStep) {
    const double day = 1.0;
    const TableView view = viewForTable(jan1st2000, jan1st2000 + 10, day);
    EXPECT_EQ(view.view, (ViewRange{jan1st2000 - 1, jan1st2000 + 11}));
    EXPECT_EQ(view.maxPointsPerPage, 12);
    EXPECT_EQ(view.labels->increment, DateTimeStep::OneDay);
    // Hourly rows of a day far from day 0: the rounding of the day numbers loses no step.
    const double hour = 1.0 / 24;
    const double later = *encodeDateTime(2001, 1, 1, 0, 0);
    EXPECT_EQ(viewForTable(later, later + 4 * hour, hour).maxPointsPerPage, 6);
    EXPECT_EQ(incrementForTable(365, day), day);
    EXPECT_EQ(incrementForTable(1.0 / 24, day), 1.0 / 24);
    EXPECT_EQ(incrementForTable(365, 0), 365) << "a table without a step keeps the increment";

    // An empty span counts one day in steps.
    EXPECT_EQ(viewForTable(jan1st2000, jan1st2000 - 1, 0.5).maxPointsPerPage, 2);
    EXPECT_EQ(viewForTable(jan1st2000, jan1st2000, 0).maxPointsPerPage, 0);

    // While the range is fixed, the span of all files only grows.
    const ViewRange all{jan1st2000, jan1st2000 + 30};
    EXPECT_EQ(unitedSpan(all, tableSpan(jan1st2000 + 5, jan1st2000 + 40, 1)),
              (ViewRange{jan1st2000, jan1st2000 + 41}));
    EXPECT_EQ(unitedSpan(all, tableSpan(jan1st2000 + 5, jan1st2000 + 6, 1)), all);
}

TEST(TableView, AllTablesTakeTheUnionOfTheirAscendingSpans) {
    // Rows in falling date order have a negative step: their span is still ascending.
    EXPECT_EQ(ascendingTableSpan(jan1st2000 + 10, jan1st2000, -1),
              (ViewRange{jan1st2000 - 1, jan1st2000 + 11}));
    const ViewRange none{1, 2};
    EXPECT_EQ(unitedSpans({}, none), none);
    EXPECT_EQ(unitedSpans({{jan1st2000 + 5, jan1st2000 + 9}, {jan1st2000, jan1st2000 + 6}}, none),
              (ViewRange{jan1st2000, jan1st2000 + 9}));
    // A span of several tables pages in the smallest step.
    EXPECT_EQ(viewForSpan({jan1st2000, jan1st2000 + 2}, 1.0 / 24).maxPointsPerPage, 48);
}

TEST(StartupView, TheDayBeforeNowInOnePage) {
    const double now = jan1st2000 + 31.5;  // 1.2.2000 12:00
    const StartupView startup = startupView(now);
    EXPECT_EQ(startup.view, (ViewRange{now - 1, now}));
    EXPECT_EQ(startup.edits, edits(2000, 1, 31, 2000, 2, 1));
    EXPECT_EQ(startup.maxPointsPerPage, 1);
    EXPECT_EQ(startup.increment, DateTimeStep::OneYear);
    EXPECT_EQ(startup.format, "dd.mm.yyyy hh:nn");
}
