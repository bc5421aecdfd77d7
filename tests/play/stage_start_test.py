#!/usr/bin/python3
"""The opening of the stage as a player sees and hears it: the stage picture
over the whole window on the first frames and music within the first second;
then the background scrolling down under the ship and its pods at their start
position; and the explosion's sound once an enemy is destroyed, by the
player's fire in the first edition, by the homing lasers in the second."""

import time

from pictures import SHIP_START, Pictures, downward_shift
from sound import RATE, WINDOW, HitListener, first_audible, frames_written, read_left
from xsession import PlaySession, fail, parse_play_args, poll, run_checks

# The stage picture covers the first 100 frames, over three seconds.
STAGE_PICTURE_STAYS_SECONDS = 1.0


def main():
    args = parse_play_args(__doc__)
    pictures = Pictures(args.data)
    hits = HitListener(args.data)
    with PlaySession(args.program, args.title, args.data) as session:
        sound_file = session.program.sound_file
        shown_at = scene_at = None

        def stage_picture_first():
            nonlocal shown_at
            # The first frame makes the device resources, pictures and all, before it shows.
            poll("the stage picture", lambda: pictures.card_shown(session.screenshot()), interval=0.02)
            shown_at = frames_written(sound_file)
            time.sleep(STAGE_PICTURE_STAYS_SECONDS)
            if not pictures.card_shown(session.screenshot()):
                fail("the stage picture was gone within %.0f s" % STAGE_PICTURE_STAYS_SECONDS)

        def music_within_first_second():
            limit = int(args.slowness * RATE)
            poll("enough sound", lambda: frames_written(sound_file) >= shown_at + limit + WINDOW)
            start = first_audible(read_left(sound_file, shown_at)[:limit])
            if start is None:
                fail("silence for %.0f s after the stage picture showed" % (limit / RATE))
            print("     music %.2f s after the stage picture was seen" % (start / RATE))

        def ship_and_pods_at_start():
            nonlocal scene_at

            def scene():
                screen = session.screenshot()
                return not pictures.card_shown(screen) and pictures.start_position_shown(screen)

            poll("the ship and its pods at their start position after the stage picture", scene,
                 interval=0.02)
            scene_at = frames_written(sound_file)

        def background_scrolls_under_still_ship():
            before = session.screenshot()
            seen = sorted(set(pictures.ship_sightings(session.screenshot, 1.0)))
            shift = downward_shift(before, session.screenshot())
            if shift == 0:
                fail("the background did not move down in a second")
            if seen != [SHIP_START[0]]:
                fail("with no key held the ship was seen at x %s" % seen)
            print("     background moved %d rows in a second" % shift)

        def hit_sound_after_destroyed_enemy():
            # Nothing can be destroyed before the first wave enters, after the stage picture.
            before = read_left(sound_file)[:scene_at]
            if hits.first_hit(before) is not None:
                fail("an explosion was heard before any enemy was on the screen")

            def heard():
                if args.edition == 1:
                    # Volley after volley, each press seen by at least one frame.
                    for _ in range(4):
                        session.x.tap("space", 0.07 * args.slowness)
                        time.sleep(0.07 * args.slowness)
                return hits.first_hit(read_left(sound_file, scene_at)) is not None

            what = "firing into the first wave" if args.edition == 1 else "the homing lasers"
            poll("the hit sound after " + what, heard, deadline=30, interval=0.2)

        run_checks([
            ("the stage picture covers the window on the first frames", stage_picture_first),
            ("music starts within the first second", music_within_first_second),
            ("then the ship and its pods are at their start position", ship_and_pods_at_start),
            ("the background scrolls down under the still ship", background_scrolls_under_still_ship),
            ("an enemy destroyed is heard", hit_sound_after_destroyed_enemy),
        ])
        session.close_window()


if __name__ == "__main__":
    main()
