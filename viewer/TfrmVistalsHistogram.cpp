// The histogram window of the shown level.
#include "LevelHistogram.h"
#include "TfrmVLHistogram.h"
#include "TfrmVistals.h"

void TfrmVistals::miHistogramClick() {
    if (miHistogram->isChecked()) {
        shownHistogram_.reset();
        refreshHistogramIfShown();
        frmVLHistogram->show();
    } else {
        frmVLHistogram->hide();
    }
}

void TfrmVistals::refreshHistogramIfShown() {
    if (!miHistogram->isChecked()) return;
    const GridStatistics& statistics = document.statistics;
    HistogramInputs inputs{
        document.Values,    valueChanges_,        statistics.Minimum,  statistics.Maximum,
        view.classBounds(), view.legendColours(), view.legendLabels(), frmVLHistogram->options()};
    if (shownHistogram_ == inputs) return;
    const double nodata = document.header.nodata_value;
    if (!document.hasValues()) {
        frmVLHistogram->showNothing();
    } else if (inputs.options.legendClasses) {
        std::vector<QColor> colours;
        for (const Colour colour : inputs.colours) colours.push_back(colour.toQColor());
        frmVLHistogram->showClasses(classHistogram(*document.Values, nodata, inputs.classBounds),
                                    colours, inputs.labels);
    } else if (statistics.CellCount > 0) {
        frmVLHistogram->showBins(equalBinHistogram(*document.Values, nodata, inputs.options.bins,
                                                   statistics.Minimum, statistics.Maximum),
                                 statistics.Maximum);
    } else {
        frmVLHistogram->showNothing();
    }
    shownHistogram_ = std::move(inputs);
}
