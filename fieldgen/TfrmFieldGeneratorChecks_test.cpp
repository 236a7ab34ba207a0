// The form's checks of values that cannot be finite and of sizes that cannot fit, driven
// through the form as a user does.
#include <QFile>
#include <QRadioButton>

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
        EXPECT_EQ(form.edtFileName->text(), QStringLiteral("field.000"));
        EXPECT_EQ(form.generators().running(), 0);
        EXPECT_EQ(form.waitWindow(0), nullptr);
    }
};

}  // namespace

TEST_F(FieldGeneratorFormChecks, ParametersThatCannotGiveFiniteValuesStartNoGenerator) {
    form.rdLogarithmic->click();
    form.edtAverage->setText(QStringLiteral("400"));
    go();
    form.rdNormal->click();
    form.edtAverage->setText(QStringLiteral("1e308"));
    form.edtStdDeviation->setText(QStringLiteral("1e308"));
    go();
    form.edtAverage->setText(QStringLiteral("0"));
    form.edtStdDeviation->setText(QStringLiteral("1"));
    form.edtCorrLenX->setText(QStringLiteral("1e-310"));
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
    form.edtNumRows->setText(QStringLiteral("30"));
    form.edtNumColumns->setText(QStringLiteral("30"));
    form.rdLogarithmic->click();
    form.edtStdDeviation->setText(QStringLiteral("300"));
    go();
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0], fieldNotFiniteText(QStringLiteral("field.000")));
    EXPECT_EQ(written("field.000"), QByteArray("old grid"));
    EXPECT_EQ(form.generators().running(), 0);
    EXPECT_EQ(form.waitWindow(0), nullptr);
}

TEST_F(FieldGeneratorFormChecks, AGridFileThatCannotFitIsRefusedWithBothSizes) {
    form.edtNumRows->setText(QStringLiteral("999"));
    form.edtNumColumns->setText(QStringLiteral("999"));
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
