#pragma once

#include <QPixmap>
#include <QString>

// A picture built in as pixels ready to show (`lvtriv_add_pixels` in the
// build): read without decoding a file or loading an image plugin, for the
// pictures of the first window and the window icon. A null pixmap if
// `resource` holds none.
QPixmap pixelsPixmap(const QString &resource);
