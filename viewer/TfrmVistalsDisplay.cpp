// Palettes, painting, the legend and navigation of the main window.
#include <QAction>
#include <QComboBox>

#include "TfrmVistals.h"

void TfrmVistals::setUpPalettes() {
    ComboBox1->clear();
    for (const char* name :
         {"1 Default blue-white-red", "2 Altitudes (green-brown-ice)", "3 Evaporation (yellow-red)",
          "4 Black-gray-white", "5 Brown-white-ice", "6 Blue-yellow-red"})
        ComboBox1->addItem(QString::fromLatin1(name));
    ComboBox1->setCurrentIndex(0);
}
void TfrmVistals::setUpLegend() {}
void TfrmVistals::PaintBox1Paint() {}
void TfrmVistals::PaintBoxLegendPaint() {}
void TfrmVistals::ComboBox1Change() {}
void TfrmVistals::edtGammaChange() {}
void TfrmVistals::updnGammaClick() {}
void TfrmVistals::miZoomInClick() {}
void TfrmVistals::miZoomOutClick() {}
void TfrmVistals::miFitPageClick() {}
void TfrmVistals::miShiftLeftClick() {}
void TfrmVistals::miShiftUpClick() {}
void TfrmVistals::miShiftRightClick() {}
void TfrmVistals::miShiftDownClick() {}
void TfrmVistals::miInvertPaletteClick() {}
void TfrmVistals::miDiscontinuousColorsClick() {}
void TfrmVistals::miDrawGridLinesClick() {}
void TfrmVistals::miEraseGridClick() {}
void TfrmVistals::miKeepClippingClick() {}
void TfrmVistals::tlbtnKeepClippingClick() {}
void TfrmVistals::miNodataTransparentClick() {}
