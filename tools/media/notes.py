"""The note language of Varnholt's scores: pitch names and melody text.

Melody language (one token per note, separated by blanks):
    c5  f#4  bb3     pitch with octave (c4 = middle C = MIDI 60)
    r                rest
    -                hold the previous note (or rest) one more unit
    e5:3  g5:1/2     length as a multiple of the unit (default unit: 1/8)
    e5!              accent          e5.   staccato
    |                bar line, ignored (for the reader)
"""

NOTE = {'c': 0, 'd': 2, 'e': 4, 'f': 5, 'g': 7, 'a': 9, 'b': 11}


def pitch(name):
    """'c#4' -> 61, 'bb3' -> 58."""
    s = name.lower()
    pc = NOTE[s[0]]
    i = 1
    while s[i] in '#b':
        pc += 1 if s[i] == '#' else -1
        i += 1
    octave = int(s[i:])
    return 12 * (octave + 1) + pc


def frac(txt):
    if '/' in txt:
        a, b = txt.split('/')
        return float(a) / float(b)
    return float(txt)


def mel(text, unit=0.5):
    """Parse melody text -> (list of [t, d, pitch, accent, stacc], length)."""
    out = []
    t = 0.0
    last = None
    for tok in text.split():
        if tok == '|':
            continue
        if tok == '-':
            if last is not None:
                last[1] += unit
            t += unit
            continue
        acc = stac = False
        while tok and tok[-1] in '!.':
            if tok[-1] == '!':
                acc = True
            else:
                stac = True
            tok = tok[:-1]
        mult = 1.0
        if ':' in tok:
            tok, m = tok.split(':')
            mult = frac(m)
        d = unit * mult
        if tok == 'r':
            last = None
        else:
            last = [t, d, pitch(tok), acc, stac]
            out.append(last)
        t += d
    return out, t
