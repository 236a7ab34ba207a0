#pragma once
// Runs a built program of the suite as a script or a user starts it, for tests of what reaches
// its caller: the exit status, and what it wrote to standard output and standard error.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <algorithm>

struct ProgramRun {
    int exitCode = -1;  // -1 when the program crashed or did not finish
    bool crashed = false;
    QByteArray out;
    QByteArray err;
};

struct ProgramRunOptions {
    // When set, the program's standard output goes to that file (e.g. /dev/full).
    QString standardOutput;
    // The dynamic loader reports every library it loads on standard error.
    bool traceLibraries = false;
    // The folder the program starts in; empty: the test's own.
    QString workingDirectory;
};

// Runs `program` with `arguments` on the offscreen platform.
inline ProgramRun runProgram(const QString& program, const QStringList& arguments,
                             const ProgramRunOptions& options = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    if (options.traceLibraries) environment.insert("LD_DEBUG", "libs");
    process.setProcessEnvironment(environment);
    if (!options.workingDirectory.isEmpty()) process.setWorkingDirectory(options.workingDirectory);
    if (!options.standardOutput.isEmpty()) process.setStandardOutputFile(options.standardOutput);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(120000);
    EXPECT_TRUE(finished) << program.toStdString();
    ProgramRun run;
    run.crashed = process.exitStatus() != QProcess::NormalExit;
    if (finished && !run.crashed) run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// The libraries a traced run loaded (the loader's "calling init: /path/libX.so.N" lines).
inline QStringList loadedLibraries(const ProgramRun& run) {
    QStringList libraries;
    for (const QString& line : QString::fromUtf8(run.err).split('\n'))
        if (const qsizetype at = line.indexOf("calling init: "); at >= 0)
            libraries << QDir(line.mid(at + 14).trimmed()).dirName();
    return libraries;
}

inline bool loadsLibrary(const QStringList& libraries, const QString& prefix) {
    return std::any_of(libraries.begin(), libraries.end(),
                       [&](const QString& library) { return library.startsWith(prefix); });
}
