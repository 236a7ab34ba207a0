#include "TfrmVLProfile.h"

#include <QKeyEvent>

#include "Colour.h"
#include "ProfileChartData.h"
#include "ProfileSeries.h"
#include "TChart.h"
#include "TChartSeries.h"
#include "ToolWindowFlags.h"

TfrmVLProfile::TfrmVLProfile(QWidget* parent) : QWidget(parent, ToolWindowFlags) {
    setObjectName(QStringLiteral("frmVLProfile"));
    setWindowTitle(QStringLiteral("Vistals - Profile"));
    resize(692, 302);

    Chart1 = new TChart(this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->clearTitle();
    Chart1->setLegendVisible(false);
    Chart1->setBackWallColor(Qt::white);
    Chart1->setGradientVisible(true);
    Chart1->setGradientEndColor(Colour(8454143).toQColor());
    Chart1->setGeometry(rect());
    Chart1->installEventFilter(this);

    Series1 = new TLineSeries(this);
    Series1->setObjectName(QStringLiteral("Series1"));
    Series1->setSeriesColor(Qt::red);
    Series1->setPenWidth(2);
    Series1->setPointerVisible(false);
    Series1->setShowInLegend(false);
    Series1->setParentChart(Chart1);

    // Points that the line does not reach beyond (a single point, or one between two nodata
    // cells) are shown as markers.
    LonePoints = new TLineSeries(this);
    LonePoints->setObjectName(QStringLiteral("LonePoints"));
    LonePoints->setSeriesColor(Qt::red);
    LonePoints->setPenWidth(2);
    LonePoints->setPointerVisible(true);
    LonePoints->setShowInLegend(false);
    LonePoints->setParentChart(Chart1);
}

void TfrmVLProfile::showPoints(const ProfileSeries& points) {
    const ProfileChartData data = profileChartData(points);
    Series1->clear();
    Series1->addPoints(data.lineXs, data.lineYs);
    LonePoints->clear();
    LonePoints->addPoints(data.loneXs, data.loneYs);
    if (data.hasPoints) {
        Chart1->bottomAxis().setMinMax(data.xMin, data.xMax);
        Chart1->leftAxis().setMinMax(data.yMin, data.yMax);
    } else {
        Chart1->bottomAxis().setAutomatic(true);
        Chart1->leftAxis().setAutomatic(true);
    }
    Chart1->refresh();
}

void TfrmVLProfile::copyChartToClipboard() { Chart1->copyToClipboardPicture(); }

bool TfrmVLProfile::FormKeyDown(QKeyEvent* key) {
    if ((key->modifiers() & Qt::ControlModifier) && key->key() == Qt::Key_T) {
        copyChartToClipboard();
        return true;
    }
    return false;
}

bool TfrmVLProfile::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Chart1 && event->type() == QEvent::KeyPress &&
        FormKeyDown(static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void TfrmVLProfile::keyPressEvent(QKeyEvent* event) {
    if (!FormKeyDown(event)) QWidget::keyPressEvent(event);
}

void TfrmVLProfile::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Chart1->setGeometry(rect());
}
