"""Supporting Me (bgm4).

B-flat major, ~94 BPM, 84 bars.  The calm, warm piece: electric piano,
fretless bass, a soft kit with side-stick and shaker, a flute melody that
leans on suspensions, strings taking the B theme.
Form: intro (4) | A (16) | B around G minor (16) | A with a cello-range
string counter-line and music-box arpeggios (16) | bridge that moves to
D-flat major and finds its way back via C minor - F7 (16) | A short (8) |
turnaround (8).
"""
from varnmus import Song, prog, pad, stabs, arp, bass, guide, groove, echo, hit

LOUDNESS = -16.0    # LUFS: the calm piece sits a little lower

A_MEL = [
    "d5:3 c5 bb4:2 f5:2",
    "f5:3 eb5 c5:4",
    "d5:3 c5 bb4:2 g5:2",
    "g5:6 f5 eb5",
    "f5:3 d5 bb5:2 a5 g5",
    "g5:3 eb5 bb4:2 c5 d5",
    "eb5:3 d5 c5:2 bb4:2",
    "c5:6 r:2",
]
A_END = ["eb5:3 f5 g5:2 bb5:2", "a5:3 g5 f5:2 d5:2", "eb5:2 g5:2 f5:2 a5:2", "bb5:6 r:2"]
B_MEL = [
    "bb5:2 a5 g5 d5:4",
    "a5:2 g5 f5 d5:4",
    "g5:2 f5 eb5 bb4:2 d5:2",
    "f5:6 r:2",
    "eb5:2 g5:2 bb5:2 c6:2",
    "d6:3 c6 a5:2 f5:2",
    "g5:2 bb5:2 d6:2 c6 bb5",
    "c6:6 r:2",
]
B_END = ["eb6:3 d6 c6:2 g5:2", "d6:3 c6 bb5:2 f5:2", "g5:2 bb5:2 eb6:2 d6 c6", "bb5:4 a5:4"]
BRIDGE = [
    "f5:4 ab5:2 c6:2", "bb5:6 gb5:2", "ab5:4 c6:2 eb6:2", "db6:6 bb5 ab5",
    "ab5:4 f5:2 ab5:2", "db6:4 bb5:2 f5:2", "f5:4 gb5:2 ab5:2", "ab5:4 c6:4",
    "bb5:6 ab5 gb5", "ab5:4 eb5:4", "f5:3 eb5 c5:2 f5:2", "db5:6 f5:2",
    "bb5:4 f5:4", "eb5:4 c5:2 eb5:2", "g5:4 eb5:4", "a5:4 c6:2 eb6:2",
]
TURN = ["g5:4 bb5:4", "a5:4 f5:4", "g5:2 f5:2 eb5:2 d5:2", "d5:6 r:2",
        "g5:4 bb5:4", "c6:4 a5:4", "bb5:2 g5:2 eb5:2 c5:2", "c5:4 a4:4"]

A_CH = "Bb | F/A | Gm7 | Ebmaj7 | Bb/D | Eb | Cm7 | F7sus4 F7"
A_END_CH = "Cm7 | Dm7 | Ebmaj7 F | Bb"
B_CH = "Gm | Dm/F | Ebmaj7 | Bb/D | Cm7 | Dm7 | Ebmaj7 | F"
B_END_CH = "Cm7 | Bb/D | Eb | Fsus4 F"

BALLAD = {'K': 'x.......x.x.....', 'RIM': '....x.......x...', 'CH': 'o.o.o.o.o.o.o.o.',
          'SH': 'gggggggggggggggg'}
BALLAD2 = {'K': 'x.......x.x.....', 'S': '....x.......x...', 'CH': 'o.o.o.o.o.o.o.x.',
           'SH': 'gggggggggggggggg'}
FILL = {'K': 'x.......x.......', 'RIM': '....x...........', 'T2': '........x.o.....',
        'T4': '............x.o.', 'SH': 'gggggggg'}
SHAKE = {'SH': 'g.g.g.g.g.g.g.g.', 'K': 'x...............'}
RIDE = {'K': 'x.........x.....', 'RIM': '....x.......x...', 'RD': 'o.o.o.o.o.o.o.o.'}
COMP = [(0, 1.4), (1.5, .9), (2.5, 1.4)]


def first_half(ch):
    """the first four bars of an eight-bar progression, ready to extend"""
    return ' | '.join(c.strip() for c in ch.split('|')[:4]) + ' | '



def build():
    s = Song('bgm4', bars=84, seconds=209.0)
    dr = s.part('drums', 9, 0, level=-36, rev=35)
    bs = s.part('bass', 0, 35, level=-28, rev=20)
    ep = s.part('epiano', 1, 4, level=-31, pan=44, rev=55, cho=50)
    pd = s.part('pad', 2, 89, level=-38, pan=84, rev=70, cho=30)
    fl = s.part('flute', 3, 73, level=-25, pan=64, rev=60)
    st = s.part('strings', 4, 48, level=-28, pan=88, rev=65)
    mb = s.part('musicbox', 5, 10, level=-31, pan=28, rev=70)
    vb = s.part('vibes', 6, 11, level=-28, pan=40, rev=65)
    ec = s.part('echo', 7, 73, level=-36, pan=104, rev=80)

    intro = prog("Bbmaj7 | Ebmaj7 | Bbmaj7 | Fsus4 F", 0)
    stabs(ep, intro, COMP, lo=53, hi=70, size=4, vel=74)
    pad(pd, intro, lo=53, hi=72, vel=70)
    groove(dr, 0, 4, SHAKE, crash=False)
    bass(bs, intro[2:], 'calm', lo=29)
    arp(mb, intro, [0, 1, 2, 3, 2, 1, 2, 3], rate=0.5, lo=70, n=4, vel=66)

    A = prog(A_CH + " | " + first_half(A_CH) + A_END_CH, 4)
    groove(dr, 4, 16, BALLAD, fills=FILL, fill_every=8, crash=False)
    bass(bs, A, 'calm', lo=29)
    stabs(ep, A, COMP, lo=53, hi=70, size=4, vel=74)
    pad(pd, A, lo=53, hi=72, vel=60)
    fl.phrase(4, A_MEL + A_MEL[:4] + A_END, vel=96, gate=0.96)

    B = prog(B_CH + " | " + first_half(B_CH) + B_END_CH, 20)
    groove(dr, 20, 16, BALLAD2, fills=FILL, fill_every=8)
    bass(bs, B, 'walk', lo=29)
    stabs(ep, B, [(0, .9), (1, .9), (2, .9), (3, .9)], lo=53, hi=70, size=4, vel=66)
    pad(pd, B, lo=55, hi=74, vel=66)
    st.phrase(20, B_MEL + B_MEL[:4] + B_END, vel=96, gate=1.0)
    fl.phrase(28, B_MEL[:4] + B_END, vel=84, gate=0.96)
    arp(mb, B[8:], [0, 1, 2, 3, 2, 1, 2, 3], rate=0.5, lo=70, n=4, vel=60)

    A2 = prog(A_CH + " | " + first_half(A_CH) + A_END_CH, 36)
    groove(dr, 36, 16, BALLAD2, fills=FILL, fill_every=8)
    bass(bs, A2, 'calm', lo=29)
    stabs(ep, A2, COMP, lo=53, hi=70, size=4, vel=72)
    fl.phrase(36, A_MEL + A_MEL[:4] + A_END, vel=98, gate=0.96)
    guide(st, A2, [(0, 2), (2, 2)], lo=48, hi=62, vel=84)
    arp(mb, A2, [0, 1, 2, 3, 4, 3, 2, 1], rate=0.5, lo=70, n=5, vel=62)
    echo(fl, ec, 44, 52, delay=0.75, vel_scale=0.45)

    BR = prog("Dbmaj7 | Ebm7 | Fm7 | Gbmaj7 | Dbmaj7 | Bbm7 | Gbmaj7 | Ab | "
              "Gb | Ab | Fm7 | Bbm7 | Gbmaj7 | Ab | Cm7 | F7", 52)
    groove(dr, 52, 8, RIDE, crash=True)
    groove(dr, 60, 8, BALLAD2, fills=FILL, fill_every=8, crash=False)
    bass(bs, BR[:8], 'half', lo=29)
    bass(bs, BR[8:], 'calm', lo=29)
    pad(pd, BR, lo=53, hi=74, vel=78)
    arp(ep, BR[:8], [0, 1, 2, 3, 4, 3, 2, 1], rate=0.5, lo=56, n=5, vel=62)
    stabs(ep, BR[8:], COMP, lo=53, hi=70, size=4, vel=72)
    vb.phrase(52, BRIDGE[:8], vel=96)
    echo(vb, ec, 52, 60, delay=1.5, vel_scale=0.4)
    st.phrase(60, BRIDGE[8:], vel=92, gate=1.0)
    fl.phrase(60, BRIDGE[8:], tr=12, vel=76, gate=0.96)

    A3 = prog(first_half(A_CH) + A_END_CH, 68)
    groove(dr, 68, 8, BALLAD, fills=FILL, fill_every=8)
    bass(bs, A3, 'calm', lo=29)
    stabs(ep, A3, COMP, lo=53, hi=70, size=4, vel=74)
    pad(pd, A3, lo=53, hi=72, vel=60)
    fl.phrase(68, A_MEL[:4] + A_END, vel=96, gate=0.96)
    vb.phrase(68, A_MEL[:4] + A_END, tr=12, vel=60)

    T = prog("Ebmaj7 | Dm7 | Cm7 | Bb | Ebmaj7 | Dm7 | Cm7 | F7sus4 F7", 76)
    groove(dr, 76, 8, BALLAD2, fills=FILL, fill_every=4, crash=False)
    bass(bs, T, 'walk', lo=29)
    stabs(ep, T, COMP, lo=53, hi=70, size=4, vel=72)
    pad(pd, T, lo=55, hi=74, vel=66)
    st.phrase(76, TURN, vel=90, gate=1.0)
    guide(mb, T, [(0, 1), (1, 1), (2, 1), (3, 1)], lo=70, hi=82, vel=62)
    return s
