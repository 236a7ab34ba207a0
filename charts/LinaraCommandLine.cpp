#include "LinaraCommandLine.h"

#include "FileContainer.h"
#include "TableFormatError.h"
#include "TableInfoJson.h"

namespace {

const char* const usage =
    "usage: linara --info TABLE [--values]\n"
    "       linara [TABLE|SETTINGS.ini ...] [--screenshot OUT.png]\n"
    "  TABLE ...     open the chart window with these result tables\n"
    "  --screenshot OUT.png\n"
    "                start the window with the tables, save a picture of it and exit\n"
    "  --info TABLE  print the table's start, end, time step, description, value range\n"
    "                and series as JSON (dates are day numbers since 30.12.1899)\n"
    "  --values      with --info: also each series' values, null where a value is missing\n"
    "  --help        show this help\n";

}  // namespace

bool isLinaraCommandLineJob(const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--screenshot") {
            ++i;  // its file name
        } else if (arguments[i].rfind("--", 0) == 0) {
            return true;
        }
    }
    return false;
}

int runLinaraCommandLine(const std::vector<std::string>& arguments, std::string& out,
                         std::string& err) {
    bool info = false;
    bool values = false;
    std::vector<std::string> files;
    for (const std::string& argument : arguments) {
        if (argument == "--help") {
            out += usage;
            return 0;
        }
        if (argument == "--info") {
            info = true;
        } else if (argument == "--values") {
            values = true;
        } else if (argument.rfind("--", 0) == 0) {
            err += "linara: unknown option " + argument + " (see linara --help)\n";
            return 1;
        } else {
            files.push_back(argument);
        }
    }
    if (!info) {
        err += usage;
        return 1;
    }
    if (files.size() != 1) {
        err += "linara: --info needs exactly one table\n";
        err += usage;
        return 1;
    }
    try {
        const FileContainer table(files.front());
        out += tableInfoJson(table, values);
        return 0;
    } catch (const TableFormatError& error) {
        err += "linara: " + files.front() + ": " + error.what() + "\n";
        return 1;
    } catch (const TableReadError& error) {  // names the file itself
        err += std::string("linara: ") + error.what() + "\n";
        return 1;
    } catch (const std::bad_alloc&) {
        err += "linara: " + files.front() + ": not enough memory to read the table\n";
        return 1;
    }
}
