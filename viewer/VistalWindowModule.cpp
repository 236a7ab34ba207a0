// The parts of the grid viewer that bring the GUI libraries: the window over the grid files
// of the command line and the --render job. The program loads this module only for them.
#include <QApplication>
#include <cstdio>

#include "CommandProcessor.h"
#include "ConsoleDialogs.h"
#include "ProgramModule.h"
#include "QtUserDialogs.h"
#include "RenderCommand.h"
#include "TfrmVistals.h"
#include "WindowRun.h"

namespace {

// Starts the window, loads the first file, grabs the window into `file` and exits.
// The picture shows the window at its design size, whatever the screen. Nobody answers a box
// here: every message and question goes to standard error (questions answered No or Cancel),
// the picture is taken all the same, and the exit code tells that something was reported.
int runScreenshot(const QString& file, const QStringList& grids) {
    ConsoleDialogs dialogs(QStringLiteral("vistal"));
    ShellCommandProcessor commands;
    TfrmVistals window(dialogs, commands);
    return screenshotWindow("vistal", window, QSize(1316, 819), grids, file, dialogs);
}

}  // namespace

TOLMAR_MODULE_ENTRY int vistalRenderMain(int argc, char* argv[]) {
    return runRenderJob(argc, argv);
}

TOLMAR_MODULE_ENTRY int vistalWindowMain(int argc, char* argv[]) {
    QApplication application(argc, argv);
    nameWindowApplication(application, QStringLiteral("Vistal"));
    QString screenshot;
    const std::optional<QStringList> grids = windowArguments(application, "vistal", screenshot);
    if (!grids) return 1;
    for (const QString& argument : *grids) {
        if (argument.startsWith(QStringLiteral("--"))) {
            std::fprintf(stderr, "vistal: unknown option %s (see vistal --help)\n",
                         qPrintable(argument));
            return 1;
        }
    }

    if (!screenshot.isEmpty()) return runScreenshot(screenshot, *grids);
    QtUserDialogs dialogs(nullptr);
    ShellCommandProcessor commands;
    TfrmVistals window(dialogs, commands);
    return runWindow(window, dialogs, *grids);
}
