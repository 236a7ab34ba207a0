#pragma once
#include <QString>

// Number labels written with a pattern in the toolkit's letters: "0" a digit that is always
// written, "#" a digit written only when needed, "," (anywhere before the point) groups
// thousands, "." the decimal point. "#,##0.##########" writes 1234.5 as "1,234.5" and 2 as
// "2". Labels always use a comma for groups and a dot for the decimal point. An empty
// pattern writes the shortest form with up to 15 significant digits, and so does any pattern
// for numbers of 1e18 or more in magnitude ("1.79769313486232E308").
QString formatValue(double value, const QString& pattern);
