// The browser's toolbar buttons, 24 x 24: back, forward, stop, reload, home
// and search.

#include "Common.h"
#include "Paint.h"
#include "Pictures.h"

#include <cmath>

namespace drawart {

namespace {

const QColor kIconInk(0x46, 0x55, 0x6c);
const QColor kIconBlue(0x2f, 0x7b, 0xe0);

} // namespace

void drawBrowserToolbar(Canvas &canvas)
{
    auto arrow = [&](bool forward) {
        QImage img = canvas.newImage(24, 24, true);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        if (forward) {
            p.translate(24, 0);
            p.scale(-1, 1);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(kIconBlue);
        p.drawEllipse(QPointF(12, 12), 10.5, 10.5);
        p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(16.8, 12), QPointF(7.8, 12));
        QPainterPath head;
        head.moveTo(11.8, 7.6);
        head.lineTo(7.4, 12);
        head.lineTo(11.8, 16.4);
        p.setBrush(Qt::NoBrush);
        p.drawPath(head);
        return img;
    };
    canvas.savePng(arrow(false), QStringLiteral("tb-back.png"));
    canvas.savePng(arrow(true), QStringLiteral("tb-forward.png"));

    {
        QImage img = canvas.newImage(24, 24, true);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath oct;
        for (int i = 0; i < 8; ++i) {
            const double a = (22.5 + i * 45.0) * kPi / 180.0;
            const QPointF pt(12 + 11 * std::cos(a), 12 + 11 * std::sin(a));
            if (i == 0)
                oct.moveTo(pt);
            else
                oct.lineTo(pt);
        }
        oct.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xe0, 0x3e, 0x3e));
        p.drawPath(oct);
        p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8.2, 8.2), QPointF(15.8, 15.8));
        p.drawLine(QPointF(15.8, 8.2), QPointF(8.2, 15.8));
        p.end();
        canvas.savePng(img, QStringLiteral("tb-stop.png"));
    }
    {
        QImage img = canvas.newImage(24, 24, true);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor green(0x2e, 0xa4, 0x4f);
        p.setPen(QPen(green, 2.8, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        const QRectF r(4.5, 4.5, 15, 15);
        // Qt angles: counter-clockwise from 3 o'clock, in 1/16 degree
        p.drawArc(r, 60 * 16, 290 * 16);
        // arrow head at the arc start (60 degrees), pointing clockwise... along the arc direction
        const double a = 60 * kPi / 180.0;
        const QPointF tip(12 + 7.5 * std::cos(a), 12 - 7.5 * std::sin(a));
        QPainterPath head;
        head.moveTo(tip + QPointF(5.2, 0.6));
        head.lineTo(tip + QPointF(-2.2, -4.2));
        head.lineTo(tip + QPointF(-1.6, 4.4));
        head.closeSubpath();
        p.setPen(QPen(green, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(green);
        p.drawPath(head);
        p.end();
        canvas.savePng(img, QStringLiteral("tb-refresh.png"));
    }
    {
        QImage img = canvas.newImage(24, 24, true);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        // walls with a door cut out
        QPainterPath walls;
        walls.addRoundedRect(QRectF(5.5, 11, 13, 10.5), 1.2, 1.2);
        QPainterPath door;
        door.addRoundedRect(QRectF(10.3, 14.6, 3.4, 6.9), 0.8, 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(kIconInk);
        p.drawPath(walls.subtracted(door));
        // roof
        p.setPen(QPen(QColor(0xf0, 0x84, 0x1f), 2.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath roof;
        roof.moveTo(2.8, 12.2);
        roof.lineTo(12, 3.6);
        roof.lineTo(21.2, 12.2);
        p.drawPath(roof);
        // chimney
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf0, 0x84, 0x1f));
        p.drawRect(QRectF(15.6, 4.2, 2.4, 3.6));
        p.end();
        canvas.savePng(img, QStringLiteral("tb-home.png"));
    }
    {
        QImage img = canvas.newImage(24, 24, true);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kIconInk, 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14.8, 14.8), QPointF(20.6, 20.6));
        QRadialGradient lens(QPointF(8, 7.5), 9);
        lens.setColorAt(0, QColor(0xe6, 0xf3, 0xff));
        lens.setColorAt(1, QColor(0x9c, 0xcc, 0xf6));
        p.setBrush(lens);
        p.setPen(QPen(kIconInk, 2.4));
        p.drawEllipse(QPointF(10, 10), 6.6, 6.6);
        p.setPen(QPen(QColor(255, 255, 255, 220), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(6.2, 6.2, 7.6, 7.6), 100 * 16, 70 * 16);
        p.end();
        canvas.savePng(img, QStringLiteral("tb-search.png"));
    }
}

} // namespace drawart
