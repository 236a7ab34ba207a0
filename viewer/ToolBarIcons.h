#pragma once
#include <QIcon>

namespace vistal {

enum class ToolBarIcon {
    ZoomIn,
    ZoomOut,
    Left,
    Up,
    Right,
    Down,
    GridLines,
    Invert,
    Steps,
    KeepClipping,
    Transparent
};

// Small drawn icons for the viewer's tool bar.
QIcon toolBarIcon(ToolBarIcon icon);

}  // namespace vistal
