"""varnmus - the small composing kit behind Varnholt's music.

Scores (tools/media/scores/*.py) are plain Python: they name chords, write
melodies in a compact note language and call the arrangement helpers below
(pads, arpeggios, bass lines, drum grooves, counter-lines).  The result is a
standard MIDI file that render_all.sh plays through FluidSynth.

The melody language is described in notes.py.

Chords: C  Cm  C7  Cm7  Cmaj7  Csus4  Csus2  C5  Cdim  Cdim7  Caug  Cm7b5
        Cadd9  Cm9  C9  C6  Cm6  C7sus4  C7b9  Cmaj9, and slash chords C/E.
Progressions: "Am | F | C G | E7"  (bars separated by |, chords in a bar
share it evenly; "C:3 G:1" gives explicit lengths in beats).

Everything is deterministic: "random" velocity nuances come from
random.Random seeded with a fixed string.
"""

import random
import struct

from notes import NOTE as _NOTE, frac as _frac, mel, pitch  # noqa: F401  (scores take pitch and mel from here)
from variation import melody_scale, rhythm_of, vary_bar

PPQ = 480
BEATS_PER_BAR = 4

# --------------------------------------------------------------------------
# chords

QUALITIES = {
    '': (0, 4, 7), 'm': (0, 3, 7), '7': (0, 4, 7, 10), 'm7': (0, 3, 7, 10),
    'maj7': (0, 4, 7, 11), 'sus4': (0, 5, 7), 'sus2': (0, 2, 7), '5': (0, 7),
    'dim': (0, 3, 6), 'dim7': (0, 3, 6, 9), 'aug': (0, 4, 8),
    'm7b5': (0, 3, 6, 10), 'add9': (0, 4, 7, 14), 'madd9': (0, 3, 7, 14),
    'm9': (0, 3, 7, 10, 14), '9': (0, 4, 7, 10, 14), '6': (0, 4, 7, 9),
    'm6': (0, 3, 7, 9), '7sus4': (0, 5, 7, 10), '7b9': (0, 4, 7, 10, 13),
    'maj9': (0, 4, 7, 11, 14), 'mmaj7': (0, 3, 7, 11),
}


def _pc(txt):
    pc = _NOTE[txt[0].lower()]
    for ch in txt[1:]:
        pc += 1 if ch == '#' else -1
    return pc % 12


class Chord:
    def __init__(self, sym):
        self.sym = sym
        main, _, bass = sym.partition('/')
        n = 1
        while n < len(main) and main[n] in '#b':
            n += 1
        self.root = _pc(main[:n])
        qual = main[n:]
        if qual not in QUALITIES:
            raise ValueError('unknown chord quality: ' + sym)
        self.ivs = QUALITIES[qual]
        self.bass = _pc(bass) if bass else self.root

    def transposed(self, st):
        c = Chord.__new__(Chord)
        c.sym = self.sym + ('%+d' % st)
        c.root = (self.root + st) % 12
        c.ivs = self.ivs
        c.bass = (self.bass + st) % 12
        return c

    @property
    def pcs(self):
        return [(self.root + i) % 12 for i in self.ivs]

    def third(self):
        for i in self.ivs:
            if i in (3, 4):
                return i
        for i in self.ivs:
            if i in (2, 5):
                return i
        return 7

    def fifth(self):
        for i in self.ivs:
            if i in (6, 7, 8):
                return i
        return 7

    def seventh(self):
        for i in self.ivs:
            if i in (9, 10, 11):
                return i
        return 10


class Span:
    __slots__ = ('t', 'd', 'chord')

    def __init__(self, t, d, chord):
        self.t, self.d, self.chord = t, d, chord


def prog(text, bar=0, transpose=0):
    """Parse a progression string into Spans starting at global bar `bar`."""
    spans = []
    t = bar * BEATS_PER_BAR
    for cell in text.split('|'):
        toks = cell.split()
        if not toks:
            continue
        explicit = all(':' in x for x in toks)
        for tok in toks:
            if explicit:
                sym, d = tok.split(':')
                d = _frac(d)
            else:
                sym, d = tok, BEATS_PER_BAR / len(toks)
            c = Chord(sym)
            if transpose:
                c = c.transposed(transpose)
            spans.append(Span(t, d, c))
            t += d
    return spans


def spans_bars(spans):
    return sum(s.d for s in spans) / BEATS_PER_BAR


# --------------------------------------------------------------------------
# song and parts

class Part:
    def __init__(self, song, name, ch, prog, vol, pan, rev, cho, bank=0):
        self.song, self.name, self.ch = song, name, ch
        self.notes = []          # (t, d, pitch, vel)
        self.ctl = []            # (t, kind, a, b)
        self.rng = random.Random('varnholt:' + song.name + ':' + name)
        self.ctl.append((0.0, 'prog', prog, bank))
        self.ctl.append((0.0, 'cc', 7, vol))
        self.ctl.append((0.0, 'cc', 10, pan))
        self.ctl.append((0.0, 'cc', 91, rev))
        self.ctl.append((0.0, 'cc', 93, cho))
        self.ctl.append((0.0, 'cc', 11, 127))

    # raw
    def note(self, t, d, p, v):
        v = max(1, min(127, int(round(v))))
        if d > 0.01:
            self.notes.append((t, d, p, v))

    def program(self, bar, prog):
        self.ctl.append((bar * BEATS_PER_BAR, 'prog', prog, 0))

    def cc(self, bar, num, val):
        self.ctl.append((bar * BEATS_PER_BAR, 'cc', num, val))

    def jitter(self, v, amount=5):
        return v + self.rng.randint(-amount, amount)

    # melody placement
    def put(self, bar, text, unit=0.5, vel=96, tr=0, gate=0.92, beat=0.0):
        notes, length = mel(text, unit)
        t0 = bar * BEATS_PER_BAR + beat
        for t, d, p, acc, stac in notes:
            g = 0.45 if stac else gate
            v = vel + (14 if acc else 0)
            # gentle metric accent
            if abs((t0 + t) % 1.0) < 1e-6:
                v += 4
            self.note(t0 + t, d * g if d * g > 0.05 else d * 0.9, p + tr, self.jitter(v, 3))
        return length

    def phrase(self, bar, bars_texts, unit=0.5, **kw):
        """bars_texts: list of strings, one per bar (checked for length).
        A bar whose rhythm the piece has already used too often is played
        with a variation (see vary_bar); a part doubling the same bar plays
        the same variation."""
        song = self.song
        scale = melody_scale(bars_texts)
        for i, txt in enumerate(bars_texts):
            key = (bar + i, txt)
            if key not in song.varied:
                nxt = bars_texts[i + 1] if i + 1 < len(bars_texts) else None
                played = vary_bar(txt, nxt, scale, song, unit) if song.vary_melodies else txt
                song.varied[key] = played
                song.melody_rhythms.setdefault(bar + i, rhythm_of(played, unit))
            txt = song.varied[key]
            n = self.put(bar + i, txt, unit, **kw)
            if abs(n - BEATS_PER_BAR) > 1e-6:
                raise ValueError('%s/%s bar %d has %.3f beats: %s' %
                                 (self.song.name, self.name, bar + i, n, txt))

    def copy_from(self, notes, shift=0.0, tr=0, vel_scale=1.0):
        for t, d, p, v in notes:
            self.note(t + shift, d, p + tr, v * vel_scale)

    def notes_between(self, bar0, bar1):
        a, b = bar0 * BEATS_PER_BAR, bar1 * BEATS_PER_BAR
        return [n for n in self.notes if a <= n[0] < b]


# Loudness of FluidR3 GM programs, measured once by the composer: RMS in dB
# of a two-bar eighth-note figure at velocity 100 and channel volume 100.
# The kit figures are for a plain kick/snare/hi-hat bar.  Used to set each
# part's channel volume so that a "level" means the same for any instrument.
LEVELS = {
    4: -26.3, 8: -29.0, 9: -31.3, 10: -31.5, 11: -34.0, 14: -28.2, 16: -28.2,
    17: -27.7, 18: -30.8, 27: -28.2, 29: -30.3, 30: -28.0, 33: -29.2, 35: -27.6,
    36: -31.8, 37: -31.9, 38: -25.9, 39: -22.0, 47: -32.5, 48: -32.5, 49: -31.7,
    50: -15.4, 55: -29.1, 56: -33.1, 57: -27.5, 58: -29.5, 60: -29.8, 61: -31.6,
    62: -18.5, 63: -19.8, 73: -31.7, 80: -17.7, 81: -17.2, 82: -13.8, 84: -21.7,
    85: -20.6, 87: -16.9, 88: -14.0, 89: -37.6, 90: -21.6, 91: -21.8, 93: -25.0,
    94: -17.8, 95: -17.1, 98: -19.9, 99: -23.4, 100: -16.0,
}
KIT_LEVELS = {0: -38.4, 8: -37.0, 16: -34.1, 24: -34.4, 25: -28.0, 40: -37.3}


# FluidSynth starts notes on 64-sample blocks and keeps time in whole
# milliseconds.  A piece whose length is a multiple of 0.64 s (28224 samples
# and 640 ms at 44.1 kHz) therefore repeats sample for sample, and a loop cut
# from the middle of two passes joins without the tiniest jump.
LOOP_GRID_S = 0.64


def loop_tempo(bars, seconds):
    """Tempo (microseconds per quarter, an integer) that makes `bars` bars
    last a multiple of LOOP_GRID_S as close to `seconds` as possible."""
    beats = bars * BEATS_PER_BAR
    best = None
    for m in range(1, int(seconds / LOOP_GRID_S * 2) + 2):
        us = m * LOOP_GRID_S * 1e6 / beats
        if abs(us - round(us)) > 1e-6:
            continue
        err = abs(m * LOOP_GRID_S - seconds)
        if best is None or err < best[0]:
            best = (err, int(round(us)))
    return best[1]


class Song:
    def __init__(self, name, bars, seconds=None, bpm=None):
        self.name = name
        self.bars = bars
        if bpm is None:
            self.uspq = loop_tempo(bars, seconds)
        else:
            self.uspq = int(round(60e6 / bpm))
        self.bpm = 60e6 / self.uspq
        self.parts = []
        self.tempo_map = [(0.0, self.uspq)]
        self.melody_rhythms = {}     # bar -> rhythm of the melody placed there
        self.varied = {}             # (bar, written text) -> text as played
        self.vary_melodies = True

    @property
    def seconds(self):
        return self.beats_to_seconds(self.bars * BEATS_PER_BAR)

    def beats_to_seconds(self, beats):
        # piecewise-constant tempo
        secs = 0.0
        tm = sorted(self.tempo_map)
        for i, (t, us) in enumerate(tm):
            t_end = tm[i + 1][0] if i + 1 < len(tm) else float('inf')
            if beats <= t:
                break
            secs += (min(beats, t_end) - t) * us / 1e6
        return secs

    def set_tempo(self, bar, bpm):
        self.tempo_map.append((bar * BEATS_PER_BAR, int(round(60e6 / bpm))))

    def part(self, name, ch, prog, level=-28.0, pan=64, rev=40, cho=0):
        """level: wanted loudness in dB on the house scale (see LEVELS);
        converted to a channel volume (CC7) for this instrument."""
        table = KIT_LEVELS if ch == 9 else LEVELS
        base = table.get(prog, -28.0)
        vol = int(round(100 * 10 ** ((level - base) / 40.0)))
        vol = max(1, min(127, vol))
        p = Part(self, name, ch, prog, vol, pan, rev, cho)
        self.parts.append(p)
        return p

    # ------------------------------------------------------------------
    def write_midi(self, path, passes=2, extra_beats=BEATS_PER_BAR, rest_beats=0):
        """Write the song `passes` times in a row plus `extra_beats` of one
        more pass, so that a cut of one whole pass can be taken from the
        middle of the render with natural sound on both sides of the seam.
        rest_beats: the last beats of the whole are a rest; notes sounding
        into it are cut off where it begins."""
        L = self.bars * BEATS_PER_BAR
        end_total = passes * L + extra_beats
        music_end = end_total - rest_beats
        tracks = []
        # tempo track
        tev = []
        for p in range(passes + 1):
            for t, us in self.tempo_map:
                tt = t + p * L
                if tt < end_total:
                    tev.append((tt, 0, b'\xff\x51\x03' + struct.pack('>I', us)[1:]))
        tev.append((end_total, 9, b'\xff\x2f\x00'))
        tracks.append(tev)
        for part in self.parts:
            ev = []
            ch = part.ch
            for p in range(passes + 1):
                off = p * L
                for t, kind, a, b in part.ctl:
                    tt = t + off
                    if tt >= end_total:
                        continue
                    if kind == 'prog':
                        ev.append((tt, 1, bytes([0xC0 | ch, a])))
                    else:
                        ev.append((tt, 2, bytes([0xB0 | ch, a, b])))
            # notes: trim overlaps of the same key
            allnotes = []
            for p in range(passes + 1):
                off = p * L
                for t, d, pi, v in part.notes:
                    if t + off < music_end - 0.01:
                        allnotes.append([t + off, min(t + off + d, music_end), pi, v])
            allnotes.sort()
            lastend = {}
            bykey = {}
            for n in allnotes:
                prev = bykey.get(n[2])
                if prev is not None and prev[1] > n[0] - 0.005:
                    prev[1] = max(prev[0] + 0.01, n[0] - 0.005)
                bykey[n[2]] = n
            for t0, t1, pi, v in allnotes:
                ev.append((t1, 3, bytes([0x80 | ch, pi, 0])))
                ev.append((t0, 4, bytes([0x90 | ch, pi, v])))
            ev.append((end_total, 9, b'\xff\x2f\x00'))
            tracks.append(ev)
        with open(path, 'wb') as f:
            f.write(b'MThd' + struct.pack('>IHHH', 6, 1, len(tracks), PPQ))
            for ev in tracks:
                ev.sort(key=lambda e: (int(round(e[0] * PPQ)), e[1]))
                data = bytearray()
                last = 0
                for t, _, msg in ev:
                    tick = int(round(t * PPQ))
                    data += _vlq(tick - last) + msg
                    last = tick
                f.write(b'MTrk' + struct.pack('>I', len(data)) + bytes(data))


def _vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append((n & 0x7F) | 0x80)
        n >>= 7
    return bytes(reversed(out))


# --------------------------------------------------------------------------
# arrangement helpers

def _in_range(pc, lo):
    """lowest pitch >= lo with pitch class pc"""
    return lo + ((pc - lo) % 12)


def chord_tones(chord, lo, n):
    pcs = set(chord.pcs)
    out = []
    p = lo
    while len(out) < n:
        if p % 12 in pcs:
            out.append(p)
        p += 1
    return out


def voicings(chord, lo, hi, size):
    pcs = list(dict.fromkeys(chord.pcs))
    if len(pcs) > size:
        # drop the fifth first, then the root
        fifth = (chord.root + chord.fifth()) % 12
        if fifth in pcs and len(pcs) > size:
            pcs.remove(fifth)
        if len(pcs) > size:
            pcs.remove(chord.root)
        pcs = pcs[:size]
    res = []
    for start in range(lo, hi):
        if start % 12 not in pcs:
            continue
        v = [start]
        rest = [pc for pc in pcs if pc != start % 12]
        # close position upward
        p = start
        for _ in rest:
            p += 1
            while p % 12 not in rest or p in v or (p % 12) in [q % 12 for q in v]:
                p += 1
            v.append(p)
        if v[-1] <= hi:
            res.append(v)
    return res


def _best_voicing(chord, lo, hi, size, prev):
    cands = voicings(chord, lo, hi, size)
    if not cands:
        return chord_tones(chord, lo, size)
    centre = (lo + hi) / 2.0
    if prev is None:
        return min(cands, key=lambda v: abs(sum(v) / len(v) - centre))

    def cost(v):
        a, b = sorted(v), sorted(prev)
        m = min(len(a), len(b))
        return sum(abs(x - y) for x, y in zip(a[:m], b[:m])) + 0.3 * abs(sum(v) / len(v) - centre)
    return min(cands, key=cost)


def pad(part, spans, lo=53, hi=74, size=4, vel=70, gate=0.98, restrike=None):
    """Sustained chords with smooth voice leading.  restrike: beats between
    re-attacks inside long chords (None = hold)."""
    prev = None
    for s in spans:
        v = _best_voicing(s.chord, lo, hi, size, prev)
        prev = v
        step = restrike or s.d
        t = s.t
        while t < s.t + s.d - 1e-6:
            d = min(step, s.t + s.d - t)
            for p in v:
                part.note(t, d * gate, p, part.jitter(vel, 3))
            t += step


def stabs(part, spans, hits, lo=55, hi=76, size=3, vel=90, bar_len=BEATS_PER_BAR):
    """Chord hits at positions `hits` = [(offset_in_bar, dur), ...]."""
    prev = None
    for s in spans:
        v = _best_voicing(s.chord, lo, hi, size, prev)
        prev = v
        bar_start = s.t - (s.t % bar_len)
        for off, d in hits:
            t = bar_start + off
            while t < s.t:
                t += bar_len
            if s.t - 1e-6 <= t < s.t + s.d - 1e-6:
                for p in v:
                    part.note(t, min(d, s.t + s.d - t), p, part.jitter(vel + (6 if off % 1 == 0 else 0), 4))


def arp(part, spans, pattern, rate=0.25, lo=60, n=6, vel=80, gate=0.8, accent=12):
    """Arpeggio: pattern indexes the chord tones counted upward from lo."""
    for s in spans:
        tones = chord_tones(s.chord, lo, n)
        k = 0
        t = s.t
        while t < s.t + s.d - 1e-6:
            idx = pattern[k % len(pattern)]
            if idx is not None:
                v = vel + (accent if abs(t % 1.0) < 1e-6 else 0)
                part.note(t, rate * gate, tones[idx % len(tones)] + 12 * (idx // len(tones)), part.jitter(v, 4))
            k += 1
            t += rate


def power(part, spans, hits, lo=40, vel=96, octave=True, fifth=True):
    """Power chords (root, fifth, octave) on `hits` = [(offset, dur)]."""
    for s in spans:
        r = _in_range(s.chord.bass if s.chord.bass != s.chord.root else s.chord.root, lo)
        r = _in_range(s.chord.root, lo)
        ps = [r] + ([r + s.chord.fifth()] if fifth else []) + ([r + 12] if octave else [])
        bar_start = s.t - (s.t % BEATS_PER_BAR)
        for off, d in hits:
            t = bar_start + off
            while t < s.t:
                t += BEATS_PER_BAR
            if s.t - 1e-6 <= t < s.t + s.d - 1e-6:
                for p in ps:
                    part.note(t, min(d, s.t + s.d - t), p, part.jitter(vel + (8 if off % 2 == 0 else 0), 4))


BASS_STYLES = {
    'drive8': [(i * 0.5, 0.5, 'R') for i in range(7)] + [(3.5, 0.5, 'A')],
    'octave8': [(0, .5, 'R'), (.5, .5, '8'), (1, .5, 'R'), (1.5, .5, '8'),
                (2, .5, 'R'), (2.5, .5, '8'), (3, .5, 'R'), (3.5, .5, 'A8')],
    'gallop': [(0, .5, 'R'), (.5, .25, 'R'), (.75, .25, 'R'), (1, .5, 'R'), (1.5, .25, 'R'), (1.75, .25, '5'),
               (2, .5, 'R'), (2.5, .25, 'R'), (2.75, .25, 'R'), (3, .5, '8'), (3.5, .25, '5'), (3.75, .25, 'A')],
    'funk16': [(0, .5, 'R'), (.75, .25, '8'), (1, .25, 'R'), (1.5, .5, 'b7'), (2, .5, 'R'),
               (2.75, .25, '8'), (3, .25, '5'), (3.25, .25, 'R'), (3.5, .5, 'A')],
    'pulse16': [(i * 0.25, 0.25, 'R' if i not in (6, 14) else ('8' if i == 6 else '5')) for i in range(15)]
    + [(3.75, .25, 'A')],
    'half': [(0, 2, 'R'), (2, 1.5, '5'), (3.5, .5, 'A')],
    'calm': [(0, 1.5, 'R'), (1.5, 1, '5'), (2.5, 1, '8'), (3.5, .5, 'A')],
    'walk': [(0, 1, 'R'), (1, 1, '3'), (2, 1, '5'), (3, 1, 'A')],
    'rock': [(0, .75, 'R'), (.75, .25, 'R'), (1, .5, 'R'), (1.5, .5, 'R'), (2, .75, 'R'),
             (2.75, .25, '8'), (3, .5, '5'), (3.5, .5, 'A')],
    'sync': [(0, .75, 'R'), (.75, .75, 'R'), (1.5, .5, '5'), (2, .75, '8'), (2.75, .75, 'R'), (3.5, .5, 'A')],
    'steps': [(0, .5, 'R'), (.5, .5, '8'), (1, .5, '5'), (1.5, .5, 'R'), (2, .5, '3'), (2.5, .5, '5'),
              (3, .5, '8'), (3.5, .5, 'A')],
    'heavy': [(0, .75, 'R'), (.75, .25, 'R'), (1, .25, 'R'), (1.25, .25, 'R'), (1.5, .5, 'R'),
              (2, .25, 'R'), (2.25, .25, 'R'), (2.5, .5, 'b2'), (3, .5, 'R'), (3.5, .5, 'A')],
    'pedal8': [(i * 0.5, 0.5, 'R') for i in range(8)],
}


def bass(part, spans, style='drive8', lo=28, vel=100, gate=0.85, accent=10):
    pat = BASS_STYLES[style] if isinstance(style, str) else style
    prev_r = None
    for i, s in enumerate(spans):
        c = s.chord
        r = _in_range(c.bass, lo)
        nxt = spans[i + 1] if i + 1 < len(spans) else spans[0]
        nr = _in_range(nxt.chord.bass, lo)
        root_p = r if c.bass == c.root else _in_range(c.root, r)
        nbars = max(1, int(round(s.d / BEATS_PER_BAR))) if s.d >= BEATS_PER_BAR else 1
        seg = min(s.d, BEATS_PER_BAR)
        reps = int(round(s.d / seg))
        for k in range(reps):
            last_rep = (k == reps - 1)
            for off, d, deg in pat:
                if off >= seg - 1e-6:
                    continue
                t = s.t + k * seg + off
                if deg in ('A', 'A8'):
                    if not last_rep or nr == r:
                        deg = '8' if deg == 'A8' else '5'
                if deg == 'R':
                    p = r
                elif deg == '8':
                    p = r + 12
                elif deg == '5':
                    p = root_p + c.fifth()
                elif deg == '-5':
                    p = root_p + c.fifth() - 12
                elif deg == '3':
                    p = root_p + c.third()
                elif deg == '7':
                    p = root_p + c.seventh()
                elif deg == 'b7':
                    p = root_p + 10
                elif deg == 'b2':
                    # Phrygian neighbour on minor and bare-fifth chords only
                    p = r + 1 if c.third() == 3 or c.ivs == (0, 7) else root_p + c.fifth()
                elif deg in ('A', 'A8'):
                    target = nr
                    # approach from the nearer side, chromatically
                    if abs(nr + 12 - r) < abs(nr - r):
                        target = nr + 12
                    if abs(nr - 12 - r) < abs(target - r):
                        target = nr - 12
                    p = target - 1 if target > r else target + 1
                else:
                    raise ValueError(deg)
                while p > lo + 24:
                    p -= 12
                while p < lo:
                    p += 12
                v = vel + (accent if abs(off) < 1e-6 else 0) + (4 if abs(off % 1.0) < 1e-6 else 0)
                part.note(t, min(d, s.t + s.d - t) * gate, p, part.jitter(v, 4))
        prev_r = r


def guide(part, spans, rhythm, lo=55, hi=72, vel=72, gate=0.95, start=None):
    """Counter-line of chord tones (thirds and sevenths preferred) moving by
    the smallest steps; rhythm = [(offset_in_bar, dur), ...]."""
    prev = start if start is not None else (lo + hi) // 2
    repeats = 0
    for s in spans:
        c = s.chord
        pref = [(c.root + c.third()) % 12]
        if len(c.ivs) > 3:
            pref.append((c.root + c.seventh()) % 12)
        pcs = set(c.pcs)
        bar_start = s.t - (s.t % BEATS_PER_BAR)
        for off, d in rhythm:
            t = bar_start + off
            while t < s.t:
                t += BEATS_PER_BAR
            if not (s.t - 1e-6 <= t < s.t + s.d - 1e-6):
                continue
            cands = [p for p in range(lo, hi + 1) if p % 12 in pcs]

            def cost(p):
                c0 = abs(p - prev)
                if p % 12 not in pref:
                    c0 += 1.5
                if p == prev:
                    c0 += 2 + 3 * repeats
                return c0
            p = min(cands, key=cost)
            repeats = repeats + 1 if p == prev else 0
            part.note(t, min(d, s.t + s.d - t) * gate, p, part.jitter(vel, 4))
            prev = p


def echo(src, dst, bar0, bar1, delay=0.75, vel_scale=0.55, tr=0):
    """Copy src's notes in [bar0, bar1) to dst, delayed and softer."""
    for t, d, p, v in src.notes_between(bar0, bar1):
        dst.note(t + delay, d, p + tr, v * vel_scale)


# --------------------------------------------------------------------------
# drums (channel 10)

DRUM = dict(K=36, K2=35, S=38, S2=40, RIM=37, CL=39, CH=42, PH=44, OH=46,
            CR=49, CR2=57, RD=51, RB=53, SP=55, CN=52, T1=50, T2=48, T3=47,
            T4=45, T5=43, T6=41, TB=54, CB=56, CLV=75, SH=70, CA=69, TRI=81,
            MTRI=80, WB=76, LWB=77, HAG=67, LAG=68, VS=58, TIMB=65, LTIMB=66)

_VEL = {'x': 92, 'X': 116, 'o': 64, 'g': 42}


def _hitvel(ch):
    if ch in _VEL:
        return _VEL[ch]
    if ch.isdigit():
        return 36 + 9 * int(ch)
    return None


def groove(part, bar0, nbars, pat, fills=None, fill_every=4, crash=True, vel=1.0, step=0.25):
    """Play drum pattern `pat` {name: 'x...x...'} for nbars bars; the last bar
    of every `fill_every` bars uses `fills` instead (if given)."""
    for b in range(nbars):
        bar = bar0 + b
        use = pat
        if fills and (b + 1) % fill_every == 0:
            use = fills
        for name, s in use.items():
            steps_per_bar = int(round(BEATS_PER_BAR / step))
            nb = max(1, len(s) // steps_per_bar)
            sub = s[(b % nb) * steps_per_bar:(b % nb + 1) * steps_per_bar]
            for i, ch in enumerate(sub):
                v = _hitvel(ch)
                if v is None:
                    continue
                part.note(bar * BEATS_PER_BAR + i * step, step * 0.9, DRUM[name], part.jitter(v * vel, 4))
        if crash and b == 0:
            part.note(bar * BEATS_PER_BAR, 1.0, DRUM['CR'], 112 * vel)


def hit(part, bar, beat, name, v=110):
    part.note(bar * BEATS_PER_BAR + beat, 0.5, DRUM[name], v)


def harmonize(dst, src, spans, bar0, bar1, voices=2, vel_scale=0.85, below=True):
    """Block harmony under a melody: for each note of src in [bar0, bar1)
    add the nearest `voices` chord tones below it (brass-section style)."""
    for t, d, p, v in src.notes_between(bar0, bar1):
        sp = None
        for s in spans:
            if s.t - 1e-6 <= t < s.t + s.d - 1e-6:
                sp = s
                break
        if sp is None:
            continue
        pcs = set(sp.chord.pcs)
        out = []
        q = p - 1
        while len(out) < voices and q > p - 13:
            if q % 12 in pcs and p - q >= 3:
                out.append(q)
            q -= 1
        for q in out:
            dst.note(t, d, q, v * vel_scale)
