#include "platform/ModalPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client-core.h>

#include <dlfcn.h>

#include <cstring>

namespace {

// Qt's Wayland platform has libwayland-client loaded; the game takes its
// functions from there instead of linking it, so that a game on X11 loads
// nothing more.
struct WaylandClient
{
    template <class F> static F find(void *library, const char *name)
    {
        return reinterpret_cast<F>(dlsym(library, name));
    }

    explicit WaylandClient(void *library)
        : createQueue(find<decltype(createQueue)>(library, "wl_display_create_queue")),
          createWrapper(find<decltype(createWrapper)>(library, "wl_proxy_create_wrapper")),
          destroyWrapper(find<decltype(destroyWrapper)>(library, "wl_proxy_wrapper_destroy")),
          setQueue(find<decltype(setQueue)>(library, "wl_proxy_set_queue")),
          marshal(find<decltype(marshal)>(library, "wl_proxy_marshal_flags")),
          addListener(find<decltype(addListener)>(library, "wl_proxy_add_listener")),
          roundtrip(find<decltype(roundtrip)>(library, "wl_display_roundtrip_queue")),
          destroy(find<decltype(destroy)>(library, "wl_proxy_destroy")),
          flush(find<decltype(flush)>(library, "wl_display_flush")),
          registryInterface(static_cast<const wl_interface *>(dlsym(library, "wl_registry_interface")))
    {
    }
    bool complete() const
    {
        return createQueue && createWrapper && destroyWrapper && setQueue && marshal && addListener && roundtrip
               && destroy && flush && registryInterface;
    }

    decltype(&wl_display_create_queue) createQueue;
    decltype(&wl_proxy_create_wrapper) createWrapper;
    decltype(&wl_proxy_wrapper_destroy) destroyWrapper;
    decltype(&wl_proxy_set_queue) setQueue;
    decltype(&wl_proxy_marshal_flags) marshal;
    decltype(&wl_proxy_add_listener) addListener;
    decltype(&wl_display_roundtrip_queue) roundtrip;
    decltype(&wl_proxy_destroy) destroy;
    decltype(&wl_display_flush) flush;
    const wl_interface *registryInterface;
};

// GNOME's gtk_shell1 and gtk_surface1, as far as the one request sent
// (set_modal): every request before it, so that the numbers match, and the
// events, which the library must know to take them.
const wl_interface *kNoTypes[6] = {};
extern const wl_interface kGtkSurface;
const wl_message kShellRequests[] = {{"get_gtk_surface", "no", kNoTypes}};
const wl_message kShellEvents[] = {{"capabilities", "u", kNoTypes}};
const wl_interface kGtkShell = {"gtk_shell1", 1, 1, kShellRequests, 1, kShellEvents};
const wl_message kSurfaceRequests[] = {{"set_dbus_properties", "?s?s?s?s?s?s", kNoTypes}, {"set_modal", "", kNoTypes}};
const wl_message kSurfaceEvents[] = {{"configure", "a", kNoTypes}};
const wl_interface kGtkSurface = {"gtk_surface1", 1, 2, kSurfaceRequests, 1, kSurfaceEvents};
constexpr uint32_t kRegistryBind = 0, kDisplayGetRegistry = 1, kGetGtkSurface = 0, kSetModal = 1;

struct GtkShell
{
    WaylandClient wayland;
    wl_display *display;
    wl_proxy *shell = nullptr;
};

void global(void *data, wl_proxy *registry, uint32_t name, const char *interface, uint32_t)
{
    auto *found = static_cast<GtkShell *>(data);
    if (std::strcmp(interface, kGtkShell.name) == 0 && !found->shell)
        found->shell = found->wayland.marshal(registry, kRegistryBind, &kGtkShell, 1, 0, name, kGtkShell.name,
                                              uint32_t(1), nullptr);
}
void globalRemove(void *, wl_proxy *, uint32_t) {}
void (*kRegistryListener[])() = {reinterpret_cast<void (*)()>(global), reinterpret_cast<void (*)()>(globalRemove)};

// The compositor's gtk_shell1, looked for once; null where there is none.
GtkShell *gtkShell()
{
    static GtkShell *const found = []() -> GtkShell * {
        void *library = dlopen("libwayland-client.so.0", RTLD_NOW | RTLD_NOLOAD);
        auto *display = static_cast<wl_display *>(
            QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("wl_display"));
        if (!library || !display)
            return nullptr;
        auto *shell = new GtkShell{WaylandClient(library), display};
        if (!shell->wayland.complete())
            return nullptr;
        // Its own queue, so that looking does not run Qt's event handlers.
        wl_event_queue *queue = shell->wayland.createQueue(display);
        auto *wrapped = static_cast<wl_proxy *>(shell->wayland.createWrapper(display));
        shell->wayland.setQueue(wrapped, queue);
        wl_proxy *registry =
            shell->wayland.marshal(wrapped, kDisplayGetRegistry, shell->wayland.registryInterface, 1, 0, nullptr);
        shell->wayland.destroyWrapper(wrapped);
        shell->wayland.addListener(registry, kRegistryListener, shell);
        shell->wayland.roundtrip(display, queue);
        return shell->shell ? shell : nullptr;
    }();
    return found;
}

void setModal(QWindow *window)
{
    GtkShell *shell = gtkShell();
    auto *surface =
        static_cast<wl_proxy *>(QGuiApplication::platformNativeInterface()->nativeResourceForWindow("surface", window));
    if (!shell || !surface)
        return;
    wl_proxy *gtkSurface = shell->wayland.marshal(shell->shell, kGetGtkSurface, &kGtkSurface, 1, 0, nullptr, surface);
    shell->wayland.marshal(gtkSurface, kSetModal, nullptr, 1, 0);
    shell->wayland.destroy(gtkSurface);
    shell->wayland.flush(shell->display);
}

// GNOME places a window as it first draws it, and Qt has made the window's
// role (all that gtk_shell1 needs) once it is asked to draw: the window is
// marked modal at its first expose, before Qt draws it.
class FirstExposeModal : public QObject
{
public:
    explicit FirstExposeModal(QWindow *window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose) {
            watched->removeEventFilter(this);
            deleteLater();
            setModal(static_cast<QWindow *>(watched));
        }
        return false;
    }
};

} // namespace

namespace modal {

void placeOverOwner(QWidget *box)
{
    if (!QGuiApplication::platformName().startsWith("wayland"))
        return;
    box->winId();
    new FirstExposeModal(box->windowHandle());
}

} // namespace modal
