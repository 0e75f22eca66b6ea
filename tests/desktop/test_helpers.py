#!/usr/bin/python3
"""The harness's own helpers, which every game leans on: a wait that ends, a process group that ends whole, a session
that leaves nothing running, and windows that overlap only where they share a pixel."""

import os
import signal
import subprocess
import time
import unittest

from backend import Window
from session import Failure, Session, end, within


def alive(group: int) -> bool:
    try:
        os.killpg(group, 0)
        return True
    except ProcessLookupError:
        return False


class Helpers(unittest.TestCase):
    def test_a_wait_fails_at_its_deadline_or_as_its_process_ends(self) -> None:
        start = time.monotonic()
        self.assertRaisesRegex(Failure, "^late$", within, 0.3, "late", lambda: False)
        self.assertGreaterEqual(time.monotonic() - start, 0.3)
        gone = subprocess.Popen(["true"])
        self.assertRaisesRegex(Failure, rf"^gone \(process {gone.pid} ended\)$", within, 60, "gone", lambda: False,
                               gone)

    def test_a_process_group_deaf_to_the_request_ends_whole(self) -> None:
        with subprocess.Popen(["sh", "-c", "trap '' TERM; sleep 60 & echo; wait"], stdout=subprocess.PIPE,
                              start_new_session=True) as group:
            self.assertTrue(group.stdout and group.stdout.readline())
            end(group)
        self.assertEqual(group.returncode, -signal.SIGKILL)
        within(10, "the group's child outlived it", lambda: not alive(group.pid))

    def test_a_session_ends_what_it_started_and_what_bears_its_mark(self) -> None:
        session = Session()
        started = session.start(["sleep", "60"], "sleep")
        stray = subprocess.Popen(["sleep", "60"], env=os.environ | {"LVTRIV_SESSION": str(session.work)})
        session.end()
        self.assertEqual((started.returncode, stray.wait(10)), (-signal.SIGTERM, -signal.SIGTERM))
        self.assertFalse(session.work.exists())

    def test_windows_overlap_where_they_share_a_pixel(self) -> None:
        board = Window("board", 100, 100, 200, 100, True)
        for box, overlaps in [((300, 100, 50, 50), False), ((299, 199, 50, 50), True), ((0, 0, 100, 500), False),
                              ((150, 150, 10, 10), True), ((0, 0, 500, 500), True), ((150, 0, 10, 100), False)]:
            self.assertEqual(board.overlaps(*box), overlaps, box)
        corners = ((0, 0), (924, 668), (925, 0), (0, -1))
        on_screen = [Window("", x, y, 100, 100, False).on_screen() for x, y in corners]
        self.assertEqual(on_screen, [True, True, False, False])


if __name__ == "__main__":
    unittest.main()
