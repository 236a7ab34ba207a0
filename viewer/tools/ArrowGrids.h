#pragma once
#include <memory>

#include "GridRows.h"

// The two grids the arrow overlay draws from, with the dimensions of the shown grid: the
// compass direction of each cell's arrow (0 up, 90 right, 180 down, 270 left) and its
// magnitude, or the nodata value where a cell has no arrow.
struct ArrowGrids {
    std::unique_ptr<GridRows> ArrowDirection;
    std::unique_ptr<GridRows> ArrowMagnitude;
    double ArrowMaxMagnitude = 0.0;

    bool present() const { return ArrowDirection && ArrowMagnitude; }
    void release() {
        FreeGridRows(ArrowDirection);
        FreeGridRows(ArrowMagnitude);
    }
    // Both grids with `rows` x `columns` cells (kept when they already have that size), and the
    // largest magnitude back at 0.
    void prepare(int rows, int columns);
};

// Gradient arrows of `values`: every inner cell whose four neighbours hold data gets the slope
// in degrees, atan(|gradient|), as magnitude and the compass direction of the steepest descent;
// the outermost rows and columns and the cells next to nodata get the nodata value.
void ComputeGradientGrids(ArrowGrids& arrows, const GridRows& values, double cellsize,
                          double nodataValue);

// The compass direction of the descent of a surface rising by gx towards the right and gy
// towards the top.
double GradientDirection(double gx, double gy);

// Flow arrows from the x and y components of a velocity (positive y pointing down the grid):
// every cell, the borders included, gets the speed as magnitude and its compass direction;
// a cell where either component is `nodataValue` gets the nodata value as magnitude.
// The component grids have the dimensions of the shown grid.
void ComputeFlowGrids(ArrowGrids& arrows, const GridRows& xComponent, const GridRows& yComponent,
                      double nodataValue);

// The compass direction of the velocity (x, y); 90 for a velocity of 0.
double FlowDirection(double x, double y);
