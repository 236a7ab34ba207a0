#pragma once
#include <QString>
#include <functional>

class QObject;

// Opens `file` with the desktop's opener: xdg-open when it is on the search path, otherwise the
// toolkit's desktop services. `failed` runs when nothing opened the file: at once when there is
// no opener, or later when the opener ends with a failure (no program for the file's type).
// The opener runs as a child of `context`; `failed` never runs once `context` is gone.
void openWithDesktop(const QString& file, QObject* context, std::function<void()> failed);
