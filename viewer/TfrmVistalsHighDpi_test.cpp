// The main window at a scale factor of 1.5 (set by the test's environment) on a 1920 x 1080
// screen: the first size fits the screen, every geometry rule stays in logical pixels, and only
// the picture's final display is enlarged, sharply.
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <set>

#include "GridPaint.h"
#include "VistalsWindowTesting.h"

namespace {

const QByteArray gridText =
    "ncols 4\nnrows 4\nxllcorner 0\nyllcorner 0\ncellsize 10\nnodata_value -9999\n"
    "0 1 2 3\n4 5 -9999 7\n8 9 10 11\n12 13 14 15\n";

class ScaledWindow : public VistalsWindowTest {};

}  // namespace

TEST_F(ScaledWindow, RunsAtTheScaleFactor) { ASSERT_DOUBLE_EQ(window.devicePixelRatioF(), 1.5); }

TEST_F(ScaledWindow, FirstSizeFitsTheAvailableScreen) {
    const QRect available = window.screen()->availableGeometry();
    ASSERT_LT(available.height(), 819);  // 1080 device pixels are 720 logical ones
    start();
    EXPECT_LE(window.frameGeometry().width(), available.width());
    EXPECT_LE(window.frameGeometry().height(), available.height());
    EXPECT_GE(window.width(), 900);
    EXPECT_GE(window.height(), 600);
}

TEST_F(ScaledWindow, GeometryStaysLogicalAndThePictureSharp) {
    window.resize(1000, 650);
    start({file("grid.asc", gridText)});
    action("miDrawGridLines")->trigger();
    // The picture has the paint box's logical size and the cells their scale-1 places.
    ASSERT_EQ(picture()->canvas().size(), picture()->size());
    ViewWindow view;
    FitPage(view, 4, 4);
    FitWindow(view, picture()->width(), picture()->height());
    EXPECT_EQ(pixel(QPoint(view.columnRight(0) - 1, view.rowTop(0) + 5)), 0x808080u);
    pointAt(QPoint(0, 0));
    EXPECT_EQ(text("edtXCol"), "1");
    EXPECT_EQ(text("edtYCoord"), "40");
    pointAt(QPoint(view.DrawWidth - 1, view.DrawHeight - 1));
    EXPECT_EQ(text("edtXCol"), "4");
    EXPECT_EQ(text("edtYCol"), "4");

    // Shown at 1.5, every device pixel takes the colour of one logical pixel: no blends.
    const QImage shown = picture()->grab().toImage();
    ASSERT_EQ(shown.width(), qRound(picture()->width() * 1.5));
    std::set<QRgb> drawn;
    const QImage& canvas = picture()->canvas();
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) drawn.insert(canvas.pixel(x, y) & 0xFFFFFF);
    int foreign = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (!drawn.count(shown.pixel(x, y) & 0xFFFFFF)) ++foreign;
    EXPECT_EQ(foreign, 0);
}

// Run without a scale factor (the second test entry): the screen has room for the design size.
TEST(LargeScreenWindow, OpensAtTheDesignSize) {
    ScriptedDialogs dialogs;
    RecordingCommands commands;
    TfrmVistals window(dialogs, commands);
    ASSERT_DOUBLE_EQ(window.devicePixelRatioF(), 1.0);
    EXPECT_EQ(window.size(), QSize(1316, 819));
}

// The offscreen platform on a screen of 1920 x 1080 device pixels.
int main(int argc, char** argv) {
    QTemporaryDir folder;
    const QString config = folder.filePath("screen.json");
    QFile file(config);
    file.open(QIODevice::WriteOnly);
    file.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1920, "height": 1080,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
