#include "UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "NumberText.h"

UpDown::UpDown(QWidget* parent)
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
    connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
    // The buttons take the control's name with Up or Down, so tests and scripts can press them.
    connect(this, &QObject::objectNameChanged, this, [this](const QString& name) {
        up_->setObjectName(name + QLatin1String("Up"));
        down_->setObjectName(name + QLatin1String("Down"));
    });
}

void UpDown::setAssociate(QLineEdit* edit, bool arrowKeysStep) {
    if (associate_) associate_->removeEventFilter(this);
    associate_ = edit;
    if (associate_ && arrowKeysStep) associate_->installEventFilter(this);
}

void UpDown::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    position_ = std::clamp(position_, minimum_, maximum_);
}

void UpDown::setButtonSize(QSize size) {
    up_->setFixedSize(size);
    down_->setFixedSize(size);
    setFixedSize(size.width(), 2 * size.height());
}

void UpDown::setPosition(int position) {
    const int before = position_;
    setPositionOnly(position);
    if (associate_) associate_->setText(QString::number(position_));
    if (position_ != before) emit positionChanged(position_);
}

void UpDown::setPositionOnly(int position) { position_ = std::clamp(position, minimum_, maximum_); }

void UpDown::takePositionFromAssociate() {
    if (!associate_) return;
    int typed = 0;
    if (tryParseInt(associate_->text().toStdString(), typed))
        position_ = std::clamp(typed, minimum_, maximum_);
    associate_->setText(QString::number(position_));
}

void UpDown::stepUp() { step(increment_); }

void UpDown::stepDown() { step(-increment_); }

void UpDown::step(int by) {
    if (!isEnabled()) return;
    int next = position_ + by;
    if (wrapping_ && next > maximum_) next = minimum_;
    if (wrapping_ && next < minimum_) next = maximum_;
    setPosition(next);
    emit clicked();
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == associate_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            key == Qt::Key_Up ? stepUp() : stepDown();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
