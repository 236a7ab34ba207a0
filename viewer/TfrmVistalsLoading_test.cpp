#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

#include "CommandProcessor.h"
#include "FileSizeLimit.h"
#include "ScriptedDialogs.h"
#include "TfrmVistals.h"
#include "UpDown.h"

namespace {

class NoCommands : public CommandProcessor {
public:
    void run(const QString&) override {}
};

QByteArray asciiGrid(int value, const char* nodata = "-9999") {
    QByteArray text = "ncols 3\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 1\nnodata_value ";
    text += nodata;
    text += "\n";
    for (int i = 0; i < 6; ++i) text += QByteArray::number(value + i) + " ";
    return text + "\n";
}

// Three levels per cell: level k holds 10 * k + cell index.
QByteArray asciiStack() {
    QByteArray text =
        "stack 2\nnrows 2\nxll 0\nyll 0\ncs 1\nnodata -9999\nc 0\nmi 0\nma 0\ns 0\na 0\nlevels 2\n";
    for (int cell = 0; cell < 4; ++cell)
        for (int k = 0; k < 3; ++k) text += QByteArray::number(10 * k + cell) + " ";
    return text + "\n";
}

const QString switchQuestion = QStringLiteral(
    "There are selected cells or \nthe original grid was changed. \n"
    "Do you want to save the changes?");

class WindowLoading : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.FormShow({});
    }

    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        return path;
    }
    QByteArray contents(const QString& path) {
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        return in.readAll();
    }
    void click(int row) {
        window.lstbxGridNames->setCurrentRow(row);
        window.lstbxGridNamesClick();
    }
    void add(const QString& path) { window.lstbxGridNames->addItem(path); }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    NoCommands commands;
    TfrmVistals window{dialogs, commands};
};

}  // namespace

TEST_F(WindowLoading, LoadGridsAppendsTheFirstChosenFileLastAndLoadsIt) {
    const QString a = file("a.asc", asciiGrid(1));
    const QString b = file("b.asc", asciiGrid(2));
    const QString c = file("c.asc", asciiGrid(3));
    dialogs.openAnswers.push_back({a, b, c});
    window.miLoadGrids->trigger();
    ASSERT_EQ(window.lstbxGridNames->count(), 3);
    EXPECT_EQ(window.lstbxGridNames->item(0)->text(), b);
    EXPECT_EQ(window.lstbxGridNames->item(1)->text(), c);
    EXPECT_EQ(window.lstbxGridNames->item(2)->text(), a);
    EXPECT_EQ(dialogs.callsOf("open").at(0).detail, "*.*");
    EXPECT_EQ(window.lstbxGridNames->currentRow(), 0);
    EXPECT_EQ(window.document.FileName, b);
    EXPECT_EQ(window.edtNCols->text(), "3");
    EXPECT_EQ(window.edtNRows->text(), "2");
    EXPECT_EQ(window.edtCellCount->text(), "6");
    EXPECT_EQ(window.edtMin->text(), "2");
    EXPECT_EQ(window.edtAverage->text(), "4.5");
    EXPECT_EQ(window.edtFileFormat->text(), "Grid (ASCII)");
    EXPECT_TRUE(window.miSaveGrid->isEnabled());
}

TEST_F(WindowLoading, CancelOnTheSwitchQuestionKeepsGridAndSelection) {
    add(file("a.asc", asciiGrid(1)));
    add(file("b.asc", asciiGrid(2)));
    click(0);
    window.document.Modified = true;
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Cancel);
    click(1);
    const auto questions = dialogs.callsOf("question");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text, switchQuestion);
    EXPECT_EQ(questions[0].caption, "show another grid");
    EXPECT_EQ(window.lstbxGridNames->currentRow(), 0);
    EXPECT_EQ(window.document.Values->at(0, 0), 1);
    EXPECT_TRUE(window.document.Modified);
    EXPECT_TRUE(window.lstbxGridNames->isEnabled());
    EXPECT_FALSE(window.SwitchGuard);
}

TEST_F(WindowLoading, YesOnTheSwitchQuestionSavesTheOldGridFirst) {
    add(file("a.asc", asciiGrid(1)));
    add(file("b.asc", asciiGrid(2)));
    click(0);
    window.document.Values->at(0, 0) = 42;
    window.document.Modified = true;
    const QString saved = dir.filePath("saved.asc");
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    dialogs.saveAnswers.push_back(saved);
    click(1);
    const auto saves = dialogs.callsOf("save");
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].caption, "Save grid as");
    EXPECT_EQ(saves[0].text, window.lstbxGridNames->item(0)->text());
    EXPECT_EQ(saves[0].detail, "Grid-Dateien (*.grd)|*.grd|Alle Dateien (*.*)|*.*");
    EXPECT_TRUE(contents(saved).contains("          42\t2\t3\t\r\n"));
    EXPECT_EQ(window.document.Values->at(0, 0), 2);
    EXPECT_FALSE(window.document.Modified);
}

TEST_F(WindowLoading, ImplausibleHeaderAsksAndNoRemovesTheEntry) {
    add(file("odd.asc", asciiGrid(1, "-999999")));
    add(file("b.asc", asciiGrid(2)));
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    click(0);
    const auto questions = dialogs.callsOf("question");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text, "Attention: the input file \"\n" + dir.filePath("odd.asc") +
                                     "\" may not be a grid. Load anyway?");
    EXPECT_EQ(questions[0].caption, "Input file is not a valid grid");
    EXPECT_EQ(questions[0].detail, "YesNo");
    ASSERT_EQ(window.lstbxGridNames->count(), 1);
    EXPECT_FALSE(window.document.hasValues());
    EXPECT_TRUE(dialogs.callsOf("message").empty());

    add(file("odd2.asc", asciiGrid(5, "-999999")));
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    click(1);
    ASSERT_TRUE(window.document.hasValues());
    EXPECT_EQ(window.edtNodata->text(), "-999999");
}

TEST_F(WindowLoading, UnreadableFilesAreReportedAndShowNothing) {
    add(file("text.txt",
             "hello, this is no grid at all, not even binary......................"
             "........................................................"));
    add(file("short.asc",
             "ncols 3\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 1\n"
             "nodata_value -9999\n1 2 3\n4\n"));
    click(0);
    auto messages = dialogs.callsOf("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "could not recognise file format (ascii, single or double)");
    EXPECT_EQ(messages[0].caption, "format error");
    EXPECT_EQ(window.edtFileFormat->text(), "not recognized");
    EXPECT_FALSE(window.document.hasValues());

    click(1);
    messages = dialogs.callsOf("message");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_FALSE(messages[1].text.isEmpty());
    EXPECT_FALSE(window.document.hasValues());
    EXPECT_TRUE(window.edtNCols->text().isEmpty());
    EXPECT_FALSE(window.Busy);
    EXPECT_TRUE(window.lstbxGridNames->isEnabled());
}

TEST_F(WindowLoading, StackLevelsStepWithTheControlsAndKeys) {
    add(file("stack.asc", asciiStack()));
    click(0);
    EXPECT_EQ(window.edtFileFormat->text(), "Stack (ASCII)");
    EXPECT_TRUE(window.updnStacklevel->isEnabled());
    EXPECT_EQ(window.updnStacklevel->maximum(), 2);
    EXPECT_EQ(window.lblStacklayers->text(), "(max: 2)");
    EXPECT_FALSE(window.miSaveGrid->isEnabled());
    // Statistics describe the shown level 0 right after loading.
    EXPECT_EQ(window.edtMax->text(), "3");

    QTest::keyClick(window.lstbxGridNames, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(window.updnStacklevel->position(), 1);
    EXPECT_EQ(window.document.Values->at(0, 0), 10);
    EXPECT_EQ(window.edtMin->text(), "10");
    QTest::keyClick(window.lstbxGridNames, Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(window.lstbxGridNames, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(window.updnStacklevel->position(), 2);
    EXPECT_EQ(window.edtMin->text(), "20");
    QTest::keyClick(window.lstbxGridNames, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(window.edtMin->text(), "10");
    // The window sees the keys first: they step levels wherever the focus is.
    QTest::keyClick(window.edtNodata, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(window.edtMin->text(), "20");
    QTest::keyClick(window.edtNodata, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(window.edtMin->text(), "10");

    window.edtStacklevel->setText("0");
    window.edtStacklevel->setModified(true);
    window.edtStacklevelExit();
    EXPECT_EQ(window.edtMin->text(), "0");
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(WindowLoading, ChangedLevelAsksAndYesSavesThatLevel) {
    add(file("stack.asc", asciiStack()));
    click(0);
    window.updnStacklevel->setPosition(1);
    window.updnStacklevelClick();
    window.document.Values->at(0, 0) = 99;
    window.document.Modified = true;
    const QString saved = dir.filePath("level1.asc");
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    dialogs.saveAnswers.push_back(saved);
    window.updnStacklevel->stepUp();
    const auto questions = dialogs.callsOf("question");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text,
              switchQuestion + "\nAttention: only the actual level\nwill be saved as grid");
    EXPECT_EQ(questions[0].caption, "show another level");
    EXPECT_TRUE(contents(saved).startsWith("ncols        2\r\n"));
    EXPECT_TRUE(contents(saved).contains("          99\t11\t\r\n12\t13\t\r\n"));
    EXPECT_EQ(window.document.Values->at(0, 0), 20);

    // Cancel keeps the level shown and puts the control back on it.
    window.document.Modified = true;
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Cancel);
    window.updnStacklevel->stepDown();
    EXPECT_EQ(window.updnStacklevel->position(), 2);
    EXPECT_EQ(window.document.Values->at(0, 0), 20);
}

TEST_F(WindowLoading, SaveGridPromptsAndWritesTheNodataField) {
    const QString source = file("a.asc", asciiGrid(1));
    QByteArray withNodata = asciiGrid(1);
    withNodata.replace("1 2 3", "1 -9999 3");
    const QString path = file("n.asc", withNodata);
    add(path);
    click(0);
    window.edtNodata->setText("-1");
    const QString target = dir.filePath("out.asc");
    dialogs.inputAnswers.push_back(target);
    window.miSaveGrid->trigger();
    const auto inputs = dialogs.callsOf("input");
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].caption, "Save");
    EXPECT_EQ(inputs[0].text, "Saving file");
    EXPECT_EQ(inputs[0].detail, path);
    const QByteArray written = contents(target);
    EXPECT_TRUE(written.contains("nodata_value -1\r\n"));
    EXPECT_TRUE(written.contains("           1\t-1\t3\t\r\n"));
    EXPECT_EQ(window.document.header.nodata_value, -9999);
    (void)source;
}

TEST_F(WindowLoading, FailedSaveIsReportedAndKeepsTheOldFile) {
    add(file("a.asc", asciiGrid(1)));
    click(0);
    dialogs.saveAnswers.push_back(dir.filePath("missing-folder/out.asc"));
    window.miSaveGridAs->trigger();
    const auto messages = dialogs.callsOf("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "save error");
}

TEST_F(WindowLoading, ClosingWithChangesAsksAndCancelKeepsTheWindow) {
    add(file("a.asc", asciiGrid(1)));
    click(0);
    window.document.Modified = true;
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Cancel);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.document.hasValues());
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(dialogs.callsOf("question").size(), 2u);
}

TEST_F(WindowLoading, SaveGridIsAvailableOnlyWhileAPlainGridIsShown) {
    EXPECT_FALSE(window.miSaveGrid->isEnabled());
    add(file("a.asc", asciiGrid(1)));
    add(file("stack.asc", asciiStack()));
    add(dir.filePath("missing.asc"));
    click(0);
    EXPECT_TRUE(window.miSaveGrid->isEnabled());
    click(1);
    EXPECT_FALSE(window.miSaveGrid->isEnabled());
    click(0);
    EXPECT_TRUE(window.miSaveGrid->isEnabled());
    click(2);
    EXPECT_FALSE(window.miSaveGrid->isEnabled());
    click(0);
    window.lstbxGridNames->setCurrentRow(0);
    QTest::keyClick(window.lstbxGridNames, Qt::Key_Delete);
    // The stack that moved up into row 0 is loaded now.
    EXPECT_EQ(window.document.FileName, dir.filePath("stack.asc"));
    EXPECT_FALSE(window.miSaveGrid->isEnabled());
}

TEST_F(WindowLoading, AFailedLoadLeavesNoLevelToStepTo) {
    add(file("stack.asc", asciiStack()));
    add(dir.filePath("missing.asc"));
    click(0);
    window.updnStacklevel->stepUp();
    ASSERT_EQ(window.updnStacklevel->position(), 1);
    click(1);
    ASSERT_EQ(dialogs.callsOf("message").size(), 1u);
    EXPECT_FALSE(window.updnStacklevel->isEnabled());
    EXPECT_EQ(window.updnStacklevel->position(), 0);
    EXPECT_EQ(window.edtStacklevel->text(), "0");
    EXPECT_TRUE(window.edtFileFormat->text().isEmpty());
    EXPECT_TRUE(window.edtMin->text().isEmpty());
    EXPECT_FALSE(window.SwitchGuard);
}

TEST_F(WindowLoading, ImplausibleLastEntryDeclinedSelectsTheEntryBeforeWithoutLoadingIt) {
    add(file("a.asc", asciiGrid(1)));
    add(file("odd.asc", asciiGrid(1, "-999999")));
    click(0);
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    click(1);
    ASSERT_EQ(window.lstbxGridNames->count(), 1);
    EXPECT_EQ(window.lstbxGridNames->currentRow(), 0);
    EXPECT_FALSE(window.document.hasValues());
    EXPECT_TRUE(window.lstbxGridNames->isEnabled());
    EXPECT_FALSE(window.SwitchGuard);
    EXPECT_FALSE(window.Busy);
}

TEST_F(WindowLoading, ChangesThatCouldNotBeSavedAreKept) {
    add(file("a.asc", asciiGrid(1)));
    add(file("b.asc", asciiGrid(2)));
    click(0);
    window.document.Values->at(0, 0) = 42;
    window.document.Modified = true;
    const QString unwritable = dir.filePath("missing-folder/out.asc");

    // Switching grids: the save fails, the changed grid stays shown and selected.
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    dialogs.saveAnswers.push_back(unwritable);
    click(1);
    ASSERT_EQ(dialogs.callsOf("message").size(), 1u);
    EXPECT_EQ(dialogs.callsOf("message")[0].caption, "save error");
    EXPECT_EQ(window.document.Values->at(0, 0), 42);
    EXPECT_TRUE(window.document.Modified);
    EXPECT_EQ(window.lstbxGridNames->currentRow(), 0);
    EXPECT_TRUE(window.lstbxGridNames->isEnabled());
    EXPECT_FALSE(window.SwitchGuard);

    // Deleting the entry: kept as well.
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    dialogs.saveAnswers.push_back(unwritable);
    QTest::keyClick(window.lstbxGridNames, Qt::Key_Delete);
    EXPECT_EQ(window.lstbxGridNames->count(), 2);
    EXPECT_EQ(window.document.Values->at(0, 0), 42);

    // Closing: the window stays open.
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    dialogs.saveAnswers.push_back(unwritable);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.document.Modified);

    // Yes, then cancelling the save dialog: nothing was written, so nothing is dropped.
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    dialogs.saveAnswers.push_back(std::nullopt);
    click(1);
    EXPECT_EQ(window.document.Values->at(0, 0), 42);
    EXPECT_EQ(window.lstbxGridNames->currentRow(), 0);
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    dialogs.saveAnswers.push_back(std::nullopt);
    EXPECT_FALSE(window.close());
    EXPECT_EQ(dialogs.unanswered, 0);
}

TEST_F(WindowLoading, DeleteAnsweredNoDropsTheChangesAndLoadsTheNextEntry) {
    add(file("a.asc", asciiGrid(1)));
    add(file("b.asc", asciiGrid(2)));
    click(0);
    window.document.Modified = true;
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    QTest::keyClick(window.lstbxGridNames, Qt::Key_Delete);
    EXPECT_TRUE(dialogs.callsOf("save").empty());
    ASSERT_EQ(window.lstbxGridNames->count(), 1);
    EXPECT_EQ(window.document.FileName, dir.filePath("b.asc"));
    EXPECT_FALSE(window.document.Modified);

    // Deleting the only entry with changes and No: nothing is left to ask about on closing.
    window.document.Modified = true;
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    QTest::keyClick(window.lstbxGridNames, Qt::Key_Delete);
    EXPECT_EQ(window.lstbxGridNames->count(), 0);
    EXPECT_FALSE(window.document.hasValues());
    EXPECT_TRUE(window.close());
    EXPECT_EQ(dialogs.callsOf("question").size(), 2u);
}

TEST_F(WindowLoading, MovingTheListSelectionWithTheKeysLoadsTheEntry) {
    add(file("a.asc", asciiGrid(1)));
    add(file("b.asc", asciiGrid(2)));
    add(file("c.asc", asciiGrid(3)));
    click(0);
    QTest::keyClick(window.lstbxGridNames, Qt::Key_Down);
    EXPECT_EQ(window.lstbxGridNames->currentRow(), 1);
    EXPECT_EQ(window.document.FileName, dir.filePath("b.asc"));
    QTest::keyClick(window.lstbxGridNames, Qt::Key_End);
    EXPECT_EQ(window.document.FileName, dir.filePath("c.asc"));
    QTest::keyClick(window.lstbxGridNames, Qt::Key_Up);
    EXPECT_EQ(window.document.FileName, dir.filePath("b.asc"));
    // Plain Left and Right move through the one-column list as well.
    QTest::keyClick(window.lstbxGridNames, Qt::Key_Left);
    EXPECT_EQ(window.document.FileName, dir.filePath("a.asc"));
    QTest::keyClick(window.lstbxGridNames, Qt::Key_Right);
    EXPECT_EQ(window.document.FileName, dir.filePath("b.asc"));

    // With changes, the question comes first; Cancel keeps the grid and its entry.
    window.document.Modified = true;
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Cancel);
    QTest::keyClick(window.lstbxGridNames, Qt::Key_Down);
    EXPECT_EQ(dialogs.callsOf("question").size(), 1u);
    EXPECT_EQ(window.lstbxGridNames->currentRow(), 1);
    EXPECT_EQ(window.document.FileName, dir.filePath("b.asc"));
}

namespace {

// A 3 × 2 double precision grid with -9999 as nodata.
QByteArray doubleGrid() {
    QByteArray bytes;
    for (double value : {3.0, 2.0, 0.0, 0.0, 1.0, -9999.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0,
                         -9999.0, 3.0, 4.0, 5.0, 6.0})
        bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
    return bytes;
}

const QString notRecognisedAgain = QStringLiteral("will not be recognised when loaded again");

}  // namespace

TEST_F(WindowLoading, SavingABinaryGridThatCannotBeLoadedAgainAsksFirst) {
    add(file("d.bin", doubleGrid()));
    click(0);
    ASSERT_EQ(window.edtFileFormat->text(), "Grid (double prec.)");
    window.edtNodata->setText("-1");
    const QString target = dir.filePath("out.grd");

    // No: nothing is written.
    dialogs.saveAnswers.push_back(target);
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    window.miSaveGridAs->trigger();
    auto questions = dialogs.callsOf("question");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].caption, "Save grid");
    EXPECT_TRUE(questions[0].text.contains(target)) << questions[0].text.toStdString();
    EXPECT_TRUE(questions[0].text.contains(notRecognisedAgain)) << questions[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(target));

    // Yes: written as asked, with -1 in the header's nodata place.
    dialogs.saveAnswers.push_back(target);
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    window.miSaveGridAs->trigger();
    ASSERT_EQ(dialogs.callsOf("question").size(), 2u);
    const QByteArray written = contents(target);
    ASSERT_EQ(written.size(), 96 + 6 * 8);
    double nodata = 0;
    std::memcpy(&nodata, written.constData() + 40, sizeof nodata);
    EXPECT_EQ(nodata, -1);

    // Save Grid asks as well; with -9999 nothing is asked.
    dialogs.inputAnswers.push_back(dir.filePath("other.grd"));
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    window.miSaveGrid->trigger();
    EXPECT_EQ(dialogs.callsOf("question").size(), 3u);
    EXPECT_FALSE(QFile::exists(dir.filePath("other.grd")));
    window.edtNodata->setText("-9999");
    dialogs.saveAnswers.push_back(dir.filePath("plain.grd"));
    window.miSaveGridAs->trigger();
    EXPECT_EQ(dialogs.callsOf("question").size(), 3u);
    EXPECT_TRUE(QFile::exists(dir.filePath("plain.grd")));
    EXPECT_TRUE(dialogs.callsOf("message").empty());
    EXPECT_EQ(dialogs.unanswered, 0);
}

TEST_F(WindowLoading, NanOrInfInTheNodataFieldCountsAsNoNumber) {
    QByteArray withNodata = asciiGrid(1);
    withNodata.replace("1 2 3", "1 -9999 3");
    add(file("n.asc", withNodata));
    click(0);
    for (const char* text : {"nan", "-inf"}) {
        window.edtNodata->setText(text);
        const QString target = dir.filePath(QStringLiteral("out-%1.asc").arg(text));
        dialogs.saveAnswers.push_back(target);
        window.miSaveGridAs->trigger();
        const QByteArray written = contents(target);
        EXPECT_TRUE(written.contains("nodata_value 0\r\n")) << written.toStdString();
        EXPECT_TRUE(written.contains("           1\t0\t3\t\r\n")) << written.toStdString();
    }
}

TEST_F(WindowLoading, SaveErrorBoxGivesTheSystemsReason) {
    QByteArray text =
        "ncols 100\nnrows 100\nxllcorner 0\nyllcorner 0\ncellsize 1\n"
        "nodata_value -9999\n";
    for (int i = 0; i < 10000; ++i) text += "12.5 ";
    add(file("big.asc", text));
    click(0);
    const QString target = file("out.asc", "the old contents");
    dialogs.saveAnswers.push_back(target);
    {
        FileSizeLimit limit(20000);  // the grid needs about 50000 bytes
        window.miSaveGridAs->trigger();
    }
    const auto messages = dialogs.callsOf("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "save error");
    EXPECT_TRUE(messages[0].text.contains(FileSizeLimit::reason()))
        << messages[0].text.toStdString();
    EXPECT_EQ(contents(target), "the old contents");
}

TEST_F(WindowLoading, SpecialFilesAreRefusedWithAMessage) {
    const QString fifo = dir.filePath("pipe.asc");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    add(file("a.asc", asciiGrid(1)));
    add(fifo);
    click(0);
    click(1);  // would wait for a writer for ever
    const auto messages = dialogs.callsOf("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "file error");
    EXPECT_TRUE(messages[0].text.contains(fifo));
    EXPECT_TRUE(messages[0].text.contains("it is a FIFO")) << messages[0].text.toStdString();
    EXPECT_FALSE(window.document.hasValues());
    EXPECT_TRUE(window.edtNCols->text().isEmpty());
    EXPECT_TRUE(window.lstbxGridNames->isEnabled());
    EXPECT_FALSE(window.Busy);
}
