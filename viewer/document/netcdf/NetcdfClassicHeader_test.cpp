#include "NetcdfClassicHeader.h"

#include <gtest/gtest.h>
#include <netcdf.h>

#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

void writeAll(const std::string& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

#define NC_OK(call) ASSERT_EQ((call), NC_NOERR) << nc_strerror(call)

// A file with a fixed float variable "v" (2 × 3 × 4) and two record variables:
// "r" (short, one value per record) and "s" (double, 3 per record), 3 records.
void writeSample(const std::string& path, int mode) {
    int file, t, y, x, v, r, s;
    NC_OK(nc_create(path.c_str(), NC_CLOBBER | mode, &file));
    NC_OK(nc_def_dim(file, "t", NC_UNLIMITED, &t));
    NC_OK(nc_def_dim(file, "y", 3, &y));
    NC_OK(nc_def_dim(file, "x", 4, &x));
    NC_OK(nc_put_att_text(file, NC_GLOBAL, "title", 5, "hello"));
    const int fixedDims[] = {y, x};
    NC_OK(nc_def_var(file, "v", NC_FLOAT, 2, fixedDims, &v));
    const double scale = 0.5;
    NC_OK(nc_put_att_double(file, v, "scale_factor", NC_DOUBLE, 1, &scale));
    NC_OK(nc_def_var(file, "r", NC_SHORT, 1, &t, &r));
    const int recordDims[] = {t, y};
    NC_OK(nc_def_var(file, "s", NC_DOUBLE, 2, recordDims, &s));
    NC_OK(nc_enddef(file));
    const std::vector<float> fixed(12, 1.5f);
    NC_OK(nc_put_var_float(file, v, fixed.data()));
    const std::size_t start[] = {0, 0}, count[] = {3, 3};
    const std::vector<short> shorts{1, 2, 3};
    NC_OK(nc_put_vara_short(file, r, start, count, shorts.data()));
    const std::vector<double> doubles(9, 2.5);
    NC_OK(nc_put_vara_double(file, s, start, count, doubles.data()));
    NC_OK(nc_close(file));
}

ClassicHeaderResult parse(const Bytes& bytes) {
    return parseClassicHeader(bytes.data(), bytes.size());
}

class ClassicHeaderTest : public ::testing::Test {
protected:
    std::string path(const char* name) const { return folder.filePath(name).toStdString(); }
    QTemporaryDir folder;
};

TEST_F(ClassicHeaderTest, ExtentsOfFilesWrittenByTheLibraryFitExactly) {
    for (const auto& [mode, version] :
         {std::pair{0, 1}, {NC_64BIT_OFFSET, 2}, {NC_64BIT_DATA, 5}}) {
        SCOPED_TRACE(version);
        writeSample(path("s.nc"), mode);
        const Bytes bytes = readAll(path("s.nc"));
        const ClassicHeaderResult result = parse(bytes);
        ASSERT_EQ(result.status, ClassicHeaderStatus::Complete) << result.problem;
        const ClassicHeader& header = result.header;
        EXPECT_EQ(header.version, version);
        EXPECT_EQ(header.numrecs, 3u);
        ASSERT_EQ(header.variables.size(), 3u);
        const ClassicVariable* v = header.variable("v");
        const ClassicVariable* s = header.variable("s");
        ASSERT_TRUE(v && s && header.variable("r"));
        EXPECT_FALSE(v->isRecord);
        EXPECT_TRUE(s->isRecord);
        EXPECT_EQ(v->end - v->begin, 48u);
        EXPECT_GE(v->begin, header.headerBytes);
        // The last record variable ends the file.
        EXPECT_EQ(s->end, bytes.size());
        for (const auto& variable : header.variables) {
            EXPECT_TRUE(variable.endKnown);
            EXPECT_EQ(classicTruncation(variable, bytes.size()), "");
        }
        EXPECT_NE(classicTruncation(*s, bytes.size() - 1).find("cut short"), std::string::npos);

        // Every prefix that ends inside the header asks for more bytes.
        for (std::size_t size = 4; size < header.headerBytes; ++size)
            ASSERT_EQ(parseClassicHeader(bytes.data(), size).status,
                      ClassicHeaderStatus::NeedMoreBytes)
                << size;
    }
}

TEST_F(ClassicHeaderTest, OnlyClassicMagicIsParsed) {
    for (const Bytes& bytes :
         {Bytes{}, Bytes{'C', 'D', 'F'}, Bytes{'C', 'D', 'F', 3, 0, 0, 0, 0},
          Bytes{0x89, 'H', 'D', 'F', '\r', '\n', 0x1a, '\n'}, Bytes{'n', 'c', 'o', 'l', 's'}}) {
        EXPECT_EQ(parse(bytes).status, ClassicHeaderStatus::NotClassic);
    }
    const ClassicHeaderResult empty = parse(Bytes{'C', 'D', 'F', 1, 0, 0, 0, 0,    // numrecs
                                                  0,   0,   0,   0, 0, 0, 0, 0,    // no dimensions
                                                  0,   0,   0,   0, 0, 0, 0, 0,    // no attributes
                                                  0,   0,   0,   0, 0, 0, 0, 0});  // no variables
    EXPECT_EQ(empty.status, ClassicHeaderStatus::Complete);
    EXPECT_EQ(empty.header.headerBytes, 32u);
}

// Big-endian header pieces for hand-made CDF-1 headers.
struct HeaderBytes {
    Bytes bytes{'C', 'D', 'F', 1};
    HeaderBytes& u32(std::uint32_t value) {
        for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(std::uint8_t(value >> shift));
        return *this;
    }
    HeaderBytes& name(const std::string& text) {
        u32(std::uint32_t(text.size()));
        bytes.insert(bytes.end(), text.begin(), text.end());
        while (bytes.size() % 4) bytes.push_back(0);
        return *this;
    }
};

TEST_F(ClassicHeaderTest, HostileHeadersAreRefusedWithoutReadingPastTheirEnd) {
    // Counts far beyond the bytes: asks for more, allocates nothing.
    EXPECT_EQ(parse(HeaderBytes().u32(0).u32(0x0A).u32(0xFFFFFFFF).bytes).status,
              ClassicHeaderStatus::NeedMoreBytes);
    EXPECT_EQ(parse(HeaderBytes().u32(0).u32(0x0A).u32(1).u32(0xFFFFFFF0).bytes).status,
              ClassicHeaderStatus::NeedMoreBytes);
    auto attribute = HeaderBytes().u32(0).u32(0).u32(0).u32(0x0C).u32(1).name("a");
    EXPECT_EQ(parse(attribute.u32(6).u32(0xFFFFFFFF).bytes).status,
              ClassicHeaderStatus::NeedMoreBytes);
    auto variable = HeaderBytes().u32(0).u32(0x0A).u32(1).name("x").u32(5).u32(0).u32(0);
    variable.u32(0x0B).u32(1).name("v");
    EXPECT_EQ(parse(HeaderBytes(variable).u32(0x7FFFFFFF).bytes).status,
              ClassicHeaderStatus::NeedMoreBytes);

    // Contradictions.
    const auto malformed = [](const HeaderBytes& header) {
        const ClassicHeaderResult result = parse(header.bytes);
        EXPECT_EQ(result.status, ClassicHeaderStatus::Malformed);
        return result.problem;
    };
    EXPECT_NE(malformed(HeaderBytes().u32(0).u32(0x0B).u32(0)).find("tag"), std::string::npos);
    EXPECT_NE(malformed(HeaderBytes(variable).u32(1).u32(3).u32(0).u32(0).u32(5).u32(0).u32(0))
                  .find("dimension 3"),
              std::string::npos);
    EXPECT_NE(malformed(HeaderBytes(variable).u32(1).u32(0).u32(0).u32(0).u32(99).u32(0).u32(0))
                  .find("unknown type 99"),
              std::string::npos);
    // Types beyond double exist only in CDF-5.
    malformed(HeaderBytes(variable).u32(1).u32(0).u32(0).u32(0).u32(10).u32(0).u32(0));
    auto twoRecords = HeaderBytes().u32(0).u32(0x0A).u32(2).name("a").u32(0).name("b").u32(0);
    EXPECT_NE(malformed(twoRecords).find("record"), std::string::npos);
    auto lateRecord = HeaderBytes().u32(0).u32(0x0A).u32(2).name("a").u32(3).name("t").u32(0);
    lateRecord.u32(0).u32(0).u32(0x0B).u32(1).name("v").u32(2).u32(0).u32(1);
    EXPECT_NE(malformed(lateRecord.u32(0).u32(0).u32(5).u32(0).u32(0)).find("record dimension"),
              std::string::npos);
}

TEST_F(ClassicHeaderTest, ExtentsThatOverflowAreUnknownNotWrapped) {
    // CDF-5: 8-byte counts; three dimensions of 2^31 doubles overflow 64 bits.
    Bytes bytes{'C', 'D', 'F', 5};
    const auto u64 = [&bytes](std::uint64_t value) {
        for (int shift = 56; shift >= 0; shift -= 8) bytes.push_back(std::uint8_t(value >> shift));
    };
    const auto u32 = [&bytes](std::uint32_t value) {
        for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(std::uint8_t(value >> shift));
    };
    const auto name = [&](char letter) {
        u64(1);
        bytes.insert(bytes.end(), {std::uint8_t(letter), 0, 0, 0});
    };
    u64(0);
    u32(0x0A);
    u64(3);
    for (char letter : {'a', 'b', 'c'}) {
        name(letter);
        u64(std::uint64_t{1} << 31);
    }
    u32(0), u64(0);  // no attributes
    u32(0x0B), u64(1), name('v'), u64(3), u64(0), u64(1), u64(2), u32(0), u64(0);
    u32(6), u64(0), u64(1000);
    const ClassicHeaderResult result = parse(bytes);
    ASSERT_EQ(result.status, ClassicHeaderStatus::Complete) << result.problem;
    const ClassicVariable& v = result.header.variables.at(0);
    EXPECT_FALSE(v.endKnown);
    EXPECT_NE(classicTruncation(v, ~std::uint64_t{0}).find("more data"), std::string::npos);
}

TEST_F(ClassicHeaderTest, FileCheckReadsLongHeadersInStepsAndReportsCutHeaders) {
    writeSample(path("s.nc"), 0);
    ClassicFileCheck check = readClassicFileHeader(path("s.nc"));
    EXPECT_TRUE(check.classic);
    EXPECT_EQ(check.problem, "");
    EXPECT_EQ(check.fileSize, readAll(path("s.nc")).size());

    // A header of many attributes, longer than the first bytes read.
    int file, id;
    NC_OK(nc_create(path("long.nc").c_str(), NC_CLOBBER, &file));
    const std::string text(4000, 'a');
    for (int i = 0; i < 40; ++i)
        NC_OK(nc_put_att_text(file, NC_GLOBAL, ("note" + std::to_string(i)).c_str(), text.size(),
                              text.data()));
    int dimension;
    NC_OK(nc_def_dim(file, "x", 3, &dimension));
    NC_OK(nc_def_var(file, "v", NC_INT, 1, &dimension, &id));
    NC_OK(nc_close(file));
    check = readClassicFileHeader(path("long.nc"));
    ASSERT_TRUE(check.classic) << check.problem;
    ASSERT_TRUE(check.header.variable("v"));
    EXPECT_GT(check.header.headerBytes, 160000u);
    check = readClassicFileHeader(path("long.nc"), 100000);
    EXPECT_FALSE(check.classic);
    EXPECT_NE(check.problem.find("longer than"), std::string::npos);

    Bytes bytes = readAll(path("long.nc"));
    bytes.resize(1000);
    writeAll(path("cut.nc"), bytes);
    check = readClassicFileHeader(path("cut.nc"));
    EXPECT_FALSE(check.classic);
    EXPECT_NE(check.problem.find("inside its header"), std::string::npos);

    writeAll(path("text.asc"), Bytes{'n', 'c', 'o', 'l', 's'});
    check = readClassicFileHeader(path("text.asc"));
    EXPECT_FALSE(check.classic);
    EXPECT_EQ(check.problem, "");
    EXPECT_NE(readClassicFileHeader(path("absent.nc")).problem, "");
}

}  // namespace
