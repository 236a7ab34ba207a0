#include "WrappingUpDown.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

WrappingUpDown::WrappingUpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(button);
    }
    connect(up_, &QToolButton::clicked, this, &WrappingUpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &WrappingUpDown::stepDown);
}

void WrappingUpDown::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    position_ = std::clamp(position_, minimum_, maximum_);
}

void WrappingUpDown::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
}

void WrappingUpDown::stepUp() {
    position_ = position_ + increment_ > maximum_ ? minimum_ : position_ + increment_;
    emit clicked();
}

void WrappingUpDown::stepDown() {
    position_ = position_ - increment_ < minimum_ ? maximum_ : position_ - increment_;
    emit clicked();
}
