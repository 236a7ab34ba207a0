#include <qcustomplot.h>

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>

#include "CellSelectionTesting.h"
#include "ClassBounds.h"

namespace {

class WindowHistogram : public CellSelectionTest {
protected:
    // 4 x 5 cells holding 100 * row + column, two of them nodata.
    void SetUp() override { load(numberedGrid(4, 5, {{0, 1}, {2, 2}})); }
    QWidget* histogram() { return control<QWidget>("frmVLHistogram"); }
    QCustomPlot* chart() { return histogram()->findChild<QCustomPlot*>("Chart1"); }
    template <typename T>
    T* option(const char* name) {
        return histogram()->findChild<T*>(name);
    }
    void toggleWindow() { action("miHistogram")->trigger(); }

    // The bars' heights from left to right.
    std::vector<double> bars() {
        std::vector<std::pair<double, double>> found;
        for (int i = 0; i < chart()->plottableCount(); ++i)
            if (auto* bars = qobject_cast<QCPBars*>(chart()->plottable(i)))
                for (auto bar = bars->data()->constBegin(); bar != bars->data()->constEnd(); ++bar)
                    found.emplace_back(bar->key, bar->value);
        std::sort(found.begin(), found.end());
        std::vector<double> heights;
        for (const auto& bar : found) heights.push_back(bar.second);
        return heights;
    }
    double cellCount() { return text("edtCellCount").toDouble(); }

    // The class bounds of these statistics or of a set range.
    static std::vector<double> boundsOf(const GridStatistics& statistics) {
        return UpdateLegendValues(statistics, false, 0, 0).ClassBounds;
    }
    static std::vector<double> boundsOfRange(double low, double high) {
        return UpdateLegendValues(GridStatistics{}, true, low, high).ClassBounds;
    }
    // The level's data cells counted into the classes of these bounds one by one.
    std::vector<double> classCounts(const std::vector<double>& bounds) {
        std::vector<double> counts(bounds.size(), 0);
        const GridRows& values = *document.Values;
        for (std::size_t i = 0; i < values.cellCount(); ++i) {
            const double v = values.data()[i];
            if (v == document.header.nodata_value) continue;
            std::size_t k = 0;
            while (k + 1 < bounds.size() && v >= bounds[k + 1]) ++k;
            counts[k] += 1;
        }
        return counts;
    }
    double sum(const std::vector<double>& counts) {
        return std::accumulate(counts.begin(), counts.end(), 0.0);
    }
};

}  // namespace

TEST_F(WindowHistogram, TheViewMenuShowsItOnTopWithTheCountsOfTheLegendClasses) {
    QWidget* window = histogram();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->windowTitle(), "Vistals - Histogram");
    toggleWindow();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(action("miHistogram")->isChecked());
    ASSERT_EQ(bars().size(), 21u);
    EXPECT_EQ(bars(), classCounts(boundsOf(document.statistics)));
    EXPECT_EQ(sum(bars()), 18);
    EXPECT_EQ(sum(bars()), cellCount());
    toggleWindow();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowHistogram, FollowsChangeValuePasteSetRangeAndTheShownLevel) {
    toggleWindow();
    const std::vector<double> before = bars();
    const std::vector<double> loadedBounds = boundsOf(document.statistics);
    // Change Value: the cell of 0 becomes 303, the largest value; the bounds stay.
    clickCell(1, 1);
    dialogs.inputAnswers.push_back(QStringLiteral("303"));
    key(&window, Qt::Key_F5);
    EXPECT_NE(bars(), before);
    EXPECT_EQ(bars(), classCounts(loadedBounds));
    EXPECT_EQ(bars().front(), before.front() - 1);

    // A paste changes values without new statistics; the counts follow all the same.
    clickCell(3, 1);
    const std::vector<double> beforePaste = bars();
    QApplication::clipboard()->setText(QStringLiteral("150;"));
    action("miPasteRectangleFromClipBoardHere")->trigger();
    ASSERT_EQ(value(3, 1), 150);
    EXPECT_NE(bars(), beforePaste);
    EXPECT_EQ(bars(), classCounts(loadedBounds));
    EXPECT_EQ(sum(bars()), 18);

    // Set Range: new bounds, cells beyond them in the first and last classes.
    dialogs.inputAnswers.push_back(QStringLiteral("100"));
    dialogs.inputAnswers.push_back(QStringLiteral("200"));
    key(&window, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(bars(), classCounts(boundsOfRange(100, 200)));
    EXPECT_EQ(sum(bars()), 18);

    // Another grid, and its levels.
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);  // leave the edits unsaved
    add(file("stack.asc", asciiStack()));
    click(1);
    ASSERT_EQ(text("edtFileFormat"), "Stack (ASCII)");
    EXPECT_EQ(sum(bars()), 4);
    QTest::keyClick(list(), Qt::Key_Right, Qt::ControlModifier);
    ASSERT_EQ(text("edtMin"), "10");
    EXPECT_EQ(bars(), classCounts(boundsOfRange(100, 200)));
    EXPECT_EQ(sum(bars()), 4);
}

TEST_F(WindowHistogram, CountsInEqualBinsOnALinearOrLogarithmicAxis) {
    toggleWindow();
    option<QRadioButton>("rbBins")->click();
    EXPECT_TRUE(option<QSpinBox>("spnBins")->isEnabled());
    option<QSpinBox>("spnBins")->setValue(4);
    // Values 0, 2..4, 100..104, 200, 201, 203, 204, 300..304: bins of 76 from 0 to 304.
    EXPECT_EQ(bars(), (std::vector<double>{4, 5, 4, 5}));
    EXPECT_EQ(chart()->yAxis->scaleType(), QCPAxis::stLinear);

    option<QSpinBox>("spnBins")->setValue(8);
    // Bins of 38: the empty ones have bars of height 0 on a linear axis ...
    EXPECT_EQ(bars(), (std::vector<double>{4, 0, 5, 0, 0, 4, 0, 5}));
    // ... and none on a logarithmic one.
    option<QCheckBox>("cbLogarithmic")->click();
    EXPECT_EQ(chart()->yAxis->scaleType(), QCPAxis::stLogarithmic);
    EXPECT_EQ(bars(), (std::vector<double>{4, 5, 4, 5}));

    option<QRadioButton>("rbClasses")->click();
    EXPECT_FALSE(option<QSpinBox>("spnBins")->isEnabled());
    EXPECT_EQ(sum(bars()), cellCount());
}
