// The profile window's commands in the main window.
#include <QAction>

#include "TfrmVLProfile.h"
#include "TfrmVistals.h"

void TfrmVistals::miShowProfileClick() {
    if (toggledState(miShowProfile, nullptr)) {
        frmVLProfile->showPoints(profile);
        frmVLProfile->show();
    } else {
        frmVLProfile->hide();
    }
}

void TfrmVistals::miCopyProfileToClipboardClick() { frmVLProfile->copyChartToClipboard(); }
