#pragma once
#include <qcustomplot.h>

#include <QColor>
#include <QSharedPointer>
#include <span>
#include <vector>

// The points of one line series, kept once, in the container that the plot draws from.
// Points are ordered by X; a point whose Y is unknown (a null point) is stored as NaN and
// drawn as a gap.
//
// Positions count from 0 in X order. A point whose X is not below the last X is appended;
// any other goes before the first point whose X is not below its own. Deleting a point
// moves the later points up one position; their X values stay.
//
// A point may carry its own colour; points without one take the series colour. Own colours
// are kept beside the points only once some point has one.
class SeriesPoints {
public:
    SeriesPoints();

    int count() const;
    double x(int position) const;
    // NaN for a null point.
    double y(int position) const;
    bool isNull(int position) const;

    // Appends Y at X = the number of points held now; returns its position.
    int add(double y);
    // Returns the position of the new point.
    int addXY(double x, double y);
    int addNull(double x);
    // Adds many points at once; ys[i] NaN makes a null point. xs must have the length of
    // ys. Points in ascending X order that follow the last point are appended without
    // sorting.
    void addMany(std::span<const double> xs, std::span<const double> ys);
    // Turns a point into a null point; its Y is gone, so it stays a gap.
    void setNull(int position);

    // The point's own colour; 0 when it takes the series colour.
    QRgb colourAt(int position) const;
    // 0 gives the point back the series colour.
    void setColourAt(int position, QRgb colour);
    bool hasOwnColours() const { return !colours_.empty(); }

    // Returns false for a position outside 0..count-1.
    bool remove(int position);
    void clear();

    // Smallest and largest Y of the points that are not null; found = false when there
    // are none.
    QCPRange valueRange(bool& found) const;
    QCPRange keyRange(bool& found) const;

    QSharedPointer<QCPGraphDataContainer> container() const;

private:
    class Container;
    QSharedPointer<Container> data_;
    std::vector<QRgb> colours_;  // empty, or one entry per point
};
