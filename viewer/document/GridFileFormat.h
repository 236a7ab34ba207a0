#pragma once
#include <QString>

enum class GridFileFormat { AsciiGrid, SingleGrid, DoubleGrid, AsciiStack, NetCDF, Unrecognised };

// The text shown in the "Fileformat" field.
inline QString formatName(GridFileFormat format) {
    switch (format) {
        case GridFileFormat::AsciiGrid:
            return QStringLiteral("Grid (ASCII)");
        case GridFileFormat::SingleGrid:
            return QStringLiteral("Grid (single prec.)");
        case GridFileFormat::DoubleGrid:
            return QStringLiteral("Grid (double prec.)");
        case GridFileFormat::AsciiStack:
            return QStringLiteral("Stack (ASCII)");
        case GridFileFormat::NetCDF:
            return QStringLiteral("netCDF");
        case GridFileFormat::Unrecognised:
            break;
    }
    return QStringLiteral("not recognized");
}
