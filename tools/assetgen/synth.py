"""Sound synthesis with numpy: band-limited oscillators, drums, mixing and effects.

Oscillators are built from their harmonics (only those below the cut-off), so
they never alias and a filter sweep is just a per-harmonic gain over time.
All noise comes from fixed seeds, so every render is identical.
"""

import math
from dataclasses import dataclass
from functools import lru_cache

import numpy as np

SR = 44100


def midi_hz(note):
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


def seconds(n_samples):
    return np.arange(n_samples, dtype=np.float64) / SR


def harmonic_amplitude(wave, k):
    """Fourier amplitude of harmonic k (k >= 1) for each waveform."""
    if wave == "saw":
        return 1.0 / k
    if wave == "square":
        return 1.0 / k if k % 2 else 0.0
    if wave == "pulse":  # 25 % duty: the chiptune lead
        return abs(math.sin(math.pi * k * 0.25)) / k
    if wave == "triangle":
        return (1.0 / k ** 2) * (1 if k % 4 == 1 else -1) if k % 2 else 0.0
    if wave == "sine":
        return 1.0 if k == 1 else 0.0
    raise ValueError(wave)


@dataclass(frozen=True)
class Voice:
    wave: str
    attack: float = 0.004
    decay: float = 0.25
    sustain: float = 0.6
    release: float = 0.06
    cutoff: float = 9000.0      # low-pass cut-off at the note's start, Hz
    cutoff_end: float = 9000.0  # where the sweep settles
    sweep: float = 0.1          # time constant of the sweep, s
    voices: int = 1             # detuned copies (a supersaw with 3)
    detune_cents: float = 0.0
    vibrato: float = 0.0        # depth in semitones, fades in after 0.12 s
    top_hz: float = 12000.0     # highest harmonic rendered


def amp_envelope(v, n, gate):
    t = seconds(n)
    env = np.where(t < v.attack, t / max(v.attack, 1e-6),
                   v.sustain + (1 - v.sustain) * np.exp(-(t - v.attack) / v.decay))
    release = np.clip(1.0 - (t - gate) / v.release, 0.0, 1.0)
    return env * np.where(t > gate, release, 1.0)


@lru_cache(maxsize=None)
def note(v, midi, gate):
    """One note of a voice, `gate` seconds held plus its release; cached, since songs repeat notes."""
    n = int((gate + v.release) * SR)
    t = seconds(n)
    cutoff = v.cutoff_end + (v.cutoff - v.cutoff_end) * np.exp(-t / v.sweep)
    vib = v.vibrato * np.clip((t - 0.12) / 0.2, 0, 1) * np.sin(2 * math.pi * 5.5 * t)
    out = np.zeros(n)
    for i in range(v.voices):
        spread = (i - (v.voices - 1) / 2) * v.detune_cents
        freq = midi_hz(midi) * 2.0 ** ((vib + spread / 100.0) / 12.0)
        phase = 2 * math.pi * np.cumsum(freq) / SR + 1.7 * i
        k = 1
        while k * midi_hz(midi) < min(v.top_hz, SR / 2 - 500):
            a = harmonic_amplitude(v.wave, k)
            if a:
                fk = k * midi_hz(midi)
                out += a / np.sqrt(1.0 + (fk / cutoff) ** 4) * np.sin(k * phase)
            k += 1
    return out * amp_envelope(v, n, gate) / v.voices


def noise(n, seed):
    return np.random.default_rng(seed).standard_normal(n)


def band(x, lo, hi):
    """Brick-wall band-pass by FFT, for noise shaping."""
    spectrum = np.fft.rfft(x)
    f = np.fft.rfftfreq(len(x), 1 / SR)
    spectrum[(f < lo) | (f > hi)] = 0
    return np.fft.irfft(spectrum, len(x))


def normalised(x, peak=1.0):
    return x * (peak / max(np.max(np.abs(x)), 1e-9))


@lru_cache(maxsize=None)
def kick(punch=1.0):
    n = int(0.38 * SR)
    t = seconds(n)
    freq = 44 + 120 * punch * np.exp(-t / 0.032)
    body = np.sin(2 * math.pi * np.cumsum(freq) / SR) * np.exp(-t / 0.2)
    click = band(noise(n, 1), 1500, 9000) * np.exp(-t / 0.003) * 0.25
    return normalised(np.tanh(1.6 * (body + click)))


@lru_cache(maxsize=None)
def snare():
    n = int(0.28 * SR)
    t = seconds(n)
    rattle = normalised(band(noise(n, 2), 900, 9500)) * np.exp(-t / 0.085)
    tone = np.sin(2 * math.pi * 186 * t) * np.exp(-t / 0.04)
    return normalised(0.8 * rattle + 0.6 * tone)


@lru_cache(maxsize=None)
def hat(open_hat=False):
    n = int((0.3 if open_hat else 0.07) * SR)
    t = seconds(n)
    hiss = normalised(band(noise(n, 3 + open_hat), 7000, 16000))
    return hiss * np.exp(-t / (0.09 if open_hat else 0.016))


@lru_cache(maxsize=None)
def clap():
    n = int(0.22 * SR)
    t = seconds(n)
    bursts = sum(np.exp(-np.maximum(t - d, 0) / 0.006) * (t >= d) for d in (0.0, 0.011, 0.022))
    tail = np.exp(-np.maximum(t - 0.022, 0) / 0.07)
    return normalised(band(noise(n, 5), 800, 6000) * np.maximum(bursts, tail * 0.6))


class Mix:
    """A stereo bus that sounds are added into at sample positions."""

    def __init__(self, duration):
        self.buf = np.zeros((int(duration * SR), 2))

    def add(self, sound, at, gain=1.0, pan=0.0):
        start = int(round(at * SR))
        end = min(start + len(sound), len(self.buf))
        if end <= start:
            return
        left, right = math.cos((pan + 1) * math.pi / 4), math.sin((pan + 1) * math.pi / 4)
        part = sound[:end - start] * gain
        self.buf[start:end, 0] += part * left * math.sqrt(2)
        self.buf[start:end, 1] += part * right * math.sqrt(2)


def echo(buf, delay, feedback, taps=4, spread=True):
    """Feed-forward taps of a delay; alternate sides for a ping-pong width."""
    out = buf.copy()
    d = int(delay * SR)
    for i in range(1, taps + 1):
        if i * d >= len(buf):
            break
        tap = buf[:-i * d] * feedback ** i
        if spread:
            tap = tap[:, ::-1] if i % 2 else tap
        out[i * d:] += tap
    return out


def ducking(n, hits, depth=0.55, recover=0.16):
    """Gain curve that dips at each kick and recovers: the pumping of a sidechain."""
    gain = np.ones(n)
    t = seconds(n)
    for at in hits:
        start = int(at * SR)
        span = min(n, start + int(recover * 5 * SR))
        gain[start:span] = np.minimum(gain[start:span], 1 - depth * np.exp(-(t[start:span] - at) / recover))
    return gain


def master(buf, peak=0.89, fade_out=2.5):
    """Soft-clip, fade the tail and set the peak level."""
    x = np.tanh(1.3 * normalised(buf)) / math.tanh(1.3)
    n_fade = int(fade_out * SR)
    x[-n_fade:] *= np.linspace(1.0, 0.0, n_fade)[:, None] ** 1.5
    return normalised(x, peak)
