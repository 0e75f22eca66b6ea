// The window icon at every desktop size and the about box's picture, both the
// emblem (a gold crescent and star on a deep violet round badge) drawn from
// its line art: assets/src/emblem.svg, and emblem-small.svg for icons too
// small for the outlines, glow and twinkles.

#include "Paint.h"
#include "Pictures.h"

namespace drawart {

void drawWindowIcons(Canvas &canvas)
{
    // The sizes of assets/icon-sizes.txt.
    const int sizes[] = {LVTRIV_ICON_SIZES};
    for (int s : sizes) {
        QImage img(s, s, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        drawSvg(canvas, p, s < 30 ? QStringLiteral("emblem-small.svg") : QStringLiteral("emblem.svg"),
                QRectF(0, 0, s, s));
        p.end();
        canvas.savePngAsIs(img, QStringLiteral("icon-%1.png").arg(s));
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
    drawSvg(canvas, pic.p, QStringLiteral("emblem.svg"), QRectF(tl, QSizeF(s, s)));
    canvas.savePng(pic.finish(), QStringLiteral("about.png"), true);
}

} // namespace drawart
