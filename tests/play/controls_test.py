#!/usr/bin/python3
"""The player's keys on the real program: a press of the space bar fires one
volley of green beams above the ship and its pods, and holding the bar fires
no more, however long the keyboard repeats it; holding the left arrow moves
the ship left until it stops at the window's edge, and releasing it stops the
ship where it is."""

import time

from pictures import POD_STARTS, SHIP_LEFT_LIMIT, SHIP_START, Pictures, beam_rows, runs
from xsession import PlaySession, fail, parse_play_args, poll, run_checks

# Where each beam of a volley starts: the ship fires two, 10 pixels either
# side of its centre and 18 above it, each pod one, 6 above the pod's centre.
BEAM_SOURCES = [(SHIP_START[0] - 10, SHIP_START[1] - 18), (SHIP_START[0] + 10, SHIP_START[1] - 18)] + [
    (x, y - 6) for x, y in POD_STARTS]
# A beam is drawn 40 to 80 rows above its shot, which rises 16 rows a frame.
BEAM_NEAR, BEAM_FAR, BEAM_SPEED = 40, 80, 16
# A fresh volley stays this many frames next to its sources, seen by any screenshot.
LAUNCH_FRAMES = 4
# A beam is 40 rows long; lock-on lines, bullets and enemies drawn over it may hide some.
BEAM_RUN = 20
STRAY_RUN = 12  # longer than any speck of another shape in the beam colour
# One beam with its rounded ends. Each beam's glow hides the core of the one
# below it, so volleys in following frames show 13 more rows of core each.
SINGLE_BEAM_ROWS = BEAM_FAR - BEAM_NEAR + 4
SPECK = 3  # shorter runs of the beam colour are edges of other shapes
QUIET_SECONDS = 1.0  # over 30 frames, in which a repeated volley would show


def beams_seen(screen):
    """How many of the volley's beams show anywhere in their columns."""
    return sum(any(length >= BEAM_RUN for length in runs(beam_rows(screen, x)))
               for x, _ in BEAM_SOURCES)


def most_beam_rows(screen):
    """The most rows of beam core in any one column of the volley."""
    return max(sum(length for length in runs(beam_rows(screen, x)) if length >= SPECK)
               for x, _ in BEAM_SOURCES)


def launching(screen):
    """Whether a beam shows where a volley starts. Beams of an earlier volley
    are above this by now, whatever covered them on the way."""
    for x, shot_y in BEAM_SOURCES:
        rows = beam_rows(screen, x)
        near = rows[(rows >= shot_y - BEAM_FAR - LAUNCH_FRAMES * BEAM_SPEED) & (rows <= shot_y - BEAM_NEAR)]
        if any(length >= STRAY_RUN for length in runs(near)):
            return True
    return False


def main():
    args = parse_play_args(__doc__)
    pictures = Pictures(args.data)
    with PlaySession(args.program, args.title, args.data) as session:
        x = session.x

        def one_volley_then_none(alone):
            """The volley shows, rises away from the ship and pods, and nothing
            follows it. With no earlier volley on the screen it is also seen
            to be a single one."""
            def single(screen):
                if alone and most_beam_rows(screen) > SINGLE_BEAM_ROWS:
                    fail("%d rows of beam in one column: more than one volley" % most_beam_rows(screen))
                return screen

            poll("a volley above the ship and its pods",
                 lambda: beams_seen(single(session.screenshot())) >= 3, deadline=10, interval=0.02)
            poll("the volley to rise away from the ship",
                 lambda: not launching(single(session.screenshot())), deadline=10, interval=0.02)
            end = time.monotonic() + QUIET_SECONDS
            while time.monotonic() < end:
                if launching(session.screenshot()):
                    fail("another volley came without another press")

        def scene():
            poll("the ship at its start position after the stage picture",
                 lambda: pictures.start_position_shown(session.screenshot()), deadline=30)

        def press_fires_one_volley():
            if beams_seen(session.screenshot()) > 0:
                fail("beams before any press")
            x.tap("space")
            one_volley_then_none(alone=True)

        def holding_fires_no_more():
            x.key("space", True)
            try:
                one_volley_then_none(alone=False)
            finally:
                x.key("space", False)

        def release_stops_ship():
            # About 8 frames of 8 pixels: well short of the edge, 276 pixels away.
            x.tap("Left", hold=0.25)
            time.sleep(0.3)  # frames painted before the release was seen
            seen = sorted(set(pictures.ship_sightings(session.screenshot, 1.0)))
            if len(seen) != 1:
                fail("after the release the ship was seen at x %s" % seen)
            if not SHIP_LEFT_LIMIT < seen[0] < SHIP_START[0]:
                fail("the ship was at x %d after a short press" % seen[0])
            print("     stopped at x %d" % seen[0])

        def holding_left_stops_at_edge():
            def standing():
                seen = pictures.ship_sightings(session.screenshot, 0.5)
                return seen if len(seen) >= 3 and len(set(seen)) == 1 else None

            x.key("Left", True)
            try:
                # Found with the pods that follow it, the outer ones now outside the window.
                stopped = poll("the ship to stop with the key held", standing, deadline=20)[0]
            finally:
                x.key("Left", False)
            if stopped != SHIP_LEFT_LIMIT:
                fail("held against the edge the ship stopped at x %d, not %d" % (stopped, SHIP_LEFT_LIMIT))

        run_checks([
            ("the ship and pods appear after the stage picture", scene),
            ("a press of space fires one volley", press_fires_one_volley),
            ("holding space fires no more", holding_fires_no_more),
            ("releasing the left arrow stops the ship", release_stops_ship),
            ("holding the left arrow stops the ship at the edge", holding_left_stops_at_edge),
        ])
        session.close_window()


if __name__ == "__main__":
    main()
