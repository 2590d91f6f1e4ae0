"""Crush'em All for weapons - the main play theme (bgm6).

G minor, ~158 BPM, 72 bars.  Rock-synth drive: distorted power-chord chugs,
pumping synth bass, a saw lead with a hooky dotted rhythm, brass stabs.
Form: intro riff (8) | A (16) | B in the relative major (16) |
A again with brass counter-line and square doubling (16) |
half-time break with echoing call-and-response (8) | turnaround on D (8).
"""
from varnmus import Song, prog, pad, stabs, arp, power, bass, guide, groove, echo, hit

A_MEL = [
    "d5:2 g5 a5 bb5:2 a5 g5",
    "bb5:3 g5 eb5:4",
    "f5:2 bb5 c6 d6:2 c6 bb5",
    "c6:3 a5 f5:2 r:2",
    "d5:2 g5 a5 bb5:2 a5 g5",
    "bb5:2 c6 bb5 g5:2 eb5:2",
    "c5 eb5 g5 c6 bb5:2 a5:2",
    "f#5:3 g5 a5:4",
    "d5:2 g5 a5 bb5:2 a5 g5",
    "bb5:3 g5 eb5:4",
    "f5:2 bb5 c6 d6:2 c6 bb5",
    "c6:3 a5 f5:2 r:2",
    "eb6:2 d6 c6 g5:2 c6:2",
    "a5:2 c6 a5 f#5:2 d5 f#5",
    "g5:8",
    "r:4 g4 bb4 c5 d5",
]
B_MEL = [
    "eb6:3 d6 bb5:4",
    "c6:3 bb5 a5:2 f5:2",
    "a5:2 d6:2 f6:2 e6 d6",
    "d6:6 bb5 a5",
    "g5:2 bb5:2 eb6:3 f6",
    "g6:2 f6:2 c6:2 a5:2",
    "bb5:8",
    "r:2 f5 g5 bb5:2 c6:2",
    "eb6:3 d6 c6:2 g5:2",
    "f6:3 e6 d6:2 a5:2",
    "g6:3 f6 eb6:2 bb5:2",
    "a5:2 c6:2 f6:4",
    "g6:4 eb6:4",
    "f6:4 d6:4",
    "eb6:2 d6:2 c6:2 bb5:2",
    "a5:6 f#5:2",
]
INTRO_HOOK = [
    "g5:3 f5 g5:2 bb5:2",
    "a5:3 f5 d5:4",
    "eb5:2 g5:2 f5:2 a5:2",
    "f#5:4 d5:2 a4:2",
]
BREAK_MEL = [
    "g5:2 d5 g5 bb5:2 a5 g5",
    "d5:6 r:2",
    "g5:2 eb5 g5 bb5:2 c6 bb5",
    "g5:6 r:2",
    "c6:2 g5 c6 eb6:2 d6 c6",
    "g5:6 r:2",
    "f#5:2 a5 d6 f#6:2 e6 d6",
    "a5:4 r:4",
]
TURN_MEL = [
    "bb5:2 eb6:2 g6:3 f6",
    "f6:2 eb6 d6 c6:2 a5:2",
    "bb5:3 a5 g5:2 d5:2",
    "g5:6 r:2",
    "g5:2 bb5:2 eb6:2 d6:2",
    "c6:2 a5:2 f5:2 a5:2",
    "d6:8",
    "c6:2 bb5:2 a5:2 f#5:2",
]

A_CH = "Gm | Eb | Bb | F | Gm | Eb | Cm | D | Gm | Eb | Bb | F | Cm | D7 | Gm | Gm"
B_CH = "Eb | F | Dm | Gm | Eb | F | Bb | Bb | Cm | Dm | Eb | F | Cm | Dm | Eb | D"

ROCK = {'K': 'x..x..x.x.....x.', 'S': '....X.......X...', 'CH': 'x.x.x.x.x.x.x.x.'}
DRIVE = {'K': 'x.x...x.x.x...x.', 'S': '....X.......X..o', 'CH': 'x.xox.xox.xox.xo', 'OH': '..............x.'}
RIDE = {'K': 'x.....x...x.....', 'S': '....X.......X...', 'RD': 'x.x.x.x.x.x.x.x.'}
HALF = {'K': 'x.........x.....', 'S': '........X.......', 'CH': 'x.x.x.x.x.x.x.x.'}
FILL = {'K': 'x.......x.......', 'S': '....X...XoXoXXXX', 'CH': 'x.x.x.x.........'}
TOMS = {'K': 'x.......x.......', 'S': '....X...........', 'T1': '........xx......',
        'T3': '..........xx....', 'T5': '............xxXX'}
BUILD = {'K': 'x...x...x...x...', 'S': '2233445566778899'}

CHUG = [(i * 0.5, 0.3) for i in range(8)]
HOLD = [(0, 3.9)]
PUSH = [(0, 1.4), (1.5, 0.4), (2, 0.3), (2.5, 1.4)]


def build():
    s = Song('bgm6', bars=72, seconds=110.0)
    dr = s.part('drums', 9, 16, level=-31, rev=25)
    bs = s.part('bass', 0, 38, level=-26, rev=10)
    gt = s.part('guitar', 1, 30, level=-33, pan=38, rev=30)
    ld = s.part('lead', 3, 81, level=-25, pan=64, rev=45, cho=40)
    sq = s.part('lead2', 4, 80, level=-31, pan=84, rev=45, cho=20)
    br = s.part('brass', 5, 62, level=-29, pan=92, rev=45)
    pd = s.part('strings', 6, 50, level=-35, pan=50, rev=60, cho=30)
    ar = s.part('arp', 7, 80, level=-34, pan=26, rev=55)
    ec = s.part('echo', 8, 81, level=-30, pan=104, rev=70)

    # intro 0-7
    intro = prog("Gm | Gm | Eb F | Gm | Gm | Gm | Eb F | D", 0)
    groove(dr, 0, 8, ROCK, fills=FILL, fill_every=4)
    bass(bs, intro, 'drive8', lo=31)
    power(gt, intro, CHUG, lo=43)
    stabs(br, intro[4:], [(0, .4), (.5, .4), (1.5, .4), (3, .9)], lo=55, hi=72, vel=88)
    ld.phrase(4, INTRO_HOOK, vel=92)

    # A 8-23
    A = prog(A_CH, 8)
    groove(dr, 8, 16, DRIVE, fills=FILL, fill_every=8)
    hit(dr, 16, 0, 'CR', 104)
    bass(bs, A, 'drive8', lo=31)
    power(gt, A, PUSH, lo=43)
    stabs(br, A, [(1.5, .35), (3.5, .35)], lo=58, hi=74, vel=80)
    ld.phrase(8, A_MEL, vel=100)

    # B 24-39: relative major, open guitar chords, strings
    B = prog(B_CH, 24)
    groove(dr, 24, 8, RIDE, fills=TOMS, fill_every=8)
    groove(dr, 32, 8, DRIVE, fills=FILL, fill_every=8)
    bass(bs, B[:8], 'sync', lo=31)
    bass(bs, B[8:], 'gallop', lo=31)
    power(gt, B[:8], HOLD, lo=43)
    power(gt, B[8:], PUSH, lo=43)
    pad(pd, B, lo=55, hi=76, vel=78)
    ld.phrase(24, B_MEL[:8], tr=-12, vel=98)
    ld.phrase(32, B_MEL[8:], vel=100)
    sq.phrase(32, B_MEL[8:], tr=-12, vel=80)
    arp(ar, B[8:], [0, 1, 2, 3, 4, 3, 2, 1], rate=0.25, lo=67, n=5, vel=70)

    # A' 40-55: doubled lead, brass counter-line, arps
    A2 = prog(A_CH, 40)
    groove(dr, 40, 16, DRIVE, fills=TOMS, fill_every=8)
    hit(dr, 48, 0, 'CR', 104)
    bass(bs, A2, 'gallop', lo=31)
    power(gt, A2, CHUG, lo=43)
    ld.phrase(40, A_MEL, vel=100)
    sq.phrase(40, A_MEL, tr=12, vel=70)
    guide(br, A2, [(0, 1.5), (1.5, 1.0), (2.5, 1.5)], lo=55, hi=70, vel=82)
    pad(pd, A2, lo=60, hi=79, vel=60)
    arp(ar, A2, [0, 2, 1, 3, 2, 4, 3, 1], rate=0.25, lo=62, n=5, vel=64)

    # break 56-63: half time, call and echo
    K = prog("Gm | Gm | Eb | Eb | Cm | Cm | D | D", 56)
    groove(dr, 56, 7, HALF, crash=True)
    groove(dr, 63, 1, BUILD, crash=False)
    bass(bs, K, 'pedal8', lo=31, vel=92)
    pad(pd, K, lo=55, hi=74, vel=80)
    arp(ar, K, [0, 1, 2, 3, 4, 5, 4, 3, 2, 1, 2, 3, 4, 5, 6, 5], rate=0.25, lo=55, n=7, vel=76)
    ld.phrase(56, BREAK_MEL, vel=96)
    echo(ld, ec, 56, 64, delay=0.75, vel_scale=0.6)

    # turnaround 64-71
    T = prog("Eb | F | Gm | Gm | Eb | F | D | D", 64)
    groove(dr, 64, 8, DRIVE, fills=TOMS, fill_every=4)
    hit(dr, 68, 0, 'CR', 104)
    bass(bs, T, 'drive8', lo=31)
    power(gt, T, PUSH, lo=43)
    stabs(br, T, [(0, .6), (.75, .6), (1.5, 1.0), (3, .9)], lo=58, hi=74, vel=92)
    pad(pd, T, lo=60, hi=79, vel=66)
    ld.phrase(64, TURN_MEL, vel=102)
    sq.phrase(64, TURN_MEL, tr=-12, vel=76)
    return s
