"""Debris of a destroyed enemy: two 16 x 16 sparks and a 30 x 30 falling fragment."""

from neon import Canvas, WHITE, mix
from shapes import star


def spark(colour, points, phase):
    c = Canvas(16, 16)
    shape = c.shapes().polygon(star(8, 8, 5.5, 1.6, points, phase))
    c.glow(shape, colour, sigma=1.3, strength=1.0)
    c.fill(shape, colour)
    c.fill(c.shapes().ellipse(8, 8, 1.6), mix(colour, WHITE, 0.85))
    return c


def amber_spark():
    return spark(0xFFC23A, 4, -1.5708)


def cyan_spark():
    return spark(0x38E8FF, 4, -0.7854)


def hull_fragment():
    """A torn plate with a hot orange edge, tumbling down."""
    c = Canvas(30, 30)
    plate = [(7, 9), (16, 5), (24, 10), (21, 17), (25, 23), (14, 25), (10, 19), (5, 17)]
    c.fill(c.shapes().polygon(plate), 0x2A2E3C)
    c.neon(c.shapes().line(plate, 1.2, closed=True), 0xFF7A1E, sigma=1.5, core=0.5)
    c.neon(c.shapes().line([(11, 12), (18, 14), (16, 20)], 0.8), 0xFFD060, sigma=1.0, core=0.0)
    return c
