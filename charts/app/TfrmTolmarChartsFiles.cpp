// Adding and removing result tables, the file and series lists, and renaming.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <algorithm>

#include "DateRange.h"
#include "SeriesStyling.h"
#include "TChart.h"
#include "TableFormatError.h"
#include "TableMessages.h"
#include "TfrmTolmarCharts.h"
#include "UpDown.h"
#include "UserDialogs.h"
#include "ValueAxisFit.h"

namespace {

QString pathOf(const FileContainer& table) { return QString::fromStdString(table.fileName()); }

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

void TfrmTolmarCharts::openPaths(const QStringList& paths) {
    for (const QString& path : paths) {
        if (isSettingsPath(path))
            readSettingsFile(path);
        else
            addResultTable(path);
    }
}

std::unique_ptr<FileContainer> TfrmTolmarCharts::readTableWithProgress(const QString& path) {
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
    return std::make_unique<FileContainer>(path.toStdString(), progress);
}

LoadedTable* TfrmTolmarCharts::addResultTable(const QString& path) {
    QCoreApplication::processEvents();
    const DisabledWhileReading disabled(*this);
    std::unique_ptr<FileContainer> read;
    try {
        read = readTableWithProgress(path);
    } catch (const TableReadError& error) {
        dialogs_.message(tableReadMessage(path, QString::fromStdString(error.what())),
                         QStringLiteral("wrong file format"));
        return nullptr;
    } catch (const std::bad_alloc&) {
        dialogs_.message(QStringLiteral("Not enough memory to read ") + path,
                         QStringLiteral("wrong file format"));
        return nullptr;
    }
    files.push_back(std::make_unique<LoadedTable>(std::move(read), this));
    LoadedTable& added = *files.back();
    const FileContainer& table = added.table();
    // A click on a line in the chart opens the colour dialog for its series.
    for (int i = 0; i < added.seriesCount(); ++i) {
        SeriesLines* lines = added.lines(i);
        connect(&lines->line(), &TChartSeries::clicked, this,
                [this, lines] { chooseSeriesColour(*lines); });
    }

    if (!RangeFixed) {
        TChartAxis& left = chrtTolmarResults->leftAxis();
        const ValueRange widened = widenForTable({left.minimum(), left.maximum()}, table);
        left.setMinMax(widened.minimum, widened.maximum);
    }
    {
        const QSignalBlocker quiet(chklstbxFiles);
        auto* item = new QListWidgetItem(path, chklstbxFiles);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
        chklstbxFiles->setCurrentItem(item);
    }
    showDatesOf(table);
    showSeriesOfFile(path);
    added.lines(added.seriesCount() - 1)->attach(*chrtTolmarResults, styles);
    repaintSeriesList();
    return &added;
}

void TfrmTolmarCharts::showDatesOf(const FileContainer& table) {
    TChartAxis& bottom = chrtTolmarResults->bottomAxis();
    const double step = table.timeStep();
    // Rows in falling date order have a negative step; it never becomes the label increment.
    bottom.setDesiredIncrement(incrementForTable(bottom.desiredIncrement(), step));
    // While the range is fixed the view stays; the dates of the new table count for F8,
    // which takes the dates of every table loaded then.
    if (RangeFixed) return;
    const TableView shown = viewForTable(table.start(), table.end(), step);
    setViewRange(ascendingTableSpan(table.start(), table.end(), step));
    chrtTolmarResults->setMaxPointsPerPage(shown.maxPointsPerPage);
    writeDateEdits(dateEditsFor(shown.view.minimum, shown.view.maximum));
    if (shown.labels) setDateLabels(bottom, *shown.labels);
}

ViewRange TfrmTolmarCharts::allFilesSpan() const {
    std::vector<ViewRange> spans;
    for (const auto& file : files) {
        const FileContainer& table = file->table();
        spans.push_back(ascendingTableSpan(table.start(), table.end(), table.timeStep()));
    }
    return unitedSpans(spans, {AllFilesStart, AllFilesEnd});
}

LoadedTable* TfrmTolmarCharts::tableOf(const QString& path) const {
    for (const auto& file : files) {
        if (pathOf(file->table()) == path) return file.get();
    }
    return nullptr;
}

LoadedTable* TfrmTolmarCharts::selectedTable() const {
    const int row = chklstbxFiles->currentRow();
    if (row < 0 || row >= chklstbxFiles->count()) return nullptr;
    return tableOf(chklstbxFiles->item(row)->text());
}

void TfrmTolmarCharts::showSeriesOfFile(const QString& path) {
    LoadedTable* file = tableOf(path);
    if (!file) return;
    edtSeriesName->setText(QString::fromStdString(file->table().EntityName));
    const QSignalBlocker quiet(chklstbxSeries);
    chklstbxSeries->clear();
    for (int i = 0; i < file->seriesCount(); ++i) {
        const SeriesData& series = file->lines(i)->data();
        auto* item =
            new QListWidgetItem(QString::fromStdString(series.displayName), chklstbxSeries);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(series.visible ? Qt::Checked : Qt::Unchecked);
    }
}

void TfrmTolmarCharts::btnDelDataClick() {
    const int index = chklstbxFiles->currentRow();
    if (index < 0 || index >= chklstbxFiles->count()) return;
    const QString path = chklstbxFiles->item(index)->text();
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (pathOf(files[i]->table()) != path) continue;
        if (i + 1 < files.size()) {
            dialogs_.message(QStringLiteral("Only the last Series of the list may be deleted"),
                             QStringLiteral("Information"));
            continue;
        }
        files[i]->detachAll(styles);
        files.pop_back();
        {
            const QSignalBlocker quiet(chklstbxFiles);
            delete chklstbxFiles->takeItem(index);
        }
        chklstbxSeries->clear();
        if (chklstbxFiles->count() == 0) edtSeriesName->clear();
        if (chklstbxFiles->count() > 0) {
            const int shown = std::min(index, chklstbxFiles->count() - 1);
            showSeriesOfFile(chklstbxFiles->item(shown)->text());
            repaintSeriesList();
        }
        break;
    }
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
    const QListWidgetItem* item = chklstbxFiles->item(index);
    showSeriesOfFile(item->text());
    const bool checked = item->checkState() == Qt::Checked;
    chklstbxSeries->setEnabled(checked);
    if (LoadedTable* file = tableOf(item->text())) {
        // Unchecking a file hides its lines; the series keep their own visible flags.
        for (int i = 0; i < file->seriesCount(); ++i) {
            SeriesLines& series = *file->lines(i);
            if (checked && series.data().visible)
                series.attach(*chrtTolmarResults, styles);
            else
                series.detach(styles);
        }
    }
    repaintSeriesList();
}

void TfrmTolmarCharts::chklstbxSeriesClickCheck(int row) {
    LoadedTable* file = selectedTable();
    if (!file || !file->lines(row)) return;
    SeriesLines& series = *file->lines(row);
    if (chklstbxSeries->item(row)->checkState() == Qt::Checked) {
        series.attach(*chrtTolmarResults, styles);
        series.data().visible = true;
    } else {
        series.detach(styles);
        series.data().visible = false;
    }
    repaintSeriesList();
}

int TfrmTolmarCharts::shownPenWidth(SeriesLines& lines, bool selected) const {
    const int width = lines.data().lineWidth;
    return selected ? selectedLineWidth(width, updwnLineWidthSelected->position()) : width;
}

void TfrmTolmarCharts::chklstbxSeriesDrawItem(QPainter& canvas, int row, const QRect& rect,
                                              bool selected) {
    if (chklstbxFiles->currentRow() < 0 && chklstbxFiles->count() > 0) {
        const QSignalBlocker quiet(chklstbxFiles);
        chklstbxFiles->setCurrentRow(chklstbxFiles->count() - 1);
    }
    LoadedTable* file = selectedTable();
    SeriesLines* lines = file ? file->lines(row) : nullptr;
    const QListWidgetItem* item = chklstbxSeries->item(row);
    if (!lines || !item) return;
    const SeriesData& series = lines->data();
    lines->line().setPenWidth(shownPenWidth(*lines, selected));
    const QColor text = seriesItemTextColour(selected, item->checkState() == Qt::Checked,
                                             Colour::fromQColor(lines->line().seriesColor()))
                            .toQColor();
    QFont font = canvas.font();
    font.setPointSize(10);
    font.setBold(series.lineWidth > 1);
    canvas.setFont(font);
    canvas.setPen(text);
    canvas.setClipRect(rect);
    canvas.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                    QString::fromStdString(series.displayName));
}

void TfrmTolmarCharts::repaintSeriesList() {
    // The series selected in the list stands out in the chart by a wider line.
    if (LoadedTable* file = selectedTable()) {
        for (int row = 0; row < chklstbxSeries->count(); ++row) {
            if (SeriesLines* lines = file->lines(row))
                lines->line().setPenWidth(
                    shownPenWidth(*lines, chklstbxSeries->item(row)->isSelected()));
        }
    }
    chklstbxSeries->viewport()->update();
}

void TfrmTolmarCharts::updwnLineWidthSelectedClick() { repaintSeriesList(); }

void TfrmTolmarCharts::edtSeriesNameExit() {
    LoadedTable* file = selectedTable();
    if (!file) return;
    const QString name = edtSeriesName->text();
    file->table().EntityName = name.toStdString();
    for (int i = 0; i < file->seriesCount(); ++i) {
        SeriesLines& lines = *file->lines(i);
        SeriesData& series = lines.data();
        // A rename keeps the column part of the first title: from its first ":" on.
        const std::size_t colon = series.baseTitle.find(':');
        const std::string column =
            colon == std::string::npos ? std::string() : series.baseTitle.substr(colon);
        series.displayName = name.toStdString() + column;
        lines.setTitle(QString::fromStdString(series.displayName));
    }
    chklstbxFilesClickCheck();
}
