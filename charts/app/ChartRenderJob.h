#pragma once
// The picture job of `linara --render`: the tables and settings files are read into a chart
// document, which is drawn onto a chart that is never shown, and the chart is written as a
// picture. No window is made.
#include "LinaraCommandLine.h"

class ConsoleDialogs;

// Returns the exit code: 1 when an input could not be read (reported through `dialogs`,
// nothing is drawn) or the picture could not be written (reported on standard error).
int runChartRenderJob(const RenderJob& job, ConsoleDialogs& dialogs);
