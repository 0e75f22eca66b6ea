#include "platform/wayland/Protocols.h"

#include "gtk-shell-client-protocol.h"

#include <QGuiApplication>
#include <QObject>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>

#include <algorithm>
#include <cstring>

namespace {

// gtk_surface1's release request came with version 4; before it, the object
// can only be forgotten.
constexpr uint32_t kReleaseVersion = 4;

} // namespace

class WaylandModule : public QObject, public wayland::Protocols
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LVTRIV_WAYLAND_PROTOCOLS_IID)
    Q_INTERFACES(wayland::Protocols)

public:
    ~WaylandModule() override
    {
        if (m_shell)
            gtk_shell1_destroy(m_shell);
        if (m_queue)
            wl_event_queue_destroy(m_queue);
    }

    QStringList globals() override
    {
        look();
        return m_globals;
    }

    void markModal(QWindow *window) override
    {
        look();
        auto *surface = static_cast<wl_surface *>(
            QGuiApplication::platformNativeInterface()->nativeResourceForWindow("surface", window));
        if (!m_shell || !surface)
            return;
        // Events for objects already released wait on the queue: drop them.
        wl_display_dispatch_queue_pending(m_display, m_queue);
        gtk_surface1 *gtkSurface = gtk_shell1_get_gtk_surface(m_shell, surface);
        gtk_surface1_set_modal(gtkSurface);
        if (gtk_shell1_get_version(m_shell) >= kReleaseVersion)
            gtk_surface1_release(gtkSurface);
        else
            gtk_surface1_destroy(gtkSurface);
        wl_display_flush(m_display);
    }

private:
    static void global(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t version)
    {
        auto *module = static_cast<WaylandModule *>(data);
        module->m_globals.append(QString::fromLatin1(interface));
        if (std::strcmp(interface, gtk_shell1_interface.name) == 0 && !module->m_shell)
            module->m_shell = static_cast<gtk_shell1 *>(wl_registry_bind(
                registry, name, &gtk_shell1_interface, std::min<uint32_t>(version, gtk_shell1_interface.version)));
    }
    static void globalRemove(void *, wl_registry *, uint32_t) {}
    static constexpr wl_registry_listener kListener = {global, globalRemove};

    // Reads the compositor's globals once. Only the gtk_shell1 found, and the
    // queue it sends its events to, outlive the reading.
    void look()
    {
        if (std::exchange(m_looked, true))
            return;
        m_display = static_cast<wl_display *>(
            QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("wl_display"));
        if (!m_display)
            return;
        m_queue = wl_display_create_queue(m_display);
        auto *wrapped = static_cast<wl_display *>(wl_proxy_create_wrapper(m_display));
        wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(wrapped), m_queue);
        wl_registry *registry = wl_display_get_registry(wrapped);
        wl_proxy_wrapper_destroy(wrapped);
        wl_registry_add_listener(registry, &kListener, this);
        wl_display_roundtrip_queue(m_display, m_queue);
        wl_registry_destroy(registry);
        if (!m_shell) {
            wl_event_queue_destroy(m_queue);
            m_queue = nullptr;
        }
    }

    bool m_looked = false;
    wl_display *m_display = nullptr;
    wl_event_queue *m_queue = nullptr;
    gtk_shell1 *m_shell = nullptr;
    QStringList m_globals;
};

#include "WaylandModule.moc"
