# Sourced by the test scripts that run the game in a session of their own: a
# session bus, the accessibility bus, and the variables a desktop's session
# sets for every program it starts. The script defines fail MESSAGE and work
# (a folder of its own), and calls end_session as it exits.

started=""

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

# descendants PID: the processes below PID, however deep.
descendants() {
    for child in $(pgrep -P "$1" || true); do
        descendants "$child"
        echo "$child"
    done
}

# end PID: ends PID and everything below it, deepest first; whatever has not
# ended 3 s after the request is killed.
end() {
    for p in $(descendants "$1") "$1"; do
        kill "$p" 2>/dev/null || continue
        tries=0
        while kill -0 "$p" 2>/dev/null && [ "$tries" -lt 30 ]; do
            tries=$((tries + 1))
            sleep 0.1
        done
        kill -KILL "$p" 2>/dev/null || true
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
a11y_call() {
    gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus "$@" 2>/dev/null
}

# a11y_status PROPERTY: whether the accessibility bus reports PROPERTY on.
a11y_status() {
    a11y_call --method org.freedesktop.DBus.Properties.Get org.a11y.Status "$1" | grep -q true
}

# a11y_enable: accessibility on, as a screen reader turns it on as it starts.
a11y_enable() {
    tries=0
    until a11y_call --method org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled '<true>' >/dev/null; do
        tries=$((tries + 1))
        [ "$tries" -le 300 ] || fail "the accessibility bus did not start"
        sleep 0.1
    done
}

# a11y_apps: a line for each application on the accessibility bus: its
# process and its name ("?" where it does not answer within 5 s).
a11y_apps() {
    a11y=$(a11y_call --method org.a11y.Bus.GetAddress | sed -n "s/^('\(.*\)',)\$/\1/p")
    [ -n "$a11y" ] || fail "the accessibility bus has no address"
    gdbus call --address "$a11y" --dest org.a11y.atspi.Registry --object-path /org/a11y/atspi/accessible/root \
        --method org.a11y.atspi.Accessible.GetChildren | grep -oE "\('[^']*', (objectpath )?'[^']*'\)" |
        sed 's/objectpath //' | tr -d "(),'" |
        while read -r name path; do
            pid=$(timeout 5 gdbus call --address "$a11y" --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
                --method org.freedesktop.DBus.GetConnectionUnixProcessID "$name" | sed -n 's/^(uint32 \([0-9]*\),)$/\1/p')
            app=$(timeout 5 gdbus call --address "$a11y" --dest "$name" --object-path "$path" \
                --method org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible Name | sed -n "s/^(<'\(.*\)'>,)\$/\1/p")
            echo "${pid:-?} ${app:-?}"
        done
}

# one_accessible_game PID: fails unless PID is on the accessibility bus as one
# application named lvtriv, and no other is named so.
one_accessible_game() {
    a11y_apps >"$work/apps"
    [ "$(grep -c ' lvtriv$' "$work/apps")" -eq 1 ] && grep -qx "$1 lvtriv" "$work/apps" || {
        echo "--- applications on the accessibility bus (process, name):" >&2
        cat "$work/apps" >&2
        fail "the game is not one accessible application named lvtriv"
    }
}

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
