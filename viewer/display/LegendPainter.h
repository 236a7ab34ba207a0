#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QString>
#include <vector>

#include "Colour.h"

// The colours and the font of the legend: those of the window, or of the application when the
// legend is painted without a window.
struct LegendStyle {
    QFont font;
    QColor face;         // the panel's background (button face)
    QColor text;         // the labels
    QColor frameShadow;  // upper and left edge of the sunken frame
    QColor frameLight;   // lower and right edge of the sunken frame
};

// Button face, window text, and the dark and light shades of `palette`.
LegendStyle LegendStyleOf(const QPalette& palette, const QFont& font);

// What the legend shows: one colour and one label text per class, lowest class at the top.
struct LegendContent {
    std::vector<Colour> colours;
    std::vector<QString> labels;
};

// The width of every label: the width of "888888.88", or of the widest text when that is
// wider. Measured in logical pixels, whatever the screen's scale factor.
int LegendLabelWidth(const std::vector<QString>& labels, const QFont& font);

// The width of the legend panel for these labels (LegendPanelWidth of their width).
int LegendWidth(const std::vector<QString>& labels, const QFont& font);

// Paints the legend panel into the whole of `picture`: the face, the sunken frame, each class's
// box filled with its colour and framed in gray (0x808080), and each label's text (clipped to
// the label's place), at the places of LegendGeometry.h for the picture's height.
void PaintLegend(QImage& picture, const LegendContent& content, const LegendStyle& style);

// A new picture of the legend panel, `height` pixels high and as wide as its labels need.
QImage LegendPicture(int height, const LegendContent& content, const LegendStyle& style);
