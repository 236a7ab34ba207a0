#pragma once
#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

class QCheckBox;
class QCustomPlot;
class QRadioButton;
class QSpinBox;
struct LevelHistogram;

// What the histogram counts in and how it shows the counts.
struct HistogramOptions {
    bool legendClasses = true;  // the legend's classes, else `bins` equal bins
    int bins = 21;
    bool logarithmic = false;  // a logarithmic count axis
    bool operator==(const HistogramOptions&) const = default;
};

// The histogram window: the counts of the shown level's data cells as bars, on top of the
// other windows like the profile window, without a close box (the main window's menu item
// hides it). Its controls choose legend classes or equal bins and the count axis.
class TfrmVLHistogram : public QWidget {
    Q_OBJECT
public:
    explicit TfrmVLHistogram(QWidget* parent = nullptr);

    HistogramOptions options() const;

    // Bars of the legend classes, each in its legend colour, labelled with its lower bound.
    void showClasses(const LevelHistogram& histogram, const std::vector<QColor>& colours,
                     const std::vector<QString>& labels);
    // Bars of equal bins over the values from the first lower bound to `maximum`.
    void showBins(const LevelHistogram& histogram, double maximum);
    // No grid shown: no bars.
    void showNothing();

signals:
    void optionsChanged();

private:
    void clearBars();
    // The count axis for the largest count, linear or logarithmic, and a redraw.
    void finishChart(std::int64_t largest);

    QRadioButton* rbClasses = nullptr;
    QRadioButton* rbBins = nullptr;
    QSpinBox* spnBins = nullptr;
    QCheckBox* cbLogarithmic = nullptr;
    QCustomPlot* Chart1 = nullptr;
};
