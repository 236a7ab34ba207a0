#pragma once
#include <QString>
#include <QStringList>
#include <cstdio>
#include <variant>

#include "FieldParameters.h"

// sorvek --batch [--rows R --cols C --xll X --yll Y --cellsize S --nodata V --average A
//                 --stddev D --corrx L --corry L --seed N --log] FILE
struct BatchJob {
    FieldParameters parameters;
};
struct BatchHelp {};
struct BatchError {
    QString message;
};
using BatchRequest = std::variant<BatchJob, BatchHelp, BatchError>;

// Whether the arguments ask for a job without a window (--batch or --help).
bool isBatchCommandLine(const QStringList& arguments);
// arguments without the program name. Parameters not given keep the form's defaults; without
// --seed the generator seeds from the clock.
BatchRequest parseBatchCommandLine(const QStringList& arguments);
QString batchUsage();

// Generates the field through the same driving loop as the window and writes the file.
// Progress goes to `progress` as a bar when showBar is set; messages go to `errors`.
// Returns the exit status: 0 when the file was written, 1 otherwise.
int runBatchJob(const BatchJob& job, std::FILE* errors, bool showBar);

// The whole command line: parses, runs and reports; the exit status.
int runBatchCommandLine(const QStringList& arguments);
