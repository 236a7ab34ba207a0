#pragma once
// Draws the items of the series list: the check box and background as usual, the text by the
// window's own drawing routine.
#include <QStyledItemDelegate>
#include <functional>

class SeriesListDelegate : public QStyledItemDelegate {
public:
    // Draws the text of item `row` into `rect`; `selected` tells whether the item is selected.
    using DrawItem =
        std::function<void(QPainter& canvas, int row, const QRect& rect, bool selected)>;

    SeriesListDelegate(DrawItem drawItem, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    DrawItem drawItem_;
};
