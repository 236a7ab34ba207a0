#pragma once
#include <QStringList>
#include <QTextStream>

// vistal --convert IN OUT [--to ascii|single|double] [--level N] [--nodata V]:
// loads IN as the window would, shows level N, and writes the shown level to
// OUT through the writers of Save Grid, by default in the format Save would
// use for IN. Cells equal to IN's nodata value are written as V (default: that
// nodata value). `args` are the program's arguments; "--convert" among them
// is ignored. Returns 0, or 1 with a message on `err`.
int runConvertCommand(const QStringList& args, QTextStream& out, QTextStream& err);
