#include "GridRecognition.h"

#include <cstring>
#include <string_view>

#include "LittleEndian.h"

GridFileFormat RecogniseGridFormat(const char* bytes, std::size_t size) {
    const std::string_view signature(bytes, size < 5 ? size : 5);
    const auto contains = [&](std::string_view word) {
        return signature.find(word) != std::string_view::npos;
    };
    if (contains("HDF") || contains("CDF")) return GridFileFormat::NetCDF;
    if (contains("stack")) return GridFileFormat::AsciiStack;
    if (contains("ncols")) return GridFileFormat::AsciiGrid;
    if (size >= 48 && readLittleEndian<double>(bytes + 40) == -9999.0)
        return GridFileFormat::DoubleGrid;
    if (size >= 24 && readLittleEndian<float>(bytes + 20) == -9999.0f)
        return GridFileFormat::SingleGrid;
    return GridFileFormat::Unrecognised;
}

QString entryPath(const QString& entry) {
    const auto open = entry.indexOf(QLatin1Char('<'));
    if (open > 0 && entry.indexOf(QLatin1Char('>'), open + 1) > 0) return entry.left(open);
    return entry;
}
