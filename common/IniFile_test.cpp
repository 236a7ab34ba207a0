#include "IniFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>

#include "CommaDecimalLocale.h"
#include "FileSizeLimit.h"
#include "PipeReader.h"

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A file as another tool writes it: CR LF, comments, blanks around "=", mixed case, a
// section the settings never write.
constexpr char ForeignFile[] =
    "; written by hand\r\n"
    "[Chart]\r\n"
    "  Title = Runoff at the weir \r\n"
    "; the colour of the grid lines\r\n"
    "GridColour=0x00FF00\r\n"
    "\r\n"
    "[Printer]\r\n"
    "Paper=A4\r\n"
    "\r\n"
    "[file0]\r\n"
    "FileName=C:\\runs\\a b.txt\r\n";

}  // namespace

TEST(IniFile, ReadsForeignFilesWithoutRegardToCaseOrBlanks) {
    const IniFile ini(ForeignFile);
    EXPECT_EQ(ini.ReadString("chart", "TITLE", "none"), "Runoff at the weir");
    EXPECT_EQ(ini.ReadInteger("Chart", "GridColour", 0), 0x00FF00);
    EXPECT_EQ(ini.ReadString("File0", "FileName", ""), "C:\\runs\\a b.txt");
    EXPECT_EQ(ini.ReadString("Chart", "Missing", "fallback"), "fallback");
    EXPECT_EQ(ini.ReadString("Nowhere", "Title", "fallback"), "fallback");
    EXPECT_TRUE(ini.SectionExists("PRINTER"));
    EXPECT_FALSE(ini.SectionExists("File1"));
    EXPECT_TRUE(ini.ValueExists("printer", "paper"));
    // Comment lines are not keys, even when they hold an "=".
    EXPECT_EQ(ini.ReadSection("Chart"), QStringList({"Title", "GridColour"}));
    EXPECT_EQ(ini.ReadSections(), QStringList({"Chart", "Printer", "file0"}));
}

TEST(IniFile, RewritingChangesOnlyTheWrittenKeys) {
    IniFile ini(ForeignFile);
    ini.WriteString("CHART", "title", "Discharge");
    ini.WriteInteger("Chart", "NumFiles", 2);
    ini.WriteString("File1", "FileName", "b.txt");
    EXPECT_EQ(ini.text(),
              "; written by hand\r\n"
              "[Chart]\r\n"
              "Title=Discharge\r\n"
              "; the colour of the grid lines\r\n"
              "GridColour=0x00FF00\r\n"
              "NumFiles=2\r\n"
              "\r\n"
              "[Printer]\r\n"
              "Paper=A4\r\n"
              "\r\n"
              "[file0]\r\n"
              "FileName=C:\\runs\\a b.txt\r\n"
              "[File1]\r\n"
              "FileName=b.txt\r\n");
}

TEST(IniFile, KeepsLfLineEndsAndReadsALastLineWithoutLineEnd) {
    IniFile ini("[A]\nx=1\ny=2");
    EXPECT_EQ(ini.ReadInteger("A", "y", 0), 2);
    ini.WriteInteger("A", "x", 3);
    EXPECT_EQ(ini.text(), "[A]\nx=3\ny=2\n");
    EXPECT_EQ(IniFile().text(), "");
    // Stray carriage returns at line ends are line ends, not part of the value.
    const IniFile stray("[A]\nx=1\r\r\ny=2\r");
    EXPECT_EQ(stray.ReadString("A", "x", ""), "1");
    EXPECT_EQ(stray.ReadString("A", "y", ""), "2");
    EXPECT_EQ(stray.text(), "[A]\nx=1\ny=2\n");
    const IniFile inside("[A]\nNumFiles\r\v=\f4\n");
    EXPECT_EQ(inside.ReadInteger("a", "numfiles", 0), 4);
}

TEST(IniFile, FirstSectionAndFirstKeyOfANameCount) {
    IniFile ini("[A]\nk=1\nK=2\n[a]\nk=3\n");
    EXPECT_EQ(ini.ReadInteger("A", "k", 0), 1);
    ini.WriteInteger("a", "K", 9);
    EXPECT_EQ(ini.text(), "[A]\nk=9\nK=2\n[a]\nk=3\n");
    EXPECT_EQ(ini.ReadSections(), QStringList({"A"}));
}

TEST(IniFile, ValuesAreNeitherQuotedNorEscapedButStayOnOneLine) {
    IniFile ini;
    ini.WriteString("S", "Quoted", "\"a;b\" = c\\n");
    ini.WriteString("S", "Broken", "first\r\n[Injected]\nKey=1");
    ini.WriteString("S", "Empty", "");
    EXPECT_EQ(ini.ReadString("S", "Quoted", ""), "\"a;b\" = c\\n");
    EXPECT_FALSE(ini.SectionExists("Injected"));
    EXPECT_EQ(ini.ReadString("S", "Broken", ""), "first  [Injected] Key=1");
    // An empty value is a value, not a missing key.
    EXPECT_EQ(ini.ReadString("S", "Empty", "default"), "");
    EXPECT_EQ(ini.ReadSection("S").size(), 3);
}

TEST(IniFile, IntegersTakeHexAndFallBackOnUnreadableText) {
    const IniFile ini(
        "[N]\ndec=-42\nhex=0x1F\nHEX=0XffFFffFF\nplus=+7\nword=twelve\ntrail=12a\nbig=99999999999\n"
        "empty=\nbadhex=0x\nwidehex=0x100000000\ncolour=536870912\n");
    EXPECT_EQ(ini.ReadInteger("N", "dec", 0), -42);
    EXPECT_EQ(ini.ReadInteger("N", "hex", 0), 31);
    EXPECT_EQ(ini.ReadInteger("N", "plus", 0), 7);
    EXPECT_EQ(ini.ReadInteger("N", "colour", 0), 0x20000000);
    for (const char* key : {"word", "trail", "big", "empty", "badhex", "widehex", "missing"})
        EXPECT_EQ(ini.ReadInteger("N", key, 255), 255) << key;
    // "HEX" and "hex" are the same key: the first one counts.
    EXPECT_EQ(ini.ReadInteger("N", "Hex", 0), 31);
    EXPECT_EQ(IniFile("[N]\nall=0xFFFFFFFF\n").ReadInteger("N", "all", 0), -1);
}

TEST(IniFile, BooleansAreIntegersAndAnyNonZeroIsTrue) {
    IniFile ini("[B]\none=1\nminus=-3\nzero=0\ntext=yes\n");
    EXPECT_TRUE(ini.ReadBool("B", "one", false));
    EXPECT_TRUE(ini.ReadBool("B", "minus", false));
    EXPECT_FALSE(ini.ReadBool("B", "zero", true));
    EXPECT_TRUE(ini.ReadBool("B", "text", true));
    EXPECT_FALSE(ini.ReadBool("B", "missing", false));
    ini.WriteBool("B", "one", false);
    ini.WriteBool("B", "new", true);
    EXPECT_EQ(ini.text(), "[B]\none=0\nminus=-3\nzero=0\ntext=yes\nnew=1\n");
}

TEST(IniFile, FloatsAreWrittenWithADotAndReadWithADotOrAComma) {
    const CommaDecimalLocale comma;
    IniFile ini("[F]\ncomma=36526,75\ndot=-1.5e3\nboth=1,234.5\nnan=nan\n");
    EXPECT_DOUBLE_EQ(ini.ReadFloat("F", "comma", 0), 36526.75);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("F", "dot", 0), -1500);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("F", "both", 7), 7);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("F", "nan", 7), 7);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("F", "missing", -9999), -9999);

    ini.WriteFloat("F", "a", 36526.0416666667);
    ini.WriteFloat("F", "b", 0.1);
    ini.WriteFloat("F", "c", -9999);
    ini.WriteFloat("F", "d", 1.0 / 3.0);
    EXPECT_EQ(ini.ReadString("F", "a", ""), "36526.0416666667");
    EXPECT_EQ(ini.ReadString("F", "b", ""), "0.1");
    EXPECT_EQ(ini.ReadString("F", "c", ""), "-9999");
    EXPECT_EQ(ini.ReadString("F", "d", ""), "0.333333333333333");
    // Fifteen digits bring a date/time number back to well under a second.
    EXPECT_NEAR(ini.ReadFloat("F", "a", 0), 36526.0416666667, 1e-9);
}

TEST(IniFile, EraseSectionAndDeleteKeyRemoveOnlyTheirLines) {
    IniFile ini("[A]\nx=1\n; about B\n[B]\ny=2\n\n[C]\nz=3\n");
    ini.EraseSection("b");
    ini.DeleteKey("C", "Z");
    ini.DeleteKey("C", "none");
    ini.EraseSection("none");
    EXPECT_EQ(ini.text(), "[A]\nx=1\n; about B\n[C]\n");
    ini.WriteInteger("C", "w", 4);
    EXPECT_EQ(ini.text(), "[A]\nx=1\n; about B\n[C]\nw=4\n");
}

TEST(IniFile, OldCodePageBytesSurviveARewrite) {
    // "Müller" in Latin-1, a byte order mark before the first section.
    const std::string text = "\xEF\xBB\xBF[Chart]\nTitle=M\xFCller\nOther=x\n";
    IniFile ini(text);
    EXPECT_EQ(ini.ReadString("Chart", "Title", ""), QString::fromUtf8("M\xC3\xBCller"));
    ini.WriteString("Chart", "Other", "y");
    EXPECT_EQ(ini.text(), "\xEF\xBB\xBF[Chart]\nTitle=M\xFCller\nOther=y\n");
}

TEST(IniFile, SaveAndLoadRoundTripThroughTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("linara.ini");
    EXPECT_EQ(IniFile::load(path).text(), "");  // not there yet: empty

    IniFile ini;
    ini.WriteString("Chart", "Title", "Tolmar-Kor Results");
    ini.WriteFloat("Chart", "XAxisMin", 36526.5);
    ini.save(path);
    EXPECT_EQ(readBytes(path), "[Chart]\nTitle=Tolmar-Kor Results\nXAxisMin=36526.5\n");
    EXPECT_EQ(IniFile::load(path).ReadFloat("Chart", "XAxisMin", 0), 36526.5);
    // Nothing but the file is left in the folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"linara.ini"}));
}

TEST(IniFile, AFailedSaveReportsTheReasonAndLeavesTheOldFileIntact) {
    QTemporaryDir dir;
    const QString path = dir.filePath("linara.ini");
    writeBytes(path, "[Chart]\nNumFiles=3\n");
    IniFile ini = IniFile::load(path);
    ini.WriteInteger("Chart", "NumFiles", 1);
    ini.WriteString("Chart", "Title", QString(5000, QChar('x')));

    {
        // The disk fills up halfway through the new text.
        const FileSizeLimit limit(1000);
        try {
            ini.save(path);
            ADD_FAILURE() << "the save did not fail";
        } catch (const IniFileError& error) {
            const QString message = QString::fromStdString(error.what());
            EXPECT_TRUE(message.contains("linara.ini")) << error.what();
            EXPECT_TRUE(message.contains(FileSizeLimit::reason())) << error.what();
        }
    }
    EXPECT_EQ(readBytes(path), "[Chart]\nNumFiles=3\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"linara.ini"}));
}

TEST(IniFile, SavingOverAFolderOrLoadingOneIsAnError) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("settings.ini");
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_THROW(IniFile("[A]\nx=1\n").save(folder), IniFileError);
    EXPECT_THROW(IniFile::load(folder), IniFileError);
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(IniFile, SavingThroughALinkKeepsTheLinkAndAPipeIsWrittenInto) {
    QTemporaryDir dir;
    const QString real = dir.filePath("shared.ini");
    const QString link = dir.filePath("linara.ini");
    writeBytes(real, "[Chart]\nNumFiles=3\n");
    ASSERT_TRUE(QFile::link("shared.ini", link));
    IniFile ini = IniFile::load(link);
    ini.WriteInteger("Chart", "NumFiles", 4);
    ini.save(link);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readBytes(real), "[Chart]\nNumFiles=4\n");

    const QString pipe = dir.filePath("pipe.ini");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    PipeReader reader(QFile::encodeName(pipe).toStdString());
    ini.save(pipe);
    const QByteArray received = QByteArray::fromStdString(reader.finish());
    EXPECT_EQ(received, "[Chart]\nNumFiles=4\n");
    EXPECT_FALSE(QFileInfo(pipe).isFile());
}

TEST(IniFile, AfterEraseOrDeleteTheNextOfTheSameNameCountsAndCopiesStandAlone) {
    IniFile ini("[A]\nk=1\nk=2\nz=0\n; end of A\n[B]\nx=1\n[a]\nk=3\n");
    ini.DeleteKey("A", "K");
    EXPECT_EQ(ini.ReadInteger("A", "k", 0), 2);
    ini.DeleteKey("A", "z");
    ini.WriteInteger("A", "new", 4);  // after the last key left, before the comment
    EXPECT_EQ(ini.text(), "[A]\nk=2\nnew=4\n; end of A\n[B]\nx=1\n[a]\nk=3\n");
    ini.EraseSection("A");
    EXPECT_EQ(ini.ReadInteger("A", "k", 0), 3);
    EXPECT_EQ(ini.ReadSections(), QStringList({"B", "a"}));

    // A copy has its own lines: writing one leaves the other as it was.
    IniFile copy = ini;
    copy.WriteInteger("B", "x", 9);
    copy.WriteInteger("C", "y", 1);
    EXPECT_EQ(ini.ReadInteger("B", "x", 0), 1);
    EXPECT_FALSE(ini.SectionExists("C"));
    EXPECT_EQ(copy.text(), "[B]\nx=9\n[a]\nk=3\n[C]\ny=1\n");
    IniFile assigned;
    assigned = copy;
    copy.WriteInteger("a", "k", 5);
    EXPECT_EQ(assigned.ReadInteger("A", "K", 0), 3);
    EXPECT_EQ(copy.ReadInteger("A", "K", 0), 5);
}

TEST(IniFile, ManySectionsAndLinesKeepTheirOrderAndAreFoundByName) {
    std::string text = "[Chart]\nNumFiles=3\n";
    for (int i = 0; i < 2000; ++i) text += "; comment " + std::to_string(i) + "\n";
    for (int i = 0; i < 3000; ++i)
        text += "[File" + std::to_string(i) + "]\nFileName=f" + std::to_string(i) + ".txt\n";
    IniFile ini(text);
    EXPECT_EQ(ini.ReadSections().size(), 3001);
    EXPECT_EQ(ini.ReadString("file2999", "filename", ""), "f2999.txt");
    ini.WriteInteger("Chart", "HideLegend", 1);
    ini.WriteString("File1500", "EntityName", "Flow");
    const std::string written = ini.text();
    EXPECT_EQ(written.find("[Chart]\nNumFiles=3\nHideLegend=1\n; comment 0\n"), 0u);
    EXPECT_NE(written.find("[File1500]\nFileName=f1500.txt\nEntityName=Flow\n[File1501]"),
              std::string::npos);
    EXPECT_EQ(IniFile(written).text(), written);
}
