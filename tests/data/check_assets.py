#!/usr/bin/python3
"""Checks the committed pictures against the regions the game draws from them.

Usage: check_assets.py DATA_DIR
"""

import sys
import unittest
from pathlib import Path

import numpy as np
from PIL import Image

DATA = Path(sys.argv.pop(1)) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2] / "data"

PERIOD = 768
FAR_STRIP = (0, 0, 600, 1536)
NEAR_STRIP = (0, 1536, 600, 3072)
STAGE_PICTURE = (600, 0, 1800, 768)

# Every (left, top, right, bottom) region the game draws from jiki1.png.
SPRITE_REGIONS = {
    "player ship": (0, 0, 50, 100),
    "option pod": (110, 30, 160, 100),
    "small enemy": (50, 0, 110, 60),
    "enemy marker": (200, 0, 270, 70),
    "spark 1": (94, 84, 110, 100),
    "spark 2": (62, 84, 78, 100),
    "falling fragment": (110, 0, 140, 30),
    "sight frame": (1200, 0, 1600, 300),
    "locked sight": (1200, 300, 1600, 600),
    "medium enemy 1": (0, 100, 300, 400),
    "medium enemy 2": (300, 100, 600, 400),
    "medium enemy 3": (600, 100, 900, 400),
    **{f"large enemy {i + 1}": (x, y, x + 400, y + 800) for i, (x, y) in enumerate(
        [(0, 400), (400, 400), (800, 400), (0, 1200), (400, 1200), (800, 1200),
         (0, 2000), (400, 2000), (800, 2000), (0, 2800)])},
}

SOUNDS = ["bgm01.mp3", "bgm02.mp3", "bgm03.mp3", "bom2.mp3", "SHOT.mp3", "Loc2.mp3"]
MARGIN = 2  # transparent rows and columns inside each region's edge


def load_rgba(name):
    image = Image.open(DATA / "images" / name)
    return image.mode, np.asarray(image.convert("RGBA"))


def crop(pixels, box):
    left, top, right, bottom = box
    return pixels[top:bottom, left:right]


class Background(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.mode, cls.px = load_rgba("back01.png")

    def test_size_and_alpha_channel(self):
        height, width = self.px.shape[:2]
        self.assertGreaterEqual(width, 1800)
        self.assertGreaterEqual(height, 3072)
        self.assertEqual(self.mode, "RGBA")

    def test_strips_repeat_every_768_rows(self):
        for name, box in (("far", FAR_STRIP), ("near", NEAR_STRIP)):
            with self.subTest(strip=name):
                strip = crop(self.px, box)
                differing = np.nonzero(np.any(strip[:PERIOD] != strip[PERIOD:], axis=(1, 2)))[0]
                self.assertEqual(differing.size, 0, f"rows differ from their copy 768 below: {differing[:10]}")

    def test_strips_wrap_smoothly_at_the_period(self):
        # The last row of a period is followed on screen by its first row: no hard edge between them.
        for name, box in (("far", FAR_STRIP), ("near", NEAR_STRIP)):
            with self.subTest(strip=name):
                strip = crop(self.px, box).astype(int)
                seam = np.abs(strip[PERIOD - 1] - strip[0]).mean()
                typical = np.abs(np.diff(strip[:PERIOD], axis=0)).mean()
                self.assertLess(seam, 3 * typical + 1)

    def test_far_strip_and_stage_picture_are_opaque(self):
        for name, box in (("far strip", FAR_STRIP), ("stage picture", STAGE_PICTURE)):
            with self.subTest(region=name):
                self.assertTrue(np.all(crop(self.px, box)[..., 3] == 255))

    def test_near_strip_is_mostly_transparent(self):
        alpha = crop(self.px, NEAR_STRIP)[..., 3]
        self.assertGreater(np.mean(alpha < 128), 0.6, "the near layer would hide the far layer")
        self.assertGreater(np.mean(alpha > 0), 0.05, "the near layer is empty")

    def test_stage_picture_has_content(self):
        self.assertGreater(crop(self.px, STAGE_PICTURE)[..., :3].std(), 10)


class SpriteSheet(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.mode, cls.px = load_rgba("jiki1.png")

    def test_size_and_alpha_channel(self):
        height, width = self.px.shape[:2]
        self.assertGreaterEqual(width, 1600)
        self.assertGreaterEqual(height, 3600)
        self.assertEqual(self.mode, "RGBA")

    def test_regions_do_not_overlap(self):
        names = list(SPRITE_REGIONS)
        for i, a in enumerate(names):
            for b in names[i + 1:]:
                (al, at, ar, ab), (bl, bt, br, bb) = SPRITE_REGIONS[a], SPRITE_REGIONS[b]
                with self.subTest(a=a, b=b):
                    self.assertFalse(al < br and bl < ar and at < bb and bt < ab)

    def test_every_region_holds_a_visible_sprite(self):
        for name, box in SPRITE_REGIONS.items():
            with self.subTest(sprite=name):
                alpha = crop(self.px, box)[..., 3]
                self.assertGreater(np.count_nonzero(alpha >= 128), max(20, alpha.size * 0.005))

    def test_region_borders_are_transparent(self):
        for name, box in SPRITE_REGIONS.items():
            with self.subTest(sprite=name):
                alpha = crop(self.px, box)[..., 3].copy()
                alpha[MARGIN:-MARGIN, MARGIN:-MARGIN] = 0
                self.assertEqual(np.count_nonzero(alpha), 0, "sprite touches its region's edge")

    def test_nothing_outside_the_regions(self):
        # Stray pixels outside every region would be drawn by a neighbour's linear filtering.
        alpha = self.px[..., 3].copy()
        for left, top, right, bottom in SPRITE_REGIONS.values():
            alpha[top:bottom, left:right] = 0
        self.assertEqual(np.count_nonzero(alpha), 0)


class Sounds(unittest.TestCase):
    def test_all_six_files_exist_and_are_mp3(self):
        for name in SOUNDS:
            with self.subTest(sound=name):
                head = (DATA / "sound" / name).read_bytes()[:3]
                self.assertTrue(head == b"ID3" or (head[0] == 0xFF and head[1] & 0xE0 == 0xE0))


if __name__ == "__main__":
    unittest.main(verbosity=1)
