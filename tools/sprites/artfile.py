"""Reader for the text pixel-art sources in src/.

File format (one sprite design per file):

    # comments start with '#' in the first column
    size W H
    palette
    . transparent          <- '.' is always the see-through pixel
    o  16  16  24  name    <- char, then R G B, then an optional note
    end
    frame 0
    <H rows of W chars>
    frame 1
    ...

A file may hold several frames of the same size.  Pixels are returned as
RGBA images: alpha 0 for '.', alpha 255 for everything else.
"""
from PIL import Image


class Art:
    def __init__(self, path, size, palette, frames):
        self.path = path
        self.size = size
        self.palette = palette
        self.frames = frames          # list of RGBA PIL images
        self.rows = []                # raw char rows per frame


def load(path, recolor=None):
    """Load a source file.  recolor maps palette chars to replacement RGB."""
    with open(path) as fh:
        lines = [l.rstrip('\n') for l in fh]
    size = None
    palette = {}
    frames_rows = []
    i = 0
    while i < len(lines):
        line = lines[i]
        i += 1
        if not line.strip() or line.startswith('#'):
            continue
        word = line.split()[0]
        if word == 'size':
            size = (int(line.split()[1]), int(line.split()[2]))
        elif word == 'palette':
            while lines[i].strip() != 'end':
                parts = lines[i].split()
                i += 1
                if not parts or parts[0].startswith('#') and len(parts[0]) > 1:
                    continue
                ch = lines[i - 1].lstrip()[0]
                if parts[1] == 'transparent':
                    palette[ch] = None
                else:
                    rgb = tuple(int(v) for v in parts[1:4])
                    if rgb == (0, 0, 0):
                        raise ValueError('%s: colour %r is pure black, which '
                                         'the masking treats as see-through' % (path, ch))
                    palette[ch] = rgb
            i += 1
        elif word == 'frame':
            if size is None:
                raise ValueError('%s: frame before size' % path)
            rows = lines[i:i + size[1]]
            i += size[1]
            for r in rows:
                if len(r) != size[0]:
                    raise ValueError('%s: row %r is %d wide, expected %d'
                                     % (path, r, len(r), size[0]))
            frames_rows.append(rows)
        else:
            raise ValueError('%s: unexpected line %r' % (path, line))
    pal = dict(palette)
    if recolor:
        for ch, rgb in recolor.items():
            if ch in pal:
                pal[ch] = rgb
    frames = []
    for rows in frames_rows:
        im = Image.new('RGBA', size, (0, 0, 0, 0))
        px = im.load()
        for y, r in enumerate(rows):
            for x, ch in enumerate(r):
                if ch not in pal:
                    raise ValueError('%s: char %r not in palette' % (path, ch))
                if pal[ch] is not None:
                    px[x, y] = pal[ch] + (255,)
        frames.append(im)
    art = Art(path, size, pal, frames)
    art.rows = frames_rows
    return art
