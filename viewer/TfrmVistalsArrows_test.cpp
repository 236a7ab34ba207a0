#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "GridPaint.h"
#include "TfrmGradientOptions.h"
#include "VistalsWindowTesting.h"

namespace {

const QRgb Red = 0xFF0F0F;

// An ASCII grid of `rows` x `columns` cells with the value `value(i, j)`.
QByteArray gridText(int rows, int columns, const std::function<double(int, int)>& value,
                    const char* xll = "0") {
    QByteArray text = "ncols " + QByteArray::number(columns) + "\nnrows " +
                      QByteArray::number(rows) + "\nxllcorner " + xll +
                      "\nyllcorner 0\ncellsize 1\nnodata_value -9999\n";
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) text += QByteArray::number(value(i, j), 'g', 17) + " ";
        text += "\n";
    }
    return text;
}

// A double precision binary grid of 5 x 5 cells, all `value`.
QByteArray binaryComponent(double value) {
    return binaryFile(BinaryPrecision::Double, {5, 5, 0, 0, 1, -9999},
                      std::vector<double>(25, value));
}

class WindowArrows : public VistalsWindowTest {
protected:
    void SetUp() override { window.resize(1316, 819); }

    // The shown grid's cells on the picture.
    ViewWindow shownCells() {
        ViewWindow view;
        FitPage(view, document.header.nrows, document.header.ncols);
        FitWindow(view, picture()->width(), picture()->height());
        return view;
    }
    int redPixels() {
        const QImage& canvas = picture()->canvas();
        int count = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                count += (canvas.pixel(x, y) & 0xFFFFFF) == Red;
        return count;
    }
    // Answers the two open dialogs of the flow tool with these files.
    void chooseComponents(const QString& x, const QString& y) {
        dialogs.openAnswers.push_back({x});
        dialogs.openAnswers.push_back({y});
    }
    QAction* gradients() { return action("miShowGradients"); }
    QAction* flow() { return action("miShowFlowVelocitiesFromXYFields"); }

    // Runs "Arrow Options" and lets `answer` work the dialog while it is shown.
    void arrowOptions(const std::function<void(TfrmGradientOptions&)>& answer) {
        auto* dialog = window.findChild<TfrmGradientOptions*>(QStringLiteral("frmGradientOptions"));
        ASSERT_NE(dialog, nullptr);
        bool answered = false;
        QTimer::singleShot(0, dialog, [&] {
            EXPECT_TRUE(dialog->isVisible());
            answer(*dialog);
            answered = true;
            if (dialog->isVisible()) dialog->close();
        });
        action("miGradientOptions")->trigger();
        EXPECT_TRUE(answered);
    }
    static QLineEdit* edit(TfrmGradientOptions& dialog, const char* name) {
        return dialog.findChild<QLineEdit*>(QLatin1String(name));
    }
    static void press(TfrmGradientOptions& dialog, const char* name) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
    }
};

TEST_F(WindowArrows, MenuItemsWithTheirShortcutsAndOneRadioGroup) {
    const QString component = file("vx.grd", binaryComponent(1));
    start({file("grid.asc", gridText(5, 5, [](int, int j) { return double(j); }))});
    EXPECT_TRUE(gradients()->isEnabled());
    EXPECT_TRUE(flow()->isEnabled());
    EXPECT_TRUE(action("miGradientOptions")->isEnabled());
    EXPECT_EQ(gradients()->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(flow()->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(action("miGradientOptions")->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_EQ(gradients()->text(), "Show Gr&adients");
    EXPECT_EQ(flow()->text(), "Show Flow &Velocities From X-Y-Fields...");
    EXPECT_EQ(action("miGradientOptions")->text(), "Arrow &Options");

    gradients()->trigger();
    EXPECT_TRUE(gradients()->isChecked());
    chooseComponents(component, component);
    flow()->trigger();
    EXPECT_TRUE(flow()->isChecked());
    EXPECT_FALSE(gradients()->isChecked());
    gradients()->trigger();
    EXPECT_TRUE(gradients()->isChecked());
    EXPECT_FALSE(flow()->isChecked());
    gradients()->trigger();
    EXPECT_FALSE(gradients()->isChecked());

    // The keys reach the items from the window.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F2);
    EXPECT_TRUE(gradients()->isChecked());
    EXPECT_GT(redPixels(), 0);
    dialogs.openAnswers.push_back({component});
    dialogs.openAnswers.push_back({component});
    QTest::keyClick(&window, Qt::Key_F3);
    EXPECT_TRUE(flow()->isChecked());
    EXPECT_FALSE(gradients()->isChecked());
    QTest::keyClick(&window, Qt::Key_F3);
    EXPECT_FALSE(flow()->isChecked());
    EXPECT_EQ(redPixels(), 0);
}

TEST_F(WindowArrows, GradientsOfAPlaneRisingRightPointLeftFromTheCellCentres) {
    start({file("plane.asc", gridText(5, 5, [](int, int j) { return 4.0 * j; }))});
    const QImage without = picture()->canvas();
    gradients()->trigger();
    const ViewWindow view = shownCells();
    // Cell (2, 2): red from its centre to the left; the border cells keep their colour.
    const int centreX = (view.columnLeft(2) + view.columnRight(2)) / 2;
    const int centreY = (view.rowTop(2) + view.rowBottom(2)) / 2;
    EXPECT_EQ(pixel(QPoint(centreX - 30, centreY)), Red);
    EXPECT_EQ(pixel(QPoint(centreX + 20, centreY)),
              without.pixel(centreX + 20, centreY) & 0xFFFFFF);
    const int borderX = (view.columnLeft(4) + view.columnRight(4)) / 2 + 10;
    EXPECT_EQ(pixel(QPoint(borderX, centreY)), without.pixel(borderX, centreY) & 0xFFFFFF);
    EXPECT_GT(redPixels(), 0);

    gradients()->trigger();  // off: the picture without arrows
    EXPECT_EQ(redPixels(), 0);
    EXPECT_TRUE(picture()->canvas() == without);
}

TEST_F(WindowArrows, GradientsFollowLoadsAndLevelChangesWhileChecked) {
    const QString steep = file("steep.asc", gridText(4, 4, [](int i, int) { return -9.0 * i; }));
    const QString flat = file("flat.asc", gridText(4, 4, [](int, int) { return 3.0; }));
    // A stack of 3 x 3 cells: level 0 flat, level 1 rising to the right.
    QByteArray stack =
        "stack 3\nnrows 3\nxll 0\nyll 0\ncs 1\nnodata -9999\nc 0\nmi 0\nma 0\ns 0\na 0\nlevels 1\n";
    for (int cell = 0; cell < 9; ++cell) stack += "5 " + QByteArray::number(cell % 3 * 2) + " ";
    const QString levels = file("stack.asc", stack + "\n");
    start({steep, flat, levels});
    gradients()->trigger();
    EXPECT_GT(redPixels(), 0);

    click(1);
    settle();
    EXPECT_EQ(document.FileName, flat);
    EXPECT_EQ(redPixels(), 0);  // a flat grid: no shafts, no heads

    click(2);
    settle();
    EXPECT_EQ(redPixels(), 0);
    QTest::keyClick(list(), Qt::Key_Right, Qt::ControlModifier);
    settle();
    EXPECT_EQ(document.shownLevel, 1);
    EXPECT_GT(redPixels(), 0);

    click(0);
    settle();
    EXPECT_GT(redPixels(), 0);
}

TEST_F(WindowArrows, FlowFromComponentsStartsAtLowerRightCornersBordersIncluded) {
    start({file("grid.asc", gridText(5, 5, [](int i, int j) { return double(i + j); }))});
    const QString x = file("vx.grd", binaryComponent(1));
    const QString y = file("vy.grd", binaryComponent(0));
    chooseComponents(x, y);
    flow()->trigger();
    EXPECT_TRUE(flow()->isChecked());
    const auto opened = dialogs.callsOf(QStringLiteral("open"));
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].caption, "Name of Grid with X-Component");
    EXPECT_EQ(opened[1].caption, "Name of Grid with Y-Component");
    EXPECT_TRUE(dialogs.callsOf(QStringLiteral("message")).empty());

    // X = 1, Y = 0: every arrow points right from its cell's lower right corner, 60 pixels,
    // red; the last column's arrows leave the picture, the top row's are drawn too.
    const ViewWindow view = shownCells();
    EXPECT_EQ(pixel(QPoint(view.columnRight(0) + 30, view.rowBottom(0))), Red);
    EXPECT_EQ(pixel(QPoint(view.columnRight(4) + 30, view.rowBottom(4))), Red);
    EXPECT_NE(pixel(QPoint(view.columnRight(0) + 30, view.rowBottom(0) - 8)), Red);
    EXPECT_NE(pixel(QPoint(view.columnLeft(0) + 5, view.rowBottom(0))), Red);

    flow()->trigger();  // off
    EXPECT_FALSE(flow()->isChecked());
    EXPECT_EQ(redPixels(), 0);
}

TEST_F(WindowArrows, FlowUpAndDownAndWithoutAnySpeed) {
    start({file("grid.asc", gridText(5, 5, [](int, int) { return 1.0; }))});
    const QString zero = file("zero.grd", binaryComponent(0));
    const QString up = file("up.grd", binaryComponent(-1));
    const QString down = file("down.grd", binaryComponent(1));
    const ViewWindow view = shownCells();
    const QPoint corner(view.columnRight(2), view.rowBottom(2));

    chooseComponents(zero, up);
    flow()->trigger();
    EXPECT_EQ(pixel(corner + QPoint(0, -30)), Red);
    EXPECT_NE(pixel(corner + QPoint(0, 30)), Red);
    flow()->trigger();

    chooseComponents(zero, down);
    flow()->trigger();
    EXPECT_EQ(pixel(corner + QPoint(0, 30)), Red);
    flow()->trigger();

    chooseComponents(zero, zero);
    flow()->trigger();
    EXPECT_TRUE(flow()->isChecked());
    EXPECT_EQ(redPixels(), 0);
}

TEST_F(WindowArrows, ComponentsNearTheLargestDoubleStillGiveArrows) {
    start({file("grid.asc", gridText(5, 5, [](int, int) { return 1.0; }))});
    const QString huge = file("huge.grd", binaryComponent(1e308));
    const QString zero = file("zero.grd", binaryComponent(0));
    chooseComponents(huge, huge);
    flow()->trigger();
    EXPECT_TRUE(flow()->isChecked());
    EXPECT_GT(redPixels(), 0);
    flow()->trigger();
    // One huge component and the other 0: arrows pointing right.
    chooseComponents(huge, zero);
    flow()->trigger();
    const ViewWindow view = shownCells();
    EXPECT_EQ(pixel(QPoint(view.columnRight(1) + 30, view.rowBottom(1))), Red);
}

TEST_F(WindowArrows, CancellingEitherDialogUnchecksTheFlowItem) {
    start({file("grid.asc", gridText(5, 5, [](int, int) { return 1.0; }))});
    const QString x = file("vx.grd", binaryComponent(1));
    dialogs.openAnswers.push_back({});  // cancelled
    flow()->trigger();
    EXPECT_FALSE(flow()->isChecked());
    EXPECT_EQ(dialogs.callsOf(QStringLiteral("open")).size(), 1u);

    dialogs.openAnswers = {{x}, {}};  // the second one cancelled
    flow()->trigger();
    EXPECT_FALSE(flow()->isChecked());
    EXPECT_EQ(dialogs.callsOf(QStringLiteral("open")).size(), 3u);
    EXPECT_EQ(redPixels(), 0);
}

TEST_F(WindowArrows, ComponentOfAnotherGeometryIsRefusedToTheLastBit) {
    start({file("grid.asc", gridText(
                                5, 5, [](int, int) { return 1.0; }, "0.1"))});
    const QString same = file("same.asc", gridText(
                                              5, 5, [](int, int) { return 1.0; }, "0.1"));
    const QString shifted =
        file("shifted.asc", gridText(
                                5, 5, [](int, int) { return 1.0; }, "0.10000000000000002"));

    chooseComponents(shifted, same);
    flow()->trigger();
    EXPECT_FALSE(flow()->isChecked());
    auto messages = dialogs.callsOf(QStringLiteral("message"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "grid geometry");
    EXPECT_EQ(messages[0].detail, "error");
    EXPECT_TRUE(messages[0].text.contains(shifted));
    EXPECT_TRUE(messages[0].text.contains("\nxll: 0.1 (shown grid), 0.1 (component grid)\n"));
    EXPECT_EQ(dialogs.callsOf(QStringLiteral("open")).size(), 2u);
    EXPECT_EQ(redPixels(), 0);

    chooseComponents(same, shifted);
    flow()->trigger();
    EXPECT_FALSE(flow()->isChecked());
    EXPECT_EQ(dialogs.callsOf(QStringLiteral("message")).size(), 2u);
    EXPECT_EQ(redPixels(), 0);

    chooseComponents(same, same);
    flow()->trigger();
    EXPECT_TRUE(flow()->isChecked());
    EXPECT_GT(redPixels(), 0);
}

TEST_F(WindowArrows, ComponentsAreReadWithoutTouchingTheShownGrid) {
    const QString shown =
        file("grid.asc", gridText(5, 5, [](int i, int j) { return i * 5.0 + j; }));
    start({shown});
    const QStringList fields = {"edtFileFormat", "edtNCols", "edtCellCount", "edtMin",
                                "edtMax",        "edtSum",   "edtAverage",   "edtStdDev"};
    QStringList before;
    for (const QString& name : fields) before << text(qPrintable(name));
    const GridFileFormat format = document.Format;

    const QString x = file("vx.grd", binaryComponent(2));
    const QString y = file("vy.grd", binaryComponent(3));
    chooseComponents(x, y);
    flow()->trigger();
    ASSERT_TRUE(flow()->isChecked());

    QStringList after;
    for (const QString& name : fields) after << text(qPrintable(name));
    EXPECT_EQ(after, before);
    EXPECT_EQ(document.Format, format);
    EXPECT_EQ(document.FileName, shown);
    EXPECT_EQ(document.statistics.Maximum, 24);
    EXPECT_TRUE(action("miSaveGrid")->isEnabled());
    EXPECT_FALSE(levels()->isEnabled());
    EXPECT_EQ(list()->count(), 1);

    // Save writes the shown grid in its own format, not in the components' binary one.
    const QString saved = folder.path(QStringLiteral("saved.asc"));
    dialogs.inputAnswers.push_back(saved);
    action("miSaveGrid")->trigger();
    EXPECT_TRUE(fileBytes(saved).startsWith("ncols"));
}

TEST_F(WindowArrows, AnotherGridLeavesTheFlowItemCheckedButDrawsNothing) {
    const QString first = file("a.asc", gridText(5, 5, [](int, int) { return 1.0; }));
    const QString second = file("b.asc", gridText(5, 5, [](int, int) { return 2.0; }));
    start({first, second});
    chooseComponents(file("vx.grd", binaryComponent(1)), file("vy.grd", binaryComponent(1)));
    flow()->trigger();
    EXPECT_GT(redPixels(), 0);
    click(1);
    settle();
    EXPECT_EQ(document.FileName, second);
    EXPECT_TRUE(flow()->isChecked());
    EXPECT_EQ(redPixels(), 0);
}

TEST_F(WindowArrows, OptionsDialogTakesItsValuesBackOnlyAfterOk) {
    start({file("plane.asc", gridText(5, 5, [](int, int j) { return 4.0 * j; }))});
    QStringList shown;
    const auto readEdits = [&](TfrmGradientOptions& dialog) {
        shown.clear();
        for (const char* name : {"mskedtMinArrowLength", "mskedtMaxArrowLength",
                                 "mskedtArrowThickness", "mskedtArrowPeakLength"})
            shown << edit(dialog, name)->text();
    };
    arrowOptions([&](TfrmGradientOptions& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Gradient Options");
        readEdits(dialog);
        // The example arrows of the start options: 10 and 50 pixels in green.
        const QImage& sample = dialog.exampleImage();
        EXPECT_EQ(sample.pixel(20, 15) & 0xFFFFFF, 0x008000u);
        EXPECT_EQ(sample.pixel(21, 15) & 0xFFFFFF, 0xFFFFFFu);
        EXPECT_EQ(sample.pixel(60, 30) & 0xFFFFFF, 0x008000u);
        edit(dialog, "mskedtMinArrowLength")->setText("20");
        press(dialog, "btnOK");
    });
    EXPECT_EQ(shown, QStringList({"10", "50", "2", "5"}));

    // The close box leaves the flag as OK left it: the values are taken.
    arrowOptions([&](TfrmGradientOptions& dialog) {
        readEdits(dialog);
        edit(dialog, "mskedtMaxArrowLength")->setText("70");
        dialog.close();
    });
    EXPECT_EQ(shown, QStringList({"20", "50", "2", "5"}));

    arrowOptions([&](TfrmGradientOptions& dialog) {
        readEdits(dialog);
        edit(dialog, "mskedtArrowThickness")->setText("4");
        press(dialog, "btnCancel");
    });
    EXPECT_EQ(shown, QStringList({"20", "70", "2", "5"}));

    // After Cancel the close box takes nothing either.
    arrowOptions([&](TfrmGradientOptions& dialog) {
        readEdits(dialog);
        edit(dialog, "mskedtArrowThickness")->setText("4");
        dialog.close();
    });
    arrowOptions([&](TfrmGradientOptions& dialog) { readEdits(dialog); });
    EXPECT_EQ(shown, QStringList({"20", "70", "2", "5"}));
}

TEST_F(WindowArrows, OptionsDialogColourAndAnEmptyEdit) {
    start({file("plane.asc", gridText(5, 5, [](int, int j) { return 4.0 * j; }))});
    gradients()->trigger();
    const QImage before = picture()->canvas();
    dialogs.colourAnswers.push_back(Colour::fromRgb(10, 20, 200));
    arrowOptions([&](TfrmGradientOptions& dialog) {
        press(dialog, "btnColor");
        EXPECT_EQ(dialog.exampleImage().pixel(15, 15) & 0xFFFFFF, 0x0A14C8u);
        edit(dialog, "mskedtMinArrowLength")->clear();
        press(dialog, "btnOK");
    });
    // The empty edit is no number: the user is told and the options stay.
    const auto messages = dialogs.callsOf(QStringLiteral("message"));
    ASSERT_FALSE(messages.empty());
    EXPECT_TRUE(picture()->canvas() == before);
    arrowOptions([&](TfrmGradientOptions& dialog) {
        EXPECT_EQ(edit(dialog, "mskedtMinArrowLength")->text(), "10");
        press(dialog, "btnCancel");
    });
}

TEST_F(WindowArrows, LongerArrowsAfterNewOptions) {
    start({file("plane.asc", gridText(7, 7, [](int, int j) { return 4.0 * j; }))});
    gradients()->trigger();
    const int before = redPixels();
    arrowOptions([&](TfrmGradientOptions& dialog) {
        edit(dialog, "mskedtMaxArrowLength")->setText("90");
        press(dialog, "btnOK");
    });
    EXPECT_GT(redPixels(), before);
}

}  // namespace
