"""Melody variation for Varnholt's scores.

A bar whose rhythm the piece already plays too often is re-cut with an
anticipation, a pickup run into the next bar, passing eighths, a dotted
figure or a rest turned into a pickup, keeping its pitches and its bar
line.  varnmus.Part.phrase calls vary_bar for every bar it places.
"""

from notes import frac, mel, pitch

VARY_SHARE = 0.2     # a rhythm may fill at most this share of a piece's melody bars
_NAMES = ['c', 'c#', 'd', 'd#', 'e', 'f', 'f#', 'g', 'g#', 'a', 'a#', 'b']


def _tokens(text):
    """Melody text -> [[name, units, marks], ...] with holds folded in."""
    out = []
    for tok in text.split():
        if tok == '|':
            continue
        if tok == '-':
            out[-1][1] += 1
            continue
        marks = ''
        while tok[-1] in '!.':
            marks, tok = tok[-1] + marks, tok[:-1]
        name, _, mult = tok.partition(':')
        out.append([name, frac(mult) if mult else 1.0, marks])
    return out


def _text(toks):
    return ' '.join('%s%s%s' % (n, '' if u == 1 else ':%g' % u, m) for n, u, m in toks)


def _name(p):
    return '%s%d' % (_NAMES[p % 12], p // 12 - 1)


def rhythm_of(text, unit=0.5):
    return tuple((round(t, 3), round(d, 3)) for t, d, _, _, _ in mel(text, unit)[0])


def melody_scale(texts):
    return sorted({pitch(n) % 12 for t in texts for n, _, _ in _tokens(t) if n != 'r'}) or list(range(12))


def _step(p, n, scale):
    """n steps of the scale up (n > 0) or down from pitch p."""
    d = 1 if n > 0 else -1
    for _ in range(abs(n)):
        p += d
        while p % 12 not in scale:
            p += d
    return p


def _approach(target, k, rising, scale):
    """k notes walking by step onto `target` (not included)."""
    return [_step(target, -(k - i) if rising else (k - i), scale) for i in range(k)]


def _first_pitch(text):
    for n, _, _ in _tokens(text or ''):
        if n != 'r':
            return pitch(n)
    return None


def _last_pitch(toks):
    for n, _, _ in reversed(toks):
        if n != 'r':
            return pitch(n)
    return None


def _anticipate(toks, nxt, scale, e):
    """Move the note on beat 3 (else 4, else 2) half a beat earlier.
    (e: an eighth note in the melody's units)"""
    for want in (4, 6, 2):
        pos = 0
        for k, (n, u, _) in enumerate(toks):
            if k and pos == want * e and n != 'r' and toks[k - 1][0] != 'r' and toks[k - 1][1] >= 2 * e:
                toks[k - 1][1] -= e
                toks[k][1] += e
                return toks
            pos += u
    return None


def _pickup(toks, nxt, scale, e):
    """End the bar with a run of eighths leading into the next bar's first note."""
    target = _first_pitch(nxt)
    last = toks[-1]
    if target is None or last[1] < 2 * e or (last[0] != 'r' and last[1] < 4 * e):
        return None
    k = 2 if last[1] < 4 * e else 3
    here = _last_pitch(toks) or target
    run = _approach(target, k, rising=target >= here, scale=scale)
    last[1] -= k * e
    return [t for t in toks if t[1] > 0] + [[_name(p), e, ''] for p in run]


def _passing(toks, nxt, scale, e):
    """Fill the end of the first long note with eighths walking to the next note."""
    for k in range(len(toks) - 1):
        n, u, _ = toks[k]
        if n == 'r' or u < 3 * e or toks[k + 1][0] == 'r':
            continue
        a, b = pitch(n), pitch(toks[k + 1][0])
        fill = 2 if u >= 4 * e else 1
        run = _approach(b, fill, rising=b > a, scale=scale)
        if a in run:        # a step too small to walk: turn round from the other side
            run = _approach(b, fill, rising=b <= a, scale=scale)
        toks[k][1] -= fill * e
        return toks[:k + 1] + [[_name(p), e, ''] for p in run] + toks[k + 1:]
    return None


def _dotted(toks, nxt, scale, e):
    """Two quarter notes on the beat become dotted quarter and eighth."""
    pos = 0
    for k in range(len(toks) - 1):
        if pos % (2 * e) == 0 and toks[k][1] == toks[k + 1][1] == 2 * e and 'r' not in (toks[k][0], toks[k + 1][0]):
            toks[k][1], toks[k + 1][1] = 3 * e, e
            return toks
        pos += toks[k][1]
    return None


def _fill_rest(toks, nxt, scale, e):
    """The last eighth of a rest inside the bar becomes a note leading into the next one."""
    for k in range(len(toks) - 1):
        if toks[k][0] != 'r' or toks[k][1] < e or toks[k + 1][0] == 'r':
            continue
        b = pitch(toks[k + 1][0])
        here = _last_pitch(toks[:k]) or b
        run = _approach(b, 1, rising=b >= here, scale=scale)
        if run[0] == here:
            run = _approach(b, 1, rising=b < here, scale=scale)
        toks[k][1] -= e
        return [t for t in toks[:k + 1] if t[1] > 0] + [[_name(run[0]), e, '']] + toks[k + 1:]
    return None


_VARIATIONS = (_anticipate, _pickup, _passing, _dotted, _fill_rest)


def vary_bar(text, nxt, scale, song, unit=0.5):
    """The bar as played: `text` itself, or a variation of it when its
    rhythm would fill more than VARY_SHARE of the piece's melody bars."""
    counts = {}
    for r in song.melody_rhythms.values():
        counts[r] = counts.get(r, 0) + 1
    total = len(song.melody_rhythms) + 1

    def fits(t):
        c = counts.get(rhythm_of(t, unit), 0) + 1
        return c <= 2 or c <= VARY_SHARE * total
    if fits(text):
        return text
    first = counts.get(rhythm_of(text, unit), 0)
    order = [_VARIATIONS[(first + i) % len(_VARIATIONS)] for i in range(len(_VARIATIONS))]
    tried = [text]
    for rule in order:
        for base in list(tried):
            toks = rule([list(t) for t in _tokens(base)], nxt, scale, 0.5 / unit)
            if toks is None:
                continue
            cand = _text(toks)
            if fits(cand):
                return cand
            tried.append(cand)
    return text
