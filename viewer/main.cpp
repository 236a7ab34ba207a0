// The grid viewer: a window over the grid files of the command line, or a
// command-line job (--info, --convert, --render) that needs no display.
#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <csignal>
#include <cstdio>

#include "CommandLineJobs.h"
#include "CommandProcessor.h"
#include "QtUserDialogs.h"
#include "TfrmVistals.h"
#include "VersionOption.h"
#include "VistalHelp.h"

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

int main(int argc, char* argv[]) {
    if (asksForVersion(argc, argv)) {
        std::fputs(vistalVersionText, stdout);
        return 0;
    }
    // Past a file-size limit a write fails with its reason, which the save reports, instead of
    // the signal ending the program with the grid unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    if (const auto job = commandLineJob(argc, argv)) return runCommandLineJob(*job, argc, argv);

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
