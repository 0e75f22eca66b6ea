# Sourced by the test scripts that run the game in a session of their own: a
# session bus, the accessibility bus, and the variables a desktop's session
# sets for every program it starts. The script defines fail MESSAGE, work (a
# folder of its own) and tests_dir (this file's), and calls end_session as it
# exits.

started=""

# show_logs NAME...: the end of each $work/NAME.log there is, on standard error.
show_logs() {
    for log; do
        [ ! -s "${work:-/nonexistent}/$log.log" ] || { echo "--- the $log's output:" && tail -n 20 "$work/$log.log"; } >&2
    done
}

# home_of_its_own: a home, a runtime folder and the XDG folders in $work, so
# that nothing reads or writes the user's.
home_of_its_own() {
    export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/home/.config"
    export XDG_DATA_HOME="$work/home/.local/share" XDG_CACHE_HOME="$work/home/.cache"
    mkdir -p -m 700 "$HOME" "$XDG_RUNTIME_DIR"
}

# remember PID: PID is ended by end_session, the last started first.
remember() {
    started="$1 $started"
}

# forget PID: PID, ended already, is no longer end_session's to end.
forget() {
    started=$(echo "$started" | sed "s/\b$1\b//")
}

# descendants PID: the processes below PID, however deep (a subshell keeps each child).
descendants() {
    for child in $(pgrep -P "$1" || true); do
        (descendants "$child")
        echo "$child"
    done
}

# end PID: ends PID and everything below it, deepest first; whatever has not
# ended 3 s after the request is killed.
end() {
    for p in $(descendants "$1") "$1"; do
        kill "$p" 2>/dev/null || continue
        timeout 3 sh -c "while kill -0 $p 2>/dev/null; do sleep 0.1; done" || kill -KILL "$p" 2>/dev/null || true
    done
    wait "$1" 2>/dev/null || true
}

# The accessibility bus starts the registry daemon itself, as no child of
# ours; it carries the bus launcher's mark in its environment.
marked() {
    grep -alsF "LVTRIV_SESSION=$work" /proc/[0-9]*/environ | cut -d / -f 3
}

# end_session: ends what was remembered, and the registry daemon.
end_session() {
    for p in $started $(marked); do
        end "$p"
    done
    started=""
}

# start_session_bus: a session bus of its own, in DBUS_SESSION_BUS_ADDRESS.
start_session_bus() {
    dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >"$work/dbus.log" 2>&1 &
    remember $!
    wait_for -s "$work/bus" "$!" "the session bus" "$work/dbus.log"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
    export DBUS_SESSION_BUS_ADDRESS
}

# start_a11y_bus: the accessibility bus, started at once, as a desktop does.
start_a11y_bus() {
    env "LVTRIV_SESSION=$work" /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/a11y.log" 2>&1 &
    remember $!
}

# a11y_call ARGUMENT...: a gdbus call on the session bus's org.a11y.Bus.
a11y_call() { gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus "$@" 2>/dev/null; }

# a11y_status PROPERTY: whether the accessibility bus reports PROPERTY on.
a11y_status() { a11y_call --method org.freedesktop.DBus.Properties.Get org.a11y.Status "$1" | grep -q true; }

# a11y_enable: accessibility on, as a screen reader turns it on as it starts.
a11y_enable() { within 30 "the accessibility bus did not start" - a11y_set IsEnabled '<true>'; }
a11y_set() { a11y_call --method org.freedesktop.DBus.Properties.Set org.a11y.Status "$@" >/dev/null; }

# a11y COMMAND PID [CAPTION]: the game PID as the accessibility bus shows it
# to a screen reader (tests/a11y.py says what): its one application, a
# window's role, or a window and its controls with their places.
a11y() { timeout 60 "$tests_dir/a11y.py" "$@" || fail "the accessibility bus: tests/a11y.py $* failed"; }

# session_variables SESSION: exports what the session SESSION (gnome-xorg,
# gnome, xfce, cinnamon, plasmawayland, sway; none for a bare X server) sets for
# every program it starts.
session_variables() {
    case $1 in
    gnome-xorg) set -- GNOME x11 "$1" ;;
    gnome) set -- GNOME wayland "$1" ;;
    xfce) set -- XFCE x11 "$1" ;;
    cinnamon) set -- X-Cinnamon x11 "$1" ;;
    plasmawayland) set -- KDE wayland "$1" ;;
    sway) set -- sway wayland "$1" ;;
    none)
        unset XDG_CURRENT_DESKTOP XDG_SESSION_TYPE DESKTOP_SESSION
        return
        ;;
    *) fail "no session $1" ;;
    esac
    XDG_CURRENT_DESKTOP=$1 XDG_SESSION_TYPE=$2 DESKTOP_SESSION=$3
    export XDG_CURRENT_DESKTOP XDG_SESSION_TYPE DESKTOP_SESSION
}
