#include "ConvertCommand.h"

#include <optional>

#include "CommandArguments.h"
#include "GridFormatError.h"
#include "SavedFileRecognition.h"
#include "WriteGrid.h"

namespace {

const char* const convertUsage =
    "usage: vistal --convert IN OUT [--to ascii|single|double] [--level N] [--nodata V]\n";

GridOutputFormat outputFormat(const QString& name) {
    if (name == QStringLiteral("ascii")) return GridOutputFormat::Ascii;
    if (name == QStringLiteral("single")) return GridOutputFormat::Single;
    if (name == QStringLiteral("double")) return GridOutputFormat::Double;
    throw CommandLineError(
        QStringLiteral("--to takes ascii, single or double, not \"%1\"").arg(name));
}

}  // namespace

int runConvertCommand(const QStringList& args, QTextStream& out, QTextStream& err,
                      const NetcdfLevelReader& netcdf) {
    return runCommandJob(err, convertUsage, [&] {
        const CommandArguments arguments = parseCommandArguments(
            args, QStringLiteral("--convert"),
            {QStringLiteral("--to"), QStringLiteral("--level"), QStringLiteral("--nodata")},
            {QStringLiteral("--help")});
        if (arguments.has(QStringLiteral("--help"))) {
            out << convertUsage;
            return 0;
        }
        if (arguments.files.size() != 2)
            throw CommandLineError(QStringLiteral("--convert needs an input and an output file"));
        std::optional<GridOutputFormat> chosen;
        if (const auto to = arguments.value(QStringLiteral("--to"))) chosen = outputFormat(*to);
        const auto nodata = doubleOption(arguments, QStringLiteral("--nodata"));
        const auto level = intOption(arguments, QStringLiteral("--level"));
        GridDocument doc;
        loadForCommand(doc, arguments.files[0], level, err, netcdf);
        const GridOutputFormat format = chosen.value_or(savedFormatOf(doc));
        const double nodataToWrite = nodata.value_or(doc.header.nodata_value);
        if (!savedFileIsRecognised(doc, nodataToWrite, format))
            err << "vistal: warning: a binary grid is only recognised with the nodata value "
                   "-9999; "
                << arguments.files[1] << " will not be.\n";
        WriteGridAs(arguments.files[1], doc, nodataToWrite, format);
        err.flush();
        return 0;
    });
}
