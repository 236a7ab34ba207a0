#pragma once
#include <QWidget>

class QLineEdit;
class QToolButton;

// A pair of arrow buttons that steps an integer position within
// [minimum, maximum] without wrapping and shows it in an associated edit.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    void setAssociate(QLineEdit* edit) { associate_ = edit; }
    void setRange(int minimum, int maximum);
    void setIncrement(int increment) { increment_ = increment; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int position() const { return position_; }
    // Sets the position (clamped) and writes it into the associated edit.
    void setPosition(int position);
    // Sets the position (clamped) without touching the associated edit.
    void setPositionOnly(int position);
    // Takes the position from the associated edit's text: a whole number is
    // clamped into the range, anything else keeps the current position.
    void takePositionFromAssociate();
    // Steps as a click on an arrow does, then emits clicked().
    void stepUp();
    void stepDown();

signals:
    void clicked();

private:
    QLineEdit* associate_ = nullptr;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_ = 0;
    int maximum_ = 100;
    int increment_ = 1;
    int position_ = 0;
};
