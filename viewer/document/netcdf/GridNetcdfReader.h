#pragma once
#include <QString>
#include <cstddef>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

#include "GridHeader.h"
#include "GridRows.h"

namespace netCDF {
class NcFile;
}

// Raised by netcdfReader::read: code 1100 when the cache of open files is full,
// 26 when the file has no data variable, the netCDF library's own error code for
// its errors (file missing, not netCDF, unreadable), and 0 for layouts the reader
// cannot read safely (level out of range, variable without three dimensions, too
// few coordinate values, a grid too large for the memory). The message names the
// file. A file whose contents do not fit (a classic file cut short, a data
// variable or scale attribute whose values are not numbers) is a format error:
// the message says so and the loader shows it.
class NetcdfReadError : public std::runtime_error {
public:
    NetcdfReadError(int code, const std::string& message, bool formatError = false)
        : std::runtime_error(message), code_(code), formatError_(formatError) {}
    int code() const { return code_; }
    bool isFormatError() const { return formatError_; }

private:
    int code_;
    bool formatError_;
};

// Reads one level of one variable of a netCDF file as a grid. Files stay open
// in a cache so that stepping through the levels of a stack does not reopen them.
class netcdfReader {
public:
    // `capacity` is the number of files the cache may hold; a smaller one lets
    // tests reach the full cache without opening a thousand files.
    explicit netcdfReader(std::size_t capacity = maxOpenFiles);
    ~netcdfReader();
    netcdfReader(const netcdfReader&) = delete;
    netcdfReader& operator=(const netcdfReader&) = delete;

    // `entry` is a path, optionally followed by the selector <variable>level,
    // whose level replaces `level`. `header` holds the caller's values on entry;
    // the reader overwrites what the file provides (nodata_value only when the
    // variable has a finite "missing_value", or else a finite "_FillValue").
    // Byte and short data marked `_Unsigned = "true"` are read as unsigned,
    // their missing and fill values too. `rows` receives the level as
    // nrows rows of ncols cells, row 0 the northern edge; cells that are not
    // finite take nodata_value. A grid without cells is handed on unread, for
    // the caller to refuse. Rows of the level's size on entry are read over
    // instead of allocating new ones; a read that fails while writing them
    // releases them.
    void read(const QString& entry, int level, GridHeader& header, int& levelCount,
              std::unique_ptr<GridRows>& rows);

    // Number of files held open in the cache.
    std::size_t openFileCount() const { return NcFileCache.size(); }

    static constexpr std::size_t maxOpenFiles = 1000;
    // Largest number of cells of one level that the reader allocates.
    static constexpr std::size_t maxCells = std::size_t{1} << 29;

private:
    struct CachedFile;
    CachedFile& open(const std::string& key, const QString& path);

    std::size_t capacity_;
    std::map<std::string, std::unique_ptr<CachedFile>> NcFileCache;
    CachedFile* current_ = nullptr;
};
