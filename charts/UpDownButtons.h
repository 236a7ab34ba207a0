#pragma once
// Two arrow buttons that step a whole number within a range, without wrapping, and write it
// into an edit beside them; the Up and Down keys in that edit step as well.
#include <QWidget>

class QLineEdit;
class QToolButton;

class UpDownButtons : public QWidget {
    Q_OBJECT
public:
    UpDownButtons(QLineEdit& associate, int minimum, int maximum, int position,
                  QWidget* parent = nullptr);

    int position() const { return position_; }
    // Clamps into the range, shows the position in the edit and tells positionChanged.
    void setPosition(int position);

signals:
    void positionChanged(int position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit& associate_;
    int minimum_;
    int maximum_;
    int position_;
};
