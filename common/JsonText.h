#pragma once
#include <QString>
#include <string>

// A number as JSON: the shortest text that reads back as the same double
// ("100", "0.1", "1e+16"); NaN and infinities, which JSON lacks, as null.
void appendJsonNumber(std::string& out, double value);
// A string as JSON, quoted and escaped.
void appendJsonString(std::string& out, const QString& text);
