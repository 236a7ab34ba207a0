#include "LoadGrid.h"

#include <QFile>
#include <cmath>
#include <filesystem>
#include <optional>

#include "AsciiGridBody.h"
#include "AsciiGridReader.h"
#include "BinaryGridFormat.h"
#include "GridRecognition.h"
#include "LevelStatistics.h"

namespace {

void setFormat(GridDocument& doc, GridFileFormat format) {
    doc.Format = format;
    doc.IsStack = format == GridFileFormat::AsciiStack;
}

LoadResult resultOf(const GridDocument& doc) {
    LoadResult result;
    const bool netcdf = doc.Format == GridFileFormat::NetCDF;
    result.format = doc.Format;
    result.saveGridAvailable = !doc.IsStack && !netcdf;
    result.levelControlsEnabled = doc.IsStack || netcdf;
    result.maxLevel = doc.LevelCount > 0 ? doc.LevelCount - 1 : 0;
    return result;
}

RowCallback rowCallback(const LoadCallbacks& callbacks, double nrows) {
    if (!callbacks.progress && !callbacks.processEvents) return {};
    return [&callbacks, nrows](int row) {
        if (callbacks.progress) callbacks.progress(loadProgressPercent(row, nrows));
        if (callbacks.processEvents) callbacks.processEvents();
    };
}

// Opening a FIFO or a device for reading may block for ever, and a directory
// holds no grid: anything but a regular file (or a link to one) is refused
// before it is opened. A path that does not exist is left to the open call.
void refuseSpecialFile(const QString& path, const QString& entry) {
    std::error_code error;
    const auto type =
        std::filesystem::status(std::filesystem::path(QFile::encodeName(path).toStdString()), error)
            .type();
    QString kind;
    switch (type) {
        case std::filesystem::file_type::regular:
        case std::filesystem::file_type::not_found:
        case std::filesystem::file_type::none:
            return;
        case std::filesystem::file_type::directory:
            kind = QStringLiteral("a folder");
            break;
        case std::filesystem::file_type::fifo:
            kind = QStringLiteral("a FIFO (named pipe)");
            break;
        case std::filesystem::file_type::block:
        case std::filesystem::file_type::character:
            kind = QStringLiteral("a device");
            break;
        case std::filesystem::file_type::socket:
            kind = QStringLiteral("a socket");
            break;
        default:
            kind = QStringLiteral("something other than a regular file");
            break;
    }
    throw GridFormatError(
        GridFormatError::Kind::Read,
        QStringLiteral("Could not open \"%1\": it is %2, not a grid file.").arg(entry, kind));
}

void loadNetcdf(GridDocument& doc, const NetcdfLevelReader& netcdf) {
    // The document's nodata value stays unless the variable has "missing_value".
    GridHeader header = doc.header;
    int levelCount = 1;
    auto rows = readNetcdfLevel(netcdf, doc.FileName, 0, header, levelCount);
    doc.header = header;
    doc.IsStack = levelCount > 1;
    doc.LevelCount = std::max(levelCount, 1);
    doc.setOwnValues(std::move(rows));
    doc.statistics = levelStatistics(*doc.Values, doc.header.nodata_value);
}

void loadFile(GridDocument& doc, QFile& file, const char* first, std::size_t firstSize,
              const LoadCallbacks& callbacks) {
    const QString& fileName = doc.FileName;
    const bool text =
        doc.Format != GridFileFormat::SingleGrid && doc.Format != GridFileFormat::DoubleGrid;
    const BinaryPrecision precision = doc.Format == GridFileFormat::DoubleGrid
                                          ? BinaryPrecision::Double
                                          : BinaryPrecision::Single;

    std::optional<TextNumberScanner> scanner;
    GridFileHeader places;
    std::int64_t headerEnd = 0;
    if (text) {
        scanner.emplace(file, fileName);
        places = readAsciiHeader(*scanner, doc.IsStack, fileName);
        headerEnd = scanner->consumed();
    } else {
        headerEnd = std::int64_t(binaryHeaderBytes(precision));
        if (firstSize < binaryHeaderBytes(precision))
            throw GridFormatError(GridFormatError::Kind::Format,
                                  QStringLiteral("\"%1\" is too short for the %2-byte header of "
                                                 "a binary grid.")
                                      .arg(fileName)
                                      .arg(headerEnd));
        places = readBinaryHeader(first, precision);
        if (!file.seek(headerEnd))
            throw GridFormatError(
                GridFormatError::Kind::Read,
                QStringLiteral("Could not read \"%1\": %2").arg(fileName, file.errorString()));
    }
    doc.header = places.header;
    doc.statistics = places.statistics;

    if (!isPlausibleHeader(doc.header)) {
        const bool loadAnyway =
            !callbacks.askYesNo ||
            callbacks.askYesNo(plausibilityQuestion(fileName), plausibilityCaption);
        if (!loadAnyway) {
            doc.header = GridHeader{0, 0, 0, 0, 0, 0};
            doc.statistics = GridStatistics{};
            throw GridFormatError(GridFormatError::Kind::BadFileType,
                                  QStringLiteral("Bad file type"));
        }
    }
    if (marksStack(doc.statistics)) doc.IsStack = true;

    const double levelCount = doc.IsStack ? std::trunc(doc.statistics.StdDeviation) + 1 : 1;
    const GridShape shape = checkedGridShape(doc.header, levelCount, fileName);
    const std::int64_t required = text ? minimumTextBytes(shape.valueCount())
                                       : shape.valueCount() * std::int64_t(valueBytes(precision));
    checkBodyFits(shape, required, file.size() - headerEnd, fileName);

    auto levels = allocateLevels(shape);
    std::vector<GridRows*> targets;
    for (auto& level : levels) targets.push_back(level.get());
    StatClass stats;
    const RowCallback beforeRow = rowCallback(callbacks, doc.header.nrows);
    if (text && !doc.IsStack)
        readAsciiGridBody(*scanner, AsciiBodySplit{file.fileName(), file.size()}, *levels[0],
                          doc.header.nodata_value, stats, beforeRow, fileName);
    else if (text)
        readAsciiBody(*scanner, targets, doc.header.nodata_value, stats, beforeRow, fileName);
    else
        readBinaryBody(file, precision, targets, doc.header.nodata_value, stats, beforeRow,
                       fileName, BinaryBodySplit{file.fileName()});

    if (doc.IsStack) {
        doc.Levels = std::move(levels);
        doc.showLevel(0);
    } else {
        doc.setOwnValues(std::move(levels[0]));
    }
    doc.LevelCount = shape.levels;
    doc.statistics = stats.results();
}

}  // namespace

LoadResult LoadGrid(GridDocument& doc, const QString& fileName, const NetcdfLevelReader& netcdf,
                    const LoadCallbacks& callbacks) {
    doc.releaseValues();
    doc.FileName = fileName;
    doc.LevelCount = 0;
    doc.Modified = false;
    doc.selection.clear();
    try {
        // A netCDF entry may carry a selector after the path; a file of that very
        // name comes first.
        QFile file(QFile::exists(fileName) ? fileName : entryPath(fileName));
        setFormat(doc, GridFileFormat::Unrecognised);
        refuseSpecialFile(file.fileName(), fileName);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            throw GridFormatError(
                GridFormatError::Kind::Read,
                QStringLiteral("Could not open \"%1\": %2").arg(fileName, file.errorString()));
        }
        char first[recognitionBytes];
        const qint64 firstSize = file.read(first, qint64(sizeof first));
        const GridFileFormat format =
            RecogniseGridFormat(first, firstSize > 0 ? std::size_t(firstSize) : 0);
        setFormat(doc, format);
        doc.statistics = GridStatistics{};
        if (format == GridFileFormat::Unrecognised)
            throw GridFormatError(GridFormatError::Kind::Unrecognised, unrecognisedFormatText);
        if (format == GridFileFormat::NetCDF) {
            file.close();
            loadNetcdf(doc, netcdf);
        } else {
            if (!file.seek(0))
                throw GridFormatError(
                    GridFormatError::Kind::Read,
                    QStringLiteral("Could not read \"%1\": %2").arg(fileName, file.errorString()));
            loadFile(doc, file, first, std::size_t(firstSize), callbacks);
        }
    } catch (...) {
        doc.releaseValues();
        doc.LevelCount = 0;
        throw;
    }
    return resultOf(doc);
}

bool isPlausibleHeader(const GridHeader& header) {
    return !(std::fabs(header.ncols - std::floor(header.ncols)) > 1e-7 ||
             std::fabs(header.nrows - std::floor(header.nrows)) > 1e-7 ||
             header.nodata_value > 100000 || header.nodata_value < -100000);
}

QString plausibilityQuestion(const QString& fileName) {
    return QStringLiteral("Attention: the input file \"\n") + fileName +
           QStringLiteral("\" may not be a grid. Load anyway?");
}

bool marksStack(const GridStatistics& places) {
    return places.CellCount == 0 && places.Minimum == 0 && places.Maximum == 0 && places.Sum == 0 &&
           places.Average == 0 && places.StdDeviation != 0;
}

int loadProgressPercent(int row, double nrows) {
    if (nrows == 0) return 50;
    const double percent = std::trunc(double(row) * 100 / nrows);
    if (!(percent >= 1)) return 1;
    if (percent > 99) return 99;
    return static_cast<int>(percent);
}
