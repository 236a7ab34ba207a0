#pragma once
#include <QColor>
#include <QWidget>

// A horizontal progress gauge: a bar in the fore colour over a white track, with the whole
// percent done written in its middle. The progress is kept within [MinValue, MaxValue], and
// the gauge repaints only when the whole percent shown changes.
class TCGauge : public QWidget {
    Q_OBJECT
public:
    explicit TCGauge(QWidget* parent = nullptr);

    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    int Progress() const { return progress_; }
    QColor ForeColor() const { return foreColor_; }
    // Whole percent of the range that the progress covers (0 to 100).
    int PercentDone() const;

    void setMinValue(int value);
    void setMaxValue(int value);
    void setProgress(int value);
    void setForeColor(const QColor& colour);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void changeShownPercent();

    int minValue_ = 0;
    int maxValue_ = 100;
    int progress_ = 0;
    int shownPercent_ = 0;
    QColor foreColor_ = Qt::black;
};
