#pragma once
#include <QTimer>
#include <QWidget>

#include "FieldPreview.h"
#include "GeneratorMonitor.h"

class QFrame;
class QLabel;
class QPushButton;
class PreviewBox;
class TCGauge;
class UpDown;

// The progress window of one generator: a gauge, a live colour preview of the result matrix,
// the number of colour steps and a Cancel button. It never calls the kernel; the front end's
// loop reads and writes its status word.
class TfrmWaitMessage : public QWidget, public GeneratorMonitor {
    Q_OBJECT
public:
    explicit TfrmWaitMessage(QWidget* parent = nullptr);

    GeneratorStatus GetStatus() const override { return status_; }
    void SetStatus(GeneratorStatus status) override { status_ = status; }
    void setProgress(int perMille) override;
    void GridPaint(int startRow, int startCol, int endCol, int endRow) override;

    void SetInitialValues(double** matrix, int disttype, double stddev, double avg, int nrows,
                          int ncols, int endCol, int startRow, int endRow, int startCol);

    // Closes the window for good; the front end calls it once the field is shut down.
    void Close();

    const FieldPreview& preview() const { return preview_; }
    int colourDepth() const { return preview_.colourDepth(); }

public slots:
    void btnCancelGenerationClick();
    void updwnColorDepthClick();
    void pntbxSinglePreviewClick();
    void FormShow();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The controls, found by the tests and the screenshot by their object names.
    QLabel* lblWaitMessage;
    TCGauge* cggGauge;
    QLabel* lblColPerChannel;
    QLabel* lblColorDepth;
    UpDown* updwnColorDepth;
    QPushButton* btnCancelGeneration;
    QFrame* pnlSinglePaintBox;
    PreviewBox* pntbxSinglePreview;

    void FormResize();
    void placePanel();
    void layOutPaintBox();
    void rescanScale();

    FieldPreview preview_;
    // The picture follows every step; the screen shows it at most every few frames, so that
    // small steps do not spend their time on repaints.
    QTimer previewRefresh_;
    GeneratorStatus status_ = GeneratorStatus::Idle;
    int nrows_ = 0;
    int ncols_ = 0;
    bool closing_ = false;
};
