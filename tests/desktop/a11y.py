#!/usr/bin/python3
"""The game as the accessibility bus shows it to a screen reader (pyatspi):
  a11y.py alone PID           fails unless PID is the one application named lvtriv
  a11y.py role PID CAPTION    the role of PID's window CAPTION
  a11y.py window PID CAPTION  that window and its controls however deep, a line
                              each: role, a tab, x y width height in the window
"""

import sys
from typing import Any, Iterator

import pyatspi  # type: ignore[import]  # it ships no type information: its objects are Any


def applications() -> Iterator[tuple[int, str, Any]]:
    """Each application on the bus: its process, its name and itself."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None:
            yield app.get_process_id(), app.name or "?", app


def window(pid: int, caption: str) -> Any:
    """PID's window CAPTION; exits if PID or the window is not on the bus."""
    apps = [app for process, _, app in applications() if process == pid]
    if not apps:
        sys.exit(f"process {pid} is not on the accessibility bus")
    for shown in apps[0]:
        if shown is not None and shown.name == caption:
            return shown
    sys.exit(f'process {pid} has no window "{caption}" on the accessibility bus')


def role(control: Any) -> str:
    """CONTROL's role by name, a push button by Debian 12's (Debian 13's libatspi says "button")."""
    return "push button" if control.getRole() == pyatspi.ROLE_PUSH_BUTTON else str(control.getRoleName())


def walk(control: Any) -> Iterator[str]:
    """CONTROL's line, then its children's, however deep."""
    box = control.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    yield f"{role(control)}\t{box.x} {box.y} {box.width} {box.height}"
    for child in control:
        if child is not None:
            yield from walk(child)


def alone(pid: int) -> None:
    """Exits, listing the bus's applications, unless PID is the one named lvtriv."""
    apps = list(applications())
    games = [process for process, name, _ in apps if name == "lvtriv"]
    if games != [pid]:
        listing = "\n".join(f"{process} {name}" for process, name, _ in apps)
        sys.exit(f"--- applications on the accessibility bus (process, name):\n{listing}\n"
                 "the game is not one accessible application named lvtriv")


def main(command: str, pid: str, caption: str = "") -> None:
    if command == "alone":
        alone(int(pid))
    elif command == "role":
        print(role(window(int(pid), caption)))
    elif command == "window":
        print("\n".join(walk(window(int(pid), caption))))
    else:
        sys.exit(f"a11y.py: no command {command}")


if __name__ == "__main__":
    main(*sys.argv[1:])
