#include <gdal_priv.h>
#include <sys/stat.h>

#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QTimer>
#include <QUrl>
#include <cstring>

#include "FileSizeLimit.h"
#include "VistalsWindowTesting.h"

namespace {

const QString switchQuestion = QStringLiteral(
    "There are selected cells or \nthe original grid was changed. \n"
    "Do you want to save the changes?");

class WindowLoading : public VistalsWindowTest {
protected:
    void SetUp() override { start(); }
    QString path(const QString& name) { return folder.path(name); }
};

}  // namespace

TEST_F(WindowLoading, LoadGridsAppendsTheFirstChosenFileLastAndLoadsIt) {
    const QString a = file("a.asc", asciiGrid(1));
    const QString b = file("b.asc", asciiGrid(2));
    const QString c = file("c.asc", asciiGrid(3));
    dialogs.openAnswers.push_back({a, b, c});
    action("miLoadGrids")->trigger();
    ASSERT_EQ(list()->count(), 3);
    EXPECT_EQ(list()->item(0)->text(), b);
    EXPECT_EQ(list()->item(1)->text(), c);
    EXPECT_EQ(list()->item(2)->text(), a);
    EXPECT_EQ(dialogs.callsOf("open").at(0).detail, "*.*");
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(document.FileName, b);
    EXPECT_EQ(field("edtNCols")->text(), "3");
    EXPECT_EQ(field("edtNRows")->text(), "2");
    EXPECT_EQ(field("edtCellCount")->text(), "6");
    EXPECT_EQ(field("edtMin")->text(), "2");
    EXPECT_EQ(field("edtAverage")->text(), "4.5");
    EXPECT_EQ(field("edtFileFormat")->text(), "Grid (ASCII)");
    EXPECT_TRUE(action("miSaveGrid")->isEnabled());
}

TEST_F(WindowLoading, CancelOnTheSwitchQuestionKeepsGridAndSelection) {
    add(file("a.asc", asciiGrid(1)));
    add(file("b.asc", asciiGrid(2)));
    click(0);
    document.Modified = true;
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Cancel);
    click(1);
    const auto questions = dialogs.callsOf("question");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text, switchQuestion);
    EXPECT_EQ(questions[0].caption, "show another grid");
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(document.Values->at(0, 0), 1);
    EXPECT_TRUE(document.Modified);
    EXPECT_TRUE(list()->isEnabled());
    // The switch has ended: the next click asks again and loads.
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    click(1);
    EXPECT_EQ(document.FileName, path("b.asc"));
}

TEST_F(WindowLoading, YesOnTheSwitchQuestionSavesTheOldGridFirst) {
    add(file("a.asc", asciiGrid(1)));
    add(file("b.asc", asciiGrid(2)));
    click(0);
    document.Values->at(0, 0) = 42;
    document.Modified = true;
    const QString saved = path("saved.asc");
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    dialogs.saveAnswers.push_back(saved);
    click(1);
    const auto saves = dialogs.callsOf("save");
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].caption, "Save grid as");
    EXPECT_EQ(saves[0].text, list()->item(0)->text());
    EXPECT_EQ(saves[0].detail, "Grid-Dateien (*.grd)|*.grd|Alle Dateien (*.*)|*.*");
    EXPECT_TRUE(fileBytes(saved).contains("          42\t2\t3\t\r\n"));
    EXPECT_EQ(document.Values->at(0, 0), 2);
    EXPECT_FALSE(document.Modified);
}

TEST_F(WindowLoading, ImplausibleHeaderAsksAndNoRemovesTheEntry) {
    add(file("odd.asc", asciiGrid(1, "-999999")));
    add(file("b.asc", asciiGrid(2)));
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    click(0);
    const auto questions = dialogs.callsOf("question");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text, "Attention: the input file \"\n" + path("odd.asc") +
                                     "\" may not be a grid. Load anyway?");
    EXPECT_EQ(questions[0].caption, "Input file is not a valid grid");
    EXPECT_EQ(questions[0].detail, "YesNo");
    ASSERT_EQ(list()->count(), 1);
    EXPECT_FALSE(document.hasValues());
    EXPECT_TRUE(dialogs.callsOf("message").empty());

    add(file("odd2.asc", asciiGrid(5, "-999999")));
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    click(1);
    ASSERT_TRUE(document.hasValues());
    EXPECT_EQ(field("edtNodata")->text(), "-999999");
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
    EXPECT_EQ(field("edtFileFormat")->text(), "not recognized");
    EXPECT_FALSE(document.hasValues());

    click(1);
    messages = dialogs.callsOf("message");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_FALSE(messages[1].text.isEmpty());
    EXPECT_FALSE(document.hasValues());
    EXPECT_TRUE(field("edtNCols")->text().isEmpty());
    EXPECT_TRUE(list()->isEnabled());
}

TEST_F(WindowLoading, StackLevelsStepWithTheControlsAndKeys) {
    add(file("stack.asc", asciiStack()));
    click(0);
    EXPECT_EQ(field("edtFileFormat")->text(), "Stack (ASCII)");
    EXPECT_TRUE(levels()->isEnabled());
    EXPECT_EQ(levels()->maximum(), 2);
    EXPECT_EQ(control<QLabel>("lblStacklayers")->text(), "(max: 2)");
    EXPECT_FALSE(action("miSaveGrid")->isEnabled());
    // Statistics describe the shown level 0 right after loading.
    EXPECT_EQ(field("edtMax")->text(), "3");

    QTest::keyClick(list(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(levels()->position(), 1);
    EXPECT_EQ(document.Values->at(0, 0), 10);
    EXPECT_EQ(field("edtMin")->text(), "10");
    QTest::keyClick(list(), Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(list(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(levels()->position(), 2);
    EXPECT_EQ(field("edtMin")->text(), "20");
    QTest::keyClick(list(), Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(field("edtMin")->text(), "10");
    // The window sees the keys first: they step levels wherever the focus is.
    QTest::keyClick(field("edtNodata"), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(field("edtMin")->text(), "20");
    QTest::keyClick(field("edtNodata"), Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(field("edtMin")->text(), "10");

    // A level typed into the edit is shown when the edit is left.
    QLineEdit* level = field("edtStacklevel");
    level->setFocus();
    level->selectAll();
    QTest::keyClicks(level, "0");
    QTest::keyClick(level, Qt::Key_Return);
    EXPECT_EQ(field("edtMin")->text(), "0");
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(WindowLoading, ChangedLevelAsksAndYesSavesThatLevel) {
    add(file("stack.asc", asciiStack()));
    click(0);
    levels()->stepUp();
    document.Values->at(0, 0) = 99;
    document.Modified = true;
    const QString saved = path("level1.asc");
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    dialogs.saveAnswers.push_back(saved);
    levels()->stepUp();
    const auto questions = dialogs.callsOf("question");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text,
              switchQuestion + "\nAttention: only the actual level\nwill be saved as grid");
    EXPECT_EQ(questions[0].caption, "show another level");
    EXPECT_TRUE(fileBytes(saved).startsWith("ncols        2\r\n"));
    EXPECT_TRUE(fileBytes(saved).contains("          99\t11\t\r\n12\t13\t\r\n"));
    EXPECT_EQ(document.Values->at(0, 0), 20);

    // Cancel keeps the level shown and puts the control back on it.
    document.Modified = true;
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Cancel);
    levels()->stepDown();
    EXPECT_EQ(levels()->position(), 2);
    EXPECT_EQ(document.Values->at(0, 0), 20);
}

TEST_F(WindowLoading, SaveGridPromptsAndWritesTheNodataField) {
    const QString source = file("a.asc", asciiGrid(1));
    QByteArray withNodata = asciiGrid(1);
    withNodata.replace("1 2 3", "1 -9999 3");
    const QString path = file("n.asc", withNodata);
    add(path);
    click(0);
    field("edtNodata")->setText("-1");
    const QString target = folder.path("out.asc");
    dialogs.inputAnswers.push_back(target);
    action("miSaveGrid")->trigger();
    const auto inputs = dialogs.callsOf("input");
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].caption, "Save");
    EXPECT_EQ(inputs[0].text, "Saving file");
    EXPECT_EQ(inputs[0].detail, path);
    const QByteArray written = fileBytes(target);
    EXPECT_TRUE(written.contains("nodata_value -1\r\n"));
    EXPECT_TRUE(written.contains("           1\t-1\t3\t\r\n"));
    EXPECT_EQ(document.header.nodata_value, -9999);
    (void)source;
}

TEST_F(WindowLoading, FailedSaveIsReportedAndKeepsTheOldFile) {
    add(file("a.asc", asciiGrid(1)));
    click(0);
    dialogs.saveAnswers.push_back(path("missing-folder/out.asc"));
    action("miSaveGridAs")->trigger();
    const auto messages = dialogs.callsOf("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "save error");
}

TEST_F(WindowLoading, ClosingWithChangesAsksAndCancelKeepsTheWindow) {
    add(file("a.asc", asciiGrid(1)));
    click(0);
    document.Modified = true;
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Cancel);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(document.hasValues());
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    EXPECT_TRUE(window.close());
    const auto questions = dialogs.callsOf("question");
    ASSERT_EQ(questions.size(), 2u);
    // The question is about closing, not about showing another grid.
    EXPECT_EQ(questions[0].caption, "Exit");
    EXPECT_EQ(questions[0].text, switchQuestion);
}

TEST_F(WindowLoading, ExitWithChangesAsksForClosing) {
    add(file("a.asc", asciiGrid(1)));
    click(0);
    document.Modified = true;
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Cancel);
    action("miExit")->trigger();
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(dialogs.callsOf("question").size(), 1u);
    EXPECT_EQ(dialogs.callsOf("question")[0].caption, "Exit");
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    action("miExit")->trigger();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(WindowLoading, DeletingTheLastEntryClearsTheStatisticsFields) {
    add(file("a.asc", asciiGrid(1)));
    click(0);
    ASSERT_EQ(text("edtCellCount"), "6");
    QTest::keyClick(list(), Qt::Key_Delete);
    ASSERT_EQ(list()->count(), 0);
    for (const char* name :
         {"edtNCols", "edtNRows", "edtXLL", "edtYLL", "edtCellSize", "edtNodata", "edtCellCount",
          "edtMin", "edtMax", "edtSum", "edtAverage", "edtStdDev", "edtFileFormat"})
        EXPECT_TRUE(text(name).isEmpty()) << name << " " << qPrintable(text(name));
}

TEST_F(WindowLoading, SaveGridIsAvailableOnlyWhileAPlainGridIsShown) {
    EXPECT_FALSE(action("miSaveGrid")->isEnabled());
    add(file("a.asc", asciiGrid(1)));
    add(file("stack.asc", asciiStack()));
    add(path("missing.asc"));
    click(0);
    EXPECT_TRUE(action("miSaveGrid")->isEnabled());
    click(1);
    EXPECT_FALSE(action("miSaveGrid")->isEnabled());
    click(0);
    EXPECT_TRUE(action("miSaveGrid")->isEnabled());
    click(2);
    EXPECT_FALSE(action("miSaveGrid")->isEnabled());
    click(0);
    list()->setCurrentRow(0);
    QTest::keyClick(list(), Qt::Key_Delete);
    // The stack that moved up into row 0 is loaded now.
    EXPECT_EQ(document.FileName, path("stack.asc"));
    EXPECT_FALSE(action("miSaveGrid")->isEnabled());
}

TEST_F(WindowLoading, AFailedLoadLeavesNoLevelToStepTo) {
    add(file("stack.asc", asciiStack()));
    add(path("missing.asc"));
    click(0);
    levels()->stepUp();
    ASSERT_EQ(levels()->position(), 1);
    click(1);
    ASSERT_EQ(dialogs.callsOf("message").size(), 1u);
    EXPECT_FALSE(levels()->isEnabled());
    EXPECT_EQ(levels()->position(), 0);
    EXPECT_EQ(field("edtStacklevel")->text(), "0");
    EXPECT_TRUE(field("edtFileFormat")->text().isEmpty());
    EXPECT_TRUE(field("edtMin")->text().isEmpty());
    click(0);
    EXPECT_TRUE(document.IsStack);
    EXPECT_TRUE(levels()->isEnabled());
}

TEST_F(WindowLoading, ImplausibleLastEntryDeclinedSelectsTheEntryBeforeWithoutLoadingIt) {
    add(file("a.asc", asciiGrid(1)));
    add(file("odd.asc", asciiGrid(1, "-999999")));
    click(0);
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    click(1);
    ASSERT_EQ(list()->count(), 1);
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_FALSE(document.hasValues());
    EXPECT_TRUE(list()->isEnabled());
    // Nothing is left half-done: a click on the entry loads and paints it.
    click(0);
    ASSERT_TRUE(document.hasValues());
    EXPECT_EQ(text("edtNCols"), "3");
    EXPECT_NE(pixel(QPoint(1, 1)), 0xC0C0C0u);
}

TEST_F(WindowLoading, ChangesThatCouldNotBeSavedAreKept) {
    add(file("a.asc", asciiGrid(1)));
    add(file("b.asc", asciiGrid(2)));
    click(0);
    document.Values->at(0, 0) = 42;
    document.Modified = true;
    const QString unwritable = path("missing-folder/out.asc");

    // Switching grids: the save fails, the changed grid stays shown and selected.
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    dialogs.saveAnswers.push_back(unwritable);
    click(1);
    ASSERT_EQ(dialogs.callsOf("message").size(), 1u);
    EXPECT_EQ(dialogs.callsOf("message")[0].caption, "save error");
    EXPECT_EQ(document.Values->at(0, 0), 42);
    EXPECT_TRUE(document.Modified);
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_TRUE(list()->isEnabled());

    // Deleting the entry: kept as well.
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    dialogs.saveAnswers.push_back(unwritable);
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(list()->count(), 2);
    EXPECT_EQ(document.Values->at(0, 0), 42);

    // Closing: the window stays open.
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    dialogs.saveAnswers.push_back(unwritable);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(document.Modified);

    // Yes, then cancelling the save dialog: nothing was written, so nothing is dropped.
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    dialogs.saveAnswers.push_back(std::nullopt);
    click(1);
    EXPECT_EQ(document.Values->at(0, 0), 42);
    EXPECT_EQ(list()->currentRow(), 0);
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    dialogs.saveAnswers.push_back(std::nullopt);
    EXPECT_FALSE(window.close());
    EXPECT_EQ(dialogs.unanswered, 0);
}

TEST_F(WindowLoading, DeleteAnsweredNoDropsTheChangesAndLoadsTheNextEntry) {
    add(file("a.asc", asciiGrid(1)));
    add(file("b.asc", asciiGrid(2)));
    click(0);
    document.Modified = true;
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_TRUE(dialogs.callsOf("save").empty());
    ASSERT_EQ(list()->count(), 1);
    EXPECT_EQ(document.FileName, path("b.asc"));
    EXPECT_FALSE(document.Modified);

    // Deleting the only entry with changes and No: nothing is left to ask about on closing.
    document.Modified = true;
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(list()->count(), 0);
    EXPECT_FALSE(document.hasValues());
    EXPECT_TRUE(window.close());
    EXPECT_EQ(dialogs.callsOf("question").size(), 2u);
}

TEST_F(WindowLoading, MovingTheListSelectionWithTheKeysLoadsTheEntry) {
    add(file("a.asc", asciiGrid(1)));
    add(file("b.asc", asciiGrid(2)));
    add(file("c.asc", asciiGrid(3)));
    click(0);
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(list()->currentRow(), 1);
    EXPECT_EQ(document.FileName, path("b.asc"));
    QTest::keyClick(list(), Qt::Key_End);
    EXPECT_EQ(document.FileName, path("c.asc"));
    QTest::keyClick(list(), Qt::Key_Up);
    EXPECT_EQ(document.FileName, path("b.asc"));
    // Plain Left and Right move through the one-column list as well.
    QTest::keyClick(list(), Qt::Key_Left);
    EXPECT_EQ(document.FileName, path("a.asc"));
    QTest::keyClick(list(), Qt::Key_Right);
    EXPECT_EQ(document.FileName, path("b.asc"));

    // With changes, the question comes first; Cancel keeps the grid and its entry.
    document.Modified = true;
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Cancel);
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(dialogs.callsOf("question").size(), 1u);
    EXPECT_EQ(list()->currentRow(), 1);
    EXPECT_EQ(document.FileName, path("b.asc"));
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
    ASSERT_EQ(text("edtFileFormat"), "Grid (double prec.)");
    field("edtNodata")->setText("-1");
    const QString target = path("out.grd");

    // No: nothing is written.
    dialogs.saveAnswers.push_back(target);
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    action("miSaveGridAs")->trigger();
    auto questions = dialogs.callsOf("question");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].caption, "Save grid");
    EXPECT_TRUE(questions[0].text.contains(target)) << questions[0].text.toStdString();
    EXPECT_TRUE(questions[0].text.contains(notRecognisedAgain)) << questions[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(target));

    // Yes: written as asked, with -1 in the header's nodata place.
    dialogs.saveAnswers.push_back(target);
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    action("miSaveGridAs")->trigger();
    ASSERT_EQ(dialogs.callsOf("question").size(), 2u);
    const QByteArray written = fileBytes(target);
    ASSERT_EQ(written.size(), 96 + 6 * 8);
    double nodata = 0;
    std::memcpy(&nodata, written.constData() + 40, sizeof nodata);
    EXPECT_EQ(nodata, -1);

    // Save Grid asks as well; with -9999 nothing is asked.
    dialogs.inputAnswers.push_back(path("other.grd"));
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    action("miSaveGrid")->trigger();
    EXPECT_EQ(dialogs.callsOf("question").size(), 3u);
    EXPECT_FALSE(QFile::exists(path("other.grd")));
    field("edtNodata")->setText("-9999");
    dialogs.saveAnswers.push_back(path("plain.grd"));
    action("miSaveGridAs")->trigger();
    EXPECT_EQ(dialogs.callsOf("question").size(), 3u);
    EXPECT_TRUE(QFile::exists(path("plain.grd")));
    EXPECT_TRUE(dialogs.callsOf("message").empty());
    EXPECT_EQ(dialogs.unanswered, 0);
}

TEST_F(WindowLoading, TheNodataFieldIsWrittenOnlyWhenItIsAWholeNumber) {
    QByteArray withNodata = asciiGrid(1);
    withNodata.replace("1 2 3", "1 -9999 3");
    add(file("n.asc", withNodata));
    click(0);
    // The user pastes into the Nodata field: the keys go to the field, not to the menu's
    // Ctrl+V (Invert Palette).
    QLineEdit* nodata = field("edtNodata");
    nodata->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("-99992:2:202;"));
    QTest::keyClick(nodata, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(nodata, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(nodata->text(), "-99992:2:202;");
    EXPECT_TRUE(action("miNodataTransparent")->isChecked());  // Ctrl+A selected the text
    const QRgb lowest = control<PaintBox>("LegendBox0")->canvas().pixel(5, 3);

    // Save Grid and Save As refuse it, naming the text; nothing is written.
    const QString target = path("out.asc");
    dialogs.inputAnswers.push_back(target);
    QTest::keyClick(nodata, Qt::Key_S, Qt::ControlModifier);
    dialogs.saveAnswers.push_back(target);
    action("miSaveGridAs")->trigger();
    EXPECT_EQ(control<PaintBox>("LegendBox0")->canvas().pixel(5, 3), lowest);
    EXPECT_FALSE(QFile::exists(target));
    auto messages = dialogs.callsOf("message");
    ASSERT_EQ(messages.size(), 2u);
    for (const auto& message : messages) {
        EXPECT_EQ(message.caption, "Save grid");
        EXPECT_EQ(message.detail, "error");
        EXPECT_TRUE(message.text.contains("\"-99992:2:202;\"")) << qPrintable(message.text);
    }

    // Neither do texts with a number at their start only, nan, infinity or nothing.
    for (const char* text : {"-1 m", "nan", "-inf", "", "1e999"}) {
        nodata->setText(QString::fromLatin1(text));
        dialogs.saveAnswers.push_back(target);
        action("miSaveGridAs")->trigger();
        EXPECT_FALSE(QFile::exists(target)) << text;
    }
    EXPECT_EQ(dialogs.callsOf("message").size(), 7u);

    // A number with blanks around it is taken.
    nodata->setText(QStringLiteral(" -1 "));
    dialogs.saveAnswers.push_back(target);
    action("miSaveGridAs")->trigger();
    const QByteArray written = fileBytes(target);
    EXPECT_TRUE(written.contains("nodata_value -1\r\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("           1\t-1\t3\t\r\n")) << written.toStdString();
    EXPECT_EQ(dialogs.callsOf("message").size(), 7u);
}

TEST_F(WindowLoading, ARefusedNodataFieldKeepsTheChangesOnSwitching) {
    add(file("a.asc", asciiGrid(1)));
    add(file("b.asc", asciiGrid(2)));
    click(0);
    document.Modified = true;
    field("edtNodata")->setText(QStringLiteral("none"));
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    dialogs.saveAnswers.push_back(path("out.asc"));
    click(1);
    EXPECT_EQ(dialogs.callsOf("message").size(), 1u);
    EXPECT_FALSE(QFile::exists(path("out.asc")));
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_TRUE(document.Modified);
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
        action("miSaveGridAs")->trigger();
    }
    const auto messages = dialogs.callsOf("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "save error");
    EXPECT_TRUE(messages[0].text.contains(FileSizeLimit::reason()))
        << messages[0].text.toStdString();
    EXPECT_EQ(fileBytes(target), "the old contents");
}

TEST_F(WindowLoading, SpecialFilesAreRefusedWithAMessage) {
    const QString fifo = path("pipe.asc");
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
    EXPECT_FALSE(document.hasValues());
    EXPECT_TRUE(text("edtNCols").isEmpty());
    EXPECT_TRUE(list()->isEnabled());
    // The switch has ended: the first entry loads again at a click.
    click(0);
    EXPECT_EQ(document.Values->at(0, 0), 1);
}

namespace {

// A north-up GeoTIFF of 3 × 2 cells (10 m, lower left at 100, 200) written through GDAL, with
// 2.5, 3.5, ... in its one band and -1 as nodata in the second cell.
QString geoTiff(const QString& path) {
    GDALAllRegister();
    GDALDataset* dataset = GetGDALDriverManager()->GetDriverByName("GTiff")->Create(
        path.toUtf8().constData(), 3, 2, 1, GDT_Float32, nullptr);
    double transform[6] = {100, 10, 0, 220, 0, -10};
    dataset->SetGeoTransform(transform);
    GDALRasterBand* band = dataset->GetRasterBand(1);
    band->SetNoDataValue(-1);
    double values[6] = {2.5, -1, 4.5, 5.5, 6.5, 7.5};
    const CPLErr written =
        band->RasterIO(GF_Write, 0, 0, 3, 2, values, 3, 2, GDT_Float64, 0, 0, nullptr);
    GDALClose(GDALDataset::ToHandle(dataset));
    return written == CE_None ? path : QString();
}

}  // namespace

TEST_F(WindowLoading, OpenRasterLoadsAGeoTiffThatSaveAsWritesAsTheChosenGrid) {
    const QString tiff = geoTiff(path("dem.tif"));
    ASSERT_FALSE(tiff.isEmpty());
    dialogs.openAnswers.push_back({tiff});
    action("miOpenRaster")->trigger();
    ASSERT_EQ(dialogs.callsOf("open").size(), 1u);
    EXPECT_EQ(dialogs.callsOf("open").at(0).caption, "Open Raster");
    EXPECT_TRUE(dialogs.callsOf("open").at(0).detail.contains("*.tif;*.tiff"));
    ASSERT_EQ(list()->count(), 1);
    EXPECT_EQ(document.FileName, tiff);
    EXPECT_EQ(field("edtFileFormat")->text(), "GDAL raster");
    EXPECT_EQ(field("edtNCols")->text(), "3");
    EXPECT_EQ(field("edtYLL")->text(), "200");
    EXPECT_EQ(field("edtCellSize")->text(), "10");
    EXPECT_EQ(field("edtNodata")->text(), "-1");
    EXPECT_EQ(field("edtCellCount")->text(), "5");
    EXPECT_EQ(field("edtMax")->text(), "7.5");
    // Never written back into the raster.
    EXPECT_FALSE(action("miSaveGrid")->isEnabled());
    const QString saved = path("dem.asc");
    dialogs.saveAnswers.push_back(saved);
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    action("miSaveGridAs")->trigger();
    ASSERT_EQ(dialogs.callsOf("question").size(), 1u);
    EXPECT_EQ(dialogs.callsOf("question")[0].caption, "Save grid as");
    EXPECT_TRUE(fileBytes(saved).startsWith("ncols        3"));
    EXPECT_TRUE(fileBytes(saved).contains("nodata_value -1"));
    EXPECT_EQ(fileBytes(tiff).left(2), "II");

    // No: a binary grid of doubles, which reads back with the raster's values (written with
    // the nodata value that binary grids are recognised by).
    field("edtNodata")->setText("-9999");
    const QString binary = path("dem.bin");
    dialogs.saveAnswers.push_back(binary);
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    action("miSaveGridAs")->trigger();
    GridDocument back;
    loadGrid(back, binary);
    EXPECT_EQ(back.Format, GridFileFormat::DoubleGrid);
    EXPECT_EQ(back.header.yllcorner, 200);
    EXPECT_EQ(back.Values->at(1, 2), 7.5);
    EXPECT_EQ(back.Values->at(0, 1), -9999);
    EXPECT_EQ(back.statistics.CellCount, 5);

    // Cancel writes nothing.
    const QString cancelled = path("none.asc");
    dialogs.saveAnswers.push_back(cancelled);
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Cancel);
    action("miSaveGridAs")->trigger();
    EXPECT_FALSE(QFileInfo::exists(cancelled));
    EXPECT_EQ(fileBytes(tiff).left(2), "II");
}

TEST_F(WindowLoading, FilesDroppedOnTheWindowAreListedAndTheFirstIsLoaded) {
    add(file("a.asc", asciiGrid(1)));
    click(0);
    const QString tiff = geoTiff(path("dropped.tif"));
    const QString grid = file("b.asc", asciiGrid(5));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(tiff), QUrl::fromLocalFile(grid)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    ASSERT_EQ(list()->count(), 3);
    EXPECT_EQ(list()->item(1)->text(), tiff);
    EXPECT_EQ(list()->item(2)->text(), grid);
    EXPECT_EQ(list()->currentRow(), 1);
    EXPECT_EQ(field("edtFileFormat")->text(), "GDAL raster");
    EXPECT_EQ(field("edtCellCount")->text(), "5");
}
