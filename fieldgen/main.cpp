// Sorvek: the parameter form that drives Kelvra's field generators, or one field generated
// from the command line (--batch) without a window.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "BatchCommandLine.h"
#include "CommandLineJobSetup.h"
#include "QtUserDialogs.h"
#include "SorvekHelp.h"
#include "TCGauge.h"
#include "TfrmFieldGenerator.h"
#include "VersionOption.h"

namespace {

// Shows the form at its design size, starts a generator with the form's defaults on a larger
// grid and, once its progress passes 40 %, writes the form and its progress window side by
// side into `file`, then cancels the generator and ends.
int runScreenshot(TfrmFieldGenerator& form, const QString& file) {
    form.show();
    form.edtNumRows->setText(QStringLiteral("400"));
    form.edtNumColumns->setText(QStringLiteral("600"));
    form.edtFileName->setText(QDir::temp().filePath(QStringLiteral("sorvek-demo.000")));
    int result = 1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        TfrmWaitMessage* wait = form.waitWindow(0);
        if (wait == nullptr || wait->cggGauge->Progress() < 400) return;
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
        if (both.save(file)) {
            std::printf("%s\n", qPrintable(file));
            result = 0;
        } else {
            std::fprintf(stderr, "sorvek: could not write the screenshot %s\n", qPrintable(file));
        }
        wait->btnCancelGeneration->click();
    });
    watch.start(10);
    form.btnGo->click();
    return result;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (asksForVersion(argc, argv)) {
        std::fputs(sorvekVersionText, stdout);
        return 0;
    }
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (isBatchCommandLine(arguments)) {
        setUpCommandLineJob();
        return runBatchCommandLine(arguments);
    }

    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Sorvek"));
    application.setOrganizationName(QStringLiteral("Tolmar-Tools"));
    application.setDesktopFileName(QStringLiteral("sorvek"));
    application.setWindowIcon(QIcon::fromTheme(QStringLiteral("sorvek")));

    QString screenshot;
    if (const auto at = arguments.indexOf(QStringLiteral("--screenshot")); at >= 0) {
        if (at + 1 >= arguments.size()) {
            std::fprintf(stderr, "sorvek: --screenshot needs a file name\n");
            return 1;
        }
        screenshot = arguments.at(at + 1);
        arguments.remove(at, 2);
    }
    if (!arguments.isEmpty()) {
        std::fprintf(stderr, "sorvek: unknown argument %s (see sorvek --help)\n",
                     qPrintable(arguments.front()));
        return 1;
    }

    QtUserDialogs dialogs(nullptr);
    // The help opens the user guide with the desktop's opener.
    TfrmFieldGenerator form(dialogs, {});
    dialogs.setParentWidget(&form);
    if (!screenshot.isEmpty()) return runScreenshot(form, screenshot);
    form.setWindowState(Qt::WindowMinimized);
    form.show();
    return application.exec();
}
