#include "CellSelectionTesting.h"
#include "TChart.h"

namespace {

class WindowProfile : public CellSelectionTest {
protected:
    void SetUp() override { load(numberedGrid(4, 4, {{0, 1}})); }
    QWidget* profileWindow() { return control<QWidget>("frmVLProfile"); }
    QByteArray copiedSvg() {
        const QMimeData* data = QApplication::clipboard()->mimeData();
        return data ? data->data(QStringLiteral("image/svg+xml")) : QByteArray();
    }
};

}  // namespace

TEST_F(WindowProfile, TheWindowIsMadeAtStartAndCtrlFTogglesIt) {
    QWidget* profile = profileWindow();
    ASSERT_NE(profile, nullptr);
    EXPECT_EQ(profile->windowTitle(), "Vistals - Profile");
    EXPECT_EQ(profile->size(), QSize(692, 302));
    EXPECT_TRUE(profile->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(profile->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(profile->isVisible());
    clickCell(1, 1);
    clickCell(3, 1, Qt::ControlModifier);
    key(&window, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(profile->isVisible());
    EXPECT_TRUE(action("miShowProfile")->isChecked());
    EXPECT_EQ(profileY(), (std::vector<double>{0, 2}));
    // Hiding keeps the points.
    key(&window, Qt::Key_F, Qt::ControlModifier);
    EXPECT_FALSE(profile->isVisible());
    EXPECT_FALSE(action("miShowProfile")->isChecked());
    EXPECT_EQ(series()->count(), 2);
}

TEST_F(WindowProfile, SeriesIsRedTwoPixelsWideWithoutMarkers) {
    EXPECT_EQ(series()->seriesColor(), QColor(Qt::red));
    EXPECT_EQ(series()->penWidth(), 2);
    EXPECT_FALSE(series()->pointerVisible());
    auto* chart = control<TChart>("Chart1");
    EXPECT_FALSE(chart->legendVisible());
    EXPECT_TRUE(chart->titleLines().isEmpty());
    EXPECT_EQ(chart->gradientEndColor(), QColor(0xFF, 0xFF, 0x80));
}

TEST_F(WindowProfile, SelectingOnlyNodataLeavesTheChartEmpty) {
    clickCell(2, 1);
    EXPECT_EQ(series()->count(), 0);
}

TEST_F(WindowProfile, CtrlTInBothWindowsCopiesTheSamePicture) {
    clickCell(1, 1);
    clickCell(4, 4, Qt::ControlModifier | Qt::ShiftModifier);
    // Hidden: the chart is copied all the same.
    QApplication::clipboard()->clear();
    key(&window, Qt::Key_T, Qt::ControlModifier);
    const QByteArray fromMain = copiedSvg();
    ASSERT_FALSE(fromMain.isEmpty());
    ASSERT_TRUE(QApplication::clipboard()->mimeData()->hasImage());
    const QImage mainImage = QApplication::clipboard()->image();
    EXPECT_EQ(mainImage.size(), QSize(692, 302));

    key(&window, Qt::Key_F, Qt::ControlModifier);
    settle();
    QApplication::clipboard()->clear();
    key(profileWindow(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(copiedSvg(), fromMain);
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              mainImage.convertToFormat(QImage::Format_RGB32));
    QApplication::clipboard()->clear();
    key(control<TChart>("Chart1"), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(copiedSvg(), fromMain);
}

namespace {

// The profile chart's view of the points: the line, and the markers of lone points.
class WindowProfileChart : public WindowProfile {
protected:
    TChartSeries* lonePoints() { return control<TChartSeries>("LonePoints"); }
    std::vector<double> loneY() {
        std::vector<double> ys;
        for (int i = 0; i < lonePoints()->count(); ++i)
            if (!lonePoints()->isNull(i)) ys.push_back(lonePoints()->yValue(i));
        return ys;
    }
    // Where the line is broken: the positions of null points in Series1.
    std::vector<int> breaks() {
        std::vector<int> positions;
        for (int i = 0; i < series()->count(); ++i)
            if (series()->isNull(i)) positions.push_back(i);
        return positions;
    }
    TChart* chart() { return control<TChart>("Chart1"); }
};

}  // namespace

TEST_F(WindowProfileChart, ASinglePointShowsAsAMarker) {
    clickCell(1, 1);
    EXPECT_EQ(profileY(), std::vector<double>{0});
    EXPECT_TRUE(lonePoints()->pointerVisible());
    EXPECT_EQ(loneY(), std::vector<double>{0});
    // Two joined points need no markers.
    clickCell(1, 2, Qt::ControlModifier);
    EXPECT_TRUE(loneY().empty());
    EXPECT_FALSE(series()->pointerVisible());
}

TEST_F(WindowProfileChart, ANodataCellBreaksTheLine) {
    // Row 1 holds 0, nodata, 2, 3: the line runs 0 | 2 - 3, and 0 stands alone.
    clickCell(1, 1);
    clickCell(4, 1, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(profileY(), (std::vector<double>{0, 2, 3}));
    EXPECT_EQ(breaks(), std::vector<int>{1});
    EXPECT_EQ(loneY(), std::vector<double>{0});
    // Unselecting the point after the break keeps the break before the next one.
    clickCell(3, 1, Qt::ControlModifier);
    EXPECT_EQ(profileY(), (std::vector<double>{0, 3}));
    EXPECT_EQ(breaks(), std::vector<int>{1});
    EXPECT_EQ(loneY(), (std::vector<double>{0, 3}));
    // A cell with data joins on.
    clickCell(4, 2, Qt::ControlModifier);
    EXPECT_EQ(loneY(), std::vector<double>{0});
}

TEST_F(WindowProfileChart, TheAxesLeaveAMarginAroundThePoints) {
    clickCell(1, 3);
    clickCell(4, 3, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(profileY(), (std::vector<double>{200, 201, 202, 203}));
    chart()->redraw();
    TChartAxis& bottom = chart()->bottomAxis();
    TChartAxis& left = chart()->leftAxis();
    EXPECT_LT(bottom.shownLower(), 0);
    EXPECT_GT(bottom.shownLower(), -1);
    EXPECT_GT(bottom.shownUpper(), 3);
    EXPECT_LT(bottom.shownUpper(), 4);
    EXPECT_LT(left.shownLower(), 200);
    EXPECT_GT(left.shownLower(), 199);
    EXPECT_GT(left.shownUpper(), 203);
    EXPECT_LT(left.shownUpper(), 204);
    // A single point stands inside the frame as well.
    clickCell(2, 2);
    chart()->redraw();
    EXPECT_LT(bottom.shownLower(), 0);
    EXPECT_GT(bottom.shownUpper(), 0);
    EXPECT_LT(left.shownLower(), 101);
    EXPECT_GT(left.shownUpper(), 101);
}

namespace {

class WindowProfileOfAStack : public CellSelectionTest {
protected:
    void SetUp() override { load(asciiStack()); }
};

}  // namespace

TEST_F(WindowProfileOfAStack, ALevelChangeClearsTheSelectionAndTheProfile) {
    clickCell(1, 1);
    clickCell(2, 2, Qt::ControlModifier);
    ASSERT_EQ(profileY(), (std::vector<double>{0, 3}));
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    key(list(), Qt::Key_Right, Qt::ControlModifier);
    ASSERT_EQ(levels()->position(), 1);
    EXPECT_EQ(dialogs.callsOf("question").size(), 1u);
    EXPECT_EQ(series()->count(), 0);
    EXPECT_EQ(copied(), "");
    // The next selection starts the profile afresh, from the level now shown.
    clickCell(2, 1, Qt::ControlModifier);
    EXPECT_EQ(profileY(), std::vector<double>{11});
    EXPECT_EQ(profileX(), std::vector<double>{0});
}
