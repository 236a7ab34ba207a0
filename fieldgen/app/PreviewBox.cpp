#include "PreviewBox.h"

#include <QMouseEvent>
#include <QPainter>

PreviewBox::PreviewBox(QWidget* parent) : QWidget(parent) {}

void PreviewBox::paintEvent(QPaintEvent*) {
    if (picture_ == nullptr || picture_->isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, *picture_);
}

void PreviewBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
}
