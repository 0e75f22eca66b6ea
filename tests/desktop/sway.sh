# Sway back end of the desktop games: sway 1.7 or 1.10, the wlroots desktop,
# headless on one 1024x768 output, with its default rules (it tiles, and
# answers an activation by marking the window urgent) and no Xwayland. Sway
# refuses to run as root: in a user namespace of its own it passes that check
# and keeps its sockets in the driver's runtime folder. Keys go in through one
# virtual keyboard, typed by $KEY_CLIENTS/sway_keys (built from
# tests/desktop); windows come from its tree (swaymsg), screenshots from
# grim. Sourced by tests/desktop/play.sh.

desktop_start() {
    require sway swaymsg grim jq unshare python3
    find_key_client sway_keys
    printf '%s\n' 'xwayland disable' 'output HEADLESS-1 resolution 1024x768 position 0 0' >"$work/sway.conf"
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman WAYLAND_DISPLAY='' \
        unshare -U sway --config "$work/sway.conf" >"$work/compositor.log" 2>&1 &
    sway_pid=$!
    within 30 "sway did not start" "$sway_pid" sway_ready
    WAYLAND_DISPLAY=$(basename "$(ls "$XDG_RUNTIME_DIR"/wayland-* | grep -v '\.lock$' | head -n 1)")
    export WAYLAND_DISPLAY
    # One keyboard for the whole session, fed a line of key codes at a time
    # through a pipe, answering each through another.
    mkfifo "$work/keys" "$work/keys-done"
    exec 7<>"$work/keys" 8<>"$work/keys-done"
    "$key_client" <&7 >&8 2>"$work/sway_keys.log" &
    sway_keyboard=$!
}

# sway_ready: sway answers on its socket, in SWAYSOCK.
sway_ready() {
    SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null) && swaymsg -s "$SWAYSOCK" -t get_version >/dev/null 2>&1 &&
        export SWAYSOCK
}

desktop_keys() {
    echo "$*" >&7
    timeout 30 head -n 1 <&8 >/dev/null || fail "cannot send keys $* ($(cat "$work/sway_keys.log"))"
}

# One line per window, top first: caption, frame x, y, width, height, 1
# where it holds the keyboard, its process, and 1 where it is urgent.
# Floating windows stand above tiled ones, the last floated on top. Popups
# are in no list: the score riding on a window is found in a screenshot
# (sway_popup).
desktop_windows() {
    swaymsg -t get_tree >"$work/tree" || fail "sway gave no window tree"
    jq -r '
        def views: if (.type == "con" or .type == "floating_con") and .pid then [.] else [] end
            + ([(.floating_nodes // [] | reverse[]), (.nodes // [])[]] | map(views) | add // []);
        [recurse(.nodes[]?) | select(.type == "workspace") | views[]]
        | .[] | [.name // "", .rect.x, .rect.y, .rect.width, .rect.height,
                 (if .focused then 1 else 0 end), .pid, (if .urgent then 1 else 0 end)] | @tsv' "$work/tree" >"$work/sway-windows"
    # Only while the board or the main window has the keyboard, where the
    # games look for the score: a screenshot is slow.
    if awk -F '\t' '$6 == 1 && ($1 == "The Quiz!" || $1 == "Lumen Vesper Quiz v3.0") { found = 1 } END { exit !found }' \
        "$work/sway-windows"; then
        sway_popup
    fi
    cat "$work/sway-windows"
}

# sway_popup: the score window's line, where a screenshot shows it: the
# region of one colour around the longest black rule drawn on it that is
# shorter than a window, the score's line between its score and the number
# of questions (not the black around the windows, which no card holds).
sway_popup() {
    grim -t ppm "$work/popup.ppm" 2>/dev/null || return 0
    python3 - "$work/popup.ppm" <<'PY'
import sys
fields = open(sys.argv[1], "rb").read().split(maxsplit=4)
width, height, pixels = int(fields[1]), int(fields[2]), fields[4]
at = lambda x, y: pixels[3 * (y * width + x):3 * (y * width + x) + 3]
best = None
for y in range(1, height - 1):
    row, x = pixels[3 * y * width:3 * (y + 1) * width], 0
    while x < width:
        start = x
        while x < width and row[3 * x:3 * x + 3] == bytes(3):
            x += 1
        card = start > 0 and x < width and at(start - 1, y) == at(x, y) == at(start, y - 2) != bytes(3)
        if card and 100 <= x - start < width // 2 and (not best or x - start > best[2] - best[0]):
            best = (start, y, x)
        x += x == start
if best:
    left, y, right = best
    def walk(x, y, dx, dy):
        while 0 <= x + dx < width and 0 <= y + dy < height and at(x + dx, y + dy) == at(left, best[1] - 2):
            x, y = x + dx, y + dy
        return x if dx else y
    x0, x1 = walk(left, y - 2, -1, 0), walk(right - 1, y - 2, 1, 0)
    y0, y1 = walk(x0, y - 2, 0, -1), walk(x0, y - 2, 0, 1)
    print("(popup)\t%d\t%d\t%d\t%d\t0\t\t0" % (x0, y0, x1 - x0 + 1, y1 - y0 + 1))
PY
}

desktop_screenshot() {
    grim "$1"
}

desktop_stop() {
    [ -z "${sway_keyboard:-}" ] || kill "$sway_keyboard" 2>/dev/null || true
    [ -z "${sway_pid:-}" ] || { kill "$sway_pid" 2>/dev/null && wait "$sway_pid" 2>/dev/null; } || true
    sway_pid=""
}

# desktop_close: closes the window holding the keyboard, as its close box does.
desktop_close() {
    swaymsg kill >/dev/null || fail "sway did not close the window"
}

# desktop_launch N: the game starts as sway's exec starts it, with sway's
# socket in its environment and no desktop name.
desktop_launch() { echo none; }
