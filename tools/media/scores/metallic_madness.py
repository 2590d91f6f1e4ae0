"""Metallic Madness Zone (bgm2).

D minor, 150 BPM, 56 bars.  Mechanical and restless: a sequencer-like
sixteenth synth bass, clanking claves and cowbell over an electronic kit,
a distorted lead in machine rhythms (3+3+2), orchestra hits.
Form: intro (8) | A (16) | B a major third up, in F# minor (8) |
A with counter-line (8) | break on a D/Eb half-step grind (8) |
turnaround Bb-C-Dm ending on A7 (8).
"""
from varnmus import Song, prog, pad, stabs, arp, bass, guide, groove, echo, hit

A_MEL = [
    "d5:4 a4:2 d5:2 f5:3 e5:3 d5:2",
    "a5:6 g5:2 f5:2 e5:2 d5:2 e5:2",
    "f5:4 d5:2 f5:2 bb5:3 a5:3 g5:2",
    "f5:8 r:4 e5:2 f5:2",
    "g5:3 bb5:3 d6:2 c6:2 bb5:2 a5:2 g5:2",
    "a5:6 c#6:2 e6:4 c#6:4",
    "d6:3 c6:3 a5:2 f5:3 e5:3 d5:2",
    "e5:4 c#5:4 a4:4 c#5:2 e5:2",
]
A_END = [
    "g5:3 bb5:3 d6:2 g6:4 f6:2 d6:2",
    "bb5:8 a5:4 g5:4",
    "a5:3 g5:3 e5:2 c#5:3 e5:3 g5:2",
    "a5:12 r:4",
]
B_MEL = [
    "c#6:6 a5:2 f#5:4 a5:4",
    "g#5:6 a5:2 b5:4 c#6:4",
    "d6:6 c#6:2 a5:4 f#5:4",
    "e5:6 g#5:2 b5:8",
    "c#6:6 a5:2 f#5:4 a5:4",
    "c#6:4 e6:4 f#6:8",
    "g6:6 d6:2 b5:4 g5:4",
    "a5:4 c#6:4 e6:4 g6:4",
]
BREAK_MEL = [
    "d5:2 d5:2 r:2 d5:2 f5:2 r:2 e5:2 d5:2",
    "eb5:4 r:4 g5:4 bb5:4",
    "a5:2 a5:2 r:2 a5:2 c6:2 r:2 bb5:2 a5:2",
    "bb5:4 r:4 g5:4 eb5:4",
    "d6:4 r:4 f6:4 e6:4",
    "eb6:8 d6:4 bb5:4",
    "d6:4 a5:4 f5:4 a5:4",
    "c#6:8 e6:4 g6:4",
]
TURN_MEL = [
    "d5:4 f5:4 bb5:8",
    "c5:4 e5:4 g5:8",
    "a5:16",
    "r:8 d5:2 e5:2 f5:2 g5:2",
    "bb5:8 a5:8",
    "g5:8 e5:8",
    "d5:16",
    "c#5:8 e5:8",
]
A_CH = "Dm | Dm | Bb | Bb | Gm | A | Dm | A7"
A_END_CH = "Gm | Gm | A7 | A7"

IND = {'K': 'x..x..x...x..x..', 'S': '....X.......X...', 'CH': 'xoxoxoxoxoxoxoxo',
       'CLV': '..x...x...x..x..', 'CB': '............x...'}
IND2 = {'K': 'x..x..x...x..x..', 'S': '....X..o....X..o', 'CH': 'xoxoxoxoxoxoxoxo',
        'CLV': '..x..x..x..x..x.', 'TB': '....x.......x...'}
FILL = {'K': 'x..x..x.x.x.x.x.', 'S': '....X...xxxxXXXX', 'CH': 'xoxoxoxo'}
TOMS = {'K': 'x..x..x.........', 'S': '....X...........', 'T1': '........xx.x....',
        'T3': '...........x.xx.', 'T5': '..............XX'}
THIN = {'K': 'x.......x.......', 'CH': 'xoxoxoxoxoxoxoxo', 'CLV': '..x..x..x..x..x.'}
PULSE = {'K': 'x...x...x...x...', 'CLV': '..x...x...x..x..'}


def build():
    s = Song('bgm2', bars=56, seconds=91.0)
    dr = s.part('drums', 9, 24, level=-31, rev=20)
    bs = s.part('bass', 0, 39, level=-27, rev=5)
    ld = s.part('lead', 1, 84, level=-26, pan=64, rev=40, cho=20)
    ct = s.part('counter', 2, 80, level=-31, pan=96, rev=45)
    pd = s.part('pad', 3, 93, level=-33, pan=40, rev=60, cho=40)
    sq = s.part('seq', 4, 81, level=-34, pan=24, rev=35)
    hitp = s.part('hits', 5, 55, level=-30, pan=64, rev=50)
    ec = s.part('echo', 6, 84, level=-33, pan=110, rev=70)

    intro = prog("Dm | Dm | Bb | C | Dm | Dm | Bb | A7", 0)
    groove(dr, 0, 2, PULSE, crash=True)
    groove(dr, 2, 6, IND, fills=FILL, fill_every=6)
    bass(bs, intro, 'pulse16', lo=28)
    arp(sq, intro[2:], [0, 1, 2, 1, 3, 2, 1, 2], rate=0.25, lo=62, n=4, vel=70)
    pad(pd, intro[4:], lo=57, hi=76, vel=70)
    stabs(hitp, intro[4:], [(0, .5), (2.75, .5)], lo=57, hi=72, vel=90)

    A = prog(A_CH + " | " + A_CH[:A_CH.index('Gm')] + A_END_CH, 8)
    groove(dr, 8, 16, IND, fills=FILL, fill_every=8)
    hit(dr, 16, 0, 'CR', 100)
    bass(bs, A, 'pulse16', lo=28)
    arp(sq, A, [0, 1, 2, 1, 3, 2, 1, 2], rate=0.25, lo=62, n=4, vel=66)
    pad(pd, A, lo=57, hi=76, vel=60)
    ld.phrase(8, A_MEL + A_MEL[:4] + A_END, unit=0.25, vel=100)
    stabs(hitp, A[15:], [(0, .5)], lo=57, hi=72, vel=80)

    B = prog("F#m | F#m | D | E | F#m | F#m | G | A7", 24)
    groove(dr, 24, 8, IND2, fills=TOMS, fill_every=8)
    bass(bs, B, 'gallop', lo=28)
    pad(pd, B, lo=57, hi=78, vel=80)
    arp(sq, B, [0, 2, 1, 3], rate=0.25, lo=66, n=4, vel=64)
    ld.phrase(24, B_MEL, unit=0.25, vel=100)
    guide(ct, B, [(0, 2), (2, 2)], lo=57, hi=69, vel=70)

    A2 = prog(A_CH, 32)
    groove(dr, 32, 8, IND, fills=FILL, fill_every=8)
    bass(bs, A2, 'pulse16', lo=28)
    arp(sq, A2, [0, 1, 2, 1, 3, 2, 1, 2], rate=0.25, lo=62, n=4, vel=66)
    ld.phrase(32, A_MEL, unit=0.25, vel=100)
    guide(ct, A2, [(0, 1.5), (1.5, 1.5), (3, 1)], lo=62, hi=76, vel=78)

    K = prog("Dm | Eb | Dm | Eb | Dm | Eb | Dm | C#dim7", 40)
    groove(dr, 40, 7, THIN, crash=True)
    groove(dr, 47, 1, FILL, crash=False)
    bass(bs, K, 'pedal8', lo=28, vel=96)
    pad(pd, K, lo=57, hi=74, vel=76)
    stabs(hitp, K[1::2], [(0, .5), (1.5, .5)], lo=58, hi=72, vel=96)
    ld.phrase(40, BREAK_MEL, unit=0.25, vel=96)
    echo(ld, ec, 40, 48, delay=0.75, vel_scale=0.55)

    T = prog("Bb | C | Dm | Dm | Bb | C | A7sus4 | A7", 48)
    groove(dr, 48, 8, IND2, fills=TOMS, fill_every=4)
    hit(dr, 52, 0, 'CR', 100)
    bass(bs, T, 'pulse16', lo=28)
    arp(sq, T, [0, 1, 2, 3, 2, 1, 2, 3], rate=0.25, lo=62, n=5, vel=70)
    pad(pd, T, lo=57, hi=76, vel=76)
    ld.phrase(48, TURN_MEL, unit=0.25, vel=102)
    ct.phrase(48, TURN_MEL, unit=0.25, tr=12, vel=66)
    stabs(hitp, T[6:], [(0, .5), (2, .5)], lo=57, hi=72, vel=90)
    return s
