#include "SeriesPoints.h"

#include <cmath>
#include <limits>

// The plot's container, with removal and change of single points by position (its own
// interface removes by X, which is ambiguous when X values repeat).
class SeriesPoints::Container : public QCPGraphDataContainer {
public:
    void removeAt(int position) { mData.erase(begin() + position); }
    QCPGraphData& pointAt(int position) { return *(begin() + position); }
};

namespace {
constexpr double NullValue = std::numeric_limits<double>::quiet_NaN();
}

SeriesPoints::SeriesPoints() : data_(QSharedPointer<Container>::create()) {}

int SeriesPoints::count() const { return data_->size(); }

QSharedPointer<QCPGraphDataContainer> SeriesPoints::container() const { return data_; }

double SeriesPoints::x(int position) const { return data_->at(position)->key; }

double SeriesPoints::y(int position) const { return data_->at(position)->value; }

bool SeriesPoints::isNull(int position) const { return std::isnan(y(position)); }

int SeriesPoints::add(double y) { return addXY(count(), y); }

int SeriesPoints::addXY(double x, double y) {
    const int size = count();
    if (size == 0 || x >= data_->at(size - 1)->key) {
        data_->add(QCPGraphData(x, y));
        if (!colours_.empty()) colours_.push_back(0);
        return size;
    }
    const auto place =
        std::lower_bound(data_->constBegin(), data_->constEnd(), x,
                         [](const QCPGraphData& point, double key) { return point.key < key; });
    const int position = static_cast<int>(place - data_->constBegin());
    data_->add(QCPGraphData(x, y));
    if (!colours_.empty()) colours_.insert(colours_.begin() + position, 0);
    return position;
}

int SeriesPoints::addNull(double x) { return addXY(x, NullValue); }

void SeriesPoints::addMany(std::span<const double> xs, std::span<const double> ys) {
    const std::size_t n = std::min(xs.size(), ys.size());
    QVector<QCPGraphData> points;
    points.reserve(static_cast<qsizetype>(n));
    bool sorted = true;
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && xs[i] < xs[i - 1]) sorted = false;
        points.append(QCPGraphData(xs[i], ys[i]));
    }
    // A stable sort keeps points of equal X in the order given.
    if (!sorted)
        std::stable_sort(
            points.begin(), points.end(),
            [](const QCPGraphData& a, const QCPGraphData& b) { return a.key < b.key; });
    if (colours_.empty()) {
        data_->add(points, true);
        return;
    }
    // Own colours must move with their points: place the new points one by one.
    for (const QCPGraphData& point : points) addXY(point.key, point.value);
}

void SeriesPoints::setNull(int position) {
    if (position >= 0 && position < count()) data_->pointAt(position).value = NullValue;
}

bool SeriesPoints::remove(int position) {
    if (position < 0 || position >= count()) return false;
    data_->removeAt(position);
    if (!colours_.empty()) colours_.erase(colours_.begin() + position);
    return true;
}

void SeriesPoints::clear() {
    data_->clear();
    colours_.clear();
}

QRgb SeriesPoints::colourAt(int position) const {
    if (colours_.empty() || position < 0 || position >= count()) return 0;
    return colours_[static_cast<std::size_t>(position)];
}

void SeriesPoints::setColourAt(int position, QRgb colour) {
    if (position < 0 || position >= count()) return;
    if (colours_.empty()) {
        if (colour == 0) return;
        colours_.assign(static_cast<std::size_t>(count()), 0);
    }
    colours_[static_cast<std::size_t>(position)] = colour;
}

QCPRange SeriesPoints::valueRange(bool& found) const {
    found = false;
    QCPRange range;
    for (auto it = data_->constBegin(); it != data_->constEnd(); ++it) {
        const double v = it->value;
        if (std::isnan(v)) continue;
        if (!found) {
            range = QCPRange(v, v);
            found = true;
        } else {
            range.lower = std::min(range.lower, v);
            range.upper = std::max(range.upper, v);
        }
    }
    return range;
}

QCPRange SeriesPoints::keyRange(bool& found) const {
    found = count() > 0;
    if (!found) return {};
    return QCPRange(data_->constBegin()->key, (data_->constEnd() - 1)->key);
}
