#pragma once
// The view of the date axis: the date edits and the range they give, pages, zooming, the
// range of the loaded files and the view at start-up. The window applies the results to the
// chart; nothing here draws.
#include <QString>
#include <optional>
#include <vector>

#include "DateLabels.h"

// The bottom axis limits, as day numbers.
struct ViewRange {
    double minimum = 0.0;
    double maximum = 0.0;
    double width() const { return maximum - minimum; }
    friend bool operator==(const ViewRange&, const ViewRange&) = default;
};

// The texts of the six date edits (whole days only).
struct DateEdits {
    QString startYear, startMonth, startDay;
    QString endYear, endMonth, endDay;
    friend bool operator==(const DateEdits&, const DateEdits&) = default;
};

// The day number of a date typed in three edits. Throws ConversionError when a text is not
// an integer or the date does not exist.
double dateFromEdits(const QString& year, const QString& month, const QString& day);

// The date parts of two day numbers as edit texts; the time of day is dropped.
DateEdits dateEditsFor(double start, double end);

// Points of a page: the whole number of increments in the width; 0 for no positive
// increment.
int pointsPerPage(double widthDays, double incrementDays);

// What applying the date edits sets: the view start..end at 00:00 (end = start + 1 day when
// the end is not after the start), the labels for its width, the page size in increments
// and the page number.
struct AppliedDates {
    ViewRange view;
    std::optional<DateLabels> labels;  // nullopt: the labels stay
    int maxPointsPerPage = 0;
    int page = 1;
};
// Throws ConversionError (nothing is to change then). `incrementDays` is the axis increment
// now; it counts only when the labels stay.
AppliedDates applyDateEdits(const DateEdits& edits, double incrementDays);

// One page is maxPointsPerPage increments long.
double pageLength(int maxPointsPerPage, double incrementDays);
// The first page starts at the start date of the edits (ConversionError as above) and is one
// page long, or one day when a page is empty.
ViewRange firstPage(const DateEdits& edits, int maxPointsPerPage, double incrementDays);
// The view moved back or on by one page length, whatever the data's ends.
ViewRange previousPage(ViewRange view, int maxPointsPerPage, double incrementDays);
ViewRange nextPage(ViewRange view, int maxPointsPerPage, double incrementDays);
// The page number after "<" (never below 1) and ">" (never beyond the page count).
int previousPageNumber(int page);
int nextPageNumber(int page, int pageCount);

// After the user zoomed to `view`: the page size counted in the increment before the zoom,
// and the labels for the new width.
struct ZoomedView {
    int maxPointsPerPage = 0;
    std::optional<DateLabels> labels;
};
ZoomedView afterZoom(ViewRange view, double incrementBeforeDays);

// The dates of a table widened by one time step on each side.
ViewRange tableSpan(double start, double end, double timeStep);
// The smallest range holding both.
ViewRange unitedSpan(ViewRange a, ViewRange b);
// The dates of a table widened by one time step on each side, in ascending order also for
// rows in falling date order (a negative step).
ViewRange ascendingTableSpan(double start, double end, double timeStep);

// The dates of all tables given (each one's ascending span); `none` when there is no table.
ViewRange unitedSpans(const std::vector<ViewRange>& spans, ViewRange none);

// The axis increment after a table of that time step was added: the smaller of both.
double incrementForTable(double incrementDays, double timeStep);

// The view that a new table sets while the range is not fixed: its widened span, the page
// size in time steps (of one day when the span is empty), the labels for the width.
struct TableView {
    ViewRange view;
    int maxPointsPerPage = 0;
    std::optional<DateLabels> labels;
};
TableView viewForTable(double start, double end, double timeStep);
// The same for a span of several tables, pages counted in the smallest time step.
TableView viewForSpan(ViewRange span, double timeStep);

// The view at start-up: the day before `now` with one page, labelled every year in the
// format "dd.mm.yyyy hh:nn" until the first file or date edit adapts the labels.
struct StartupView {
    ViewRange view;
    DateEdits edits;
    int maxPointsPerPage = 1;
    DateTimeStep increment = DateTimeStep::OneYear;
    QString format;
};
StartupView startupView(double now);
