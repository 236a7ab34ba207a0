#pragma once
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "ArrowGrids.h"
#include "ArrowOptions.h"
#include "ArrowOverlay.h"
#include "ArrowStamps.h"
#include "Colour.h"
#include "GridDocument.h"
#include "LegendPainter.h"
#include "PaletteSet.h"
#include "SelectionMarks.h"
#include "ValueEditing.h"
#include "ViewWindow.h"

// The switches of the picture besides its colours.
struct ViewSettings {
    bool DrawGridLines = false;
    bool NodataTransparent = true;
    bool EraseGrid = true;  // clear the picture before the cells are painted
    bool DiscontinuousColors = false;
    bool KeepClipping = false;  // keep the view window for the next grid or level that fits
};

// Which arrows lie over the picture.
enum class ArrowMode { None, Gradients, FlowVelocities };

// Where a render goes: the size of the picture (the paint box) and of the legend panel, and
// the legend's colours and font; the legend's face is also the colour of painted nodata cells.
struct RenderTarget {
    QSize picture;
    QSize legend;
    LegendStyle style;
};

// Everything that decides the grid picture and its legend: the palettes and the chosen one with
// its gamma, the class bounds and the legend's colours and labels, the user's value range, the
// view window, the paint switches and the arrows. Its one render() paints the picture and the
// legend; the window shows them, and the command line writes them.
class GridView {
public:
    GridView();

    // The palettes: the built-in ones, then the file palettes.
    PaletteSet& palettes() { return palettes_; }
    const PaletteSet& palettes() const { return palettes_; }
    int paletteIndex() const { return paletteIndex_; }
    // The up-down position of the gamma last applied (50: gamma 1.0).
    int gammaPosition() const { return gammaPosition_; }
    // Chooses palette `index`; the legend boxes take its colours as the palette holds them.
    void choosePalette(int index);
    // Regenerates the chosen palette with the gamma of `position`; the boxes take its colours.
    // False when they show that palette at that gamma already: nothing changed.
    bool changeGamma(int position);
    // Swaps the chosen palette's colours end for end, and the boxes' colours with them.
    void invertPalette();

    // The colour of class k is the colour of legend box k, which the user may change alone.
    const std::vector<Colour>& legendColours() const { return legendColours_; }
    void setLegendColour(int k, Colour colour);
    // The lower bound of each class and its label text ("%.7g").
    const std::vector<double>& classBounds() const { return classBounds_; }
    const std::vector<QString>& legendLabels() const { return labels_; }
    // Bounds 0 .. ColorStepCount and the colours of palette 0, as before any grid is shown.
    void resetLegend();
    // Bounds from the value range when one is set, else from the statistics.
    void updateLegendValues(const GridStatistics& statistics);
    // A bound typed by the user; its label shows it as "%.7g".
    void setClassBound(int k, double bound);

    // The user's value range; the bounds follow it at the next updateLegendValues.
    ValueRange range;
    // The shown part of the grid, and the size of the last picture.
    ViewWindow window;
    ViewSettings settings;
    // Shows the whole grid unless Keep Clipping is on and the kept window fits the grid.
    void showWholeGridUnlessKept(const GridHeader& header);

    ArrowMode arrowMode = ArrowMode::None;
    ArrowOptions arrowOptions;
    ArrowGrids arrows;

    // Paints the picture of the shown level into `picture`: the cells over the cells of the last
    // picture (not over its marks and arrows, so that where nothing is painted the cells of
    // before show), then the selection marks, then the arrows. Without a shown level `picture`
    // stays as it is. Then paints the legend into `legend`.
    void render(const GridDocument& document, const RenderTarget& target, QImage& picture,
                QImage& legend);
    // The marks of selected cells drawn straight into `picture`, in the colours of the view.
    SelectionMarks selectionMarks(QImage& picture, const GridDocument& document,
                                  Colour buttonFace) const;
    // The pictures were cleared: the next picture is painted over the button face.
    void forgetCells() { cells_ = QImage(); }
    // How many times render() ran.
    int renderCount() const { return renderCount_; }

private:
    ColourClasses colourClasses() const;
    void takeLegendValues(std::vector<double> bounds, std::vector<QString> labels);

    PaletteSet palettes_;
    int paletteIndex_ = 0;
    int gammaPosition_ = 50;
    // The gamma the chosen palette was last regenerated with, while the boxes show it unchanged.
    std::optional<int> shownGamma_;
    std::vector<Colour> legendColours_;
    std::vector<double> classBounds_;
    std::vector<QString> labels_;
    // The last picture's cells, without the marks and arrows drawn over them.
    QImage cells_;
    ArrowStamps stamps_;
    int renderCount_ = 0;
};
