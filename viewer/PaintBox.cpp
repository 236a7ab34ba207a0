#include "PaintBox.h"

#include <QMouseEvent>
#include <QPainter>

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PaintBox::fill(QColor colour) {
    canvas_.fill(colour);
    update();
}

void PaintBox::paintEvent(QPaintEvent*) {
    if (!inPaint_) {
        inPaint_ = true;
        emit paintRequested();
        inPaint_ = false;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_);
}

void PaintBox::resizeEvent(QResizeEvent*) {
    if (canvas_.size() == size()) return;
    QImage grown(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    grown.fill(palette().color(QPalette::Button));
    QPainter painter(&grown);
    painter.drawImage(0, 0, canvas_);
    painter.end();
    canvas_ = std::move(grown);
}

void PaintBox::mousePressEvent(QMouseEvent* event) { emit mousePressed(event); }
void PaintBox::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(event); }
void PaintBox::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event);
    if (rect().contains(event->position().toPoint())) emit clicked();
}
