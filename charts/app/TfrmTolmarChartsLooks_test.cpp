// The window's series colours and patterns, gradient, legend and logarithmic axis.
#include <QCheckBox>
#include <QToolButton>

#include "ChartsWindowTesting.h"

namespace {

const QString flow = QStringLiteral("Flow_at_the_outlet: ");

// Hourly rows; the second value of column B is missing.
QByteArray tableWithGap() {
    return "Tolmar-Kor results\nYYYY MM DD HH A B\nFlow_at_the_outlet_gauge_daily\n"
           "2001 1 1 0 1 5\n2001 1 1 1 2 -9999\n2001 1 1 2 3 7\n2001 1 1 3 4 8\n";
}

class SeriesLooks : public ChartsWindowTest {
protected:
    void SetUp() override {
        start();
        addFiles({table("gap.txt", tableWithGap())});
        line = drawnLine(flow + "B");
        ASSERT_NE(line, nullptr);
    }
    TChartSeries* legendOf(const QString& title) {
        for (TChartSeries* series : chart()->seriesList())
            if (series->showInLegend() && series->title() == title) return series;
        return nullptr;
    }
    TChartSeries* line = nullptr;
};

}  // namespace

TEST_F(SeriesLooks, TheColourDialogOpensFromTheListThePopUpAndTheChart) {
    click(seriesList(), 1);
    dialogs.colourAnswers.push_back(Colour(0x008000));
    QTest::mouseDClick(seriesList()->viewport(), Qt::LeftButton, Qt::NoModifier,
                       seriesList()->visualItemRect(seriesList()->item(1)).center());
    settle();
    auto colours = dialogs.callsOf("colour");
    ASSERT_EQ(colours.size(), 1u);
    EXPECT_EQ(colours[0].text, "ff") << "preset with the series colour, red";
    EXPECT_EQ(line->seriesColor(), QColor(0, 0x80, 0));
    // The missing value stays a gap; the others take the colour.
    EXPECT_FALSE(line->valueColor(1).isValid());
    EXPECT_EQ(line->valueColor(2), QColor(0, 0x80, 0));
    EXPECT_EQ(legendOf(flow + "B")->seriesColor(), QColor(0, 0x80, 0));

    // Enter in the list, cancelled: nothing changes.
    dialogs.colourAnswers.push_back(std::nullopt);
    QTest::keyClick(seriesList(), Qt::Key_Return);
    settle();
    ASSERT_EQ(dialogs.callsOf("colour").size(), 2u);
    EXPECT_EQ(dialogs.callsOf("colour")[1].text, "8000");
    EXPECT_EQ(line->seriesColor(), QColor(0, 0x80, 0));

    dialogs.colourAnswers.push_back(Colour(0xFF0000));
    action("Color1")->trigger();
    EXPECT_EQ(line->seriesColor(), QColor(Qt::blue));
    EXPECT_EQ(window.currentSettings().files.at(0).series.at(1).colour, 0xFF0000);

    // A click on the line in the chart asks for that series' colour.
    chart()->resize(800, 500);
    chart()->redraw();
    const QPoint onLine(qRound(chart()->bottomAxis().plotAxis().coordToPixel(line->xValue(2))),
                        qRound(chart()->leftAxis().plotAxis().coordToPixel(line->yValue(2))));
    dialogs.colourAnswers.push_back(Colour(0x00FFFF));
    QTest::mouseClick(chart(), Qt::LeftButton, Qt::NoModifier, onLine);
    settle();
    EXPECT_EQ(dialogs.callsOf("colour").size(), 4u);
    EXPECT_EQ(line->seriesColor(), QColor(Qt::yellow));
}

TEST_F(SeriesLooks, APatternDrawsDashesInTheEntryColourWithATwiceAsWideLegendLine) {
    QAction* pattern = action("Style1");
    EXPECT_FALSE(pattern->isEnabled());
    control<QToolButton>("updwnLineWidthSelectedDown")->click();
    EXPECT_EQ(field("edtLineWidthSelected")->text(), "1");
    EXPECT_TRUE(pattern->isEnabled());

    // Without a selected series nothing happens.
    seriesList()->setCurrentRow(-1);
    action("N2dashes1")->trigger();
    EXPECT_EQ(line->penStyle(), Qt::SolidLine);

    click(seriesList(), 1);
    action("N2dashes1")->trigger();
    EXPECT_EQ(line->penStyle(), Qt::DashLine);
    EXPECT_EQ(line->penWidth(), 1);
    EXPECT_EQ(legendOf(flow + "B")->penStyle(), Qt::DashLine);
    EXPECT_EQ(legendOf(flow + "B")->penWidth(), 2);
    // Stored as the default-colour marker, drawn in the colour of its style entry.
    EXPECT_EQ(window.currentSettings().files.at(0).series.at(1).colour, 536870912);
    EXPECT_EQ(line->seriesColor(), QColor(Qt::red));

    control<QToolButton>("updwnLineWidthSelectedUp")->click();
    EXPECT_FALSE(pattern->isEnabled());
}

TEST_F(SeriesLooks, GradientSwitchColoursAndTheYellowDefault) {
    const QColor white(Qt::white), yellow(0xFF, 0xFF, 0x80);
    EXPECT_TRUE(chart()->gradientVisible());
    action("miColorGradient")->trigger();
    EXPECT_FALSE(chart()->gradientVisible());
    EXPECT_FALSE(action("miColorGradient")->isChecked());
    EXPECT_FALSE(control<QToolButton>("spdbtnColorGradientSwitch")->isChecked());
    control<QToolButton>("spdbtnColorGradientSwitch")->click();
    EXPECT_TRUE(chart()->gradientVisible());
    EXPECT_TRUE(action("miColorGradient")->isChecked());
    EXPECT_EQ(chart()->gradientStartColor(), white);
    EXPECT_EQ(chart()->gradientEndColor(), yellow);

    dialogs.colourAnswers = {Colour(0x0000FF), Colour(0xFF0000)};
    control<QToolButton>("spdbtnGradientColors")->click();
    EXPECT_EQ(chart()->gradientStartColor(), QColor(Qt::red));
    EXPECT_EQ(chart()->gradientEndColor(), QColor(Qt::blue));

    action("SetGradientColorDefaultyellow")->trigger();
    EXPECT_EQ(chart()->gradientStartColor(), white);
    EXPECT_EQ(chart()->gradientEndColor(), yellow);
    // Cancelling both dialogs reapplies the stored colours.
    dialogs.colourAnswers = {std::nullopt, std::nullopt};
    action("miSetStartColor")->trigger();
    const auto colours = dialogs.callsOf("colour");
    ASSERT_EQ(colours.size(), 4u);
    EXPECT_EQ(colours[2].text, "ff");
    EXPECT_EQ(colours[3].text, "ff0000");
    EXPECT_EQ(chart()->gradientStartColor(), QColor(Qt::red));
    EXPECT_EQ(chart()->gradientEndColor(), QColor(Qt::blue));
}

TEST_F(SeriesLooks, TheLegendHidesFromTheMenuAndTheCheckBox) {
    auto* box = control<QCheckBox>("chkbxHideLegend");
    action("miHideLegend")->trigger();
    EXPECT_TRUE(box->isChecked());
    EXPECT_FALSE(chart()->legendVisible());
    box->click();
    EXPECT_FALSE(action("miHideLegend")->isChecked());
    EXPECT_TRUE(chart()->legendVisible());
}

TEST_F(ChartsWindowTest, TheLogarithmicAxisStartsAtOneThousandthToOneThousand) {
    start();
    addFiles({table("signs.txt", "YYYY MM DD HH A\nx\n2001 1 1 0 -5\n2001 1 1 1 5\n")});
    TChartAxis& left = chart()->leftAxis();
    EXPECT_EQ(left.minimum(), -5.0);
    EXPECT_EQ(left.maximum(), 5.0);
    control<QCheckBox>("chkbxLogarithmic")->click();
    EXPECT_EQ(left.minimum(), 0.001);
    EXPECT_EQ(left.maximum(), 1000.0);
    EXPECT_TRUE(left.logarithmic());
    EXPECT_TRUE(action("miScaleYAxisLogarithmic")->isChecked());

    action("miScaleYAxisLogarithmic")->trigger();
    EXPECT_FALSE(control<QCheckBox>("chkbxLogarithmic")->isChecked());
    EXPECT_FALSE(left.logarithmic());
}

TEST_F(ChartsWindowTest, ALogarithmicAxisBelowOneThousandthStillGetsItsRange) {
    start();
    TChartAxis& left = chart()->leftAxis();
    ASSERT_EQ(left.maximum(), -9999.0);
    action("miScaleYAxisLogarithmic")->trigger();
    EXPECT_EQ(left.minimum(), 0.001);
    EXPECT_EQ(left.maximum(), 1000.0);
    EXPECT_TRUE(left.logarithmic());
}
