#include "SeriesStyling.h"

#include <algorithm>
#include <cstdlib>

void takeStyle(SeriesData& series, SeriesStyleTable& styles) {
    const int slot = styles.take();
    const SeriesStyle& style = styles.entry(slot);
    series.styleSlot = slot;
    series.penStyle = style.penStyle;
    series.lineWidth = style.width;
    series.legendWidth = style.width;
    series.colour = style.colour.value;
}

void releaseStyle(const SeriesData& series, SeriesStyleTable& styles) {
    styles.release(series.styleSlot);
}

void choosePattern(SeriesData& series, int penStyle) {
    series.penStyle = penStyle;
    series.colour = DefaultColourMarker;
    series.legendWidth = legendLineWidth(series.lineWidth);
}

Colour drawnColour(const SeriesData& series, const SeriesStyleTable& styles) {
    if (series.colour == DefaultColourMarker) return styles.entry(series.styleSlot).colour;
    return Colour(series.colour);
}

bool patternMenuEnabled(const QString& selectionWidthText) {
    return selectionWidthText == QLatin1String("1");
}

Qt::PenStyle qtPenStyle(int penStyle) {
    switch (penStyle) {
        case 1:
            return Qt::DashLine;
        case 2:
            return Qt::DotLine;
        case 3:
            return Qt::DashDotLine;
        case 4:
            return Qt::DashDotDotLine;
        default:
            return Qt::SolidLine;
    }
}

Colour seriesItemTextColour(bool selected, bool checked, Colour seriesColour) {
    constexpr Colour White(0xFFFFFF);
    constexpr Colour Silver(0xC0C0C0);
    if (selected) return White;
    if (!checked) return Silver;
    const int distance = std::max({std::abs(seriesColour.red() - Silver.red()),
                                   std::abs(seriesColour.green() - Silver.green()),
                                   std::abs(seriesColour.blue() - Silver.blue())});
    return distance < 48 ? Colour::fromQColor(seriesColour.toQColor().darker(170)) : seriesColour;
}
