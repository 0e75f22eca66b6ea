#include "platform/Pixels.h"

#include <QImage>
#include <QResource>

#include <array>
#include <cstring>

QPixmap pixelsPixmap(const QString &resource)
{
    const QResource file(resource);
    std::array<quint32, 4> header; // width, height, bytes per line, format
    if (!file.isValid() || file.compressionAlgorithm() != QResource::NoCompression
        || file.size() < qint64(sizeof header))
        return {};
    std::memcpy(header.data(), file.data(), sizeof header);
    const auto [width, height, bytesPerLine, format] = header;
    const uchar *pixels = file.data() + sizeof header;
    QImage image(pixels, int(width), int(height), qsizetype(bytesPerLine), QImage::Format(format)); // read only
    if (image.isNull() || file.size() != qint64(sizeof header) + image.sizeInBytes())
        return {};
    if (quintptr(pixels) % alignof(quint32) != 0) // lines of pixels must be aligned
        image = image.copy();
    return QPixmap::fromImage(std::move(image), Qt::NoFormatConversion); // already as shown
}
