#include "SavedFileRecognition.h"

#include "BinaryGridFormat.h"
#include "GridRecognition.h"
#include "NumberText.h"

bool savedFileIsRecognised(const GridDocument& doc, double nodataToWrite, GridOutputFormat format) {
    if (format == GridOutputFormat::Ascii) return true;
    // The header alone decides: run the loader's own recognition over it.
    const BinaryPrecision precision =
        format == GridOutputFormat::Double ? BinaryPrecision::Double : BinaryPrecision::Single;
    char header[binaryHeaderBytes(BinaryPrecision::Double)];
    writeBinaryHeader(doc.header, nodataToWrite, doc.statistics, precision, header);
    const GridFileFormat expected = format == GridOutputFormat::Double ? GridFileFormat::DoubleGrid
                                                                       : GridFileFormat::SingleGrid;
    return RecogniseGridFormat(header, binaryHeaderBytes(precision)) == expected;
}

std::optional<QString> unrecognisedSaveQuestion(const GridDocument& doc, const QString& fileName,
                                                double nodataToWrite, GridOutputFormat format) {
    if (savedFileIsRecognised(doc, nodataToWrite, format)) return std::nullopt;
    const QString precision =
        format == GridOutputFormat::Double ? QStringLiteral("double") : QStringLiteral("single");
    return QStringLiteral(
               "\"%1\" is written as a %2 precision grid with the nodata value %3.\n"
               "Binary grids are only recognised with the nodata value -9999, so "
               "this file will not be recognised when loaded again.\n"
               "Save it anyway?")
        .arg(fileName, precision, qFormatG(nodataToWrite));
}
