#include "platform/Window.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QWindow>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <utility>

namespace {

// Lets the owning WindowKeeper forget its window the moment the close box is used,
// so that a use right after the close makes a fresh window even before the old
// one is deleted.
class CloseBoxWatch : public QObject
{
public:
    CloseBoxWatch(QWidget *window, std::function<void()> forget) : QObject(window), m_forget(std::move(forget))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close && m_forget) {
            std::exchange(m_forget, nullptr)();
            watched->deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_forget;
};

QRect workArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void centreFrame(QWidget *window)
{
    QRect frame = window->frameGeometry();
    frame.moveCenter(workArea(window).center());
    window->move(frame.topLeft());
}

// Before the first show a window has no frame, so centring places its client
// area. Once a window manager has framed it and said how thick the frame is,
// the whole window is centred again, once.
class FrameCentring : public QObject
{
public:
    explicit FrameCentring(QWidget *window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        const QWindow *handle = window->windowHandle();
        if ((event->type() == QEvent::Move || event->type() == QEvent::Show) && handle
            && !handle->frameMargins().isNull()) {
            window->removeEventFilter(this);
            deleteLater();
            centreFrame(window);
        }
        return false;
    }
};

// A plain top-level window as a screen reader meets it: dialog for a fixed
// dialog, frame for a sizable one. The role is read when asked, not when the
// interface is made: Qt 6.8 makes and keeps it as a window's title is set,
// which may come before the window is made a dialog.
class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(QWidget *window) : QAccessibleWidget(window, QAccessible::Client) {}

    QAccessible::Role role() const override
    {
        if (widget()->windowType() != Qt::Dialog)
            return QAccessibleWidget::role();
        return widget()->windowFlags() & Qt::MSWindowsFixedSizeDialogHint ? QAccessible::Dialog : QAccessible::Window;
    }
};

// Qt asks once for each class of an object's hierarchy, the most derived
// first. Answering at QWidget's turn alone leaves every other object
// untouched: the web engine's own objects are built without run-time type
// information, which the sanitizer build's type checks take for a bad object.
QAccessibleInterface *accessibleWindow(const QString &className, QObject *object)
{
    if (className != u"QWidget")
        return nullptr;
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !widget->isWindow() || qobject_cast<QDialog *>(widget) || qobject_cast<QMainWindow *>(widget))
        return nullptr;
    return new WindowAccessible(widget);
}

// Qt's accessibility tree holds the windows that have a native window
// (QGuiApplication::topLevelWindows()); a widget window gets one as it is
// first shown.
bool fromUnshownWindow(const QAccessibleEvent *event)
{
    if (event->type() != QAccessible::NameChanged && event->type() != QAccessible::DescriptionChanged)
        return false;
    auto *widget = qobject_cast<QWidget *>(event->object());
    return widget && !widget->window()->windowHandle();
}

QtMessageHandler qtHandler = nullptr;
void dropOwnBusRequest(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && qstrcmp(context.category, "qt.accessibility.atspi") == 0
        && message.contains(QLatin1String("does not implement \"GetApplicationBusAddress\"")))
        return;
    qtHandler(type, context, message);
}

QAccessible::UpdateHandler &passOn()
{
    static QAccessible::UpdateHandler next = nullptr;
    return next;
}

// Qt calls an installed handler instead of its own delivery to the platform's
// bridge (AT-SPI on Linux), which it exposes to no public API.
void sendUnlessUnshown(QAccessibleEvent *event)
{
    if (fromUnshownWindow(event))
        return;
    if (passOn()) {
        passOn()(event);
        return;
    }
    QPlatformIntegration *integration = QGuiApplicationPrivate::platformIntegration();
    if (QPlatformAccessibility *bridge = integration ? integration->accessibility() : nullptr)
        bridge->notifyAccessibilityUpdate(event);
}

} // namespace

namespace window {

void centre(QWidget *window)
{
    centreFrame(window);
    new FrameCentring(window);
}

void placeAtCascadeStart(QWidget *window)
{
    // About a title bar's height in from the corner, as a first cascaded window.
    constexpr int kCascadeStep = 24;
    window->move(workArea(window).topLeft() + QPoint(kCascadeStep, kCascadeStep));
}

void installAccessibleRoles()
{
    QAccessible::installFactory(accessibleWindow);
}

void quietUntilShown()
{
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(sendUnlessUnshown);
    if (previous != sendUnlessUnshown)
        passOn() = previous;
}

void quietOnOwnBusRequests()
{
    qtHandler = qInstallMessageHandler(dropOwnBusRequest);
}

void makeFixedDialog(QWidget *window, QSize client)
{
    window->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setFixedSize(client);
}

void destroyOnCloseBox(QWidget *window, std::function<void()> forget)
{
    new CloseBoxWatch(window, std::move(forget));
}

} // namespace window
