#include "RasterEntry.h"

#include "GridFormatError.h"
#include "NetcdfEntry.h"

RasterEntry splitRasterEntry(const QString& entry) {
    const NetcdfEntry parts = splitNetcdfEntry(entry);
    if (!parts.hasSelector) return RasterEntry{entry, 1};
    const auto refuse = [&entry](const QString& why) {
        return GridFormatError(GridFormatError::Kind::Format,
                               QStringLiteral("\"%1\": %2 A raster's selector is <band>N, with N "
                                              "the band's number from 1.")
                                   .arg(entry, why));
    };
    if (parts.variable != QStringLiteral("band"))
        throw refuse(QStringLiteral("<%1> is not a selector of rasters.").arg(parts.variable));
    const QString number = entry.mid(entry.indexOf(QLatin1Char('>'), parts.path.size()) + 1);
    bool digitsOnly = !number.isEmpty();
    for (const QChar c : number)
        digitsOnly = digitsOnly && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    bool isNumber = false;
    const int band = digitsOnly ? number.toInt(&isNumber, 10) : 0;
    if (!isNumber || band < 1)
        throw refuse(QStringLiteral("\"%1\" is not a band number.").arg(number));
    return RasterEntry{parts.path, band};
}
