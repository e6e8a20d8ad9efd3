#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws every picture of Brelvox and writes them as PNG files into assets/.

Only the Python standard library is used: the PNG encoder below writes the
files with zlib and struct. Small pictures are character grids with a
palette; the larger ones are drawn from simple shapes tested at pixel
centres, so every edge stays hard (no smoothing, no blur).

Every picture but the icons (which come in many sizes already) is also
written at two and three times its size, as name@2x.png and name@3x.png, for
screens with more device pixels per logical pixel. Shapes are drawn again at
the finer resolution; character grids are enlarged with a rule that rounds
off their diagonal steps instead of repeating pixels.

    python3 tools/make_pictures.py                 # writes assets/*.png
    python3 tools/make_pictures.py --out DIR       # writes into DIR instead
    python3 tools/make_pictures.py --preview DIR   # also writes enlarged copies

The output is the same on every run.
"""

import argparse
import math
import os
import struct
import zlib

# --------------------------------------------------------------------------
# PNG encoding and a tiny canvas
# --------------------------------------------------------------------------


def hexcol(s):
    s = s.lstrip('#')
    return (int(s[0:2], 16), int(s[2:4], 16), int(s[4:6], 16))


def write_png(path, width, height, rows, alpha=False):
    """rows: list of rows, each a list of (r, g, b) or (r, g, b, a) tuples."""
    def chunk(kind, data):
        body = kind + data
        return (struct.pack('>I', len(data)) + body
                + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF))

    raw = bytearray()
    for row in rows:
        raw.append(0)  # filter type "none" for every row
        for px in row:
            raw.extend(px[:4] if alpha else px[:3])
    colour_type = 6 if alpha else 2
    ihdr = struct.pack('>IIBBBBB', width, height, 8, colour_type, 0, 0, 0)
    data = (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr)
            + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))
    with open(path, 'wb') as f:
        f.write(data)


class Canvas:
    """A picture of w x h logical pixels, each k x k device pixels. w, h and
    px are in device pixels; the drawing operations take logical ones."""

    def __init__(self, w, h, bg=(0, 0, 0), k=1):
        self.k = k
        self.lw, self.lh = w, h
        self.w, self.h = w * k, h * k
        self.px = [[bg] * self.w for _ in range(self.h)]

    def set(self, x, y, c):
        k = self.k
        if k == 1:
            if 0 <= x < self.w and 0 <= y < self.h:
                self.px[y][x] = c
            return
        for yy in range(y * k, y * k + k):
            for xx in range(x * k, x * k + k):
                if 0 <= xx < self.w and 0 <= yy < self.h:
                    self.px[yy][xx] = c

    def get(self, x, y):
        return self.px[y][x]

    def rect(self, x0, y0, x1, y1, c):
        """Fills columns x0..x1 and rows y0..y1, both inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def shape(self, inside, c, x0=0, y0=0, x1=None, y1=None):
        """Sets every pixel whose centre (x, y) satisfies inside(x, y). The
        bounds are logical; on a finer canvas each device pixel is tested at
        its own centre, given in logical coordinates."""
        k = self.k
        x1 = self.lw - 1 if x1 is None else x1
        y1 = self.lh - 1 if y1 is None else y1
        for y in range(max(0, y0 * k), min(self.h - 1, y1 * k + k - 1) + 1):
            for x in range(max(0, x0 * k), min(self.w - 1, x1 * k + k - 1) + 1):
                if inside(x if k == 1 else (x + 0.5) / k - 0.5,
                          y if k == 1 else (y + 0.5) / k - 0.5):
                    self.px[y][x] = c

    def disc(self, cx, cy, r, c):
        self.shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, c)

    def stroke(self, ax, ay, bx, by, half_width, c):
        """A straight stroke with square-cut ends, half_width either side."""
        dx, dy = bx - ax, by - ay
        length2 = dx * dx + dy * dy

        def inside(x, y):
            t = ((x - ax) * dx + (y - ay) * dy) / length2
            if t < 0 or t > 1:
                return False
            px, py = ax + t * dx, ay + t * dy
            return (x - px) ** 2 + (y - py) ** 2 <= half_width * half_width
        self.shape(inside, c)

    def grid(self, rows, palette, ox=0, oy=0, skip='.'):
        """Draws a character grid; the skip character leaves pixels alone.
        On a finer canvas the grid is enlarged with rounded diagonals."""
        if self.k > 1:
            layer = Canvas(len(rows[0]), len(rows), None)
            layer.grid(rows, palette, skip=skip)
            self.paste(upscaled(layer, self.k), ox * self.k, oy * self.k, None)
            return
        for y, row in enumerate(rows):
            for x, ch in enumerate(row):
                if ch != skip:
                    self.set(ox + x, oy + y, palette[ch])

    def paste(self, other, ox, oy, transparent=None):
        """Copies device pixels; ox and oy are device pixels too."""
        for y in range(other.h):
            for x in range(other.w):
                c = other.px[y][x]
                if c != transparent and 0 <= ox + x < self.w and 0 <= oy + y < self.h:
                    self.px[oy + y][ox + x] = c

    def scaled(self, n):
        out = Canvas(self.w * n, self.h * n)
        for y in range(out.h):
            out.px[y] = [self.px[y // n][x // n] for x in range(out.w)]
        return out

    def neighbour(self, x, y, dx, dy):
        """The pixel dx, dy away from (x, y); off the canvas, (x, y) itself."""
        if 0 <= x + dx < self.w and 0 <= y + dy < self.h:
            return self.get(x + dx, y + dy)
        return self.get(x, y)

    def scale2x(self):
        """Doubles the size and rounds off diagonal steps (EPX rule)."""
        out = Canvas(self.w * 2, self.h * 2)
        n = self.neighbour
        for y in range(self.h):
            for x in range(self.w):
                p = self.get(x, y)
                a, b, c, d = n(x, y, 0, -1), n(x, y, 1, 0), n(x, y, -1, 0), n(x, y, 0, 1)
                e0 = a if (c == a and c != d and a != b) else p
                e1 = b if (a == b and a != c and b != d) else p
                e2 = c if (d == c and d != b and c != a) else p
                e3 = d if (b == d and b != a and d != c) else p
                out.px[2 * y][2 * x] = e0
                out.px[2 * y][2 * x + 1] = e1
                out.px[2 * y + 1][2 * x] = e2
                out.px[2 * y + 1][2 * x + 1] = e3
        return out

    def scale3x(self):
        """Triples the size and rounds off diagonal steps, like scale2x."""
        out = Canvas(self.w * 3, self.h * 3)
        for y in range(self.h):
            for x in range(self.w):
                e = self.get(x, y)
                a, b, c, d, _, f, gg, h, i = (self.neighbour(x, y, dx, dy)
                                              for dy in (-1, 0, 1) for dx in (-1, 0, 1))
                db = d == b and b != f and d != h
                bf = b == f and b != d and f != h
                dh = d == h and d != b and h != f
                hf = h == f and d != h and b != f
                block = [
                    d if db else e,
                    b if (db and e != c) or (bf and e != a) else e,
                    f if bf else e,
                    d if (db and e != gg) or (dh and e != a) else e,
                    e,
                    f if (bf and e != i) or (hf and e != c) else e,
                    d if dh else e,
                    h if (dh and e != i) or (hf and e != gg) else e,
                    f if hf else e,
                ]
                for n, colour in enumerate(block):
                    out.px[3 * y + n // 3][3 * x + n % 3] = colour
        return out

    def save(self, path):
        write_png(path, self.w, self.h, self.px)


def upscaled(canvas, k):
    """The picture k times as large (k = 1, 2 or 3) with rounded diagonals."""
    if k == 1:
        return canvas
    return canvas.scale2x() if k == 2 else canvas.scale3x()


def check_grid(name, rows, w, h):
    assert len(rows) == h, '%s: %d rows, expected %d' % (name, len(rows), h)
    for i, r in enumerate(rows):
        assert len(r) == w, '%s row %d: %d wide, expected %d' % (name, i, len(r), w)


# --------------------------------------------------------------------------
# Colours
# --------------------------------------------------------------------------

BLACK = hexcol('000000')
GREY = hexcol('808080')
LIGHT = hexcol('C0C0C0')
WHITE = hexcol('FFFFFF')
RED = hexcol('FF0000')
YELLOW = hexcol('FFFF00')
OLIVE = hexcol('808000')

# Palette of the toolbar and dialog glyphs. Olive is the transparent colour,
# so no picture uses it for anything but the background.
GLYPH_PAL = {
    '.': OLIVE,
    'k': BLACK,
    'd': hexcol('404040'),
    'g': GREY,
    'l': LIGHT,
    'w': WHITE,
    'r': RED,
    'm': hexcol('800000'),
    'y': YELLOW,
    'p': hexcol('FFFF99'),
    'o': hexcol('FF9900'),
    'n': hexcol('000080'),
    'b': hexcol('0000FF'),
    'c': hexcol('00FFFF'),
    's': hexcol('996633'),
}

# The six cell pictures use only these colours.
CELL_PAL = {'k': BLACK, 'g': GREY, 'l': LIGHT, 'r': RED, 'y': YELLOW, 'w': WHITE}

# --------------------------------------------------------------------------
# Tiny fonts
# --------------------------------------------------------------------------

FONT3x5 = {
    'S': ['###', '#..', '###', '..#', '###'],
    'T': ['###', '.#.', '.#.', '.#.', '.#.'],
    'O': ['###', '#.#', '#.#', '#.#', '###'],
    'P': ['###', '#.#', '###', '#..', '#..'],
    'B': ['##.', '#.#', '##.', '#.#', '##.'],
    'r': ['...', '#.#', '##.', '#..', '#..'],
    'e': ['...', '###', '###', '#..', '###'],
    'l': ['#', '#', '#', '#', '#'],
    'v': ['...', '#.#', '#.#', '#.#', '.#.'],
    'o': ['...', '###', '#.#', '#.#', '###'],
    'x': ['...', '#.#', '.#.', '#.#', '#.#'],
    '1': ['.#.', '##.', '.#.', '.#.', '###'],
    '2': ['##.', '..#', '.#.', '#..', '###'],
    '3': ['##.', '..#', '.#.', '..#', '##.'],
}

FONT5x7 = {
    'B': ['####.', '#...#', '#...#', '####.', '#...#', '#...#', '####.'],
    'r': ['.....', '.....', '#.##.', '##..#', '#....', '#....', '#....'],
    'e': ['.....', '.....', '.###.', '#...#', '#####', '#....', '.###.'],
    'l': ['.##..', '..#..', '..#..', '..#..', '..#..', '..#..', '.###.'],
    'v': ['.....', '.....', '#...#', '#...#', '#...#', '.#.#.', '..#..'],
    'o': ['.....', '.....', '.###.', '#...#', '#...#', '#...#', '.###.'],
    'x': ['.....', '.....', '#...#', '.#.#.', '..#..', '.#.#.', '#...#'],
}

# Digits 5 wide and 9 high; the digit strips enlarge them.
DIGITS5x9 = [
    ['.###.', '#...#', '#...#', '#...#', '#...#', '#...#', '#...#', '#...#', '.###.'],
    ['..#..', '.##..', '#.#..', '..#..', '..#..', '..#..', '..#..', '..#..', '#####'],
    ['.###.', '#...#', '....#', '....#', '...#.', '..#..', '.#...', '#....', '#####'],
    ['.###.', '#...#', '....#', '....#', '..##.', '....#', '....#', '#...#', '.###.'],
    ['...#.', '..##.', '.#.#.', '#..#.', '#..#.', '#####', '...#.', '...#.', '...#.'],
    ['#####', '#....', '#....', '####.', '....#', '....#', '....#', '#...#', '.###.'],
    ['.###.', '#...#', '#....', '####.', '#...#', '#...#', '#...#', '#...#', '.###.'],
    ['#####', '....#', '....#', '...#.', '...#.', '..#..', '..#..', '..#..', '..#..'],
    ['.###.', '#...#', '#...#', '#...#', '.###.', '#...#', '#...#', '#...#', '.###.'],
    ['.###.', '#...#', '#...#', '#...#', '#...#', '.####', '....#', '#...#', '.###.'],
]


def text(canvas, s, font, ox, oy, colour, scale=1, advance=None):
    """Writes s with a grid font; returns the x after the last letter."""
    x = ox
    for ch in s:
        rows = font[ch]
        w = len(rows[0])
        for gy, row in enumerate(rows):
            for gx, cell in enumerate(row):
                if cell == '#':
                    canvas.rect(x + gx * scale, oy + gy * scale,
                                x + gx * scale + scale - 1, oy + gy * scale + scale - 1,
                                colour)
        x += (advance if advance is not None else (w + 1)) * scale
    return x


def text_width(s, font, scale=1):
    return sum((len(font[ch][0]) + 1) * scale for ch in s) - scale


# --------------------------------------------------------------------------
# Toolbar and dialog glyphs: 16 x 16, a normal and a greyed image side by side
# --------------------------------------------------------------------------

G_NEW = [
    '.........y..y..y',
    '..........y.y.y.',
    '................',
    '.kkkkkkkk...y.yy',
    '.kwwwwwwkk......',
    '.kwwwwwwkgk.y.y.',
    '.kwwwwwwkkk.y..y',
    '.kwwwwwwwwk.....',
    '.kwwwwwwwwk.....',
    '.kwwwwwwwwk.....',
    '.kwwwwwwwwk.....',
    '.kwwwwwwwwk.....',
    '.kwwwwwwwwk.....',
    '.kwwwwwwwwk.....',
    '.kwwwwwwwwk.....',
    '.kkkkkkkkkk.....',
]

G_SOUND = [
    '................',
    '........k.......',
    '.......kk.......',
    '......klk...r...',
    '.....kllk....r..',
    '.kkkkkllk.r...r.',
    '.klgkgllk..r..r.',
    '.klgkgllk..r..r.',
    '.klgkgllk..r..r.',
    '.klgkgllk..r..r.',
    '.kkkkkggk.r...r.',
    '.....kggk....r..',
    '......kgk...r...',
    '.......kk.......',
    '........k.......',
    '................',
]

G_INFO = [
    '....pyyyyyyp....',
    '...pyyrrrryyp...',
    '..pyyrryyrryyp..',
    '..pyyyyyyrryyp..',
    '..pyyyyyrryyyp..',
    '...pyyyrryyyp...',
    '....pyyyyyyp....',
    '.....pyrryp.....',
    '.kkk........kkk.',
    'kwwwkkk..kkkwwwk',
    'kwwwwwwkkwwwwwwk',
    'kwggggwkkwggggwk',
    'kwwwwwwkkwwwwwwk',
    'kwgggwwkkwgggwwk',
    'kwwwwwwkkwwwwwwk',
    '.nnnnnnnnnnnnnn.',
]

G_PAUSE = [
    '.kkk........kkk.',
    'kyyk.rrrrrr.kyyk',
    'kkkrrrrrrrrrrkkk',
    '..rrwwwwwwwwrr..',
    '..rrwwwkwwwwrr..',
    '.rrwwwwkwwwwwrr.',
    '.rrwwwwkwwwwwrr.',
    '.rrgwwwkwwwwgrr.',
    '.rrwwwwkkkkwwrr.',
    '.rrwwwwwwwwwwrr.',
    '.rrwwwwwwwwwwrr.',
    '..rrwwwwgwwwrr..',
    '..rrrwwwwwwrrr..',
    '...rrrrrrrrrr...',
    '..k..rrrrrr..k..',
    '.k............k.',
]

G_HINT = [
    '....y..yy..y....',
    '.....kkkkkk.....',
    'yy..kyywwyyk..yy',
    '...kyywyyyyyk...',
    '...kywyyyyyyk...',
    '.y.kyyyyyyyyk.y.',
    '...kyyyyyyyyk...',
    '....kyyyyyyk....',
    '....kyyyyyyk....',
    '.....kyyyyk.....',
    '.....kllllk.....',
    '.....kggggk.....',
    '.....kllllk.....',
    '......kggk......',
    '.......kk.......',
    '................',
]

G_UP = [
    '................',
    '.......kk.......',
    '......krrk......',
    '.....krrrrk.....',
    '....krrrrrrk....',
    '...krrrrrrrrk...',
    '..krrrrrrrrrrk..',
    '..kkkkrrrrkkkk..',
    '.....krrrrk.....',
    '.....krrrrk.....',
    '.....krrrrk.....',
    '.....krrrrk.....',
    '.....krrrrk.....',
    '.....krrrrk.....',
    '.....kkkkkk.....',
    '................',
]

G_START = [
    '................',
    '.............kk.',
    '............krrk',
    '...........krrrk',
    '..........krrrk.',
    '.........krrrk..',
    '.kk.....krrrk...',
    'krrk...krrrk....',
    'krrrk.krrrk.....',
    '.krrrkrrrk......',
    '..krrrrrk.......',
    '...krrrk........',
    '....krk.........',
    '.....k..........',
    '................',
    '................',
]

G_HOWTO = [
    '.....kkkkkk.....',
    '....kyyyyyyk....',
    '...kyyyyyyyyk...',
    '...kyyykkyyyyk..',
    '...kkkk..kyyyk..',
    '.........kyyyk..',
    '........kyyyk...',
    '.......kyyyk....',
    '......kyyyk.....',
    '......kyyyk.....',
    '......kkkkk.....',
    '................',
    '......kkkkk.....',
    '......kyyyk.....',
    '......kyyyk.....',
    '......kkkkk.....',
]

G_SCORES = [
    '................',
    '................',
    '.kkkkkkkkkkkkkk.',
    '.knnnnknnnnnnnk.',
    '.knnnnknnnnnnnk.',
    '.kkkkkkkkkkkkkk.',
    '.kwggwkwgggggwk.',
    '.kwwwwkwwwwwwwk.',
    '.kkkkkkkkkkkkkk.',
    '.kwggwkwggggwwk.',
    '.kwwwwkwwwwwwwk.',
    '.kkkkkkkkkkkkkk.',
    '.kwggwkwgggwwwk.',
    '.kwwwwkwwwwwwwk.',
    '.kkkkkkkkkkkkkk.',
    '................',
]


def glyph_from_grid(rows):
    check_grid('glyph', rows, 16, 16)
    c = Canvas(16, 16, OLIVE)
    c.grid(rows, GLYPH_PAL)
    return c


def glyph_cancel():
    """A red ring with a red bar from top left to bottom right."""
    c = Canvas(16, 16, OLIVE)
    cx = cy = 7.5
    c.disc(cx, cy, 7.4, BLACK)
    c.disc(cx, cy, 6.6, RED)
    c.disc(cx, cy, 4.6, WHITE)
    c.shape(lambda x, y: abs((x - cx) - (y - cy)) <= 1.6
            and (x - cx) ** 2 + (y - cy) ** 2 <= 5.5 ** 2, RED)
    return c


def transposed(rows):
    return [''.join(r[x] for r in rows) for x in range(len(rows[0]))]


def disabled(img):
    """The greyed image: the darker pixels of the normal one in grey, each
    with a white shadow to the lower right, as if pressed into the button."""
    def dark(c):
        return c != OLIVE and 0.3 * c[0] + 0.59 * c[1] + 0.11 * c[2] < 200
    out = Canvas(img.w, img.h, OLIVE)
    for y in range(img.h):
        for x in range(img.w):
            if dark(img.get(x, y)):
                out.set(x + 1, y + 1, WHITE)
    for y in range(img.h):
        for x in range(img.w):
            if dark(img.get(x, y)):
                out.set(x, y, GREY)
    # The bottom-left pixel names the transparent colour of the whole bitmap.
    out.set(0, img.h - 1, OLIVE)
    return out


def two_state(img):
    out = Canvas(32, 16, OLIVE)
    out.paste(img, 0, 0)
    out.paste(disabled(img), 16, 0)
    assert out.get(0, 15) == OLIVE
    return out


def make_glyphs():
    up = G_UP
    down = list(reversed(G_UP))
    back = transposed(G_UP)
    return {
        'glyph_new': glyph_from_grid(G_NEW),
        'glyph_sound': glyph_from_grid(G_SOUND),
        'glyph_info': glyph_from_grid(G_INFO),
        'glyph_pause': glyph_from_grid(G_PAUSE),
        'glyph_hint': glyph_from_grid(G_HINT),
        'glyph_up': glyph_from_grid(up),
        'glyph_down': glyph_from_grid(down),
        'glyph_start': glyph_from_grid(G_START),
        'glyph_cancel': glyph_cancel(),
        'glyph_back': glyph_from_grid(back),
        'glyph_howto': glyph_from_grid(G_HOWTO),
        'glyph_scores': glyph_from_grid(G_SCORES),
    }


# --------------------------------------------------------------------------
# Cell pictures
# --------------------------------------------------------------------------

BMP0_0 = [
    'gkkg',
    'kkkk',
    'kkkk',
    'kkkk',
    'kkkk',
    'kkkk',
    'kkkk',
    'kkkk',
    'kkkk',
    'gkkg',
    'llll',
    'gkkg',
    'kkkk',
    'kkkk',
    'gkkg',
]

BMP1_0 = [
    'llllllllrl',
    'lllllllryr',
    'llllllllrl',
    'lllllllwll',
    'llllllgwll',
    'llkkkkggll',
    'lkkkkkklll',
    'kkwkkkkkll',
    'kwkkkkkkll',
    'kkkkkkkkll',
    'kkkkkkkkll',
    'lkkkkkklll',
    'llkkkkllll',
]

FLAME = [
    '...r...',
    '..rr...',
    '..rrr..',
    '.rryrr.',
    '.ryyyr.',
    'rryyyyr',
    'ryyyyyr',
    '.ryyyr.',
    '..rrr..',
]

FUSE_CAP = [
    '..gg..',
    '.ggww.',
    'gggwg.',
    'ggggg.',
    '.gg...',
]


def cell_canvas(w, h, k=1):
    return Canvas(w, h, LIGHT, k)


def small_wrong_mark():
    c = cell_canvas(15, 15)
    cx, cy = 7.0, 7.5
    c.disc(cx, cy, 4.6, BLACK)
    c.set(5, 5, WHITE)
    c.set(6, 4, GREY)
    c.set(4, 6, GREY)
    c.rect(10, 2, 10, 3, GREY)
    c.set(11, 1, YELLOW)
    # Two strokes two pixels wide, corner to corner.
    for i in range(15):
        for dx in (0, 1):
            c.set(i + dx - (1 if i == 14 else 0), i, RED)
            c.set(14 - i - dx + (1 if i == 14 else 0), i, RED)
    return c


def large_bomb(w=25, h=32, ox=0, k=1, top=True):
    c = cell_canvas(w, h, k)
    cx, cy, r = ox + 10.5, 20.5, 11.0
    # Grey edge in the lower part of the ball, like a soft reflection.
    c.shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, GREY)
    c.shape(lambda x, y: (x - cx) ** 2 + (y - cy - 0.0) ** 2 <= (r - 1) ** 2
            or ((x - cx) ** 2 + (y - cy) ** 2 <= r * r and y < cy - 2), BLACK)
    c.shape(lambda x, y: (x - cx) ** 2 + (y - cy + 1.6) ** 2 <= (r - 1.2) ** 2
            and y >= cy + 3, BLACK)
    # A small highlight on the upper left of the ball.
    c.grid(['.gg', 'gw.', 'g..'], CELL_PAL, int(cx) - 6, int(cy) - 7)
    if top:
        bomb_top(c, ox)
    return c


def bomb_top(c, ox):
    """The fuse cap and the flame above it, at the large bomb's upper right."""
    c.grid(FUSE_CAP, CELL_PAL, ox + 16, 8)
    c.grid(FLAME, CELL_PAL, ox + 18, 0)


def large_mark(k=1):
    """A red octagonal stop sign with a white rim and STOP across it."""
    w, h = 25, 24
    c = cell_canvas(w, h, k)
    cx, cy = 12.0, 11.5

    def octagon(a, cut):
        return lambda x, y: (abs(x - cx) <= a and abs(y - cy) <= a
                             and abs(x - cx) + abs(y - cy) <= cut)
    c.shape(octagon(12.0, 17.0), GREY)
    c.shape(octagon(11.5, 16.0), WHITE)
    c.shape(octagon(9.5, 13.5), RED)
    tw = text_width('STOP', FONT3x5)
    text(c, 'STOP', FONT3x5, (w - tw) // 2, 9, WHITE)
    return c


def large_wrong_mark(k=1):
    """The large bomb, flame and fuse cap included, crossed out."""
    ox = 2
    c = large_bomb(29, 32, ox, k, top=False)
    # A red X of two strokes about four pixels wide, corner to corner.
    c.stroke(0, 0, 28, 31, 2.0, RED)
    c.stroke(28, 0, 0, 31, 2.0, RED)
    # The fuse cap and the flame lie on the stroke to the upper right corner:
    # they go in front of it, so the whole bomb shows, crossed out.
    bomb_top(c, ox)
    return c


def make_cells(k=1):
    for rows, w, h, name in ((BMP0_0, 4, 15, 'BMP0_0'), (BMP1_0, 10, 13, 'BMP1_0')):
        check_grid(name, rows, w, h)
    m = cell_canvas(4, 15)
    m.grid(BMP0_0, CELL_PAL)
    b = cell_canvas(10, 13)
    b.grid(BMP1_0, CELL_PAL)
    out = {
        'BMP0_0': upscaled(m, k),
        'BMP1_0': upscaled(b, k),
        'BMP2_0': upscaled(small_wrong_mark(), k),
        'BMP0_1': large_mark(k),
        'BMP1_1': large_bomb(k=k),
        'BMP2_1': large_wrong_mark(k),
    }
    allowed = set(CELL_PAL.values())
    for name, img in out.items():
        for row in img.px:
            assert set(row) <= allowed, name + ' uses a colour outside its palette'
    return out


# --------------------------------------------------------------------------
# Digit strips
# --------------------------------------------------------------------------

def big_digit(d):
    """A digit 11 x 18: the 5 x 9 design doubled with rounded diagonals,
    then thickened by one column."""
    src = Canvas(5, 9, 0)
    for y, row in enumerate(DIGITS5x9[d]):
        for x, ch in enumerate(row):
            src.px[y][x] = 1 if ch == '#' else 0
    dbl = src.scale2x()
    out = Canvas(11, 18, 0)
    for y in range(18):
        for x in range(10):
            if dbl.px[y][x]:
                out.px[y][x] = 1
                out.px[y][x + 1] = 1
    return out


def flip_strip():
    gw, h = 20, 27
    c = Canvas(gw * 10, h, BLACK)
    mid = 13
    for d in range(10):
        ox = d * gw
        for y in range(h):
            # Drum face: darker towards top and bottom, in hard bands.
            band = min(abs(y - mid) // 3, 4)
            v = (0x66, 0x58, 0x4A, 0x3C, 0x2E)[band]
            for x in range(1, gw - 1):
                c.set(ox + x, y, (v, v, v))
            c.set(ox + 1, y, (v - 0x18,) * 3)
            c.set(ox + gw - 2, y, (v - 0x18,) * 3)
        # The split line of the two flaps, and the flap hinge marks.
        for x in range(1, gw - 1):
            c.set(ox + x, mid, hexcol('181818'))
        for x in (1, gw - 2):
            c.set(ox + x, mid - 1, hexcol('101010'))
            c.set(ox + x, mid + 1, hexcol('101010'))
        glyph = big_digit(d)
        gx, gy = ox + 4, 4
        for y in range(glyph.h):
            for x in range(glyph.w):
                if glyph.px[y][x] and not (x + 1 < glyph.w and glyph.px[y][x + 1]):
                    # A dark shadow to the right of each stroke.
                    c.set(gx + x + 1, gy + y, hexcol('1A1A1A'))
        for y in range(glyph.h):
            for x in range(glyph.w):
                if glyph.px[y][x]:
                    # White on the upper flap, light grey on the lower one;
                    # where the flaps meet the digit is a shade darker.
                    yy = gy + y
                    colour = WHITE if yy < mid else hexcol('D8D8D8')
                    if yy == mid:
                        colour = hexcol('A8A8A8')
                    c.set(gx + x, yy, colour)
        # Thin dark separators between the glyphs.
        for y in range(h):
            c.set(ox, y, hexcol('0C0C0C'))
            c.set(ox + gw - 1, y, hexcol('0C0C0C'))
    return c


# Segments a..g in a 16 x 21 cell: each is a list of (x0, x1, y) runs.
def _horizontal(y_rows, x0, x1):
    runs = []
    for y, inset in y_rows:
        runs.append((x0 + inset, x1 - inset, y))
    return runs


def _vertical(x_cols, y0, y1):
    runs = []
    for x, inset in x_cols:
        for y in range(y0 + inset, y1 - inset + 1):
            runs.append((x, x, y))
    return runs


SEGMENTS = {
    'a': _horizontal([(1, 0), (2, 0), (3, 1)], 4, 11),
    'g': _horizontal([(9, 1), (10, 0), (11, 1)], 4, 11),
    'd': _horizontal([(17, 1), (18, 0), (19, 0)], 4, 11),
    'f': _vertical([(2, 0), (3, 0), (4, 1)], 3, 8),
    'b': _vertical([(13, 0), (12, 0), (11, 1)], 3, 8),
    'e': _vertical([(2, 0), (3, 0), (4, 1)], 12, 17),
    'c': _vertical([(13, 0), (12, 0), (11, 1)], 12, 17),
}

# The segments lit for each digit.
LIT = ['abcdef', 'bc', 'abdeg', 'abcdg', 'bcfg', 'acdfg', 'acdefg', 'abc',
       'abcdefg', 'abcdfg']

# The glowing core of each segment: a paler line along its middle with a
# white highlight in the centre.
CORE = {
    'a': ([(x, 2) for x in range(6, 10)], [(7, 2), (8, 2)]),
    'g': ([(x, 10) for x in range(6, 10)], [(7, 10), (8, 10)]),
    'd': ([(x, 18) for x in range(6, 10)], [(7, 18), (8, 18)]),
    'f': ([(3, y) for y in range(5, 7)], [(3, 5)]),
    'b': ([(12, y) for y in range(5, 7)], [(12, 5)]),
    'e': ([(3, y) for y in range(14, 16)], [(3, 14)]),
    'c': ([(12, y) for y in range(14, 16)], [(12, 14)]),
}


def segment_strip():
    gw, h = 16, 21
    lit, unlit = hexcol('35FFF5'), hexcol('1A807A')
    c = Canvas(gw * 10, h, BLACK)
    for d in range(10):
        ox = d * gw
        for seg, runs in SEGMENTS.items():
            on = seg in LIT[d]
            for x0, x1, y in runs:
                for x in range(x0, x1 + 1):
                    c.set(ox + x, y, lit if on else unlit)
            if on:
                pale, white = CORE[seg]
                for x, y in pale:
                    c.set(ox + x, y, hexcol('A0FFFA'))
                for x, y in white:
                    c.set(ox + x, y, WHITE)
    return c


# --------------------------------------------------------------------------
# Application icon
# --------------------------------------------------------------------------

def draw_mine(c, cx, cy, r, shades):
    """A round sea mine with eight spikes, lit from the upper left.
    shades: colours from darkest to brightest, the last for the glint."""
    spike_len = r * 0.5
    spike_w = max(0.5, r * 0.12 if r < 10 else r * 0.16)
    dark = shades[0]
    for k in range(8):
        ang = k * math.pi / 4
        long = spike_len if k % 2 == 0 else spike_len * 0.75
        ex, ey = cx + math.cos(ang) * (r + long), cy + math.sin(ang) * (r + long)
        c.stroke(cx, cy, ex, ey, spike_w, shades[1])
        # A knob at the end of each straight spike.
        if k % 2 == 0 and r >= 6:
            c.disc(ex, ey, spike_w * 1.4, shades[1])
    lx, ly = -0.6, -0.7
    n = len(shades) - 1

    def shade_at(x, y):
        dx, dy = (x - cx) / r, (y - cy) / r
        z = math.sqrt(max(0.0, 1 - dx * dx - dy * dy))
        lum = max(0.0, dx * lx + dy * ly + z * 0.55)
        return min(n - 1, int(lum * n))
    for y in range(c.h):
        for x in range(c.w):
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                c.set(x, y, shades[shade_at(x, y)])
    # Dark rim and a small bright glint.
    for y in range(c.h):
        for x in range(c.w):
            d2 = (x - cx) ** 2 + (y - cy) ** 2
            if (r - 0.9) ** 2 < d2 <= r * r and (x - cx) + (y - cy) > 0:
                c.set(x, y, dark)
    gr = max(0.6, r * 0.18)
    c.disc(cx - r * 0.4, cy - r * 0.45, gr, shades[-1])


def draw_bang(c, x0, y0, w, h, red, dark_red):
    """A red exclamation mark in the box x0, y0, w, h: a bar that narrows
    towards the bottom, a gap, then a round dot."""
    bar_h = h * 0.68
    dot_r = w * 0.42
    cx = x0 + (w - 1) / 2.0

    def bar(x, y):
        t = (y - y0) / bar_h
        if t < 0 or t > 1:
            return False
        half = (w / 2.0) * (1 - 0.45 * t)
        return abs(x - cx) <= half - 0.01
    c.shape(bar, red)
    # Shade the right side of the bar.
    c.shape(lambda x, y: bar(x, y) and not bar(x + max(1, w // 5), y), dark_red)
    dcy = y0 + h - dot_r - 0.5
    c.disc(cx, dcy, dot_r, red)
    c.shape(lambda x, y: (x - cx) ** 2 + (y - dcy) ** 2 <= dot_r ** 2
            and (x - cx + max(1, w // 5)) ** 2 + (y - dcy) ** 2 > dot_r ** 2, dark_red)


ICON_GREYS = [hexcol('404040'), hexcol('808080'), hexcol('A0A0A0'),
              hexcol('C0C0C0'), hexcol('FFFFFF')]


def icon(size):
    c = Canvas(size, size, BLACK)
    s = size / 32.0
    with_name = size >= 32
    art_h = 23 * s if with_name else size
    # Exclamation mark on the left, mine on the right.
    draw_bang(c, round(2 * s), round(2 * s), max(3, round(6 * s)),
              round(art_h - 3 * s), RED, hexcol('800000'))
    if size >= 48:
        greys = ICON_GREYS
    else:
        greys = [hexcol('404040'), GREY, LIGHT, WHITE]
    mr = 6.6 * s if with_name else 7.2 * s
    # Whole-pixel centres keep the spikes symmetric.
    mcx = round(size * 0.62)
    mcy = round(art_h * 0.52 if with_name else size * 0.55)
    draw_mine(c, mcx, mcy, mr, greys)
    if with_name:
        name = 'Brelvox'
        if size == 32:
            font, k = FONT3x5, 1
        elif size == 48:
            font, k = FONT5x7, 1
        elif size == 64:
            font, k = FONT3x5, 2
        elif size == 128:
            font, k = FONT3x5, 4
        else:
            font, k = FONT5x7, size // 52
        tw = text_width(name, font, k)
        th = len(font['B']) * k
        tx = (size - tw) // 2
        ty = size - th - max(1, round(2 * s))
        text(c, name, font, tx, ty, hexcol('C0C0C0'), k)
    return c


def icons():
    out = {'icon': icon(32)}
    for n in (16, 48, 64, 128, 256):
        out['icon_%d' % n] = icon(n)
    return out


# --------------------------------------------------------------------------
# Info picture: a cartoon mine sitting on a mine field under a blue sky
# --------------------------------------------------------------------------

NUM_COLOURS = {1: hexcol('000080'), 2: RED, 3: hexcol('008000')}


def info_picture(k=1):
    w, h = 95, 115
    c = Canvas(w, h, BLACK, k)
    # Sky in hard bands, lighter towards the horizon.
    sky = [hexcol(v) for v in ('3A6FD8', '4A80E0', '5B90E8', '6EA2EE', '82B4F2', '98C6F6')]
    horizon = 62
    for y in range(horizon):
        band = min(len(sky) - 1, y * len(sky) // horizon)
        for x in range(w):
            c.set(x, y, sky[band])
    # Sun with rays.
    sun_x, sun_y = 16, 15
    for k in range(12):
        a = k * math.pi / 6
        c.stroke(sun_x + math.cos(a) * 9, sun_y + math.sin(a) * 9,
                 sun_x + math.cos(a) * 12.5, sun_y + math.sin(a) * 12.5, 0.8, hexcol('FFE060'))
    c.disc(sun_x, sun_y, 7.5, hexcol('FFD020'))
    c.disc(sun_x, sun_y, 6.0, hexcol('FFF060'))
    # Clouds.
    for (x, y, r) in ((62, 12, 5), (69, 9, 6), (76, 12, 5), (70, 14, 4),
                      (9, 38, 3.5), (14, 36, 4.5), (19, 38, 3.5)):
        c.disc(x, y, r, WHITE)
    c.shape(lambda x, y: 57 <= x <= 81 and 13 <= y <= 16, WHITE)
    c.shape(lambda x, y: 6 <= x <= 22 and 38 <= y <= 40, WHITE)
    # Green hills on the horizon.
    c.shape(lambda x, y: y >= horizon - 8 + 0.004 * (x - 20) ** 2 and y < horizon + 2,
            hexcol('3C9A3C'))
    c.shape(lambda x, y: y >= horizon - 5 + 0.006 * (x - 75) ** 2 and y < horizon + 2,
            hexcol('2E8A2E'))
    c.rect(0, horizon, w - 1, h - 1, hexcol('2E8A2E'))

    # The mine field: a board of raised cells, some uncovered, one flagged.
    cell = 11
    cols, rows = 8, 4
    bx = (w - cols * cell) // 2
    by = h - rows * cell - 4
    c.rect(bx - 2, by - 2, bx + cols * cell + 1, by + rows * cell + 1, hexcol('606060'))
    layout = [
        '99F99999',
        '9211F999',
        '1..12999',
        '.....1F9',
    ]
    for r in range(rows):
        for col in range(cols):
            x0, y0 = bx + col * cell, by + r * cell
            code = layout[r][col]
            covered = code in '9F'
            face = LIGHT if covered else hexcol('D0D0D0')
            c.rect(x0, y0, x0 + cell - 1, y0 + cell - 1, face)
            light = WHITE if covered else GREY
            darkc = BLACK if covered else GREY
            c.rect(x0, y0, x0 + cell - 1, y0, light)
            c.rect(x0, y0, x0, y0 + cell - 1, light)
            c.rect(x0 + cell - 1, y0, x0 + cell - 1, y0 + cell - 1, darkc)
            c.rect(x0, y0 + cell - 1, x0 + cell - 1, y0 + cell - 1, darkc)
            if code == 'F':
                # A small red flag on a black pole.
                c.rect(x0 + 5, y0 + 2, x0 + 5, y0 + 8, BLACK)
                c.rect(x0 + 3, y0 + 8, x0 + 7, y0 + 8, BLACK)
                c.grid(['rrr', 'rrrr', 'rrr'], {'r': RED}, x0 + 2, y0 + 2)
                c.set(x0 + 5, y0 + 2, RED)
                c.set(x0 + 5, y0 + 3, RED)
                c.set(x0 + 5, y0 + 4, RED)
                c.rect(x0 + 5, y0 + 5, x0 + 5, y0 + 8, BLACK)
            elif code.isdigit() and code != '9':
                n = int(code)
                text(c, str(n), FONT3x5, x0 + 4, y0 + 3, NUM_COLOURS[n])

    # The mascot: a round black mine with spikes, big eyes and a smile.
    mx, my, mr = 50, 50, 17
    for k in range(8):
        a = k * math.pi / 4 + math.pi / 8
        ex, ey = mx + math.cos(a) * (mr + 7), my + math.sin(a) * (mr + 7)
        c.stroke(mx, my, ex, ey, 1.6, hexcol('505058'))
        c.disc(ex, ey, 2.4, hexcol('505058'))
        c.disc(ex - 0.6, ey - 0.6, 1.0, hexcol('8A8A96'))
    c.disc(mx, my, mr, hexcol('1C1C24'))
    c.shape(lambda x, y: (x - mx) ** 2 + (y - my) ** 2 <= mr * mr
            and (x - mx + 3) ** 2 + (y - my + 3) ** 2 <= (mr - 2) ** 2, hexcol('2E2E3A'))
    c.shape(lambda x, y: (x - mx) ** 2 + (y - my) ** 2 <= mr * mr
            and (x - mx + 6) ** 2 + (y - my + 6) ** 2 <= (mr - 7) ** 2, hexcol('44445A'))
    c.disc(mx - 8, my - 9, 2.2, hexcol('9A9AB4'))
    c.disc(mx - 8.6, my - 9.6, 1.0, WHITE)
    # Eyes.
    for ex in (mx - 6, mx + 6):
        c.disc(ex, my - 2, 4.2, WHITE)
        c.disc(ex + 1, my - 1, 2.2, BLACK)
        c.set(ex, my - 3, WHITE)
    # Rosy cheeks and a smile.
    c.disc(mx - 11, my + 5, 1.8, hexcol('E05A7A'))
    c.disc(mx + 11, my + 5, 1.8, hexcol('E05A7A'))
    c.shape(lambda x, y: 4.0 ** 2 <= (x - mx) ** 2 + (y - my - 4) ** 2 <= 5.6 ** 2
            and y >= my + 6, hexcol('F0F0F0'))
    # The fuse on top, with a spark.
    c.stroke(mx + 2, my - mr + 1, mx + 6, my - mr - 7, 1.2, hexcol('C8A060'))
    sx, sy = mx + 7, my - mr - 9
    for k in range(8):
        a = k * math.pi / 4
        c.stroke(sx, sy, sx + math.cos(a) * 4.5, sy + math.sin(a) * 4.5, 0.7,
                 hexcol('FF9900') if k % 2 else YELLOW)
    c.disc(sx, sy, 1.6, WHITE)
    # A thin frame.
    for x in range(w):
        c.set(x, 0, hexcol('203060'))
        c.set(x, h - 1, hexcol('104010'))
    for y in range(h):
        c.set(0, y, hexcol('203060') if y < horizon else hexcol('104010'))
        c.set(w - 1, y, hexcol('203060') if y < horizon else hexcol('104010'))
    return c


# --------------------------------------------------------------------------

def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--out', default=os.path.join(here, '..', 'assets'))
    ap.add_argument('--preview', help='also write enlarged copies into this folder')
    args = ap.parse_args()

    pictures = {}
    pictures.update({k: two_state(v) for k, v in make_glyphs().items()})
    pictures.update(make_cells())
    pictures['digits_flip'] = flip_strip()
    pictures['digits_segment'] = segment_strip()
    pictures.update(icons())
    pictures['info_picture'] = info_picture()

    # The finer copies: shapes drawn anew, the rest enlarged.
    finer = {}
    for k in (2, 3):
        drawn = make_cells(k)
        drawn['info_picture'] = info_picture(k)
        for name, img in pictures.items():
            if name.startswith('icon'):
                continue
            finer['%s@%dx' % (name, k)] = drawn.get(name) or upscaled(img, k)

    os.makedirs(args.out, exist_ok=True)
    for name, img in sorted(list(pictures.items()) + list(finer.items())):
        img.save(os.path.join(args.out, name + '.png'))
    if args.preview:
        os.makedirs(args.preview, exist_ok=True)
        for name, img in sorted(pictures.items()):
            k = max(1, min(12, 400 // max(img.w, img.h)))
            img.scaled(k).save(os.path.join(args.preview, name + '.png'))
    print('%d pictures written to %s' % (len(pictures) + len(finer),
                                         os.path.normpath(args.out)))


if __name__ == '__main__':
    main()
