#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "CommaDecimalLocale.h"
#include "CommandProcessor.h"
#include "LegendGeometry.h"
#include "LegendLabel.h"
#include "LegendPainter.h"
#include "PaintBox.h"
#include "PaletteComboBox.h"
#include "Palettes.h"
#include "ScriptedDialogs.h"
#include "TfrmVistals.h"
#include "UpDown.h"

namespace {

class NoCommands : public CommandProcessor {
public:
    void run(const QString&) override {}
};

// A 4 x 4 grid 0..14 with one nodata cell at row 1, column 2.
const QByteArray gridText =
    "ncols 4\nnrows 4\nxllcorner 0\nyllcorner 0\ncellsize 10\nnodata_value -9999\n"
    "0 1 2 3\n4 5 -9999 7\n8 9 10 11\n12 13 14 15\n";

class WindowDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        const QString path = dir.filePath("grid.asc");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(gridText);
        file.close();
        window.resize(1316, 819);
        window.show();
        window.FormShow({path});
        QCoreApplication::processEvents();
    }

    QRgb pixelOfCell(int row, int column) {
        const ViewWindow& view = window.View;
        const int x = (view.columnLeft(column) + view.columnRight(column)) / 2;
        const int y = (view.rowTop(row) + view.rowBottom(row)) / 2;
        return window.PaintBox1->canvas().pixel(x, y) & 0xFFFFFF;
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    NoCommands commands;
    TfrmVistals window{dialogs, commands};
};

}  // namespace

TEST_F(WindowDisplay, LoadedGridIsPaintedWithTheLegendColours) {
    ASSERT_TRUE(window.document.hasValues());
    EXPECT_EQ(window.View.LastRow, 4);
    EXPECT_EQ(window.View.LastCol, 4);
    // The lowest value takes class 0's colour, the highest class 20's.
    EXPECT_EQ(pixelOfCell(0, 0), window.LegendColours.front().argb() & 0xFFFFFF);
    EXPECT_EQ(pixelOfCell(3, 3), window.LegendColours.back().argb() & 0xFFFFFF);
    // A transparent nodata cell shows what was there: the erase colour.
    EXPECT_EQ(pixelOfCell(1, 2), 0xC0C0C0u);
    EXPECT_EQ(window.LegendLabels.front()->text(), "0");
    EXPECT_EQ(window.LegendLabels.back()->text(), "15");
}

TEST_F(WindowDisplay, OpaqueNodataIsPaintedInButtonFace) {
    window.miNodataTransparent->trigger();
    EXPECT_FALSE(window.NodataTransparent);
    EXPECT_FALSE(window.tlbtnNodataTransparent->isChecked());
    window.GridPaint();
    EXPECT_EQ(pixelOfCell(1, 2), window.palette().color(QPalette::Button).rgb() & 0xFFFFFF);
    // Switching transparency back on also switches erasing off.
    window.tlbtnNodataTransparent->trigger();
    EXPECT_TRUE(window.NodataTransparent);
    EXPECT_TRUE(window.miNodataTransparent->isChecked());
    EXPECT_FALSE(window.miEraseGrid->isChecked());
}

TEST_F(WindowDisplay, PaletteChoiceRecoloursTheLegendAndGammaControls) {
    window.ComboBox1->setCurrentIndex(3);
    window.ComboBox1Change();
    EXPECT_EQ(window.LegendColours, window.palettes.Palettes[3]);
    EXPECT_EQ(window.LegendColours.front(), Colour(0x000000));
    EXPECT_EQ(window.LegendColours.back(), Colour(0xFFFFFF));
    EXPECT_TRUE(window.edtGamma->isEnabled());
    EXPECT_EQ(pixelOfCell(0, 0), 0x000000u);
}

TEST_F(WindowDisplay, GammaTextIsClampedAndRestoresThePalette) {
    const std::vector<Colour> original = window.palettes.Palettes[0];
    window.edtGamma->setText("0");
    EXPECT_EQ(window.edtGamma->text(), "1");
    EXPECT_EQ(window.updnGamma->position(), 1);
    EXPECT_EQ(window.LegendColours[5],
              GetPaletteColor(5, Colour(0xFF0000), Colour(0xFFFFFF), Colour(0x0000FF), 0.02));
    window.edtGamma->setText("250");
    EXPECT_EQ(window.edtGamma->text(), "100");
    EXPECT_EQ(window.LegendColours[5],
              GetPaletteColor(5, Colour(0xFF0000), Colour(0xFFFFFF), Colour(0x0000FF), 2.0));
    window.edtGamma->setText("25");
    window.edtGamma->setText("50");
    EXPECT_EQ(window.palettes.Palettes[0], original);
    EXPECT_EQ(window.LegendColours, original);

    window.edtGamma->setText("5x");
    ASSERT_EQ(dialogs.callsOf("message").size(), 1u);
    EXPECT_EQ(dialogs.callsOf("message")[0].text, "'5x' is not a valid integer value");
    EXPECT_EQ(window.palettes.Palettes[0], original);
    EXPECT_EQ(window.updnGamma->position(), 50);
}

TEST_F(WindowDisplay, UpDownStepsTheGammaByFive) {
    window.updnGamma->stepUp();
    EXPECT_EQ(window.edtGamma->text(), "55");
    EXPECT_EQ(window.LegendColours[5],
              GetPaletteColor(5, Colour(0xFF0000), Colour(0xFFFFFF), Colour(0x0000FF), 1.1));
}

TEST_F(WindowDisplay, InvertTwiceRestoresPaletteAndLegend) {
    const std::vector<Colour> original = window.palettes.Palettes[0];
    window.miInvertPalette->trigger();
    EXPECT_EQ(window.LegendColours.front(), original.back());
    EXPECT_EQ(window.LegendColours[10], original[10]);
    EXPECT_EQ(pixelOfCell(0, 0), original.back().argb() & 0xFFFFFF);
    window.tlbntInvertPalette->trigger();
    EXPECT_EQ(window.LegendColours, original);
}

TEST_F(WindowDisplay, DiscontinuousColoursAndGridLinesMirrorMenuAndButton) {
    window.miDiscontinuousColors->trigger();
    EXPECT_TRUE(window.tlbtnDiscontinuousColors->isChecked());
    // The highest value takes class 19's colour in steps.
    EXPECT_EQ(pixelOfCell(3, 3), window.LegendColours[19].argb() & 0xFFFFFF);
    window.tlbtnDiscontinuousColors->trigger();
    EXPECT_FALSE(window.miDiscontinuousColors->isChecked());

    window.tlbtnDrawGridLines->trigger();
    EXPECT_TRUE(window.miDrawGridLines->isChecked());
    const ViewWindow& view = window.View;
    EXPECT_EQ(
        window.PaintBox1->canvas().pixel(view.columnRight(0) - 1, view.rowTop(0) + 5) & 0xFFFFFF,
        0x808080u);
    window.miDrawGridLines->trigger();
    EXPECT_FALSE(window.tlbtnDrawGridLines->isChecked());
}

TEST_F(WindowDisplay, KeepClippingMirrorsMenuAndButton) {
    window.tlbtnKeepClipping->trigger();
    EXPECT_TRUE(window.KeepClipping);
    EXPECT_TRUE(window.miKeepClipping->isChecked());
    window.miKeepClipping->trigger();
    EXPECT_FALSE(window.KeepClipping);
    EXPECT_FALSE(window.tlbtnKeepClipping->isChecked());
    window.miEraseGrid->trigger();
    EXPECT_FALSE(window.miEraseGrid->isChecked());
}

TEST_F(WindowDisplay, LegendBoxClickTakesTheChosenColour) {
    dialogs.colourAnswers.push_back(Colour(0x00FF00));
    QTest::mouseClick(window.LegendBoxes[0], Qt::LeftButton);
    ASSERT_EQ(dialogs.callsOf("colour").size(), 1u);
    EXPECT_EQ(window.LegendColours[0], Colour(0x00FF00));
    EXPECT_EQ(pixelOfCell(0, 0), 0x00FF00u);
    EXPECT_EQ(window.LegendBoxes[0]->canvas().pixel(5, 3) & 0xFFFFFF, 0x00FF00u);
    // A cancelled colour dialog keeps the colour.
    QTest::mouseClick(window.LegendBoxes[0], Qt::LeftButton);
    EXPECT_EQ(window.LegendColours[0], Colour(0x00FF00));
}

TEST_F(WindowDisplay, LegendLabelClickSetsTheBoundAndRejectsText) {
    dialogs.inputAnswers.push_back(QStringLiteral("abc"));
    QTest::mouseClick(window.LegendLabels[4], Qt::LeftButton);
    const auto inputs = dialogs.callsOf("input");
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].caption, "Legend Label");
    EXPECT_EQ(inputs[0].text, "new Value");
    const QString before = window.LegendLabels[4]->text();
    EXPECT_EQ(inputs[0].detail, before);
    EXPECT_EQ(dialogs.callsOf("message").at(0).text, "'abc' is not a valid floating point value");
    EXPECT_EQ(window.LegendLabels[4]->text(), before);

    dialogs.inputAnswers.push_back(QStringLiteral("12.123456789"));
    QTest::mouseClick(window.LegendLabels[4], Qt::LeftButton);
    EXPECT_EQ(window.LegendLabels[4]->text(), "12.12346");
    EXPECT_EQ(window.ClassBounds[4], 12.123456789);

    // A cancelled prompt keeps the exact bound, not the seven digits of its label.
    dialogs.inputAnswers.push_back(std::nullopt);
    QTest::mouseClick(window.LegendLabels[4], Qt::LeftButton);
    EXPECT_EQ(dialogs.callsOf("input").size(), 3u);
    EXPECT_EQ(window.LegendLabels[4]->text(), "12.12346");
    EXPECT_EQ(window.ClassBounds[4], 12.123456789);
}

TEST_F(WindowDisplay, ZoomShiftAndFitPageMoveTheWindow) {
    window.miEraseGrid->setChecked(false);
    window.miZoomIn->trigger();
    EXPECT_TRUE(window.miEraseGrid->isChecked());
    EXPECT_FALSE(window.View.isEmpty());
    EXPECT_LT(window.View.columnCount(), 4);
    const ViewWindow zoomed = window.View;
    window.miShiftRight->trigger();
    EXPECT_EQ(window.View.columnCount(), zoomed.columnCount());
    EXPECT_LE(window.View.LastCol, 4);
    window.miFitPage->trigger();
    EXPECT_EQ(window.View.FirstCol, 0);
    EXPECT_EQ(window.View.LastCol, 4);
    EXPECT_EQ(window.View.LastRow, 4);
    // Alt-click zooms in around the pixel, Alt+Shift-click zooms out again; like every zoom it
    // switches erasing on.
    window.miEraseGrid->setChecked(false);
    QTest::mouseClick(window.PaintBox1, Qt::LeftButton, Qt::AltModifier, QPoint(5, 5));
    EXPECT_LT(window.View.columnCount(), 4);
    EXPECT_TRUE(window.miEraseGrid->isChecked());
    QTest::mouseClick(window.PaintBox1, Qt::LeftButton, Qt::AltModifier | Qt::ShiftModifier,
                      QPoint(5, 5));
    QTest::mouseClick(window.PaintBox1, Qt::LeftButton, Qt::AltModifier | Qt::ShiftModifier,
                      QPoint(5, 5));
    EXPECT_EQ(window.View.columnCount(), 4);
}

TEST_F(WindowDisplay, ReadoutShowsTheCellUnderThePointer) {
    QMouseEvent move(QEvent::MouseMove, QPointF(0, 0), QPointF(0, 0), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    window.PaintBox1MouseMove(&move);
    EXPECT_EQ(window.edtXCol->text(), "1");
    EXPECT_EQ(window.edtYCol->text(), "1");
    EXPECT_EQ(window.edtXCoord->text(), "0");
    EXPECT_EQ(window.edtYCoord->text(), "40");
    EXPECT_EQ(window.edtValue->text(), "0");
    const QPointF beyond(window.View.DrawWidth + 2, 1);
    QMouseEvent outside(QEvent::MouseMove, beyond, beyond, Qt::NoButton, Qt::NoButton,
                        Qt::NoModifier);
    window.PaintBox1MouseMove(&outside);
    EXPECT_EQ(window.edtXCol->text(), "-");
    EXPECT_EQ(window.edtValue->text(), "outside");
}

namespace {

// Each legend box and label sits where the legend panel's height puts it: measured from the
// panel's corner, spaced by the height inside its one-pixel frame.
void expectLegendPlacedFor(const TfrmVistals& window) {
    const int height = window.pnlLegend->height() - 2;
    for (int k = 0; k <= 20; ++k) {
        const QRect box = window.LegendBoxes[k]->geometry();
        EXPECT_EQ(box, QRect(11, LegendTop(k, height), 20, height / 40)) << k;
        EXPECT_EQ(window.LegendLabels[k]->x(), 35) << k;
        EXPECT_EQ(window.LegendLabels[k]->y(), box.y()) << k;
    }
}

void settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

}  // namespace

TEST_F(WindowDisplay, LegendFollowsTheResizedWindowWithoutRepaintLoops) {
    settle();
    int legendPaints = 0;
    int gridPaints = 0;
    QObject::connect(window.PaintBoxLegend, &PaintBox::paintRequested, [&] { ++legendPaints; });
    QObject::connect(window.PaintBox1, &PaintBox::paintRequested, [&] { ++gridPaints; });
    expectLegendPlacedFor(window);
    const int before = window.PaintBoxLegend->height();

    window.resize(1000, 650);
    settle();
    ASSERT_LT(window.PaintBoxLegend->height(), before);
    expectLegendPlacedFor(window);
    // One repaint each for the new size; drawing the legend must not ask for another.
    EXPECT_EQ(legendPaints, 1);
    EXPECT_EQ(gridPaints, 1);
    EXPECT_EQ(window.LegendBoxes[20]->canvas().pixel(5, 2) & 0xFFFFFF,
              window.LegendColours[20].argb() & 0xFFFFFF);

    legendPaints = gridPaints = 0;
    window.PaintBoxLegend->update();
    window.PaintBox1->update();
    settle();
    EXPECT_EQ(legendPaints, 1);
    EXPECT_EQ(gridPaints, 1);
}

TEST(WindowDisplayWithoutGrid, PaletteChoiceRecoloursTheLegendBoxes) {
    ScriptedDialogs dialogs;
    NoCommands commands;
    TfrmVistals window(dialogs, commands);
    window.show();
    window.FormShow({});
    window.ComboBox1->setCurrentIndex(3);
    window.ComboBox1Change();
    EXPECT_EQ(window.LegendBoxes[0]->canvas().pixel(5, 2) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(window.LegendBoxes[20]->canvas().pixel(5, 2) & 0xFFFFFF, 0xFFFFFFu);
    window.miInvertPalette->trigger();
    EXPECT_EQ(window.LegendBoxes[0]->canvas().pixel(5, 2) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(PaletteComboBox, ClosedBoxShowsItsItemSelectedOnlyWithTheFocus) {
    // The selected look has a yellow halo; the plain look has none (palette 1 has no yellow).
    const auto hasYellow = [](const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == 0xFFFF00u) return true;
        return false;
    };
    ScriptedDialogs dialogs;
    NoCommands commands;
    TfrmVistals window(dialogs, commands);
    window.show();
    window.FormShow({});
    QApplication::setActiveWindow(&window);
    window.lstbxGridNames->setFocus();
    settle();
    ASSERT_FALSE(window.ComboBox1->hasFocus());
    EXPECT_FALSE(hasYellow(window.ComboBox1->grab().toImage()));
    window.ComboBox1->setFocus();
    settle();
    ASSERT_TRUE(window.ComboBox1->hasFocus());
    EXPECT_TRUE(hasYellow(window.ComboBox1->grab().toImage()));
}

// The window sees Ctrl+Left and Ctrl+Right first: they step the stack level wherever the focus
// is, and the focused edit does not get them.
TEST(WindowDisplayKeys, CtrlArrowsStepTheLevelFromAnyFocusedControl) {
    ScriptedDialogs dialogs;
    NoCommands commands;
    TfrmVistals window(dialogs, commands);
    window.show();
    window.FormShow({QStringLiteral(TOLMAR_SAMPLES "/heads_stack.asc")});
    ASSERT_TRUE(window.document.IsStack);
    ASSERT_EQ(window.updnStacklevel->position(), 0);
    window.edtGamma->setCursorPosition(1);
    QTest::keyClick(window.edtGamma, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(window.updnStacklevel->position(), 1);
    EXPECT_EQ(window.edtGamma->cursorPosition(), 1);
    QTest::keyClick(window.edtGamma, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(window.updnStacklevel->position(), 0);
    EXPECT_EQ(window.edtGamma->cursorPosition(), 1);
    // With Alt held the key takes its normal way.
    QTest::keyClick(window.edtGamma, Qt::Key_Right, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(window.updnStacklevel->position(), 0);
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

std::vector<QString> labelTexts(const TfrmVistals& window) {
    return legendLabelTexts(window.LegendLabels);
}

QImage painterLegend(const TfrmVistals& window) {
    return LegendPicture(window.pnlLegend->height(), {window.LegendColours, labelTexts(window)},
                         LegendStyleOf(window.palette(), window.PaintBoxLegend->font()));
}

}  // namespace

TEST_F(WindowDisplay, LegendShowsWhatTheLegendPainterPaints) {
    settle();
    window.ComboBox1->setCurrentIndex(2);
    window.ComboBox1Change();
    settle();
    // The legend's picture, also what a copy of the legend takes, is in logical pixels at every
    // scale factor.
    const QImage painted = painterLegend(window);
    EXPECT_EQ(painted.size(), window.pnlLegend->size());
    EXPECT_EQ(window.PaintBoxLegend->canvas(), painted);
    if (window.devicePixelRatio() == 1.0) {
        const QImage shown =
            window.pnlLegend->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown, painted);
    }
}

TEST_F(WindowDisplay, LegendPanelWidensForItsLongestLabelAndBoxesStay) {
    settle();
    const QRect box0 = window.LegendBoxes[0]->geometry();
    EXPECT_EQ(window.pnlLegend->width(), 107);

    const QString path = dir.filePath("wide.asc");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "ncols 2\nnrows 1\nxllcorner 0\nyllcorner 0\ncellsize 1\nnodata_value -9999\n"
        "-12345678 5\n");
    file.close();
    window.lstbxGridNames->addItem(path);
    window.lstbxGridNames->setCurrentRow(window.lstbxGridNames->count() - 1);
    window.lstbxGridNamesClick();
    settle();
    ASSERT_EQ(window.LegendLabels[0]->text(), "-1.234568e+07");
    const int textWidth =
        window.LegendLabels[0]->fontMetrics().horizontalAdvance(QStringLiteral("-1.234568e+07"));
    for (const LegendLabel* label : window.LegendLabels)
        EXPECT_GE(label->width(), textWidth) << label->text().toStdString();
    EXPECT_GE(window.pnlLegend->width(), 35 + textWidth + 1);
    EXPECT_EQ(window.LegendBoxes[0]->geometry(), box0);
    EXPECT_EQ(window.PaintBoxLegend->canvas(), painterLegend(window));

    // Back to short labels: the panel returns to its width.
    window.lstbxGridNames->setCurrentRow(0);
    window.lstbxGridNamesClick();
    settle();
    EXPECT_EQ(window.pnlLegend->width(), 107);
}

TEST_F(WindowDisplay, LegendLabelsKeepTheDotUnderACommaDecimalLocale) {
    CommaDecimalLocale german;
    SKIP_WITHOUT_COMMA_LOCALE(german);
    dialogs.inputAnswers.push_back(QStringLiteral("2.75"));
    QTest::mouseClick(window.LegendLabels[4], Qt::LeftButton);
    EXPECT_EQ(window.LegendLabels[4]->text(), "2.75");
    EXPECT_EQ(window.ClassBounds[4], 2.75);
    // The label's own text, taken back as the prompt's default, gives the same bound.
    dialogs.inputAnswers.push_back(window.LegendLabels[4]->text());
    QTest::mouseClick(window.LegendLabels[4], Qt::LeftButton);
    EXPECT_EQ(dialogs.callsOf("input").back().detail, "2.75");
    EXPECT_EQ(window.ClassBounds[4], 2.75);
    // Typed with the user's separator.
    dialogs.inputAnswers.push_back(QStringLiteral("3,25"));
    QTest::mouseClick(window.LegendLabels[4], Qt::LeftButton);
    EXPECT_EQ(window.LegendLabels[4]->text(), "3.25");
    EXPECT_EQ(window.ClassBounds[4], 3.25);
    EXPECT_TRUE(dialogs.callsOf("message").empty());
    // Bounds computed from the statistics are written with the dot too.
    window.lstbxGridNamesClick();
    for (const LegendLabel* label : window.LegendLabels)
        EXPECT_FALSE(label->text().contains(QLatin1Char(','))) << label->text().toStdString();
}
