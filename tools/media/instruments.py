"""Varnholt's own instrument set: FM voices rendered into a SoundFont.

The leads, basses, synth brass, electric piano and bells of the soundtrack
are not FluidR3's samples but these FM voices, computed here sample by
sample (numpy, fixed formulas, no randomness) and written as a SoundFont 2
file that FluidSynth stacks on top of FluidR3_GM: a program defined here
replaces FluidR3's, every other program (drums, strings, orchestra) still
comes from FluidR3.

Sustained voices use integer frequency ratios, so once their attack has
settled the wave repeats exactly and the SoundFont loops a whole number of
periods; bells use inharmonic ratios and ring out as one-shot samples.
Each voice has one sample per octave so its timbre does not stretch.
"""

import math
import struct

import numpy as np

RATE = 44100
LOOP_S = 0.1                    # sustain loops last about 100 ms, a whole number of periods
ROOTS = list(range(30, 103, 12))  # one sample per octave, each covering root-6 .. root+5


class Voice:
    """ops: (ratio, index at the start, index held after `settle` s[, own
    settle time]); the modulators add up into the phase of one carrier.  decay_s: None for a
    held voice, else the 60 dB ring-out time of a one-shot voice."""

    def __init__(self, name, ops, settle=0.1, decay_s=None, sub=0.0, attack_s=0.004, release_s=0.12,
                 env_decay_s=None, env_sustain_db=0.0, vibrato_cents=0, filter_sweep=0):
        self.name, self.ops, self.settle, self.decay_s, self.sub = name, ops, settle, decay_s, sub
        self.attack_s, self.release_s = attack_s, release_s
        self.env_decay_s, self.env_sustain_db = env_decay_s, env_sustain_db
        self.vibrato_cents, self.filter_sweep = vibrato_cents, filter_sweep

    def render(self, root):
        """(samples as float, loop start or None, loop length, frequency of
        the sample).  A held voice's frequency is nudged (a few hundredths of
        a cent, corrected in the SoundFont) so its loop holds whole periods."""
        f = 440.0 * 2 ** ((root - 69) / 12.0)
        if self.decay_s is None:
            periods = max(8, int(round(f * LOOP_S)))
            loop = int(round(periods * RATE / f))
            f = periods * RATE / float(loop)
            start = int(round(self.settle * RATE))
            n = start + loop + 64
        else:
            start, loop, n = None, 0, int(round(self.decay_s * RATE))
        t = np.arange(n) / float(RATE)
        phase = 2 * math.pi * f * t
        mod = np.zeros(n)
        for op in self.ops:
            ratio, i0, i1 = op[:3]
            settle = np.clip(t / (op[3] if len(op) > 3 else self.settle), 0.0, 1.0)
            index = i1 + (i0 - i1) * (1.0 - settle) ** 2
            mod += index * np.sin(ratio * phase)
        x = np.sin(phase + mod) + self.sub * np.sin(phase)
        if self.decay_s is not None:
            x *= np.exp(-t * (6.9 / self.decay_s))      # -60 dB by the end
        x[:32] *= np.linspace(0.0, 1.0, 32)             # no click at the very start
        return x / np.abs(x).max(), start, loop, f


# programs replaced, by General MIDI number
VOICES = {
    80: Voice('Varnholt Square', [(2, 2.6, 1.25)], settle=0.08, vibrato_cents=14),
    81: Voice('Varnholt Saw', [(1, 3.2, 1.7)], settle=0.06, vibrato_cents=12),
    38: Voice('Varnholt FM Bass', [(1, 5.0, 1.1)], settle=0.16, sub=0.4, release_s=0.06),
    39: Voice('Varnholt Growl Bass', [(1, 7.0, 2.0), (3, 1.0, 0.3)], settle=0.12, sub=0.3, release_s=0.06),
    62: Voice('Varnholt FM Brass', [(1, 0.6, 2.2)], settle=0.07, attack_s=0.02, filter_sweep=2400),
    4: Voice('Varnholt Tine Piano', [(1, 1.9, 0.35), (14, 0.7, 0.0, 0.04)], settle=0.5,
             env_decay_s=2.5, env_sustain_db=-18.0, release_s=0.25),
    5: Voice('Varnholt Bright Piano', [(1, 2.6, 0.6), (14, 1.0, 0.0, 0.05)], settle=0.4,
             env_decay_s=2.0, env_sustain_db=-18.0, release_s=0.25),
    8: Voice('Varnholt Celesta', [(3.5, 2.0, 0.3)], settle=0.3, decay_s=1.6, release_s=0.4),
    9: Voice('Varnholt Glocken', [(3.5, 3.0, 0.5), (7.1, 0.6, 0.0, 0.05)], settle=0.2, decay_s=2.4, release_s=0.6),
    10: Voice('Varnholt Music Box', [(5.04, 2.4, 0.2)], settle=0.25, decay_s=1.8, release_s=0.5),
    14: Voice('Varnholt Tube Bell', [(1.4, 4.0, 1.0), (2.76, 1.2, 0.2)], settle=1.0, decay_s=4.0, release_s=1.0),
}


# ---------------------------------------------------------------------------
# SoundFont 2 writer (just what these voices need)

def _timecents(seconds):
    return int(round(1200 * math.log2(max(seconds, 0.001))))


def _chunk(tag, data):
    if len(data) % 2:
        data += b'\0'
    return tag + struct.pack('<I', len(data)) + data


def _list(tag, *chunks):
    return _chunk(b'LIST', tag + b''.join(chunks))


def _name(text):
    return text.encode('ascii')[:19].ljust(20, b'\0')


def _zone_generators(voice, root, lo, hi, sample_id, looped, attenuation_cb):
    g = [(43, lo | (hi << 8))]
    g += [(34, _timecents(voice.attack_s)), (38, _timecents(voice.release_s))]
    if voice.env_decay_s:
        g += [(36, _timecents(voice.env_decay_s)), (37, int(round(-10 * voice.env_sustain_db)))]
    if voice.vibrato_cents:
        g += [(23, _timecents(0.35)), (24, int(round(1200 * math.log2(5.6 / 8.176)))), (6, voice.vibrato_cents)]
    if voice.filter_sweep:
        # the brass "blare": the filter opens with the attack and settles a little lower
        g += [(8, 7800), (11, voice.filter_sweep), (26, _timecents(0.05)), (28, _timecents(0.4)), (29, 400)]
    if attenuation_cb:
        g.append((48, attenuation_cb))
    g += [(54, 1 if looped else 0), (58, root), (53, sample_id)]
    return g


def write_soundfont(path, attenuation=None):
    """Write every voice as a bank-0 preset with its GM program number.
    attenuation: {program: centibels} to balance a voice against FluidR3."""
    attenuation = attenuation or {}
    smpl = bytearray()
    shdr, inst, ibag, igen, phdr, pbag, pgen = [], [], [], [], [], [], []
    for inst_id, (program, voice) in enumerate(sorted(VOICES.items())):
        inst.append(_name(voice.name) + struct.pack('<H', len(ibag)))
        for z, root in enumerate(ROOTS):
            x, loop_start, loop, f = voice.render(root)
            base = len(smpl) // 2
            pcm = np.clip(np.round(x * 30000.0), -32768, 32767).astype('<i2')
            smpl += pcm.tobytes() + bytes(2 * 46)
            cents = 1200 * math.log2(f / (440.0 * 2 ** ((root - 69) / 12.0)))
            looped = loop_start is not None
            ls = base + (loop_start if looped else 0)
            le = ls + loop if looped else base + len(pcm) - 1
            shdr.append(_name('%s %d' % (voice.name[9:18], root)) +
                        struct.pack('<IIIIIBbHH', base, base + len(pcm), ls, le, RATE, root,
                                    -int(round(cents)), 0, 1))
            lo = 0 if z == 0 else root - 6
            hi = 127 if z == len(ROOTS) - 1 else root + 5
            ibag.append(struct.pack('<HH', len(igen), 0))
            for oper, amount in _zone_generators(voice, root, lo, hi, len(shdr) - 1, looped,
                                                 attenuation.get(program, 0)):
                igen.append(struct.pack('<HH', oper, amount & 0xFFFF))
        phdr.append(_name(voice.name) + struct.pack('<HHHIII', program, 0, len(pbag), 0, 0, 0))
        pbag.append(struct.pack('<HH', len(pgen), 0))
        pgen.append(struct.pack('<HH', 41, inst_id))
    phdr.append(_name('EOP') + struct.pack('<HHHIII', 0, 0, len(pbag), 0, 0, 0))
    pbag.append(struct.pack('<HH', len(pgen), 0))
    pgen.append(struct.pack('<HH', 0, 0))
    inst.append(_name('EOI') + struct.pack('<H', len(ibag)))
    ibag.append(struct.pack('<HH', len(igen), 0))
    igen.append(struct.pack('<HH', 0, 0))
    shdr.append(_name('EOS') + bytes(26))
    info = _list(b'INFO', _chunk(b'ifil', struct.pack('<HH', 2, 1)), _chunk(b'isng', b'EMU8000\0'),
                 _chunk(b'INAM', b'Varnholt FM voices\0'))
    sdta = _list(b'sdta', _chunk(b'smpl', bytes(smpl)))
    pdta = _list(b'pdta', _chunk(b'phdr', b''.join(phdr)), _chunk(b'pbag', b''.join(pbag)),
                 _chunk(b'pmod', bytes(10)), _chunk(b'pgen', b''.join(pgen)),
                 _chunk(b'inst', b''.join(inst)), _chunk(b'ibag', b''.join(ibag)),
                 _chunk(b'imod', bytes(10)), _chunk(b'igen', b''.join(igen)),
                 _chunk(b'shdr', b''.join(shdr)))
    with open(path, 'wb') as out:
        out.write(_chunk(b'RIFF', b'sfbk' + info + sdta + pdta))
