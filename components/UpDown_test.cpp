#include "UpDown.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

TEST(UpDown, StepsStopAtTheEndsButStillReportTheClick) {
    QLineEdit edit;
    UpDown upDown;
    upDown.setObjectName(QStringLiteral("gamma"));
    upDown.setRange(0, 100);
    upDown.setIncrement(5);
    upDown.setAssociate(&edit);
    upDown.setPosition(95);
    EXPECT_EQ(edit.text(), QStringLiteral("95"));

    QSignalSpy clicks(&upDown, &UpDown::clicked);
    QSignalSpy changes(&upDown, &UpDown::positionChanged);
    auto* up = upDown.findChild<QToolButton*>(QStringLiteral("gammaUp"));
    ASSERT_NE(up, nullptr);
    up->click();
    up->click();
    EXPECT_EQ(upDown.position(), 100);
    EXPECT_EQ(edit.text(), QStringLiteral("100"));
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(changes.count(), 1);

    upDown.setEnabled(false);
    upDown.stepDown();
    EXPECT_EQ(upDown.position(), 100);
}

TEST(UpDown, WrapsPastAnEndWhenAskedTo) {
    UpDown upDown;
    upDown.setRange(2, 256);
    upDown.setIncrement(2);
    upDown.setWrapping(true);
    upDown.setPosition(256);
    upDown.stepUp();
    EXPECT_EQ(upDown.position(), 2);
    upDown.stepDown();
    EXPECT_EQ(upDown.position(), 256);
}

TEST(UpDown, TheEditTakesTypedNumbersAndItsArrowKeysStepWhenAskedTo) {
    QLineEdit edit;
    UpDown upDown;
    upDown.setRange(1, 10);
    upDown.setAssociate(&edit, true);
    upDown.setPosition(2);
    QTest::keyClick(&edit, Qt::Key_Up);
    EXPECT_EQ(edit.text(), QStringLiteral("3"));
    QTest::keyClick(&edit, Qt::Key_Down);
    QTest::keyClick(&edit, Qt::Key_Down);
    QTest::keyClick(&edit, Qt::Key_Down);
    EXPECT_EQ(upDown.position(), 1);

    edit.setText(QStringLiteral("42"));
    upDown.takePositionFromAssociate();
    EXPECT_EQ(edit.text(), QStringLiteral("10"));
    edit.setText(QStringLiteral("four"));
    upDown.takePositionFromAssociate();
    EXPECT_EQ(edit.text(), QStringLiteral("10"));

    // Without the option the edit keeps its arrow keys.
    QLineEdit plain;
    UpDown other;
    other.setAssociate(&plain);
    other.setPosition(4);
    QTest::keyClick(&plain, Qt::Key_Up);
    EXPECT_EQ(other.position(), 4);
}
