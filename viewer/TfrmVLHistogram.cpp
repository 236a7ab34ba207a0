#include "TfrmVLHistogram.h"

#include <qcustomplot.h>

#include <QCheckBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "LevelHistogram.h"
#include "ToolWindowFlags.h"

namespace {

// Empty bins have no bar on a logarithmic axis; the bars stand on this base there.
constexpr double LogarithmicBase = 0.5;

QCPBars* newBars(QCustomPlot* chart, const QColor& colour) {
    auto* bars = new QCPBars(chart->xAxis, chart->yAxis);
    bars->setPen(QPen(colour.darker(140)));
    bars->setBrush(colour);
    return bars;
}

}  // namespace

TfrmVLHistogram::TfrmVLHistogram(QWidget* parent) : QWidget(parent, ToolWindowFlags) {
    setObjectName(QStringLiteral("frmVLHistogram"));
    setWindowTitle(QStringLiteral("Vistals - Histogram"));
    resize(692, 340);

    rbClasses = new QRadioButton(QStringLiteral("&legend classes"), this);
    rbClasses->setObjectName(QStringLiteral("rbClasses"));
    rbClasses->setChecked(true);
    rbBins = new QRadioButton(QStringLiteral("&equal bins:"), this);
    rbBins->setObjectName(QStringLiteral("rbBins"));
    spnBins = new QSpinBox(this);
    spnBins->setObjectName(QStringLiteral("spnBins"));
    spnBins->setRange(1, 1000);
    spnBins->setValue(21);
    spnBins->setEnabled(false);
    cbLogarithmic = new QCheckBox(QStringLiteral("l&ogarithmic counts"), this);
    cbLogarithmic->setObjectName(QStringLiteral("cbLogarithmic"));

    Chart1 = new QCustomPlot(this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->yAxis->setLabel(QStringLiteral("cells"));

    auto* controls = new QHBoxLayout;
    controls->addWidget(rbClasses);
    controls->addWidget(rbBins);
    controls->addWidget(spnBins);
    controls->addStretch();
    controls->addWidget(cbLogarithmic);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(Chart1, 1);

    const auto changed = [this] {
        spnBins->setEnabled(rbBins->isChecked());
        emit optionsChanged();
    };
    connect(rbClasses, &QRadioButton::toggled, this, [changed](bool on) {
        if (on) changed();
    });
    connect(rbBins, &QRadioButton::toggled, this, [changed](bool on) {
        if (on) changed();
    });
    connect(spnBins, &QSpinBox::valueChanged, this, changed);
    connect(cbLogarithmic, &QCheckBox::toggled, this, changed);
}

HistogramOptions TfrmVLHistogram::options() const {
    return {rbClasses->isChecked(), spnBins->value(), cbLogarithmic->isChecked()};
}

void TfrmVLHistogram::clearBars() {
    Chart1->clearPlottables();
    Chart1->xAxis->setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
}

void TfrmVLHistogram::showClasses(const LevelHistogram& histogram,
                                  const std::vector<QColor>& colours,
                                  const std::vector<QString>& labels) {
    clearBars();
    const bool logarithmic = cbLogarithmic->isChecked();
    auto ticks = QSharedPointer<QCPAxisTickerText>::create();
    for (std::size_t k = 0; k < histogram.counts.size(); ++k) {
        const auto count = static_cast<double>(histogram.counts[k]);
        QCPBars* bars = newBars(Chart1, k < colours.size() ? colours[k] : QColor(Qt::gray));
        bars->setWidth(0.9);
        if (logarithmic) bars->setBaseValue(LogarithmicBase);
        if (count > 0 || !logarithmic) bars->addData(static_cast<double>(k), count);
        if (k < labels.size()) ticks->addTick(static_cast<double>(k), labels[k]);
    }
    Chart1->xAxis->setTicker(ticks);
    Chart1->xAxis->setTickLabelRotation(histogram.counts.size() > 10 ? 60 : 0);
    Chart1->xAxis->setRange(-0.6, static_cast<double>(histogram.counts.size()) - 0.4);
    const auto largest = histogram.counts.empty()
                             ? std::int64_t{0}
                             : *std::max_element(histogram.counts.begin(), histogram.counts.end());
    finishChart(largest);
}

void TfrmVLHistogram::showBins(const LevelHistogram& histogram, double maximum) {
    clearBars();
    const bool logarithmic = cbLogarithmic->isChecked();
    QCPBars* bars = newBars(Chart1, QColor(70, 110, 180));
    if (logarithmic) bars->setBaseValue(LogarithmicBase);
    const std::size_t count = histogram.counts.size();
    std::int64_t largest = 0;
    if (count > 0) {
        const double low = histogram.lowerBounds.front();
        const double width = (maximum - low) / static_cast<double>(count);
        bars->setWidthType(QCPBars::wtPlotCoords);
        bars->setWidth(width > 0 ? width : 1);
        for (std::size_t k = 0; k < count; ++k) {
            largest = std::max(largest, histogram.counts[k]);
            if (histogram.counts[k] > 0 || !logarithmic)
                bars->addData(histogram.lowerBounds[k] + (width > 0 ? width : 1) / 2,
                              static_cast<double>(histogram.counts[k]));
        }
        Chart1->xAxis->setTickLabelRotation(0);
        Chart1->xAxis->setRange(low, width > 0 ? maximum : low + 1);
    }
    finishChart(largest);
}

void TfrmVLHistogram::showNothing() {
    clearBars();
    finishChart(0);
}

void TfrmVLHistogram::finishChart(std::int64_t largest) {
    const double top = std::max<double>(1, static_cast<double>(largest));
    if (cbLogarithmic->isChecked()) {
        Chart1->yAxis->setScaleType(QCPAxis::stLogarithmic);
        Chart1->yAxis->setTicker(QSharedPointer<QCPAxisTickerLog>::create());
        Chart1->yAxis->setRange(LogarithmicBase, top * 2);
    } else {
        Chart1->yAxis->setScaleType(QCPAxis::stLinear);
        Chart1->yAxis->setTicker(QSharedPointer<QCPAxisTicker>::create());
        Chart1->yAxis->setRange(0, top * 1.05);
    }
    Chart1->replot();
}
