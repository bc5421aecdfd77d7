"""Neon vector drawing: anti-aliased shape masks composited with glow.

Shapes are rasterised by PIL at a supersampled size and box-filtered down, so
edges stay crisp at the sprite's own size. A canvas may be periodic in y: every
shape is then drawn again one period above and below, and blurs wrap around, so
the picture tiles vertically without a seam.
"""

import numpy as np
from PIL import Image, ImageDraw, ImageFont

FONT_BOLD = "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc"
WHITE = 0xFFFFFF


def rgb(colour):
    """0xRRGGBB -> float array in 0..1."""
    return np.array([(colour >> 16) & 255, (colour >> 8) & 255, colour & 255], np.float32) / 255.0


def mix(a, b, t):
    """Blend two 0xRRGGBB colours, t = 0 gives a."""
    ca, cb = rgb(a), rgb(b)
    r, g, bl = np.round((ca + (cb - ca) * t) * 255).astype(int)
    return (int(r) << 16) | (int(g) << 8) | int(bl)


def blur(a, sigma, wrap_y=False):
    """Gaussian blur by FFT; zero padding in x (and y unless it wraps)."""
    if sigma <= 0:
        return a
    pad = int(3 * sigma) + 2
    py = 0 if wrap_y else pad
    b = np.pad(a, ((py, py), (pad, pad)))
    fy = np.fft.fftfreq(b.shape[0])[:, None]
    fx = np.fft.rfftfreq(b.shape[1])[None, :]
    kernel = np.exp(-2.0 * (np.pi * sigma) ** 2 * (fx ** 2 + fy ** 2))
    out = np.fft.irfft2(np.fft.rfft2(b) * kernel, s=b.shape)
    return np.clip(out[py:py + a.shape[0], pad:pad + a.shape[1]], 0.0, None).astype(np.float32)


def periodic_noise(shape, seed, beta=2.0, low_cut=2.0):
    """Fractal noise that tiles in both axes, normalised to 0..1."""
    rng = np.random.default_rng(seed)
    white = rng.standard_normal(shape)
    fy = np.fft.fftfreq(shape[0])[:, None] * shape[0]
    fx = np.fft.rfftfreq(shape[1])[None, :] * shape[1]
    f = np.sqrt(fx ** 2 + fy ** 2)
    amp = np.where(f >= low_cut, 1.0 / np.maximum(f, 1.0) ** (beta / 2.0), 0.0)
    n = np.fft.irfft2(np.fft.rfft2(white) * amp, s=shape)
    n -= n.min()
    return (n / n.max()).astype(np.float32)


def font(size):
    return ImageFont.truetype(FONT_BOLD, int(round(size)), index=0)


class Shapes:
    """Records vector shapes and renders them into one coverage mask.

    Line widths scale with `width_scale` at render time, so one recording gives
    both a neon tube and its thinner white-hot core.
    """

    def __init__(self, canvas):
        self.canvas = canvas
        self.ops = []

    def polygon(self, pts):
        self.ops.append(("polygon", [tuple(p) for p in pts]))
        return self

    def line(self, pts, width, closed=False):
        pts = [tuple(p) for p in pts]
        if closed:
            pts = pts + [pts[0]]
        self.ops.append(("line", pts, width))
        return self

    def ellipse(self, cx, cy, rx, ry=None, width=None):
        """Filled, or an outline when a width is given."""
        self.ops.append(("ellipse", (cx, cy, rx, rx if ry is None else ry), width))
        return self

    def arc(self, cx, cy, r, start, end, width):
        self.ops.append(("arc", (cx, cy, r), start, end, width))
        return self

    def text(self, x, y, s, size, anchor="mm", outline=0.0):
        self.ops.append(("text", (x, y), s, size, anchor, outline))
        return self

    def coverage(self, width_scale=1.0):
        c = self.canvas
        k = c.ss * c.scale
        img = Image.new("L", (c.w * c.ss, c.h * c.ss), 0)
        draw = ImageDraw.Draw(img)
        offsets = (-c.period_y, 0, c.period_y) if c.period_y else (0,)
        for dy in offsets:
            for op in self.ops:
                self._draw(draw, op, k, dy, width_scale)
        a = np.asarray(img, np.float32).reshape(c.h, c.ss, c.w, c.ss).mean(axis=(1, 3))
        return a / 255.0

    @staticmethod
    def _draw(draw, op, k, dy, width_scale):
        def tr(p):
            return (p[0] * k, (p[1] + dy) * k)

        kind = op[0]
        if kind == "polygon":
            draw.polygon([tr(p) for p in op[1]], fill=255)
        elif kind == "line":
            w = max(1, int(round(op[2] * width_scale * k)))
            draw.line([tr(p) for p in op[1]], fill=255, width=w, joint="curve")
            for p in (op[1][0], op[1][-1]):  # round caps
                x, y = tr(p)
                draw.ellipse((x - w / 2, y - w / 2, x + w / 2, y + w / 2), fill=255)
        elif kind == "ellipse":
            (cx, cy, rx, ry), width = op[1], op[2]
            x, y = tr((cx, cy))
            box = (x - rx * k, y - ry * k, x + rx * k, y + ry * k)
            if width is None:
                draw.ellipse(box, fill=255)
            else:
                draw.ellipse(box, outline=255, width=max(1, int(round(width * width_scale * k))))
        elif kind == "arc":
            (cx, cy, r), start, end, width = op[1], op[2], op[3], op[4]
            x, y = tr((cx, cy))
            draw.arc((x - r * k, y - r * k, x + r * k, y + r * k), start, end, fill=255,
                     width=max(1, int(round(width * width_scale * k))))
        elif kind == "text":
            xy, s, size, anchor, outline = op[1], op[2], op[3], op[4], op[5]
            f = font(size * k)
            draw.text(tr(xy), s, font=f, fill=255, anchor=anchor,
                      stroke_width=int(round(outline * width_scale * k)), stroke_fill=255)


class Canvas:
    """Premultiplied RGBA float image with source-over painting.

    `scale` maps design units to pixels (the stage card is designed at its
    on-screen size and painted larger); `ss` is the supersampling factor.
    """

    def __init__(self, w, h, ss=4, scale=1.0, period_y=None, background=None):
        self.w, self.h, self.ss, self.scale = w, h, ss, scale
        self.period_y = period_y
        self.px = np.zeros((h, w, 4), np.float32)
        if background is not None:
            self.px[..., :3] = rgb(background)
            self.px[..., 3] = 1.0

    def shapes(self):
        return Shapes(self)

    def blur(self, a, sigma):
        return blur(a, sigma * self.scale, wrap_y=self.period_y is not None)

    def paint(self, cov, colour, alpha=1.0):
        """Source-over of a colour (0xRRGGBB or an (h, w, 3) array) through a coverage mask."""
        a = np.clip(cov * alpha, 0.0, 1.0)[..., None]
        c = rgb(colour) if isinstance(colour, int) else colour
        self.px[..., :3] = c * a + self.px[..., :3] * (1.0 - a)
        self.px[..., 3:] = a + self.px[..., 3:] * (1.0 - a)

    def add(self, cov, colour, amount=1.0):
        """Additive light: brightens what is there and adds coverage where empty."""
        a = np.clip(cov * amount, 0.0, 1.0)[..., None]
        c = rgb(colour) if isinstance(colour, int) else colour
        self.px[..., :3] = np.minimum(self.px[..., :3] + c * a, 1.0)
        self.px[..., 3:] = np.maximum(self.px[..., 3:], np.minimum(a + self.px[..., 3:] * (1 - a), 1.0))
        self.px[..., :3] = np.minimum(self.px[..., :3], self.px[..., 3:])

    def glow(self, shapes, colour, sigma=3.0, strength=0.8):
        self.paint(self.blur(shapes.coverage(), sigma) * strength, colour)

    def neon(self, shapes, colour, sigma=3.0, strength=0.9, core=0.4):
        """A glowing tube: soft halo, coloured line, white-hot core `core` times as wide."""
        cov = shapes.coverage()
        # the halo is boosted next to thin lines but capped, so wide strokes stay translucent
        self.paint(np.minimum(self.blur(cov, sigma) * 2.2 * strength, 1.0) * 0.55, colour)
        self.paint(cov, colour)
        if core:
            self.paint(shapes.coverage(core), mix(colour, WHITE, 0.75))

    def fill(self, shapes, colour, alpha=1.0):
        self.paint(shapes.coverage(), colour, alpha)

    def clear_border(self, margin):
        self.px[:margin] = 0
        self.px[-margin:] = 0
        self.px[:, :margin] = 0
        self.px[:, -margin:] = 0

    def image(self):
        a = self.px[..., 3:]
        colour = np.where(a > 0, self.px[..., :3] / np.maximum(a, 1e-6), 0.0)
        out = np.concatenate([np.clip(colour, 0, 1), np.clip(a, 0, 1)], axis=2)
        return Image.fromarray(np.round(out * 255).astype(np.uint8), "RGBA")
