// The benchmark's own X server (Xvfb), on which every program it measures
// shows its windows, and the top-level windows mapped there, seen through
// libxcb: a window's MapNotify is the moment the X server has mapped it.
#pragma once

#include "Child.h"

#include <memory>
#include <optional>
#include <string>

#include <xcb/xcb.h>

class Screen
{
public:
    // Starts Xvfb on a free display; nothing when it did not start.
    static std::unique_ptr<Screen> start();
    ~Screen();

    std::string name() const { return "xcb on an Xvfb of its own"; }
    // What a Qt program needs to show its windows here.
    Environment environment() const;

    // Waits until `child` has mapped `windows` top-level windows and returns
    // the moment of the first; nothing when it exited or took over 30 s.
    std::optional<Clock::time_point> waitForWindows(Child &child, int windows);

private:
    Screen() = default;
    bool launch();
    bool watchRoot();
    pid_t windowPid(xcb_window_t window);

    pid_t m_server = -1;
    std::string m_display;
    xcb_connection_t *m_connection = nullptr;
    xcb_atom_t m_pidAtom = XCB_NONE;
};
