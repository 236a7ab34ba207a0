#include "StatClass.h"

#include <cmath>

void StatClass::GetResults(double& count, double& minimum, double& maximum, double& sum,
                           double& average, double& stddev) const {
    count = count_;
    if (count_ == 0) {
        minimum = maximum = sum = average = stddev = -9999;
        return;
    }
    minimum = minimum_;
    maximum = maximum_;
    sum = sum_;
    average = sum_ / count_;
    stddev = 0;
    if (count_ > 1) {
        const double variance = (sumOfSquares_ - sum_ * sum_ / count_) / (count_ - 1);
        if (variance > 0) stddev = std::sqrt(variance);
    }
}

GridStatistics StatClass::results() const {
    GridStatistics s;
    GetResults(s.CellCount, s.Minimum, s.Maximum, s.Sum, s.Average, s.StdDeviation);
    return s;
}
