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
#include <cerrno>
#include <cstring>
#include <ctime>

#include "FieldGenTesting.h"
#include "FieldGeneratorForm.h"
#include "ScriptedDialogs.h"
#include "StandInOpener.h"
#include "TCGauge.h"

TEST_F(FieldGeneratorForm, ControlsCarryTheirCaptionsDefaultsAndHints) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Field Generator v 2.1"));
    EXPECT_EQ(field("edtFileName")->text(), QStringLiteral("field.000"));
    EXPECT_EQ(field("edtNumRows")->maxLength(), 3);
    EXPECT_EQ(field("edtCorrLenY")->text(), QStringLiteral("0.01"));
    EXPECT_FALSE(field("edtInitValue")->isEnabled());
    EXPECT_TRUE(control<QRadioButton>("rdNormal")->isChecked());
    EXPECT_TRUE(field("edtRunning")->isReadOnly());
    EXPECT_EQ(control<ElidingLabel>("pnlHint")->text(), QStringLiteral("Help"));
    EXPECT_EQ(form.focusWidget(), field("edtFileName"));

    EXPECT_EQ(field("edtFileName")->property("hint").toString(),
              QStringLiteral("Gridname | Geben Sie den Namen für das zu erzeugende Grid ein"));
    // The rows edit carries the columns' hint, as stored.
    EXPECT_EQ(field("edtNumRows")->property("hint"), field("edtNumColumns")->property("hint"));
    EXPECT_EQ(button("btnGo")->toolTip(), QStringLiteral("starts field generator"));
    EXPECT_EQ(field("edtCorrLenX")->statusTip(),
              QStringLiteral("Correlation Length in x direction"));
    const std::vector<std::pair<QWidget*, int>> contexts{
        {field("edtFileName"), 1},
        {button("btnFileDialog"), 2},
        {field("edtNumRows"), 3},
        {field("edtCorrLenY"), 12},
        {control<QGroupBox>("rdgrpDistributionType"), 15},
        {field("edtRunning"), 16},
        {button("btnGo"), 17},
        {button("btnClose"), 18},
        {button("btnHelp"), 19}};
    for (const auto& [control, context] : contexts)
        EXPECT_EQ(control->property("helpContext").toInt(), context) << context;

    // The long part of a hint goes to status panel 0.
    QStatusTipEvent tip(field("edtFileName")->statusTip());
    QApplication::sendEvent(field("edtFileName"), &tip);
    EXPECT_EQ(control<ElidingLabel>("pnlHint")->text(),
              QStringLiteral(" Geben Sie den Namen für das zu erzeugende Grid ein"));
}

TEST_F(FieldGeneratorForm, StartsWriteANumberedSeriesOfFields) {
    go();
    EXPECT_TRUE(written("field.000")
                    .startsWith("ncols        100\r\nnrows        100\r\n"
                                "xll          0\r\nyll          0\r\n"
                                "cs           100\r\nnodata_value -9999\r\n"));
    EXPECT_EQ(field("edtFileName")->text(), QStringLiteral("field.001"));
    EXPECT_EQ(field("edtRunning")->text(), QStringLiteral("0"));
    EXPECT_EQ(control<QLabel>("pnlRunning")->text(), QStringLiteral("Running 0"));
    EXPECT_EQ(form.waitWindow(0), nullptr);
    EXPECT_EQ(form.focusWidget(), button("btnClose"));
    go();
    EXPECT_FALSE(written("field.001").isEmpty());
    EXPECT_EQ(field("edtFileName")->text(), QStringLiteral("field.002"));
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(FieldGeneratorForm, ReturnMovesTheFocusOnAndStartsOnlyOnTheGoButton) {
    field("edtFileName")->setFocus();
    QTest::keyClick(field("edtFileName"), Qt::Key_Return);
    EXPECT_EQ(form.focusWidget(), field("edtNumRows"));
    QTest::keyClick(field("edtNumRows"), Qt::Key_Return);
    EXPECT_EQ(form.focusWidget(), field("edtNumColumns"));
    control<QCheckBox>("chkbxInitValue")->setFocus();
    QTest::keyClick(control<QCheckBox>("chkbxInitValue"), Qt::Key_Return);
    EXPECT_EQ(form.focusWidget(), field("edtFileName"));
    control<QCheckBox>("chkbxInitValue")->click();
    control<QCheckBox>("chkbxInitValue")->setFocus();
    QTest::keyClick(control<QCheckBox>("chkbxInitValue"), Qt::Key_Return);
    EXPECT_EQ(form.focusWidget(), field("edtInitValue"));
    QTest::keyClick(field("edtInitValue"), Qt::Key_Return);
    EXPECT_EQ(form.focusWidget(), field("edtFileName"));
    EXPECT_FALSE(QFile::exists(folder.path("field.000")));

    button("btnGo")->setFocus();
    EXPECT_EQ(button("btnGo")->text(), QStringLiteral("&Go"));
    QTest::keyClick(button("btnGo"), Qt::Key_Return);
    EXPECT_TRUE(QFile::exists(folder.path("field.000")));
    EXPECT_EQ(button("btnGo")->text(), TfrmFieldGenerator::goCaption());
}

TEST_F(FieldGeneratorForm, TheSameInitValueGivesTheSameFieldAndTheClockItsSecondsField) {
    useInitValue("42");
    go();
    go();
    EXPECT_EQ(written("field.000"), written("field.001"));
    control<QCheckBox>("chkbxInitValue")->click();
    EXPECT_FALSE(field("edtInitValue")->isEnabled());
    // Without an init value the clock's second seeds the field: the same second gives the same
    // field, the next second another one.
    std::time_t now = 1767225600;
    form.setClock([&now] { return now; });
    go();
    go();
    ++now;
    go();
    EXPECT_EQ(written("field.002"), written("field.003"));
    EXPECT_NE(written("field.003"), written("field.004"));
    EXPECT_NE(written("field.000"), written("field.002"));
    // The second serves as the init value would.
    now = 42;
    go();
    EXPECT_EQ(written("field.005"), written("field.000"));
}

TEST_F(FieldGeneratorForm, TheCommandLineWritesTheWindowsFieldForTheSameSeed) {
    useInitValue("4711");
    field("edtNumRows")->setText(QStringLiteral("37"));
    field("edtNumColumns")->setText(QStringLiteral("53"));
    field("edtAverage")->setText(QStringLiteral("1.5"));
    field("edtStdDeviation")->setText(QStringLiteral("0.25"));
    field("edtCorrLenX")->setText(QStringLiteral("0.05"));
    control<QRadioButton>("rdLogarithmic")->setChecked(true);
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
    field("edtNumRows")->setText(QStringLiteral("999"));
    field("edtNumColumns")->setText(QStringLiteral("999"));
    QString caption;
    int progress = -1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        TfrmWaitMessage* wait = form.waitWindow(0);
        if (wait == nullptr || wait->findChild<TCGauge*>()->Progress() < 2) return;
        watch.stop();
        caption = wait->windowTitle();
        progress = wait->findChild<TCGauge*>()->Progress();
        EXPECT_EQ(field("edtRunning")->text(), QStringLiteral("1"));
        wait->findChild<QPushButton*>(QStringLiteral("btnCancelGeneration"))->click();
    });
    watch.start(0);
    go();
    EXPECT_EQ(caption, QStringLiteral("field generator 0 field.000"));
    EXPECT_GE(progress, 2);
    EXPECT_LT(progress, 1000);
    EXPECT_FALSE(QFile::exists(folder.path("field.000")));
    EXPECT_EQ(form.generators().running(), 0);
    EXPECT_EQ(form.waitWindow(0), nullptr);

    field("edtNumRows")->setText(QStringLiteral("5"));
    go();
    EXPECT_TRUE(QFile::exists(folder.path("field.001")));
}

TEST_F(FieldGeneratorForm, TheTwentyFirstGeneratorIsRefusedAndCloseCancelsAll) {
    field("edtNumRows")->setText(QStringLiteral("500"));
    field("edtNumColumns")->setText(QStringLiteral("500"));
    int mostRunning = 0;
    QTimer starter;
    QObject::connect(&starter, &QTimer::timeout, [&] {
        mostRunning = std::max(mostRunning, form.generators().running());
        go();
        if (dialogs.calls.empty()) return;
        starter.stop();
        EXPECT_EQ(form.generators().running(), 20);
        EXPECT_EQ(field("edtRunning")->text(), QStringLiteral("20"));
        button("btnClose")->click();
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
    field("edtNumRows")->setText(QStringLiteral("0"));
    go();
    field("edtNumRows")->setText(QStringLiteral("10"));
    field("edtCorrLenY")->setText(QStringLiteral("0"));
    go();
    field("edtCorrLenY")->setText(QStringLiteral("-0.5"));
    go();
    ASSERT_EQ(dialogs.calls.size(), 3u);
    EXPECT_EQ(dialogs.calls[0].text,
              QStringLiteral("The number of rows must be at least 1 (it is 0)."));
    EXPECT_EQ(dialogs.calls[1].text,
              QStringLiteral("The correlation length in y must be greater than 0."));
    EXPECT_EQ(dialogs.calls[2].text, dialogs.calls[1].text);
    EXPECT_EQ(field("edtFileName")->text(), QStringLiteral("field.000"));
    EXPECT_EQ(form.startedCount(), 0);
    EXPECT_FALSE(QFile::exists(folder.path("field.000")));
}

TEST_F(FieldGeneratorForm, AFieldThatCannotBeWrittenIsReportedWithItsFileName) {
    const QString target = folder.path("missing/field.000");
    field("edtFileName")->setText(target);
    field("edtNumRows")->setText(QStringLiteral("4"));
    go();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_TRUE(dialogs.calls[0].text.contains(target)) << qPrintable(dialogs.calls[0].text);
    EXPECT_TRUE(dialogs.calls[0].text.contains(QStringLiteral("could not be written")));
    // The system's reason, which Kelvra leaves in errno.
    EXPECT_TRUE(dialogs.calls[0].text.contains(QString::fromLocal8Bit(std::strerror(ENOENT))))
        << qPrintable(dialogs.calls[0].text);
    EXPECT_EQ(form.generators().running(), 0);
}

TEST_F(FieldGeneratorForm, NumericEditsDropWhatIsNoNumberAndNeverStayEmpty) {
    field("edtAverage")->clear();
    EXPECT_EQ(field("edtAverage")->text(), QStringLiteral("0"));
    // A lone minus sign replacing the text is undone, and the empty edit becomes "0".
    field("edtAverage")->setFocus();
    field("edtAverage")->selectAll();
    QTest::keyClick(field("edtAverage"), Qt::Key_Minus);
    EXPECT_EQ(field("edtAverage")->text(), QStringLiteral("0"));
    // The sign typed in front of digits already there stays.
    field("edtAverage")->setText(QStringLiteral("5"));
    field("edtAverage")->setCursorPosition(0);
    QTest::keyClick(field("edtAverage"), Qt::Key_Minus);
    EXPECT_EQ(field("edtAverage")->text(), QStringLiteral("-5"));
    // A letter in the middle of a number goes, and the caret stays where it was.
    field("edtNumRows")->setFocus();
    field("edtNumRows")->setText(QStringLiteral("12"));
    field("edtNumRows")->setCursorPosition(1);
    QTest::keyClick(field("edtNumRows"), Qt::Key_X);
    EXPECT_EQ(field("edtNumRows")->text(), QStringLiteral("12"));
    EXPECT_EQ(field("edtNumRows")->cursorPosition(), 1);
    field("edtCorrLenX")->setFocus();
    field("edtCorrLenX")->end(false);
    QTest::keyClicks(field("edtCorrLenX"), ".5");
    EXPECT_EQ(field("edtCorrLenX")->text(), QStringLiteral("0.015"));
}

TEST_F(FieldGeneratorForm, TheDialogButtonsReachTheirServices) {
    dialogs.saveAnswers.push_back(QStringLiteral("/tmp/chosen.000"));
    button("btnFileDialog")->click();
    EXPECT_EQ(field("edtFileName")->text(), QStringLiteral("/tmp/chosen.000"));
    dialogs.saveAnswers.push_back(std::nullopt);
    button("btnFileDialog")->click();
    EXPECT_EQ(field("edtFileName")->text(), QStringLiteral("/tmp/chosen.000"));

    button("btnHelp")->click();
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
    auto* help = form.findChild<QPushButton*>(QStringLiteral("btnHelp"));
    auto* rows = form.findChild<QLineEdit*>(QStringLiteral("edtNumRows"));
    ASSERT_TRUE(help != nullptr && rows != nullptr);
    {
        const StandInOpener opener;
        help->click();
        QTest::keyClick(rows, Qt::Key_F1);
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
        help->click();
        ASSERT_TRUE(
            handleEventsUntil([&] { return !dialogs.callsOf(QStringLiteral("message")).empty(); }));
    }
    const auto message = dialogs.callsOf(QStringLiteral("message")).front();
    EXPECT_EQ(message.caption, QStringLiteral("Help"));
    EXPECT_TRUE(message.text.endsWith(QStringLiteral("/docs/guide/sorvek.html")));
    EXPECT_EQ(rows->text(), QStringLiteral("100"));  // F1 typed nothing
}
