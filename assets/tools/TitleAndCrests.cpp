// The main window's pictures: the title banner (a glowing crescent and star
// over hills, the game's name in gold) and the five heroines' crests on an arc.

#include "Common.h"
#include "Paint.h"
#include "Pictures.h"

#include <array>
#include <cmath>

namespace drawart {

namespace {

struct Heroine
{
    const char *name;
    QColor light;
    QColor dark;
};

const std::array<Heroine, 5> kHeroines = {{
    {"Pyros", QColor(0xff, 0x9a, 0x2e), QColor(0xc8, 0x22, 0x1c)},
    {"Cobalt", QColor(0x4f, 0x8b, 0xf0), QColor(0x14, 0x33, 0x8a)},
    {"Vesper", QColor(0xff, 0xcf, 0x4a), QColor(0xe0, 0x5a, 0x86)},
    {"Gale", QColor(0x6e, 0xdc, 0x86), QColor(0x1a, 0x80, 0x42)},
    {"Iris", QColor(0xbe, 0x8c, 0xf6), QColor(0x5e, 0x28, 0xae)},
}};

// "LUMEN VESPER" over "QUIZ" between x = textLeft and textRight, glowing,
// outlined and filled with gold and rose, a twinkle either side of "QUIZ".
void titleText(const Canvas &canvas, Painting &pic, double textLeft, double textRight)
{
    QPainter &p = pic.p;
    QFont f1 = boldFont(40);
    QPainterPath t1;
    t1.addText(0, 0, f1, QStringLiteral("LUMEN VESPER"));
    const double s1 = (textRight - textLeft) / t1.boundingRect().width();
    f1 = boldFont(40 * s1);
    t1 = QPainterPath();
    t1.addText(0, 0, f1, QStringLiteral("LUMEN VESPER"));
    QFont f2 = boldFont(27);
    f2.setLetterSpacing(QFont::AbsoluteSpacing, 9);
    QPainterPath t2;
    t2.addText(0, 0, f2, QStringLiteral("QUIZ"));
    const QRectF b1 = t1.boundingRect(), b2 = t2.boundingRect();
    const double gap = 13;
    const double blockH = b1.height() + gap + b2.height();
    const double top = (pic.height() - 8 - blockH) / 2.0;
    t1.translate(textLeft - b1.left(), top - b1.top());
    const double cx = (textLeft + textRight) / 2.0;
    t2.translate(cx - b2.center().x() + 4.5, top + b1.height() + gap - b2.top());

    softShape(canvas, pic, t1, QColor(255, 190, 90, 150), 6);
    softShape(canvas, pic, t2, QColor(240, 109, 143, 170), 5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x1a, 0x08, 0x38), 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(t1);
    p.drawPath(t2);
    const QRectF r1 = t1.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(
        vertical(r1.top(), r1.bottom(),
                 {{0, QColor(255, 252, 232)}, {0.48, kGoldLight}, {0.52, kGold}, {1, QColor(0xe8, 0x9a, 0x2a)}}));
    p.drawPath(t1);
    const QRectF r2 = t2.boundingRect();
    p.setBrush(vertical(r2.top(), r2.bottom(), {{0, QColor(255, 226, 236)}, {1, kRose}}));
    p.drawPath(t2);

    // ornaments either side of "QUIZ"
    const double oy = r2.center().y();
    auto ornament = [&](double x0, double x1, double dir) {
        const QLinearGradient lg =
            linear(QPointF(x0, 0), QPointF(x1, 0), {{0, QColor(255, 214, 120, 0)}, {1, QColor(255, 214, 120, 230)}});
        p.setPen(QPen(QBrush(lg), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x0, oy), QPointF(x1, oy));
        p.setPen(Qt::NoPen);
        p.setBrush(kGoldLight);
        p.drawPath(sparklePath(QPointF(x1 + dir * 6, oy), 4.2));
    };
    ornament(textLeft + 4, r2.left() - 14, 1);
    ornament(textRight - 4, r2.right() + 14, -1);
}

void mainTitle(Canvas &canvas)
{
    const int W = 441, H = 139;
    Painting pic(canvas, W, H);
    QPainter &p = pic.p;
    p.fillRect(
        pic.rect(),
        vertical(0, H,
                 {{0.0, QColor(0x06, 0x09, 0x22)}, {0.55, QColor(0x1b, 0x14, 0x4e)}, {1.0, QColor(0x43, 0x1f, 0x6e)}}));
    p.fillRect(pic.rect(), glow(QPointF(W * 0.62, H + 40), 260, QColor(240, 109, 143, 95)));

    starField(p, QRectF(0, 0, W, H * 0.85), 150, 7);

    // distant hills
    QPainterPath hills;
    hills.moveTo(0, H);
    hills.lineTo(0, 122);
    hills.cubicTo(60, 110, 110, 128, 170, 121);
    hills.cubicTo(230, 114, 270, 104, 330, 116);
    hills.cubicTo(380, 126, 410, 112, 441, 118);
    hills.lineTo(W, H);
    hills.closeSubpath();
    p.setPen(QPen(QColor(240, 150, 190, 90), 1.0));
    p.setBrush(vertical(104, H, {{0, QColor(0x2c, 0x15, 0x52)}, {1, QColor(0x12, 0x08, 0x26)}}));
    p.drawPath(hills);

    // glowing crescent
    const QPointF mc(72, 66);
    p.setPen(Qt::NoPen);
    p.setBrush(radial(
        mc, 66,
        {{0.0, QColor(255, 220, 140, 120)}, {0.45, QColor(255, 200, 120, 45)}, {1.0, QColor(255, 200, 120, 0)}}));
    p.drawEllipse(mc, 66, 66);
    const QPainterPath moon = crescentPath(mc, 42, QPointF(17, -13), 36);
    softShape(canvas, pic, moon, QColor(255, 214, 120, 200), 5, 2);
    p.setBrush(linear(QPointF(mc.x() - 42, mc.y() - 42), QPointF(mc.x() + 20, mc.y() + 42),
                      {{0, QColor(255, 250, 220)}, {0.5, kGoldLight}, {1, kGold}}));
    p.drawPath(moon);
    // star nestled in the crescent
    const QPainterPath st = starPath(QPointF(90, 50), 13, 5.4, -80);
    softShape(canvas, pic, st, QColor(255, 236, 170, 220), 4);
    p.setBrush(vertical(37, 63, {{0, Qt::white}, {1, kGoldLight}}));
    p.drawPath(st);

    titleText(canvas, pic, 144, 428);
    canvas.saveJpg(pic.finish(), QStringLiteral("main-title.jpg"));
}

QPainterPath shieldPath(QPointF c, double w, double h)
{
    const double top = c.y() - h / 2.0;
    const double cx = c.x();
    QPainterPath s;
    s.moveTo(cx, top);
    s.quadTo(cx + w * 0.25, top + h * 0.1, cx + w * 0.5, top + h * 0.02);
    s.cubicTo(cx + w * 0.54, top + h * 0.45, cx + w * 0.36, top + h * 0.8, cx, top + h);
    s.cubicTo(cx - w * 0.36, top + h * 0.8, cx - w * 0.54, top + h * 0.45, cx - w * 0.5, top + h * 0.02);
    s.quadTo(cx - w * 0.25, top + h * 0.1, cx, top);
    s.closeSubpath();
    return s;
}

void drawCrest(const Canvas &canvas, Painting &pic, QPointF c, double w, double h, const Heroine &hero)
{
    QPainter &p = pic.p;
    const QPainterPath shield = shieldPath(c, w, h);
    softShape(canvas, pic, shield.translated(0, 3.5), QColor(50, 20, 90, 120), 3);

    p.setPen(QPen(QColor(0xff, 0xf4, 0xd0), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(linear(QPointF(c.x() - w / 2, c.y() - h / 2), QPointF(c.x() + w / 3, c.y() + h / 2),
                      {{0, hero.light.lighter(112)}, {1, hero.dark}}));
    p.drawPath(shield);

    // inner line
    QTransform inner;
    inner.translate(c.x(), c.y() - h * 0.02);
    inner.scale(0.78, 0.78);
    inner.translate(-c.x(), -c.y());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
    p.drawPath(inner.map(shield));

    // star with halo
    const QPointF sc(c.x(), c.y() - h * 0.04);
    p.setPen(Qt::NoPen);
    p.setBrush(glow(sc, w * 0.42, QColor(255, 255, 255, 150)));
    p.drawEllipse(sc, w * 0.42, w * 0.42);
    const QPainterPath star = starPath(sc, w * 0.25, w * 0.105);
    p.setBrush(vertical(sc.y() - w * 0.25, sc.y() + w * 0.25, {{0, Qt::white}, {1, hero.light.lighter(150)}}));
    p.setPen(QPen(hero.dark.darker(130), 0.9));
    p.drawPath(star);

    // gem at the top
    const QPointF gc(c.x(), c.y() - h * 0.5 + 5.5);
    QPainterPath gem;
    gem.moveTo(gc.x(), gc.y() - 4);
    gem.lineTo(gc.x() + 3.2, gc.y());
    gem.lineTo(gc.x(), gc.y() + 4);
    gem.lineTo(gc.x() - 3.2, gc.y());
    gem.closeSubpath();
    p.setBrush(QColor(0xff, 0xf6, 0xdc));
    p.setPen(QPen(hero.dark, 0.8));
    p.drawPath(gem);

    // gloss
    p.save();
    p.setClipPath(shield);
    p.setBrush(vertical(c.y() - h / 2, c.y(), {{0, QColor(255, 255, 255, 90)}, {1, QColor(255, 255, 255, 0)}}));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(c.x() - w * 0.18, c.y() - h * 0.42), w * 0.55, h * 0.3);
    p.restore();
}

void mainHeroines(Canvas &canvas)
{
    const int W = 243, H = 199;
    Painting pic(canvas, W, H);
    QPainter &p = pic.p;
    p.fillRect(
        pic.rect(),
        radial(QPointF(W / 2.0, 82), 170,
               {{0, QColor(0xff, 0xf8, 0xfb)}, {0.55, QColor(0xf3, 0xe6, 0xf6)}, {1, QColor(0xd9, 0xc8, 0xef)}}));

    // soft rays from behind the centre crest
    const QPointF rc(W / 2.0, 76);
    for (int i = 0; i < 16; ++i) {
        const double a0 = (i * 22.5 - 4) * kPi / 180.0, a1 = (i * 22.5 + 4) * kPi / 180.0;
        QPainterPath ray;
        ray.moveTo(rc);
        ray.lineTo(rc + QPointF(220 * std::cos(a0), 220 * std::sin(a0)));
        ray.lineTo(rc + QPointF(220 * std::cos(a1), 220 * std::sin(a1)));
        ray.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(glow(rc, 170, QColor(255, 255, 255, 120)));
        p.drawPath(ray);
    }

    // arc geometry
    const QPointF ac(W / 2.0, 192);
    const double ar = 116;
    const double angles[5] = {-148, -119, -90, -61, -32};
    std::array<QPointF, 5> pos;
    for (int i = 0; i < 5; ++i) {
        const double a = angles[i] * kPi / 180.0;
        pos[i] = ac + QPointF(ar * std::cos(a), ar * std::sin(a));
    }
    // dotted arc behind the crests
    QPainterPath arc;
    arc.arcMoveTo(QRectF(ac.x() - ar, ac.y() - ar, 2 * ar, 2 * ar), 160);
    arc.arcTo(QRectF(ac.x() - ar, ac.y() - ar, 2 * ar, 2 * ar), 160, -140);
    QPen dp(QColor(0xd9, 0xa4, 0x3a, 200), 1.6, Qt::DotLine, Qt::RoundCap);
    p.setPen(dp);
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);

    Rng rng(99);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) {
        const QPointF sp(rng.range(6, W - 6), rng.range(6, H - 6));
        const Heroine &h = kHeroines[size_t(rng.next() % 5)];
        QColor col = h.light;
        col.setAlpha(int(rng.range(110, 210)));
        p.setBrush(col);
        p.drawPath(sparklePath(sp, rng.range(1.8, 4.2)));
    }

    const int order[5] = {0, 4, 1, 3, 2}; // paint the centre crest last
    for (int k : order) {
        const bool centre = (k == 2);
        drawCrest(canvas, pic, pos[size_t(k)], centre ? 52 : 43, centre ? 60 : 50, kHeroines[size_t(k)]);
    }
    canvas.saveJpg(pic.finish(), QStringLiteral("main-heroines.jpg"));
}

} // namespace

void drawTitleAndCrests(Canvas &canvas)
{
    mainTitle(canvas);
    mainHeroines(canvas);
}

} // namespace drawart
