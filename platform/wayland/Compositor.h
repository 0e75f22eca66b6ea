#pragma once

#include "platform/wayland/Rules.h"

#include <functional>
#include <optional>

class QWidget;

// The compositor the game's windows show on, with the rules the game follows
// there, and everything the game does by them. On X11 (and offscreen) there
// is none: windows stand where the game puts them, and take the keyboard as
// they are activated. Chosen once at start, and handed to what shows windows.
class Compositor
{
public:
    // On Wayland, reads once what the compositor offers, chooses its rules and
    // readies the application for them: Qt's own title bars, and every modal
    // box marked where the compositor needs it. Between the application's
    // making and its first window: Qt reads whether it may draw title bars of
    // its own as it makes that window.
    static Compositor setUp();

    // Follows `rules`, or none.
    explicit Compositor(std::optional<wayland::Rules> rules = std::nullopt);

    // Shows a window modeless, or brings it to the front when it is visible already.
    void showModeless(QWidget *window) const;

    // Shows `window`, opened from `owner`, and `companion` beside it, in view
    // and clear of its controls: on Wayland riding on the window, else a
    // window of its own, shown first so that `window` ends up in front. Once
    // `window` hides or goes, the companion is a window of its own again, as
    // visible as it was, and passes the keyboard it is given to what
    // `keyboardTo` answers (null: it keeps it).
    void showWithCompanion(QWidget *window, QWidget *owner, QWidget *companion,
                           std::function<QWidget *()> keyboardTo) const;

private:
    void beforeFirstShow(QWidget *window) const;
    void activate(QWidget *window) const;
    void openedFrom(QWidget *window, QWidget *owner) const;

    std::optional<wayland::Rules> m_rules;
};
