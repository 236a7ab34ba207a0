#pragma once
#include <QComboBox>
#include <QRect>
#include <functional>
#include <vector>

#include "Colour.h"

class QPainter;

// The palette choice of the tool bar: every item shows its palette as a row
// of colour stripes with the name written over it.
class PaletteComboBox : public QComboBox {
    Q_OBJECT
public:
    // Gives the colours of palette `index`.
    using PaletteSource = std::function<const std::vector<Colour>*(int index)>;

    explicit PaletteComboBox(QWidget* parent = nullptr);
    void setPaletteSource(PaletteSource source, int stripeCount, int legendBoxCount);

    // Draws item `index` into `rect` (the owner-drawn item of the list and the closed box).
    void ComboBox1DrawItem(QPainter& painter, int index, const QRect& rect, bool selected) const;

    // Stripe k of `stripeCount` across `rect`, one pixel in from its top and bottom.
    static QRect stripeRect(const QRect& rect, int k, int stripeCount);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PaletteSource source_;
    int stripeCount_ = 20;
    int legendBoxCount_ = 21;
};
