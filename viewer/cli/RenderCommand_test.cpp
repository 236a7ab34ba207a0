#include "RenderCommand.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

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
