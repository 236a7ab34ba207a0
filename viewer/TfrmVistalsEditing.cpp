// Value editing, the value range and the paste modes of the main window.
#include <QAction>
#include <QLineEdit>

#include "LevelStatistics.h"
#include "NumberText.h"
#include "TfrmVistals.h"
#include "ValueEditing.h"

void TfrmVistals::miPastemode1Click() {
    pasteMode = PasteMode::Replace;
    miPastemode1->setChecked(true);
}
void TfrmVistals::miPastemode2Click() {
    pasteMode = PasteMode::Add;
    miPastemode2->setChecked(true);
}
void TfrmVistals::miPastemode3Click() {
    pasteMode = PasteMode::Subtract;
    miPastemode3->setChecked(true);
}
void TfrmVistals::miPastemode4Click() {
    pasteMode = PasteMode::Multiply;
    miPastemode4->setChecked(true);
}
void TfrmVistals::miPastemode5Click() {
    pasteMode = PasteMode::Divide;
    miPastemode5->setChecked(true);
}
void TfrmVistals::miPastemode6Click() {
    pasteMode = PasteMode::SelectOnly;
    miPastemode6->setChecked(true);
}

void TfrmVistals::fillEditedStatistics() {
    const GridStatistics& statistics = document.statistics;
    edtCellCount->setText(QString::number(static_cast<long long>(statistics.CellCount)));
    edtMin->setText(formatGeneral15(statistics.Minimum));
    edtMax->setText(formatGeneral15(statistics.Maximum));
    edtSum->setText(formatGeneral15(statistics.Sum));
    edtAverage->setText(formatGeneral15(statistics.Average));
    edtStdDev->setText(formatGeneral15(statistics.StdDeviation));
}

void TfrmVistals::miChangeValueClick() {
    if (!document.hasValues()) return;
    const std::optional<double> value = AskNewCellValue(dialogs_);
    if (!value) return;
    SetSelectedCells(*document.Values, document.selection, *value);
    noteValuesChanged();
    document.statistics = levelStatistics(*document.Values, document.header.nodata_value);
    fillEditedStatistics();
    // The class bounds stay until another grid or level is shown or a range is set.
    document.selection.clear();
    document.Modified = true;
    GridPaint();
}

void TfrmVistals::miSetRangeClick() {
    if (!AskValueRange(dialogs_, view.range, document.statistics)) return;
    UpdateLegendValues();
    repaintAfterColourChange();
}
