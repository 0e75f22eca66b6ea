#pragma once

#include <QSize>
#include <QWidget>

#include <functional>

namespace window {

// Moves a window so that it stands in the middle of the screen it is on: its
// client area now, its outer frame once the window system has told its size.
void centre(QWidget *window);

// Moves a window near the top-left corner of its screen's work area, where
// the system would cascade a new window, out of the way of centred ones.
void placeAtCascadeStart(QWidget *window);

// Gives the program's plain top-level windows the role a screen reader
// announces: dialog for a fixed dialog, frame for a sizable window.
void installAccessibleRoles();

// Sends screen readers no change of name or description from a window that
// was never shown, such as a button's name as a box is built: no screen
// reader can reach such a window yet, and Orca 48 takes a late name change of
// the button it has just focused for a second focus, and says it twice.
void quietUntilShown();

// Keeps off standard error the warning of Qt's screen-reader bridge that a
// reader asked for a bus of the program's own: readers built on at-spi2-core
// 2.62 ask every program for one, which Qt does not offer, and then talk to it
// over the accessibility bus, as before.
void quietOnOwnBusRequests();

// Makes `window` a fixed dialog whose client area is `client` pixels:
// title bar with a close box, no minimize or maximize box, not in the task bar.
void makeFixedDialog(QWidget *window, QSize client);

// Calls `forget` and schedules the window's deletion when its close box is
// used (for WindowKeeper).
void destroyOnCloseBox(QWidget *window, std::function<void()> forget);

} // namespace window
