#include "CommandArguments.h"

#include <cmath>

#include "GridFormatError.h"
#include "LevelChange.h"
#include "LoadGrid.h"
#include "NumberText.h"

std::optional<QString> CommandArguments::value(const QString& option) const {
    const auto found = options.find(option);
    if (found == options.end()) return std::nullopt;
    return found->second;
}

CommandArguments parseCommandArguments(QStringList args, const QString& job,
                                       const QStringList& valued, const QStringList& flags) {
    args.removeOne(job);
    CommandArguments arguments;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QStringLiteral("--"))) {
            arguments.files << arg;
        } else if (flags.contains(arg)) {
            arguments.options[arg] = QString();
        } else if (valued.contains(arg)) {
            if (i + 1 >= args.size())
                throw CommandLineError(QStringLiteral("%1 needs a value").arg(arg));
            arguments.options[arg] = args[++i];
        } else {
            throw CommandLineError(QStringLiteral("unknown option %1 for %2").arg(arg, job));
        }
    }
    return arguments;
}

std::optional<int> intOption(const CommandArguments& arguments, const QString& option) {
    const auto text = arguments.value(option);
    if (!text) return std::nullopt;
    int value = 0;
    if (!tryParseInt(text->toStdString(), value))
        throw CommandLineError(
            QStringLiteral("%1 needs a whole number, not \"%2\"").arg(option, *text));
    return value;
}

std::optional<double> doubleOption(const CommandArguments& arguments, const QString& option) {
    const auto text = arguments.value(option);
    if (!text) return std::nullopt;
    double value = 0;
    // NaN would never compare equal to a cell, infinity cannot be written back.
    if (!tryParseDouble(text->toStdString(), value) || !std::isfinite(value))
        throw CommandLineError(
            QStringLiteral("%1 needs a finite number, not \"%2\"").arg(option, *text));
    return value;
}

void loadForCommand(GridDocument& doc, const QString& file, std::optional<int> level,
                    QTextStream& err, const NetcdfLevelReader& netcdf) {
    LoadCallbacks callbacks;
    callbacks.askYesNo = [&err](const QString& text, const QString&) {
        err << "vistal: warning: " << text << Qt::endl;
        return true;
    };
    LoadGrid(doc, file, netcdf, callbacks);
    if (!level || *level == doc.shownLevel) return;
    if (*level < 0 || *level >= doc.LevelCount || !doc.IsStack)
        throw CommandLineError(QStringLiteral("\"%1\" has no level %2 (levels 0 to %3)")
                                   .arg(file)
                                   .arg(*level)
                                   .arg(std::max(doc.LevelCount - 1, 0)));
    changeLevel(doc, *level, netcdf);
}

int runCommandJob(QTextStream& err, const char* usage, const std::function<int()>& body) {
    try {
        return body();
    } catch (const CommandLineError& error) {
        err << "vistal: " << error.what() << "\n" << usage;
    } catch (const GridFormatError& error) {
        err << "vistal: " << error.text() << "\n";
    } catch (const std::exception& error) {
        err << "vistal: " << QString::fromStdString(error.what()).trimmed() << "\n";
    }
    err.flush();
    return 1;
}
