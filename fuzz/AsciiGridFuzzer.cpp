// The ASCII grid reader: header, the checks of its counts, then the body. The bytes are a
// stack when they start with its keyword, as the loader recognises one.
#include <QBuffer>
#include <cmath>
#include <cstdint>

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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    QByteArray bytes = QByteArray::fromRawData(text, qsizetype(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const QString name = QStringLiteral("fuzz.asc");
    const bool stack = RecogniseGridFormat(text, size) == GridFileFormat::AsciiStack;
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
