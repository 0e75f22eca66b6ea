#!/bin/sh
# The game on a real X server (Xvfb, xcb platform): once its main window is
# mapped, no OpenGL driver, no LLVM and no web engine may be loaded in it
# (libGLX, libEGL and libOpenGL, which Qt's xcb plugin links, are allowed).
# Then the browser prize is won on the same server and must show its page:
# the web engine fails on a real display when nobody prepared its OpenGL
# context. Usage: startup_maps.sh LVTRIV TST_WEBENGINE
set -eu
program=$1
award=$2

fail() {
    echo "startup_maps: $*" >&2
    exit 1
}
. "$(dirname "$0")/xvfb.sh"

for tool in Xvfb xdotool timeout; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is missing; scripts/install-deps.sh installs it"
done

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

start_xvfb "$work"
XDG_RUNTIME_DIR="$work/runtime"
QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR QT_QPA_PLATFORM
mkdir -m 700 "$XDG_RUNTIME_DIR"

"$program" >"$work/game.log" 2>&1 &
game=$!
timeout 30 xdotool search --sync --all --onlyvisible --pid "$game" --name '^Lumen Vesper Quiz v3\.0$' >/dev/null \
    || { cat "$work/game.log" >&2; fail "the main window was not mapped within 30 s"; }
# A moment for anything the first paint loads.
sleep 1
kill -0 "$game" 2>/dev/null || { cat "$work/game.log" >&2; fail "the game ended by itself"; }

awk '$6 ~ /^\// { print $6 }' "/proc/$game/maps" | sort -u >"$work/maps"
grep -q '/libQt6Widgets' "$work/maps" || fail "the game's memory map could not be read"
if grep -E '_dri\.so|/libLLVM[^/]*$|/libQt6WebEngine[^/]*$' "$work/maps" >"$work/heavy"; then
    echo "loaded before any prize was won:" >&2
    cat "$work/heavy" >&2
    fail "the main window brought in the OpenGL driver or the web engine"
fi
echo "main window mapped on $DISPLAY; graphics libraries loaded:"
grep -E '/lib(GL|EGL|OpenGL)[^/]*$' "$work/maps" || echo "  none"
kill "$game"
wait "$game" 2>/dev/null || true
game=""

# The browser prize on the same X server, through the program's own code.
"$award" -platform xcb >"$work/award.log" 2>&1 || { cat "$work/award.log" >&2; fail "the browser award failed on xcb"; }
grep -q '^PASS   : TestWebEngine::bundledPageLoadsAndItsLinksWork()' "$work/award.log" \
    || { cat "$work/award.log" >&2; fail "the browser award did not run"; }
cat "$work/award.log"
