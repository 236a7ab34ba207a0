#pragma once
#include <QPrinter>
#include <QString>
#include <utility>

#include "PrinterSetup.h"

// A print set-up that prints into a PDF file instead of asking for a printer.
class PdfPrinterSetup : public PrinterSetup {
public:
    explicit PdfPrinterSetup(QString path) : path_(std::move(path)) {}
    bool setUp(QPrinter& printer, QWidget*) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path_);
        return true;
    }

private:
    QString path_;
};
