#!/usr/bin/python3
"""Render Varnholt's music and sound effects into resources/media/.

Called by render_all.sh (which checks the tools first).  Steps per piece:
score (scores/*.py) -> MIDI (two passes plus a bar) -> FluidSynth (float WAV)
-> cut exactly one pass out of the middle (so the loop seam is the music's
own bar line, reverb tail included) -> level -> 16-bit WAV -> LAME CBR MP3.

Usage: build.py [--only NAME[,NAME...]] [--keep WORKDIR]
"""

import importlib
import math
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
OUT = os.path.join(ROOT, 'resources', 'media')
SF2 = '/usr/share/sounds/sf2/FluidR3_GM.sf2'
RATE = 44100
MP3_KBPS = 112
TARGET_RMS = -15.5      # dBFS, average loudness aimed at for the music
PEAK_CEIL = -1.0        # dBFS

sys.dont_write_bytecode = True   # keep the source tree clean
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, 'scores'))

# file, score module, title
MUSIC = [
    ('bgm1', 'stardust_speedway', 'Stardust Speedway Zone'),
    ('bgm2', 'metallic_madness', 'Metallic Madness Zone'),
    ('bgm3', 'space_trip_steps', 'Space Trip Steps'),
    ('bgm4', 'supporting_me', 'Supporting Me'),
    ('bgm5', 'sorin_over_space', "Sorin' Over Space"),
    ('bgm6', 'crush_em_all', "Crush'em All for weapons"),
    ('bgm7', 'chemical_plant', 'Chemical Plant Zone'),
    ('bgm8', 'lava_reef', 'Lava Reef Act 1'),
    ('bgm9', 'ice_cap', 'Ice Cap Act 1'),
    ('bgm10', 'death_egg', 'Death Egg Act 1'),
]


def run(cmd, **kw):
    r = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, **kw)
    if r.returncode != 0:
        sys.stderr.write('command failed: %s\n%s\n' % (' '.join(cmd), r.stderr.decode(errors='replace')))
        sys.exit(1)
    return r.stdout.decode(errors='replace') + r.stderr.decode(errors='replace')


def sox_stats(path, extra=()):
    txt = run(['sox', path, '-n'] + list(extra) + ['stats'])
    res = {}
    for line in txt.splitlines():
        if line.startswith('RMS lev dB'):
            res['rms'] = float(line.split()[3])
        elif line.startswith('Pk lev dB'):
            res['peak'] = float(line.split()[3])
    return res


def fluid(mid, wav, gain=0.45):
    run(['fluidsynth', '-ni', '-q', '-F', wav, '-T', 'wav', '-O', 'float',
         '-r', str(RATE), '-g', str(gain),
         '-o', 'synth.reverb.room-size=0.55', '-o', 'synth.reverb.width=0.9',
         '-o', 'synth.reverb.level=0.7',
         # (chorus stays on: several FluidR3 leads get most of their body
         # from it.  Its LFO does not repeat with the music, which is why
         # loop seams are blended over 10 ms, see loop_master.)
         SF2, mid])


def level_gain(stats, target=TARGET_RMS, ceil=PEAK_CEIL):
    return min(target - stats['rms'], ceil - stats['peak'])


def to_mp3(wav16, mp3):
    run(['lame', '--quiet', '-b', str(MP3_KBPS), '--cbr', '-q', '2', '--resample', '44.1',
         '--noreplaygain', wav16, mp3])


COMPAND = ['compand', '0.005,0.2', '-70,-70,-15,-15,0,-7', '0', '-90', '0.01']
PRE_RMS = -20.0   # level the compressor is fed at
XFADE = 441       # 10 ms: loop seams are blended into the music's own continuation


def pre_gain(raw, start, n):
    rms = sox_stats(raw, ['highpass', '12', 'trim', '%ds' % start, '%ds' % n])['rms']
    return PRE_RMS - rms


def mastered_cut(raw, start, n, path, pre):
    """Samples [start, start+n) of the raw render after the mastering chain:
    DC blocker, gain, gentle 2:1 compression above -15 dB (look-ahead, no
    time shift).  The whole render runs through the chain, so the compressor
    state at the cut is the one the music really has there."""
    run(['sox', '-R', '-D', raw, path, 'highpass', '12', 'gain', '%.3f' % pre] + COMPAND
        + ['trim', '%ds' % start, '%ds' % n])
    return sox_stats(path)


def to16(src, gain, dst):
    run(['sox', '-R', '-D', src, '-b', '16', dst, 'gain', '%.3f' % gain])


def write16(path, ch, rate, vals):
    w = wave.open(path, 'wb')
    w.setnchannels(ch)
    w.setsampwidth(2)
    w.setframerate(rate)
    w.writeframes(struct.pack('<%dh' % len(vals), *vals))
    w.close()


def blend(a, b, k, ch, rising):
    """equal-gain cosine blend of two equally long interleaved sample lists"""
    out = []
    for i in range(k):
        w = 0.5 - 0.5 * math.cos(math.pi * (i + 0.5) / k)
        if not rising:
            w = 1.0 - w
        for c in range(ch):
            v = a[i * ch + c] * (1.0 - w) + b[i * ch + c] * w
            out.append(max(-32768, min(32767, int(round(v)))))
    return out


def loop_master(raw, n, out16, work, target):
    """One pass [n, 2n) of a two-pass render, as a seamless loop: the first
    10 ms are blended from the sound of the following pass's start (which
    is what really follows the last sample) into this pass's own start."""
    pre = pre_gain(raw, n, n)
    cut = os.path.join(work, 'loop.cut.wav')
    st = mastered_cut(raw, n, n + XFADE, cut, pre)
    g = level_gain(st, target)
    tmp = os.path.join(work, 'loop16.wav')
    to16(cut, g, tmp)
    ch, fr, m, v = read_wav(tmp)
    head = blend(v[n * ch:(n + XFADE) * ch], v[:XFADE * ch], XFADE, ch, rising=True)
    write16(out16, ch, fr, head + list(v[XFADE * ch:n * ch]))
    write16(out16 + '.next.wav', ch, fr, list(v[:n * ch]) + head[:ch])
    os.remove(cut)
    os.remove(tmp)
    return g


# ---------------------------------------------------------------------------
# checks

def read_wav(path):
    w = wave.open(path, 'rb')
    ch, sw, fr, n = w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getnframes()
    data = w.readframes(n)
    w.close()
    vals = struct.unpack('<%dh' % (len(data) // 2), data)
    return ch, fr, n, vals


def edge_report(path, win_ms=50):
    """RMS of the first and last 50 ms, the jump at the loop seam (last
    sample -> first sample) and the jump the music itself makes at that
    point (last sample -> the sample that followed it in the render)."""
    ch, fr, n, v = read_wav(path)
    nch, _, nn, nv = read_wav(path + '.next.wav')   # the file plus the sample after it
    w = int(fr * win_ms / 1000)

    def rms(a, b):
        s = 0.0
        for i in range(a * ch, b * ch):
            s += v[i] * v[i]
        r = math.sqrt(s / max(1, (b - a) * ch)) / 32768.0
        return 20 * math.log10(r) if r > 0 else -120.0
    head, tail = rms(0, w), rms(n - w, n)
    jump = max(abs(v[(n - 1) * ch + c] - v[c]) for c in range(ch)) / 32768.0
    natural = max(abs(v[(n - 1) * ch + c] - nv[n * ch + c]) for c in range(ch)) / 32768.0
    return head, tail, jump, natural


def mp3_decoded_seconds(mp3, work):
    dec = os.path.join(work, 'dec.wav')
    run(['lame', '--quiet', '--decode', mp3, dec])
    ch, fr, n, _ = (lambda w: (w.getnchannels(), w.getframerate(), w.getnframes(), None))(wave.open(dec, 'rb'))
    os.remove(dec)
    return n / float(fr)


# ---------------------------------------------------------------------------

def render_music(key, module, work, log):
    mod = importlib.import_module(module)
    song = mod.build()
    mid = os.path.join(work, key + '.mid')
    raw = os.path.join(work, key + '.raw.wav')
    song.write_midi(mid, passes=2, extra_beats=4)
    fluid(mid, raw)
    L = song.seconds
    n = int(round(L * RATE))
    wav16 = os.path.join(work, key + '.wav')
    g = loop_master(raw, n, wav16, work, getattr(mod, 'LOUDNESS', TARGET_RMS))
    os.remove(raw)
    mp3 = os.path.join(OUT, key + '.mp3')
    to_mp3(wav16, mp3)
    log.append((key, song, g, edge_report(wav16)))


def render_title(work, log):
    mod = importlib.import_module('title_theme')
    song, ts1_bars, ts2_bars = mod.build()
    mid = os.path.join(work, 'title.mid')
    raw = os.path.join(work, 'title.raw.wav')
    song.write_midi(mid, passes=1, extra_beats=0)
    fluid(mid, raw)
    b = 4  # beats per bar
    t1 = song.beats_to_seconds(ts1_bars * b)
    t2a = song.beats_to_seconds((ts1_bars + ts2_bars) * b)
    t2b = song.beats_to_seconds((ts1_bars + 2 * ts2_bars) * b)
    n1 = int(round(t1 * RATE))
    s2, e2 = int(round(t2a * RATE)), int(round(t2b * RATE))
    # ts2 is the loop, mastered like the other pieces; ts1 gets the same
    # chain and gain, and its last 10 ms blend into the end of ts2's pass, so
    # that ts1 -> ts2 joins exactly like ts2 -> ts2.
    n2 = e2 - s2
    target = getattr(mod, 'LOUDNESS', TARGET_RMS)
    pre = pre_gain(raw, 0, e2)
    c1, c2 = os.path.join(work, 'ts1.cut.wav'), os.path.join(work, 'ts2.cut.wav')
    st1 = mastered_cut(raw, 0, n1, c1, pre)
    st2 = mastered_cut(raw, s2, n2 + XFADE, c2, pre)
    g = min(target - st2['rms'], PEAK_CEIL - st2['peak'], PEAK_CEIL - st1['peak'])
    t1, t2 = os.path.join(work, 'ts1_16.wav'), os.path.join(work, 'ts2_16.wav')
    to16(c1, g, t1)
    to16(c2, g, t2)
    ch, fr, _, v1 = read_wav(t1)
    _, _, _, v2 = read_wav(t2)
    head = blend(v2[n2 * ch:(n2 + XFADE) * ch], v2[:XFADE * ch], XFADE, ch, rising=True)
    loop = head + list(v2[XFADE * ch:n2 * ch])
    tail = blend(v1[(n1 - XFADE) * ch:n1 * ch], v2[(n2 - XFADE) * ch:n2 * ch], XFADE, ch, rising=True)
    opening = list(v1[:(n1 - XFADE) * ch]) + tail
    for key, vals in (('ts1', opening), ('ts2', loop)):
        wav16 = os.path.join(work, key + '.wav')
        write16(wav16, ch, fr, vals)
        write16(wav16 + '.next.wav', ch, fr, vals + loop[:ch])
        to_mp3(wav16, os.path.join(OUT, key + '.mp3'))
        log.append((key, None, g, edge_report(wav16)))
    os.remove(raw)


def render_effects(work):
    import sfx
    sfx.render_all(OUT, work, fluid, run, sox_stats)


def main():
    args = sys.argv[1:]
    only = None
    keep = None
    while args:
        a = args.pop(0)
        if a == '--only':
            only = set(args.pop(0).split(','))
        elif a == '--keep':
            keep = args.pop(0)
        else:
            sys.exit(__doc__)
    os.makedirs(OUT, exist_ok=True)
    work = keep or tempfile.mkdtemp(prefix='varnholt-media-')
    os.makedirs(work, exist_ok=True)
    log = []
    try:
        for key, module, title in MUSIC:
            if only and key not in only:
                continue
            print('rendering %s (%s)' % (key, title), flush=True)
            render_music(key, module, work, log)
        if not only or only & {'ts1', 'ts2', 'title'}:
            print('rendering ts1/ts2 (title music)', flush=True)
            render_title(work, log)
        if not only or only & {'sfx', 'es3', 'ex', 'hs', 'lvlup', 'mms', 'ps2', 'ts'}:
            print('rendering sound effects', flush=True)
            render_effects(work)
        print()
        print('%-6s %8s %7s  %8s %8s %9s %9s' % ('piece', 'bpm', 'gain', 'head dB', 'tail dB', 'seam', 'natural'))
        for key, song, g, (h, t, j, typ) in log:
            # ts1 is not looped: its "natural" column is the hand-over to ts2
            print('%-6s %8s %+7.2f  %8.1f %8.1f %9s %9.4f' % (
                key, '%.2f' % song.bpm if song else '-', g, h, t,
                '-' if key == 'ts1' else '%.4f' % j, typ))
        print()
        table(work)
    finally:
        if not keep:
            shutil.rmtree(work, ignore_errors=True)


def table(work):
    files = sorted(os.listdir(OUT), key=lambda f: (not f.endswith('.mp3'), len(f), f))
    total = 0
    print('%-11s %10s %11s %6s %3s %5s %10s' % ('file', 'soxi s', 'decoded s', 'Hz', 'ch', 'bits', 'bytes'))
    for f in files:
        p = os.path.join(OUT, f)
        size = os.path.getsize(p)
        total += size
        dur = float(run(['soxi', '-D', p]).split()[0])
        rate = run(['soxi', '-r', p]).split()[0]
        chans = run(['soxi', '-c', p]).split()[0]
        bits = run(['soxi', '-b', p]).split()[0] if f.endswith('.wav') else '-'
        dec = '%.3f' % mp3_decoded_seconds(p, work) if f.endswith('.mp3') else '-'
        print('%-11s %10.3f %11s %6s %3s %5s %10d' % (f, dur, dec, rate, chans, bits, size))
    print('%-11s %10s %11s %6s %3s %5s %10d  (%.2f MB)' % ('total', '', '', '', '', '', total, total / 1e6))


if __name__ == '__main__':
    main()
