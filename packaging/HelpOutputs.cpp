#include "HelpOutputs.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <vector>

namespace {

constexpr std::size_t LineWidth = 79;
constexpr std::size_t TermColumnLimit = 24;

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string word; in >> word;) result.push_back(word);
    return result;
}

// A command form split where a line may break: before an option or a bracket, so that an
// option stays with its argument.
std::vector<std::string> synopsisPieces(const std::string& line) {
    std::vector<std::string> pieces;
    for (const std::string& word : words(line)) {
        const bool starts = word[0] == '-' || word[0] == '[' || word[0] == '|';
        if (pieces.empty() || starts)
            pieces.push_back(word);
        else
            pieces.back() += ' ' + word;
    }
    return pieces;
}

std::string wrapPieces(const std::vector<std::string>& pieces, std::size_t width,
                       std::size_t firstColumn, std::size_t indent) {
    std::string result;
    std::size_t column = firstColumn;
    bool lineStart = true;
    for (const std::string& piece : pieces) {
        if (!lineStart && column + 1 + piece.size() > width) {
            result += '\n' + std::string(indent, ' ');
            column = indent;
            lineStart = true;
        }
        if (!lineStart) {
            result += ' ';
            ++column;
        }
        result += piece;
        column += piece.size();
        lineStart = false;
    }
    return result;
}

std::vector<HelpDefinition> optionList(const HelpSource& source) {
    std::vector<HelpDefinition> options;
    for (const HelpBlock& block : source.section("OPTIONS")->blocks)
        options.insert(options.end(), block.definitions.begin(), block.definitions.end());
    return options;
}

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// "EXIT STATUS" as "Exit status".
std::string sentenceCase(const std::string& title) {
    std::string text = title;
    for (std::size_t i = 1; i < text.size(); ++i)
        text[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    return text;
}

// ---- troff ----

std::string troffCharacters(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c == '\\')
            result += "\\e";
        else if (c == '-')
            result += "\\-";
        else
            result += c;
    }
    return result;
}

// A line that starts with a dot or an apostrophe would be read as a request.
std::string troffLine(std::string line) {
    if (!line.empty() && (line[0] == '.' || line[0] == '\'')) line.insert(0, "\\&");
    return line;
}

std::string troffEscaped(const std::string& text) { return troffLine(troffCharacters(text)); }

// A command form or an option term: options in bold, placeholders (words that start with a
// capital) in italics, an option and its argument never split over two lines.
std::string troffCommandText(const std::string& text, const std::string& program) {
    std::string result;
    std::size_t i = 0;
    bool afterOption = false;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ') {
            result += afterOption && i + 1 < text.size() && text[i + 1] != '-' &&
                              text[i + 1] != '[' && text[i + 1] != '|'
                          ? "\\ "
                          : " ";
            ++i;
            continue;
        }
        if (c == '[' || c == ']' || c == '|') {
            result += c;
            afterOption = false;
            ++i;
            continue;
        }
        const std::size_t end = text.find_first_of(" []|", i);
        const std::string word = text.substr(i, end == std::string::npos ? end : end - i);
        const std::string escaped = troffCharacters(word);
        if (word[0] == '-' || word == program) {
            result += "\\fB" + escaped + "\\fR";
            afterOption = word[0] == '-';
        } else if (std::isupper(static_cast<unsigned char>(word[0]))) {
            result += "\\fI" + escaped + "\\fR";
        } else {
            result += escaped;
        }
        i += word.size();
    }
    return troffLine(result);
}

// ---- HTML ----

std::string htmlEscaped(const std::string& text) {
    std::string result;
    for (char c : text) {
        switch (c) {
            case '&':
                result += "&amp;";
                break;
            case '<':
                result += "&lt;";
                break;
            case '>':
                result += "&gt;";
                break;
            case '"':
                result += "&quot;";
                break;
            default:
                result += c;
        }
    }
    return result;
}

// ---- C++ ----

std::string cppLiteral(const std::string& text) {
    std::string result;
    std::string chunk;
    const auto flush = [&] {
        if (!result.empty()) result += '\n';
        result += "    \"" + chunk + '"';
        chunk.clear();
    };
    for (char c : text) {
        if (c == '\\' || c == '"') {
            chunk += '\\';
            chunk += c;
        } else if (c == '\n') {
            chunk += "\\n";
            flush();
        } else if (c == '\t') {
            chunk += "\\t";
        } else {
            chunk += c;
        }
    }
    if (!chunk.empty() || result.empty()) flush();
    return result;
}

std::string identifierOf(const std::string& name) {
    std::string id;
    for (char c : name) id += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return id;
}

}  // namespace

std::string wrapText(const std::string& text, std::size_t width, std::size_t indent) {
    return wrapPieces(words(text), width, 0, indent);
}

std::string usageText(const HelpSource& source) {
    std::string text;
    for (std::size_t i = 0; i < source.synopsis.size(); ++i) {
        const std::string prefix = i == 0 ? "usage: " : "       ";
        const std::size_t indent = prefix.size() + source.name.size() + 1;
        text += prefix +
                wrapPieces(synopsisPieces(source.synopsis[i]), LineWidth, prefix.size(), indent) +
                '\n';
    }
    return text;
}

std::string helpText(const HelpSource& source) {
    std::string text = usageText(source);
    text += '\n' + wrapText(source.name + ": " + source.summary + ".", LineWidth, 0) + "\n\n";
    text += "Options:\n";
    const std::vector<HelpDefinition> options = optionList(source);
    std::size_t termWidth = 0;
    for (const HelpDefinition& option : options)
        if (option.term.size() <= TermColumnLimit)
            termWidth = std::max(termWidth, option.term.size());
    const std::size_t column = 2 + termWidth + 2;
    for (const HelpDefinition& option : options) {
        text += "  " + option.term;
        if (option.term.size() > termWidth)
            text += '\n' + std::string(column, ' ');
        else
            text += std::string(column - 2 - option.term.size(), ' ');
        text += wrapPieces(words(option.description), LineWidth, column, column) + '\n';
    }
    return text;
}

std::string versionText(const HelpSource& source, const std::string& version) {
    return source.name + " (Tolmar tools) " + version + '\n';
}

std::string manPage(const HelpSource& source, const std::string& version) {
    std::string page = ".TH " + upper(source.name) + " 1 \"\" \"Tolmar tools " + version +
                       "\" \"User Commands\"\n";
    page +=
        ".SH NAME\n" + troffEscaped(source.name) + " \\- " + troffEscaped(source.summary) + '\n';
    page += ".SH SYNOPSIS\n";
    for (const std::string& form : source.synopsis) {
        const std::size_t blank = form.find(' ');
        page += ".SY " + troffEscaped(form.substr(0, blank)) + '\n';
        if (blank != std::string::npos)
            page += troffCommandText(form.substr(blank + 1), source.name) + '\n';
        page += ".YS\n";
    }
    for (const HelpSection& section : source.sections) {
        page += ".SH " + section.title + '\n';
        for (const HelpBlock& block : section.blocks) {
            switch (block.kind) {
                case HelpBlock::Kind::Paragraph:
                    page += ".PP\n" + troffEscaped(block.text) + '\n';
                    break;
                case HelpBlock::Kind::Verbatim:
                    page += ".PP\n.RS 4\n.nf\n";
                    for (const std::string& line : block.lines) page += troffEscaped(line) + '\n';
                    page += ".fi\n.RE\n";
                    break;
                case HelpBlock::Kind::Definitions:
                    for (const HelpDefinition& d : block.definitions)
                        page += ".TP\n" + troffCommandText(d.term, source.name) + '\n' +
                                troffEscaped(d.description) + '\n';
                    break;
            }
        }
    }
    return page;
}

std::string htmlSection(const HelpSource& source) {
    std::string html = "<section class=\"command\" id=\"" + source.name + "\">\n";
    html += "<h2><code>" + htmlEscaped(source.name) + "</code>: " + htmlEscaped(source.summary) +
            "</h2>\n";
    html += "<pre class=\"synopsis\">";
    for (const std::string& form : source.synopsis) html += htmlEscaped(form) + '\n';
    html += "</pre>\n";
    for (const HelpSection& section : source.sections) {
        html += "<h3>" + htmlEscaped(sentenceCase(section.title)) + "</h3>\n";
        for (const HelpBlock& block : section.blocks) {
            switch (block.kind) {
                case HelpBlock::Kind::Paragraph:
                    html += "<p>" + htmlEscaped(block.text) + "</p>\n";
                    break;
                case HelpBlock::Kind::Verbatim:
                    html += "<pre>";
                    for (const std::string& line : block.lines) html += htmlEscaped(line) + '\n';
                    html += "</pre>\n";
                    break;
                case HelpBlock::Kind::Definitions:
                    html += "<dl>\n";
                    for (const HelpDefinition& d : block.definitions)
                        html += "<dt><code>" + htmlEscaped(d.term) + "</code></dt><dd>" +
                                htmlEscaped(d.description) + "</dd>\n";
                    html += "</dl>\n";
                    break;
            }
        }
    }
    html += "</section>\n";
    return html;
}

std::string cppHeader(const HelpSource& source, const std::string& version) {
    const std::string id = identifierOf(source.name);
    std::string header =
        "// Made by help_pages from the program's command-line description; do not edit.\n"
        "#pragma once\n\n";
    header +=
        "inline constexpr char " + id + "HelpText[] =\n" + cppLiteral(helpText(source)) + ";\n";
    header +=
        "inline constexpr char " + id + "UsageText[] =\n" + cppLiteral(usageText(source)) + ";\n";
    header += "inline constexpr char " + id + "VersionText[] =\n" +
              cppLiteral(versionText(source, version)) + ";\n";
    return header;
}
