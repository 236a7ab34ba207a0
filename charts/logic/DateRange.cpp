#include "DateRange.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "DayNumberDate.h"
#include "NumberText.h"

namespace {

int wholePart(double value) {
    if (std::isnan(value)) return 0;
    const double whole = std::trunc(value);
    if (whole >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (whole <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(whole);
}

QString number(int value) { return QString::number(value); }

}  // namespace

double dateFromEdits(const QString& year, const QString& month, const QString& day) {
    const std::optional<double> date = encodeDate(parseInt(year), parseInt(month), parseInt(day));
    if (!date) throw ConversionError("Invalid argument to date encode");
    return *date;
}

DateEdits dateEditsFor(double start, double end) {
    const QDate first = dateFromDayNumber(start);
    const QDate last = dateFromDayNumber(end);
    return {number(first.year()), number(first.month()), number(first.day()),
            number(last.year()),  number(last.month()),  number(last.day())};
}

int pointsPerPage(double widthDays, double incrementDays) {
    if (!(incrementDays > 0.0)) return 0;
    // Day numbers carry rounding noise: six hours counted in hours must not give five.
    return wholePart(widthDays / incrementDays + 1e-9);
}

AppliedDates applyDateEdits(const DateEdits& edits, double incrementDays) {
    AppliedDates applied;
    const double start = dateFromEdits(edits.startYear, edits.startMonth, edits.startDay);
    double end = dateFromEdits(edits.endYear, edits.endMonth, edits.endDay);
    if (start >= end) end = start + 1.0;
    applied.view = {start, end};
    applied.labels = labelsForWidth(end - start);
    if (applied.labels) incrementDays = applied.labels->incrementDays();
    applied.maxPointsPerPage = pointsPerPage(end - start, incrementDays);
    // The page number counts pages of the axis from day 0; a page size of 0 has only page 1.
    applied.page = applied.maxPointsPerPage > 0 ? wholePart(start / applied.maxPointsPerPage) : 1;
    return applied;
}

double pageLength(int maxPointsPerPage, double incrementDays) {
    return maxPointsPerPage * incrementDays;
}

ViewRange firstPage(const DateEdits& edits, int maxPointsPerPage, double incrementDays) {
    const double start = dateFromEdits(edits.startYear, edits.startMonth, edits.startDay);
    double end = start + pageLength(maxPointsPerPage, incrementDays);
    if (!(start < end)) end = start + 1.0;
    return {start, end};
}

ViewRange previousPage(ViewRange view, int maxPointsPerPage, double incrementDays) {
    const double length = pageLength(maxPointsPerPage, incrementDays);
    return {view.minimum - length, view.maximum - length};
}

ViewRange nextPage(ViewRange view, int maxPointsPerPage, double incrementDays) {
    const double length = pageLength(maxPointsPerPage, incrementDays);
    return {view.minimum + length, view.maximum + length};
}

int previousPageNumber(int page) { return page > 1 ? page - 1 : page; }

int nextPageNumber(int page, int pageCount) { return page < pageCount ? page + 1 : page; }

ZoomedView afterZoom(ViewRange view, double incrementBeforeDays) {
    return {pointsPerPage(view.width(), incrementBeforeDays), labelsForWidth(view.width())};
}

ViewRange tableSpan(double start, double end, double timeStep) {
    return {start - timeStep, end + timeStep};
}

ViewRange unitedSpan(ViewRange a, ViewRange b) {
    return {std::min(a.minimum, b.minimum), std::max(a.maximum, b.maximum)};
}

ViewRange ascendingTableSpan(double start, double end, double timeStep) {
    const ViewRange span = tableSpan(start, end, timeStep);
    return {std::min(span.minimum, span.maximum), std::max(span.minimum, span.maximum)};
}

ViewRange unitedSpans(const std::vector<ViewRange>& spans, ViewRange none) {
    if (spans.empty()) return none;
    ViewRange all = spans.front();
    for (const ViewRange& span : spans) all = unitedSpan(all, span);
    return all;
}

double incrementForTable(double incrementDays, double timeStep) {
    return timeStep > 0.0 && timeStep < incrementDays ? timeStep : incrementDays;
}

TableView viewForTable(double start, double end, double timeStep) {
    return viewForSpan(tableSpan(start, end, timeStep), timeStep);
}

TableView viewForSpan(ViewRange span, double timeStep) {
    TableView table;
    table.view = span;
    const double width = table.view.width();
    table.maxPointsPerPage = pointsPerPage(width > 0.0 ? width : 1.0, timeStep);
    table.labels = labelsForWidth(width);
    return table;
}

StartupView startupView(double now) {
    StartupView startup;
    startup.view = {now - 1.0, now};
    startup.edits = dateEditsFor(startup.view.minimum, startup.view.maximum);
    startup.maxPointsPerPage =
        pointsPerPage(startup.view.width(), dateTimeStepDays(startup.increment)) + 1;
    startup.format = QStringLiteral("dd.mm.yyyy hh:nn");
    return startup;
}
