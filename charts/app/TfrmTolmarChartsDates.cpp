// The date edits, paging, zooming, panning and the fit commands.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <cmath>

#include "DateRange.h"
#include "NumberText.h"
#include "TChart.h"
#include "TfrmTolmarCharts.h"
#include "UserDialogs.h"
#include "ValueAxisFit.h"

DateEdits TfrmTolmarCharts::dateEdits() const {
    return {edtStartYear->text(), edtStartMonth->text(), edtStartDay->text(),
            edtEndYear->text(),   edtEndMonth->text(),   edtEndDay->text()};
}

void TfrmTolmarCharts::writeDateEdits(const DateEdits& edits) {
    edtStartYear->setText(edits.startYear);
    edtStartMonth->setText(edits.startMonth);
    edtStartDay->setText(edits.startDay);
    edtEndYear->setText(edits.endYear);
    edtEndMonth->setText(edits.endMonth);
    edtEndDay->setText(edits.endDay);
}

void TfrmTolmarCharts::setViewRange(const ViewRange& view) {
    chrtTolmarResults->bottomAxis().setMinMax(view.minimum, view.maximum);
}

void TfrmTolmarCharts::applyDateEdits() {
    TChartAxis& bottom = chrtTolmarResults->bottomAxis();
    const AppliedDates applied = ::applyDateEdits(dateEdits(), bottom.desiredIncrement());
    setViewRange(applied.view);
    if (applied.labels) setDateLabels(bottom, *applied.labels);
    chrtTolmarResults->setMaxPointsPerPage(applied.maxPointsPerPage);
    chrtTolmarResults->setPage(applied.page);
    RangeFixed = true;
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
    TChartAxis& bottom = chrtTolmarResults->bottomAxis();
    try {
        setViewRange(firstPage(dateEdits(), chrtTolmarResults->maxPointsPerPage(),
                               bottom.desiredIncrement()));
    } catch (const ConversionError& error) {
        dialogs_.message(QString::fromStdString(error.what()), QStringLiteral("Linara"));
        return;
    }
    chrtTolmarResults->setPage(1);
}

void TfrmTolmarCharts::btnPreviousPageClick() {
    TChart& chart = *chrtTolmarResults;
    chart.setPage(previousPageNumber(chart.page()));
    TChartAxis& bottom = chart.bottomAxis();
    setViewRange(previousPage({bottom.minimum(), bottom.maximum()}, chart.maxPointsPerPage(),
                              bottom.desiredIncrement()));
}

void TfrmTolmarCharts::btnNextPageClick() {
    TChart& chart = *chrtTolmarResults;
    chart.setPage(nextPageNumber(chart.page(), chart.pageCount()));
    TChartAxis& bottom = chart.bottomAxis();
    setViewRange(nextPage({bottom.minimum(), bottom.maximum()}, chart.maxPointsPerPage(),
                          bottom.desiredIncrement()));
}

void TfrmTolmarCharts::chrtTolmarResultsZoom() {
    TChartAxis& bottom = chrtTolmarResults->bottomAxis();
    const ZoomedView zoomed =
        afterZoom({bottom.minimum(), bottom.maximum()}, bottom.desiredIncrement());
    chrtTolmarResults->setMaxPointsPerPage(zoomed.maxPointsPerPage);
    if (zoomed.labels) setDateLabels(bottom, *zoomed.labels);
    RangeFixed = true;
}

void TfrmTolmarCharts::chrtTolmarResultsUndoZoom() { spdbtnFitDataClick(); }

void TfrmTolmarCharts::chrtTolmarResultsScroll() {
    if (!SynchronizeDates) return;
    const TChartAxis& bottom = chrtTolmarResults->bottomAxis();
    writeDateEdits(dateEditsFor(bottom.minimum(), bottom.maximum()));
}

void TfrmTolmarCharts::fitValueAxis() {
    std::vector<ListedTable> listed;
    for (int i = 0; i < static_cast<int>(files.size()) && i < chklstbxFiles->count(); ++i)
        listed.push_back({&files[static_cast<std::size_t>(i)]->table(),
                          chklstbxFiles->item(i)->checkState() == Qt::Checked});
    const ValueRange fitted = ::fitValueAxis(listed, chkbxLogarithmic->isChecked());
    TChartAxis& left = chrtTolmarResults->leftAxis();
    // Unset first, so that the fitted range is never refused for lying beside the old one.
    left.setMinMax(SeriesData::unset, SeriesData::unset);
    left.setMinMax(fitted.minimum, fitted.maximum);
    chrtTolmarResults->refresh();
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

void TfrmTolmarCharts::showAllTables(bool withDateEdits) {
    if (files.empty()) return;
    double step = 0.0;
    for (const auto& file : files) {
        const double own = std::fabs(file->table().timeStep());
        if (own > 0 && (step == 0.0 || own < step)) step = own;
    }
    const TableView shown = viewForSpan(allFilesSpan(), step);
    TChartAxis& bottom = chrtTolmarResults->bottomAxis();
    bottom.setDesiredIncrement(incrementForTable(bottom.desiredIncrement(), step));
    setViewRange(shown.view);
    chrtTolmarResults->setMaxPointsPerPage(shown.maxPointsPerPage);
    if (shown.labels) setDateLabels(bottom, *shown.labels);
    if (withDateEdits) writeDateEdits(dateEditsFor(shown.view.minimum, shown.view.maximum));
}

void TfrmTolmarCharts::spdbtnFitDataHorizontallyAllClick() {
    const ViewRange all = allFilesSpan();
    writeDateEdits(dateEditsFor(all.minimum, all.maximum));
    applyDateEditsReporting();
    chrtTolmarResults->refresh();
}

void TfrmTolmarCharts::chkbcSynchronizeDatesClick() {
    SynchronizeDates = chkbcSynchronizeDates->isChecked();
}
