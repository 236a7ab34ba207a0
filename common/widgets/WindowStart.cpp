#include "WindowStart.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <cstdio>

#include "OutputFileDevice.h"
#include "StandardOutput.h"

void nameWindowApplication(QApplication& application, const QString& name) {
    application.setApplicationName(name);
    application.setOrganizationName(QStringLiteral("Tolmar-Tools"));
    application.setDesktopFileName(name.toLower());
    application.setWindowIcon(QIcon::fromTheme(name.toLower()));
}

bool takeScreenshotOption(const char* program, QStringList& arguments, QString& file) {
    file.clear();
    const auto at = arguments.indexOf(QStringLiteral("--screenshot"));
    if (at < 0) return true;
    if (at + 1 >= arguments.size()) {
        std::fprintf(stderr, "%s: --screenshot needs a file name\n", program);
        return false;
    }
    file = arguments.at(at + 1);
    arguments.remove(at, 2);
    return true;
}

std::optional<QStringList> windowArguments(const QApplication& application, const char* program,
                                           QString& screenshot) {
    QStringList arguments = application.arguments().mid(1);
    if (!takeScreenshotOption(program, arguments, screenshot)) return std::nullopt;
    return arguments;
}

int finishScreenshot(const char* program, const QString& file, const QImage& picture,
                     int reported) {
    int code = reported > 0 ? 1 : 0;
    if (const QString reason = writePictureFile(file, picture); reason.isEmpty()) {
        std::printf("%s\n", qPrintable(file));
    } else {
        std::fprintf(stderr, "%s: could not write the screenshot %s: %s\n", program,
                     qPrintable(file), qPrintable(reason));
        code = 1;
    }
    return tolmar::finishStandardOutput(program, code);
}
