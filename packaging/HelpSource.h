#pragma once
// The description of one program's command line, read from its text source (packaging/man/),
// from which the program's --help text, its manual page and the command-line page of the user
// guide are made, so that they never disagree.
//
// The source is plain text. Lines starting with "#" are comments. "NAME word" and
// "SUMMARY text" give the program's name and one-line summary. A line in capitals alone
// ("SYNOPSIS", "DESCRIPTION", "OPTIONS", "EXIT STATUS", ...) starts a section. SYNOPSIS holds
// one command form per line. In the other sections, blank lines separate blocks: a block whose
// first line is indented is kept verbatim (examples), a block with indented lines after an
// unindented one is a list of terms (the unindented lines) with their descriptions, and any
// other block is a paragraph.
#include <stdexcept>
#include <string>
#include <vector>

struct HelpDefinition {
    std::string term;
    std::string description;  // one line; the renderers wrap it
};

struct HelpBlock {
    enum class Kind { Paragraph, Verbatim, Definitions };
    Kind kind = Kind::Paragraph;
    std::string text;                         // Paragraph: its words joined by single blanks
    std::vector<std::string> lines;           // Verbatim: the lines without their indent
    std::vector<HelpDefinition> definitions;  // Definitions
};

struct HelpSection {
    std::string title;  // as in the source, e.g. "EXIT STATUS"
    std::vector<HelpBlock> blocks;
};

struct HelpSource {
    std::string name;
    std::string summary;
    std::vector<std::string> synopsis;
    std::vector<HelpSection> sections;  // in source order, without SYNOPSIS

    const HelpSection* section(const std::string& title) const;
};

// A source that breaks the rules above; what() names the line.
class HelpSourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a source. `origin` names it in error messages. Every "@GUIDE@" in the text becomes
// `guideFolder`.
HelpSource parseHelpSource(const std::string& text, const std::string& origin,
                           const std::string& guideFolder);
