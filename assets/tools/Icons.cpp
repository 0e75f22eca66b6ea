// The window icon at every desktop size and the about box's picture: the
// emblem, a gold crescent and star on a deep violet round badge.

#include "Paint.h"
#include "Pictures.h"

namespace drawart {

namespace {

// Gold crescent and star on a deep violet round badge, designed on a 64 unit
// grid; `size` is the pixel size it is rendered at (small sizes get a
// simplified, bolder version).
void drawEmblem(QPainter &p, QPointF topLeft, double size)
{
    p.save();
    p.translate(topLeft);
    p.scale(size / 64.0, size / 64.0);
    p.setRenderHint(QPainter::Antialiasing);
    const bool tiny = size < 30;

    // badge body
    const QPointF c(32, 32);
    const double R = tiny ? 31.5 : 30.5;
    QRadialGradient body(QPointF(25, 21), 44);
    body.setColorAt(0.0, QColor(0x86, 0x4c, 0xd0));
    body.setColorAt(0.55, QColor(0x4a, 0x22, 0x8c));
    body.setColorAt(1.0, QColor(0x1f, 0x0c, 0x44));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(c, R, R);

    // gold rim
    QLinearGradient rim(0, 2, 0, 62);
    rim.setColorAt(0, kGoldLight);
    rim.setColorAt(0.5, kGold);
    rim.setColorAt(1, kGoldDark);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(rim), tiny ? 4.0 : 2.6));
    const double rimR = R - (tiny ? 2.0 : 1.3);
    p.drawEllipse(c, rimR, rimR);

    // faint inner glow behind the star
    if (!tiny) {
        QRadialGradient glow(QPointF(39, 26), 18);
        glow.setColorAt(0, QColor(255, 225, 140, 110));
        glow.setColorAt(1, QColor(255, 225, 140, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QPointF(39, 26), 18, 18);
    }

    // crescent
    const QPainterPath moon = tiny ? crescentPath(QPointF(29, 34), 20, QPointF(8.5, -7.5), 17)
                                   : crescentPath(QPointF(29, 34), 19, QPointF(7.5, -6.5), 16);
    p.setPen(tiny ? Qt::NoPen : QPen(QColor(0x7a, 0x4a, 0x0c, 160), 0.8));
    p.setBrush(goldGradient(14, 54));
    p.drawPath(moon);

    // star
    const QPainterPath star = tiny ? starPath(QPointF(41, 24), 13, 5.6) : starPath(QPointF(40, 25), 10.5, 4.3);
    QLinearGradient sg(0, 14, 0, 36);
    sg.setColorAt(0, QColor(255, 252, 235));
    sg.setColorAt(1, kGold);
    p.setBrush(sg);
    p.setPen(tiny ? Qt::NoPen : QPen(QColor(0x9a, 0x62, 0x10, 170), 0.8));
    p.drawPath(star);

    if (!tiny) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 246, 214, 230));
        p.drawPath(sparklePath(QPointF(47.5, 43), 3.6));
        p.setBrush(QColor(255, 246, 214, 170));
        p.drawPath(sparklePath(QPointF(20.5, 17.5), 2.4));
        // glossy highlight on the badge
        QPainterPath gloss;
        gloss.addEllipse(QPointF(32, 32), R - 3.5, R - 3.5);
        QPainterPath cut;
        cut.addEllipse(QPointF(38, 52), 40, 34);
        QLinearGradient gg(0, 3, 0, 30);
        gg.setColorAt(0, QColor(255, 255, 255, 46));
        gg.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(gg);
        p.drawPath(gloss.subtracted(cut));
    }
    p.restore();
}

} // namespace

void drawWindowIcons(Canvas &canvas)
{
    const int sizes[] = {16, 32, 48, 64, 128, 256};
    for (int s : sizes) {
        QImage img(s, s, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        drawEmblem(p, QPointF(0, 0), s);
        p.end();
        canvas.savePngAsIs(img, s == 64 ? QStringLiteral("icon.png") : QStringLiteral("icon-%1.png").arg(s));
    }
}

void drawAbout(Canvas &canvas)
{
    const int W = 71, H = 77;
    Painting pic(canvas, W, H);
    pic.p.fillRect(pic.rect(), vertical(0, H, {{0, QColor(0xfd, 0xfa, 0xff)}, {1, QColor(0xe9, 0xdf, 0xf6)}}));
    const double s = 60;
    const QPointF tl((W - s) / 2.0, (H - s) / 2.0 - 1);
    QPainterPath shadow;
    shadow.addEllipse(QRectF(tl + QPointF(1, 3), QSizeF(s - 2, s - 2)));
    softShape(canvas, pic, shadow, QColor(40, 10, 80, 110), 2);
    drawEmblem(pic.p, tl, s);
    canvas.savePng(pic.finish(), QStringLiteral("about.png"), true);
}

} // namespace drawart
