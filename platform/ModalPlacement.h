#pragma once

class QWidget;

namespace modal {

// Has the desktop place `box`, a modal box of the window it belongs to, over
// that window. GNOME places a Wayland window it does not know for a dialog as
// it places any new window, beside those already up; told through its own
// gtk_shell1 protocol that the window is modal, it centres it over its
// parent. Elsewhere (KWin centres a window over its parent already; X11)
// nothing is needed and nothing is done.
void placeOverOwner(QWidget *box);

} // namespace modal
