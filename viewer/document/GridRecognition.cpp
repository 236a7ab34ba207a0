#include "GridRecognition.h"

#include "GridFormat.h"

GridFileFormat RecogniseGridFormat(const char* bytes, std::size_t size) {
    const std::string_view first(bytes, size);
    for (const GridFileFormat& format : gridFormats())
        if (format->recognises(first)) return format;
    return GridFileFormat::Unrecognised;
}

QString entryPath(const QString& entry) {
    const auto open = entry.indexOf(QLatin1Char('<'));
    if (open > 0 && entry.indexOf(QLatin1Char('>'), open + 1) > 0) return entry.left(open);
    return entry;
}
