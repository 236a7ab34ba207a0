#pragma once

// The geometry of a grid, in the order of the file headers. ncols and nrows
// are whole-numbered doubles; counts are taken from them by truncation.
struct GridHeader {
    double ncols = 0;
    double nrows = 0;
    double xllcorner = 0;
    double yllcorner = 0;
    double cellsize = 0;
    double nodata_value = -9999;

    int columnCount() const { return static_cast<int>(ncols); }
    int rowCount() const { return static_cast<int>(nrows); }
};

// Statistics of the cells of the shown level that are not nodata.
struct GridStatistics {
    double CellCount = 0;
    double Minimum = 0;
    double Maximum = 0;
    double Sum = 0;
    double Average = 0;
    double StdDeviation = 0;
};
