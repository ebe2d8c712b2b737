#!/usr/bin/env python3
"""Composes SpeeDRaiL's background music into res/music/.

    python3 res/art/compose_music.py [output folder]

The build does not run this script: its output is kept in the repository and
shipped beside the program.  Run it again after changing a tune here and
commit both.  Needs nothing beyond Python 3's standard library, and writes the
same bytes on every run.

The program counts the "*.mid" files in its folder and plays the one named
after a number drawn below that count, so the tracks are named 0.mid, 1.mid,
2.mid, ... with no gaps.  Each is a General MIDI Standard MIDI File (format 1:
a conductor track with the tempo, then one track per instrument) lasting
between one and three minutes; tests/unit/music_tracks_test.cpp checks that.

Every tune is written here from its own motifs: a two-bar motif is a list of
(length in sixteenths, move) pairs, the move counted in scale steps from the
note before, or None for a rest.  The motifs are laid over the chords bar by
bar; notes on the beat land on a tone of the bar's chord, the others on the
key's scale.  Square-wave lead, arpeggios, a synth bass and a drum kit give
the tunes the feel of an old game console.
"""

import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUT = os.path.normpath(os.path.join(HERE, "..", "music"))

TICKS_PER_BEAT = 480
STEP = TICKS_PER_BEAT // 4  # one sixteenth
BAR = 16 * STEP  # 4/4 throughout
LEAD_IN = TICKS_PER_BEAT  # a beat of silence after the instrument set-up

# General MIDI programs (numbered from 0) and channels (from 0).
SQUARE_LEAD, SAW_LEAD = 80, 81
SYNTH_BASS_1, SYNTH_BASS_2 = 38, 39
LEAD, SECOND, BASS, DRUMS = 0, 1, 2, 9

# General MIDI drum keys.
KICK, SNARE, CLAP, CLOSED_HAT, OPEN_HAT = 36, 38, 39, 42, 46
LOW_TOM, MID_TOM, HIGH_TOM, CRASH = 45, 47, 50, 49

# ---------------------------------------------------------------- harmony

SCALES = {
    "major": (0, 2, 4, 5, 7, 9, 11),
    "minor": (0, 2, 3, 5, 7, 8, 10),
    "dorian": (0, 2, 3, 5, 7, 9, 10),
}
TRIADS = {"M": (0, 4, 7), "m": (0, 3, 7)}


def chord_classes(key, chord):
    """Pitch classes of a chord given as (semitones above the key, quality)."""
    root, quality = chord
    return {(key + root + interval) % 12 for interval in TRIADS[quality]}


def scale_classes(key, scale, chord):
    """The scale for one bar: a raised chord tone foreign to the key (the
    leading note of a major V in minor) replaces the scale tone under it."""
    tones = chord_classes(key, chord)
    classes = {(key + degree) % 12 for degree in SCALES[scale]}
    for tone in tones - classes:
        classes.discard((tone - 1) % 12)
    return classes | tones


def pitches(classes, low, high):
    return [p for p in range(low, high + 1) if p % 12 in classes]


def nearest(candidates, pitch):
    """The candidate closest to pitch; a tie goes to the lower one."""
    return min(candidates, key=lambda p: (abs(p - pitch), p))




# ---------------------------------------------------------------- events

class Part:
    """Notes and set-up of one instrument: one track, one channel."""

    def __init__(self, name, channel, program, volume, pan):
        self.name = name
        self.channel = channel
        self.notes = []  # (start tick, length in ticks, key, velocity)
        setup = [(7, volume), (10, pan), (91, 24), (93, 0)]
        self.setup = [bytes([0xB0 | channel, cc, value]) for cc, value in setup]
        if program is not None:
            self.setup.append(bytes([0xC0 | channel, program]))

    def note(self, start, length, key, velocity):
        if 0 <= key <= 127 and length > 0:
            self.notes.append((start, length, key, velocity))


def gate(steps):
    """Sounding length of a note written `steps` sixteenths long: a little
    shorter, so that repeated notes are heard as such."""
    return steps * STEP - (STEP // 4 if steps > 1 else STEP // 3)


# ---------------------------------------------------------------- melody

class Melody:
    """Lays motifs over chords and remembers where the tune stands."""

    def __init__(self, song):
        self.song = song
        self.pitch = song["anchor"]

    def realise(self, motif, chords, restart):
        """Notes of a two-bar motif from `bar` on: (start step in the bar
        pair, length in steps, key)."""
        song = self.song
        low, high = song["range"]
        if restart:
            self.pitch = nearest(pitches(chord_classes(song["key"], chords[0]), low, high),
                                 song["anchor"])
        notes = []
        position = 0
        for length, move in motif:
            chord = chords[min(position // 16, len(chords) - 1)]
            if move is not None:
                scale = pitches(scale_classes(song["key"], song["scale"], chord), low, high)
                index = scale.index(nearest(scale, self.pitch))
                if not 0 <= index + move < len(scale):
                    move = -move  # at the edge of the range the line turns back
                target = scale[max(0, min(len(scale) - 1, index + move))]
                if position % 4 == 0:  # on the beat: a chord tone, the way the line goes
                    tones = pitches(chord_classes(song["key"], chord), low, high)
                    way = [p for p in tones if move == 0 or (p - self.pitch) * move > 0]
                    target = nearest(way or tones, target)
                self.pitch = target
                notes.append((position, length, target))
            position += length
        if position != 32:
            sys.exit("compose_music.py: a motif of %d sixteenths, not 32" % position)
        return notes


def third_below(song, chord, key):
    """The scale tone two steps under `key`, for a second voice."""
    scale = pitches(scale_classes(song["key"], song["scale"], chord), key - 12, key)
    return scale[-3] if len(scale) >= 3 else key - 4


# ---------------------------------------------------------------- accompaniment

def bass_bar(part, song, start, chord, next_chord, pattern):
    """One bar of bass from a 16-step pattern: R root, F fifth, O octave,
    A approach (a semitone under the next bar's root), '-' holds, '.' rests."""
    root = 36 + (song["key"] + chord[0] - 36) % 12  # C2 to B2
    next_root = 36 + (song["key"] + next_chord[0] - 36) % 12
    approach = next_root - 1 if next_root != root else root + 7
    keys = {"R": root, "F": root + 7, "O": root + 12, "A": approach}
    step = 0
    while step < 16:
        symbol = pattern[step]
        length = 1
        while step + length < 16 and pattern[step + length] == "-":
            length += 1
        if symbol in keys:
            velocity = 100 if step % 4 == 0 else 88
            part.note(start + step * STEP, gate(length), keys[symbol], velocity)
        step += length


def arpeggio_bar(part, song, start, chord, pattern):
    """Sixteenths running over the chord tones: digits index root, third,
    fifth and the octave above, from the C5 octave."""
    root = 72 + (song["key"] + chord[0]) % 12
    tones = [root + i for i in TRIADS[chord[1]]] + [root + 12]
    for step in range(16):
        index = pattern[step % len(pattern)]
        velocity = 60 if step % 4 == 0 else 50
        part.note(start + step * STEP, gate(1), tones[int(index)], velocity)


DRUM_KEYS = {"kick": KICK, "snare": SNARE, "clap": CLAP, "hat": CLOSED_HAT, "open": OPEN_HAT,
             "low": LOW_TOM, "mid": MID_TOM, "high": HIGH_TOM, "crash": CRASH}


def drum_bar(part, start, pattern, crash=False):
    """A bar of drums: per instrument 16 steps, x loud, o soft."""
    if crash:
        part.note(start, STEP * 4, CRASH, 100)
    for name, hits in sorted(pattern.items()):
        for step, hit in enumerate(hits):
            if hit in "xo":
                velocity = 104 if hit == "x" else 68
                if name in ("hat", "open"):
                    velocity -= 20
                part.note(start + step * STEP, STEP, DRUM_KEYS[name], velocity)


# ---------------------------------------------------------------- songs

# Drum bars shared by the tunes.
FILL_SHORT = {"kick": "x.......x.......", "snare": "....x...x.x.xx..",
              "high": "..............x.", "low": "...............x"}
FILL_ROLL = {"kick": "x...x...x...x...", "snare": "x.o.x.o.xoxoxxxx"}

SONGS = [
    {
        "title": "Pista libre",
        "tempo": 150,
        "key": 4,  # E minor
        "scale": "minor",
        "range": (67, 88),
        "anchor": 76,
        "programs": {"lead": SQUARE_LEAD, "second": SAW_LEAD, "bass": SYNTH_BASS_1},
        "chords": {
            "A": [(0, "m"), (8, "M"), (3, "M"), (10, "M")] * 2,
            "B": [(5, "m"), (10, "M"), (3, "M"), (8, "M"), (5, "m"), (10, "M"), (7, "M"),
                  (7, "M")],
            "C": [(8, "M"), (10, "M"), (0, "m"), (0, "m")] * 2,
        },
        "motifs": {
            "a": [(2, 0), (2, 1), (2, 1), (2, -1), (4, 2), (2, -1), (2, -1),
                  (3, -1), (3, 2), (2, -1), (4, 0), (4, None)],
            "b": [(2, 3), (2, -1), (2, -1), (2, -1), (2, 2), (2, -1), (4, -1),
                  (2, -2), (2, 1), (4, 1), (6, 2), (2, None)],
            "c": [(4, 1), (2, -1), (2, -1), (4, -1), (4, 3),
                  (2, -1), (2, -1), (2, -1), (2, -1), (8, -1)],
            "d": [(3, 2), (3, -1), (4, 1), (2, 1), (4, -2),
                  (3, 1), (3, 1), (2, 1), (2, -1), (2, -1), (4, -3)],
            "e": [(1, 0), (1, 1), (2, 1), (2, 1), (2, -3), (4, 4), (4, -1),
                  (2, -1), (2, -1), (2, 2), (2, -1), (8, None)],
            "f": [(2, 1), (2, 1), (2, 1), (2, 1), (4, -2), (4, 1),
                  (4, 1), (4, 1), (8, 1)],
        },
        "bass": {"drive": "R-R-O-R-R-R-O-A-", "long": "R-------R---F-A-"},
        "arpeggio": "0123",
        "drums": {
            "main": {"kick": "x.....x...x.....", "snare": "....x.......x...",
                     "hat": "x.x.x.x.x.x.x.x."},
            "busy": {"kick": "x.....x.x.x.....", "snare": "....x..o....x...",
                     "hat": "xoxoxoxoxoxoxoxo"},
            "light": {"kick": "x.......x.......", "hat": "..x...x...x...x."},
        },
        "form": [
            # chords, motifs (one per two bars), second voice, bass, drums,
            # the last bar's fill, bars
            ("A", None, "arpeggio", "long", "light", "short", 4),
            ("A", "aabc", None, "drive", "main", "short", 8),
            ("A", "aabc", "harmony", "drive", "main", "roll", 8),
            ("B", "dedf", None, "drive", "busy", "short", 8),
            ("A", "aabc", "arpeggio", "drive", "main", "short", 8),
            ("C", None, "arpeggio", "long", "light", "roll", 8),
            ("B", "dedf", "harmony", "drive", "busy", "short", 8),
            ("A", "aabc", "octave", "drive", "main", "roll", 8),
        ],
    },
    {
        "title": "Vuelta rapida",
        "tempo": 144,
        "key": 2,  # D major
        "scale": "major",
        "range": (66, 86),
        "anchor": 74,
        "programs": {"lead": SQUARE_LEAD, "second": SQUARE_LEAD, "bass": SYNTH_BASS_2},
        "chords": {
            "A": [(0, "M"), (9, "m"), (5, "M"), (7, "M")] * 2,
            "B": [(5, "M"), (7, "M"), (4, "m"), (9, "m"), (5, "M"), (7, "M"), (0, "M"),
                  (0, "M")],
            "C": [(2, "m"), (5, "M"), (7, "M"), (7, "M")] * 2,
        },
        "motifs": {
            "a": [(2, 0), (1, 1), (1, 1), (2, 1), (2, -2), (2, 3), (2, -1), (4, -1),
                  (2, 1), (2, -2), (2, -1), (2, 1), (6, 2), (2, None)],
            "b": [(4, 4), (2, -1), (2, -1), (2, -1), (2, -1), (4, 1),
                  (2, 1), (2, -3), (4, 1), (4, -1), (4, None)],
            "c": [(2, -1), (2, -1), (2, 3), (2, -1), (2, -1), (2, -1), (4, 2),
                  (3, -1), (3, -1), (2, -1), (8, -1)],
            "d": [(6, 3), (2, -1), (4, -1), (4, 2),
                  (2, 1), (2, -1), (2, -1), (2, -1), (4, -1), (4, 1)],
            "e": [(2, 2), (2, 1), (2, -1), (2, 1), (2, -3), (2, 1), (4, 1),
                  (4, -1), (4, 2), (4, -1), (4, None)],
            "f": [(2, -1), (2, 2), (2, -1), (2, 2), (2, -1), (2, 2), (4, -1),
                  (2, 1), (2, 1), (4, 1), (8, 0)],
        },
        "bass": {"drive": "R--RO-R-F--FO-A-", "long": "R-----R-----O-A-"},
        "arpeggio": "0212",
        "drums": {
            "main": {"kick": "x.......x.x.....", "snare": "....x.......x..o",
                     "hat": "x.xox.xox.xox.xo"},
            "busy": {"kick": "x.....x.x.......", "snare": "....x.......x...",
                     "clap": "....x.......x...", "hat": "xoxoxoxoxoxoxoxo"},
            "light": {"kick": "x.......x.......", "hat": "x...x...x...x..."},
        },
        "form": [
            ("A", None, "arpeggio", "long", "light", "short", 4),
            ("A", "aabc", None, "drive", "main", "short", 8),
            ("A", "aabc", "arpeggio", "drive", "main", "roll", 8),
            ("B", "dedf", "harmony", "drive", "busy", "short", 8),
            ("C", None, "arpeggio", "long", "light", "roll", 8),
            ("A", "aabc", "harmony", "drive", "main", "short", 8),
            ("B", "dedf", "arpeggio", "drive", "busy", "roll", 8),
            ("A", "aabc", "octave", "drive", "main", "roll", 8),
        ],
    },
    {
        "title": "Linea de meta",
        "tempo": 166,
        "key": 9,  # A dorian
        "scale": "dorian",
        "range": (64, 84),
        "anchor": 76,
        "programs": {"lead": SAW_LEAD, "second": SQUARE_LEAD, "bass": SYNTH_BASS_1},
        "chords": {
            "A": [(0, "m"), (5, "M"), (3, "M"), (5, "M"), (0, "m"), (5, "M"), (10, "M"),
                  (10, "M")],
            "B": [(3, "M"), (10, "M"), (5, "M"), (0, "m")] * 2,
            "C": [(10, "M"), (3, "M"), (5, "M"), (5, "M")] * 2,
        },
        "motifs": {
            "a": [(2, 0), (2, 0), (2, 2), (2, -1), (2, 1), (2, -2), (4, 1),
                  (2, 0), (2, 0), (2, 2), (2, 1), (8, -1)],
            "b": [(2, 3), (2, -1), (2, -1), (2, -1), (2, -1), (2, -1), (4, 2),
                  (4, -1), (2, 2), (2, -1), (8, -2)],
            "c": [(3, 1), (3, 1), (2, 1), (3, -1), (3, -1), (2, -1),
                  (2, 2), (2, -1), (2, -1), (2, -1), (8, 0)],
            "d": [(4, 2), (4, -1), (2, -1), (2, 1), (4, -2),
                  (2, -1), (2, 1), (2, 1), (2, 1), (4, 1), (4, -2)],
            "e": [(1, 1), (1, -1), (2, 2), (2, 1), (2, -1), (4, -1), (4, None),
                  (2, 3), (2, -1), (2, -1), (2, -1), (8, -1)],
            "f": [(2, -1), (2, -1), (2, -1), (2, 4), (4, -1), (4, 1),
                  (4, 1), (4, 1), (8, 1)],
        },
        "bass": {"drive": "R-O-R-O-R-O-F-O-", "long": "R-------F-----A-"},
        "arpeggio": "0122",
        "drums": {
            "main": {"kick": "x...x...x...x...", "snare": "....x.......x...",
                     "open": "..x...x...x...x."},
            "busy": {"kick": "x...x...x...x...", "clap": "....x.......x...",
                     "hat": "xoxoxoxoxoxoxoxo", "open": "..x...x...x...x."},
            "light": {"kick": "x...x...x...x...", "hat": "..o...o...o...o."},
        },
        "form": [
            ("A", None, "arpeggio", "long", "light", "roll", 8),
            ("A", "aabc", None, "drive", "main", "short", 8),
            ("A", "aabc", "arpeggio", "drive", "main", "roll", 8),
            ("B", "dedf", None, "drive", "busy", "short", 8),
            ("A", "aabc", "harmony", "drive", "main", "short", 8),
            ("C", None, "arpeggio", "long", "light", "roll", 8),
            ("B", "dedf", "arpeggio", "drive", "busy", "short", 8),
            ("B", "dedf", "harmony", "drive", "busy", "roll", 8),
            ("A", "aabc", "octave", "drive", "main", "roll", 8),
        ],
    },
]


def compose(song):
    """The parts of one tune and the tick at which it ends."""
    programs = song["programs"]
    lead = Part("Melodia", LEAD, programs["lead"], 100, 64)
    second = Part("Segunda voz", SECOND, programs["second"], 80, 40)
    bass = Part("Bajo", BASS, programs["bass"], 104, 64)
    drums = Part("Bateria", DRUMS, None, 100, 64)
    melody = Melody(song)

    # Every bar's chord, and after the last one the tonic the tune ends on.
    tonic = song["chords"]["A"][0]
    flat = [chord for form in song["form"] for chord in song["chords"][form[0]][:form[-1]]]
    flat.append(tonic)

    start = LEAD_IN
    first_bar = 0
    for section, plan, second_mode, bass_style, drum_style, fill, bars in song["form"]:
        chords = song["chords"][section][:bars]
        for bar, chord in enumerate(chords):
            at = start + bar * BAR
            next_chord = flat[first_bar + bar + 1]
            bass_bar(bass, song, at, chord, next_chord, song["bass"][bass_style])
            last = bar == bars - 1
            pattern = (FILL_SHORT if fill == "short" else FILL_ROLL) if last else \
                song["drums"][drum_style]
            drum_bar(drums, at, pattern, crash=bar == 0)
            if second_mode == "arpeggio":
                arpeggio_bar(second, song, at, chord, song["arpeggio"])
        if plan:
            for slot, name in enumerate(plan):
                pair = chords[slot * 2:slot * 2 + 2]
                notes = melody.realise(song["motifs"][name], pair, restart=name in "ad")
                for position, length, key in notes:
                    at = start + slot * 2 * BAR + position * STEP
                    velocity = 104 if position % 16 == 0 else 96 if position % 4 == 0 else 86
                    lead.note(at, gate(length), key, velocity)
                    chord = pair[min(position // 16, 1)]
                    if second_mode == "harmony":
                        second.note(at, gate(length), third_below(song, chord, key), 72)
                    elif second_mode == "octave":
                        second.note(at, gate(length), key - 12, 76)
        start += bars * BAR
        first_bar += bars

    # The last chord: the tonic held for a bar over a crash.
    low, high = song["range"]
    final = nearest(pitches(chord_classes(song["key"], tonic), low, high), melody.pitch)
    lead.note(start, BAR - STEP, final, 100)
    for key in pitches(chord_classes(song["key"], tonic), final - 12, final - 1):
        second.note(start, BAR - STEP, key, 70)
    bass.note(start, BAR - STEP, 36 + (song["key"] + tonic[0] - 36) % 12, 104)
    drum_bar(drums, start, {"kick": "x..............."}, crash=True)
    end = start + BAR + TICKS_PER_BEAT
    return [lead, second, bass, drums], end


# ---------------------------------------------------------------- files

def variable_length(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def meta(kind, data):
    return bytes([0xFF, kind]) + variable_length(len(data)) + data


def track_chunk(events, end):
    """events: (tick, order, bytes); the order puts set-up first and a note's
    end before a new note at the same tick.  Ends with end-of-track at `end`."""
    body = bytearray()
    now = 0
    for tick, _, data in sorted(events, key=lambda e: (e[0], e[1])):
        body += variable_length(tick - now) + data
        now = tick
    body += variable_length(max(0, end - now)) + meta(0x2F, b"")
    return b"MTrk" + struct.pack(">I", len(body)) + body


def part_events(part):
    events = [(0, 0, meta(0x03, part.name.encode("ascii")))]
    events += [(0, 1, data) for data in part.setup]
    for start, length, key, velocity in part.notes:
        events.append((start, 3, bytes([0x90 | part.channel, key, velocity])))
        events.append((start + length, 2, bytes([0x80 | part.channel, key, 0])))
    return events


def smf_bytes(song):
    parts, end = compose(song)
    microseconds = round(60_000_000 / song["tempo"])
    conductor = [
        (0, 0, meta(0x03, ("SpeeDRaiL - " + song["title"]).encode("ascii"))),
        (0, 1, bytes([0xF0, 5, 0x7E, 0x7F, 0x09, 0x01, 0xF7])),  # General MIDI on
        (0, 2, meta(0x58, bytes([4, 2, 24, 8]))),  # 4/4
        (0, 3, meta(0x51, microseconds.to_bytes(3, "big"))),
    ]
    chunks = [track_chunk(conductor, end)] + [track_chunk(part_events(p), end) for p in parts]
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(chunks), TICKS_PER_BEAT)
    seconds = end / TICKS_PER_BEAT * 60 / song["tempo"]
    if not 60 <= seconds <= 180:
        sys.exit("compose_music.py: %s lasts %.1f s" % (song["title"], seconds))
    return header + b"".join(chunks), seconds


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUT
    os.makedirs(out, exist_ok=True)
    for number, song in enumerate(SONGS):
        data, seconds = smf_bytes(song)
        path = os.path.join(out, "%d.mid" % number)
        with open(path, "wb") as f:
            f.write(data)
        print("%s: %s, %d:%02d" % (path, song["title"], seconds // 60, seconds % 60))


if __name__ == "__main__":
    main()
