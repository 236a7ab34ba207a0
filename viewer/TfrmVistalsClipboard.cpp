// Copy and paste of selected cells through the clipboard as text.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "CellClipboardText.h"
#include "TableClipboardText.h"
#include "TfrmVistals.h"
#include "UserDialogs.h"

namespace {

// The clipboard's text in 8-bit form (Latin-1 for the cells' own items, whose text is ASCII, and
// UTF-8 for tables); nothing when the clipboard holds no text.
std::optional<QByteArray> clipboardText(bool utf8) {
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    if (!clipboard || !clipboard->hasText()) return std::nullopt;
    return utf8 ? clipboard->text().toUtf8() : clipboard->text().toLatin1();
}

std::string_view viewOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// Puts 8-bit text that holds only ASCII on the clipboard.
void setClipboardText(const std::string& text) {
    QApplication::clipboard()->setText(
        QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace

void TfrmVistals::miCopyRectangleToClipboardClick() {
    // Nothing selected, nothing to copy: what the clipboard holds stays there.
    if (!document.hasValues() || document.selection.empty()) return;
    try {
        setClipboardText(CopyCellsText(document.selection, *document.Values));
    } catch (const std::exception&) {
        dialogs_.errorMessage(
            QStringLiteral("something went wrong when copying cell values to clib board!"),
            QStringLiteral("Error"));
        return;
    }
    GridPaint();
}

void TfrmVistals::miPasteRectangleFromClipBoardHereClick() {
    if (!document.hasValues()) return;
    const std::optional<QByteArray> text = clipboardText(false);
    if (!text) return;
    const PasteOutcome outcome =
        PasteCellsText(viewOf(*text), *document.Values, document.header.nodata_value, pasteMode,
                       document.selection);
    // Cells changed before a failure stay changed, and count as a change to save.
    if (outcome.changedCells) noteValuesChanged();
    if (!outcome.failed || outcome.changedCells) document.Modified = true;
    if (outcome.failed)
        dialogs_.errorMessage(
            QStringLiteral("something went wrong when pasting cell values to clib board!"),
            QStringLiteral("Error"));
    if (!outcome.failed || outcome.changedCells) GridPaint();
}

void TfrmVistals::miCopyRegionAsTableClick() {
    if (!document.hasValues() || document.selection.empty()) return;
    setClipboardText(
        CopyTableText(document.selection, *document.Values, document.header.nodata_value));
}

void TfrmVistals::miPasteTableHereClick() {
    if (!document.hasValues()) return;
    const std::optional<QByteArray> text = clipboardText(true);
    if (!text) return;
    const TablePasteOutcome outcome =
        PasteTableText(viewOf(*text), *document.Values, document.header.nodata_value, pasteMode,
                       document.selection);
    if (!outcome.error.empty()) {
        dialogs_.errorMessage(QStringLiteral("The table on the clipboard was not pasted: %1.")
                                  .arg(QString::fromUtf8(outcome.error.c_str())),
                              QStringLiteral("Paste Table here"));
        return;
    }
    if (outcome.changedCells) {
        noteValuesChanged();
        document.Modified = true;
    }
    GridPaint();
}
