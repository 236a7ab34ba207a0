// The parts of the grid viewer that bring the GUI libraries: the window over the grid files
// of the command line and the --render job. The program loads this module only for them.
#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "CommandProcessor.h"
#include "ProgramModule.h"
#include "QtUserDialogs.h"
#include "RenderCommand.h"
#include "TfrmVistals.h"

namespace {

// Starts the window, loads the first file, grabs the window into `file` and exits.
// The picture shows the window at its design size, whatever the screen.
int runScreenshot(TfrmVistals& window, const QString& file, const QStringList& grids) {
    window.resize(1316, 819);
    window.show();
    window.FormShow(grids);
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    if (!window.grab().save(file)) {
        std::fprintf(stderr, "vistal: could not write the screenshot %s\n", qPrintable(file));
        return 1;
    }
    std::printf("%s\n", qPrintable(file));
    return 0;
}

}  // namespace

TOLMAR_MODULE_ENTRY int vistalRenderMain(int argc, char* argv[]) {
    return runRenderJob(argc, argv);
}

TOLMAR_MODULE_ENTRY int vistalWindowMain(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Vistal"));
    application.setOrganizationName(QStringLiteral("Tolmar-Tools"));
    application.setDesktopFileName(QStringLiteral("vistal"));
    application.setWindowIcon(QIcon::fromTheme(QStringLiteral("vistal")));

    QStringList grids = application.arguments().mid(1);
    QString screenshot;
    if (const auto at = grids.indexOf(QStringLiteral("--screenshot")); at >= 0) {
        if (at + 1 >= grids.size()) {
            std::fprintf(stderr, "vistal: --screenshot needs a file name\n");
            return 1;
        }
        screenshot = grids.at(at + 1);
        grids.remove(at, 2);
    }
    for (const QString& argument : grids) {
        if (argument.startsWith(QStringLiteral("--"))) {
            std::fprintf(stderr, "vistal: unknown option %s (see vistal --help)\n",
                         qPrintable(argument));
            return 1;
        }
    }

    QtUserDialogs dialogs(nullptr);
    ShellCommandProcessor commands;
    TfrmVistals window(dialogs, commands);
    dialogs.setParentWidget(&window);
    if (!screenshot.isEmpty()) return runScreenshot(window, screenshot, grids);
    window.show();
    window.FormShow(grids);
    return application.exec();
}
