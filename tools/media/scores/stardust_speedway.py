"""Stardust Speedway Zone (bgm1).

E major, 150 BPM, 44 bars.  Bright, glittering speed-disco: four-on-the-
floor kick with open hats, octave-jumping synth bass, brass stabs, celesta
sparkle arpeggios and a syncopated square lead.
Form: intro (4) | A (16) | B lifted to C-D (bVI-bVII) (8) | A with counter (8)
| break with bell motif (4) | turnaround (4) back to the intro.
"""
from varnmus import Song, prog, pad, stabs, arp, bass, guide, groove, echo, hit

A_MEL = [
    "b5:2 g#5 b5 r e6:2 d#6",
    "d#6:2 b5 g#5 r d#5 e5 f#5",
    "a5:2 c#6 e6 r e6 d#6 c#6",
    "d#6:3 b5 f#5:2 r:2",
    "e6:2 c#6 e6 r g#6:2 f#6",
    "d#6:2 b5 d#6 r f#6 e6 d#6",
    "c#6:2 a5 c#6 e6:2 d#6 c#6",
    "b5:4 f#5 g#5 a5 a#5",
]
A_END = [
    "e6:2 c#6 e6 r g#6:2 f#6",
    "e6:2 c#6 e6 r a6:2 g#6",
    "f#6:2 e6 c#6 d#6:2 b5 a5",
    "g#5:6 r:2",
]
B_MEL = [
    "e6:6 d6 c6",
    "d6:4 a5:2 f#5:2",
    "f#5:2 a5:2 d6:2 c#6 b5",
    "b5:6 r:2",
    "g5:2 c6:2 e6:2 g6:2",
    "f#6:4 e6:2 d6:2",
    "c#6:3 e6 a5:2 c#6:2",
    "b5:4 r:2 g#5 a#5",
]
BELLS = [
    "g#6:2 e6:2 c#6:4",
    "a6:2 e6:2 c#6:4",
    "a6:2 f#6:2 c#6:4",
    "b5:2 d#6:2 f#6:2 a6:2",
]
TURN = [
    "e6:3 e6 f#6:2 f#6:2",
    "g#6:8",
    "e6:3 e6 f#6:2 f#6:2",
    "f#6:2 e6:2 d#6:4",
]
A_CH = "E | G#m | A | B | C#m | G#m | A | B"
A_END_CH = "C#m | A | F#m7 B7 | E"

DISCO = {'K': 'x...x...x...x...', 'S': '....x.......x...', 'CL': '....x.......x...',
         'CH': 'x...x...x...x...', 'OH': '..x...x...x...x.', 'SH': 'gogogogogogogogo'}
FILL = {'K': 'x...x...x...x...', 'S': '....x...x.xxXXXX', 'CL': '....x...........',
        'CH': 'x...x...', 'OH': '..x...x.'}
TOMFILL = {'K': 'x...x...x...x...', 'CL': '....x...........', 'OH': '..x.....',
           'T1': '........XxX.....', 'T3': '...........xx...', 'T5': '.............xxX'}
THIN = {'K': 'x...x...x...x...', 'CH': 'x.x.x.x.x.x.x.x.', 'SH': 'gogogogogogogogo'}
STAB = [(0, .35), (1.5, .35), (2.5, .35), (3.5, .35)]
OFF = [(.5, .25), (1.5, .25), (2.5, .25), (3.5, .25)]


def build():
    s = Song('bgm1', bars=44, seconds=68.0)
    dr = s.part('drums', 9, 0, level=-33, rev=20)
    bs = s.part('bass', 0, 38, level=-26, rev=10)
    ld = s.part('lead', 1, 80, level=-26, pan=60, rev=45, cho=30)
    br = s.part('brass', 2, 62, level=-30, pan=90, rev=40)
    st = s.part('strings', 3, 48, level=-34, pan=40, rev=65)
    cl = s.part('celesta', 4, 8, level=-31, pan=20, rev=60)
    ct = s.part('counter', 5, 90, level=-32, pan=100, rev=50, cho=40)
    gt = s.part('guitar', 6, 28, level=-35, pan=110, rev=30)   # muted funk guitar
    ec = s.part('echo', 7, 8, level=-36, pan=108, rev=70)

    intro = prog("Emaj7 | C#m7 | Amaj7 | Bsus4 B", 0)
    groove(dr, 0, 4, THIN, fills=TOMFILL, fill_every=4)
    bass(bs, intro, 'octave8', lo=28)
    pad(st, intro, lo=56, hi=76, vel=72)
    arp(cl, intro, [0, 1, 2, 3, 4, 5, 4, 3], rate=0.25, lo=68, n=6, vel=70)
    stabs(br, intro[3:], [(2.5, .3), (3, .3), (3.5, .4)], lo=59, hi=74, vel=92)

    A = prog(A_CH + " | E | G#m | A | B | " + A_END_CH, 4)
    groove(dr, 4, 16, DISCO, fills=FILL, fill_every=8)
    hit(dr, 12, 0, 'CR', 100)
    bass(bs, A, 'octave8', lo=28)
    stabs(br, A, STAB, lo=59, hi=74, vel=86)
    stabs(gt, A, OFF, lo=64, hi=76, size=3, vel=80)
    arp(cl, A[8:], [0, 2, 1, 3, 2, 4, 3, 5], rate=0.25, lo=72, n=6, vel=56)
    ld.phrase(4, A_MEL + A_MEL[:4] + A_END, vel=100)

    B = prog("Cmaj7 | D | Bm7 | Em7 | Cmaj7 | D | F#m7 | B7sus4 B7", 20)
    groove(dr, 20, 8, DISCO, fills=TOMFILL, fill_every=8)
    bass(bs, B, 'sync', lo=28)
    pad(st, B, lo=55, hi=76, vel=84)
    arp(cl, B, [0, 1, 2, 3, 4, 5, 4, 3], rate=0.25, lo=67, n=6, vel=62)
    stabs(gt, B, OFF, lo=62, hi=76, vel=78)
    ld.phrase(20, B_MEL, vel=100)

    A2 = prog(A_CH[:A_CH.index('C#m')] + A_END_CH, 28)
    groove(dr, 28, 8, DISCO, fills=FILL, fill_every=8)
    bass(bs, A2, 'octave8', lo=28)
    stabs(br, A2, STAB, lo=59, hi=74, vel=86)
    stabs(gt, A2, OFF, lo=64, hi=76, vel=80)
    ld.phrase(28, A_MEL[:4] + A_END, vel=100)
    guide(ct, A2, [(0, 1.5), (1.5, 2.5)], lo=60, hi=74, vel=80)
    arp(cl, A2, [0, 2, 1, 3, 2, 4, 3, 5], rate=0.25, lo=72, n=6, vel=56)

    K = prog("C#m | A | F#m | B", 36)
    groove(dr, 36, 4, THIN, crash=True)
    bass(bs, K, 'pedal8', lo=28, vel=90)
    pad(st, K, lo=56, hi=76, vel=80)
    cl.phrase(36, BELLS, vel=96)
    echo(cl, ec, 36, 40, delay=0.75, vel_scale=0.6)
    arp(ct, K, [0, 1, 2, 1], rate=0.5, lo=60, n=4, vel=60)

    T = prog("Cmaj7 D | E | Cmaj7 D | B7sus4 B7", 40)
    groove(dr, 40, 4, DISCO, fills=TOMFILL, fill_every=4)
    bass(bs, T, 'octave8', lo=28)
    stabs(br, T, [(0, .7), (.75, .5), (1.5, .4), (2, .7), (2.75, .5), (3.5, .4)], lo=59, hi=76, vel=94)
    pad(st, T, lo=56, hi=76, vel=76)
    ld.phrase(40, TURN, vel=104)
    return s
