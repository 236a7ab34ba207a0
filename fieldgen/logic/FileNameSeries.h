#pragma once
#include <QString>

// The next name of a numbered series of fields: the text up to and including its first "."
// followed by the count in three digits ("field.000" and 1 give "field.001"; a name without a
// "." becomes just the digits).
QString nextFileName(const QString& fileName, int startedCount);
