#include "Paint.h"

#include "Common.h"

#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <vector>

namespace drawart {

Painting::Painting(const Canvas &canvas, int w, int h, bool transparent)
    : m_w(w), m_h(h), m_image(canvas.newImage(w, h, transparent)), p(&m_image)
{
    p.setRenderHint(QPainter::Antialiasing);
}

QImage Painting::finish()
{
    p.end();
    return m_image;
}

QLinearGradient linear(QPointF from, QPointF to, Stops stops)
{
    QLinearGradient g(from, to);
    for (const auto &[at, colour] : stops)
        g.setColorAt(at, colour);
    return g;
}

QLinearGradient vertical(double y0, double y1, Stops stops)
{
    return linear(QPointF(0, y0), QPointF(0, y1), stops);
}

QRadialGradient radial(QPointF centre, double radius, Stops stops)
{
    QRadialGradient g(centre, radius);
    for (const auto &[at, colour] : stops)
        g.setColorAt(at, colour);
    return g;
}

QRadialGradient glow(QPointF centre, double radius, const QColor &colour)
{
    QColor clear = colour;
    clear.setAlpha(0);
    return radial(centre, radius, {{0, colour}, {1, clear}});
}

QLinearGradient goldGradient(double y0, double y1)
{
    return vertical(y0, y1, {{0.0, kGoldLight}, {0.45, kGold}, {1.0, kGoldDark}});
}

QFont boldFont(double px)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(std::max(1, int(std::lround(px))));
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

namespace {

// One pass of a box blur of radius `r` over premultiplied ARGB floats, along
// the rows or along the columns.
void boxBlurPass(const std::vector<float> &from, std::vector<float> &to, int w, int h, int r, bool alongRows)
{
    const float inv = 1.0f / float(2 * r + 1);
    const int length = alongRows ? w : h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 4; ++c) {
                const int at = alongRows ? x : y;
                float s = 0;
                for (int k = -r; k <= r; ++k) {
                    const int p = at + k;
                    if (p >= 0 && p < length)
                        s += from[((alongRows ? size_t(y) * w + p : size_t(p) * w + x)) * 4 + c];
                }
                to[(size_t(y) * w + x) * 4 + c] = s * inv;
            }
}

} // namespace

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
    for (int pass = 0; pass < 3; ++pass) {
        boxBlurPass(a, b, w, h, r, true);
        boxBlurPass(b, a, w, h, r, false);
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

void softShape(const Canvas &canvas, Painting &pic, const QPainterPath &shape, const QColor &color, int radius,
               int repeat)
{
    QImage layer = canvas.newImage(pic.width(), pic.height(), true);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.setPen(Qt::NoPen);
        lp.setBrush(color);
        lp.drawPath(shape);
    }
    layer = blurred(layer, radius * canvas.scale());
    for (int i = 0; i < repeat; ++i)
        pic.p.drawImage(0, 0, layer);
}

QPainterPath starPath(QPointF c, double outer, double inner, double rotDeg)
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

void drawSvg(Canvas &canvas, QPainter &p, const QString &name, const QRectF &target)
{
    QSvgRenderer svg(QStringLiteral(":/src/") + name);
    if (!svg.isValid()) {
        canvas.fail(name + QStringLiteral(" is missing or not valid SVG"));
        return;
    }
    svg.render(&p, target);
}

void starField(QPainter &p, const QRectF &area, int count, uint64_t seed, double maxR)
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

} // namespace drawart
