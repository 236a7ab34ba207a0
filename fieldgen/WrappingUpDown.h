#pragma once
#include <QWidget>

class QToolButton;

// A pair of arrow buttons that steps an integer position by its increment within
// [minimum, maximum]; a step past one end wraps around to the other end.
class WrappingUpDown : public QWidget {
    Q_OBJECT
public:
    explicit WrappingUpDown(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    void setIncrement(int increment) { increment_ = increment; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int increment() const { return increment_; }
    int position() const { return position_; }
    void setPosition(int position);
    // Step as a click on an arrow does, then emit clicked().
    void stepUp();
    void stepDown();

signals:
    void clicked();

private:
    QToolButton* up_;
    QToolButton* down_;
    int minimum_ = 0;
    int maximum_ = 100;
    int increment_ = 1;
    int position_ = 0;
};
