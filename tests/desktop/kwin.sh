# KWin back end of the desktop tests: KWin 5.27 or 6 on a virtual 1024x768
# output.
# Sourced by the driver, which provides $work, fail, a private
# XDG_RUNTIME_DIR and a private session bus. Keys go in through KWin's fake
# input protocol, typed by $KEY_CLIENTS/kwin_keys (built from
# tests/desktop); windows and screenshots come out over D-Bus.

# shellcheck disable=SC2154 # $work comes from the driver
kwin_call() {
    gdbus call --session --dest org.kde.KWin "$@"
}

desktop_start() {
    require gdbus
    find_key_client kwin_keys
    # The installed binary carries a file capability that containers refuse
    # to exec; a copy has none.
    cp /usr/bin/kwin_wayland "$work/kwin_wayland"
    # No Xwayland (off unless --xwayland); a config folder of its own keeps
    # KWin from reading or writing the user's.
    XDG_CONFIG_HOME=$work/kwin-config KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 \
        WAYLAND_DISPLAY='' DISPLAY='' "$work/kwin_wayland" --virtual --width 1024 --height 768 --socket lvtriv-kwin \
        --no-lockscreen --no-global-shortcuts --no-kactivities >"$work/compositor.log" 2>&1 &
    kwin_pid=$!
    export WAYLAND_DISPLAY=lvtriv-kwin
    within 30 "KWin did not start" "$kwin_pid" kwin_ready
    kwin_calls=0
}

# kwin_ready: the key client finds fake input, and scripting answers.
kwin_ready() {
    "$key_client" 2>/dev/null &&
        kwin_call --object-path /Scripting --method org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1
}

desktop_keys() {
    "$key_client" "$@" || fail "cannot send keys $*"
}

# kwin_script CODE: runs CODE in KWin's scripting and prints what it
# prints, which KWin writes to its log as "js: " lines, between two markers.
kwin_script() {
    kwin_calls=$((kwin_calls + 1))
    kwin_marker="lvtriv-script-$kwin_calls"
    printf '%s\nprint(["%s begin"].concat(lines, ["%s end"]).join("\\n"));\n' "$1" "$kwin_marker" "$kwin_marker" \
        >"$work/script.js"
    kwin_id=$(kwin_call --object-path /Scripting --method org.kde.kwin.Scripting.loadScript "$work/script.js" "$kwin_marker" |
        tr -dc 0-9-)
    case $kwin_id in '' | -*) fail "KWin did not load the script" ;; esac
    # KWin 6 names a loaded script /Scripting/Script<id>, KWin 5 /<id>.
    kwin_call --object-path "/Scripting/Script$kwin_id" --method org.kde.kwin.Script.run >/dev/null 2>&1 ||
        kwin_call --object-path "/$kwin_id" --method org.kde.kwin.Script.run >/dev/null
    kwin_tries=0
    until grep -q "^$kwin_marker end" "$work/compositor.log"; do
        kwin_tries=$((kwin_tries + 1))
        [ "$kwin_tries" -lt 100 ] || fail "the script printed nothing"
        sleep 0.02
    done
    kwin_call --object-path /Scripting --method org.kde.kwin.Scripting.unloadScript "$kwin_marker" >/dev/null
    sed -n "/^js: $kwin_marker begin\$/,/^$kwin_marker end\$/p" "$work/compositor.log" | sed '1d;$d'
}

# One line per window or popup, top of the stack first. KWin 6 calls the
# windows' list windowList and the active one activeWindow.
desktop_windows() {
    kwin_script 'var lines = (workspace.windowList ? workspace.windowList() : workspace.clientList()).filter(function (w) {
    return (w.normalWindow || w.dialog || w.popupWindow) && !w.minimized;
}).sort(function (a, b) { return b.stackingOrder - a.stackingOrder; }).map(function (w) {
    var g = w.frameGeometry;
    return [w.caption || "(popup)", g.x, g.y, g.width, g.height, w.active ? 1 : 0, w.pid].join("\t");
});'
}

# desktop_close: closes the window holding the keyboard, as its close box does.
desktop_close() {
    kwin_script '(workspace.activeWindow || workspace.activeClient).closeWindow(); var lines = [];' >/dev/null
}

# desktop_screenshot FILE: fails, never calls fail (which takes one), when
# KWin takes none. Its older screenshot interface saves a PNG, answers its name.
desktop_screenshot() {
    kwin_shot=$(kwin_call --object-path /Screenshot --method org.kde.kwin.Screenshot.screenshotFullscreen false |
        sed -n "s/^('\(.*\)',)\$/\1/p")
    [ -f "$kwin_shot" ] && mv "$kwin_shot" "$1"
}

desktop_stop() {
    [ -z "${kwin_pid:-}" ] || { kill "$kwin_pid" 2>/dev/null && wait "$kwin_pid" 2>/dev/null; } || true
    kwin_pid=""
}

# desktop_launch N: the game starts as Plasma starts it, but the third time
# as a KWin session without Plasma's name would: the game follows what KWin
# offers, not the name.
desktop_launch() { [ "$1" -ne 3 ] && echo plasmawayland || echo none; }
