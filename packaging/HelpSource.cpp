#include "HelpSource.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {

struct SourceLine {
    int number;
    std::string text;
};

bool isBlank(const std::string& line) {
    return std::all_of(line.begin(), line.end(),
                       [](unsigned char c) { return std::isspace(c) != 0; });
}

bool isIndented(const std::string& line) {
    return !line.empty() && (line[0] == ' ' || line[0] == '\t');
}

// A section heading: capitals and blanks only, starting with a capital.
bool isHeading(const std::string& line) {
    if (line.empty() || !std::isupper(static_cast<unsigned char>(line[0]))) return false;
    return std::all_of(line.begin(), line.end(),
                       [](unsigned char c) { return std::isupper(c) != 0 || c == ' '; });
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

void appendWords(std::string& text, const std::string& line) {
    const std::string words = trimmed(line);
    if (words.empty()) return;
    if (!text.empty()) text += ' ';
    text += words;
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

[[noreturn]] void fail(const std::string& origin, int line, const std::string& what) {
    throw HelpSourceError(origin + ":" + std::to_string(line) + ": " + what);
}

HelpBlock makeBlock(const std::vector<SourceLine>& lines, const std::string& origin) {
    HelpBlock block;
    if (isIndented(lines.front().text)) {
        block.kind = HelpBlock::Kind::Verbatim;
        std::size_t indent = std::string::npos;
        for (const SourceLine& line : lines)
            indent = std::min(indent, line.text.find_first_not_of(" \t"));
        for (const SourceLine& line : lines) block.lines.push_back(line.text.substr(indent));
        return block;
    }
    const bool definitions = std::any_of(lines.begin() + 1, lines.end(),
                                         [](const SourceLine& l) { return isIndented(l.text); });
    if (!definitions) {
        for (const SourceLine& line : lines) appendWords(block.text, line.text);
        return block;
    }
    block.kind = HelpBlock::Kind::Definitions;
    for (const SourceLine& line : lines) {
        if (!isIndented(line.text)) {
            block.definitions.push_back({trimmed(line.text), {}});
            continue;
        }
        appendWords(block.definitions.back().description, line.text);
    }
    for (std::size_t i = 0; i < block.definitions.size(); ++i) {
        if (block.definitions[i].description.empty())
            fail(origin, lines.front().number,
                 "the term \"" + block.definitions[i].term + "\" has no description");
    }
    return block;
}

}  // namespace

const HelpSection* HelpSource::section(const std::string& title) const {
    for (const HelpSection& s : sections)
        if (s.title == title) return &s;
    return nullptr;
}

HelpSource parseHelpSource(const std::string& text, const std::string& origin,
                           const std::string& guideFolder) {
    HelpSource source;
    std::istringstream in(replaceAll(text, "@GUIDE@", guideFolder));
    std::string line;
    int number = 0;
    std::string current;  // the section being read; empty before the first heading
    std::vector<SourceLine> pending;
    const auto endBlock = [&] {
        if (pending.empty()) return;
        if (current == "SYNOPSIS") {
            for (const SourceLine& l : pending) source.synopsis.push_back(trimmed(l.text));
        } else {
            source.sections.back().blocks.push_back(makeBlock(pending, origin));
        }
        pending.clear();
    };
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '#') continue;
        if (isBlank(line)) {
            endBlock();
            continue;
        }
        if (isHeading(line)) {
            endBlock();
            current = trimmed(line);
            if (current == "NAME" || current == "SUMMARY")
                fail(origin, number, current + " needs its text on the same line");
            if (current != "SYNOPSIS") source.sections.push_back({current, {}});
            continue;
        }
        if (line.rfind("NAME ", 0) == 0 && current.empty()) {
            source.name = trimmed(line.substr(5));
            continue;
        }
        if (line.rfind("SUMMARY ", 0) == 0 && current.empty()) {
            source.summary = trimmed(line.substr(8));
            continue;
        }
        if (current.empty()) fail(origin, number, "text before the first section");
        if (isIndented(line) && pending.empty() && current == "SYNOPSIS")
            fail(origin, number, "a synopsis line is not indented");
        pending.push_back({number, line});
    }
    endBlock();
    if (source.name.empty()) fail(origin, number, "no NAME line");
    if (source.summary.empty()) fail(origin, number, "no SUMMARY line");
    if (source.synopsis.empty()) fail(origin, number, "no SYNOPSIS section");
    if (source.section("OPTIONS") == nullptr) fail(origin, number, "no OPTIONS section");
    return source;
}
