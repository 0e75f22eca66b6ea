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

// The compositor's rules that the game follows, each named for what the
// compositor does.
struct Rules
{
    // Qt draws title bars of its own; none where the compositor draws them.
    bool ownTitleBars = true;
    // Centres a box over its owner only once told through gtk_shell1 that it
    // is modal, which Qt does not tell.
    bool modalThroughGtkShell = false;
    ScorePlace score = ScorePlace::Below;
    // Tiles every window that may be resized as it maps, and never floats it
    // after.
    bool tilesResizableWindows = false;
    // Floats a window that has a parent, centred, at its own size.
    bool floatsWindowsWithParent = false;
    // Marks a window urgent when a program asks to activate it: a program
    // never takes the keyboard back, so a window that would be handed it
    // must not map without it.
    bool marksUrgentOnActivation = false;
    // Hands the keyboard to a window a program asks to activate only when the
    // request answers the player's own input, and keeps it on a window that
    // has just mapped otherwise.
    bool activatesOnInputOnly = false;
    // Dismisses a window's popups as it loses the keyboard.
    bool dismissesPopupsOnKeyboardLoss = false;
    // Which globals and hints chose the rules, for the log.
    QString because;
};

// The rules for a compositor that offers `offer`: by its globals, and by the
// session's hints only where no global tells and the globals agree with them.
Rules chooseRules(const Offer &offer);

} // namespace wayland
