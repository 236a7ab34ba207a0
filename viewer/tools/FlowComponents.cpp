#include "FlowComponents.h"

#include "NumberText.h"

std::optional<QString> FlowGeometryMismatch(const GridHeader& shown, const GridHeader& component,
                                            const QString& componentFile) {
    if (shown.ncols == component.ncols && shown.nrows == component.nrows &&
        shown.xllcorner == component.xllcorner && shown.yllcorner == component.yllcorner &&
        shown.cellsize == component.cellsize)
        return std::nullopt;
    const auto line = [](const char* name, double shownValue, double componentValue) {
        return QStringLiteral("%1: %2 (shown grid), %3 (component grid)\n")
            .arg(QLatin1String(name), qFormatG(shownValue), qFormatG(componentValue));
    };
    return QStringLiteral("The grid geometry of \"%1\" does not match the shown grid:\n")
               .arg(componentFile) +
           line("ncols", shown.ncols, component.ncols) +
           line("nrows", shown.nrows, component.nrows) +
           line("xll", shown.xllcorner, component.xllcorner) +
           line("yll", shown.yllcorner, component.yllcorner).chopped(1);
}

std::unique_ptr<GridRows> TakeShownValues(GridDocument& component) {
    std::unique_ptr<GridRows> taken;
    if (component.ownValues && component.Values == component.ownValues.get()) {
        taken = std::move(component.ownValues);
    } else {
        for (auto& level : component.Levels)
            if (level && level.get() == component.Values) taken = std::move(level);
    }
    component.releaseValues();
    return taken;
}
