#pragma once
#include "ArrowOverlay.h"

// DrawArrowOverlay as it was before the overlay used more than one core: one arrow after the
// other in cell order, each written over the ones before. Tests compare the overlay's pictures
// with it pixel by pixel and the benchmark measures both side by side; no program links it.
void ReferenceArrowOverlay(QImage& picture, const ArrowGrids& arrows, double nodataValue,
                           const ViewWindow& view, ArrowStart start, const ArrowOptions& options,
                           ArrowStamps& stamps);
