#include "PaintBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PaintBox::fill(QColor colour) {
    canvas_.fill(colour);
    update();
}

void PaintBox::paintEvent(QPaintEvent*) {
    emit paintRequested();
    QPainter painter(this);
    const qreal scale = devicePixelRatioF();
    if (scale == 1.0) {
        painter.drawImage(0, 0, canvas_);
        return;
    }
    QImage sharp = canvas_.scaled((QSizeF(canvas_.size()) * scale).toSize(), Qt::IgnoreAspectRatio,
                                  Qt::FastTransformation);
    sharp.setDevicePixelRatio(scale);
    painter.drawImage(0, 0, sharp);
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
void PaintBox::wheelEvent(QWheelEvent* event) {
    event->ignore();
    emit wheelTurned(event);
}
void PaintBox::leaveEvent(QEvent*) { emit mouseLeft(); }
void PaintBox::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event);
    if (rect().contains(event->position().toPoint())) emit clicked();
}
