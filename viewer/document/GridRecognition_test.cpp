#include "GridRecognition.h"

#include <gtest/gtest.h>

#include "LittleEndian.h"
#include "TestGridFiles.h"

namespace {

GridFileFormat recognise(const QByteArray& bytes) {
    return RecogniseGridFormat(bytes.constData(), std::size_t(bytes.size()));
}

}  // namespace

TEST(GridRecognition, TextSignaturesAreCaseSensitiveAndMustStartTheFile) {
    EXPECT_EQ(recognise("ncols 3\nnrows 2\n"), GridFileFormat::AsciiGrid);
    EXPECT_EQ(recognise("stack_ncols 3\n"), GridFileFormat::AsciiStack);
    EXPECT_EQ(recognise("CDF\x01\0\0\0\0"), GridFileFormat::NetCDF);
    EXPECT_EQ(recognise("\x89HDF\r\n\x1a\n"), GridFileFormat::NetCDF);
    EXPECT_EQ(recognise("NCOLS 3\nNROWS 2\n"), GridFileFormat::Unrecognised);
    EXPECT_EQ(recognise(" ncols 3\nnrows 2\n"), GridFileFormat::Unrecognised);
    EXPECT_EQ(recognise(""), GridFileFormat::Unrecognised);
}

TEST(GridRecognition, BinaryGridsAreToldApartByTheirNodataPlace) {
    const std::vector<double> header{2, 2, 0, 0, 1, -9999};
    EXPECT_EQ(recognise(binaryFile(BinaryPrecision::Double, header, {1, 2, 3, 4})),
              GridFileFormat::DoubleGrid);
    EXPECT_EQ(recognise(binaryFile(BinaryPrecision::Single, header, {1, 2, 3, 4})),
              GridFileFormat::SingleGrid);
    // Nodata -9998 is no binary grid at all, neither double nor single.
    EXPECT_EQ(recognise(binaryFile(BinaryPrecision::Double, {2, 2, 0, 0, 1, -9998}, {1, 2})),
              GridFileFormat::Unrecognised);
    // A single file whose bytes 40..47 read as a double mean nothing.
    QByteArray single = binaryFile(BinaryPrecision::Single, header, {7, 8, 9, 10});
    ASSERT_NE(readLittleEndian<double>(single.constData() + 40), -9999.0);
    EXPECT_EQ(recognise(single), GridFileFormat::SingleGrid);
    // Too short to hold the nodata place: not recognised, nothing read beyond the end.
    EXPECT_EQ(recognise(single.left(23)), GridFileFormat::Unrecognised);
}

TEST(GridRecognition, EntryPathDropsANetcdfSelectorOnly) {
    EXPECT_EQ(entryPath("/data/tsoil.nc<tsoil>12"), "/data/tsoil.nc");
    EXPECT_EQ(entryPath("/data/plain.asc"), "/data/plain.asc");
    EXPECT_EQ(entryPath("<tsoil>12"), "<tsoil>12");
    EXPECT_EQ(entryPath("/a>b<c"), "/a>b<c");
}
