#pragma once
#include "PrinterSetup.h"

// The system's print dialog.
class PrintDialogSetup : public PrinterSetup {
public:
    bool setUp(QPrinter& printer, QWidget* parent) override;
};
