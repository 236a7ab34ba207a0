#include "LegendLabel.h"

#include <QMouseEvent>

void LegendLabel::paintEvent(QPaintEvent*) {}

void LegendLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) emit clicked();
    QLabel::mouseReleaseEvent(event);
}

std::vector<QString> legendLabelTexts(const std::vector<LegendLabel*>& labels) {
    std::vector<QString> texts;
    texts.reserve(labels.size());
    for (const LegendLabel* label : labels) texts.push_back(label->text());
    return texts;
}
