#include "ConsoleDialogs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string written(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char buffer[256];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, file)) text.append(buffer, n);
    return text;
}

}  // namespace

TEST(ConsoleDialogs, EveryCallIsWrittenWithTheProgramAndAnsweredWithoutWaiting) {
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    ConsoleDialogs dialogs(QStringLiteral("linara"), out);
    dialogs.message("Error: The input file cannot\n be parsed correctly.", "wrong file format");
    EXPECT_EQ(dialogs.question("Save changes?", "Exit", UserDialogs::Buttons::YesNoCancel),
              UserDialogs::Answer::Cancel);
    EXPECT_EQ(dialogs.question("Load anyway?", "Header", UserDialogs::Buttons::YesNo),
              UserDialogs::Answer::No);
    EXPECT_EQ(dialogs.inputQuery("Save", "Saving file", "a.asc"), std::nullopt);
    EXPECT_TRUE(dialogs.openFiles("Open", "*").isEmpty());
    EXPECT_EQ(dialogs.saveFile("Save grid as", "b.asc", "*"), std::nullopt);
    EXPECT_EQ(dialogs.chooseColour(Colour(255)), std::nullopt);
    EXPECT_EQ(dialogs.reported(), 7);
    const std::string text = written(out);
    std::fclose(out);
    EXPECT_EQ(text.substr(0, text.find('\n') + 1),
              "linara: wrong file format: Error: The input file cannot  be parsed correctly.\n");
    EXPECT_NE(text.find("linara: Exit: Save changes? (answered Cancel)\n"), std::string::npos);
    EXPECT_NE(text.find("linara: Header: Load anyway? (answered No)\n"), std::string::npos);
    int lines = 0;
    for (char c : text) lines += c == '\n';
    EXPECT_EQ(lines, 7);
}
