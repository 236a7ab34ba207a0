#pragma once
#include <QImage>
#include <QSize>
#include <QStringList>
#include <QTextStream>

#include "ArrowGrids.h"
#include "ArrowOverlay.h"
#include "GridDocument.h"
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

// The shown level of `doc` as the window paints it right after showing the grid with palette
// `paletteIndex` (0-based) of `palettes` chosen: the whole grid fitted into `size` pixels, erased
// first, nodata cells transparent, no grid lines, the class bounds from the statistics; the
// legend (RenderLegendHeight high) right of it. Where the picture is taller than the legend,
// the rest below the legend is `style.face`. All sizes are logical pixels. With `arrows`, the
// arrow overlay over the picture, from the start the arrows' kind gives.
struct RenderArrows {
    const ArrowGrids& grids;
    ArrowStart start;
};
QImage RenderGridPicture(const GridDocument& doc, const PaletteSet& palettes, int paletteIndex,
                         QSize size, const LegendStyle& style,
                         const RenderArrows* arrows = nullptr);

// The palettes the window offers at its start: the built-in ones at the gamma edit's first
// position, then those of the user's palette folder.
PaletteSet RenderPalettes();
