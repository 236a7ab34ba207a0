#include "LegendPainter.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>

#include "LegendGeometry.h"

namespace {

LegendStyle plainStyle() {
    return {QGuiApplication::font(), QColor(0xEF, 0xEF, 0xEF), Qt::black, QColor(0x9F, 0x9F, 0x9F),
            Qt::white};
}

LegendContent content(const std::vector<QString>& labels) {
    LegendContent legend;
    for (int k = 0; k <= ColorStepCount; ++k) {
        legend.colours.push_back(Colour::fromRgb(10 * k, 200 - 5 * k, 7 * k));
        legend.labels.push_back(k < static_cast<int>(labels.size()) ? labels[k]
                                                                    : QString::number(k));
    }
    return legend;
}

QRgb rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// The right-most column of `area` in which `image` differs from the face colour; -1 if none.
int lastInkColumn(const QImage& image, const QRect& area, QRgb face) {
    int last = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (rgb(image, x, y) != (face & 0xFFFFFF)) last = std::max(last, x);
    return last;
}

}  // namespace

TEST(LegendGeometry, PlacesMeasuredFromThePanelSpacedByItsInnerHeight) {
    // A panel of 626 pixels is 624 inside its frame.
    EXPECT_EQ(LegendBoxRect(0, 626), QRect(11, 9, 20, 15));
    EXPECT_EQ(LegendBoxRect(20, 626), QRect(11, 604, 20, 15));
    EXPECT_EQ(LegendLabelRect(20, 626, 60), QRect(35, 604, 60, 15));
    EXPECT_EQ(LegendBoxRect(3, 4).height(), 1);  // never an empty box
    EXPECT_EQ(LegendPanelWidth(10), 107);
    EXPECT_EQ(LegendPanelWidth(100), 35 + 100 + LegendRightMargin + 1);
}

TEST(LegendPainter, PaintsFaceSunkenFrameFramedBoxesAndLabels) {
    const LegendStyle style = plainStyle();
    const LegendContent legend = content({});
    const QImage picture = LegendPicture(626, legend, style);
    ASSERT_EQ(picture.size(), QSize(107, 626));
    // The frame: shadow above and left, light below and right, as a sunken panel.
    EXPECT_EQ(rgb(picture, 0, 300), 0x9F9F9Fu);
    EXPECT_EQ(rgb(picture, 50, 0), 0x9F9F9Fu);
    EXPECT_EQ(rgb(picture, 106, 300), 0xFFFFFFu);
    EXPECT_EQ(rgb(picture, 50, 625), 0xFFFFFFu);
    EXPECT_EQ(rgb(picture, 106, 0), 0xFFFFFFu);
    EXPECT_EQ(rgb(picture, 0, 625), 0xFFFFFFu);
    EXPECT_EQ(rgb(picture, 5, 5), 0xEFEFEFu);
    for (int k = 0; k <= ColorStepCount; ++k) {
        const QRect box = LegendBoxRect(k, 626);
        EXPECT_EQ(rgb(picture, box.left(), box.top()), 0x808080u) << k;
        EXPECT_EQ(rgb(picture, box.right(), box.bottom()), 0x808080u) << k;
        EXPECT_EQ(rgb(picture, box.center().x(), box.center().y()),
                  legend.colours[k].argb() & 0xFFFFFF)
            << k;
        EXPECT_EQ(rgb(picture, box.right() + 1, box.center().y()), 0xEFEFEFu) << k;
        // Each label shows some text in its place.
        const QRect label = LegendLabelRect(k, 626, LegendLabelWidth(legend.labels, style.font));
        EXPECT_GE(lastInkColumn(picture, label, 0xEFEFEF), label.left()) << k;
    }
}

TEST(LegendPainter, PanelWidensForItsLongestLabelAndShowsItWhole) {
    const LegendStyle style = plainStyle();
    const QString longest = QStringLiteral("-1.234568e+07");
    const LegendContent legend = content({QStringLiteral("-1e+07"), longest});
    const QImage picture = LegendPicture(626, legend, style);
    EXPECT_GT(picture.width(), 107);
    EXPECT_EQ(picture.width(), LegendWidth(legend.labels, style.font));

    // The same text painted with room to spare ends where it ends in the legend.
    QImage alone(400, 40, QImage::Format_RGB32);
    alone.fill(style.face);
    {
        QPainter painter(&alone);
        QFont font = style.font;
        font.setHintingPreference(QFont::PreferVerticalHinting);
        painter.setFont(font);
        painter.setPen(style.text);
        painter.drawText(QRect(0, 0, 400, 40), Qt::AlignLeft | Qt::AlignTop, longest);
    }
    const int textEnd = lastInkColumn(alone, alone.rect(), style.face.rgb());
    ASSERT_GT(textEnd, 40);
    const QRect label = LegendLabelRect(1, 626, LegendLabelWidth(legend.labels, style.font));
    EXPECT_EQ(lastInkColumn(picture, label, style.face.rgb()), LegendLabelLeft + textEnd);
    EXPECT_LT(LegendLabelLeft + textEnd, picture.width() - 1);  // inside the right frame
    // The boxes keep their geometry.
    EXPECT_EQ(rgb(picture, 11, LegendBoxRect(1, 626).top()), 0x808080u);
}
