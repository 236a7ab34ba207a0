#include "AsciiGridReader.h"

#include "GridFormatError.h"

[[noreturn]] void throwBadNumber(TextNumberScanner& scanner, TextNumberScanner::Result result,
                                 const QString& where, const QString& fileName) {
    const QString word = QString::fromStdString(scanner.currentWord());
    QString text;
    if (result == TextNumberScanner::Result::End)
        text = QStringLiteral("\"%1\" ends too early: %2 is missing.").arg(fileName, where);
    else if (result == TextNumberScanner::Result::OutOfRange)
        text = QStringLiteral("\"%1\": the number \"%2\" (%3) is out of range.")
                   .arg(fileName, word, where);
    else
        text = QStringLiteral("\"%1\": \"%2\" (%3) is not a number.").arg(fileName, word, where);
    throw GridFormatError(GridFormatError::Kind::Format, text);
}

QString cellPlace(int row, int column, int level, int levelCount) {
    QString text = QStringLiteral("the value of row %1, column %2").arg(row + 1).arg(column + 1);
    if (levelCount > 1) text += QStringLiteral(", level %1").arg(level);
    return text;
}

namespace {

// Reads one row of a plain grid; the hot loop of text loading.
void readPlainRow(TextNumberScanner& scanner, double* row, int columns, double nodata,
                  StatClass& stats, int rowIndex, const QString& fileName) {
    // A copy the row cannot alias stays in registers (a bad number leaves `stats` as it was
    // before the row: the error ends the load).
    StatClass local = stats;
    for (int c = 0; c < columns; ++c) {
        double value;
        const auto result = scanner.nextNumber(value);
        if (result != TextNumberScanner::Result::Number)
            throwBadNumber(scanner, result, cellPlace(rowIndex, c, 0, 1), fileName);
        row[c] = value;
        if (value != nodata) local.Add(value);
    }
    stats = local;
}

}  // namespace

GridFileHeader readAsciiHeader(TextNumberScanner& scanner, bool stack, const QString& fileName) {
    double numbers[12] = {};
    const int count = stack ? 12 : 6;
    for (int i = 0; i < count; ++i) {
        const QString where = QStringLiteral("header number %1").arg(i + 1);
        if (scanner.nextWord().empty())
            throwBadNumber(scanner, TextNumberScanner::Result::End, where, fileName);
        const auto result = scanner.nextNumber(numbers[i]);
        if (result != TextNumberScanner::Result::Number)
            throwBadNumber(scanner, result, where, fileName);
    }
    GridFileHeader file;
    file.header = {numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5]};
    file.statistics = {numbers[6], numbers[7], numbers[8], numbers[9], numbers[10], numbers[11]};
    return file;
}

void readAsciiBody(TextNumberScanner& scanner, const std::vector<GridRows*>& levels, double nodata,
                   StatClass& stats, const RowCallback& beforeRow, const QString& fileName) {
    if (levels.empty()) return;
    const int rows = levels[0]->rowCount();
    const int columns = levels[0]->columnCount();
    const int levelCount = static_cast<int>(levels.size());
    for (int r = 0; r < rows; ++r) {
        if (beforeRow) beforeRow(r);
        if (levelCount == 1) {
            readPlainRow(scanner, levels[0]->row(r), columns, nodata, stats, r, fileName);
            continue;
        }
        for (int c = 0; c < columns; ++c) {
            for (int k = 0; k < levelCount; ++k) {
                double value;
                const auto result = scanner.nextNumber(value);
                if (result != TextNumberScanner::Result::Number)
                    throwBadNumber(scanner, result, cellPlace(r, c, k, levelCount), fileName);
                levels[static_cast<std::size_t>(k)]->at(r, c) = value;
            }
            const double shown = levels[0]->at(r, c);
            if (shown != nodata) stats.Add(shown);
        }
    }
}
