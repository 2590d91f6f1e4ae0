"""Sorin' Over Space (bgm5).

F major with a Lydian lift (the G/F chord), ~115 BPM, 92 bars.  The wide,
floating flight: half-time drums with big toms, strings and a halo pad,
a saw lead that climbs in long arcs, French horn answers, celesta sparkle.
Form: intro (8) | A (16) | B in D minor, soaring (16) | break with horn
over a falling chain of sevenths, ending on D7 (8) | A and B a whole tone
higher (32) | A returning home and a turnaround on C (12).
"""
from varnmus import Song, prog, pad, stabs, arp, bass, guide, groove, echo, hit

A_MEL = ["c5:2 f5:2 a5:2 c6:2", "b5:4 a5:2 g5:2", "g5:6 e5:2", "e5:2 a5:3 g5 a5:2",
         "f5:2 a5:2 d6:3 c6", "d6:4 a5:4", "bb5:3 a5 g5:2 f5:2", "g5:6 r:2"]
A_END = ["c5:2 f5:2 a5:2 c6:2", "b5:3 c6 d6:4", "g5:6 e5:2", "e5:2 a5:3 g5 a5:2",
         "f5:2 a5:2 d6:3 e6", "f6:4 d6:4", "f5:3 g5 e5:4", "f5:6 r:2"]
B_MEL = ["a5:4 d6:4", "d6:3 c6 bb5:2 f5:2", "a5:6 c6:2", "g5:4 c6:2 e6:2",
         "f6:4 e6:2 d6:2", "d6:3 f6 bb5:4", "bb5:2 d6:2 f6:2 g6:2", "d6:4 c#6:4"]
B_END = ["a5:4 d6:4", "d6:3 c6 bb5:2 f5:2", "c6:4 f6:4", "e6:4 g6:4",
         "f6:6 d6:2", "c6:4 a5:4", "bb5:2 a5:2 g5:2 f5:2", "g5:4 e5:4"]
HORN = ["d5:4 f5:4", "e5:4 c5:4", "d5:4 bb4:4", "a4:8",
        "g4:4 bb4:4", "a4:4 f4:4", "g4:4 eb4:4", "f#4:4 a4:4"]
TURN = ["d6:4 a5:4", "c6:4 g5:4", "bb5:4 f5:4", "f5:4 e5:4"]

A_CH = ("F | G/F | Em7 | Am | Dm7 | Bbmaj7 | Gm7 | C | "
        "F | G/F | Em7 | Am | Dm7 | Bbmaj7 | Csus4 C | F")
B_CH = ("Dm | Bb | F | C | Dm | Bb | Gm7 | Asus4 A | "
        "Dm | Bb | F | C/E | Bb | F/A | Gm7")

WIDE = {'K': 'x.....x...x.....', 'S': '........X.......', 'RD': 'x.x.x.x.x.x.x.x.'}
FULL = {'K': 'x.....x.x.......', 'S': '....X.......X...', 'CH': 'x.x.x.x.x.x.x.x.',
        'OH': '..............x.'}
TOMS = {'T5': 'x..x..x...x..x..', 'T3': '..........x.....', 'SH': 'g.g.g.g.g.g.g.g.'}
FILL = {'K': 'x.....x.........', 'S': '........X...', 'T1': '..........xx....',
        'T3': '............xx..', 'T5': '..............XX'}
ROLL = {'K': 'x.......x.......', 'S': '....x.x.xxxxXXXX'}


def section_A(parts, bar, tr=0, counter=False):
    dr, bs, st, hl, ld, hn, cl, br = parts
    A = prog(A_CH, bar, transpose=tr)
    groove(dr, bar, 16, WIDE, fills=FILL, fill_every=8)
    hit(dr, bar + 8, 0, 'CR', 100)
    bass(bs, A, 'sync', lo=29)
    pad(st, A, lo=53 + tr, hi=74 + tr, vel=80)
    pad(hl, A, lo=60 + tr, hi=79 + tr, size=3, vel=60)
    arp(cl, A, [0, 1, 2, 3, 4, 5, 4, 3], rate=0.5, lo=72 + tr, n=6, vel=64)
    ld.phrase(bar, A_MEL + A_END, vel=100, tr=tr, gate=0.97)
    if counter:
        guide(hn, A, [(0, 2.5), (2.5, 1.5)], lo=53 + tr, hi=67 + tr, vel=88)


def section_B(parts, bar, tr=0, home=False):
    dr, bs, st, hl, ld, hn, cl, br = parts
    B = prog(B_CH, bar, transpose=tr)
    B += prog("C7", bar + 15) if home else prog("Csus4 C", bar + 15, transpose=tr)
    groove(dr, bar, 16, FULL, fills=FILL, fill_every=8)
    hit(dr, bar + 8, 0, 'CR', 100)
    bass(bs, B, 'drive8', lo=29)
    pad(st, B, lo=55, hi=76, vel=86)
    stabs(br, B, [(0, 1.4), (2.5, .4), (3, .9)], lo=55, hi=72, vel=84)
    arp(cl, B, [0, 2, 4, 2, 1, 3, 5, 3], rate=0.25, lo=72, n=6, vel=54)
    ld.phrase(bar, B_MEL + B_END[:7], vel=102, tr=tr, gate=0.97)
    ld.phrase(bar + 15, B_END[7:], vel=102, tr=0 if home else tr, gate=0.97)
    guide(hn, B, [(0, 2), (2, 2)], lo=53, hi=67, vel=80)


def build():
    s = Song('bgm5', bars=92, seconds=185.0)
    dr = s.part('drums', 9, 0, level=-33, rev=50)
    bs = s.part('bass', 0, 33, level=-27, rev=20)
    st = s.part('strings', 1, 48, level=-34, pan=40, rev=75, cho=20)
    hl = s.part('halo', 2, 94, level=-34, pan=88, rev=80, cho=50)
    ld = s.part('lead', 3, 81, level=-26, pan=64, rev=65, cho=40)
    hn = s.part('horn', 4, 60, level=-28, pan=92, rev=70)
    cl = s.part('celesta', 5, 8, level=-31, pan=22, rev=75)
    br = s.part('brass', 6, 61, level=-30, pan=100, rev=60)
    tp = s.part('timpani', 7, 47, level=-30, pan=64, rev=60)
    parts = (dr, bs, st, hl, ld, hn, cl, br)

    intro = prog("Fmaj7 | G/F | Em7 | Am7 | Dm7 | G/F | Bbmaj7 | Csus4 C", 0)
    pad(st, intro, lo=53, hi=74, vel=80)
    pad(hl, intro, lo=60, hi=79, size=3, vel=70)
    arp(cl, intro, [0, 1, 2, 3, 4, 5, 4, 3], rate=0.5, lo=72, n=6, vel=70)
    groove(dr, 0, 4, {'RD': 'o...o...o...o...'}, crash=True)
    groove(dr, 4, 4, TOMS, fills=ROLL, fill_every=4, crash=False)
    bass(bs, intro[4:], 'half', lo=29)
    for b in (0, 4):
        tp.note(b * 4, 1.5, 41, 100)
    tp.note(7 * 4 + 2, 1.0, 36, 90)
    tp.note(7 * 4 + 3, 1.0, 36, 100)

    section_A(parts, 8)
    section_B(parts, 24)

    K = prog("Bbmaj7 | Am7 | Gm7 | Fmaj7 | Ebmaj7 | Dm7 | Cm7 | D7", 40)
    groove(dr, 40, 7, TOMS, crash=True)
    groove(dr, 47, 1, ROLL, crash=False)
    bass(bs, K, 'half', lo=29)
    pad(st, K, lo=53, hi=74, vel=84)
    pad(hl, K, lo=62, hi=81, size=3, vel=66)
    arp(cl, K, [0, 1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1], rate=1 / 3, lo=67, n=7, vel=62)
    hn.phrase(40, HORN, vel=100, gate=0.98)
    for b in (40, 44):
        tp.note(b * 4, 1.5, 46, 96)

    section_A(parts, 48, tr=2, counter=True)
    section_B(parts, 64, tr=2, home=True)

    # A's opening four bars, its closing four, then four bars turning round
    T = prog("F | G/F | Em7 | Am | Dm7 | Bbmaj7 | Csus4 C | F | Bbmaj7 | Am7 | Gm7 | Csus4 C", 80)
    groove(dr, 80, 12, FULL, fills=FILL, fill_every=4)
    hit(dr, 88, 0, 'CR', 100)
    bass(bs, T, 'sync', lo=29)
    pad(st, T, lo=53, hi=74, vel=84)
    pad(hl, T, lo=60, hi=79, size=3, vel=60)
    arp(cl, T, [0, 1, 2, 3, 4, 5, 4, 3], rate=0.5, lo=72, n=6, vel=62)
    ld.phrase(80, A_MEL[:4] + A_END[4:] + TURN, vel=102, gate=0.97)
    guide(hn, T, [(0, 2.5), (2.5, 1.5)], lo=53, hi=67, vel=84)
    tp.note(91 * 4 + 2, 1.0, 36, 90)
    tp.note(91 * 4 + 3, 1.0, 36, 104)
    return s
