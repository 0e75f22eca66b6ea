#include "Screen.h"

#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace std::chrono_literals;

std::unique_ptr<Screen> Screen::start()
{
    std::unique_ptr<Screen> screen(new Screen);
    return screen->launch() && screen->watchRoot() ? std::move(screen) : nullptr;
}

Screen::~Screen()
{
    if (m_connection)
        xcb_disconnect(m_connection);
    if (m_server > 0) {
        kill(m_server, SIGTERM);
        waitpid(m_server, nullptr, 0);
    }
}

Environment Screen::environment() const
{
    return {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", m_display}};
}

std::optional<Clock::time_point> Screen::waitForWindows(Child &child, int windows)
{
    std::optional<Clock::time_point> first;
    int seen = 0;
    const int fd = xcb_get_file_descriptor(m_connection);
    while (Clock::now() < child.started() + 30s) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
            const auto when = Clock::now();
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            // Override-redirect windows are menus and tooltips, not top-levels.
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && !map->override_redirect
                && windowPid(map->window) == child.pid()) {
                first = first.value_or(when);
                ++seen;
            }
            std::free(event);
            if (seen >= windows)
                return first;
        }
        if (xcb_connection_has_error(m_connection) || child.exited())
            return std::nullopt;
        pollfd wait{fd, POLLIN, 0};
        poll(&wait, 1, 50);
    }
    return std::nullopt;
}

// Xvfb picks a free display and writes its number to the pipe once it serves.
bool Screen::launch()
{
    int ready[2];
    if (pipe(ready) != 0)
        return false;
    m_server = fork();
    if (m_server == 0) {
        close(ready[0]);
        const int nowhere = open("/dev/null", O_RDWR);
        dup2(nowhere, STDOUT_FILENO);
        dup2(nowhere, STDERR_FILENO);
        const std::string fd = std::to_string(ready[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               static_cast<char *>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    std::string number;
    char c;
    while (read(ready[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(ready[0]);
    m_display = ":" + number;
    return !number.empty();
}

// Every top-level window mapped on the screen is a child of the root window.
bool Screen::watchRoot()
{
    m_connection = xcb_connect(m_display.c_str(), nullptr);
    if (xcb_connection_has_error(m_connection))
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, root, XCB_CW_EVENT_MASK, &mask);
    const char *name = "_NET_WM_PID";
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(m_connection, xcb_intern_atom(m_connection, 0, strlen(name), name), nullptr);
    if (!atom)
        return false;
    m_pidAtom = atom->atom;
    std::free(atom);
    xcb_flush(m_connection);
    return true;
}

pid_t Screen::windowPid(xcb_window_t window)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    pid_t pid = -1;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = pid_t(*static_cast<uint32_t *>(xcb_get_property_value(reply)));
    std::free(reply);
    return pid;
}
