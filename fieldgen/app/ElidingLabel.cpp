#include "ElidingLabel.h"

#include <QResizeEvent>

ElidingLabel::ElidingLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setFullText(text);
}

void ElidingLabel::setFullText(const QString& text) {
    fullText_ = text;
    elide();
}

QSize ElidingLabel::minimumSizeHint() const { return {0, QLabel::minimumSizeHint().height()}; }

void ElidingLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void ElidingLabel::elide() {
    const int room = contentsRect().width() - 2 * margin() - 2 * std::max(indent(), 0);
    const QString shown = fontMetrics().elidedText(fullText_, Qt::ElideRight, std::max(room, 0));
    setToolTip(shown == fullText_ ? QString() : fullText_);
    if (shown != text()) setText(shown);
}
