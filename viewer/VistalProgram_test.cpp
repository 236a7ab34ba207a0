// The vistal program as users start it: jobs without pictures load neither GUI nor netCDF
// libraries, netCDF files and the window come from the program's modules.
#include <gdal_priv.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStandardPaths>
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
        for (const char* unused :
             {"libQt6Gui", "libQt6Widgets", "libnetcdf", "libQCustomPlot", "libgdal"})
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

TEST(VistalProgram, AGeoTiffMadeFromAnAsciiGridInformsAsTheGridItself) {
    TestFolder folder;
    const QString ascii =
        folder.write("dem.asc",
                     "ncols 4\nnrows 3\nxllcorner 2500.5\nyllcorner -130.25\ncellsize 0.5\n"
                     "nodata_value -9999\n1.25 2 3 4\n5 -9999 7.75 8\n-9 10 11 1e3\n");
    const QString tiff = folder.path("dem.tif");
    const QString translate = QStandardPaths::findExecutable("gdal_translate");
    if (!translate.isEmpty()) {
        const ProgramRun made = runProgram(translate, {"-q", "-of", "GTiff", ascii, tiff}, {});
        ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    } else {
        GDALAllRegister();
        GDALDataset* source = GDALDataset::Open(ascii.toUtf8().constData(), GDAL_OF_RASTER);
        ASSERT_NE(source, nullptr);
        GDALDataset* copy = GetGDALDriverManager()->GetDriverByName("GTiff")->CreateCopy(
            tiff.toUtf8().constData(), source, false, nullptr, nullptr, nullptr);
        ASSERT_NE(copy, nullptr);
        GDALClose(GDALDataset::ToHandle(copy));
        GDALClose(GDALDataset::ToHandle(source));
    }
    const ProgramRun grid = vistal({"--info", ascii, "--values"});
    const ProgramRun raster = vistal({"--info", tiff, "--values"});
    ASSERT_EQ(grid.exitCode, 0) << grid.err.toStdString();
    ASSERT_EQ(raster.exitCode, 0) << raster.err.toStdString();
    EXPECT_TRUE(raster.out.contains("\"format\": \"GDAL raster\"")) << raster.out.toStdString();
    EXPECT_TRUE(raster.err.isEmpty()) << raster.err.toStdString();
    const auto withoutFormat = [](QString json) {
        return json.remove(QRegularExpression("\"format\": \"[^\"]*\""));
    };
    EXPECT_EQ(withoutFormat(raster.out), withoutFormat(grid.out)) << raster.out.toStdString();
    EXPECT_TRUE(grid.out.contains("\"Sum\": 1043")) << grid.out.toStdString();
    const QStringList libraries = loadedLibraries(vistal({"--info", tiff}, true));
    EXPECT_TRUE(loadsLibrary(libraries, "vistal-gdal.so"));
    EXPECT_FALSE(loadsLibrary(libraries, "libQt6Gui"));
    // Written as a grid, never back into the raster.
    const ProgramRun convert =
        vistal({"--convert", tiff + "<band>1", folder.path("dem.dbl"), "--to", "double"});
    ASSERT_EQ(convert.exitCode, 0) << convert.err.toStdString();
    EXPECT_EQ(withoutFormat(vistal({"--info", folder.path("dem.dbl"), "--values"}).out),
              withoutFormat(grid.out));
    const ProgramRun missing = vistal({"--info", tiff + "<band>2"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("has no band 2")) << missing.err.toStdString();
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
