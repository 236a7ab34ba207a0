#include "PaletteFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "FileSizeLimit.h"
#include "PalettePath.h"
#include "PaletteSet.h"
#include "Palettes.h"

namespace {

constexpr int Colours = ColorStepCount + 1;

std::vector<Colour> defaultPalette() {
    PaletteSet palettes;
    palettes.BuildPalettes(1.0);
    return palettes.Palettes[0];
}

std::optional<FilePalette> readBack(const QByteArray& text) {
    return ReadPaletteFileText(std::string_view(text.constData(), text.size()), Colours);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

TEST(PaletteFileText, IsTheNameThenUpperCaseHexColoursEachFollowedByABlank) {
    const QByteArray text = PaletteFileText("Default", defaultPalette());
    EXPECT_TRUE(text.startsWith("Default FF0000 FF1919 FF3333 ")) << text.toStdString();
    EXPECT_TRUE(text.endsWith(" 1919FF FF \n")) << text.toStdString();
    EXPECT_EQ(PaletteFileText("black", {Colour(0), Colour(0xABCDEF)}), "black 0 ABCDEF \n");
}

TEST(PaletteFileText, NamesWithAndWithoutBlanksReadBackExactly) {
    const std::vector<Colour> colours = defaultPalette();
    for (const QString name : {"Mine", "wet  to dry ", "FF 00 names that look like colours"}) {
        const auto palette = readBack(PaletteFileText(name.trimmed(), colours));
        ASSERT_TRUE(palette) << name.toStdString();
        EXPECT_EQ(palette->name, name.trimmed());
        EXPECT_EQ(palette->colours, colours);
    }
    std::vector<Colour> black(Colours, Colour(0));
    const auto palette = readBack(PaletteFileText("night", black));
    ASSERT_TRUE(palette);
    EXPECT_EQ(palette->colours, black);
}

TEST(PaletteFileText, ReadsFilesOfOtherToolsAndRefusesWhatIsNoPalette) {
    QByteArray crlf = "Tabs\tand\r\n";
    for (int i = 0; i < Colours; ++i) crlf += "0x" + QByteArray::number(i, 16) + "\r\n";
    const auto read = readBack(crlf);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->name, "Tabs\tand");
    EXPECT_EQ(read->colours[20], Colour(0x14));

    QByteArray twenty = "short";
    for (int i = 0; i < Colours - 1; ++i) twenty += " FF";
    EXPECT_FALSE(readBack(twenty));
    EXPECT_FALSE(readBack(twenty + " GG"));
    EXPECT_FALSE(readBack(twenty + " -1"));
    EXPECT_FALSE(readBack(twenty + " 1FFFFFFFF"));
    EXPECT_FALSE(readBack(""));
    // Exactly the colours: a palette without a name.
    const auto nameless = readBack(twenty.mid(5) + " 0");
    ASSERT_TRUE(nameless);
    EXPECT_TRUE(nameless->name.isEmpty());
}

TEST(PaletteFileWrite, ReplacesTheFileWholeOrLeavesItAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath("p.vlp");
    writeFile(path, "old");
    EXPECT_EQ(WritePaletteFile(path, "new", defaultPalette()), QString());
    EXPECT_EQ(ReadPaletteFile(path, Colours)->name, "new");

    const QString failure = WritePaletteFile(dir.filePath("missing/p.vlp"), "x", defaultPalette());
    EXPECT_FALSE(failure.isEmpty());
    {
        FileSizeLimit limit(40);  // the palette file needs about 150 bytes
        EXPECT_EQ(WritePaletteFile(path, "cut", defaultPalette()), FileSizeLimit::reason());
    }
    EXPECT_EQ(ReadPaletteFile(path, Colours)->name, "new");
    // A target that is a folder cannot be replaced; nothing of it changes.
    QDir(dir.path()).mkpath("taken.vlp/inside");
    EXPECT_FALSE(WritePaletteFile(dir.filePath("taken.vlp"), "x", defaultPalette()).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("taken.vlp/inside")));
    EXPECT_EQ(ReadPaletteFile(path, Colours)->name, "new");
}

TEST(PaletteFolder, OffersRegularAndReadOnlyFilesInListingOrderButNotHiddenOnes) {
    QTemporaryDir dir;
    const QByteArray palette = PaletteFileText("p", defaultPalette());
    for (const char* name : {"b.vlp", "a.vlp", "c.vlp", ".hidden.vlp", "other.txt"})
        writeFile(dir.filePath(name), palette);
    QFile::setPermissions(dir.filePath("c.vlp"), QFile::ReadOwner);
    QDir(dir.path()).mkdir("folder.vlp");

    const QStringList found = FindPaletteFiles(dir.path());
    QStringList listed;
    for (const QString& name :
         QDir(dir.path()).entryList({"*.vlp"}, QDir::Files | QDir::Hidden, QDir::Unsorted))
        if (!name.startsWith('.')) listed << dir.filePath(name);
    EXPECT_EQ(found, listed);
    EXPECT_EQ(found.size(), 3);
    EXPECT_EQ(FindPaletteFiles(dir.path()), found);
}
