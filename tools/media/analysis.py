"""Measurements shared by the render pipeline and measure.py.

Loudness is ITU-R BS.1770-4 integrated loudness (K-weighting, 400 ms
blocks with 75 % overlap, absolute gate at -70 LUFS, relative gate 10 LU
below).  SoX does the decoding-independent filtering (its biquad effect with
the BS.1770 coefficients worked out for the file's rate); numpy does the
block sums and spectra.  MP3s are decoded with `lame --decode`, which honours
the gapless header, so lengths and tails are the ones the game plays.
"""

import math
import os
import subprocess
import tempfile

import numpy as np


def _sox_floats(path, effects=()):
    """All samples of a WAV as a (frames, channels) float array, after the
    given SoX effects."""
    ch = int(subprocess.run(['soxi', '-c', path], check=True, stdout=subprocess.PIPE).stdout)
    raw = subprocess.run(['sox', '-D', path, '-t', 'f32', '-e', 'floating-point', '-'] + list(effects),
                         check=True, stdout=subprocess.PIPE).stdout
    return np.frombuffer(raw, dtype='<f4').reshape(-1, ch).astype(np.float64)


def decoded(path):
    """(samples, rate): the file as the game hears it; MP3s go through LAME."""
    if not path.endswith('.mp3'):
        rate = int(subprocess.run(['soxi', '-r', path], check=True, stdout=subprocess.PIPE).stdout)
        return _sox_floats(path), rate
    fd, wav = tempfile.mkstemp(suffix='.wav')
    os.close(fd)
    try:
        subprocess.run(['lame', '--quiet', '--decode', path, wav], check=True)
        return decoded(wav)
    finally:
        os.remove(wav)


def _k_weighting(rate):
    """The two BS.1770 biquads (shelf, then high-pass) for `rate`, as SoX
    biquad arguments b0 b1 b2 a0 a1 a2."""
    k = math.tan(math.pi * 1681.974450955533 / rate)
    q = 0.7071752369554196
    vh = 10 ** (3.999843853973347 / 20.0)
    vb = vh ** 0.4996667741545416
    a0 = 1.0 + k / q + k * k
    shelf = [(vh + vb * k / q + k * k) / a0, 2.0 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
             1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0]
    k = math.tan(math.pi * 38.13547087602444 / rate)
    q = 0.5003270373238773
    a0 = 1.0 + k / q + k * k
    highpass = [1.0, -2.0, 1.0, 1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0]
    return shelf, highpass


HEADROOM_DB = 12.0   # the K-weighting shelf lifts highs; SoX would clip them at full scale


def _k_weighted(samples, rate):
    effects = ['gain', '-%g' % HEADROOM_DB]
    for coeffs in _k_weighting(rate):
        effects += ['biquad'] + ['%.17g' % c for c in coeffs]
    fmt = ['-t', 'f32', '-e', 'floating-point', '-r', str(rate), '-c', str(samples.shape[1])]
    raw = subprocess.run(['sox', '-D'] + fmt + ['-'] + ['-t', 'f32', '-e', 'floating-point', '-'] + effects,
                         input=samples.astype('<f4').tobytes(), check=True, stdout=subprocess.PIPE).stdout
    return np.frombuffer(raw, dtype='<f4').reshape(-1, samples.shape[1]).astype(np.float64)


def integrated_lufs(samples, rate):
    """BS.1770-4 integrated loudness of a (frames, channels) array."""
    k = _k_weighted(samples, rate)
    offset = -0.691 + HEADROOM_DB
    step = rate // 10                                 # 100 ms hops, 400 ms blocks
    power = (k * k).sum(axis=1)                       # channel weights are 1 for L, R, mono
    end = len(power) // step * step
    hops = np.add.reduceat(power[:end], np.arange(0, end, step)) if end else np.zeros(0)
    if len(hops) < 4:
        return -70.0
    blocks = (hops[:-3] + hops[1:-2] + hops[2:-1] + hops[3:]) / (4 * step)
    blocks = blocks[blocks > 0]
    gated = blocks[offset + 10 * np.log10(blocks) > -70.0]
    if len(gated) == 0:
        return -70.0
    relative = offset + 10 * np.log10(gated.mean()) - 10.0
    gated = gated[offset + 10 * np.log10(gated) > relative]
    return float(offset + 10 * np.log10(gated.mean()))


def rms_db(samples):
    """RMS over all channels in dBFS (-120 for digital silence)."""
    if samples.size == 0:
        return -120.0
    r = math.sqrt(float((samples * samples).mean()))
    return 20 * math.log10(r) if r > 1e-6 else -120.0


def band_shares(samples, rate, bands):
    """Share of the signal's energy in each (lo, hi) band in Hz."""
    spectrum = (np.abs(np.fft.rfft(samples, axis=0)) ** 2).sum(axis=1)
    freq = np.fft.rfftfreq(samples.shape[0], 1.0 / rate)
    total = spectrum[freq > 0].sum() or 1.0
    return [float(spectrum[(freq >= lo) & (freq < hi)].sum() / total) for lo, hi in bands]


def centroid_hz(samples, rate):
    """Spectral centroid: where the energy balances, a figure for brightness."""
    spectrum = (np.abs(np.fft.rfft(samples, axis=0)) ** 2).sum(axis=1)
    freq = np.fft.rfftfreq(samples.shape[0], 1.0 / rate)
    return float((spectrum * freq).sum() / (spectrum.sum() or 1.0))


def top_frequency_khz(samples, rate, floor_db=-70.0):
    """Highest frequency whose average level (4096-point spectra) is within
    `floor_db` of the loudest one: where an encoder's low-pass cuts off."""
    n = 4096
    mono = samples.mean(axis=1)
    frames = len(mono) // n
    if frames == 0:
        return 0.0
    win = np.hanning(n)
    spectrum = (np.abs(np.fft.rfft(mono[:frames * n].reshape(frames, n) * win, axis=1)) ** 2).mean(axis=0)
    level = 10 * np.log10(spectrum / spectrum.max() + 1e-30)
    above = np.nonzero(level > floor_db)[0]
    return float(above[-1] * rate / n / 1000.0)
