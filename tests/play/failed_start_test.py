#!/usr/bin/python3
"""A player's start from a folder with broken data, on a real display: the
program says what it could not open on standard error, in a message box too
where the desktop can show one, and ends with status 1 without ever opening
its window. Where a box shows, it is closed as a player would close it."""

import os
import shutil
import subprocess
import tempfile

from xsession import XServer, fail, parse_play_args, poll, run_checks

CAPTION = "D2Dデモ"
IMAGE_MESSAGE = CAPTION + ": 画像ファイルが開けません"
SOUND_MESSAGE = CAPTION + ": サウンドファイルが開けません"


def without_images(folder):
    shutil.rmtree(os.path.join(folder, "images"))


def with_picture_as_lock_on_sound(folder):
    """A real file of the wrong kind where the lock-on sound should be."""
    shutil.copyfile(os.path.join(folder, "images", "jiki1.png"), os.path.join(folder, "sound", "Loc2.mp3"))


def main():
    args = parse_play_args(__doc__)
    x = XServer()

    def start_fails(spoil, message):
        with tempfile.TemporaryDirectory(prefix="skyrail-play-") as scratch:
            folder = os.path.join(scratch, "data")
            shutil.copytree(args.data, folder)
            spoil(folder)
            errors_path = os.path.join(scratch, "stderr.txt")
            env = dict(x.env, SDL_AUDIODRIVER="dummy")
            env.pop("SKYRAIL_NO_MESSAGE_BOX", None)
            with open(errors_path, "w") as errors:
                program = subprocess.Popen([args.program], cwd=folder, env=env, stderr=errors)
            try:
                def ended():
                    if x.find_window(args.title) is not None:
                        fail("the program opened its window")
                    box = x.find_window(CAPTION)
                    if box is not None:
                        x.request_close(box)
                    return program.poll() is not None

                poll("the program to end", ended)
            finally:
                if program.poll() is None:
                    program.kill()
                    program.wait()
            with open(errors_path, encoding="utf-8", errors="replace") as errors:
                said = errors.read()
        # A sanitizer's report also ends the program with status 1.
        if program.returncode != 1 or "Sanitizer" in said:
            fail("exit status %d, not a clean 1:\n%s" % (program.returncode, said))
        if message not in said:
            fail("standard error lacks %r:\n%s" % (message, said))

    try:
        run_checks([
            ("no images folder: the picture message and status 1",
             lambda: start_fails(without_images, IMAGE_MESSAGE)),
            ("a broken lock-on sound: the sound message and status 1",
             lambda: start_fails(with_picture_as_lock_on_sound, SOUND_MESSAGE)),
        ])
    finally:
        x.close()


if __name__ == "__main__":
    main()
