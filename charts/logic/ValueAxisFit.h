#pragma once
// The limits of the value axis fitted to the series: -9999 stands for a limit not set yet,
// as the series' own ranges do.
#include <vector>

#include "FileContainer.h"
#include "SeriesData.h"

struct ValueRange {
    double minimum = SeriesData::unset;
    double maximum = SeriesData::unset;
    friend bool operator==(const ValueRange&, const ValueRange&) = default;
};

// The axis widened to hold minimum..maximum; an unset limit takes the value. A range whose
// minimum is unset (a series without values) changes nothing.
ValueRange includeRange(ValueRange axis, double minimum, double maximum);

// 2 % of the range added on each side, which keeps the extreme values off the frame; none
// on a logarithmic axis, where it could reach zero or below, and none for an empty range.
// Near the largest doubles the limits stop at them: the range stays finite.
ValueRange withMargin(ValueRange axis, bool logarithmic);

// A table as the window lists it: checked or not in the file list.
struct ListedTable {
    const FileContainer* table = nullptr;
    bool checked = false;
};

// The axis fitted to the visible series of the checked tables, with the margin. Series
// without values are ignored; with none at all the axis stays unset.
ValueRange fitValueAxis(const std::vector<ListedTable>& tables, bool logarithmic);

// The axis widened to the value range of a table just added; no margin.
ValueRange widenForTable(ValueRange axis, const FileContainer& table);
