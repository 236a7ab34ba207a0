// The chart viewer: a window over the result tables of the command line, or a job without a
// window (--info, --help).
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "CommandProcessor.h"
#include "LinaraCommandLine.h"
#include "PrintDialogSetup.h"
#include "QtUserDialogs.h"
#include "TfrmTolmarCharts.h"

namespace {

int runJob(const std::vector<std::string>& arguments) {
    std::string out;
    std::string err;
    const int code = runLinaraCommandLine(arguments, out, err);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    if (std::fflush(stdout) != 0) {
        std::fprintf(stderr, "linara: standard output could not be written\n");
        return 1;
    }
    return code;
}

// Starts the window with the tables, grabs it into `file` at its design size and exits.
int runScreenshot(TfrmTolmarCharts& window, const QString& file, const QStringList& tables) {
    window.resize(1309, 818);
    window.show();
    window.FormShow(tables);
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    if (!window.grab().save(file)) {
        std::fprintf(stderr, "linara: could not write the screenshot %s\n", qPrintable(file));
        return 1;
    }
    std::printf("%s\n", qPrintable(file));
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (isLinaraCommandLineJob(arguments)) return runJob(arguments);

    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Linara"));
    application.setOrganizationName(QStringLiteral("Tolmar-Tools"));

    QStringList tables = application.arguments().mid(1);
    QString screenshot;
    if (const auto at = tables.indexOf(QStringLiteral("--screenshot")); at >= 0) {
        if (at + 1 >= tables.size()) {
            std::fprintf(stderr, "linara: --screenshot needs a file name\n");
            return 1;
        }
        screenshot = tables.at(at + 1);
        tables.remove(at, 2);
    }

    QtUserDialogs dialogs(nullptr);
    ShellCommandProcessor commands;
    PrintDialogSetup printer;
    TfrmTolmarCharts window(dialogs, commands, printer);
    dialogs.setParentWidget(&window);
    if (!screenshot.isEmpty()) return runScreenshot(window, screenshot, tables);
    window.show();
    window.FormShow(tables);
    return application.exec();
}
