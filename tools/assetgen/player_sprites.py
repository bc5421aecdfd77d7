"""The player's side of the sprite sheet: ship, option pod, sight frames, enemy marker."""

import math

from neon import Canvas, WHITE, mix
from shapes import mirrored, regular

SHIP_CYAN = 0x2FE6FF
POD_ORANGE = 0xFF9A2E
SIGHT_GREEN = 0x3CFFA0
LOCK_RED = 0xFF2840


def player_ship():
    """50 x 100, nose up, engine flame at the bottom."""
    c = Canvas(50, 100)
    hull = mirrored(25, [(0, 5), (3, 14), (5, 30), (7, 44), (20, 62), (21, 72), (9, 74), (7, 84), (0, 86)])
    flame = c.shapes().polygon(mirrored(25, [(0, 80), (5, 84), (3, 92), (0, 97)]))
    c.glow(flame, 0x40A0FF, sigma=2.5, strength=1.0)
    c.fill(flame, mix(SHIP_CYAN, WHITE, 0.6))
    c.fill(c.shapes().polygon(hull), 0x0B2038)
    c.neon(c.shapes().line(hull, 1.6, closed=True), SHIP_CYAN, sigma=1.8, core=0.45)
    # wing stripes and the cockpit canopy
    stripes = c.shapes()
    for side in (-1, 1):
        stripes.line([(25 + side * 8, 52), (25 + side * 17, 64), (25 + side * 17, 70)], 1.0)
    c.neon(stripes, 0xFF3DD8, sigma=1.2, core=0.0)
    canopy = c.shapes().polygon(mirrored(25, [(0, 20), (3, 27), (3, 36), (0, 40)]))
    c.fill(canopy, 0xFF3DD8)
    c.fill(c.shapes().polygon(mirrored(25, [(0, 22), (1.2, 27), (1.2, 31), (0, 33)])), WHITE, 0.8)
    return c


def option_pod():
    """50 x 70: a glowing orb in a small finned shell."""
    c = Canvas(50, 70)
    shell = mirrored(25, [(0, 6), (9, 12), (13, 26), (13, 44), (9, 56), (0, 62)])
    fins = c.shapes()
    for side in (-1, 1):
        fins.line([(25 + side * 12, 40), (25 + side * 20, 52), (25 + side * 20, 60)], 1.4)
    c.neon(fins, SHIP_CYAN, sigma=1.5, core=0.0)
    c.fill(c.shapes().polygon(shell), 0x0B2038)
    c.neon(c.shapes().line(shell, 1.4, closed=True), SHIP_CYAN, sigma=1.5, core=0.45)
    orb = c.shapes().ellipse(25, 34, 7)
    c.glow(orb, POD_ORANGE, sigma=4.0, strength=1.0)
    c.fill(orb, POD_ORANGE)
    c.fill(c.shapes().ellipse(25, 34, 3.5), mix(POD_ORANGE, WHITE, 0.8))
    return c


def _sight(colour, locked):
    """400 x 300 targeting frame: corner brackets, range ticks, centre cross."""
    c = Canvas(400, 300)
    left, top, right, bottom, arm = 14, 14, 386, 286, 56
    brackets = c.shapes()
    for x, dx in ((left, 1), (right, -1)):
        for y, dy in ((top, 1), (bottom, -1)):
            brackets.line([(x + dx * arm, y), (x, y), (x, y + dy * arm)], 3.0 if locked else 2.2)
    width = 1.3 if locked else 1.0
    ticks = c.shapes()
    for i in range(1, 10):
        y = top + i * (bottom - top) / 10
        length = 14 if i == 5 else 7
        ticks.line([(left + 8, y), (left + 8 + length, y)], width)
        ticks.line([(right - 8, y), (right - 8 - length, y)], width)
    for i in range(1, 12):
        x = left + i * (right - left) / 12
        ticks.line([(x, top + 8), (x, top + 15)], width)
    cx, cy = 200, 150
    cross = c.shapes()
    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        cross.line([(cx + dx * 14, cy + dy * 14), (cx + dx * 34, cy + dy * 34)], 1.6 if locked else 1.2)
    cross.ellipse(cx, cy, 4 if locked else 3)
    if locked:
        cross.ellipse(cx, cy, 48, width=2.0)
        cross.line(regular(cx, cy, 70, 4, phase=math.pi / 4), 1.6, closed=True)
    dim = 1.0 if locked else 0.7
    c.neon(brackets, colour, sigma=4.0 if locked else 3.0, strength=dim, core=0.45 if locked else 0.3)
    c.neon(ticks, colour, sigma=2.0, strength=dim * 0.8, core=0.0)
    c.neon(cross, colour, sigma=3.0, strength=dim, core=0.4 if locked else 0.0)
    if locked:
        c.neon(c.shapes().text(cx, bottom - 30, "LOCK ON", 22), colour, sigma=3.0, core=0.0)
    if not locked:
        c.px *= 0.75  # the idle frame stays translucent over the play field
    return c


def sight_frame():
    return _sight(SIGHT_GREEN, locked=False)


def locked_sight():
    return _sight(LOCK_RED, locked=True)


def enemy_marker():
    """70 x 70 lock-on reticle drawn on each enemy in the sight."""
    c = Canvas(70, 70)
    ring = c.shapes()
    for start in (20, 110, 200, 290):
        ring.arc(35, 35, 24, start, start + 50, 2.0)
    ring.line(regular(35, 35, 13, 4, phase=-math.pi / 2), 1.5, closed=True)
    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        ring.line([(35 + dx * 26, 35 + dy * 26), (35 + dx * 31, 35 + dy * 31)], 2.0)
    c.neon(ring, 0xFF5A2A, sigma=2.0, core=0.45)
    return c
