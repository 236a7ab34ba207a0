#pragma once
// Two arrow buttons that step a whole number by its increment within [minimum, maximum]. A step
// past an end stops there, or wraps around to the other end when wrapping is on. An associated
// edit, when there is one, shows the position; the Up and Down keys in it may step as well.
#include <QWidget>

class QLineEdit;
class QToolButton;

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    // The edit that shows the position; with arrowKeysStep its Up and Down keys step too.
    void setAssociate(QLineEdit* edit, bool arrowKeysStep = false);
    void setRange(int minimum, int maximum);
    void setIncrement(int increment) { increment_ = increment; }
    void setWrapping(bool wrapping) { wrapping_ = wrapping; }
    // Gives each arrow button this fixed size and the control the size of both, one above the
    // other; without it the buttons share whatever size the control gets.
    void setButtonSize(QSize size);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int increment() const { return increment_; }
    int position() const { return position_; }
    // Sets the position (clamped) and writes it into the associated edit.
    void setPosition(int position);
    // Sets the position (clamped) without touching the associated edit.
    void setPositionOnly(int position);
    // Takes the position from the associated edit's text: a whole number is clamped into the
    // range, anything else keeps the current position.
    void takePositionFromAssociate();
    // Step as a click on an arrow does (nothing while disabled), then emit clicked().
    void stepUp();
    void stepDown();

signals:
    // After every step by a button or a key, also one that stays at an end.
    void clicked();
    // Whenever the position changes through a step or setPosition.
    void positionChanged(int position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int by);

    QLineEdit* associate_ = nullptr;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_ = 0;
    int maximum_ = 100;
    int increment_ = 1;
    int position_ = 0;
    bool wrapping_ = false;
};
