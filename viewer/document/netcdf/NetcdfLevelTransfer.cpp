#include "NetcdfLevelTransfer.h"

#include <netcdf.h>

#include <algorithm>
#include <cmath>
#include <netcdf>
#include <vector>

namespace {

// Largest chunk cache the transfer asks for; beyond it chunks may be read twice.
constexpr std::size_t maxChunkCacheBytes = std::size_t{256} << 20;

// While a level is read by bands of rows, the chunks that one band crosses are
// kept in the variable's chunk cache, so that a compressed chunk is decompressed
// once rather than once per band. The cache goes back to its old size afterwards,
// which releases the chunks it held.
class ChunkCacheForBands {
public:
    ChunkCacheForBands(const netCDF::NcVar& variable, std::size_t secondLength) {
        netCDF::NcVar::ChunkMode mode;
        std::vector<std::size_t> chunk;
        variable.getChunkingParameters(mode, chunk);
        if (mode != netCDF::NcVar::nc_CHUNKED || chunk.size() != 3) return;
        const int group = variable.getParentGroup().getId();
        const int id = variable.getId();
        if (nc_get_var_chunk_cache(group, id, &size_, &slots_, &preemption_) != NC_NOERR) return;
        const std::size_t across = (secondLength + std::max<std::size_t>(chunk[2], 1) - 1) /
                                   std::max<std::size_t>(chunk[2], 1);
        const double chunkBytes = double(chunk[0]) * double(chunk[1]) * double(chunk[2]) *
                                  double(variable.getType().getSize());
        const double wanted = chunkBytes * double(across);
        if (wanted <= double(size_) || wanted > double(maxChunkCacheBytes)) return;
        const std::size_t slots = std::max<std::size_t>(slots_, 10 * across + 1);
        if (nc_set_var_chunk_cache(group, id, static_cast<std::size_t>(wanted), slots,
                                   preemption_) == NC_NOERR) {
            group_ = group;
            id_ = id;
        }
    }
    ~ChunkCacheForBands() {
        if (id_ >= 0) nc_set_var_chunk_cache(group_, id_, size_, slots_, preemption_);
    }
    ChunkCacheForBands(const ChunkCacheForBands&) = delete;
    ChunkCacheForBands& operator=(const ChunkCacheForBands&) = delete;

private:
    int group_ = -1;
    int id_ = -1;
    std::size_t size_ = 0;
    std::size_t slots_ = 0;
    float preemption_ = 0;
};

// Converts one hyperslab (`count0` × `count1` values starting at storage
// position (first0, first1)) into the target's cells.
template <typename Value>
void place(const std::vector<Value>& buffer, std::size_t first0, std::size_t first1,
           std::size_t count0, std::size_t count1, const NetcdfLevelLayout& layout,
           GridRows& target) {
    const auto rows = static_cast<std::size_t>(layout.rows);
    const auto convert = [&layout](Value stored) {
        double read = static_cast<double>(stored);
        if (read < 0) read += layout.unsignedWrap;
        const double value = read * layout.scale + layout.offset;
        return std::isfinite(value) ? value : layout.nodata;
    };
    const auto gridRow = [&layout, rows](std::size_t row) {
        return static_cast<int>(layout.reverseRows ? rows - 1 - row : row);
    };
    for (std::size_t i = 0; i < count0; ++i) {
        const Value* source = buffer.data() + i * count1;
        const std::size_t storage0 = first0 + i;
        switch (layout.order) {
            case NetcdfStorageOrder::RowsFirst: {
                double* destination = target.row(gridRow(storage0)) + first1;
                for (std::size_t j = 0; j < count1; ++j) destination[j] = convert(source[j]);
                break;
            }
            case NetcdfStorageOrder::ColumnsFirst: {
                const int column = static_cast<int>(storage0);
                for (std::size_t j = 0; j < count1; ++j)
                    target.at(gridRow(first1 + j), column) = convert(source[j]);
                break;
            }
            case NetcdfStorageOrder::AsRead: {
                // The n-th value read is the n-th cell in column-major order.
                std::size_t index = storage0 * static_cast<std::size_t>(layout.columns) + first1;
                for (std::size_t j = 0; j < count1; ++j, ++index)
                    target.at(static_cast<int>(index % rows), static_cast<int>(index / rows)) =
                        convert(source[j]);
                break;
            }
        }
    }
}

template <typename Value>
void transfer(const netCDF::NcVar& variable, const NetcdfLevelLayout& layout, GridRows& target,
              std::size_t bufferValues) {
    const bool columnsFirst = layout.order == NetcdfStorageOrder::ColumnsFirst;
    const auto first = static_cast<std::size_t>(columnsFirst ? layout.columns : layout.rows);
    const auto second = static_cast<std::size_t>(columnsFirst ? layout.rows : layout.columns);
    if (first == 0 || second == 0) return;
    bufferValues = std::max<std::size_t>(bufferValues, 1);
    // Whole lines of the second dimension when they fit, else pieces of one line.
    const std::size_t piece = std::min(second, bufferValues);
    const std::size_t lines = piece == second ? std::max<std::size_t>(bufferValues / second, 1) : 1;
    std::vector<Value> buffer(std::min(lines, first) * piece);

    ChunkCacheForBands cache(variable, second);
    for (std::size_t first0 = 0; first0 < first; first0 += lines) {
        const std::size_t count0 = std::min(lines, first - first0);
        for (std::size_t first1 = 0; first1 < second; first1 += piece) {
            const std::size_t count1 = std::min(piece, second - first1);
            variable.getVar({layout.level, first0, first1}, {1, count0, count1}, buffer.data());
            place(buffer, first0, first1, count0, count1, layout, target);
        }
    }
}

}  // namespace

void transferLevel(const netCDF::NcVar& variable, const NetcdfLevelLayout& layout, GridRows& target,
                   std::size_t bufferValues) {
    if (layout.readAsDouble)
        transfer<double>(variable, layout, target, bufferValues);
    else
        transfer<float>(variable, layout, target, bufferValues);
}
