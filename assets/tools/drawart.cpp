// drawart: draws every bundled picture of lvtriv procedurally.
//
// Usage: drawart OUTPUT_DIR [SCALE...]
//
// Draws every picture at each SCALE (by default 1 and 2). At scale N above 1
// a picture is drawn at N times the resolution, every shape, text and ray at
// that resolution, and saved as NAME@Nx.EXT beside NAME.EXT: the name Qt looks
// for on a screen of that pixel ratio. The desktop icons (icon-SIZE.png) are a
// set of sizes of their own and are drawn at scale 1 only.
//
// Nothing is loaded from disk and nothing depends on the time or on chance
// (every random number comes from a fixed seed); every pixel comes from the
// code below, so the same code gives the same files.
//
// The toy robot "photographs" are produced by a tiny ray tracer
// (rounded boxes and cylinders on a table, soft key light, ambient
// occlusion), everything else is painted with QPainter.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

QString g_outDir;
bool g_ok = true;
// The scale being drawn: images are g_scale times their size in pixels, with
// that device pixel ratio, so that painting is in 1x units.
int g_scale = 1;

constexpr double kPi = 3.14159265358979323846;

// ---------------------------------------------------------------- palette
const QColor kNight(0x0b, 0x10, 0x30);
const QColor kVioletDeep(0x2a, 0x14, 0x54);
const QColor kViolet(0x5b, 0x2a, 0x9e);
const QColor kVioletLight(0x8a, 0x56, 0xd6);
const QColor kGold(0xf5, 0xc5, 0x42);
const QColor kGoldLight(0xff, 0xec, 0xa6);
const QColor kGoldDark(0xc2, 0x84, 0x1a);
const QColor kRose(0xf0, 0x6d, 0x8f);

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

// ------------------------------------------------------------ small utils
struct Rng
{
    uint64_t s;
    explicit Rng(uint64_t seed) : s(seed * 0x9E3779B97F4A7C15ull + 0x1234567ull) {}
    uint32_t next()
    {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return uint32_t(s >> 11);
    }
    double uni() { return (next() & 0xFFFFFF) / double(0x1000000); }
    double range(double a, double b) { return a + (b - a) * uni(); }
};

QFont boldFont(double px)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(std::max(1, int(std::lround(px))));
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// A canvas of w x h in 1x units, at the scale being drawn.
QImage newImage(int w, int h, bool transparent)
{
    QImage img(w * g_scale, h * g_scale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(g_scale);
    img.fill(transparent ? Qt::transparent : Qt::black);
    return img;
}

// NAME.EXT, or NAME@Nx.EXT when drawing at scale N.
QString scaledName(const QString &name)
{
    if (g_scale == 1)
        return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return name.left(dot) + QStringLiteral("@%1x").arg(g_scale) + name.mid(dot);
}

void report(const QString &name, const QImage &img, bool ok)
{
    std::printf("%-18s %4d x %-4d %s\n", qPrintable(name), img.width(), img.height(), ok ? "ok" : "FAILED");
    if (!ok)
        g_ok = false;
}

void savePng(const QImage &img, const QString &name, bool opaque = false)
{
    QImage out = img.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    report(scaledName(name), out, out.save(g_outDir + QLatin1Char('/') + scaledName(name), "PNG"));
}

void saveJpg(const QImage &img, const QString &name)
{
    QImage out = img.convertToFormat(QImage::Format_RGB32);
    report(scaledName(name), out, out.save(g_outDir + QLatin1Char('/') + scaledName(name), "JPG", 90));
}

// Three-pass box blur (close to a gaussian) on a premultiplied image; r is in
// pixels of the image.
QImage blurred(const QImage &src, int r)
{
    QImage img = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (r <= 0)
        return img;
    const int w = img.width(), h = img.height();
    std::vector<float> a(size_t(w) * h * 4), b(a.size());
    for (int y = 0; y < h; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            float *d = &a[(size_t(y) * w + x) * 4];
            d[0] = qAlpha(line[x]);
            d[1] = qRed(line[x]);
            d[2] = qGreen(line[x]);
            d[3] = qBlue(line[x]);
        }
    }
    const float inv = 1.0f / float(2 * r + 1);
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                for (int c = 0; c < 4; ++c) {
                    float s = 0;
                    for (int k = -r; k <= r; ++k) {
                        const int xx = x + k;
                        if (xx >= 0 && xx < w)
                            s += a[(size_t(y) * w + xx) * 4 + c];
                    }
                    b[(size_t(y) * w + x) * 4 + c] = s * inv;
                }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                for (int c = 0; c < 4; ++c) {
                    float s = 0;
                    for (int k = -r; k <= r; ++k) {
                        const int yy = y + k;
                        if (yy >= 0 && yy < h)
                            s += b[(size_t(yy) * w + x) * 4 + c];
                    }
                    a[(size_t(y) * w + x) * 4 + c] = s * inv;
                }
    }
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const float *d = &a[(size_t(y) * w + x) * 4];
            auto cl = [](float v) { return std::clamp(int(v + 0.5f), 0, 255); };
            const int al = cl(d[0]);
            line[x] = qRgba(std::min(cl(d[1]), al), std::min(cl(d[2]), al), std::min(cl(d[3]), al), al);
        }
    }
    return img;
}

// Paints `shape` blurred by `radius` in `color` onto `p` (a soft glow or shadow);
// `size` and `radius` are in 1x units.
void softShape(QPainter &p, const QSize &size, const QPainterPath &shape, const QColor &color, int radius,
               int repeat = 1)
{
    QImage layer = newImage(size.width(), size.height(), true);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.setPen(Qt::NoPen);
        lp.setBrush(color);
        lp.drawPath(shape);
    }
    layer = blurred(layer, radius * g_scale);
    for (int i = 0; i < repeat; ++i)
        p.drawImage(0, 0, layer);
}

QPainterPath starPath(QPointF c, double outer, double inner, double rotDeg = -90.0)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double ang = (rotDeg + i * 36.0) * kPi / 180.0;
        const double rad = (i % 2) ? inner : outer;
        const QPointF pt(c.x() + rad * std::cos(ang), c.y() + rad * std::sin(ang));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

// Four-pointed twinkle.
QPainterPath sparklePath(QPointF c, double r)
{
    QPainterPath path;
    const double k = r * 0.22;
    path.moveTo(c.x(), c.y() - r);
    path.quadTo(c.x() + k, c.y() - k, c.x() + r, c.y());
    path.quadTo(c.x() + k, c.y() + k, c.x(), c.y() + r);
    path.quadTo(c.x() - k, c.y() + k, c.x() - r, c.y());
    path.quadTo(c.x() - k, c.y() - k, c.x(), c.y() - r);
    path.closeSubpath();
    return path;
}

QPainterPath crescentPath(QPointF c, double r, QPointF cutOffset, double cutR)
{
    QPainterPath outer;
    outer.addEllipse(c, r, r);
    QPainterPath cut;
    cut.addEllipse(c + cutOffset, cutR, cutR);
    return outer.subtracted(cut);
}

QLinearGradient goldGradient(double y0, double y1)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0.0, kGoldLight);
    g.setColorAt(0.45, kGold);
    g.setColorAt(1.0, kGoldDark);
    return g;
}

// Random star field with a few twinkles.
void starField(QPainter &p, const QRectF &area, int count, uint64_t seed, double maxR = 1.2)
{
    Rng rng(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF c(area.left() + rng.uni() * area.width(), area.top() + rng.uni() * area.height());
        const double r = 0.35 + rng.uni() * rng.uni() * maxR;
        const int alpha = int(90 + rng.uni() * 165);
        const bool warm = rng.uni() < 0.25;
        p.setBrush(warm ? QColor(255, 236, 190, alpha) : QColor(225, 232, 255, alpha));
        p.drawEllipse(c, r, r);
    }
    for (int i = 0; i < count / 18 + 1; ++i) {
        const QPointF c(area.left() + rng.uni() * area.width(), area.top() + rng.uni() * area.height());
        const double r = 2.5 + rng.uni() * 2.5;
        p.setBrush(QColor(255, 250, 235, 210));
        p.drawPath(sparklePath(c, r));
    }
}

// ============================================================== the emblem
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

void makeIcons()
{
    const int sizes[] = {16, 32, 48, 64, 128, 256};
    for (int s : sizes) {
        QImage img = newImage(s, s, true);
        QPainter p(&img);
        drawEmblem(p, QPointF(0, 0), s);
        p.end();
        savePng(img, s == 64 ? QStringLiteral("icon.png") : QStringLiteral("icon-%1.png").arg(s));
    }
}

void makeAbout()
{
    const int W = 71, H = 77;
    QImage img = newImage(W, H, false);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, H);
    bg.setColorAt(0, QColor(0xfd, 0xfa, 0xff));
    bg.setColorAt(1, QColor(0xe9, 0xdf, 0xf6));
    p.fillRect(QRect(0, 0, W, H), bg);
    const double s = 60;
    const QPointF tl((W - s) / 2.0, (H - s) / 2.0 - 1);
    QPainterPath shadow;
    shadow.addEllipse(QRectF(tl + QPointF(1, 3), QSizeF(s - 2, s - 2)));
    softShape(p, QSize(W, H), shadow, QColor(40, 10, 80, 110), 2);
    drawEmblem(p, tl, s);
    p.end();
    savePng(img, QStringLiteral("about.png"), true);
}

// ============================================================ title banner
void makeMainTitle()
{
    const int W = 441, H = 139;
    QImage img = newImage(W, H, false);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, H);
    sky.setColorAt(0.0, QColor(0x06, 0x09, 0x22));
    sky.setColorAt(0.55, QColor(0x1b, 0x14, 0x4e));
    sky.setColorAt(1.0, QColor(0x43, 0x1f, 0x6e));
    p.fillRect(QRect(0, 0, W, H), sky);
    QRadialGradient dawn(QPointF(W * 0.62, H + 40), 260);
    dawn.setColorAt(0, QColor(240, 109, 143, 95));
    dawn.setColorAt(1, QColor(240, 109, 143, 0));
    p.fillRect(QRect(0, 0, W, H), dawn);

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
    QLinearGradient hg(0, 104, 0, H);
    hg.setColorAt(0, QColor(0x2c, 0x15, 0x52));
    hg.setColorAt(1, QColor(0x12, 0x08, 0x26));
    p.setPen(QPen(QColor(240, 150, 190, 90), 1.0));
    p.setBrush(hg);
    p.drawPath(hills);

    // glowing crescent
    const QPointF mc(72, 66);
    QRadialGradient halo(mc, 66);
    halo.setColorAt(0.0, QColor(255, 220, 140, 120));
    halo.setColorAt(0.45, QColor(255, 200, 120, 45));
    halo.setColorAt(1.0, QColor(255, 200, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(mc, 66, 66);
    const QPainterPath moon = crescentPath(mc, 42, QPointF(17, -13), 36);
    softShape(p, QSize(W, H), moon, QColor(255, 214, 120, 200), 5, 2);
    QLinearGradient mg(mc.x() - 42, mc.y() - 42, mc.x() + 20, mc.y() + 42);
    mg.setColorAt(0, QColor(255, 250, 220));
    mg.setColorAt(0.5, kGoldLight);
    mg.setColorAt(1, kGold);
    p.setBrush(mg);
    p.drawPath(moon);
    // star nestled in the crescent
    const QPainterPath st = starPath(QPointF(90, 50), 13, 5.4, -80);
    softShape(p, QSize(W, H), st, QColor(255, 236, 170, 220), 4);
    QLinearGradient sg(0, 37, 0, 63);
    sg.setColorAt(0, Qt::white);
    sg.setColorAt(1, kGoldLight);
    p.setBrush(sg);
    p.drawPath(st);

    // title text
    const double textLeft = 144, textRight = 428;
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
    const double top = (H - 8 - blockH) / 2.0;
    t1.translate(textLeft - b1.left(), top - b1.top());
    const double cx = (textLeft + textRight) / 2.0;
    t2.translate(cx - b2.center().x() + 4.5, top + b1.height() + gap - b2.top());

    softShape(p, QSize(W, H), t1, QColor(255, 190, 90, 150), 6);
    softShape(p, QSize(W, H), t2, QColor(240, 109, 143, 170), 5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x1a, 0x08, 0x38), 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(t1);
    p.drawPath(t2);
    const QRectF r1 = t1.boundingRect();
    QLinearGradient tg(0, r1.top(), 0, r1.bottom());
    tg.setColorAt(0, QColor(255, 252, 232));
    tg.setColorAt(0.48, kGoldLight);
    tg.setColorAt(0.52, kGold);
    tg.setColorAt(1, QColor(0xe8, 0x9a, 0x2a));
    p.setPen(Qt::NoPen);
    p.setBrush(tg);
    p.drawPath(t1);
    const QRectF r2 = t2.boundingRect();
    QLinearGradient qg(0, r2.top(), 0, r2.bottom());
    qg.setColorAt(0, QColor(255, 226, 236));
    qg.setColorAt(1, kRose);
    p.setBrush(qg);
    p.drawPath(t2);

    // ornaments either side of "QUIZ"
    const double oy = r2.center().y();
    auto ornament = [&](double x0, double x1, double dir) {
        QLinearGradient lg(x0, 0, x1, 0);
        lg.setColorAt(0, QColor(255, 214, 120, 0));
        lg.setColorAt(1, QColor(255, 214, 120, 230));
        p.setPen(QPen(QBrush(lg), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x0, oy), QPointF(x1, oy));
        p.setPen(Qt::NoPen);
        p.setBrush(kGoldLight);
        p.drawPath(sparklePath(QPointF(x1 + dir * 6, oy), 4.2));
    };
    ornament(textLeft + 4, r2.left() - 14, 1);
    ornament(textRight - 4, r2.right() + 14, -1);
    p.end();
    saveJpg(img, QStringLiteral("main-title.jpg"));
}

// ========================================================= heroine crests
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

void drawCrest(QPainter &p, const QSize &canvas, QPointF c, double w, double h, const Heroine &hero)
{
    const QPainterPath shield = shieldPath(c, w, h);
    softShape(p, canvas, shield.translated(0, 3.5), QColor(50, 20, 90, 120), 3);

    QLinearGradient fill(c.x() - w / 2, c.y() - h / 2, c.x() + w / 3, c.y() + h / 2);
    fill.setColorAt(0, hero.light.lighter(112));
    fill.setColorAt(1, hero.dark);
    p.setPen(QPen(QColor(0xff, 0xf4, 0xd0), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
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
    QRadialGradient halo(sc, w * 0.42);
    halo.setColorAt(0, QColor(255, 255, 255, 150));
    halo.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(sc, w * 0.42, w * 0.42);
    const QPainterPath star = starPath(sc, w * 0.25, w * 0.105);
    QLinearGradient sg(0, sc.y() - w * 0.25, 0, sc.y() + w * 0.25);
    sg.setColorAt(0, Qt::white);
    sg.setColorAt(1, hero.light.lighter(150));
    p.setBrush(sg);
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
    QLinearGradient gl(0, c.y() - h / 2, 0, c.y());
    gl.setColorAt(0, QColor(255, 255, 255, 90));
    gl.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gl);
    p.drawEllipse(QPointF(c.x() - w * 0.18, c.y() - h * 0.42), w * 0.55, h * 0.3);
    p.restore();
}

void makeMainHeroines()
{
    const int W = 243, H = 199;
    QImage img = newImage(W, H, false);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient bg(QPointF(W / 2.0, 82), 170);
    bg.setColorAt(0, QColor(0xff, 0xf8, 0xfb));
    bg.setColorAt(0.55, QColor(0xf3, 0xe6, 0xf6));
    bg.setColorAt(1, QColor(0xd9, 0xc8, 0xef));
    p.fillRect(QRect(0, 0, W, H), bg);

    // soft rays from behind the centre crest
    const QPointF rc(W / 2.0, 76);
    for (int i = 0; i < 16; ++i) {
        const double a0 = (i * 22.5 - 4) * kPi / 180.0, a1 = (i * 22.5 + 4) * kPi / 180.0;
        QPainterPath ray;
        ray.moveTo(rc);
        ray.lineTo(rc + QPointF(220 * std::cos(a0), 220 * std::sin(a0)));
        ray.lineTo(rc + QPointF(220 * std::cos(a1), 220 * std::sin(a1)));
        ray.closeSubpath();
        QRadialGradient rg(rc, 170);
        rg.setColorAt(0, QColor(255, 255, 255, 120));
        rg.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(rg);
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
        drawCrest(p, QSize(W, H), pos[size_t(k)], centre ? 52 : 43, centre ? 60 : 50, kHeroines[size_t(k)]);
    }
    p.end();
    saveJpg(img, QStringLiteral("main-heroines.jpg"));
}

// ============================================================== quiz board
void makeQuizBoard()
{
    const int W = 216, H = 177;
    QImage img = newImage(W, H, false);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient bg(QPointF(W / 2.0, 70), 170);
    bg.setColorAt(0, QColor(0x4e, 0x27, 0x96));
    bg.setColorAt(0.5, QColor(0x22, 0x11, 0x4a));
    bg.setColorAt(1, QColor(0x0c, 0x06, 0x20));
    p.fillRect(QRect(0, 0, W, H), bg);
    starField(p, QRectF(0, 0, W, 110), 45, 21, 0.9);

    // spotlight beams
    auto beam = [&](QPointF top, double topW, QPointF bottom, double botW, QColor col) {
        QPainterPath b;
        b.moveTo(top.x() - topW / 2, top.y());
        b.lineTo(top.x() + topW / 2, top.y());
        b.lineTo(bottom.x() + botW / 2, bottom.y());
        b.lineTo(bottom.x() - botW / 2, bottom.y());
        b.closeSubpath();
        QLinearGradient g(top, bottom);
        QColor c0 = col, c1 = col;
        c0.setAlpha(col.alpha());
        c1.setAlpha(0);
        g.setColorAt(0, c0);
        g.setColorAt(1, c1);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(b);
    };
    beam(QPointF(20, -5), 10, QPointF(95, 170), 70, QColor(240, 109, 143, 60));
    beam(QPointF(196, -5), 10, QPointF(121, 170), 70, QColor(120, 170, 255, 55));
    beam(QPointF(108, -8), 22, QPointF(108, 160), 120, QColor(255, 240, 200, 70));

    // stage floor
    QRadialGradient fl(QPointF(108, 168), 110);
    fl.setColorAt(0, QColor(0x9a, 0x6a, 0xe0, 200));
    fl.setColorAt(1, QColor(0x3a, 0x1c, 0x70, 0));
    p.setBrush(fl);
    p.drawEllipse(QPointF(108, 170), 112, 22);

    // podium
    QPainterPath front;
    front.moveTo(68, 130);
    front.lineTo(148, 130);
    front.lineTo(156, 180);
    front.lineTo(60, 180);
    front.closeSubpath();
    QLinearGradient pg(60, 0, 156, 0);
    pg.setColorAt(0, QColor(0x3b, 0x19, 0x72));
    pg.setColorAt(0.45, QColor(0x84, 0x4c, 0xcf));
    pg.setColorAt(1, QColor(0x2e, 0x12, 0x5c));
    p.setBrush(pg);
    p.drawPath(front);
    p.setPen(QPen(QColor(0xe8, 0xb6, 0x4a), 1.4));
    p.drawLine(QPointF(67, 138), QPointF(149, 138));
    p.setPen(Qt::NoPen);
    QLinearGradient slab(0, 121, 0, 132);
    slab.setColorAt(0, kGoldLight);
    slab.setColorAt(1, kGoldDark);
    p.setBrush(slab);
    p.drawRoundedRect(QRectF(61, 121, 94, 10), 3, 3);
    const QPainterPath pstar = starPath(QPointF(108, 158), 14, 5.8);
    softShape(p, QSize(W, H), pstar, QColor(255, 210, 110, 200), 4);
    p.setBrush(goldGradient(144, 172));
    p.setPen(QPen(QColor(0x8a, 0x52, 0x0a), 0.9));
    p.drawPath(pstar);

    // question mark of light
    QFont qf = boldFont(112);
    QPainterPath q;
    q.addText(0, 0, qf, QStringLiteral("?"));
    const QRectF qb = q.boundingRect();
    q.translate(108 - qb.center().x(), 12 - qb.top());
    softShape(p, QSize(W, H), q, QColor(255, 196, 90, 255), 9, 2);
    softShape(p, QSize(W, H), q, QColor(255, 240, 200, 230), 3);
    const QRectF qr = q.boundingRect();
    QLinearGradient qg(0, qr.top(), 0, qr.bottom());
    qg.setColorAt(0, QColor(255, 255, 250));
    qg.setColorAt(0.6, QColor(255, 246, 210));
    qg.setColorAt(1, kGoldLight);
    p.setBrush(qg);
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
    p.end();
    saveJpg(img, QStringLiteral("quiz-board.jpg"));
}

// ====================================================== pixel-art title
// Chunky title glyphs (7 rows, variable width) and 3x5 glyphs for the prompt.
const char *titleGlyph(char c)
{
    switch (c) {
    case 'L':
        return "##....|##....|##....|##....|##....|##....|######";
    case 'U':
        return "##..##|##..##|##..##|##..##|##..##|##..##|.####.";
    case 'M':
        return "##...##|###.###|#######|##.#.##|##...##|##...##|##...##";
    case 'E':
        return "######|##....|##....|#####.|##....|##....|######";
    case 'N':
        return "##...##|###..##|####.##|##.####|##..###|##...##|##...##";
    case 'C':
        return ".#####|##....|##....|##....|##....|##....|.#####";
    case 'O':
        return ".####.|##..##|##..##|##..##|##..##|##..##|.####.";
    case 'T':
        return "######|..##..|..##..|..##..|..##..|..##..|..##..";
    case 'S':
        return ".#####|##....|##....|.####.|....##|....##|#####.";
    default:
        return nullptr;
    }
}

int glyphWidth(const char *g)
{
    return int(std::strchr(g, '|') - g);
}

const char *glyph3x5(char c)
{
    switch (c) {
    case 'P':
        return "##.#.###.#..#..";
    case 'R':
        return "##.#.###.#.##.#";
    case 'E':
        return "####..##.#..###";
    case 'S':
        return ".###...#...###.";
    case 'T':
        return "###.#..#..#..#.";
    case 'A':
        return ".#.#.#####.##.#";
    default:
        return nullptr;
    }
}

void makeCometsTitle()
{
    const int W = 260, H = 231;
    const int w = 65, h = 58; // quarter resolution
    QImage lo(w, h, QImage::Format_RGB32);
    auto put = [&](int x, int y, QRgb c) {
        if (x >= 0 && y >= 0 && x < w && y < h)
            lo.setPixel(x, y, c);
    };

    // banded sky with checker dithering between bands
    const QRgb bands[] = {qRgb(6, 6, 26), qRgb(12, 10, 44), qRgb(24, 14, 66), qRgb(40, 20, 88), qRgb(64, 28, 104)};
    for (int y = 0; y < h; ++y) {
        const double t = double(y) / (h - 1) * 4.0;
        const int b = std::min(3, int(t));
        const double f = t - b;
        for (int x = 0; x < w; ++x) {
            const bool upper = f > 0.7 && ((x + y) % 2 == 0);
            lo.setPixel(x, y, bands[b + (upper ? 1 : 0)]);
        }
    }
    Rng rng(1987);
    for (int i = 0; i < 70; ++i) {
        const int x = int(rng.uni() * w), y = int(rng.uni() * h);
        const double r = rng.uni();
        put(x, y, r < 0.5 ? qRgb(120, 120, 170) : (r < 0.85 ? qRgb(230, 230, 255) : qRgb(255, 230, 140)));
    }
    const int bigStars[][2] = {{8, 8}, {57, 27}, {5, 37}, {30, 4}};
    for (auto &s : bigStars) {
        put(s[0], s[1], qRgb(255, 255, 255));
        put(s[0] - 1, s[1], qRgb(140, 170, 255));
        put(s[0] + 1, s[1], qRgb(140, 170, 255));
        put(s[0], s[1] - 1, qRgb(140, 170, 255));
        put(s[0], s[1] + 1, qRgb(140, 170, 255));
    }

    // planet in the lower right
    const int pcx = 60, pcy = 61, pr = 13;
    for (int y = pcy - pr; y <= pcy + pr; ++y)
        for (int x = pcx - pr; x <= pcx + pr; ++x) {
            const int dx = x - pcx, dy = y - pcy;
            const int d2 = dx * dx + dy * dy;
            if (d2 > pr * pr)
                continue;
            const int lx = dx + 5, ly = dy + 6; // light from upper left
            const int l2 = lx * lx + ly * ly;
            QRgb c = l2 < 80 ? qRgb(120, 210, 170) : (l2 < 200 ? qRgb(48, 150, 120) : qRgb(24, 84, 82));
            if (d2 > (pr - 1) * (pr - 1))
                c = qRgb(150, 230, 200);
            if (d2 > (pr - 1) * (pr - 1) && l2 > 200)
                c = qRgb(30, 100, 96);
            put(x, y, c);
        }
    put(53, 52, qRgb(24, 84, 82));
    put(54, 52, qRgb(24, 84, 82));
    put(58, 55, qRgb(30, 110, 95));

    // comet streak: tail up-left, head lower-right
    const int hx = 55, hy = 9;
    for (int i = 0; i < 34; ++i) {
        const double t = i / 33.0;
        const int x = hx - i;
        const int y = hy - int(std::lround(i * 0.3));
        QRgb c = t < 0.15 ? qRgb(255, 250, 200)
                          : (t < 0.4 ? qRgb(255, 214, 64) : (t < 0.7 ? qRgb(255, 128, 32) : qRgb(200, 48, 40)));
        const bool dither = t > 0.7 && (i % 2);
        if (!dither)
            put(x, y, c);
        if (t < 0.55)
            put(x, y + 1, t < 0.25 ? qRgb(255, 214, 64) : qRgb(230, 96, 30));
        if (t < 0.3)
            put(x, y - 1, qRgb(255, 160, 48));
    }
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            put(hx + dx, hy + dy + 1, qRgb(255, 255, 255));
    put(hx + 2, hy + 1, qRgb(255, 250, 200));
    put(hx, hy + 3, qRgb(255, 250, 200));

    // title text: bold 5x7 glyphs with an outline and a 3D drop
    auto drawTitle = [&](const char *text, int y0, QRgb top, QRgb bottom) {
        const int n = int(std::strlen(text));
        int tw = -1;
        for (int i = 0; i < n; ++i)
            tw += glyphWidth(titleGlyph(text[i])) + 1;
        const int x0 = (w - tw) / 2;
        std::vector<uint8_t> mask(size_t(w) * h, 0);
        int cx = x0;
        for (int i = 0; i < n; ++i) {
            const char *g = titleGlyph(text[i]);
            const int gw = glyphWidth(g);
            for (int gy = 0; gy < 7; ++gy)
                for (int gx = 0; gx < gw; ++gx)
                    if (g[gy * (gw + 1) + gx] == '#') {
                        const int x = cx + gx, y = y0 + gy;
                        if (x >= 0 && x < w && y >= 0 && y < h)
                            mask[size_t(y) * w + x] = 1;
                    }
            cx += gw + 1;
        }
        auto m = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && mask[size_t(y) * w + x]; };
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (m(x, y))
                    continue;
                if (m(x - 1, y - 1) || m(x - 2, y - 2) || m(x - 1, y - 2))
                    put(x, y, qRgb(130, 24, 40));
            }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (m(x, y))
                    continue;
                if (m(x - 1, y) || m(x + 1, y) || m(x, y - 1) || m(x, y + 1))
                    put(x, y, qRgb(20, 8, 30));
            }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (m(x, y)) {
                    const int gy = y - y0;
                    put(x, y, gy < 2 ? qRgb(255, 252, 220) : (gy < 4 ? top : bottom));
                }
    };
    drawTitle("LUMEN", 14, qRgb(255, 220, 72), qRgb(248, 148, 40));
    drawTitle("COMETS", 25, qRgb(255, 220, 72), qRgb(248, 148, 40));
    // underline bar
    for (int x = 11; x <= 53; ++x)
        put(x, 36, (x % 2) ? qRgb(240, 109, 143) : qRgb(200, 70, 120));

    // PRESS START
    const char *prompt = "PRESS START";
    const int n = int(std::strlen(prompt));
    const int pw = n * 4 - 1;
    const int px0 = (w - pw) / 2, py0 = 41;
    for (int i = 0; i < n; ++i) {
        const char *g = glyph3x5(prompt[i]);
        if (!g)
            continue;
        for (int gy = 0; gy < 5; ++gy)
            for (int gx = 0; gx < 3; ++gx)
                if (g[gy * 3 + gx] == '#') {
                    put(px0 + i * 4 + gx + 1, py0 + gy + 1, qRgb(30, 20, 60));
                    put(px0 + i * 4 + gx, py0 + gy, qRgb(235, 240, 255));
                }
    }

    // The art is blocks of 4 x 4 (1x) pixels by design: at a higher scale the
    // blocks and the scanlines keep their size and their edges stay sharp.
    const int s = g_scale;
    QImage big =
        lo.scaled(w * 4 * s, h * 4 * s, Qt::IgnoreAspectRatio, Qt::FastTransformation).copy(0, 0, W * s, H * s);
    // faint scanlines for a screen feel
    for (int y = 3 * s; y < H * s; ++y) {
        if (y / s % 4 != 3)
            continue;
        QRgb *line = reinterpret_cast<QRgb *>(big.scanLine(y));
        for (int x = 0; x < W * s; ++x)
            line[x] = qRgb(qRed(line[x]) * 7 / 8, qGreen(line[x]) * 7 / 8, qBlue(line[x]) * 7 / 8);
    }
    saveJpg(big, QStringLiteral("comets-title.jpg"));
}

// ========================================================= toolbar icons
const QColor kIconInk(0x46, 0x55, 0x6c);
const QColor kIconBlue(0x2f, 0x7b, 0xe0);

QImage iconCanvas()
{
    return newImage(24, 24, true);
}

void makeToolbarIcons()
{
    auto arrow = [](bool forward) {
        QImage img = iconCanvas();
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
    savePng(arrow(false), QStringLiteral("tb-back.png"));
    savePng(arrow(true), QStringLiteral("tb-forward.png"));

    {
        QImage img = iconCanvas();
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
        savePng(img, QStringLiteral("tb-stop.png"));
    }
    {
        QImage img = iconCanvas();
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
        savePng(img, QStringLiteral("tb-refresh.png"));
    }
    {
        QImage img = iconCanvas();
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
        savePng(img, QStringLiteral("tb-home.png"));
    }
    {
        QImage img = iconCanvas();
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
        savePng(img, QStringLiteral("tb-search.png"));
    }
}

// ======================================================= toy ray tracer
struct V3
{
    double x = 0, y = 0, z = 0;
};
V3 operator+(V3 a, V3 b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
V3 operator-(V3 a, V3 b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
V3 operator-(V3 a)
{
    return {-a.x, -a.y, -a.z};
}
V3 operator*(V3 a, double s)
{
    return {a.x * s, a.y * s, a.z * s};
}
V3 mulc(V3 a, V3 b)
{
    return {a.x * b.x, a.y * b.y, a.z * b.z};
}
double dot(V3 a, V3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
V3 cross(V3 a, V3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double len(V3 a)
{
    return std::sqrt(dot(a, a));
}
V3 norm(V3 a)
{
    const double l = len(a);
    return l > 0 ? a * (1.0 / l) : V3{0, 1, 0};
}
V3 mix(V3 a, V3 b, double t)
{
    return a * (1 - t) + b * t;
}

struct M3
{
    V3 c0{1, 0, 0}, c1{0, 1, 0}, c2{0, 0, 1}; // local axes expressed in world space
};
V3 operator*(const M3 &m, V3 v)
{
    return m.c0 * v.x + m.c1 * v.y + m.c2 * v.z;
}
V3 tmul(const M3 &m, V3 v)
{
    return {dot(m.c0, v), dot(m.c1, v), dot(m.c2, v)};
}
M3 operator*(const M3 &a, const M3 &b)
{
    return {a * b.c0, a * b.c1, a * b.c2};
}
M3 rotX(double deg)
{
    const double a = deg * kPi / 180, c = std::cos(a), s = std::sin(a);
    return {{1, 0, 0}, {0, c, s}, {0, -s, c}};
}
M3 rotY(double deg)
{
    const double a = deg * kPi / 180, c = std::cos(a), s = std::sin(a);
    return {{c, 0, -s}, {0, 1, 0}, {s, 0, c}};
}
M3 rotZ(double deg)
{
    const double a = deg * kPi / 180, c = std::cos(a), s = std::sin(a);
    return {{c, s, 0}, {-s, c, 0}, {0, 0, 1}};
}

struct Frame
{
    M3 R;
    V3 t;
    V3 apply(V3 p) const { return R * p + t; }
    Frame then(const Frame &child) const { return {R * child.R, R * child.t + t}; }
};
Frame translate(V3 t)
{
    return {M3{}, t};
}
Frame rotate(const M3 &r)
{
    return {r, {}};
}

enum class Mat { Plastic, Metal, Glass, Rubber, Glow };

struct Prim
{
    bool cylinder = false; // cylinders run along their local x axis
    V3 c;
    M3 R;
    V3 h; // box: half extents; cylinder: (half length, radius, -)
    V3 col;
    Mat mat = Mat::Plastic;
    double bevel = 0.1;
    V3 bmin, bmax; // loose world bounds
};

V3 srgb(int rgb)
{
    auto lin = [](int v) { return std::pow(v / 255.0, 2.2); };
    return {lin((rgb >> 16) & 255), lin((rgb >> 8) & 255), lin(rgb & 255)};
}

const V3 kRed = srgb(0xc4222b);
const V3 kBlue = srgb(0x1f4fb4);
const V3 kGrey = srgb(0x9ba2ab);
const V3 kDark = srgb(0x454b54);
const V3 kChrome = srgb(0xd2d6dc);
const V3 kGlass = srgb(0x3d8fd6);
const V3 kTire = srgb(0x1c1c1f);
const V3 kVisor = srgb(0x6fe6ff);
const V3 kLamp = srgb(0xffd24a);

struct Scene
{
    std::vector<Prim> prims;
    V3 bmin{1e9, 1e9, 1e9}, bmax{-1e9, -1e9, -1e9};

    void finishPrim(Prim &pr)
    {
        const double ext = len(pr.cylinder ? V3{pr.h.x, pr.h.y, pr.h.y} : pr.h);
        pr.bmin = pr.c - V3{ext, ext, ext};
        pr.bmax = pr.c + V3{ext, ext, ext};
        bmin = {std::min(bmin.x, pr.bmin.x), std::min(bmin.y, pr.bmin.y), std::min(bmin.z, pr.bmin.z)};
        bmax = {std::max(bmax.x, pr.bmax.x), std::max(bmax.y, pr.bmax.y), std::max(bmax.z, pr.bmax.z)};
        prims.push_back(pr);
    }
    // box with full size `size` centred at `c` in frame `f`
    void box(const Frame &f, V3 c, V3 size, V3 col, Mat mat = Mat::Plastic, double bevel = 0.12)
    {
        Prim pr;
        pr.c = f.apply(c);
        pr.R = f.R;
        pr.h = size * 0.5;
        pr.col = col;
        pr.mat = mat;
        pr.bevel = bevel;
        finishPrim(pr);
    }
    // cylinder of `radius` and full `length` whose axis is `axis` (0=x,1=y,2=z) in frame `f`
    void cyl(const Frame &f, V3 c, int axis, double radius, double length, V3 col, Mat mat, double bevel = 0.06)
    {
        Prim pr;
        pr.cylinder = true;
        pr.c = f.apply(c);
        M3 local = axis == 0 ? M3{} : (axis == 1 ? rotZ(90) : rotY(90));
        pr.R = f.R * local;
        pr.h = {length * 0.5, radius, radius};
        pr.col = col;
        pr.mat = mat;
        pr.bevel = bevel;
        finishPrim(pr);
    }
    void wheel(const Frame &f, V3 c, double radius, double width, double side)
    {
        cyl(f, c, 0, radius, width, kTire, Mat::Rubber, 0.12);
        cyl(f, c + V3{side * 0.03, 0, 0}, 0, radius * 0.58, width + 0.04, kChrome, Mat::Metal, 0.05);
        cyl(f, c + V3{side * 0.05, 0, 0}, 0, radius * 0.2, width + 0.08, kDark, Mat::Metal, 0.03);
    }
};

struct Hit
{
    double t = 1e30;
    V3 n;
    const Prim *prim = nullptr;
    bool floor = false;
};

bool aabbHit(V3 o, V3 inv, V3 bmin, V3 bmax, double tmax)
{
    double t0 = 0, t1 = tmax;
    const double os[3] = {o.x, o.y, o.z}, is[3] = {inv.x, inv.y, inv.z};
    const double mn[3] = {bmin.x, bmin.y, bmin.z}, mx[3] = {bmax.x, bmax.y, bmax.z};
    for (int i = 0; i < 3; ++i) {
        double a = (mn[i] - os[i]) * is[i], b = (mx[i] - os[i]) * is[i];
        if (a > b)
            std::swap(a, b);
        t0 = std::max(t0, a);
        t1 = std::min(t1, b);
        if (t0 > t1)
            return false;
    }
    return true;
}

bool hitPrim(const Prim &pr, V3 ro, V3 rd, double tmax, double &tOut, V3 *nOut)
{
    const V3 o = tmul(pr.R, ro - pr.c);
    const V3 d = tmul(pr.R, rd);
    const double eps = 1e-5;
    if (!pr.cylinder) {
        double t0 = -1e30, t1 = 1e30;
        const double os[3] = {o.x, o.y, o.z}, ds[3] = {d.x, d.y, d.z}, hs[3] = {pr.h.x, pr.h.y, pr.h.z};
        for (int i = 0; i < 3; ++i) {
            if (std::fabs(ds[i]) < 1e-12) {
                if (std::fabs(os[i]) > hs[i])
                    return false;
                continue;
            }
            double a = (-hs[i] - os[i]) / ds[i], b = (hs[i] - os[i]) / ds[i];
            if (a > b)
                std::swap(a, b);
            t0 = std::max(t0, a);
            t1 = std::min(t1, b);
            if (t0 > t1)
                return false;
        }
        if (t0 < eps || t0 > tmax)
            return false;
        tOut = t0;
        if (nOut) {
            const V3 p = o + d * t0;
            const double b = std::min({pr.bevel, pr.h.x * 0.9, pr.h.y * 0.9, pr.h.z * 0.9});
            auto comp = [&](double pv, double hv) {
                const double q = std::fabs(pv) - (hv - b);
                return q > 0 ? (pv > 0 ? q : -q) : 0.0;
            };
            V3 nl{comp(p.x, pr.h.x), comp(p.y, pr.h.y), comp(p.z, pr.h.z)};
            if (len(nl) < 1e-9) {
                const double ax = std::fabs(p.x) / pr.h.x, ay = std::fabs(p.y) / pr.h.y, az = std::fabs(p.z) / pr.h.z;
                nl = ax > ay && ax > az ? V3{p.x > 0 ? 1.0 : -1.0, 0, 0}
                                        : (ay > az ? V3{0, p.y > 0 ? 1.0 : -1.0, 0} : V3{0, 0, p.z > 0 ? 1.0 : -1.0});
            }
            *nOut = norm(pr.R * nl);
        }
        return true;
    }
    // cylinder along local x
    const double L = pr.h.x, r = pr.h.y;
    double best = 1e30;
    V3 bn;
    const double a = d.y * d.y + d.z * d.z;
    if (a > 1e-12) {
        const double b = 2 * (o.y * d.y + o.z * d.z);
        const double c = o.y * o.y + o.z * o.z - r * r;
        const double disc = b * b - 4 * a * c;
        if (disc >= 0) {
            const double t = (-b - std::sqrt(disc)) / (2 * a);
            if (t > eps && t < tmax) {
                const double px = o.x + d.x * t;
                if (std::fabs(px) <= L) {
                    best = t;
                    const double e = std::max(0.0, std::fabs(px) - (L - pr.bevel)) / std::max(pr.bevel, 1e-6);
                    const double py = o.y + d.y * t, pz = o.z + d.z * t;
                    bn = norm(V3{(px > 0 ? 1 : -1) * e * 0.9, py / r, pz / r});
                }
            }
        }
    }
    if (std::fabs(d.x) > 1e-12) {
        for (int sgn = -1; sgn <= 1; sgn += 2) {
            const double t = (sgn * L - o.x) / d.x;
            if (t > eps && t < best && t < tmax) {
                const double py = o.y + d.y * t, pz = o.z + d.z * t;
                const double rho = std::sqrt(py * py + pz * pz);
                if (rho <= r) {
                    best = t;
                    const double e = std::max(0.0, rho - (r - pr.bevel)) / std::max(pr.bevel, 1e-6);
                    const V3 radial = rho > 1e-9 ? V3{0, py / rho, pz / rho} : V3{};
                    bn = norm(V3{double(sgn), 0, 0} + radial * (e * 0.9));
                }
            }
        }
    }
    if (best >= 1e30)
        return false;
    tOut = best;
    if (nOut)
        *nOut = norm(pr.R * bn);
    return true;
}

struct Tracer
{
    const Scene &scene;
    V3 keyPos{-11, 19, 15};
    double keySize = 7.5;
    V3 fillDir = norm(V3{9, 5, 7});
    V3 target;
    Rng rng{1};

    explicit Tracer(const Scene &s) : scene(s) {}

    V3 backdrop(V3 rd) const
    {
        const double t = std::clamp(rd.y * 2.2 + 0.45, 0.0, 1.0);
        return mix(srgb(0xe6e1d9), srgb(0x9aa4b4), std::pow(t, 0.9));
    }

    bool trace(V3 ro, V3 rd, Hit &hit, bool withFloor = true) const
    {
        const V3 inv{1.0 / (rd.x != 0 ? rd.x : 1e-12), 1.0 / (rd.y != 0 ? rd.y : 1e-12),
                     1.0 / (rd.z != 0 ? rd.z : 1e-12)};
        if (withFloor && rd.y < -1e-9) {
            const double t = -ro.y / rd.y;
            if (t > 1e-5 && t < hit.t) {
                hit.t = t;
                hit.n = {0, 1, 0};
                hit.floor = true;
                hit.prim = nullptr;
            }
        }
        if (aabbHit(ro, inv, scene.bmin, scene.bmax, hit.t)) {
            for (const Prim &pr : scene.prims) {
                if (!aabbHit(ro, inv, pr.bmin, pr.bmax, hit.t))
                    continue;
                double t;
                V3 n;
                if (hitPrim(pr, ro, rd, hit.t, t, &n)) {
                    hit.t = t;
                    hit.n = n;
                    hit.prim = &pr;
                    hit.floor = false;
                }
            }
        }
        return hit.t < 1e29;
    }

    bool occluded(V3 ro, V3 rd, double maxT) const
    {
        const V3 inv{1.0 / (rd.x != 0 ? rd.x : 1e-12), 1.0 / (rd.y != 0 ? rd.y : 1e-12),
                     1.0 / (rd.z != 0 ? rd.z : 1e-12)};
        if (!aabbHit(ro, inv, scene.bmin, scene.bmax, maxT))
            return false;
        for (const Prim &pr : scene.prims) {
            if (!aabbHit(ro, inv, pr.bmin, pr.bmax, maxT))
                continue;
            double t;
            if (hitPrim(pr, ro, rd, maxT, t, nullptr))
                return true;
        }
        return false;
    }

    V3 shade(V3 ro, V3 rd, int depth, int shadowN, int aoN)
    {
        Hit hit;
        if (!trace(ro, rd, hit))
            return backdrop(rd);
        const V3 P = ro + rd * hit.t;
        V3 N = hit.n;
        if (dot(N, rd) > 0)
            N = -N;
        const V3 Pn = P + N * 1e-4;

        V3 base;
        Mat mat;
        if (hit.floor) {
            base = srgb(0xd9d2c7);
            mat = Mat::Plastic;
        } else {
            base = hit.prim->col;
            mat = hit.prim->mat;
        }

        // key light (soft shadows from a square area light)
        double keyDiffuse = 0, keySpec = 0;
        const double shin = mat == Mat::Metal ? 60 : (mat == Mat::Glass ? 120 : (mat == Mat::Rubber ? 12 : 38));
        for (int i = 0; i < shadowN; ++i) {
            // stratified over a grid on the light's square
            const int gs = shadowN >= 4 ? 2 : 1;
            const double su = ((i % gs) + rng.uni()) / gs, sv = (((i / gs) % gs) + rng.uni()) / gs;
            const V3 lp = keyPos + V3{(su - 0.5) * keySize, (rng.uni() - 0.5) * keySize * 0.5, (sv - 0.5) * keySize};
            const V3 L = norm(lp - P);
            const double ndl = dot(N, L);
            if (ndl <= 0)
                continue;
            if (occluded(Pn, L, len(lp - P)))
                continue;
            keyDiffuse += ndl;
            const V3 H = norm(L - rd);
            keySpec += std::pow(std::max(0.0, dot(N, H)), shin);
        }
        keyDiffuse /= shadowN;
        keySpec /= shadowN;

        // ambient occlusion
        double ao = 1.0;
        if (aoN > 0) {
            V3 T = std::fabs(N.x) > 0.6 ? V3{0, 1, 0} : V3{1, 0, 0};
            T = norm(cross(T, N));
            const V3 B = cross(N, T);
            int open = 0;
            for (int i = 0; i < aoN; ++i) {
                const int gs = aoN >= 4 ? 2 : 1;
                const double r1 = ((i % gs) + rng.uni()) / gs, r2 = (((i / gs) % gs) + rng.uni()) / gs;
                const double phi = 2 * kPi * r1, sr = std::sqrt(r2);
                const V3 dir = T * (std::cos(phi) * sr) + B * (std::sin(phi) * sr) + N * std::sqrt(1 - r2);
                if (!occluded(Pn, dir, 3.2))
                    ++open;
            }
            ao = double(open) / aoN;
        }

        const double fill = std::max(0.0, dot(N, fillDir)) * 0.32;
        const double sky = (0.55 + 0.45 * N.y) * 0.42 * ao;
        const double keyI = 2.1;
        V3 col;
        if (mat == Mat::Glow) {
            col = base * (1.1 + 0.4 * keyDiffuse) + V3{1, 1, 1} * (keySpec * 0.6);
        } else {
            const double specStr =
                mat == Mat::Metal ? 1.3 : (mat == Mat::Glass ? 1.6 : (mat == Mat::Rubber ? 0.08 : 0.55));
            col = base * (keyDiffuse * keyI + fill + sky) + V3{1, 1, 1} * (keySpec * specStr * keyI);
        }

        // reflections
        const double cosi = std::max(0.0, -dot(rd, N));
        double refl = 0;
        if (mat == Mat::Metal)
            refl = 0.45;
        else if (mat == Mat::Glass)
            refl = 0.15 + 0.6 * std::pow(1 - cosi, 4);
        else if (mat == Mat::Plastic)
            refl = (hit.floor ? 0.05 : 0.04) + 0.25 * std::pow(1 - cosi, 5);
        if (refl > 0.001) {
            const V3 R = rd - N * (2 * dot(rd, N));
            V3 rc;
            if (depth < 1) {
                rc = shade(Pn, R, depth + 1, 1, 0);
            } else {
                rc = backdrop(R);
            }
            if (mat == Mat::Metal)
                rc = mulc(rc, base * 1.1);
            col = col * (1 - refl * 0.5) + rc * refl;
        }

        if (hit.floor) {
            // the table fades into the backdrop with distance
            const double dist = std::hypot(P.x - target.x, P.z - target.z);
            const double f = std::clamp((dist - 10.0) / 38.0, 0.0, 1.0);
            col = mix(col, backdrop(rd), f * f * (3 - 2 * f));
        }
        return col;
    }
};

struct Camera
{
    V3 eye, target;
    double vfovDeg;
};

// Renders W x H (1x units) at the scale being drawn: every pixel traced.
QImage renderScene(const Scene &scene, const Camera &cam, int W, int H, uint64_t seed)
{
    W *= g_scale;
    H *= g_scale;
    Tracer tr(scene);
    tr.rng = Rng(seed);
    tr.target = cam.target;
    const V3 fwd = norm(cam.target - cam.eye);
    const V3 right = norm(cross(fwd, V3{0, 1, 0}));
    const V3 up = cross(right, fwd);
    const double th = std::tan(cam.vfovDeg * 0.5 * kPi / 180.0);
    const double aspect = double(W) / H;
    // spp x spp stratified samples a pixel; above 1x a pixel is a quarter of the
    // area or less, so 3 x 3 still gives more samples per 1x pixel than 5 x 5
    // at 1x, at about a third of the time 5 x 5 would take.
    const int spp = g_scale > 1 ? 3 : 5;
    QImage img(W, H, QImage::Format_RGB32);
    Rng grain(seed * 7 + 3);
    for (int y = 0; y < H; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < W; ++x) {
            V3 acc;
            for (int sy = 0; sy < spp; ++sy)
                for (int sx = 0; sx < spp; ++sx) {
                    const double jx = (sx + tr.rng.uni()) / spp, jy = (sy + tr.rng.uni()) / spp;
                    const double u = (2 * (x + jx) / W - 1) * th * aspect;
                    const double v = (1 - 2 * (y + jy) / H) * th;
                    const V3 rd = norm(fwd + right * u + up * v);
                    acc = acc + tr.shade(cam.eye, rd, 0, 4, 4);
                }
            acc = acc * (1.0 / (spp * spp));
            // vignette, tone mapping, gamma, grain
            const double nx = (x + 0.5) / W - 0.5, ny = (y + 0.5) / H - 0.5;
            const double vig = 1.0 - 0.55 * (nx * nx + ny * ny);
            auto tone = [&](double c) {
                c *= vig * 1.05;
                c = c / (1 + c * 0.18);
                return std::pow(std::max(0.0, c), 1 / 2.2) * 255.0;
            };
            const double g = (grain.uni() - 0.5) * 5.0;
            auto to8 = [&](double c) { return std::clamp(int(std::lround(c + g)), 0, 255); };
            line[x] = qRgb(to8(tone(acc.x)), to8(tone(acc.y) - 1), to8(tone(acc.z) - 3));
        }
    }
    return img;
}

// --- the toy: a red/blue/grey truck robot -----------------------------
struct Pose
{
    double rightArmRaise = 8; // degrees, sideways
    double rightArmForward = 0;
    double leftArmRaise = 8;
    double leftArmForward = 0;
    double headTurn = 0;
};

void buildRobot(Scene &s, const Frame &root, const Pose &pose)
{
    for (int side = -1; side <= 1; side += 2) {
        const double sd = side;
        const double x0 = sd * 0.95;
        // leg
        s.box(root, {x0, 0.35, 0.25}, {1.35, 0.7, 2.2}, kDark, Mat::Plastic, 0.12);
        s.box(root, {x0, 2.0, 0}, {1.4, 2.6, 1.55}, kBlue, Mat::Plastic, 0.16);
        s.box(root, {x0, 2.25, 0.8}, {0.95, 1.6, 0.1}, kGrey, Mat::Plastic, 0.04);
        s.box(root, {x0, 1.7, 0.86}, {0.7, 0.12, 0.05}, kDark, Mat::Plastic, 0.02);
        s.box(root, {x0, 2.05, 0.86}, {0.7, 0.12, 0.05}, kDark, Mat::Plastic, 0.02);
        s.wheel(root, {x0 + sd * 0.86, 1.25, -0.15}, 0.58, 0.36, sd);
        s.box(root, {x0, 3.5, 0.1}, {1.05, 0.55, 1.15}, kGrey, Mat::Plastic, 0.14);
        s.box(root, {x0, 4.4, 0}, {0.85, 1.45, 0.9}, kGrey, Mat::Plastic, 0.1);
        s.box(root, {x0 + sd * 0.3, 4.4, 0}, {0.3, 1.0, 0.7}, kDark, Mat::Plastic, 0.06);

        // shoulder and exhaust stack
        s.box(root, {sd * 2.38, 8.55, 0}, {1.15, 1.1, 1.55}, kRed, Mat::Plastic, 0.18);
        s.cyl(root, {sd * 1.25, 9.35, -0.75}, 1, 0.2, 2.6, kChrome, Mat::Metal, 0.05);
        s.cyl(root, {sd * 1.25, 10.62, -0.75}, 1, 0.24, 0.12, kDark, Mat::Metal, 0.03);

        // arm, rotating about the shoulder
        const double raise = side > 0 ? pose.rightArmRaise : pose.leftArmRaise;
        const double fwd = side > 0 ? pose.rightArmForward : pose.leftArmForward;
        const Frame arm = root.then(translate({sd * 2.45, 8.55, 0})).then(rotate(rotX(-fwd) * rotZ(sd * raise)));
        s.box(arm, {0, -1.1, 0}, {0.7, 1.4, 0.75}, kGrey, Mat::Plastic, 0.1);
        s.box(arm, {0, -1.9, 0}, {0.85, 0.35, 0.85}, kDark, Mat::Plastic, 0.08);
        s.box(arm, {0, -2.85, 0}, {1.0, 1.7, 1.05}, kRed, Mat::Plastic, 0.15);
        s.box(arm, {sd * 0.52, -2.75, 0}, {0.06, 1.1, 0.6}, kGrey, Mat::Plastic, 0.02);
        s.box(arm, {0, -3.82, 0}, {1.06, 0.3, 1.1}, kBlue, Mat::Plastic, 0.06);
        s.box(arm, {0, -4.3, 0.05}, {0.8, 0.75, 0.85}, kDark, Mat::Plastic, 0.16);
    }
    // hips and waist
    s.box(root, {0, 5.5, 0}, {2.8, 0.95, 1.55}, kBlue, Mat::Plastic, 0.16);
    s.box(root, {0, 5.5, 0.8}, {0.9, 0.55, 0.1}, kGrey, Mat::Plastic, 0.05);
    // abdomen with a chrome grille
    s.box(root, {0, 6.45, -0.05}, {2.2, 1.0, 1.3}, kDark, Mat::Plastic, 0.08);
    s.box(root, {0, 6.45, 0.6}, {2.0, 0.85, 0.1}, kChrome, Mat::Metal, 0.04);
    for (int i = 0; i < 4; ++i)
        s.box(root, {0, 6.16 + i * 0.19, 0.67}, {1.9, 0.07, 0.05}, kDark, Mat::Plastic, 0.02);
    // chest = truck cab: one wide windscreen, side windows, lamps
    s.box(root, {0, 8.1, 0}, {3.6, 2.25, 1.95}, kRed, Mat::Plastic, 0.22);
    s.box(root, {0, 8.55, 0.97}, {2.9, 0.78, 0.08}, kGlass, Mat::Glass, 0.06);
    s.box(root, {0, 8.55, 1.0}, {0.12, 0.8, 0.05}, kRed, Mat::Plastic, 0.02);
    for (int side = -1; side <= 1; side += 2) {
        s.box(root, {side * 1.81, 8.55, 0.35}, {0.08, 0.7, 0.9}, kGlass, Mat::Glass, 0.04);
        s.box(root, {side * 1.3, 7.45, 0.98}, {0.6, 0.26, 0.06}, kLamp, Mat::Glow, 0.04);
    }
    s.box(root, {0, 7.45, 0.99}, {1.3, 0.5, 0.06}, kGrey, Mat::Metal, 0.05);
    for (int i = 0; i < 3; ++i)
        s.box(root, {0, 7.32 + i * 0.13, 1.03}, {1.2, 0.05, 0.03}, kDark, Mat::Plastic, 0.01);
    // neck and head: rounded helmet, wide visor, forward crest, ear discs
    s.box(root, {0, 9.38, 0}, {0.75, 0.4, 0.75}, kDark, Mat::Plastic, 0.06);
    const Frame head = root.then(translate({0, 9.5, 0})).then(rotate(rotY(pose.headTurn)));
    s.box(head, {0, 0.7, -0.05}, {1.5, 1.35, 1.3}, kBlue, Mat::Plastic, 0.34);
    s.box(head, {0, 0.5, 0.55}, {1.05, 0.85, 0.3}, kGrey, Mat::Plastic, 0.14);
    s.box(head, {0, 0.72, 0.71}, {1.0, 0.28, 0.06}, kVisor, Mat::Glow, 0.05);
    s.box(head, {0, 1.05, 0.68}, {1.25, 0.16, 0.14}, kBlue, Mat::Plastic, 0.05);
    s.box(head, {0, 1.42, 0.28}, {0.28, 0.42, 0.95}, kRed, Mat::Plastic, 0.1);
    for (int side = -1; side <= 1; side += 2)
        s.cyl(head, {side * 0.8, 0.7, -0.05}, 0, 0.38, 0.16, kGrey, Mat::Metal, 0.04);
}

// vehicle mode: a cab-over truck, front towards +z
void buildTruck(Scene &s, const Frame &root)
{
    s.box(root, {0, 0.95, -0.4}, {2.5, 0.5, 8.6}, kDark, Mat::Plastic, 0.08);
    // cab
    s.box(root, {0, 2.5, 3.3}, {3.5, 2.5, 2.6}, kRed, Mat::Plastic, 0.24);
    for (int side = -1; side <= 1; side += 2) {
        const double sd = side;
        s.box(root, {sd * 1.76, 3.2, 3.7}, {0.08, 0.8, 1.2}, kGlass, Mat::Glass, 0.05);
        s.box(root, {sd * 1.32, 1.85, 4.62}, {0.6, 0.26, 0.06}, kLamp, Mat::Glow, 0.04);
        s.cyl(root, {sd * 1.42, 3.4, 1.75}, 1, 0.2, 3.0, kChrome, Mat::Metal, 0.05);
        s.cyl(root, {sd * 1.42, 4.95, 1.75}, 1, 0.24, 0.12, kDark, Mat::Metal, 0.03);
        // folded legs form the trailer body
        s.box(root, {sd * 0.76, 2.05, -1.7}, {1.45, 1.55, 5.6}, kBlue, Mat::Plastic, 0.16);
        s.box(root, {sd * 0.76, 2.86, -1.2}, {0.95, 0.1, 3.0}, kGrey, Mat::Plastic, 0.04);
        // wheels
        s.wheel(root, {sd * 1.5, 0.72, 3.3}, 0.72, 0.5, sd);
        s.wheel(root, {sd * 1.5, 0.72, -2.0}, 0.72, 0.5, sd);
        s.wheel(root, {sd * 1.5, 0.72, -3.6}, 0.72, 0.5, sd);
        // front fender
        s.box(root, {sd * 1.5, 1.55, 3.3}, {0.56, 0.14, 1.75}, kDark, Mat::Plastic, 0.05);
    }
    s.box(root, {0, 3.2, 4.61}, {2.9, 0.85, 0.08}, kGlass, Mat::Glass, 0.06);
    s.box(root, {0, 3.2, 4.64}, {0.12, 0.87, 0.05}, kRed, Mat::Plastic, 0.02);
    s.box(root, {0, 1.9, 4.62}, {1.9, 0.8, 0.1}, kChrome, Mat::Metal, 0.04);
    for (int i = 0; i < 4; ++i)
        s.box(root, {0, 1.63 + i * 0.18, 4.68}, {1.8, 0.07, 0.05}, kDark, Mat::Plastic, 0.02);
    s.box(root, {0, 1.12, 4.75}, {3.5, 0.42, 0.4}, kGrey, Mat::Metal, 0.1);
    // roof marker lights and the robot's fists tucked at the back
    for (int i = -1; i <= 1; ++i)
        s.box(root, {i * 0.5, 3.8, 4.2}, {0.3, 0.1, 0.16}, kLamp, Mat::Glow, 0.03);
    s.box(root, {0, 1.9, -4.6}, {2.6, 0.9, 0.3}, kRed, Mat::Plastic, 0.1);
    for (int side = -1; side <= 1; side += 2)
        s.box(root, {side * 0.9, 1.9, -4.78}, {0.5, 0.3, 0.06}, srgb(0xe0302a), Mat::Glow, 0.03);
}

void makeRobots()
{
    {
        Scene s;
        buildRobot(s, Frame{rotY(-4), {0, 0, 0}}, Pose{});
        const Camera cam{{1.5, 6.8, 40}, {0, 5.7, 0}, 19.0};
        saveJpg(renderScene(s, cam, 300, 231, 1), QStringLiteral("robot-1.jpg"));
    }
    {
        Scene s;
        buildTruck(s, Frame{rotY(0), {0, 0, 0.2}});
        const Camera cam{{12.5, 7.5, 19}, {0.2, 1.9, -0.2}, 22};
        saveJpg(renderScene(s, cam, 293, 160, 2), QStringLiteral("robot-2.jpg"));
    }
    {
        Scene s;
        Pose pose;
        pose.rightArmRaise = 140;
        pose.rightArmForward = 12;
        pose.leftArmRaise = 14;
        pose.leftArmForward = 10;
        pose.headTurn = 12;
        buildRobot(s, Frame{rotY(-38), {0, 0, 0}}, pose);
        const Camera cam{{4, 7.6, 42}, {0, 6.3, 0}, 21.5};
        saveJpg(renderScene(s, cam, 300, 213, 3), QStringLiteral("robot-3.jpg"));
    }
    {
        Scene s;
        Pose pose;
        pose.headTurn = -8;
        buildRobot(s, Frame{rotY(18), {0, 0, 0}}, pose);
        const Camera cam{{2.5, 11.2, 17}, {0, 9.0, 0}, 22};
        saveJpg(renderScene(s, cam, 300, 232, 4), QStringLiteral("robot-4.jpg"));
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [SCALE...]\n", argv[0]);
        return 2;
    }
    g_outDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(g_outDir)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    QList<int> scales;
    for (int i = 2; i < argc; ++i)
        scales.append(std::atoi(argv[i]));
    if (scales.isEmpty())
        scales = {1, 2};
    for (int scale : scales) {
        if (scale < 1) {
            std::fprintf(stderr, "a scale is a whole number from 1\n");
            return 2;
        }
        g_scale = scale;
        if (scale == 1)
            makeIcons();
        makeAbout();
        makeMainTitle();
        makeMainHeroines();
        makeQuizBoard();
        makeCometsTitle();
        makeToolbarIcons();
        makeRobots();
    }
    return g_ok ? 0 : 1;
}
