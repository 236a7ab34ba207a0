#include "CommandLineJobSetup.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>

namespace {

QtMessageHandler defaultHandler = nullptr;

void keepSeriousMessages(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (type != QtCriticalMsg && type != QtFatalMsg) return;
    if (defaultHandler != nullptr)
        defaultHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

void setUpCommandLineJob() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QtMessageHandler previous = qInstallMessageHandler(keepSeriousMessages);
    if (defaultHandler == nullptr) defaultHandler = previous;
}
