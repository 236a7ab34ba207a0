#include "ArrowGrids.h"

#include <cmath>

#include "ArrowOptions.h"

void ArrowGrids::prepare(int rows, int columns) {
    if (!present() || ArrowDirection->rowCount() != rows ||
        ArrowDirection->columnCount() != columns || ArrowMagnitude->rowCount() != rows ||
        ArrowMagnitude->columnCount() != columns) {
        ArrowDirection = std::make_unique<GridRows>(rows, columns);
        ArrowMagnitude = std::make_unique<GridRows>(rows, columns);
    }
    ArrowMaxMagnitude = 0.0;
}

double GradientDirection(double gx, double gy) {
    if (gx != 0) return 180 - std::atan(gy / gx) * 180 / ArrowPi + 90 * gx / std::fabs(gx);
    return gy <= 0 ? 0 : 180;
}

void ComputeGradientGrids(ArrowGrids& arrows, const GridRows& values, double cellsize,
                          double nodataValue) {
    const int rows = values.rowCount();
    const int columns = values.columnCount();
    arrows.prepare(rows, columns);
    GridRows& direction = *arrows.ArrowDirection;
    GridRows& magnitude = *arrows.ArrowMagnitude;
    for (int i = 0; i < rows; ++i) {
        const bool border = i == 0 || i == rows - 1;
        for (int j = 0; j < columns; ++j) {
            if (!border && j != 0 && j != columns - 1) continue;
            direction.at(i, j) = nodataValue;
            magnitude.at(i, j) = nodataValue;
        }
    }
    for (int i = 1; i < rows - 1; ++i) {
        const double* above = values.row(i - 1);
        const double* here = values.row(i);
        const double* below = values.row(i + 1);
        double* directionRow = direction.row(i);
        double* magnitudeRow = magnitude.row(i);
        for (int j = 1; j < columns - 1; ++j) {
            if (above[j] == nodataValue || here[j - 1] == nodataValue ||
                here[j + 1] == nodataValue || below[j] == nodataValue) {
                directionRow[j] = nodataValue;
                magnitudeRow[j] = nodataValue;
                continue;
            }
            const double gx = (here[j + 1] - here[j - 1]) / (2 * cellsize);
            const double gy = (above[j] - below[j]) / (2 * cellsize);
            double slope = 0;
            if (gx != 0 || gy != 0) slope = std::atan(std::sqrt(gx * gx + gy * gy)) * 180 / ArrowPi;
            if (slope > arrows.ArrowMaxMagnitude) arrows.ArrowMaxMagnitude = slope;
            magnitudeRow[j] = slope;
            directionRow[j] = GradientDirection(gx, gy);
        }
    }
}

double FlowDirection(double x, double y) {
    const double t = std::fabs(std::atan(-y / x) * 180 / ArrowPi);
    if (x > 0 && y < 0) return 90 - t;
    if (x < 0 && y < 0) return 270 + t;
    if (x < 0 && y > 0) return 270 - t;
    if (x > 0 && y > 0) return 90 + t;
    if (x == 0 && y < 0) return 0;
    if (x > 0 && y == 0) return 90;
    if (x == 0 && y > 0) return 180;
    if (x < 0 && y == 0) return 270;
    return 90;
}

void ComputeFlowGrids(ArrowGrids& arrows, const GridRows& xComponent, const GridRows& yComponent,
                      double nodataValue) {
    const int rows = xComponent.rowCount();
    const int columns = xComponent.columnCount();
    arrows.prepare(rows, columns);
    for (int i = 0; i < rows; ++i) {
        const double* xs = xComponent.row(i);
        const double* ys = yComponent.row(i);
        double* directionRow = arrows.ArrowDirection->row(i);
        double* magnitudeRow = arrows.ArrowMagnitude->row(i);
        for (int j = 0; j < columns; ++j) {
            const double x = xs[j];
            const double y = ys[j];
            if (x == nodataValue || y == nodataValue) {
                magnitudeRow[j] = nodataValue;
                directionRow[j] = nodataValue;
                continue;
            }
            // hypot, unlike x * x + y * y, does not overflow for components near the
            // largest double.
            const double speed = std::hypot(x, y);
            if (speed > arrows.ArrowMaxMagnitude) arrows.ArrowMaxMagnitude = speed;
            magnitudeRow[j] = speed;
            directionRow[j] = FlowDirection(x, y);
        }
    }
}
