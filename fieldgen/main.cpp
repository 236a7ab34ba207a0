// Sorvek: the parameter form that drives Kelvra's field generators, or one field generated
// from the command line (--batch) without a window.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "BatchCommandLine.h"
#include "CommandLineJobSetup.h"
#include "ConsoleDialogs.h"
#include "ProgramStart.h"
#include "QtUserDialogs.h"
#include "SorvekHelp.h"
#include "StandardOutput.h"
#include "TCGauge.h"
#include "TfrmFieldGenerator.h"
#include "WindowStart.h"

namespace {

// Shows the form at its design size, starts a generator with the form's defaults on a larger
// grid and, once its progress passes 40 %, writes the form and its progress window side by
// side into `file`, then cancels the generator and ends. Nobody answers a box here: every
// message goes to standard error and ends the job with a non-zero exit code.
int runScreenshot(const QString& file) {
    ConsoleDialogs dialogs(QStringLiteral("sorvek"));
    TfrmFieldGenerator form(dialogs, [](const QUrl&) {});
    form.show();
    const auto edit = [&form](const char* name) {
        return form.findChild<QLineEdit*>(QLatin1String(name));
    };
    edit("edtNumRows")->setText(QStringLiteral("400"));
    edit("edtNumColumns")->setText(QStringLiteral("600"));
    edit("edtFileName")->setText(QDir::temp().filePath(QStringLiteral("sorvek-demo.000")));
    int result = 1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        TfrmWaitMessage* wait = form.waitWindow(0);
        if (wait == nullptr || wait->findChild<TCGauge*>()->Progress() < 400) return;
        watch.stop();
        const QImage left = form.grab().toImage();
        const QImage right = wait->grab().toImage();
        QImage both(left.width() + right.width() + 16, std::max(left.height(), right.height()),
                    QImage::Format_RGB32);
        both.fill(Qt::darkGray);
        QPainter painter(&both);
        painter.drawImage(0, 0, left);
        painter.drawImage(left.width() + 16, 0, right);
        painter.end();
        result = finishScreenshot("sorvek", file, both, dialogs.reported());
        wait->findChild<QPushButton*>(QStringLiteral("btnCancelGeneration"))->click();
    });
    watch.start(10);
    form.findChild<QPushButton*>(QStringLiteral("btnGo"))->click();
    return dialogs.reported() > 0 ? 1 : result;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const auto done = startProgram("sorvek", sorvekVersionText, argc, argv)) return *done;
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (isBatchCommandLine(arguments)) {
        setUpCommandLineJob();
        return tolmar::finishStandardOutput("sorvek", runBatchCommandLine(arguments));
    }

    QApplication application(argc, argv);
    nameWindowApplication(application, QStringLiteral("Sorvek"));

    QString screenshot;
    if (!takeScreenshotOption("sorvek", arguments, screenshot)) return 1;
    if (!arguments.isEmpty()) {
        std::fprintf(stderr, "sorvek: unknown argument %s (see sorvek --help)\n",
                     qPrintable(arguments.front()));
        return 1;
    }

    if (!screenshot.isEmpty()) return runScreenshot(screenshot);
    QtUserDialogs dialogs(nullptr);
    // The help opens the user guide with the desktop's opener.
    TfrmFieldGenerator form(dialogs, {});
    dialogs.setParentWidget(&form);
    form.setWindowState(Qt::WindowMinimized);
    form.show();
    return application.exec();
}
