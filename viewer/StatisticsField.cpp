#include "StatisticsField.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace {

// A field of the statistics panel. It asks for the room its usual text needs and gives way
// when the window is small. A read-only field whose text does not fit shows it elided at the
// end, with the whole text as its tooltip; its text always shows from its start.
class StatisticsField : public QLineEdit {
public:
    StatisticsField(QWidget* parent, const QString& usualText) : QLineEdit(parent) {
        const QMargins margins = textMargins() + contentsMargins();
        // Besides the text: the margins, the line edit's inner two pixels and the frame on
        // each side, and a pixel for the cursor.
        textWidth_ = fontMetrics().horizontalAdvance(usualText) + margins.left() + margins.right() +
                     2 * 2 + 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2;
        connect(this, &QLineEdit::textChanged, this, [this] {
            if (isReadOnly()) setCursorPosition(0);
            updateToolTip();
        });
    }
    QSize sizeHint() const override { return {textWidth_, QLineEdit::sizeHint().height()}; }
    QSize minimumSizeHint() const override {
        return {std::min(textWidth_, fontMetrics().horizontalAdvance(QStringLiteral("-999")) + 6),
                QLineEdit::minimumSizeHint().height()};
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        if (!isReadOnly() || showsWholeText()) return QLineEdit::paintEvent(event);
        QStyleOptionFrame panel;
        initStyleOption(&panel);
        QPainter painter(this);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
        const QRect room = textRoom();
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text(), Qt::ElideRight, room.width()));
    }
    void resizeEvent(QResizeEvent* event) override {
        QLineEdit::resizeEvent(event);
        updateToolTip();
    }

private:
    // Where the line edit draws its text: inside the frame, the text margins and its own
    // two pixels on either side.
    QRect textRoom() const {
        QStyleOptionFrame panel;
        initStyleOption(&panel);
        return style()
            ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
            .marginsRemoved(textMargins())
            .adjusted(2, 0, -2, 0);
    }
    bool showsWholeText() const {
        return fontMetrics().horizontalAdvance(text()) <= textRoom().width();
    }
    void updateToolTip() {
        if (isReadOnly()) setToolTip(showsWholeText() ? QString() : text());
    }

    int textWidth_ = 0;
};

}  // namespace

QLineEdit* statisticsField(QWidget* parent, const char* name, const QString& usualText) {
    auto* edit = new StatisticsField(parent, usualText);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    edit->setPalette(colours);
    return edit;
}
