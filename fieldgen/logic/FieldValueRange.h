#pragma once
#include <QString>
#include <optional>

#include "FieldParameters.h"

// The smallest correlation length taken: the kernel multiplies the reciprocal of a correlation
// length by wave numbers of a few units, and below this the products are no finite numbers (a
// length of 1e-310 makes the whole field "not a number"). Far below any length that shapes a
// field: 1e-300 spans 1e-297 cells.
inline constexpr double MinimumCorrelationLength = 1e-300;

// The reason why these parameters cannot give a field of finite numbers, or nullopt. Refused
// are correlation lengths below MinimumCorrelationLength, and a mean and standard deviation
// whose values one standard deviation away from the mean are no finite numbers (for the
// logarithmic type: 10 to the power of them), so that much of any field would be infinite.
// Single cells further out can still overflow; the kernel refuses to write such a field.
std::optional<QString> refusalOfValueRange(const FieldParameters& parameters);
