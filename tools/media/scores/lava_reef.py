"""Lava Reef Act 1 (bgm8).

E minor with a Phrygian F, ~136 BPM, 48 bars.  Low and heavy: low-E power
chord chugs, synth bass locked to the kick with a b2 growl, a brass-and-tuba
melody that stays in the low register, choir and timpani, half-time snare.
Form: intro (4) | A (16) | B in G minor, rock organ on top (8) |
A with counter-line (8) | break on E-F (4) | turnaround on B7 (8).
"""
from varnmus import Song, prog, pad, stabs, arp, bass, guide, groove, echo, hit, power

A_MEL = ["e4:3 g4 f#4:2 e4:2", "b4:3 a4 g4:2 f#4:2", "a4:3 g4 f4:2 c5:2", "b4:6 r:2",
         "c5:3 b4 a4:2 g4:2", "a4:3 f#4 d4:2 f#4:2", "g4:3 f#4 e4:2 b3:2", "d#4:4 f#4:2 a4:2"]
A_END = ["c5:3 b4 a4:2 e4:2", "g4:3 a4 g4:2 e4:2", "e4:2 f#4:2 d#4:4", "e4:6 r:2"]
B_MEL = ["g4:3 bb4 d5:4", "c5:3 bb4 a4:2 g4:2", "ab4:3 c5 eb5:4", "d5:6 r:2",
         "eb5:3 d5 bb4:2 g4:2", "a4:3 c5 f5:4", "f5:3 d5 bb4:4", "a4:2 b4:2 d#5:4"]
TURN = ["e5:4 g5:4", "f#5:4 a5:4", "b5:8", "r:4 e5:2 g5:2",
        "c5:4 e5:4", "d5:4 f#5:4", "e5:4 f#5:4", "d#5:8"]

A_CH = "Em | Em | F | Em | C | D | Em | B7"
A_END_CH = "Am | C | Bsus4 B7 | Em"

HEAVY = {'K': 'x..xx.x...x.x...', 'S': '........X.......', 'CH': 'x.x.x.x.x.x.x.x.'}
FULL = {'K': 'x..xx.x.x..xx.x.', 'S': '....X.......X...', 'CH': 'x.x.x.x.x.x.x.x.',
        'CN': '............x...'}
FILL = {'K': 'x..xx.x.........', 'S': '........X.......', 'T2': '..........xx....',
        'T4': '............xx..', 'T6': '..............XX'}
STOMP = {'K': 'x.......x.......', 'T6': '....x.......x...', 'S': '........X.......'}
GT = [(0, .7), (.75, .2), (1, .2), (1.25, .2), (1.5, .45), (2, .2), (2.25, .2), (2.5, .45),
      (3, .45), (3.5, .45)]


def build():
    s = Song('bgm8', bars=48, seconds=85.0)
    dr = s.part('drums', 9, 16, level=-30, rev=35)
    bs = s.part('bass', 0, 38, level=-26, rev=10)
    gt = s.part('guitar', 1, 30, level=-31, pan=36, rev=30)
    g2 = s.part('guitar2', 2, 30, level=-33, pan=92, rev=30)
    br = s.part('brass', 3, 61, level=-26, pan=64, rev=50)
    tb = s.part('tuba', 4, 58, level=-30, pan=64, rev=40)
    og = s.part('organ', 5, 18, level=-28, pan=78, rev=45, cho=30)
    ch = s.part('choir', 6, 91, level=-33, pan=50, rev=80)
    tp = s.part('timpani', 7, 47, level=-29, pan=64, rev=55)

    intro = prog("E5 | E5 | F5 | E5", 0)
    groove(dr, 0, 4, STOMP, fills=FILL, fill_every=4)
    bass(bs, intro, 'heavy', lo=28)
    power(gt, intro, GT, lo=40)
    pad(ch, intro, lo=52, hi=67, size=2, vel=80)
    for b in range(4):
        tp.note(b * 4, 1.0, 40, 104)

    A = prog(A_CH + " | " + " | ".join(A_CH.split('|')[:4]) + " | " + A_END_CH, 4)
    groove(dr, 4, 16, HEAVY, fills=FILL, fill_every=8)
    hit(dr, 12, 0, 'CR', 104)
    bass(bs, A, 'heavy', lo=28)
    power(gt, A, GT, lo=40)
    power(g2, A, [(0, 1.9), (2, 1.9)], lo=52, octave=False)
    br.phrase(4, A_MEL + A_MEL[:4] + A_END, vel=100)
    tb.phrase(4, A_MEL + A_MEL[:4] + A_END, tr=-12, vel=96)

    B = prog("Gm | Gm | Ab | Gm | Eb | F | Bb | B7", 20)
    groove(dr, 20, 8, FULL, fills=FILL, fill_every=8)
    bass(bs, B, 'drive8', lo=28)
    power(gt, B, [(0, 1.9), (2, .45), (2.5, .45), (3, .9)], lo=40)
    pad(ch, B, lo=55, hi=72, vel=84)
    og.phrase(20, B_MEL, vel=100)
    br.phrase(20, B_MEL, tr=-12, vel=84)

    A2 = prog(A_CH, 28)
    groove(dr, 28, 8, HEAVY, fills=FILL, fill_every=8)
    bass(bs, A2, 'heavy', lo=28)
    power(gt, A2, GT, lo=40)
    br.phrase(28, A_MEL, vel=100)
    tb.phrase(28, A_MEL, tr=-12, vel=96)
    guide(og, A2, [(0, 1.5), (1.5, 1), (2.5, 1.5)], lo=60, hi=74, vel=80)
    pad(ch, A2, lo=55, hi=71, vel=70)

    K = prog("Em | F | Em | F", 36)
    groove(dr, 36, 3, STOMP, crash=True)
    groove(dr, 39, 1, FILL, crash=False)
    bass(bs, K, 'heavy', lo=28, vel=96)
    pad(ch, K, lo=52, hi=69, vel=88)
    stabs(br, K, [(0, .9), (1.5, .4), (3, .9)], lo=52, hi=64, vel=92)
    for b in range(36, 40):
        tp.note(b * 4, 1.0, 40 if b % 2 == 0 else 41, 108)
        tp.note(b * 4 + 2.5, 0.5, 40 if b % 2 == 0 else 41, 84)

    T = prog("C | D | Em | Em | C | D | B7sus4 | B7", 40)
    groove(dr, 40, 8, FULL, fills=FILL, fill_every=4)
    hit(dr, 44, 0, 'CR', 104)
    bass(bs, T, 'drive8', lo=28)
    power(gt, T, GT, lo=40)
    pad(ch, T, lo=55, hi=71, vel=80)
    og.phrase(40, TURN, vel=100)
    br.phrase(40, TURN, tr=-12, vel=92)
    tb.phrase(40, TURN, tr=-24, vel=90)
    for i in range(8):
        tp.note(47 * 4 + 2 + i * 0.25, 0.25, 35 + 12, 70 + i * 6)
    return s
