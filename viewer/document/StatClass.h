#pragma once
#include "GridHeader.h"

// Accumulates count, sum, sum of squares, minimum and maximum of the values
// added and derives the six grid statistics from them.
class StatClass {
public:
    void Reset() { *this = StatClass(); }

    void Add(double v) {
        count_ += 1;
        sum_ += v;
        sumOfSquares_ += v * v;
        if (count_ == 1) {
            minimum_ = v;
            maximum_ = v;
        } else if (v < minimum_) {
            minimum_ = v;
        } else if (v > maximum_) {
            maximum_ = v;
        }
    }

    // Sample standard deviation for two values or more; 0 for a single value
    // (there is no spread to estimate) and -9999 with everything else for none.
    void GetResults(double& count, double& minimum, double& maximum, double& sum, double& average,
                    double& stddev) const;
    GridStatistics results() const;

private:
    double count_ = 0;
    double sum_ = 0;
    double sumOfSquares_ = 0;
    double minimum_ = 0;
    double maximum_ = 0;
};
