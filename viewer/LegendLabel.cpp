#include "LegendLabel.h"

#include <QMouseEvent>

void LegendLabel::paintEvent(QPaintEvent*) {}

void LegendLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) emit clicked();
    QLabel::mouseReleaseEvent(event);
}
