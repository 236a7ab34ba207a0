#include "ElidingLineEdit.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {
constexpr int TextMargin = 2;  // the room QLineEdit leaves beside its text
}

ElidingLineEdit::ElidingLineEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    setToolTip(text);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& now) { setToolTip(now); });
}

QRect ElidingLineEdit::textArea() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QMargins margins = textMargins();
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
        .adjusted(margins.left() + TextMargin, margins.top(), -margins.right() - TextMargin,
                  -margins.bottom());
}

QString ElidingLineEdit::shownText() const {
    if (hasFocus()) return text();
    return fontMetrics().elidedText(text(), Qt::ElideRight, textArea().width());
}

void ElidingLineEdit::paintEvent(QPaintEvent* event) {
    const QString shown = shownText();
    if (shown == text() || echoMode() != QLineEdit::Normal) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(textArea(), Qt::AlignLeft | Qt::AlignVCenter, shown);
}
