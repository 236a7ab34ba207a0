#pragma once
#include <QStringList>
#include <QTextStream>

// vistal --render FILE OUT.png [--size WxH] [--palette N] [--level N]: paints
// FILE as the window paints it, the picture (default 800 × 600 pixels) with the
// legend beside it, and writes both as one PNG. Needs a QApplication.
int runRenderCommand(const QStringList& args, QTextStream& out, QTextStream& err);
