#pragma once

// Pages of a chart: MaxPointsPerPage points of the longest series make one page. The page
// number only records where the caller says the view is; moving the axes is the caller's
// business. A page number outside 1..pageCount is refused and the old one stays.
class ChartPaging {
public:
    int maxPointsPerPage() const { return maxPointsPerPage_; }
    // A new page size starts again at page 1; zero or less means one page for everything.
    void setMaxPointsPerPage(int points);

    int page() const { return page_; }
    // Returns false, changing nothing, when page is not between 1 and the page count.
    bool setPage(int page, int longestSeriesCount);

    int pageCount(int longestSeriesCount) const;

private:
    int maxPointsPerPage_ = 0;
    int page_ = 1;
};
