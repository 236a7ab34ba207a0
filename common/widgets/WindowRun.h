#pragma once
// The two ways a program shows its main window: for the user, or for a screenshot.
#include <QApplication>
#include <QImage>
#include <QSize>
#include <QStringList>

#include "ConsoleDialogs.h"
#include "QtUserDialogs.h"
#include "WindowStart.h"

// Shows `window` with `dialogs` parented to it, hands it the command line's `arguments` and
// runs the event loop until the window closes.
template <class Window>
int runWindow(Window& window, QtUserDialogs& dialogs, const QStringList& arguments) {
    dialogs.setParentWidget(&window);
    window.show();
    window.FormShow(arguments);
    return QApplication::exec();
}

// Shows `window` at `size` with the `arguments`, lets it handle what that started and writes
// it into `file`. Boxes went to standard error through `dialogs`; any of them fails the job.
template <class Window>
int screenshotWindow(const char* program, Window& window, QSize size, const QStringList& arguments,
                     const QString& file, const ConsoleDialogs& dialogs) {
    window.resize(size);
    window.show();
    window.FormShow(arguments);
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    return finishScreenshot(program, file, window.grab().toImage(), dialogs.reported());
}
