#pragma once
#include <QString>

// Translates a date/time format written in the toolkit's letters into a QDateTime format:
// "yy" and "yyyy" years, "m" and "mm" months ("mmm" and "mmmm" month names), "d" and
// "dd" days ("ddd" and "dddd" weekday names), "h" and "hh" hours of a 24-hour clock,
// "n" and "nn" minutes, "s" and "ss" seconds, "z" and "zzz" milliseconds. An "m" or "mm"
// that directly follows an hour stands for minutes. Text in single or double quotes and
// letters without a meaning are written literally.
QString qtDateTimeFormat(const QString& toolkitFormat);
