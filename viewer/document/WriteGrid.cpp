#include "WriteGrid.h"

#include <QSaveFile>

#include "AsciiGridWriter.h"
#include "BinaryGridWriter.h"

namespace {

[[noreturn]] void throwWriteError(const QString& fileName, const QString& reason) {
    throw GridFormatError(
        GridFormatError::Kind::Write,
        QStringLiteral("Could not save the grid as \"%1\": %2. The file was not changed.")
            .arg(fileName, reason));
}

}  // namespace

GridOutputFormat savedFormatOf(const GridDocument& doc) {
    if (doc.Format == GridFileFormat::SingleGrid) return GridOutputFormat::Single;
    if (doc.Format == GridFileFormat::DoubleGrid) return GridOutputFormat::Double;
    return GridOutputFormat::Ascii;
}

void WriteGrid(const QString& fileName, const GridDocument& doc, double nodataToWrite) {
    WriteGridAs(fileName, doc, nodataToWrite, savedFormatOf(doc));
}

void WriteGridAs(const QString& fileName, const GridDocument& doc, double nodataToWrite,
                 GridOutputFormat format) {
    if (!doc.hasValues()) throwWriteError(fileName, QStringLiteral("no grid is loaded"));
    QSaveFile file(fileName);
    // Unbuffered: a buffered save file loses the error of its last flush and commits a cut file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throwWriteError(fileName, file.errorString());
    OutputBuffer out(file);
    switch (format) {
        case GridOutputFormat::Ascii:
            writeAsciiGrid(out, doc.header, *doc.Values, nodataToWrite);
            break;
        case GridOutputFormat::Single:
            writeBinaryGrid(out, doc.header, doc.statistics, *doc.Values, nodataToWrite,
                            BinaryPrecision::Single);
            break;
        case GridOutputFormat::Double:
            writeBinaryGrid(out, doc.header, doc.statistics, *doc.Values, nodataToWrite,
                            BinaryPrecision::Double);
            break;
    }
    out.flush();
    if (out.failed()) {
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QStringLiteral("not every byte could be written");
        file.cancelWriting();
        throwWriteError(fileName, reason);
    }
    if (!file.commit()) throwWriteError(fileName, file.errorString());
}
