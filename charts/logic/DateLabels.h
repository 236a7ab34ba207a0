#pragma once
// The labels of the date axis for the width of the view: the step between labels, the room
// between them, the minor ticks and the date format, chosen so that a view shows a handful
// of readable labels.
#include <QString>
#include <optional>

#include "DateTimeStep.h"

struct DateLabels {
    DateTimeStep increment = DateTimeStep::OneYear;
    int labelsSeparation = 0;
    int minorTicks = 3;
    QString format;  // in the toolkit's letters ("dd.mm.yyyy")

    double incrementDays() const { return dateTimeStepDays(increment); }
};

// The labels for a view `widthDays` wide; nullopt for a view of two minutes or less (or not
// a positive width), whose labels stay as they are.
std::optional<DateLabels> labelsForWidth(double widthDays);
