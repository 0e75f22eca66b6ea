#!/bin/sh
# Installs the Debian packages lvtriv needs to build, test, package and run
# (Xvfb and xdotool for the start-up test on a real X server, Weston and Qt's
# Wayland platform for the tests on Wayland, GNOME Shell and KWin with KWin's
# title bars and its fake-input protocol for the games on those desktops,
# libwayland-client's headers for the game's one GNOME request, libxcb and valgrind for the
# start-up benchmark, Orca with openbox, the session bus and the accessibility
# bus for the test of what a blind player hears, QtSvg for the picture tool
# drawart, which renders the line art from assets/src/*.svg; the program itself
# does not link it).
# Idempotent: asks dpkg first and touches apt only when something is missing.
# With --fuzz it also installs clang and its libFuzzer runtime for `make fuzz`.
# `make test-asan` needs nothing more: g++ brings its sanitizer runtimes
# (libasan, libubsan) on Debian.
set -eu

packages="
cmake
clang-format
g++
make
pkg-config
qt6-base-dev
qt6-base-private-dev
qt6-webengine-dev
libqt6webenginecore6-bin
libgl-dev
fonts-dejavu-core
fonts-liberation2
dpkg-dev
lintian
desktop-file-utils
appstream
xvfb
x11-utils
xdotool
libxcb1-dev
valgrind
weston
qt6-wayland
libwayland-dev
gnome-shell
kwin-wayland
kwin-style-breeze
plasma-wayland-protocols
libwayland-bin
qt6-svg-dev
orca
openbox
dbus-daemon
at-spi2-core
"
if [ "${1:-}" = "--fuzz" ]; then
    packages="$packages clang libclang-rt-14-dev"
fi

missing=""
for p in $packages; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing="$missing $p"
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        as_root="sudo"
    else
        echo "lvtriv needs these Debian packages:$missing" >&2
        echo "Install them as root: apt-get install --no-install-recommends$missing" >&2
        exit 1
    fi
else
    as_root=""
fi

echo "Installing:$missing"
$as_root apt-get update
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y --no-install-recommends $missing
