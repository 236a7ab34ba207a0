#include "PrintDialogSetup.h"

#include <QPrintDialog>

bool PrintDialogSetup::setUp(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
