#pragma once
// The main window's tests of selection and editing: clicks on cells with modifier keys, the
// marks' pixels, the clipboard and the profile series.
#include <QClipboard>
#include <QMimeData>

#include "GridPaint.h"
#include "TChart.h"
#include "TChartSeries.h"
#include "VistalsWindowTesting.h"

inline constexpr QRgb MarkGreen = 0x008000;

// A grid of `rows` x `columns` cells holding 100 * row + column (0-based), cell size 1, with
// nodata -9999 wherever `nodataAt` says.
inline QByteArray numberedGrid(int rows, int columns,
                               std::initializer_list<std::pair<int, int>> nodataAt = {}) {
    QByteArray text = "ncols " + QByteArray::number(columns) + "\nnrows " +
                      QByteArray::number(rows) +
                      "\nxllcorner 0\nyllcorner 0\ncellsize 1\nnodata_value -9999\n";
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            bool nodata = false;
            for (auto [nr, nc] : nodataAt) nodata = nodata || (nr == r && nc == c);
            text += nodata ? QByteArray("-9999") : QByteArray::number(100 * r + c);
            text += ' ';
        }
        text += '\n';
    }
    return text;
}

class CellSelectionTest : public VistalsWindowTest {
protected:
    void load(const QByteArray& grid) {
        window.resize(1316, 819);
        start({file("grid.asc", grid)});
        ASSERT_TRUE(document.hasValues());
    }
    // The whole grid as the paint box shows it.
    ViewWindow shown() {
        ViewWindow view;
        FitPage(view, document.header.nrows, document.header.ncols);
        FitWindow(view, picture()->width(), picture()->height());
        return view;
    }
    // The pixel in the middle of the cell at 1-based column and row.
    QPoint centre(int col, int row) {
        const ViewWindow view = shown();
        return {(view.columnLeft(col - 1) + view.columnRight(col - 1)) / 2,
                (view.rowTop(row - 1) + view.rowBottom(row - 1)) / 2};
    }
    // The first pixel of a cell's mark: trunc(offset * DrawWidth / columns).
    QPoint markCorner(int col, int row) {
        const ViewWindow view = shown();
        return {static_cast<int>((col - 1) * (double(view.DrawWidth) / view.columnCount())),
                static_cast<int>((row - 1) * (double(view.DrawHeight) / view.rowCount()))};
    }
    bool marked(int col, int row) {
        const QPoint corner = markCorner(col, row);
        return pixel(corner + QPoint(1, 1)) == MarkGreen &&
               pixel(QPoint(corner.x() + 1, centre(col, row).y())) == MarkGreen;
    }
    void clickCell(int col, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(picture(), Qt::LeftButton, modifiers, centre(col, row));
    }
    void press(QPoint at) { QTest::mousePress(picture(), Qt::LeftButton, Qt::NoModifier, at); }
    void release(QPoint at) { QTest::mouseRelease(picture(), Qt::LeftButton, Qt::NoModifier, at); }
    void dragTo(QPoint at, Qt::MouseButtons held = Qt::LeftButton) {
        QMouseEvent move(QEvent::MouseMove, at, picture()->mapToGlobal(at), Qt::NoButton, held,
                         Qt::NoModifier);
        QApplication::sendEvent(picture(), &move);
    }
    double value(int col, int row) { return document.Values->at(row - 1, col - 1); }

    QString clipboardText() { return QApplication::clipboard()->text(); }
    // The selection in order, as Copy selected Region writes it.
    QString copied() {
        QApplication::clipboard()->clear();
        action("miCopyRectangleToClipboard")->trigger();
        return clipboardText();
    }

    TChartSeries* series() { return control<TChartSeries>("Series1"); }
    // The profile's points, without the null points that break the line at nodata cells.
    std::vector<double> profileX() {
        std::vector<double> xs;
        for (int i = 0; i < series()->count(); ++i)
            if (!series()->isNull(i)) xs.push_back(series()->xValue(i));
        return xs;
    }
    std::vector<double> profileY() {
        std::vector<double> ys;
        for (int i = 0; i < series()->count(); ++i)
            if (!series()->isNull(i)) ys.push_back(series()->yValue(i));
        return ys;
    }
};
