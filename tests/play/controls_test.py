#!/usr/bin/python3
"""The player's keys on the real program: a press of the space bar fires one
volley of green beams above the ship and its pods, and holding the bar fires
no more, however long the keyboard repeats it; holding the left arrow moves
the ship left until it stops at the window's edge, and releasing it stops the
ship where it is."""

import time

from pictures import POD_STARTS, SHIP_LEFT_LIMIT, SHIP_START, Pictures, beam_runs
from xsession import PlaySession, fail, parse_play_args, poll, run_checks

# Where each beam of a volley starts: the ship fires two, 10 pixels either
# side of its centre and 18 above it, each pod one, 6 above the pod's centre.
BEAM_SOURCES = ([(SHIP_START[0] + dx, SHIP_START[1] - 18) for dx in (-10, 10)]
                + [(x, y - 6) for x, y in POD_STARTS])
# A beam is drawn 40 to 80 rows above its shot, which rises 16 rows a frame.
BEAM_NEAR, BEAM_FAR, BEAM_SPEED = 40, 80, 16
# A beam is 40 rows long; lock-on lines, bullets and enemies drawn over it may hide some.
BEAM_RUN = 20
STRAY_RUN = 12  # longer than any speck of another shape in the beam colour
# One beam with its rounded ends. Each beam's glow hides the core of the one
# below it, so volleys in following frames show 13 more rows of core each.
SINGLE_BEAM_ROWS = BEAM_FAR - BEAM_NEAR + 4
SPECK = 3  # shorter runs of the beam colour are edges of other shapes
QUIET_SECONDS = 1.0  # over 30 frames, in which a repeated volley would show


def lengths(screen, x):
    return [bottom - top + 1 for top, bottom in beam_runs(screen, x)]


def beams_seen(screen):
    """How many of the volley's beams show anywhere in their columns."""
    return sum(any(length >= BEAM_RUN for length in lengths(screen, x)) for x, _ in BEAM_SOURCES)


def most_beam_rows(screen):
    """The most rows of beam core in any one column of the volley."""
    return max(sum(length for length in lengths(screen, x) if length >= SPECK) for x, _ in BEAM_SOURCES)


def fresh_beam(screen):
    """A beam (column, top, bottom) that ends low enough to be in its first
    two frames, or None. A beam fired earlier ends higher up, however much of
    it is hidden."""
    for x, shot_y in BEAM_SOURCES:
        for top, bottom in beam_runs(screen, x):
            lowest = shot_y - BEAM_NEAR + 2  # with the rounded end
            if bottom - top + 1 >= STRAY_RUN and lowest - BEAM_SPEED - 4 <= bottom <= lowest:
                return x, top, bottom
    return None


def main():
    args = parse_play_args(__doc__)
    pictures = Pictures(args.data)
    with PlaySession(args.program, args.title, args.data) as session:
        x = session.x

        def single(screen, alone):
            """With no earlier volley on the screen, a volley is seen to be a single one."""
            if alone and most_beam_rows(screen) > SINGLE_BEAM_ROWS:
                fail("%d rows of beam in one column: more than one volley" % most_beam_rows(screen))
            return screen

        def volley_fired(alone):
            def fired():
                screen = single(session.screenshot(), alone)
                return fresh_beam(screen) is not None and beams_seen(screen) >= 3

            poll("a volley above the ship and its pods", fired, deadline=10, interval=0.02)

        def none_follows(alone):
            """The volley rises away from the ship and pods, and no other follows."""
            poll("the volley to rise away from the ship",
                 lambda: fresh_beam(single(session.screenshot(), alone)) is None,
                 deadline=10, interval=0.02)
            end = time.monotonic() + QUIET_SECONDS
            while time.monotonic() < end:
                beam = fresh_beam(session.screenshot())
                if beam is not None:
                    fail("another volley came without another press: a beam down x %d, rows %d to %d"
                         % beam)

        def scene():
            poll("the ship at its start position after the stage picture",
                 lambda: pictures.start_position_shown(session.screenshot()))

        def press_fires_one_volley():
            if beams_seen(session.screenshot()) > 0:
                fail("beams before any press")
            # Released as soon as the volley shows: a short press however fast the frames come.
            x.key("space", True)
            try:
                volley_fired(alone=True)
            finally:
                x.key("space", False)
            none_follows(alone=True)

        def holding_fires_no_more():
            x.key("space", True)
            try:
                volley_fired(alone=False)
                none_follows(alone=False)
            finally:
                x.key("space", False)

        def release_stops_ship():
            # About 12 frames of 8 pixels: well short of the edge, 276 pixels away.
            x.tap("Left", hold=0.4)
            time.sleep(0.3 * args.slowness)  # frames painted before the release was seen
            seen = sorted(set(pictures.ship_sightings(session.screenshot, 1.0)))
            if len(seen) != 1:
                fail("after the release the ship was seen at x %s" % seen)
            if not SHIP_LEFT_LIMIT < seen[0] < SHIP_START[0]:
                fail("the ship was at x %d after a short press" % seen[0])
            print("     stopped at x %d" % seen[0])

        def holding_left_stops_at_edge():
            def standing():
                seen = pictures.ship_sightings(session.screenshot, 0.5 * args.slowness)
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
