#!/usr/bin/env python3
# Run from the repository root:  python3 tools/make_media.py [dat]   (check: --check [dat];
# a tune's length: --seconds FILE)
"""Composes Pinvale's music (Standard MIDI Files) and synthesizes its sound effects (WAV).

Every tune is described by a few lines in TUNES (key, mode, tempo, instruments, chord
progressions, form and the opening motif of its theme); compose() turns a description into
a format-1 MIDI file (a tempo track, then melody, bass, chords, an optional pad and drums on
channel 10) for a General MIDI synthesizer. The effects and the two cup
jingles are built from sines, noise, envelopes and simple filters. Output is deterministic.
"""

import math
import os
import random
import re
import struct
import sys
import wave
from fractions import Fraction as F

TPQ = 480  # MIDI ticks per quarter note

# ---------------------------------------------------------------------------------------------
# Music theory helpers

MODES = {
    "major": [0, 2, 4, 5, 7, 9, 11],
    "minor": [0, 2, 3, 5, 7, 8, 10],
    "dorian": [0, 2, 3, 5, 7, 9, 10],
    "mixolydian": [0, 2, 4, 5, 7, 9, 10],
}
PITCH_CLASS = {"C": 0, "Db": 1, "D": 2, "Eb": 3, "E": 4, "F": 5, "F#": 6, "G": 7, "Ab": 8,
               "A": 9, "Bb": 10, "B": 11}
SHARPS = {0: 0, 7: 1, 2: 2, 9: 3, 4: 4, 11: 5, 6: 6, 5: -1, 10: -2, 3: -3, 8: -4, 1: -5}
PARENT_SHIFT = {"major": 0, "minor": 3, "dorian": 10, "mixolydian": 5}
NUMERALS = ["I", "II", "III", "IV", "V", "VI", "VII"]
CHORD_RE = re.compile(
    r"([b#]?)(VII|VI|V|IV|III|II|I|vii|vi|v|iv|iii|ii|i)(o?)(maj7|7|6|sus4|add9)?")


def parse_chord(tok):
    """Roman numeral relative to the key's tonic (major-scale degrees) -> (root, intervals)."""
    m = CHORD_RE.fullmatch(tok)
    if not m:
        raise ValueError("bad chord " + tok)
    acc, num, dim, ext = m.groups()
    root = MODES["major"][NUMERALS.index(num.upper())] + {"b": -1, "#": 1, "": 0}[acc]
    minor = num.islower()
    ivs = [0, 3 if (minor or dim) else 4, 6 if dim else 7]
    if ext == "7":
        ivs.append(10)
    elif ext == "maj7":
        ivs.append(11)
    elif ext == "6":
        ivs.append(9)
    elif ext == "sus4":
        ivs[1] = 5
    elif ext == "add9":
        ivs.append(14)
    return (root % 12, tuple(ivs))


def parse_bars(text):
    """'I vi IV,V I' -> one list of chords per bar (a comma splits a bar evenly)."""
    return [[parse_chord(c) for c in bar.split(",")] for bar in text.split()]


def parse_rhythm(text):
    """'.5 .5 1 -1' -> durations in beats; negative means a rest."""
    return [F(x) for x in text.split()]


def parse_motif(text):
    """'4:.5 2:.5 r:1 | ...' -> bars of [degree or None, duration, snap-to-chord]."""
    bars = []
    for part in text.split("|"):
        notes = []
        for tok in part.split():
            d, length = tok.split(":")
            notes.append([None if d == "r" else int(d), F(length), False])
        bars.append(notes)
    return bars


# Rhythm cells for freely composed bars and for cadences, per number of beats in a bar.
RHYTHMS = {
    4: ["1 1 1 1", "1.5 .5 1 1", ".5 .5 1 .5 .5 1", "1 .5 .5 2", ".5 .5 .5 .5 1 1", "2 1 1",
        "1.5 .5 2", ".5 1 .5 1 1", "1 1 .5 .5 1", ".75 .25 .5 .5 1 -1", "1 .5 .5 1 -1"],
    3: ["1 1 1", "2 1", "1.5 .5 1", ".5 .5 1 1", "1 .5 .5 1", ".5 .5 .5 .5 1"],
}
CADENCE_HALF = {4: ["1 1 2", ".5 .5 1 2", "1.5 .5 2", "1 1 1 -1"], 3: ["1 2", ".5 .5 2"]}
CADENCE_FULL = {4: ["1 3", ".5 .5 3", "1 1 2", "2 2"], 3: ["1 2", ".5 .5 2"]}
STEPS = [-2, -1, -1, -1, 0, 1, 1, 1, 2, 3, -3]
LOW, HIGH = -3, 9  # melody range in scale degrees around the tonic

# Drum patterns: one string per GM drum note, one character per grid step
# ('x' accent, 'o' normal, '.' soft, '-' nothing).
DRUMS = {
    "pop": {36: "x-------x-o-----", 38: "----x-------x---", 42: "o-o-o-o-o-o-o-o-"},
    "rock": {36: "x-----x-x-------", 38: "----x-------x---", 42: "x-o-x-o-x-o-x-o-"},
    "drive": {36: "x---x---x---x---", 38: "----x-------x---", 42: "o-o-o-o-o-o-o-o-",
              54: "--o---o---o---o-"},
    "country": {36: "x-------x-------", 37: "----o-------o---", 82: "o.o.o.o.o.o.o.o."},
    "brush": {36: ".-------.-------", 51: "o---o-.-o---o-.-", 44: "----o-------o---",
              37: "------------.---"},
    "swing": {36: ".-------.-------", 51: "x---o-o-x---o-o-", 44: "----o-------o---",
              38: "------.-------.o"},
    "soft": {36: "o---------o-----", 37: "----o-------o---", 82: "..o...o...o...o."},
    "halftime": {36: "x-----o---x-----", 38: "--------x-------", 42: "o-o-o-o-o-o-o-o-"},
    "march": {36: "x-------x-------", 38: "x-.-o-..x-.-o.o.", 42: "--o---o---o---o-"},
    "polka": {36: "x-------x-------", 38: "----o-------o---", 42: "--o---o---o---o-"},
    "funk": {36: "x-----x---x--x--", 38: "----x--.-.--x--.", 42: "o.o.o.o.o.o.o.o."},
    "disco": {36: "x---x---x---x---", 39: "----x-------x---", 42: "o---o---o---o---",
              46: "--o---o---o---o-"},
    "tom": {45: "x-----o-x-----o-", 48: "----o-------o--o", 54: "o-o-o-o-o-o-o-o-",
            36: "x-------x-------"},
    "ballad": {36: "x-------x-x-----", 37: "----o-------o---", 42: ".-o-.-o-.-o-.-o-"},
    "waltz3": {36: "x-----------", 37: "----.---.---", 82: "o-.-o-.-o-.-"},
}
DRUM_VEL = {"x": 108, "o": 84, ".": 52}
FILLS = {"snare": [(38, 60), (38, 72), (38, 86), (38, 100)],
         "toms": [(50, 90), (48, 92), (47, 96), (45, 104)]}

# ---------------------------------------------------------------------------------------------
# The tunes. chords/pad/bass: (GM program, style); mel: (GM program, octave shift, velocity).
# The motif is the theme's first two bars as degree:beats (0 = tonic). Form letters name
# the four-bar sections of prog; "^n" transposes a phrase, "@p" changes the melody
# instrument from that phrase on. The theme's phrase before another section, and the last
# phrase, end on the cadence. mix overrides channel volumes, gain (dB) evens out the loudness
# of the tunes; drum_vol scales the drum velocities.

TUNES = {
    # character and course choice: bright and bouncy
    "qor_s06": dict(key="F", mode="major", bpm=132, seed=6, gain=-1.1,
                    prog=dict(A="I vi IV V", B="IV V iii vi", C="ii V I vi"),
                    form="A A B A C~ A", cadence="ii,V I",
                    motif="4:.5 5:.5 4:.5 2:.5 0:1 2:.5 4:.5 | 5:.5 4:.5 2:.5 0:.5 2:1.5 r:.5",
                    mel=(80, 0, 82), chords=(4, "arp8"), bass=(33, "octave8"), drums="pop",
                    fill="snare", crash=True,
                    mix=dict(chords=90)),
    # practice hole 1 and the editor: open air, an easy stroll
    "MOUNT": dict(key="D", mode="major", bpm=108, seed=2, gain=-1.0,
                  prog=dict(A="I IV I V", B="vi IV I V", C="IV I ii V"),
                  intro="I IV", form="A A B A@71 C~ C A B A", cadence="IV,V I",
                  motif="0:1 2:.5 4:.5 7:1.5 5:.5 | 4:.5 3:.5 5:1 3:2",
                  mel=(73, 12, 92), chords=(25, "strum"), bass=(32, "rootfifth"),
                  drums="country", fill="snare",
                  mix=dict(chords=90)),
    # championship hole 1: a proud opening
    "BGM06": dict(key="Bb", mode="major", bpm=124, seed=3, gain=-4,
                  prog=dict(A="I V vi IV", B="ii V iii vi", C="vi IV I V"),
                  intro="IV V", form="A A B A C C~ A^2 A^2", cadence="IV,V I",
                  motif="4:1.5 4:.5 5:.5 4:.5 2:1 | 1:1.5 1:.5 2:.5 1:.5 -1:1",
                  mel=(56, 0, 94), chords=(48, "block"), pad=(61, "stabs"),
                  bass=(33, "drive8"), drums="rock", fill="toms", crash=True,
                  mix=dict(chords=50, pad=110)),
    # hole finished, the shop: laid back, swung
    "qoretc05": dict(key="G", mode="major", bpm=92, seed=5, gain=-0.5, swing=True,
                     prog=dict(A="Imaj7 vi7 ii7 V7", B="iii7 vi7 ii7 V7"), form="A B A B~",
                     cadence="ii7,V7 Imaj7", motif="2:1.5 1:.5 2:1 4:1 | 0:3 r:1",
                     mel=(11, 0, 90), chords=(4, "comp24"), bass=(32, "walk"), drums="brush",
                     drum_vol=1.3,
                     mix=dict(drums=120)),
    # practice hole 2: a light waltz
    "bgm_158": dict(key="A", mode="major", bpm=156, beats=3, seed=158, gain=0.4,
                    prog=dict(A="I I IV V", B="vi iii IV V", C="IV I ii V"),
                    intro="I V", form="A A B A C C~ A@73 B A^1 A^1 C A^1 A^1",
                    cadence="V I", motif="0:1 2:1 4:1 | 7:2 6:.5 5:.5",
                    mel=(71, 0, 90), chords=(46, "arp8"), bass=(32, "waltz"), drums="waltz3",
                    drum_vol=0.8),
    # championship hole 2: dusk, a slow waltz with no drums
    "tasogaru": dict(key="E", mode="minor", bpm=84, beats=3, seed=8, gain=1.5,
                     prog=dict(A="i bVI bVII i", B="iv bVII bIII bVI", C="bVI bIII iv V"),
                     form="A B A C~ B@71 A B A",
                     cadence="iv,V i", motif="4:1.5 3:.5 2:1 | 0:2 -1:1",
                     mel=(75, 0, 92), chords=(24, "arp8"), pad=(89, "block"),
                     bass=(35, "root"), drums=None),
    # practice hole 3: sporty, mixolydian rock
    "K2seccore": dict(key="C", mode="mixolydian", bpm=150, seed=22, gain=-2.5,
                      prog=dict(A="I bVII IV I", B="vi IV bVII V", C="IV IV I I"),
                      intro="I bVII", form="A A B C~ B A C A^2 A^2",
                      cadence="IV,V I",
                      motif="0:.5 0:.5 2:.5 4:1 2:.5 4:1 | 6:.5 6:.5 3:.5 1:1 3:.5 6:1",
                      mel=(81, 0, 80), chords=(27, "funk16"), bass=(38, "octave8"),
                      drums="rock", fill="snare", crash=True),
    # championship hole 3: serious, horns and driving strings
    "BGM02": dict(key="D", mode="minor", bpm=128, seed=12, gain=-6.4,
                  prog=dict(A="i bVI bIII bVII", B="iv i bVI V", C="bVI bVII i i"),
                  intro="i V", form="A A B A C~ C B A@56 A",
                  cadence="bVI,V i", motif="0:1 2:1 4:1.5 3:.5 | 2:1 0:1 -2:2",
                  mel=(60, 0, 100), chords=(48, "pulse8"), bass=(32, "drive8"),
                  drums="march", fill="toms", crash=True,
                  mix=dict(chords=55)),
    # practice hole 4: a swinging sax tune
    "niceguy": dict(key="Eb", mode="major", bpm=168, seed=9, swing=True,
                    prog=dict(A="I vi ii V", B="iii VI7 ii V7", C="IV iv I VI7"),
                    form="A A B A C C A@66 A B~ A A",
                    cadence="ii,V7 I",
                    motif="4:.5 3:.5 2:.5 0:1.5 r:1 | 2:.5 3:.5 4:.5 5:1.5 r:1",
                    mel=(65, 0, 96), chords=(0, "charleston"), bass=(32, "walk"),
                    drums="swing", fill="snare",
                    mix=dict(chords=96)),
    # championship hole 4: tense and driving
    "tyari": dict(key="A", mode="minor", bpm=140, seed=14, gain=-6,
                  prog=dict(A="i bVI bVII i", B="iv bVI V V", C="bVI bVII bVI V"),
                  form="A B C A B~ C A B A",
                  cadence="bVII,V i",
                  motif="0:.5 0:.5 4:.5 0:.5 5:1 4:1 | 5:.5 5:.5 4:.5 2:.5 0:1 r:1",
                  mel=(29, 0, 84), chords=(48, "block"), bass=(34, "pump8"), drums="drive",
                  fill="toms", crash=True,
                  mix=dict(mel=120, chords=50)),
    # practice hole 5: a little town polka
    "town": dict(key="C", mode="major", bpm=116, seed=15, gain=3,
                 prog=dict(A="I I V7 V7", B="IV IV I V7", C="IV I V7 I"),
                 form="A B A C C A@22 B A", cadence="V7 I",
                 motif="0:.5 2:.5 4:.5 2:.5 0:1 -3:1 | 0:.5 2:.5 4:.5 7:.5 4:2",
                 mel=(21, 0, 92), chords=(0, "offbeat"), bass=(58, "polka"), drums="polka",
                 fill="snare", drum_vol=0.85),
    # championship hole 5: wistful, half-time groove
    "cryface0_dt": dict(key="F#", mode="minor", bpm=104, seed=17, gain=-0.5,
                        prog=dict(A="i bVII bVI V", B="iv i bVII bIII", C="bVI bVII i i"),
                        form="A~ A B A C~ B A",
                        cadence="bVI,V i", motif="4:1 3:.5 2:.5 3:1 4:1 | 3:1 1:.5 2:.5 1:2",
                        mel=(0, 12, 96), chords=(5, "arp8"), pad=(49, "block"),
                        bass=(33, "root"), drums="halftime", fill="snare", crash=True),
    # practice hole 6: a playful dorian groove
    "aoneko": dict(key="A", mode="dorian", bpm=124, seed=18, gain=-2,
                   prog=dict(A="i7 IV i7 IV", B="bIII bVII IV v7", C="iv7 bVII i7 i7"),
                   form="A A B A C~ C A@11 B",
                   cadence="bVII,IV i7",
                   motif="0:.75 2:.25 4:.5 6:1 r:.5 4:1 | 5:.75 3:.25 0:.5 3:1 r:.5 5:1",
                   mel=(12, 0, 100), chords=(26, "funk16"), bass=(33, "funk"), drums="funk",
                   fill="snare",
                   mix=dict(mel=115, drums=76)),
    # championship hole 6: a fiddle reel over harp and drums
    "k_33": dict(key="B", mode="minor", bpm=136, seed=33, gain=-2.0,
                 prog=dict(A="i bVII bVI bVII", B="bIII bVII iv V", C="bVI bIII bVII i"),
                 form="A A B B A C~ C A@73 A",
                 cadence="bVI,bVII i",
                 motif="0:.5 2:.5 4:.5 2:.5 0:.5 -1:.5 -3:1 | "
                       "-1:.5 1:.5 3:.5 1:.5 -1:.5 -2:.5 -4:1",
                 mel=(110, 0, 96), chords=(46, "arp16"), pad=(48, "block"),
                 bass=(32, "rootfifth"), drums="tom", fill="toms", crash=True,
                 mix=dict(pad=46)),
    # championship hole 7: synth-brass disco
    "qor_r06": dict(key="E", mode="major", bpm=144, seed=26, gain=-0.8,
                    prog=dict(A="vi IV I V", B="ii IV vi V", C="IV V iii vi"),
                    form="A A B B A C~ C A^1 B^1 A^1",
                    cadence="IV,V I",
                    motif="2:.5 2:.5 2:.5 0:.5 2:1 5:1 | 3:.5 3:.5 3:.5 2:.5 0:1 r:1",
                    mel=(62, 0, 92), chords=(50, "offbeat"), bass=(38, "octave8"),
                    drums="disco", fill="snare", crash=True),
    # championship hole 8: a tense march with pizzicato
    "k_03": dict(key="G", mode="minor", bpm=108, seed=3, gain=-2.8,
                 prog=dict(A="i iv i V", B="bVI bIII iv V", C="iv V i i"),
                 form="A B A C~ A B A", cadence="V i",
                 motif="0:1 -1:.5 0:.5 2:1 4:1 | 3:1.5 2:.5 3:1 5:1",
                 mel=(68, 0, 98), chords=(45, "pulse8"), pad=(48, "block"),
                 bass=(32, "root"), drums="march", fill="snare", drum_vol=0.85,
                 mix=dict(pad=46)),
    # championship hole 9: the climax
    "qor_s05": dict(key="D", mode="major", bpm=152, seed=55, gain=-3.7,
                    prog=dict(A="I V vi IV", B="ii V iii vi", C="IV V bVI,bVII I", D="vi iii IV V"),
                    form="A A B A D~ D C A^2 B^2 C^2",
                    motif="0:.5 4:.5 7:1.5 6:.5 4:.5 2:.5 | 8:.5 4:.5 6:1.5 5:.5 4:1",
                    mel=(61, 0, 100), chords=(48, "pulse8"), pad=(62, "stabs"),
                    bass=(33, "octave8"), drums="drive", fill="toms", crash=True,
                    mix=dict(mel=120, chords=52, pad=110)),
    # course finished: the closing theme, played once through the credits
    "qoretc06": dict(key="F", mode="major", bpm=88, seed=60, gain=-1.8, ending=True,
                     prog=dict(A="I vi IV V", B="IV V iii vi"),
                     form="A@73 A B@68 A@73 B@71 A^2@56", cadence="ii,V I",
                     intro="IV V", coda="IV I",
                     motif="4:1.5 2:.5 0:1 2:1 | 2:1.5 4:.5 5:2",
                     mel=(73, 0, 96), chords=(0, "arp8"), pad=(48, "block"),
                     bass=(32, "rootfifth"), drums="ballad", fill="toms", crash=True,
                     drum_vol=0.8,
                     mix=dict(chords=90, pad=50)),
}

CHANNEL = {"mel": 0, "bass": 1, "chords": 2, "pad": 3, "drums": 9}
MIX = {"mel": (100, 64), "bass": (96, 58), "chords": (74, 76), "pad": (62, 48),
       "drums": (92, 64)}  # (channel volume, pan) per part; a tune's "mix" may change the volume


class Song:
    """Collects notes in beats and writes a format-1 MIDI file."""

    def __init__(self, bpm, beats, swing, levels, gain_db):
        self.bpm, self.beats, self.swing = bpm, beats, swing
        levels = dict(dict((p, v) for p, (v, _) in MIX.items()), **levels)
        # the synthesizer's volume curve is about 40 log10(cc / 127) dB
        self.levels = {p: min(127, round(v * 10 ** (gain_db / 40))) for p, v in levels.items()}
        self.notes = {p: [] for p in CHANNEL}
        self.programs = {p: [] for p in CHANNEL}  # (beat, program)
        self.tempos = [(F(0), bpm)]
        self.length = F(0)
        self.cut = F(0)  # every note ends this many beats before the end, at the latest

    def tick(self, b):
        if self.swing:  # swung eighths: the off-beat lands two thirds into the beat
            whole = math.floor(b)
            f = b - whole
            f = f * F(4, 3) if f <= F(1, 2) else F(2, 3) + (f - F(1, 2)) * F(2, 3)
            b = whole + f
        return round(b * TPQ)

    def note(self, part, start, dur, pitch, vel):
        if dur > 0 and 0 <= pitch <= 127:
            vel = max(1, min(127, int(vel)))
            self.notes[part].append((self.tick(start), self.tick(start + dur), pitch, vel))

    def track(self, part, name):
        ch = CHANNEL[part]
        ev = [(0, 0, meta(3, name.encode()))]
        vol, pan = self.levels[part], MIX[part][1]
        for cc, v in ((0, 0), (7, vol), (10, pan), (91, 40), (93, 12 if part != "drums" else 0)):
            ev.append((0, 1, bytes([0xB0 | ch, cc, v])))
        for b, prog in self.programs[part]:
            ev.append((self.tick(b), 1, bytes([0xC0 | ch, prog])))
        # a note never outlasts the next note of the same pitch
        by_pitch = {}
        for n in sorted(self.notes[part]):
            by_pitch.setdefault(n[2], []).append(n)
        last = self.tick(self.length - (0 if part == "drums" else self.cut))
        for notes in by_pitch.values():
            for i, (on, off, pitch, vel) in enumerate(notes):
                if i + 1 < len(notes):
                    off = min(off, notes[i + 1][0])
                off = min(off, last)
                if off > on:
                    ev.append((on, 2, bytes([0x90 | ch, pitch, vel])))
                    ev.append((off, 0, bytes([0x80 | ch, pitch, 0])))
        return chunk(ev, self.tick(self.length))

    def write(self, path, title, key_pc, mode):
        sf = SHARPS[(key_pc + PARENT_SHIFT[mode]) % 12]
        ev = [(0, 0, meta(3, title.encode())),
              (0, 0, meta(0x58, bytes([self.beats, 2, 24, 8]))),
              (0, 0, meta(0x59, struct.pack("bB", sf, 1 if mode == "minor" else 0)))]
        for b, bpm in self.tempos:
            ev.append((self.tick(b), 0, meta(0x51, struct.pack(">I", round(6e7 / bpm))[1:])))
        tracks = [chunk(ev, self.tick(self.length))]
        for part, name in (("mel", "Melody"), ("bass", "Bass"), ("chords", "Chords"),
                           ("pad", "Pad"), ("drums", "Drums")):
            if self.notes[part]:
                tracks.append(self.track(part, name))
        with open(path, "wb") as f:
            f.write(b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TPQ) + b"".join(tracks))


def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append(0x80 | (n & 0x7F))
        n >>= 7
    return bytes(reversed(out))


def meta(kind, data):
    return bytes([0xFF, kind]) + vlq(len(data)) + data


def chunk(events, end):
    events.sort(key=lambda e: (e[0], e[1]))
    out, last = bytearray(), 0
    for t, _, data in events:
        out += vlq(t - last) + data
        last = t
    out += vlq(max(0, end - last)) + b"\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(out)) + bytes(out)


# ---------------------------------------------------------------------------------------------
# Composition


class Composer:
    def __init__(self, t):
        self.t = t
        self.rng = random.Random(t["seed"])
        self.beats = t.get("beats", 4)
        self.scale = MODES[t["mode"]]
        self.key = PITCH_CLASS[t["key"]]
        self.song = Song(t["bpm"], self.beats, t.get("swing", False), t.get("mix", {}),
                         t.get("gain", 0))
        self.tonic = (60 + self.key if self.key >= 2 else 72 + self.key) + t["mel"][1]
        self.voicing = None
        self.cache = {}

    # -- pitches ------------------------------------------------------------------------------

    def chord_pcs(self, chord):
        return {(self.key + chord[0] + i) % 12 for i in chord[1]}

    def pitch(self, d, chord):
        p = self.tonic + 12 * (d // 7) + self.scale[d % 7]
        pcs = self.chord_pcs(chord)
        if p % 12 not in pcs:  # borrow the chord's altered tone (G# over E in A minor)
            for c in (p - 1, p + 1):
                if c % 12 in pcs and (c - self.key) % 12 not in self.scale:
                    return c
        return p

    def snap(self, d, chord, toward=0):
        pcs = self.chord_pcs(chord)
        order = (0, -1, 1, -2, 2) if toward <= 0 else (0, 1, -1, 2, -2)
        for k in order:
            if self.pitch(d + k, chord) % 12 in pcs:
                return d + k
        return d

    # -- melody -------------------------------------------------------------------------------

    def walk(self, d):
        d += self.rng.choice(STEPS)
        if d > HIGH:
            d -= self.rng.choice((2, 3, 4))
        if d < LOW:
            d += self.rng.choice((2, 3, 4))
        return d

    def free_bar(self, start):
        notes, d = [], start
        for dur in parse_rhythm(self.rng.choice(RHYTHMS[self.beats])):
            if dur < 0:
                notes.append([None, -dur, False])
            else:
                notes.append([d, dur, True])
                d = self.walk(d)
        return notes

    def cadence_bar(self, prev, full, chord):
        cells = (CADENCE_FULL if full else CADENCE_HALF)[self.beats]
        rhythm = parse_rhythm(self.rng.choice(cells))
        if full:
            target = 0 if abs(prev) <= abs(prev - 7) else 7
        else:
            target = self.snap(min(HIGH - 1, max(LOW + 2, prev + self.rng.choice((-1, 1)))), chord)
        k = len([r for r in rhythm if r > 0]) - 1
        above = prev >= target
        if full:  # fall onto the tonic through chord tones and a last step
            steps = ([2] if above else [-3]) if k == 1 else ([4, 2, 1] if above else [-3, -2, -1])
        else:
            steps = [j if above else -j for j in range(k, 0, -1)]
        steps = steps[len(steps) - k:] + [0] if k else [0]
        notes = []
        for dur in rhythm:
            if dur < 0:
                notes.append([None, -dur, False])
            else:
                step = steps.pop(0)
                notes.append([target + step, dur, step != 0 or not full])
        return notes

    def shift(self, bar, by):
        out = []
        for d, dur, _ in bar:
            if d is None:
                out.append([None, dur, False])
            else:
                d += by
                d = d - 7 if d > HIGH else d + 7 if d < LOW else d
                out.append([d, dur, True])
        return out

    def last_degree(self, bars):
        for bar in reversed(bars):
            for d, _, _ in reversed(bar):
                if d is not None:
                    return d
        return 0

    def phrase(self, letter, chords, full):
        key = (letter, full, str(chords))
        if key in self.cache:
            return self.cache[key]
        state = self.rng.getstate()
        self.rng.seed(self.t["seed"] * 1000 + ord(letter) * 2 + full)
        if letter == self.theme:
            motif = parse_motif(self.t["motif"])
            b1 = motif[0]
            b2 = motif[1] if len(motif) > 1 else self.shift(b1, self.t.get("seq", -2))
        else:
            start = self.snap(self.rng.choice((2, 4, 5, 7)), chords[0][0])
            b1 = self.free_bar(start)
            b2 = self.shift(b1, self.rng.choice((-2, -1, 1, 2)))
        b3 = self.free_bar(self.walk(self.last_degree([b1, b2])))
        b4 = self.cadence_bar(self.last_degree([b1, b2, b3]), full, chords[3][-1])
        bars = [b1, b2, b3, b4]
        for bar, bar_chords in zip(bars, chords):
            self.fit(bar, bar_chords)
        self.rng.setstate(state)
        self.cache[key] = bars
        return bars

    def fit(self, bar, bar_chords):
        """Moves the notes on strong beats and the long notes onto tones of the chord."""
        pos, prev = F(0), None
        for n in bar:
            if n[0] is not None and n[2]:
                if pos % (2 if self.beats == 4 else 3) == 0 or n[1] >= F(3, 2):
                    chord = self.chord_at(bar_chords, pos)
                    n[0] = self.snap(n[0], chord, 0 if prev is None else n[0] - prev)
            if n[0] is not None:
                prev = n[0]
            pos += n[1]
        assert pos == self.beats, (self.t["key"], bar)
        return bar

    def chord_at(self, bar_chords, pos):
        seg = F(self.beats, len(bar_chords))
        return bar_chords[min(len(bar_chords) - 1, int(pos // seg))]

    def play_melody(self, bar, bar_chords, start, shift, last=False):
        pos = F(0)
        for d, dur, _ in bar:
            if d is not None:
                chord = self.chord_at(bar_chords, pos)
                vel = self.t["mel"][2] + (8 if pos == 0 else 0) + self.rng.randint(-5, 5)
                length = dur if last else dur * F(9, 10)
                self.song.note("mel", start + pos, length, self.pitch(d, chord) + shift, vel)
            pos += dur

    # -- accompaniment ------------------------------------------------------------------------

    def voice(self, chord, centre):
        pcs = [(self.key + chord[0] + i) % 12 for i in chord[1]]
        return sorted(centre - 6 + (pc - (centre - 6)) % 12 for pc in pcs)

    def accompany(self, bar_chords, start, shift, held=False, after=None):
        seg = F(self.beats, len(bar_chords))
        for i, chord in enumerate(bar_chords):
            s0 = start + i * seg
            root = 35 + (self.key + chord[0] - 35) % 12 + shift
            fifth = root + 7 if root + 7 <= 50 else root - 5
            nxt = bar_chords[i + 1] if i + 1 < len(bar_chords) else after
            if held:
                self.song.note("bass", s0, seg, root, 90)
                for p in self.voice(chord, 62):
                    self.song.note("chords", s0, seg, p + shift, 70)
                    if self.t.get("pad"):
                        self.song.note("pad", s0, seg, p + shift + 12, 64)
                continue
            self.bass(self.t["bass"][1], s0, seg, root, fifth, chord, nxt, shift)
            self.comp("chords", self.t["chords"][1], s0, seg, chord, shift)
            if self.t.get("pad"):
                self.comp("pad", self.t["pad"][1], s0, seg, chord, shift)

    def bass(self, style, s0, seg, root, fifth, chord, nxt, shift):
        n = self.song.note
        if style == "root":
            n("bass", s0, seg * F(19, 20), root, 88)
        elif style == "rootfifth":
            half = seg / 2 if seg >= 2 else seg
            n("bass", s0, half * F(9, 10), root, 90)
            if seg >= 2:
                n("bass", s0 + half, half * F(9, 10), fifth if self.beats == 4 else root, 80)
        elif style in ("pump8", "drive8", "octave8"):
            for k in range(int(seg * 2)):
                p = root + 12 if style == "octave8" and k % 2 else root
                n("bass", s0 + F(k, 2), F(9, 20), p, 96 if k % 2 == 0 else 80)
        elif style == "walk":
            steps = [root, root + chord[1][1], root + 7, root + 9]
            if nxt is not None:  # lead into the next root by a half step
                target = 35 + (self.key + nxt[0] - 35) % 12 + shift
                steps[int(seg) - 1] = target + (1 if target < root else -1)
            for k in range(int(seg)):
                n("bass", s0 + k, F(9, 10), steps[k], 92 if k % 2 == 0 else 82)
        elif style == "waltz":
            n("bass", s0, F(9, 10), root if (int(s0) // 3) % 2 == 0 else fifth, 92)
        elif style == "polka":
            for k in range(0, int(seg), 2):
                n("bass", s0 + k, F(4, 5), root if k == 0 else fifth, 92)
        elif style == "funk":
            for k, c in enumerate("x--x--o-x-o--o-o"[: int(seg * 4)]):
                if c != "-":
                    p = root + 12 if c == "o" and k % 4 == 2 else root
                    n("bass", s0 + F(k, 4), F(1, 5), p, 100 if c == "x" else 78)

    def comp(self, part, style, s0, seg, chord, shift):
        n = self.song.note
        v = self.voice(chord, 62)
        if style == "block":
            for p in v:
                n(part, s0, seg * F(24, 25), p + shift + (12 if part == "pad" else 0), 62)
        elif style in ("arp8", "arp16"):
            step = F(1, 2) if style == "arp8" else F(1, 4)
            tones = self.voice(chord, 58 if style == "arp8" else 66)
            tones += [tones[0] + 12]
            order = tones + tones[-2:0:-1]
            for k in range(int(seg / step)):
                vel = 70 if k % (2 / step) == 0 else 58
                n(part, s0 + k * step, step * F(3, 2), order[k % len(order)] + shift, vel)
        elif style == "strum":
            for at, down in ((0, 1), (1, 1), (F(3, 2), 0), (F(5, 2), 0), (3, 1), (F(7, 2), 0)):
                if at < seg:
                    for j, p in enumerate(v if down else v[::-1]):
                        n(part, s0 + at + F(j, 40), F(1, 2), p + shift, 72 if down else 58)
        elif style == "offbeat":
            for k in range(int(seg)):
                for p in v:
                    n(part, s0 + k + F(1, 2), F(2, 5), p + shift, 64)
        elif style == "comp24":
            for at in (1, 3):
                if at < seg:
                    for p in v:
                        n(part, s0 + at, F(3, 5), p + shift, 58)
        elif style == "charleston":
            for at in (0, F(3, 2), F(5, 2)):
                if at < seg:
                    for p in v:
                        n(part, s0 + at, F(2, 5), p + shift, 60)
        elif style in ("pulse8", "stabs"):
            hits = range(int(seg * 2)) if style == "pulse8" else (0, 3)
            for k in hits:
                if F(k, 2) < seg:
                    for p in v:
                        n(part, s0 + F(k, 2), F(2, 5), p + shift, 66 if k % 2 == 0 else 54)
        elif style == "funk16":
            for k, c in enumerate("--x--x-x--x--x-x"[: int(seg * 4)]):
                if c == "x":
                    for p in v:
                        n(part, s0 + F(k, 4), F(1, 6), p + shift + 12, 62)

    def drums(self, start, phrase_start, phrase_end, final_held=False):
        style = DRUMS[self.t["drums"]]
        vol = self.t.get("drum_vol", 1.0)
        fill = self.t.get("fill") if phrase_end else None
        if phrase_start and self.t.get("crash"):
            self.song.note("drums", start, F(1, 2), 49, 100 * vol)
        if final_held:
            self.song.note("drums", start, F(1, 2), 36, 100 * vol)
            self.song.note("drums", start, F(1, 2), 49, 110 * vol)
            return
        for drum, line in style.items():
            step = F(self.beats, len(line))
            for k, c in enumerate(line):
                at = k * step
                if c != "-" and not (fill and at >= self.beats - 1 and drum != 36):
                    vel = DRUM_VEL[c] * vol + self.rng.randint(-4, 4)
                    self.song.note("drums", start + at, F(1, 8), drum, vel)
        if fill:
            for j, (drum, vel) in enumerate(FILLS[fill]):
                self.song.note("drums", start + self.beats - 1 + F(j, 4), F(1, 8), drum,
                               vel * vol)

    # -- the whole piece ----------------------------------------------------------------------

    def compose(self):
        t, song = self.t, self.song
        sections = {k: parse_bars(v) for k, v in t["prog"].items()}
        form = [re.fullmatch(r"([A-Z])(?:\^(-?\d+))?(?:@(\d+))?(~?)", tok).groups()
                for tok in t["form"].split()]
        self.theme = form[0][0]
        for part in ("mel", "bass", "chords", "pad"):
            if t.get(part):
                song.programs[part].append((F(0), t[part][0]))
        # plan every bar first: (chords, melody, transposition, phrase start, phrase end,
        # held final chord, new melody instrument)
        plan = [(bar, None, 0, False, False, False, None, True)
                for bar in parse_bars(t.get("intro", ""))]
        shift = 0
        for i, (letter, tr, prog, quiet) in enumerate(form):
            shift = int(tr or 0)
            chords = [list(b) for b in sections[letter]]
            last = i == len(form) - 1
            full = last or (letter == self.theme and form[i + 1][0] != self.theme)
            if full and t.get("cadence"):
                tail = parse_bars(t["cadence"])
                chords[len(chords) - len(tail):] = tail
            for k, (notes, bar_chords) in enumerate(zip(self.phrase(letter, chords, full),
                                                        chords)):
                plan.append((bar_chords, notes, shift, k == 0, k == 3, False,
                             int(prog) if prog and k == 0 else None, bool(quiet)))
        coda = parse_bars(t.get("coda", ""))
        for k, bar in enumerate(coda):
            final = k == len(coda) - 1
            if final:
                notes = [[7, F(self.beats), False]]
            else:
                notes = self.fit(self.shift(parse_motif(t["motif"])[0], 0), bar)
            plan.append((bar, notes, shift, final, False, final, None, False))
        pos = F(0)
        for i, (chords, notes, tr, first, end, held, prog, quiet) in enumerate(plan):
            after = plan[(i + 1) % len(plan)][0][0]  # a looping tune leads back to its start
            if prog is not None:
                song.programs["mel"].append((pos, prog))
            if notes:
                self.play_melody(notes, chords, pos, tr, last=held)
                if held:
                    self.play_melody([[4, F(self.beats), False]], chords, pos, tr, last=True)
            self.accompany(chords, pos, tr, held=held, after=after)
            if t.get("drums") and not quiet:
                self.drums(pos, first, end, final_held=held)
            pos += self.beats
        song.length = pos
        # Every note is released before the last bar line: a looping tune starts again
        # right there, and the closing theme's last chord dies away inside its own bar.
        song.cut = F(6, 5) if t.get("ending") else F(1, 4)
        if t.get("ending"):  # slow down over the last two bars
            start = pos - 2 * self.beats
            for k in range(2 * self.beats):
                song.tempos.append((start + k, t["bpm"] * (1 - 0.05 * (k + 1))))
        return song


def write_tunes(folder):
    for name, t in TUNES.items():
        c = Composer(t)
        song = c.compose()
        song.write(os.path.join(folder, name + ".mid"), name, c.key, t["mode"])


# ---------------------------------------------------------------------------------------------
# Sound effects

SR = 22050
TWO_PI = 2 * math.pi
fx_rng = random.Random(2024)


def silence(sec):
    return [0.0] * int(sec * SR)


def mix(dst, src, at=0.0, gain=1.0):
    o = int(at * SR)
    if o + len(src) > len(dst):
        dst.extend([0.0] * (o + len(src) - len(dst)))
    for i, s in enumerate(src):
        dst[o + i] += s * gain
    return dst


def envelope(n, attack, tau=None, release=0.02):
    a, r = max(1, int(attack * SR)), max(1, int(release * SR))
    out = []
    for i in range(n):
        e = i / a if i < a else 1.0
        if tau and i >= a:
            e *= math.exp(-(i - a) / (tau * SR))
        if i > n - r:
            e *= (n - i) / r
        out.append(e)
    return out


def tone(dur, f0, f1=None, parts=((1, 1.0),), attack=0.005, tau=None, release=0.03,
         vib=0.0, bright=0.0):
    """Additive tone with an exponential glide from f0 to f1; with bright > 0 the upper
    partials follow the envelope (brass-like)."""
    n = int(dur * SR)
    f1 = f1 or f0
    env = envelope(n, attack, tau, release)
    out, ph = [0.0] * n, 0.0
    for i in range(n):
        t = i / SR
        f = f0 * (f1 / f0) ** (t / dur)
        if vib:
            f *= 1 + vib * math.sin(TWO_PI * 5.5 * t) * min(1.0, t * 3)
        ph += TWO_PI * f / SR
        e = env[i]
        s = 0.0
        for k, amp in parts:
            if k * f < SR / 2:
                s += amp * (e ** (bright * (k - 1)) if bright else 1.0) * math.sin(k * ph)
        out[i] = e * s
    return out


def noise(dur, attack=0.002, tau=None, release=0.02):
    env = envelope(int(dur * SR), attack, tau, release)
    return [fx_rng.uniform(-1, 1) * e for e in env]


def lowpass(x, fc):
    """One-pole low-pass; fc may be a number or a function of time."""
    y, out = 0.0, []
    for i, s in enumerate(x):
        f = fc(i / SR) if callable(fc) else fc
        y += (1 - math.exp(-TWO_PI * f / SR)) * (s - y)
        out.append(y)
    return out


def highpass(x, fc):
    return [a - b for a, b in zip(x, lowpass(x, fc))]


def bandpass(x, fc, q=2.0):
    """Resonant band-pass (state-variable filter); fc may be a function of time."""
    low = band = 0.0
    out = []
    for i, s in enumerate(x):
        f = fc(i / SR) if callable(fc) else fc
        g = 2 * math.sin(math.pi * min(f, SR / 6) / SR)
        low += g * band
        high = s - low - band / q
        band += g * high
        out.append(band)
    return out


def bell(dur, f, tau=0.3):
    return tone(dur, f, parts=((1, 1.0), (2.76, 0.4), (5.4, 0.2), (8.93, 0.08)), attack=0.002,
                tau=tau)


BRASS = tuple((k, 1.0 / k) for k in range(1, 9))
SQUARE = tuple((k, 1.0 / k) for k in range(1, 12, 2))


def midi_hz(m):
    return 440.0 * 2 ** ((m - 69) / 12)


def swing_fx(whoosh, low, high, hit, hit_pitch, tail=0.3, crack=0.5):
    """A club swing: a band-passed noise whoosh sweeping low->high, then the club meeting
    the ball: a dull thump and a short click of noise, no tone."""
    w = noise(whoosh, attack=whoosh * 0.7, release=whoosh * 0.3)
    w = bandpass(w, lambda t: low * (high / low) ** min(1.0, t / whoosh), q=1.5)
    out = mix(silence(whoosh + tail), w, 0.0, 1.0)
    at = whoosh * 0.85
    click = bandpass(noise(0.04, attack=0.002, tau=0.008), 2200, q=1.2)
    mix(out, click, at, crack)
    thump = tone(tail, hit_pitch, hit_pitch * 0.6, attack=0.003, tau=tail / 5)
    mix(out, thump, at, hit)
    return out


def knock(f, tau, q=4.0, body=None):
    """A short knock on something solid: a ringing band of noise around f, and, with body,
    a low sine for the weight of it."""
    out = bandpass(noise(tau * 6, attack=0.002, tau=tau), f, q=q)
    if body:
        mix(out, tone(tau * 6, body, body * 0.9, attack=0.003, tau=tau * 1.5), 0.0, 0.08)
    return out


def chime(dur, notes, gap, gain=1.0):
    """The menu family: soft bell-like tones (a sine with a few gentle partials)."""
    out = silence(dur)
    for k, m in enumerate(notes):
        mix(out, tone(dur - k * gap, midi_hz(m), parts=((1, 1.0), (2, 0.25), (3, 0.08)),
                      attack=0.006, tau=0.09), k * gap, gain)
    return out


def effects():
    fx = {}
    # menu choice confirmed (also a purchase, a special): two rising soft chimes, E6 A6
    fx["se1"] = chime(0.3, (88, 93), 0.07)
    # a locked portrait: a low, muffled double bump
    buzz = lowpass(tone(0.14, 110, parts=SQUARE[:3], attack=0.01, release=0.04), 900)
    fx["se2"] = mix(mix(silence(0.36), buzz), buzz, 0.18)
    # panel buttons, the next stroke, the hole closed: a small wooden tick
    fx["se3"] = knock(1500, 0.012, q=5.0, body=700)
    # a key accepted in the name box: a lighter tick
    fx["se6"] = knock(2600, 0.01, q=6.0)
    # the swings, growing with the player's power
    fx["swing1"] = swing_fx(0.22, 700, 2600, 0.4, 180, tail=0.25, crack=0.35)
    fx["swing2"] = swing_fx(0.18, 900, 4000, 0.5, 220, tail=0.3, crack=0.9)
    fx["swing3"] = swing_fx(0.34, 400, 1400, 0.6, 140, tail=0.3, crack=0.15)
    fx["swing4"] = swing_fx(0.40, 300, 1800, 1.1, 95, tail=0.45, crack=0.6)
    big = swing_fx(0.50, 250, 3200, 1.4, 75, tail=0.6, crack=1.0)
    mix(big, lowpass(noise(0.5, attack=0.01, tau=0.15), 900), 0.45, 0.5)  # a rush of air
    fx["swing5"] = big
    # fairway: a soft thud on turf and one small bounce
    fair = mix(tone(0.25, 110, 60, attack=0.006, tau=0.05),
               lowpass(noise(0.1, attack=0.004, tau=0.02), 600), 0.0, 0.7)
    fx["fair"] = mix(fair, tone(0.14, 90, 55, attack=0.005, tau=0.03), 0.13, 0.35)
    # rough: a duller thud swallowed by rustling grass
    rustle = noise(0.5, attack=0.04, tau=0.2)
    grains = [s * (1.0 if fx_rng.random() < 0.08 else 0.25) for s in rustle]
    rough = bandpass(grains, lambda t: 3500 - 2000 * t, q=1.2)
    fx["rough"] = mix(rough, tone(0.2, 85, 55, attack=0.008, tau=0.04), 0.0, 0.5)
    # water: a splash and its drops
    splash = lowpass(noise(0.75, attack=0.006, tau=0.18), lambda t: 5000 * math.exp(-t * 4))
    for k in range(7):
        f0 = fx_rng.uniform(500, 1100)
        mix(splash, tone(0.05, f0, f0 * 1.8, attack=0.004, tau=0.02), 0.12 + k * 0.07, 0.25)
    fx["water"] = splash
    # bunker: the ball buries itself in sand, a spray of grains after
    sand = lowpass(bandpass(noise(0.45, attack=0.008, tau=0.1), 900, q=0.8), 1800)
    spray = highpass(noise(0.3, attack=0.03, tau=0.08), 3000)
    fx["bunker"] = mix(mix(sand, spray, 0.05, 0.25), tone(0.15, 70, 50, attack=0.006,
                                                            tau=0.03), 0.0, 0.6)
    # green: a soft landing, two short hops and a little roll on the short grass
    green = mix(silence(0.7), tone(0.2, 130, 90, attack=0.005, tau=0.04), 0.0, 0.7)
    mix(green, lowpass(noise(0.06, attack=0.003, tau=0.015), 900), 0.0, 0.4)
    for at, g in ((0.16, 0.4), (0.27, 0.22)):
        mix(green, tone(0.12, 150, 110, attack=0.004, tau=0.025), at, g)
    mix(green, lowpass(noise(0.35, attack=0.05, tau=0.12), 500), 0.3, 0.25)
    fx["green"] = green
    # out of bounds: the ball clatters away, then a falling, muffled horn
    ob = silence(1.0)
    for k, at in enumerate((0.0, 0.12, 0.21, 0.27)):
        mix(ob, knock(900 - 90 * k, 0.015, q=3.0), at, 0.6 - 0.12 * k)
    mix(ob, lowpass(tone(0.6, 330, 165, parts=SQUARE[:4], attack=0.03, tau=0.4, vib=0.012,
                         release=0.15), 1500), 0.35, 0.8)
    fx["ob"] = ob
    # putt: the soft knock of the putter face, a little weight behind it
    fx["putt"] = knock(900, 0.02, q=3.0, body=220)
    # the cup: a roll round the lip, the drop, and the ball rattling in the plastic cup
    cup = silence(0.8)
    mix(cup, lowpass(noise(0.25, attack=0.04, tau=0.1), 700), 0.0, 0.35)
    at = 0.22
    mix(cup, knock(520, 0.03, q=4.0, body=180), at, 1.0)  # the drop
    at += 0.09
    for k in range(7):  # rattling to rest, quicker and softer each time
        mix(cup, knock(fx_rng.uniform(1100, 1700), 0.01, q=5.0), at, 0.7 * 0.78 ** k)
        at += 0.065 * 0.8 ** k
    fx["in"] = cup
    # the hole's points added: coins in the menu chimes' family, A major
    coins = chime(0.55, (93, 97, 100, 105), 0.06)
    fx["se4"] = coins
    sweep = silence(0.6)
    for k in range(4):  # rewinding: quick falling chirps, each a little lower
        mix(sweep, tone(0.14, 2400 - 400 * k, 500 - 80 * k, parts=((1, 1.0), (2, 0.5), (3, 0.3)),
                        attack=0.008, release=0.03), k * 0.13, 0.8)
    fx["se5"] = sweep
    return fx


def brass_chord(out, at, dur, notes, gain, bright=1.2):
    for j, m in enumerate(notes):
        mix(out, tone(dur, midi_hz(m), parts=BRASS, attack=0.025, tau=dur * 1.5, release=0.08,
                      vib=0.004 if dur > 0.6 else 0.0, bright=bright), at, gain if j == 0 else
            gain * 0.55)


def crash(out, at, gain, length=1.4):
    mix(out, highpass(noise(length, attack=0.002, tau=length / 3.5), 3000), at, gain)


def timpani(out, at, m, gain, length=0.9):
    mix(out, tone(length, midi_hz(m), midi_hz(m) * 0.97, parts=((1, 1.0), (1.5, 0.3), (2, 0.2)),
                  attack=0.004, tau=length / 3), at, gain)
    mix(out, lowpass(noise(0.06, attack=0.001, tau=0.015), 600), at, gain * 0.5)


def jingles():
    # practice: quick rising arpeggio to a held high C, glockenspiel sparkle on top
    bright = silence(3.6)
    for at, m, d in ((0.0, 67, 0.13), (0.15, 72, 0.13), (0.30, 76, 0.13), (0.45, 79, 0.28),
                     (0.78, 76, 0.12), (0.93, 79, 0.14)):
        brass_chord(bright, at, d + 0.05, [m], 0.8, bright=0.8)
    brass_chord(bright, 1.1, 1.9, [84, 76, 79, 72], 0.75, bright=0.8)
    for k, m in enumerate((84, 88, 91, 96, 91, 96)):
        mix(bright, bell(1.0, midi_hz(m), 0.25), 1.15 + 0.11 * k, 0.3)
    crash(bright, 1.1, 0.25, 1.6)
    timpani(bright, 1.1, 48, 0.6)
    # championship: triplet call, IV - V - I in full brass, timpani roll and crash
    grand = silence(4.4)
    for at in (0.0, 0.13, 0.26):
        brass_chord(grand, at, 0.12, [65, 62], 0.8)
    brass_chord(grand, 0.40, 0.48, [70, 65, 62, 58], 0.8)
    brass_chord(grand, 0.92, 0.36, [75, 70, 67, 63], 0.8)
    brass_chord(grand, 1.32, 0.36, [77, 72, 69, 65], 0.8)
    brass_chord(grand, 1.74, 2.3, [82, 77, 74, 70, 65, 58], 0.75)
    for k in range(14):  # roll building into the last chord
        timpani(grand, 0.95 + k * 0.055, 41, 0.15 + 0.03 * k, 0.25)
    timpani(grand, 1.74, 46, 0.9, 1.4)
    timpani(grand, 0.40, 46, 0.6)
    crash(grand, 1.74, 0.35, 2.2)
    return {"jngl05": bright, "jngl01": grand}


def write_wav(path, samples, peak_db=-3.0):
    """Fades the edges with raised cosines (no clicks), scales the peak to peak_db and
    writes 16-bit mono."""
    n = len(samples)
    fade_in, fade_out = max(1, min(int(0.008 * SR), n // 4)), max(1, min(int(0.03 * SR), n // 4))

    def edge(i):
        x = min(1.0, i / fade_in, (n - 1 - i) / fade_out)
        return math.sin(math.pi / 2 * x) ** 2

    shaped = [s * edge(i) for i, s in enumerate(samples)]
    gain = 10 ** (peak_db / 20) / max(1e-9, max(abs(s) for s in shaped))
    data = b"".join(struct.pack("<h", int(round(s * gain * 32767))) for s in shaped)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(SR)
        w.writeframes(data)


# ---------------------------------------------------------------------------------------------
# Checking what was written


def midi_seconds(path):
    """Parses a Standard MIDI File completely and returns (tracks, seconds)."""
    data = open(path, "rb").read()
    assert data[:4] == b"MThd" and struct.unpack(">I", data[4:8])[0] == 6, path
    fmt, ntrks, division = struct.unpack(">HHH", data[8:14])
    assert fmt == 1 and ntrks >= 4 and division == TPQ, path
    pos, tempos, end, channels = 14, [], 0, set()
    for _ in range(ntrks):
        assert data[pos:pos + 4] == b"MTrk", path
        length = struct.unpack(">I", data[pos + 4:pos + 8])[0]
        p, stop, tick, status, ended = pos + 8, pos + 8 + length, 0, None, False

        def read_vlq():
            nonlocal p
            v = 0
            while True:
                b = data[p]
                p += 1
                v = (v << 7) | (b & 0x7F)
                if b < 0x80:
                    return v

        while p < stop:
            tick += read_vlq()
            if data[p] == 0xFF:
                kind = data[p + 1]
                p += 2
                n = read_vlq()
                if kind == 0x51:
                    tempos.append((tick, int.from_bytes(data[p:p + 3], "big")))
                if kind == 0x2F:
                    ended = True
                p += n
            elif data[p] in (0xF0, 0xF7):
                p += 1
                p += read_vlq()
            else:
                if data[p] & 0x80:
                    status = data[p]
                    p += 1
                assert status is not None, path
                channels.add(status & 0x0F)
                p += 1 if status >> 4 in (0xC, 0xD) else 2
        assert p == stop and ended, path
        end = max(end, tick)
        pos = stop
    assert tempos, path
    tempos.sort()
    seconds, last_tick, us = 0.0, 0, 500000
    for t, tempo in tempos:
        seconds += (t - last_tick) / TPQ * us / 1e6
        last_tick, us = t, tempo
    seconds += (end - last_tick) / TPQ * us / 1e6
    return ntrks, seconds


def wav_info(path):
    with wave.open(path, "rb") as w:
        assert (w.getnchannels(), w.getsampwidth(), w.getframerate()) == (1, 2, SR), path
        frames = w.readframes(w.getnframes())
    samples = struct.unpack("<%dh" % (len(frames) // 2), frames)
    peak = max(abs(s) for s in samples) / 32768
    return len(samples) / SR, 20 * math.log10(peak), samples[0], samples[-1]


def check(folder):
    ok, total = True, 0
    for name in TUNES:
        path = os.path.join(folder, name + ".mid")
        ntrks, sec = midi_seconds(path)
        lo, hi = (60, 90) if TUNES[name].get("ending") else \
            (25, 60) if name in SHORT_TUNES else (60, 120)
        good = lo <= sec <= hi
        ok &= good
        total += os.path.getsize(path)
        print("%-16s %d tracks %6.1f s %s" % (name + ".mid", ntrks, sec, "" if good else "BAD"))
    for name in JINGLE_NAMES + EFFECT_NAMES:
        path = os.path.join(folder, name + ".wav")
        sec, peak, first, last = wav_info(path)
        lo, hi = (3.0, 4.9) if name.startswith("jngl") else (0.05, 1.2)
        want = WAVE_PEAK[name.startswith("jngl")]
        good = lo <= sec <= hi and abs(peak - want) < 0.5 and abs(first) < 200 and abs(last) < 200
        ok &= good
        total += os.path.getsize(path)
        print("%-16s %6.2f s  peak %5.1f dBFS %s" % (name + ".wav", sec, peak,
                                                      "" if good else "BAD"))
    print("total %.2f MB" % (total / 1e6))
    return ok and total < 3e6


WAVE_PEAK = {False: -6.0, True: -4.0}  # dBFS of an effect, of a jingle
# the choice screens and the hole-end piece may be shorter than a hole's music
SHORT_TUNES = ("qor_s06", "qoretc05")
JINGLE_NAMES = ("jngl05", "jngl01")
EFFECT_NAMES = ("se1", "se2", "se3", "swing1", "swing2", "swing3", "swing4", "swing5", "fair",
                "rough", "water", "bunker", "green", "ob", "putt", "in", "se4", "se5", "se6")


def main(argv):
    if argv and argv[0] == "--seconds":  # how long a tune lasts, for tools/benchmark
        print("%.3f" % midi_seconds(argv[1])[1])
        return
    if argv and argv[0] == "--check":
        sys.exit(0 if check(argv[1] if len(argv) > 1 else "dat") else 1)
    folder = argv[0] if argv else "dat"
    os.makedirs(folder, exist_ok=True)
    write_tunes(folder)
    sounds = effects()
    sounds.update(jingles())
    # Effects sound over the music: with the tunes' peaks at -2.5 dBFS or below, effects
    # peaking at -6 dBFS leave the sum of the two below full scale. The jingles play alone.
    for name in EFFECT_NAMES + JINGLE_NAMES:
        write_wav(os.path.join(folder, name + ".wav"), sounds[name], WAVE_PEAK[name in JINGLE_NAMES])
    if not check(folder):
        sys.exit(1)


if __name__ == "__main__":
    main(sys.argv[1:])
