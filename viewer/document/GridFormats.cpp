// The table of grid formats. A format lives in its own folder and is added here with one line.
#include <QString>
#include <stdexcept>

#include "GridFormat.h"
#include "LoadGrid.h"

namespace {

std::vector<GridFileFormat>& table() {
    // Recognition asks the formats in this order.
    static std::vector<GridFileFormat> formats = {
        GridFileFormat::NetCDF,     GridFileFormat::AsciiStack, GridFileFormat::AsciiGrid,
        GridFileFormat::DoubleGrid, GridFileFormat::SingleGrid,
    };
    return formats;
}

// What a file that no format recognises loads as. Only such a file goes to the raster
// reader (GDAL), which makes the document a raster if it reads the file; one it does not read
// either stays "not recognized".
class UnrecognisedFormat final : public GridFormat {
public:
    QString name() const override { return QStringLiteral("not recognized"); }
    bool recognises(std::string_view) const override { return false; }
    void load(const GridLoad& load) const override { GridFileFormat::Raster->load(load); }
};

const UnrecognisedFormat unrecognised{};

}  // namespace

constinit const GridFileFormat GridFileFormat::Unrecognised{unrecognised};

std::span<const GridFileFormat> gridFormats() { return table(); }

const GridFormat& writerOf(GridOutputFormat output) {
    for (const GridFileFormat& format : table())
        if (format->output() == output) return *format;
    throw std::logic_error("no grid format writes the chosen output format");
}

QString formatName(GridFileFormat format) { return format->name(); }

GridFormatRegistration::GridFormatRegistration(GridFileFormat format) : format_(format) {
    table().push_back(format);
}

GridFormatRegistration::~GridFormatRegistration() { std::erase(table(), format_); }
