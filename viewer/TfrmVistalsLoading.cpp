// Loading, stack levels and saving in the main window.
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>

#include "CellReadout.h"
#include "GridFormatError.h"
#include "GridNetcdfReader.h"
#include "LevelChange.h"
#include "LoadGrid.h"
#include "NumberText.h"
#include "PaintBox.h"
#include "SavedFileRecognition.h"
#include "TfrmVistals.h"
#include "UpDown.h"
#include "UserDialogs.h"
#include "WriteGrid.h"

const QString TfrmVistals::SwitchQuestion = QStringLiteral(
    "There are selected cells or \nthe original grid was changed. \n"
    "Do you want to save the changes?");

void TfrmVistals::miLoadGridsClick() {
    const QStringList chosen =
        dialogs_.openFiles(QStringLiteral("Load Grids"), QStringLiteral("*.*"));
    if (chosen.isEmpty()) return;
    // The dialog lists the file clicked last first: the others go in first, it goes last.
    QStringList ordered = chosen.mid(1);
    ordered << chosen.first();
    for (const QString& file : ordered) {
        lstbxGridNames->addItem(file);
        widenListFor(file);
    }
    if (lstbxGridNames->count() == 0) return;
    const int current = lstbxGridNames->currentRow();
    lstbxGridNames->setCurrentRow(current < 0 ? 0
                                              : std::min(current + 1, lstbxGridNames->count() - 1));
    lstbxGridNamesClick();
}

bool TfrmVistals::askToSaveChanges(const QString& text, const QString& caption) {
    if (document.selection.empty() && !document.Modified) return true;
    // Asked when another grid or level is shown, the list entry is deleted or the window closes.
    const auto answer = dialogs_.question(text, caption, UserDialogs::Buttons::YesNoCancel);
    if (answer == UserDialogs::Answer::Cancel) return false;
    if (answer == UserDialogs::Answer::Yes) {
        const int chosen = lstbxGridNames->currentRow();
        lstbxGridNames->setCurrentRow(document.LoadedIndex);
        const bool saved = saveGridAs();
        lstbxGridNames->setCurrentRow(chosen);
        // Changes that were not written (the save dialog was cancelled, a file
        // that could not be loaded again was declined, or the write failed and
        // the user has been told) are kept: the switch stops as on Cancel
        // instead of throwing them away.
        if (!saved) return false;
        document.Modified = false;
    }
    document.selection.clear();
    return true;
}

void TfrmVistals::endSwitch() {
    ProgressBar1->hide();
    lstbxGridNames->setEnabled(true);
    lstbxGridNames->setFocus();
    SwitchGuard = false;
}

bool TfrmVistals::endSwitchWhenNothingSelected() {
    if (lstbxGridNames->currentRow() >= 0) return false;
    clearPaintBoxes();
    lstbxGridNames->setEnabled(true);
    SwitchGuard = false;
    return true;
}

void TfrmVistals::cancelSwitch() {
    SwitchGuard = false;
    lstbxGridNames->setEnabled(true);
    lstbxGridNames->setCurrentRow(document.LoadedIndex);
}

void TfrmVistals::fillStatisticsPanel() {
    const GridHeader& header = document.header;
    const GridStatistics& statistics = document.statistics;
    edtCellCount->setText(QString::number(static_cast<long long>(statistics.CellCount)));
    edtNCols->setText(QString::number(static_cast<long long>(header.ncols)));
    edtNRows->setText(QString::number(static_cast<long long>(header.nrows)));
    edtXLL->setText(qFormatG(header.xllcorner));
    edtYLL->setText(qFormatG(header.yllcorner));
    edtCellSize->setText(qFormatG(header.cellsize));
    edtNodata->setText(qFormatG(header.nodata_value));
    edtMin->setText(qFormatG(statistics.Minimum));
    edtMax->setText(qFormatG(statistics.Maximum));
    edtSum->setText(qFormatG(statistics.Sum));
    edtAverage->setText(qFormatG(statistics.Average));
    edtStdDev->setText(qFormatG(statistics.StdDeviation));
}

void TfrmVistals::clearStatisticsPanel() {
    for (QLineEdit* field : {edtNCols, edtNRows, edtXLL, edtYLL, edtCellSize, edtNodata,
                             edtCellCount, edtMin, edtMax, edtSum, edtAverage, edtStdDev})
        field->clear();
}

LoadCallbacks TfrmVistals::loadCallbacks() {
    LoadCallbacks callbacks;
    callbacks.askYesNo = [this](const QString& text, const QString& caption) {
        return dialogs_.question(text, caption, UserDialogs::Buttons::YesNo) ==
               UserDialogs::Answer::Yes;
    };
    callbacks.progress = [this](int percent) {
        ProgressBar1->show();
        ProgressBar1->setValue(percent);
    };
    callbacks.processEvents = [] { QCoreApplication::processEvents(); };
    return callbacks;
}

void TfrmVistals::lstbxGridNamesClick() {
    if (SwitchGuard) return;
    SwitchGuard = true;
    lstbxGridNames->setEnabled(false);
    if (endSwitchWhenNothingSelected()) return;
    if (document.hasValues()) {
        if (!askToSaveChanges(SwitchQuestion, QStringLiteral("show another grid"))) {
            cancelSwitch();
            return;
        }
        // The profile chart's series are cleared here once the profile window exists.
    }
    document.Modified = false;
    QCoreApplication::processEvents();
    // The auxiliary grids of the arrow tools are released here once they exist.

    const int index = lstbxGridNames->currentRow();
    const QString entry = lstbxGridNames->item(index)->text();
    document.LoadedIndex = index;
    LoadResult loaded;
    Busy = true;
    try {
        loaded = LoadGrid(document, entry, *reader, loadCallbacks());
        Busy = false;
    } catch (const GridFormatError& error) {
        handleLoadError(error, index);
        return;
    } catch (const std::exception& error) {
        // Anything else (memory, the netCDF library) ends the load as a read error
        // would, instead of leaving the list disabled.
        handleLoadError(GridFormatError(GridFormatError::Kind::Read,
                                        QStringLiteral("Could not load \"%1\": %2")
                                            .arg(entry, QString::fromLocal8Bit(error.what()))),
                        index);
        return;
    }

    edtFileFormat->setText(document.FormatName);
    miKeepClipping->setEnabled(true);
    tlbtnKeepClipping->setEnabled(true);
    miSaveGrid->setEnabled(loaded.saveGridAvailable);
    updnStacklevel->setRange(0, loaded.maxLevel);
    updnStacklevel->setPosition(0);
    updnStacklevel->setEnabled(loaded.levelControlsEnabled);
    if (loaded.levelControlsEnabled)
        lblStacklayers->setText(QStringLiteral("(max: %1)").arg(loaded.maxLevel));
    resetViewUnlessKept();
    UpdateLegendValues();
    fillStatisticsPanel();
    // Gradient arrows are recomputed here once they exist.
    GridPaint();
    endSwitch();
}

void TfrmVistals::handleLoadError(const GridFormatError& error, int index) {
    // Nothing half-read is shown: the old picture goes with the released grid.
    ProgressBar1->hide();
    clearPaintBoxes();
    clearStatisticsPanel();
    edtFileFormat->clear();
    document.Modified = false;
    // No grid is shown: nothing to save with "Save Grid", no level to step to.
    miSaveGrid->setEnabled(false);
    updnStacklevel->setPosition(0);
    updnStacklevel->setEnabled(false);
    switch (error.kind()) {
        case GridFormatError::Kind::Unrecognised:
            // As after any failed recognition, painting stays off until the next load.
            dialogs_.message(error.text(), error.caption());
            edtFileFormat->setText(document.FormatName);
            break;
        case GridFormatError::Kind::BadFileType: {
            Busy = false;
            delete lstbxGridNames->takeItem(index);
            lstbxGridNames->setCurrentRow(std::min(index, lstbxGridNames->count() - 1));
            break;
        }
        case GridFormatError::Kind::NetCDF:
            Busy = false;
            break;
        default:
            Busy = false;
            dialogs_.message(error.text(), error.caption());
            break;
    }
    endSwitch();
}

void TfrmVistals::updnStacklevelClick() {
    if (SwitchGuard || !document.IsStack) return;
    SwitchGuard = true;
    QCoreApplication::processEvents();
    lstbxGridNames->setEnabled(false);
    if (endSwitchWhenNothingSelected()) return;
    const QString levelQuestion =
        SwitchQuestion +
        QStringLiteral("\nAttention: only the actual level\nwill be saved as grid");
    if (!askToSaveChanges(levelQuestion, QStringLiteral("show another level"))) {
        updnStacklevel->setPosition(document.shownLevel);
        cancelSwitch();
        return;
    }
    try {
        changeLevel(document, updnStacklevel->position(), *reader);
    } catch (const std::exception& error) {
        // The level shown stays, and so does the control's position.
        updnStacklevel->setPosition(document.shownLevel);
        const auto* gridError = dynamic_cast<const GridFormatError*>(&error);
        dialogs_.message(gridError ? gridError->text() : QString::fromLocal8Bit(error.what()),
                         gridError ? gridError->caption() : QStringLiteral("netCDF error"));
        endSwitch();
        return;
    }
    document.Modified = false;
    QCoreApplication::processEvents();
    fillStatisticsPanel();
    resetViewUnlessKept();
    if (!RangeSet) UpdateLegendValues();
    GridPaint();
    const QPoint mouse = PaintBox1->mapFromGlobal(QCursor::pos());
    if (const auto readout =
            ReadCellAt(View, document.header, *document.Values, mouse.x(), mouse.y())) {
        edtXCol->setText(readout->XCol);
        edtYCol->setText(readout->YCol);
        edtXCoord->setText(readout->XCoord);
        edtYCoord->setText(readout->YCoord);
        edtValue->setText(readout->Value);
    }
    endSwitch();
}

void TfrmVistals::edtStacklevelExit() {
    if (!edtStacklevel->isModified()) return;
    edtStacklevel->setModified(false);
    updnStacklevel->takePositionFromAssociate();
    updnStacklevelClick();
}

bool TfrmVistals::writeShownGrid(const QString& fileName) {
    const double nodataToWrite = leadingNumber(edtNodata->text());
    if (const auto question =
            unrecognisedSaveQuestion(document, fileName, nodataToWrite, savedFormatOf(document))) {
        if (dialogs_.question(*question, unrecognisedSaveCaption, UserDialogs::Buttons::YesNo) !=
            UserDialogs::Answer::Yes)
            return false;
    }
    try {
        WriteGrid(fileName, document, nodataToWrite);
        return true;
    } catch (const GridFormatError& error) {
        dialogs_.message(error.text(), error.caption());
        return false;
    }
}

QString TfrmVistals::selectedEntry() const {
    const QListWidgetItem* item = lstbxGridNames->currentItem();
    return item ? item->text() : QString();
}

void TfrmVistals::miSaveGridClick() {
    if (!document.hasValues() || !miSaveGrid->isEnabled()) return;
    const auto name =
        dialogs_.inputQuery(QStringLiteral("Save"), QStringLiteral("Saving file"), selectedEntry());
    if (name) writeShownGrid(*name);
}

void TfrmVistals::miSaveGridAsClick() { saveGridAs(); }

bool TfrmVistals::saveGridAs() {
    if (!document.hasValues()) return true;
    const auto name =
        dialogs_.saveFile(QStringLiteral("Save grid as"), selectedEntry(),
                          QStringLiteral("Grid-Dateien (*.grd)|*.grd|Alle Dateien (*.*)|*.*"));
    return name && writeShownGrid(*name);
}
