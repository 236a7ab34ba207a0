#include "ProfileSeries.h"

void ProfileSeries::remove(int position) {
    if (position < 0 || position >= count()) return;
    const auto at = static_cast<std::size_t>(position);
    if (breaks_[at] && at + 1 < breaks_.size()) breaks_[at + 1] = true;
    xs_.erase(xs_.begin() + position);
    ys_.erase(ys_.begin() + position);
    breaks_.erase(breaks_.begin() + position);
    if (!breaks_.empty()) breaks_.front() = false;
    ++revision_;
}

void ProfileSeries::clear() {
    xs_.clear();
    ys_.clear();
    breaks_.clear();
    breakPending_ = false;
    ++revision_;
}
