#include "GridNetcdfReader.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <netcdf>
#include <optional>
#include <string>

#include "NetcdfClassicHeader.h"
#include "NetcdfEntry.h"
#include "NetcdfLevelTransfer.h"

namespace {

using netCDF::NcFile;
using netCDF::NcType;
using netCDF::NcVar;

// The two names tried for the data variable when the entry has no selector: the
// file's name after its last "/" or "\" with every "_" and "-" removed, once cut
// at its first "." and once with every "." removed. Removing "_" and "-" from the
// second name too makes tsoil_2000.nc try tsoil2000 and then tsoil2000nc.
std::pair<std::string, std::string> baseNames(const QString& path) {
    const qsizetype slash =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    QString base = path.mid(slash + 1);
    base.remove(QLatin1Char('_')).remove(QLatin1Char('-'));
    const qsizetype dot = base.indexOf(QLatin1Char('.'));
    const QString cut = dot < 0 ? base : base.left(dot);
    QString joined = base;
    joined.remove(QLatin1Char('.'));
    return {cut.toStdString(), joined.toStdString()};
}

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

bool isNumeric(const NcType& type) {
    switch (type.getTypeClass()) {
        case NcType::nc_BYTE:
        case NcType::nc_UBYTE:
        case NcType::nc_SHORT:
        case NcType::nc_USHORT:
        case NcType::nc_INT:
        case NcType::nc_UINT:
        case NcType::nc_INT64:
        case NcType::nc_UINT64:
        case NcType::nc_FLOAT:
        case NcType::nc_DOUBLE:
            return true;
        default:
            return false;
    }
}

// How a type is named in messages: its name, and for types of the file's own
// making also their kind.
std::string typeText(const NcType& type) {
    const std::string name = "\"" + type.getName() + "\"";
    switch (type.getTypeClass()) {
        case NcType::nc_COMPOUND:
            return name + " (compound)";
        case NcType::nc_VLEN:
            return name + " (variable-length)";
        case NcType::nc_OPAQUE:
            return name + " (opaque)";
        case NcType::nc_ENUM:
            return name + " (enum)";
        default:
            return name;
    }
}

// Values are read into numbers by the library only from number types; any
// other type would be copied raw into the number buffer.
void requireNumbers(const NcVar& variable, const std::string& where) {
    if (isNumeric(variable.getType())) return;
    throw NetcdfReadError(0,
                          where + ": variable \"" + variable.getName() + "\" has the type " +
                              typeText(variable.getType()) + ", not a number type",
                          true);
}

// First value of a numeric attribute, converted by the library to T. Attributes
// of text or other non-numeric types are passed over as if absent, so that an
// attribute like "scale_factor_comment" does not break the read.
template <typename T>
bool firstValue(const netCDF::NcVarAtt& attribute, T& value) {
    const std::size_t length = attribute.getAttLength();
    if (length == 0 || !isNumeric(attribute.getType())) return false;
    std::vector<T> values(length);
    attribute.getValues(values.data());
    value = values[0];
    return true;
}

// "scale_factor" and "add_offset" must be numbers: one stored as text would leave every value
// unscaled without a word.
void requireNumber(const netCDF::NcVarAtt& attribute, const std::string& where) {
    if (isNumeric(attribute.getType())) return;
    throw NetcdfReadError(0,
                          where + ": attribute \"" + attribute.getName() + "\" has the type " +
                              typeText(attribute.getType()) + ", not a number type",
                          true);
}

// What a byte or short variable marked `_Unsigned = "true"` adds to its negative values to
// read them as unsigned (the byte -1 is 255); 0 for every other variable.
double unsignedWrapOf(const NcVar& variable) {
    const auto type = variable.getType().getTypeClass();
    if (type != NcType::nc_BYTE && type != NcType::nc_SHORT) return 0;
    const auto attributes = variable.getAtts();
    const auto found = attributes.find("_Unsigned");
    if (found == attributes.end()) return 0;
    const netCDF::NcVarAtt& marker = found->second;
    if (marker.getType().getTypeClass() != NcType::nc_CHAR) return 0;
    std::string text;
    marker.getValues(text);
    if (QString::fromStdString(text).trimmed().toLower() != QLatin1String("true")) return 0;
    return type == NcType::nc_BYTE ? 256.0 : 65536.0;
}

// A missing or fill value, read as the variable's values are read: unsigned where the
// variable is; nothing when it is no finite number.
std::optional<double> nodataOf(const netCDF::NcVarAtt& attribute, double unsignedWrap) {
    double value = 0;
    if (!firstValue(attribute, value) || !std::isfinite(value)) return std::nullopt;
    const auto type = attribute.getType().getTypeClass();
    if (value < 0 && (type == NcType::nc_BYTE || type == NcType::nc_SHORT)) value += unsignedWrap;
    return value;
}

// Reads the first `count` values of a one-dimensional coordinate variable as
// integers; fails clearly when it holds fewer.
std::vector<int> readCoordinates(const NcVar& variable, std::size_t count,
                                 const std::string& where) {
    requireNumbers(variable, where);
    if (variable.getDimCount() != 1) {
        throw NetcdfReadError(
            0, where + ": variable \"" + variable.getName() + "\" is not one-dimensional");
    }
    const std::size_t length = variable.getDim(0).getSize();
    if (length < count) {
        throw NetcdfReadError(0, where + ": variable \"" + variable.getName() + "\" holds " +
                                     std::to_string(length) + " values, " + std::to_string(count) +
                                     " expected");
    }
    std::vector<int> values(count);
    variable.getVar({0}, {count}, values.data());
    return values;
}

NcVar findDataVariable(const NcFile& file, const NetcdfEntry& entry) {
    if (entry.hasSelector) return file.getVar(entry.variable.toStdString());
    const auto [cut, joined] = baseNames(entry.path);
    NcVar variable = file.getVar(cut);
    if (!variable.isNull()) return variable;
    variable = file.getVar(joined);
    if (!variable.isNull()) return variable;
    // getVars is a map ordered by name, so this is the first in name order. Only a variable
    // of three dimensions can hold levels of a grid: a scalar "crs" or a one-dimensional "time"
    // of a climate data file is passed over.
    for (const auto& [name, candidate] : file.getVars()) {
        if (name != "x" && name != "y" && name != "t" && candidate.getDimCount() == 3)
            return candidate;
    }
    return NcVar();
}

std::string fileText(const QString& path) { return "netCDF file \"" + path.toStdString() + "\""; }

}  // namespace

// An open file of the cache, with what its classic header says about the
// extent of its variables (netCDF-4 files have none).
struct netcdfReader::CachedFile {
    std::unique_ptr<NcFile> file;
    std::optional<ClassicHeader> classic;
    std::uint64_t fileSize = 0;

    // Refuses a variable whose data run past the end of a classic file.
    void requireData(const NcVar& variable, const QString& path) const {
        if (!classic) return;
        const ClassicVariable* extent = classic->variable(variable.getName());
        const std::string problem =
            extent ? classicTruncation(*extent, fileSize)
                   : "variable \"" + variable.getName() + "\" is not in the file's header";
        if (!problem.empty()) throw NetcdfReadError(0, fileText(path) + ": " + problem, true);
    }
};

netcdfReader::netcdfReader(std::size_t capacity) : capacity_(capacity) {}

netcdfReader::~netcdfReader() = default;

netcdfReader::CachedFile& netcdfReader::open(const std::string& key, const QString& path) {
    auto cached = NcFileCache.find(key);
    if (cached != NcFileCache.end()) return *cached->second;
    if (NcFileCache.size() >= capacity_) {
        throw NetcdfReadError(1100, "too many open netCDF files (" +
                                        std::to_string(NcFileCache.size()) + "), cannot open " +
                                        fileText(path));
    }
    auto entry = std::make_unique<CachedFile>();
    try {
        entry->file = std::make_unique<NcFile>(key, NcFile::read);
    } catch (const netCDF::exceptions::NcException&) {
        throw;
    } catch (const std::exception& error) {
        throw NetcdfReadError(0, "cannot open " + fileText(path) + ": " + error.what());
    }
    // The library reads a classic file cut inside its data as if the missing
    // values were zeros; its header tells how long the file must be.
    ClassicFileCheck check = readClassicFileHeader(key);
    if (!check.problem.empty())
        throw NetcdfReadError(0, fileText(path) + ": " + check.problem, true);
    if (check.classic) {
        entry->classic = std::move(check.header);
        entry->fileSize = check.fileSize;
    }
    return *NcFileCache.emplace(key, std::move(entry)).first->second;
}

// Follows the documented reading steps. Where they leave things open or would read
// out of bounds, this implementation decides:
// - the caller's header, level count and rows are written only when the whole
//   read succeeded; a failed read leaves them as they were, but rows it was
//   given to read over are released when it fails while writing them;
// - the level must lie within the data variable's first dimension and the row and
//   column counts within its other two dimensions, else a NetcdfReadError (code 0);
// - the data variable and the coordinates must be of a number type, and their
//   data must lie within a classic file, else a format error;
// - with fewer than two rows there is no y[1]; the rows are then taken as they are
//   and yllcorner is y[0];
// - a "y" variable with fewer than nrows values or an "x" variable without values
//   is an error rather than a read past its end;
// - all non-double types, integers included, are read through 4-byte floats, so
//   integers beyond 2^24 lose precision;
// - NaN and infinite cells, and a "missing_value" that is not finite, never pass
//   as data: such cells take nodata_value and such an attribute is passed over;
// - coordinates are read as integers and the corner is not shifted by half a cell;
// - climate data files: without a selector or a variable of the file's base name,
//   the first variable in name order with three dimensions is taken; a "_FillValue"
//   is the nodata value when there is no "missing_value"; byte and short data
//   marked `_Unsigned = "true"` are unsigned; a "scale_factor" or "add_offset"
//   that is no number is a format error rather than passed over.
void netcdfReader::read(const QString& entryText, int level, GridHeader& header, int& levelCount,
                        std::unique_ptr<GridRows>& rowsOut) {
    const NetcdfEntry entry = splitNetcdfEntry(entryText);
    if (entry.hasSelector) level = entry.level;
    const std::string key = QFile::encodeName(entry.path).toStdString();
    const std::string where = fileText(entry.path);

    try {
        current_ = &open(key, entry.path);
        const NcFile& file = *current_->file;

        GridHeader result = header;
        int levels = levelCount;
        // Dimensions are matched by containment, in name order; a later match wins.
        for (const auto& [name, dimension] : file.getDims()) {
            const auto size = static_cast<double>(dimension.getSize());
            if (contains(name, "x")) {
                result.ncols = size;
            } else if (contains(name, "y")) {
                result.nrows = size;
            } else if (contains(name, "t")) {
                levels = static_cast<int>(dimension.getSize());
            }
        }

        const NcVar variable = findDataVariable(file, entry);
        if (variable.isNull()) {
            throw NetcdfReadError(
                26, where + " has no data variable" +
                        (entry.hasSelector ? " named \"" + entry.variable.toStdString() + "\""
                                           : std::string()));
        }

        if (variable.getDimCount() != 3) {
            throw NetcdfReadError(0, where + ": variable \"" + variable.getName() + "\" has " +
                                         std::to_string(variable.getDimCount()) +
                                         " dimensions, 3 expected (level, rows, columns)");
        }
        requireNumbers(variable, where);
        // Attributes are matched by containment, in name order; a later match wins.
        double scale = 1.0;
        int offset = 0;
        result.cellsize = -1.0;
        const double unsignedWrap = unsignedWrapOf(variable);
        std::optional<double> missing;
        std::optional<double> fill;
        for (const auto& [name, attribute] : variable.getAtts()) {
            if (name == "scale_factor" || name == "add_offset") requireNumber(attribute, where);
            if (contains(name, "scale_factor")) {
                firstValue(attribute, scale);
            } else if (contains(name, "add_offset")) {
                firstValue(attribute, offset);
            } else if (contains(name, "missing_value")) {
                missing = nodataOf(attribute, unsignedWrap);
            } else if (contains(name, "default_cellsize")) {
                firstValue(attribute, result.cellsize);
            } else if (name == "_FillValue") {
                fill = nodataOf(attribute, unsignedWrap);
            }
        }
        // Climate data often marks missing cells only by the fill value, which also fills the
        // records never written; like the missing value it is taken as stored.
        if (const std::optional<double> nodata = missing ? missing : fill) {
            result.nodata_value = *nodata;
        }

        if (result.ncols < 0 || result.nrows < 0) {
            throw NetcdfReadError(0, where + ": negative grid size");
        }
        const auto rows = static_cast<std::size_t>(result.nrows);
        const auto columns = static_cast<std::size_t>(result.ncols);

        bool reverseRows = false;
        const NcVar yVariable = file.getVar("y");
        if (!yVariable.isNull() && rows > 0) {
            current_->requireData(yVariable, entry.path);
            const std::vector<int> y = readCoordinates(yVariable, rows, where);
            const bool northFirst = rows >= 2 && y[1] < y[0];
            reverseRows = rows >= 2 && !northFirst;
            result.yllcorner = northFirst ? y[rows - 1] : y[0];
            if (result.cellsize < 0) {
                result.cellsize =
                    rows < 2 ? 10.0
                             : std::fabs(static_cast<double>(y[1]) - static_cast<double>(y[0]));
            }
        }
        const NcVar xVariable = file.getVar("x");
        if (!xVariable.isNull() && columns > 0) {
            current_->requireData(xVariable, entry.path);
            result.xllcorner = readCoordinates(xVariable, 1, where)[0];
        }

        const std::vector<netCDF::NcDim> dimensions = variable.getDims();
        const bool columnsFirst = dimensions[1].getName() == "x";
        const bool rowsFirst = !columnsFirst && dimensions[2].getName() == "x";
        const std::size_t levelSize = dimensions[0].getSize();
        if (level < 0 || static_cast<std::size_t>(level) >= levelSize) {
            throw NetcdfReadError(0,
                                  where + ": level " + std::to_string(level) + " of variable \"" +
                                      variable.getName() + "\" does not exist (levels 0 to " +
                                      std::to_string(static_cast<long long>(levelSize) - 1) + ")");
        }
        const std::size_t first = columnsFirst ? columns : rows;
        const std::size_t second = columnsFirst ? rows : columns;
        if (first > dimensions[1].getSize() || second > dimensions[2].getSize()) {
            throw NetcdfReadError(0, where + ": variable \"" + variable.getName() +
                                         "\" is smaller than the grid of " +
                                         std::to_string(columns) + " columns and " +
                                         std::to_string(rows) + " rows");
        }
        if (rows > maxCells || columns > maxCells || (columns > 0 && rows > maxCells / columns)) {
            throw NetcdfReadError(0, where + ": grid of " + std::to_string(columns) + " x " +
                                         std::to_string(rows) + " cells is too large");
        }
        current_->requireData(variable, entry.path);

        NetcdfLevelLayout layout;
        layout.level = static_cast<std::size_t>(level);
        layout.rows = static_cast<int>(rows);
        layout.columns = static_cast<int>(columns);
        layout.order = rowsFirst      ? NetcdfStorageOrder::RowsFirst
                       : columnsFirst ? NetcdfStorageOrder::ColumnsFirst
                                      : NetcdfStorageOrder::AsRead;
        layout.reverseRows = reverseRows;
        layout.readAsDouble = variable.getType().getTypeClass() == NcType::nc_DOUBLE;
        layout.scale = scale;
        layout.offset = offset;
        layout.nodata = result.nodata_value;
        layout.unsignedWrap = unsignedWrap;
        // Cells of the caller's of the same size are read over rather than held twice.
        const bool over = rowsOut && rowsOut->rowCount() == layout.rows &&
                          rowsOut->columnCount() == layout.columns;
        std::unique_ptr<GridRows> block;
        try {
            if (!over) block = std::make_unique<GridRows>(layout.rows, layout.columns);
        } catch (const std::bad_alloc&) {
            throw NetcdfReadError(0, where + ": the grid of " + std::to_string(columns) + " x " +
                                         std::to_string(rows) +
                                         " cells does not fit in the memory available");
        }
        if (over) {
            // Rows that hold parts of two levels are of no use to anyone.
            try {
                transferLevel(variable, layout, *rowsOut);
            } catch (...) {
                rowsOut.reset();
                throw;
            }
        } else {
            transferLevel(variable, layout, *block);
        }

        header = result;
        levelCount = levels;
        if (!over) rowsOut = std::move(block);
    } catch (const netCDF::exceptions::NcException& error) {
        throw NetcdfReadError(error.errorCode(), "error reading " + where + ": " + error.what());
    }
}
