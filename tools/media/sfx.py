"""Varnholt's sound effects.

Five effects are synthesised sample by sample right here (pure Python, no
libraries, fixed noise seeds); the two musical ones (level-up fanfare and
high-score jingle) are tiny scores played through FluidSynth like the music.

    es3.wav   enemy shot     22050 Hz stereo 0.42 s  falling buzz-saw, ring-modulated, driven
    ex.wav    explosion      44100 Hz mono   2.77 s  noise burst + falling crunchy midrange + sub rumble + crackle
    hs.wav    high score     44100 Hz stereo 16.0 s  eight-bar tune in G major
    lvlup.wav level up       22050 Hz stereo 2.68 s  rising arpeggio, Ab-Bb-C fanfare
    mms.wav   menu blip      44100 Hz stereo 0.81 s  two short bright tones (A5, E6)
    ps2.wav   player shot    22050 Hz stereo 0.52 s  bright pulse-wave "pew" with a sparkle
    ts.wav    tank shot      22050 Hz stereo 1.81 s  short thump, 150-600 Hz barrel ring, 1-3 kHz click, silent by the end
"""

import math
import os
import random
import struct
import wave

from varnmus import Song, Span, Chord, pitch, prog, pad, stabs, bass, groove, hit

TWO_PI = 2 * math.pi


# ---------------------------------------------------------------------------
# small DSP kit

def n_samples(rate, secs):
    return int(round(rate * secs))


def env_ad(t, attack, tau):
    if t < attack:
        return t / attack
    return math.exp(-(t - attack) / tau)


def end_fade(x, rate, secs):
    n = len(x)
    m = n_samples(rate, secs)
    for i in range(max(0, n - m), n):
        g = (n - 1 - i) / float(m)
        x[i] *= 0.5 - 0.5 * math.cos(math.pi * g)
    return x


def onepole_lp(x, rate, cutoff):
    """cutoff: float or per-sample list"""
    y = [0.0] * len(x)
    s = 0.0
    for i, v in enumerate(x):
        fc = cutoff[i] if isinstance(cutoff, list) else cutoff
        a = 1.0 - math.exp(-TWO_PI * fc / rate)
        s += a * (v - s)
        y[i] = s
    return y


def onepole_hp(x, rate, cutoff):
    lp = onepole_lp(x, rate, cutoff)
    return [a - b for a, b in zip(x, lp)]


def delay_mix(x, rate, secs, gain):
    d = n_samples(rate, secs)
    y = list(x)
    for i in range(d, len(x)):
        y[i] += gain * x[i - d]
    return y


def normalise(chans, peak_db):
    peak = max(max(abs(v) for v in c) for c in chans) or 1.0
    g = 10 ** (peak_db / 20.0) / peak
    return [[v * g for v in c] for c in chans]


def write_wav(path, rate, chans):
    n = len(chans[0])
    w = wave.open(path, 'wb')
    w.setnchannels(len(chans))
    w.setsampwidth(2)
    w.setframerate(rate)
    frames = bytearray()
    for i in range(n):
        for c in chans:
            v = int(round(c[i] * 32767.0))
            frames += struct.pack('<h', max(-32768, min(32767, v)))
    w.writeframes(bytes(frames))
    w.close()


# ---------------------------------------------------------------------------
# synthesised effects

def player_shot(rate=22050, secs=0.52):
    n = n_samples(rate, secs)
    rng = random.Random('varnholt-ps2')
    x = [0.0] * n
    ph = 0.0
    duty = 0.25
    for i in range(n):
        t = i / float(rate)
        f = 600.0 + 1900.0 * math.exp(-t / 0.055)
        ph += f / rate
        kmax = int((rate * 0.45) // f)
        v = 0.0
        for k in range(1, min(kmax, 12) + 1):
            v += math.sin(math.pi * k * duty) / k * math.sin(TWO_PI * k * ph)
        x[i] = v * env_ad(t, 0.003, 0.07)
    spark = [(rng.random() * 2 - 1) * env_ad(i / float(rate), 0.001, 0.008) for i in range(n)]
    spark = onepole_hp(spark, rate, 4000.0)
    x = [a + 0.35 * b for a, b in zip(x, spark)]
    left = delay_mix(x, rate, 0.045, 0.22)
    right = delay_mix(x, rate, 0.065, 0.22)
    left, right = end_fade(left, rate, 0.03), end_fade(right, rate, 0.03)
    return normalise([left, right], -4.0)


def enemy_shot(rate=22050, secs=0.42):
    n = n_samples(rate, secs)
    rng = random.Random('varnholt-es3')
    x = [0.0] * n
    ph = 0.0
    for i in range(n):
        t = i / float(rate)
        f = 170.0 + 700.0 * math.exp(-t / 0.07)
        ph += f / rate
        kmax = min(int((rate * 0.45) // f), 40)
        v = 0.0
        for k in range(1, kmax + 1):
            v += math.sin(TWO_PI * k * ph) / k          # sawtooth
        ring = 1.0 if math.sin(TWO_PI * 73.0 * t) >= 0 else -0.35
        noise = rng.random() * 2 - 1
        a = env_ad(t, 0.002, 0.085) if t > 0.03 else min(1.0, t / 0.002)
        x[i] = math.tanh(2.6 * (0.8 * v * ring + 0.25 * noise)) * a
    x = onepole_lp(x, rate, 6000.0)
    left = delay_mix(x, rate, 0.030, 0.18)
    right = delay_mix(x, rate, 0.041, 0.18)
    left, right = end_fade(left, rate, 0.06), end_fade(right, rate, 0.06)
    return normalise([left, right], -3.0)


def explosion(rate=44100, secs=2.77):
    n = n_samples(rate, secs)
    rng = random.Random('varnholt-ex')
    white = [rng.random() * 2 - 1 for _ in range(n)]
    cut = [150.0 + 7800.0 * math.exp(-(i / float(rate)) / 0.25) for i in range(n)]
    burst = onepole_lp(onepole_lp(white, rate, cut), rate, cut)
    burst = [v * env_ad(i / float(rate), 0.003, 0.32) for i, v in enumerate(burst)]
    # rumble: brown noise under 120 Hz plus a falling sub sine
    brown = []
    s = 0.0
    for v in white:
        s = 0.995 * s + 0.05 * v
        brown.append(s)
    brown = onepole_lp(onepole_lp(brown, rate, 120.0), rate, 120.0)
    sub = []
    ph = 0.0
    for i in range(n):
        t = i / float(rate)
        f = 28.0 + 52.0 * math.exp(-t / 0.6)
        ph += f / rate
        sub.append(math.sin(TWO_PI * ph))
    bpk = max(abs(v) for v in brown) or 1.0
    rumble = [(0.6 * b / bpk + 0.55 * u) * env_ad(i / float(rate), 0.01, 0.8)
              for i, (b, u) in enumerate(zip(brown, sub))]
    # crackle: sparse clicks in the first second
    crackle = [0.0] * n
    for _ in range(70):
        t = rng.random() ** 2 * 1.1
        i0 = n_samples(rate, t)
        amp = (rng.random() * 0.5 + 0.2) * math.exp(-t / 0.5)
        for j in range(n_samples(rate, 0.004)):
            if i0 + j < n:
                crackle[i0 + j] += amp * (rng.random() * 2 - 1) * (1 - j / 176.0)
    crackle = onepole_hp(crackle, rate, 1500.0)
    crunch = explosion_crunch(rate, n, rng)
    bpk = max(abs(v) for v in burst) or 1.0
    x = [math.tanh(1.6 * (1.0 * a / bpk + 0.9 * b + 0.35 * c + 0.5 * d))
         for a, b, c, d in zip(burst, rumble, crackle, crunch)]
    x = onepole_hp(x, rate, 20.0)
    x = end_fade(x, rate, 0.35)
    return normalise([x], -1.0)


def explosion_crunch(rate, n, rng):
    """The explosion's midrange: a driven buzz falling 480 -> 120 Hz, its
    level chopped by a random sample-and-hold (the crunch of breaking
    metal), band-limited to the 150-500 Hz region."""
    out = []
    ph = 0.0
    hold, left = 1.0, 0
    for i in range(n):
        t = i / float(rate)
        ph += (120.0 + 360.0 * math.exp(-t / 0.35)) / rate
        if left <= 0:
            hold, left = 0.35 + 0.65 * rng.random(), n_samples(rate, 0.008 + 0.02 * rng.random())
        left -= 1
        saw = 2.0 * (ph % 1.0) - 1.0
        out.append(math.tanh(3.0 * saw) * hold * env_ad(t, 0.004, 0.45))
    return onepole_hp(onepole_lp(onepole_lp(out, rate, 900.0), rate, 900.0), rate, 140.0)


def menu_blip(rate=44100, secs=0.81):
    n = n_samples(rate, secs)

    def tone(f, start, length, amp):
        out = [0.0] * n
        i0 = n_samples(rate, start)
        for j in range(n_samples(rate, length + 0.4)):
            i = i0 + j
            if i >= n:
                break
            t = j / float(rate)
            e = env_ad(t, 0.002, 0.05) if t < length else env_ad(length, 0.002, 0.05) * math.exp(-(t - length) / 0.045)
            # bright overtones so the blip cuts through the title fanfare
            out[i] = amp * e * (math.sin(TWO_PI * f * t) + 0.5 * math.sin(TWO_PI * 2 * f * t)
                                + 0.35 * math.sin(TWO_PI * 3 * f * t) + 0.2 * math.sin(TWO_PI * 4 * f * t))
        return out
    a = tone(880.0, 0.0, 0.045, 1.0)
    b = tone(1318.51, 0.06, 0.07, 0.9)
    x = [p + q for p, q in zip(a, b)]
    left = x
    right = [0.0] * n_samples(rate, 0.006) + x[:n - n_samples(rate, 0.006)]
    left, right = end_fade(left, rate, 0.05), end_fade(right, rate, 0.05)
    return normalise([left, right], -1.0)


def tank_shot(rate=22050, secs=1.81):
    """A gun, not a boom: the thump is short, the body of the shot sits in
    150-600 Hz (a barrel ring falling 420 -> 180 Hz with its overtones) and
    a 1-3 kHz mechanical click marks the moment, so it reads on small
    speakers and stays out of the music's bass every 1.8 s."""
    n = n_samples(rate, secs)
    rng = random.Random('varnholt-ts')
    white = [rng.random() * 2 - 1 for _ in range(n)]
    thump, body = [], []
    ph = pb = 0.0
    for i in range(n):
        t = i / float(rate)
        ph += (55.0 + 70.0 * math.exp(-t / 0.05)) / rate
        thump.append(math.sin(TWO_PI * ph) * env_ad(t, 0.002, 0.09))
        pb += (180.0 + 240.0 * math.exp(-t / 0.06)) / rate
        ring = math.sin(TWO_PI * pb) + 0.5 * math.sin(TWO_PI * 2 * pb) + 0.3 * math.sin(TWO_PI * 3.01 * pb)
        body.append(ring * env_ad(t, 0.001, 0.11))
    # the click: noise through a 1-3 kHz band plus a short metallic ping
    band = onepole_hp(onepole_lp(white, rate, 3000.0), rate, 1000.0)
    click = [(2.2 * v + 0.5 * math.sin(TWO_PI * 1870.0 * i / rate)) * env_ad(i / float(rate), 0.0005, 0.018)
             for i, v in enumerate(band)]
    cut = [150.0 + 900.0 * math.exp(-(i / float(rate)) / 0.15) for i in range(n)]
    tail = onepole_lp(onepole_lp(white, rate, cut), rate, cut)
    tpk = max(abs(v) for v in tail) or 1.0
    tail = [v / tpk * env_ad(i / float(rate), 0.01, 0.25) for i, v in enumerate(tail)]
    x = [math.tanh(1.5 * (0.9 * a + 0.65 * b + 0.6 * c + 0.35 * d))
         for a, b, c, d in zip(thump, body, click, tail)]
    x = onepole_hp(x, rate, 40.0)
    x = end_fade(x, rate, 0.5)
    left = x
    right = delay_mix(x, rate, 0.012, 0.0)
    return normalise([left, right], -2.0)


# ---------------------------------------------------------------------------
# the two musical effects

HS_MEL = ["d5 g5 b5 d6 b5:2 g5:2", "e5 g5 b5 e6 d6:2 b5:2", "c6:2 e6:2 g6:2 e6 c6",
          "d6:3 c6 b5:2 a5:2", "b5:2 d6 b5 g5:2 b5:2", "g5:2 b5 g5 e5:2 g5:2",
          "e6:2 c6:2 f#6:2 a6:2", "g6:8"]


def highscore_song():
    s = Song('hs', bars=9, bpm=120)          # 8 bars of tune = 16 s, one bar of tail
    dr = s.part('drums', 9, 0, level=-34, rev=40)
    bs = s.part('bass', 0, 38, level=-28, rev=20)
    ld = s.part('lead', 1, 80, level=-26, pan=60, rev=55, cho=30)
    gl = s.part('glock', 2, 9, level=-30, pan=84, rev=60)
    br = s.part('brass', 3, 62, level=-30, pan=96, rev=50)
    st = s.part('strings', 4, 48, level=-33, pan=36, rev=70)
    ch = prog("G | Em | C | D | G | Em | C D", 0)
    ld.phrase(0, HS_MEL, vel=100)
    gl.phrase(0, HS_MEL, vel=84)
    bass(bs, ch, 'octave8', lo=31)
    stabs(br, ch, [(1.5, .35), (3.5, .35)], lo=59, hi=74, vel=84)
    pad(st, ch, lo=55, hi=74, vel=74)
    groove(dr, 0, 7, {'K': 'x.......x.......', 'S': '....x.......x...', 'CH': 'x.x.x.x.x.x.x.x.'},
           fills={'K': 'x.......x.......', 'S': '....x...x.xxXXXX'}, fill_every=4)
    # final chord, let ring
    end = prog("G", 7)
    pad(br, end, lo=59, hi=79, vel=100)
    pad(st, end, lo=55, hi=79, vel=90)
    bs.note(28, 3.5, 31, 104)
    hit(dr, 7, 0, 'CR', 112)
    hit(dr, 7, 0, 'K', 110)
    return s


def levelup_song():
    s = Song('lvlup', bars=2, bpm=150)       # a sixteenth is 0.1 s
    ld = s.part('lead', 0, 80, level=-24, pan=56, rev=50)
    gl = s.part('glock', 1, 9, level=-28, pan=84, rev=50)
    br = s.part('brass', 2, 62, level=-26, pan=72, rev=50)
    st = s.part('strings', 3, 48, level=-33, pan=40, rev=60)
    dr = s.part('drums', 9, 0, level=-32, rev=40)
    for k, name in enumerate("c5 e5 g5 c6 e6 g6".split()):
        ld.note(k * 0.25, 0.24, pitch(name), 96 + 3 * k)
        gl.note(k * 0.25, 0.24, pitch(name), 86)
    for t, d, ch in ((1.5, 0.45, "Ab"), (2.0, 0.45, "Bb"), (2.5, 4.2, "C")):
        sp = [Span(t, d, Chord(ch))]
        pad(br, sp, lo=60, hi=79, size=4, vel=104)
        pad(ld, sp, lo=72, hi=86, size=3, vel=92)
    pad(st, [Span(2.5, 4.2, Chord('C'))], lo=55, hi=76, vel=90)
    hit(dr, 0, 1.5, 'K', 96)
    hit(dr, 0, 2.0, 'K', 100)
    hit(dr, 0, 2.5, 'CR', 116)
    hit(dr, 0, 2.5, 'K', 112)
    return s


def render_jingle(song, secs, rate, fade, work, fluid, run, sox_stats, out_path, peak=-1.0):
    mid = os.path.join(work, song.name + '.mid')
    raw = os.path.join(work, song.name + '.raw.wav')
    song.write_midi(mid, passes=1, extra_beats=0)
    fluid(mid, raw)
    n44 = n_samples(44100, secs)
    cut = os.path.join(work, song.name + '.cut.wav')
    run(['sox', '-R', '-D', raw, cut, 'highpass', '12', 'trim', '0s', '%ds' % n44, 'pad', '0', '0.5', 'trim', '0s', '%ds' % n44,
         'fade', 'q', '0', '%ds' % n44, '%ds' % n_samples(44100, fade)])
    pk = sox_stats(cut)['peak']
    cmd = ['sox', '-R', '-D', cut, '-b', '16', out_path, 'gain', '%.3f' % (peak - pk)]
    if rate != 44100:
        cmd += ['rate', '-v', str(rate), 'trim', '0s', '%ds' % n_samples(rate, secs)]
    run(cmd)
    os.remove(raw)


def render_all(out_dir, work, fluid, run, sox_stats):
    write_wav(os.path.join(out_dir, 'ps2.wav'), 22050, player_shot())
    write_wav(os.path.join(out_dir, 'es3.wav'), 22050, enemy_shot())
    write_wav(os.path.join(out_dir, 'ex.wav'), 44100, explosion())
    write_wav(os.path.join(out_dir, 'mms.wav'), 44100, menu_blip())
    write_wav(os.path.join(out_dir, 'ts.wav'), 22050, tank_shot())
    render_jingle(highscore_song(), 16.0, 44100, 1.4, work, fluid, run, sox_stats,
                  os.path.join(out_dir, 'hs.wav'))
    render_jingle(levelup_song(), 2.68, 22050, 0.5, work, fluid, run, sox_stats,
                  os.path.join(out_dir, 'lvlup.wav'))
