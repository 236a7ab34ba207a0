#pragma once

// The limits of one chart axis, without any drawing: the minimum and maximum the caller
// set, the automatic flags, and the logarithmic flag.
//
// An axis never holds a minimum above its maximum: a call that would leave it so is
// refused (it returns false and changes nothing). Setting the minimum, the maximum or both
// switches the matching automatic flags off.
class AxisLimits {
public:
    double minimum() const { return min_; }
    double maximum() const { return max_; }

    bool setMinimum(double value);
    bool setMaximum(double value);
    bool setMinMax(double minimum, double maximum);

    bool automaticMinimum() const { return autoMin_; }
    bool automaticMaximum() const { return autoMax_; }
    bool automatic() const { return autoMin_ && autoMax_; }
    void setAutomatic(bool on) { autoMin_ = autoMax_ = on; }
    void setAutomaticMinimum(bool on) { autoMin_ = on; }
    void setAutomaticMaximum(bool on) { autoMax_ = on; }

    bool logarithmic() const { return logarithmic_; }
    void setLogarithmic(bool on) { logarithmic_ = on; }

    // Takes the data's range for the limits whose automatic flag is set. With no data
    // (dataMin > dataMax) the limits stay. Automatic limits that would cross the fixed
    // other one are left where they are.
    void applyAutomatic(double dataMin, double dataMax);

    struct Range {
        double lower;
        double upper;
    };
    // What the axis shows: the limits, widened when they are equal (by one on each side, or
    // by a billionth of a value too large to change by one, or a decade each way on a
    // logarithmic axis), and on a logarithmic axis kept
    // positive: a non-positive maximum shows 1..10, a non-positive minimum three decades
    // below the maximum.
    Range shownRange() const;

private:
    double min_ = 0.0;
    double max_ = 0.0;
    bool autoMin_ = true;
    bool autoMax_ = true;
    bool logarithmic_ = false;
};
