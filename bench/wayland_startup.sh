#!/bin/sh
# Start-up on Wayland: the game against ref_text on a KWin, a GNOME Shell and a
# Sway of their own (tests/desktop/), as a table appended to bench/results.md.
# Each starts with the variables the desktop's session sets; ref_text, the
# floor, takes no platform theme, and on KWin and Sway draws no title bars, as
# the game does not there (the compositor draws them). There is
# no MapNotify on Wayland: the first frame is the first buffer a program
# attaches to its window's surface (WAYLAND_DEBUG's log of what it sends, timed
# from the exec; the log slows both programs alike), and peak memory is VmHWM
# once the window is up. Medians of RUNS runs (5), the programs in turn. No
# instructions: under callgrind, Mesa's software driver, which Qt's own title
# bars load, takes minutes to start.
# Usage: wayland_startup.sh BUILD RESULTS [RUNS]
set -eu
build=$1
results=$2
runs=${3:-5}
here=$(cd "$(dirname "$0")" && pwd)
desktop_dir=$here/../tests/desktop

fail() {
    echo "wayland_startup: $*" >&2
    exit 1
}
. "$here/../tests/xvfb.sh"
. "$here/../tests/session.sh"
require dbus-daemon

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# first_frame PROGRAM: ms from the exec to the first buffer attached. The log
# stamps each request with the wall clock's microseconds, modulo 2^32, in ms.
# libwayland 1.23 (Debian 13) writes wl_surface#12 where 1.21 wrote wl_surface@12.
attach='-> wl_surface[@#][0-9]*\.attach(wl_buffer'
first_frame() {
    start=$(date +%s%6N)
    WAYLAND_DEBUG=client $1 >/dev/null 2>"$work/debug.log" &
    pid=$!
    within 60 "$1 attached no buffer" "$pid" grep -q -- "$attach" "$work/debug.log"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    at=$(grep -m 1 -- "$attach" "$work/debug.log" | sed 's/^\[ *\([0-9]*\)\.\([0-9]*\)\].*/\1\2/')
    elapsed=$(((at - start % 4294967296 + 4294967296) % 4294967296))
    echo "$((elapsed / 1000)).$((elapsed % 1000 / 100))"
}

# peak PROGRAM: MiB at the peak once its window is up.
peak() {
    $1 >/dev/null 2>&1 &
    pid=$!
    sleep 2
    awk '/^VmHWM/ { printf "%.1f\n", $2 / 1024 }' "/proc/$pid/status"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

# measure DESKTOP: one row a program, with its ratios to ref_text.
measure() {
    work=$(mktemp -d)
    export work
    . "$desktop_dir/$1.sh"
    home_of_its_own
    start_session_bus
    desktop_start
    # The floor: a bare Qt window, without Qt's title bars where the compositor draws them.
    floor=$build/bench/ref_text
    [ "$1" = gnome ] || floor="env QT_WAYLAND_DISABLE_WINDOWDECORATION=1 $floor"
    session_variables "$([ "$1" = kwin ] && echo plasmawayland || echo "$1")"
    for run in $(seq 1 "$runs"); do
        for program in ref_text lvtriv; do
            path=$floor
            [ "$program" = ref_text ] || path=$build/app/lvtriv
            first_frame "$path" >>"$work/$program.frame"
            peak "$path" >>"$work/$program.peak"
        done
    done
    for program in ref_text lvtriv; do
        printf '%s %s %s %s\n' "$1" "$program" "$(median <"$work/$program.frame")" "$(median <"$work/$program.peak")"
    done
    desktop_stop
    end_session
    leave_work
}
# leave_work: the desktop's folder removed. Debian 13's session starts the
# document portal, whose file system is mounted in the runtime folder.
leave_work() {
    if grep -q " $work/runtime/doc " /proc/mounts; then
        fusermount3 -u -z "$work/runtime/doc" 2>/dev/null || umount -l "$work/runtime/doc"
    fi
    rm -rf "$work" && work=""
}
# A desktop that fails ends with its session and fails the table, unwritten.
trap '[ -z "${work:-}" ] || { desktop_stop; end_session; leave_work; }' EXIT

{
    echo
    echo "## Start-up on Wayland"
    echo
    echo "On a KWin, a GNOME Shell and a Sway of their own (1024 by 768; \`bench/wayland_startup.sh\`), 1-min load $(cut -d ' ' -f 1 /proc/loadavg) at the start."
    echo "First frame: the first buffer attached to the window's surface, from the exec; peak memory: VmHWM with the window up."
    echo "Each program as the desktop's session starts it (XDG_CURRENT_DESKTOP, XDG_SESSION_TYPE, DESKTOP_SESSION); Qt's GTK platform theme, which Debian installs with Qt, is $(ls /usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so >/dev/null 2>&1 && echo installed || echo '**not installed**'). ref_text takes no platform theme, and on KWin and Sway no title bars of Qt's own, as the game there."
    echo "Medians of $runs runs. Ratios are to ref_text on the same desktop. Target as on X11: 1.10x in peak memory; the time, logged, is shown and not judged."
    echo "No instruction counts: under callgrind, Mesa's software driver, which Qt's own title bars load, takes minutes to start."
    echo
    echo "| desktop | program | exec to the first frame, ms | ratio | peak memory, MiB | ratio | peak memory target |"
    echo "|---|---|---:|---:|---:|---:|---|"
    for desktop in kwin gnome sway; do
        measure "$desktop"
    done >"$build/wayland-startup.rows"
    awk '$2 == "ref_text" { f = $3; m = $4 }
        { printf "| %s | %s | %.1f | %.2f | %.1f | %.2f | %s |\n", $1, $2, $3, $3 / f, $4, $4 / m,
                 $2 == "ref_text" ? "" : ($4 / m <= 1.10 ? "met" : "missed") }' "$build/wayland-startup.rows"
    echo
    echo "1-min load after: $(cut -d ' ' -f 1 /proc/loadavg)."
} >"$build/wayland-startup.md"
cat "$build/wayland-startup.md" >>"$results"
cat "$build/wayland-startup.md"
