#!/bin/sh
# Installs the Debian packages that one of lvtriv's ways of working needs:
#   scripts/install-deps.sh run       building and running the game (make run)
#   scripts/install-deps.sh package   building and judging the Debian package
#                                     (make package): what building needs,
#                                     then debhelper and lintian
#   scripts/install-deps.sh test      everything make test runs (run's,
#                                     package's and package-chroot's, then
#                                     the test tools)
#   scripts/install-deps.sh fuzz      run's, then clang and its libFuzzer
#   scripts/install-deps.sh package-chroot
#                                     building the package in a clean chroot
#                                     of a Debian release
#                                     (scripts/build-in-chroot): package's
#                                     tools without the build's own needs,
#                                     which the chroot gets, then mmdebstrap,
#                                     sbuild, uidmap and autopkgtest
# Idempotent: asks dpkg first and touches apt only when something is missing.
# Packages come without their Recommends, but for those that Debian installs
# with Qt's run-time libraries on every player's machine (the test set names
# them), so that the tests meet what players have.
# `make test-asan` needs nothing more than test: g++ brings its sanitizer
# runtimes (libasan, libubsan) on Debian.
set -eu

# What debian/control's Build-Depends name (wayland-scanner from
# libwayland-bin), with the C++ tool chain.
build="
cmake
g++
make
pkgconf
qt6-base-dev
qt6-base-private-dev
qt6-webengine-dev
libwayland-dev
libwayland-bin
fonts-dejavu-core
fonts-liberation2
"

# What the game needs to run beyond its libraries: the web engine's helper
# process, and Qt's Wayland platform to run natively on a Wayland desktop.
play="
libqt6webenginecore6-bin
qt6-wayland
"

# dpkg-buildpackage with debhelper, and lintian; dpkg-buildpackage checks
# for build-essential, which a fresh system does not have.
package="
build-essential
dpkg-dev
debhelper
lintian
"

# What Debian recommends with Qt's run-time libraries (libqt6gui6: the GTK
# platform theme), the Vulkan driver that libvulkan1 recommends and the
# desktop portal that every desktop runs; autopkgtest with what the installed
# game's tests (debian/tests/control) depend on: Xvfb, openbox, xdotool and
# xprop for the games by keys, desktop-file-utils and appstream for the files
# a desktop reads; clang-format; libxcb and valgrind for the start-up
# benchmark; Weston for the browser prize on Wayland; GNOME Shell, KWin with
# its title bars and its fake-input protocol, and Sway with xkbcommon's
# headers (for its key client), grim and python3 for the games on those
# desktops; Orca with the session bus and the accessibility bus for what a
# blind player hears; pyatspi, through which the games read the game as a
# screen reader does, and mypy, which checks their Python's types; QtSvg for
# the picture tool drawart, which renders the line art from assets/src/*.svg
# (the program itself does not link it);
# Ninja, the generator Qt Creator uses, to try the build with; gdb for where
# a game that failed a desktop test waits.
test="
qt6-gtk-platformtheme
mesa-vulkan-drivers
xdg-desktop-portal
autopkgtest
xvfb
openbox
xdotool
x11-utils
desktop-file-utils
appstream
clang-format
libxcb1-dev
valgrind
weston
gnome-shell
kwin-wayland
kwin-style-breeze
plasma-wayland-protocols
sway
libxkbcommon-dev
grim
python3
qt6-svg-dev
ninja-build
gdb
orca
dbus-daemon
at-spi2-core
python3-pyatspi
mypy
"

# mmdebstrap makes the chroot and sbuild builds in it; unshare mode, which
# needs no root, maps its users through uidmap's newuidmap and newgidmap;
# autopkgtest tests the built package in the same chroot.
chroot="
mmdebstrap
sbuild
uidmap
autopkgtest
"

case ${1:-run} in
run) packages="$build $play" ;;
package) packages="$build $package" ;;
test) packages="$build $play $package $chroot $test" ;;
fuzz) packages="$build $play clang libclang-rt-dev" ;;
package-chroot) packages="$package $chroot" ;;
*)
    echo "usage: scripts/install-deps.sh [run|package|test|fuzz|package-chroot]" >&2
    exit 2
    ;;
esac

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
# Through env: sudo drops the caller's variables (env_reset), and debconf would ask.
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
