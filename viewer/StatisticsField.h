#pragma once
#include <QLineEdit>
#include <QString>

// A read-only field of the statistics panel named `name`, as wide as `usualText` needs when
// there is room. Its text shows from its start, elided at the end with the whole text as its
// tooltip when it does not fit.
QLineEdit* statisticsField(QWidget* parent, const char* name, const QString& usualText);
