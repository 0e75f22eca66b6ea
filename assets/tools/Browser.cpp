// The browser's toolbar buttons, 24 x 24: back, forward, stop, reload, home
// and search, each drawn from its line art assets/src/NAME.svg.

#include "Paint.h"
#include "Pictures.h"

namespace drawart {

void drawBrowserToolbar(Canvas &canvas)
{
    const char *const names[] = {"tb-back", "tb-forward", "tb-stop", "tb-refresh", "tb-home", "tb-search"};
    for (const char *name : names) {
        QImage img = canvas.newImage(24, 24, true);
        QPainter p(&img);
        drawSvg(canvas, p, QLatin1String(name) + QLatin1String(".svg"), QRectF(0, 0, 24, 24));
        p.end();
        canvas.savePng(img, QLatin1String(name) + QLatin1String(".png"));
    }
}

} // namespace drawart
