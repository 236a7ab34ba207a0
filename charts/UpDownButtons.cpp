#include "UpDownButtons.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

UpDownButtons::UpDownButtons(QLineEdit& associate, int minimum, int maximum, int position,
                             QWidget* parent)
    : QWidget(parent),
      associate_(associate),
      minimum_(minimum),
      maximum_(maximum),
      position_(std::clamp(position, minimum, maximum)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto arrow = [this, layout](Qt::ArrowType type, const char* suffix, int step) {
        auto* button = new QToolButton(this);
        button->setObjectName(objectName() + QLatin1String(suffix));
        button->setArrowType(type);
        button->setAutoRepeat(true);
        button->setFixedSize(16, 11);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this,
                [this, step] { setPosition(position_ + step); });
        layout->addWidget(button);
        return button;
    };
    auto* up = arrow(Qt::UpArrow, "Up", 1);
    auto* down = arrow(Qt::DownArrow, "Down", -1);
    // The buttons take the up-down's name with Up or Down once it has one.
    connect(this, &QObject::objectNameChanged, this, [up, down](const QString& name) {
        up->setObjectName(name + QLatin1String("Up"));
        down->setObjectName(name + QLatin1String("Down"));
    });
    associate_.setText(QString::number(position_));
    // The arrow keys in the edit step as the buttons do.
    associate_.installEventFilter(this);
}

bool UpDownButtons::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &associate_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            setPosition(position_ + (key == Qt::Key_Up ? 1 : -1));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDownButtons::setPosition(int position) {
    const int clamped = std::clamp(position, minimum_, maximum_);
    if (clamped == position_) return;
    position_ = clamped;
    associate_.setText(QString::number(position_));
    emit positionChanged(position_);
}
