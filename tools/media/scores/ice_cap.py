"""Ice Cap Act 1 (bgm9).

C-sharp minor, ~140 BPM, 112 bars.  Icy and bright: glockenspiel and
celesta lines over a music-box arpeggio, tubular bells marking the
phrases, slow strings, a clean kit with tambourine and ride.
Form: intro (8) | A, a falling i-VII-VI-v line (16) | B in E major (16) |
A with celesta counter-line (16) | bridge on floating major sevenths,
drums out then half-time (16) | A with new colours (16) | B again (16) |
turnaround on G#7 (8).
"""
from varnmus import Song, prog, pad, stabs, arp, bass, guide, groove, echo, hit

A_MEL = ["g#5:2 c#6:2 e6:2 d#6 c#6", "d#6:3 c#6 b5:2 f#5:2", "c#6:3 b5 a5:2 e5:2",
         "d#6:4 b5:4", "a5:2 c#6:2 f#6:2 e6 c#6", "b5:3 g#5 e5:2 g#5:2",
         "a5:3 f#5 d#5:2 f#5:2", "g#5:4 b#5:2 d#6:2"]
A_END = ["a5:2 c#6:2 f#6:3 e6", "d#6:3 b#5 g#5:2 f#5:2", "e5:2 g#5:2 c#6:4", "c#6:6 r:2"]
B_MEL = ["b5:4 e6:2 g#6:2", "f#6:4 d#6:2 b5:2", "e6:3 d#6 c#6:2 g#5:2", "b5:6 r:2",
         "a5:2 c#6:2 e6:2 a6:2", "g#6:4 e6:4", "f#6:3 e6 c#6:2 a5:2", "b5:4 d#6:2 f#6:2"]
B_END = ["a6:3 g#6 e6:2 c#6:2", "d#6:3 e6 f#6:4", "c#6:8", "b#5:4 d#6:4"]
BRIDGE = ["e6:8", "d#6:8", "c#6:8", "b5:4 g#5:4", "e6:4 c#6:4", "b5:4 d#6:4", "a5:4 c#6:4", "b#5:8"]
TURN = ["c#6:4 e6:4", "d#6:4 f#6:4", "d#6:4 b5:4", "c#6:4 g#5:4",
        "a5:4 c#6:4", "b5:4 d#6:4", "c#6:8", "b#5:8"]

A_CH = ("C#m | B | A | G#m | F#m | E | D#m7b5 | G#7 | "
        "C#m | B | A | G#m | F#m | G#7 | C#m | C#m")
B_CH = ("E | B/D# | C#m | G#m | A | E/G# | F#m7 | B | "
        "E | B/D# | C#m | G#m | A | B | G#sus4 | G#7")
BR_CH = "Amaj7 | G#m7 | F#m7 | Emaj7 | Amaj7 | G#m7 | F#m7 | G#7"

ICE = {'K': 'x.....x...x.....', 'S': '....X.......X...', 'CH': 'x.x.x.x.x.x.x.x.',
       'TB': '..x...x...x...x.'}
ICE2 = {'K': 'x.....x.x.......', 'S': '....X.......X...', 'RD': 'x.x.x.x.x.x.x.x.',
        'TB': '....x.......x...'}
FILL = {'K': 'x.....x.........', 'S': '........xoxoXoXX', 'CH': 'x.x.x.x.'}
TOMS = {'K': 'x.....x.........', 'S': '....X...........', 'T1': '........xx......',
        'T3': '..........xx....', 'T5': '............xxXX'}
HALF = {'K': 'x.........x.....', 'RIM': '........x.......', 'CH': 'o.o.o.o.o.o.o.o.'}
AIR = {'SH': 'g.g.g.g.g.g.g.g.', 'MTRI': 'x...............'}


def bells(tb, spans, every=4, vel=92):
    for i, sp in enumerate(spans):
        if i % every == 0:
            tb.note(sp.t, 3.5, 60 + (sp.chord.root - 60) % 12 + (12 if sp.chord.root < 5 else 0), vel)


def section_A(parts, bar, lead, double, counter=False):
    dr, bs, st, mb, tb, cl, sq = parts
    A = prog(A_CH, bar)
    groove(dr, bar, 16, ICE, fills=FILL, fill_every=8)
    hit(dr, bar + 8, 0, 'CR', 96)
    bass(bs, A, 'drive8', lo=28)
    pad(st, A, lo=55, hi=74, vel=76)
    arp(mb, A, [0, 1, 2, 3, 4, 3, 2, 1], rate=0.25, lo=68, n=5, vel=62)
    lead.phrase(bar, A_MEL + A_MEL[:4] + A_END, vel=102)
    double.phrase(bar, A_MEL + A_MEL[:4] + A_END, tr=-12, vel=74)
    bells(tb, A, 4)
    if counter:
        guide(cl, A, [(0, 1.5), (1.5, 1), (2.5, 1.5)], lo=64, hi=79, vel=80)


def section_B(parts, bar, lead, double):
    dr, bs, st, mb, tb, cl, sq = parts
    B = prog(B_CH, bar)
    groove(dr, bar, 16, ICE2, fills=TOMS, fill_every=8)
    hit(dr, bar + 8, 0, 'CR', 96)
    bass(bs, B, 'sync', lo=28)
    pad(st, B, lo=56, hi=76, vel=84)
    arp(mb, B, [0, 2, 1, 3, 2, 4, 3, 5], rate=0.25, lo=71, n=6, vel=58)
    lead.phrase(bar, B_MEL + B_MEL[:4] + B_END, vel=102)
    double.phrase(bar, B_MEL + B_MEL[:4] + B_END, tr=-12, vel=74)
    bells(tb, B, 4)
    guide(cl, B[8:], [(0, 2), (2, 2)], lo=64, hi=76, vel=74)


def build():
    s = Song('bgm9', bars=112, seconds=194.0)
    dr = s.part('drums', 9, 0, level=-34, rev=40)
    bs = s.part('bass', 0, 33, level=-28, rev=25)
    st = s.part('strings', 1, 49, level=-35, pan=40, rev=75, cho=20)
    gl = s.part('glock', 2, 9, level=-24, pan=64, rev=60)
    sq = s.part('square', 3, 80, level=-30, pan=70, rev=55, cho=30)
    mb = s.part('musicbox', 4, 10, level=-31, pan=24, rev=70)
    tb = s.part('bells', 5, 14, level=-28, pan=90, rev=80)
    cl = s.part('celesta', 6, 8, level=-29, pan=100, rev=70)
    vb = s.part('vibes', 7, 11, level=-28, pan=56, rev=70)
    hl = s.part('halo', 8, 94, level=-34, pan=80, rev=80, cho=50)
    parts = (dr, bs, st, mb, tb, cl, sq)

    intro = prog("C#m | A | E | B | C#m | A | F#m | G#7", 0)
    pad(st, intro, lo=55, hi=74, vel=80)
    arp(mb, intro, [0, 1, 2, 3, 4, 3, 2, 1], rate=0.25, lo=68, n=5, vel=70)
    groove(dr, 0, 4, AIR, crash=True)
    groove(dr, 4, 4, ICE, fills=FILL, fill_every=4, crash=False)
    bass(bs, intro[4:], 'half', lo=28)
    bells(tb, intro, 2, vel=100)
    cl.phrase(4, ["g#6:4 e6:4", "c#6:4 e6:4", "a5:4 c#6:4 ", "b#5:8"], vel=90)

    section_A(parts, 8, gl, sq)
    section_B(parts, 24, gl, sq)
    section_A(parts, 40, gl, vb, counter=True)

    BR = prog(BR_CH + " | " + BR_CH, 56)
    groove(dr, 56, 8, AIR, crash=True)
    groove(dr, 64, 7, HALF, crash=True)
    groove(dr, 71, 1, FILL, crash=False)
    bass(bs, BR, 'half', lo=28)
    pad(hl, BR, lo=60, hi=79, vel=76)
    pad(st, BR, lo=52, hi=71, vel=70)
    arp(mb, BR, [0, 1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1], rate=1 / 3, lo=64, n=7, vel=60)
    vb.phrase(56, BRIDGE, vel=98)
    echo(vb, cl, 56, 64, delay=1.5, vel_scale=0.45, tr=12)
    cl.phrase(64, BRIDGE, vel=90)
    gl.phrase(64, BRIDGE, tr=-12, vel=80)
    bells(tb, BR, 2, vel=84)

    section_A(parts, 72, cl, gl, counter=False)
    guide(vb, prog(A_CH, 72), [(0, 1.5), (1.5, 1), (2.5, 1.5)], lo=60, hi=74, vel=78)
    section_B(parts, 88, gl, vb)

    T = prog("A | B | G#m | C#m | A | B | G#sus4 | G#7", 104)
    groove(dr, 104, 8, ICE2, fills=TOMS, fill_every=4)
    bass(bs, T, 'drive8', lo=28)
    pad(st, T, lo=56, hi=76, vel=84)
    arp(mb, T, [0, 2, 1, 3, 2, 4, 3, 5], rate=0.25, lo=71, n=6, vel=60)
    gl.phrase(104, TURN, vel=102)
    cl.phrase(104, TURN, tr=-12, vel=80)
    bells(tb, T, 2, vel=90)
    return s
