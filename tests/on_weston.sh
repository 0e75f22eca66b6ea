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
for tool in Xvfb weston weston-debug; do
    command -v "$tool" >/dev/null || fail "$tool is missing; scripts/install-deps.sh installs it"
done

runtime=$(mktemp -d)
started=""
trap 'kill $started 2>/dev/null; wait; rm -rf "$runtime"' EXIT
trap 'exit 1' INT TERM

# ready TEST PATH WHAT: waits up to 30 s for `test TEST PATH` while the last
# process started runs; else shows the logs and fails: WHAT did not start.
ready() {
    tries=0
    until test "$1" "$2"; do
        kill -0 $! 2>/dev/null && [ "$tries" -lt 300 ] || { cat "$runtime"/*.log >&2; fail "$3 did not start"; }
        tries=$((tries + 1))
        sleep 0.1
    done
}

# Xvfb picks a free display itself, and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$runtime/display" 2>"$runtime/xvfb.log" &
started=$!
ready -s "$runtime/display" Xvfb
# --debug lets weston-debug read the scene graph (the windows in stacking
# order), which the tests look at.
DISPLAY=":$(head -n 1 "$runtime/display")" XDG_RUNTIME_DIR=$runtime weston --backend=x11-backend.so --use-pixman \
    --width=1600 --height=1200 --socket=wayland-lvtriv --idle-time=0 --debug --no-config >"$runtime/weston.log" 2>&1 &
started="$! $started"
ready -S "$runtime/wayland-lvtriv" Weston

XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-lvtriv QT_QPA_PLATFORM=wayland DISPLAY= "$@"
