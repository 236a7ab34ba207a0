#pragma once
#include <cstdint>
#include <vector>

// The points of the transect profile, in the order the cells were selected. A point's X is the
// number of points the series held when it was added; deleting a point does not renumber the
// X of the points after it. The profile chart shows these points.
class ProfileSeries {
public:
    // Appends a point with value y; returns the point count afterwards.
    int add(double y) {
        xs_.push_back(static_cast<double>(xs_.size()));
        ys_.push_back(y);
        ++revision_;
        return count();
    }
    // Deletes the point at a 0-based position; the points after it move up by one.
    void remove(int position);
    void clear();

    int count() const { return static_cast<int>(xs_.size()); }
    const std::vector<double>& xs() const { return xs_; }
    const std::vector<double>& ys() const { return ys_; }
    // Changes with every change of the points, so a view knows when to redraw.
    std::uint64_t revision() const { return revision_; }

private:
    std::vector<double> xs_;
    std::vector<double> ys_;
    std::uint64_t revision_ = 0;
};
