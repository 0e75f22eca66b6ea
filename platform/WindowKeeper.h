#pragma once

#include "platform/Window.h"
#include "platform/wayland/Compositor.h"

#include <QPointer>

#include <concepts>
#include <functional>
#include <utility>

// What a window's close box does to it.
enum class CloseBox {
    Destroys, // the next use makes the window afresh and runs its load step again
    Hides,    // the window and everything in it is kept for the next show
};

// What a window declares when its load step opens a message box, whose
// event loop lets anything ask for the window meanwhile: that step is its
// Form_Load(), run by WindowKeeper once the window is recorded. A window
// that declares it and misspells the step, or lacks it, does not compile.
class LoadStep
{
public:
    virtual ~LoadStep() = default;
    virtual void Form_Load() = 0;
};

// The keeper of one named window of the program, the one place that makes,
// keeps and forgets it: the window exists at most once, is made on first
// use (its constructor is its load step), can be hidden and shown again with
// its contents, and goes away with its close box unless it only hides. It
// shows the window by the rules of `compositor`, which outlives it.
// A window with a LoadStep has its Form_Load() run once it is made and
// recorded, before it shows.
template <class W> class WindowKeeper
{
public:
    WindowKeeper(const Compositor &compositor, std::function<W *()> make, CloseBox closeBox = CloseBox::Destroys)
        : m_compositor(compositor), m_make(std::move(make)), m_closeBox(closeBox)
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
            if constexpr (std::derived_from<W, LoadStep>)
                static_cast<LoadStep *>(made)->Form_Load();
        }
        return m_widget.data();
    }

    // The window if it exists, without making it.
    W *peek() const { return m_widget.data(); }

    W *show()
    {
        W *shown = get();
        m_compositor.showModeless(shown);
        return shown;
    }

private:
    const Compositor &m_compositor;
    std::function<W *()> m_make;
    CloseBox m_closeBox;
    QPointer<W> m_widget;
};
