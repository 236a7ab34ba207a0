// The form shows every control whole: at the default size, with a larger font and (in the
// test run with QT_SCALE_FACTOR=1.5) on a scaled screen.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QStatusBar>

#include "FieldGeneratorForm.h"

namespace {

class FieldGeneratorLayout : public FieldGeneratorForm {
protected:
    void enlargeFont() {
        QFont larger = form.font();
        larger.setPointSizeF(larger.pointSizeF() * 1.5);
        form.setFont(larger);
        QCoreApplication::processEvents();
        if (QLayout* grid = form.centralWidget()->layout()) grid->activate();
        form.layout()->activate();
        QCoreApplication::processEvents();
    }

    // A control shows whole when it has at least the size its contents ask for and lies
    // within its parent; a group box's controls lie within the box's inside.
    static void expectWhole(QWidget* control) {
        const QSize wanted = qobject_cast<QLineEdit*>(control) != nullptr
                                 ? control->minimumSizeHint()
                                 : control->sizeHint();
        const QString name = control->objectName().isEmpty()
                                 ? QString::fromLatin1(control->metaObject()->className())
                                 : control->objectName();
        EXPECT_GE(control->width(), wanted.width()) << qPrintable(name);
        EXPECT_GE(control->height(), wanted.height()) << qPrintable(name);
        QWidget* parent = control->parentWidget();
        const QRect room =
            qobject_cast<QGroupBox*>(parent) != nullptr ? parent->contentsRect() : parent->rect();
        EXPECT_TRUE(room.contains(control->geometry())) << qPrintable(name);
    }

    void expectEveryControlWhole() {
        QWidget* central = form.centralWidget();
        const QList<QWidget*> controls = central->findChildren<QWidget*>();
        for (QWidget* control : controls) {
            if (!control->isVisible() || control->parentWidget() == nullptr) continue;
            if (qobject_cast<QLabel*>(control) == nullptr &&
                qobject_cast<QLineEdit*>(control) == nullptr &&
                qobject_cast<QAbstractButton*>(control) == nullptr &&
                qobject_cast<QGroupBox*>(control) == nullptr)
                continue;
            expectWhole(control);
            // Controls side by side never cover each other.
            for (QWidget* other : controls) {
                if (other == control || other->parentWidget() != control->parentWidget() ||
                    !other->isVisible())
                    continue;
                EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                    << qPrintable(control->objectName()) << " / "
                    << qPrintable(other->objectName());
            }
        }
        EXPECT_TRUE(
            central->rect().contains(control<QGroupBox>("rdgrpDistributionType")->geometry()));
    }

    // Status panel 0 holds the text it shows, and keeps clear of panel 1, which shows its
    // own text whole.
    void expectHintWholeOrElided(const QString& hint) {
        const QString shown = control<ElidingLabel>("pnlHint")->text();
        const QFontMetrics metrics = control<ElidingLabel>("pnlHint")->fontMetrics();
        EXPECT_LE(metrics.horizontalAdvance(shown),
                  control<ElidingLabel>("pnlHint")->contentsRect().width());
        if (shown != hint) {
            EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << qPrintable(shown);
            EXPECT_TRUE(hint.startsWith(shown.chopped(1))) << qPrintable(shown);
            EXPECT_EQ(control<ElidingLabel>("pnlHint")->toolTip(), hint);
        }
        EXPECT_LT(control<ElidingLabel>("pnlHint")->geometry().right(),
                  control<QLabel>("pnlRunning")->geometry().left());
        EXPECT_GE(control<QLabel>("pnlRunning")->width(),
                  control<QLabel>("pnlRunning")->sizeHint().width());
        EXPECT_TRUE(form.statusBar()->rect().contains(control<QLabel>("pnlRunning")->geometry()));
    }

    // Points the mouse at a control, so that its long hint goes to status panel 0.
    void hover(QWidget* control) {
        QTest::mouseMove(form.centralWidget(), QPoint(1, 1));
        QTest::mouseMove(control);
        QCoreApplication::processEvents();
    }
};

}  // namespace

TEST_F(FieldGeneratorLayout, TheDistributionTypeAndEveryOtherControlShowWhole) {
    expectEveryControlWhole();
    EXPECT_EQ(form.size(), QSize(513, 396));
}

TEST_F(FieldGeneratorLayout, ALargerFontStillShowsEveryControlWhole) {
    enlargeFont();
    expectEveryControlWhole();
}

TEST_F(FieldGeneratorLayout, StatusPanelZeroShowsALongHintWholeOrElided) {
    hover(control<QCheckBox>("chkbxInitValue"));
    const QString hint = control<QCheckBox>("chkbxInitValue")->statusTip();
    ASSERT_TRUE(control<ElidingLabel>("pnlHint")->fullText() == hint);
    expectHintWholeOrElided(hint);
    // A short hint shows whole.
    hover(field("edtCorrLenX"));
    EXPECT_EQ(control<ElidingLabel>("pnlHint")->text(),
              QStringLiteral("Correlation Length in x direction"));

    // A narrower window cuts more; a larger font as well.
    hover(control<QCheckBox>("chkbxInitValue"));
    form.resize(form.minimumSizeHint().width(), form.height());
    QCoreApplication::processEvents();
    expectHintWholeOrElided(hint);
    enlargeFont();
    expectHintWholeOrElided(hint);
    EXPECT_EQ(control<QLabel>("pnlRunning")->text(), QStringLiteral("Running 0"));
}
