#pragma once
// One value column of a result table: its titles, its look, its range and its points.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

class SeriesData {
public:
    // Linara's value for "no value yet" of ranges and unset dates.
    static constexpr double unset = -9999.0;
    // The y of a missing value: a gap in the line.
    static constexpr double missing = std::numeric_limits<double>::quiet_NaN();
    static bool isMissing(double y) { return std::isnan(y); }

    SeriesData(std::string title, std::string file)
        : baseTitle(title), displayName(std::move(title)), fileName(std::move(file)) {}

    // Appends a point; a missing y is stored as `missing` and leaves the range alone.
    void addPoint(double x, double y) {
        x_.push_back(x);
        y_.push_back(y);
    }
    void addValue(double x, double value) {
        addPoint(x, value);
        if (valueMinimum == unset || valueMinimum > value) valueMinimum = value;
        if (valueMaximum == unset || valueMaximum < value) valueMaximum = value;
    }
    void addNull(double x) {
        addPoint(x, missing);
        ++nullCount_;
    }
    void reserve(std::size_t points) {
        x_.reserve(points);
        y_.reserve(points);
    }

    // The points in bulk: x as day numbers, y with `missing` for gaps.
    const std::vector<double>& x() const { return x_; }
    const std::vector<double>& y() const { return y_; }
    std::size_t pointCount() const { return y_.size(); }
    std::size_t nullCount() const { return nullCount_; }
    // Hands the points over (to a chart series, which then holds the only copy).
    std::vector<double> takeX() { return std::move(x_); }
    std::vector<double> takeY() { return std::move(y_); }

    bool visible = false;
    std::string baseTitle;  // prefix, ": " and the column name; a rename starts from it
    std::string displayName;
    std::string fileName;
    unsigned colour = 0;
    int lineWidth = 1;
    int penStyle = 0;
    int styleSlot = -1;
    double valueMinimum = unset;
    double valueMaximum = unset;

private:
    std::vector<double> x_;
    std::vector<double> y_;
    std::size_t nullCount_ = 0;
};
