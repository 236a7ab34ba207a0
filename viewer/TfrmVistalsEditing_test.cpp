#include <QLabel>

#include "CellSelectionTesting.h"
#include "NumberText.h"

namespace {

// 3 x 3 cells holding 20, 22, ... 36 (row by row), with nodata in the last cell.
const QByteArray twentyToForty =
    "ncols 3\nnrows 3\nxllcorner 0\nyllcorner 0\ncellsize 1\nnodata_value -9999\n"
    "20 22 24\n26 28 30\n32 40 -9999\n";

class WindowEditing : public CellSelectionTest {
protected:
    void SetUp() override { load(twentyToForty); }
    QString label(int k) {
        return control<QLabel>(qPrintable(QStringLiteral("LegendLabel%1").arg(k)))->text();
    }
    void changeValue(std::optional<QString> answer) {
        dialogs.inputAnswers.push_back(answer);
        key(&window, Qt::Key_F5);
    }
    void setRange(std::optional<QString> minimum, std::optional<QString> maximum = {}) {
        dialogs.inputAnswers.push_back(minimum);
        if (minimum) dialogs.inputAnswers.push_back(maximum);
        key(&window, Qt::Key_R, Qt::ControlModifier);
    }
};

}  // namespace

TEST_F(WindowEditing, ChangeValueSetsEverySelectedCellAndShowsFifteenDigits) {
    clickCell(1, 1);
    clickCell(3, 3, Qt::ControlModifier);  // nodata is changed too
    changeValue(QStringLiteral("21.1"));
    const auto input = dialogs.callsOf("input");
    ASSERT_EQ(input.size(), 1u);
    EXPECT_EQ(input[0].caption, "Change Selected Cells");
    EXPECT_EQ(input[0].text, "Change Selected Cells to (ESC: no change)");
    EXPECT_EQ(input[0].detail, "0");
    EXPECT_EQ(value(1, 1), 21.1);
    EXPECT_EQ(value(3, 3), 21.1);
    EXPECT_TRUE(document.Modified);
    EXPECT_EQ(text("edtCellCount"), "9");
    EXPECT_EQ(text("edtMin"), "21.1");
    EXPECT_EQ(text("edtMax"), "40");
    EXPECT_EQ(text("edtSum"), formatGeneral15(21.1 + 22 + 24 + 26 + 28 + 30 + 32 + 40 + 21.1));
    EXPECT_EQ(text("edtAverage"), formatGeneral15(document.statistics.Sum / 9));
    EXPECT_EQ(text("edtAverage").size(), 16);  // 27.1333333333333
    // The selection is emptied and its marks go; the profile keeps its points.
    EXPECT_FALSE(marked(1, 1));
    EXPECT_EQ(copied(), "");
    EXPECT_EQ(profileY(), std::vector<double>{20});
}

TEST_F(WindowEditing, ChangeValueWithoutSelectionStillRecomputesAndMarksTheChange) {
    changeValue(QStringLiteral("5"));
    EXPECT_TRUE(document.Modified);
    EXPECT_EQ(text("edtAverage"), "27.75");
    EXPECT_EQ(value(1, 1), 20);
}

TEST_F(WindowEditing, ChangeValueBelowTheMinimumKeepsTheClassBounds) {
    const QRgb lowest = pixel(centre(1, 1));
    clickCell(2, 2);
    changeValue(QStringLiteral("-5"));
    EXPECT_EQ(text("edtMin"), "-5");
    EXPECT_EQ(label(0), "20");
    EXPECT_EQ(pixel(centre(2, 2)), lowest);
}

TEST_F(WindowEditing, ChangeValueRefusesTextThatIsNoNumberAndCancelChangesNothing) {
    clickCell(2, 2);
    changeValue(QStringLiteral("twelve"));
    const auto messages = dialogs.callsOf("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Value cannot be converted into a number!");
    EXPECT_EQ(value(2, 2), 28);
    EXPECT_FALSE(document.Modified);
    EXPECT_EQ(text("edtAverage"), "27.75");
    changeValue(std::nullopt);
    EXPECT_EQ(value(2, 2), 28);
    EXPECT_FALSE(document.Modified);
    EXPECT_EQ(copied(), "2:2:28;");
}

TEST_F(WindowEditing, RangeZeroToHundredSpansThePaletteOverIt) {
    setRange(QStringLiteral("0"), QStringLiteral("100"));
    const auto input = dialogs.callsOf("input");
    ASSERT_EQ(input.size(), 2u);
    EXPECT_EQ(input[0].caption, "new Minimum:");
    EXPECT_EQ(input[0].text, "Minimum");
    EXPECT_EQ(input[0].detail, "20");
    EXPECT_EQ(input[1].caption, "new Maximum:");
    EXPECT_EQ(input[1].text, "Maximum");
    EXPECT_EQ(input[1].detail, "40");
    EXPECT_EQ(label(0), "0");
    EXPECT_EQ(label(10), "50");
    EXPECT_EQ(label(20), "100");
    // 20 is the bound of class 4: the cell takes that box's colour.
    const QRgb box4 = control<PaintBox>("LegendBox4")->canvas().pixel(5, 3) & 0xFFFFFF;
    EXPECT_EQ(pixel(centre(1, 1)), box4);
    // The range stays for the next grid.
    add(file("next.asc", numberedGrid(2, 2)));
    click(1);
    EXPECT_EQ(label(20), "100");
}

TEST_F(WindowEditing, EqualValuesSwitchTheRangeOffAndOfferTheStatisticsNextTime) {
    setRange(QStringLiteral("0"), QStringLiteral("100"));
    setRange(QStringLiteral("5"), QStringLiteral("5"));
    EXPECT_EQ(label(0), "20");
    EXPECT_EQ(label(20), "40");
    setRange(std::nullopt);
    const auto input = dialogs.callsOf("input");
    ASSERT_EQ(input.size(), 5u);
    EXPECT_EQ(input[2].detail, "0");
    EXPECT_EQ(input[3].detail, "100");
    EXPECT_EQ(input[4].detail, "20");
}

TEST_F(WindowEditing, CancelAndBadTextsOfTheRange) {
    setRange(QStringLiteral("0"), QStringLiteral("100"));
    // Cancelling the minimum asks nothing more and keeps the range.
    setRange(std::nullopt);
    EXPECT_EQ(dialogs.callsOf("input").size(), 3u);
    EXPECT_EQ(label(20), "100");
    // A bad maximum keeps the minimum taken before it, without recomputing.
    setRange(QStringLiteral("10"), QStringLiteral("lots"));
    const auto messages = dialogs.callsOf("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Value is no number!");
    EXPECT_EQ(label(0), "0");
    setRange(std::nullopt);
    EXPECT_EQ(dialogs.callsOf("input").back().detail, "10");
    EXPECT_EQ(label(0), "10");
}

TEST_F(WindowEditing, UnselectNotInRangeUsesTheSetRange) {
    setRange(QStringLiteral("23"), QStringLiteral("30"));
    clickCell(1, 1);
    clickCell(3, 1, Qt::ShiftModifier);
    clickCell(3, 2, Qt::ShiftModifier);
    key(&window, Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(copied(), "1:3:24;\n2:3:30;");
}

TEST_F(WindowEditing, NumberErrorsOfValueAndRangeAreErrorBoxes) {
    clickCell(2, 2);
    changeValue(QStringLiteral("twelve"));
    setRange(QStringLiteral("lots"));
    const auto messages = dialogs.callsOf("message");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Value cannot be converted into a number!");
    EXPECT_EQ(messages[1].text, "Value is no number!");
    for (const auto& message : messages) {
        EXPECT_EQ(message.caption, "Error");
        EXPECT_EQ(message.detail, "error");
    }
}

TEST_F(WindowEditing, FifteenDigitStatisticsShowWholeOrElidedWithTheWholeTextAsTooltip) {
    clickCell(1, 1);
    changeValue(QStringLiteral("-50.1234567890123"));
    clickCell(2, 1);
    changeValue(QStringLiteral("127343281.304688"));
    ASSERT_EQ(text("edtMin"), "-50.1234567890123");
    ASSERT_EQ(text("edtMax"), "127343281.304688");
    const auto check = [&](const char* when) {
        for (const char* name : {"edtMin", "edtMax", "edtSum", "edtAverage", "edtStdDev"}) {
            QLineEdit* shown = field(name);
            const bool whole = shown->fontMetrics().horizontalAdvance(shown->text()) <=
                               shown->contentsRect().width() - 4;
            // Not whole: the field shows the start with an ellipsis, the tooltip all of it.
            EXPECT_EQ(shown->toolTip(), whole ? QString() : shown->text())
                << when << " " << name << " " << qPrintable(shown->text());
        }
    };
    check("default size");
    window.resize(900, 600);
    settle();
    check("smallest size");
    EXPECT_TRUE(field("edtCellCount")->toolTip().isEmpty());
    window.resize(1316, 819);
    settle();
    check("default size again");
}
