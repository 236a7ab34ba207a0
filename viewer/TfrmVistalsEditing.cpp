// The paste modes of the main window.
#include <QAction>

#include "TfrmVistals.h"

void TfrmVistals::miPastemode1Click() {
    PasteMode = 1;
    miPastemode1->setChecked(true);
}
void TfrmVistals::miPastemode2Click() {
    PasteMode = 2;
    miPastemode2->setChecked(true);
}
void TfrmVistals::miPastemode3Click() {
    PasteMode = 3;
    miPastemode3->setChecked(true);
}
void TfrmVistals::miPastemode4Click() {
    PasteMode = 4;
    miPastemode4->setChecked(true);
}
void TfrmVistals::miPastemode5Click() {
    PasteMode = 5;
    miPastemode5->setChecked(true);
}
void TfrmVistals::miPastemode6Click() {
    PasteMode = 6;
    miPastemode6->setChecked(true);
}
