"""What the player hears: the mixed output that SDL's disk driver wrote, 16-bit
stereo at 44.1 kHz (the format the program opens), read as its left channel."""

import os
import subprocess
import tempfile
import wave

import numpy as np

RATE = 44100
BYTES_PER_FRAME = 4
WINDOW = RATE // 100  # measures are per 10 ms

# Silence is written as exact zeros; the quietest music passage is far above this.
AUDIBLE_RMS = 100.0
# Normalised correlation with the start of the explosion: the music and the
# lock-on tone reach about 0.3 above 1 kHz, the explosion itself 0.8 and more.
HIT_CORRELATION = 0.6
# One frame's worth: a hit in the next frame restarts the sound.
HIT_TEMPLATE_SECONDS = 0.03
HIGH_PASS_HZ = 1000.0


def frames_written(path):
    """How far the output has got: the disk driver writes in real time."""
    try:
        return os.path.getsize(path) // BYTES_PER_FRAME
    except OSError:
        return 0


def read_left(path, first_frame=0):
    raw = np.fromfile(path, dtype="<i2")
    frames = len(raw) // 2
    return raw[2 * first_frame:2 * frames:2].astype(np.float64)


def first_audible(samples):
    """Index of the first 10 ms window that is clearly not silent, or None."""
    usable = len(samples) // WINDOW * WINDOW
    windows = samples[:usable].reshape(-1, WINDOW)
    loud = np.flatnonzero(np.sqrt((windows ** 2).mean(axis=1)) > AUDIBLE_RMS)
    return int(loud[0]) * WINDOW if len(loud) else None


def high_pass(samples):
    spectrum = np.fft.rfft(samples)
    spectrum[np.fft.rfftfreq(len(samples), 1.0 / RATE) < HIGH_PASS_HZ] = 0
    return np.fft.irfft(spectrum, len(samples))


def decode_mp3(path):
    """Mono samples of an MP3, decoded by lame (the tool that made the sounds)."""
    with tempfile.TemporaryDirectory() as scratch:
        decoded = os.path.join(scratch, "decoded.wav")
        subprocess.run(["lame", "--quiet", "--decode", path, decoded], check=True)
        with wave.open(decoded) as file:
            samples = np.frombuffer(file.readframes(file.getnframes()), dtype="<i2")
            channels = file.getnchannels()
    return samples[::channels].astype(np.float64)


class HitListener:
    """Finds where the "hit" explosion starts in a recording by correlating its
    first 30 ms with the recording, both above 1 kHz, where the explosion is
    loud and the music's drums are not."""

    def __init__(self, data_dir):
        start = decode_mp3(os.path.join(data_dir, "sound", "bom2.mp3"))
        template = high_pass(start[:int(HIT_TEMPLATE_SECONDS * RATE)])
        template -= template.mean()
        self.template = template / np.linalg.norm(template)

    def correlation(self, samples):
        """Normalised correlation at every start position of the template."""
        n = len(self.template)
        if len(samples) <= n:
            return np.zeros(0)
        filtered = high_pass(samples)
        size = 1 << (len(filtered) + n).bit_length()
        cross = np.fft.irfft(np.fft.rfft(filtered, size) * np.conj(np.fft.rfft(self.template, size)),
                             size)[:len(filtered) - n]
        energy = np.convolve(filtered ** 2, np.ones(n), "valid")[:len(filtered) - n]
        return cross / (np.sqrt(np.maximum(energy, 0.0)) + 1e-9)

    def first_hit(self, samples):
        """Index where the first explosion starts, or None."""
        heard = np.flatnonzero(self.correlation(samples) > HIT_CORRELATION)
        return int(heard[0]) if len(heard) else None
