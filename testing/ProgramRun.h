#pragma once
// Runs a built program of the suite as a script would, for tests of what reaches its caller:
// the exit status, and what it wrote to standard output and standard error.
#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>

struct ProgramRun {
    int exitCode = -1;
    bool crashed = false;
    QByteArray out;
    QByteArray err;
};

// With `standardOutput` set, the program's standard output goes to that file (e.g. /dev/full).
inline ProgramRun runProgram(const QString& program, const QStringList& arguments,
                             const QString& standardOutput = {}) {
    QProcess process;
    if (!standardOutput.isEmpty()) process.setStandardOutputFile(standardOutput);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    ProgramRun run;
    run.crashed = process.exitStatus() != QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}
