#include "platform/wayland/Compositor.h"
#include "platform/wayland/FrameBeforeHiding.h"

#include "platform/ModuleFolders.h"
#include "platform/Session.h"
#include "platform/wayland/Protocols.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QLoggingCategory>
#include <QMainWindow>
#include <QPluginLoader>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

Q_LOGGING_CATEGORY(lcWayland, "lvtriv.wayland", QtWarningMsg)

namespace {

// The Wayland module, looked for beside the program as built and where the
// package installs it; null where it is missing.
QPluginLoader *moduleLoader = nullptr;
wayland::Protocols *module = nullptr;

// The module's objects live on Qt's connection to the compositor: they go
// while it is still open. Qt's post routines run as the application object
// goes, before the connection closes; QtCore's own clean-up of loaded
// libraries would delete the module only at exit, on a connection closed.
void unloadModule()
{
    module = nullptr;
    moduleLoader->unload();
    delete std::exchange(moduleLoader, nullptr);
}

wayland::Protocols *protocols()
{
    if (moduleLoader)
        return module;
    moduleLoader = new QPluginLoader;
    qAddPostRoutine(unloadModule);
    for (const QString &dir : moduleFolders()) {
        moduleLoader->setFileName(QDir(dir).absoluteFilePath("lvtriv_wayland"));
        if (moduleLoader->load())
            return module = qobject_cast<wayland::Protocols *>(moduleLoader->instance());
    }
    qCInfo(lcWayland) << "no Wayland module:" << moduleLoader->errorString();
    return nullptr;
}

// Runs `action` once, at the first expose that puts `window` on screen,
// unless `context` goes first. What the compositor does with a window waits
// for it to be mapped.
void atFirstExpose(QWindow *window, QObject *context, std::function<void()> action)
{
    class Watcher : public QObject
    {
    public:
        Watcher(QObject *context, std::function<void()> action) : QObject(context), m_action(std::move(action)) {}

    protected:
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
                watched->removeEventFilter(this);
                deleteLater();
                m_action();
            }
            return false;
        }

    private:
        std::function<void()> m_action;
    };
    window->installEventFilter(new Watcher(context, std::move(action)));
}

// A window of its own again, the companion gets the keyboard focus that the
// compositor gives a window as it maps (wl_keyboard.enter; after Back, the
// main window's): the first time it has it, it passes it on. One pass at a
// time: a new one, or the companion riding again, drops the one waiting.
class KeyboardFocusPass : public QObject
{
public:
    static constexpr const char *kName = "keyboardFocusPass";

    static void arm(QWidget *companion, std::function<QWidget *()> keyboardTo)
    {
        drop(companion);
        new KeyboardFocusPass(companion, std::move(keyboardTo));
    }
    static void drop(QWidget *companion) { delete companion->findChild<QObject *>(kName, Qt::FindDirectChildrenOnly); }

private:
    KeyboardFocusPass(QWidget *companion, std::function<QWidget *()> keyboardTo) : QObject(companion)
    {
        setObjectName(kName);
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
                [this, companion, keyboardTo = std::move(keyboardTo)](QWindow *focus) {
                    if (focus != companion->windowHandle())
                        return;
                    QWidget *to = keyboardTo();
                    delete this;
                    if (to)
                        to->activateWindow();
                });
    }
};

// The companion's flags as a window of its own, kept on it before it first
// rides: a board made anew may find it riding still, on the main window (Sway).
constexpr const char *kOwnFlags = "ownWindowFlags";

void keepOwnFlags(QWidget *companion)
{
    if (!companion->property(kOwnFlags).isValid())
        companion->setProperty(kOwnFlags, companion->windowFlags().toInt());
}

// The companion a window of its own again, as visible as it was.
void standAlone(QWidget *companion, bool shown)
{
    companion->windowHandle()->setTransientParent(nullptr);
    companion->setWindowFlags(Qt::WindowFlags::fromInt(companion->property(kOwnFlags).toInt()));
    companion->setVisible(shown);
}

// A window of the game's shown but not yet on screen, which takes the
// keyboard as it maps (Help after its reminder): a popup mapped on the window
// that holds the keyboard now would be dismissed before it is configured.
bool windowAboutToMap()
{
    return std::ranges::any_of(QApplication::topLevelWidgets(), [](const QWidget *window) {
        return window->isVisible() && window->windowHandle() && !window->windowHandle()->isExposed();
    });
}

// Where the compositor marks a window urgent on activation (Sway) or activates
// on the player's input only (GNOME), the companion rides, once the board is
// down, on the window the board was opened from, in its top-right corner, over
// its title picture: mapped as a window of its own it would take the keyboard
// for good, and Sway slides no popup back onto the screen. Sway dismisses the
// popup as that window loses the keyboard (to Help or About): it comes back
// with the keyboard. Once that window goes, the companion is a window of its
// own again: a popup goes with its parent's surface, and nothing would be left
// to close. One such ride at a time, until the companion rides again.
class PopupOnOwner : public QObject
{
public:
    static constexpr const char *kName = "popupOnOwner";

    static void start(QWidget *companion, QWidget *owner, bool shown)
    {
        drop(companion);
        new PopupOnOwner(companion, owner, shown);
    }
    static void drop(QWidget *companion) { delete companion->findChild<QObject *>(kName, Qt::FindDirectChildrenOnly); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate && m_shown && !m_companion->isVisible() && !windowAboutToMap())
            m_companion->show();
        if (event->type() == QEvent::Hide && watched == m_owner) {
            QWidget *companion = m_companion;
            const bool shown = m_shown || companion->isVisible();
            delete this;
            standAlone(companion, shown);
        }
        return false;
    }

private:
    PopupOnOwner(QWidget *companion, QWidget *owner, bool shown)
        : QObject(companion), m_companion(companion), m_owner(owner), m_shown(shown)
    {
        setObjectName(kName);
        owner->installEventFilter(this);
        companion->hide();
        companion->windowHandle()->setTransientParent(owner->windowHandle());
        companion->move(owner->mapToGlobal(QPoint(owner->width() - companion->width(), 0)));
        companion->setVisible(shown);
    }
    ~PopupOnOwner() override
    {
        if (m_owner)
            m_owner->removeEventFilter(this);
    }

    QWidget *m_companion;
    QPointer<QWidget> m_owner;
    bool m_shown;
};

// The top of the window's client area under its menu bar, in its coordinates.
int belowMenuBar(const QWidget *window)
{
    const auto *main = qobject_cast<const QMainWindow *>(window);
    return main && main->centralWidget() ? main->centralWidget()->y() : 0;
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
// Has the compositor place `popup` beside the left edge of its parent's
// client area `area`, level with its top; flipped to its right edge where
// the left leaves no room, else slid onto the screen over the parent's
// picture. A client never learns where its windows stand; the compositor
// does. Qt 6.7 and later build the popup's xdg_positioner from these window
// properties, their one handle on it.
void besideLeftEdge(QWindow *popup, QRect area)
{
    constexpr uint slideX = 1, slideY = 2, flipX = 4; // xdg_positioner.constraint_adjustment
    popup->setProperty("_q_waylandPopupAnchorRect", area);
    popup->setProperty("_q_waylandPopupAnchor", QVariant::fromValue(Qt::Edges(Qt::TopEdge | Qt::LeftEdge)));
    popup->setProperty("_q_waylandPopupGravity", QVariant::fromValue(Qt::Edges(Qt::BottomEdge | Qt::LeftEdge)));
    popup->setProperty("_q_waylandPopupConstraintAdjustment", flipX | slideX | slideY);
}
#endif

// On Wayland the companion rides on the window while the window is up: an
// xdg_popup of the window's, which the compositor places relative to it and
// never gives the keyboard. A program cannot place a window of its own
// there: GNOME and KWin put it over the window's controls and hand it the
// keyboard as it maps. One ride a window, for the window's lifetime.
class PopupOnWindow : public QObject
{
public:
    static constexpr const char *kName = "popupOnWindow";

    PopupOnWindow(const wayland::Rules &rules, QWidget *window, QWidget *owner, QWidget *companion,
                  std::function<QWidget *()> keyboardTo)
        : QObject(window), m_rules(rules), m_window(window), m_owner(owner), m_companion(companion),
          m_keyboardTo(std::move(keyboardTo))
    {
        setObjectName(kName);
        window->installEventFilter(this);
        window->windowHandle()->installEventFilter(this);
    }

    // Puts the companion on the window, shown once the window is on screen
    // and holds the keyboard: the compositor places a window as it maps it
    // and then hands it the keyboard, and a popup placed before that stays
    // where the unplaced window stood, however far it then moves.
    void attach()
    {
        if (!m_companion)
            return;
        KeyboardFocusPass::drop(m_companion);
        PopupOnOwner::drop(m_companion);
        if (!m_riding) {
            keepOwnFlags(m_companion);
            m_riding = true;
            // Qt makes a tool-tip window with a parent window an xdg_popup
            // without a grab; the popup's title bar is the one thing lost.
            m_companion->hide();
            m_companion->setWindowFlags(Qt::ToolTip | Qt::WindowDoesNotAcceptFocus);
            m_companion->winId();
            m_companion->windowHandle()->setTransientParent(m_window->windowHandle());
        }
        showOnWindow();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Sway dismisses a window's popups as the window loses the keyboard:
        // the score comes back with the keyboard.
        if ((event->type() == QEvent::Expose && watched == m_window->windowHandle())
            || (event->type() == QEvent::WindowActivate && watched == m_window))
            showOnWindow();
        if (event->type() == QEvent::Hide && watched == m_window)
            leave();
        return false;
    }

private:
    void showOnWindow()
    {
        if (!m_riding || !m_companion || m_companion->isVisible() || !m_window->windowHandle()->isExposed()
            || !m_window->isActiveWindow())
            return;
        // The compositor would dismiss the popup again as that window maps (a
        // prize after its award box), maybe while the game draws it: Sway 1.7
        // then takes the drawing for a protocol error and cuts the game off.
        if (m_rules.dismissesPopupsOnKeyboardLoss && windowAboutToMap())
            return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
        const int top = belowMenuBar(m_window);
        besideLeftEdge(m_companion->windowHandle(), QRect(0, top, m_window->width(), m_window->height() - top));
#else
        m_companion->move(m_window->mapToGlobal(place(m_companion->size())));
#endif
        m_companion->show();
        m_shown = true;
    }

#if QT_VERSION < QT_VERSION_CHECK(6, 7, 0)
    // Before Qt 6.7, which hands the compositor no positioner of the game's
    // (besideLeftEdge): where the companion stands, in the window's
    // coordinates, out of the way of its controls on a screen of 1024 by 768
    // too. Where the compositor centres the window (KWin, and Sway the board it
    // floats), beside its left edge level with the top of its client area, slid
    // by the compositor onto the window's picture where the screen is too
    // narrow, clear of the question windows and boxes centred too (a popup
    // stays above every window there). GNOME fills the screen from its top-left
    // corner, so the window may stand on the screen's left edge: the companion
    // stands right below it (GNOME dismisses a popup that does not touch its
    // parent). Sway slides no popup back onto the screen: the score stands as
    // far left as the screen leaves beside the centred board, the rest over the
    // picture, as KWin slides it.
    QPoint place(QSize size) const
    {
        if (m_rules.score == wayland::ScorePlace::LeftOf) {
            const QScreen *screen = m_window->screen();
            const int beside = screen ? (screen->availableGeometry().width() - m_window->width()) / 2 : size.width();
            return {-std::clamp(beside, 0, size.width()), belowMenuBar(m_window)};
        }
        return {0, m_window->height()};
    }
#endif

    // The companion is a window of its own again, with no parent: it has a
    // lifetime of its own, and Qt would close it with the window it rode on.
    void leave()
    {
        if (!std::exchange(m_riding, false) || !m_companion)
            return;
        // A compositor may have dismissed the popup as the window went.
        const bool shown = std::exchange(m_shown, false) || m_companion->isVisible();
        if ((m_rules.marksUrgentOnActivation || m_rules.activatesOnInputOnly) && m_owner && m_owner->isVisible()) {
            PopupOnOwner::start(m_companion, m_owner, shown);
            return;
        }
        standAlone(m_companion, shown);
        if (shown)
            KeyboardFocusPass::arm(m_companion, m_keyboardTo);
    }

    const wayland::Rules m_rules;
    QWidget *m_window;
    QPointer<QWidget> m_owner;
    QPointer<QWidget> m_companion;
    std::function<QWidget *()> m_keyboardTo;
    bool m_riding = false;
    bool m_shown = false; // shown on the window since it last rode
};

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
// Qt 6.8's text input warns when the compositor takes the text input from a
// surface the game has just destroyed, as it does whenever a window that
// holds the keyboard closes ("Got leave event for surface 0x0"); the
// keyboard's own leave from it passes in silence. Nothing is lost.
QtMessageHandler qtHandler = nullptr;
void dropLeaveFromDestroyedSurface(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && qstrcmp(context.category, "qt.qpa.wayland.textinput") == 0
        && message.contains(QLatin1String("Got leave event for surface 0x0")))
        return;
    qtHandler(type, context, message);
}
#endif

// Has the desktop place each modal box over the window it belongs to before it
// shows. GNOME places a window it does not know for a dialog as it places any
// new window, beside those already up; told through gtk_shell1 that it is
// modal, it centres it over its parent. It places a window as it first draws
// it, and Qt has made the window's role (all that gtk_shell1 needs) once it is
// asked to draw: the box is marked modal at its first expose, before Qt draws it.
class ModalBoxesMarked : public QObject
{
public:
    explicit ModalBoxesMarked(QObject *application) : QObject(application) { application->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = event->type() == QEvent::Show ? qobject_cast<QWidget *>(watched) : nullptr;
        if (!box || !box->isWindow() || !box->isModal())
            return false;
        box->winId();
        QWindow *handle = box->windowHandle();
        atFirstExpose(handle, handle, [handle] {
            if (wayland::Protocols *module = protocols())
                module->markModal(handle);
        });
        return false;
    }
};

} // namespace

Compositor Compositor::setUp()
{
    if (!QGuiApplication::platformName().startsWith("wayland"))
        return Compositor();
    wayland::Offer offer;
    if (wayland::Protocols *module = protocols())
        offer.globals = module->globals();
    offer.currentDesktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    offer.swaySocket = qEnvironmentVariableIsSet("SWAYSOCK");
    const wayland::Rules rules = wayland::chooseRules(offer);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.4 would load the OpenGL driver at start-up only to ask whether it
    // may draw title bars of its own (86 MiB at the peak against 32 without),
    // and then draw none where the compositor draws them; Qt 6.8 asks no driver.
    if (!rules.ownTitleBars)
        session::setForTheGame("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
#endif
    if (rules.modalThroughGtkShell)
        new ModalBoxesMarked(qApp);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    qtHandler = qInstallMessageHandler(dropLeaveFromDestroyedSurface);
#endif
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    // Qt 6.4's Wayland platform asks to activate the focus window whenever
    // the focus object changes, which Sway answers by marking the window
    // urgent (Qt 6.5 asks no more). Its connection, made with the application
    // object, is the only one of that signal to the application so far.
    if (rules.marksUrgentOnActivation)
        QObject::disconnect(qApp, &QGuiApplication::focusObjectChanged, qApp, nullptr);
#endif
#if QT_VERSION < QT_VERSION_CHECK(6, 4, 3)
    wayland::waitForFrameBeforeHiding();
#endif
    qCInfo(lcWayland).noquote() << "rules:" << rules.because;
    qCDebug(lcWayland).noquote() << "globals:" << offer.globals.join(' ');
    return Compositor(rules);
}

Compositor::Compositor(std::optional<wayland::Rules> rules) : m_rules(std::move(rules)) {}

void Compositor::showModeless(QWidget *window) const
{
    beforeFirstShow(window);
    window->show();
    window->raise();
    // Qt refuses, with a warning, to activate a window that takes no keyboard.
    if (window->windowFlags() & Qt::WindowDoesNotAcceptFocus)
        return;
    activate(window);
}

void Compositor::showWithCompanion(QWidget *window, QWidget *owner, QWidget *companion,
                                   std::function<QWidget *()> keyboardTo) const
{
    if (!m_rules) {
        showModeless(companion);
        showModeless(window);
        return;
    }
    openedFrom(window, owner);
    showModeless(window);
    auto *popup =
        dynamic_cast<PopupOnWindow *>(window->findChild<QObject *>(PopupOnWindow::kName, Qt::FindDirectChildrenOnly));
    if (!popup)
        popup = new PopupOnWindow(*m_rules, window, owner, companion, std::move(keyboardTo));
    popup->attach();
}

// Where the compositor tiles, a window that may be resized maps at its own
// size, as Sway floats it, and may be resized once mapped.
void Compositor::beforeFirstShow(QWidget *window) const
{
    if (!m_rules || !m_rules->tilesResizableWindows || window->testAttribute(Qt::WA_WState_Created)
        || window->minimumSize() == window->maximumSize())
        return;
    // Sway floats a window whose smallest size is its largest as it maps (and
    // never tiles it after): the window is fixed at its size until its first
    // frame is on screen, then its own limits come back.
    const QSize min = window->minimumSize();
    const QSize max = window->maximumSize();
    window->setFixedSize(window->size());
    window->winId();
    atFirstExpose(window->windowHandle(), window, [window, min, max] {
        // The first frame goes out as the expose is handled: after it.
        QTimer::singleShot(0, window, [window, min, max] {
            window->setMinimumSize(min);
            window->setMaximumSize(max);
        });
    });
}

// Gives `window`, just shown, the keyboard; on Wayland only a window already
// on screen: the compositor gives a window the keyboard as it maps it.
void Compositor::activate(QWidget *window) const
{
    // GNOME and KWin give a window the keyboard as they map it, even while
    // another program holds it, and activate no window before; Sway marks a
    // window urgent when a program asks to activate it.
    if (!m_rules || (!m_rules->marksUrgentOnActivation && window->windowHandle()->isExposed()))
        window->activateWindow();
}

// Where the compositor floats a window with a parent, `owner` is its parent.
void Compositor::openedFrom(QWidget *window, QWidget *owner) const
{
    window->winId();
    if (m_rules->floatsWindowsWithParent && owner && owner->isVisible())
        window->windowHandle()->setTransientParent(owner->windowHandle());
}
