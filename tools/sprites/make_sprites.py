#!/usr/bin/python3
"""Builds every picture of Varnholt into resources/sprites/.

    /usr/bin/python3 tools/sprites/make_sprites.py            # write the PNGs
    /usr/bin/python3 tools/sprites/make_sprites.py --sheet /tmp/sheet.png
                                                              # ...and a 3x contact sheet

Sprites come from the text pixel art in src/ (see artfile.py for the format);
the background tiles, the shop background and the logo's shading are drawn
here with fixed seeds.  Every mask is derived from its picture and every
flash picture from its pose, so only the pictures themselves are ever edited.
Running the script twice gives byte-identical files.

Drawing rule used by the game: mask with AND, then picture with OR.  So a
picture is pure black (0, 0, 0) where it is see-through, and a mask is white
there and black where the picture shows.  Every box keeps its art in the top
left (w - 4) x (h - 4) pixels; the right and bottom 4-pixel strips are black
in pictures and white in masks.
"""
import math
import os
import random
import sys

from PIL import Image, ImageOps

HERE = os.path.dirname(os.path.abspath(__file__))
SRC = os.path.join(HERE, 'src')
OUT = os.path.normpath(os.path.join(HERE, '..', '..', 'resources', 'sprites'))
sys.path.insert(0, HERE)
import artfile  # noqa: E402

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
STRIP = 4

# ---------------------------------------------------------------- registry
OUTPUTS = {}      # file stem -> PIL image
BOXED = {}        # file stem -> 'pic' or 'mask' (has the 4-pixel strips)
PAIRS = []        # (picture stem, mask stem): picture black where mask white
SHARED = []       # (picture stem, mask stem): the picture covers the whole mask


def emit(stem, im, kind=None):
    assert stem not in OUTPUTS, stem
    OUTPUTS[stem] = im
    if kind:
        BOXED[stem] = kind


def names(base, count):
    """File stems of a catalogue entry: <name>_<i> for frame arrays, <name> for one."""
    return ['%s_%d' % (base, i) for i in range(count)] if count > 1 else [base]


# ---------------------------------------------------------------- helpers
def src(name, recolor=None):
    return artfile.load(os.path.join(SRC, name + '.txt'), recolor)


def layered(*layers):
    out = Image.new('RGBA', layers[0].size, (0, 0, 0, 0))
    for l in layers:
        out.alpha_composite(l)
    return out


def clip_to(im, silhouette):
    """Keep only the pixels of im inside the opaque part of silhouette."""
    out = im.copy()
    out.putalpha(silhouette.getchannel('A'))
    return out


def boxed(art, w, h):
    """Put RGBA art into a w x h RGB box: black where see-through and in the strips."""
    assert art.width <= w - STRIP and art.height <= h - STRIP, (art.size, w, h)
    box = Image.new('RGB', (w, h), BLACK)
    rgb = art.convert('RGB') if art.mode == 'RGBA' else art
    box.paste(rgb, (0, 0), art.getchannel('A') if art.mode == 'RGBA' else None)
    return box


def mask_of(*pics):
    """Mask from one or more pictures: black where any of them shows (the union)."""
    w, h = pics[0].size
    m = Image.new('RGB', (w, h), WHITE)
    mp = m.load()
    for p in pics:
        pp = p.load()
        for y in range(h):
            for x in range(w):
                if pp[x, y] != BLACK:
                    mp[x, y] = BLACK
    return m


def flash_of(pic, k=0.62):
    """The same pose pushed towards white; see-through stays pure black."""
    out = pic.copy()
    px = out.load()
    for y in range(out.height):
        for x in range(out.width):
            c = px[x, y]
            if c != BLACK:
                px[x, y] = tuple(min(255, int(v + (255 - v) * k + 0.5)) for v in c)
    return out


def mirror(art):
    return ImageOps.mirror(art)


def sprite_set(stem, mstem, arts, w, h):
    """Pictures + own masks for a frame array (or one picture)."""
    pics = [boxed(a, w, h) for a in arts]
    for n, p in zip(names(stem, len(pics)), pics):
        emit(n, p, 'pic')
    for n, mn, p in zip(names(stem, len(pics)), names(mstem, len(pics)), pics):
        emit(mn, mask_of(p), 'mask')
        PAIRS.append((n, mn))
    return pics


# ---------------------------------------------------------------- noise
def _hash(*v):
    h = 2166136261
    for x in v:
        h = ((h ^ (x & 0xffffffff)) * 16777619) & 0xffffffff
        h ^= h >> 13
        h = (h * 1274126177) & 0xffffffff
    return (h & 0xffffff) / float(0xffffff)


class PNoise:
    """Value noise that repeats every `period` pixels horizontally."""

    def __init__(self, seed, period=480, cell=80, octaves=4, ystretch=1.0):
        self.seed, self.period, self.cell, self.oct, self.ys = seed, period, cell, octaves, ystretch

    def _one(self, x, y, cell, o):
        n = self.period // cell
        fx, fy = x / cell, y / cell
        ix, iy = int(math.floor(fx)), int(math.floor(fy))
        tx, ty = fx - ix, fy - iy
        tx, ty = tx * tx * (3 - 2 * tx), ty * ty * (3 - 2 * ty)
        v = [[_hash(self.seed, o, (ix + a) % n, iy + b) for a in (0, 1)] for b in (0, 1)]
        top = v[0][0] + (v[0][1] - v[0][0]) * tx
        bot = v[1][0] + (v[1][1] - v[1][0]) * tx
        return top + (bot - top) * ty

    def at(self, x, y):
        total, amp, norm, cell = 0.0, 1.0, 0.0, self.cell
        for o in range(self.oct):
            total += amp * self._one(x, y * self.ys, max(1, cell), o)
            norm += amp
            amp *= 0.5
            cell //= 2
        return total / norm


BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def dither_pick(ramp, t, x, y):
    """Pick from a colour ramp with 4x4 ordered dithering (t in 0..1)."""
    t = max(0.0, min(0.9999, t)) * (len(ramp) - 1)
    i = int(t)
    if i >= len(ramp) - 1:
        return ramp[-1]
    return ramp[i + 1] if (t - i) * 16 > BAYER[y % 4][x % 4] + 0.5 else ramp[i]


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(a[i] + (b[i] - a[i]) * t + 0.5) for i in range(3))


def nonblack(c):
    return c if c != BLACK else (1, 1, 2)


# ---------------------------------------------------------------- sprites
def make_bee():
    wings = src('bee_wings').frames
    bodies = {'': src('bee_body').frames[0], 's': src('bee_body_firing').frames[0]}
    for pose, body in bodies.items():
        right = [layered(wings[f], body) for f in range(2)]
        for side, arts in (('right', right), ('left', [mirror(a) for a in right])):
            stem = 'bee' + side + pose
            pics = sprite_set(stem, stem + 'mask', arts, 33, 42)
            for n, mn, p in zip(names(stem + 'f', 2), names(stem + 'mask', 2), pics):
                emit(n, flash_of(p), 'pic')
                PAIRS.append((n, mn))
                SHARED.append((n, mn))


SHOT_RAMPS = {
    # '+' hot tone, '=' type colour, '-' darker, ':' dark halo ('@' stays white)
    'Regular': None,
    'Mega': {'+': (214, 255, 190), '=': (86, 236, 64), '-': (26, 150, 44), ':': (10, 64, 26)},
    'Giga': {'+': (206, 255, 255), '=': (48, 218, 255), '-': (14, 128, 192), ':': (6, 50, 92)},
    'Omega': {'+': (255, 206, 255), '=': (255, 72, 226), '-': (164, 24, 152), ':': (66, 8, 72)},
}
TYPES = ('Regular', 'Mega', 'Giga', 'Omega')


def make_shots():
    guns = [
        # picture stems by shot type, mask stems, source per type, box size per type
        (('shot', 'shot2', 'shot3', 'shot4'), ('shotmask', 'shot2mask', 'shot3mask', 'shot4mask'),
         ('shot_round_small', 'shot_round_small', 'shot_round_big', 'shot_round_big'), (14, 14, 18, 18)),
        (('imgnsr', 'imgnsm', 'imgnsg', 'imgnso'), ('imgnsrm', 'imgnsmm', 'imgnsgm', 'imgnsom'),
         ('shot_star', 'shot_star', 'shot_star', 'shot_star_big'), (18, 18, 18, 20)),
        (('imgssr', 'imgssm', 'imgssg', 'imgsso'), ('imgssrm', 'imgssmm', 'imgssgm', 'imgssom'),
         ('shot_bolt',) * 4, (18, 18, 18, 18)),
        (('imgpsr', 'imgpsm', 'imgpsg', 'imgpso'), ('imgpsrm', 'imgpsmm', 'imgpsgm', 'imgpsom'),
         ('shot_orb',) * 4, (18, 18, 18, 18)),
    ]
    for stems, mstems, srcs, sizes in guns:
        for t, stem, mstem, s, size in zip(TYPES, stems, mstems, srcs, sizes):
            frames = src(s, SHOT_RAMPS[t]).frames
            sprite_set(stem, mstem, frames, size, size)
    sprite_set('enemyshot', 'enemyshotmask', src('enemyshot').frames, 14, 14)
    sprite_set('tankshot', 'tankshotmask', src('tankshot').frames, 11, 31)


def make_enemies():
    walk = src('enemy_tank').frames
    fire = src('enemy_tank_firing').frames[0]
    for side, flip in (('right', False), ('left', True)):
        f = mirror if flip else (lambda a: a)
        stem = 'enemy' + side
        pics = [boxed(f(a), 33, 24) for a in walk]
        flashes = [flash_of(p) for p in pics]
        for n, p in zip(names(stem, 2), pics):
            emit(n, p, 'pic')
        for n, p in zip(names(stem + 'f', 2), flashes):
            emit(n, p, 'pic')
        # one mask for both walking frames and their flashes
        emit(stem + 'mask', mask_of(*(pics + flashes)), 'mask')
        for n in names(stem, 2) + names(stem + 'f', 2):
            PAIRS.append((n, stem + 'mask'))
            SHARED.append((n, stem + 'mask'))
        shot = boxed(f(fire), 33, 24)
        emit(stem + 'shot', shot, 'pic')
        emit(stem + 'shotmask', mask_of(shot), 'mask')
        emit(stem + 'shotf', flash_of(shot), 'pic')
        PAIRS.extend([(stem + 'shot', stem + 'shotmask'), (stem + 'shotf', stem + 'shotmask')])
        SHARED.append((stem + 'shotf', stem + 'shotmask'))


def make_tank():
    base = src('bigtank').frames[0]
    dmg = src('bigtank_damage').frames
    arts = [base]
    cur = base
    for d in dmg:
        cur = clip_to(layered(cur, d), base)     # damage never changes the outline
        arts.append(cur)
    pics = [boxed(a, 330, 65) for a in arts]
    flashes = [flash_of(p, 0.55) for p in pics]
    for n, p in zip(names('tank', 4), pics):
        emit(n, p, 'pic')
    for n, p in zip(names('tankflash', 4), flashes):
        emit(n, p, 'pic')
    emit('tankmask', mask_of(*(pics + flashes)), 'mask')
    for n in names('tank', 4) + names('tankflash', 4):
        PAIRS.append((n, 'tankmask'))
        SHARED.append((n, 'tankmask'))
    wreck = boxed(src('bigtank_wreck').frames[0], 330, 65)
    emit('Tankshater', wreck, 'pic')
    emit('tankshatermask', mask_of(wreck), 'mask')
    PAIRS.append(('Tankshater', 'tankshatermask'))


def make_explosion():
    sprite_set('explode', 'explodemask', src('explode').frames, 33, 42)


def make_icons():
    small, big = src('icon_16').frames[0], src('icon_32').frames[0]
    for size, art, k in ((16, small, 1), (48, small, 3), (32, big, 1), (64, big, 2), (128, big, 4), (256, big, 8)):
        im = art.resize((art.width * k, art.height * k), Image.NEAREST)
        out = Image.new('RGBA', im.size, (0, 0, 0, 0))
        px, op = im.load(), out.load()
        for y in range(im.height):
            for x in range(im.width):
                if px[x, y][3]:
                    op[x, y] = px[x, y][:3] + (255,)
        assert out.size == (size, size)
        emit('icon_%d' % size, out)


# ---------------------------------------------------------------- backgrounds
def space_colour(fy):
    """Deep space behind the play field, by play-field row (shared by both layers)."""
    t = max(0.0, min(1.0, (fy + 8) / 240.0))
    return mix((3, 3, 14), (9, 11, 32), t)


def scatter_stars(im, seed, counts, yrange, dense_rows=None):
    """Three depths of stars, wrapping at 480 px so the tile has no seam."""
    R = random.Random(seed)
    px = im.load()
    w = 480
    y0, y1 = yrange

    def add(x, y, c):
        x %= w
        if y0 <= y < y1:
            old = px[x, y]
            px[x, y] = tuple(max(old[i], c[i]) for i in range(3))

    faint, dim, bright = counts
    for _ in range(faint):
        v = R.randint(40, 70)
        add(R.randrange(w), R.randrange(y0, y1), (v - 6, v, v + 18))
    for _ in range(dim):
        v = R.randint(110, 170)
        tint = R.choice(((0, 0, 20), (10, 6, 0), (0, 6, 14)))
        add(R.randrange(w), R.randrange(y0, y1), tuple(min(255, v + t) for t in tint))
    for _ in range(bright):
        x, y = R.randrange(w), R.randrange(y0 + 2, y1 - 2)
        c = R.choice(((255, 255, 255), (220, 236, 255), (255, 244, 210)))
        half = tuple(v // 2 for v in c)
        add(x, y, c)
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            add(x + dx, y + dy, half)
        if R.random() < 0.35:
            q = tuple(v // 4 for v in c)
            for dx, dy in ((2, 0), (-2, 0), (0, 2), (0, -2)):
                add(x + dx, y + dy, q)


def make_stars():
    w, h = 480, 210
    im = Image.new('RGB', (w, h))
    px = im.load()
    neb = PNoise(11, cell=120, octaves=4)
    for y in range(h):
        for x in range(w):
            c = space_colour(y - 8)
            n = neb.at(x, y)
            if n > 0.56:
                k = (n - 0.56) / 0.3
                c = dither_pick([c, mix(c, (40, 20, 70), 0.5), mix(c, (60, 28, 96), 0.6)], k, x, y)
            px[x, y] = nonblack(c)
    scatter_stars(im, 12, (520, 150, 24), (0, h))
    emit('imgStars', boxed(im, 484, 214), 'pic')


# The earth strip is flat pixel art: every tone below is a palette entry, no
# dithering, so the strip does not shimmer when the window is stretched. It is
# kept dark so olive tanks and the bee's pale wing read over it.
EARTH_HORIZON = 30                # horizon row (play-field row 230)
EARTH_SKY = [(6, 8, 26), (12, 18, 48), (24, 40, 92), (44, 70, 138)]     # up to the glow at the horizon
EARTH_RIM = [(132, 170, 214), (84, 122, 180)]                           # the thin atmosphere line
OCEAN = [(13, 38, 94), (19, 53, 118), (26, 74, 142), (40, 98, 164)]       # deep to shallow
LAND = [(118, 120, 84), (44, 96, 50), (57, 114, 57), (84, 128, 63), (126, 118, 80)]  # shore, lowland .. hills
EARTH_HAZE = (82, 124, 186)
EARTH_SHADE = (4, 8, 24)
# (cloud frame in src/earth_clouds.txt, x, y); small clusters near the horizon
EARTH_CLOUDS = [(3, 40, 34), (3, 58, 36), (1, 200, 36), (3, 330, 35), (1, 430, 40),
                (0, 96, 50), (1, 130, 56), (2, 280, 60), (3, 318, 66),
                (4, 10, 86), (1, 44, 92), (0, 380, 82), (2, 404, 90),
                (2, 150, 108), (0, 176, 116), (4, 300, 124), (1, 340, 132), (1, 60, 136), (0, 440, 140)]


def earth_ground(n):
    """Ocean or land tone for a land-noise value."""
    for limit, c in ((0.36, OCEAN[0]), (0.46, OCEAN[1]), (0.53, OCEAN[2]), (0.56, OCEAN[3]),
                     (0.575, LAND[0]), (0.63, LAND[1]), (0.68, LAND[2]), (0.73, LAND[3])):
        if n < limit:
            return c
    return LAND[4]


def earth_air(d):
    """How a row below the horizon is tinted: haze near the horizon, shade low down."""
    if d < 5:
        return EARTH_HAZE, 0.5
    if d < 13:
        return EARTH_HAZE, 0.25
    if d >= 90:
        return EARTH_SHADE, 0.15
    return None, 0.0


def make_earth():
    w, h = 480, 160
    hz = EARTH_HORIZON
    im = Image.new('RGB', (w, h))
    px = im.load()
    land = PNoise(21, cell=120, octaves=3)
    for y in range(hz):
        sky = EARTH_SKY[0] if y < hz - 9 else EARTH_SKY[1] if y < hz - 5 else EARTH_SKY[2] if y < hz - 2 else EARTH_SKY[3]
        for x in range(w):
            px[x, y] = sky
    for x in range(w):
        px[x, hz], px[x, hz + 1] = EARTH_RIM
    for y in range(hz + 2, h):
        d = y - hz
        Y = d + 30 * math.log(1 + d / 4.0)     # foreshortening towards the horizon
        for x in range(w):
            px[x, y] = earth_ground(land.at(x, Y * 1.4))
    clouds = src('earth_clouds').frames
    for f, cx, cy in EARTH_CLOUDS:
        cloud = clouds[f]
        for v in range(cloud.height):
            for u in range(cloud.width):
                c = cloud.getpixel((u, v))
                if c[3]:
                    px[(cx + u) % w, cy + v] = c[:3]
    for y in range(hz + 2, h):
        tint, k = earth_air(y - hz)
        if tint:
            for x in range(w):
                px[x, y] = mix(px[x, y], tint, k)
    R = random.Random(23)                       # a few stars above the glow
    for _ in range(26):
        px[R.randrange(w), R.randrange(0, hz - 10)] = R.choice(((70, 76, 110), (150, 156, 190)))
    colours = len(set(im.getdata()))
    assert colours <= 64, colours
    emit('imgEarth', boxed(im, 484, 164), 'pic')


def make_bg1():
    w, h = 480, 250
    im = Image.new('RGB', (w, h))
    px = im.load()
    neb = PNoise(31, cell=160, octaves=5)
    neb2 = PNoise(32, cell=80, octaves=4)
    for y in range(h):
        for x in range(w):
            c = mix((6, 4, 22), (22, 14, 56), y / h)
            a, b = neb.at(x, y * 1.3), neb2.at(x, y)
            if a > 0.52:
                c = dither_pick([c, mix(c, (92, 30, 110), 0.55), (128, 44, 138), (176, 80, 160), (220, 140, 190)],
                                (a - 0.52) / 0.34, x, y)
            if b > 0.6:
                c = dither_pick([c, mix(c, (30, 90, 150), 0.6), (50, 130, 180)], (b - 0.6) / 0.25, x, y)
            px[x, y] = nonblack(c)
    scatter_stars(im, 33, (600, 170, 30), (0, h))
    emit('imgBG1', boxed(im, 484, 254), 'pic')


def hex_field(x, y, r):
    """Flat-topped hexagon tiling with 3r-pixel horizontal period.
    Returns (cell id, distance to nearest edge, direction to cell centre)."""
    hh = math.sqrt(3) * r
    col = x / (1.5 * r)
    best = []
    for c in (int(math.floor(col)) - 1, int(math.floor(col)), int(math.floor(col)) + 1, int(math.floor(col)) + 2):
        off = hh / 2 if c % 2 else 0.0
        row0 = int(math.floor((y - off) / hh))
        for rr in (row0 - 1, row0, row0 + 1):
            cx, cy = c * 1.5 * r, rr * hh + off
            best.append(((x - cx) ** 2 + (y - cy) ** 2, c, rr, cx, cy))
    best.sort()
    d0, d1 = math.sqrt(best[0][0]), math.sqrt(best[1][0])
    _, c, rr, cx, cy = best[0]
    return (c, rr), (d1 - d0), (x - cx, y - cy)


def honeycomb(w, h, r, period, fill, light, dark, line, seed, special=None):
    im = Image.new('RGB', (w, h))
    px = im.load()
    for y in range(h):
        for x in range(w):
            cell, edge, (dx, dy) = hex_field(x + 0.5, y + 0.5, r)
            cid = (cell[0] % (period // int(1.5 * r)), cell[1])
            base = fill(x, y, cid)
            if edge < 1.1:
                c = line
            elif edge < 2.6:
                # bevel: the cell's upper-left rim faces the light
                c = light if dx + dy < 0 else dark
            else:
                c = base
            if special:
                c = special(x, y, cid, edge, c)
            px[x, y] = nonblack(c)
    return im


def make_bg2():
    # A dark, flat honeycomb: the title menu prints green and yellow on it and
    # the high-score table its rows, so the cells stay low in luminance and
    # their rims low in contrast; a thin, dull gold rail runs along the top.
    w, h = 480, 159
    rail = [(176, 124, 40), (64, 40, 28)]    # one gold row over its shadow: clear of the menu texts below

    def fill(x, y, cid):
        return (46, 44, 104) if _hash(41, cid[0], cid[1]) < 0.12 else (38, 38, 92)

    def special(x, y, cid, edge, c):
        return rail[y] if y < len(rail) else c

    im = honeycomb(w, h, 10, 480, fill, (56, 58, 120), (28, 28, 72), (24, 24, 62), 41, special)
    emit('imgBG2', boxed(im, 484, 163), 'pic')


def rounded_panel(px, x0, y0, x1, y1, inner, rim, rim_dark, r=6, rivets=True):
    for y in range(y0, y1):
        for x in range(x0, x1):
            cx = min(max(x, x0 + r), x1 - 1 - r)
            cy = min(max(y, y0 + r), y1 - 1 - r)
            d = math.hypot(x - cx, y - cy)
            if d > r:
                continue
            edge = min(x - x0, y - y0, x1 - 1 - x, y1 - 1 - y)
            if d > r - 1 or edge < 1:
                px[x, y] = rim_dark
            elif edge < 3:
                px[x, y] = rim if (x - x0 < 3 or y - y0 < 3) else rim_dark
            else:
                c = inner(x, y) if callable(inner) else inner
                px[x, y] = mix(c, rim_dark, 0.35) if edge < 4 else c
    if rivets:
        for (x, y) in ((x0 + 6, y0 + 6), (x1 - 8, y0 + 6), (x0 + 6, y1 - 8), (x1 - 8, y1 - 8)):
            px[x, y] = (255, 250, 236)
            px[x + 1, y] = rim_dark
            px[x, y + 1] = rim_dark
            px[x + 1, y + 1] = rim_dark


SHOP_HEADINGS = [(464, 16, 'Player Stats'), (304, 216, 'Weapons')]   # label x, y, caption
FONT_GLYPHS = os.path.join(HERE, '..', 'font', 'glyphs.txt')


def caption_width(text):
    """Width in pixels of a caption in the game's pixel font at 10 px (one
    pixel per glyph column, one blank column between glyphs)."""
    widths, name = {}, None
    with open(FONT_GLYPHS) as fh:
        for line in fh:
            line = line.rstrip('\n')
            if line.startswith('= '):
                name = ' ' if line[2:] == 'space' else line[2:]
            elif name is not None and name not in widths and line:
                widths[name] = len(line)
    return sum(widths[c] + 1 for c in text) - 1


def make_shop():
    w, h = 702, 541

    def fill(x, y, cid):
        c = mix((250, 242, 218), (240, 226, 190), y / h)
        return c

    im = honeycomb(w, h, 14, 42 * 17, fill, (255, 252, 240), (228, 210, 164), (214, 190, 132), 51)
    px = im.load()
    paper = lambda x, y: (252, 250, 240)
    rim, rimd = (236, 196, 112), (150, 104, 40)
    rounded_panel(px, 396, 6, 698, 200, paper, rim, rimd)                  # player stats
    rounded_panel(px, 10, 206, 392, 456, paper, rim, rimd)                 # guns
    rounded_panel(px, 396, 250, 698, 456, paper, rim, rimd)                # shot types
    # the preview window: a little star field behind the bee and its shot
    R = random.Random(52)
    sky = lambda x, y: mix((18, 22, 56), (34, 40, 92), (y - 88) / 110.0)
    rounded_panel(px, 20, 88, 190, 198, sky, (200, 210, 236), (70, 78, 120))
    for _ in range(60):
        x, y = R.randrange(26, 184), R.randrange(94, 192)
        v = R.choice((90, 120, 200))
        px[x, y] = (v, v, min(255, v + 30))
    # a honey-gold plate across the bottom with hazard ends
    for y in range(490, 541):
        for x in range(w):
            if y < 493:
                c = (150, 104, 40) if y == 490 else (255, 236, 150)
            else:
                c = mix((250, 204, 90), (226, 150, 40), (y - 493) / 48.0)
                if (x < 150 or x > 552) and ((x + y) // 10) % 2 == 0:
                    c = (58, 46, 52)
            px[x, y] = c
    # gold plates under the two headings ("Player Stats", "Weapons"): the
    # window prints them at (464, 16) and (304, 216)
    for x, y, caption in SHOP_HEADINGS:
        w = caption_width(caption)
        rounded_panel(px, x - 8, y - 4, x + w + 8, y + 14, (250, 214, 120), (255, 240, 176), rimd, r=3, rivets=False)
    emit('shopbg', im)


# ---------------------------------------------------------------- logo
def make_logo():
    font = src('logo_font')
    cw, ch = 6, 9                      # pixels per font cell
    word = range(8)                    # V A R N H O L T, in the font's frame order
    gw = 7 * 8 + 7                     # grid cells across, one cell between letters
    ox, oy = 14, 34
    slant = 0.22
    W, H = 500, 150
    solid = [[False] * W for _ in range(H)]

    def cell_fill(rows, gx, gy, u, v):
        c = rows[gy][gx]
        if c == 'X':
            return True
        if c == '.':
            return False
        at = lambda xx, yy: 0 <= yy < 9 and 0 <= xx < 7 and rows[yy][xx] == 'X'
        if c == '/':
            lower_right = at(gx + 1, gy) + at(gx, gy + 1)
            upper_left = at(gx - 1, gy) + at(gx, gy - 1)
            return u + v >= 1 if lower_right >= upper_left else u + v <= 1
        lower_left = at(gx - 1, gy) + at(gx, gy + 1)
        upper_right = at(gx + 1, gy) + at(gx, gy - 1)
        return v >= u if lower_left >= upper_right else u >= v

    top, bottom = oy, oy + 9 * ch
    for li in word:
        rows = font.rows[li]
        for gy in range(9):
            for gx in range(7):
                for py in range(ch):
                    for pxl in range(cw):
                        u, v = (pxl + 0.5) / cw, (py + 0.5) / ch
                        if cell_fill(rows, gx, gy, u, v):
                            y = oy + gy * ch + py
                            x = ox + (li * 8 + gx) * cw + pxl + int((bottom - y) * slant)
                            solid[y][x] = True

    art = Image.new('RGBA', (W, H), (0, 0, 0, 0))
    px = art.load()
    inside = lambda x, y: 0 <= x < W and 0 <= y < H and solid[y][x]
    depth = 7
    # extruded edge towards the bottom right, in deep amber
    ext = [(176, 92, 16), (150, 74, 14), (124, 58, 12), (104, 46, 10), (86, 36, 10), (70, 28, 12), (56, 22, 14)]
    for k in range(depth, 0, -1):
        for y in range(H):
            for x in range(W):
                if inside(x - k, y - k):
                    px[x, y] = ext[k - 1] + (255,)
    # chrome face: sky above the midline, gold below
    sky = [(255, 255, 255), (214, 240, 255), (150, 206, 255), (90, 150, 236), (46, 84, 180)]
    gold = [(120, 56, 12), (200, 112, 20), (244, 170, 40), (255, 216, 90), (255, 246, 190)]
    mid = top + 9 * ch * 0.5
    for y in range(H):
        for x in range(W):
            if not inside(x, y):
                continue
            if y < mid - 1:
                t = (y - top) / (mid - top)
                c = dither_pick(sky, 1 - t, x, y)
            elif y < mid + 1:
                c = (30, 40, 110)
            else:
                t = (y - mid) / (bottom - mid)
                c = dither_pick(gold, 0.25 + t * 0.75, x, y)
            if not inside(x - 1, y) or not inside(x, y - 1):
                c = (255, 255, 255) if y < mid else (255, 250, 210)      # bevel catching the light
            elif not inside(x + 1, y) or not inside(x, y + 1):
                c = (40, 50, 120) if y < mid else (150, 70, 14)
            px[x, y] = c + (255,)
    # outline around face and extrusion
    shape = [[px[x, y][3] > 0 for x in range(W)] for y in range(H)]
    for r in (1, 2):
        grow = []
        for y in range(H):
            for x in range(W):
                if not shape[y][x] and any(0 <= x + a < W and 0 <= y + b < H and shape[y + b][x + a]
                                           for a, b in ((1, 0), (-1, 0), (0, 1), (0, -1), (1, 1), (-1, -1), (1, -1), (-1, 1))):
                    grow.append((x, y))
        for x, y in grow:
            px[x, y] = ((16, 16, 24) if r == 1 else (96, 52, 120)) + (255,)
            shape[y][x] = True
    # sparkles on two letters
    for (sx, sy) in ((ox + 16 + int(70 * slant), top + 4), (ox + 5 * 8 * cw + 26 + int(70 * slant), top + 5)):
        for d in range(-5, 6):
            c = (255, 255, 255) if abs(d) < 3 else (190, 220, 255)
            px[sx + d, sy] = c + (255,)
            px[sx, sy + d] = c + (255,)
        for d in (-1, 1):
            px[sx + d, sy + d] = (220, 236, 255, 255)
            px[sx + d, sy - d] = (220, 236, 255, 255)
    # the bee, twice size, buzzing in after the "T" with a dotted flight trail
    bee = layered(src('bee_wings').frames[0], src('bee_body').frames[0])
    bee2 = bee.resize((bee.width * 2, bee.height * 2), Image.NEAREST)
    bx, by = W - bee2.width - 8, 22
    for i in range(40):
        t = i / 39.0
        x = int(150 + (bx + 8 - 150) * t)
        y = int(22 - 16 * math.sin(t * math.pi) + 30 * t * t)
        if i % 2 == 0 and 0 <= y < H - 1:
            for (a, b) in ((0, 0), (1, 0), (0, 1), (1, 1)):
                if px[x + a, y + b][3] == 0:
                    px[x + a, y + b] = ((255, 228, 80) if (a + b) == 0 else (228, 148, 24)) + (255,)
    art.alpha_composite(bee2, (bx, by))
    pic = boxed(art, 504, 154)
    emit('imgvrhl', pic, 'pic')
    emit('imgvrhlm', mask_of(pic), 'mask')
    PAIRS.append(('imgvrhl', 'imgvrhlm'))


# ---------------------------------------------------------------- output and checks
def expected_names():
    n = []
    for side in ('left', 'right'):
        for pose in ('', 's'):
            stem = 'bee' + side + pose
            n += names(stem, 2) + names(stem + 'mask', 2) + names(stem + 'f', 2)
    shot_pairs = [('shot', 'shotmask'), ('shot2', 'shot2mask'), ('shot3', 'shot3mask'), ('shot4', 'shot4mask')]
    for g in ('n', 's', 'p'):
        for t in 'rmgo':
            shot_pairs.append(('img%ss%s' % (g, t), 'img%ss%sm' % (g, t)))
    shot_pairs += [('enemyshot', 'enemyshotmask'), ('tankshot', 'tankshotmask'), ('explode', 'explodemask')]
    for p, m in shot_pairs:
        k = 4 if p == 'explode' else 2
        n += names(p, k) + names(m, k)
    for side in ('left', 'right'):
        e = 'enemy' + side
        n += names(e, 2) + names(e + 'f', 2) + [e + 'mask', e + 'shot', e + 'shotmask', e + 'shotf']
    n += names('tank', 4) + names('tankflash', 4) + ['tankmask', 'Tankshater', 'tankshatermask']
    n += ['imgStars', 'imgEarth', 'imgBG1', 'imgBG2', 'imgvrhl', 'imgvrhlm', 'shopbg']
    n += ['icon_%d' % s for s in (16, 32, 48, 64, 128, 256)]
    return n


BOX_SIZES = {
    'bee': (33, 42), 'explode': (33, 42), 'shot': (14, 14), 'shot2': (14, 14), 'enemyshot': (14, 14),
    'shot3': (18, 18), 'shot4': (18, 18), 'imgnso': (20, 20), 'tankshot': (11, 31),
    'enemy': (33, 24), 'tank': (330, 65), 'Tankshater': (330, 65), 'tankshater': (330, 65),
    'imgStars': (484, 214), 'imgEarth': (484, 164), 'imgBG1': (484, 254), 'imgBG2': (484, 163),
    'imgvrhl': (504, 154), 'shopbg': (702, 541),
}


def box_size(stem):
    base = stem.rsplit('_', 1)[0] if stem[-1].isdigit() and '_' in stem else stem
    for key in sorted(BOX_SIZES, key=len, reverse=True):
        if base.startswith(key):
            return BOX_SIZES[key]
    if base.startswith('img') and len(base) in (6, 7):    # imgnsr, imgssgm, imgpsom...
        return (18, 18)
    if base.startswith('icon'):
        s = int(stem.split('_')[1])
        return (s, s)
    raise KeyError(stem)


def self_check():
    want = expected_names()
    assert sorted(OUTPUTS) == sorted(want), (set(want) ^ set(OUTPUTS))
    for stem, im in OUTPUTS.items():
        assert im.size == box_size(stem), (stem, im.size, box_size(stem))
        if stem.startswith('icon'):
            assert im.mode == 'RGBA', stem
            continue
        assert im.mode == 'RGB', stem
        kind = BOXED.get(stem)
        if kind is None:
            assert stem == 'shopbg', stem
            continue
        w, h = im.size
        px = im.load()
        want_c = BLACK if kind == 'pic' else WHITE
        for y in range(h):
            for x in range(w):
                if x >= w - STRIP or y >= h - STRIP:
                    assert px[x, y] == want_c, ('strip', stem, x, y, px[x, y])
                if kind == 'mask':
                    assert px[x, y] in (BLACK, WHITE), ('mask colour', stem, x, y)
    for pic, mask in PAIRS:
        p, m = OUTPUTS[pic].load(), OUTPUTS[mask].load()
        w, h = OUTPUTS[pic].size
        assert OUTPUTS[mask].size == (w, h), (pic, mask)
        for y in range(h):
            for x in range(w):
                if m[x, y] == WHITE:
                    assert p[x, y] == BLACK, ('picture shows outside its mask', pic, x, y)
    for pic, mask in SHARED:
        p, m = OUTPUTS[pic].load(), OUTPUTS[mask].load()
        w, h = OUTPUTS[pic].size
        for y in range(h):
            for x in range(w):
                if m[x, y] == BLACK:
                    assert p[x, y] != BLACK, ('black hole under a shared mask', pic, x, y)
    for stem in ('imgStars', 'imgEarth', 'imgBG1', 'imgBG2'):
        px = OUTPUTS[stem].load()
        h = OUTPUTS[stem].height - STRIP
        for y in range(h):
            assert px[0, y] != BLACK and px[479, y] != BLACK, (stem, y)


def write_all():
    os.makedirs(OUT, exist_ok=True)
    for f in os.listdir(OUT):
        if f.endswith('.png'):
            os.remove(os.path.join(OUT, f))
    for stem in sorted(OUTPUTS):
        OUTPUTS[stem].save(os.path.join(OUT, stem + '.png'), 'PNG', optimize=False, compress_level=9)


def contact_sheet(path):
    """A look at everything on a dark background plus a mock game frame (not part of the game)."""
    def draw(dst, stem, mstem, x, y):
        pic, mask = OUTPUTS[stem], OUTPUTS[mstem]
        m = mask.convert('L').point(lambda v: 255 - v)
        dst.paste(pic, (x, y), m)

    frame = Image.new('RGB', (323, 361))
    for tx in (-242, 238):
        frame.paste(OUTPUTS['imgStars'], (tx, -8))
    for tx in (-242, 238):
        frame.paste(OUTPUTS['imgEarth'], (tx, 200))
    draw(frame, 'tank_0', 'tankmask', 0, 296)
    draw(frame, 'beeright_0', 'beerightmask_0', 162, 0)
    draw(frame, 'beelefts_1', 'beeleftsmask_1', 60, 40)
    draw(frame, 'enemyright_0', 'enemyrightmask', 30, 262)
    draw(frame, 'enemyrightshot', 'enemyrightshotmask', 90, 250)
    draw(frame, 'enemyleft_1', 'enemyleftmask', 250, 258)
    draw(frame, 'enemyleftf_0', 'enemyleftmask', 200, 270)
    draw(frame, 'explode_1', 'explodemask_1', 140, 240)
    draw(frame, 'shot_0', 'shotmask_0', 190, 60)
    draw(frame, 'imgnso_0', 'imgnsom_0', 120, 120)
    draw(frame, 'enemyshot_0', 'enemyshotmask_0', 126, 254)
    draw(frame, 'tankshot_0', 'tankshotmask_0', 101, 250)
    draw(frame, 'tankshot_1', 'tankshotmask_1', 218, 230)
    frame2 = Image.new('RGB', (323, 361))
    for tx in (-242, 238):
        frame2.paste(OUTPUTS['imgStars'], (tx, -8))
        frame2.paste(OUTPUTS['imgEarth'], (tx, 200))
    draw(frame2, 'tank_3', 'tankmask', 0, 296)
    draw(frame2, 'Tankshater', 'tankshatermask', 0, 226)

    title = Image.new('RGB', (517, 523))
    for tx in (-360, 120):
        title.paste(OUTPUTS['imgBG1'], (tx, 0))
    for by in (250, 341, 432):
        for tx in (-360, 120):
            title.paste(OUTPUTS['imgBG2'].crop((0, 0, 484, 159)), (tx, by))
    draw(title, 'beeright_0', 'beerightmask_0', 248, 230)
    draw(title, 'imgvrhl', 'imgvrhlm', 0, 0)

    # sheet 1: every small picture (no masks) at 3x
    items = [s for s in sorted(OUTPUTS) if OUTPUTS[s].width <= 64 and not s.startswith('icon')
             and s in BOXED and BOXED[s] == 'pic']
    cols, cellw, cellh = 16, 36, 46
    rows = (len(items) + cols - 1) // cols
    sheet = Image.new('RGB', (cols * cellw, rows * cellh + 70), (30, 32, 46))
    for i, s in enumerate(items):
        sheet.paste(OUTPUTS[s], ((i % cols) * cellw + 1, (i // cols) * cellh + 1))
    x = 2
    for s in ('icon_16', 'icon_32', 'icon_48', 'icon_64'):
        sheet.paste(OUTPUTS[s], (x, rows * cellh + 2), OUTPUTS[s])
        x += OUTPUTS[s].width + 6
    sheet = sheet.resize((sheet.width * 3, sheet.height * 3), Image.NEAREST)
    sheet.save(path)
    # sheet 2: the mock game frames and the title screen at 2x
    both = Image.new('RGB', (323 * 2 + 517 + 20, 541), (30, 32, 46))
    both.paste(frame, (0, 0))
    both.paste(frame2, (333, 0))
    both.paste(title, (666, 0))
    root, ext = os.path.splitext(path)
    both.resize((both.width * 2, both.height * 2), Image.NEAREST).save(root + '_frame' + ext)
    # sheet 3: the big pictures at 1x
    big = Image.new('RGB', (702 + 504 + 10, 541 + 340), (30, 32, 46))
    big.paste(OUTPUTS['shopbg'], (0, 0))
    big.paste(OUTPUTS['imgvrhl'], (712, 0))
    y = 160
    for s in ('tank_0', 'tank_1', 'tank_2', 'tank_3', 'tankflash_2', 'Tankshater'):
        big.paste(OUTPUTS[s], (712 if y < 500 else 712, y))
        y += 66
    big.paste(OUTPUTS['imgBG2'], (0, 545))
    big.paste(OUTPUTS['imgStars'], (490, 545))
    big.save(root + '_big' + ext)


def main():
    make_bee()
    make_shots()
    make_enemies()
    make_tank()
    make_explosion()
    make_stars()
    make_earth()
    make_bg1()
    make_bg2()
    make_shop()
    make_logo()
    make_icons()
    self_check()
    write_all()
    print('wrote %d pictures to %s' % (len(OUTPUTS), OUT))
    if '--sheet' in sys.argv:
        contact_sheet(sys.argv[sys.argv.index('--sheet') + 1])


if __name__ == '__main__':
    main()
