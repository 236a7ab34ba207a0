#include "MenuItem.h"

QAction* addMenuItem(QMenu* menu, const char* name, const char* caption,
                     const QKeySequence& shortcut) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    return action;
}
