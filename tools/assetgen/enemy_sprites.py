"""The small scout and the three medium enemies, all facing down the screen."""

import math

from neon import Canvas, WHITE, mix
from shapes import mirrored, regular, scaled


def _hull(c, outline, colour, dark, width, sigma):
    c.fill(c.shapes().polygon(outline), dark, 0.92)
    c.neon(c.shapes().line(outline, width, closed=True), colour, sigma=sigma, core=0.45)


def _eye(c, x, y, r, colour):
    eye = c.shapes().ellipse(x, y, r)
    c.glow(eye, colour, sigma=r * 1.2, strength=1.0)
    c.fill(eye, colour)
    c.fill(c.shapes().ellipse(x, y, r * 0.45), mix(colour, WHITE, 0.8))


def scout():
    """60 x 60 arrowhead fighter, nose down."""
    c = Canvas(60, 60)
    pink, dark = 0xFF3A6E, 0x2A0614
    exhaust = c.shapes().polygon(mirrored(30, [(0, 6), (4, 10), (0, 14)]))
    c.glow(exhaust, 0xFF8AB0, sigma=2.0, strength=1.0)
    outline = mirrored(30, [(0, 12), (8, 9), (22, 8), (25, 14), (11, 28), (6, 44), (0, 53)])
    _hull(c, outline, pink, dark, 1.6, 1.8)
    c.neon(c.shapes().line([(30, 18), (30, 40)], 1.0), mix(pink, WHITE, 0.3), sigma=1.0, core=0.0)
    _eye(c, 30, 30, 3.2, 0xFFE040)
    return c


def mantis():
    """300 x 300 green hunter with two claws reaching down."""
    c = Canvas(300, 300)
    green, dark = 0x3CFF8C, 0x06261A
    engines = c.shapes()
    for dx in (-34, 34):
        engines.ellipse(150 + dx, 40, 10, 16)
    c.glow(engines, 0x9CFFC8, sigma=10.0, strength=1.0)
    body = mirrored(150, [(0, 26), (22, 30), (48, 44), (62, 80), (118, 104), (132, 128), (124, 150),
                          (84, 138), (70, 150), (78, 196), (92, 262), (82, 282), (58, 212), (40, 186),
                          (24, 200), (0, 208)])
    _hull(c, body, green, dark, 3.0, 5.0)
    inner = c.shapes()
    inner.line(mirrored(150, [(0, 58), (28, 66), (38, 110), (22, 160), (0, 176)]), 1.6, closed=True)
    for side in (-1, 1):
        inner.line([(150 + side * 66, 100), (150 + side * 114, 118)], 1.4)
        inner.line([(150 + side * 72, 170), (150 + side * 84, 250)], 1.4)
    c.neon(inner, mix(green, 0x00FFFF, 0.4), sigma=2.5, core=0.0)
    _eye(c, 150, 120, 12, 0xFF3AD0)
    lights = c.shapes()
    for side in (-1, 1):
        lights.ellipse(150 + side * 122, 130, 4)
        lights.ellipse(150 + side * 86, 268, 3.5)
    c.neon(lights, 0xFFF060, sigma=3.0, core=0.5)
    return c


def saucer():
    """300 x 300 violet disc with a turning ring of pods."""
    c = Canvas(300, 300)
    violet, dark = 0xB455FF, 0x1A0830
    cx, cy = 150, 146
    c.fill(c.shapes().ellipse(cx, cy, 118), dark, 0.92)
    c.neon(c.shapes().ellipse(cx, cy, 118, width=3.0), violet, sigma=6.0, core=0.45)
    rings = c.shapes().ellipse(cx, cy, 84, width=1.6).ellipse(cx, cy, 46, width=2.0)
    for i in range(12):
        a = 2 * math.pi * i / 12
        rings.line([(cx + 48 * math.cos(a), cy + 48 * math.sin(a)),
                    (cx + 82 * math.cos(a), cy + 82 * math.sin(a))], 1.2)
    c.neon(rings, mix(violet, 0x40C0FF, 0.5), sigma=3.0, core=0.0)
    pods = c.shapes()
    for i in range(6):
        a = math.pi / 2 + 2 * math.pi * i / 6
        pods.line(regular(cx + 101 * math.cos(a), cy + 101 * math.sin(a), 11, 6, a), 2.0, closed=True)
    c.neon(pods, 0xFF4FD8, sigma=4.0, core=0.5)
    # the gun that points down the screen
    gun = c.shapes().polygon([(140, 230), (160, 230), (156, 284), (144, 284)])
    c.fill(gun, dark)
    c.neon(c.shapes().line([(140, 230), (144, 284), (156, 284), (160, 230)], 2.0), violet, sigma=3.0)
    _eye(c, cx, cy, 22, 0x40F0FF)
    return c


def bomber():
    """300 x 300 orange delta bomber: engines at the back, nose down."""
    c = Canvas(300, 300)
    orange, dark = 0xFF8A1E, 0x2C1404
    flames = c.shapes()
    for dx in (-70, -30, 30, 70):
        flames.polygon([(150 + dx - 9, 44), (150 + dx + 9, 44), (150 + dx, 12)])
    c.glow(flames, 0xFFC060, sigma=7.0, strength=1.0)
    c.fill(flames, 0xFFE0A0, 0.9)
    delta = mirrored(150, [(0, 34), (92, 40), (138, 52), (140, 82), (64, 170), (34, 246), (0, 282)])
    _hull(c, delta, orange, dark, 3.0, 5.0)
    nacelles = c.shapes()
    for dx in (-70, -30, 30, 70):
        nacelles.line([(150 + dx - 10, 46), (150 + dx - 10, 96), (150 + dx + 10, 96), (150 + dx + 10, 46)], 1.8)
    c.neon(nacelles, mix(orange, WHITE, 0.2), sigma=2.5, core=0.0)
    panel = c.shapes().line(scaled(delta, 150, 150, 0.62), 1.5, closed=True)
    panel.line([(150, 110), (150, 250)], 1.2)
    c.neon(panel, 0xFFD040, sigma=2.5, core=0.0)
    bays = c.shapes()
    for i, y in enumerate((130, 160, 190)):
        w = 30 - i * 8
        bays.polygon([(150 - w, y), (150 + w, y), (150 + w - 4, y + 10), (150 - w + 4, y + 10)])
    c.fill(bays, 0xFF3A30, 0.9)
    c.glow(bays, 0xFF3A30, sigma=4.0, strength=0.8)
    _eye(c, 150, 232, 8, 0x40F0FF)
    return c
