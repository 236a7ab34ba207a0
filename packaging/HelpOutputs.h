#pragma once
// What is made of a program's command-line description (HelpSource.h): the --help text, the
// manual page, the guide's HTML section and the C++ header that carries the texts into the
// program.
#include <string>

#include "HelpSource.h"

// The --help text: the usage lines, the summary and the options, wrapped to 79 columns.
std::string helpText(const HelpSource& source);
// Only the usage lines, as printed after a wrong command line.
std::string usageText(const HelpSource& source);
// The line of --version: the program's name, the suite's name and its version.
std::string versionText(const HelpSource& source, const std::string& version);

// The manual page (section 1) in the man macros of troff.
std::string manPage(const HelpSource& source, const std::string& version);

// An HTML section of the user guide with the whole description.
std::string htmlSection(const HelpSource& source);

// A C++ header defining NAMEHelpText, NAMEUsageText and NAMEVersionText as string constants.
std::string cppHeader(const HelpSource& source, const std::string& version);

// Wraps `text` at blanks into lines of at most `width` characters; every line but the first
// starts with `indent` blanks. A word longer than a line stands on a line of its own.
std::string wrapText(const std::string& text, std::size_t width, std::size_t indent);
