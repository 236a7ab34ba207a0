#include "NodataToWrite.h"

#include "NumberText.h"

std::optional<double> NodataToWrite(const QString& fieldText) {
    try {
        return parseDouble(fieldText);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

NodataEntry EnterNodata(const QString& fieldText) { return {NodataToWrite(fieldText), fieldText}; }

QString NodataRefusal(const QString& fieldText) {
    return QStringLiteral(
               "The Nodata field holds \"%1\", which is not a number.\n"
               "Enter the nodata value to write as a number; nothing has been written.")
        .arg(fieldText);
}
