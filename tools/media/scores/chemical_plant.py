"""Chemical Plant Zone (bgm7).

C Dorian (C minor with a bright A natural), 150 BPM, 76 bars.  Funky and
bubbly: TR-808 style kit with claps, slap bass in sixteenths, clavinet
chops, marimba bubbles, a square lead with 3+3+2 syncopation.
Form: intro vamp Cm7-F7 (4) | A (16) | B lifted to A-flat major (16) |
A with brass counter-line (16) | call-and-echo break (8) | A short (8) |
turnaround Ab-Bb-Cm ending on G7 (8).
"""
from varnmus import Song, prog, pad, stabs, arp, bass, guide, groove, echo, hit

A_MEL = ["g5:3 bb5:3 c6:2 r:2 bb5:2 g5:2 f5:2",
         "a5:3 c6:3 eb6:2 r:2 c6:2 a5:2 f5:2",
         "g5:3 bb5:3 c6:2 r:2 eb6:2 d6:2 c6:2",
         "a5:8 r:4 f5:2 g5:2",
         "bb5:3 g5:3 eb5:2 r:2 g5:2 bb5:2 d6:2",
         "c6:6 a5:2 f5:4 a5:4",
         "d6:3 c6:3 a5:2 r:2 f5:2 a5:2 c6:2",
         "b5:8 d6:4 f6:4"]
A_END = ["c6:3 eb6:3 g6:2 r:2 eb6:2 c6:2 ab5:2",
         "bb5:6 d6:2 f6:4 d6:4",
         "c6:8 d6:8",
         "b5:12 r:4"]
B_MEL = ["c6:3 bb5 ab5:2 g5:2", "bb5:3 d6 f6:4", "f6:3 d6 bb5:2 g5:2", "c6:6 r:2",
         "ab5:3 c6 eb6:2 f6:2", "d6:3 c6 bb5:2 f5:2", "g5:3 bb5 d6:2 eb6:2", "d6:4 b5:4"]
B_END = ["ab5:3 c6 f6:2 eb6:2", "d6:3 f6 ab6:4", "g6:3 eb6 c6:2 ab5:2", "b5:4 g5:4"]
BREAK = ["c6:2 r:2 c6:2 bb5:2 g5:4 r:4",
         "r:8 eb6:2 c6:2 bb5:2 g5:2",
         "a5:2 r:2 a5:2 c6:2 eb6:4 r:4",
         "r:8 c6:2 a5:2 f5:2 eb5:2",
         "c5:2 r:2 c5:2 eb5:2 g5:4 r:4",
         "r:8 bb5:2 g5:2 f5:2 eb5:2",
         "c5:4 eb5:4 ab5:8",
         "g5:4 b5:4 d6:8"]
TURN = ["c6:4 eb6:4", "d6:4 f6:4", "g6:8", "r:4 g5 bb5 c6 d6",
        "eb6:4 c6:4", "d6:4 bb5:4", "c6:8", "b5:8"]

A_CH = ("Cm7 | F7 | Cm7 | F7 | Ebmaj7 | F | Dm7 | G7 | "
        "Cm7 | F7 | Cm7 | F7 | Abmaj7 | Bb | Gsus4 | G7")
B_CH = ("Abmaj7 | Bb | Gm7 | Cm7 | Fm7 | Bb | Ebmaj7 | G7 | "
        "Abmaj7 | Bb | Gm7 | Cm7 | Fm7 | Bb7 | Abmaj7 | G7")

FUNK = {'K': 'x..x..x...x.....', 'CL': '....x.......x...', 'CH': 'xoxoxoxoxoxoxo..',
        'OH': '..............x.'}
FUNK2 = {'K': 'x..x..x...x..x..', 'CL': '....x.......x...', 'S': '.......o.o......',
         'CH': 'xoxoxoxoxoxoxo..', 'OH': '..............x.', 'CB': 'x.....x.....x...'}
FILL = {'K': 'x..x..x.........', 'CL': '....x...........', 'S': '........xoxoXxXX', 'CH': 'xoxoxoxo'}
TOMS = {'K': 'x..x..x.........', 'CL': '....x...........', 'T1': '........xx......',
        'T3': '..........xx....', 'T5': '............xxxX'}
THIN = {'K': 'x.........x.....', 'CL': '....x.......x...', 'CH': 'x.x.x.x.x.x.x.x.'}
CHOP = [(.5, .2), (1.25, .2), (1.75, .2), (2.5, .2), (3.25, .2), (3.75, .2)]


def build():
    s = Song('bgm7', bars=76, seconds=122.0)
    dr = s.part('drums', 9, 25, level=-31, rev=20)
    bs = s.part('bass', 0, 37, level=-26, rev=10)
    cv = s.part('clav', 1, 7, level=-31, pan=40, rev=30)
    ld = s.part('lead', 2, 80, level=-26, pan=64, rev=45, cho=20)
    l2 = s.part('lead2', 3, 90, level=-27, pan=70, rev=50, cho=40)
    mr = s.part('marimba', 4, 12, level=-30, pan=100, rev=50)
    pd = s.part('pad', 5, 50, level=-35, pan=30, rev=65, cho=30)
    br = s.part('brass', 6, 62, level=-29, pan=96, rev=45)
    ec = s.part('echo', 7, 80, level=-34, pan=110, rev=75)

    intro = prog("Cm7 | F7 | Cm7 | F7", 0)
    groove(dr, 0, 4, FUNK, fills=FILL, fill_every=4)
    bass(bs, intro, 'funk16', lo=31)
    stabs(cv, intro, CHOP, lo=58, hi=72, size=3, vel=84)
    arp(mr, intro[2:], [0, 2, 1, 3, 2, 4, 3, 1], rate=0.25, lo=67, n=5, vel=70)

    A = prog(A_CH, 4)
    groove(dr, 4, 16, FUNK, fills=FILL, fill_every=8)
    hit(dr, 12, 0, 'CR', 96)
    bass(bs, A, 'funk16', lo=31)
    stabs(cv, A, CHOP, lo=58, hi=72, size=3, vel=82)
    arp(mr, A, [0, 2, 1, 3, 2, 4, 3, 1], rate=0.25, lo=67, n=5, vel=60)
    ld.phrase(4, A_MEL + A_MEL[:4] + A_END, unit=0.25, vel=100)

    B = prog(B_CH, 20)
    groove(dr, 20, 16, FUNK2, fills=TOMS, fill_every=8)
    hit(dr, 28, 0, 'CR', 96)
    bass(bs, B, 'sync', lo=31)
    pad(pd, B, lo=55, hi=76, vel=82)
    stabs(cv, B, [(.5, .2), (1.5, .2), (2.5, .2), (3.5, .2)], lo=58, hi=72, vel=78)
    l2.phrase(20, B_MEL + B_MEL[:4] + B_END, vel=100)
    arp(mr, B[8:], [0, 1, 2, 3, 4, 3, 2, 1], rate=0.25, lo=67, n=5, vel=60)

    A2 = prog(A_CH, 36)
    groove(dr, 36, 16, FUNK2, fills=FILL, fill_every=8)
    hit(dr, 44, 0, 'CR', 96)
    bass(bs, A2, 'funk16', lo=31)
    stabs(cv, A2, CHOP, lo=58, hi=72, size=3, vel=80)
    ld.phrase(36, A_MEL + A_MEL[:4] + A_END, unit=0.25, vel=100)
    guide(br, A2, [(0, 1.5), (1.5, 1), (2.5, 1.5)], lo=55, hi=69, vel=84)
    pad(pd, A2[8:], lo=60, hi=79, vel=62)
    arp(mr, A2, [0, 2, 1, 3, 2, 4, 3, 1], rate=0.25, lo=72, n=5, vel=56)

    K = prog("Cm7 | Cm7 | F7 | F7 | Cm7 | Cm7 | Ab | G7", 52)
    groove(dr, 52, 7, THIN, crash=True)
    groove(dr, 59, 1, FILL, crash=False)
    bass(bs, K, 'funk16', lo=31, vel=94)
    stabs(cv, K, CHOP, lo=58, hi=72, size=3, vel=76)
    arp(mr, K, [0, 1, 2, 3, 4, 3, 2, 1], rate=0.25, lo=60, n=5, vel=66)
    ld.phrase(52, BREAK, unit=0.25, vel=98)
    echo(ld, ec, 52, 60, delay=0.75, vel_scale=0.55)

    A3 = prog(A_CH[:A_CH.index('Cm7 | F7 | Cm7 | F7 | Ab')], 60)
    groove(dr, 60, 8, FUNK2, fills=FILL, fill_every=8)
    bass(bs, A3, 'funk16', lo=31)
    stabs(cv, A3, CHOP, lo=58, hi=72, size=3, vel=82)
    stabs(br, A3, [(1.5, .35), (3.5, .35)], lo=58, hi=74, vel=84)
    ld.phrase(60, A_MEL, unit=0.25, vel=100)
    l2.phrase(60, A_MEL, unit=0.25, tr=-12, vel=78)

    T = prog("Abmaj7 | Bb | Cm7 | Cm7 | Abmaj7 | Bb | Gsus4 | G7", 68)
    groove(dr, 68, 8, FUNK2, fills=TOMS, fill_every=4)
    hit(dr, 72, 0, 'CR', 96)
    bass(bs, T, 'funk16', lo=31)
    pad(pd, T, lo=55, hi=76, vel=80)
    stabs(br, T, [(0, .7), (.75, .5), (2.5, .4), (3, .9)], lo=58, hi=74, vel=90)
    ld.phrase(68, TURN, vel=102)
    arp(mr, T, [0, 2, 1, 3, 2, 4, 3, 1], rate=0.25, lo=67, n=5, vel=60)
    return s
