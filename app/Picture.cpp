#include "app/Picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
// The feather in a 100 x 100 box, tip of the nib at the lower left.
QPainterPath featherPath()
{
    QPainterPath vane;
    vane.moveTo(12, 92);
    vane.cubicTo(22, 60, 48, 22, 92, 6);
    vane.cubicTo(84, 34, 62, 62, 26, 80);
    vane.cubicTo(22, 84, 16, 88, 12, 92);
    return vane;
}
}  // namespace

void paintQuillPicture(QPainter& painter, const QRect& area, bool withTitle)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(0x1d, 0x3a, 0x5f));
    sky.setColorAt(1.0, QColor(0x0b, 0x17, 0x2a));
    painter.fillRect(area, sky);

    const int titleHeight = withTitle ? area.height() * 3 / 10 : 0;
    const QRect art = area.adjusted(area.width() / 8, area.height() / 12, -area.width() / 8, -titleHeight);
    const int side = std::min(art.width(), art.height());
    painter.translate(art.center().x() - side / 2.0, art.center().y() - side / 2.0);
    painter.scale(side / 100.0, side / 100.0);

    const QPainterPath vane = featherPath();
    QLinearGradient plume(QPointF(12, 92), QPointF(92, 6));
    plume.setColorAt(0.0, QColor(0xf4, 0xe9, 0xd0));
    plume.setColorAt(1.0, QColor(0xff, 0xff, 0xff));
    painter.setPen(QPen(QColor(0xc9, 0xb8, 0x90), 1.2));
    painter.setBrush(plume);
    painter.drawPath(vane);

    // Shaft and barbs.
    painter.setPen(QPen(QColor(0x8a, 0x6d, 0x3b), 1.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath shaft;
    shaft.moveTo(6, 98);
    shaft.cubicTo(30, 66, 56, 36, 90, 8);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shaft);
    painter.setPen(QPen(QColor(0xc9, 0xb8, 0x90), 0.7));
    for (int i = 1; i < 9; ++i) {
        const QPointF on = shaft.pointAtPercent(0.18 + i * 0.08);
        painter.drawLine(on, on + QPointF(-6 + i * 0.3, -9 + i * 0.5));
    }
    // The nib.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2b, 0x2b, 0x2b));
    QPolygonF nib;
    nib << QPointF(3, 100) << QPointF(10, 90) << QPointF(14, 94);
    painter.drawPolygon(nib);
    painter.resetTransform();

    if (withTitle) {
        const QRect titleArea(area.left(), area.bottom() - titleHeight, area.width(), titleHeight);
        QFont title("Serif");
        title.setPixelSize(std::max(12, titleHeight * 2 / 5));
        title.setBold(true);
        painter.setFont(title);
        painter.setPen(QColor(0xff, 0xf4, 0xd8));
        painter.drawText(titleArea.adjusted(0, 0, 0, -titleHeight / 3), Qt::AlignCenter, "Quillmark");
        QFont sub("Sans");
        sub.setPixelSize(std::max(9, titleHeight / 6));
        painter.setFont(sub);
        painter.setPen(QColor(0xb8, 0xc6, 0xd8));
        painter.drawText(titleArea.adjusted(0, titleHeight / 2, 0, 0), Qt::AlignCenter, "Version 8.01");
    }
    painter.restore();
}

QPixmap quillPicture(const QSize& size, bool withTitle)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paintQuillPicture(painter, QRect(QPoint(0, 0), size), withTitle);
    return pixmap;
}
