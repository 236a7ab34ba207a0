#pragma once
// Menu items as the windows build them: an object name for tests and scripts, the caption, an
// optional shortcut and the form's handler.
#include <QAction>
#include <QKeySequence>
#include <QMenu>

QAction* addMenuItem(QMenu* menu, const char* name, const char* caption,
                     const QKeySequence& shortcut);

// An item without a handler stays disabled, so that its shortcut does not pretend to work.
template <class Form>
QAction* addMenuItem(QMenu* menu, const char* name, const char* caption,
                     const QKeySequence& shortcut, Form* form, void (Form::*handler)()) {
    QAction* action = addMenuItem(menu, name, caption, shortcut);
    if (handler)
        QObject::connect(action, &QAction::triggered, form, handler);
    else
        action->setEnabled(false);
    return action;
}
