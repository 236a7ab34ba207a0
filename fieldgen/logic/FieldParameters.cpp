#include "FieldParameters.h"

#include <cmath>

#include "FieldSize.h"
#include "FieldValueRange.h"

namespace {

bool positive(double value) { return std::isfinite(value) && value > 0.0; }

}  // namespace

std::optional<QString> refusalOf(const FieldParameters& parameters) {
    return refusalOf(parameters, machineRoomFor(parameters.fileName));
}

std::optional<QString> refusalOf(const FieldParameters& parameters, const MachineRoom& room) {
    if (parameters.nrows < 1)
        return QStringLiteral("The number of rows must be at least 1 (it is %1).")
            .arg(parameters.nrows);
    if (parameters.ncols < 1)
        return QStringLiteral("The number of columns must be at least 1 (it is %1).")
            .arg(parameters.ncols);
    if (!positive(parameters.corrLenX))
        return QStringLiteral("The correlation length in x must be greater than 0.");
    if (!positive(parameters.corrLenY))
        return QStringLiteral("The correlation length in y must be greater than 0.");
    if (parameters.fileName.isEmpty()) return QStringLiteral("The file name is empty.");
    // Kelvra keeps the name in a buffer of 1024 bytes, its terminating zero included.
    if (parameters.fileName.toLocal8Bit().size() >= 1024)
        return QStringLiteral("The file name is too long (at most 1023 bytes).");
    if (auto refusal = refusalOfValueRange(parameters)) return refusal;
    return refusalOfSize(parameters, room);
}
