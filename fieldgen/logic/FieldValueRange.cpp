#include "FieldValueRange.h"

#include <cmath>
#include <limits>

#include "NumberText.h"

namespace {

std::optional<QString> refusalOfCorrelationLength(double length, const char* direction) {
    if (length >= MinimumCorrelationLength) return std::nullopt;
    return QStringLiteral("The correlation length in %1 must be at least %2 (it is %3).")
        .arg(QLatin1String(direction), qFormatG(MinimumCorrelationLength), qFormatG(length));
}

}  // namespace

std::optional<QString> refusalOfValueRange(const FieldParameters& p) {
    if (auto refusal = refusalOfCorrelationLength(p.corrLenX, "x")) return refusal;
    if (auto refusal = refusalOfCorrelationLength(p.corrLenY, "y")) return refusal;

    const double spread = std::fabs(p.stdDeviation);
    const double highest = p.average + spread;
    const double lowest = p.average - spread;
    const QString largest = qFormatG(std::numeric_limits<double>::max(), 3);
    if (p.distributionType == 0) {
        if (std::isfinite(highest) && std::isfinite(lowest)) return std::nullopt;
        return QStringLiteral(
                   "The average (%1) plus or minus the standard deviation (%2) goes beyond the "
                   "largest number (%3): the field would be infinite.")
            .arg(qFormatG(p.average), qFormatG(p.stdDeviation), largest);
    }
    // Small powers of ten only come close to 0, which is finite.
    if (std::isfinite(highest) && std::isfinite(std::pow(10.0, highest))) return std::nullopt;
    return QStringLiteral(
               "With the logarithmic distribution the average (%1) plus the standard deviation "
               "(%2) must not exceed %3: 10 to the power of more goes beyond the largest number "
               "(%4), and the field would be infinite.")
        .arg(qFormatG(p.average), qFormatG(p.stdDeviation),
             qFormatG(std::log10(std::numeric_limits<double>::max()), 5), largest);
}
