#!/bin/sh
# What the game loads at start-up on the desktops players have, with what
# Debian installs beside Qt (its GTK platform theme among it). With the main
# window up: no web engine, no image plugin (the first pictures are built in
# as pixels), no GTK, and the game alone on the accessibility bus. On Xvfb
# (xcb) as no desktop, GNOME, Xfce and Cinnamon start it, each peak within
# 1.10x of the first's, and no OpenGL driver or LLVM (Qt's xcb plugin links
# libGLX, libEGL and libOpenGL). On Wayland (Weston, through on_weston.sh;
# GNOME Shell with --on-gnome) Qt 6.4 loads the driver with the first window
# to ask about title bars, so there it is listed, not refused. Then the
# browser prize must show its page on the X server: the engine fails on a
# real display when nobody prepared its OpenGL context.
# Usage: startup_maps.sh LVTRIV TST_WEBENGINE
#        startup_maps.sh --on-gnome LVTRIV
set -eu
case $1 in
--on-wayland | --on-gnome)
    platform=${1#--on-}
    program=$2
    ;;
*)
    platform=xcb
    program=$1
    award=$2
    ;;
esac
session=""

fail() {
    echo "startup_maps ($platform${session:+, $session session}): $*" >&2
    exit 1
}
here=$(dirname "$0")
. "$here/xvfb.sh"
. "$here/session.sh"

require Xvfb xdotool timeout weston weston-debug dbus-daemon gdbus
ls /usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so >/dev/null 2>&1 ||
    fail "Qt's GTK platform theme, which Debian installs with Qt, is missing: scripts/install-deps.sh installs it"

work=$(mktemp -d)
xserver=""
cleanup() {
    end_session
    if [ "$platform" = gnome ]; then
        # The shell writes its caches into the folder as it ends.
        [ -z "${compositor:-}" ] || end "$compositor"
        desktop_stop
    fi
    [ -z "$xserver" ] || kill "$xserver" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# main_window_up: whether the game has shown its main window.
main_window_up() {
    case $platform in
    xcb) xdotool search --all --onlyvisible --pid "$game" --name '^Lumen Vesper Quiz v3\.0$' >/dev/null 2>&1 ;;
    wayland) weston-debug scene-graph 2>/dev/null | grep -q "window 'Lumen Vesper Quiz v3.0'" ;;
    gnome) desktop_windows | grep -q "^Lumen Vesper Quiz v3.0	" ;;
    esac
}

# start_game: starts the game and waits for its main window, then a moment
# for anything the first paint loads; sets game.
start_game() {
    "$program" >"$work/game.log" 2>&1 &
    game=$!
    remember "$game"
    tries=0
    until main_window_up; do
        tries=$((tries + 1))
        [ "$tries" -le 300 ] && kill -0 "$game" 2>/dev/null ||
            { cat "$work/game.log" >&2 && fail "the main window was not shown within 30 s"; }
        sleep 0.1
    done
    sleep 1
    kill -0 "$game" 2>/dev/null || { cat "$work/game.log" >&2 && fail "the game ended by itself"; }
}

stop_game() {
    end "$game"
    started=$(echo "$started" | sed "s/\b$game\b//")
}

# loaded_well: nothing in the game's memory that `heavy` refuses; lists the
# graphics libraries loaded.
loaded_well() {
    awk '$6 ~ /^\// { print $6 }' "/proc/$game/maps" | sort -u >"$work/maps"
    grep -q '/libQt6Widgets' "$work/maps" || fail "the game's memory map could not be read"
    if grep -E "$heavy" "$work/maps" >"$work/heavy"; then
        echo "loaded with the main window up:" >&2
        cat "$work/heavy" >&2
        fail "the main window brought in the web engine, an image plugin, GTK or the OpenGL driver"
    fi
    echo "main window shown on $platform${session:+ in a $session session}; graphics libraries loaded:"
    grep -E '/lib(GL|EGL|OpenGL|LLVM)[^/]*$|_dri\.so' "$work/maps" || echo "  none"
}

heavy='/libQt6WebEngine[^/]*$|/imageformats/|/libgtk-3[^/]*$|/libatk-bridge[^/]*$'
if [ "$platform" = wayland ]; then
    start_game
    loaded_well
    exit 0
fi
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

if [ "$platform" = gnome ]; then
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
    export XDG_CACHE_HOME="$work/home/.cache"
    mkdir -p "$HOME"
    unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
    start_session_bus
    . "$here/desktop/gnome.sh"
    desktop_start
    a11y_enable
    session=gnome
    session_variables "$session"
    start_game
    loaded_well
    one_accessible_game "$game"
    exit 0
fi

start_xvfb "$work"
export QT_QPA_PLATFORM=xcb
start_session_bus
start_a11y_bus
a11y_enable
heavy="$heavy|_dri\\.so|/libLLVM[^/]*\$"
for session in none gnome-xorg xfce cinnamon; do
    session_variables "$session"
    start_game
    loaded_well
    one_accessible_game "$game"
    peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$game/status")
    [ "$session" != none ] || bare=$peak
    echo "peak memory: $((peak / 1024)) MiB"
    [ "$((peak * 10))" -le "$((bare * 11))" ] || fail "peak memory $((peak / 1024)) MiB, above 1.10x the $((bare / 1024)) MiB with no desktop's"
    stop_game
done
session=""
session_variables none
end_session
unset DBUS_SESSION_BUS_ADDRESS

sh "$here/on_weston.sh" sh "$0" --on-wayland "$program"

# The browser prize on the same X server, through the program's own code.
"$award" -platform xcb >"$work/award.log" 2>&1 || { cat "$work/award.log" >&2; fail "the browser award failed on xcb"; }
grep -q '^PASS   : TestWebEngine::bundledPageLoadsAndItsLinksWork()' "$work/award.log" \
    || { cat "$work/award.log" >&2; fail "the browser award did not run"; }
cat "$work/award.log"
