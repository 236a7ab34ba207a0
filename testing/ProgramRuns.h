#pragma once
// Runs a program of the suite as users start it, for the tests of the programs themselves.
#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <algorithm>

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs `program` with `arguments` on the offscreen platform; with `traceLibraries` the dynamic
// loader reports every library it loads on standard error.
inline ProgramRun runProgram(const QString& program, const QStringList& arguments,
                             bool traceLibraries = false) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    if (traceLibraries) environment.insert("LD_DEBUG", "libs");
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The libraries a traced run loaded (the loader's "calling init: /path/libX.so.N" lines).
inline QStringList loadedLibraries(const ProgramRun& run) {
    QStringList libraries;
    for (const QString& line : run.err.split('\n'))
        if (const qsizetype at = line.indexOf("calling init: "); at >= 0)
            libraries << QDir(line.mid(at + 14).trimmed()).dirName();
    return libraries;
}

inline bool loadsLibrary(const QStringList& libraries, const QString& prefix) {
    return std::any_of(libraries.begin(), libraries.end(),
                       [&](const QString& library) { return library.startsWith(prefix); });
}
