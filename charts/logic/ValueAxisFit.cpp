#include "ValueAxisFit.h"

#include <algorithm>
#include <limits>

ValueRange includeRange(ValueRange axis, double minimum, double maximum) {
    if (minimum == SeriesData::unset) return axis;
    if (axis.minimum > minimum || axis.minimum == SeriesData::unset) {
        // The maximum first, so that the axis never holds a minimum above its maximum.
        if (axis.maximum == SeriesData::unset) axis.maximum = minimum;
        axis.minimum = minimum;
    }
    if (axis.maximum < maximum || axis.maximum == SeriesData::unset) axis.maximum = maximum;
    return axis;
}

ValueRange withMargin(ValueRange axis, bool logarithmic) {
    // Each limit's share is taken apart, so that values near the largest double give a
    // finite margin; the limits stay within the finite numbers.
    const double margin = 0.02 * axis.maximum - 0.02 * axis.minimum;
    if (margin > 0.0 && !logarithmic) {
        constexpr double largest = std::numeric_limits<double>::max();
        axis.minimum = std::max(-largest, axis.minimum - margin);
        axis.maximum = std::min(largest, axis.maximum + margin);
    }
    return axis;
}

ValueRange fitValueAxis(const std::vector<ListedTable>& tables, bool logarithmic) {
    ValueRange axis;
    for (const ListedTable& listed : tables) {
        if (!listed.checked || !listed.table) continue;
        for (int i = 0; i < listed.table->seriesCount(); ++i) {
            const SeriesData& series = *listed.table->series(i);
            if (series.visible) axis = includeRange(axis, series.valueMinimum, series.valueMaximum);
        }
    }
    return withMargin(axis, logarithmic);
}

ValueRange widenForTable(ValueRange axis, const FileContainer& table) {
    return includeRange(axis, table.valueMinimum(), table.valueMaximum());
}
