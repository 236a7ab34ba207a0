#include "GdalRasterSource.h"

#include <cpl_error.h>
#include <gdal_priv.h>

#include <mutex>

namespace {

// Keeps GDAL's messages off standard error while it lives; the last one is read from
// CPLGetLastErrorMsg.
class QuietGdal {
public:
    QuietGdal() {
        CPLPushErrorHandler(CPLQuietErrorHandler);
        CPLErrorReset();
    }
    ~QuietGdal() { CPLPopErrorHandler(); }
    QuietGdal(const QuietGdal&) = delete;
    QuietGdal& operator=(const QuietGdal&) = delete;
};

std::string lastGdalMessage(const char* otherwise) {
    const char* message = CPLGetLastErrorMsg();
    return message && *message ? std::string(message) : std::string(otherwise);
}

struct CloseDataset {
    void operator()(GDALDataset* dataset) const { GDALClose(GDALDataset::ToHandle(dataset)); }
};

class GdalRasterSource final : public RasterSource {
public:
    explicit GdalRasterSource(std::unique_ptr<GDALDataset, CloseDataset> dataset)
        : dataset_(std::move(dataset)) {}

    int columns() const override { return dataset_->GetRasterXSize(); }
    int rows() const override { return dataset_->GetRasterYSize(); }
    int bandCount() const override { return dataset_->GetRasterCount(); }
    std::optional<std::array<double, 6>> geoTransform() const override {
        std::array<double, 6> t{};
        if (dataset_->GetGeoTransform(t.data()) != CE_None) return std::nullopt;
        return t;
    }
    std::optional<double> nodata(int band) const override {
        GDALRasterBand* raster = dataset_->GetRasterBand(band);
        int has = 0;
        const double value = raster->GetNoDataValue(&has);
        if (!has) return std::nullopt;
        // Cells of 4-byte floats compare equal to the nodata value only in their own precision.
        if (raster->GetRasterDataType() == GDT_Float32) return double(float(value));
        return value;
    }
    int rowsPerRead(int band) const override {
        int blockColumns = 0, blockRows = 0;
        dataset_->GetRasterBand(band)->GetBlockSize(&blockColumns, &blockRows);
        return blockRows;
    }
    void readRows(int band, int first, int count, double* cells) override {
        QuietGdal quiet;
        GDALRasterBand* raster = dataset_->GetRasterBand(band);
        const int width = columns();
        if (raster->RasterIO(GF_Read, 0, first, width, count, cells, width, count, GDT_Float64, 0,
                             0, nullptr) != CE_None)
            throw RasterReadError(lastGdalMessage("GDAL could not read the band's cells"));
        // The rows are read once: the blocks they came from need not stay in GDAL's cache,
        // which would otherwise grow with the raster.
        raster->FlushCache(false);
    }

private:
    std::unique_ptr<GDALDataset, CloseDataset> dataset_;
};

}  // namespace

std::unique_ptr<RasterSource> openGdalRaster(const std::string& path) {
    static std::once_flag registered;
    std::call_once(registered, [] { GDALAllRegister(); });
    QuietGdal quiet;
    // Only files some raster driver claims are rasters; a claimed file that does not open is
    // an error of its own.
    if (!GDALIdentifyDriverEx(path.c_str(), GDAL_OF_RASTER, nullptr, nullptr)) return nullptr;
    std::unique_ptr<GDALDataset, CloseDataset> dataset(GDALDataset::FromHandle(
        GDALOpenEx(path.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY, nullptr, nullptr, nullptr)));
    if (!dataset) throw RasterReadError(lastGdalMessage("GDAL could not open the raster"));
    return std::make_unique<GdalRasterSource>(std::move(dataset));
}
