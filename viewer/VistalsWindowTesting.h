#pragma once
// Shared setup of the main window's tests: the window over a document the test keeps, a
// command processor that only records, grid files, and the user's mouse moves and clicks.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <set>

#include "CommandProcessor.h"
#include "GridDocument.h"
#include "PaintBox.h"
#include "RecordingCommands.h"
#include "TestGridFiles.h"
#include "TfrmVistals.h"
#include "UpDown.h"
#include "WindowTest.h"

// An ASCII grid of 3 x 2 cells holding value, value + 1, ... with `nodata` in its header.
inline QByteArray asciiGrid(int value, const char* nodata = "-9999") {
    QByteArray text = "ncols 3\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 1\nnodata_value ";
    text += nodata;
    text += "\n";
    for (int i = 0; i < 6; ++i) text += QByteArray::number(value + i) + " ";
    return text + "\n";
}

// An ASCII stack of 2 x 2 cells and three levels: level k holds 10 * k + cell index.
inline QByteArray asciiStack() {
    QByteArray text =
        "stack 2\nnrows 2\nxll 0\nyll 0\ncs 1\nnodata -9999\nc 0\nmi 0\nma 0\ns 0\na 0\nlevels 2\n";
    for (int cell = 0; cell < 4; ++cell)
        for (int k = 0; k < 3; ++k) text += QByteArray::number(10 * k + cell) + " ";
    return text + "\n";
}

class VistalsWindowTest : public WindowTest {
protected:
    QWidget& windowUnderTest() override { return window; }

    // Shows the window and runs its start-up with the command-line `files`.
    void start(const QStringList& files = {}) {
        window.show();
        window.FormShow(files);
        settle();
    }

    QString text(const char* name) { return field(name)->text(); }
    QListWidget* list() { return control<QListWidget>("lstbxGridNames"); }
    PaintBox* picture() { return control<PaintBox>("PaintBox1"); }
    UpDown* levels() { return control<UpDown>("updnStacklevel"); }

    QString file(const QString& name, const QByteArray& bytes) { return folder.write(name, bytes); }
    void add(const QString& path) { list()->addItem(path); }
    // A click on the list entry, as the user makes it.
    void click(int row) {
        QListWidget* entries = list();
        entries->scrollToItem(entries->item(row));
        const QPoint at = entries->visualItemRect(entries->item(row)).center();
        QTest::mouseClick(entries->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    void key(QWidget* target, Qt::Key pressed, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(target, pressed, modifiers);
    }

    // The pointer moved over the picture's pixel `at`.
    void pointAt(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, picture()->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picture(), &move);
    }
    void wheel(QPoint at, int degrees, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWheelEvent turn(at, picture()->mapToGlobal(at), QPoint(), QPoint(0, degrees * 8),
                         Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(picture(), &turn);
    }
    // The columns and rows of the grid that the picture shows, read from the readout as the
    // pointer crosses the picture.
    std::set<int> shownColumns() {
        std::set<int> columns;
        for (int x = 0; x < picture()->width(); x += 3) {
            pointAt(QPoint(x, 1));
            bool number = false;
            const int column = text("edtXCol").toInt(&number);
            if (number) columns.insert(column);
        }
        return columns;
    }
    // The paint box's picture at the pixel `at`, without alpha.
    QRgb pixel(QPoint at) { return picture()->canvas().pixel(at) & 0xFFFFFF; }

    RecordingCommands commands;
    GridDocument document;
    TfrmVistals window{dialogs, commands, document};
};
