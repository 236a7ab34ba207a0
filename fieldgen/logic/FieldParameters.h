#pragma once
#include <QString>
#include <optional>

// The parameters of one random field, as the form or the command line hands them to Kelvra.
// The defaults are the form's.
struct FieldParameters {
    QString fileName = QStringLiteral("field.000");
    int nrows = 100;
    int ncols = 100;
    double xll = 0.0;
    double yll = 0.0;
    double cellSize = 100.0;
    double nodata = -9999.0;
    double average = 0.0;
    double stdDeviation = 1.0;
    double corrLenX = 0.01;
    double corrLenY = 0.01;
    int initValue = -1;        // 0 or less: seeded from the clock
    int distributionType = 0;  // 0 normal, 1 logarithmic
};

struct MachineRoom;

// The reason why a generator must not start with these parameters, or nullopt when they are
// fit: fewer than one row or column, or a correlation length that is not a positive number,
// would make the kernel refuse the grid or divide by zero; parameters that cannot give finite
// values (FieldValueRange.h) and fields that do not fit into the machine's memory or the
// target's file system (FieldSize.h) are refused too. The window and the command line both
// check with this before starting a generator.
std::optional<QString> refusalOf(const FieldParameters& parameters);
// The same with the given room instead of this machine's for the file.
std::optional<QString> refusalOf(const FieldParameters& parameters, const MachineRoom& room);
