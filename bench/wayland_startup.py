#!/usr/bin/python3
"""Start-up on Wayland: the game against ref_text on a KWin, a GNOME Shell and a Sway of their own, started by the
desktop games' back ends (tests/desktop/), as a table appended to bench/results.md.

Each program starts as the desktop's launcher starts the game; ref_text, the floor, takes no platform theme, and on
KWin and Sway draws no title bars, as the game does not there (the compositor draws them). There is no MapNotify on
Wayland: the first frame is the first buffer a program attaches to its window's surface (WAYLAND_DEBUG's log of what it
sends, timed from the exec; the log slows both programs alike), and peak memory is VmHWM once the window is up. Medians
of RUNS runs (5), the programs in turn. No instructions: under callgrind, Mesa's software driver, which Qt's own title
bars load, takes minutes to start.

Usage: wayland_startup.py BUILD RESULTS [RUNS]
"""

import os
import re
import statistics
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests/desktop"))
from play import DESKTOPS  # noqa: E402
from session import Failure, Session, within  # noqa: E402

# libwayland stamps each request with the wall clock's microseconds modulo 2^32, as ms.us; 1.23 (Debian 13) writes
# wl_surface#12 where 1.21 wrote wl_surface@12.
ATTACH = re.compile(r"^\[ *(\d+)\.(\d{3})\].*-> wl_surface[@#]\d+\.attach\(wl_buffer", re.MULTILINE)


def first_frame(session: Session, command: list[str], env: dict[str, str]) -> float:
    """Ms from the exec of COMMAND to its first buffer attached."""
    log = session.work / "debug.log"
    log.unlink(missing_ok=True)
    start = time.time_ns() // 1000
    process = session.start(command, "debug", env=env | {"WAYLAND_DEBUG": "client"})
    within(60, f"{command[-1]} attached no buffer", lambda: bool(ATTACH.search(log.read_text(errors="replace"))))
    session.stop(process)
    found = ATTACH.search(log.read_text(errors="replace"))
    assert found
    return (int(found[1]) * 1000 + int(found[2]) - start) % 2**32 / 1000


def peak(session: Session, command: list[str], env: dict[str, str]) -> float:
    """MiB at COMMAND's peak once its window is up."""
    process = session.start(command, "peak", env=env)
    time.sleep(2)
    status = Path(f"/proc/{process.pid}/status").read_text()
    session.stop(process)
    return int(re.findall(r"^VmHWM:\s*(\d+)", status, re.MULTILINE)[0]) / 1024


def measure(name: str, build: Path, runs: int) -> list[tuple[str, float, float]]:
    """The medians of ref_text and the game on the desktop NAME."""
    session = Session()
    try:
        session.start_buses()
        desktop = DESKTOPS[name](session)
        desktop.start()
        frames: dict[str, list[float]] = {"ref_text": [], "lvtriv": []}
        peaks: dict[str, list[float]] = {"ref_text": [], "lvtriv": []}
        commands = {"ref_text": [str(build / "bench/ref_text")], "lvtriv": [str(build / "app/lvtriv")]}
        for _ in range(runs):
            for program, command in commands.items():
                env = desktop.launch(1)
                if program == "ref_text" and not desktop.own_title_bars:
                    env["QT_WAYLAND_DISABLE_WINDOWDECORATION"] = "1"
                frames[program].append(first_frame(session, command, env))
                peaks[program].append(peak(session, command, env))
        return [(program, statistics.median(frames[program]), statistics.median(peaks[program])) for program in frames]
    finally:
        session.end()


def main(build: str, results: str, runs: str = "5") -> int:
    os.environ.setdefault("KEY_CLIENTS", str(Path(build).resolve() / "tests/desktop"))
    gtk = list(Path("/usr/lib").glob("*/qt6/plugins/platformthemes/libqgtk3.so"))
    theme = "installed" if gtk else "**not installed**"
    load = Path("/proc/loadavg").read_text().split()[0]
    try:
        rows = {name: measure(name, Path(build).resolve(), int(runs)) for name in ("kwin", "gnome", "sway")}
    except Failure as failure:
        print(f"wayland_startup: {failure}", file=sys.stderr)
        return 1
    lines = ["", "## Start-up on Wayland", "",
             f"On a KWin, a GNOME Shell and a Sway of their own (1024 by 768; `bench/wayland_startup.py`), 1-min load "
             f"{load} at the start.",
             "First frame: the first buffer attached to the window's surface, from the exec; peak memory: VmHWM with "
             "the window up.",
             "Each program as the desktop's launcher starts the game (the desktop games' environment); Qt's GTK "
             f"platform theme, which Debian installs with Qt, is {theme}. ref_text takes no platform theme, and on "
             "KWin and Sway no title bars of Qt's own, as the game there.",
             f"Medians of {runs} runs. Ratios are to ref_text on the same desktop. Target as on X11: 1.10x in peak "
             "memory; the time, logged, is shown and not judged.",
             "No instruction counts: under callgrind, Mesa's software driver, which Qt's own title bars load, takes "
             "minutes to start.", "",
             "| desktop | program | exec to the first frame, ms | ratio | peak memory, MiB | ratio "
             "| peak memory target |",
             "|---|---|---:|---:|---:|---:|---|"]
    for name, measured in rows.items():
        _, floor_frame, floor_peak = measured[0]
        for program, frame, memory in measured:
            verdict = "" if program == "ref_text" else ("met" if memory / floor_peak <= 1.10 else "missed")
            lines.append(f"| {name} | {program} | {frame:.1f} | {frame / floor_frame:.2f} | {memory:.1f} | "
                         f"{memory / floor_peak:.2f} | {verdict} |")
    lines += ["", f"1-min load after: {Path('/proc/loadavg').read_text().split()[0]}."]
    with open(results, "a") as out:
        print("\n".join(lines), file=out)
    print("\n".join(lines))
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
