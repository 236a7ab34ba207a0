// The settings file: written on every close, read when a settings file is opened.
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <unordered_map>

#include "NumberText.h"
#include "SettingsReading.h"
#include "TChart.h"
#include "TfrmTolmarCharts.h"
#include "TfrmWriteIniFile.h"
#include "UserDialogs.h"

namespace {

const QString IniWriteErrorCaption = QStringLiteral("Ini-file write error");

QString programPath() { return QCoreApplication::applicationFilePath(); }

}  // namespace

ChartSettings TfrmTolmarCharts::currentSettings() const {
    ChartSettings settings;
    TChartAxis& bottom = chrtTolmarResults->bottomAxis();
    TChartAxis& left = chrtTolmarResults->leftAxis();
    settings.title = edtChartTitle->text();
    settings.xAxisTitle = bottom.title();
    settings.yAxisTitle = left.title();
    settings.synchronizeDates = chkbcSynchronizeDates->isChecked();
    settings.logarithmic = chkbxLogarithmic->isChecked();
    const ChartGradient gradient = chartGradient();
    settings.gradientDirection = gradient.direction;
    settings.gradientStartColour = static_cast<int>(gradient.start.value);
    settings.gradientEndColour = static_cast<int>(gradient.end.value);
    settings.gradientVisible = gradient.visible;
    for (const auto& file : files) settings.files.push_back(fileSettingsOf(file->table()));
    settings.xAxisMinimum = bottom.minimum();
    settings.xAxisMaximum = bottom.maximum();
    settings.yAxisMinimum = left.minimum();
    settings.yAxisMaximum = left.maximum();
    settings.dates = dateEdits();
    settings.hideLegend = miHideLegend->isChecked();
    return settings;
}

void TfrmTolmarCharts::closeEvent(QCloseEvent* event) {
    if (WritingSettings) {
        event->ignore();
        return;
    }
    const QScopedValueRollback writing(WritingSettings, true);
    const ChartSettings settings = currentSettings();
    const QString path = closingSettingsPath(programPath(), QDir::currentPath());
    try {
        frmWriteIniFile->start(WriteProgressCaption, WriteProgressLabel,
                               static_cast<int>(settings.files.size()));
        saveChartSettings(path, settings,
                          [this](int index) { frmWriteIniFile->setPosition(index); });
        frmWriteIniFile->finish();
    } catch (const ConversionError& error) {
        frmWriteIniFile->finish();
        // A date edit that is no integer: nothing is written and the window stays open. The
        // box takes the focus from the edit; that must not apply the edits (a second box).
        const QScopedValueRollback reporting(ReportingDates, true);
        dialogs_.message(QString::fromStdString(error.what()), QStringLiteral("Linara"));
        event->ignore();
        return;
    } catch (const IniFileError& error) {
        frmWriteIniFile->finish();
        dialogs_.message(QString::fromStdString(error.what()), IniWriteErrorCaption);
    }
    QMainWindow::closeEvent(event);
}

// The window's side of reading a settings file.
class WindowSettingsTarget : public SettingsWindow {
public:
    explicit WindowSettingsTarget(TfrmTolmarCharts& window) : w(window) {}

    void applyChartHead(const ChartSettings& settings) override {
        w.edtChartTitle->setText(settings.title);
        w.chrtTolmarResults->bottomAxis().setTitle(settings.xAxisTitle);
        w.chrtTolmarResults->leftAxis().setTitle(settings.yAxisTitle);
        w.chkbcSynchronizeDates->setChecked(settings.synchronizeDates);
        w.chkbxLogarithmic->setChecked(settings.logarithmic);
        w.GradientColors.start = Colour(static_cast<std::uint32_t>(settings.gradientStartColour));
        w.GradientColors.end = Colour(static_cast<std::uint32_t>(settings.gradientEndColour));
        w.setChartGradient({settings.gradientVisible, settings.gradientDirection,
                            w.GradientColors.start, w.GradientColors.end});
    }

    FileContainer* addTable(const QString& path) override {
        LoadedTable* added = w.addResultTable(path);
        if (!added) return nullptr;
        indexes_[&added->table()] = static_cast<int>(w.files.size()) - 1;
        return &added->table();
    }

    void showTable(FileContainer& table) override {
        const int index = indexOf(table);
        if (index < 0) return;
        {
            const QSignalBlocker quiet(w.chklstbxFiles);
            w.chklstbxFiles->setCurrentRow(index);
        }
        w.chklstbxFilesClickCheck();
        w.edtSeriesNameExit();
    }

    void applyChartTail(const ChartSettings& settings) override {
        // Parts the file does not hold are fitted to the tables loaded, as F5 fits them.
        if (settings.xAxisStored)
            w.chrtTolmarResults->bottomAxis().setMinMax(settings.xAxisMinimum,
                                                        settings.xAxisMaximum);
        else
            w.showAllTables(!settings.datesStored);
        if (settings.yAxisStored)
            w.chrtTolmarResults->leftAxis().setMinMax(settings.yAxisMinimum, settings.yAxisMaximum);
        else if (!w.files.empty())
            w.fitValueAxis();
        if (settings.datesStored) w.writeDateEdits(settings.dates);
        w.setLegendHidden(settings.hideLegend);
        w.RangeFixed = true;
    }

    void applySeriesLooks(FileContainer& table) override {
        const int index = indexOf(table);
        if (index < 0) return;
        LoadedTable& loaded = *w.files[static_cast<std::size_t>(index)];
        for (int j = 0; j < loaded.seriesCount(); ++j) {
            SeriesLines& lines = *loaded.lines(j);
            lines.setColour(lines.data().colour, w.styles);
        }
        w.repaintSeriesList();
    }

    void showProgress(const QString& caption, const QString& label, int count) override {
        w.frmWriteIniFile->start(caption, label, count);
    }
    void setProgress(int index) override { w.frmWriteIniFile->setPosition(index); }
    void closeProgress() override { w.frmWriteIniFile->finish(); }

private:
    // The place of a table this reading added in the file list; -1 for any other.
    int indexOf(const FileContainer& table) const {
        const auto found = indexes_.find(&table);
        return found == indexes_.end() ? -1 : found->second;
    }

    TfrmTolmarCharts& w;
    std::unordered_map<const FileContainer*, int> indexes_;
};

void TfrmTolmarCharts::readSettingsFile(const QString& path) {
    const QString file = openingSettingsPath(path, programPath(), QDir::currentPath());
    try {
        const IniFile ini = IniFile::load(file);
        // One redraw at the end, not one per table.
        const ChartRedrawPause pause(*chrtTolmarResults);
        WindowSettingsTarget target(*this);
        readSettingsInto(target, ini, currentSettings());
    } catch (const IniFileError& error) {
        frmWriteIniFile->finish();
        setEnabled(true);
        dialogs_.message(QString::fromStdString(error.what()), IniWriteErrorCaption);
    }
}
