#include "SeriesListDelegate.h"

#include <QApplication>
#include <QPainter>

namespace {
constexpr int itemHeight = 15;
}

SeriesListDelegate::SeriesListDelegate(DrawItem drawItem, QObject* parent)
    : QStyledItemDelegate(parent), drawItem_(std::move(drawItem)) {}

void SeriesListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    plain.text.clear();
    const QStyle* style = plain.widget ? plain.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, plain.widget);
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &plain, plain.widget);
    painter->save();
    drawItem_(*painter, index.row(), text, (option.state & QStyle::State_Selected) != 0);
    painter->restore();
}

QSize SeriesListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), itemHeight};
}
