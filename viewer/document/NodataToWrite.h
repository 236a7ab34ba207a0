#pragma once
#include <QString>
#include <optional>

// The nodata value a save writes, read from the text of the "Nodata" field: only when the
// whole text, blanks around it aside, is a finite number (with a dot, or the user's decimal
// separator). Anything else, a pasted "-99992:2:202;" as much as an empty field, is no nodata
// value, and nothing may be written with it.
std::optional<double> NodataToWrite(const QString& fieldText);

// The nodata value that saving writes, as the user entered it last in the "Nodata" field: the
// number, or none when the text is no nodata value; the text itself for the refusal.
struct NodataEntry {
    std::optional<double> value;
    QString text;
};

// The entry of a field text: its value as NodataToWrite reads it.
NodataEntry EnterNodata(const QString& fieldText);

// The error box that refuses such a text; it names the text.
QString NodataRefusal(const QString& fieldText);
inline const QString NodataRefusalCaption = QStringLiteral("Save grid");
