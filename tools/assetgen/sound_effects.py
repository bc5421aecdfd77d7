"""The three effects: explosion ("bom2"), shot ("SHOT") and lock-on tone ("Loc2")."""

import math

import numpy as np

from synth import SR, band, noise, normalised, seconds

# The lock-on tone is restarted every frame while an enemy is in the sight, and a
# restart lands on an audio buffer boundary. With a whole number of cycles in 256
# samples, every boundary of a 256/512/1024/2048-sample buffer falls on a zero
# crossing, so the restarts join without a click and the tone sounds steady.
LOCK_HZ = 4 * SR / 256  # 689.06 Hz


def explosion(length=0.85):
    """Boom, rumble and crackle, each band fading at its own speed."""
    n = int(length * SR)
    t = seconds(n)
    thump = np.sin(2 * math.pi * np.cumsum(38 + 90 * np.exp(-t / 0.05)) / SR) * np.exp(-t / 0.18)
    rumble = normalised(band(noise(n, 11), 30, 320)) * np.exp(-t / 0.3)
    body = normalised(band(noise(n, 12), 320, 2200)) * np.exp(-t / 0.12)
    hiss = normalised(band(noise(n, 13), 2200, 11000)) * np.exp(-t / 0.04)
    rng = np.random.default_rng(14)
    crackle = np.zeros(n)
    crackle[rng.integers(0, int(0.5 * SR), 90)] = rng.uniform(-1, 1, 90)
    crackle = band(crackle, 1500, 9000) * np.exp(-t / 0.25)
    mix = 0.9 * thump + 0.7 * rumble + 0.45 * body + 0.25 * hiss + 0.8 * normalised(crackle)
    tail = np.clip((length - t) / 0.15, 0, 1)
    return normalised(np.tanh(1.5 * mix) * tail, 0.95)


def shot(length=0.14):
    """A bright downward zap with a short noise click."""
    n = int(length * SR)
    t = seconds(n)
    freq = 380 + 1500 * np.exp(-t / 0.03)
    phase = 2 * math.pi * np.cumsum(freq) / SR
    # odd harmonics of a soft square, kept below the Nyquist frequency
    zap = sum(np.sin(k * phase) / k * (k * freq < 16000) for k in (1, 3, 5, 7))
    click = normalised(band(noise(n, 21), 2000, 12000)) * np.exp(-t / 0.006)
    env = np.minimum(t / 0.002, 1) * np.exp(-t / 0.045)
    return normalised((zap + 0.35 * click) * env, 0.8)


def lock_tone(length=0.16, steady=0.06):
    """A soft sine beep: full level from its first sample, steady, then a smooth fade."""
    t = seconds(int(length * SR))
    wave = np.sin(2 * math.pi * LOCK_HZ * t) + 0.18 * np.sin(2 * math.pi * 2 * LOCK_HZ * t)
    fade = np.where(t < steady, 1.0, 0.5 + 0.5 * np.cos(math.pi * np.clip((t - steady) / (length - steady), 0, 1)))
    return normalised(wave, 0.5) * fade


EFFECTS = {"bom2.mp3": explosion, "SHOT.mp3": shot, "Loc2.mp3": lock_tone}
