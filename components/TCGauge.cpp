#include "TCGauge.h"

#include <QPainter>
#include <algorithm>

TCGauge::TCGauge(QWidget* parent) : QWidget(parent) {}

int TCGauge::PercentDone() const {
    const long long span = (long long)maxValue_ - minValue_;
    if (span <= 0) return 0;
    return int(((long long)progress_ - minValue_) * 100 / span);
}

void TCGauge::setMinValue(int value) {
    minValue_ = value;
    maxValue_ = std::max(maxValue_, minValue_);
    progress_ = std::clamp(progress_, minValue_, maxValue_);
    changeShownPercent();
}

void TCGauge::setMaxValue(int value) {
    maxValue_ = value;
    minValue_ = std::min(minValue_, maxValue_);
    progress_ = std::clamp(progress_, minValue_, maxValue_);
    changeShownPercent();
}

void TCGauge::setProgress(int value) {
    progress_ = std::clamp(value, minValue_, maxValue_);
    changeShownPercent();
}

void TCGauge::setForeColor(const QColor& colour) {
    foreColor_ = colour;
    update();
}

void TCGauge::changeShownPercent() {
    const int percent = PercentDone();
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    update();
}

QSize TCGauge::sizeHint() const { return QSize(100, 22); }

void TCGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect track = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(track, Qt::white);
    const int filled = track.width() * shownPercent_ / 100;
    painter.fillRect(QRect(track.left(), track.top(), filled, track.height()), foreColor_);
    painter.setPen(Qt::black);
    painter.drawRect(track);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("%1%").arg(shownPercent_));
}
