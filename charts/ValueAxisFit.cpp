#include "ValueAxisFit.h"

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
    const double range = axis.maximum - axis.minimum;
    if (range > 0.0 && !logarithmic) {
        axis.minimum -= 0.02 * range;
        axis.maximum += 0.02 * range;
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
