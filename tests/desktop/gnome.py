"""GNOME Shell (43 or 48) as a Wayland desktop of its own: a headless gnome-shell with one 1024x768 monitor.
Everything read or sent goes through Shell.Eval, which an extension in the format of the shell's version opens
(unsafe mode): keys through a virtual keyboard of the compositor's own seat, the windows from its stacking order,
screenshots."""

import ast
import json
import os
import re
import subprocess
from pathlib import Path
from typing import Any

from backend import Desktop, Window
from session import Failure, gdbus, output, require, session_variables, within

UUID = "unsafe@lvtriv.example.org"


class Gnome(Desktop):
    own_title_bars = True

    def start(self) -> None:
        require("gnome-shell", "gsettings", "gdbus")
        folder = Path(os.environ["XDG_DATA_HOME"]) / "gnome-shell/extensions" / UUID
        folder.mkdir(parents=True)
        version = int(re.findall(r"\d+", output("gnome-shell", "--version"))[0])
        (folder / "metadata.json").write_text(json.dumps(
            {"uuid": UUID, "name": "unsafe", "description": "tests", "shell-version": [str(version)]}))
        # GNOME 45 and later load only extensions that are ES modules.
        (folder / "extension.js").write_text(
            "export default class { enable() { global.context.unsafe_mode = true; } disable() {} }" if version >= 45
            else "function init() { return { enable() { global.context.unsafe_mode = true; }, disable() {} }; }")
        output("gsettings", "set", "org.gnome.shell", "enabled-extensions", f"['{UUID}']")
        # gnome-shell ends at once without a system bus to ask for logind: a second session bus stands in.
        system_bus = self.session.start_answering(
            ["dbus-daemon", "--session", "--nofork", "--print-address={fd}"], "system-bus", "the system bus")
        shell = self.session.start(["gnome-shell", "--headless", "--wayland", "--no-x11", "--virtual-monitor",
                                    "1024x768", "--wayland-display=wayland-lvtriv"], "compositor",
                                   env=os.environ | {"DBUS_SYSTEM_BUS_ADDRESS": system_bus})
        within(30, "gnome-shell did not start", lambda: self.eval("global.context.unsafe_mode") is True, shell)
        # It starts in the overview, once its start-up animation has run.
        within(30, "gnome-shell's overview did not close", lambda: self.eval(
            "Main.layoutManager._startingUp || Main.overview.hide(); "
            "!Main.layoutManager._startingUp && !Main.overview.visible && Main.modalCount === 0") is True, shell)
        # The keyboard that keys() types on.
        self.eval("global.lvtrivKeys = imports.gi.Clutter.get_default_backend().get_default_seat()"
                  ".create_virtual_device(imports.gi.Clutter.InputDeviceType.KEYBOARD_DEVICE); true")
        os.environ["WAYLAND_DISPLAY"] = "wayland-lvtriv"

    def eval(self, code: str) -> Any:
        """CODE's value in the shell, or None where it has none or fails (as before the shell is up)."""
        answer = subprocess.run(gdbus("org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell.Eval", code),
                                capture_output=True, text=True, timeout=30).stdout.strip()
        value = re.fullmatch(r"\(true, (.*)\)", answer)
        text = ast.literal_eval(value[1]) if value else ""
        return json.loads(text) if text else None

    def keys(self, codes: list[int]) -> None:
        self.eval(f"for (const code of {codes}) for (const state of [1, 0]) "
                  "global.lvtrivKeys.notify_key(imports.gi.GLib.get_monotonic_time(), code, state);")

    def windows(self) -> list[Window]:
        return [Window(*row) for row in self.eval(
            "global.get_window_actors().map(a => a.meta_window).reverse().map(w => { const r = w.get_frame_rect(); "
            "return [w.get_title() || '(popup)', r.x, r.y, r.width, r.height, w.has_focus()]; })") or []]

    def close(self) -> None:
        self.eval("global.display.focus_window.delete(global.get_current_time())")

    def screenshot(self, path: Path) -> bool:
        output(*gdbus("org.gnome.Shell", "/org/gnome/Shell/Screenshot", "org.gnome.Shell.Screenshot.Screenshot",
                      "false", "false", str(path)))
        return True

    def launch(self, game: int) -> dict[str, str]:
        # As the shell's launcher starts it, with an activation token; the third game in a session named KDE, as
        # some players' theming setting has it: the game follows the compositor, not the name.
        token = self.eval("global.create_app_launch_context(global.display.get_current_time_roundtrip(), -1)"
                          ".get_startup_notify_id(Gio.AppInfo.create_from_commandline('lvtriv', 'lvtriv', "
                          "Gio.AppInfoCreateFlags.SUPPORTS_STARTUP_NOTIFICATION), [])")
        if not token:
            raise Failure("gnome-shell gave no activation token")
        variables = session_variables("gnome") | {"XDG_ACTIVATION_TOKEN": token}
        return variables | {"XDG_CURRENT_DESKTOP": "KDE"} if game == 3 else variables
