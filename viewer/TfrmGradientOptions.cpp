#include "TfrmGradientOptions.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "ArrowOverlay.h"
#include "NumberText.h"
#include "UserDialogs.h"

namespace {

// The room for the example arrows: both start 10 pixels from the left, 15 and 30 from the top.
constexpr QSize SampleSize(240, 45);

}  // namespace

TfrmGradientOptions::TfrmGradientOptions(UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), sample_(SampleSize, QImage::Format_RGB32) {
    setObjectName(QStringLiteral("frmGradientOptions"));
    setWindowTitle(QStringLiteral("Gradient Options"));
    setModal(true);

    // Optional digits, shown as "_" where none is typed.
    mskedtMinArrowLength = maskedEdit("mskedtMinArrowLength", QStringLiteral("000;_"));
    mskedtMaxArrowLength = maskedEdit("mskedtMaxArrowLength", QStringLiteral("000;_"));
    mskedtArrowThickness = maskedEdit("mskedtArrowThickness", QStringLiteral("0;_"));
    mskedtArrowPeakLength = maskedEdit("mskedtArrowPeakLength", QStringLiteral("00;_"));

    auto* grid = new QGridLayout;
    const auto row = [&](int index, const char* caption, QLineEdit* edit) {
        auto* label = new QLabel(QString::fromLatin1(caption), this);
        label->setBuddy(edit);
        grid->addWidget(label, index, 0);
        grid->addWidget(edit, index, 1);
    };
    row(0, "m&in. arrow length", mskedtMinArrowLength);
    row(1, "m&ax. arrow length", mskedtMaxArrowLength);
    row(2, "arrow &thickness", mskedtArrowThickness);
    row(3, "arrow &peak length", mskedtArrowPeakLength);

    imgArrowSample = new QLabel(this);
    imgArrowSample->setObjectName(QStringLiteral("imgArrowSample"));
    imgArrowSample->setFixedSize(SampleSize);

    btnColor = new QPushButton(QStringLiteral("&Color..."), this);
    btnColor->setObjectName(QStringLiteral("btnColor"));
    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);
    btnColor->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnColor);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QGridLayout(this);
    layout->addLayout(grid, 0, 0);
    layout->addWidget(imgArrowSample, 1, 0);
    layout->addLayout(buttons, 2, 0);

    connect(btnOK, &QPushButton::clicked, this, &TfrmGradientOptions::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmGradientOptions::btnCancelClick);
    connect(btnColor, &QPushButton::clicked, this, &TfrmGradientOptions::btnColorClick);
    for (QLineEdit* edit :
         {mskedtMinArrowLength, mskedtMaxArrowLength, mskedtArrowThickness, mskedtArrowPeakLength})
        connect(edit, &QLineEdit::editingFinished, this, &TfrmGradientOptions::DrawExamples);
    setOptions(ArrowOptions{});
}

QLineEdit* TfrmGradientOptions::maskedEdit(const char* name, const QString& mask) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setInputMask(mask);
    return edit;
}

void TfrmGradientOptions::setOptions(const ArrowOptions& options) {
    mskedtMinArrowLength->setText(QString::number(options.ArrowMinLength));
    mskedtMaxArrowLength->setText(QString::number(options.ArrowMaxLength));
    mskedtArrowThickness->setText(QString::number(options.ArrowThickness));
    mskedtArrowPeakLength->setText(QString::number(options.ArrowPeakLength));
    ArrowColor = options.ArrowColor;
}

ArrowOptions TfrmGradientOptions::options() const {
    ArrowOptions options;
    options.ArrowMinLength = parseInt(mskedtMinArrowLength->text().trimmed());
    options.ArrowMaxLength = parseInt(mskedtMaxArrowLength->text().trimmed());
    options.ArrowThickness = parseInt(mskedtArrowThickness->text().trimmed());
    options.ArrowPeakLength = parseInt(mskedtArrowPeakLength->text().trimmed());
    options.ArrowColor = ArrowColor;
    return options;
}

void TfrmGradientOptions::DrawExamples() {
    ArrowOptions shown;
    try {
        shown = options();
    } catch (const ConversionError& error) {
        dialogs_.message(QString::fromStdString(error.what()), QStringLiteral("Vistal"));
        return;
    }
    DrawArrowExamples(sample_, shown);
    imgArrowSample->setPixmap(QPixmap::fromImage(sample_));
    // Shown at once, without handling other pending events in the middle of a dialog's start.
    if (imgArrowSample->isVisible()) imgArrowSample->repaint();
}

void TfrmGradientOptions::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    DrawExamples();
}

void TfrmGradientOptions::btnOKClick() {
    choice = Choice::Accepted;
    close();
}

void TfrmGradientOptions::btnCancelClick() {
    choice = Choice::Cancelled;
    close();
}

void TfrmGradientOptions::btnColorClick() {
    if (const auto chosen = dialogs_.chooseColour(ArrowColor)) ArrowColor = *chosen;
    DrawExamples();
}
