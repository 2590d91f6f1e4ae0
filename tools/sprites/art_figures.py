#!/usr/bin/python3
"""Prints the figures the backgrounds and shots are held to, measured on the
PNGs in resources/sprites/ (or in the folder given as the first argument).

    /usr/bin/python3 tools/sprites/art_figures.py [folder]

- imgEarth: colour count (at most 64) and mean relative luminance, against
  the dithered strip it replaced (20-30 % darker).
- imgBG2: the 95th percentile of relative luminance (at most 0.20), the
  contrast of the menu's green and yellow at that level (at least 3:1) and
  the height of the gold rail along its top.
- enemyshot against the player's shots: hue of each body colour, and how
  dark the enemy shot's rim is.
Relative luminance is the sRGB one (Rec. 709 weights on linear values).
"""
import colorsys
import os
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
FOLDER = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, '..', '..', 'resources', 'sprites')

# Mean relative luminance of the earth strip before it was redrawn (the
# dithered noise picture of commit 4b8bbf0), the reference for "darker".
OLD_EARTH_MEAN = 0.0873
MENU_GREEN, MENU_YELLOW = (0, 255, 0), (255, 255, 0)
RAIL_WARMTH = 20            # a rail row is warm: red above blue by this much; the comb is blue


def linear(v):
    v /= 255.0
    return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4


def luminance(c):
    return 0.2126 * linear(c[0]) + 0.7152 * linear(c[1]) + 0.0722 * linear(c[2])


def contrast(a, b):
    la, lb = max(a, b), min(a, b)
    return (la + 0.05) / (lb + 0.05)


def art(name):
    """The picture without its 4-pixel strips."""
    im = Image.open(os.path.join(FOLDER, name + '.png')).convert('RGB')
    return im.crop((0, 0, im.width - 4, im.height - 4))


def earth():
    im = art('imgEarth')
    px = list(im.getdata())
    mean = sum(luminance(c) for c in px) / len(px)
    print('imgEarth: %d colours (at most 64)' % len(set(px)))
    print('imgEarth: mean relative luminance %.4f, %.1f %% darker than %.4f (20-30 %%)'
          % (mean, 100 * (1 - mean / OLD_EARTH_MEAN), OLD_EARTH_MEAN))


def bg2():
    im = art('imgBG2')
    ls = sorted(luminance(c) for c in im.getdata())
    p95 = ls[int(0.95 * (len(ls) - 1))]
    print('imgBG2: 95th percentile relative luminance %.3f (at most 0.20)' % p95)
    for name, c in (('green', MENU_GREEN), ('yellow', MENU_YELLOW)):
        print('imgBG2: menu %s against that level %.2f:1 (at least 3:1)' % (name, contrast(luminance(c), p95)))
    px = im.load()
    rail = 0
    while rail < im.height and all(px[x, rail][0] > px[x, rail][2] + RAIL_WARMTH for x in range(0, im.width, 8)):
        rail += 1
    print('imgBG2: gold rail %d rows, brightest %.3f' % (rail, max((luminance(px[0, y]) for y in range(rail)), default=0)))


def body_hue(name):
    """Hue in degrees of the most common saturated colour of a shot picture."""
    counts = {}
    for c in art(name).getdata():
        h, s, v = colorsys.rgb_to_hsv(*(x / 255.0 for x in c))
        if s > 0.4 and v > 0.4:
            counts[c] = counts.get(c, 0) + 1
    c = max(counts, key=counts.get)
    return 360 * colorsys.rgb_to_hsv(*(x / 255.0 for x in c))[0]


def shots():
    player = {n: body_hue(n) for n in ('shot_0', 'shot2_0', 'shot3_0', 'shot4_0')}
    enemy = body_hue('enemyshot_0')
    print('shots: enemy hue %.0f deg; player hues %s' % (enemy, ', '.join('%s %.0f' % kv for kv in player.items())))
    gap = min(min(abs(enemy - h), 360 - abs(enemy - h)) for h in player.values())
    print('shots: nearest player hue %.0f deg away' % gap)
    for name in ('enemyshot_0', 'enemyshot_1'):
        edge = rim_luminances(name)
        print('shots: %s rim %d pixels, brightest relative luminance %.3f' % (name, len(edge), max(edge)))


def rim_luminances(name):
    """Luminance of every shown pixel that touches a see-through one."""
    im = art(name)
    px = im.load()
    shown = lambda x, y: 0 <= x < im.width and 0 <= y < im.height and px[x, y] != (0, 0, 0)
    return [luminance(px[x, y]) for y in range(im.height) for x in range(im.width)
            if shown(x, y) and not all(shown(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))]


if __name__ == '__main__':
    earth()
    bg2()
    shots()
