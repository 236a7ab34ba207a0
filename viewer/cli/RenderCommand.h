#pragma once
#include <QImage>
#include <QSize>
#include <QStringList>
#include <QTextStream>

#include "GridDocument.h"
#include "GridView.h"
#include "LegendPainter.h"
#include "PaletteSet.h"

// vistal --render FILE OUT.png [--size WxH] [--palette N] [--level N]
//                 [--gradients | --flow XGRID YGRID]: paints FILE as the window paints it,
// the picture (default 800 × 600 pixels) with the legend beside it, and writes both as one
// PNG; with the gradient arrows or the flow arrows of the two component grids over it, drawn
// with the arrow options' start values. Needs a QGuiApplication.
int runRenderCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// vistal --render with the program's arguments: paints in a GUI application, offscreen when
// there is no display.
int runRenderJob(int argc, char* argv[]);

// The legend's height in the rendered picture: the height the window's legend has at the
// window's first size, so a rendered picture matches the window's.
inline constexpr int RenderLegendHeight = 667;

// `view` set up as the window shows `doc` right after showing the grid with palette
// `paletteIndex` (0-based) of `palettes` chosen: the whole grid, erased first, nodata cells
// transparent, no grid lines, the class bounds from the statistics.
void SetUpRenderView(GridView& view, const GridDocument& doc, const PaletteSet& palettes,
                     int paletteIndex);

// The picture of `view` fitted into `size` pixels with the legend (RenderLegendHeight high)
// right of it, as one image. Where the picture is taller than the legend, the rest below the
// legend is `style.face`. All sizes are logical pixels.
QImage RenderGridPicture(const GridDocument& doc, GridView& view, QSize size,
                         const LegendStyle& style);
// The same for the view SetUpRenderView gives.
QImage RenderGridPicture(const GridDocument& doc, const PaletteSet& palettes, int paletteIndex,
                         QSize size, const LegendStyle& style);

// The palettes the window offers at its start: the built-in ones at the gamma edit's first
// position, then those of the user's palette folder.
PaletteSet RenderPalettes();
