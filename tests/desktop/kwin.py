"""KWin (5.27 or 6) on a virtual 1024x768 output, no Xwayland. Keys go in through KWin's fake input protocol, typed
by $KEY_CLIENTS/kwin_keys; windows come from KWin's scripting, screenshots over D-Bus."""

import os
import re
import shutil
from pathlib import Path

from backend import Desktop, Window, key_client
from session import Failure, gdbus, output, require, session_variables, succeeds, within


def call(path: str, method: str, *arguments: str) -> list[str]:
    """A call of KWin's METHOD on PATH, over D-Bus."""
    return gdbus("org.kde.KWin", path, method, *arguments)


class KWin(Desktop):
    heavy = r"|/libEGL_mesa|/wayland-decoration-client/"
    scripts = 0

    def start(self) -> None:
        require("gdbus", "kwin_wayland")
        self.key_client = key_client("kwin_keys")
        # The installed binary carries a file capability that containers refuse to exec; a copy has none.
        kwin = shutil.copy(shutil.which("kwin_wayland") or "", self.session.work)
        # A config folder of its own keeps KWin from reading or writing the user's.
        self.log = self.session.work / "compositor.log"
        compositor = self.session.start(
            [kwin, "--virtual", "--width", "1024", "--height", "768", "--socket", "lvtriv-kwin", "--no-lockscreen",
             "--no-global-shortcuts", "--no-kactivities"], "compositor",
            env=os.environ | {"XDG_CONFIG_HOME": str(self.session.work / "kwin-config"), "WAYLAND_DISPLAY": "",
                              "DISPLAY": "", "KWIN_WAYLAND_NO_PERMISSION_CHECKS": "1",
                              "KWIN_SCREENSHOT_NO_PERMISSION_CHECKS": "1"})
        os.environ["WAYLAND_DISPLAY"] = "lvtriv-kwin"
        # Ready once the key client finds fake input, and scripting answers.
        within(30, "KWin did not start", lambda: succeeds(self.key_client) and succeeds(
            *call("/Scripting", "org.freedesktop.DBus.Peer.Ping")), compositor)

    def keys(self, codes: list[int]) -> None:
        if not succeeds(self.key_client, *map(str, codes)):
            raise Failure(f"cannot send keys {codes}")

    def script(self, code: str) -> list[str]:
        """Runs CODE in KWin's scripting: the lines of its array `lines`, printed to KWin's log between markers."""
        self.scripts += 1
        marker = f"lvtriv-script-{self.scripts}"
        path = self.session.work / "script.js"
        path.write_text(f'{code}\nprint(["{marker} begin"].concat(lines, ["{marker} end"]).join("\\n"));\n')
        id = re.sub(r"[^0-9-]", "", output(*call("/Scripting", "org.kde.kwin.Scripting.loadScript", str(path), marker)))
        if not id or id.startswith("-"):
            raise Failure("KWin did not load the script")
        # KWin 6 names a loaded script /Scripting/Script<id>, KWin 5 /<id>.
        if not succeeds(*call(f"/Scripting/Script{id}", "org.kde.kwin.Script.run")):
            output(*call(f"/{id}", "org.kde.kwin.Script.run"))
        within(10, "the script printed nothing", lambda: f"\n{marker} end\n" in self.log.read_text(errors="replace"))
        output(*call("/Scripting", "org.kde.kwin.Scripting.unloadScript", marker))
        printed = "\n" + self.log.read_text(errors="replace").split(f"\njs: {marker} begin\n", 1)[1]
        return printed.split(f"\n{marker} end\n", 1)[0].split("\n")

    def windows(self) -> list[Window]:
        # KWin 6 calls the windows' list windowList and the active one activeWindow.
        lines = self.script(
            "var lines = (workspace.windowList ? workspace.windowList() : workspace.clientList())"
            ".filter(function (w) { return (w.normalWindow || w.dialog || w.popupWindow) && !w.minimized; })"
            ".sort(function (a, b) { return b.stackingOrder - a.stackingOrder; }).map(function (w) {"
            " var g = w.frameGeometry;"  # at a fraction of a pixel on KWin 6
            ' return [w.caption || "(popup)"].concat([g.x, g.y, g.width, g.height].map(Math.round), w.active ? 1 : 0)'
            '.join("\\t"); });')
        rows = [line.split("\t") for line in lines if line]
        return [Window(caption, int(x), int(y), int(width), int(height), active == "1")
                for caption, x, y, width, height, active in rows]

    def close(self) -> None:
        self.script("(workspace.activeWindow || workspace.activeClient).closeWindow(); var lines = [];")

    def screenshot(self, path: Path) -> bool:
        # Its older screenshot interface (KWin 5) saves a PNG, and answers its name.
        shot = output(*call("/Screenshot", "org.kde.kwin.Screenshot.screenshotFullscreen", "false")).split("'")[1::2]
        return bool(shot) and shutil.move(shot[0], path) is not None

    def launch(self, game: int) -> dict[str, str]:
        # As Plasma starts it, but the third time as a KWin session without Plasma's name would: the game follows
        # what KWin offers, not the name.
        return session_variables("none" if game == 3 else "plasmawayland")
