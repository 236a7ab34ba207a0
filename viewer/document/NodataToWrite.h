#pragma once
#include <QString>
#include <optional>

// The nodata value a save writes, read from the text of the "Nodata" field: only when the
// whole text, blanks around it aside, is a finite number (with a dot, or the user's decimal
// separator). Anything else, a pasted "-99992:2:202;" as much as an empty field, is no nodata
// value, and nothing may be written with it.
std::optional<double> NodataToWrite(const QString& fieldText);

// The error box that refuses such a text; it names the text.
QString NodataRefusal(const QString& fieldText);
inline const QString NodataRefusalCaption = QStringLiteral("Save grid");
