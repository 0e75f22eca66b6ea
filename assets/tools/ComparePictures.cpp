// comparepictures: whether the pictures drawart drew are the committed ones,
// by their pixels rather than their bytes, so that another zlib or libjpeg,
// or another compiler, does not fail a picture that looks the same.
//
// Usage: comparepictures COMMITTED_DIR DRAWN_DIR PNG_CHANNEL PNG_SHARE JPG_CHANNEL JPG_MEAN
//
// Every *.png and *.jpg in either folder must be in both, of the same size,
// and decode. Pixels are compared as premultiplied ARGB, so that the colour
// of a nearly transparent pixel weighs as little as it shows.
// - A PNG passes if no channel of any pixel is off by more than PNG_CHANNEL
//   and at most PNG_SHARE percent of the pixels (rounded down) are off at all.
// - A JPEG passes if no channel is off by more than JPG_CHANNEL and the mean
//   difference over every channel of every pixel is at most JPG_MEAN.
// Prints a line for each picture that fails and exits with 1 if any does.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace {

struct Tolerance
{
    int pngChannel;
    double pngShare; // percent of the pixels
    int jpgChannel;
    double jpgMean;
};

struct Difference
{
    int maxChannel = 0;      // the largest difference of any channel of any pixel
    long long differing = 0; // pixels with any channel off
    double meanChannel = 0;  // mean difference over every channel of every pixel
    QPoint worst;            // where maxChannel is
};

Difference compare(const QImage &a, const QImage &b)
{
    Difference d;
    long long sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb *la = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const QRgb *lb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int c[4] = {std::abs(qAlpha(la[x]) - qAlpha(lb[x])), std::abs(qRed(la[x]) - qRed(lb[x])),
                              std::abs(qGreen(la[x]) - qGreen(lb[x])), std::abs(qBlue(la[x]) - qBlue(lb[x]))};
            const int most = *std::max_element(c, c + 4);
            sum += c[0] + c[1] + c[2] + c[3];
            if (most > 0)
                ++d.differing;
            if (most > d.maxChannel) {
                d.maxChannel = most;
                d.worst = QPoint(x, y);
            }
        }
    }
    const double pixels = double(a.width()) * a.height();
    d.meanChannel = pixels > 0 ? double(sum) / (4 * pixels) : 0;
    return d;
}

// Why `name` fails, or an empty string if it passes.
QString check(const QString &name, const QString &committedPath, const QString &drawnPath, const Tolerance &tol)
{
    QImage committed(committedPath), drawn(drawnPath);
    if (committed.isNull())
        return QStringLiteral("the committed file does not decode");
    if (drawn.isNull())
        return QStringLiteral("the drawn file does not decode");
    if (committed.size() != drawn.size())
        return QStringLiteral("%1 x %2 committed, %3 x %4 drawn")
            .arg(committed.width())
            .arg(committed.height())
            .arg(drawn.width())
            .arg(drawn.height());
    committed = committed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    drawn = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const Difference d = compare(committed, drawn);
    const long long pixels = (long long)(committed.width()) * committed.height();
    const QString where = QStringLiteral("a channel off by %1 at (%2, %3), %4 of %5 pixels off, mean %6")
                              .arg(d.maxChannel)
                              .arg(d.worst.x())
                              .arg(d.worst.y())
                              .arg(d.differing)
                              .arg(pixels)
                              .arg(d.meanChannel, 0, 'f', 3);
    if (name.endsWith(QLatin1String(".png"))) {
        const long long allowed = (long long)(pixels * tol.pngShare / 100.0);
        if (d.maxChannel > tol.pngChannel || d.differing > allowed)
            return where;
    } else if (d.maxChannel > tol.jpgChannel || d.meanChannel > tol.jpgMean) {
        return where;
    }
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 7) {
        std::fprintf(stderr, "usage: %s COMMITTED_DIR DRAWN_DIR PNG_CHANNEL PNG_SHARE JPG_CHANNEL JPG_MEAN\n", argv[0]);
        return 2;
    }
    const QDir committedDir(QString::fromLocal8Bit(argv[1])), drawnDir(QString::fromLocal8Bit(argv[2]));
    const Tolerance tol{std::atoi(argv[3]), std::atof(argv[4]), std::atoi(argv[5]), std::atof(argv[6])};
    const QStringList filters{QStringLiteral("*.png"), QStringLiteral("*.jpg")};
    const QStringList committedNames = committedDir.entryList(filters, QDir::Files);
    const QStringList drawnNames = drawnDir.entryList(filters, QDir::Files);
    std::set<QString> names(committedNames.begin(), committedNames.end());
    names.insert(drawnNames.begin(), drawnNames.end());

    int failed = 0;
    for (const QString &name : names) {
        QString why;
        if (!committedNames.contains(name))
            why = QStringLiteral("drawn but not committed");
        else if (!drawnNames.contains(name))
            why = QStringLiteral("committed but not drawn");
        else
            why = check(name, committedDir.filePath(name), drawnDir.filePath(name), tol);
        if (!why.isEmpty()) {
            std::printf("%s: %s\n", qPrintable(name), qPrintable(why));
            ++failed;
        }
    }
    std::printf("%d of %zu pictures as drawart draws them (PNG: no channel off by more than %d, at most %g%% of "
                "the pixels off; JPEG: no channel off by more than %d, mean difference at most %g)\n",
                int(names.size()) - failed, names.size(), tol.pngChannel, tol.pngShare, tol.jpgChannel, tol.jpgMean);
    return failed ? 1 : 0;
}
