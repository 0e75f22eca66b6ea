// The painting helpers the picture families share: the palette, a picture
// being painted, gradients, soft glows and shadows, and the shapes that recur
// (stars, twinkles, crescents, star fields), and line art drawn from SVG.
#pragma once

#include "Canvas.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdint>
#include <initializer_list>
#include <utility>

namespace drawart {

inline const QColor kGold(0xf5, 0xc5, 0x42);
inline const QColor kGoldLight(0xff, 0xec, 0xa6);
inline const QColor kGoldDark(0xc2, 0x84, 0x1a);
inline const QColor kRose(0xf0, 0x6d, 0x8f);

// A picture being painted: an image of w x h in 1x units at the canvas's
// scale, and an antialiased painter on it in 1x units.
class Painting
{
public:
    Painting(const Canvas &canvas, int w, int h, bool transparent = false);
    int width() const { return m_w; }
    int height() const { return m_h; }
    QSize size() const { return {m_w, m_h}; }
    QRect rect() const { return {0, 0, m_w, m_h}; }
    // Ends the painting and gives its image.
    QImage finish();

private:
    int m_w, m_h;
    QImage m_image;

public:
    // The painter on the image (declared after it, so made after it).
    QPainter p;
};

// Gradient stops: (position 0..1, colour).
using Stops = std::initializer_list<std::pair<double, QColor>>;
QLinearGradient linear(QPointF from, QPointF to, Stops stops);
// From top (y0) to bottom (y1).
QLinearGradient vertical(double y0, double y1, Stops stops);
QRadialGradient radial(QPointF centre, double radius, Stops stops);
// A gradient glow: `colour` at the centre fading to nothing at `radius`.
QRadialGradient glow(QPointF centre, double radius, const QColor &colour);
// The gold of the badges and stars: light at y0, dark at y1.
QLinearGradient goldGradient(double y0, double y1);

QFont boldFont(double px);

// Three-pass box blur (close to a gaussian) on a premultiplied image; r is in
// pixels of the image.
QImage blurred(const QImage &src, int r);

// Paints `shape` blurred by `radius` in `color` onto the painting, `repeat`
// times (a soft glow or shadow); `radius` is in 1x units.
void softShape(const Canvas &canvas, Painting &pic, const QPainterPath &shape, const QColor &color, int radius,
               int repeat = 1);

QPainterPath starPath(QPointF c, double outer, double inner, double rotDeg = -90.0);
// Four-pointed twinkle.
QPainterPath sparklePath(QPointF c, double r);
// The disc at c of radius r less the disc at c + cutOffset of radius cutR.
QPainterPath crescentPath(QPointF c, double r, QPointF cutOffset, double cutR);

// Draws the line art assets/src/NAME (an SVG file built into drawart) onto
// `target` of the painting, the canvas failing if it is not there or not SVG.
void drawSvg(Canvas &canvas, QPainter &p, const QString &name, const QRectF &target);

// Random star field with a few twinkles.
void starField(QPainter &p, const QRectF &area, int count, uint64_t seed, double maxR = 1.2);

} // namespace drawart
