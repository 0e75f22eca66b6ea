#pragma once

#include <QStringList>
#include <QtPlugin>

class QWindow;

namespace wayland {

// What the game says to the compositor beyond what Qt says: the module
// lvtriv_wayland, which links libwayland-client and is loaded on Wayland
// alone, so that a game on X11 loads nothing more.
class Protocols
{
public:
    virtual ~Protocols() = default;

    // The interfaces the compositor offers, read once on a queue of the
    // module's own, so that reading runs none of Qt's event handlers.
    virtual QStringList globals() = 0;

    // Marks `window` modal through GNOME's gtk_shell1, where the compositor
    // offers it.
    virtual void markModal(QWindow *window) = 0;
};

} // namespace wayland

#define LVTRIV_WAYLAND_PROTOCOLS_IID "org.example.lvtriv.WaylandProtocols/1"
Q_DECLARE_INTERFACE(wayland::Protocols, LVTRIV_WAYLAND_PROTOCOLS_IID)
