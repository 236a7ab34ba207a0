#pragma once
// The words of a PDF file with their boxes, read through pdftotext (poppler-utils), for tests
// that check what a printed or rendered page shows.
#include <QRectF>
#include <QString>
#include <vector>

struct PdfWord {
    QString text;
    QRectF box;  // in points, from the top left corner of the page
};

struct PdfPage {
    double width = 0.0;  // points
    double height = 0.0;
    std::vector<PdfWord> words;
};

// The pages of the file; empty when it cannot be read or pdftotext is missing.
std::vector<PdfPage> pdfPages(const QString& path);
