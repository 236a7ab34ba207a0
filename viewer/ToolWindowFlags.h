#pragma once
#include <qnamespace.h>

#include <QFlags>

// The profile and histogram windows: on top of the other windows, with a title, minimize and
// maximize buttons but no close box, since the main window's menu item shows and hides them.
inline constexpr Qt::WindowFlags ToolWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
    Qt::WindowMaximizeButtonHint | Qt::WindowStaysOnTopHint;
