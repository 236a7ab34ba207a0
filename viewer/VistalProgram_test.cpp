// The vistal program as users start it: jobs without pictures load neither GUI nor netCDF
// libraries, netCDF files and the window come from the program's modules.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <netcdf>

#include "TestGridFiles.h"

namespace {

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs `program` with `arguments`; with `traceLibraries` the dynamic loader reports every
// library it loads on standard error.
ProgramRun run(const QString& program, const QStringList& arguments, bool traceLibraries = false) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    if (traceLibraries) environment.insert("LD_DEBUG", "libs");
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

ProgramRun vistal(const QStringList& arguments, bool traceLibraries = false) {
    return run(QStringLiteral(VISTAL_PROGRAM), arguments, traceLibraries);
}

// The libraries the loader reported loading ("calling init: /path/libX.so.N").
QStringList loadedLibraries(const QString& trace) {
    QStringList libraries;
    for (const QString& line : trace.split('\n'))
        if (const qsizetype at = line.indexOf("calling init: "); at >= 0)
            libraries << QDir(line.mid(at + 14).trimmed()).dirName();
    return libraries;
}

bool loads(const QStringList& libraries, const QString& prefix) {
    return std::any_of(libraries.begin(), libraries.end(),
                       [&](const QString& library) { return library.startsWith(prefix); });
}

const QByteArray grid2x3 = "ncols 3\nnrows 2\nxll 0\nyll 0\ncs 1\nnodata -9999\n1 2 3\n4 -9999 6\n";

}  // namespace

TEST(VistalProgram, JobsWithoutPicturesLoadNeitherGuiNorNetcdfLibraries) {
    TestFolder folder;
    const QString grid = folder.write("grid.asc", grid2x3);
    const ProgramRun info = vistal({"--info", grid}, true);
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains("\"Sum\": 16")) << info.out.toStdString();
    const ProgramRun convert =
        vistal({"--convert", grid, folder.path("grid.flt"), "--to", "single"}, true);
    ASSERT_EQ(convert.exitCode, 0) << convert.err.toStdString();
    for (const ProgramRun* job : {&info, &convert}) {
        const QStringList libraries = loadedLibraries(job->err);
        EXPECT_TRUE(loads(libraries, "libQt6Core")) << libraries.join(' ').toStdString();
        for (const char* unused : {"libQt6Gui", "libQt6Widgets", "libnetcdf", "libQCustomPlot"})
            EXPECT_FALSE(loads(libraries, unused)) << unused;
    }
}

TEST(VistalProgram, NetcdfFilesAreReadThroughTheNetcdfModule) {
    TestFolder folder;
    const QString path = folder.path("levels.nc");
    {
        netCDF::NcFile file(path.toStdString(), netCDF::NcFile::replace, netCDF::NcFile::nc4);
        const std::vector<netCDF::NcDim> dimensions{file.addDim("t", 2), file.addDim("y", 2),
                                                    file.addDim("x", 3)};
        const std::vector<double> values{1, 2, 3, 4, 5, 6, 10, 20, 30, 40, 50, 60};
        file.addVar("v", netCDF::ncDouble, dimensions).putVar(values.data());
    }
    const ProgramRun info = vistal({"--info", path, "--level", "1"}, true);
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains("\"format\": \"netCDF\"")) << info.out.toStdString();
    EXPECT_TRUE(info.out.contains("\"levels\": 2"));
    EXPECT_TRUE(info.out.contains("\"Sum\": 210")) << info.out.toStdString();
    const QStringList libraries = loadedLibraries(info.err);
    EXPECT_TRUE(loads(libraries, "vistal-netcdf.so"));
    EXPECT_FALSE(loads(libraries, "libQt6Gui"));
}

TEST(VistalProgram, TheWindowAndPicturesComeFromTheWindowModule) {
    TestFolder folder;
    const QString grid = folder.write("grid.asc", grid2x3);
    const ProgramRun render =
        vistal({"--render", grid, folder.path("grid.png"), "--size", "60x40"});
    ASSERT_EQ(render.exitCode, 0) << render.err.toStdString();
    EXPECT_EQ(QImage(folder.path("grid.png")).height(), 667);  // the legend's height
    const ProgramRun window = vistal({"--screenshot", folder.path("window.png"), grid});
    ASSERT_EQ(window.exitCode, 0) << window.err.toStdString();
    EXPECT_EQ(QImage(folder.path("window.png")).size(), QSize(1316, 819));
}

TEST(VistalProgram, AMissingModuleIsReportedByName) {
    TestFolder folder;
    const QString alone = folder.path("vistal");
    ASSERT_TRUE(QFile::copy(QStringLiteral(VISTAL_PROGRAM), alone));
    const ProgramRun window = run(alone, {});
    EXPECT_EQ(window.exitCode, 1);
    EXPECT_TRUE(window.err.startsWith("vistal: vistal-window.so is missing"))
        << window.err.toStdString();
    // Jobs without pictures do not need it.
    EXPECT_EQ(run(alone, {"--info", folder.write("grid.asc", grid2x3)}).exitCode, 0);
}
