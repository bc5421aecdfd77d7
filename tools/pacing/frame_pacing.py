#!/usr/bin/python3
"""Frame pacing of a real program under Xvfb: painted frames per second while
its window has the focus and while another window has it, and the CPU time the
process used per second. The frames are counted from outside, with the X
DAMAGE extension: every presented frame damages the window once. A figure for
people to read, not a test; it ends with status 0 whenever it could measure.

    tools/pacing/frame_pacing.py --program build/release/bin/skyrail [--focused 15] [--unfocused 5]
"""

import argparse
import os
import statistics
import sys
import time

from Xlib.ext import damage

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(REPO, "tests", "play"))

from xsession import PlaySession, poll  # noqa: E402

TITLES = {1: "SOLVANE SF SHOOTING GAME DIRECT 2D", 2: "SOLVANE SF SHOOTING GAME DIRECT 2D VERSION"}
# Damage reports of one presented frame arrive within a millisecond or two;
# frames are 33 ms apart.
SAME_FRAME_MS = 5
SETTLE_SECONDS = 1.0  # after a focus change, before counting
TARGET_FPS = (29.0, 31.0)
TARGET_CPU_SHARE = 0.25


def cpu_seconds(pid):
    """User and system time of every thread of the process so far."""
    with open("/proc/%d/stat" % pid) as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    # Fields 14 and 15 of the file, counted after the command name's field 2.
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


class FrameCounter:
    """Server timestamps of the frames presented in a window."""

    def __init__(self, connection, window):
        self.connection = connection
        connection.damage_query_version()
        # The event class python-xlib builds for the extension is its own, so
        # the events are told apart by their code.
        self.notify_code = connection.query_extension("DAMAGE").first_event + damage.DamageNotifyCode
        self.damage = window.damage_create(damage.DamageReportRawRectangles)
        connection.sync()

    def frames_during(self, seconds):
        """Timestamps (ms) of the frames presented in the next seconds."""
        stamps = []
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            while self.connection.pending_events():
                event = self.connection.next_event()
                if event.type == self.notify_code:
                    if not stamps or event.timestamp - stamps[-1] > SAME_FRAME_MS:
                        stamps.append(event.timestamp)
            time.sleep(0.002)
        return stamps

    def drain(self):
        """Drops the reports of frames presented before now."""
        while self.connection.pending_events():
            self.connection.next_event()


def measure(session, counter, seconds):
    pid = session.program.process.pid
    counter.drain()
    cpu_before, wall_before = cpu_seconds(pid), time.monotonic()
    stamps = counter.frames_during(seconds)
    cpu = cpu_seconds(pid) - cpu_before
    wall = time.monotonic() - wall_before
    return stamps, wall, cpu


def report(name, stamps, wall, cpu):
    line = "%-10s %5.1f s %5d frames %5.1f fps   CPU %5.1f %% of a core" % (
        name, wall, len(stamps), len(stamps) / wall, 100.0 * cpu / wall)
    gaps = [b - a for a, b in zip(stamps, stamps[1:])]
    if len(gaps) >= 2:
        gaps.sort()
        line += "   frame gaps: median %.0f ms, 95th %.0f ms, longest %.0f ms" % (
            statistics.median(gaps), gaps[int(0.95 * (len(gaps) - 1))], gaps[-1])
    print(line)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", required=True, help="skyrail or skyrail2 as built")
    parser.add_argument("--edition", type=int, choices=(1, 2),
                        help="which title to look for; by default from the program's name")
    parser.add_argument("--data", default=os.path.join(REPO, "data"), help="the folder to start in")
    parser.add_argument("--focused", type=float, default=15.0, help="seconds measured with the focus")
    parser.add_argument("--unfocused", type=float, default=5.0, help="seconds measured without it")
    args = parser.parse_args()
    edition = args.edition or (2 if os.path.basename(args.program).endswith("2") else 1)

    with PlaySession(args.program, TITLES[edition], args.data) as session:
        x = session.x
        counter = FrameCounter(x.connection, session.window)
        poll("the first frames", lambda: counter.frames_during(0.2))
        time.sleep(SETTLE_SECONDS)
        focused = measure(session, counter, args.focused)
        x.focus(x.other_window())
        time.sleep(SETTLE_SECONDS)
        unfocused = measure(session, counter, args.unfocused)
        session.close_window()

    load = os.getloadavg()
    print("%s, edition %d, under Xvfb; load average %.1f %.1f %.1f on %d cores" % (
        args.program, edition, load[0], load[1], load[2], os.cpu_count()))
    report("focused", *focused)
    report("unfocused", *unfocused)
    print("targets: %.0f to %.0f fps with the focus, 0 without it; CPU under %.0f %% of a core" % (
        TARGET_FPS[0], TARGET_FPS[1], 100 * TARGET_CPU_SHARE))


if __name__ == "__main__":
    main()
