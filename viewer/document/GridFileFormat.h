#pragma once
#include <QString>

class GridFormat;

// A grid file format: one of the formats of the table in GridFormat.h, or Unrecognised (the
// format of a document before a load and after a failed one). Compared by identity.
class GridFileFormat {
public:
    static const GridFileFormat AsciiGrid, SingleGrid, DoubleGrid, AsciiStack, NetCDF, Raster,
        Unrecognised;

    explicit constexpr GridFileFormat(const GridFormat& format) : format_(&format) {}

    const GridFormat* operator->() const { return format_; }
    const GridFormat& operator*() const { return *format_; }
    friend bool operator==(const GridFileFormat&, const GridFileFormat&) = default;

private:
    const GridFormat* format_;
};

// The text shown in the "Fileformat" field.
QString formatName(GridFileFormat format);

// The formats Save and --convert write.
enum class GridOutputFormat { Ascii, Single, Double };
