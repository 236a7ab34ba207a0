#include "GridShape.h"

#include <cmath>

#include "GridFormatError.h"

namespace {

bool validCount(double value, double limit) {
    return std::isfinite(value) && value >= 0 && value < limit;
}

QString sizeText(const GridShape& shape) {
    QString text = QStringLiteral("%1 × %2 cells").arg(shape.columns).arg(shape.rows);
    if (shape.levels > 1) text += QStringLiteral(" in %1 levels").arg(shape.levels);
    return text;
}

}  // namespace

GridShape checkedGridShape(const GridHeader& header, double levelCount, const QString& fileName) {
    const double limit = double(maxGridValues);
    if (!validCount(header.ncols, limit) || !validCount(header.nrows, limit))
        throw GridFormatError(
            GridFormatError::Kind::Format,
            QStringLiteral(
                "The header of \"%1\" gives an impossible grid size: ncols %2, nrows %3.")
                .arg(fileName)
                .arg(header.ncols)
                .arg(header.nrows));
    if (header.rowCount() == 0 || header.columnCount() == 0)
        throw GridFormatError(
            GridFormatError::Kind::Format,
            QStringLiteral("The header of \"%1\" gives a grid without cells: ncols %2, nrows %3.")
                .arg(fileName)
                .arg(header.ncols)
                .arg(header.nrows));
    if (!validCount(levelCount, double(maxGridLevels) + 1) || levelCount < 1)
        throw GridFormatError(
            GridFormatError::Kind::Format,
            QStringLiteral("The header of \"%1\" gives an impossible number of levels: %2 "
                           "(1 to %3 are possible).")
                .arg(fileName)
                .arg(levelCount, 0, 'g', 15)
                .arg(maxGridLevels));
    GridShape shape;
    shape.rows = header.rowCount();
    shape.columns = header.columnCount();
    shape.levels = static_cast<int>(levelCount);
    if (double(shape.rows) * shape.columns * shape.levels > limit)
        throw GridFormatError(GridFormatError::Kind::Format,
                              QStringLiteral("The header of \"%1\" claims %2, more than a grid "
                                             "may hold.")
                                  .arg(fileName, sizeText(shape)));
    return shape;
}

void checkBodyFits(const GridShape& shape, std::int64_t requiredBytes, std::int64_t availableBytes,
                   const QString& fileName) {
    if (requiredBytes <= availableBytes) return;
    throw GridFormatError(GridFormatError::Kind::Format,
                          QStringLiteral("The header of \"%1\" claims %2, but the file is too "
                                         "short to hold them (%3 bytes after the header, at "
                                         "least %4 needed).")
                              .arg(fileName, sizeText(shape))
                              .arg(availableBytes)
                              .arg(requiredBytes));
}

std::vector<std::unique_ptr<GridRows>> allocateLevels(const GridShape& shape) {
    std::vector<std::unique_ptr<GridRows>> levels;
    levels.reserve(static_cast<std::size_t>(shape.levels));
    for (int k = 0; k < shape.levels; ++k)
        levels.push_back(std::make_unique<GridRows>(shape.rows, shape.columns));
    return levels;
}
