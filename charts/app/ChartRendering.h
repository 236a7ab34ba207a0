#pragma once
// The chart as a picture file, for scripts and reports.
#include <QSize>
#include <QString>

class TChart;

// Draws `chart` at `size` into `path`: PNG, PDF or SVG after the file's extension (case
// ignored). Returns the reason when the file cannot be written; empty on success.
QString renderChart(TChart& chart, const QString& path, QSize size);
