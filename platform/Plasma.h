#pragma once

#include <QString>
#include <QStringList>

namespace plasma {

// Whether the session is KDE Plasma's, as its session manager tells every
// program it starts. Its compositor, KWin, centres every new window and draws
// every window's title bar itself.
inline bool running()
{
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(':').contains("KDE");
}

} // namespace plasma
