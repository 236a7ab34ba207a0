#include "TCGauge.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTest>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

}  // namespace

TEST(TCGauge, TheProgressStaysWithinTheRange) {
    TCGauge gauge;
    gauge.setMinValue(0);
    gauge.setMaxValue(1000);
    gauge.setProgress(1500);
    EXPECT_EQ(gauge.Progress(), 1000);
    EXPECT_EQ(gauge.PercentDone(), 100);
    gauge.setProgress(-3);
    EXPECT_EQ(gauge.Progress(), 0);
    gauge.setProgress(999);
    EXPECT_EQ(gauge.PercentDone(), 99);
    // A narrowed range pulls the progress in with it.
    gauge.setMaxValue(500);
    EXPECT_EQ(gauge.Progress(), 500);
    gauge.setMinValue(600);
    EXPECT_EQ(gauge.MaxValue(), 600);
    EXPECT_EQ(gauge.Progress(), 600);
    EXPECT_EQ(gauge.PercentDone(), 0);
}

TEST(TCGauge, RepaintsOnlyWhenTheWholePercentChanges) {
    TCGauge gauge;
    gauge.setMaxValue(1000);
    gauge.resize(200, 20);
    gauge.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&gauge));
    QCoreApplication::processEvents();
    PaintCounter counter;
    gauge.installEventFilter(&counter);

    gauge.setProgress(9);  // still 0 %
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    gauge.setProgress(10);  // 1 %
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
    gauge.setProgress(19);  // 1 %
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
    gauge.setProgress(5000);  // 100 %
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 2);
}

TEST(TCGauge, TheBarCoversTheShareDoneInTheForeColour) {
    TCGauge gauge;
    gauge.setMaxValue(1000);
    gauge.setForeColor(QColor(0, 0, 128));
    gauge.resize(101, 20);
    gauge.setProgress(500);
    const QImage picture = gauge.grab().toImage();
    EXPECT_EQ(picture.pixelColor(10, 3), QColor(0, 0, 128));
    EXPECT_EQ(picture.pixelColor(90, 3), QColor(Qt::white));
}
