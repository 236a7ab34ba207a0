// The ASCII grid reader: header, the checks of its counts, then the body. The bytes are a
// stack when they start with its keyword, as the loader recognises one. A plain grid's body is
// also read on two cores and must come out as on one.
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "AsciiGridBody.h"
#include "AsciiGridReader.h"
#include "FuzzSeeds.h"
#include "GridFormatError.h"
#include "GridRecognition.h"

namespace {

// The loader's guards against grids without cells and against level counts beyond what the
// file holds are fuzzed through LoadGrid; here the reader is the subject, so such shapes are
// left out.
constexpr int maxLevels = 1024;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    writeSeedsWhenAsked(*argc, *argv, [] {
        FuzzSeeds seeds = asciiGridSeeds();
        for (FuzzSeed& seed : sampleGridSeeds()) seeds.push_back(std::move(seed));
        return seeds;
    });
    return 0;
}

// The body of a plain grid read on two cores, split wherever it can be: the same values and
// statistics, bit for bit, or the same error as on one core.
struct BodyRead {
    std::vector<double> cells;
    GridStatistics statistics{};
    QString error;
    bool operator==(const BodyRead& other) const {
        return error == other.error && cells.size() == other.cells.size() &&
               (cells.empty() ||
                std::memcmp(cells.data(), other.cells.data(), cells.size() * sizeof(double)) == 0) &&
               std::memcmp(&statistics, &other.statistics, sizeof statistics) == 0;
    }
};

BodyRead readPlainBody(const QString& path, bool twoCores) {
    BodyRead read;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) std::abort();
    try {
        TextNumberScanner scanner(file, "fuzz.asc", 64);
        const GridFileHeader places = readAsciiHeader(scanner, false, "fuzz.asc");
        const GridShape shape = checkedGridShape(places.header, 1, "fuzz.asc");
        checkBodyFits(shape, minimumTextBytes(shape.valueCount()), file.size() - scanner.consumed(),
                      "fuzz.asc");
        GridRows level(shape.rows, shape.columns, 0.0);
        StatClass stats;
        const AsciiBodySplit split{twoCores ? path : QString(), file.size(), 0, 64};
        readAsciiGridBody(scanner, split, level, places.header.nodata_value, stats, {}, "fuzz.asc");
        read.cells.assign(level.data(), level.data() + level.cellCount());
        read.statistics = stats.results();
    } catch (const GridFormatError& error) {
        read.error = error.text();
    }
    return read;
}

void compareTwoCoresWithOne(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    const QString path = folder.filePath("grid.asc");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();
    if (!(readPlainBody(path, true) == readPlainBody(path, false))) __builtin_trap();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    QByteArray bytes = QByteArray::fromRawData(text, qsizetype(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const QString name = QStringLiteral("fuzz.asc");
    const bool stack = RecogniseGridFormat(text, size) == GridFileFormat::AsciiStack;
    if (!stack) compareTwoCoresWithOne(data, size);
    try {
        // The smallest buffer makes words cross the borders of its refills.
        TextNumberScanner scanner(device, name, 64);
        const GridFileHeader places = readAsciiHeader(scanner, stack, name);
        const double levelCount = stack ? std::trunc(places.statistics.StdDeviation) + 1 : 1;
        const GridShape shape = checkedGridShape(places.header, levelCount, name);
        checkBodyFits(shape, minimumTextBytes(shape.valueCount()),
                      std::int64_t(size) - scanner.consumed(), name);
        if (shape.cellCount() == 0 || shape.levels > maxLevels) return 0;
        auto levels = allocateLevels(shape);
        std::vector<GridRows*> targets;
        for (auto& level : levels) targets.push_back(level.get());
        StatClass stats;
        int nextRow = 0;
        const RowCallback beforeRow = [&nextRow](int row) {
            if (row != nextRow++) __builtin_trap();
        };
        readAsciiBody(scanner, targets, places.header.nodata_value, stats, beforeRow, name);
        if (nextRow != shape.rows) __builtin_trap();
        stats.results();
    } catch (const GridFormatError&) {
    }
    return 0;
}
