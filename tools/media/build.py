#!/usr/bin/python3
"""Render Varnholt's music and sound effects into resources/media/.

Called by render_all.sh (which checks the tools first).  Steps per piece:
score (scores/*.py) -> MIDI -> FluidSynth (float WAV, our own instrument set
over FluidR3) -> mastering -> loudness (BS.1770) -> 16-bit WAV -> LAME VBR MP3.
A game track is one pass that ends on a rest (the game restarts it 0-100 ms
after its end); the title loop ts2 is cut out of the middle of two passes so
that its loop seam is the music's own bar line, reverb tail included.

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
MP3_VBR_QUALITY = '3'   # LAME -V 3: about 180 kbit/s on average, full band up to 18 kHz
TARGET_LUFS = -15.0     # BS.1770 integrated loudness of every piece of music
PEAK_CEIL = -1.0        # dBFS
END_REST_BEATS = 1      # a game track's last beat is a rest ...
END_QUIET_S = 0.15      # ... whose last 150 ms stay below -30 dBFS
TITLE_TAIL_S = 0.05     # silence after ts1's hand-over and ts2's loop point, so the
                        # game's position check sees those points before the file ends

sys.dont_write_bytecode = True   # keep the source tree clean
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, 'scores'))

import analysis      # noqa: E402  (our own modules, found through the path above)
import instruments   # noqa: E402
import varnmus       # noqa: E402

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


FONTS = [SF2]   # FluidSynth's stack; our own FM voices go on top (see own_voices)


def fluid(mid, wav, gain=0.45, fonts=None):
    run(['fluidsynth', '-ni', '-q', '-F', wav, '-T', 'wav', '-O', 'float',
         '-r', str(RATE), '-g', str(gain),
         '-o', 'synth.reverb.room-size=0.55', '-o', 'synth.reverb.width=0.9',
         '-o', 'synth.reverb.level=0.7',
         # (chorus stays on: several FluidR3 leads get most of their body
         # from it.  Its LFO does not repeat with the music, which is why
         # the title loop seam is blended over 10 ms, see render_title.)
         ] + (fonts or FONTS) + [mid])


def level_gain(path, stats, target=TARGET_LUFS, ceil=PEAK_CEIL):
    """Gain that brings the file to `target` LUFS, unless its peak would
    pass `ceil` first."""
    x, rate = analysis.decoded(path)
    return min(target - analysis.integrated_lufs(x, rate), ceil - stats['peak'])


def to_mp3(wav16, mp3):
    run(['lame', '--quiet', '-V', MP3_VBR_QUALITY, '-q', '2', '--resample', '44.1',
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


# ---------------------------------------------------------------------------
# checks

def read_wav(path):
    w = wave.open(path, 'rb')
    ch, sw, fr, n = w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getnframes()
    data = w.readframes(n)
    w.close()
    vals = struct.unpack('<%dh' % (len(data) // 2), data)
    return ch, fr, n, vals


def edge_report(path, head_ms=50, tail_ms=1000 * END_QUIET_S):
    """RMS in dBFS of the first 50 ms and of the last 150 ms; for a loop
    (a .next.wav beside it holds the file plus the sample that followed it
    in the render) also the jump at the seam, last sample -> first, next to
    the jump the music itself makes there."""
    ch, fr, n, v = read_wav(path)

    def rms(a, b):
        s = 0.0
        for i in range(a * ch, b * ch):
            s += v[i] * v[i]
        r = math.sqrt(s / max(1, (b - a) * ch)) / 32768.0
        return 20 * math.log10(r) if r > 0 else -120.0
    head, tail = rms(0, int(fr * head_ms / 1000)), rms(n - int(fr * tail_ms / 1000), n)
    if not os.path.exists(path + '.next.wav'):
        return head, tail, None, None
    _, _, _, nv = read_wav(path + '.next.wav')
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

def track_master(raw, n, rest, out16, work, target):
    """The first pass [0, n) of a render, as a game track: it starts with
    the music's first note and fades out inside its closing rest of
    `rest` samples, so the game's restart gap falls into musical time."""
    pre = pre_gain(raw, 0, n)
    cut = os.path.join(work, 'track.cut.wav')
    run(['sox', '-R', '-D', raw, cut, 'highpass', '12', 'gain', '%.3f' % pre] + COMPAND
        + ['trim', '0s', '%ds' % n, 'fade', 'q', '0', '%ds' % n, '%ds' % rest])
    g = level_gain(cut, sox_stats(cut), target)
    to16(cut, g, out16)
    os.remove(cut)
    return g


def render_music(key, module, work, log):
    mod = importlib.import_module(module)
    song = mod.build()
    mid = os.path.join(work, key + '.mid')
    raw = os.path.join(work, key + '.raw.wav')
    song.write_midi(mid, passes=1, extra_beats=0, rest_beats=END_REST_BEATS)
    fluid(mid, raw)
    n = int(round(song.seconds * RATE))
    rest = int(round((song.seconds - song.beats_to_seconds(song.bars * 4 - END_REST_BEATS)) * RATE))
    wav16 = os.path.join(work, key + '.wav')
    g = track_master(raw, n, rest, wav16, work, getattr(mod, 'LOUDNESS', TARGET_LUFS))
    os.remove(raw)
    to_mp3(wav16, os.path.join(OUT, key + '.mp3'))
    log.append((key, song, g, edge_report(wav16)))


def render_title(work, log):
    """ts1 is the fanfare, cut at the hand-over point, where the game starts
    ts2; its last 10 ms blend into the end of ts2's pass, so ts1 -> ts2
    joins exactly like ts2 -> ts2.  ts2 is one pass out of the middle of two,
    made to loop: its first 10 ms are blended from what followed its last
    sample in the render.  Both end in TITLE_TAIL_S of silence."""
    mod = importlib.import_module('title_theme')
    song, ts1_bars, ts2_bars = mod.build()
    mid = os.path.join(work, 'title.mid')
    raw = os.path.join(work, 'title.raw.wav')
    song.write_midi(mid, passes=1, extra_beats=0)
    fluid(mid, raw)
    b = 4  # beats per bar
    n1 = int(round(song.beats_to_seconds(ts1_bars * b) * RATE))
    s2 = int(round(song.beats_to_seconds((ts1_bars + ts2_bars) * b) * RATE))
    n2 = int(round(song.beats_to_seconds((ts1_bars + 2 * ts2_bars) * b) * RATE)) - s2
    target = getattr(mod, 'LOUDNESS', TARGET_LUFS)
    pre = pre_gain(raw, 0, s2 + n2)
    c1, c2 = os.path.join(work, 'ts1.cut.wav'), os.path.join(work, 'ts2.cut.wav')
    g1 = level_gain(c1, mastered_cut(raw, 0, n1, c1, pre), target)
    g2 = level_gain(c2, mastered_cut(raw, s2, n2 + XFADE, c2, pre), target)
    t1, t2 = os.path.join(work, 'ts1_16.wav'), os.path.join(work, 'ts2_16.wav')
    to16(c1, g1, t1)
    to16(c2, g2, t2)
    ch, fr, _, v1 = read_wav(t1)
    _, _, _, v2 = read_wav(t2)
    head = blend(v2[n2 * ch:(n2 + XFADE) * ch], v2[:XFADE * ch], XFADE, ch, rising=True)
    loop = head + list(v2[XFADE * ch:n2 * ch])
    tail = blend(v1[(n1 - XFADE) * ch:n1 * ch], v2[(n2 - XFADE) * ch:n2 * ch], XFADE, ch, rising=True)
    opening = list(v1[:(n1 - XFADE) * ch]) + tail
    silence = [0] * (int(round(TITLE_TAIL_S * RATE)) * ch)
    for key, vals, g in (('ts1', opening, g1), ('ts2', loop, g2)):
        wav16 = os.path.join(work, key + '.wav')
        write16(wav16, ch, fr, vals)
        write16(wav16 + '.next.wav', ch, fr, vals + loop[:ch])
        log.append((key, None, g, edge_report(wav16)))
        write16(wav16, ch, fr, vals + silence)
        to_mp3(wav16, os.path.join(OUT, key + '.mp3'))
    os.remove(raw)


def voice_level(program, fonts, work):
    """RMS in dB of a two-bar eighth-note figure on `program` at velocity
    100 and channel volume 100 (the measure behind varnmus.LEVELS)."""
    song = varnmus.Song('level', bars=2, bpm=120)
    part = varnmus.Part(song, 'voice', 0, program, 100, 64, 0, 0)
    song.parts.append(part)
    for i, name in enumerate('c4 e4 g4 c5 g4 e4 c4 e4'.split() * 2):
        part.note(i * 0.5, 0.45, varnmus.pitch(name) - (24 if program in (38, 39) else 0), 100)
    mid, wav = os.path.join(work, 'level.mid'), os.path.join(work, 'level.wav')
    song.write_midi(mid, passes=1, extra_beats=0)
    fluid(mid, wav, fonts=fonts)
    return sox_stats(wav)['rms']


def own_voices(work):
    """Build our FM SoundFont, put it on top of FluidR3 and re-measure the
    programs it replaces, so that the levels the scores ask for still hold."""
    path = os.path.join(work, 'varnholt-voices.sf2')
    instruments.write_soundfont(path)
    FONTS[:] = [SF2, path]
    for program in sorted(instruments.VOICES):
        change = voice_level(program, FONTS, work) - voice_level(program, [SF2], work)
        varnmus.LEVELS[program] = varnmus.LEVELS.get(program, -28.0) + change


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
        own_voices(work)
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
        print('%-6s %8s %7s  %8s %8s %9s %9s' % ('piece', 'bpm', 'gain', 'head dB', 'last150', 'seam', 'natural'))
        for key, song, g, (h, t, j, typ) in log:
            # ts1 is not looped: its "natural" column is the hand-over to ts2;
            # the title parts' levels are taken before their closing silence
            print('%-6s %8s %+7.2f  %8.1f %8.1f %9s %9s' % (
                key, '%.2f' % song.bpm if song else '-', g, h, t,
                '-' if j is None or key == 'ts1' else '%.4f' % j, '-' if typ is None else '%.4f' % typ))
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
