#pragma once
#include <QRgb>

// The colour scale of the preview: pure blue at min through a light pink-white
// (255, 235, 255) at mid to pure red at max, in colourDepth / 2 steps on each side.
struct PreviewScale {
    double min = 0.0;
    double mid = 0.0;
    double max = 0.0;
};

QRgb previewColour(double value, const PreviewScale& scale, int colourDepth);
