#pragma once
#include <QLabel>

// A legend value label: it holds the text of one class bound and reports clicks. The legend
// picture beneath it shows the text (LegendPainter), so the label itself paints nothing.
class LegendLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
