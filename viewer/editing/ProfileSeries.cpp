#include "ProfileSeries.h"

void ProfileSeries::remove(int position) {
    if (position < 0 || position >= count()) return;
    xs_.erase(xs_.begin() + position);
    ys_.erase(ys_.begin() + position);
    ++revision_;
}

void ProfileSeries::clear() {
    xs_.clear();
    ys_.clear();
    ++revision_;
}
