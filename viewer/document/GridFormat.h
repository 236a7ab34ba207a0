#pragma once
#include <QFile>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "GridDocument.h"
#include "GridFileFormat.h"
#include "GridNetcdfLevels.h"
#include "GridShape.h"
#include "OutputBuffer.h"
#include "StatClass.h"

// What the loader asks of its caller. Every member may be left empty.
struct LoadCallbacks {
    // A Yes/No question with text and caption; true for Yes. Empty: Yes.
    std::function<bool(const QString& text, const QString& caption)> askYesNo;
    // Before each row of the body: the progress in percent (1 to 99).
    std::function<void(int percent)> progress;
    // Before each row of the body, after the progress: process pending messages.
    std::function<void()> processEvents;
};

// What a format reads a file with.
struct GridLoad {
    // FileName set (the list entry), values released, Format set, IsStack false, statistics
    // zero, the header as the last load left it.
    GridDocument& doc;
    QFile& file;             // open for reading, at its start
    std::string_view first;  // the leading bytes recognition looked at
    const LoadCallbacks& callbacks;
    // Reads netCDF levels; in the program it loads the netCDF module when first called.
    const NetcdfLevelReader& netcdf;
};

// One grid file format: its cheap recognition, its reading and, optionally, its writing.
class GridFormat {
public:
    virtual ~GridFormat() = default;

    // The text shown in the "Fileformat" field.
    virtual QString name() const = 0;
    // Whether a file with these leading bytes (recognitionBytes at most) is in this format.
    virtual bool recognises(std::string_view first) const = 0;
    // Reads the file into load.doc: header, values with level 0 shown, LevelCount, IsStack and
    // the statistics of the shown level. Throws GridFormatError.
    virtual void load(const GridLoad& load) const = 0;

    // Whether the levels are read from the file when shown rather than held: the level
    // controls are then offered even for a single level.
    virtual bool readsLevels() const { return false; }
    // Reads `level` into the document's own values, header and LevelCount, and makes it the
    // shown level; the statistics are left to the caller. Only asked when readsLevels().
    virtual void readLevel(GridDocument& /*doc*/, int /*level*/,
                           const NetcdfLevelReader& /*netcdf*/) const {}

    // The output format this format is written in; none for the formats whose documents Save
    // writes as ASCII grids.
    virtual std::optional<GridOutputFormat> output() const { return std::nullopt; }
    // Writes the header of the shown level of `doc`, then its cells; cells equal to the
    // document's nodata value are written as `nodataToWrite`. Only asked when output().
    virtual void writeHeader(OutputBuffer& /*out*/, const GridDocument& /*doc*/,
                             double /*nodataToWrite*/) const {}
    virtual void writeBody(OutputBuffer& /*out*/, const GridDocument& /*doc*/,
                           double /*nodataToWrite*/) const {}
};

// The formats in the order recognition asks them: the first that recognises a file reads it.
std::span<const GridFileFormat> gridFormats();
// The format that writes `output`.
const GridFormat& writerOf(GridOutputFormat output);

// Adds a format after those of the table for as long as it lives (tests add formats of their
// own this way).
class GridFormatRegistration {
public:
    explicit GridFormatRegistration(GridFileFormat format);
    ~GridFormatRegistration();
    GridFormatRegistration(const GridFormatRegistration&) = delete;
    GridFormatRegistration& operator=(const GridFormatRegistration&) = delete;

private:
    GridFileFormat format_;
};

// Whether `word` lies within the first five bytes: the signatures of the text and netCDF
// formats. Case matters.
inline bool signatureHas(std::string_view first, std::string_view word) {
    return first.substr(0, 5).find(word) != std::string_view::npos;
}

// A file read as a header followed by a body, for loadHeaderAndBody.
class GridFileReader {
public:
    virtual ~GridFileReader() = default;
    // Reads the header; the body starts at bodyStart() afterwards.
    virtual GridFileHeader readHeader() = 0;
    virtual std::int64_t bodyStart() const = 0;
    // The fewest bytes a body of `shape` takes.
    virtual std::int64_t minimumBodyBytes(const GridShape& shape) const = 0;
    // Reads the body into `levels` (all of one shape); every level-0 value that is not
    // `nodata` goes into `stats`.
    virtual void readBody(const std::vector<GridRows*>& levels, double nodata, StatClass& stats,
                          const RowCallback& beforeRow) = 0;
};

// The loader's steps around a header and a body: the header into the document, the
// plausibility question, a stack marked in the header's statistics places, the size checks
// before anything is allocated, the body read with progress, and level 0 shown.
void loadHeaderAndBody(const GridLoad& load, GridFileReader& reader);
