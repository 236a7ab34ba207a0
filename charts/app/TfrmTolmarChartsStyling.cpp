// Series colours and patterns, and the chart's gradient, legend and logarithmic axis.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QToolButton>

#include "SeriesStyling.h"
#include "TfrmTolmarCharts.h"
#include "UserDialogs.h"

void TfrmTolmarCharts::chklstbxSeriesDblClick() {
    if (const std::optional<SeriesKey> key = selectedSeries()) chooseSeriesColour(*key);
}

void TfrmTolmarCharts::chooseSeriesColour(SeriesKey key) {
    const SeriesData* series = doc_.series(key);
    if (!series) return;
    const auto chosen = dialogs_.chooseColour(drawnColour(*series, doc_.styles()));
    if (!chosen) return;
    doc_.setSeriesColour(key, chosen->value);
    repaintSeriesList();
}

void TfrmTolmarCharts::setPatternOfSelectedSeries(int penStyle) {
    if (chklstbxFiles->currentRow() < 0 && chklstbxFiles->count() > 0)
        chklstbxFiles->setCurrentRow(chklstbxFiles->count() - 1);
    const std::optional<SeriesKey> key = selectedSeries();
    if (!key) return;
    doc_.choosePattern(*key, penStyle);
    repaintSeriesList();
}

void TfrmTolmarCharts::edtLineWidthSelectedChange() {
    PatternMenu->setEnabled(patternMenuEnabled(edtLineWidthSelected->text()));
}

void TfrmTolmarCharts::setChartGradient(const ChartGradient& gradient) {
    doc_.setGradient(gradient);
    showControls();
    showDocument();
}

void TfrmTolmarCharts::miColorGradientClick() {
    // The menu item has toggled its own check already.
    setChartGradient(
        switchedGradient(doc_.gradient(), miColorGradient->isChecked(), doc_.gradientColours()));
}

void TfrmTolmarCharts::miSetStartColorClick() {
    setChartGradient(chooseGradientColours(dialogs_, doc_.gradient(), doc_.gradientColours()));
}

void TfrmTolmarCharts::SetGradientColorDefaultyellowClick() {
    setChartGradient(defaultYellowGradient(doc_.gradient()));
}

void TfrmTolmarCharts::setLegendHidden(bool hidden) {
    doc_.setLegendHidden(hidden);
    showControls();
    showDocument();
}

void TfrmTolmarCharts::miHideLegendClick() { setLegendHidden(miHideLegend->isChecked()); }

void TfrmTolmarCharts::chkbxHideLegendClick() { setLegendHidden(chkbxHideLegend->isChecked()); }

void TfrmTolmarCharts::chkbxLogarithmicClick() {
    doc_.setLogarithmic(chkbxLogarithmic->isChecked());
    miScaleYAxisLogarithmic->setChecked(chkbxLogarithmic->isChecked());
    showDocument();
}

void TfrmTolmarCharts::miScaleYAxisLogarithmicClick() {
    // The check box runs its handler when its state changes; the axis follows the box.
    chkbxLogarithmic->setChecked(miScaleYAxisLogarithmic->isChecked());
}

void TfrmTolmarCharts::showControls() {
    if (edtChartTitle->text() != doc_.title()) edtChartTitle->setText(doc_.title());
    writeDateEdits(doc_.dates().edits);
    const auto setQuietly = [](QCheckBox* box, bool on) {
        const QSignalBlocker quiet(box);
        box->setChecked(on);
    };
    setQuietly(chkbcSynchronizeDates, doc_.dates().synchronizeDates);
    setQuietly(chkbxLogarithmic, doc_.logarithmic());
    miScaleYAxisLogarithmic->setChecked(doc_.logarithmic());
    setQuietly(chkbxHideLegend, doc_.legendHidden());
    miHideLegend->setChecked(doc_.legendHidden());
    miColorGradient->setChecked(doc_.gradient().visible);
    spdbtnColorGradientSwitch->setChecked(doc_.gradient().visible);
}
