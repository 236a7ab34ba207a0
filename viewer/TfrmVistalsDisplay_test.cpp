#include <QComboBox>
#include <QLabel>

#include "CommaDecimalLocale.h"
#include "GammaSetting.h"
#include "GridPaint.h"
#include "LegendGeometry.h"
#include "LegendPainter.h"
#include "PaletteComboBox.h"
#include "PaletteSet.h"
#include "Palettes.h"
#include "VistalsWindowTesting.h"
#include "Zoom.h"

namespace {

// A 4 x 4 grid 0..15 with one nodata cell at row 1, column 2.
const QByteArray gridText =
    "ncols 4\nnrows 4\nxllcorner 0\nyllcorner 0\ncellsize 10\nnodata_value -9999\n"
    "0 1 2 3\n4 5 -9999 7\n8 9 10 11\n12 13 14 15\n";

class WindowDisplay : public VistalsWindowTest {
protected:
    void SetUp() override {
        window.resize(1316, 819);
        start({file("grid.asc", gridText)});
    }

    // The whole grid as the paint box shows it.
    ViewWindow wholeGrid() {
        ViewWindow view;
        FitPage(view, 4, 4);
        FitWindow(view, picture()->width(), picture()->height());
        return view;
    }
    QRgb pixelOfCell(int row, int column) {
        const ViewWindow view = wholeGrid();
        return pixel(QPoint((view.columnLeft(column) + view.columnRight(column)) / 2,
                            (view.rowTop(row) + view.rowBottom(row)) / 2));
    }

    PaintBox* legendBox(int k) {
        return control<PaintBox>(qPrintable(QStringLiteral("LegendBox%1").arg(k)));
    }
    QLabel* legendLabel(int k) {
        return control<QLabel>(qPrintable(QStringLiteral("LegendLabel%1").arg(k)));
    }
    // The colour legend box k shows, inside its frame.
    QRgb legendColour(int k) { return legendBox(k)->canvas().pixel(5, 3) & 0xFFFFFF; }
    std::vector<QRgb> legendColours() {
        std::vector<QRgb> colours;
        for (int k = 0; k <= ColorStepCount; ++k) colours.push_back(legendColour(k));
        return colours;
    }
    static std::vector<QRgb> rgb(const std::vector<Colour>& palette) {
        std::vector<QRgb> colours;
        for (Colour colour : palette) colours.push_back(colour.argb() & 0xFFFFFF);
        return colours;
    }
    // The built-in palettes at the start's gamma.
    static std::vector<QRgb> builtIn(int index) {
        PaletteSet palettes;
        palettes.BuildPalettes(GammaOfPosition(50));
        return rgb(palettes.Palettes[static_cast<std::size_t>(index)]);
    }
    QComboBox* paletteBox() { return control<QComboBox>("ComboBox1"); }
    void choosePalette(int index) {
        paletteBox()->setCurrentIndex(index);
        emit paletteBox()->activated(index);
    }
};

}  // namespace

TEST_F(WindowDisplay, LoadedGridIsPaintedWithTheLegendColours) {
    ASSERT_TRUE(document.hasValues());
    // The lowest value takes class 0's colour, the highest class 20's.
    EXPECT_EQ(pixelOfCell(0, 0), legendColour(0));
    EXPECT_EQ(pixelOfCell(3, 3), legendColour(20));
    // A transparent nodata cell shows what was there: the erase colour.
    EXPECT_EQ(pixelOfCell(1, 2), 0xC0C0C0u);
    EXPECT_EQ(legendLabel(0)->text(), "0");
    EXPECT_EQ(legendLabel(20)->text(), "15");
    // The whole grid is shown.
    EXPECT_EQ(shownColumns(), (std::set<int>{1, 2, 3, 4}));
}

TEST_F(WindowDisplay, OpaqueNodataIsPaintedInButtonFace) {
    action("miNodataTransparent")->trigger();
    EXPECT_FALSE(action("tlbtnNodataTransparent")->isChecked());
    action("miFitPage")->trigger();  // repaints
    EXPECT_EQ(pixelOfCell(1, 2), window.palette().color(QPalette::Button).rgb() & 0xFFFFFF);
    // Switching transparency back on also switches erasing off.
    action("tlbtnNodataTransparent")->trigger();
    EXPECT_TRUE(action("miNodataTransparent")->isChecked());
    EXPECT_FALSE(action("miEraseGrid")->isChecked());
    action("miEraseGrid")->trigger();
    action("miFitPage")->trigger();
    EXPECT_EQ(pixelOfCell(1, 2), 0xC0C0C0u);
}

TEST_F(WindowDisplay, PaletteChoiceRecoloursTheLegendAndGammaControls) {
    choosePalette(3);
    EXPECT_EQ(legendColours(), builtIn(3));
    EXPECT_EQ(legendColour(0), 0x000000u);
    EXPECT_EQ(legendColour(20), 0xFFFFFFu);
    EXPECT_TRUE(field("edtGamma")->isEnabled());
    EXPECT_EQ(pixelOfCell(0, 0), 0x000000u);
}

TEST_F(WindowDisplay, GammaTextIsClampedAndRestoresThePalette) {
    const std::vector<QRgb> original = builtIn(0);
    QLineEdit* gamma = field("edtGamma");
    UpDown* gammaSteps = control<UpDown>("updnGamma");
    gamma->setText("0");
    EXPECT_EQ(gamma->text(), "1");
    EXPECT_EQ(gammaSteps->position(), 1);
    EXPECT_EQ(
        legendColour(5),
        GetPaletteColor(5, Colour(0xFF0000), Colour(0xFFFFFF), Colour(0x0000FF), 0.02).argb() &
            0xFFFFFF);
    gamma->setText("250");
    EXPECT_EQ(gamma->text(), "100");
    EXPECT_EQ(legendColour(5),
              GetPaletteColor(5, Colour(0xFF0000), Colour(0xFFFFFF), Colour(0x0000FF), 2.0).argb() &
                  0xFFFFFF);
    gamma->setText("25");
    gamma->setText("50");
    EXPECT_EQ(legendColours(), original);

    gamma->setText("5x");
    ASSERT_EQ(dialogs.callsOf("message").size(), 1u);
    EXPECT_EQ(dialogs.callsOf("message")[0].text, "'5x' is not a valid integer value");
    EXPECT_EQ(legendColours(), original);
    EXPECT_EQ(gammaSteps->position(), 50);
}

TEST_F(WindowDisplay, UpDownStepsTheGammaByFive) {
    control<UpDown>("updnGamma")->stepUp();
    EXPECT_EQ(text("edtGamma"), "55");
    EXPECT_EQ(legendColour(5),
              GetPaletteColor(5, Colour(0xFF0000), Colour(0xFFFFFF), Colour(0x0000FF), 1.1).argb() &
                  0xFFFFFF);
}

TEST_F(WindowDisplay, InvertTwiceRestoresPaletteAndLegend) {
    const std::vector<QRgb> original = builtIn(0);
    action("miInvertPalette")->trigger();
    EXPECT_EQ(legendColour(0), original.back());
    EXPECT_EQ(legendColour(10), original[10]);
    EXPECT_EQ(pixelOfCell(0, 0), original.back());
    action("tlbntInvertPalette")->trigger();
    EXPECT_EQ(legendColours(), original);
}

TEST_F(WindowDisplay, DiscontinuousColoursAndGridLinesMirrorMenuAndButton) {
    action("miDiscontinuousColors")->trigger();
    EXPECT_TRUE(action("tlbtnDiscontinuousColors")->isChecked());
    // The highest value takes class 19's colour in steps.
    EXPECT_EQ(pixelOfCell(3, 3), legendColour(19));
    action("tlbtnDiscontinuousColors")->trigger();
    EXPECT_FALSE(action("miDiscontinuousColors")->isChecked());

    action("tlbtnDrawGridLines")->trigger();
    EXPECT_TRUE(action("miDrawGridLines")->isChecked());
    const ViewWindow view = wholeGrid();
    EXPECT_EQ(pixel(QPoint(view.columnRight(0) - 1, view.rowTop(0) + 5)), 0x808080u);
    action("miDrawGridLines")->trigger();
    EXPECT_FALSE(action("tlbtnDrawGridLines")->isChecked());
}

TEST_F(WindowDisplay, KeepClippingMirrorsMenuAndButtonAndKeepsTheZoom) {
    action("tlbtnKeepClipping")->trigger();
    EXPECT_TRUE(action("miKeepClipping")->isChecked());
    // Kept: the zoomed window stays when the grid is shown again.
    action("miZoomIn")->trigger();
    const std::set<int> zoomed = shownColumns();
    ASSERT_LT(zoomed.size(), 4u);
    add(list()->item(0)->text());
    click(1);
    EXPECT_EQ(shownColumns(), zoomed);

    action("miKeepClipping")->trigger();
    EXPECT_FALSE(action("tlbtnKeepClipping")->isChecked());
    click(0);
    EXPECT_EQ(shownColumns().size(), 4u);
    action("miEraseGrid")->trigger();
    EXPECT_FALSE(action("miEraseGrid")->isChecked());
}

TEST_F(WindowDisplay, LegendBoxClickTakesTheChosenColour) {
    dialogs.colourAnswers.push_back(Colour(0x00FF00));
    QTest::mouseClick(legendBox(0), Qt::LeftButton);
    ASSERT_EQ(dialogs.callsOf("colour").size(), 1u);
    EXPECT_EQ(legendColour(0), 0x00FF00u);
    EXPECT_EQ(pixelOfCell(0, 0), 0x00FF00u);
    // A cancelled colour dialog keeps the colour.
    dialogs.colourAnswers.push_back(std::nullopt);
    QTest::mouseClick(legendBox(0), Qt::LeftButton);
    EXPECT_EQ(legendColour(0), 0x00FF00u);
}

TEST_F(WindowDisplay, LegendLabelClickSetsTheBoundAndRejectsText) {
    dialogs.inputAnswers.push_back(QStringLiteral("abc"));
    QTest::mouseClick(legendLabel(4), Qt::LeftButton);
    const auto inputs = dialogs.callsOf("input");
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].caption, "Legend Label");
    EXPECT_EQ(inputs[0].text, "new Value");
    const QString before = legendLabel(4)->text();
    EXPECT_EQ(inputs[0].detail, before);
    EXPECT_EQ(dialogs.callsOf("message").at(0).text, "'abc' is not a valid floating point value");
    EXPECT_EQ(legendLabel(4)->text(), before);

    dialogs.inputAnswers.push_back(QStringLiteral("12.123456789"));
    QTest::mouseClick(legendLabel(4), Qt::LeftButton);
    EXPECT_EQ(legendLabel(4)->text(), "12.12346");
}

TEST_F(WindowDisplay, LegendLabelKeepsTheExactBoundWhenThePromptIsCancelled) {
    // Bound 4 is 3, the value of the cell at row 0, column 3. Set just above 3, the label
    // shows "3" but the cell falls into class 3 in steps; rounded to its label it would be 4.
    action("miDiscontinuousColors")->trigger();
    dialogs.inputAnswers.push_back(QStringLiteral("3.0000004"));
    QTest::mouseClick(legendLabel(4), Qt::LeftButton);
    ASSERT_EQ(legendLabel(4)->text(), "3");
    ASSERT_NE(legendColour(3), legendColour(4));
    EXPECT_EQ(pixelOfCell(0, 3), legendColour(3));
    dialogs.inputAnswers.push_back(std::nullopt);
    QTest::mouseClick(legendLabel(4), Qt::LeftButton);
    EXPECT_EQ(dialogs.callsOf("input").size(), 2u);
    EXPECT_EQ(legendLabel(4)->text(), "3");
    EXPECT_EQ(pixelOfCell(0, 3), legendColour(3));
}

TEST_F(WindowDisplay, ZoomShiftAndFitPageMoveTheWindow) {
    action("miEraseGrid")->setChecked(false);
    action("miZoomIn")->trigger();
    EXPECT_TRUE(action("miEraseGrid")->isChecked());
    const std::set<int> zoomed = shownColumns();
    EXPECT_FALSE(zoomed.empty());
    EXPECT_LT(zoomed.size(), 4u);
    // A shift moves the window and keeps its size.
    const auto columnAt = [&](int x) {
        pointAt(QPoint(x, 1));
        return text("edtXCol").toInt();
    };
    const int half = picture()->height() / 2;
    const int firstBefore = columnAt(1);
    const int spanBefore = columnAt(half) - firstBefore;
    action("miShiftRight")->trigger();
    EXPECT_GT(columnAt(1), firstBefore);
    EXPECT_EQ(columnAt(half) - columnAt(1), spanBefore);
    EXPECT_LE(*shownColumns().rbegin(), 4);
    action("miFitPage")->trigger();
    EXPECT_EQ(shownColumns(), (std::set<int>{1, 2, 3, 4}));
    // Alt-click zooms in around the pixel, Alt+Shift-click zooms out again; like every zoom it
    // switches erasing on.
    action("miEraseGrid")->setChecked(false);
    QTest::mouseClick(picture(), Qt::LeftButton, Qt::AltModifier, QPoint(5, 5));
    EXPECT_LT(shownColumns().size(), 4u);
    EXPECT_TRUE(action("miEraseGrid")->isChecked());
    QTest::mouseClick(picture(), Qt::LeftButton, Qt::AltModifier | Qt::ShiftModifier, QPoint(5, 5));
    QTest::mouseClick(picture(), Qt::LeftButton, Qt::AltModifier | Qt::ShiftModifier, QPoint(5, 5));
    EXPECT_EQ(shownColumns().size(), 4u);
}

TEST_F(WindowDisplay, TheWheelZoomsKeepingTheCellUnderThePointer) {
    // A 200 x 200 grid, so that zooms have room.
    QByteArray big =
        "ncols 200\nnrows 200\nxllcorner 0\nyllcorner 0\ncellsize 1\nnodata_value -9999\n";
    for (int i = 0; i < 200 * 200; ++i) big += QByteArray::number(i % 997) + " ";
    add(file("big.asc", big));
    click(1);
    const QPoint at(picture()->height() * 3 / 4, picture()->height() / 4);
    const auto pointedCell = [&] {
        pointAt(at);
        return std::make_pair(text("edtXCol"), text("edtYCol"));
    };
    // The columns from the picture's left edge to the pointer.
    const auto columnsBefore = [&] {
        pointAt(QPoint(1, 1));
        const int first = text("edtXCol").toInt();
        return pointedCell().first.toInt() - first;
    };
    const auto cell = pointedCell();
    ASSERT_EQ(columnsBefore(), 150);
    // The Alt-click zooms around the cell and centres it, as before.
    QTest::mouseClick(picture(), Qt::LeftButton, Qt::AltModifier, at);
    EXPECT_NE(pointedCell(), cell);
    action("miFitPage")->trigger();

    // The wheel zooms in, and the cell stays under the pointer, step after step.
    action("miEraseGrid")->setChecked(false);
    wheel(at, 15);
    EXPECT_TRUE(action("miEraseGrid")->isChecked());
    EXPECT_EQ(pointedCell(), cell);
    EXPECT_EQ(columnsBefore(), 120);
    wheel(at, 15);
    EXPECT_EQ(pointedCell(), cell);
    wheel(at, 15, Qt::ControlModifier);
    EXPECT_EQ(pointedCell(), cell);
    const int zoomedIn = columnsBefore();
    EXPECT_LT(zoomedIn, 90);
    // Turned back it zooms out, keeping the cell as long as the window stays inside the grid.
    wheel(at, -15);
    EXPECT_GT(columnsBefore(), zoomedIn);
    EXPECT_EQ(pointedCell(), cell);
    for (int step = 0; step < 4; ++step) wheel(at, -15);
    EXPECT_EQ(shownColumns().size(), 200u);
}

TEST_F(WindowDisplay, ReadoutShowsTheCellUnderThePointer) {
    pointAt(QPoint(0, 0));
    EXPECT_EQ(text("edtXCol"), "1");
    EXPECT_EQ(text("edtYCol"), "1");
    EXPECT_EQ(text("edtXCoord"), "0");
    EXPECT_EQ(text("edtYCoord"), "40");
    EXPECT_EQ(text("edtValue"), "0");
    pointAt(QPoint(wholeGrid().DrawWidth + 2, 1));
    EXPECT_EQ(text("edtXCol"), "-");
    EXPECT_EQ(text("edtValue"), "outside");
    // Leaving the picture clears the fields.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(picture(), &leave);
    for (const char* name : {"edtXCol", "edtYCol", "edtXCoord", "edtYCoord", "edtValue"})
        EXPECT_TRUE(text(name).isEmpty()) << name;
}

TEST_F(WindowDisplay, ReadoutFollowsTheShownGridAndClearsAfterAFailedLoad) {
    // Another grid under the resting pointer: its cell is read out at once, not the old one.
    const QPoint at(2, 2);
    QCursor::setPos(picture()->mapToGlobal(at));
    pointAt(at);
    ASSERT_EQ(text("edtValue"), "0");
    QByteArray other = gridText;
    other.replace("0 1 2 3", "70 1 2 3");
    add(file("other.asc", other));
    click(1);
    EXPECT_EQ(text("edtValue"), "70");
    // A failed load leaves no readout of the grid that has gone.
    add(folder.path("missing.asc"));
    click(2);
    for (const char* name : {"edtXCol", "edtYCol", "edtXCoord", "edtYCoord", "edtValue"})
        EXPECT_TRUE(text(name).isEmpty()) << name;
    // Nothing loaded: moving over the paint box shows nothing.
    pointAt(at);
    EXPECT_TRUE(text("edtValue").isEmpty());
}

namespace {

// Each legend box and label sits where the legend panel's height puts it: measured from the
// panel's corner, spaced by the height inside its one-pixel frame.
void expectLegendPlacedFor(TfrmVistals& window) {
    const int height = window.findChild<QWidget*>("pnlLegend")->height() - 2;
    for (int k = 0; k <= 20; ++k) {
        const QRect box =
            window.findChild<PaintBox*>(QStringLiteral("LegendBox%1").arg(k))->geometry();
        EXPECT_EQ(box, QRect(11, LegendTop(k, height), 20, height / 40)) << k;
        const QLabel* label = window.findChild<QLabel*>(QStringLiteral("LegendLabel%1").arg(k));
        EXPECT_EQ(label->x(), 35) << k;
        EXPECT_EQ(label->y(), box.y()) << k;
    }
}

}  // namespace

TEST_F(WindowDisplay, LegendFollowsTheResizedWindowWithoutRepaintLoops) {
    settle();
    int legendPaints = 0;
    int gridPaints = 0;
    PaintBox* legend = control<PaintBox>("PaintBoxLegend");
    QObject::connect(legend, &PaintBox::paintRequested, [&] { ++legendPaints; });
    QObject::connect(picture(), &PaintBox::paintRequested, [&] { ++gridPaints; });
    expectLegendPlacedFor(window);
    const int before = legend->height();

    window.resize(1000, 650);
    settle();
    ASSERT_LT(legend->height(), before);
    expectLegendPlacedFor(window);
    // One repaint each for the new size; drawing the legend must not ask for another.
    EXPECT_EQ(legendPaints, 1);
    EXPECT_EQ(gridPaints, 1);
    EXPECT_EQ(legendBox(20)->canvas().pixel(5, 2) & 0xFFFFFF, legendColour(20));

    legendPaints = gridPaints = 0;
    legend->update();
    picture()->update();
    settle();
    EXPECT_EQ(legendPaints, 1);
    EXPECT_EQ(gridPaints, 1);
}

namespace {

class WindowWithoutGrid : public VistalsWindowTest {
protected:
    void SetUp() override { start(); }
};

}  // namespace

TEST_F(WindowWithoutGrid, PaletteChoiceRecoloursTheLegendBoxes) {
    auto* box = control<QComboBox>("ComboBox1");
    box->setCurrentIndex(3);
    emit box->activated(3);
    auto boxColour = [&](int k) {
        return control<PaintBox>(qPrintable(QStringLiteral("LegendBox%1").arg(k)))
                   ->canvas()
                   .pixel(5, 2) &
               0xFFFFFF;
    };
    EXPECT_EQ(boxColour(0), 0x000000u);
    EXPECT_EQ(boxColour(20), 0xFFFFFFu);
    action("miInvertPalette")->trigger();
    EXPECT_EQ(boxColour(0), 0xFFFFFFu);
}

TEST_F(WindowWithoutGrid, ClosedPaletteBoxShowsItsItemSelectedOnlyWithTheFocus) {
    // The selected look has a yellow halo; the plain look has none (palette 1 has no yellow).
    const auto hasYellow = [](const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == 0xFFFF00u) return true;
        return false;
    };
    auto* box = control<PaletteComboBox>("ComboBox1");
    QApplication::setActiveWindow(&window);
    list()->setFocus();
    settle();
    ASSERT_FALSE(box->hasFocus());
    EXPECT_FALSE(hasYellow(box->grab().toImage()));
    box->setFocus();
    settle();
    ASSERT_TRUE(box->hasFocus());
    EXPECT_TRUE(hasYellow(box->grab().toImage()));
}

TEST(PaletteComboBox, StripesShareTheItemWithoutGapsOrOverlap) {
    const QRect item(3, 10, 101, 21);
    int right = item.left();
    for (int k = 0; k < 20; ++k) {
        const QRect stripe = PaletteComboBox::stripeRect(item, k, 20);
        EXPECT_EQ(stripe.left(), right);
        EXPECT_EQ(stripe.top(), 11);
        EXPECT_EQ(stripe.bottom(), 29);  // one pixel in from the item's bottom edge
        right = stripe.right() + 1;
    }
    EXPECT_EQ(right, item.left() + item.width());
}

namespace {

class WindowLegend : public WindowDisplay {
protected:
    QWidget* panel() { return control<QWidget>("pnlLegend"); }
    PaintBox* legend() { return control<PaintBox>("PaintBoxLegend"); }
    // What the legend painter paints for the colours and labels the legend shows now.
    QImage painterLegend() {
        LegendContent content;
        for (int k = 0; k <= ColorStepCount; ++k) {
            const QRgb shown = legendColour(k);
            content.colours.push_back(Colour::fromRgb(qRed(shown), qGreen(shown), qBlue(shown)));
            content.labels.push_back(legendLabel(k)->text());
        }
        return LegendPicture(panel()->height(), content,
                             LegendStyleOf(window.palette(), legend()->font()));
    }
};

}  // namespace

TEST_F(WindowLegend, ShowsWhatTheLegendPainterPaints) {
    auto* box = control<PaletteComboBox>("ComboBox1");
    box->setCurrentIndex(2);
    settle();
    // The legend's picture, also what a copy of the legend takes, is in logical pixels at every
    // scale factor.
    const QImage painted = painterLegend();
    EXPECT_EQ(painted.size(), panel()->size());
    EXPECT_EQ(legend()->canvas(), painted);
    if (window.devicePixelRatio() == 1.0) {
        const QImage shown = panel()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown, painted);
    }
}

TEST_F(WindowLegend, PanelWidensForItsLongestLabelAndBoxesStay) {
    const QRect box0 = legendBox(0)->geometry();
    EXPECT_EQ(panel()->width(), 107);

    add(file("wide.asc",
             "ncols 2\nnrows 1\nxllcorner 0\nyllcorner 0\ncellsize 1\nnodata_value -9999\n"
             "-12345678 5\n"));
    click(list()->count() - 1);
    settle();
    ASSERT_EQ(legendLabel(0)->text(), "-1.234568e+07");
    const int textWidth =
        legendLabel(0)->fontMetrics().horizontalAdvance(QStringLiteral("-1.234568e+07"));
    for (int k = 0; k <= ColorStepCount; ++k) EXPECT_GE(legendLabel(k)->width(), textWidth) << k;
    EXPECT_GE(panel()->width(), 35 + textWidth + 1);
    EXPECT_EQ(legendBox(0)->geometry(), box0);
    EXPECT_EQ(legend()->canvas(), painterLegend());

    // Back to short labels: the panel returns to its width.
    click(0);
    settle();
    EXPECT_EQ(panel()->width(), 107);
}

TEST_F(WindowLegend, LabelsKeepTheDotUnderACommaDecimalLocale) {
    CommaDecimalLocale german;
    SKIP_WITHOUT_COMMA_LOCALE(german);
    dialogs.inputAnswers.push_back(QStringLiteral("2.75"));
    QTest::mouseClick(legendLabel(4), Qt::LeftButton);
    EXPECT_EQ(legendLabel(4)->text(), "2.75");
    // The label's own text, taken back as the prompt's default, gives the same bound.
    dialogs.inputAnswers.push_back(legendLabel(4)->text());
    QTest::mouseClick(legendLabel(4), Qt::LeftButton);
    EXPECT_EQ(dialogs.callsOf("input").back().detail, "2.75");
    EXPECT_EQ(legendLabel(4)->text(), "2.75");
    // Typed with the user's separator.
    dialogs.inputAnswers.push_back(QStringLiteral("3,25"));
    QTest::mouseClick(legendLabel(4), Qt::LeftButton);
    EXPECT_EQ(legendLabel(4)->text(), "3.25");
    // The default offered next is the bound itself, with the dot.
    dialogs.inputAnswers.push_back(QStringLiteral("3.25"));
    QTest::mouseClick(legendLabel(4), Qt::LeftButton);
    EXPECT_EQ(dialogs.callsOf("input").back().detail, "3.25");
    EXPECT_TRUE(dialogs.callsOf("message").empty());
    // Bounds computed from the statistics are written with the dot too.
    add(file("fractions.asc",
             "ncols 2\nnrows 1\nxllcorner 0\nyllcorner 0\ncellsize 1\nnodata_value -9999\n"
             "0.5 1.75\n"));
    click(list()->count() - 1);
    settle();
    for (int k = 0; k <= ColorStepCount; ++k)
        EXPECT_FALSE(legendLabel(k)->text().contains(QLatin1Char(','))) << k;
}
