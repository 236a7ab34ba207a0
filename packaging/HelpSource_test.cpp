#include "HelpSource.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

const char* const minimal =
    "# a comment\n"
    "NAME tool\n"
    "SUMMARY does things\n"
    "\n"
    "SYNOPSIS\n"
    "tool [--fast] FILE\n"
    "tool --help\n"
    "\n"
    "DESCRIPTION\n"
    "First paragraph,\n"
    "continued.\n"
    "\n"
    "Second paragraph.\n"
    "OPTIONS\n"
    "--fast\n"
    "  Be quick,\n"
    "  really quick.\n"
    "--help\n"
    "  Print help.\n"
    "\n"
    "EXAMPLES\n"
    "  tool a.txt\n"
    "    tool --fast b.txt\n"
    "\n"
    "SEE ALSO\n"
    "The guide in @GUIDE@.\n";

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST(HelpSource, ReadsNameSynopsisAndTheThreeKindsOfBlock) {
    const HelpSource source = parseHelpSource(minimal, "tool.txt", "share/doc/x");
    EXPECT_EQ(source.name, "tool");
    EXPECT_EQ(source.summary, "does things");
    EXPECT_EQ(source.synopsis, (std::vector<std::string>{"tool [--fast] FILE", "tool --help"}));
    ASSERT_EQ(source.sections.size(), 4u);

    const HelpSection& description = source.sections[0];
    EXPECT_EQ(description.title, "DESCRIPTION");
    ASSERT_EQ(description.blocks.size(), 2u);
    EXPECT_EQ(description.blocks[0].kind, HelpBlock::Kind::Paragraph);
    EXPECT_EQ(description.blocks[0].text, "First paragraph, continued.");
    EXPECT_EQ(description.blocks[1].text, "Second paragraph.");

    const HelpSection* options = source.section("OPTIONS");
    ASSERT_NE(options, nullptr);
    ASSERT_EQ(options->blocks.size(), 1u);
    ASSERT_EQ(options->blocks[0].definitions.size(), 2u);
    EXPECT_EQ(options->blocks[0].definitions[0].term, "--fast");
    EXPECT_EQ(options->blocks[0].definitions[0].description, "Be quick, really quick.");

    const HelpSection* examples = source.section("EXAMPLES");
    ASSERT_NE(examples, nullptr);
    EXPECT_EQ(examples->blocks[0].kind, HelpBlock::Kind::Verbatim);
    EXPECT_EQ(examples->blocks[0].lines,
              (std::vector<std::string>{"tool a.txt", "  tool --fast b.txt"}));

    EXPECT_EQ(source.section("SEE ALSO")->blocks[0].text, "The guide in share/doc/x.");
}

TEST(HelpSource, ParagraphsJoinTheirLinesAndAcceptWindowsLineEnds) {
    const HelpSource source = parseHelpSource(
        "NAME t\r\nSUMMARY s\r\nSYNOPSIS\r\nt\r\nOPTIONS\r\n--a\r\n  A.\r\nNOTES\r\none\r\ntwo\r\n",
        "t.txt", "");
    ASSERT_NE(source.section("NOTES"), nullptr);
    EXPECT_EQ(source.section("NOTES")->blocks[0].kind, HelpBlock::Kind::Paragraph);
    EXPECT_EQ(source.section("NOTES")->blocks[0].text, "one two");
    EXPECT_EQ(source.section("OPTIONS")->blocks[0].definitions[0].description, "A.");
}

TEST(HelpSource, ABrokenSourceNamesItsLine) {
    const auto errorOf = [](const std::string& text) -> std::string {
        try {
            parseHelpSource(text, "bad.txt", "");
        } catch (const HelpSourceError& error) {
            return error.what();
        }
        return "no error";
    };
    EXPECT_EQ(errorOf("NAME t\nSUMMARY s\nstray text\n"),
              "bad.txt:3: text before the first section");
    EXPECT_EQ(errorOf("NAME t\nSUMMARY s\nSYNOPSIS\nt\nOPTIONS\n--a\n  A.\n--b\n  B.\n--c\n"),
              "bad.txt:6: the term \"--c\" has no description");
    EXPECT_EQ(errorOf("SUMMARY s\nSYNOPSIS\nt\nOPTIONS\n--a\n  A.\n"), "bad.txt:6: no NAME line");
    EXPECT_EQ(errorOf("NAME t\nSUMMARY s\nSYNOPSIS\nt\n"), "bad.txt:4: no OPTIONS section");
    EXPECT_EQ(errorOf("NAME t\nSUMMARY s\nOPTIONS\n--a\n  A.\n"), "bad.txt:5: no SYNOPSIS section");
}

// Every option that a program's usage shows is described, and nothing else is: the help text
// and the manual page list exactly what the command line takes.
TEST(HelpSource, TheProgramsDescribeEveryOptionOfTheirUsageOnce) {
    for (const std::string program : {"vistal", "linara", "sorvek"}) {
        const std::string path = std::string(TOLMAR_HELP_SOURCES) + "/" + program + ".txt";
        const HelpSource source = parseHelpSource(readFile(path), path, "guide");
        EXPECT_EQ(source.name, program);

        const std::regex option("--[a-z]+");
        std::set<std::string> used;
        for (const std::string& form : source.synopsis)
            for (std::sregex_iterator it(form.begin(), form.end(), option), end; it != end; ++it)
                used.insert(it->str());
        std::multiset<std::string> described;
        for (const HelpBlock& block : source.section("OPTIONS")->blocks)
            for (const HelpDefinition& d : block.definitions)
                if (std::smatch m; std::regex_search(d.term, m, option) && m.position(0) == 0)
                    described.insert(m.str());
        for (const std::string& name : used)
            EXPECT_EQ(described.count(name), 1u) << program << " " << name;
        for (const std::string& name : described)
            EXPECT_EQ(used.count(name), 1u) << program << " describes " << name;
    }
}
