#include "ChartPaging.h"

void ChartPaging::setMaxPointsPerPage(int points) {
    maxPointsPerPage_ = points > 0 ? points : 0;
    page_ = 1;
}

bool ChartPaging::setPage(int page, int longestSeriesCount) {
    if (page < 1 || page > pageCount(longestSeriesCount)) return false;
    page_ = page;
    return true;
}

int ChartPaging::pageCount(int longestSeriesCount) const {
    if (maxPointsPerPage_ <= 0 || longestSeriesCount <= 0) return 1;
    const long long pages =
        (static_cast<long long>(longestSeriesCount) + maxPointsPerPage_ - 1) / maxPointsPerPage_;
    return static_cast<int>(pages);
}
