// The vistal program as users start it: jobs without pictures load neither GUI nor netCDF
// libraries, netCDF files and the window come from the program's modules.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <netcdf>

#include "ProgramRun.h"
#include "TestFolder.h"

namespace {

ProgramRun vistal(const QStringList& arguments, bool traceLibraries = false) {
    return runProgram(QStringLiteral(VISTAL_PROGRAM), arguments,
                      {.traceLibraries = traceLibraries});
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
        const QStringList libraries = loadedLibraries(*job);
        EXPECT_TRUE(loadsLibrary(libraries, "libQt6Core")) << libraries.join(' ').toStdString();
        for (const char* unused : {"libQt6Gui", "libQt6Widgets", "libnetcdf", "libQCustomPlot"})
            EXPECT_FALSE(loadsLibrary(libraries, unused)) << unused;
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
    const QStringList libraries = loadedLibraries(info);
    EXPECT_TRUE(loadsLibrary(libraries, "vistal-netcdf.so"));
    EXPECT_FALSE(loadsLibrary(libraries, "libQt6Gui"));
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
    const ProgramRun window = runProgram(alone, {});
    EXPECT_EQ(window.exitCode, 1);
    EXPECT_TRUE(window.err.startsWith("vistal: vistal-window.so is missing"))
        << window.err.toStdString();
    // Jobs without pictures do not need it.
    EXPECT_EQ(runProgram(alone, {"--info", folder.write("grid.asc", grid2x3)}).exitCode, 0);
}
