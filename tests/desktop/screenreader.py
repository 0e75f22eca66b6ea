#!/usr/bin/python3
"""What a blind player hears: whole games by keys under Orca, on an X server and buses of its own (x11.py), each
step awaiting what Orca's transcript says ("SPEECH OUTPUT: '...'" lines), never a fixed time. Fourteen right, twelve
and ten. Each game has an Orca of its own, started first; the first two games find it by the accessibility bus, as a
player's do, the third by Qt's variable.
Usage: screenreader.py LVTRIV ANSWERS"""

import os
import re
import shutil
import signal
import sys
import time
from pathlib import Path

from session import Failure, Process, Session, a11y, a11y_status, ended, output, require, session_variables, within
from steps import BOARD, KEYS, MAIN, Player, to_tally
from x11 import X11

Heard = list[tuple[str, str]]
# Orca's own settings: the transcript written line by line, no key echo, no braille display to look for.
SETTINGS = """import orca.debug, orca.settings
orca.debug.debugFile.reconfigure(line_buffering=True)
orca.debug.debugLevel = orca.debug.LEVEL_INFO
orca.settings.enableKeyEcho = orca.settings.enableEchoByCharacter = orca.settings.enableEchoByWord = False
orca.settings.enableBraille = False
"""
# What a game says of the grand prize and the About box: a key (or none, or "also": in what was said last) and what
# Orca then says.
HELP_AND_ABOUT = [("space", "Make sure you follow these rules explcitily!"), ("", "OK push button"),
                  ("Return", "Lumen Vesper Quiz Help"), ("", "OK push button"), ("space", "Help push button"),
                  ("Tab", "About push button"), ("space", "About lvtriv dialog"), ("also", "Version 3.0.0"),
                  ("Return", "About push button")]
GRAND_PRIZE = [("", "Lumen Vesper Lumen Comets game for the SFC dialog"),
               ("", "https://files.example.org/lumen-comets-sfc.zip"),
               ("", "https://mirror.example.net/lumen-comets-sfc.zip"), ("Tab", "QUIT push button")]
ANIMATION = [("", "Animation Prize dialog"), ("also", "Slide show of a toy robot"), ("", "QUIT push button")]
VOLUMES = [("Tab", "Volume 1: The Star That Answered link"), ("", "a schoolgirl finds an owl"),
           ("Tab", "Volume 2: Blue Tide link"), ("", "the second guardian"),
           ("Tab", "Volume 3: Ember Shrine link"), ("", "a fire at the old shrine")]
# A control spoken by its kind alone, without its name.
NAMELESS = re.compile(r"(push button|text|filler|panel|frame|dialog|label|image|alert)\.?")


def utterances(transcript: str) -> list[str]:
    """The transcript's utterances, one a line, without the rest of Orca's log (Orca indents the further lines of an
    utterance that has line breaks; Orca 48 puts a blank before the utterance's settings, and calls a push button a
    "button.")."""
    spoken = (re.fullmatch(r".*SPEECH OUTPUT: '(.*)'( voice=[a-z]*)? ?\{.*", re.sub("\n {18}", " ", block))
              for block in re.findall(r"^.*SPEECH OUTPUT: '.*(?:\n {18}.*)*", transcript, re.M))
    return [re.sub(r"^(.* )?button\.$", r"\1push button.", said[1]) if not said[1].endswith("push button.")
            else said[1] for said in spoken if said]


class Listener(Player):
    """A blind player, who types wrong answers too and hears each step."""
    types_wrong = True

    def __init__(self, session: Session, display: X11, program: str, answers: Path) -> None:
        super().__init__(answers)
        self.session, self.display, self.program = session, display, program
        self.games = self.seen = self.line = self.run_start = self.opened = self.score = self.read = 0
        self.orca: Process | None = None
        self.game: Process | None = None
        self.transcript = session.work / "orca-0.log"
        self.utterances: list[str] = []

    def heard(self) -> list[str]:
        """What Orca has said this game, its log read on from where it was, up to the last record begun."""
        new = self.transcript.read_bytes()[self.read:] if self.transcript.exists() else b""
        done = [end.start() for end in re.finditer(rb"\n(?=[^ ])", new)]
        if done:
            self.utterances += utterances(new[:done[-1]].decode(errors="replace"))
            self.read += done[-1]
        return self.utterances

    def said(self, text: str, seconds: int = 30, other: str = "") -> None:
        """Waits up to SECONDS for Orca to say a line holding TEXT (or OTHER) after the last one awaited."""
        def found() -> bool:
            self.line = next((n for n, line in enumerate(self.heard()[self.seen:], self.seen + 1)
                              if text in line or (other or text) in line), 0)
            return bool(self.line)
        within(seconds, f'Orca did not say "{text}"', found, self.orca)
        self.seen = self.line

    def last_heard(self) -> str:
        return self.heard()[self.seen - 1]

    def hear(self, steps: Heard) -> None:
        """Each step's key pressed, then what Orca says; or, "also", what the utterance awaited last holds too."""
        for key, text in steps:
            if key == "also" and text not in self.last_heard():
                raise Failure(f'Orca did not say "{text}" there: {self.last_heard()}')
            if key in KEYS:
                self.key(key)
            if key != "also":
                self.said(text)

    def keys(self, codes: list[int]) -> None:
        # Keys come as a player's do, once Orca has caught up with the game: Orca 48 handles a key after the events
        # queued before it, so a key pressed while it lags is taken for the window it brings, and a box's old caret
        # event for the box that Tab focuses, which then goes unspoken. Orca is idle once its log stands still for a
        # moment.
        def stands_still() -> bool:
            size = self.transcript.stat().st_size
            time.sleep(0.2)
            return self.transcript.stat().st_size == size
        within(10, "Orca never caught up with the game", stands_still, self.orca)
        self.display.keys(codes)

    def start_orca(self) -> None:
        """A new Orca for each game, its transcript a new one. Orca 48 keeps what it learnt of an object for a
        minute, by the address of its own record of it, and a new game's objects soon take over those addresses: a
        box would be read with a label of the last game's."""
        if self.orca:
            self.session.stop(self.orca)
        self.games += 1
        self.seen = self.read = 0
        self.utterances = []
        self.transcript = self.session.work / f"orca-{self.games}.log"
        self.orca = self.session.start(["orca", f"--debug-file={self.transcript}"], "orca")
        # Orca is up once it has greeted. Qt reads the accessibility bus's state once, when it finds the bus, and
        # turns its accessibility on when the bus reports a screen reader (ScreenReaderEnabled, which the desktop's
        # screen-reader switch sets) or accessibility on (IsEnabled, which Orca sets as it starts): a game started
        # before that stays silent.
        self.said("Screen reader on")
        on = ("ScreenReaderEnabled", "IsEnabled")
        within(30, "the accessibility bus never reported a screen reader",
               lambda: any("true" in output(*a11y_status("Get", status)) for status in on), self.orca)

    def start_game(self, forced: bool = False) -> None:
        """Starts the game with Orca up, to its main window; FORCED: Qt's accessibility on by its variable."""
        self.start_orca()
        self.run_start = self.seen
        variables = os.environ | {"QT_QPA_PLATFORM": "xcb"}
        self.game = self.session.start([self.program], "game",
                                       env=variables | ({"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"} if forced else {}))
        self.said(f"{MAIN} frame")
        self.said("Help push button")
        a11y("alone", self.game.pid)

    def heard_well(self) -> None:
        """Since the game started, nothing was said twice in a row, and no control by its kind alone."""
        heard = self.heard()[self.run_start:self.seen]
        twice = [line for line, next in zip(heard, heard[1:]) if line == next]
        if twice:
            raise Failure(f"said twice in a row: {twice[0]}")
        if any(NAMELESS.fullmatch(line) for line in heard):
            raise Failure("a control was spoken without its name")

    def read_a_while(self) -> None:
        """A player's pause. Orca 48 keeps what it made of each control for up to 2 s ("GENERATOR: Clearing cache."
        in its log), so a control heard again sooner is heard as it was: where this Orca keeps such a cache, the
        game goes on after its next clearing. The whole log is counted: heard() holds back the last record, which
        the clearing may be while Orca is idle."""
        def clearings() -> int:
            return self.transcript.read_bytes().count(b"GENERATOR: Clearing cache")
        before = clearings()
        if before:
            within(10, "Orca did not clear what it had heard", lambda: clearings() > before, self.orca)

    # What Orca says of each step of a game (steps.py). At a verdict, the verdict is spoken, and the question's
    # prompt was spoken once, with its window; after a right answer Orca says the new score.
    def button(self, name: str) -> None:
        self.said(f"{name} push button")

    def window(self, caption: str) -> None:
        self.said(f"{caption} dialog")
        self.opened = self.seen

    def warning(self) -> None:
        for text in ("Danger, Dud Ozezodiz!  Danger!", "Keep your hands on the keyboard at all times.",
                     "OK push button"):
            self.said(text)

    def board(self) -> None:
        # Return opens the board as it goes down. Orca 48 takes the window that is active at the key's release for
        # its own, and then names no role as the window's activation comes: the board is heard by its name.
        self.said(BOARD)
        self.score = 0

    def box(self) -> None:
        self.said(" text.")

    def verdict(self, n: int) -> None:
        self.said("alert Message")
        verdict = self.seen
        self.said("OK push button")
        spoken = self.heard()[verdict - 1:self.seen - 1]
        spoken[0] = re.sub(r"^.*alert Message\.? *", "", spoken[0])
        if not any(spoken):
            raise Failure(f"question {n}'s verdict was not spoken")
        self.spoken_once(n, verdict)
        self.read_a_while()

    def spoken_once(self, n: int, verdict: int) -> None:
        """Question N's prompt was said once, with its window, up to VERDICT; no box's name with it too."""
        heard = self.heard()
        window = re.sub(f"^.*Question {n} dialog *", "", heard[self.opened - 1])
        prompt = window[:40]
        if not prompt:
            raise Failure(f"question {n}'s window was announced without its prompt")
        times = sum(prompt in line for line in heard[self.opened - 1:verdict])
        if times != 1:
            raise Failure(f"question {n}'s prompt was spoken {times} times while its window was filled")
        for line in heard[self.opened:verdict]:
            name = re.match(r"(.*) text\.", line)
            if name and name[1] in window:
                raise Failure(f'question {n}\'s label "{name[1]}" was spoken with its window and at its box')

    def judged(self, n: int, right: bool) -> None:
        self.said(f"Question {n} push button")
        if right:
            self.score += 1
            self.said(f"Score: {self.score} of 14")

    def tally(self) -> None:
        self.said("questions right!")
        self.said("OK push button")

    def browser_prize(self) -> None:
        """Twelve right: the browser prize, its page read by keys. The caption is "Working..." while the page loads,
        then the page's title; Orca names the window by the one it finds (Orca 48 without its role, as at the
        board). The page's heading takes the focus as it loads, so the page is heard without a key: Orca 43 names
        the document and the heading by the page's title; Orca 48 reads a heading by its text, which the engine
        gives Qt's accessibility as a child of its own, and so says only "heading" and the guide that describes it.
        On a loaded machine the engine's start holds the program for a while, and Orca's questions to it wait."""
        self.said("Lumen Vesper Manga Summaries", 180, "Working...")
        self.said("document web", 90)
        self.said("heading")
        if "A fan's guide to the comics" not in self.last_heard():
            self.said("A fan's guide to the comics")
        self.hear(VOLUMES)
        self.key("Tab")
        before = self.seen
        self.said("editable combo box")
        if not self.last_heard().startswith("Address: "):
            raise Failure(f"the address box was not heard by its label: {self.last_heard()}")
        if any("qrc:/manga/" in line for line in self.heard()[before:self.seen - 1]):
            raise Failure("the address box's address was heard before its name")
        self.heard_well()


# The games: whether Qt's accessibility is forced on, what is heard from Help to About, the number right, and
# what is heard of the prize (none: the browser prize's page, read by keys) before its QUIT.
GAMES: list[tuple[bool, Heard, int, Heard, str]] = [
    (False, HELP_AND_ABOUT, 14, GRAND_PRIZE, "fourteen right: the grand prize heard whole"),
    (False, [("Tab", "About push button")], 12, [], "twelve right: the browser prize's page heard"),
    (True, [("Tab", "About push button")], 10, ANIMATION, "ten right: the animation heard")]


def main(program: str, answers: str) -> int:
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    session = Session()
    # No dconf service: settings live in each process's memory. A player's game finds Orca by the accessibility bus
    # alone, in a desktop's session: GNOME's on X11, where Qt would choose GTK's platform theme.
    os.environ.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
    os.environ.update(session_variables("gnome-xorg"), GSETTINGS_BACKEND="memory")
    player = Listener(session, X11(session), program, Path(answers))
    try:
        require("orca", "dbus-daemon", "gdbus", "/usr/libexec/at-spi-bus-launcher")
        player.display.start()
        session.start_buses()
        (Path(os.environ["XDG_DATA_HOME"]) / "orca").mkdir(parents=True)
        (Path(os.environ["XDG_DATA_HOME"]) / "orca/orca-customizations.py").write_text(SETTINGS)
        for forced, about, right, prize, heard in GAMES:
            player.start_game(forced)
            player.hear(about)
            to_tally(player, right)
            player.key("Return")
            if prize:
                player.hear(prize)
                player.heard_well()
                player.key("space")  # the prize's QUIT ends the program
            else:
                player.browser_prize()
            assert player.game
            ended(player.game, "the program", killed=not prize)
            print(heard, flush=True)
        return 0
    except Failure as failure:
        print(f"screenreader: {failure}", file=sys.stderr)
        if player.heard():
            print("--- what Orca said last:", *player.heard()[-30:], sep="\n", file=sys.stderr)
            kept = shutil.copy(player.transcript, f"{os.environ.get('TMPDIR', '/tmp')}/screenreader-transcript.log")
            print(f"--- Orca's whole log: {kept}", file=sys.stderr)
        print("--- the game's output:", session.log("game"), sep="\n", file=sys.stderr)
        return 1
    finally:
        session.end()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
