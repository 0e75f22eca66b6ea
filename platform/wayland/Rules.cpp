#include "platform/wayland/Rules.h"

#include <QtGlobal>

#include <algorithm>
#include <iterator>

namespace wayland {

namespace {

// Interfaces that KDE's compositor, KWin, offers and the wlroots desktops do
// not (these offer KDE's older decoration and idle ones too). KWin centres
// every new window.
constexpr const char *kKdeGlobals[] = {"org_kde_plasma_shell", "org_kde_plasma_window_management"};

// The layer shell of wlroots, which Sway 1.7 to 1.10 offers and neither
// Weston nor GNOME does (KWin does too, but is known first by its own).
constexpr const char *kWlrootsGlobal = "zwlr_layer_shell_v1";

} // namespace

Rules chooseRules(const Offer &offer)
{
    Rules rules;
    QStringList because;
    // Qt asks for server-side title bars wherever this is offered, and
    // draws none of its own where the compositor agrees.
    if (offer.globals.contains("zxdg_decoration_manager_v1")) {
        rules.ownTitleBars = false;
        because << "zxdg_decoration_manager_v1: the compositor's title bars";
    }
    if (offer.globals.contains("gtk_shell1")) {
        // Qt 6.8 marks a modal box itself through xdg_wm_dialog_v1, which
        // GNOME offers from 46 on; only an older GNOME needs gtk_shell1's.
        rules.modalThroughGtkShell =
            !(QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) && offer.globals.contains("xdg_wm_dialog_v1"));
        because << (rules.modalThroughGtkShell
                        ? "gtk_shell1: boxes marked modal, the score below the board"
                        : "xdg_wm_dialog_v1: Qt marks boxes modal; gtk_shell1: the score below the board");
        rules.activatesOnInputOnly = true;
        because << "gtk_shell1: activations on the player's input only";
        rules.score = ScorePlace::Below;
    } else if (std::any_of(std::begin(kKdeGlobals), std::end(kKdeGlobals),
                           [&](const char *global) { return offer.globals.contains(global); })) {
        rules.score = ScorePlace::LeftOf;
        because << "KDE's globals: new windows centred, the score left of the board";
    } else {
        // No global says that a compositor tiles, or where it places windows;
        // a session hint names Sway only where wlroots' globals agree, since
        // one left over from another session may name it anywhere.
        const QStringList desktops = offer.currentDesktop.split(':', Qt::SkipEmptyParts);
        const bool sway = offer.swaySocket || desktops.contains("sway", Qt::CaseInsensitive);
        if (sway && offer.globals.contains(kWlrootsGlobal)) {
            rules.tilesResizableWindows = true;
            rules.floatsWindowsWithParent = true;
            rules.marksUrgentOnActivation = true;
            rules.dismissesPopupsOnKeyboardLoss = true;
            rules.score = ScorePlace::LeftOf;
            because << "sway: tiles resizable windows, floats those with a parent, marks urgent on activation, "
                       "dismisses popups on keyboard loss; the score beside the board";
        } else if (desktops.contains("KDE")) {
            rules.score = ScorePlace::LeftOf;
            because << "XDG_CURRENT_DESKTOP KDE: new windows centred, the score left of the board";
        } else {
            because << "no placement known: the score below the board";
        }
    }
    rules.because = because.join("; ");
    return rules;
}

} // namespace wayland
