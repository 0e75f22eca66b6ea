#pragma once

#include <QPointer>
#include <QSize>
#include <QWidget>

#include <functional>
#include <utility>

// What a window's close box does to it.
enum class CloseBox {
    Destroys, // the next use makes the window afresh and runs its load step again
    Hides,    // the window and everything in it is kept for the next show
};

namespace window {

// Shows a window modeless, or brings it to the front when it is visible already.
void showModeless(QWidget *window);

// Moves a window so that it stands in the middle of the screen it is on: its
// client area now, its outer frame once the window system has told its size.
void centre(QWidget *window);

// Moves a window near the top-left corner of its screen's work area, where
// the system would cascade a new window, out of the way of centred ones.
void placeAtCascadeStart(QWidget *window);

// Gives the program's plain top-level windows the role a screen reader
// announces: dialog for a fixed dialog, frame for a sizable window.
void installAccessibleRoles();

// Makes `window` a fixed dialog whose client area is `client` pixels:
// title bar with a close box, no minimize or maximize box, not in the task bar.
void makeFixedDialog(QWidget *window, QSize client);

// Calls `forget` and schedules the window's deletion when its close box is used.
void destroyOnCloseBox(QWidget *window, std::function<void()> forget);

} // namespace window

// The keeper of one named window of the program, the one place that makes,
// keeps and forgets it: the window exists at most once, is made on first
// use (its constructor is its load step), can be hidden and shown again with
// its contents, and goes away with its close box unless it only hides.
// A load step that opens a message box, whose event loop lets anything ask
// for the window meanwhile, is the window's Form_Load() instead: it runs
// once the window is made and recorded, before it shows (a window class
// keeping it private befriends WindowKeeper).
template <class W> class WindowKeeper
{
public:
    explicit WindowKeeper(std::function<W *()> make, CloseBox closeBox = CloseBox::Destroys)
        : m_make(std::move(make)), m_closeBox(closeBox)
    {
    }
    WindowKeeper(const WindowKeeper &) = delete;
    WindowKeeper &operator=(const WindowKeeper &) = delete;
    ~WindowKeeper() { delete m_widget.data(); }

    // The window, made now if it does not exist (it stays hidden until shown).
    W *get()
    {
        if (!m_widget) {
            W *made = m_make();
            m_widget = made;
            if (m_closeBox == CloseBox::Destroys)
                window::destroyOnCloseBox(made, [this] { m_widget.clear(); });
            if constexpr (requires { made->Form_Load(); })
                made->Form_Load();
        }
        return m_widget.data();
    }

    // The window if it exists, without making it.
    W *peek() const { return m_widget.data(); }

    W *show()
    {
        W *shown = get();
        window::showModeless(shown);
        return shown;
    }

private:
    std::function<W *()> m_make;
    CloseBox m_closeBox;
    QPointer<W> m_widget;
};
