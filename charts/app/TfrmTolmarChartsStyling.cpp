// Series colours and patterns, and the chart's gradient, legend and logarithmic axis.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QToolButton>

#include "SeriesStyling.h"
#include "TChart.h"
#include "TfrmTolmarCharts.h"
#include "UserDialogs.h"

SeriesLines* TfrmTolmarCharts::selectedSeries() const {
    LoadedTable* file = selectedTable();
    return file ? file->lines(chklstbxSeries->currentRow()) : nullptr;
}

void TfrmTolmarCharts::chklstbxSeriesDblClick() {
    if (SeriesLines* lines = selectedSeries()) chooseSeriesColour(*lines);
}

void TfrmTolmarCharts::chooseSeriesColour(SeriesLines& lines) {
    const auto chosen = dialogs_.chooseColour(drawnColour(lines.data(), styles));
    if (!chosen) return;
    lines.setColour(chosen->value, styles);
    repaintSeriesList();
}

void TfrmTolmarCharts::setPatternOfSelectedSeries(int penStyle) {
    if (chklstbxFiles->currentRow() < 0 && chklstbxFiles->count() > 0)
        chklstbxFiles->setCurrentRow(chklstbxFiles->count() - 1);
    SeriesLines* lines = selectedSeries();
    if (!lines) return;
    choosePattern(lines->data(), penStyle);
    lines->setPenStyle(lines->data().penStyle);
    lines->setColour(lines->data().colour, styles);
    repaintSeriesList();
}

void TfrmTolmarCharts::edtLineWidthSelectedChange() {
    PatternMenu->setEnabled(patternMenuEnabled(edtLineWidthSelected->text()));
}

ChartGradient TfrmTolmarCharts::chartGradient() const {
    ChartGradient gradient;
    gradient.visible = chrtTolmarResults->gradientVisible();
    gradient.direction = static_cast<int>(chrtTolmarResults->gradientDirection());
    gradient.start = Colour::fromQColor(chrtTolmarResults->gradientStartColor());
    gradient.end = Colour::fromQColor(chrtTolmarResults->gradientEndColor());
    return gradient;
}

void TfrmTolmarCharts::setChartGradient(const ChartGradient& gradient) {
    // Directions beyond the chart's four draw top to bottom.
    const int direction =
        gradient.direction >= 0 && gradient.direction <= 3 ? gradient.direction : 0;
    chrtTolmarResults->setGradientDirection(static_cast<TChart::GradientDirection>(direction));
    chrtTolmarResults->setGradientStartColor(gradient.start.toQColor());
    chrtTolmarResults->setGradientEndColor(gradient.end.toQColor());
    chrtTolmarResults->setGradientVisible(gradient.visible);
    miColorGradient->setChecked(gradient.visible);
    spdbtnColorGradientSwitch->setChecked(gradient.visible);
}

void TfrmTolmarCharts::miColorGradientClick() {
    // The menu item has toggled its own check already.
    setChartGradient(
        switchedGradient(chartGradient(), miColorGradient->isChecked(), GradientColors));
}

void TfrmTolmarCharts::miSetStartColorClick() {
    setChartGradient(chooseGradientColours(dialogs_, chartGradient(), GradientColors));
}

void TfrmTolmarCharts::SetGradientColorDefaultyellowClick() {
    setChartGradient(defaultYellowGradient(chartGradient()));
}

void TfrmTolmarCharts::setLegendHidden(bool hidden) {
    miHideLegend->setChecked(hidden);
    {
        const QSignalBlocker quiet(chkbxHideLegend);
        chkbxHideLegend->setChecked(hidden);
    }
    chrtTolmarResults->setLegendVisible(!hidden);
}

void TfrmTolmarCharts::miHideLegendClick() { setLegendHidden(miHideLegend->isChecked()); }

void TfrmTolmarCharts::chkbxHideLegendClick() { setLegendHidden(chkbxHideLegend->isChecked()); }

void TfrmTolmarCharts::chkbxLogarithmicClick() {
    toggleLogarithmic(chrtTolmarResults->leftAxis(), RangeFixed);
    miScaleYAxisLogarithmic->setChecked(chkbxLogarithmic->isChecked());
}

void TfrmTolmarCharts::miScaleYAxisLogarithmicClick() {
    // The check box runs its handler when its state changes; the axis then follows the box.
    chkbxLogarithmic->setChecked(miScaleYAxisLogarithmic->isChecked());
    chrtTolmarResults->leftAxis().setLogarithmic(chkbxLogarithmic->isChecked());
}
