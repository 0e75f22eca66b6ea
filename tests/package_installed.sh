#!/bin/sh
# The built package as a player has it: autopkgtest runs debian/tests against
# the package installed on this machine (the null runner, which installs it,
# so root alone runs this), then apt-get purge must leave none of the
# package's files behind. The package may depend on run-time packages alone.
# Usage: package_installed.sh FOLDER (one that scripts/build-package filled)
set -eu
folder=$1

fail() {
    echo "package_installed: $*" >&2
    exit 1
}
[ "$(id -u)" = 0 ] || { echo "package_installed: installing a package needs root; skipped" && exit 77; }

set -- "$folder"/lvtriv_*_*.deb
deb=$1
[ -f "$deb" ] || fail "no package in $folder"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
if echo "$depends" | tr ',|' '\n\n' | sed 's/(.*//; s/[[:space:]]//g' | grep -E -- '-dev$|^(cmake|g\+\+|debhelper)$'; then
    fail "the package depends on build tools"
fi

rm -rf "$folder/autopkgtest"
autopkgtest --output-dir "$folder/autopkgtest" "$folder"/lvtriv_*.changes -- null ||
    fail "autopkgtest failed: see $folder/autopkgtest"

dpkg-query -L lvtriv >"$folder/installed-files" || fail "autopkgtest left lvtriv uninstalled"
DEBIAN_FRONTEND=noninteractive apt-get purge -y lvtriv >"$folder/purge.log" 2>&1 || fail "apt-get purge lvtriv failed"
left=$(while read -r path; do
    if [ -d "$path" ]; then
        case $path in */lvtriv) echo "$path" ;; esac
    elif [ -e "$path" ] || [ -L "$path" ]; then
        echo "$path"
    fi
done <"$folder/installed-files")
[ -z "$left" ] || fail "apt-get purge left the package's files behind: $left"
echo "package_installed: autopkgtest passed, and apt-get purge left nothing of the package's"
