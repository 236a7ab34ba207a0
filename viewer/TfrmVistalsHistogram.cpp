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

bool TfrmVistals::HistogramInputs::sameCounts(const HistogramInputs& other) const {
    return values == other.values && valueChanges == other.valueChanges &&
           minimum == other.minimum && maximum == other.maximum &&
           options.legendClasses == other.options.legendClasses &&
           (options.legendClasses ? classBounds == other.classBounds
                                  : options.bins == other.options.bins);
}

void TfrmVistals::refreshHistogramIfShown() {
    if (!miHistogram->isChecked()) return;
    const GridStatistics& statistics = document.statistics;
    HistogramInputs inputs{
        document.Values,    valueChanges_,        statistics.Minimum,  statistics.Maximum,
        view.classBounds(), view.legendColours(), view.legendLabels(), frmVLHistogram->options()};
    if (shownHistogram_ == inputs) return;
    const bool counted = shownHistogram_ && shownHistogram_->sameCounts(inputs);
    shownHistogram_ = inputs;
    if (!document.hasValues() || (!inputs.options.legendClasses && statistics.CellCount <= 0)) {
        frmVLHistogram->showNothing();
        return;
    }
    const double nodata = document.header.nodata_value;
    if (inputs.options.legendClasses) {
        if (!counted)
            countedHistogram_ = classHistogram(*document.Values, nodata, inputs.classBounds);
        std::vector<QColor> colours;
        for (const Colour colour : inputs.colours) colours.push_back(colour.toQColor());
        frmVLHistogram->showClasses(countedHistogram_, colours, inputs.labels);
    } else {
        if (!counted)
            countedHistogram_ = equalBinHistogram(*document.Values, nodata, inputs.options.bins,
                                                  statistics.Minimum, statistics.Maximum);
        frmVLHistogram->showBins(countedHistogram_, statistics.Maximum);
    }
}
