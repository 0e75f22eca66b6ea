"""What every desktop's back end offers the games: one class a desktop (x11.py, gnome.py, kwin.py, sway.py), serving
each version of it that Debian ships by what the desktop answers, not by its version."""

import os
from abc import ABC, abstractmethod
from dataclasses import dataclass
from pathlib import Path

from session import Failure, Session


@dataclass
class Window:
    """A window as the desktop lists it: its frame on a 1024x768 screen."""
    caption: str
    x: int
    y: int
    width: int
    height: int
    keyboard: bool
    urgent: bool = False

    def overlaps(self, x: int, y: int, width: int, height: int) -> bool:
        return x < self.x + self.width and self.x < x + width and y < self.y + self.height and self.y < y + height

    def on_screen(self) -> bool:
        return self.x >= 0 and self.y >= 0 and self.x + self.width <= 1024 and self.y + self.height <= 768


class Desktop(ABC):
    """A desktop of its own in SESSION, driven through its own interfaces."""
    # The games it plays when none are named: the numbers right.
    scores: tuple[int, ...] = (14, 10, 0)
    # What the game may not load at start on it, beside the web engine, image plugins and GTK: a pattern of paths.
    heavy = ""
    # Where it draws no title bars, the game draws its own.
    own_title_bars = False
    # Whether the games close windows by their close boxes there, and whether the score rides on the board there, its
    # popup (else the score is a window of its own, which the window manager may stack under the board).
    closes = rides = True

    def __init__(self, session: Session) -> None:
        self.session = session

    @abstractmethod
    def start(self) -> None:
        """Starts it, with its display in os.environ."""

    @abstractmethod
    def keys(self, codes: list[int]) -> None:
        """Presses and releases each Linux key code in turn, through the desktop's own input."""

    @abstractmethod
    def windows(self) -> list[Window]:
        """Its windows, top first."""

    @abstractmethod
    def launch(self, game: int) -> dict[str, str]:
        """The environment its launcher starts the GAMEth game with (session.session_variables)."""

    def close(self) -> None:
        """Closes the window holding the keyboard, as its close box does."""
        raise Failure("this desktop closes no windows")

    def switch(self) -> bool:
        """Alt+Tab to the window used before; False where the games use none."""
        return False

    def window_class(self, caption: str) -> str | None:
        """The class of the window CAPTION, where the desktop tells."""
        return None

    def screenshot(self, path: Path) -> bool:
        """The screen in PATH, where the desktop takes one."""
        return False


def key_client(name: str) -> str:
    """The key client NAME that tests/desktop builds into $KEY_CLIENTS."""
    client = f"{os.environ.get('KEY_CLIENTS', '')}/{name}"
    if not os.access(client, os.X_OK):
        raise Failure(f"no {client}: build tests/desktop, and name its folder in KEY_CLIENTS")
    return client
