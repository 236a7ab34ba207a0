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
