#pragma once
#include <QString>
#include <string>
#include <string_view>

// A number as JSON: the shortest text that reads back as the same double
// ("100", "0.1", "1e+16"); NaN and infinities, which JSON lacks, as null.
void appendJsonNumber(std::string& out, double value);

// The start of an object's member: `indent`, then `"name": `.
void appendJsonKey(std::string& out, const char* indent, const char* name);

// Text as a JSON string, quoted and escaped: quotes, backslashes and control characters are
// escaped, UTF-8 sequences kept. Files from older systems carry other bytes too; a byte that
// starts no UTF-8 sequence is taken as Latin-1.
void appendJsonString(std::string& out, std::string_view text);
void appendJsonString(std::string& out, const QString& text);
