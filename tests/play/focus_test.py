#!/usr/bin/python3
"""The game stops while its window does not have the input focus and goes on
when it has it again, and a close request after all this still ends the
program with status 0."""

import time

import numpy as np

from pictures import Pictures
from xsession import PlaySession, fail, parse_play_args, poll, run_checks

# Over 30 frames: a running game changes the picture in every one.
STILL_SECONDS = 1.0


def main():
    args = parse_play_args(__doc__)
    pictures = Pictures(args.data)
    with PlaySession(args.program, args.title, args.data) as session:
        x = session.x
        paused_picture = None

        def running():
            """Frames after the stage picture, which stands still by itself."""
            poll("the ship at its start position after the stage picture",
                 lambda: pictures.start_position_shown(session.screenshot()))
            poll("the picture to change", lambda: changes(0.3), deadline=10)

        def changes(seconds):
            before = session.screenshot()
            time.sleep(seconds)
            return not np.array_equal(before, session.screenshot())

        def stops_without_focus():
            nonlocal paused_picture
            other = x.other_window()
            x.focus(other)
            if not x.has_focus(other):
                fail("the other window did not take the focus")
            # The frame being painted when the focus went may still land.
            poll("the picture to stand still", lambda: not changes(0.3), deadline=10)
            paused_picture = session.screenshot()
            time.sleep(STILL_SECONDS)
            if not np.array_equal(paused_picture, session.screenshot()):
                fail("the picture changed in the %.0f s after the focus went" % STILL_SECONDS)

        def goes_on_with_focus():
            x.focus(session.window)
            poll("the picture to move again",
                 lambda: not np.array_equal(paused_picture, session.screenshot()), deadline=10)
            if not changes(STILL_SECONDS):
                fail("the picture stood still again with the focus on the window")

        run_checks([
            ("the game runs", running),
            ("it stops while another window has the focus", stops_without_focus),
            ("it goes on when the focus comes back", goes_on_with_focus),
            ("the close request ends it with status 0", session.close_window),
        ])


if __name__ == "__main__":
    main()
