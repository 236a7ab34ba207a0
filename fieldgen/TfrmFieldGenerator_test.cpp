#include "TfrmFieldGenerator.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusTipEvent>
#include <QTest>
#include <QThread>
#include <ctime>

#include "FieldGenTesting.h"
#include "FieldGeneratorForm.h"
#include "ScriptedDialogs.h"
#include "StandInOpener.h"
#include "TCGauge.h"

TEST_F(FieldGeneratorForm, ControlsCarryTheirCaptionsDefaultsAndHints) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Field Generator v 2.1"));
    EXPECT_EQ(form.edtFileName->text(), QStringLiteral("field.000"));
    EXPECT_EQ(form.edtNumRows->maxLength(), 3);
    EXPECT_EQ(form.edtCorrLenY->text(), QStringLiteral("0.01"));
    EXPECT_FALSE(form.edtInitValue->isEnabled());
    EXPECT_TRUE(form.rdNormal->isChecked());
    EXPECT_TRUE(form.edtRunning->isReadOnly());
    EXPECT_EQ(form.pnlHint->text(), QStringLiteral("Help"));
    EXPECT_EQ(form.focusWidget(), form.edtFileName);

    EXPECT_EQ(form.edtFileName->property("hint").toString(),
              QStringLiteral("Gridname | Geben Sie den Namen für das zu erzeugende Grid ein"));
    // The rows edit carries the columns' hint, as stored.
    EXPECT_EQ(form.edtNumRows->property("hint"), form.edtNumColumns->property("hint"));
    EXPECT_EQ(form.btnGo->toolTip(), QStringLiteral("starts field generator"));
    EXPECT_EQ(form.edtCorrLenX->statusTip(), QStringLiteral("Correlation Length in x direction"));
    const std::vector<std::pair<QWidget*, int>> contexts{{form.edtFileName, 1},
                                                         {form.btnFileDialog, 2},
                                                         {form.edtNumRows, 3},
                                                         {form.edtCorrLenY, 12},
                                                         {form.rdgrpDistributionType, 15},
                                                         {form.edtRunning, 16},
                                                         {form.btnGo, 17},
                                                         {form.btnClose, 18},
                                                         {form.btnHelp, 19}};
    for (const auto& [control, context] : contexts)
        EXPECT_EQ(control->property("helpContext").toInt(), context) << context;

    // The long part of a hint goes to status panel 0.
    QStatusTipEvent tip(form.edtFileName->statusTip());
    QApplication::sendEvent(form.edtFileName, &tip);
    EXPECT_EQ(form.pnlHint->text(),
              QStringLiteral(" Geben Sie den Namen für das zu erzeugende Grid ein"));
}

TEST_F(FieldGeneratorForm, StartsWriteANumberedSeriesOfFields) {
    go();
    EXPECT_TRUE(written("field.000")
                    .startsWith("ncols        100\r\nnrows        100\r\n"
                                "xll          0\r\nyll          0\r\n"
                                "cs           100\r\nnodata_value -9999\r\n"));
    EXPECT_EQ(form.edtFileName->text(), QStringLiteral("field.001"));
    EXPECT_EQ(form.edtRunning->text(), QStringLiteral("0"));
    EXPECT_EQ(form.pnlRunning->text(), QStringLiteral("Running 0"));
    EXPECT_EQ(form.waitWindow(0), nullptr);
    EXPECT_EQ(form.focusWidget(), form.btnClose);
    go();
    EXPECT_FALSE(written("field.001").isEmpty());
    EXPECT_EQ(form.edtFileName->text(), QStringLiteral("field.002"));
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(FieldGeneratorForm, ReturnMovesTheFocusOnAndStartsOnlyOnTheGoButton) {
    form.edtFileName->setFocus();
    QTest::keyClick(form.edtFileName, Qt::Key_Return);
    EXPECT_EQ(form.focusWidget(), form.edtNumRows);
    QTest::keyClick(form.edtNumRows, Qt::Key_Return);
    EXPECT_EQ(form.focusWidget(), form.edtNumColumns);
    form.chkbxInitValue->setFocus();
    QTest::keyClick(form.chkbxInitValue, Qt::Key_Return);
    EXPECT_EQ(form.focusWidget(), form.edtFileName);
    form.chkbxInitValue->click();
    form.chkbxInitValue->setFocus();
    QTest::keyClick(form.chkbxInitValue, Qt::Key_Return);
    EXPECT_EQ(form.focusWidget(), form.edtInitValue);
    QTest::keyClick(form.edtInitValue, Qt::Key_Return);
    EXPECT_EQ(form.focusWidget(), form.edtFileName);
    EXPECT_FALSE(QFile::exists(folder.path("field.000")));

    form.btnGo->setFocus();
    EXPECT_EQ(form.btnGo->text(), QStringLiteral("&Go"));
    QTest::keyClick(form.btnGo, Qt::Key_Return);
    EXPECT_TRUE(QFile::exists(folder.path("field.000")));
    EXPECT_EQ(form.btnGo->text(), TfrmFieldGenerator::goCaption());
}

TEST_F(FieldGeneratorForm, TheSameInitValueGivesTheSameFieldAndTheClockDifferentOnes) {
    useInitValue("42");
    go();
    go();
    EXPECT_EQ(written("field.000"), written("field.001"));
    form.chkbxInitValue->click();
    EXPECT_FALSE(form.edtInitValue->isEnabled());
    go();
    // The kernel reads the clock through time(), which may lag a finer clock by a tick.
    const std::time_t second = std::time(nullptr);
    while (std::time(nullptr) == second) QThread::msleep(20);
    go();
    EXPECT_NE(written("field.002"), written("field.003"));
    EXPECT_NE(written("field.000"), written("field.002"));
}

TEST_F(FieldGeneratorForm, TheCommandLineWritesTheWindowsFieldForTheSameSeed) {
    useInitValue("4711");
    form.edtNumRows->setText(QStringLiteral("37"));
    form.edtNumColumns->setText(QStringLiteral("53"));
    form.edtAverage->setText(QStringLiteral("1.5"));
    form.edtStdDeviation->setText(QStringLiteral("0.25"));
    form.edtCorrLenX->setText(QStringLiteral("0.05"));
    form.rdLogarithmic->setChecked(true);
    go();
    QProcess batch;
    batch.start(QStringLiteral(SORVEK_PROGRAM),
                {"--batch", "--rows", "37", "--cols", "53", "--average", "1.5", "--stddev", "0.25",
                 "--corrx", "0.05", "--seed", "4711", "--log", "batch.asc"});
    ASSERT_TRUE(batch.waitForFinished(60000));
    EXPECT_EQ(batch.exitCode(), 0);
    EXPECT_FALSE(written("field.000").isEmpty());
    EXPECT_EQ(written("batch.asc"), written("field.000"));
}

TEST_F(FieldGeneratorForm, ACancelledGeneratorLeavesNoFileAndFreesItsSlot) {
    form.edtNumRows->setText(QStringLiteral("999"));
    form.edtNumColumns->setText(QStringLiteral("999"));
    QString caption;
    int progress = -1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        TfrmWaitMessage* wait = form.waitWindow(0);
        if (wait == nullptr || wait->cggGauge->Progress() < 2) return;
        watch.stop();
        caption = wait->windowTitle();
        progress = wait->cggGauge->Progress();
        EXPECT_EQ(form.edtRunning->text(), QStringLiteral("1"));
        wait->btnCancelGeneration->click();
    });
    watch.start(0);
    go();
    EXPECT_EQ(caption, QStringLiteral("field generator 0 field.000"));
    EXPECT_GE(progress, 2);
    EXPECT_LT(progress, 1000);
    EXPECT_FALSE(QFile::exists(folder.path("field.000")));
    EXPECT_EQ(form.generators().running(), 0);
    EXPECT_EQ(form.waitWindow(0), nullptr);

    form.edtNumRows->setText(QStringLiteral("5"));
    go();
    EXPECT_TRUE(QFile::exists(folder.path("field.001")));
}

TEST_F(FieldGeneratorForm, TheTwentyFirstGeneratorIsRefusedAndCloseCancelsAll) {
    form.edtNumRows->setText(QStringLiteral("500"));
    form.edtNumColumns->setText(QStringLiteral("500"));
    int mostRunning = 0;
    QTimer starter;
    QObject::connect(&starter, &QTimer::timeout, [&] {
        mostRunning = std::max(mostRunning, form.generators().running());
        go();
        if (dialogs.calls.empty()) return;
        starter.stop();
        EXPECT_EQ(form.generators().running(), 20);
        EXPECT_EQ(form.edtRunning->text(), QStringLiteral("20"));
        form.btnClose->click();
    });
    starter.start(0);
    go();
    EXPECT_EQ(mostRunning, 20);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text,
              QStringLiteral("the maximum allowed number of field generators is already "
                             "running..."));
    EXPECT_EQ(dialogs.calls[0].caption, QStringLiteral("Field Generator v.2.1"));
    EXPECT_EQ(form.generators().running(), 0);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(QFile::exists(folder.path("field.000")));
    EXPECT_FALSE(QFile::exists(folder.path("field.019")));
}

TEST_F(FieldGeneratorForm, ParametersThatCannotMakeAFieldAreRefusedBeforeStarting) {
    form.edtNumRows->setText(QStringLiteral("0"));
    go();
    form.edtNumRows->setText(QStringLiteral("10"));
    form.edtCorrLenY->setText(QStringLiteral("0"));
    go();
    form.edtCorrLenY->setText(QStringLiteral("-0.5"));
    go();
    ASSERT_EQ(dialogs.calls.size(), 3u);
    EXPECT_EQ(dialogs.calls[0].text,
              QStringLiteral("The number of rows must be at least 1 (it is 0)."));
    EXPECT_EQ(dialogs.calls[1].text,
              QStringLiteral("The correlation length in y must be greater than 0."));
    EXPECT_EQ(dialogs.calls[2].text, dialogs.calls[1].text);
    EXPECT_EQ(form.edtFileName->text(), QStringLiteral("field.000"));
    EXPECT_EQ(form.startedCount(), 0);
    EXPECT_FALSE(QFile::exists(folder.path("field.000")));
}

TEST_F(FieldGeneratorForm, AFieldThatCannotBeWrittenIsReportedWithItsFileName) {
    const QString target = folder.path("missing/field.000");
    form.edtFileName->setText(target);
    form.edtNumRows->setText(QStringLiteral("4"));
    go();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_TRUE(dialogs.calls[0].text.contains(target)) << qPrintable(dialogs.calls[0].text);
    EXPECT_TRUE(dialogs.calls[0].text.contains(QStringLiteral("could not be written")));
    EXPECT_EQ(form.generators().running(), 0);
}

TEST_F(FieldGeneratorForm, NumericEditsDropWhatIsNoNumberAndNeverStayEmpty) {
    form.edtAverage->clear();
    EXPECT_EQ(form.edtAverage->text(), QStringLiteral("0"));
    // A lone minus sign replacing the text is undone, and the empty edit becomes "0".
    form.edtAverage->setFocus();
    form.edtAverage->selectAll();
    QTest::keyClick(form.edtAverage, Qt::Key_Minus);
    EXPECT_EQ(form.edtAverage->text(), QStringLiteral("0"));
    // The sign typed in front of digits already there stays.
    form.edtAverage->setText(QStringLiteral("5"));
    form.edtAverage->setCursorPosition(0);
    QTest::keyClick(form.edtAverage, Qt::Key_Minus);
    EXPECT_EQ(form.edtAverage->text(), QStringLiteral("-5"));
    // A letter in the middle of a number goes, and the caret stays where it was.
    form.edtNumRows->setFocus();
    form.edtNumRows->setText(QStringLiteral("12"));
    form.edtNumRows->setCursorPosition(1);
    QTest::keyClick(form.edtNumRows, Qt::Key_X);
    EXPECT_EQ(form.edtNumRows->text(), QStringLiteral("12"));
    EXPECT_EQ(form.edtNumRows->cursorPosition(), 1);
    form.edtCorrLenX->setFocus();
    form.edtCorrLenX->end(false);
    QTest::keyClicks(form.edtCorrLenX, ".5");
    EXPECT_EQ(form.edtCorrLenX->text(), QStringLiteral("0.015"));
}

TEST_F(FieldGeneratorForm, TheDialogButtonsReachTheirServices) {
    dialogs.saveAnswers.push_back(QStringLiteral("/tmp/chosen.000"));
    form.btnFileDialog->click();
    EXPECT_EQ(form.edtFileName->text(), QStringLiteral("/tmp/chosen.000"));
    dialogs.saveAnswers.push_back(std::nullopt);
    form.btnFileDialog->click();
    EXPECT_EQ(form.edtFileName->text(), QStringLiteral("/tmp/chosen.000"));

    form.btnHelp->click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0].isLocalFile());
    EXPECT_TRUE(opened[0].toLocalFile().endsWith(QStringLiteral("/sorvek.html")));
}

// Without a document opener of its own the form shows the guide with the desktop's opener, on
// the Help button and on F1, and tells where the guide is when nothing can show it.
TEST(FieldGeneratorHelp, OpensTheGuideWithTheDesktopOpenerOrTellsWhereItIs) {
    InTemporaryFolder folder;
    ScriptedDialogs dialogs;
    TfrmFieldGenerator form(dialogs, {});
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    {
        const StandInOpener opener;
        form.btnHelp->click();
        QTest::keyClick(form.edtNumRows, Qt::Key_F1);
        ASSERT_TRUE(handleEventsUntil([&] { return opener.opened().size() == 2; }));
        for (const QString& page : opener.opened()) {
            EXPECT_TRUE(page.endsWith(QStringLiteral("/docs/guide/sorvek.html")))
                << qPrintable(page);
            EXPECT_TRUE(QFileInfo(page).isFile());
        }
    }
    EXPECT_TRUE(dialogs.callsOf(QStringLiteral("message")).empty());
    {
        const StandInOpener missing(StandInOpener::Missing);
        form.btnHelp->click();
        ASSERT_TRUE(
            handleEventsUntil([&] { return !dialogs.callsOf(QStringLiteral("message")).empty(); }));
    }
    const auto message = dialogs.callsOf(QStringLiteral("message")).front();
    EXPECT_EQ(message.caption, QStringLiteral("Help"));
    EXPECT_TRUE(message.text.endsWith(QStringLiteral("/docs/guide/sorvek.html")));
    EXPECT_EQ(form.edtNumRows->text(), QStringLiteral("100"));  // F1 typed nothing
}
