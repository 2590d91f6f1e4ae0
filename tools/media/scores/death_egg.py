"""Death Egg Act 1 (bgm10).

F minor, ~160 BPM, 60 bars.  The final stage: tense and chromatic.  A bass
line that falls by semitones under a held F minor (F-E-Eb-D), Neapolitan
G-flat chords, diminished sevenths, a saw lead with b9 tensions and a
chromatic run, synth strings churning sixteenths, orchestra hits.
Form: intro (4) | A (16) | B on Db-C semitone swings (16) | A (8) |
break with a creeping brass line over Fm-Gb (8) | turnaround on a bass
that climbs by semitones Db-D-Eb-E-F-Gb to C7 (8).
"""
from varnmus import Song, prog, pad, stabs, arp, bass, guide, groove, echo, hit

A_MEL = ["c5:2 f5:2 ab5:2 g5 f5", "e5:3 f5 g5:2 c5:2", "eb5:3 f5 ab5:2 c6:2", "c6:4 ab5:2 f5:2",
         "f5:3 ab5 db6:2 c6 bb5", "db6:3 bb5 gb5:4", "e5:3 g5 bb5:2 db6:2", "c6:2 b5 bb5 a5 ab5 g5 e5"]
A_END = ["f5:3 ab5 c6:2 f6:2", "f6:3 d6 b5:2 ab5:2", "f5:3 g5 bb5:4", "e5:6 r:2"]
B_MEL = ["ab5:2 c6:2 f6:4", "e6:4 c6:2 g5:2", "ab5:2 c6:2 f6:2 ab6:2", "g6:4 e6:2 c6:2",
         "f6:3 db6 bb5:2 f5:2", "ab5:3 bb5 db6:2 f6:2", "f6:4 db6:4", "e6:2 db6:2 bb5:2 g5:2"]
B_END = ["f6:3 e6 f6:2 db6:2", "d6:2 f6:2 ab6:4", "g6:4 f6:4", "e6:8"]
CREEP = ["c5:6 db5:2", "db5:8", "c5:6 db5:2", "db5:4 bb4:4",
         "ab4:6 bb4:2", "bb4:8", "bb4:4 g4:4", "g4:4 e4:4"]
TURN = ["f5:4 ab5:4", "f5:4 ab5:4", "g5:4 bb5:4", "g5:4 bb5:4",
        "ab5:4 c6:4", "bb5:4 db6:4", "c6:4 f6:4", "e6:8"]

A_CH8 = "Fm | Fm/E | Fm/Eb | Dm7b5 | Db | Gb | C7 | C7"
A_CH = A_CH8 + " | Fm | Fm/E | Fm/Eb | Dm7b5 | Dbmaj7 | Bdim7 | C7sus4 | C7"
B_CH = ("Dbmaj7 | C7 | Dbmaj7 | C7 | Bbm7 | Bbm7/Ab | Gbmaj7 | Edim7 | "
        "Dbmaj7 | C7 | Dbmaj7 | C7 | Bbm7 | Bdim7 | Csus4 | C7")

DRIVE = {'K': 'x.x...x.x.x...x.', 'S': '....X.......X...', 'CH': 'xoxoxoxoxoxoxoxo'}
BLAST = {'K': 'x.x.x.x.x.x.x.x.', 'S': '....X..o....X..o', 'CH': 'x.x.x.x.x.x.x.x.',
         'CN': 'x.......x.......'}
FILL = {'K': 'x.x...x.........', 'S': '....X...xxxxXXXX', 'CH': 'xoxoxoxo'}
TOMS = {'K': 'x.x...x.........', 'S': '....X...........', 'T1': '........xxx.....',
        'T3': '...........xx...', 'T5': '.............xXX'}
CREEPING = {'K': 'x..x......x.....', 'S': '........X.......', 'CH': 'x.x.x.x.x.x.x.x.',
            'T6': '..............xx'}
STRINGS16 = [0, 1, 2, 1, 0, 1, 2, 1, 0, 1, 2, 1, 0, 1, 2, 3]


def build():
    s = Song('bgm10', bars=60, seconds=90.0)
    dr = s.part('drums', 9, 16, level=-31, rev=30)
    bs = s.part('bass', 0, 39, level=-27, rev=10)
    ld = s.part('lead', 1, 81, level=-25, pan=64, rev=50, cho=30)
    l2 = s.part('lead2', 2, 87, level=-28, pan=70, rev=50)
    br = s.part('brass', 3, 62, level=-29, pan=96, rev=45)
    st = s.part('strings', 4, 50, level=-34, pan=34, rev=55, cho=20)
    oh = s.part('hits', 5, 55, level=-30, pan=64, rev=55)
    ch = s.part('choir', 6, 91, level=-34, pan=80, rev=75)
    tp = s.part('timpani', 7, 47, level=-29, pan=64, rev=50)

    intro = prog("Fm | Gb/F | Fm | Edim7", 0)
    groove(dr, 0, 4, DRIVE, fills=FILL, fill_every=4)
    bass(bs, intro, 'drive8', lo=29)
    arp(st, intro, STRINGS16, rate=0.25, lo=60, n=4, vel=78)
    stabs(oh, intro, [(0, .5), (2.5, .5)], lo=53, hi=68, vel=96)
    pad(ch, intro, lo=53, hi=70, vel=76)
    for b in range(4):
        tp.note(b * 4, 1.0, 41, 104)

    A = prog(A_CH, 4)
    groove(dr, 4, 16, DRIVE, fills=FILL, fill_every=8)
    hit(dr, 12, 0, 'CR', 104)
    bass(bs, A, 'gallop', lo=29)
    arp(st, A, STRINGS16, rate=0.25, lo=60, n=4, vel=70)
    stabs(br, A, [(0, .4), (1.5, .4), (3, .4)], lo=56, hi=72, vel=82)
    ld.phrase(4, A_MEL + A_MEL[:4] + A_END, vel=100)
    stabs(oh, A[5::8], [(0, .5)], lo=53, hi=68, vel=96)

    B = prog(B_CH, 20)
    groove(dr, 20, 16, BLAST, fills=TOMS, fill_every=8)
    hit(dr, 28, 0, 'CR', 104)
    bass(bs, B, 'drive8', lo=29)
    pad(ch, B, lo=55, hi=72, vel=80)
    arp(st, B, STRINGS16, rate=0.25, lo=62, n=4, vel=66)
    l2.phrase(20, B_MEL + B_MEL[:4] + B_END, vel=100)
    guide(br, B, [(0, 1.5), (1.5, 1), (2.5, 1.5)], lo=55, hi=69, vel=84)

    A2 = prog(A_CH8, 36)
    groove(dr, 36, 8, DRIVE, fills=FILL, fill_every=8)
    bass(bs, A2, 'gallop', lo=29)
    arp(st, A2, STRINGS16, rate=0.25, lo=60, n=4, vel=70)
    ld.phrase(36, A_MEL, vel=100)
    l2.phrase(36, A_MEL, tr=-12, vel=74)
    guide(br, A2, [(0, 1.5), (1.5, 1), (2.5, 1.5)], lo=55, hi=69, vel=84)
    pad(ch, A2, lo=55, hi=72, vel=66)

    K = prog("Fm | Gb | Fm | Gb | Fm | Gb | Edim7 | C7", 44)
    groove(dr, 44, 7, CREEPING, crash=True)
    groove(dr, 51, 1, FILL, crash=False)
    bass(bs, K, 'pedal8', lo=29, vel=94)
    arp(st, K, STRINGS16, rate=0.25, lo=60, n=4, vel=76)
    br.phrase(44, CREEP, vel=100)
    stabs(oh, K[1::2], [(0, .5), (1.5, .5)], lo=54, hi=70, vel=96)
    pad(ch, K, lo=53, hi=70, vel=84)
    for b in range(44, 52):
        tp.note(b * 4, 1.0, 41 if b % 2 == 0 else 42, 100)

    T = prog("Db | Ddim7 | Eb | Edim7 | Fm | Gb | C7sus4 | C7", 52)
    groove(dr, 52, 8, BLAST, fills=TOMS, fill_every=4)
    hit(dr, 56, 0, 'CR', 104)
    bass(bs, T, 'drive8', lo=29)
    arp(st, T, STRINGS16, rate=0.25, lo=62, n=4, vel=72)
    stabs(br, T, [(0, .6), (.75, .6), (1.5, 1.0), (3, .9)], lo=56, hi=72, vel=90)
    ld.phrase(52, TURN, vel=102)
    l2.phrase(52, TURN, tr=-12, vel=80)
    for i in range(8):
        tp.note(59 * 4 + 2 + i * 0.25, 0.25, 48, 70 + i * 6)
    return s
