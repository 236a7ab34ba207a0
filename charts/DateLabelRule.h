#pragma once
// How the labels of the chart's date/time axis follow the width of the view.
#include <QString>
#include <optional>

#include "DateTimeStep.h"

struct DateLabels {
    DateTimeStep increment;
    int labelsSeparation;
    int minorTickCount;
    QString format;  // in the toolkit's letters ("dd.mm.yyyy")
};

// The labels for a view `days` wide: yearly labels for long views down to labels each
// minute for views of a few minutes; nothing (the labels stay as they are) for a view of two
// minutes or less.
std::optional<DateLabels> dateLabelsForWidth(double days);

class TChartAxis;
// Gives the axis the labels for a view `days` wide; leaves it alone when there are none.
void adaptDateLabels(TChartAxis& axis, double days);
