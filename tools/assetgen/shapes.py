"""Small geometry helpers shared by the sprite painters."""

import math


def mirrored(cx, half):
    """Closed outline from its right half: (dx, y) points from top to bottom."""
    right = [(cx + dx, y) for dx, y in half]
    left = [(cx - dx, y) for dx, y in reversed(half)]
    return right + left


def regular(cx, cy, r, n, phase=0.0):
    """Vertices of a regular n-gon, the first at angle `phase` (radians, 0 = right)."""
    return [(cx + r * math.cos(phase + 2 * math.pi * i / n), cy + r * math.sin(phase + 2 * math.pi * i / n))
            for i in range(n)]


def star(cx, cy, r_out, r_in, n, phase=-math.pi / 2):
    pts = []
    for i in range(2 * n):
        r = r_out if i % 2 == 0 else r_in
        a = phase + math.pi * i / n
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def scaled(pts, cx, cy, s):
    """Points scaled by s about (cx, cy): an inset copy of an outline."""
    return [(cx + (x - cx) * s, cy + (y - cy) * s) for x, y in pts]
