#include "UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "NumberText.h"

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (auto* button : {up_, down_}) {
        button->setFixedSize(17, 11);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(button);
    }
    connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
    setFixedSize(17, 22);
}

void UpDown::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    position_ = std::clamp(position_, minimum_, maximum_);
}

void UpDown::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
    if (associate_) associate_->setText(QString::number(position_));
}

void UpDown::setPositionOnly(int position) { position_ = std::clamp(position, minimum_, maximum_); }

void UpDown::takePositionFromAssociate() {
    if (!associate_) return;
    int typed = 0;
    if (tryParseInt(associate_->text().toStdString(), typed))
        position_ = std::clamp(typed, minimum_, maximum_);
    associate_->setText(QString::number(position_));
}

void UpDown::stepUp() {
    if (!isEnabled()) return;
    setPosition(position_ + increment_);
    emit clicked();
}

void UpDown::stepDown() {
    if (!isEnabled()) return;
    setPosition(position_ - increment_);
    emit clicked();
}
