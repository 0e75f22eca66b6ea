"""X11: Xvfb at 1024x768 with openbox; keys through xdotool, windows from openbox's stacking list; no screenshots."""

import os
import re
import subprocess

from backend import Desktop, Window
from session import Failure, output, require, session_variables, succeeds, within


class X11(Desktop):
    scores = (14, 12, 10, 0)
    heavy = r"|_dri\.so$|/libLLVM[^/]*$"
    closes = rides = False

    def start(self) -> None:
        require("Xvfb", "openbox", "xdotool", "xprop", "xwininfo")
        os.environ["DISPLAY"] = ":" + self.session.start_answering(
            ["Xvfb", "-displayfd", "{fd}", "-screen", "0", "1024x768x24", "-nolisten", "tcp"], "xvfb", "Xvfb")
        # openbox's defaults, without the dialog an empty file would raise.
        config = self.session.work / "openbox.xml"
        config.write_text('<openbox_config xmlns="http://openbox.org/3.4/rc"/>\n')
        manager = self.session.start(["openbox", "--sm-disable", "--config-file", str(config)], "compositor")
        within(30, "openbox did not start", lambda: "# 0x" in output("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"),
               manager)

    def keys(self, codes: list[int]) -> None:
        # An X key code is the Linux one plus 8; xdotool takes a number that names no key symbol as a key code.
        if codes and not succeeds("xdotool", "key", *(str(code + 8) for code in codes)):
            raise Failure(f"cannot send keys {codes}")

    def switch(self) -> bool:
        if not succeeds("xdotool", "key", "alt+Tab"):
            raise Failure("cannot send Alt+Tab")
        return True

    def windows(self) -> list[Window]:
        active = re.findall(r"# (0x[0-9a-f]+)", output("xprop", "-root", "_NET_ACTIVE_WINDOW"))
        stacking = output("xprop", "-root", "_NET_CLIENT_LIST_STACKING").partition("#")[2]
        shown = []
        for id in reversed(re.findall(r"0x[0-9a-f]+", stacking)):
            caption = subprocess.run(["xdotool", "getwindowname", id], capture_output=True, text=True)
            extents = subprocess.run(["xprop", "-id", id, "_NET_FRAME_EXTENTS"], capture_output=True, text=True)
            geometry = subprocess.run(["xwininfo", "-id", id], capture_output=True, text=True)
            errors = extents.stderr + geometry.stderr
            # A window closed since the list was read is skipped; any other X error fails.
            if caption.returncode or re.search("BadWindow|Bad Drawable", errors):
                continue
            if errors:
                raise Failure(errors)
            left, right, top, bottom = map(int, re.findall(r"\d+", extents.stdout.partition("=")[2]) or [0] * 4)
            at = {key: int(value) for key, value in re.findall(r"(Absolute upper-left [XY]|Width|Height): +(-?\d+)",
                                                               geometry.stdout)}
            shown.append(Window(caption.stdout.rstrip("\n"), at["Absolute upper-left X"] - left,
                                at["Absolute upper-left Y"] - top, at["Width"] + left + right,
                                at["Height"] + top + bottom, id in active))
        return shown

    def window_class(self, caption: str) -> str | None:
        """The class half of the window's WM_CLASS."""
        id = output("xdotool", "search", "--limit", "1", "--name", f"^{re.escape(caption)}$").strip()
        return "".join(re.findall(r', "(.*)"$', output("xprop", "-id", id, "WM_CLASS").strip()))

    def launch(self, game: int) -> dict[str, str]:
        # As no desktop, then GNOME's, Xfce's and Cinnamon's X11 sessions start it (Qt would choose GTK's theme on
        # all three), in turn.
        return session_variables(("none", "gnome-xorg", "xfce", "cinnamon")[(game - 1) % 4])
