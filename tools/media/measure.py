#!/usr/bin/python3
"""Print the figures the rendered media are held to, measured on the files
in resources/media/ (or another folder given as the only argument), and
flag every figure outside its limit.  Exit status 1 when any is.

    tools/media/measure.py [MEDIA_DIR]

Music: BS.1770 integrated loudness, MP3 mode and average bit rate, the
highest frequency the encoder kept, the level of the last 150 ms and first
50 ms, and for the title parts the level after the hand-over and loop
points.  Effects: energy by band.  Scores: how often the commonest rhythm
fills a piece's melody bars.
"""

import collections
import importlib
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, 'scores'))

import analysis  # noqa: E402
import build     # noqa: E402

TITLE_HANDOVER_S = 25.65   # the game starts ts2 when ts1 reaches this
TITLE_LOOP_S = 80.88       # ... and restarts ts2 when it reaches this
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
    return 'ok' if ok else 'FAIL'


def mp3_mode(path):
    with open(path, 'rb') as f:
        head = f.read(4096)
    return 'VBR' if b'Xing' in head else 'CBR'


def music(media):
    print('%-6s %7s %4s %6s %7s %9s %9s' % ('piece', 'LUFS', 'mode', 'kbit/s', 'top kHz', 'head dB', 'last150'))
    louds = {}
    clips = {}
    for key in ['bgm%d' % i for i in range(1, 11)] + ['ts1', 'ts2']:
        path = os.path.join(media, key + '.mp3')
        x, rate = analysis.decoded(path)
        clips[key] = (x, rate)
        seconds = len(x) / float(rate)
        louds[key] = analysis.integrated_lufs(x, rate)
        kbps = os.path.getsize(path) * 8 / seconds / 1000.0
        top = analysis.top_frequency_khz(x, rate)
        head = analysis.rms_db(x[:rate // 20])
        last = analysis.rms_db(x[-int(rate * 0.15):])
        mode = mp3_mode(path)
        flags = [check(mode == 'VBR' and kbps >= 160, key + ' encoding'), check(top >= 17.5, key + ' band')]
        if key.startswith('bgm'):
            flags.append(check(last < -30.0 and head > -40.0, key + ' ends on a rest, starts at once'))
        print('%-6s %7.2f %4s %6.0f %7.1f %9.1f %9.1f  %s' % (key, louds[key], mode, kbps, top, head, last,
                                                            ' '.join(flags)))
    game = [louds['bgm%d' % i] for i in range(1, 11)]
    spread = max(game) - min(game)
    print('game tracks: %.2f .. %.2f LUFS, spread %.2f LU  %s' % (min(game), max(game), spread,
                                                                 check(spread <= 2.0, 'loudness spread')))
    mean = sum(game) / len(game)
    for key in ('ts1', 'ts2'):
        print('%s vs game tracks: %+.2f LU  %s' % (key, louds[key] - mean,
                                                  check(abs(louds[key] - mean) <= 1.0, key + ' loudness')))
    title(clips, louds)


def title(clips, louds):
    x1, r1 = clips['ts1']
    x2, r2 = clips['ts2']
    after1 = analysis.rms_db(x1[int(round(TITLE_HANDOVER_S * r1)):])
    after2 = analysis.rms_db(x2[int(round(TITLE_LOOP_S * r2)):])
    len2 = len(x2) / float(r2)
    print('ts1 lasts %.3f s, after %.2f s: %.1f dBFS  %s' % (
        len(x1) / float(r1), TITLE_HANDOVER_S, after1, check(after1 < -40.0, 'ts1 tail')))
    print('ts2 lasts %.3f s, after %.2f s: %.1f dBFS  %s' % (
        len2, TITLE_LOOP_S, after2, check(after2 < -40.0 and len2 >= TITLE_LOOP_S, 'ts2 tail')))
    opening = analysis.integrated_lufs(x2[:8 * r2], r2)
    print('ts2 first 8 s %.2f LUFS vs ts1 %.2f LUFS: %+.2f LU  %s' % (
        opening, louds['ts1'], opening - louds['ts1'], check(opening - louds['ts1'] > -2.0, 'ts2 opening')))


def effects(media):
    x, rate = analysis.decoded(os.path.join(media, 'ts.wav'))
    low, body, click = analysis.band_shares(x, rate, [(0, 150), (150, 600), (1000, 3000)])
    print('ts.wav  energy < 150 Hz %4.1f %%, 150-600 Hz %4.1f %%, 1-3 kHz %4.1f %%  %s' % (
        100 * low, 100 * body, 100 * click,
        check(low <= 0.60 and body >= 0.15 and click >= 0.03, 'tank shot bands')))
    x, rate = analysis.decoded(os.path.join(media, 'ex.wav'))
    mid, = analysis.band_shares(x, rate, [(150, 500)])
    print('ex.wav  energy 150-500 Hz %4.1f %%  %s' % (100 * mid, check(mid >= 0.08, 'explosion midrange')))
    x, rate = analysis.decoded(os.path.join(media, 'mms.wav'))
    print('mms.wav RMS of its first 150 ms %.1f dBFS, centroid %.0f Hz' % (
        analysis.rms_db(x[:int(rate * 0.15)]), analysis.centroid_hz(x, rate)))


def rhythms():
    """Melody bars of every score, by rhythm (onsets and lengths in a bar)."""
    print('%-6s %5s %7s %9s' % ('piece', 'bars', 'rhythms', 'commonest'))
    for key, module, _ in build.MUSIC + [('title', 'title_theme', '')]:
        song = importlib.import_module(module).build()
        song = song[0] if isinstance(song, tuple) else song
        counts = collections.Counter(song.melody_rhythms.values())
        n = sum(counts.values())
        top = counts.most_common(1)[0][1] / float(n)
        print('%-6s %5d %7d %8.0f%%  %s' % (key, n, len(counts), 100 * top, check(top <= 0.25, key + ' rhythm')))


def main():
    media = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, '..', '..', 'resources', 'media')
    music(media)
    print()
    effects(media)
    print()
    rhythms()
    if failures:
        print('\noutside the limits: ' + ', '.join(failures))
        sys.exit(1)


if __name__ == '__main__':
    main()
