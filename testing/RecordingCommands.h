#pragma once
#include <QCoreApplication>
#include <QStringList>

#include "CommandProcessor.h"

// A command processor that only records the commands it is given.
class RecordingCommands : public CommandProcessor {
public:
    void run(const QString& command) override { commands.push_back(command); }
    QStringList commands;
};

// Lets the application handle what the test's last steps posted.
inline void settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}
