#pragma once

#include <QString>
#include <QStringList>

namespace wayland {

// What a Wayland client can learn of the compositor it runs on: the
// interfaces the compositor offers, and where no interface tells, the hints
// its session leaves in the environment.
struct Offer
{
    QStringList globals;
    QString currentDesktop;  // XDG_CURRENT_DESKTOP, desktop names joined by ':'
    bool swaySocket = false; // SWAYSOCK set: sway's own control socket
};

// Where the score window stands while it rides on the quiz board, with a Qt
// before 6.7, which lets the game give no more than a position; from 6.7 on
// the compositor places it by the game's rule, wherever it put the board.
enum class ScorePlace {
    Below,  // right below the board: GNOME fills the screen from its top-left corner
    LeftOf, // left of the board, slid onto its picture where the screen is narrow: the board stands centred
};

// The compositor's rules that the game follows.
struct Rules
{
    // Qt draws title bars of its own; none where the compositor draws them.
    bool ownTitleBars = true;
    // Message boxes are marked modal through gtk_shell1 to stand over their
    // owner, where Qt does not mark them itself.
    bool markModal = false;
    ScorePlace score = ScorePlace::Below;
    // Sway's rules. It tiles every window that may be resized, but floats
    // one that has a parent, centred: the board, resizable by design, gets
    // the window it was opened from as its parent, and floats over it at its
    // own size. It gives the keyboard to every window as it maps, and marks
    // a window urgent when a program asks to activate it: the game asks for
    // no activation, and while the board is down the score rides on the
    // window the board was opened from instead of mapping (which would take
    // the keyboard).
    bool tiles = false;
    // Which globals and hints chose the rules, for the log.
    QString because;
};

// The rules for a compositor that offers `offer`: by its globals, and by the
// session's hints only where no global tells and the globals agree with them.
Rules chooseRules(const Offer &offer);

} // namespace wayland
