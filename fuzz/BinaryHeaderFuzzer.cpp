// The binary grid header in both precisions: recognition, the twelve values, the stack mark,
// the checks of the counts against the bytes that follow, and for small grids the body.
#include <QBuffer>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "BinaryGridFormat.h"
#include "FuzzSeeds.h"
#include "GridFormatError.h"
#include "GridRecognition.h"
#include "LoadGrid.h"

namespace {

// The loader's guards against grids without cells and against level counts beyond what the
// file holds are fuzzed through LoadGrid; here the reader is the subject, so such shapes are
// left out.
constexpr int maxLevels = 1024;

void readAs(BinaryPrecision precision, const char* bytes, std::size_t size) {
    const std::size_t headerBytes = binaryHeaderBytes(precision);
    if (size < headerBytes) return;
    const QString name = QStringLiteral("fuzz.flt");
    const GridFileHeader places = readBinaryHeader(bytes, precision);
    isPlausibleHeader(places.header);
    const double levelCount =
        marksStack(places.statistics) ? std::trunc(places.statistics.StdDeviation) + 1 : 1;
    try {
        const GridShape shape = checkedGridShape(places.header, levelCount, name);
        checkBodyFits(shape, shape.valueCount() * std::int64_t(valueBytes(precision)),
                      std::int64_t(size - headerBytes), name);
        if (shape.cellCount() == 0 || shape.levels > maxLevels) return;
        auto levels = allocateLevels(shape);
        std::vector<GridRows*> targets;
        for (auto& level : levels) targets.push_back(level.get());
        QByteArray data = QByteArray::fromRawData(bytes, qsizetype(size));
        QBuffer device(&data);
        device.open(QIODevice::ReadOnly);
        device.seek(qint64(headerBytes));
        StatClass stats;
        readBinaryBody(device, precision, targets, places.header.nodata_value, stats, {}, name);
        stats.results();
    } catch (const GridFormatError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    writeSeedsWhenAsked(*argc, *argv, binaryGridSeeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    RecogniseGridFormat(bytes, std::min(size, recognitionBytes));
    readAs(BinaryPrecision::Single, bytes, size);
    readAs(BinaryPrecision::Double, bytes, size);
    return 0;
}
