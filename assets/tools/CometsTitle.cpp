// The grand prize's title screen: a pixel-art "LUMEN COMETS" in the style of
// an old home computer game, drawn at a quarter of the resolution and blown up
// into hard 4 x 4 blocks with scanlines.

#include "Common.h"
#include "Pictures.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace drawart {

namespace {

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

} // namespace

void drawCometsTitle(Canvas &canvas)
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
    const int s = canvas.scale();
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
    canvas.saveJpg(big, QStringLiteral("comets-title.jpg"));
}

} // namespace drawart
