#include "DesktopOpener.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// The opener's process. Its output goes where the program's goes, so the opener's own
// messages stay visible and no pipe ties a started viewer to this program. A viewer that the
// opener started keeps running when this ends.
class OpenerProcess : public QProcess {
public:
    using QProcess::QProcess;
    ~OpenerProcess() override {
        if (state() == QProcess::NotRunning) return;
        blockSignals(true);  // no failure message while the program closes
        kill();
        waitForFinished(1000);
    }
};

}  // namespace

void openWithDesktop(const QString& file, QObject* context, std::function<void()> failed) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        const bool opened = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
                            QDesktopServices::openUrl(QUrl::fromLocalFile(file));
        if (!opened) failed();
        return;
    }
    auto* process = new OpenerProcess(context);
    process->setProgram(opener);
    process->setArguments({file});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, context,
                     [process, failed](int code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status != QProcess::NormalExit || code != 0) failed();
                     });
    QObject::connect(process, &QProcess::errorOccurred, context,
                     [process, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return;
                         process->deleteLater();
                         failed();
                     });
    process->start();
}
