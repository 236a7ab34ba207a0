// The window renders its picture once for each display command, and never for a repaint.
#include <QComboBox>
#include <functional>

#include "VistalsWindowTesting.h"

namespace {

class WindowRenders : public VistalsWindowTest {
protected:
    void SetUp() override {
        window.resize(1316, 819);
        start({file("grid.asc", asciiGrid(1)), file("stack.asc", asciiStack())});
    }
    // The renders that `command` and the events after it took.
    int rendersOf(const std::function<void()>& command) {
        settle();
        const int before = window.gridView().renderCount();
        command();
        settle();
        return window.gridView().renderCount() - before;
    }
};

}  // namespace

TEST_F(WindowRenders, EachDisplayCommandRendersOnce) {
    auto* palettes = control<QComboBox>("ComboBox1");
    EXPECT_EQ(rendersOf([&] {
                  palettes->setCurrentIndex(2);
                  emit palettes->activated(2);
              }),
              1);
    EXPECT_EQ(rendersOf([&] { field("edtGamma")->setText("60"); }), 1);
    // The up-down changes the edit's text and reports its click: one render for both.
    EXPECT_EQ(rendersOf([&] { control<UpDown>("updnGamma")->stepUp(); }), 1);
    EXPECT_EQ(rendersOf([&] { action("miInvertPalette")->trigger(); }), 1);
    EXPECT_EQ(rendersOf([&] { action("tlbtnDrawGridLines")->trigger(); }), 1);
    EXPECT_EQ(rendersOf([&] { action("miDiscontinuousColors")->trigger(); }), 1);
    EXPECT_EQ(rendersOf([&] { action("miZoomIn")->trigger(); }), 1);
    EXPECT_EQ(rendersOf([&] { action("miShiftRight")->trigger(); }), 1);
    EXPECT_EQ(rendersOf([&] { action("miFitPage")->trigger(); }), 1);
    // Set Range, with labels wider than before: the legend widens and the picture narrows,
    // still in one render.
    const int legendWidth = control<QWidget>("pnlLegend")->width();
    dialogs.inputAnswers.push_back(QStringLiteral("0.0000123456789"));
    dialogs.inputAnswers.push_back(QStringLiteral("0.0000223456789"));
    EXPECT_EQ(rendersOf([&] { action("miSetRange")->trigger(); }), 1);
    EXPECT_GT(control<QWidget>("pnlLegend")->width(), legendWidth);
    EXPECT_EQ(picture()->canvas().size(), picture()->size());
    // The grid list: another grid, and a level of the stack.
    EXPECT_EQ(rendersOf([&] { click(1); }), 1);
    EXPECT_EQ(rendersOf([&] { levels()->stepUp(); }), 1);
    EXPECT_EQ(document.shownLevel, 1);
    // A resized window: once, for the new size.
    EXPECT_EQ(rendersOf([&] { window.resize(1000, 650); }), 1);
    EXPECT_EQ(window.gridView().window.DrawHeight, picture()->height() - 1);
    EXPECT_EQ(picture()->canvas().size(), picture()->size());
    // Switches that change nothing shown until the next command render nothing.
    EXPECT_EQ(rendersOf([&] { action("miEraseGrid")->trigger(); }), 0);
    EXPECT_EQ(rendersOf([&] { action("miKeepClipping")->trigger(); }), 0);
}

TEST_F(WindowRenders, ARepaintOnlyShowsThePicture) {
    const QImage shown = picture()->canvas();
    EXPECT_EQ(rendersOf([&] { picture()->repaint(); }), 0);
    EXPECT_EQ(rendersOf([&] {
                  picture()->update();
                  control<PaintBox>("PaintBoxLegend")->update();
              }),
              0);
    EXPECT_EQ(rendersOf([&] {
                  window.hide();
                  window.show();
              }),
              0);
    EXPECT_EQ(picture()->canvas(), shown);
}

TEST_F(WindowRenders, CheckMarksFollowTheView) {
    action("tlbtnNodataTransparent")->trigger();
    EXPECT_FALSE(window.gridView().settings.NodataTransparent);
    EXPECT_FALSE(action("miNodataTransparent")->isChecked());
    action("miNodataTransparent")->trigger();
    EXPECT_TRUE(window.gridView().settings.NodataTransparent);
    EXPECT_FALSE(window.gridView().settings.EraseGrid);
    EXPECT_FALSE(action("miEraseGrid")->isChecked());
    action("miZoomIn")->trigger();
    EXPECT_TRUE(window.gridView().settings.EraseGrid);
    EXPECT_TRUE(action("miEraseGrid")->isChecked());
    action("miShowGradients")->trigger();
    EXPECT_EQ(window.gridView().arrowMode, ArrowMode::Gradients);
    action("miShowGradients")->trigger();
    EXPECT_EQ(window.gridView().arrowMode, ArrowMode::None);
    EXPECT_FALSE(action("miShowGradients")->isChecked());
}
