# GNOME Shell (43 or 48) as a Wayland desktop of its own, for
# tests/desktop/play.sh: a headless gnome-shell with one 1024x768 monitor. Everything the tests read or
# send goes through Shell.Eval, which a one-line extension opens (unsafe mode):
# keys through a virtual keyboard of the compositor's own seat, the windows
# from its stacking order, screenshots.

desktop_start() {
    require gnome-shell gsettings gdbus
    ext="$XDG_DATA_HOME/gnome-shell/extensions/unsafe@lvtriv.example.org"
    mkdir -p "$ext"
    # In the format of the shell's version: GNOME 45 and later load only
    # extensions that are ES modules.
    version=$(gnome-shell --version | sed -n 's/^GNOME Shell \([0-9]*\).*/\1/p')
    echo "{\"uuid\": \"unsafe@lvtriv.example.org\", \"name\": \"unsafe\", \"description\": \"tests\",
        \"shell-version\": [\"$version\"]}" >"$ext/metadata.json"
    if [ "$version" -ge 45 ]; then
        echo 'export default class { enable() { global.context.unsafe_mode = true; } disable() {} }'
    else
        echo 'function init() { return { enable() { global.context.unsafe_mode = true; }, disable() {} }; }'
    fi >"$ext/extension.js"
    gsettings set org.gnome.shell enabled-extensions "['unsafe@lvtriv.example.org']"
    # gnome-shell ends at once without a system bus to ask for logind: a
    # second session bus stands in.
    dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/system-bus" 4>"$work/system-bus.pid" >/dev/null 2>&1
    DBUS_SYSTEM_BUS_ADDRESS=$(head -n 1 "$work/system-bus") gnome-shell --headless --wayland --no-x11 \
        --virtual-monitor 1024x768 --wayland-display=wayland-lvtriv >"$work/compositor.log" 2>&1 &
    compositor=$!
    within 30 "gnome-shell did not start" "$compositor" shell_holds 'global.context.unsafe_mode'
    # It starts in the overview, once its start-up animation has run.
    within 30 "gnome-shell's overview did not close" "$compositor" shell_holds 'Main.layoutManager._startingUp ||
        Main.overview.hide(); !Main.layoutManager._startingUp && !Main.overview.visible && Main.modalCount === 0'
    # The keyboard that desktop_keys types on.
    shell_eval 'global.lvtrivKeys = imports.gi.Clutter.get_default_backend().get_default_seat()
        .create_virtual_device(imports.gi.Clutter.InputDeviceType.KEYBOARD_DEVICE)' >/dev/null
    export WAYLAND_DISPLAY=wayland-lvtriv
}

# shell_eval CODE: the value of CODE in the shell, as text.
shell_eval() {
    gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell --method org.gnome.Shell.Eval "$1" \
        2>/dev/null | sed -n "s/^(true, '\(.*\)')\$/\1/p" | sed 's/^"\(.*\)"$/\1/'
}

# shell_holds CODE: CODE is true in the shell.
shell_holds() { [ "$(shell_eval "$1")" = true ]; }

desktop_keys() {
    shell_eval "const { GLib } = imports.gi;
        for (const code of [$(echo "$*" | tr ' ' ',')]) for (const state of [1, 0])
            global.lvtrivKeys.notify_key(GLib.get_monotonic_time(), code, state);" >/dev/null
}

desktop_windows() {
    shell_eval 'global.get_window_actors().map(a => a.meta_window).reverse().map(w => {
        const r = w.get_frame_rect();
        return [w.get_title() || "(popup)", r.x, r.y, r.width, r.height, w.has_focus() ? 1 : 0, w.get_pid()].join("\\t");
        }).join("\\n")' | sed 's/\\\\t/\t/g; s/\\\\n/\n/g'
}

# desktop_close: closes the window holding the keyboard, as its close box does.
desktop_close() {
    shell_eval 'global.display.focus_window.delete(global.get_current_time())' >/dev/null
}

desktop_screenshot() {
    gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell/Screenshot \
        --method org.gnome.Shell.Screenshot.Screenshot false false "$1" >/dev/null
}

desktop_stop() {
    [ -z "${compositor:-}" ] || kill "$compositor" 2>/dev/null || true
    [ ! -s "$work/system-bus.pid" ] || kill "$(cat "$work/system-bus.pid")" 2>/dev/null || true
}

# desktop_launch N: the game starts as the shell's launcher starts it, with an
# activation token, the third game in a session named KDE, as some players'
# theming setting has it: the game follows the compositor, not the name.
desktop_launch() {
    echo gnome XDG_ACTIVATION_TOKEN="$(shell_eval 'global.create_app_launch_context(global.display.get_current_time_roundtrip(), -1)
        .get_startup_notify_id(Gio.AppInfo.create_from_commandline("lvtriv", "lvtriv",
            Gio.AppInfoCreateFlags.SUPPORTS_STARTUP_NOTIFICATION), [])')"
    [ "$1" -ne 3 ] || echo XDG_CURRENT_DESKTOP=KDE
}
