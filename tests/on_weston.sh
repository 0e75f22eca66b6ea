#!/bin/sh
# Runs a command as a client of its own Weston compositor, on Qt's Wayland
# platform, then ends both. Weston runs nested in an X server of its own
# (Xvfb), drawn by pixman: no GPU and no display needed, and unlike Weston's
# headless back end it has a seat, whose keyboard the web engine needs.
# Usage: on_weston.sh COMMAND [ARGUMENT...]
set -eu

for tool in Xvfb weston weston-debug; do
    command -v "$tool" >/dev/null 2>&1 ||
        { echo "on_weston: $tool is missing; scripts/install-deps.sh installs it" >&2; exit 1; }
done

runtime=$(mktemp -d)
xserver=""
compositor=""
cleanup() {
    [ -z "$compositor" ] || kill "$compositor" 2>/dev/null || true
    [ -z "$xserver" ] || kill "$xserver" 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# waitfor TEST PROCESS WHAT: polls for up to 30 s while PROCESS runs.
waitfor() {
    tries=0
    until test "$1" "$2"; do
        tries=$((tries + 1))
        [ "$tries" -le 300 ] && kill -0 "$3" 2>/dev/null ||
            { cat "$runtime"/*.log >&2; echo "on_weston: $4 did not start" >&2; exit 1; }
        sleep 0.1
    done
}

Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$runtime/display" 2>"$runtime/xvfb.log" &
xserver=$!
waitfor -s "$runtime/display" "$xserver" Xvfb

# --debug lets weston-debug read the scene graph (the windows in stacking
# order), which the tests look at.
DISPLAY=:$(cat "$runtime/display") XDG_RUNTIME_DIR=$runtime weston --backend=x11-backend.so --use-pixman \
    --width=1600 --height=1200 --socket=wayland-lvtriv --idle-time=0 --debug --no-config >"$runtime/weston.log" 2>&1 &
compositor=$!
waitfor -S "$runtime/wayland-lvtriv" "$compositor" Weston

XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-lvtriv QT_QPA_PLATFORM=wayland DISPLAY= "$@"
