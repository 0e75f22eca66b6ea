// Build tool: decodes a picture into the form platform/Pixels.cpp reads at
// run time without a decoder or an image plugin: four 32-bit words (width,
// height, bytes per line, QImage format) then the lines of pixels.
// Usage: pixels PICTURE OUTPUT
#include <QFile>
#include <QImage>

#include <array>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: pixels PICTURE OUTPUT\n");
        return 2;
    }
    QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "pixels: cannot read %s\n", argv[1]);
        return 1;
    }
    // Pixels as a window's pixmap holds them, so that nothing is converted at
    // run time: premultiplied if translucent, else as the decoder gives them.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    const std::array<quint32, 4> header{quint32(image.width()), quint32(image.height()), quint32(image.bytesPerLine()),
                                        quint32(image.format())};
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(reinterpret_cast<const char *>(header.data()), sizeof header) < 0
        || out.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) < 0) {
        std::fprintf(stderr, "pixels: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
