"""The session a desktop game runs in: a home, a session bus and the accessibility bus of its own, and every process
started in it, ended with it, deepest first. Every wait is bounded, and fails with what went wrong."""

import contextlib
import os
import select
import shutil
import signal
import subprocess
import tempfile
import time
from pathlib import Path
from typing import Any, Callable, Sequence


class Failure(Exception):
    """What the player would meet."""


Process = subprocess.Popen[bytes]


def within(seconds: float, what: str, test: Callable[[], bool], process: Process | None = None) -> None:
    """Polls TEST every 0.1 s until it holds, for up to SECONDS by the clock while PROCESS runs; else fails: WHAT."""
    deadline = time.monotonic() + seconds
    while not test():
        if process is not None and process.poll() is not None:
            raise Failure(f"{what} (process {process.pid} ended)")
        if time.monotonic() > deadline:
            raise Failure(what)
        time.sleep(0.1)


def require(*tools: str) -> None:
    """Fails unless every TOOL is installed."""
    for tool in tools:
        if not shutil.which(tool):
            raise Failure(f"{tool} is missing; scripts/install-deps.sh installs it")


def output(*command: str) -> str:
    """What COMMAND prints; fails with what it says if it fails or takes 30 s."""
    try:
        return subprocess.run(command, capture_output=True, text=True, check=True, timeout=30).stdout
    except subprocess.CalledProcessError as error:
        raise Failure(f"{' '.join(command[:2])} failed: {error.stderr.strip()}") from None
    except subprocess.TimeoutExpired:
        raise Failure(f"{' '.join(command[:2])} did not answer") from None


def succeeds(*command: str) -> bool:
    """Whether COMMAND ends well within 30 s, printing nowhere."""
    try:
        return subprocess.run(command, capture_output=True, timeout=30).returncode == 0
    except subprocess.TimeoutExpired:
        return False


def end(process: Process) -> None:
    """Ends PROCESS's process group; what has not ended 3 s after the request is killed."""
    with contextlib.suppress(ProcessLookupError):
        os.killpg(process.pid, signal.SIGTERM)
        with contextlib.suppress(subprocess.TimeoutExpired):
            process.wait(3)
        os.killpg(process.pid, signal.SIGKILL)
    process.wait()


def a11y(command: str, pid: int, caption: str = "") -> str:
    """The game PID as the accessibility bus shows it to a screen reader (a11y.py says what)."""
    try:
        return output(str(Path(__file__).resolve().parent / "a11y.py"), command, str(pid), caption)
    except Failure as failure:
        raise Failure(f"the accessibility bus: a11y.py {command} {pid} {caption} failed: {failure}") from None


def gdbus(destination: str, path: str, method: str, *arguments: str) -> list[str]:
    """The command that calls METHOD of DESTINATION's object PATH on the session bus."""
    return ["gdbus", "call", "--session", "--dest", destination, "--object-path", path, "--method", method, *arguments]


def a11y_status(method: str, *arguments: str) -> list[str]:
    """A call of METHOD (Get, Set) on the accessibility bus's org.a11y.Status properties."""
    return gdbus("org.a11y.Bus", "/org/a11y/bus", f"org.freedesktop.DBus.Properties.{method}", "org.a11y.Status",
                 *arguments)


# What each session (gnome-xorg, gnome, xfce, cinnamon, plasmawayland, sway; none for a bare display) sets for every
# program it starts: desktop and session type.
SESSIONS = {"gnome-xorg": ("GNOME", "x11"), "gnome": ("GNOME", "wayland"), "xfce": ("XFCE", "x11"),
            "cinnamon": ("X-Cinnamon", "x11"), "plasmawayland": ("KDE", "wayland"), "sway": ("sway", "wayland")}


def session_variables(session: str) -> dict[str, str]:
    """The environment of a program that SESSION starts."""
    variables = {name: value for name, value in os.environ.items()
                 if name not in ("XDG_CURRENT_DESKTOP", "XDG_SESSION_TYPE", "DESKTOP_SESSION")}
    if session != "none":
        desktop, kind = SESSIONS[session]
        variables.update(XDG_CURRENT_DESKTOP=desktop, XDG_SESSION_TYPE=kind, DESKTOP_SESSION=session)
    return variables


class Session:
    """A home, runtime and XDG folders of its own in WORK, so that nothing reads or writes the user's."""

    def __init__(self) -> None:
        self.work = Path(tempfile.mkdtemp())
        self.started: list[subprocess.Popen[bytes]] = []
        home = self.work / "home"
        os.environ.update(HOME=str(home), XDG_RUNTIME_DIR=str(self.work / "runtime"), LC_ALL="C.UTF-8",
                          XDG_CONFIG_HOME=f"{home}/.config", XDG_DATA_HOME=f"{home}/.local/share",
                          XDG_CACHE_HOME=f"{home}/.cache")
        for variable in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
            os.environ.pop(variable, None)
        for folder in (home, self.work / "runtime"):
            folder.mkdir(mode=0o700)

    def start(self, command: Sequence[str], log: str, **popen: Any) -> Process:
        """Starts COMMAND, its output appended to WORK/LOG.log, to be ended with the session."""
        with open(self.work / f"{log}.log", "ab") as out:
            process = subprocess.Popen(command, stdin=popen.pop("stdin", subprocess.DEVNULL),
                                       stdout=popen.pop("stdout", out), stderr=out, start_new_session=True, **popen)
        self.started.append(process)
        return process

    def stop(self, process: Process) -> None:
        """Ends PROCESS, started in the session, before the session ends."""
        end(process)
        self.started.remove(process)

    def start_answering(self, command: Sequence[str], log: str, what: str) -> str:
        """Starts COMMAND, in which {fd} names a pipe, and returns the first line it writes there within 30 s."""
        read, write = os.pipe()
        process = self.start([word.format(fd=write) for word in command], log, pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as answer:
            ready, _, _ = select.select([answer], [], [], 30)
            line = answer.readline().strip() if ready else ""
        if not line:
            raise Failure(f"{what} did not start (process {process.pid}):\n{self.log(log)}")
        return line

    def start_buses(self) -> None:
        """A session bus of its own, and the accessibility bus, started at once as a desktop does."""
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.start_answering(
            ["dbus-daemon", "--session", "--nofork", "--print-address={fd}"], "dbus", "the session bus")
        # The bus launcher starts the registry daemon as no child of ours: the mark finds it.
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], "a11y",
                   env=os.environ | {"LVTRIV_SESSION": str(self.work)})

    def enable_accessibility(self) -> None:
        """Accessibility on, as a screen reader turns it on as it starts."""
        within(30, "the accessibility bus did not start", lambda: succeeds(*a11y_status("Set", "IsEnabled", "<true>")))

    def log(self, name: str) -> str:
        """The end of WORK/NAME.log, if there is one."""
        path = self.work / f"{name}.log"
        return "\n".join(path.read_text(errors="replace").splitlines()[-20:]) if path.exists() else ""

    def end(self) -> None:
        """Ends what was started, the last first, then the registry daemon, and removes WORK."""
        for process in reversed(self.started):
            end(process)
        mark = f"LVTRIV_SESSION={self.work}".encode()
        for environ in Path("/proc").glob("[0-9]*/environ"):
            with contextlib.suppress(OSError):
                if mark in environ.read_bytes().split(b"\0"):
                    os.kill(int(environ.parent.name), signal.SIGTERM)
        shutil.rmtree(self.work, ignore_errors=True)


def ended(process: Process, what: str, killed: bool = False) -> None:
    """PROCESS ends within 30 s (KILLED: by our kill, now), status 0; else fails, saying WHAT."""
    if killed:
        process.terminate()
    try:
        status = process.wait(30)
    except subprocess.TimeoutExpired:
        raise Failure(f"{what} did not end") from None
    if status != (-signal.SIGTERM if killed else 0):
        raise Failure(f"{what} ended with status {128 - status if status < 0 else status}")
