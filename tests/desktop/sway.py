"""Sway (1.7 or 1.10), the wlroots desktop, headless on one 1024x768 output, with its default rules (it tiles, and
answers an activation by marking the window urgent) and no Xwayland. Sway refuses to run as root: in a user
namespace of its own it passes that check. Keys go in through one virtual keyboard, typed by $KEY_CLIENTS/sway_keys;
windows come from its tree (its IPC's JSON), screenshots from grim."""

import json
import os
import select
import subprocess
from pathlib import Path
from typing import Any, Iterator

from backend import Desktop, Window, key_client
from session import Failure, output, require, session_variables, succeeds, within
from steps import BOARD, MAIN


def views(node: dict[str, Any]) -> Iterator[dict[str, Any]]:
    """The windows in NODE, however deep: floating ones above tiled ones, the last floated on top."""
    if node.get("type") in ("con", "floating_con") and node.get("pid"):
        yield node
    for child in [*reversed(node.get("floating_nodes") or []), *(node.get("nodes") or [])]:
        yield from views(child)


def popup(ppm: bytes) -> Window | None:
    """The score riding on a window, as a screenshot shows it: the one-colour region around the longest black rule
    shorter than a window (the score's line between its score and the number of questions)."""
    fields = ppm.split(maxsplit=4)
    width, height, pixels = int(fields[1]), int(fields[2]), fields[4]
    black = bytes(3)

    def at(x: int, y: int) -> bytes:
        return pixels[3 * (y * width + x):3 * (y * width + x) + 3]
    best: tuple[int, int, int] | None = None
    for y in range(2, height - 1):
        x = 0
        while x < width:
            start = x
            while x < width and at(x, y) == black:
                x += 1
            card = start > 0 and x < width and at(start - 1, y) == at(x, y) == at(start, y - 2) != black
            if card and 100 <= x - start < width // 2 and (not best or x - start > best[2] - best[0]):
                best = (start, y, x)
            x += x == start
    if not best:
        return None
    left, y, right = best
    colour = at(left, y - 2)

    def walk(x: int, y: int, dx: int, dy: int) -> int:
        while 0 <= x + dx < width and 0 <= y + dy < height and at(x + dx, y + dy) == colour:
            x, y = x + dx, y + dy
        return x if dx else y
    x0, x1 = walk(left, y - 2, -1, 0), walk(right - 1, y - 2, 1, 0)
    y0, y1 = walk(x0, y - 2, 0, -1), walk(x0, y - 2, 0, 1)
    return Window("(popup)", x0, y0, x1 - x0 + 1, y1 - y0 + 1, False)


class Sway(Desktop):
    heavy = r"|/libEGL_mesa|/wayland-decoration-client/"

    def start(self) -> None:
        require("sway", "swaymsg", "grim", "unshare")
        runtime = Path(os.environ["XDG_RUNTIME_DIR"])
        config = self.session.work / "sway.conf"
        config.write_text("xwayland disable\noutput HEADLESS-1 resolution 1024x768 position 0 0\n")
        sway = self.session.start(["unshare", "-U", "sway", "--config", str(config)], "compositor",
                                  env=os.environ | {"WLR_BACKENDS": "headless", "WLR_LIBINPUT_NO_DEVICES": "1",
                                                    "WLR_RENDERER": "pixman", "WAYLAND_DISPLAY": ""})
        within(30, "sway did not start", lambda: any(runtime.glob("sway-ipc.*.sock")), sway)
        os.environ["SWAYSOCK"] = str(next(runtime.glob("sway-ipc.*.sock")))
        within(30, "sway did not answer", lambda: succeeds("swaymsg", "-t", "get_version"), sway)
        os.environ["WAYLAND_DISPLAY"] = next(p.name for p in runtime.glob("wayland-*") if p.suffix != ".lock")
        # One keyboard for the whole session, fed a line of key codes at a time, answering each once the compositor
        # has taken its keys.
        self.keyboard = self.session.start([key_client("sway_keys")], "sway_keys",
                                           stdin=subprocess.PIPE, stdout=subprocess.PIPE)

    def keys(self, codes: list[int]) -> None:
        assert self.keyboard.stdin and self.keyboard.stdout
        self.keyboard.stdin.write(" ".join(map(str, codes)).encode() + b"\n")
        self.keyboard.stdin.flush()
        if not select.select([self.keyboard.stdout], [], [], 30)[0] or not self.keyboard.stdout.readline():
            raise Failure(f"cannot send keys {codes} ({self.session.log('sway_keys')})")

    def windows(self) -> list[Window]:
        tree = json.loads(output("swaymsg", "-t", "get_tree"))
        shown = [Window(view.get("name") or "", view["rect"]["x"], view["rect"]["y"], view["rect"]["width"],
                        view["rect"]["height"], bool(view.get("focused")), bool(view.get("urgent")))
                 for view in views(tree)]
        # Popups are in no list: the score is looked for in a screenshot, only while the board or the main window
        # has the keyboard, where the games look for it (a screenshot is slow).
        if any(window.keyboard and window.caption in (BOARD, MAIN) for window in shown):
            shot = subprocess.run(["grim", "-t", "ppm", "-"], capture_output=True, timeout=30).stdout
            card = popup(shot) if shot else None
            shown = [card, *shown] if card else shown
        return shown

    def screenshot(self, path: Path) -> bool:
        return succeeds("grim", str(path))

    def close(self) -> None:
        if not succeeds("swaymsg", "kill"):
            raise Failure("sway did not close the window")

    def launch(self, game: int) -> dict[str, str]:
        # As sway's exec starts it, with sway's socket in its environment and no desktop name.
        return session_variables("none")
