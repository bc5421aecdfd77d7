"""The stage title card: a ringed planet under large neon lettering.

The game squeezes this 1200 x 768 picture into 600 x 768, so it is designed at
600 x 768 and painted twice as wide. Only the top 720 rows are ever on screen.
"""

import math

import numpy as np
from PIL import Image

from neon import Canvas, WHITE, mix, periodic_noise, rgb

DESIGN_W, DESIGN_H = 600, 768
PICTURE_SIZE = (1200, 768)
PLANET = (420.0, 560.0, 220.0)  # centre x, centre y, radius in design units
TITLE = "STAGE 1"


def _sky(c):
    y = np.linspace(0.0, 1.0, c.h, dtype=np.float32)[:, None, None]
    c.px[..., :3] = rgb(0x0A0424) * (1 - y) + rgb(0x010208) * y
    c.px[..., 3] = 1.0
    rng = np.random.default_rng(311)
    for colour, count, r in ((0xA8B4D8, 260, 0.7), (0xFFFFFF, 60, 1.2)):
        dots = c.shapes()
        for _ in range(count):
            dots.ellipse(rng.uniform(0, DESIGN_W), rng.uniform(0, DESIGN_H), r)
        c.add(dots.coverage(), colour, 0.9)


def _ring_points(front):
    cx, cy, r = PLANET
    tilt = math.radians(-16)
    pts = []
    for a in np.linspace(0, math.pi, 90) + (0 if front else math.pi):
        x, y = 1.75 * r * math.cos(a), 0.32 * r * math.sin(a)
        pts.append((cx + x * math.cos(tilt) - y * math.sin(tilt), cy + x * math.sin(tilt) + y * math.cos(tilt)))
    return pts


def _ring(c, front):
    ring = c.shapes()
    for scale, width in ((1.0, 3.0), (0.9, 1.4), (1.08, 1.0)):
        cx, cy, _ = PLANET
        ring.line([(cx + (x - cx) * scale, cy + (y - cy) * scale) for x, y in _ring_points(front)], width)
    c.neon(ring, 0xFFB040, sigma=4.0, strength=0.9, core=0.35)


def _planet(c):
    """Banded sphere lit from the upper left, with a glowing atmosphere rim."""
    cx, cy, r = (v * c.scale for v in PLANET)
    yy, xx = np.mgrid[0:c.h, 0:c.w].astype(np.float32)
    dx, dy = (xx - cx) / r, (yy - cy) / r
    d2 = dx ** 2 + dy ** 2
    inside = d2 <= 1.0
    z = np.sqrt(np.clip(1.0 - d2, 0.0, 1.0))
    light = np.clip(-0.55 * dx - 0.6 * dy + 0.58 * z, 0.0, 1.0) ** 0.8
    swirl = periodic_noise((c.h, c.w), seed=419, beta=3.0)
    bands = 0.5 + 0.5 * np.sin(dy * 13.0 + swirl * 6.0)
    surface = rgb(0x3A1468) * (1 - bands[..., None]) + rgb(0xD0407A) * bands[..., None]
    surface = surface * (0.08 + 0.92 * light[..., None])
    edge = np.clip(1.0 - np.abs(np.sqrt(d2) - 1.0) * r / (10.0 * c.scale), 0.0, 1.0)
    cover = np.clip((1.0 - np.sqrt(d2)) * r / 1.5 + 0.5, 0.0, 1.0)
    c.paint(cover, surface.astype(np.float32))
    halo = np.exp(-np.maximum(np.sqrt(d2) - 1.0, 0.0) * r / (14.0 * c.scale)) * (~inside | (edge > 0))
    c.add(halo.astype(np.float32) * 0.6, 0x3FD8FF)
    c.add((edge * (0.4 + 0.6 * light)).astype(np.float32), mix(0x3FD8FF, WHITE, 0.4), 0.8)


def _lettering(c):
    size, y = 112, 250
    text = c.shapes().text(DESIGN_W / 2, y, TITLE, size)
    c.glow(text, 0xFF2AD0, sigma=14.0, strength=0.9)
    y_grad = np.linspace(0.0, 1.0, c.h, dtype=np.float32)[:, None, None]
    top, bottom = (y - size * 0.45) / DESIGN_H, (y + size * 0.45) / DESIGN_H
    t = np.clip((y_grad - top) / (bottom - top), 0.0, 1.0)
    fill = rgb(0xFFF0FF) * (1 - t) + rgb(0xFF5AE0) * t
    filled = text.coverage()
    c.paint(filled, fill * np.ones((1, c.w, 1), np.float32))
    rim = np.clip(c.shapes().text(DESIGN_W / 2, y, TITLE, size, outline=3.0).coverage() - filled, 0.0, 1.0)
    c.paint(rim, 0x40F0FF)
    rules = c.shapes()
    for ry in (y - 90, y + 86):
        rules.line([(60, ry), (540, ry)], 2.0)
    rules.line([(210, y + 104), (390, y + 104)], 1.2)
    c.neon(rules, 0x40F0FF, sigma=4.0, core=0.4)


def build():
    c = Canvas(DESIGN_W * 2, DESIGN_H * 2, ss=2, scale=2.0)
    _sky(c)
    _ring(c, front=False)
    _planet(c)
    _ring(c, front=True)
    _lettering(c)
    return c.image().convert("RGBA").resize(PICTURE_SIZE, Image.LANCZOS)
