#pragma once
#include <cstdint>
#include <vector>

// The points of the transect profile, in the order the cells were selected. A point's X is the
// number of points the series held when it was added; deleting a point does not renumber the
// X of the points after it. The profile chart shows these points.
//
// A nodata cell on the transect adds no point but breaks the line: the next point starts a
// new piece of it.
class ProfileSeries {
public:
    // Appends a point with value y; returns the point count afterwards.
    int add(double y) {
        xs_.push_back(static_cast<double>(xs_.size()));
        ys_.push_back(y);
        breaks_.push_back(breakPending_ && xs_.size() > 1);
        breakPending_ = false;
        ++revision_;
        return count();
    }
    // A cell without data lies on the transect after the points held now.
    void breakLine() { breakPending_ = count() > 0; }
    // Deletes the point at a 0-based position; the points after it move up by one. A break
    // before it stays between its neighbours.
    void remove(int position);
    void clear();

    int count() const { return static_cast<int>(xs_.size()); }
    const std::vector<double>& xs() const { return xs_; }
    const std::vector<double>& ys() const { return ys_; }
    // Whether the line breaks between the point at `position` and the one before it.
    bool breaksBefore(int position) const {
        return position > 0 && position < count() && breaks_[static_cast<std::size_t>(position)];
    }
    // Changes with every change of the points, so a view knows when to redraw.
    std::uint64_t revision() const { return revision_; }

private:
    std::vector<double> xs_;
    std::vector<double> ys_;
    std::vector<bool> breaks_;
    bool breakPending_ = false;
    std::uint64_t revision_ = 0;
};
