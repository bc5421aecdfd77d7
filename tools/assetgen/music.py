"""The three stage tracks: written as scale-degree phrases and drum grids, rendered by synth.

A song is a chord progression (one chord per bar, as scale degrees), a lead
melody, and a list of sections saying which parts play. Melodies are tokens
"degree:sixteenths" ("r" is a rest); degree 7 is the key note an octave up.
"""

from dataclasses import dataclass

from synth import Mix, Voice, clap, ducking, echo, hat, kick, master, note, snare

MINOR = [0, 2, 3, 5, 7, 8, 10]
HARMONIC_MINOR = [0, 2, 3, 5, 7, 8, 11]

BASS = Voice("saw", decay=0.12, sustain=0.35, release=0.03, cutoff=2200, cutoff_end=380, sweep=0.05, top_hz=5000)
CHIP_BASS = Voice("square", decay=0.1, sustain=0.7, release=0.02, cutoff=5000, cutoff_end=1500, top_hz=6000)
ARP = Voice("saw", decay=0.09, sustain=0.15, release=0.04, cutoff=5200, cutoff_end=1400, sweep=0.04)
CHIP_ARP = Voice("pulse", decay=0.06, sustain=0.4, release=0.02, top_hz=9000)
PAD = Voice("saw", attack=0.25, decay=0.8, sustain=0.8, release=0.4, cutoff=1400, cutoff_end=1100,
            voices=3, detune_cents=14, top_hz=5000)
LEAD = Voice("saw", attack=0.01, decay=0.3, sustain=0.7, release=0.12, cutoff=4500, cutoff_end=2600,
             voices=2, detune_cents=9, vibrato=0.18)
CHIP_LEAD = Voice("pulse", attack=0.004, decay=0.2, sustain=0.75, release=0.05, vibrato=0.25, top_hz=10000)
SQUARE_LEAD = Voice("square", attack=0.01, decay=0.4, sustain=0.75, release=0.15, cutoff=3800, cutoff_end=2400,
                    voices=2, detune_cents=7, vibrato=0.22)


@dataclass
class Drums:
    kick: str
    snare: str
    hats: str
    fill: str = "....x...x.x.xxxx"
    clap_on_snare: bool = False


@dataclass
class Song:
    bpm: float
    key: int                  # MIDI note of the key's root, lead octave
    scale: list
    progression: list         # chord root degree per bar, cycled
    melody: list              # one token string per bar, cycled with the bar number
    sections: list            # (bars, parts) with parts from "drums bass arp pad lead"
    drums: Drums
    bass_rhythm: str          # per sixteenth: "x" root, "o" octave up, "." rest
    arp_order: list           # chord-tone indices per sixteenth (0 root .. 3 octave)
    bass: Voice = BASS
    arp: Voice = ARP
    lead: Voice = LEAD

    @property
    def step(self):
        return 60.0 / self.bpm / 4

    def pitch(self, degree, octave_shift=0):
        return self.key + 12 * (degree // 7 + octave_shift) + self.scale[degree % 7]

    def chord(self, root):
        return [self.pitch(root + d) for d in (0, 2, 4, 7)]


def parse_phrase(tokens):
    """'4:3 r:1 5:2' -> [(degree or None, sixteenths)]."""
    out = []
    for token in tokens.split():
        degree, length = token.split(":")
        out.append((None if degree == "r" else int(degree), int(length)))
    assert sum(length for _, length in out) == 16, tokens
    return out


def play_drums(mix, song, bar_start, last_bar, hits):
    d = song.drums
    grid = {"kick": d.kick, "snare": d.fill if last_bar else d.snare, "hats": d.hats}
    for i in range(16):
        at = bar_start + i * song.step
        if grid["kick"][i] == "x":
            mix.add(kick(), at, 0.8)
            hits.append(at)
        if grid["snare"][i] == "x":
            mix.add(snare(), at, 0.45 if last_bar and i < 12 else 0.6, pan=0.05)
            if d.clap_on_snare and not last_bar:
                mix.add(clap(), at, 0.35, pan=-0.1)
        if grid["hats"][i] in "xX":
            mix.add(hat(), at, 0.28 if grid["hats"][i] == "x" else 0.4, pan=0.25)
        elif grid["hats"][i] == "o":
            mix.add(hat(True), at, 0.22, pan=0.25)


def play_bass(mix, song, bar_start, root):
    for i, mark in enumerate(song.bass_rhythm):
        if mark != ".":
            midi = song.pitch(root, -2) + (12 if mark == "o" else 0)
            mix.add(note(song.bass, midi, song.step * 0.8), bar_start + i * song.step, 0.5)


def play_arp(mix, song, bar_start, root):
    tones = song.chord(root)
    for i, idx in enumerate(song.arp_order):
        pan = 0.45 if i % 2 else -0.45
        mix.add(note(song.arp, tones[idx], song.step * 0.7), bar_start + i * song.step, 0.26, pan)


def play_pad(mix, song, bar_start, root):
    for midi in song.chord(root)[:3]:
        mix.add(note(PAD, midi - 12, song.step * 15), bar_start, 0.14)


def play_lead(mix, song, bar_start, phrase):
    t = bar_start
    for degree, length in parse_phrase(phrase):
        if degree is not None:
            mix.add(note(song.lead, song.pitch(degree), song.step * length * 0.92), t, 0.5, pan=0.1)
        t += song.step * length


def render(song):
    """Arranges the sections bar by bar into separate buses, then mixes them."""
    bars = sum(count for count, _ in song.sections)
    bar_len = 16 * song.step
    length = bars * bar_len + 2.0
    drums, bass, synths, lead = Mix(length), Mix(length), Mix(length), Mix(length)
    hits = []
    bar = 0
    for count, parts in song.sections:
        for i in range(count):
            start, root = bar * bar_len, song.progression[bar % len(song.progression)]
            if "drums" in parts:
                play_drums(drums, song, start, i == count - 1, hits)
            if "bass" in parts:
                play_bass(bass, song, start, root)
            if "arp" in parts:
                play_arp(synths, song, start, root)
            if "pad" in parts:
                play_pad(synths, song, start, root)
            if "lead" in parts:
                play_lead(lead, song, start, song.melody[bar % len(song.melody)])
            bar += 1
    pump = ducking(len(bass.buf), hits)[:, None]
    beat = 60.0 / song.bpm
    wet_synths = echo(synths.buf, beat * 0.75, 0.35)
    wet_lead = echo(lead.buf, beat * 0.75, 0.3, taps=3)
    return master(drums.buf + bass.buf * pump + wet_synths * pump + wet_lead)


NEON_RUN = Song(  # bgm01: driving synth, A minor, four on the floor
    bpm=150, key=69, scale=MINOR, progression=[0, 5, 2, 6],
    melody=["4:3 4:1 5:2 4:2 2:4 0:4", "5:3 5:1 7:2 5:2 4:8", "2:3 4:1 7:4 9:4 7:4", "6:4 8:4 6:2 4:2 3:4",
            "7:2 9:2 11:4 9:2 7:2 9:4", "8:2 7:2 5:4 7:8", "9:3 7:1 4:4 7:4 6:4", "6:4 5:4 4:8"],
    sections=[(8, "drums bass"), (8, "drums bass arp"), (8, "drums bass arp lead"), (8, "drums bass pad lead"),
              (4, "arp pad"), (4, "drums bass arp"), (8, "drums bass arp pad lead"), (8, "drums bass arp")],
    drums=Drums(kick="x...x...x...x...", snare="....x.......x...", hats="x.X.x.X.x.X.x.Xo"),
    bass_rhythm="x.xox.xox.xox.xo", arp_order=[0, 1, 2, 3, 2, 1, 0, 1, 2, 3, 2, 1, 0, 2, 1, 3],
)

CIRCUIT_RUSH = Song(  # bgm02: fast chiptune, E minor, pulse waves
    bpm=164, key=64, scale=MINOR, progression=[0, 5, 6, 4],
    melody=["0:2 4:2 7:2 4:2 9:2 7:2 4:2 2:2", "5:2 7:2 9:2 7:2 12:4 11:4", "8:2 6:2 8:2 10:2 11:4 10:2 8:2",
            "7:6 6:2 4:8", "7:2 7:2 11:2 7:2 12:2 11:2 9:2 7:2", "9:4 7:2 5:2 7:4 9:4",
            "10:3 11:3 13:2 11:4 8:4", "11:8 r:4 4:2 6:2"],
    sections=[(4, "drums arp"), (4, "drums bass arp"), (16, "drums bass arp lead"), (4, "bass arp"),
              (4, "drums bass arp"), (16, "drums bass arp lead"), (8, "drums bass arp")],
    drums=Drums(kick="x.....x.x.....x.", snare="....x.......x..x", hats="xxXxxxXxxxXxxxXx", fill="..x.x.x.xxxxxxxx"),
    bass_rhythm="xoxoxoxoxoxoxoxo", arp_order=[0, 2, 3, 2, 1, 2, 3, 2, 0, 2, 3, 2, 1, 3, 2, 3],
    bass=CHIP_BASS, arp=CHIP_ARP, lead=CHIP_LEAD,
)

DARK_ARMADA = Song(  # bgm03: heavy and dark, C harmonic minor, broken beat
    bpm=138, key=60, scale=HARMONIC_MINOR, progression=[0, 0, 5, 4, 3, 3, 4, 4],
    melody=["7:8 6:4 7:4", "9:8 7:4 4:4", "5:6 7:2 9:8", "6:12 r:4",
            "10:4 9:4 7:4 5:4", "7:8 5:8", "6:4 8:4 11:4 8:4", "6:16"],
    sections=[(8, "pad arp"), (8, "drums bass arp"), (8, "drums bass pad lead"), (8, "drums bass arp lead"),
              (4, "pad bass"), (4, "drums bass arp"), (8, "drums bass arp pad lead"), (4, "drums bass arp")],
    drums=Drums(kick="x..x..x...x.x...", snare="....x.......x...", hats="x.x.x.xXx.x.x.xo", clap_on_snare=True),
    bass_rhythm="x.x.xx.xx.x.xxox", arp_order=[0, 1, 2, 1, 3, 2, 1, 2, 0, 1, 2, 1, 3, 2, 3, 1],
    lead=SQUARE_LEAD,
)

TRACKS = {"bgm01.mp3": NEON_RUN, "bgm02.mp3": CIRCUIT_RUSH, "bgm03.mp3": DARK_ARMADA}

