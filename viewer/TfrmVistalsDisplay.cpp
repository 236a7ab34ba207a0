// Palettes, painting, the legend and navigation of the main window.
#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <optional>

#include "CellReadout.h"
#include "GammaSetting.h"
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

void TfrmVistals::repaintAfterColourChange() { renderView(); }

void TfrmVistals::setUpPalettes() {
    ComboBox1->clear();
    for (const BuiltInPalette& palette : BuiltInPalettes)
        ComboBox1->addItem(QString::fromLatin1(palette.name));
    PaletteSet& palettes = view.palettes();
    palettes.BuildPalettes(GammaOfPosition(updnGamma->position()));
    // The user's palette files follow the built-in palettes, then the suite's own, one combo
    // item per palette; a file that does not hold a whole palette is not offered.
    PaletteFileNames.clear();
    OfferedPalettes offered =
        ReadOfferedPalettes(ColorStepCount + 1, QCoreApplication::applicationDirPath());
    for (FoundPalette& found : offered.palettes) {
        PaletteFileNames << found.fileName;
        ComboBox1->addItem(found.palette.name);
        palettes.Palettes.push_back(std::move(found.palette.colours));
    }
    // Counts the user's palettes only: it numbers the name proposed for the next one saved.
    PaletteFileCount = offered.userCount;
    ComboBox1->setPaletteSource(
        [this](int index) -> const std::vector<Colour>* {
            const PaletteSet& shown = view.palettes();
            if (index < 0 || index >= static_cast<int>(shown.Palettes.size())) return nullptr;
            return &shown.Palettes[static_cast<std::size_t>(index)];
        },
        ColorStepCount, ColorStepCount + 1);
    ComboBox1->setCurrentIndex(0);
}

void TfrmVistals::placeLegendItems() {
    const int height = PaintBoxLegend->height();
    const int labelWidth = LegendLabelWidth(view.legendLabels(), PaintBoxLegend->font());
    for (std::size_t k = 0; k < LegendBoxes.size() && k < LegendLabels.size(); ++k) {
        const int index = static_cast<int>(k);
        LegendBoxes[k]->setGeometry(LegendBoxRect(index, height, ColorStepCount));
        LegendLabels[k]->setGeometry(LegendLabelRect(index, height, labelWidth, ColorStepCount));
    }
}

void TfrmVistals::fitLegendWidth() {
    // The panel grows with its longest label, so no label is cut off; the boxes stay in place.
    const int width = LegendWidth(view.legendLabels(), PaintBoxLegend->font());
    if (pnlLegend->width() != width) {
        pnlLegend->setFixedWidth(width);
        // The picture beside the legend takes its new width at once, so that the render that
        // follows paints it for that width, not a second render after the layout.
        if (QLayout* beside = pnlLegend->parentWidget()->layout()) beside->activate();
    }
    placeLegendItems();
}

void TfrmVistals::setUpLegend() {
    BuildLegendControls();
    renderView();
}

void TfrmVistals::BuildLegendControls() {
    for (PaintBox* box : LegendBoxes) delete box;
    for (LegendLabel* label : LegendLabels) delete label;
    LegendBoxes.clear();
    LegendLabels.clear();
    view.resetLegend();
    for (int k = 0; k <= ColorStepCount; ++k) {
        auto* box = new PaintBox(pnlLegend);
        box->setObjectName(QStringLiteral("LegendBox%1").arg(k));
        box->setCursor(Qt::PointingHandCursor);
        connect(box, &PaintBox::clicked, this, &TfrmVistals::PanelClick);
        box->show();
        LegendBoxes.push_back(box);
        auto* label = new LegendLabel(view.legendLabels()[static_cast<std::size_t>(k)], pnlLegend);
        label->setObjectName(QStringLiteral("LegendLabel%1").arg(k));
        label->setCursor(Qt::PointingHandCursor);
        connect(label, &LegendLabel::clicked, this, &TfrmVistals::LabelClick);
        label->show();
        LegendLabels.push_back(label);
    }
    fitLegendWidth();
}

RenderTarget TfrmVistals::renderTarget() const {
    return {PaintBox1->size(), PaintBoxLegend->size(),
            LegendStyleOf(palette(), PaintBoxLegend->font())};
}

void TfrmVistals::renderView() {
    if (switchSteps_.busy() || Painting) return;
    Painting = true;
    renderDue_ = false;
    QImage legend;
    view.render(document, renderTarget(), PaintBox1->canvas(), legend);
    if (document.hasValues()) PaintBox1->update();
    showLegend(std::move(legend));
    Painting = false;
    refreshHistogramIfShown();
}

void TfrmVistals::GridPaint() {
    if (document.hasValues()) renderView();
}

bool TfrmVistals::event(QEvent* event) {
    // The resized boxes have all taken their sizes when the repaint is due; the picture is
    // rendered once for them. While another grid is being shown, that switch renders.
    if (event->type() == QEvent::UpdateRequest && renderDue_ && !switchSteps_.running())
        renderView();
    return QMainWindow::event(event);
}

void TfrmVistals::showLegend(QImage legend) {
    // Follows a resized window; unchanged places move nothing (the resize has placed them).
    placeLegendItems();
    // The boxes show their part of the legend's picture and, like the labels, take the clicks.
    QImage& picture = PaintBoxLegend->canvas();
    if (legend == picture) return;
    picture = std::move(legend);
    PaintBoxLegend->update();
    for (PaintBox* box : LegendBoxes) {
        box->canvas() = picture.copy(box->geometry());
        box->update();
    }
}

void TfrmVistals::UpdateLegendValues() {
    view.updateLegendValues(document.statistics);
    showLegendLabels();
}

void TfrmVistals::showLegendLabels() {
    const std::vector<QString>& labels = view.legendLabels();
    for (std::size_t k = 0; k < LegendLabels.size() && k < labels.size(); ++k)
        LegendLabels[k]->setText(labels[k]);
    fitLegendWidth();
}

void TfrmVistals::showViewSettings() {
    const ViewSettings& settings = view.settings;
    miDrawGridLines->setChecked(settings.DrawGridLines);
    tlbtnDrawGridLines->setChecked(settings.DrawGridLines);
    miEraseGrid->setChecked(settings.EraseGrid);
    miDiscontinuousColors->setChecked(settings.DiscontinuousColors);
    tlbtnDiscontinuousColors->setChecked(settings.DiscontinuousColors);
    miKeepClipping->setChecked(settings.KeepClipping);
    tlbtnKeepClipping->setChecked(settings.KeepClipping);
    miNodataTransparent->setChecked(settings.NodataTransparent);
    tlbtnNodataTransparent->setChecked(settings.NodataTransparent);
    miShowGradients->setChecked(view.arrowMode == ArrowMode::Gradients);
    miShowFlowVelocitiesFromXYFields->setChecked(view.arrowMode == ArrowMode::FlowVelocities);
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
    view.choosePalette(index);
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
    // The up-down's own click follows when it changed the text: only one of them renders.
    if (view.palettes().Palettes.empty() || !view.changeGamma(entry.position)) return;
    ComboBox1->update();
    repaintAfterColourChange();
}

void TfrmVistals::updnGammaClick() {
    if (!view.palettes().Palettes.empty() && view.changeGamma(updnGamma->position()))
        repaintAfterColourChange();
}

void TfrmVistals::miInvertPaletteClick() {
    view.invertPalette();
    repaintAfterColourChange();
    ComboBox1->update();
}

void TfrmVistals::miDiscontinuousColorsClick() {
    view.settings.DiscontinuousColors = !view.settings.DiscontinuousColors;
    showViewSettings();
    GridPaint();
}

void TfrmVistals::miDrawGridLinesClick() {
    view.settings.DrawGridLines = !view.settings.DrawGridLines;
    showViewSettings();
    GridPaint();
}

void TfrmVistals::miEraseGridClick() {
    view.settings.EraseGrid = !view.settings.EraseGrid;
    showViewSettings();
}

void TfrmVistals::miNodataTransparentClick() {
    view.settings.NodataTransparent = !view.settings.NodataTransparent;
    if (view.settings.NodataTransparent) view.settings.EraseGrid = false;
    showViewSettings();
}

void TfrmVistals::miKeepClippingClick() {
    view.settings.KeepClipping = !view.settings.KeepClipping;
    showViewSettings();
}

// Every zoom, also the Alt-click on the picture, switches "Erase old Grid" on: the picture at
// the new scale must not show the old one under transparent nodata cells.
void TfrmVistals::eraseBeforeNextPaint() {
    view.settings.EraseGrid = true;
    showViewSettings();
}

void TfrmVistals::PaintBoxZoomIn(int x, int y) {
    eraseBeforeNextPaint();
    ZoomWindow(view.window, ZoomDirection::In, x, y, PaintBox1->width(), PaintBox1->height(),
               document.header.nrows, document.header.ncols);
    GridPaint();
}

void TfrmVistals::PaintBoxZoomOut(int x, int y) {
    eraseBeforeNextPaint();
    ZoomWindow(view.window, ZoomDirection::Out, x, y, PaintBox1->width(), PaintBox1->height(),
               document.header.nrows, document.header.ncols);
    GridPaint();
}

void TfrmVistals::miZoomInClick() {
    PaintBoxZoomIn(MenuZoomX(PaintBox1->width()), MenuZoomY(PaintBox1->height()));
}

void TfrmVistals::miZoomOutClick() {
    PaintBoxZoomOut(MenuZoomX(PaintBox1->width()), MenuZoomY(PaintBox1->height()));
}

void TfrmVistals::miFitPageClick() {
    FitPage(view.window, document.header.nrows, document.header.ncols);
    GridPaint();
}

void TfrmVistals::shiftView(ShiftDirection direction) {
    eraseBeforeNextPaint();
    ShiftWindow(view.window, direction, document.header.nrows, document.header.ncols);
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
    const auto readout = ReadCellAt(view.window, document.header, *document.Values, at.x(), at.y());
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
    eraseBeforeNextPaint();
    ZoomWindowKeepingPointedCell(view.window, steps > 0 ? ZoomDirection::In : ZoomDirection::Out,
                                 at.x(), at.y(), PaintBox1->width(), PaintBox1->height(),
                                 document.header.nrows, document.header.ncols);
    GridPaint();
    showReadout(at);
}

void TfrmVistals::PanelClick() {
    const auto found = std::find(LegendBoxes.begin(), LegendBoxes.end(), sender());
    if (found == LegendBoxes.end()) return;
    const auto k = static_cast<std::size_t>(found - LegendBoxes.begin());
    if (const auto colour = dialogs_.chooseColour(view.legendColours()[k]))
        view.setLegendColour(static_cast<int>(k), *colour);
    repaintAfterColourChange();
}

void TfrmVistals::LabelClick() {
    const auto found = std::find(LegendLabels.begin(), LegendLabels.end(), sender());
    if (found == LegendLabels.end()) return;
    const auto k = static_cast<std::size_t>(found - LegendLabels.begin());
    const std::optional<QString> answer = dialogs_.inputQuery(
        QStringLiteral("Legend Label"), QStringLiteral("new Value"), view.legendLabels()[k]);
    // A cancelled prompt keeps the bound as it is. Taking the label's text back, as its
    // default answer would, put the bound rounded to seven digits in place of the exact one.
    if (answer) {
        try {
            view.setClassBound(static_cast<int>(k), parseDouble(*answer));
            showLegendLabels();
        } catch (const ConversionError& error) {
            dialogs_.message(QString::fromStdString(error.what()), QStringLiteral("Vistal"));
            return;
        }
    }
    GridPaint();
}
