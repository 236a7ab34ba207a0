// Copy and paste of selected cells through the clipboard as text.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "CellClipboardText.h"
#include "TableClipboardText.h"
#include "TfrmVistals.h"
#include "UserDialogs.h"

void TfrmVistals::miCopyRectangleToClipboardClick() {
    // Nothing selected, nothing to copy: what the clipboard holds stays there.
    if (!document.hasValues() || document.selection.empty()) return;
    try {
        const std::string text = CopyCellsText(document.selection, *document.Values);
        QApplication::clipboard()->setText(
            QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
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
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    if (!clipboard || !clipboard->hasText()) return;
    const QByteArray text = clipboard->text().toLatin1();
    const PasteOutcome outcome = PasteCellsText(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())), *document.Values,
        document.header.nodata_value, pasteMode, document.selection);
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
    const std::string text =
        CopyTableText(document.selection, *document.Values, document.header.nodata_value);
    QApplication::clipboard()->setText(
        QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void TfrmVistals::miPasteTableHereClick() {
    if (!document.hasValues()) return;
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    if (!clipboard || !clipboard->hasText()) return;
    const QByteArray text = clipboard->text().toUtf8();
    const TablePasteOutcome outcome = PasteTableText(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())), *document.Values,
        document.header.nodata_value, pasteMode, document.selection);
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
