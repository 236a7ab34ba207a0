#include "ValueEditing.h"

#include "NumberText.h"

namespace {

const QString ErrorCaption = QStringLiteral("Error");

}  // namespace

std::optional<double> AskNewCellValue(UserDialogs& dialogs) {
    const std::optional<QString> text = dialogs.inputQuery(
        QStringLiteral("Change Selected Cells"),
        QStringLiteral("Change Selected Cells to (ESC: no change)"), QStringLiteral("0"));
    if (!text) return std::nullopt;
    try {
        return parseDouble(*text);
    } catch (const ConversionError&) {
        dialogs.errorMessage(QStringLiteral("Value cannot be converted into a number!"),
                             ErrorCaption);
        return std::nullopt;
    }
}

void SetSelectedCells(GridRows& values, const CellSelection& selection, double value) {
    for (const myPoint& point : selection.points) values.at(point.y - 1, point.x - 1) = value;
}

bool AskValueRange(UserDialogs& dialogs, ValueRange& range, const GridStatistics& statistics) {
    if (range.RangeMin == range.RangeMax) {
        range.RangeMin = statistics.Minimum;
        range.RangeMax = statistics.Maximum;
    }
    const QString maximumText = formatGeneral15(range.RangeMax);
    const std::optional<QString> minimum = dialogs.inputQuery(
        QStringLiteral("new Minimum:"), QStringLiteral("Minimum"), formatGeneral15(range.RangeMin));
    if (!minimum) return true;
    try {
        range.RangeMin = parseDouble(*minimum);
        const std::optional<QString> maximum = dialogs.inputQuery(
            QStringLiteral("new Maximum:"), QStringLiteral("Maximum"), maximumText);
        if (!maximum) return true;
        range.RangeMax = parseDouble(*maximum);
    } catch (const ConversionError&) {
        dialogs.errorMessage(QStringLiteral("Value is no number!"), ErrorCaption);
        return false;
    }
    range.RangeSet = range.RangeMin != range.RangeMax;
    return true;
}
