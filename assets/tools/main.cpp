// drawart: draws every bundled picture of lvtriv.
//
// Usage: drawart OUTPUT_DIR [SCALE...]
//
// Draws every picture at each SCALE (by default 1 and 2). At scale N above 1
// a picture is drawn at N times the resolution, every shape, text and ray at
// that resolution, and saved as NAME@Nx.EXT beside NAME.EXT: the name Qt looks
// for on a screen of that pixel ratio. The desktop icons (icon-SIZE.png) are a
// set of sizes of their own and are drawn once.
//
// Nothing depends on the time or on chance (every random number comes from a
// fixed seed), so the same sources give the same pictures. The line art (the
// emblem and the toolbar buttons) is drawn from the SVG files of assets/src,
// built into the program; the toy robot "photographs" are ray traced
// (Scene, Renderer); everything else is painted with QPainter (Paint).

#include "Canvas.h"
#include "Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QList>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [SCALE...]\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    QList<int> scales;
    for (int i = 2; i < argc; ++i)
        scales.append(std::atoi(argv[i]));
    if (scales.isEmpty())
        scales = {1, 2};
    bool ok = true;
    for (int scale : scales) {
        if (scale < 1) {
            std::fprintf(stderr, "a scale is a whole number from 1\n");
            return 2;
        }
        drawart::Canvas canvas(folder, scale);
        if (scale == 1)
            drawart::drawWindowIcons(canvas);
        drawart::drawAbout(canvas);
        drawart::drawTitleAndCrests(canvas);
        drawart::drawBoard(canvas);
        drawart::drawCometsTitle(canvas);
        drawart::drawBrowserToolbar(canvas);
        drawart::drawRobotFrames(canvas);
        ok = ok && canvas.ok();
    }
    return ok ? 0 : 1;
}
