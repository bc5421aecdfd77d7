"""The ten large enemies: 400 x 800 battleships, stern up, bow down the screen.

Each ship is a short recipe on a `Dock`, which knows how to paint the common
parts (hull, wings, engines, turrets, bridge, lights) in one neon style.
"""

import math

import numpy as np

from neon import Canvas, WHITE, mix, rgb

W, H, CX = 400, 800, 200


def half_width(profile, y):
    ys = [p[1] for p in profile]
    return float(np.interp(y, ys, [p[0] for p in profile]))


class Dock:
    def __init__(self, colour, accent):
        self.c = Canvas(W, H, ss=3)
        self.colour, self.accent = colour, accent
        self.dark = mix(colour, 0x000000, 0.86)
        y = np.linspace(0.0, 1.0, H, dtype=np.float32)[:, None, None]
        plating = 0.06 * ((np.arange(H) // 3) % 12 == 0)[:, None, None]
        self.hull_colour = np.clip(rgb(self.dark) * (0.7 + 0.7 * y) + plating * rgb(colour), 0, 1) \
            * np.ones((1, W, 1), np.float32)

    def engines(self, dxs, y, size=14):
        flames = self.c.shapes()
        for dx in dxs:
            flames.polygon([(CX + dx - size * 0.7, y + 6), (CX + dx + size * 0.7, y + 6), (CX + dx, y - size * 1.8)])
        self.c.glow(flames, mix(self.colour, WHITE, 0.5), sigma=size * 0.6, strength=1.0)
        self.c.fill(flames, mix(self.colour, WHITE, 0.8), 0.9)
        nozzles = self.c.shapes()
        for dx in dxs:
            nozzles.line([(CX + dx - size * 0.6, y), (CX + dx - size * 0.6, y + 22),
                          (CX + dx + size * 0.6, y + 22), (CX + dx + size * 0.6, y)], 2.0)
        self.c.neon(nozzles, self.colour, sigma=2.5, core=0.0)

    def plate(self, outline, width=2.4, colour=None):
        """A filled hull part with its neon edge; wings and prongs use it too."""
        self.c.paint(self.c.shapes().polygon(outline).coverage(), self.hull_colour, 0.95)
        self.c.neon(self.c.shapes().line(outline, width, closed=True), colour or self.colour, sigma=5.0, core=0.4)

    def hull(self, profile, dx=0):
        """Mirrored hull from (half width, y) points, with inner deck lines and ribs."""
        cx = CX + dx
        self.plate([(cx + w, y) for w, y in profile] + [(cx - w, y) for w, y in reversed(profile)], 3.0)
        deck = self.c.shapes()
        inner = [(w * 0.58, y) for w, y in profile[1:-1]]
        deck.line([(cx + w, y) for w, y in inner] + [(cx - w, y) for w, y in reversed(inner)], 1.4, closed=True)
        top, bottom = profile[1][1] + 30, profile[-2][1] - 20
        for y in np.arange(top, bottom, 46.0):
            w = half_width(profile, y) * 0.58
            if w > 10:
                deck.line([(cx - w, y), (cx + w, y)], 1.0)
        self.c.neon(deck, mix(self.colour, 0x40A0FF, 0.35), sigma=2.0, strength=0.6, core=0.0)
        self.lights(profile, dx)

    def lights(self, profile, dx=0, step=70):
        dots = self.c.shapes()
        for y in np.arange(profile[0][1] + 40, profile[-1][1] - 40, step):
            w = half_width(profile, y) - 9
            if w > 6:
                dots.ellipse(CX + dx + w, y, 2.6).ellipse(CX + dx - w, y, 2.6)
        self.c.neon(dots, self.accent, sigma=3.0, core=0.6)

    def wing(self, half):
        """A pair of wings from the right wing's outline; drawn before the hull."""
        for side in (1, -1):
            self.plate([(CX + side * w, y) for w, y in half], 2.4)

    def turrets(self, spots):
        """Gun turrets at (dx, y, r), mirrored when dx != 0; barrels point down."""
        bases, rims, barrels = self.c.shapes(), self.c.shapes(), self.c.shapes()
        for dx, y, r in spots:
            for x in {CX + dx, CX - dx}:
                bases.ellipse(x, y, r)
                rims.ellipse(x, y, r, width=2.0)
                for off in (-r * 0.35, r * 0.35):
                    barrels.line([(x + off, y + r * 0.3), (x + off, y + r * 1.9)], max(1.5, r * 0.18))
        self.c.fill(bases, self.dark)
        self.c.neon(barrels, mix(self.colour, WHITE, 0.3), sigma=2.0, core=0.0)
        self.c.neon(rims, self.accent, sigma=3.0, core=0.45)

    def bridge(self, y, w, h, dx=0):
        x0, x1 = CX + dx - w, CX + dx + w
        box = [(x0, y), (x1, y), (x1 - 6, y + h), (x0 + 6, y + h)]
        self.c.fill(self.c.shapes().polygon(box), self.dark)
        self.c.neon(self.c.shapes().line(box, 2.0, closed=True), mix(self.colour, WHITE, 0.25), sigma=3.0)
        windows = self.c.shapes()
        for x in np.arange(x0 + 10, x1 - 6, 10.0):
            windows.polygon([(x, y + h * 0.35), (x + 5, y + h * 0.35), (x + 5, y + h * 0.55), (x, y + h * 0.55)])
        self.c.fill(windows, mix(self.accent, WHITE, 0.5))
        self.c.glow(windows, self.accent, sigma=3.0, strength=0.7)

    def core(self, y, r):
        """The glowing weapon core near the bow."""
        orb = self.c.shapes().ellipse(CX, y, r)
        self.c.glow(orb, self.accent, sigma=r * 1.3, strength=1.0)
        self.c.fill(orb, self.accent)
        self.c.fill(self.c.shapes().ellipse(CX, y, r * 0.45), mix(self.accent, WHITE, 0.85))

    def ring(self, y, rx, ry, width=3.0):
        self.c.neon(self.c.shapes().ellipse(CX, y, rx, ry, width=width), self.accent, sigma=5.0, core=0.4)

    def struts(self, lines, width=6.0):
        s = self.c.shapes()
        for (x0, y0), (x1, y1) in lines:
            for side in (1, -1):
                s.line([(CX + side * x0, y0), (CX + side * x1, y1)], width)
        self.c.fill(s, self.dark)
        edges = self.c.shapes()
        for (x0, y0), (x1, y1) in lines:
            for side in (1, -1):
                edges.line([(CX + side * x0, y0), (CX + side * x1, y1)], 1.4)
        self.c.neon(edges, self.colour, sigma=2.5, core=0.0)


def dagger():
    d = Dock(0xFF2D55, 0xFFD040)
    d.engines([-48, -16, 16, 48], 34)
    d.wing([(70, 150), (172, 232), (178, 330), (150, 344), (88, 352)])
    prof = [(0, 30), (64, 36), (92, 90), (98, 220), (84, 380), (70, 520), (48, 650), (20, 742), (0, 772)]
    d.hull(prof)
    d.bridge(170, 40, 44)
    d.turrets([(42, 300, 16), (38, 440, 14), (0, 560, 16)])
    d.core(690, 12)
    return d.c


def hammerhead():
    d = Dock(0x00E5FF, 0xFF4FD8)
    d.engines([-28, 28], 40, size=18)
    prof = [(0, 36), (52, 40), (62, 120), (56, 400), (72, 520), (158, 598), (176, 660), (160, 718), (64, 768), (0, 774)]
    d.hull(prof)
    d.bridge(120, 34, 50)
    d.turrets([(0, 260, 18), (0, 400, 18), (112, 646, 16), (52, 664, 14)])
    d.core(730, 11)
    return d.c


def catamaran():
    d = Dock(0xFFD400, 0x40F0FF)
    d.engines([-118, -62, 62, 118], 40, size=12)
    deck = [(CX - 70, 260), (CX + 70, 260), (CX + 70, 300), (CX + 40, 480), (CX - 40, 480), (CX - 70, 300)]
    d.plate(deck)
    prof = [(0, 40), (36, 56), (46, 200), (44, 560), (26, 720), (0, 764)]
    for dx in (-90, 90):
        d.hull(prof, dx)
    d.bridge(300, 30, 40)
    d.turrets([(90, 160, 15), (90, 620, 13)])
    d.core(440, 14)
    return d.c


def carrier():
    d = Dock(0x9D4DFF, 0x40FFB0)
    d.engines([-90, -45, 0, 45, 90], 34, size=12)
    prof = [(0, 30), (120, 36), (132, 80), (132, 630), (102, 716), (42, 768), (0, 772)]
    d.hull(prof)
    runway = d.c.shapes()
    for dx in (-22, 22):
        runway.line([(CX + dx, 120), (CX + dx, 690)], 1.6)
    for y in range(140, 680, 36):
        runway.line([(CX - 4, y), (CX + 4, y + 14)], 2.0)
    d.c.neon(runway, 0x40FFB0, sigma=3.0, core=0.0)
    d.bridge(250, 22, 90, dx=96)
    d.turrets([(104, 120, 13), (104, 560, 13)])
    d.core(720, 10)
    return d.c


def trident():
    d = Dock(0x2DFFB0, 0xFF6A3A)
    d.engines([-40, 0, 40], 44, size=15)
    d.wing([(66, 520), (104, 560), (96, 742), (80, 748), (56, 600)])
    prof = [(0, 40), (72, 50), (92, 160), (86, 470), (58, 560), (24, 700), (0, 776)]
    d.hull(prof)
    d.bridge(150, 44, 40)
    d.turrets([(46, 280, 17), (0, 380, 19), (46, 460, 15)])
    d.core(640, 12)
    return d.c


def crosswing():
    d = Dock(0xFF6A00, 0x40C8FF)
    d.engines([-20, 20], 30, size=14)
    d.wing([(30, 300), (186, 368), (186, 430), (160, 450), (30, 474)])
    d.wing([(26, 600), (96, 640), (96, 664), (26, 668)])
    prof = [(0, 26), (36, 34), (48, 120), (50, 500), (40, 640), (18, 760), (0, 776)]
    d.hull(prof)
    d.struts([((150, 370), (150, 446)), ((110, 382), (110, 458))], width=5.0)
    d.turrets([(150, 340, 12), (0, 220, 14), (0, 540, 14)])
    d.bridge(110, 30, 36)
    d.core(700, 9)
    return d.c


def arrowhead():
    d = Dock(0xFF3DF2, 0x40FFF0)
    d.engines([-140, -96, 96, 140], 46, size=13)
    prof = [(0, 34), (170, 40), (182, 92), (132, 300), (82, 520), (34, 718), (0, 772)]
    d.hull(prof)
    d.bridge(110, 60, 40)
    d.turrets([(110, 150, 15), (60, 250, 17), (0, 380, 18), (30, 520, 13)])
    d.core(660, 13)
    return d.c


def segmented():
    d = Dock(0x4D7CFF, 0xFFE040)
    d.engines([-24, 24], 40, size=14)
    spine = [(0, 40), (22, 44), (22, 760), (0, 770)]
    d.hull(spine)
    for y, w, h in ((110, 92, 60), (270, 118, 70), (440, 104, 66), (600, 80, 56), (728, 42, 36)):
        pod = [(CX + w * math.cos(a), y + h * math.sin(a)) for a in np.linspace(0, 2 * math.pi, 28, endpoint=False)]
        d.plate(pod, 2.6)
        d.turrets([(w * 0.5, y, 12)])
    d.core(430, 10)
    return d.c


def ringship():
    d = Dock(0xC8FF3C, 0xFF4F9A)
    d.engines([-44, 0, 44], 44, size=14)
    prof = [(0, 40), (64, 50), (80, 180), (80, 560), (52, 700), (0, 776)]
    d.ring(380, 182, 72, width=10.0)
    d.struts([((80, 340), (176, 360)), ((80, 420), (176, 400))], width=8.0)
    d.hull(prof)
    d.bridge(130, 40, 46)
    d.turrets([(40, 250, 15), (40, 500, 15), (0, 620, 16)])
    d.core(380, 18)
    return d.c


def flagship():
    d = Dock(0xE4F2FF, 0xFF3040)
    d.engines([-120, -80, -40, 40, 80, 120], 40, size=12)
    d.wing([(80, 60), (186, 40), (186, 100), (110, 170)])
    d.wing([(96, 420), (170, 470), (160, 560), (90, 560)])
    prof = [(0, 34), (140, 40), (150, 130), (112, 260), (112, 560), (80, 680), (30, 762), (0, 776)]
    d.hull(prof)
    d.bridge(200, 56, 56)
    d.turrets([(76, 130, 14), (64, 320, 18), (0, 320, 16), (64, 440, 16), (40, 600, 14)])
    d.core(700, 12)
    return d.c


FLEET = [dagger, hammerhead, catamaran, carrier, trident, crosswing, arrowhead, segmented, ringship, flagship]
