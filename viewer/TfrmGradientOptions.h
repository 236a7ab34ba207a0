#pragma once
#include <QDialog>
#include <QImage>

#include "ArrowOptions.h"

class QLabel;
class QLineEdit;
class QPushButton;
class UserDialogs;

// The arrow options dialog "Gradient Options": the four lengths and widths in masked edits, two
// example arrows, and the colour of the examples.
class TfrmGradientOptions : public QDialog {
    Q_OBJECT
public:
    TfrmGradientOptions(UserDialogs& dialogs, QWidget* parent = nullptr);

    // Puts the options into the edits and keeps their colour.
    void setOptions(const ArrowOptions& options);
    // The edits' numbers (trimmed) and the colour; throws ConversionError when an edit holds no
    // number.
    ArrowOptions options() const;

    enum class Choice { Cancelled, Accepted };
    // Accepted after OK, Cancelled after Cancel; closing with the window's close box leaves it
    // as it was.
    Choice choice = Choice::Cancelled;

    // The example arrows as drawn last.
    const QImage& exampleImage() const { return sample_; }

public slots:
    void DrawExamples();

private slots:
    void btnOKClick();
    void btnCancelClick();
    void btnColorClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* maskedEdit(const char* name, const QString& mask);

    UserDialogs& dialogs_;
    Colour ArrowColor = ArrowOptions{}.ArrowColor;
    QImage sample_;

    QLineEdit* mskedtMinArrowLength = nullptr;
    QLineEdit* mskedtMaxArrowLength = nullptr;
    QLineEdit* mskedtArrowThickness = nullptr;
    QLineEdit* mskedtArrowPeakLength = nullptr;
    QLabel* imgArrowSample = nullptr;
    QPushButton* btnColor = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
};
