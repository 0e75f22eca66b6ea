#include "platform/wayland/FrameBeforeHiding.h"

#if QT_VERSION < QT_VERSION_CHECK(6, 4, 3)
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPlatformSurfaceEvent>
#include <QWindow>

#include <dlfcn.h>
#include <qpa/qplatformwindow.h>

Q_DECLARE_LOGGING_CATEGORY(lcWayland) // the compositor unit's

namespace wayland {
namespace {

// Waits for each window's frame as it hides (see the header).
class FrameBeforeHiding : public QObject
{
public:
    using Wait = bool (*)(QObject *nativeWindow, int timeoutMs);

    explicit FrameBeforeHiding(Wait wait) : QObject(qApp), m_wait(wait) { qApp->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PlatformSurface && watched->isWindowType()
            && static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType() == QPlatformSurfaceEvent::SurfaceCreated)
            connect(static_cast<QWindow *>(watched), &QWindow::visibleChanged, this, &FrameBeforeHiding::visibleChanged,
                    Qt::UniqueConnection);
        return false;
    }

private:
    // Before Qt hides the native window: Qt's Wayland windows are QObjects first.
    void visibleChanged(bool visible)
    {
        auto *window = static_cast<QWindow *>(sender());
        auto *native = window->handle() ? dynamic_cast<QObject *>(window->handle()) : nullptr;
        if (!visible && native && native->inherits("QtWaylandClient::QWaylandWindow") && !m_wait(native, 100))
            qCDebug(lcWayland) << "no frame came back before" << window << "hid";
    }

    const Wait m_wait;
};

} // namespace

void waitForFrameBeforeHiding()
{
    void *client = dlopen("libQt6WaylandClient.so.6", RTLD_LAZY | RTLD_NOLOAD);
    auto wait = reinterpret_cast<FrameBeforeHiding::Wait>(
        client ? dlsym(client, "_ZN15QtWaylandClient14QWaylandWindow16waitForFrameSyncEi") : nullptr);
    if (wait)
        new FrameBeforeHiding(wait);
    qCInfo(lcWayland) << "windows wait for their frame as they hide:" << (wait != nullptr);
}

} // namespace wayland
#endif
