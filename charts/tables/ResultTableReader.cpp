#include "ResultTableReader.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "TableDataPass.h"
#include "TableFormatError.h"
#include "TextScanner.h"

namespace {

// Longest header line, and longest description line that is kept.
constexpr std::size_t maxHeaderLine = 19999;
constexpr std::size_t maxEntityName = 4095;
// The first "_" at this character index or later ends the title prefix.
constexpr std::size_t prefixEndFrom = 15;

struct HeaderPass {
    std::size_t dataStart = 0;  // offset of the first data row
    std::size_t firstRowEnd = 0;
    bool minuteColumn = false;
    TableRowDate firstRow;
    double start = 0.0;
    double timeStep = 0.0;
};

bool readRowDate(TextScanner& scan, bool minuteColumn, TableRowDate& row) {
    if (!scan.readInt(row.year) || !scan.readInt(row.month) || !scan.readInt(row.day) ||
        !scan.readInt(row.hour)) {
        return false;
    }
    row.minute = 0;
    if (minuteColumn && !scan.readInt(row.minute)) return false;
    row.year = expandTableYear(row.year);
    return true;
}

// Header lines up to the first line that begins with a digit; a date header line (one with
// "YY", "DD" and "HH") announces a minute column when "mm" stands three characters after "HH".
void readHeaderLines(TextScanner& scan, HeaderPass& header) {
    for (;;) {
        if (scan.atEnd()) throw TableFormatError();
        if (isTableDigit(scan.peek())) break;
        const std::string_view line = scan.readLine();
        if (line.size() > maxHeaderLine) throw TableFormatError();
        const std::size_t hours = line.find("HH");
        if (hours != std::string_view::npos && line.find("YY") != std::string_view::npos &&
            line.find("DD") != std::string_view::npos) {
            const std::size_t after = hours + 3;
            header.minuteColumn = after <= line.size() && line.substr(after).substr(0, 2) == "mm";
        }
    }
    header.dataStart = scan.position();
}

// The first row's date/time is the start; the step is the interval to the first row with a
// different time, divided by the number of rows read up to it (rows sharing the first time
// are spread evenly).
void readStartAndStep(TextScanner& scan, HeaderPass& header) {
    if (!readRowDate(scan, header.minuteColumn, header.firstRow)) throw TableFormatError();
    scan.skipLine();
    header.firstRowEnd = scan.position();
    const auto start = encodeTableRowDate(header.firstRow);
    if (!start) throw TableFormatError();
    header.start = start->value();

    TableDateTime time = *start;
    double count = 0.0;
    TableRowDate row;
    while (readRowDate(scan, header.minuteColumn, row)) {
        scan.skipLine();
        // A date that cannot be encoded keeps the previous time.
        if (const auto encoded = encodeTableRowDate(row)) time = *encoded;
        count += 1.0;
        if (time != *start) {
            // Days and fractions apart, so that an hour stays 1/24 far from day zero.
            header.timeStep = ((time.day - start->day) + (time.time - start->time)) / count;
            return;
        }
    }
    // One row, or rows that all share the first time: there is no time step.
    throw TableFormatError();
}

bool isDateColumnName(std::string_view token, bool minuteColumn) {
    return token == "YYYY" || token == "YY" || token == "MM" || token == "DD" || token == "HH" ||
           (minuteColumn && token == "mm");
}

std::vector<std::string_view> splitTokens(std::string_view line) {
    std::vector<std::string_view> tokens;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && isTableSpace(line[at])) ++at;
        const std::size_t begin = at;
        while (at < line.size() && !isTableSpace(line[at])) ++at;
        if (at > begin) tokens.push_back(line.substr(begin, at - begin));
    }
    return tokens;
}

// The description up to the first "_" at character index 15 or later; all of it when there is
// none. Characters are counted as UTF-8 code points.
std::string titlePrefix(const std::string& entityName) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < entityName.size(); ++i) {
        const auto byte = static_cast<unsigned char>(entityName[i]);
        if ((byte & 0xC0) == 0x80) continue;
        if (byte == '_' && characters >= prefixEndFrom) return entityName.substr(0, i);
        ++characters;
    }
    return entityName;
}

// The value column names: the tokens of the first line that begins with "Y" from the first one
// that is not a date column name on. The line after it is the description.
std::vector<std::string_view> readColumnNames(TextScanner& scan, bool minuteColumn,
                                              std::string& entityName) {
    scan.setPosition(0);
    while (!scan.atEnd() && scan.peek() != 'Y') scan.skipLine();
    if (scan.atEnd()) throw TableFormatError();
    std::vector<std::string_view> columns = splitTokens(scan.readLine());
    const auto firstValue = std::find_if(columns.begin(), columns.end(), [&](std::string_view t) {
        return !isDateColumnName(t, minuteColumn);
    });
    columns.erase(columns.begin(), firstValue);
    if (columns.empty()) throw TableFormatError();
    if (!scan.atEnd()) entityName = std::string(scan.readLine().substr(0, maxEntityName));
    return columns;
}

// Series bookkeeping stays in proportion to the file: a line of many short names under a long
// description must not multiply into gigabytes of titles.
void checkBookkeeping(const std::vector<std::string_view>& columns, const std::string& prefix,
                      const std::string& fileName, std::size_t fileSize) {
    double bookkeeping = 0.0;
    for (const std::string_view name : columns) {
        bookkeeping += sizeof(SeriesData) + 2.0 * (prefix.size() + 2 + name.size()) +
                       static_cast<double>(fileName.size());
    }
    if (bookkeeping > 32.0 * static_cast<double>(fileSize) + 1048576.0) throw TableFormatError();
}

// Room for the rows the first row's length suggests, never more than the data bytes could
// hold (each number takes at least one character and one separator).
std::size_t likelyRowCount(const HeaderPass& header, std::size_t fileSize, std::size_t columns) {
    const std::size_t dataBytes = fileSize - header.dataStart;
    const std::size_t fieldsPerRow = (header.minuteColumn ? 5 : 4) + columns;
    const std::size_t mostRows = dataBytes / (2 * fieldsPerRow) + 1;
    const std::size_t firstRowBytes =
        std::max<std::size_t>(header.firstRowEnd - header.dataStart, 1);
    const std::size_t likelyRows = dataBytes / firstRowBytes + dataBytes / firstRowBytes / 16 + 2;
    return std::min(mostRows, likelyRows);
}

}  // namespace

void ResultTableReader::read(FileContainer& table, std::string_view bytes,
                             const TableProgress& progress, std::size_t minimumSplitBytes) {
    // Editors on Windows may start the text with a byte order mark; it is not part of a line.
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    TextScanner scan(bytes);
    HeaderPass header;
    readHeaderLines(scan, header);
    readStartAndStep(scan, header);
    table.minuteColumn_ = header.minuteColumn;
    table.firstRow_ = header.firstRow;
    table.start_ = header.start;
    table.timeStep_ = header.timeStep;

    const std::vector<std::string_view> columns =
        readColumnNames(scan, header.minuteColumn, table.EntityName);
    const std::string prefix = titlePrefix(table.EntityName);
    checkBookkeeping(columns, prefix, table.fileName_, bytes.size());
    table.series_.reserve(columns.size());
    for (const std::string_view name : columns) {
        table.series_.push_back(
            std::make_unique<SeriesData>(prefix + ": " + std::string(name), table.fileName_));
    }
    table.series_.back()->visible = true;

    TableDataLayout layout;
    layout.dataStart = header.dataStart;
    layout.dateFields = header.minuteColumn ? 5 : 4;
    layout.columns = columns.size();
    layout.likelyRows = likelyRowCount(header, bytes.size(), columns.size());
    const TableData data = readTableData(bytes, layout, progress, minimumSplitBytes);
    table.end_ = table.start_ + static_cast<double>(data.rows) * table.timeStep_;

    std::vector<std::size_t> counts;
    for (const ColumnSummary& column : data.columns) counts.push_back(column.count);
    std::vector<SeriesStatistics> statistics =
        columnStatistics(*data.values, counts, table.start_, table.timeStep_);

    // The table's range spans its series' ranges; a column without values leaves it alone.
    for (std::size_t c = 0; c < columns.size(); ++c) {
        SeriesData& series = *table.series_[c];
        const ColumnSummary& column = data.columns[c];
        series.setPoints(data.values, c, column.count, column.nulls, table.start_, table.timeStep_);
        series.valueMinimum = column.minimum;
        series.valueMaximum = column.maximum;
        series.statistics = statistics[c];
        if (series.valueMinimum != SeriesData::unset &&
            (table.valueMinimum_ == SeriesData::unset ||
             series.valueMinimum < table.valueMinimum_)) {
            table.valueMinimum_ = series.valueMinimum;
        }
        if (series.valueMaximum != SeriesData::unset &&
            (table.valueMaximum_ == SeriesData::unset ||
             series.valueMaximum > table.valueMaximum_)) {
            table.valueMaximum_ = series.valueMaximum;
        }
    }
}
