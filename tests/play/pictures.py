"""What the player should see, cut from the program's own pictures, and the
measures that find it on a screenshot."""

import os
import time

import numpy as np
from PIL import Image

SHIP_START = (300, 520)
POD_OFFSETS = [(-50, 50), (50, 50), (-100, 100), (100, 100)]
POD_STARTS = [(SHIP_START[0] + dx, SHIP_START[1] + dy) for dx, dy in POD_OFFSETS]
SHIP_LEFT_LIMIT = 24
# The player's beams; no other shape of the game has this colour.
BEAM_RGB = np.array([0x0F, 0xFF, 0x00])

# The screen may round a channel by a step or two; anything else is another picture.
CHANNEL_TOLERANCE = 4
# Share of the opaque pixels that must match for the ship and its pods to be
# in a given place: lock-on lines and bullets may cross them, and one pixel off
# they match at most about half.
SPRITE_MATCH = 0.7
# The ship with its pods is found at the best of its possible places if a third
# of it shows there: an enemy passing over the ship and three lock-on lines
# meeting at its centre still leave more; anywhere else it matches a tenth.
SHIP_FOUND = 0.35


class Pictures:
    def __init__(self, data_dir):
        sheet = np.asarray(Image.open(os.path.join(data_dir, "images", "jiki1.png")).convert("RGBA"))
        ship = sheet[0:100, 0:50]
        pod = sheet[30:100, 110:160]
        # The opaque pixels of the ship and its pods, as offsets from the ship's centre.
        offsets, colours = [], []
        for sprite, (dx, dy) in [(ship, (0, 0))] + [(pod, offset) for offset in POD_OFFSETS]:
            height, width = sprite.shape[:2]
            rows, columns = np.nonzero(sprite[:, :, 3] == 255)
            offsets.append(np.stack([rows - height // 2 + dy, columns - width // 2 + dx], axis=1))
            colours.append(sprite[rows, columns, :3])
        # Every fourth of them is plenty to tell places apart, and four times faster.
        self.formation_offsets = np.concatenate(offsets)[::4]
        self.formation_colours = np.concatenate(colours).astype(np.int16)[::4]
        # The stage picture is a 1200 x 768 area squeezed to half its width.
        background = Image.open(os.path.join(data_dir, "images", "back01.png")).convert("RGB")
        card = background.crop((600, 0, 1800, 768)).resize((600, 768), Image.BILINEAR)
        self.stage_card = np.asarray(card)[:720].astype(np.int16)

    def card_shown(self, screen):
        """The stage picture over the whole window; bilinear filters differ by a
        step here and there, another picture by tens on average."""
        return np.abs(screen.astype(np.int16) - self.stage_card).mean() < 2.0

    def start_position_shown(self, screen):
        """The ship and its pods where the stage starts them, each drawn exactly there."""
        return self.formation_matches(screen, [SHIP_START])[0] >= SPRITE_MATCH

    def ship_x(self, screen, y=SHIP_START[1]):
        """The ship's centre x on the row of centre y, found with its pods, or
        None when they are not there."""
        # The ship moves 8 pixels a frame from 300 and should stop at 24 or 576;
        # it is looked for wherever some of it would show.
        xs = np.arange(0, 601, 4)
        matches = self.formation_matches(screen, [(x, y) for x in xs])
        best = int(np.argmax(matches))
        return int(xs[best]) if matches[best] >= SHIP_FOUND else None

    def ship_sightings(self, screenshot, seconds):
        """The x of the ship in each screenshot of the next seconds that shows
        it; an enemy passing over it may hide it from one or two."""
        seen = []
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            found = self.ship_x(screenshot())
            if found is not None:
                seen.append(found)
            time.sleep(0.05)
        return seen

    def formation_matches(self, screen, ships):
        """For the ship centred at each of ships, the share of the opaque pixels
        of the ship and its four pods inside the window that the screen shows
        in their own colours. Sprites are drawn at their own size on whole
        pixels, so those pixels reach the screen unchanged."""
        centres = np.asarray(ships)
        rows = centres[:, 1:2] + self.formation_offsets[:, 0]
        columns = centres[:, 0:1] + self.formation_offsets[:, 1]
        height, width = screen.shape[:2]
        inside = (rows >= 0) & (rows < height) & (columns >= 0) & (columns < width)
        shown = screen[rows.clip(0, height - 1), columns.clip(0, width - 1)].astype(np.int16)
        same = (np.abs(shown - self.formation_colours).max(axis=2) <= CHANNEL_TOLERANCE) & inside
        return same.sum(axis=1) / np.maximum(inside.sum(axis=1), 1)


def beam_runs(screen, x):
    """The (top, bottom) rows of each stretch of a beam drawn down column x,
    where it shows its core colour: a line two pixels wide centred on x covers
    columns x - 1 and x."""
    core = screen[:, x - 1:x + 1].astype(np.int16)
    rows = np.flatnonzero((np.abs(core - BEAM_RGB).max(axis=2) <= CHANNEL_TOLERANCE).any(axis=1))
    if len(rows) == 0:
        return []
    breaks = np.flatnonzero(np.diff(rows) > 1)
    tops = np.concatenate(([0], breaks + 1))
    bottoms = np.concatenate((breaks, [len(rows) - 1]))
    return [(int(rows[top]), int(rows[bottom])) for top, bottom in zip(tops, bottoms)]


def downward_shift(before, after, edge=60, largest=80):
    """How many rows the picture at both side edges moved down between two
    screenshots, or 0 when no shift explains the change better than none."""
    columns = np.r_[0:edge, before.shape[1] - edge:before.shape[1]]
    first = before[:, columns].astype(np.int16)
    second = after[:, columns].astype(np.int16)
    top, bottom = 100, before.shape[0] - largest

    def difference(dy):
        return np.abs(second[top + dy:bottom + dy] - first[top:bottom]).mean()

    differences = [difference(dy) for dy in range(largest)]
    best = int(np.argmin(differences))
    return best if differences[best] < 0.6 * differences[0] else 0
