#include "UserGuide.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

}  // namespace

TEST(UserGuide, AnInstalledProgramFindsTheGuideUnderItsPrefix) {
    QTemporaryDir prefix;
    const QString bin = prefix.filePath("bin");
    QDir().mkpath(bin);
    const QString installed = prefix.filePath("share/doc/tolmar-tools/guide/vistal.html");
    EXPECT_EQ(UserGuide::installedPage("vistal.html", bin), installed);
    EXPECT_EQ(UserGuide::findPage("vistal.html", bin), QString());
    touch(installed);
    EXPECT_EQ(UserGuide::findPage("vistal.html", bin), installed);
    EXPECT_EQ(UserGuide::findPage("linara.html", bin), QString());
}

TEST(UserGuide, AProgramInTheBuildTreeFindsTheBuildTreesGuideUnlessOneIsInstalledBesideIt) {
    QTemporaryDir tree;
    const QString program = tree.filePath("viewer");
    QDir().mkpath(program);
    const QString built = tree.filePath("docs/guide/vistal.html");
    touch(built);
    EXPECT_EQ(UserGuide::findPage("vistal.html", program), built);
    const QString installed = tree.filePath("share/doc/tolmar-tools/guide/vistal.html");
    touch(installed);
    EXPECT_EQ(UserGuide::findPage("vistal.html", program), installed);
}
