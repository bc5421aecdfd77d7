"""One run of a real program in its own Xvfb, seen and driven as a player would:
window found by its exact title, screenshots of its client area, keys through
XTest, focus handed to another window and back, and the close request of a
window manager. Debian's own interpreter is the one that sees python3-xlib."""

import argparse
import os
import re
import subprocess
import sys
import tempfile
import time

import numpy as np
from Xlib import X, XK, display, protocol
from Xlib.ext import xtest

# Start-up decodes every sound in full; on a busy machine, or in a sanitizer
# build, that takes long. Every wait polls and ends as soon as its condition holds.
DEADLINE_SECONDS = 60.0


class PlayFailure(Exception):
    pass


def fail(message):
    raise PlayFailure(message)


def poll(what, attempt, deadline=DEADLINE_SECONDS, interval=0.05):
    """The first true result of attempt(), tried until the deadline."""
    end = time.monotonic() + deadline
    while True:
        result = attempt()
        if result:
            return result
        if time.monotonic() >= end:
            fail("timed out after %.0f s waiting for %s" % (deadline, what))
        time.sleep(interval)


def start_x_server():
    """Xvfb on a display number it picks itself, so parallel tests never meet."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
         "-nolisten", "tcp"],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as numbers:
        number = numbers.readline().strip()
    if not number:
        server.kill()
        server.wait()
        fail("Xvfb did not start")
    return server, ":" + number


def stop(process):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def exact_title_pattern(title):
    return "^" + re.sub(r"([][.*+?^$(){}|\\])", r"\\\1", title) + "$"


class XServer:
    """An Xvfb of our own and one client connection to it."""

    def __init__(self):
        self.process, self.name = start_x_server()
        try:
            self.connection = display.Display(self.name)
        except Exception:
            stop(self.process)
            raise
        self.root = self.connection.screen().root
        self.env = dict(os.environ, DISPLAY=self.name)
        self.env.pop("SDL_VIDEODRIVER", None)

    def close(self):
        self.connection.close()
        stop(self.process)

    def find_window(self, title):
        """The one visible window with exactly this title, or None."""
        found = subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", exact_title_pattern(title)],
            env=self.env, capture_output=True, text=True)
        ids = found.stdout.split()
        if len(ids) != 1:
            return None
        return self.connection.create_resource_object("window", int(ids[0]))

    def other_window(self):
        """A small window away from the game's, to take the input focus."""
        window = self.root.create_window(0, 0, 40, 40, 0, X.CopyFromParent,
                                         background_pixel=self.connection.screen().white_pixel)
        window.map()
        self.connection.sync()
        return window

    def focus(self, window):
        window.set_input_focus(X.RevertToParent, X.CurrentTime)
        self.connection.sync()

    def has_focus(self, window):
        return self.connection.get_input_focus().focus == window

    def key(self, name, down):
        code = self.connection.keysym_to_keycode(XK.string_to_keysym(name))
        xtest.fake_input(self.connection, X.KeyPress if down else X.KeyRelease, code)
        self.connection.sync()

    def tap(self, name, hold):
        """A press held for hold seconds."""
        self.key(name, True)
        time.sleep(hold)
        self.key(name, False)

    def screenshot(self, window):
        """The client area as rows of RGB pixels (uint8, height x width x 3)."""
        geometry = window.get_geometry()
        image = window.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap, 0xFFFFFFFF)
        pixels = np.frombuffer(image.data, dtype=np.uint8)
        return pixels.reshape(geometry.height, geometry.width, 4)[:, :, 2::-1]

    def request_close(self, window):
        """What a window manager sends when the user clicks the close button."""
        protocols = self.connection.intern_atom("WM_PROTOCOLS")
        delete = self.connection.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event, event_mask=0)
        self.connection.flush()


class Program:
    """The program started from a data folder, with its mixed sound written to
    a file by SDL's disk driver and its standard error kept."""

    def __init__(self, path, data_dir, env):
        self.scratch = tempfile.TemporaryDirectory(prefix="skyrail-play-")
        self.sound_file = os.path.join(self.scratch.name, "sound.raw")
        self.errors_file = os.path.join(self.scratch.name, "stderr.txt")
        env = dict(env, SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=self.sound_file)
        with open(self.errors_file, "w") as errors:
            self.process = subprocess.Popen([path], cwd=data_dir, env=env, stderr=errors)

    def errors(self):
        with open(self.errors_file, encoding="utf-8", errors="replace") as errors:
            return errors.read()

    def wait(self, seconds):
        try:
            return self.process.wait(timeout=seconds)
        except subprocess.TimeoutExpired:
            fail("still running %.0f s later" % seconds)

    def close(self):
        stop(self.process)
        self.scratch.cleanup()


class PlaySession:
    """Xvfb, the program and its window, ready for play once entered."""

    def __init__(self, program, title, data_dir, extra_env=None):
        self.x = XServer()
        env = dict(self.x.env, SKYRAIL_NO_MESSAGE_BOX="1", **(extra_env or {}))
        try:
            self.program = Program(program, data_dir, env)
        except BaseException:
            self.x.close()
            raise
        self.title = title
        self.window = None

    def __enter__(self):
        try:
            self.window = poll("the window titled " + repr(self.title), self._find_window)
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _still_running(self):
        if self.program.process.poll() is not None:
            fail("the program ended with status %d:\n%s"
                 % (self.program.process.returncode, self.program.errors()))

    def _find_window(self):
        self._still_running()
        return self.x.find_window(self.title)

    def screenshot(self):
        self._still_running()
        return self.x.screenshot(self.window)

    def close_window(self):
        """The window manager's close request; the program must end with status 0."""
        self.x.request_close(self.window)
        status = self.program.wait(10)
        if status != 0:
            fail("exit status %d after the close request:\n%s" % (status, self.program.errors()))

    def close(self):
        self.program.close()
        self.x.close()


def parse_play_args(description):
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("--program", required=True)
    parser.add_argument("--title", required=True, help="the window's exact title")
    parser.add_argument("--data", required=True, help="the folder the program starts in")
    parser.add_argument("--edition", type=int, choices=(1, 2), required=True)
    parser.add_argument("--sanitized", action="store_true",
                        help="a sanitizer build, several times slower: time limits on the "
                             "program's own speed are four times as long")
    args = parser.parse_args()
    args.slowness = 4.0 if args.sanitized else 1.0
    return args


def run_checks(checks):
    """Runs each (name, function) in turn; the first failure ends the test."""
    for name, check in checks:
        started = time.monotonic()
        try:
            check()
        except PlayFailure as failure:
            print("FAIL %s: %s" % (name, failure), file=sys.stderr)
            sys.exit(1)
        print("ok   %s (%.1f s)" % (name, time.monotonic() - started))
