#include "HelpOutputs.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

HelpSource source(const std::string& text) { return parseHelpSource(text, "t.txt", "guide"); }

const HelpSource tool = source(
    "NAME tool\n"
    "SUMMARY turn grids into pictures\n"
    "SYNOPSIS\n"
    "tool --render FILE OUT.png [--size WxH] [--palette N] [--level N] [--gradients | --flow "
    "XGRID YGRID] [--quiet]\n"
    "tool --help\n"
    "DESCRIPTION\n"
    ".dots and 'quotes' start these lines; a back\\slash and a-hyphen.\n"
    "OPTIONS\n"
    "--render FILE OUT.png\n"
    "  Draw <FILE> & its legend into \"OUT.png\", a picture that is as wide as the size says and "
    "as high as it says too.\n"
    "--size WxH\n"
    "  The size.\n"
    "--a-very-long-option-name VALUE\n"
    "  Stands alone.\n"
    "EXAMPLES\n"
    "  tool --render a.asc a.png\n");

std::vector<std::string> lines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

}  // namespace

TEST(HelpText, UsageLinesWrapBeforeAnOptionAndIndentUnderTheFirstArgument) {
    EXPECT_EQ(usageText(tool),
              "usage: tool --render FILE OUT.png [--size WxH] [--palette N] [--level N]\n"
              "            [--gradients | --flow XGRID YGRID] [--quiet]\n"
              "       tool --help\n");
    // An option and its argument stay together even where the line would have room for one.
    const HelpSource narrow = source(
        "NAME t\nSUMMARY s\nSYNOPSIS\nt --batch [--rows R --cols C --xll X --yll Y --cellsize S "
        "--nodata V --average A] FILE\nOPTIONS\n--x\n  X.\n");
    EXPECT_EQ(usageText(narrow),
              "usage: t --batch [--rows R --cols C --xll X --yll Y --cellsize S --nodata V\n"
              "         --average A] FILE\n");
}

TEST(HelpText, ListsEveryOptionWithItsDescriptionInOneColumn) {
    const std::string help = helpText(tool);
    EXPECT_EQ(help.rfind(usageText(tool), 0), 0u);
    EXPECT_NE(help.find("\ntool: turn grids into pictures.\n"), std::string::npos);
    const std::vector<std::string> shown = lines(help);
    const auto at = [&](const std::string& start) {
        for (std::size_t i = 0; i < shown.size(); ++i)
            if (shown[i].rfind(start, 0) == 0) return i;
        return shown.size();
    };
    const std::size_t render = at("  --render FILE OUT.png");
    const std::size_t size = at("  --size WxH");
    ASSERT_LT(render, shown.size()) << help;
    ASSERT_LT(size, shown.size()) << help;
    const std::size_t column = shown[render].find("Draw <FILE>");
    EXPECT_EQ(shown[size].find("The size."), column);
    // A long description continues in the same column.
    EXPECT_EQ(shown[render + 1].find_first_not_of(' '), column) << help;
    // A term wider than the column stands on its own line.
    const std::size_t longTerm = at("  --a-very-long-option-name VALUE");
    ASSERT_LT(longTerm, shown.size());
    EXPECT_EQ(shown[longTerm], "  --a-very-long-option-name VALUE");
    EXPECT_EQ(shown[longTerm + 1], std::string(column, ' ') + "Stands alone.");
    for (const std::string& line : shown) EXPECT_LE(line.size(), 79u) << line;
}

TEST(HelpText, VersionLineNamesTheProgram) {
    EXPECT_EQ(versionText(tool, "1.5.0"), "tool (Tolmar tools) 1.5.0\n");
}

TEST(ManPage, EscapesWhatTroffWouldTakeAsRequestsOrSpecialCharacters) {
    const std::string page = manPage(tool, "1.5.0");
    EXPECT_EQ(page.rfind(".TH TOOL 1 \"\" \"Tolmar tools 1.5.0\" \"User Commands\"\n", 0), 0u);
    EXPECT_NE(page.find(".SH NAME\ntool \\- turn grids into pictures\n"), std::string::npos);
    // A text line must not start with a control character; backslashes and hyphens are escaped.
    EXPECT_NE(
        page.find("\n\\&.dots and 'quotes' start these lines; a back\\eslash and a\\-hyphen.\n"),
        std::string::npos)
        << page;
    for (const std::string& line : lines(page)) {
        if (line.empty() || (line[0] != '.' && line[0] != '\'')) continue;
        const std::string request = line.substr(1, line.find(' ') - 1);
        EXPECT_TRUE(request == "TH" || request == "SH" || request == "SY" || request == "YS" ||
                    request == "PP" || request == "TP" || request == "RS" || request == "RE" ||
                    request == "nf" || request == "fi")
            << line;
    }
}

TEST(ManPage, OptionsAreTaggedParagraphsAndTheSynopsisKeepsOptionsWithTheirArguments) {
    const std::string page = manPage(tool, "1.5.0");
    EXPECT_NE(page.find(".TP\n\\fB\\-\\-size\\fR\\ \\fIWxH\\fR\nThe size.\n"), std::string::npos)
        << page;
    EXPECT_NE(page.find(".SY tool\n\\fB\\-\\-render\\fR\\ \\fIFILE\\fR\\ \\fIOUT.png\\fR "
                        "[\\fB\\-\\-size\\fR\\ \\fIWxH\\fR]"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find(".RS 4\n.nf\ntool \\-\\-render a.asc a.png\n.fi\n.RE\n"),
              std::string::npos);
}

TEST(HtmlSection, EscapesMarkupAndAnchorsTheProgram) {
    const std::string html = htmlSection(tool);
    EXPECT_EQ(html.rfind("<section class=\"command\" id=\"tool\">", 0), 0u);
    EXPECT_NE(html.find("Draw &lt;FILE&gt; &amp; its legend into &quot;OUT.png&quot;"),
              std::string::npos);
    EXPECT_NE(html.find("<dt><code>--size WxH</code></dt><dd>The size.</dd>"), std::string::npos);
    EXPECT_NE(html.find("<h3>Examples</h3>\n<pre>tool --render a.asc a.png\n</pre>"),
              std::string::npos);
}

TEST(CppHeader, CarriesTheTextsAsEscapedLiterals) {
    const HelpSource quoted =
        source("NAME my-tool\nSUMMARY say \"hi\\there\"\nSYNOPSIS\nmy-tool\nOPTIONS\n--x\n  X.\n");
    const std::string header = cppHeader(quoted, "2.0");
    EXPECT_NE(header.find("inline constexpr char my_toolHelpText[] =\n    \"usage: my-tool\\n\"\n"),
              std::string::npos)
        << header;
    EXPECT_NE(header.find("say \\\"hi\\\\there\\\"."), std::string::npos) << header;
    EXPECT_NE(header.find("inline constexpr char my_toolUsageText[] =\n    \"usage: my-tool\\n\";"),
              std::string::npos)
        << header;
    EXPECT_NE(header.find("my_toolVersionText[] =\n    \"my-tool (Tolmar tools) 2.0\\n\";"),
              std::string::npos)
        << header;
}
