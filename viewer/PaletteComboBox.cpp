#include "PaletteComboBox.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace {

class PaletteItemDelegate : public QStyledItemDelegate {
public:
    explicit PaletteItemDelegate(PaletteComboBox* box) : QStyledItemDelegate(box), box_(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        box_->ComboBox1DrawItem(*painter, index.row(), option.rect,
                                option.state & QStyle::State_Selected);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), 21};
    }

private:
    PaletteComboBox* box_;
};

}  // namespace

PaletteComboBox::PaletteComboBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new PaletteItemDelegate(this));
    setMinimumHeight(23);
}

void PaletteComboBox::setPaletteSource(PaletteSource source, int stripeCount, int legendBoxCount) {
    source_ = std::move(source);
    stripeCount_ = stripeCount;
    legendBoxCount_ = legendBoxCount;
    update();
}

QRect PaletteComboBox::stripeRect(const QRect& rect, int k, int stripeCount) {
    // Edges as the toolkit counts them: right and bottom exclusive.
    const int left = rect.left() + rect.width() * k / stripeCount;
    const int right = rect.left() + rect.width() * (k + 1) / stripeCount;
    const int top = rect.top() + 1;
    const int bottom = rect.top() + rect.height() - 1;
    const QRect stripe(QPoint(left, top), QPoint(right - 1, bottom - 1));
    return stripe.intersected(rect);
}

void PaletteComboBox::ComboBox1DrawItem(QPainter& painter, int index, const QRect& rect,
                                        bool selected) const {
    painter.save();
    painter.fillRect(rect, QColor(255, 255, 255));
    if (const std::vector<Colour>* colours = source_ ? source_(index) : nullptr) {
        for (int k = 0;
             k < stripeCount_ && k < legendBoxCount_ && k < static_cast<int>(colours->size()); ++k)
            painter.fillRect(stripeRect(rect, k, stripeCount_), (*colours)[k].toQColor());
    }
    QFont font = painter.font();
    font.setBold(selected);
    painter.setFont(font);
    const QColor halo = selected ? Colour(0x00FFFF).toQColor() : Colour(0xFFFFFF).toQColor();
    const QColor text = selected ? Colour(0xFF0000).toQColor() : Colour(0x008000).toQColor();
    const QString name = itemText(index);
    const int baseline = painter.fontMetrics().ascent();
    painter.setPen(halo);
    for (int dx = 1; dx <= 3; ++dx)
        for (int dy = 1; dy <= 3; ++dy)
            painter.drawText(rect.left() + dx, rect.top() + dy + baseline, name);
    painter.setPen(text);
    painter.drawText(rect.left() + 2, rect.top() + 2 + baseline, name);
    painter.restore();
}

void PaletteComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    // The closed box shows its item as selected only while it has the focus.
    if (currentIndex() >= 0) ComboBox1DrawItem(painter, currentIndex(), field, hasFocus());
}
