"""MP3 encoding through Debian's lame, from a temporary 16-bit WAV file.

Debian's lame reads its input through libsndfile, which does not honour raw
PCM on stdin reliably, so the samples go through a real WAV file.
"""

import subprocess
import tempfile
import wave
from pathlib import Path

import numpy as np

from synth import SR


def encode(samples, path, kbps):
    """Writes mono (1-D) or stereo ((n, 2)) float samples in -1..1 as a CBR MP3."""
    channels = 1 if samples.ndim == 1 else samples.shape[1]
    pcm = np.round(np.clip(samples, -1.0, 1.0) * 32767).astype("<i2").tobytes()
    with tempfile.TemporaryDirectory() as tmp:
        wav = Path(tmp) / "input.wav"
        with wave.open(str(wav), "wb") as w:
            w.setnchannels(channels)
            w.setsampwidth(2)
            w.setframerate(SR)
            w.writeframes(pcm)
        command = ["lame", "--quiet", "-m", "j" if channels == 2 else "m", "-b", str(kbps),
                   "--resample", str(SR / 1000), "--noreplaygain", str(wav), str(path)]
        subprocess.run(command, check=True)
