#pragma once
#include <QPoint>

#include "ArrowOptions.h"
#include "Colour.h"
#include "SineCosine.h"

// One arrow, relative to its start point: the shaft from (0, 0) to the tip and, unless the
// shaft has no length, two head strokes from the tip back to head1 and head2.
struct ArrowShape {
    QPoint tip;
    bool hasHead = false;
    QPoint head1;
    QPoint head2;

    friend bool operator==(const ArrowShape&, const ArrowShape&) = default;
};

// The arrow of a cell with magnitude `magnitude` pointing at the screen angle `angle` (radians,
// clockwise from the right): length magnitude / maxMagnitude * ArrowMaxLength + ArrowMinLength,
// each coordinate of the tip truncated towards 0; no length at all while maxMagnitude is 0.
ArrowShape ArrowShapeFor(double angle, double magnitude, double maxMagnitude,
                         const ArrowOptions& options);

// ArrowShapeFor prepared for the arrows of one overlay, which share the largest magnitude and
// the options.
class ArrowShaper {
public:
    ArrowShaper(double maxMagnitude, const ArrowOptions& options);
    ArrowShape shapeOf(double angle, double magnitude) const;

    // The length of an arrow of `magnitude`; no number while the largest magnitude is 0.
    double lengthOf(double magnitude) const {
        return magnitude / maxMagnitude_ * maxLength_ + minLength_;
    }
    // shapeOf for an arrow of `length` (from lengthOf) whose angle has the sine and cosine
    // `near` (from NearSineCosine); the largest magnitude must not be 0.
    ArrowShape shapeWith(double angle, double length, const SineCosine& near) const;

private:
    ArrowShape exactShapeOf(double angle, double length) const;
    void addHead(ArrowShape& shape, double angle, double cosine, double sine) const;

    double maxMagnitude_;
    double maxLength_;
    double minLength_;
    int peakLength_;
};

// An arrow with the given tip, its head strokes `peakLength` long at pi/7 on both sides of
// `angle`, each end rounded as floor(offset + 0.4999).
ArrowShape ArrowShapeWithTip(QPoint tip, double angle, int peakLength);

// The colour of an arrow by its magnitude relative to the largest one, in six classes from
// navy for the flattest to red for the steepest.
Colour ArrowColourFor(double magnitude, double maxMagnitude);

// The screen angle of a compass direction (0 up, 90 right): y grows downwards, so the angle
// runs clockwise from the right.
inline double ScreenAngleOf(double compassDegrees) { return (compassDegrees - 90) * ArrowPi / 180; }
