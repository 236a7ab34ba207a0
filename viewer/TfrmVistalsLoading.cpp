// Loading, stack levels and saving in the main window.
#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QUrl>

#include "GridFormatError.h"
#include "GridNetcdfReader.h"
#include "LevelChange.h"
#include "LoadGrid.h"
#include "NodataToWrite.h"
#include "NumberText.h"
#include "PaintBox.h"
#include "SavedFileRecognition.h"
#include "TfrmVistals.h"
#include "UpDown.h"
#include "UserDialogs.h"
#include "WriteGrid.h"

void TfrmVistals::miLoadGridsClick() {
    const QStringList chosen =
        dialogs_.openFiles(QStringLiteral("Load Grids"), QStringLiteral("*.*"));
    if (chosen.isEmpty()) return;
    // The dialog lists the file clicked last first: the others go in first, it goes last.
    addGridsAndLoad(chosen.mid(1) << chosen.first());
}

void TfrmVistals::miOpenRasterClick() {
    const QStringList chosen = dialogs_.openFiles(
        QStringLiteral("Open Raster"),
        QStringLiteral(
            "Rasters (*.tif;*.tiff;*.img;*.vrt;*.jp2;*.hgt;*.dem;*.bil;*.png)|"
            "*.tif;*.tiff;*.img;*.vrt;*.jp2;*.hgt;*.dem;*.bil;*.png|All files (*.*)|*.*"));
    if (chosen.isEmpty()) return;
    addGridsAndLoad(chosen.mid(1) << chosen.first());
}

void TfrmVistals::addGridsAndLoad(const QStringList& files) {
    for (const QString& file : files) {
        lstbxGridNames->addItem(file);
        widenListFor(file);
    }
    if (lstbxGridNames->count() == 0) return;
    const int current = lstbxGridNames->currentRow();
    lstbxGridNames->setCurrentRow(current < 0 ? 0
                                              : std::min(current + 1, lstbxGridNames->count() - 1));
    lstbxGridNamesClick();
}

void TfrmVistals::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TfrmVistals::dropEvent(QDropEvent* event) {
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) files << url.toLocalFile();
    if (files.isEmpty()) return;
    event->acceptProposedAction();
    addGridsAndLoad(files);
}

bool TfrmVistals::askToSaveChanges(GridSwitch::Target target) {
    return switchSteps_.askToSaveChanges(target, [this] {
        // Save As writes the grid of the loaded entry, whichever entry is selected now.
        const int chosen = lstbxGridNames->currentRow();
        lstbxGridNames->setCurrentRow(document.LoadedIndex);
        const bool saved = saveGridAs();
        lstbxGridNames->setCurrentRow(chosen);
        return saved;
    });
}

bool TfrmVistals::beginSwitch() {
    if (!switchSteps_.begin()) return false;
    // A disabled list loses the focus, and Qt would hand it to the next control (the palette
    // box), where the keys meant for the list would land. The list's panel, which does nothing
    // with keys, holds it until the list is enabled again.
    if (lstbxGridNames->hasFocus()) pnlGridNames->setFocus();
    lstbxGridNames->setEnabled(false);
    return true;
}

void TfrmVistals::endSwitch() {
    ProgressBar1->hide();
    lstbxGridNames->setEnabled(true);
    lstbxGridNames->setFocus();
    switchSteps_.end();
    if (renderDue_) renderView();
}

bool TfrmVistals::endSwitchWhenNothingSelected() {
    if (lstbxGridNames->currentRow() >= 0) return false;
    // Nothing of the grid shown before stays: picture, fields, selection and profile go.
    clearPaintBoxes();
    clearReadout();
    clearStatisticsPanel();
    edtFileFormat->clear();
    document.selection.clear();
    profile.clear();
    showSelectionChanges();
    lstbxGridNames->setEnabled(true);
    if (pnlGridNames->hasFocus()) lstbxGridNames->setFocus();
    switchSteps_.end();
    return true;
}

void TfrmVistals::cancelSwitch() {
    switchSteps_.end();
    lstbxGridNames->setEnabled(true);
    if (pnlGridNames->hasFocus()) lstbxGridNames->setFocus();
    lstbxGridNames->setCurrentRow(document.LoadedIndex);
    // A resize while the question was open left the grid shown before to render.
    if (renderDue_) renderView();
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
    edtNodata->setCursorPosition(0);
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
    if (!beginSwitch()) return;
    if (endSwitchWhenNothingSelected()) return;
    if (document.hasValues()) {
        if (!askToSaveChanges(GridSwitch::Target::Grid)) {
            cancelSwitch();
            return;
        }
    }
    document.Modified = false;
    QCoreApplication::processEvents();

    const int index = lstbxGridNames->currentRow();
    const QString entry = lstbxGridNames->item(index)->text();
    document.LoadedIndex = index;
    releaseArrowGrids();
    LoadResult loaded;
    switchSteps_.beginLoad();
    try {
        loaded = LoadGrid(document, entry, *reader, loadCallbacks());
        switchSteps_.endLoad();
    } catch (const GridFormatError& error) {
        handleLoadError(error, index);
        return;
    } catch (const std::exception& error) {
        // Anything else (memory, the netCDF library) ends the load as a read error would,
        // instead of leaving the list disabled.
        handleLoadError(GridSwitch::asLoadError(error, entry), index);
        return;
    }

    edtFileFormat->setText(formatName(document.Format));
    miKeepClipping->setEnabled(true);
    tlbtnKeepClipping->setEnabled(true);
    miSaveGrid->setEnabled(loaded.saveGridAvailable);
    updnStacklevel->setRange(0, loaded.maxLevel);
    updnStacklevel->setPosition(0);
    updnStacklevel->setEnabled(loaded.levelControlsEnabled);
    if (loaded.levelControlsEnabled)
        lblStacklayers->setText(QStringLiteral("(max: %1)").arg(loaded.maxLevel));
    view.showWholeGridUnlessKept(document.header);
    UpdateLegendValues();
    fillStatisticsPanel();
    noteValuesChanged();
    // The loader emptied the selection; the profile starts afresh with the new grid.
    profile.clear();
    recomputeGradientsIfShown();
    GridPaint();
    showSelectionChanges();
    refreshReadout();
    endSwitch();
}

void TfrmVistals::handleLoadError(const GridFormatError& error, int index) {
    // Nothing half-read is shown: the old picture goes with the released grid.
    ProgressBar1->hide();
    clearPaintBoxes();
    clearStatisticsPanel();
    clearReadout();
    edtFileFormat->clear();
    // No grid is shown: nothing to save with "Save Grid", no level to step to.
    miSaveGrid->setEnabled(false);
    updnStacklevel->setPosition(0);
    updnStacklevel->setEnabled(false);
    const GridSwitch::FailedLoad failed = switchSteps_.failedLoad(error);
    if (failed.showFormat) edtFileFormat->setText(formatName(document.Format));
    if (failed.removeEntry) {
        delete lstbxGridNames->takeItem(index);
        lstbxGridNames->setCurrentRow(std::min(index, lstbxGridNames->count() - 1));
    }
    endSwitch();
}

void TfrmVistals::updnStacklevelClick() {
    if (!document.IsStack || !beginSwitch()) return;
    QCoreApplication::processEvents();
    if (endSwitchWhenNothingSelected()) return;
    if (!askToSaveChanges(GridSwitch::Target::Level)) {
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
    // The selection went with the question; the profile of the level before goes too.
    profile.clear();
    QCoreApplication::processEvents();
    fillStatisticsPanel();
    noteValuesChanged();
    view.showWholeGridUnlessKept(document.header);
    if (!view.range.RangeSet) UpdateLegendValues();
    recomputeGradientsIfShown();
    GridPaint();
    showSelectionChanges();
    refreshReadout();
    endSwitch();
}

void TfrmVistals::edtStacklevelExit() {
    if (!edtStacklevel->isModified()) return;
    edtStacklevel->setModified(false);
    updnStacklevel->takePositionFromAssociate();
    updnStacklevelClick();
}

bool TfrmVistals::writeShownGrid(const QString& fileName, GridOutputFormat format) {
    const NodataEntry& nodata = document.NodataToSave;
    if (!nodata.value) {
        dialogs_.errorMessage(NodataRefusal(nodata.text), NodataRefusalCaption);
        return false;
    }
    const double nodataToWrite = *nodata.value;
    if (const auto question = unrecognisedSaveQuestion(document, fileName, nodataToWrite, format)) {
        if (dialogs_.question(*question, unrecognisedSaveCaption, UserDialogs::Buttons::YesNo) !=
            UserDialogs::Answer::Yes)
            return false;
    }
    try {
        WriteGridAs(fileName, document, nodataToWrite, format);
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
    if (name) writeShownGrid(*name, savedFormatOf(document));
}

void TfrmVistals::miSaveGridAsClick() { saveGridAs(); }

bool TfrmVistals::saveGridAs() {
    if (!document.hasValues()) return true;
    const auto name =
        dialogs_.saveFile(QStringLiteral("Save grid as"), selectedEntry(),
                          QStringLiteral("Grid-Dateien (*.grd)|*.grd|Alle Dateien (*.*)|*.*"));
    if (!name) return false;
    GridOutputFormat format = savedFormatOf(document);
    // A raster is never written back into: the user chooses the grid format it becomes.
    if (document.Format == GridFileFormat::Raster) {
        const UserDialogs::Answer answer = dialogs_.question(
            QStringLiteral("Save \"%1\" as an ASCII grid?\n\nYes: an ASCII grid. No: a binary "
                           "grid of double precision.")
                .arg(*name),
            QStringLiteral("Save grid as"), UserDialogs::Buttons::YesNoCancel);
        if (answer == UserDialogs::Answer::Cancel) return false;
        format =
            answer == UserDialogs::Answer::Yes ? GridOutputFormat::Ascii : GridOutputFormat::Double;
    }
    return writeShownGrid(*name, format);
}
