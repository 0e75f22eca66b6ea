# X11 back end of tests/desktop/play.sh: Xvfb at 1024x768 with openbox; keys
# through xdotool, windows from openbox's stacking list; no screenshots.

desktop_start() {
    require Xvfb openbox xdotool xprop xwininfo
    start_xvfb "$work" 1024x768
    # openbox's defaults, without the dialog an empty file would raise.
    echo '<openbox_config xmlns="http://openbox.org/3.4/rc"/>' >"$work/openbox.xml"
    openbox --sm-disable --config-file "$work/openbox.xml" >"$work/compositor.log" 2>&1 &
    x11_manager=$!
    within 30 "openbox did not start" "$x11_manager" x11_managed
}

x11_managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q '# 0x'; }

# An X key code is the Linux one plus 8; xdotool takes a number that names
# no key symbol as a key code.
desktop_keys() {
    for code in "$@"; do
        xdotool key "$((code + 8))" || fail "cannot send key $code"
    done
}

# desktop_switch: the window manager's Alt+Tab, to the window used before.
desktop_switch() { xdotool key alt+Tab || fail "cannot send Alt+Tab"; }

# One line per managed window, top first: caption, frame x, y, width, height,
# 1 where it holds the keyboard, and its process.
desktop_windows() {
    x11_active=$(xprop -root _NET_ACTIVE_WINDOW | sed -n 's/.*# \(0x[0-9a-f]*\).*/\1/p')
    for id in $(xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/.*# //p' | tr -d , | tr ' ' '\n' | tac); do
        caption=$(xdotool getwindowname "$id" 2>/dev/null) || continue
        # A window closed since the list was read is skipped; any other X error fails.
        { xprop -id "$id" _NET_FRAME_EXTENTS >"$work/extents" && xwininfo -id "$id" >"$work/geometry"; } 2>"$work/x11.err" ||
            { grep -qE 'BadWindow|Bad Drawable' "$work/x11.err" && continue; fail "$(cat "$work/x11.err")"; }
        awk -v caption="$caption" -v extents="$(sed -n 's/.* = //p' "$work/extents" | tr -d ,)" <"$work/geometry" \
            -v focus="$([ "$id" = "$x11_active" ] && echo 1 || echo 0)" -v pid="$(xdotool getwindowpid "$id" 2>/dev/null)" '
            /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
            /Width:/ { w = $NF } /Height:/ { h = $NF }
            END { split(extents, e, " ")
                  printf "%s\t%d\t%d\t%d\t%d\t%d\t%s\n", caption, x - e[1], y - e[3], w + e[1] + e[2], h + e[3] + e[4], focus, pid }'
    done
}

# desktop_window_class CAPTION: the class half of the window's WM_CLASS.
desktop_window_class() {
    id=$(xdotool search --limit 1 --name "^$1\$") || return 1
    xprop -id "$id" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p'
}

desktop_stop() {
    kill ${x11_manager:-} ${xserver:-} 2>/dev/null || true
}

# desktop_launch N: the game starts as no desktop, then GNOME's, Xfce's and
# Cinnamon's X11 sessions start it (Qt would choose GTK's theme on all three),
# in turn.
desktop_launch() { echo none gnome-xorg xfce cinnamon | cut -d ' ' -f $((($1 - 1) % 4 + 1)); }
