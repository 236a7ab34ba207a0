#include "ToolBarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

void arrow(QPainter& p, qreal angle) {
    p.translate(8, 8);
    p.rotate(angle);
    QPainterPath path;
    path.moveTo(-5, 0);
    path.lineTo(1, -5);
    path.lineTo(1, -2);
    path.lineTo(6, -2);
    path.lineTo(6, 2);
    path.lineTo(1, 2);
    path.lineTo(1, 5);
    path.closeSubpath();
    p.fillPath(path, QColor(0, 70, 160));
}

void magnifier(QPainter& p, bool plus) {
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14.5, 14.5));
    p.drawLine(QPointF(4, 6), QPointF(8, 6));
    if (plus) p.drawLine(QPointF(6, 4), QPointF(6, 8));
}

}  // namespace

QIcon vistal::toolBarIcon(ToolBarIcon icon) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (icon) {
        case ToolBarIcon::ZoomIn:
            magnifier(p, true);
            break;
        case ToolBarIcon::ZoomOut:
            magnifier(p, false);
            break;
        case ToolBarIcon::Left:
            arrow(p, 0);
            break;
        case ToolBarIcon::Up:
            arrow(p, 90);
            break;
        case ToolBarIcon::Right:
            arrow(p, 180);
            break;
        case ToolBarIcon::Down:
            arrow(p, 270);
            break;
        case ToolBarIcon::GridLines:
            p.setPen(QColor(80, 80, 80));
            for (int i = 1; i < 16; i += 5) {
                p.drawLine(i, 1, i, 15);
                p.drawLine(1, i, 15, i);
            }
            break;
        case ToolBarIcon::Invert: {
            QLinearGradient ramp(0, 0, 16, 0);
            ramp.setColorAt(0, Qt::red);
            ramp.setColorAt(0.5, Qt::white);
            ramp.setColorAt(1, Qt::blue);
            p.fillRect(1, 1, 14, 6, ramp);
            ramp.setColorAt(0, Qt::blue);
            ramp.setColorAt(1, Qt::red);
            p.fillRect(1, 9, 14, 6, ramp);
            break;
        }
        case ToolBarIcon::Steps:
            for (int i = 0; i < 4; ++i)
                p.fillRect(1 + i * 4, 3, 4, 10, QColor::fromHsv(i * 60, 200, 230));
            break;
        case ToolBarIcon::KeepClipping:
            p.setPen(QPen(QColor(40, 40, 40), 1, Qt::DashLine));
            p.drawRect(2, 2, 12, 12);
            p.fillRect(5, 5, 6, 6, QColor(0, 120, 200));
            break;
        case ToolBarIcon::Transparent:
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 4; ++x)
                    if ((x + y) % 2 == 0) p.fillRect(x * 4, y * 4, 4, 4, QColor(170, 170, 170));
            break;
    }
    return QIcon(pixmap);
}
