#include "RenderCommand.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>

#include "ClassBounds.h"
#include "CommandArguments.h"
#include "PaletteSet.h"

namespace {

struct JobRun {
    int code;
    QString out;
    QString err;
};

JobRun render(const QStringList& args) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = runRenderCommand(args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

const QString sample = QStringLiteral(TOLMAR_SAMPLES "/terrain.asc");
const QString stack = QStringLiteral(TOLMAR_SAMPLES "/heads_stack.asc");

}  // namespace

TEST(RenderCommand, WritesThePictureOfTheAskedSizeWithTheLegendBesideIt) {
    QTemporaryDir dir;
    const QString target = dir.filePath("terrain.png");
    const JobRun run = render({"--render", sample, target, "--size", "240x160", "--palette", "4"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.trimmed(), target);
    const QImage picture(target);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), 240 + 107);
    EXPECT_GE(picture.height(), 160);
    // Palette 4 is black to white: every painted cell is a gray.
    const QRgb cell = picture.pixel(20, 20);
    EXPECT_EQ(qRed(cell), qGreen(cell));
    EXPECT_EQ(qGreen(cell), qBlue(cell));
}

// A tiny grid with nodata cells and negative and fractional bounds, rendered small, against the
// picture committed beside this test. Exact to the pixel; it also runs at a 1.5 scale factor,
// where the picture must stay the same (logical pixels).
TEST(RenderReference, TinyGridMatchesTheCommittedPicture) {
    QTemporaryDir dir;
    const QString target = dir.filePath("tiny.png");
    const JobRun run = render({"--render", QStringLiteral(TOLMAR_CLI_TESTDATA "/tiny.asc"), target,
                               "--size", "60x40", "--palette", "2"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QImage expected = QImage(QStringLiteral(TOLMAR_CLI_TESTDATA "/tiny_palette2_60x40.png"))
                                .convertToFormat(QImage::Format_RGB32);
    const QImage actual = QImage(target).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(expected.isNull());
    ASSERT_EQ(actual.size(), expected.size());
    int differing = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y) && differing++ == 0)
                first = QPoint(x, y);
    if (differing > 0) actual.save(QDir::temp().filePath("tiny_palette2_60x40.actual.png"));
    EXPECT_EQ(differing, 0) << "first at " << first.x() << "," << first.y()
                            << "; the picture is in the temporary folder";
}

TEST(RenderCommand, PaintsWithoutTheWindowWhatTheLegendPainterPaints) {
    GridDocument doc;
    QTemporaryDir dir;
    QFile file(dir.filePath("g.asc"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "ncols 2\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 1\nnodata_value -9999\n"
        "-12345678 0\n5 -9999\n");
    file.close();
    QString err;
    QTextStream errStream(&err);
    loadForCommand(doc, file.fileName(), std::nullopt, errStream, NetcdfLevelReader());
    const LegendStyle style = LegendStyleOf(QGuiApplication::palette(), QGuiApplication::font());
    const QImage picture = RenderGridPicture(doc, RenderPalettes(), 0, QSize(50, 50), style);
    // The legend widens for "-1.234568e+07" and sits right of the picture, as high as the
    // window's legend.
    const std::vector<QString> labels = UpdateLegendValues(doc.statistics, false, 0, 0).labels;
    EXPECT_EQ(labels.front(), "-1.234568e+07");
    const int legendWidth = LegendWidth(labels, style.font);
    EXPECT_GT(legendWidth, 107);
    ASSERT_EQ(picture.size(), QSize(50 + legendWidth, RenderLegendHeight));
    LegendContent legend;
    PaletteSet palettes;
    palettes.BuildPalettes(1.0);
    legend.colours = palettes.Palettes[0];
    legend.labels = labels;
    EXPECT_EQ(picture.copy(50, 0, legendWidth, RenderLegendHeight),
              LegendPicture(RenderLegendHeight, legend, style));
    // The lowest class's colour at the lowest cell; the nodata cell erased to silver.
    EXPECT_EQ(picture.pixel(10, 10) & 0xFFFFFF, palettes.Palettes[0][0].argb() & 0xFFFFFF);
    EXPECT_EQ(picture.pixel(35, 35) & 0xFFFFFF, 0xC0C0C0u);
}

TEST(RenderCommand, RejectsBadOptionsWithAMessage) {
    QTemporaryDir dir;
    const QString target = dir.filePath("x.png");
    JobRun run = render({"--render", sample, target, "--size", "huge"});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains("--size")) << run.err.toStdString();
    run = render({"--render", sample, target, "--palette", "9"});
    EXPECT_EQ(run.code, 1);
    run = render({"--render", sample, target, "--level", "1"});  // not a stack
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(render({"--render", stack, target, "--level", "2"}).code, 0);
    const QString missingTarget = dir.filePath("missing.png");
    run = render({"--render", dir.filePath("missing.asc"), missingTarget});
    EXPECT_EQ(run.code, 1);
    EXPECT_FALSE(QFile::exists(missingTarget));
}

TEST(RenderCommand, NumbersThePaletteFilesOfTheRememberedFolderAfterTheBuiltInOnes) {
    QTemporaryDir palettes;
    ASSERT_TRUE(QFile::copy(QStringLiteral(TOLMAR_SAMPLES "/palettes/earth.vlp"),
                            palettes.filePath("earth.vlp")));
    QSettings user(QSettings::UserScope, "Tolmar-Tools");
    user.setValue("PalettePath", palettes.path());
    user.sync();
    QTemporaryDir dir;
    const QString target = dir.filePath("earth.png");
    const JobRun run = render({"--render", sample, target, "--size", "240x160", "--palette", "7"});
    user.remove("PalettePath");
    user.sync();
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    // The legend's lowest box has the file's first colour, dark brown (0x0A325A as 0x00BBGGRR).
    const QImage picture(target);
    bool found = false;
    for (int y = 0; y < picture.height() && !found; ++y)
        found = (picture.pixel(240 + 20, y) & 0xFFFFFF) == 0x5A320Au;
    EXPECT_TRUE(found);
    EXPECT_EQ(render({"--render", sample, target, "--palette", "7"}).code, 1);
}

namespace {

// An ASCII grid of 6 x 6 cells, the value of cell (i, j) being a * j + b * i + c.
QString writeGrid(const QTemporaryDir& dir, const char* name, double a, double b, double c,
                  const char* xll = "0") {
    QByteArray text = QByteArray("ncols 6\nnrows 6\nxllcorner ") + xll +
                      "\nyllcorner 0\ncellsize 1\nnodata_value -9999\n";
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) text += QByteArray::number(a * j + b * i + c) + " ";
        text += "\n";
    }
    QFile file(dir.filePath(QString::fromLatin1(name)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return file.fileName();
}

// Pixels of the picture (left of the legend) in the steepest arrows' red.
int redPixels(const QString& png, int pictureWidth) {
    const QImage image(png);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < pictureWidth; ++x) count += (image.pixel(x, y) & 0xFFFFFF) == 0xFF0F0Fu;
    return count;
}

// The pixel (x, y) or one of the pixels above and below it is red.
bool redNear(const QImage& image, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        if ((image.pixel(x, y + dy) & 0xFFFFFF) == 0xFF0F0Fu) return true;
    return false;
}

}  // namespace

TEST(RenderArrowsCommand, GradientsAndFlowArrowsOverThePicture) {
    QTemporaryDir dir;
    const QString plane = writeGrid(dir, "plane.asc", 2, 0, 0);
    const QString target = dir.filePath("out.png");
    ASSERT_EQ(render({"--render", plane, target, "--size", "300x300"}).code, 0);
    EXPECT_EQ(redPixels(target, 300), 0);
    JobRun run = render({"--render", plane, target, "--size", "300x300", "--gradients"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const int gradientPixels = redPixels(target, 300);
    EXPECT_GT(gradientPixels, 0);
    // A picture of 299 x 299 pixels, cells of 49.8: the arrow of cell (2, 1) points left from
    // its centre (75, 125), 60 pixels; the border cells have none.
    const QImage gradientPicture(target);
    EXPECT_TRUE(redNear(gradientPicture, 20, 125));
    EXPECT_FALSE(redNear(gradientPicture, 10, 125));
    EXPECT_FALSE(redNear(gradientPicture, 125, 100));
    EXPECT_FALSE(redNear(gradientPicture, 270, 275));

    const QString x = writeGrid(dir, "x.asc", 0, 0, 1);
    const QString y = writeGrid(dir, "y.asc", 0, 0, 0);
    run = render({"--render", plane, target, "--size", "300x300", "--flow", x, y});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QImage flowPicture(target);
    // From the lower right corner of cell (0, 0), (49, 49), to the right; border cells too.
    EXPECT_TRUE(redNear(flowPicture, 80, 49));
    EXPECT_TRUE(redNear(flowPicture, 80, 298));
    EXPECT_FALSE(redNear(flowPicture, 30, 49));
}

TEST(RenderArrowsCommand, RefusesComponentsOfAnotherGeometryAndBadFlowOptions) {
    QTemporaryDir dir;
    const QString plane = writeGrid(dir, "plane.asc", 2, 0, 0);
    const QString shifted = writeGrid(dir, "shifted.asc", 0, 0, 1, "0.5");
    const QString target = dir.filePath("out.png");
    JobRun run = render({"--render", plane, target, "--flow", plane, shifted});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains("does not match")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(render({"--render", plane, target, "--flow", plane}).code, 1);
    EXPECT_EQ(render({"--render", plane, target, "--flow", plane, "--gradients"}).code, 1);
    EXPECT_EQ(render({"--render", plane, target, "--gradients", "--flow", plane, plane}).code, 1);
    EXPECT_FALSE(QFile::exists(target));
}

// The job paints without any widget or window: an application-wide filter sees no event of
// either, and none is left behind.
TEST(RenderCommand, CreatesNoWidgetAndNoWindow) {
    struct WidgetWatch : QObject {
        int events = 0;
        bool eventFilter(QObject* watched, QEvent*) override {
            if (watched->isWidgetType() || watched->isWindowType()) ++events;
            return false;
        }
    } watch;
    const auto widgetsBefore = QApplication::allWidgets().size();
    QTemporaryDir dir;
    QApplication::instance()->installEventFilter(&watch);
    const JobRun run = render({"--render", sample, dir.filePath("t.png"), "--gradients"});
    QApplication::instance()->removeEventFilter(&watch);
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_EQ(watch.events, 0);
    EXPECT_EQ(QApplication::allWidgets().size(), widgetsBefore);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    EXPECT_TRUE(QGuiApplication::allWindows().isEmpty());
}
