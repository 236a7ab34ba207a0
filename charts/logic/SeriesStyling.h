#pragma once
// The look of one series: the style it takes when it is attached to the chart, the colour,
// width and pattern the user gives it, and the pens the chart draws it with.
#include <QString>
#include <Qt>
#include <cstdint>

#include "Colour.h"
#include "SeriesData.h"
#include "SeriesStyleTable.h"

// The colour value that means "draw in the colour of the series' style entry". It is kept
// as the series' colour and written to the settings file as 536870912.
constexpr std::uint32_t DefaultColourMarker = 0x20000000;

// Attaching a series that is not drawn yet: it takes the least used style entry, remembers
// its index as the style slot and takes the entry's pen style, width and colour (so an attach
// overwrites what the user chose before).
void takeStyle(SeriesData& series, SeriesStyleTable& styles);
// Detaching a drawn series gives its entry back. The style slot keeps its value.
void releaseStyle(const SeriesData& series, SeriesStyleTable& styles);

// The pattern chosen from the series list: the pen style, and the colour becomes the
// default-colour marker; the legend line becomes twice as wide as the line.
void choosePattern(SeriesData& series, int penStyle);

// The colour the line is drawn in: the series' colour, or for the marker the colour of the
// style entry it holds (or held last; the first entry when it never held one).
Colour drawnColour(const SeriesData& series, const SeriesStyleTable& styles);

// The legend shows a pattern at twice the width of the line, so that it can be told apart.
constexpr int legendLineWidth(int lineWidth) { return 2 * lineWidth; }

// The line of the series selected in the list is drawn wider by the selection width - 1.
constexpr int selectedLineWidth(int lineWidth, int selectionWidth) {
    return lineWidth + selectionWidth - 1;
}

// The colour of an entry's text in the series list: white while selected, silver while
// unchecked, the series' colour while checked. A checked series whose colour comes close to
// that silver is written darker, so that a checked entry never looks unchecked.
Colour seriesItemTextColour(bool selected, bool checked, Colour seriesColour);

// Patterns other than solid are drawn at width 1 only, so the pattern menu is enabled
// exactly when the selection width text reads "1".
bool patternMenuEnabled(const QString& selectionWidthText);

// Pen styles 0..4 as Qt pens (solid, dash, dot, dash-dot, dash-dot-dot); other numbers
// draw solid.
Qt::PenStyle qtPenStyle(int penStyle);
