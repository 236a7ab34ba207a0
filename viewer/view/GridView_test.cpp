#include "GridView.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include "ClassBounds.h"
#include "GammaSetting.h"
#include "GridPaint.h"
#include "LevelStatistics.h"

namespace {

constexpr double Nodata = -9999;

// A 6 x 8 grid rising to the right and to the bottom, with one nodata cell at row 2, column 3.
void loadRamp(GridDocument& document) {
    auto values = std::make_unique<GridRows>(6, 8);
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 8; ++j) values->at(i, j) = 3.0 * j + 2.0 * i;
    values->at(2, 3) = Nodata;
    document.header.nrows = 6;
    document.header.ncols = 8;
    document.header.cellsize = 1;
    document.header.nodata_value = Nodata;
    document.statistics = levelStatistics(*values, Nodata);
    document.setOwnValues(std::move(values));
}

class GridViewRender : public ::testing::Test {
protected:
    void SetUp() override {
        loadRamp(document);
        view.palettes().BuildPalettes(GammaOfPosition(50));
        view.choosePalette(1);
        view.updateLegendValues(document.statistics);
        FitPage(view.window, 6, 8);
    }
    RenderTarget target() const {
        return {QSize(161, 121), QSize(107, 300),
                LegendStyleOf(QGuiApplication::palette(), QGuiApplication::font())};
    }
    ColourClasses classes() const {
        return {view.classBounds(), view.legendColours(), view.settings.DiscontinuousColors};
    }
    // What the parts paint, one after the other, over a picture of the button face.
    QImage paintedByParts() {
        const RenderTarget into = target();
        QImage expected(into.picture, QImage::Format_RGB32);
        expected.fill(into.style.face);
        ViewWindow window = view.window;
        PaintSettings paint;
        paint.EraseGrid = view.settings.EraseGrid;
        paint.DrawGridLines = view.settings.DrawGridLines;
        paint.NodataTransparent = view.settings.NodataTransparent;
        paint.ButtonFace = Colour::fromQColor(into.style.face);
        GridPaint(expected, *document.Values, Nodata, window, classes(), paint);
        MarkSettings marks{paint.ButtonFace, paint.DrawGridLines};
        SelectionMarks(expected, window, *document.Values, Nodata, classes(), marks)
            .PaintAllSelected(document.selection);
        ArrowStamps stamps;
        DrawArrowOverlay(expected, view.arrows, Nodata, window, ArrowStart::CellCentre,
                         view.arrowOptions, stamps);
        return expected;
    }

    GridDocument document;
    GridView view;
};

}  // namespace

TEST_F(GridViewRender, PaintsCellsThenMarksThenArrowsAndTheLegend) {
    view.settings.DrawGridLines = true;
    view.settings.DiscontinuousColors = true;
    document.selection.points = {{2, 2}, {5, 4}};
    ComputeGradientGrids(view.arrows, *document.Values, 1, Nodata);
    view.arrowMode = ArrowMode::Gradients;
    QImage picture;
    QImage legend;
    view.render(document, target(), picture, legend);
    EXPECT_EQ(picture, paintedByParts());
    EXPECT_EQ(view.window.DrawWidth, 160);
    EXPECT_EQ(legend.size(), target().legend);
    QImage expectedLegend(target().legend, QImage::Format_RGB32);
    PaintLegend(expectedLegend, {view.legendColours(), view.legendLabels()}, target().style);
    EXPECT_EQ(legend, expectedLegend);
    EXPECT_EQ(view.renderCount(), 1);
}

TEST_F(GridViewRender, NewCellsGoOverTheLastCellsNotOverTheirMarksOrArrows) {
    document.selection.points = {{4, 3}};  // the nodata cell
    ComputeGradientGrids(view.arrows, *document.Values, 1, Nodata);
    view.arrowMode = ArrowMode::Gradients;
    QImage picture;
    QImage legend;
    view.render(document, target(), picture, legend);
    const QImage first = picture;
    // Unmarked, arrows off and nothing erased: the transparent nodata cell shows the cells of
    // the first picture, which are silver there, not its green mark.
    document.selection.clear();
    view.arrowMode = ArrowMode::None;
    view.settings.EraseGrid = false;
    view.render(document, target(), picture, legend);
    const ViewWindow& window = view.window;
    const QPoint inside((window.columnLeft(3) + window.columnRight(3)) / 2, window.rowTop(2) + 1);
    EXPECT_EQ(picture.pixel(inside) & 0xFFFFFF, 0xC0C0C0u);
    EXPECT_NE(first.pixel(inside), picture.pixel(inside));
    // A new size keeps the old cells where they fit.
    view.render(document, {QSize(201, 151), target().legend, target().style}, picture, legend);
    EXPECT_EQ(picture.size(), QSize(201, 151));
    EXPECT_EQ(view.renderCount(), 3);
    // Forgotten cells: the nodata cell shows the button face under it.
    view.forgetCells();
    view.render(document, target(), picture, legend);
    EXPECT_EQ(picture.pixel(inside), target().style.face.rgb());
}

TEST_F(GridViewRender, WithoutAShownLevelOnlyTheLegendIsPainted) {
    GridDocument empty;
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    const QImage before = picture;
    QImage legend;
    view.render(empty, target(), picture, legend);
    EXPECT_EQ(picture, before);
    EXPECT_EQ(legend.size(), target().legend);
    EXPECT_EQ(view.renderCount(), 1);
}

TEST(GridView, PaletteGammaInversionAndBoxColoursReachTheLegend) {
    GridView view;
    view.palettes().BuildPalettes(GammaOfPosition(50));
    const std::vector<Colour> original = view.palettes().Palettes[0];
    view.choosePalette(0);
    EXPECT_EQ(view.legendColours(), original);
    EXPECT_TRUE(view.changeGamma(25));
    EXPECT_EQ(view.gammaPosition(), 25);
    EXPECT_FALSE(view.changeGamma(25));  // shown so already
    EXPECT_NE(view.legendColours(), original);
    // Another palette keeps the gamma its own; back to the first, its gamma stays as applied.
    view.choosePalette(3);
    EXPECT_EQ(view.legendColours(), view.palettes().Palettes[3]);
    view.choosePalette(0);
    EXPECT_TRUE(view.changeGamma(50));
    EXPECT_EQ(view.legendColours(), original);
    view.invertPalette();
    EXPECT_EQ(view.legendColours().front(), original.back());
    EXPECT_EQ(view.legendColours()[10], original[10]);
    view.invertPalette();
    EXPECT_EQ(view.legendColours(), original);
    // A box recoloured alone; the palette keeps its colour.
    view.setLegendColour(4, Colour(0x00FF00));
    EXPECT_EQ(view.legendColours()[4], Colour(0x00FF00));
    EXPECT_EQ(view.palettes().Palettes[0][4], original[4]);
    // The same gamma again gives the box the palette's colour back.
    EXPECT_TRUE(view.changeGamma(50));
    EXPECT_EQ(view.legendColours(), original);
    view.setLegendColour(21, Colour(0x00FF00));  // beyond the legend: nothing
    EXPECT_EQ(view.legendColours().size(), 21u);
}

TEST(GridView, BoundsFollowTheRangeOrTheStatisticsAndTypedBounds) {
    GridView view;
    EXPECT_EQ(view.legendLabels().front(), "0");
    EXPECT_EQ(view.legendLabels().back(), "20");
    GridStatistics statistics;
    statistics.Minimum = 20;
    statistics.Maximum = 40;
    statistics.Average = 25;
    view.updateLegendValues(statistics);
    EXPECT_EQ(view.classBounds()[10], 25);
    EXPECT_EQ(view.legendLabels()[20], "40");
    view.range = {true, 0, 100};
    view.updateLegendValues(statistics);
    EXPECT_EQ(view.classBounds()[10], 50);
    EXPECT_EQ(view.legendLabels()[20], "100");
    view.setClassBound(4, 12.123456789);
    EXPECT_EQ(view.classBounds()[4], 12.123456789);
    EXPECT_EQ(view.legendLabels()[4], "12.12346");
    view.setClassBound(-1, 3);  // no such class: nothing
    EXPECT_EQ(view.classBounds().size(), 21u);
}

TEST(GridView, KeepClippingKeepsAWindowThatFits) {
    GridView view;
    GridHeader header;
    header.nrows = 10;
    header.ncols = 12;
    view.window = {2, 6, 3, 9};
    view.showWholeGridUnlessKept(header);
    EXPECT_TRUE(view.window.sameCells({0, 10, 0, 12}));
    view.settings.KeepClipping = true;
    view.window = {2, 6, 3, 9};
    view.showWholeGridUnlessKept(header);
    EXPECT_TRUE(view.window.sameCells({2, 6, 3, 9}));
    view.window = {2, 11, 3, 9};  // beyond the grid's rows
    view.showWholeGridUnlessKept(header);
    EXPECT_TRUE(view.window.sameCells({0, 10, 0, 12}));
}
