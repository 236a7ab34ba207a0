#include "TableMessages.h"

#include <gtest/gtest.h>

TEST(TableMessages, EveryMessageNamesItsFile) {
    EXPECT_EQ(
        tableReadMessage("/runs/a.txt", "Error: The input file cannot\n be parsed correctly."),
        "Error: The input file cannot\n be parsed correctly.\nFile: /runs/a.txt");
    // A reason that names the file already stays as it is.
    const QString named = "Error: The file /runs/b.txt cannot be read: No such file or directory";
    EXPECT_EQ(tableReadMessage("/runs/b.txt", named), named);
}
