#include "WriteGrid.h"

#include "AsciiGridWriter.h"
#include "BinaryGridWriter.h"
#include "OutputFileDevice.h"

namespace {

[[noreturn]] void throwWriteError(const QString& fileName, const QString& reason,
                                  bool direct = false) {
    // A pipe or device written into may have passed part of the grid on.
    const QString outcome = direct ? QString() : QStringLiteral(" The file was not changed.");
    throw GridFormatError(
        GridFormatError::Kind::Write,
        QStringLiteral("Could not save the grid as \"%1\": %2.%3").arg(fileName, reason, outcome));
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
    OutputFileDevice file(fileName);
    if (!file.open(QIODevice::WriteOnly)) throwWriteError(fileName, file.errorString());
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
        const QString reason = file.errorString();
        file.close();
        throwWriteError(fileName, reason, file.direct());
    }
    if (!file.commit()) throwWriteError(fileName, file.errorString(), file.direct());
}
