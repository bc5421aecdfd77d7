"""back01.png: the two scrolling layer strips and the stage title card.

Each strip is painted as one 600 x 768 tile that wraps vertically, then stacked
twice, so the strip's rows repeat every 768 rows and it scrolls without a seam.
"""

import math

import numpy as np
from PIL import Image

import stage_card
from neon import Canvas, WHITE, mix, periodic_noise, rgb

STRIP_W, PERIOD = 600, 768
PICTURE_SIZE = (1800, 3072)


def _stars(c, rng, count, radius, colours, glow):
    for colour in colours:
        dots = c.shapes()
        for _ in range(count // len(colours)):
            dots.ellipse(rng.uniform(0, STRIP_W), rng.uniform(0, PERIOD), radius * rng.uniform(0.6, 1.0))
        if glow:
            c.glow(dots, colour, sigma=glow, strength=0.7)
        c.add(dots.coverage(), colour, 0.95)


def _glints(c, rng, count):
    """Bright stars with four-point flares."""
    flares = c.shapes()
    cores = c.shapes()
    for _ in range(count):
        x, y, r = rng.uniform(20, STRIP_W - 20), rng.uniform(0, PERIOD), rng.uniform(7, 14)
        flares.polygon([(x - r, y), (x, y - 0.8), (x + r, y), (x, y + 0.8)])
        flares.polygon([(x, y - r), (x + 0.8, y), (x, y + r), (x - 0.8, y)])
        cores.ellipse(x, y, 1.6)
    c.glow(cores, 0x9FD8FF, sigma=4.0, strength=1.0)
    c.add(flares.coverage(), 0xCFE8FF, 0.9)
    c.add(cores.coverage(), WHITE)


def far_tile():
    """Opaque deep space: two nebula veils and three sizes of stars."""
    c = Canvas(STRIP_W, PERIOD, ss=2, period_y=PERIOD, background=0x020309)
    shape = (PERIOD, STRIP_W)
    veil_a = periodic_noise(shape, seed=11, beta=3.2) ** 2.2
    veil_b = periodic_noise(shape, seed=23, beta=3.0) ** 2.6
    grain = periodic_noise(shape, seed=37, beta=1.6)
    colour = (veil_a[..., None] * rgb(0x5A1C7A) * 0.6 + veil_b[..., None] * rgb(0x0E4C78) * 0.65)
    colour *= (0.75 + 0.5 * grain)[..., None]
    c.px[..., :3] += colour
    rng = np.random.default_rng(101)
    _stars(c, rng, 900, 0.55, [0x8090B0, 0xA0A8C8, 0x9080A8], glow=0)
    _stars(c, rng, 120, 1.0, [0xCFE0FF, 0xFFD8F0, 0xB0F0FF], glow=2.0)
    _glints(c, rng, 9)
    c.px[..., 3] = 1.0
    return c.image()


def _girder(c, x0, x1, y, depth, colour):
    """A lattice beam reaching in from a side wall, lit along its edges."""
    beam = c.shapes().polygon([(x0, y), (x1, y + depth * 0.2), (x1, y + depth * 0.8), (x0, y + depth)])
    c.paint(beam.coverage(), 0x0A0E1C, 0.9)
    edges = c.shapes()
    edges.line([(x0, y), (x1, y + depth * 0.2), (x1, y + depth * 0.8), (x0, y + depth)], 1.6)
    steps = max(2, int(abs(x1 - x0) // 26))
    for i in range(steps):
        xa = x0 + (x1 - x0) * i / steps
        xb = x0 + (x1 - x0) * (i + 1) / steps
        ta, tb = 0.2 * i / steps, 0.2 * (i + 1) / steps
        edges.line([(xa, y + depth * ta), (xb, y + depth * (1 - tb))], 0.9)
    c.neon(edges, colour, sigma=3.0, strength=0.8, core=0.35)
    lamp = c.shapes().ellipse(x1, y + depth * 0.5, 2.4)
    c.glow(lamp, mix(colour, WHITE, 0.4), sigma=5.0, strength=1.0)
    c.add(lamp.coverage(), WHITE)


def _wall(c, side, top, length, width, colour):
    """A slab of hull plating along one edge of the screen with neon trim and windows."""
    x_edge = 0 if side < 0 else STRIP_W
    x_in = x_edge - side * width
    slab = [(x_edge - side * 2, top), (x_in + side * 14, top), (x_in, top + 18),
            (x_in, top + length - 18), (x_in + side * 14, top + length), (x_edge - side * 2, top + length)]
    c.paint(c.shapes().polygon(slab).coverage(), 0x0B0F1E, 0.94)
    c.neon(c.shapes().line(slab[1:-1], 2.0), colour, sigma=4.0, strength=0.9, core=0.4)
    windows = c.shapes()
    for y in np.arange(top + 30, top + length - 30, 22.0):
        x = x_in + side * 12
        windows.polygon([(x, y), (x + side * 10, y), (x + side * 10, y + 5), (x, y + 5)])
    c.add(windows.coverage(), mix(colour, WHITE, 0.5), 0.9)
    c.glow(windows, colour, sigma=3.0, strength=0.5)


def near_tile():
    """Mostly transparent: side walls, girders and thin cloud banks over the far layer."""
    c = Canvas(STRIP_W, PERIOD, ss=2, period_y=PERIOD)
    shape = (PERIOD, STRIP_W)
    cloud = periodic_noise(shape, seed=53, beta=3.4)
    band = 0.5 + 0.5 * np.cos(np.linspace(0, 4 * math.pi, PERIOD, endpoint=False))[:, None]
    density = np.clip((cloud - 0.52) * 3.0, 0, 1) * band * 0.3
    tint = mix(0x6FB8FF, 0xC080FF, 0.35)
    c.paint(density.astype(np.float32), tint)
    for side, top, length, width, colour in ((-1, 40, 250, 58, 0x2FE6FF), (1, 190, 320, 46, 0xFF3DD8),
                                             (-1, 470, 180, 40, 0xFF9A2E), (1, 640, 220, 62, 0x2FE6FF)):
        _wall(c, side, top, length, width, colour)
    for x0, x1, y, depth, colour in ((0, 150, 330, 30, 0x2FE6FF), (600, 470, 90, 26, 0xFF3DD8),
                                     (600, 410, 560, 34, 0x7CFF5A), (0, 110, 700, 24, 0xFF9A2E)):
        _girder(c, x0, x1, y, depth, colour)
    return c.image()


def build():
    picture = Image.new("RGBA", PICTURE_SIZE, (0, 0, 0, 0))
    far, near = far_tile(), near_tile()
    for top in (0, PERIOD):
        picture.paste(far, (0, top))
        picture.paste(near, (0, 2 * PERIOD + top))
    picture.paste(stage_card.build(), (STRIP_W, 0))
    return picture
