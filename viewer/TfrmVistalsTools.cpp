// The analysis tools, palette files and picture copies of the main window.
#include "TfrmVistals.h"

// Not built yet: the profile window, gradient and flow arrows, palette files
// and the picture copies to the clipboard.
void TfrmVistals::miCopyImageClick() {}
void TfrmVistals::miCopyLegendClick() {}
void TfrmVistals::miCopyProfileToClipboardClick() {}
void TfrmVistals::miSaveActualPaletteClick() {}
void TfrmVistals::miShowProfileClick() {}
void TfrmVistals::miShowGradientsClick() {}
void TfrmVistals::miShowFlowVelocitiesFromXYFieldsClick() {}
void TfrmVistals::miGradientOptionsClick() {}
