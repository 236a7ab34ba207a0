#include "CommandProcessor.h"

#include <QProcess>

void ShellCommandProcessor::run(const QString& command) {
    QProcess::startDetached(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
}
