#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtMath>

// Window layouts are designed in twips, 15 to a pixel at 96 dpi.
// Everything goes through here; Qt's high-DPI scaling takes it from there.
namespace twips {

constexpr int kPerPixel = 15;

inline int toPixels(int twips)
{
    return qRound(double(twips) / kPerPixel);
}
inline int fromPixels(int pixels)
{
    return pixels * kPerPixel;
}

inline QSize size(int width, int height)
{
    return {toPixels(width), toPixels(height)};
}
inline QPoint point(int left, int top)
{
    return {toPixels(left), toPixels(top)};
}

inline QRect rect(int left, int top, int width, int height)
{
    return {point(left, top), size(width, height)};
}

} // namespace twips
