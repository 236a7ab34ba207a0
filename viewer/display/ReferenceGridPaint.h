#pragma once
#include "GridPaint.h"

// GridPaint as it was before the painting used more than one core and coloured whole lines at
// once: one thread, one cell after the other. Tests compare the painter's pictures with it
// pixel by pixel and the benchmark measures both side by side; no program links it.
void ReferenceGridPaint(QImage& picture, const GridRows& values, double nodataValue,
                        ViewWindow& window, const ColourClasses& classes,
                        const PaintSettings& settings);
