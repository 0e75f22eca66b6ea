#include "Canvas.h"

#include <cstdio>

namespace drawart {

QImage Canvas::newImage(int w, int h, bool transparent) const
{
    QImage img(w * m_scale, h * m_scale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(m_scale);
    img.fill(transparent ? Qt::transparent : Qt::black);
    return img;
}

QString Canvas::scaledName(const QString &name) const
{
    if (m_scale == 1)
        return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return name.left(dot) + QStringLiteral("@%1x").arg(m_scale) + name.mid(dot);
}

void Canvas::savePng(const QImage &img, const QString &name, bool opaque)
{
    save(img.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32), scaledName(name), "PNG", -1);
}

void Canvas::saveJpg(const QImage &img, const QString &name)
{
    save(img.convertToFormat(QImage::Format_RGB32), scaledName(name), "JPG", 90);
}

void Canvas::savePngAsIs(const QImage &img, const QString &name)
{
    save(img.convertToFormat(QImage::Format_ARGB32), name, "PNG", -1);
}

void Canvas::fail(const QString &why)
{
    std::fprintf(stderr, "%s\n", qPrintable(why));
    m_ok = false;
}

void Canvas::save(const QImage &img, const QString &fileName, const char *format, int quality)
{
    const bool ok = img.save(m_folder + QLatin1Char('/') + fileName, format, quality);
    std::printf("%-18s %4d x %-4d %s\n", qPrintable(fileName), img.width(), img.height(), ok ? "ok" : "FAILED");
    if (!ok)
        m_ok = false;
}

} // namespace drawart
