#pragma once

#include <QtGlobal>

#if QT_VERSION < QT_VERSION_CHECK(6, 4, 3)
namespace wayland {

// Qt 6.4.2's Wayland platform hands a window's frame callback on a thread of
// its own, and tears the window's surface down as the window hides without
// taking that thread's lock: a window hidden or closed just as its frame
// comes back crashes the game in libwayland, or destroys the lock held
// ("QMutex: destroying locked mutex"). Qt 6.4.3 takes the lock.
// From now on each window waits for its frame as it hides, through the wait
// Qt exports for its own drawing (Debian ships no header for it); the log
// says whether Qt has it.
void waitForFrameBeforeHiding();

} // namespace wayland
#endif
