#!/bin/sh
# Runs a command as a client of its own Weston compositor, on Qt's Wayland
# platform, then ends both. Weston runs nested in an X server of its own
# (Xvfb), drawn by pixman: no GPU and no display needed, and unlike Weston's
# headless back end it has a seat, whose keyboard the web engine needs.
# Usage: on_weston.sh COMMAND [ARGUMENT...]
set -eu

fail() {
    echo "on_weston: $*" >&2
    exit 1
}
. "$(dirname "$0")/xvfb.sh"
. "$(dirname "$0")/session.sh"

require Xvfb weston weston-debug

runtime=$(mktemp -d)
work=$runtime
trap 'end_session; rm -rf "$runtime"' EXIT
trap 'exit 1' INT TERM

start_xvfb "$runtime"
remember "$xserver"

# --debug lets weston-debug read the scene graph (the windows in stacking
# order), which the tests look at.
XDG_RUNTIME_DIR=$runtime weston --backend=x11-backend.so --use-pixman --width=1600 --height=1200 \
    --socket=wayland-lvtriv --idle-time=0 --debug --no-config >"$runtime/weston.log" 2>&1 &
remember $!
wait_for -S "$runtime/wayland-lvtriv" "$!" Weston "$runtime/weston.log"

XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-lvtriv QT_QPA_PLATFORM=wayland DISPLAY= "$@"
