#pragma once

class QPrinter;
class QWidget;

// Chooses the printer and its settings before a chart is printed. The program shows the
// system's print dialog; tests set up a PDF file instead.
class PrinterSetup {
public:
    virtual ~PrinterSetup() = default;
    // false when the user cancels.
    virtual bool setUp(QPrinter& printer, QWidget* parent) = 0;
};
