#!/usr/bin/python3
"""Rebuilds the game's pictures and sounds into data/, identically on every run.

    /usr/bin/python3 tools/assetgen/generate.py [images|sounds|all]

Needs Debian's python3-numpy, python3-pil, lame and fonts-noto-cjk.
"""

import argparse
import sys
from pathlib import Path

import background
import mp3
import music
import sound_effects
import sprite_sheet

DATA = Path(__file__).resolve().parents[2] / "data"
MUSIC_KBPS = 112
EFFECT_KBPS = 96


def write_images():
    images = DATA / "images"
    images.mkdir(parents=True, exist_ok=True)
    for name, build in (("back01.png", background.build), ("jiki1.png", sprite_sheet.build)):
        build().save(images / name, optimize=True)
        print(f"images/{name}")


def write_sounds():
    sound = DATA / "sound"
    sound.mkdir(parents=True, exist_ok=True)
    for name, make in sound_effects.EFFECTS.items():
        mp3.encode(make(), sound / name, EFFECT_KBPS)
        print(f"sound/{name}")
    for name, song in music.TRACKS.items():
        mp3.encode(music.render(song), sound / name, MUSIC_KBPS)
        print(f"sound/{name}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("what", nargs="?", choices=("images", "sounds", "all"), default="all")
    what = parser.parse_args().what
    if what in ("images", "all"):
        write_images()
    if what in ("sounds", "all"):
        write_sounds()


if __name__ == "__main__":
    sys.exit(main())
