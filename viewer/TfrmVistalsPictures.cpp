// Palette files and picture copies of the main window.
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>

#include "PaintBox.h"
#include "PaletteFile.h"
#include "PalettePath.h"
#include "TfrmVistals.h"
#include "UserDialogs.h"

void TfrmVistals::miSaveActualPaletteClick() {
    const QString proposed = QStringLiteral("VLPalette_%1").arg(PaletteFileCount + 1);
    const QString folder = GetPalettePath();
    const QString proposedFile =
        (folder.isEmpty() ? QString() : folder + QLatin1Char('/')) + proposed + ".vlp";
    const std::optional<QString> chosen =
        dialogs_.saveFile(QStringLiteral("Save palette as"), proposedFile,
                          QStringLiteral("Vistal-Palette (*.vlp)|*.vlp|Alle Dateien (*.*)|*.*"));
    if (!chosen) return;
    QString fileName = *chosen;
    if (QFileInfo(fileName).suffix().isEmpty()) fileName += QStringLiteral(".vlp");

    // Like an input box, cancelling keeps the proposed name. The name is trimmed so that it
    // reads back exactly; an empty one would leave the palette without a name.
    QString name =
        dialogs_
            .inputQuery(QStringLiteral("Save Palette - descriptive name"),
                        QStringLiteral("descriptive name to be shown in the combo box"), proposed)
            .value_or(proposed)
            .trimmed();
    if (name.isEmpty()) name = proposed;

    const QString failure = WritePaletteFile(fileName, name, view.legendColours());
    SetPalettePath(fileName);
    if (!failure.isEmpty())
        dialogs_.message(QStringLiteral("The palette file \"%1\" could not be written: %2")
                             .arg(fileName, failure),
                         QStringLiteral("Save palette as"));
}

// Both copies take the window's own pictures, exactly as shown, so nothing lying over them can
// get into the copy. The profile window is still switched off for the copy and on again after
// it, through its own command, as users know it from the screen copies.
bool TfrmVistals::switchProfileOffForCopy() {
    if (!miShowProfile->isChecked()) return false;
    miShowProfileClick();
    return true;
}

void TfrmVistals::miCopyImageClick() {
    const bool profileWasShown = switchProfileOffForCopy();
    const ViewWindow& shown = view.window;
    if (shown.hasPicture())
        QGuiApplication::clipboard()->setImage(
            PaintBox1->canvas().copy(0, 0, shown.DrawWidth, shown.DrawHeight));
    if (profileWasShown) miShowProfileClick();
}

void TfrmVistals::miCopyLegendClick() {
    const bool profileWasShown = switchProfileOffForCopy();
    QGuiApplication::clipboard()->setImage(PaintBoxLegend->canvas());
    if (profileWasShown) miShowProfileClick();
}
