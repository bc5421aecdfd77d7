#!/usr/bin/python3
"""The real program in a real X server: its window has the exact title and a
600 x 720 client area, shows a painted frame, and the window manager's close
request ends the program with status 0 within a few seconds."""

import argparse
import os
import re
import subprocess
import sys
import time

from Xlib import X, display, protocol

# Start-up decodes every sound in full, which takes long in a sanitizer build
# on a busy machine; the polls end as soon as the condition holds.
DEADLINE_SECONDS = 60.0
CLOSE_SECONDS = 5.0


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def start_x_server():
    """Xvfb on a display number it picks itself. Its root is white, so a
    window that was never painted shows white where a frame would be dark."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
         "-nolisten", "tcp", "-wr"],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as numbers:
        number = numbers.readline().strip()
    if not number:
        server.kill()
        fail("Xvfb did not start")
    return server, ":" + number


def poll(what, attempt):
    end = time.monotonic() + DEADLINE_SECONDS
    while time.monotonic() < end:
        result = attempt()
        if result:
            return result
        time.sleep(0.05)
    fail("timed out waiting for " + what)


def find_window(env, title):
    pattern = "^" + re.sub(r"([][.*+?^$(){}|\\])", r"\\\1", title) + "$"
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                           env=env, capture_output=True, text=True)
    ids = found.stdout.split()
    return int(ids[0]) if ids else None


def client_size(env, window_id):
    info = subprocess.run(["xwininfo", "-id", str(window_id)], env=env,
                          capture_output=True, text=True, check=True).stdout
    width = int(re.search(r"Width:\s+(\d+)", info).group(1))
    height = int(re.search(r"Height:\s+(\d+)", info).group(1))
    return width, height


def mean_brightness(window):
    """0 for black, 1 for white, over the whole client area."""
    geometry = window.get_geometry()
    image = window.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap, 0xFFFFFFFF)
    data = image.data
    # 32 bits per pixel, blue, green, red, pad.
    total = sum(data[i] + data[i + 1] + data[i + 2] for i in range(0, len(data), 4))
    return total / (255.0 * 3 * geometry.width * geometry.height)


def request_close(connection, window):
    protocols = connection.intern_atom("WM_PROTOCOLS")
    delete = connection.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                         data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event, event_mask=0)
    connection.flush()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--title", required=True)
    parser.add_argument("--data", required=True, help="the program's current directory")
    args = parser.parse_args()

    server, display_name = start_x_server()
    env = dict(os.environ, DISPLAY=display_name, SDL_AUDIODRIVER="dummy",
               SKYRAIL_NO_MESSAGE_BOX="1")
    env.pop("SDL_VIDEODRIVER", None)
    program = subprocess.Popen([args.program], cwd=args.data, env=env)
    try:
        def running_window():
            if program.poll() is not None:
                fail("the program ended with status %d before its window showed"
                     % program.returncode)
            return find_window(env, args.title)

        window_id = poll("the window titled " + repr(args.title), running_window)
        size = client_size(env, window_id)
        if size != (600, 720):
            fail("client area is %d x %d, not 600 x 720" % size)

        connection = display.Display(display_name)
        window = connection.create_resource_object("window", window_id)
        # The frame is drawn over a black clear; the art on it is dark space.
        poll("a painted frame", lambda: mean_brightness(window) < 0.5)

        request_close(connection, window)
        try:
            status = program.wait(timeout=CLOSE_SECONDS)
        except subprocess.TimeoutExpired:
            fail("still running %.0f s after the close request" % CLOSE_SECONDS)
        if status != 0:
            fail("exit status %d after a normal close" % status)
        connection.close()
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()
        server.terminate()
        server.wait()
    print("ok: %s" % args.title)


if __name__ == "__main__":
    main()
