// Adding and removing result tables, the file and series lists, and renaming.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <algorithm>

#include "ChartInputs.h"
#include "ChartProjection.h"
#include "SeriesStatisticsText.h"
#include "SeriesStyling.h"
#include "TableMessages.h"
#include "TfrmTolmarCharts.h"
#include "TfrmWriteIniFile.h"
#include "UpDown.h"
#include "UserDialogs.h"

namespace {

// Item data of the list entries: the id of the table an entry acts on, and a series' column.
constexpr int TableRole = Qt::UserRole;
constexpr int ColumnRole = Qt::UserRole + 1;

std::optional<SeriesKey> keyOf(const QListWidgetItem* item) {
    if (!item) return std::nullopt;
    return SeriesKey{item->data(TableRole).toInt(), item->data(ColumnRole).toInt()};
}

// Disables the window while a table is read and enables it again however the reading ends.
class DisabledWhileReading {
public:
    explicit DisabledWhileReading(QWidget& window) : window_(window) { window_.setEnabled(false); }
    ~DisabledWhileReading() { window_.setEnabled(true); }
    DisabledWhileReading(const DisabledWhileReading&) = delete;
    DisabledWhileReading& operator=(const DisabledWhileReading&) = delete;

private:
    QWidget& window_;
};

}  // namespace

void TfrmTolmarCharts::btnAddDataClick() {
    const QStringList paths =
        dialogs_.openFiles(QStringLiteral("Open"), QStringLiteral("All files (*)|*"));
    openPaths(paths);
}

SettingsReadingHooks TfrmTolmarCharts::readingHooks() {
    SettingsReadingHooks hooks;
    hooks.readTable = [this](const QString& path) { return readTableWithProgress(path); };
    hooks.showProgress = [this](const QString& caption, const QString& label, int count) {
        frmWriteIniFile->start(caption, label, count);
    };
    hooks.setProgress = [this](int index) { frmWriteIniFile->setPosition(index); };
    hooks.closeProgress = [this] { frmWriteIniFile->finish(); };
    return hooks;
}

void TfrmTolmarCharts::openPaths(const QStringList& paths) {
    if (paths.isEmpty()) return;
    showOpened(openChartPaths(doc_, paths, dialogs_, readingHooks()));
}

void TfrmTolmarCharts::readSettingsFile(const QString& path) {
    const int before = doc_.tableCount();
    if (!readSettingsFileReporting(doc_, path, dialogs_, readingHooks())) {
        frmWriteIniFile->finish();
        setEnabled(true);
    }
    showOpened(doc_.tableCount() - before);
}

void TfrmTolmarCharts::showOpened(int added) {
    if (added > 0) {
        listTables();
    } else {
        showControls();
        showDocument();
    }
}

std::unique_ptr<FileContainer> TfrmTolmarCharts::readTableWithProgress(const QString& path) {
    QCoreApplication::processEvents();
    const DisabledWhileReading disabled(*this);
    // The bar moves and the window repaints once per whole percent of the file, not per row.
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    const TableProgress progress = [this](int percent) {
        ProgressBar1->setValue(percent);
        QCoreApplication::processEvents();
    };
    struct HideBar {
        QProgressBar* bar;
        ~HideBar() { bar->hide(); }
    } hide{ProgressBar1};
    return readTableReporting(path, dialogs_, progress);
}

void TfrmTolmarCharts::listTables() {
    {
        const QSignalBlocker quiet(chklstbxFiles);
        chklstbxFiles->clear();
        for (int i = 0; i < doc_.tableCount(); ++i) {
            auto* item = new QListWidgetItem(QString::fromStdString(doc_.table(i).fileName()),
                                             chklstbxFiles);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(doc_.tableChecked(i) ? Qt::Checked : Qt::Unchecked);
            item->setData(TableRole, doc_.tableId(doc_.entryTarget(i)));
        }
        chklstbxFiles->setCurrentRow(doc_.tableCount() - 1);
    }
    showSeriesOf(doc_.tableCount() - 1);
    chklstbxSeries->setEnabled(true);  // a table just added is checked
    showControls();
    repaintSeriesList();
}

int TfrmTolmarCharts::selectedTable() const {
    const QListWidgetItem* item = chklstbxFiles->currentItem();
    return item ? doc_.indexOf(item->data(TableRole).toInt()) : -1;
}

std::optional<SeriesKey> TfrmTolmarCharts::selectedSeries() const {
    if (selectedTable() < 0) return std::nullopt;
    return keyOf(chklstbxSeries->currentItem());
}

void TfrmTolmarCharts::showSeriesOf(int entry) {
    const QListWidgetItem* entryItem = chklstbxFiles->item(entry);
    const int index = entryItem ? doc_.indexOf(entryItem->data(TableRole).toInt()) : -1;
    if (index < 0) return;
    const FileContainer& table = doc_.table(index);
    edtSeriesName->setText(QString::fromStdString(table.EntityName));
    const QSignalBlocker quiet(chklstbxSeries);
    chklstbxSeries->clear();
    for (int column = 0; column < table.seriesCount(); ++column) {
        const SeriesData& series = *table.series(column);
        auto* item =
            new QListWidgetItem(QString::fromStdString(series.displayName), chklstbxSeries);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(series.visible ? Qt::Checked : Qt::Unchecked);
        item->setToolTip(seriesStatisticsText(series.statistics));
        item->setData(TableRole, doc_.tableId(index));
        item->setData(ColumnRole, column);
    }
}

void TfrmTolmarCharts::btnDelDataClick() {
    const int index = chklstbxFiles->currentRow();
    if (index < 0 || index >= chklstbxFiles->count()) return;
    const ChartDocument::Removal removal = doc_.removeEntry(index);
    for (int i = 0; i < removal.refused; ++i)
        dialogs_.message(QStringLiteral("Only the last Series of the list may be deleted"),
                         QStringLiteral("Information"));
    if (!removal.removed) return;
    {
        const QSignalBlocker quiet(chklstbxFiles);
        delete chklstbxFiles->takeItem(index);
    }
    chklstbxSeries->clear();
    if (chklstbxFiles->count() == 0) edtSeriesName->clear();
    if (chklstbxFiles->count() > 0) {
        const int shown = std::min(index, chklstbxFiles->count() - 1);
        {
            const QSignalBlocker quiet(chklstbxFiles);
            chklstbxFiles->setCurrentRow(shown);
        }
        showSeriesOf(shown);
    }
    repaintSeriesList();
}

bool TfrmTolmarCharts::eventFilter(QObject* watched, QEvent* event) {
    if (watched == chklstbxFiles && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) chklstbxFilesKeyUp(key->key());
    }
    if (watched == chklstbxSeries && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            chklstbxSeriesDblClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmTolmarCharts::chklstbxFilesKeyUp(int key) {
    if (key == Qt::Key_Insert)
        btnAddDataClick();
    else if (key == Qt::Key_Delete)
        btnDelDataClick();
}

void TfrmTolmarCharts::chklstbxFilesClickCheck() {
    const int index = chklstbxFiles->currentRow();
    if (index < 0 || index >= chklstbxFiles->count()) return;
    showSeriesOf(index);
    const bool checked = chklstbxFiles->item(index)->checkState() == Qt::Checked;
    chklstbxSeries->setEnabled(checked);
    doc_.setEntryChecked(index, checked);
    repaintSeriesList();
}

void TfrmTolmarCharts::chklstbxSeriesClickCheck(int row) {
    const QListWidgetItem* item = chklstbxSeries->item(row);
    if (selectedTable() < 0 || !item) return;
    doc_.setSeriesVisible(*keyOf(item), item->checkState() == Qt::Checked);
    repaintSeriesList();
}

void TfrmTolmarCharts::chklstbxSeriesDrawItem(QPainter& canvas, int row, const QRect& rect,
                                              bool selected) const {
    const QListWidgetItem* item = chklstbxSeries->item(row);
    const std::optional<SeriesKey> key = keyOf(item);
    const SeriesData* series = key ? doc_.series(*key) : nullptr;
    if (!series) return;
    const QColor text = seriesItemTextColour(selected, item->checkState() == Qt::Checked,
                                             drawnColour(*series, doc_.styles()))
                            .toQColor();
    QFont font = canvas.font();
    font.setPointSize(10);
    font.setBold(series->lineWidth > 1);
    canvas.setFont(font);
    canvas.setPen(text);
    canvas.setClipRect(rect);
    canvas.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                    QString::fromStdString(series->displayName));
}

void TfrmTolmarCharts::showDocument() {
    // The series selected in the list stands out in the chart by a wider line.
    const QList<QListWidgetItem*> selected = chklstbxSeries->selectedItems();
    projection_->setEmphasis(selected.isEmpty() ? std::nullopt : keyOf(selected.first()),
                             updwnLineWidthSelected->position() - 1);
    projection_->show(doc_);
}

void TfrmTolmarCharts::repaintSeriesList() {
    showDocument();
    chklstbxSeries->viewport()->update();
}

void TfrmTolmarCharts::updwnLineWidthSelectedClick() { repaintSeriesList(); }

void TfrmTolmarCharts::edtSeriesNameExit() {
    const int index = selectedTable();
    if (index < 0) return;
    doc_.rename(index, edtSeriesName->text());
    chklstbxFilesClickCheck();
}
