#include "SavedFileRecognition.h"

#include <QBuffer>
#include <algorithm>

#include "GridFormat.h"
#include "GridRecognition.h"
#include "NumberText.h"

bool savedFileIsRecognised(const GridDocument& doc, double nodataToWrite, GridOutputFormat format) {
    // The header alone decides: run the loader's own recognition over it.
    const GridFormat& writer = writerOf(format);
    QBuffer header;
    header.open(QIODevice::WriteOnly);
    OutputBuffer out(header);
    writer.writeHeader(out, doc, nodataToWrite);
    out.flush();
    const QByteArray& bytes = header.data();
    const std::size_t size = std::min(std::size_t(bytes.size()), recognitionBytes);
    return RecogniseGridFormat(bytes.constData(), size) == GridFileFormat(writer);
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
