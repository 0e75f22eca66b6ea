// The quiz window's board: a question mark of light over a podium, under
// spotlights on a starry stage.

#include "Common.h"
#include "Paint.h"
#include "Pictures.h"

#include <cmath>

namespace drawart {

namespace {

// A spotlight's beam from a narrow top to a wide bottom, fading out downwards.
void beam(QPainter &p, QPointF top, double topW, QPointF bottom, double botW, const QColor &col)
{
    QPainterPath b;
    b.moveTo(top.x() - topW / 2, top.y());
    b.lineTo(top.x() + topW / 2, top.y());
    b.lineTo(bottom.x() + botW / 2, bottom.y());
    b.lineTo(bottom.x() - botW / 2, bottom.y());
    b.closeSubpath();
    QColor clear = col;
    clear.setAlpha(0);
    p.setPen(Qt::NoPen);
    p.setBrush(linear(top, bottom, {{0, col}, {1, clear}}));
    p.drawPath(b);
}

} // namespace

void drawBoard(Canvas &canvas)
{
    const int W = 216, H = 177;
    Painting pic(canvas, W, H);
    QPainter &p = pic.p;
    p.fillRect(pic.rect(),
               radial(QPointF(W / 2.0, 70), 170,
                      {{0, QColor(0x4e, 0x27, 0x96)}, {0.5, QColor(0x22, 0x11, 0x4a)}, {1, QColor(0x0c, 0x06, 0x20)}}));
    starField(p, QRectF(0, 0, W, 110), 45, 21, 0.9);

    // spotlight beams
    beam(p, QPointF(20, -5), 10, QPointF(95, 170), 70, QColor(240, 109, 143, 60));
    beam(p, QPointF(196, -5), 10, QPointF(121, 170), 70, QColor(120, 170, 255, 55));
    beam(p, QPointF(108, -8), 22, QPointF(108, 160), 120, QColor(255, 240, 200, 70));

    // stage floor
    p.setBrush(radial(QPointF(108, 168), 110, {{0, QColor(0x9a, 0x6a, 0xe0, 200)}, {1, QColor(0x3a, 0x1c, 0x70, 0)}}));
    p.drawEllipse(QPointF(108, 170), 112, 22);

    // podium
    QPainterPath front;
    front.moveTo(68, 130);
    front.lineTo(148, 130);
    front.lineTo(156, 180);
    front.lineTo(60, 180);
    front.closeSubpath();
    p.setBrush(
        linear(QPointF(60, 0), QPointF(156, 0),
               {{0, QColor(0x3b, 0x19, 0x72)}, {0.45, QColor(0x84, 0x4c, 0xcf)}, {1, QColor(0x2e, 0x12, 0x5c)}}));
    p.drawPath(front);
    p.setPen(QPen(QColor(0xe8, 0xb6, 0x4a), 1.4));
    p.drawLine(QPointF(67, 138), QPointF(149, 138));
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(121, 132, {{0, kGoldLight}, {1, kGoldDark}}));
    p.drawRoundedRect(QRectF(61, 121, 94, 10), 3, 3);
    const QPainterPath pstar = starPath(QPointF(108, 158), 14, 5.8);
    softShape(canvas, pic, pstar, QColor(255, 210, 110, 200), 4);
    p.setBrush(goldGradient(144, 172));
    p.setPen(QPen(QColor(0x8a, 0x52, 0x0a), 0.9));
    p.drawPath(pstar);

    // question mark of light
    QFont qf = boldFont(112);
    QPainterPath q;
    q.addText(0, 0, qf, QStringLiteral("?"));
    const QRectF qb = q.boundingRect();
    q.translate(108 - qb.center().x(), 12 - qb.top());
    softShape(canvas, pic, q, QColor(255, 196, 90, 255), 9, 2);
    softShape(canvas, pic, q, QColor(255, 240, 200, 230), 3);
    const QRectF qr = q.boundingRect();
    p.setBrush(
        vertical(qr.top(), qr.bottom(), {{0, QColor(255, 255, 250)}, {0.6, QColor(255, 246, 210)}, {1, kGoldLight}}));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    p.drawPath(q);

    Rng rng(5);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const double a = rng.range(0, 2 * kPi);
        const double d = rng.range(52, 70);
        const QPointF sp(108 + d * std::cos(a) * 0.9, 62 + d * std::sin(a) * 0.8);
        p.setBrush(QColor(255, 244, 210, int(rng.range(150, 240))));
        p.drawPath(sparklePath(sp, rng.range(2.5, 5.0)));
    }
    canvas.saveJpg(pic.finish(), QStringLiteral("quiz-board.jpg"));
}

} // namespace drawart
