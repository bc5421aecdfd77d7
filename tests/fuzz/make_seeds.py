#!/usr/bin/python3
# Rebuilds the generated seeds of the fuzz corpus: tiny PNGs in the colour
# types, bit depths and interlacing libpng expands differently, a very short
# stereo MP3 with an ID3v2 tag, and the start of its sound as a WAVE file.
# (mono_tone_400ms.mp3 is the media tests' tone_440.mp3.) Needs python3-pil,
# python3-numpy and lame.
import pathlib
import struct
import subprocess
import tempfile
import wave
import zlib

import numpy as np
from PIL import Image

HERE = pathlib.Path(__file__).parent / "corpus"

images = HERE / "image"
rgba = Image.new("RGBA", (2, 2))
rgba.putdata([(255, 0, 0, 255), (0, 255, 0, 128), (0, 0, 255, 0), (255, 255, 255, 64)])
rgba.save(images / "rgba_2x2.png")
palette = Image.new("P", (3, 1))
palette.putpalette([255, 0, 0, 0, 255, 0, 0, 0, 255])
palette.putdata([0, 1, 2])
palette.save(images / "palette_transparent_3x1.png", transparency=bytes([0, 128, 255]))
Image.new("I;16", (2, 2), 40000).save(images / "grey16_2x2.png")


# PIL writes no interlaced PNGs: this one is put together by hand, Adam7 pass by pass.
def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


SIDE = 9
ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]
raw = b""
for x0, y0, dx, dy in ADAM7:
    for y in range(y0, SIDE, dy):
        raw += b"\0" + b"".join(bytes([x * 28, y * 28, 100]) for x in range(x0, SIDE, dx))
header = struct.pack(">IIBBBBB", SIDE, SIDE, 8, 2, 0, 0, 1)
(images / "rgb_interlaced_9x9.png").write_bytes(
    b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))

RATE = 44100
t = np.arange(RATE // 20) / RATE
tone = (0.3 * 32767 * np.sin(2 * np.pi * 660 * t)).astype("<i2")
with tempfile.TemporaryDirectory() as tmp:
    wav = pathlib.Path(tmp) / "tone.wav"
    with wave.open(str(wav), "wb") as out:
        out.setnchannels(2)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(np.repeat(tone, 2).tobytes())
    subprocess.run(["lame", "--quiet", "-b", "32", "--id3v2-only", "--tt", "seed", str(wav),
                    str(HERE / "sound" / "stereo_id3_50ms.mp3")], check=True)

# The media layer plays MP3 only: the same tone as a WAVE file is refused.
with wave.open(str(HERE / "sound" / "rejected_wave_5ms.wav"), "wb") as out:
    out.setnchannels(2)
    out.setsampwidth(2)
    out.setframerate(RATE)
    out.writeframes(np.repeat(tone[: RATE // 200], 2).tobytes())
