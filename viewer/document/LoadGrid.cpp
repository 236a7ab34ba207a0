#include "LoadGrid.h"

#include <QFile>
#include <cmath>
#include <filesystem>

#include "GridRecognition.h"

namespace {

LoadResult resultOf(const GridDocument& doc) {
    LoadResult result;
    result.format = doc.Format;
    result.saveGridAvailable = !doc.IsStack && doc.Format->output().has_value();
    result.levelControlsEnabled = doc.IsStack || doc.Format->readsLevels();
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

}  // namespace

void loadHeaderAndBody(const GridLoad& load, GridFileReader& reader) {
    GridDocument& doc = load.doc;
    const QString& fileName = doc.FileName;
    const GridFileHeader places = reader.readHeader();
    const std::int64_t headerEnd = reader.bodyStart();
    doc.header = places.header;
    doc.statistics = places.statistics;

    if (!isPlausibleHeader(doc.header)) {
        const bool loadAnyway =
            !load.callbacks.askYesNo ||
            load.callbacks.askYesNo(plausibilityQuestion(fileName), plausibilityCaption);
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
    checkBodyFits(shape, reader.minimumBodyBytes(shape), load.file.size() - headerEnd, fileName);

    auto levels = allocateLevels(shape);
    std::vector<GridRows*> targets;
    for (auto& level : levels) targets.push_back(level.get());
    StatClass stats;
    reader.readBody(targets, doc.header.nodata_value, stats,
                    rowCallback(load.callbacks, doc.header.nrows));

    if (doc.IsStack) {
        doc.Levels = std::move(levels);
        doc.showLevel(0);
    } else {
        doc.setOwnValues(std::move(levels[0]));
    }
    doc.LevelCount = shape.levels;
    doc.statistics = stats.results();
}

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
        doc.Format = GridFileFormat::Unrecognised;
        refuseSpecialFile(file.fileName(), fileName);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            throw GridFormatError(
                GridFormatError::Kind::Read,
                QStringLiteral("Could not open \"%1\": %2").arg(fileName, file.errorString()));
        }
        char first[recognitionBytes];
        const qint64 firstSize = file.read(first, qint64(sizeof first));
        const std::string_view leading(first, firstSize > 0 ? std::size_t(firstSize) : 0);
        doc.Format = RecogniseGridFormat(leading.data(), leading.size());
        doc.statistics = GridStatistics{};
        if (!file.seek(0))
            throw GridFormatError(
                GridFormatError::Kind::Read,
                QStringLiteral("Could not read \"%1\": %2").arg(fileName, file.errorString()));
        doc.Format->load(GridLoad{doc, file, leading, callbacks, netcdf});
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
