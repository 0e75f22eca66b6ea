#!/usr/bin/python3
"""Plays the game by keys on a desktop of its own, a game for each SCORE (the back end's when none is named) to its
end: grand prize, browser page, animation, or Sorry, Back, Help, Play again and the close boxes. Keys go in through
the desktop's own input, checks read its window list (backend.py) and the accessibility bus (a11y.py). Each check
fails with what the player would meet; with DESKTOP_ENTRY on X11, the window's class is checked against its
StartupWMClass.
Usage: play.py gnome|kwin|sway|x11 LVTRIV ANSWERS [SCORE...]"""

import contextlib
import glob
import os
import re
import signal
import subprocess
import sys
from pathlib import Path
from typing import Callable

from backend import Desktop, Window
from gnome import Gnome
from kwin import KWin
from session import Failure, Session, a11y, ended, require, within
from steps import BOARD, HELP, MAIN, SCORE_WINDOW, WARNING, Player, to_tally
from sway import Sway
from x11 import X11

DESKTOPS: dict[str, type[Desktop]] = {"gnome": Gnome, "kwin": KWin, "sway": Sway, "x11": X11}


class Game(Player):
    """The games of a session, each step checked on DESKTOP's window list."""

    def __init__(self, desktop: Desktop, program: str, answers: Path) -> None:
        super().__init__(answers)
        self.desktop, self.program = desktop, program
        self.shown: list[Window] = []
        self.process: subprocess.Popen[bytes] | None = None
        self.launches = self.first_peak = self.pid = 0
        self.log = desktop.session.work / "game.log"

    def keys(self, codes: list[int]) -> None:
        self.desktop.keys(codes)

    def until(self, what: str, test: Callable[[], bool], patience: int = 30) -> None:
        """Waits up to PATIENCE s for TEST to hold on the window list while the game runs, else fails: WHAT."""
        def listed() -> bool:
            self.shown = self.desktop.windows()
            urgent = [window.caption for window in self.shown if window.urgent]
            if urgent:  # which the game may not ask for
                raise Failure(f"{urgent[0]} is marked urgent")
            return test()
        within(patience, what, listed, self.process)

    def then(self, keys: str, caption: str, what: str) -> None:
        """Presses KEYS, then waits for the window CAPTION to hold the keyboard, else fails: WHAT."""
        self.key(*keys.split())
        self.until(what, self.keyboard_on(caption))

    def rows(self, caption: str) -> list[Window]:
        """The windows captioned CAPTION, compared as KWin shows captions: a run of blanks as one."""
        return [window for window in self.shown if re.sub(" +", " ", window.caption) == re.sub(" +", " ", caption)]

    def row(self, caption: str) -> Window | None:
        return next(iter(self.rows(caption)), None)

    def keyboard_on(self, caption: str) -> Callable[[], bool]:
        return lambda: any(window.keyboard for window in self.rows(caption))

    def over(self, box: str, owner: str) -> Callable[[], bool]:
        """BOX is above OWNER and overlaps it."""
        def test() -> bool:
            top, below = self.row(box), self.row(owner)
            return bool(top and below and self.shown.index(top) < self.shown.index(below)
                        and top.overlaps(below.x, below.y, below.width, below.height))
        return test

    def score(self) -> Window | None:
        """The score: a window of its own, or on Wayland the board's uncaptioned popup."""
        return self.row(SCORE_WINDOW) or self.row("(popup)")

    def score_alone(self) -> bool:
        """The board is gone, the score is up."""
        return not self.row(BOARD) and bool(self.score())

    def uncovered(self) -> bool:
        """The score on screen over none of the board's buttons and menu bar, which the accessibility bus lists; the
        board on screen, none cut. On X11 the score is a window the window manager stacks, maybe under the board."""
        card, board = self.score(), self.row(BOARD)
        if not card or not board:
            return False
        if self.shown.index(board) < self.shown.index(card):
            if self.desktop.rides:
                raise Failure("the score window is under the board")
            return True
        controls = [(role, [int(n) for n in place.split()]) for role, place in
                    (line.split("\t") for line in a11y("window", self.pid, BOARD).splitlines())]
        if not any(role == "push button" for role, _ in controls):
            raise Failure("the accessibility bus lists no board with a push button")
        for shown, name in ((card, "the score window"), (board, "the board")):
            if not shown.on_screen():
                raise Failure(f"{name} is off the screen")
        # The board's controls from the window's inside, its frame's border even all round.
        width, height = controls[0][1][2:]
        border = (board.width - width) // 2
        left, top = board.x + border, board.y + board.height - border - height
        for role, (x, y, w, h) in controls[1:]:
            if role not in ("push button", "menu bar"):
                continue
            if x < 0 or y < 0 or x + w > width or y + h > height:
                raise Failure("the board cuts a control")
            if card.overlaps(left + x, top + y, w, h):
                raise Failure(f"the score window covers the board at {left + x},{top + y}")
        return True

    def window(self, caption: str) -> None:
        """CAPTION has the keyboard, and a window's role on the accessibility bus, as a screen reader says."""
        self.then("", caption, f"{caption} did not come up with the keyboard")
        role = a11y("role", self.pid, caption).strip()
        if role not in ("frame", "dialog", "window"):
            raise Failure(f'{caption} is a "{role}" on the accessibility bus, not a window')

    def warning(self) -> None:
        self.then("", WARNING, "Play's warning did not come up")
        self.until("Play's warning is not on top over the main window", self.over(WARNING, MAIN))

    def board(self) -> None:
        # It takes the first key typed once it has the keyboard, as a player types it.
        self.then("", BOARD, "the keyboard is not on the board after Play")

    def verdict(self, n: int) -> None:
        self.then("", "Message", f"question {n}'s verdict did not come up with the keyboard")
        self.until(f"question {n}'s verdict is not on top over its window", self.over("Message", f"Question {n}"))

    def judged(self, n: int, right: bool) -> None:
        self.then("", BOARD, f"the keyboard is not back on the board after question {n}'s verdict")
        if n == 1:
            self.until("the score window is not up beside the board", self.uncovered)
            # A window of its own on X11, which a screen reader meets as a dialog.
            if not self.desktop.rides and a11y("role", self.pid, SCORE_WINDOW).strip() != "dialog":
                raise Failure("the score window is not a dialog on the accessibility bus")

    def started_well(self) -> None:
        """With its main window up, the game has loaded no web engine, image plugin, GTK (whose Qt theme Debian
        installs), nor what the desktop makes needless (Desktop.heavy); where the desktop draws no title bars, Qt's. It
        is one application on the accessibility bus, and its peak is within 1.10x of the first game's."""
        maps = Path(f"/proc/{self.pid}/maps").read_text()
        if "/libQt6Widgets" not in maps:
            raise Failure("the game's memory map could not be read")
        if not glob.glob("/usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so"):
            raise Failure("Qt's GTK platform theme is missing")
        # Qt's decoration plugin: bradient, or from Qt 6.8 on GNOME, adwaita.
        if self.desktop.own_title_bars and "/wayland-decoration-client/" not in maps:
            raise Failure("the game drew no title bars of its own")
        heavy = re.compile(r"/libQt6WebEngine[^/]*$|/imageformats/|/libgtk-3[^/]*$|/libatk-bridge[^/]*$"
                           + self.desktop.heavy)
        loaded = sorted({line.split()[5] for line in maps.splitlines() if len(line.split()) > 5})
        if any(heavy.search(path) for path in loaded):
            print(*(path for path in loaded if heavy.search(path)), sep="\n", file=sys.stderr)
            raise Failure("the game loaded at start what its first window does not use")
        a11y("alone", self.pid)
        status = Path(f"/proc/{self.pid}/status").read_text()
        peak = int(re.findall(r"VmHWM:\s+(\d+)", status)[0])
        self.first_peak = self.first_peak or peak
        if peak * 10 > self.first_peak * 11:
            raise Failure(f"peak memory at start {peak // 1024} MiB, above 1.10x the first game's "
                          f"{self.first_peak // 1024} MiB")

    def start(self) -> None:
        """Starts the game as the desktop's launcher does, and waits for its main window."""
        self.launches += 1
        with open(self.log, "wb") as log:
            self.process = subprocess.Popen([self.program], stdin=subprocess.DEVNULL, stdout=log,
                                            stderr=subprocess.STDOUT, env=self.desktop.launch(self.launches))
        self.pid = self.process.pid
        self.then("", MAIN, "the main window did not come up with the keyboard")
        entry = os.environ.get("DESKTOP_ENTRY")
        wanted = re.findall(r"^StartupWMClass=(.*)$", Path(entry).read_text(), re.M) if entry else []
        found = self.desktop.window_class(MAIN) if entry else None
        if entry and found is not None and (not wanted or found != wanted[0]):
            raise Failure(f'the main window\'s class is "{found}", {entry} says "{"".join(wanted)}"')
        self.started_well()
        self.key("Tab")  # from Help to About

    def ends(self, at: str, killed: bool = False) -> None:
        """The game ends at AT (KILLED: by our kill), status 0, printing nothing but, as root, the sandbox's word."""
        assert self.process
        ended(self.process, f"the game (at {at})", killed)
        printed = [line for line in self.log.read_text(errors="replace").splitlines() if os.getuid() != 0 or not (
            line.startswith("lvtriv: running as root, so ") or line == "Sandboxing disabled by user.")]
        if printed:
            raise Failure(f"the game printed something: {printed[0]}")
        self.process = None


# The prizes that end a game at their QUIT, by the number right: the window, the keys from its focus to QUIT, and
# what the game says.
PRIZES = {14: ("Lumen Vesper Lumen Comets game for the SFC", ("Tab", "space"), "the grand prize"),
          11: ("Animation Prize", ("space",), "the animation"), 10: ("Animation Prize", ("space",), "the animation")}


def sorry(game: Game) -> None:
    """From the tally's Sorry: Back; Help by F1, and again from the main window by Alt+Tab where the desktop offers
    it; then Play again and the close boxes (the board's leaves the score, a window of its own, last up), or QUIT."""
    game.then("", "Sorry", "the tally's answer did not come up")
    game.then("Return", BOARD, "the keyboard is not back on the board after the tally")
    # From the tally button round to Back, past the fourteen questions.
    game.then("Tab " * 15 + "space", MAIN, "Back did not give the keyboard to the main window")
    game.then("F1", "Follow the rules", "Help's reminder did not come up")
    game.key("Return")
    game.window(HELP)
    if game.desktop.switch():
        game.then("", MAIN, "Alt+Tab did not give the main window the keyboard")
        game.then("F1", HELP, "Help asked for again did not come up with the keyboard")
    game.then("space", MAIN, "the keyboard is not back on the main window after Help")
    game.until("the score is not up after Help", game.score_alone)
    if not game.desktop.closes:
        game.key("Tab", "space")
        return game.ends("the main window's QUIT")
    game.then("space", WARNING, "Play's warning did not come up again")
    game.then("Return", BOARD, "the keyboard is not on the board after Play again")
    game.desktop.close()
    game.until("the board's close box took the score window with it", game.score_alone)
    game.then("", MAIN, "the keyboard is not on the main window after the board's close box")
    game.desktop.close()
    game.then("", SCORE_WINDOW, "the main window's close box left no score window to close")
    game.desktop.close()
    game.ends("the last window's close box")


def play(game: Game, right: int) -> str:
    """Plays a game, the first RIGHT questions right, to its end; says which."""
    game.start()
    to_tally(game, right)
    if right >= 10:
        game.then("", "Way to go!", "the award did not come up")
        game.key("Return")
    if right in PRIZES:
        caption, keys, prize = PRIZES[right]
        game.window(caption)
        game.key(*keys)
        game.ends(f"{prize}'s QUIT")
        return f"{right} right, {prize}"
    if right >= 12:
        # The engine starts with the first page: slow on a loaded machine.
        game.until("the browser prize showed no page", lambda: bool(game.row("Lumen Vesper Manga Summaries")), 120)
        game.ends("the browser prize's page", killed=True)
        return f"{right} right, the browser prize's page"
    sorry(game)
    return f"{right} right"


def report(name: str, failure: Failure, game: Game) -> None:
    """The failure, the windows as they stand, where a running game waits, the logs, a screenshot."""
    print(f"{name}: {failure}", file=sys.stderr)
    if game.process and game.process.poll() is None:
        with contextlib.suppress(Failure):
            game.shown = game.desktop.windows()
        subprocess.run(f"timeout 60 gdb -p {game.pid} -batch -ex 'bt 25' 2>/dev/null | grep '^#' >&2", shell=True)
    if game.shown:
        print("--- windows, top first:", *game.shown, sep="\n", file=sys.stderr)
    for log in ("compositor", "game"):
        if game.desktop.session.log(log):
            print(f"--- the {log}'s output:", game.desktop.session.log(log), sep="\n", file=sys.stderr)
    with contextlib.suppress(Failure, OSError, subprocess.SubprocessError):
        game.desktop.screenshot(Path(os.environ.get("TMPDIR", "/tmp")) / f"lvtriv-{name}-failed.png")


def main(name: str, program: str, answers: str, *scores: str) -> int:
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))  # ends the session as the test's time runs out
    session = Session()
    game = Game(DESKTOPS[name](session), program, Path(answers))
    try:
        require("dbus-daemon", "gdbus", "/usr/libexec/at-spi-bus-launcher")
        session.start_buses()
        game.desktop.start()
        session.enable_accessibility()
        for right in map(int, scores) if scores else game.desktop.scores:
            print(f"{name}: {play(game, right)}", flush=True)
        return 0
    except Failure as failure:
        report(name, failure, game)
        return 1
    finally:
        if game.process:
            game.process.kill()
            game.process.wait()
        session.end()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
