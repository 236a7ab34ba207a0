// The form's checks of typed numbers, of values that cannot be finite and of sizes that cannot
// fit, driven through the form as a user does.
#include <QClipboard>
#include <QFile>
#include <QRadioButton>

#include "CommaDecimalLocale.h"
#include "FieldGeneratorForm.h"
#include "FieldSize.h"
#include "FileSizeLimit.h"

namespace {

class FieldGeneratorFormChecks : public FieldGeneratorForm {
protected:
    // The texts of the messages shown so far.
    QStringList messages() const {
        QStringList texts;
        for (const auto& call : dialogs.callsOf(QStringLiteral("message"))) texts << call.text;
        return texts;
    }
    void expectNothingStarted() {
        EXPECT_EQ(form.startedCount(), 0);
        EXPECT_EQ(field("edtFileName")->text(), QStringLiteral("field.000"));
        EXPECT_EQ(form.generators().running(), 0);
        EXPECT_EQ(form.waitWindow(0), nullptr);
    }
};

}  // namespace

TEST_F(FieldGeneratorFormChecks, WhatTheTypingChecksLetStandGoTakesUnderACommaLocale) {
    CommaDecimalLocale german;
    SKIP_WITHOUT_COMMA_LOCALE(german);
    field("edtNumRows")->setText(QStringLiteral("6"));
    field("edtNumColumns")->setText(QStringLiteral("7"));
    // A comma after a number with a dot is no decimal separator any more: it goes.
    field("edtCorrLenY")->setFocus();
    field("edtCorrLenY")->end(false);
    QTest::keyClicks(field("edtCorrLenY"), QStringLiteral("5,3"));
    EXPECT_EQ(field("edtCorrLenY")->text(), QStringLiteral("0.0153"));
    // The locale's comma serves as the decimal separator, and so does the dot.
    typeInto(field("edtStdDeviation"), QStringLiteral("0,25"));
    EXPECT_EQ(field("edtStdDeviation")->text(), QStringLiteral("0,25"));
    typeInto(field("edtCorrLenX"), QStringLiteral("0.05"));
    EXPECT_EQ(field("edtCorrLenX")->text(), QStringLiteral("0.05"));
    // Grouped thousands are no number that Go would take.
    typeInto(field("edtAverage"), QStringLiteral("1.000,5"));
    EXPECT_EQ(field("edtAverage")->text(), QStringLiteral("1.0005"));
    button("btnGo")->setFocus();
    go();
    EXPECT_TRUE(messages().isEmpty()) << qPrintable(messages().join(QLatin1Char('\n')));
    EXPECT_TRUE(written("field.000").startsWith("ncols        7\r\nnrows        6\r\n"));
}

TEST_F(FieldGeneratorFormChecks, APasteThatIsNoNumberLeavesTheNumberThatWasThere) {
    QGuiApplication::clipboard()->setText(QString(30000, QLatin1Char('x')));
    field("edtAverage")->setFocus();
    field("edtAverage")->setText(QStringLiteral("12"));
    QTest::keyClick(field("edtAverage"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field("edtAverage")->text(), QStringLiteral("12"));
    // Characters go from the caret back until a number is left, as if typed one by one.
    QGuiApplication::clipboard()->setText(QStringLiteral("3x4y"));
    field("edtCellSize")->setFocus();
    field("edtCellSize")->selectAll();
    QTest::keyClick(field("edtCellSize"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field("edtCellSize")->text(), QStringLiteral("3"));
}

TEST_F(FieldGeneratorFormChecks, ParametersThatCannotGiveFiniteValuesStartNoGenerator) {
    control<QRadioButton>("rdLogarithmic")->click();
    field("edtAverage")->setText(QStringLiteral("400"));
    go();
    control<QRadioButton>("rdNormal")->click();
    field("edtAverage")->setText(QStringLiteral("1e308"));
    field("edtStdDeviation")->setText(QStringLiteral("1e308"));
    go();
    field("edtAverage")->setText(QStringLiteral("0"));
    field("edtStdDeviation")->setText(QStringLiteral("1"));
    field("edtCorrLenX")->setText(QStringLiteral("1e-310"));
    go();
    const QStringList shown = messages();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_TRUE(shown[0].contains(QStringLiteral("308.25"))) << qPrintable(shown[0]);
    EXPECT_TRUE(shown[1].contains(QStringLiteral("infinite"))) << qPrintable(shown[1]);
    EXPECT_TRUE(shown[2].contains(QStringLiteral("correlation length in x must be at least")))
        << qPrintable(shown[2]);
    expectNothingStarted();
    EXPECT_FALSE(QFile::exists(folder.path(QStringLiteral("field.000"))));
}

TEST_F(FieldGeneratorFormChecks, AFieldWithInfiniteValuesIsReportedAndNotWritten) {
    // 10^300 is finite, but cells a little beyond one standard deviation are not.
    QFile old(folder.path(QStringLiteral("field.000")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old grid");
    old.close();
    useInitValue("7");
    field("edtNumRows")->setText(QStringLiteral("30"));
    field("edtNumColumns")->setText(QStringLiteral("30"));
    control<QRadioButton>("rdLogarithmic")->click();
    field("edtStdDeviation")->setText(QStringLiteral("300"));
    go();
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0], fieldNotFiniteText(QStringLiteral("field.000")));
    EXPECT_EQ(written("field.000"), QByteArray("old grid"));
    EXPECT_EQ(form.generators().running(), 0);
    EXPECT_EQ(form.waitWindow(0), nullptr);
}

TEST_F(FieldGeneratorFormChecks, AGridFileThatCannotFitIsRefusedWithBothSizes) {
    field("edtNumRows")->setText(QStringLiteral("999"));
    field("edtNumColumns")->setText(QStringLiteral("999"));
    {
        // No file of more than 100 000 bytes may be written: a 999 × 999 grid needs ~10 MB.
        FileSizeLimit limit(100000);
        go();
    }
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].contains(QStringLiteral("100000 bytes")))
        << qPrintable(messages()[0]);
    EXPECT_TRUE(messages()[0].contains(
        QStringLiteral("%1 bytes")
            .arg(gridFileBytes(FieldParameters{QStringLiteral("field.000"), 999, 999}))));
    expectNothingStarted();
}
