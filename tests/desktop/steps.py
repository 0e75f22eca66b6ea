"""The steps of a game by keys, written once for every player that checks them: the desktop games (play.py) and the
game heard under a screen reader (screenreader.py). A player presses keys and meets something after each step; what
it meets is the player's to check."""

from abc import ABC, abstractmethod
from pathlib import Path

from session import Failure

MAIN, BOARD, HELP, SCORE_WINDOW = "Lumen Vesper Quiz v3.0", "The Quiz!", "Lumen Vesper Quiz Help", "Score Window"
WARNING = "Danger, Dud Ozezodiz!  Danger!"

# Linux key codes of the keys pressed and of the characters typed.
KEYS = {"Tab": 15, "space": 57, "F1": 59, "Return": 28}
CHARACTERS = {" ": 57, ".": 52, ",": 51, "/": 53, ";": 39} | {
    c: code for row, first in (("1234567890", 2), ("qwertyuiop", 16), ("asdfghjkl", 30), ("zxcvbnm", 44))
    for code, c in enumerate(row, first)}


def answer(answers: Path, question: int, verdict: str) -> list[str]:
    """The boxes of QUESTION's first VERDICT line in the players' answers."""
    for line in answers.read_text().splitlines():
        fields = [field.strip() for field in line.split("|")]
        if fields[0] == f"{question} {verdict}":
            return fields[2:]
    raise Failure(f"no {verdict} answer to question {question} in {answers}")


class Player(ABC):
    """Plays by keys with the players' ANSWERS; meets nothing worth a check unless it says so."""
    # Whether wrong answers are typed, or their boxes left empty.
    types_wrong = False

    def __init__(self, answers: Path) -> None:
        self.answers = answers

    @abstractmethod
    def keys(self, codes: list[int]) -> None:
        """Presses and releases each Linux key code in turn."""

    def key(self, *names: str) -> None:
        self.keys([KEYS[name] for name in names])

    def type(self, text: str) -> None:
        self.keys([CHARACTERS[c] for c in text.lower()])

    # What the player meets after each step, to check: the button NAME with the focus, the window CAPTION come up
    # with the keyboard, Play's warning, the board with the keyboard, a question's next box with the focus, the
    # question's verdict, the keyboard back on the board after it, and the tally's answer.
    def button(self, name: str) -> None: ...
    def window(self, caption: str) -> None: ...
    def warning(self) -> None: ...
    def board(self) -> None: ...
    def box(self) -> None: ...
    def verdict(self, question: int) -> None: ...
    def judged(self, question: int, right: bool) -> None: ...
    def tally(self) -> None: ...


def question(player: Player, n: int, right: bool) -> None:
    """From button N - 1, answers question N with the players' first right (or wrong) answer, to its verdict's close."""
    if n > 1:
        player.key("Tab")
    player.button(f"Question {n}")
    player.key("space")
    player.window(f"Question {n}")
    if n == 13:  # It opens on DONE, as designed.
        player.button("DONE")
        player.key("Tab")
    for text in answer(player.answers, n, "right" if right else "wrong"):
        player.box()
        if right or player.types_wrong:
            player.type(text)
        player.key("Tab")
    player.button("DONE")
    player.key("space")
    player.verdict(n)
    player.key("Return")
    player.judged(n, right)


def to_tally(player: Player, right: int) -> None:
    """From the About button, plays a game, the first RIGHT questions right, to the tally."""
    player.key("Tab")
    player.button("Play the game!")
    player.key("space")
    player.warning()
    player.key("Return")
    player.board()
    for n in range(1, 15):
        question(player, n, n <= right)
    player.key("Tab")
    player.button("Back to Main Screen")
    player.key("Tab")
    player.button("Click here when you have completed all the questions")
    player.key("space")
    player.tally()
