// The parts of the chart viewer that bring the GUI libraries: the window over the result
// tables of the command line and the --render job. The program loads this module only for them.
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "ChartExportJob.h"
#include "ChartRenderJob.h"
#include "CommandLineJobSetup.h"
#include "CommandProcessor.h"
#include "ConsoleDialogs.h"
#include "PrintDialogSetup.h"
#include "ProgramModule.h"
#include "QtUserDialogs.h"
#include "TfrmTolmarCharts.h"
#include "WindowRun.h"

namespace {

// Starts the window with the tables, grabs it into `file` at its design size and exits.
// Nobody answers a box here: every message goes to standard error, the picture is taken all
// the same, and the exit code tells that something was reported.
int runScreenshot(const QString& file, const QStringList& tables) {
    ConsoleDialogs dialogs(QStringLiteral("linara"));
    ShellCommandProcessor commands;
    PrintDialogSetup printer;
    TfrmTolmarCharts window(dialogs, commands, printer);
    return screenshotWindow("linara", window, QSize(1309, 818), tables, file, dialogs);
}

}  // namespace

// Reads the tables and settings files as the window would and draws their chart into the
// picture, without a window. A file that cannot be read is reported and nothing is drawn.
TOLMAR_MODULE_ENTRY int linaraRenderMain(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    RenderJob job;
    std::string err;
    if (!parseRenderJob(arguments, job, err)) {
        std::fwrite(err.data(), 1, err.size(), stderr);
        return 1;
    }
    setUpCommandLineJob();
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Linara"));
    application.setOrganizationName(QStringLiteral("Tolmar-Tools"));
    ConsoleDialogs dialogs(QStringLiteral("linara"));
    return runChartRenderJob(job, dialogs);
}

// Reads the tables and settings files as the window would and writes their drawn series as
// CSV, without a window.
TOLMAR_MODULE_ENTRY int linaraExportMain(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    ExportJob job;
    std::string err;
    if (!parseExportJob(arguments, job, err)) {
        std::fwrite(err.data(), 1, err.size(), stderr);
        return 1;
    }
    setUpCommandLineJob();
    QCoreApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Linara"));
    application.setOrganizationName(QStringLiteral("Tolmar-Tools"));
    ConsoleDialogs dialogs(QStringLiteral("linara"));
    const int code = runChartExportJob(job, dialogs, err);
    std::fwrite(err.data(), 1, err.size(), stderr);
    return code;
}

TOLMAR_MODULE_ENTRY int linaraWindowMain(int argc, char* argv[]) {
    QApplication application(argc, argv);
    nameWindowApplication(application, QStringLiteral("Linara"));
    QString screenshot;
    const std::optional<QStringList> tables = windowArguments(application, "linara", screenshot);
    if (!tables) return 1;

    if (!screenshot.isEmpty()) return runScreenshot(screenshot, *tables);
    QtUserDialogs dialogs(nullptr);
    ShellCommandProcessor commands;
    PrintDialogSetup printer;
    TfrmTolmarCharts window(dialogs, commands, printer);
    return runWindow(window, dialogs, *tables);
}
