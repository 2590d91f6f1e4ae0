#!/usr/bin/env python3
"""Writes the seed corpora of the decoder fuzz targets: two 20 ms WAVE files
(16-bit mono at 8 kHz, 8-bit stereo at 11025 Hz) and the first frames of the
test MP3 tone. Run from the top folder: python3 fuzz/make_audio_seeds.py"""
import math
import pathlib
import struct

root = pathlib.Path(__file__).resolve().parent


def wav(rate, channels, bits, ms):
    frames = rate * ms // 1000
    width = bits // 8
    samples = bytearray()
    for i in range(frames * channels):
        v = math.sin(i * 0.3)
        samples += struct.pack('<h', int(8000 * v)) if bits == 16 else bytes([128 + int(60 * v)])
    fmt = struct.pack('<HHIIHH', 1, channels, rate, rate * channels * width, channels * width, bits)
    body = b'WAVEfmt ' + struct.pack('<I', 16) + fmt + b'data' + struct.pack('<I', len(samples)) + samples
    return b'RIFF' + struct.pack('<I', len(body)) + body


out = root / 'corpus' / 'wav_decoder'
out.mkdir(parents=True, exist_ok=True)
(out / 'mono16_8k_20ms.wav').write_bytes(wav(8000, 1, 16, 20))
(out / 'stereo8_11k_20ms.wav').write_bytes(wav(11025, 2, 8, 20))

tone = (root.parent / 'tests' / 'data' / 'audio' / 'tone22k_mono.mp3').read_bytes()
out = root / 'corpus' / 'mp3_decoder'
out.mkdir(parents=True, exist_ok=True)
frame = 208  # MPEG-2 layer III, 64 kbit/s at 22050 Hz
(out / 'tone22k_1frame.mp3').write_bytes(tone[:frame])
(out / 'tone22k_4frames.mp3').write_bytes(tone[:4 * frame])
