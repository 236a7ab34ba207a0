// Palettes, painting, the legend and navigation of the main window.
#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <optional>

#include "CellReadout.h"
#include "ClassBounds.h"
#include "ColourMapping.h"
#include "GammaSetting.h"
#include "GridPaint.h"
#include "LegendGeometry.h"
#include "LegendLabel.h"
#include "LegendPainter.h"
#include "NumberText.h"
#include "PaintBox.h"
#include "PaletteComboBox.h"
#include "PalettePath.h"
#include "Palettes.h"
#include "TfrmVistals.h"
#include "UpDown.h"
#include "UserDialogs.h"
#include "Zoom.h"

namespace {

QColor buttonFace(const QWidget* widget) { return widget->palette().color(QPalette::Button); }

// `picture` at another size, as the paint box grows its picture: what does not fit is cut
// off, new room is filled with `room`.
QImage sizedLike(const QImage& picture, QSize size, QColor room) {
    if (picture.size() == size) return picture;
    QImage sized(size, QImage::Format_RGB32);
    sized.fill(room);
    QPainter painter(&sized);
    painter.drawImage(0, 0, picture);
    return sized;
}

}  // namespace

void TfrmVistals::repaintAfterColourChange() {
    GridPaint();
    if (!document.hasValues()) DrawLegend();
}

void TfrmVistals::setUpPalettes() {
    ComboBox1->clear();
    for (const BuiltInPalette& palette : BuiltInPalettes)
        ComboBox1->addItem(QString::fromLatin1(palette.name));
    palettes.BuildPalettes(GammaOfPosition(updnGamma->position()));
    // The user's palette files follow the built-in palettes, one combo item per palette; a file
    // that does not hold a whole palette is not offered.
    PaletteFileNames.clear();
    for (FoundPalette& found : ReadPaletteFolder(ColorStepCount + 1)) {
        PaletteFileNames << found.fileName;
        ComboBox1->addItem(found.palette.name);
        palettes.Palettes.push_back(std::move(found.palette.colours));
    }
    PaletteFileCount = static_cast<int>(PaletteFileNames.size());
    ComboBox1->setPaletteSource(
        [this](int index) -> const std::vector<Colour>* {
            if (index < 0 || index >= static_cast<int>(palettes.Palettes.size())) return nullptr;
            return &palettes.Palettes[static_cast<std::size_t>(index)];
        },
        ColorStepCount, ColorStepCount + 1);
    ComboBox1->setCurrentIndex(0);
}

void TfrmVistals::placeLegendItems() {
    const int height = PaintBoxLegend->height();
    const int labelWidth = LegendLabelWidth(legendLabelTexts(LegendLabels), PaintBoxLegend->font());
    for (std::size_t k = 0; k < LegendBoxes.size() && k < LegendLabels.size(); ++k) {
        const int index = static_cast<int>(k);
        LegendBoxes[k]->setGeometry(LegendBoxRect(index, height, ColorStepCount));
        LegendLabels[k]->setGeometry(LegendLabelRect(index, height, labelWidth, ColorStepCount));
    }
}

void TfrmVistals::fitLegendWidth() {
    // The panel grows with its longest label, so no label is cut off; the boxes stay in place.
    const int width = LegendWidth(legendLabelTexts(LegendLabels), PaintBoxLegend->font());
    if (pnlLegend->width() != width) pnlLegend->setFixedWidth(width);
    placeLegendItems();
}

void TfrmVistals::setUpLegend() {
    BuildLegendControls();
    DrawLegend();
    PaintBoxLegend->update();
}

void TfrmVistals::BuildLegendControls() {
    for (PaintBox* box : LegendBoxes) delete box;
    for (LegendLabel* label : LegendLabels) delete label;
    LegendBoxes.clear();
    LegendLabels.clear();
    const LegendValues initial = InitialLegendValues(ColorStepCount);
    ClassBounds = initial.ClassBounds;
    LegendColours.assign(static_cast<std::size_t>(ColorStepCount + 1), Colour());
    ApplyPaletteToLegend(palettes, 0, LegendColours);
    for (int k = 0; k <= ColorStepCount; ++k) {
        auto* box = new PaintBox(pnlLegend);
        box->setObjectName(QStringLiteral("LegendBox%1").arg(k));
        box->setCursor(Qt::PointingHandCursor);
        connect(box, &PaintBox::clicked, this, &TfrmVistals::PanelClick);
        box->show();
        LegendBoxes.push_back(box);
        auto* label = new LegendLabel(initial.labels[static_cast<std::size_t>(k)], pnlLegend);
        label->setObjectName(QStringLiteral("LegendLabel%1").arg(k));
        label->setCursor(Qt::PointingHandCursor);
        connect(label, &LegendLabel::clicked, this, &TfrmVistals::LabelClick);
        label->show();
        LegendLabels.push_back(label);
    }
    fitLegendWidth();
}

void TfrmVistals::DrawLegend() {
    // Follows a resized window; unchanged places move nothing (the resize has placed them).
    placeLegendItems();
    // The legend is one picture, the same the command line renders; the boxes show their part
    // of it and, like the labels, take the clicks.
    QImage fresh(PaintBoxLegend->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    PaintLegend(fresh, {LegendColours, legendLabelTexts(LegendLabels)},
                LegendStyleOf(palette(), PaintBoxLegend->font()));
    QImage& picture = PaintBoxLegend->canvas();
    if (fresh == picture) return;
    picture = std::move(fresh);
    // Asked for outside the repaints only: within the legend's own repaint the new picture is
    // shown at once, and a repaint of the grid only runs with the legend's repaint due (a
    // resize) or with the legend unchanged; another request there would repaint it twice.
    const bool repainting = PaintBoxLegend->testAttribute(Qt::WA_WState_InPaintEvent) ||
                            PaintBox1->testAttribute(Qt::WA_WState_InPaintEvent);
    if (!repainting) PaintBoxLegend->update();
    for (PaintBox* box : LegendBoxes) {
        box->canvas() = picture.copy(box->geometry());
        box->update();
    }
}

void TfrmVistals::UpdateLegendValues() {
    const LegendValues legend =
        ::UpdateLegendValues(document.statistics, RangeSet, RangeMin, RangeMax, ColorStepCount);
    ClassBounds = legend.ClassBounds;
    for (std::size_t k = 0; k < LegendLabels.size() && k < legend.labels.size(); ++k)
        LegendLabels[k]->setText(legend.labels[k]);
    fitLegendWidth();
}

void TfrmVistals::resetViewUnlessKept() {
    const bool fits =
        View.LastRow <= document.header.rowCount() && View.LastCol <= document.header.columnCount();
    if (!(KeepClipping && fits && !View.isEmpty()))
        FitPage(View, document.header.nrows, document.header.ncols);
}

void TfrmVistals::paintGrid(bool show) {
    if (!document.hasValues() || switchSteps_.busy() || Painting) return;
    Painting = true;
    // The cells are painted over the cells of the last picture, not over its marks and arrows:
    // where nothing is painted (transparent nodata cells, everything with "Erase old Grid"
    // off) the cells of before show, never a mark or an arrow that has gone.
    QImage& picture = PaintBox1->canvas();
    if (!cellsPicture.isNull()) picture = sizedLike(cellsPicture, picture.size(), buttonFace(this));
    const ColourClasses classes{ClassBounds, LegendColours, miDiscontinuousColors->isChecked()};
    PaintSettings settings;
    settings.EraseGrid = miEraseGrid->isChecked();
    settings.DrawGridLines = miDrawGridLines->isChecked();
    settings.NodataTransparent = NodataTransparent;
    settings.ButtonFace = Colour::fromQColor(buttonFace(this));
    ::GridPaint(picture, *document.Values, document.header.nodata_value, View, classes, settings);
    cellsPicture = picture;
    PaintAllSelected();
    drawArrowOverlay();
    DrawLegend();
    if (show) PaintBox1->update();
    Painting = false;
}

void TfrmVistals::GridPaint() { paintGrid(true); }

void TfrmVistals::PaintBox1Paint() { paintGrid(false); }

void TfrmVistals::PaintBoxLegendPaint() {
    if (!switchSteps_.running()) DrawLegend();
}

bool TfrmVistals::toggledState(QAction* menuItem, QAction* button) {
    // A triggered checkable action has already toggled itself; a direct call has not.
    bool state = !menuItem->isChecked();
    if (sender() == menuItem) state = menuItem->isChecked();
    if (button && sender() == button) state = button->isChecked();
    menuItem->setChecked(state);
    if (button) button->setChecked(state);
    return state;
}

void TfrmVistals::ComboBox1Change() {
    const int index = ComboBox1->currentIndex();
    const bool gammaEnabled = GammaControlsEnabled(index);
    edtGamma->setEnabled(gammaEnabled);
    updnGamma->setEnabled(gammaEnabled);
    ApplyPaletteToLegend(palettes, index, LegendColours);
    repaintAfterColourChange();
}

void TfrmVistals::edtGammaChange() {
    // An empty edit is a text being typed, not a number yet.
    if (edtGamma->text().trimmed().isEmpty()) return;
    GammaEntry entry;
    try {
        entry = ReadGammaText(edtGamma->text());
    } catch (const ConversionError& error) {
        dialogs_.message(QString::fromStdString(error.what()), QStringLiteral("Vistal"));
        return;
    }
    if (entry.corrected) {
        edtGamma->setText(entry.text);  // runs this handler again with the corrected text
        return;
    }
    updnGamma->setPositionOnly(entry.position);
    if (ComboBox1->currentIndex() < 0) return;
    palettes.ChangeActPaletteGamma(ComboBox1->currentIndex(), GammaOfPosition(entry.position));
    ApplyPaletteToLegend(palettes, ComboBox1->currentIndex(), LegendColours);
    ComboBox1->update();
    repaintAfterColourChange();
}

void TfrmVistals::updnGammaClick() {
    if (ComboBox1->currentIndex() < 0) return;
    palettes.ChangeActPaletteGamma(ComboBox1->currentIndex(),
                                   GammaOfPosition(updnGamma->position()));
    ApplyPaletteToLegend(palettes, ComboBox1->currentIndex(), LegendColours);
    repaintAfterColourChange();
}

void TfrmVistals::miInvertPaletteClick() {
    const int index = ComboBox1->currentIndex();
    if (index < 0) return;
    palettes.InvertPalette(index);
    ApplyInversionToLegend(palettes.Palettes[static_cast<std::size_t>(index)], LegendColours);
    repaintAfterColourChange();
    ComboBox1->update();
}

void TfrmVistals::miDiscontinuousColorsClick() {
    toggledState(miDiscontinuousColors, tlbtnDiscontinuousColors);
    GridPaint();
}

void TfrmVistals::miDrawGridLinesClick() {
    toggledState(miDrawGridLines, tlbtnDrawGridLines);
    GridPaint();
}

void TfrmVistals::miEraseGridClick() { toggledState(miEraseGrid, nullptr); }

void TfrmVistals::miNodataTransparentClick() {
    NodataTransparent = toggledState(miNodataTransparent, tlbtnNodataTransparent);
    if (NodataTransparent) miEraseGrid->setChecked(false);
}

void TfrmVistals::miKeepClippingClick() {
    KeepClipping = toggledState(miKeepClipping, tlbtnKeepClipping);
}

void TfrmVistals::tlbtnKeepClippingClick() {
    KeepClipping = tlbtnKeepClipping->isChecked();
    miKeepClipping->setChecked(KeepClipping);
}

// Every zoom, also the Alt-click on the picture, switches "Erase old Grid" on: the picture at
// the new scale must not show the old one under transparent nodata cells.
void TfrmVistals::PaintBoxZoomIn(int x, int y) {
    miEraseGrid->setChecked(true);
    ZoomWindow(View, ZoomDirection::In, x, y, PaintBox1->width(), PaintBox1->height(),
               document.header.nrows, document.header.ncols);
    GridPaint();
}

void TfrmVistals::PaintBoxZoomOut(int x, int y) {
    miEraseGrid->setChecked(true);
    ZoomWindow(View, ZoomDirection::Out, x, y, PaintBox1->width(), PaintBox1->height(),
               document.header.nrows, document.header.ncols);
    GridPaint();
}

void TfrmVistals::miZoomInClick() {
    miEraseGrid->setChecked(true);
    PaintBoxZoomIn(MenuZoomX(PaintBox1->width()), MenuZoomY(PaintBox1->height()));
}

void TfrmVistals::miZoomOutClick() {
    miEraseGrid->setChecked(true);
    PaintBoxZoomOut(MenuZoomX(PaintBox1->width()), MenuZoomY(PaintBox1->height()));
}

void TfrmVistals::miFitPageClick() {
    FitPage(View, document.header.nrows, document.header.ncols);
    GridPaint();
}

void TfrmVistals::shiftView(ShiftDirection direction) {
    miEraseGrid->setChecked(true);
    ShiftWindow(View, direction, document.header.nrows, document.header.ncols);
    GridPaint();
}

void TfrmVistals::miShiftLeftClick() { shiftView(ShiftDirection::Left); }
void TfrmVistals::miShiftUpClick() { shiftView(ShiftDirection::Up); }
void TfrmVistals::miShiftRightClick() { shiftView(ShiftDirection::Right); }
void TfrmVistals::miShiftDownClick() { shiftView(ShiftDirection::Down); }

void TfrmVistals::showReadout(QPoint at) {
    if (!document.hasValues() || switchSteps_.busy()) {
        clearReadout();
        return;
    }
    const auto readout = ReadCellAt(View, document.header, *document.Values, at.x(), at.y());
    if (!readout) {
        clearReadout();
        return;
    }
    edtXCol->setText(readout->XCol);
    edtYCol->setText(readout->YCol);
    edtXCoord->setText(readout->XCoord);
    edtYCoord->setText(readout->YCoord);
    edtValue->setText(readout->Value);
}

void TfrmVistals::clearReadout() {
    for (QLineEdit* field : {edtXCol, edtYCol, edtXCoord, edtYCoord, edtValue}) field->clear();
}

void TfrmVistals::refreshReadout() {
    const QPoint mouse = PaintBox1->mapFromGlobal(QCursor::pos());
    if (PaintBox1->rect().contains(mouse))
        showReadout(mouse);
    else
        clearReadout();
}

void TfrmVistals::PaintBox1MouseMove(QMouseEvent* event) {
    showReadout(event->position().toPoint());
    dragSelect(event);
}

void TfrmVistals::PaintBox1Leave() { clearReadout(); }

void TfrmVistals::PaintBox1Wheel(QWheelEvent* event) {
    // The wheel, with or without Ctrl, zooms as the Alt-clicks do (away from the user zooms
    // in), but keeps the cell under the pointer where it is, so that the user can turn the
    // wheel again on the same place.
    const int steps = event->angleDelta().y();
    event->accept();
    if (steps == 0 || !document.hasValues()) return;
    const QPoint at = event->position().toPoint();
    miEraseGrid->setChecked(true);
    ZoomWindowKeepingPointedCell(View, steps > 0 ? ZoomDirection::In : ZoomDirection::Out, at.x(),
                                 at.y(), PaintBox1->width(), PaintBox1->height(),
                                 document.header.nrows, document.header.ncols);
    GridPaint();
    showReadout(at);
}

void TfrmVistals::PanelClick() {
    const auto found = std::find(LegendBoxes.begin(), LegendBoxes.end(), sender());
    if (found == LegendBoxes.end()) return;
    const auto k = static_cast<std::size_t>(found - LegendBoxes.begin());
    if (const auto colour = dialogs_.chooseColour(LegendColours[k])) LegendColours[k] = *colour;
    repaintAfterColourChange();
}

void TfrmVistals::LabelClick() {
    const auto found = std::find(LegendLabels.begin(), LegendLabels.end(), sender());
    if (found == LegendLabels.end()) return;
    const auto k = static_cast<std::size_t>(found - LegendLabels.begin());
    LegendLabel* label = LegendLabels[k];
    const std::optional<QString> answer = dialogs_.inputQuery(
        QStringLiteral("Legend Label"), QStringLiteral("new Value"), label->text());
    // A cancelled prompt keeps the bound as it is. Taking the label's text back, as its
    // default answer would, put the bound rounded to seven digits in place of the exact one.
    if (answer) {
        try {
            const double bound = parseDouble(*answer);
            label->setText(qFormatG(bound, 7));
            ClassBounds[k] = bound;
            fitLegendWidth();
        } catch (const ConversionError& error) {
            dialogs_.message(QString::fromStdString(error.what()), QStringLiteral("Vistal"));
            return;
        }
    }
    GridPaint();
}
