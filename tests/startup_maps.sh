#!/bin/sh
# Once the game's main window is up, no web engine and no image plugin may be
# loaded in it (the window's pictures and icon are built in as pixels), and on
# a real X server (Xvfb, xcb platform) no OpenGL driver or LLVM either
# (libGLX, libEGL and libOpenGL, which Qt's xcb plugin links, are allowed).
# The same on Wayland (Weston, through on_weston.sh), where Qt 6.4 itself loads
# the OpenGL driver with the first window: it asks the driver whether it can
# draw title bars (QWaylandDisplay::supportsWindowDecoration), so there the
# driver is listed, not refused.
# Then the browser prize is won on the X server and must show its page: the
# web engine fails on a real display when nobody prepared its OpenGL context.
# Usage: startup_maps.sh LVTRIV TST_WEBENGINE
set -eu
if [ "$1" = --on-wayland ]; then
    platform=wayland
    program=$2
else
    platform=xcb
    program=$1
    award=$2
fi

fail() {
    echo "startup_maps ($platform): $*" >&2
    exit 1
}
. "$(dirname "$0")/xvfb.sh"

require Xvfb xdotool timeout weston weston-debug

work=$(mktemp -d)
xserver=""
game=""
cleanup() {
    [ -z "$game" ] || kill "$game" 2>/dev/null || true
    [ -z "$xserver" ] || kill "$xserver" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# main_window_up: whether the game has shown its main window.
main_window_up() {
    if [ "$platform" = xcb ]; then
        xdotool search --all --onlyvisible --pid "$game" --name '^Lumen Vesper Quiz v3\.0$' >/dev/null 2>&1
    else
        weston-debug scene-graph 2>/dev/null | grep -q "window 'Lumen Vesper Quiz v3.0'"
    fi
}

if [ "$platform" = xcb ]; then
    start_xvfb "$work"
    XDG_RUNTIME_DIR="$work/runtime"
    QT_QPA_PLATFORM=xcb
    export XDG_RUNTIME_DIR QT_QPA_PLATFORM
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    heavy='_dri\.so|/libLLVM[^/]*$|/libQt6WebEngine[^/]*$|/imageformats/'
else
    heavy='/libQt6WebEngine[^/]*$|/imageformats/'
fi

"$program" >"$work/game.log" 2>&1 &
game=$!
tries=0
until main_window_up; do
    tries=$((tries + 1))
    [ "$tries" -le 300 ] && kill -0 "$game" 2>/dev/null \
        || { cat "$work/game.log" >&2; fail "the main window was not shown within 30 s"; }
    sleep 0.1
done
# A moment for anything the first paint loads.
sleep 1
kill -0 "$game" 2>/dev/null || { cat "$work/game.log" >&2; fail "the game ended by itself"; }

awk '$6 ~ /^\// { print $6 }' "/proc/$game/maps" | sort -u >"$work/maps"
grep -q '/libQt6Widgets' "$work/maps" || fail "the game's memory map could not be read"
if grep -E "$heavy" "$work/maps" >"$work/heavy"; then
    echo "loaded before any prize was won:" >&2
    cat "$work/heavy" >&2
    fail "the main window brought in the web engine, an image plugin or the OpenGL driver"
fi
echo "main window shown on $platform; graphics libraries loaded:"
grep -E '/lib(GL|EGL|OpenGL|LLVM)[^/]*$|_dri\.so' "$work/maps" || echo "  none"
kill "$game"
wait "$game" 2>/dev/null || true
game=""
[ "$platform" = xcb ] || exit 0

sh "$(dirname "$0")/on_weston.sh" sh "$0" --on-wayland "$program"

# The browser prize on the same X server, through the program's own code.
"$award" -platform xcb >"$work/award.log" 2>&1 || { cat "$work/award.log" >&2; fail "the browser award failed on xcb"; }
grep -q '^PASS   : TestWebEngine::bundledPageLoadsAndItsLinksWork()' "$work/award.log" \
    || { cat "$work/award.log" >&2; fail "the browser award did not run"; }
cat "$work/award.log"
