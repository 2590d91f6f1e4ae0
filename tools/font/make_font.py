#!/usr/bin/python3
"""Builds the game's pixel font "Varnholt Pixel" from glyphs.txt.

    /usr/bin/python3 tools/font/make_font.py

Writes resources/ui/VarnholtPixel-Regular.ttf and VarnholtPixel-Bold.ttf
(needs Debian's python3-fonttools). Every ink pixel of a glyph becomes a
square of 100 font units on a 1000-unit em, so at a pixel size of 10 (and
20, 30 ...) each glyph pixel lands on whole screen pixels. The bold face is
the regular one with every row of ink one pixel wider, the way pixel fonts
have always done it. The files carry fixed dates, so a second run gives the
same bytes.
"""
import os

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.normpath(os.path.join(HERE, '..', '..', 'resources', 'ui'))
FAMILY = 'Varnholt Pixel'
UNIT = 100                  # font units per glyph pixel
EM = 1000                   # so a 10-pixel font maps one glyph pixel to one screen pixel
CAP_ROWS = 7                # rows from the top of the capitals to the baseline
ASCENT, DESCENT = 800, 200  # one blank pixel row above the capitals, two below the baseline
FIXED_DATE = 0x5F000000     # seconds since 1904 (the font format's epoch), never "now"


def read_glyphs(path):
    """Character -> list of rows ('#' ink)."""
    glyphs, name = {}, None
    with open(path) as fh:
        for line in fh:
            line = line.rstrip('\n')
            if line.startswith('#') and name is None or not line:
                continue
            if line.startswith('= '):
                word = line[2:]
                name = ' ' if word == 'space' else word
                assert name not in glyphs and len(name) == 1, line
                glyphs[name] = []
            elif name is not None:
                assert set(line) <= {'#', '.'}, line
                glyphs[name].append(line)
    for ch, rows in glyphs.items():
        assert CAP_ROWS <= len(rows) <= CAP_ROWS + 2, (ch, len(rows))
        assert len({len(r) for r in rows}) == 1, ch
    return glyphs


def embolden(rows):
    """Each row's ink spread one pixel to the right; the glyph grows one
    column. A one-pixel gap between two strokes stays open, so m, w and the
    like do not fill up."""
    out = []
    for r in rows:
        wide = '.' + r + '..'
        out.append(''.join('#' if wide[i] == '#' or (wide[i - 1] == '#' and wide[i + 1] != '#') else '.'
                           for i in range(1, len(r) + 2)))
    return out


def outline(rows):
    """A TrueType glyph with one rectangle per horizontal run of ink."""
    pen = TTGlyphPen(None)
    for r, row in enumerate(rows):
        top = (CAP_ROWS - r) * UNIT
        x = 0
        while x < len(row):
            if row[x] != '#':
                x += 1
                continue
            end = x
            while end < len(row) and row[end] == '#':
                end += 1
            # clockwise, as TrueType fills
            pen.moveTo((x * UNIT, top - UNIT))
            pen.lineTo((x * UNIT, top))
            pen.lineTo((end * UNIT, top))
            pen.lineTo((end * UNIT, top - UNIT))
            pen.closePath()
            x = end
    return pen.glyph()


def glyph_name(ch):
    return 'space' if ch == ' ' else 'uni%04X' % ord(ch)


def build(glyphs, bold):
    style = 'Bold' if bold else 'Regular'
    order = ['.notdef'] + [glyph_name(c) for c in sorted(glyphs)]
    shapes = {'.notdef': outline(['#####', '#...#', '#...#', '#...#', '#...#', '#...#', '#####'])}
    metrics = {'.notdef': (6 * UNIT, 0)}
    for ch, rows in glyphs.items():
        if bold:
            rows = embolden(rows)
        shapes[glyph_name(ch)] = outline(rows)
        metrics[glyph_name(ch)] = ((len(rows[0]) + 1) * UNIT, 0)
    fb = FontBuilder(EM, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap({ord(c): glyph_name(c) for c in glyphs})
    fb.setupGlyf(shapes)
    glyf = fb.font['glyf']
    fb.setupHorizontalMetrics({n: (adv, glyf[n].xMin if hasattr(glyf[n], 'xMin') else 0)
                               for n, (adv, _) in metrics.items()})
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    fb.setupNameTable({'familyName': FAMILY, 'styleName': style,
                       'uniqueFontIdentifier': '%s %s' % (FAMILY, style),
                       'fullName': '%s %s' % (FAMILY, style),
                       'psName': 'VarnholtPixel-%s' % style,
                       'copyright': 'Drawn by the Varnholt team for the game'})
    fb.setupOS2(sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0,
                usWinAscent=ASCENT, usWinDescent=DESCENT, sxHeight=5 * UNIT, sCapHeight=CAP_ROWS * UNIT,
                usWeightClass=700 if bold else 400, fsSelection=0x20 if bold else 0x40,
                achVendID='VRHL')
    fb.setupPost(isFixedPitch=0)
    fb.font['head'].created = fb.font['head'].modified = FIXED_DATE
    fb.font['head'].macStyle = 1 if bold else 0
    path = os.path.join(OUT, 'VarnholtPixel-%s.ttf' % style)
    fb.save(path)
    return path


def main():
    os.makedirs(OUT, exist_ok=True)
    glyphs = read_glyphs(os.path.join(HERE, 'glyphs.txt'))
    for bold in (False, True):
        print('wrote', build(glyphs, bold))


if __name__ == '__main__':
    main()
