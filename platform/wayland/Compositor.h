#pragma once

#include "platform/wayland/Rules.h"

#include <functional>
#include <optional>

class QWidget;

// The rules of the compositor the game runs on, and everything the game
// does by them. On X11 (and offscreen) there are none: windows stand where
// the game puts them, and take the keyboard as they are activated.
namespace compositor {

// On Wayland, reads once what the compositor offers and follows its rules
// from then on. Between the application's making and its first window: Qt
// reads whether it may draw title bars of its own as it makes that window.
void setUp();

// Follows `rules` from now on, or none; what setUp() chose otherwise.
void follow(std::optional<wayland::Rules> rules);

// Readies `window` for the compositor's rules before it first shows: where
// the compositor tiles, a window that may be resized maps at its own size, as
// Sway floats it, and may be resized once mapped.
void beforeFirstShow(QWidget *window);

// Gives `window`, just shown, the keyboard; on Wayland only a window already
// on screen: the compositor gives a window the keyboard as it maps it.
void activate(QWidget *window);

// Has the desktop place `box`, a modal box of the window it belongs to, over
// that window before it shows. GNOME places a window it does not know for a
// dialog as it places any new window, beside those already up; told through
// gtk_shell1 that it is modal, it centres it over its parent.
void placeOverOwner(QWidget *box);

// Whether a window carries its companion (on Wayland), instead of the
// companion standing as a window of its own.
bool carriesCompanions();

// Readies `window`, about to show, opened from `owner`: where the compositor
// floats a window with a parent, `owner` is its parent.
void openedFrom(QWidget *window, QWidget *owner);

// Puts `companion` on `window`, just shown, in view and clear of its controls.
// Once `window` hides or goes, the companion is a window of its own again, as
// visible as it was, and passes the keyboard it is given to what `keyboardTo`
// answers (null: it keeps it).
void carryCompanion(QWidget *window, QWidget *owner, QWidget *companion, std::function<QWidget *()> keyboardTo);

} // namespace compositor
