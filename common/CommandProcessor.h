#pragma once
#include <QString>

// Hands a command text to the operating system's command processor.
class CommandProcessor {
public:
    virtual ~CommandProcessor() = default;
    virtual void run(const QString& command) = 0;
};

// Runs the text with /bin/sh -c, detached; the result is not looked at.
class ShellCommandProcessor : public CommandProcessor {
public:
    void run(const QString& command) override;
};
