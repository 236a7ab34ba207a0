#pragma once
// One value column of a result table: its titles, its look, its range and its points.
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "SeriesStatistics.h"
#include "TableValues.h"

class SeriesData {
public:
    // Linara's value for "no value yet" of ranges and unset dates.
    static constexpr double unset = -9999.0;
    // The y of a missing value: a gap in the line.
    static constexpr double missing = std::numeric_limits<double>::quiet_NaN();
    static bool isMissing(double y) { return std::isnan(y); }

    SeriesData(std::string title, std::string file)
        : baseTitle(title), displayName(std::move(title)), fileName(std::move(file)) {}

    // The points: `count` values of column `column` of `values`, `nulls` of them missing; the
    // rows are evenly spaced, so point k lies at x = xStart + k × xStep.
    void setPoints(std::shared_ptr<const TableValues> values, std::size_t column, std::size_t count,
                   std::size_t nulls, double xStart, double xStep) {
        values_ = std::move(values);
        column_ = column;
        count_ = count;
        nullCount_ = nulls;
        xStart_ = xStart;
        xStep_ = xStep;
    }

    // The points in bulk: x as day numbers, y with `missing` for gaps.
    std::vector<double> x() const {
        std::vector<double> x(count_);
        for (std::size_t k = 0; k < count_; ++k) x[k] = xStart_ + static_cast<double>(k) * xStep_;
        return x;
    }
    std::vector<double> y() const {
        return values_ ? values_->column(column_, count_) : std::vector<double>();
    }
    std::size_t pointCount() const { return values_ ? count_ : 0; }
    std::size_t nullCount() const { return nullCount_; }
    // Hand the points over (to a chart series, which then holds the only copy): x first, then
    // y, after which the series holds no points.
    std::vector<double> takeX() const { return x(); }
    std::vector<double> takeY() {
        std::vector<double> y = this->y();
        values_.reset();
        return y;
    }

    bool visible = false;
    std::string baseTitle;  // prefix, ": " and the column name; a rename starts from it
    std::string displayName;
    std::string fileName;
    unsigned colour = 0;
    int lineWidth = 1;
    // The legend line: the line's width, twice that after a pattern was chosen.
    int legendWidth = 1;
    int penStyle = 0;
    int styleSlot = -1;
    double valueMinimum = unset;
    double valueMaximum = unset;
    // Count, missing count, sum, mean and extremes with their dates, found when it was read.
    SeriesStatistics statistics;

private:
    std::shared_ptr<const TableValues> values_;
    std::size_t column_ = 0;
    std::size_t count_ = 0;
    std::size_t nullCount_ = 0;
    double xStart_ = 0.0;
    double xStep_ = 0.0;
};
