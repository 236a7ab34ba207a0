#pragma once
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

// A raster file opened by the raster reader (GDAL, in a module of its own): its size, bands,
// geotransform and nodata values, and its cells read a few rows at a time as doubles.
class RasterSource {
public:
    virtual ~RasterSource() = default;

    virtual int columns() const = 0;
    virtual int rows() const = 0;
    virtual int bandCount() const = 0;
    // The affine geotransform: x = gt[0] + column × gt[1] + row × gt[2],
    // y = gt[3] + column × gt[4] + row × gt[5]; none when the file is not georeferenced.
    virtual std::optional<std::array<double, 6>> geoTransform() const = 0;
    // The nodata value of `band` (from 1) as its cells hold it, if the band has one.
    virtual std::optional<double> nodata(int band) const = 0;
    // How many rows of `band` are best read at a time (a block's height).
    virtual int rowsPerRead(int band) const = 0;
    // Reads `count` rows of `band` from row `first` (0 the northern edge) into `cells`, which
    // holds count × columns() doubles. Throws RasterReadError.
    virtual void readRows(int band, int first, int count, double* cells) = 0;
};

// What the raster reader reports when a file it reads cannot be opened or read.
class RasterReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Opens the file at `path` (UTF-8); null when it is not a raster the reader knows. Throws
// RasterReadError when the reader knows the file but cannot open it.
using RasterOpener = std::function<std::unique_ptr<RasterSource>(const std::string& path)>;
