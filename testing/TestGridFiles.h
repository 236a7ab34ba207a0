#pragma once
// Helpers of the document tests: small grid files in a temporary folder.
#include <QByteArray>
#include <QString>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "BinaryGridFormat.h"
#include "GridDocument.h"
#include "LoadGrid.h"
#include "TestFolder.h"

// A binary grid file: the twelve header values, then `body` in file order.
inline QByteArray binaryFile(BinaryPrecision precision, std::vector<double> header,
                             const std::vector<double>& body) {
    header.resize(12, 0.0);
    header.insert(header.end(), body.begin(), body.end());
    QByteArray bytes;
    for (double value : header) {
        if (precision == BinaryPrecision::Double) {
            bytes.append(reinterpret_cast<const char*>(&value), 8);
        } else {
            const float single = static_cast<float>(value);
            bytes.append(reinterpret_cast<const char*>(&single), 4);
        }
    }
    return bytes;
}

// Loads without netCDF, answering the plausibility question with `answer`.
inline LoadResult loadGrid(GridDocument& doc, const QString& fileName, bool answer = true) {
    LoadCallbacks callbacks;
    callbacks.askYesNo = [answer](const QString&, const QString&) { return answer; };
    return LoadGrid(doc, fileName, NetcdfLevelReader(), callbacks);
}

// The shown level's cells row by row.
inline std::vector<double> cells(const GridDocument& doc) {
    const double* first = doc.Values->data();
    return std::vector<double>(first, first + doc.Values->cellCount());
}
