"""Space Trip Steps (bgm3).

A minor, ~136 BPM, 120 bars (the long one).  A spacey funk walk: bass lines
that climb and descend in steps (A-G-F-E, C-D-E-F-G-A-Bb), slap bass,
electric piano comping, crystal arpeggios, vibraphone counter-lines.
Form: intro (8) | A (16) | B in C major, rising steps (16) | A with
vibraphone counter (16) | half-time bridge on a falling chain of seventh
chords (16) | A and B a whole tone up (32) | A again and a turnaround (16).
"""
from varnmus import Song, prog, pad, stabs, arp, bass, guide, groove, echo, hit

A_MEL = [
    "a5:2 b5 c6 b5 a5 e5:2",
    "g5 a5 b5 c6 d6:2 c6 b5",
    "c6:3 a5 f5:2 e5 f5",
    "g#5:4 b5:2 d6:2",
    "e6:2 d6 c6 d6 c6 b5:2",
    "c6 b5 a5 g5 a5:2 e5:2",
    "f5 g5 a5 c6 d6:2 c6 a5",
    "b5:6 r:2",
]
A_END = [
    "d6:2 c6 d6 f6:2 e6 d6",
    "b5:2 a5 b5 d6:2 g5:2",
    "e6:3 d6 c6:2 b5:2",
    "g#5:4 r:4",
]
B_MEL = [
    "e5:2 g5:2 c6:3 b5",
    "a5:2 f5:2 d6:3 c6",
    "b5:2 g5:2 e6:3 d6",
    "c6:4 a5:2 f5:2",
    "d6:2 b5 d6 g6:3 f6",
    "e6:2 c6 e6 a6:3 g6",
    "f6:2 d6 bb5 f6:2 d6:2",
    "d6:4 b5:2 g5:2",
]
B_END = [
    "f6:3 e6 d6:2 a5:2",
    "g6:3 f6 e6:2 b5:2",
    "a6:3 g6 e6:2 c6:2",
    "d6:2 b5:2 g#5:4",
]
BRIDGE = [
    "e6:6 c6:2", "d6:6 b5:2", "c6:6 a5:2", "b5:8",
    "a5:6 f5:2", "g5:6 e5:2", "f#5:4 a5:2 b5:2", "a#5:8",
]
OUTRO = [
    "a5:4 c6:4", "b5:4 d6:4", "g5:4 b5:4", "c6:4 e6:4",
    "f6:4 e6:4", "d6:8", "c6:4 a5:4", "g#5:8",
]
A_CH = "Am | Am/G | Fmaj7 | E7 | Am | Am/G | Dm7 | E7"
A_CH2 = "Am | Am/G | Fmaj7 | E7 | Dm7 | G | Cmaj7 | E7"
B_CH = "C | Dm | Em | F | G | Am | Bb | G7"
B_CH2 = "C | Dm | Em | F | Dm7 | Em7 | Fmaj7 | E7"
BR_CH = "Fmaj7 | Em7 | Dm7 | Cmaj7 | Bbmaj7 | Am7 | Gmaj7 | F#7"
BR_CH2 = "Fmaj7 | Em7 | Dm7 | Cmaj7 | Bbmaj7 | Am7 | Gmaj7 | F#7sus4 F#7"

FUNK = {'K': 'x.....x...x..x..', 'S': '....X..o.o..X...', 'CH': 'x.x.x.x.x.x.x...',
        'OH': '..............x.'}
FUNK2 = {'K': 'x.....x...x..x..', 'S': '....X..o.o..X..o', 'CH': 'xoxoxoxoxoxoxo..',
         'OH': '..............x.', 'TB': '....x.......x...'}
FILL = {'K': 'x.....x.........', 'S': '....X..o..XoXoXX', 'CH': 'x.x.x.x.'}
TOMS = {'K': 'x.....x.........', 'S': '....X...........', 'T1': '........xx......',
        'T2': '..........xx....', 'T4': '............xx..', 'T5': '..............xX'}
HALF = {'K': 'x.........x.....', 'RIM': '........x.......', 'RD': 'x.x.x.x.x.x.x.x.'}
SOFT = {'K': 'x.......x.......', 'CH': 'x.x.x.x.x.x.x.x.'}
COMP = [(.5, .3), (1.5, .3), (2.25, .3), (3.5, .3)]


def section_A(s, parts, bar, tr=0, counter=False, lead=None):
    dr, bs, ep, pd, ld, vb, ar = parts
    A = prog(A_CH + " | " + A_CH2, bar, transpose=tr)
    groove(dr, bar, 16, FUNK, fills=FILL, fill_every=8)
    hit(dr, bar + 8, 0, 'CR', 96)
    bass(bs, A, 'steps', lo=28)
    stabs(ep, A, COMP, lo=57, hi=74, size=4, vel=78)
    (lead or ld).phrase(bar, A_MEL + A_MEL[:4] + A_END, vel=100, tr=tr)
    arp(ar, A, [0, 2, 4, 2, 1, 3, 5, 3], rate=0.25, lo=69 + tr, n=6, vel=58)
    if counter:
        guide(vb, A, [(0, 1.5), (1.5, 1), (2.5, 1.5)], lo=55 + tr, hi=69 + tr, vel=84)
        pad(pd, A, lo=55 + tr, hi=74 + tr, vel=64)


def section_B(s, parts, bar, tr=0, last_home=False):
    dr, bs, ep, pd, ld, vb, ar = parts
    ch2 = B_CH2
    end = list(B_END)
    if last_home:
        ch2 = ch2[:ch2.rindex('|')]
    B = prog(B_CH + " | " + ch2, bar, transpose=tr)
    if last_home:
        B += prog("E7", bar + 15)
    groove(dr, bar, 16, FUNK2, fills=TOMS, fill_every=8)
    hit(dr, bar + 8, 0, 'CR', 96)
    bass(bs, B, 'funk16', lo=28)
    pad(pd, B, lo=55, hi=76, vel=78)
    stabs(ep, B, [(0, 1.4), (1.5, .4), (2.5, 1.4)], lo=57, hi=74, size=4, vel=72)
    arp(ar, B, [0, 1, 2, 3, 4, 5, 4, 3], rate=0.25, lo=67, n=6, vel=56)
    ld.phrase(bar, B_MEL + B_MEL[:4] + end[:3], vel=100, tr=tr)
    ld.phrase(bar + 15, end[3:], vel=100, tr=0 if last_home else tr)
    guide(vb, B[8:], [(0, 2), (2, 2)], lo=60, hi=72, vel=76)


def build():
    s = Song('bgm3', bars=120, seconds=211.0)
    dr = s.part('drums', 9, 0, level=-33, rev=25)
    bs = s.part('bass', 0, 36, level=-28.5, rev=10)
    ep = s.part('epiano', 1, 4, level=-31, pan=40, rev=45, cho=50)
    pd = s.part('pad', 2, 99, level=-34, pan=80, rev=70, cho=40)
    ld = s.part('lead', 3, 80, level=-27, pan=64, rev=50, cho=20)
    vb = s.part('vibes', 4, 11, level=-29, pan=96, rev=60)
    ar = s.part('crystal', 5, 98, level=-34, pan=24, rev=70)
    l2 = s.part('lead2', 6, 82, level=-28, pan=58, rev=55, cho=30)
    ec = s.part('echo', 7, 82, level=-35, pan=110, rev=80)
    parts = (dr, bs, ep, pd, ld, vb, ar)

    intro = prog("Am9 | Fmaj7 | Dm9 | Esus4 E7 | Am9 | Fmaj7 | Dm9 | Esus4 E7", 0)
    pad(pd, intro, lo=55, hi=74, vel=80)
    arp(ar, intro, [0, 2, 4, 2, 1, 3, 5, 3], rate=0.25, lo=69, n=6, vel=66)
    stabs(ep, intro, [(0, 1.4), (1.5, .4), (2.5, 1.4)], lo=57, hi=74, size=4, vel=72)
    groove(dr, 0, 4, SOFT, fills=FILL, fill_every=4)
    groove(dr, 4, 4, FUNK, fills=TOMS, fill_every=4, crash=True)
    bass(bs, intro[2:], 'steps', lo=28)

    section_A(s, parts, 8)
    section_B(s, parts, 24)
    section_A(s, parts, 40, counter=True, lead=l2)
    echo(l2, ec, 40, 56, delay=0.75, vel_scale=0.5)

    BR = prog(BR_CH + " | " + BR_CH2, 56)
    groove(dr, 56, 15, HALF, crash=True)
    groove(dr, 71, 1, FILL, crash=False)
    bass(bs, BR, 'half', lo=28)
    pad(pd, BR, lo=55, hi=76, vel=86)
    arp(ar, BR, [0, 1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1], rate=1 / 3, lo=64, n=7, vel=60)
    vb.phrase(56, BRIDGE, vel=96)
    echo(vb, ec, 56, 64, delay=1.5, vel_scale=0.45)
    ld.phrase(64, BRIDGE[:7] + ["b5:4 a#5:4"], vel=96)
    vb.phrase(64, BRIDGE[:7] + ["b5:4 a#5:4"], tr=12, vel=70)

    section_A(s, parts, 72, tr=2, counter=True)
    section_B(s, parts, 88, tr=2, last_home=True)

    O = prog(A_CH, 104) + prog("Fmaj7 | G | Em7 | Am | Dm7 | G | Fmaj7 | E7", 112)
    groove(dr, 104, 16, FUNK2, fills=TOMS, fill_every=8)
    hit(dr, 112, 0, 'CR', 96)
    bass(bs, O, 'steps', lo=28)
    stabs(ep, O, COMP, lo=57, hi=74, size=4, vel=78)
    l2.phrase(104, A_MEL, vel=100)
    ld.phrase(112, OUTRO, vel=100)
    guide(vb, O, [(0, 1.5), (1.5, 1), (2.5, 1.5)], lo=55, hi=69, vel=80)
    pad(pd, O[8:], lo=55, hi=74, vel=70)
    arp(ar, O, [0, 2, 4, 2, 1, 3, 5, 3], rate=0.25, lo=69, n=6, vel=58)
    return s
