// The settings file, written on every close.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QScopedValueRollback>

#include "ChartInputs.h"
#include "NumberText.h"
#include "SettingsReading.h"
#include "TfrmTolmarCharts.h"
#include "TfrmWriteIniFile.h"
#include "UserDialogs.h"

namespace {

QString programPath() { return QCoreApplication::applicationFilePath(); }

}  // namespace

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
