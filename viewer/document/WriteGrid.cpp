#include "WriteGrid.h"

#include "GridFormat.h"
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
    return doc.Format->output().value_or(GridOutputFormat::Ascii);
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
    const GridFormat& writer = writerOf(format);
    writer.writeHeader(out, doc, nodataToWrite);
    writer.writeBody(out, doc, nodataToWrite);
    out.flush();
    if (out.failed()) {
        const QString reason = file.errorString();
        file.close();
        throwWriteError(fileName, reason, file.direct());
    }
    if (!file.commit()) throwWriteError(fileName, file.errorString(), file.direct());
}
