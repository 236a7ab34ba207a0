#include "CellReadout.h"

#include "NumberText.h"

std::optional<CellReadout> ReadCellAt(const ViewWindow& window, const GridHeader& header,
                                      const GridRows& values, int x, int y) {
    if (!window.hasPicture()) return std::nullopt;
    const double columns = window.columnCount();
    const double rows = window.rowCount();
    CellReadout readout;
    readout.x =
        (x * columns / window.DrawWidth + window.FirstCol) * header.cellsize + header.xllcorner;
    readout.y = (header.nrows - window.FirstRow - y * rows / window.DrawHeight) * header.cellsize +
                header.yllcorner;
    readout.col = window.columnAt(x) + 1;
    readout.row = window.rowAt(y) + 1;
    readout.inside = readout.row >= 1 && readout.row <= header.nrows && readout.col >= 1 &&
                     readout.col <= header.ncols && readout.row <= values.rowCount() &&
                     readout.col <= values.columnCount();
    if (readout.inside) {
        readout.value = values.at(readout.row - 1, readout.col - 1);
        readout.XCol = QString::number(readout.col);
        readout.YCol = QString::number(readout.row);
        readout.XCoord = qFormatG(readout.x);
        readout.YCoord = qFormatG(readout.y);
        readout.Value = qFormatG(readout.value);
    } else {
        readout.XCol = readout.YCol = QStringLiteral("-");
        readout.XCoord = readout.YCoord = readout.Value = QStringLiteral("outside");
    }
    return readout;
}
