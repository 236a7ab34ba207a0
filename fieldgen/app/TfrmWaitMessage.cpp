#include "TfrmWaitMessage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "PreviewBox.h"
#include "TCGauge.h"
#include "UpDown.h"

namespace {

constexpr int PanelLeft = 144;
constexpr int PanelTop = 64;
constexpr int PanelGap = 12;
const QSize MinimumClient(313, 208);

}  // namespace

TfrmWaitMessage::TfrmWaitMessage(QWidget* parent)
    : QWidget(parent, Qt::Window),
      lblWaitMessage(
          new QLabel(QStringLiteral("please wait while the field is generated..."), this)),
      cggGauge(new TCGauge(this)),
      lblColPerChannel(new QLabel(QStringLiteral("Colors per Channel"), this)),
      lblColorDepth(new QLabel(QStringLiteral("256"), this)),
      updwnColorDepth(new UpDown(this)),
      btnCancelGeneration(new QPushButton(QStringLiteral("Cancel"), this)),
      pnlSinglePaintBox(new QFrame(this)),
      pntbxSinglePreview(new PreviewBox(pnlSinglePaintBox)) {
    setWindowTitle(QStringLiteral("Field Generator"));
    lblWaitMessage->setObjectName(QStringLiteral("lblWaitMessage"));
    lblWaitMessage->setGeometry(10, 8, 340, 20);

    cggGauge->setObjectName(QStringLiteral("cggGauge"));
    cggGauge->setMinValue(0);
    cggGauge->setMaxValue(1000);
    cggGauge->setForeColor(QColor(0, 0, 128));  // navy
    QFont gaugeFont = cggGauge->font();
    gaugeFont.setBold(true);
    cggGauge->setFont(gaugeFont);
    QPalette gaugeColours = cggGauge->palette();
    gaugeColours.setColor(QPalette::WindowText, QColor(0, 128, 128));  // teal
    cggGauge->setPalette(gaugeColours);
    cggGauge->setGeometry(10, 32, 340, 22);

    lblColPerChannel->setObjectName(QStringLiteral("lblColPerChannel"));
    lblColPerChannel->setGeometry(10, 72, 128, 18);
    lblColorDepth->setObjectName(QStringLiteral("lblColorDepth"));
    QFont depthFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    depthFont.setBold(true);
    lblColorDepth->setFont(depthFont);
    lblColorDepth->setGeometry(10, 96, 40, 24);
    updwnColorDepth->setObjectName(QStringLiteral("updwnColorDepth"));
    updwnColorDepth->setRange(2, 256);
    updwnColorDepth->setIncrement(2);
    updwnColorDepth->setWrapping(true);
    updwnColorDepth->setPosition(256);
    updwnColorDepth->setGeometry(56, 94, 18, 28);

    btnCancelGeneration->setObjectName(QStringLiteral("btnCancelGeneration"));
    btnCancelGeneration->setGeometry(10, 150, 100, 28);

    pnlSinglePaintBox->setObjectName(QStringLiteral("pnlSinglePaintBox"));
    pnlSinglePaintBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlSinglePaintBox->setAutoFillBackground(true);
    QPalette white = pnlSinglePaintBox->palette();
    white.setColor(QPalette::Window, Qt::white);
    pnlSinglePaintBox->setPalette(white);
    pnlSinglePaintBox->setGeometry(PanelLeft, PanelTop, 128, 128);
    pntbxSinglePreview->setObjectName(QStringLiteral("pntbxSinglePreview"));
    pntbxSinglePreview->setGeometry(2, 2, 124, 124);
    pntbxSinglePreview->setPicture(&preview_.image());

    previewRefresh_.setSingleShot(true);
    previewRefresh_.setInterval(40);
    connect(&previewRefresh_, &QTimer::timeout, pntbxSinglePreview, qOverload<>(&QWidget::update));
    connect(btnCancelGeneration, &QPushButton::clicked, this,
            &TfrmWaitMessage::btnCancelGenerationClick);
    connect(updwnColorDepth, &UpDown::clicked, this, &TfrmWaitMessage::updwnColorDepthClick);
    connect(pntbxSinglePreview, &PreviewBox::clicked, this,
            &TfrmWaitMessage::pntbxSinglePreviewClick);
}

void TfrmWaitMessage::setProgress(int perMille) { cggGauge->setProgress(perMille); }

void TfrmWaitMessage::SetInitialValues(double** matrix, int disttype, double stddev, double avg,
                                       int nrows, int ncols, int endCol, int startRow, int endRow,
                                       int startCol) {
    lblColorDepth->setText(QStringLiteral("256"));
    updwnColorDepth->setPosition(256);
    nrows_ = nrows;
    ncols_ = ncols;
    preview_.setInitialValues(matrix, disttype, stddev, avg, nrows, ncols, endCol, startRow, endRow,
                              startCol);
    layOutPaintBox();
}

void TfrmWaitMessage::GridPaint(int startRow, int startCol, int endCol, int endRow) {
    preview_.GridPaint(startRow, startCol, endCol, endRow);
    if (!previewRefresh_.isActive()) previewRefresh_.start();
}

void TfrmWaitMessage::btnCancelGenerationClick() {
    if (status_ == GeneratorStatus::Running) status_ = GeneratorStatus::Cancelled;
}

void TfrmWaitMessage::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    // The window stays; the front end closes it once it has discarded the field.
    btnCancelGenerationClick();
    event->ignore();
}

void TfrmWaitMessage::Close() {
    closing_ = true;
    close();
}

void TfrmWaitMessage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        btnCancelGeneration->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfrmWaitMessage::updwnColorDepthClick() {
    const int old = preview_.colourDepth();
    const int position = updwnColorDepth->position();
    int depth = old;
    if ((old == 2 && position == 256) || (old == 256 && position == 2))
        depth = position;
    else if (position < old)
        depth = std::max(2, old / 2);
    else if (position > old)
        depth = std::min(256, old * 2);
    preview_.setColourDepth(depth);
    updwnColorDepth->setPosition(depth);
    lblColorDepth->setText(QString::number(depth));
    rescanScale();
}

void TfrmWaitMessage::pntbxSinglePreviewClick() { rescanScale(); }

void TfrmWaitMessage::rescanScale() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    preview_.rescan();
    pntbxSinglePreview->update();
    QApplication::restoreOverrideCursor();
}

void TfrmWaitMessage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmWaitMessage::FormShow() {
    resize(370, 300);
    placePanel();
    cggGauge->setGeometry(10, cggGauge->y(), width() - 20, cggGauge->height());
    layOutPaintBox();
}

void TfrmWaitMessage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

void TfrmWaitMessage::FormResize() {
    if (width() < MinimumClient.width() || height() < MinimumClient.height()) {
        resize(width() < MinimumClient.width() ? MinimumClient.width() : width(),
               height() < MinimumClient.height() ? MinimumClient.height() : height());
        return;  // the resize comes back here with the enlarged size
    }
    placePanel();
    cggGauge->setGeometry(10, cggGauge->y(), width() - 20, cggGauge->height());
    layOutPaintBox();
}

void TfrmWaitMessage::placePanel() {
    const int side = std::min(width() - PanelLeft - PanelGap, height() - PanelTop - PanelGap);
    pnlSinglePaintBox->setGeometry(PanelLeft, PanelTop, std::max(side, 8), std::max(side, 8));
    btnCancelGeneration->move(10, height() - btnCancelGeneration->height() - PanelGap);
}

void TfrmWaitMessage::layOutPaintBox() {
    const QRect box = FieldPreview::boxGeometry(pnlSinglePaintBox->size(), nrows_, ncols_);
    pntbxSinglePreview->setGeometry(box);
    preview_.setBoxSize(box.size());
    pntbxSinglePreview->update();
}
