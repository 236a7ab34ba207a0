#include "LinaraCommandLine.h"

#include <algorithm>
#include <cctype>

#include "FileContainer.h"
#include "LinaraHelp.h"
#include "NumberText.h"
#include "TableFormatError.h"
#include "TableInfoJson.h"

namespace {

bool parseSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    int w = 0;
    int h = 0;
    if (!tryParseInt(std::string_view(text).substr(0, x), w) ||
        !tryParseInt(std::string_view(text).substr(x + 1), h))
        return false;
    // Within what a picture can hold.
    if (w < 1 || h < 1 || w > 20000 || h > 20000) return false;
    width = w;
    height = h;
    return true;
}

}  // namespace

bool isLinaraRenderJob(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments)
        if (argument == "--render") return true;
    return false;
}

bool parseRenderJob(const std::vector<std::string>& arguments, RenderJob& job, std::string& err) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--render") continue;
        if (argument == "--size") {
            if (i + 1 >= arguments.size() || !parseSize(arguments[i + 1], job.width, job.height)) {
                err += "linara: --size needs WIDTHxHEIGHT, each from 1 to 20000\n";
                return false;
            }
            ++i;
        } else if (argument.rfind("--", 0) == 0) {
            err += "linara: unknown option " + argument + " for --render (see linara --help)\n";
            return false;
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() < 2) {
        err += "linara: --render needs at least one table or settings file and the picture\n";
        err += linaraUsageText;
        return false;
    }
    job.picture = files.back();
    files.pop_back();
    const std::size_t dot = job.picture.rfind('.');
    std::string suffix = dot == std::string::npos ? std::string() : job.picture.substr(dot + 1);
    for (char& c : suffix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (suffix != "png" && suffix != "pdf" && suffix != "svg") {
        err += "linara: the picture must end in .png, .pdf or .svg: " + job.picture + "\n";
        return false;
    }
    job.inputs = std::move(files);
    return true;
}

bool isLinaraExportJob(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments)
        if (argument == "--export") return true;
    return false;
}

bool parseExportJob(const std::vector<std::string>& arguments, ExportJob& job, std::string& err) {
    std::vector<std::string> files;
    for (const std::string& argument : arguments) {
        if (argument == "--export") continue;
        if (argument.rfind("--", 0) == 0) {
            err += "linara: unknown option " + argument + " for --export (see linara --help)\n";
            return false;
        }
        files.push_back(argument);
    }
    if (files.size() < 2) {
        err += "linara: --export needs at least one table or settings file and the CSV file\n";
        err += linaraUsageText;
        return false;
    }
    job.csv = files.back();
    files.pop_back();
    // A slip in the order of the arguments must not write over a table.
    if (std::find(files.begin(), files.end(), job.csv) != files.end()) {
        err += "linara: the CSV file must not be one of the inputs: " + job.csv + "\n";
        return false;
    }
    job.inputs = std::move(files);
    return true;
}

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
            out += linaraHelpText;
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
        err += linaraUsageText;
        return 1;
    }
    if (files.size() != 1) {
        err += "linara: --info needs exactly one table\n";
        err += linaraUsageText;
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
