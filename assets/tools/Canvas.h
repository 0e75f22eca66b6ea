// Where the pictures of one scale go: the folder, the scale, new images at
// that scale and the files they are saved as. Every picture family draws on
// the Canvas it is given; there is no other state.
#pragma once

#include <QImage>
#include <QString>

#include <utility>

namespace drawart {

class Canvas
{
public:
    // Pictures drawn at `scale` (1, or N for NAME@Nx.EXT) and saved in `folder`.
    Canvas(QString folder, int scale) : m_folder(std::move(folder)), m_scale(scale) {}

    int scale() const { return m_scale; }
    // An image of w x h in 1x units: scale times that in pixels, with that
    // device pixel ratio, so that painting is in 1x units.
    QImage newImage(int w, int h, bool transparent) const;
    // NAME.EXT, or NAME@Nx.EXT when drawing at scale N.
    QString scaledName(const QString &name) const;

    // Saves under scaledName(name); `opaque` drops the alpha channel.
    void savePng(const QImage &img, const QString &name, bool opaque = false);
    // Saves under scaledName(name) at quality 90.
    void saveJpg(const QImage &img, const QString &name);
    // Saves under `name` as it is, whatever the scale (the desktop icons are
    // a set of sizes of their own).
    void savePngAsIs(const QImage &img, const QString &name);

    // Reports that a picture could not be drawn: `why`.
    void fail(const QString &why);
    // Whether every file so far was drawn and written.
    bool ok() const { return m_ok; }

private:
    void save(const QImage &img, const QString &fileName, const char *format, int quality);

    QString m_folder;
    int m_scale;
    bool m_ok = true;
};

} // namespace drawart
