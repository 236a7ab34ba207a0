#pragma once
// Why a result table could not be read. The message is meant for the user as it stands.
#include <stdexcept>
#include <string>

class TableReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The table's text does not follow the result table format.
class TableFormatError : public TableReadError {
public:
    TableFormatError() : TableReadError("Error: The input file cannot\n be parsed correctly.") {}
};

// The file could not be opened or read.
class TableFileError : public TableReadError {
public:
    using TableReadError::TableReadError;
};
