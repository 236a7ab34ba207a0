// Makes the --help texts, manual pages and the guide's command-line page from the programs'
// command-line descriptions at build time:
//   help_pages header SOURCE OUT.h VERSION GUIDE_FOLDER
//   help_pages man SOURCE OUT.1 VERSION GUIDE_FOLDER
//   help_pages html TEMPLATE OUT.html GUIDE_FOLDER SOURCE...
// In the template, "@COMMAND:name@" stands for the section of the program "name".
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "HelpOutputs.h"
#include "HelpSource.h"

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path + ": cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) throw std::runtime_error(path + ": cannot be written");
}

HelpSource readSource(const std::string& path, const std::string& guideFolder) {
    return parseHelpSource(readFile(path), path, guideFolder);
}

int run(const std::vector<std::string>& args) {
    if (args.size() == 5 && (args[0] == "header" || args[0] == "man")) {
        const HelpSource source = readSource(args[1], args[4]);
        writeFile(args[2],
                  args[0] == "header" ? cppHeader(source, args[3]) : manPage(source, args[3]));
        return 0;
    }
    if (args.size() >= 4 && args[0] == "html") {
        std::string page = readFile(args[1]);
        for (std::size_t i = 4; i < args.size(); ++i) {
            const HelpSource source = readSource(args[i], args[3]);
            const std::string marker = "@COMMAND:" + source.name + "@";
            const std::size_t at = page.find(marker);
            if (at == std::string::npos)
                throw std::runtime_error(args[1] + ": no " + marker + " for " + args[i]);
            page.replace(at, marker.size(), htmlSection(source));
        }
        writeFile(args[2], page);
        return 0;
    }
    std::cerr << "usage: help_pages header|man SOURCE OUT VERSION GUIDE_FOLDER\n"
                 "       help_pages html TEMPLATE OUT GUIDE_FOLDER SOURCE...\n";
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::cerr << "help_pages: " << error.what() << '\n';
        return 1;
    }
}
