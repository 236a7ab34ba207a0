// Loading, stack levels and saving in the main window.
#include "TfrmVistals.h"

void TfrmVistals::miLoadGridsClick() {}
void TfrmVistals::lstbxGridNamesClick() {}
void TfrmVistals::updnStacklevelClick() {}
void TfrmVistals::edtStacklevelExit() {}
void TfrmVistals::miSaveGridClick() {}
void TfrmVistals::miSaveGridAsClick() {}
