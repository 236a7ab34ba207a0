#include "FieldParameters.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <limits>

#include "CommaDecimalLocale.h"
#include "FileNameSeries.h"
#include "NumberText.h"
#include "TypedTextCheck.h"

TEST(FieldParameters, TheFormDefaultsAreFit) { EXPECT_FALSE(refusalOf(FieldParameters{})); }

TEST(FieldParameters, RowsOrColumnsBelowOneAreRefused) {
    for (const int bad : {0, -1, -999}) {
        FieldParameters rows;
        rows.nrows = bad;
        ASSERT_TRUE(refusalOf(rows));
        EXPECT_TRUE(refusalOf(rows)->contains(QStringLiteral("rows")));
        FieldParameters columns;
        columns.ncols = bad;
        ASSERT_TRUE(refusalOf(columns));
        EXPECT_TRUE(refusalOf(columns)->contains(QStringLiteral("columns")));
    }
    FieldParameters single;
    single.nrows = single.ncols = 1;
    EXPECT_FALSE(refusalOf(single));
}

TEST(FieldParameters, CorrelationLengthsMustBePositiveNumbers) {
    for (const double bad : {0.0, -0.01, std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity()}) {
        FieldParameters x;
        x.corrLenX = bad;
        ASSERT_TRUE(refusalOf(x)) << bad;
        EXPECT_TRUE(refusalOf(x)->contains(QStringLiteral("in x")));
        FieldParameters y;
        y.corrLenY = bad;
        ASSERT_TRUE(refusalOf(y)) << bad;
        EXPECT_TRUE(refusalOf(y)->contains(QStringLiteral("in y")));
    }
    FieldParameters tiny;
    tiny.corrLenX = tiny.corrLenY = 1e-9;
    EXPECT_FALSE(refusalOf(tiny));
}

TEST(FieldParameters, FileNamesTheKernelCannotHoldAreRefused) {
    FieldParameters empty;
    empty.fileName.clear();
    EXPECT_TRUE(refusalOf(empty));
    FieldParameters longest;
    longest.fileName = QString(1023, QLatin1Char('a'));
    EXPECT_FALSE(refusalOf(longest));
    longest.fileName += QLatin1Char('a');
    EXPECT_TRUE(refusalOf(longest));
}

TEST(FileNameSeries, TheNumberFollowsTheFirstDot) {
    EXPECT_EQ(nextFileName(QStringLiteral("field.000"), 1), QStringLiteral("field.001"));
    EXPECT_EQ(nextFileName(QStringLiteral("field.001"), 2), QStringLiteral("field.002"));
    EXPECT_EQ(nextFileName(QStringLiteral("run.a.asc"), 12), QStringLiteral("run.012"));
    EXPECT_EQ(nextFileName(QStringLiteral("out/f.x"), 1000), QStringLiteral("out/f.1000"));
    EXPECT_EQ(nextFileName(QStringLiteral("field"), 3), QStringLiteral("003"));
}

TEST(TypedTextCheck, AnEmptyTextBecomesZero) {
    for (const auto& checked : {checkIntText(QString(), 0), checkFloatText(QString(), 0)}) {
        EXPECT_TRUE(checked.changed);
        EXPECT_EQ(checked.text, QStringLiteral("0"));
    }
}

TEST(TypedTextCheck, TheCharacterJustTypedIsRemovedWhenTheTextIsNoNumber) {
    // "12x3" with the caret after the x: the x goes, the caret steps back.
    const CheckedText integer = checkIntText(QStringLiteral("12x3"), 3);
    EXPECT_TRUE(integer.changed);
    EXPECT_EQ(integer.text, QStringLiteral("123"));
    EXPECT_EQ(integer.caret, 2);
    // A lone minus sign is no number; undone, the edit is empty (and then becomes "0").
    const CheckedText sign = checkFloatText(QStringLiteral("-"), 1);
    EXPECT_EQ(sign.text, QString());
    EXPECT_EQ(sign.caret, 0);
    EXPECT_EQ(checkIntText(QStringLiteral("-"), 1).text, QString());
    // A point makes no integer, and a second point no float.
    EXPECT_EQ(checkIntText(QStringLiteral("1.5"), 2).text, QStringLiteral("15"));
    EXPECT_EQ(checkFloatText(QStringLiteral("1.5."), 4).text, QStringLiteral("1.5"));
}

TEST(TypedTextCheck, NumbersStayAsTyped) {
    EXPECT_FALSE(checkIntText(QStringLiteral("-12"), 1).changed);
    EXPECT_FALSE(checkFloatText(QStringLiteral("-0.01"), 5).changed);
    EXPECT_FALSE(checkFloatText(QStringLiteral("1e-3"), 4).changed);
}

TEST(TypedTextCheck, FloatsTakeTheLocalesSeparatorOrADotAsTheParametersAreRead) {
    CommaDecimalLocale german;
    SKIP_WITHOUT_COMMA_LOCALE(german);
    EXPECT_FALSE(checkFloatText(QStringLiteral("0,5"), 3).changed);
    EXPECT_FALSE(checkFloatText(QStringLiteral("0.5"), 3).changed);
    // A comma after a dot, or grouped thousands, are no number when the parameters are read.
    EXPECT_EQ(checkFloatText(QStringLiteral("0.015,"), 6).text, QStringLiteral("0.015"));
    EXPECT_EQ(checkFloatText(QStringLiteral("1.000,5"), 6).text, QStringLiteral("1.0005"));
    for (const char* typed : {"0,5", "0.5", "-1,5e3", "0.015", " 2 "}) {
        const QString text = QString::fromLatin1(typed);
        EXPECT_FALSE(checkFloatText(text, int(text.size())).changed) << typed;
        EXPECT_NO_THROW(parseDouble(text)) << typed;
    }
}

TEST(TypedTextCheck, APasteLosesCharactersBeforeTheCaretUntilANumberIsLeft) {
    const CheckedText pasted = checkFloatText(QStringLiteral("1xyz5"), 4);
    EXPECT_EQ(pasted.text, QStringLiteral("15"));
    EXPECT_EQ(pasted.caret, 1);
    EXPECT_EQ(checkIntText(QStringLiteral("7") + QString(20000, QLatin1Char('a')), 20001).text,
              QStringLiteral("7"));
    // Nothing left: empty, and the next check makes it "0".
    EXPECT_EQ(checkIntText(QStringLiteral("abc"), 3).text, QString());
}
