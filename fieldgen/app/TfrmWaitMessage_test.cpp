#include "TfrmWaitMessage.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "FieldGenTesting.h"
#include "PreviewBox.h"
#include "TCGauge.h"
#include "UpDown.h"

namespace {

// A control of the window, by its object name.
template <class Control>
Control* part(QWidget& window, const char* name) {
    auto* found = window.findChild<Control*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

}  // namespace

TEST(TfrmWaitMessage, ControlsCarryTheirTextsAndRanges) {
    TfrmWaitMessage window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Field Generator"));
    EXPECT_EQ(part<QLabel>(window, "lblWaitMessage")->text(),
              QStringLiteral("please wait while the field is generated..."));
    EXPECT_EQ(part<QLabel>(window, "lblColorDepth")->text(), QStringLiteral("256"));
    EXPECT_EQ(part<TCGauge>(window, "cggGauge")->MinValue(), 0);
    EXPECT_EQ(part<TCGauge>(window, "cggGauge")->MaxValue(), 1000);
    EXPECT_EQ(part<TCGauge>(window, "cggGauge")->ForeColor(), QColor(0, 0, 128));
    EXPECT_EQ(part<UpDown>(window, "updwnColorDepth")->minimum(), 2);
    EXPECT_EQ(part<UpDown>(window, "updwnColorDepth")->maximum(), 256);
    EXPECT_EQ(part<UpDown>(window, "updwnColorDepth")->increment(), 2);
    EXPECT_EQ(part<UpDown>(window, "updwnColorDepth")->position(), 256);
}

TEST(TfrmWaitMessage, CancelAndClosingMarkARunningGeneratorCancelledAndKeepTheWindow) {
    TfrmWaitMessage window;
    window.show();
    window.SetStatus(GeneratorStatus::Finished);
    part<QPushButton>(window, "btnCancelGeneration")->click();
    EXPECT_EQ(window.GetStatus(),
              GeneratorStatus::Finished);  // only a running generator is cancelled
    window.SetStatus(GeneratorStatus::Running);
    part<QPushButton>(window, "btnCancelGeneration")->click();
    EXPECT_EQ(window.GetStatus(), GeneratorStatus::Cancelled);

    window.SetStatus(GeneratorStatus::Running);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.GetStatus(), GeneratorStatus::Cancelled);

    window.SetStatus(GeneratorStatus::Running);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(window.GetStatus(), GeneratorStatus::Cancelled);

    window.Close();
    EXPECT_FALSE(window.isVisible());
}

TEST(TfrmWaitMessage, TheColourDepthHalvesDoublesAndWraps) {
    Matrix matrix(2, 2);
    TfrmWaitMessage window;
    window.SetInitialValues(matrix.table(), 0, 1.0, 0.0, 2, 2, 0, 0, 0, 1);
    part<UpDown>(window, "updwnColorDepth")->stepDown();
    EXPECT_EQ(window.colourDepth(), 128);
    EXPECT_EQ(part<QLabel>(window, "lblColorDepth")->text(), QStringLiteral("128"));
    EXPECT_EQ(part<UpDown>(window, "updwnColorDepth")->position(), 128);
    for (int i = 0; i < 6; ++i) part<UpDown>(window, "updwnColorDepth")->stepDown();
    EXPECT_EQ(window.colourDepth(), 2);
    part<UpDown>(window, "updwnColorDepth")->stepDown();
    EXPECT_EQ(window.colourDepth(), 256);
    part<UpDown>(window, "updwnColorDepth")->stepUp();
    EXPECT_EQ(window.colourDepth(), 2);
    EXPECT_EQ(part<QLabel>(window, "lblColorDepth")->text(), QStringLiteral("2"));
    part<UpDown>(window, "updwnColorDepth")->stepUp();
    EXPECT_EQ(window.colourDepth(), 4);
    // A new generator starts at 256 again.
    window.SetInitialValues(matrix.table(), 0, 1.0, 0.0, 2, 2, 0, 0, 0, 1);
    EXPECT_EQ(window.colourDepth(), 256);
    EXPECT_EQ(part<UpDown>(window, "updwnColorDepth")->position(), 256);
}

TEST(TfrmWaitMessage, ShowingAndResizingPlaceThePanelSquareAndKeepTheMinimum) {
    Matrix matrix(50, 100);
    TfrmWaitMessage window;
    window.SetInitialValues(matrix.table(), 0, 1.0, 0.0, 50, 100, 0, 0, 0, 1);
    window.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.size(), QSize(370, 300));
    // width 370 - 144 - 12 = 214, height 300 - 64 - 12 = 224: square of 214.
    EXPECT_EQ(part<QFrame>(window, "pnlSinglePaintBox")->geometry(), QRect(144, 64, 214, 214));
    EXPECT_EQ(part<TCGauge>(window, "cggGauge")->width(), 350);
    EXPECT_EQ(part<TCGauge>(window, "cggGauge")->x(), 10);
    // More columns than rows: as wide as the panel, half as high, centred.
    EXPECT_EQ(part<PreviewBox>(window, "pntbxSinglePreview")->geometry(),
              FieldPreview::boxGeometry(QSize(214, 214), 50, 100));
    EXPECT_EQ(part<PreviewBox>(window, "pntbxSinglePreview")->width(), 212);
    EXPECT_EQ(window.preview().image().size(),
              part<PreviewBox>(window, "pntbxSinglePreview")->size());

    window.resize(200, 100);
    QCoreApplication::processEvents();
    EXPECT_GE(window.width(), 313);
    EXPECT_GE(window.height(), 208);
    window.resize(500, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(part<QFrame>(window, "pnlSinglePaintBox")->geometry(), QRect(144, 64, 324, 324));
    EXPECT_EQ(part<TCGauge>(window, "cggGauge")->width(), 480);
}

TEST(TfrmWaitMessage, TheGaugeTakesPerMilleAndThePreviewTheComputedCells) {
    Matrix matrix(2, 2);
    matrix.cells[1][1] = 5.0;
    TfrmWaitMessage window;
    window.SetInitialValues(matrix.table(), 0, 1.0, 0.0, 2, 2, 0, 0, 0, 1);
    window.show();
    QCoreApplication::processEvents();
    window.setProgress(1200);
    EXPECT_EQ(part<TCGauge>(window, "cggGauge")->Progress(), 1000);
    window.GridPaint(1, 1, 1, 1);
    EXPECT_GT(window.preview().scale().max, 5.0);
    // The click on the preview fits the scale to what is computed: just cell (1, 1).
    QTest::mouseClick(part<PreviewBox>(window, "pntbxSinglePreview"), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(window.preview().scale().min, 5.0);
    EXPECT_DOUBLE_EQ(window.preview().scale().max, 5.0);
    const QImage shown = part<PreviewBox>(window, "pntbxSinglePreview")->grab().toImage();
    EXPECT_EQ(shown.pixelColor(10, 10), QColor(255, 235, 255));
}
