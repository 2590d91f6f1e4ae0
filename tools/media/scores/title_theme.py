"""Varnholt Title Theme (ts1 + ts2).

One score, rendered in one go so that the hand-over is seamless:
  ts1 - bars 0-15 at ~149 BPM: a bright C major fanfare.  Trumpet call with
        brass-section harmony and timpani, the answer with strings, a
        heroic Ab-Bb-C rise, then F - Fm - G7 and a snare roll that hands
        over to ...
  ts2 - 50 bars at ~148 BPM, looping: intro (4) | main theme A (16) |
        B in E-flat major (8) | A with counter-line (8) | break (6) |
        turnaround on G7 back to its own start (8).
The render holds ts1, ts2 twice and one more bar; ts2 is cut from its
second pass, so its loop seam is as natural as the hand-over.
"""
from varnmus import Song, prog, pad, stabs, arp, bass, guide, groove, echo, hit, harmonize

TS1_BARS = 16
TS2_BARS = 50
TS1_USPQ = 400781   # 16 bars = 25.650 s: the game starts ts2 when ts1 reaches 25650 ms
TS2_USPQ = 404400   # 50 bars = 80.880 s: the game restarts ts2 when it reaches 80880 ms

FANFARE = ["g4:2 g4 g4 c5:4", "e5:2 e5 e5 g5:4", "a5:2 a5 a5 c6:3 a5", "g5:6 r:2",
           "e5:2 g5 c6 e6:3 d6", "c6:2 a5 e5 a5:4", "f5:2 a5 c6 f6:3 e6", "d6:6 r:2",
           "eb5:3 ab5 c6:4", "f5:3 bb5 d6:4", "e6:8", "e6:3 d6 c6:2 g5:2",
           "a5:2 c6:2 f6:4", "ab5:2 c6:2 f6:4", "g5:2 b5:2 d6:2 f6:2", "g6:4 f6 d6 b5 g5"]
TS1_CH = ("C | C | F | G | C | Am | F | G | Ab | Bb | C | C | F | Fm | G | G7")

INTRO = ["e5 g5 c6 e6 r e6 d6 c6", "a5:3 c6 e5:4", "f5 a5 c6 f6 r f6 e6 c6", "d6:4 b5:2 g5:2"]
A_MEL = ["e5:2 g5 c6 r c6 b5 c6", "d6:3 b5 g5:4", "c6:2 a5 c6 r e6 d6 c6", "b5:6 r:2",
         "a5:2 c6 f6 r f6 e6 d6", "e6:3 c6 g5:4", "f5:2 a5 d6 r d6 c6 a5", "b5:4 d6:2 f6:2"]
A_END = ["a5:2 c6 f6 r a6 g6 f6", "g6:3 f6 d6:2 b5:2", "c6:8", "r:4 g5 ab5 bb5 c6"]
B_MEL = ["g5:3 bb5 eb6:4", "d6:3 c6 bb5:2 f5:2", "eb6:3 d6 c6:2 g5:2", "d6:6 r:2",
         "c6:3 eb6 ab6:4", "g6:3 f6 eb6:2 bb5:2", "ab5:2 c6:2 eb6:2 f6:2", "d6:4 f6:2 b5:2"]
BREAK = ["e6:2 c6:2 a5:4", "f6:2 c6:2 a5:4", "f6:2 d6:2 a5:4", "g5:2 b5:2 d6:2 f6:2",
         "e6:2 c6:2 a5:4", "d6:2 b5:2 g5:4"]
TURN = ["a5:4 c6:4", "b5:4 d6:4", "g5:4 b5:4", "c6:4 e6:4",
        "f6:4 d6:4", "e6:4 g6:4", "a6:4 f6:4", "g6:4 f6 d6 b5 g5"]

A_CH = ("C | G/B | Am | Em/G | F | C/E | Dm7 | G7 | "
        "C | G/B | Am | Em/G | F | G | C | C")
B_CH = "Eb | Bb/D | Cm | Bb | Ab | Eb/G | Fm7 | G7"

POP = {'K': 'x.....x.x.......', 'S': '....X.......X...', 'CH': 'x.x.x.x.x.x.x.x.',
       'OH': '..............x.'}
POP2 = {'K': 'x.....x.x.x.....', 'S': '....X.......X..o', 'CH': 'xoxoxoxoxoxoxo..',
        'OH': '..............x.', 'TB': '....x.......x...'}
FILL = {'K': 'x.....x.........', 'S': '....X...xoxoXxXX', 'CH': 'x.x.x.x.'}
TOMS = {'K': 'x.....x.........', 'S': '....X...........', 'T1': '........xx......',
        'T3': '..........xx....', 'T5': '............xxXX'}
MARCH = {'K': 'x.......x.......', 'S': '....X..x....X.xx', 'CH': 'x...x...x...x...'}
ROLL = {'K': 'x...x...x...x...', 'S': '2233445566778899'}


def ts2(parts, b0):
    dr, bs, ld, sq, br, st, gl, tp, tr, hn, bsec = parts
    intro = prog("C | Am | F | G", b0)
    groove(dr, b0, 4, POP, fills=FILL, fill_every=4)
    bass(bs, intro, 'octave8', lo=28)
    stabs(br, intro, [(0, .6), (.75, .6), (1.5, .4), (2.5, .4), (3.5, .4)], lo=58, hi=74, vel=100)
    pad(st, intro, lo=55, hi=76, vel=84)
    # the square lead calls the theme's shape, so the loop opens as strongly as the fanfare ends
    sq.phrase(b0, INTRO, vel=96)
    arp(gl, intro, [0, 1, 2, 3, 4, 3, 2, 1], rate=0.25, lo=72, n=5, vel=62)

    A = prog(A_CH, b0 + 4)
    groove(dr, b0 + 4, 16, POP, fills=FILL, fill_every=8)
    hit(dr, b0 + 12, 0, 'CR', 100)
    bass(bs, A, 'drive8', lo=28)
    stabs(br, A, [(1.5, .35), (3.5, .35)], lo=58, hi=74, vel=82)
    pad(st, A, lo=55, hi=74, vel=66)
    ld.phrase(b0 + 4, A_MEL + A_MEL[:4] + A_END, vel=100)
    sq.phrase(b0 + 12, A_MEL[:4] + A_END, tr=-12, vel=72)

    B = prog(B_CH, b0 + 20)
    groove(dr, b0 + 20, 8, POP2, fills=TOMS, fill_every=8)
    bass(bs, B, 'sync', lo=28)
    pad(st, B, lo=55, hi=76, vel=84)
    ld.phrase(b0 + 20, B_MEL, vel=100)
    guide(hn, B, [(0, 2), (2, 2)], lo=53, hi=67, vel=86)
    arp(gl, B, [0, 2, 1, 3, 2, 4, 3, 5], rate=0.25, lo=72, n=6, vel=56)

    A2 = prog("C | G/B | Am | Em/G | F | G | C | C", b0 + 28)
    groove(dr, b0 + 28, 8, POP2, fills=FILL, fill_every=8)
    bass(bs, A2, 'octave8', lo=28)
    stabs(br, A2, [(1.5, .35), (3.5, .35)], lo=58, hi=74, vel=82)
    ld.phrase(b0 + 28, A_MEL[:4] + A_END, vel=100)
    sq.phrase(b0 + 28, A_MEL[:4] + A_END, tr=12, vel=62)
    guide(hn, A2, [(0, 1.5), (1.5, 1), (2.5, 1.5)], lo=55, hi=69, vel=86)
    arp(gl, A2, [0, 1, 2, 3, 4, 3, 2, 1], rate=0.25, lo=72, n=5, vel=54)

    K = prog("Am | F | Dm7 | G7 | Am | G", b0 + 36)
    groove(dr, b0 + 36, 5, {'K': 'x.......x.......', 'CH': 'x.x.x.x.x.x.x.x.'}, crash=True)
    groove(dr, b0 + 41, 1, ROLL, crash=False)
    bass(bs, K, 'pedal8', lo=28, vel=92)
    pad(st, K, lo=55, hi=76, vel=80)
    gl.phrase(b0 + 36, BREAK, vel=100)
    arp(sq, K, [0, 1, 2, 3, 4, 3, 2, 1], rate=0.25, lo=60, n=5, vel=66)

    T = prog("F | G | Em | Am | Dm | Em | F | G7", b0 + 42)
    groove(dr, b0 + 42, 8, POP2, fills=TOMS, fill_every=4)
    hit(dr, b0 + 46, 0, 'CR', 100)
    bass(bs, T, 'drive8', lo=28)
    stabs(br, T, [(0, .6), (.75, .6), (1.5, 1.0), (3, .9)], lo=58, hi=74, vel=90)
    pad(st, T, lo=55, hi=76, vel=72)
    ld.phrase(b0 + 42, TURN, vel=102)
    sq.phrase(b0 + 42, TURN, tr=-12, vel=76)


def build():
    total = TS1_BARS + 2 * TS2_BARS + 1
    s = Song('title', bars=total, bpm=60e6 / TS1_USPQ)
    s.tempo_map = [(0.0, TS1_USPQ), (TS1_BARS * 4.0, TS2_USPQ)]
    dr = s.part('drums', 9, 0, level=-32, rev=40)
    bs = s.part('bass', 0, 38, level=-27, rev=15)
    ld = s.part('lead', 1, 81, level=-25, pan=64, rev=50, cho=40)
    sq = s.part('square', 2, 80, level=-30, pan=76, rev=50, cho=20)
    br = s.part('synbrass', 3, 62, level=-29, pan=92, rev=45)
    st = s.part('strings', 4, 48, level=-33, pan=40, rev=65)
    gl = s.part('glock', 5, 9, level=-30, pan=24, rev=60)
    tp = s.part('timpani', 6, 47, level=-27, pan=64, rev=55)
    tr = s.part('trumpet', 7, 56, level=-24, pan=60, rev=60)
    hn = s.part('horn', 8, 60, level=-28, pan=100, rev=60)
    bsec = s.part('brass', 10, 61, level=-27, pan=84, rev=60)
    parts = (dr, bs, ld, sq, br, st, gl, tp, tr, hn, bsec)

    # ts1: the fanfare
    C1 = prog(TS1_CH, 0)
    tr.phrase(0, FANFARE, vel=104, gate=0.9)
    harmonize(bsec, tr, C1, 0, 16, voices=2, vel_scale=0.9)
    pad(st, C1, lo=52, hi=74, vel=84)
    bass(bs, C1[:8], 'half', lo=28)
    bass(bs, C1[8:], 'drive8', lo=28)
    guide(hn, C1[4:], [(0, 2), (2, 2)], lo=53, hi=67, vel=86)
    arp(gl, C1[8:], [0, 1, 2, 3, 4, 5, 4, 3], rate=0.25, lo=72, n=6, vel=60)
    for b in range(8):
        root = 36 + C1[b].chord.root
        tp.note(b * 4, 1.0, root, 108 if b % 4 == 0 else 92)
    for i in range(8):
        tp.note(3 * 4 + 2 + i * 0.25, 0.25, 43, 66 + i * 6)
        tp.note(7 * 4 + 2 + i * 0.25, 0.25, 43, 66 + i * 6)
    hit(dr, 0, 0, 'CR', 118)
    hit(dr, 0, 0, 'K', 110)
    hit(dr, 4, 0, 'CR', 110)
    hit(dr, 4, 0, 'K', 100)
    groove(dr, 8, 7, MARCH, crash=True)
    groove(dr, 15, 1, ROLL, crash=False)
    stabs(br, C1[8:12], [(0, .6), (.75, .6), (1.5, 1.0)], lo=58, hi=76, vel=92)

    ts2(parts, TS1_BARS)
    ts2(parts, TS1_BARS + TS2_BARS)
    ts2(parts, TS1_BARS + 2 * TS2_BARS)     # only its first bar survives
    return s, TS1_BARS, TS2_BARS
