#pragma once
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>

#include "GridDocument.h"
#include "GridNetcdfLevels.h"

// A wrong command line: what() is the message for standard error.
class CommandLineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    explicit CommandLineError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// The arguments of one command-line job.
struct CommandArguments {
    QStringList files;                   // the arguments that are not options, in order
    std::map<QString, QString> options;  // "--level" → "3"; flags map to ""

    bool has(const QString& option) const { return options.count(option) > 0; }
    std::optional<QString> value(const QString& option) const;
};

// Splits `args` into files and options. The job's own option (`job`, e.g.
// "--info") is dropped wherever it stands. `valued` options take the next
// argument as their value, `flags` take none; any other "--" option is an error.
CommandArguments parseCommandArguments(QStringList args, const QString& job,
                                       const QStringList& valued, const QStringList& flags);

// The whole-number or finite floating-point value of an option;
// CommandLineError when it is not one.
std::optional<int> intOption(const CommandArguments& arguments, const QString& option);
std::optional<double> doubleOption(const CommandArguments& arguments, const QString& option);

// Loads `file` for a job: an implausible header is loaded anyway, with the
// question's text as a warning on `err`; `level`, when given, is shown (it
// must exist). netCDF files are read through `netcdf`. Throws GridFormatError
// or CommandLineError.
void loadForCommand(GridDocument& doc, const QString& file, std::optional<int> level,
                    QTextStream& err, const NetcdfLevelReader& netcdf);

// Runs the body of a job. A failure is reported on `err` as "vistal: " and its
// message (with `usage` after a wrong command line) and gives exit code 1.
int runCommandJob(QTextStream& err, const char* usage, const std::function<int()>& body);
