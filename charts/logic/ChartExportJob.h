#pragma once
// The export job of `linara --export`: the tables and settings files are read into a chart
// document as the window reads them, and its drawn series are written as CSV, over every date
// or over the view of a settings file that stores one.
#include <string>

#include "LinaraCommandLine.h"

class ConsoleDialogs;

// Returns the exit code: 1 when an input could not be read (reported through `dialogs`,
// nothing is written), when no series is drawn, or when the CSV file could not be written
// (the reason in `err`; an existing file stays as it was).
int runChartExportJob(const ExportJob& job, ConsoleDialogs& dialogs, std::string& err);
