// The date edits, paging, zooming, panning and the fit commands.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

#include "DateRange.h"
#include "NumberText.h"
#include "TChart.h"
#include "TfrmTolmarCharts.h"
#include "UserDialogs.h"

void TfrmTolmarCharts::writeDateEdits(const DateEdits& edits) {
    const std::pair<QLineEdit*, const QString*> texts[] = {
        {edtStartYear, &edits.startYear}, {edtStartMonth, &edits.startMonth},
        {edtStartDay, &edits.startDay},   {edtEndYear, &edits.endYear},
        {edtEndMonth, &edits.endMonth},   {edtEndDay, &edits.endDay}};
    for (const auto& [edit, text] : texts)
        if (edit->text() != *text) edit->setText(*text);
}

void TfrmTolmarCharts::applyDateEdits() {
    const int page = doc_.applyDateEdits();
    showDocument();
    chrtTolmarResults->setPage(page);
}

void TfrmTolmarCharts::applyDateEditsReporting() {
    if (ReportingDates) return;
    try {
        applyDateEdits();
    } catch (const ConversionError& error) {
        ReportingDates = true;
        dialogs_.message(QString::fromStdString(error.what()), QStringLiteral("Linara"));
        ReportingDates = false;
    }
}

void TfrmTolmarCharts::edtStartExit() { applyDateEditsReporting(); }

void TfrmTolmarCharts::edtEndExit() { applyDateEditsReporting(); }

void TfrmTolmarCharts::btnFirstPageClick() {
    const DateAxisState& dates = doc_.dates();
    try {
        doc_.setView(firstPage(dates.edits, dates.maxPointsPerPage, dates.incrementDays));
    } catch (const ConversionError& error) {
        dialogs_.message(QString::fromStdString(error.what()), QStringLiteral("Linara"));
        return;
    }
    showDocument();
    chrtTolmarResults->setPage(1);
}

void TfrmTolmarCharts::btnPreviousPageClick() {
    TChart& chart = *chrtTolmarResults;
    chart.setPage(previousPageNumber(chart.page()));
    const DateAxisState& dates = doc_.dates();
    doc_.setView(previousPage(dates.view.value_or(ViewRange{}), dates.maxPointsPerPage,
                              dates.incrementDays));
    showDocument();
}

void TfrmTolmarCharts::btnNextPageClick() {
    TChart& chart = *chrtTolmarResults;
    chart.setPage(nextPageNumber(chart.page(), chart.pageCount()));
    const DateAxisState& dates = doc_.dates();
    doc_.setView(
        nextPage(dates.view.value_or(ViewRange{}), dates.maxPointsPerPage, dates.incrementDays));
    showDocument();
}

void TfrmTolmarCharts::takeAxesFromChart() {
    TChartAxis& bottom = chrtTolmarResults->bottomAxis();
    TChartAxis& left = chrtTolmarResults->leftAxis();
    doc_.setView({bottom.minimum(), bottom.maximum()});
    doc_.setValueAxis({left.minimum(), left.maximum()});
}

void TfrmTolmarCharts::chrtTolmarResultsZoom() {
    takeAxesFromChart();
    doc_.zoomedTo(*doc_.dates().view);
    showDocument();
}

void TfrmTolmarCharts::chrtTolmarResultsUndoZoom() {
    takeAxesFromChart();
    spdbtnFitDataClick();
}

void TfrmTolmarCharts::chrtTolmarResultsScroll() {
    takeAxesFromChart();
    if (!doc_.dates().synchronizeDates) return;
    const ViewRange view = *doc_.dates().view;
    writeDateEdits(dateEditsFor(view.minimum, view.maximum));
}

void TfrmTolmarCharts::fitValueAxis() {
    doc_.fitValueAxis();
    showDocument();
}

void TfrmTolmarCharts::spdbtnFitDataClick() {
    fitValueAxis();
    applyDateEditsReporting();
    chrtTolmarResults->refresh();
}

void TfrmTolmarCharts::spdbtnFitVerticallyClick() { fitValueAxis(); }

void TfrmTolmarCharts::spdbtnFitHorizontallyClick() {
    applyDateEditsReporting();
    chrtTolmarResults->refresh();
}

void TfrmTolmarCharts::spdbtnFitDataHorizontallyAllClick() {
    const ViewRange all = doc_.allTablesSpan();
    writeDateEdits(dateEditsFor(all.minimum, all.maximum));
    applyDateEditsReporting();
    chrtTolmarResults->refresh();
}

void TfrmTolmarCharts::chkbcSynchronizeDatesClick() {
    doc_.dates().synchronizeDates = chkbcSynchronizeDates->isChecked();
}
