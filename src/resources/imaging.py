"""Drawing helpers of make_images.py: shapes, a stroke font, an antialiasing renderer, PNG and JPEG writers.

Only the Python standard library is used. A shape is a function (x, y) -> bool telling whether a point lies
inside it; shapes made here also carry a bounding box (`bbox`, the renderer only visits those pixels) and
say whether they are `coarse`: without details smaller than a pixel, so that a pixel whose four corners
agree is fully inside or fully outside and needs no further samples. A paint is an RGBA tuple or a
function (x, y) -> RGBA tuple.
"""

import colorsys
import heapq
import math
import struct
import zlib

SAMPLES = 4


# ---------------------------------------------------------------------------------------------- shapes

def bounded(inside, x0, y0, x1, y1, coarse=True):
    inside.bbox = (x0, y0, x1, y1)
    inside.coarse = coarse
    return inside


def bbox_of(shape):
    return getattr(shape, "bbox", None)


def circle(cx, cy, r):
    return bounded(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, cx - r, cy - r, cx + r, cy + r)


def ring(cx, cy, r, w):
    o = r + w / 2
    return bounded(lambda x, y: abs(math.hypot(x - cx, y - cy) - r) <= w / 2, cx - o, cy - o, cx + o, cy + o)


def arc_band(cx, cy, r0, r1, a0, a1):
    """The part of the annulus r0..r1 between the compass bearings a0 and a1 (degrees, clockwise from up)."""
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if not r0 <= d <= r1:
            return False
        bearing = math.degrees(math.atan2(x - cx, cy - y)) % 360
        return (bearing - a0) % 360 <= (a1 - a0) % 360
    return bounded(inside, cx - r1, cy - r1, cx + r1, cy + r1)


def rect(x0, y0, x1, y1):
    return bounded(lambda x, y: x0 <= x <= x1 and y0 <= y <= y1, x0, y0, x1, y1)


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        qx = max(x0 + r - x, 0, x - (x1 - r))
        qy = max(y0 + r - y, 0, y - (y1 - r))
        return x0 <= x <= x1 and y0 <= y <= y1 and qx * qx + qy * qy <= r * r
    return bounded(inside, x0, y0, x1, y1)


def polygon(points):
    """Any simple polygon (even-odd rule)."""
    n = len(points)

    def inside(x, y):
        result = False
        for i in range(n):
            (xa, ya), (xb, yb) = points[i], points[i - 1]
            if (ya > y) != (yb > y) and x < xa + (y - ya) * (xb - xa) / (yb - ya):
                result = not result
        return result
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return bounded(inside, min(xs), min(ys), max(xs), max(ys))


def capsule(x0, y0, x1, y1, r):
    """A line from (x0, y0) to (x1, y1), r on either side, with round ends."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1e-12

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        ex, ey = x - (x0 + t * dx), y - (y0 + t * dy)
        return ex * ex + ey * ey <= r * r
    return bounded(inside, min(x0, x1) - r, min(y0, y1) - r, max(x0, x1) + r, max(y0, y1) + r, r >= 0.75)


def polyline(points, r):
    return union(*[capsule(xa, ya, xb, yb, r) for (xa, ya), (xb, yb) in zip(points, points[1:])])


def union(*shapes):
    shapes = [s for s in shapes if s is not None]
    boxes = [bbox_of(s) for s in shapes]

    def inside(x, y):
        for s, b in zip(shapes, boxes):
            if (b is None or (b[0] <= x <= b[2] and b[1] <= y <= b[3])) and s(x, y):
                return True
        return False
    if any(b is None for b in boxes):
        inside.coarse = False
        return inside
    return bounded(inside, min(b[0] for b in boxes), min(b[1] for b in boxes), max(b[2] for b in boxes),
                   max(b[3] for b in boxes), all(getattr(s, "coarse", False) for s in shapes))


def intersection(a, b):
    box = bbox_of(a) or bbox_of(b)
    inside = lambda x, y: a(x, y) and b(x, y)
    if box is None:
        return inside
    return bounded(inside, *box, getattr(a, "coarse", False) and getattr(b, "coarse", False))


def difference(a, b):
    inside = lambda x, y: a(x, y) and not b(x, y)
    box = bbox_of(a)
    if box is None:
        return inside
    return bounded(inside, *box, getattr(a, "coarse", False) and getattr(b, "coarse", False))


# ------------------------------------------------------------------------------------------ stroke font

# Glyphs on a grid 4 wide and 6 high (y down), each a list of polylines.
GLYPHS = {
    "0": [[(1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6), (0, 5), (0, 1), (1, 0)]],
    "1": [[(1, 1), (2, 0), (2, 6)], [(1, 6), (3, 6)]],
    "2": [[(0, 1), (1, 0), (3, 0), (4, 1), (4, 2), (0, 6), (4, 6)]],
    "3": [[(0, 0), (4, 0), (2, 2.5), (3, 2.5), (4, 3.5), (4, 5), (3, 6), (1, 6), (0, 5)]],
    "4": [[(3, 6), (3, 0), (0, 4), (4, 4)]],
    "5": [[(4, 0), (0, 0), (0, 2.5), (3, 2.5), (4, 3.5), (4, 5), (3, 6), (0, 6)]],
    "6": [[(3, 0), (1, 0), (0, 1), (0, 5), (1, 6), (3, 6), (4, 5), (4, 3.5), (3, 2.5), (0, 2.5)]],
    "7": [[(0, 0), (4, 0), (1.5, 6)]],
    "8": [[(1, 0), (3, 0), (4, 1), (4, 2), (3, 3), (1, 3), (0, 4), (0, 5), (1, 6), (3, 6), (4, 5), (4, 4), (3, 3)],
          [(1, 3), (0, 2), (0, 1), (1, 0)]],
    "9": [[(4, 3.5), (1, 3.5), (0, 2.5), (0, 1), (1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6)]],
    "E": [[(4, 0), (0, 0), (0, 6), (4, 6)], [(0, 3), (3, 3)]],
    "K": [[(0, 0), (0, 6)], [(4, 0), (0, 3.5)], [(1.2, 2.6), (4, 6)]],
    "N": [[(0, 6), (0, 0), (4, 6), (4, 0)]],
    "S": [[(4, 1), (3, 0), (1, 0), (0, 1), (0, 2), (1, 3), (3, 3), (4, 4), (4, 5), (3, 6), (1, 6), (0, 5)]],
    "W": [[(0, 0), (1, 6), (2, 2), (3, 6), (4, 0)]],
    "!": [[(2, 0), (2, 3.8)], [(2, 5.6), (2, 5.7)]],
    "?": [[(0, 1.3), (1, 0), (3, 0), (4, 1), (4, 2), (2, 3.3), (2, 4)], [(2, 5.6), (2, 5.7)]],
}
GLYPH_ADVANCE = 5.6


def text_strokes(text, height):
    """The polylines of a text whose glyphs are `height` high, centred on (0, 0)."""
    unit = height / 6.0
    width = (len(text) - 1) * GLYPH_ADVANCE + 4
    lines = []
    for i, ch in enumerate(text):
        ox = i * GLYPH_ADVANCE - width / 2
        for stroke in GLYPHS[ch]:
            lines.append([((ox + x) * unit, (y - 3) * unit) for x, y in stroke])
    return lines


def text(string, cx, cy, height, weight, angle=0.0):
    """A text centred on (cx, cy), turned clockwise by angle degrees; weight is the stroke width."""
    c, s = math.cos(math.radians(angle)), math.sin(math.radians(angle))
    shapes = []
    for line in text_strokes(string, height):
        points = [(cx + x * c - y * s, cy + x * s + y * c) for x, y in line]
        shapes.append(polyline(points, weight / 2) if len(points) > 1 else None)
    return union(*shapes)


# --------------------------------------------------------------------------------------------- painting

def hls(h, l, s):
    r, g, b = colorsys.hls_to_rgb(h, l, s)
    return (round(r * 255), round(g * 255), round(b * 255), 255)


def vertical_gradient(y0, c0, y1, c1):
    def paint(x, y):
        t = max(0.0, min(1.0, (y - y0) / (y1 - y0)))
        return tuple(round(a + (b - a) * t) for a, b in zip(c0, c1))
    return paint


def render(width, height, layers, background=(0, 0, 0, 0)):
    """Composites the layers (shape, paint) in order over the background; returns rows of RGBA bytes.

    Every pixel is sampled SAMPLES x SAMPLES times against a shape, except inside the bounding box of a
    coarse shape where the pixel's four corners agree."""
    n = width * height
    bg_alpha = background[3] / 255.0
    r = [background[0] * bg_alpha] * n
    g = [background[1] * bg_alpha] * n
    b = [background[2] * bg_alpha] * n
    a = [bg_alpha] * n
    step = 1.0 / SAMPLES
    offsets = [((sx + 0.5) * step, (sy + 0.5) * step) for sy in range(SAMPLES) for sx in range(SAMPLES)]
    for shape, paint in layers:
        box = bbox_of(shape)
        if box is None:
            px0, py0, px1, py1 = 0, 0, width, height
        else:
            px0, py0 = max(0, math.floor(box[0])), max(0, math.floor(box[1]))
            px1, py1 = min(width, math.ceil(box[2]) + 1), min(height, math.ceil(box[3]) + 1)
        if px0 >= px1 or py0 >= py1:
            continue
        coarse = box is not None and getattr(shape, "coarse", False)
        if coarse:
            corners = [[shape(x, y) for x in range(px0, px1 + 1)] for y in range(py0, py1 + 1)]
        for py in range(py0, py1):
            for px in range(px0, px1):
                if coarse:
                    top, bottom = corners[py - py0], corners[py - py0 + 1]
                    c = top[px - px0]
                    if c == top[px - px0 + 1] == bottom[px - px0] == bottom[px - px0 + 1]:
                        hits = len(offsets) if c else 0
                    else:
                        hits = sum(1 for ox, oy in offsets if shape(px + ox, py + oy))
                else:
                    hits = sum(1 for ox, oy in offsets if shape(px + ox, py + oy))
                if not hits:
                    continue
                cr, cg, cb, ca = paint if isinstance(paint, tuple) else paint(px + 0.5, py + 0.5)
                alpha = hits / len(offsets) * ca / 255.0
                i = py * width + px
                # "over" with premultiplied components
                r[i] = cr * alpha + r[i] * (1 - alpha)
                g[i] = cg * alpha + g[i] * (1 - alpha)
                b[i] = cb * alpha + b[i] * (1 - alpha)
                a[i] = alpha + a[i] * (1 - alpha)
    rows = []
    for py in range(height):
        row = bytearray()
        for i in range(py * width, (py + 1) * width):
            if a[i] > 0:
                row += bytes((round(r[i] / a[i]), round(g[i] / a[i]), round(b[i] / a[i]), round(a[i] * 255)))
            else:
                row += bytes((0, 0, 0, 0))
        rows.append(bytes(row))
    return rows


# ---------------------------------------------------------------------------------------------- writers

def write_png(path, width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + row for row in rows)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


LUMA_QUANT = [16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55, 14, 13, 16, 24, 40, 57, 69, 56,
              14, 17, 22, 29, 51, 87, 80, 62, 18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
              49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99]
CHROMA_QUANT = [17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99, 99, 99,
                47, 66, 99, 99, 99, 99, 99, 99] + [99] * 32


def zigzag_order():
    order = sorted(((x, y) for y in range(8) for x in range(8)),
                   key=lambda p: (p[0] + p[1], p[0] if (p[0] + p[1]) % 2 == 0 else p[1]))
    return [y * 8 + x for x, y in order]


def huffman_lengths(freq):
    """Code lengths (at most 16 bits) for the symbols with a count; a reserved symbol keeps the all-ones
    code unused, as JPEG requires."""
    freq = dict(freq)
    freq[256] = 1
    while True:
        heap = [(f, i, [s]) for i, (s, f) in enumerate(sorted(freq.items()))]
        heapq.heapify(heap)
        lengths = {s: 0 for s in freq}
        counter = len(heap)
        while len(heap) > 1:
            f1, _, s1 = heapq.heappop(heap)
            f2, _, s2 = heapq.heappop(heap)
            for s in s1 + s2:
                lengths[s] += 1
            heapq.heappush(heap, (f1 + f2, counter, s1 + s2))
            counter += 1
        if max(lengths.values()) <= 16:
            break
        freq = {s: (f + 1) // 2 for s, f in freq.items()}
    # The reserved symbol takes one of the longest codes, which canonical numbering makes all ones.
    del lengths[256]
    return lengths


def canonical_codes(lengths):
    codes = {}
    code = 0
    previous = 0
    for length, symbol in sorted((l, s) for s, l in lengths.items()):
        code <<= length - previous
        codes[symbol] = (code, length)
        code += 1
        previous = length
    return codes


def write_jpeg(path, width, height, rows, quality=92):
    """A baseline JPEG (YCbCr without subsampling, Huffman tables made for this image) of the RGB rows;
    alpha is ignored."""
    scale = 5000 / quality if quality < 50 else 200 - 2 * quality
    quant = [[max(1, min(255, (q * scale + 50) // 100)) for q in table] for table in (LUMA_QUANT, CHROMA_QUANT)]
    zz = zigzag_order()
    cos_table = [[(math.sqrt(0.5) if u == 0 else 1.0) * math.cos((2 * x + 1) * u * math.pi / 16) / 2
                  for x in range(8)] for u in range(8)]

    def pixel(x, y):
        row = rows[min(y, height - 1)]
        x = min(x, width - 1)
        return row[4 * x], row[4 * x + 1], row[4 * x + 2]

    # Quantised coefficients of every block, in zig-zag order, per component.
    blocks = []
    for by in range(0, height, 8):
        for bx in range(0, width, 8):
            planes = [[0.0] * 64 for _ in range(3)]
            for y in range(8):
                for x in range(8):
                    cr, cg, cb = pixel(bx + x, by + y)
                    planes[0][y * 8 + x] = 0.299 * cr + 0.587 * cg + 0.114 * cb - 128
                    planes[1][y * 8 + x] = -0.168736 * cr - 0.331264 * cg + 0.5 * cb
                    planes[2][y * 8 + x] = 0.5 * cr - 0.418688 * cg - 0.081312 * cb
            mcu = []
            for comp, plane in enumerate(planes):
                rows_t = [[sum(plane[y * 8 + x] * cos_table[u][x] for x in range(8)) for u in range(8)]
                          for y in range(8)]
                coeff = [0] * 64
                for v in range(8):
                    for u in range(8):
                        value = sum(rows_t[y][u] * cos_table[v][y] for y in range(8))
                        coeff[v * 8 + u] = value
                table = quant[0 if comp == 0 else 1]
                mcu.append([int(round(coeff[k] / table[k])) for k in zz])
            blocks.append(mcu)

    def category(value):
        return 0 if value == 0 else abs(value).bit_length()

    # Symbols per table: DC luma, DC chroma, AC luma, AC chroma.
    symbols = []
    previous_dc = [0, 0, 0]
    for mcu in blocks:
        out = []
        for comp, coeff in enumerate(mcu):
            kind = 0 if comp == 0 else 1
            diff = coeff[0] - previous_dc[comp]
            previous_dc[comp] = coeff[0]
            out.append((kind, category(diff), diff))
            run = 0
            last = max([k for k in range(1, 64) if coeff[k] != 0], default=0)
            for k in range(1, last + 1):
                if coeff[k] == 0:
                    run += 1
                    continue
                while run > 15:
                    out.append((2 + kind, 0xF0, None))
                    run -= 16
                out.append((2 + kind, (run << 4) | category(coeff[k]), coeff[k]))
                run = 0
            if last < 63:
                out.append((2 + kind, 0x00, None))
        symbols.extend(out)
    freqs = [{} for _ in range(4)]
    for table, symbol, _ in symbols:
        freqs[table][symbol] = freqs[table].get(symbol, 0) + 1
    codes = [canonical_codes(huffman_lengths(f)) for f in freqs]

    data = bytearray()
    acc, bits = 0, 0

    def put(value, length):
        nonlocal acc, bits
        acc = (acc << length) | (value & ((1 << length) - 1))
        bits += length
        while bits >= 8:
            byte = (acc >> (bits - 8)) & 0xFF
            data.append(byte)
            if byte == 0xFF:
                data.append(0)
            bits -= 8
        acc &= (1 << bits) - 1

    for table, symbol, value in symbols:
        code, length = codes[table][symbol]
        put(code, length)
        size = symbol & 0x0F if table >= 2 else symbol
        if size:
            put(value if value >= 0 else value + (1 << size) - 1, size)
    if bits:
        put((1 << (8 - bits)) - 1, 8 - bits)

    def segment(marker, payload):
        return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload

    out = b"\xff\xd8"
    out += segment(0xE0, b"JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00")
    for index, table in enumerate(quant):
        out += segment(0xDB, bytes([index]) + bytes(table[k] for k in zz))
    out += segment(0xC0, struct.pack(">BHHB", 8, height, width, 3) + bytes([1, 0x11, 0, 2, 0x11, 1, 3, 0x11, 1]))
    for index, (klass, ident) in enumerate(((0, 0), (0, 1), (1, 0), (1, 1))):
        lengths = {s: l for s, (c, l) in codes[index].items()}
        counts = [sum(1 for l in lengths.values() if l == n) for n in range(1, 17)]
        ordered = [s for l, s in sorted((l, s) for s, l in lengths.items())]
        out += segment(0xC4, bytes([(klass << 4) | ident]) + bytes(counts) + bytes(ordered))
    out += segment(0xDA, bytes([3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0]))
    out += bytes(data) + b"\xff\xd9"
    with open(path, "wb") as f:
        f.write(out)


def polygon_distance(points, x, y):
    """Signed distance to a convex polygon given clockwise in screen coordinates (negative inside)."""
    worst = -1e9
    n = len(points)
    for i in range(n):
        (x0, y0), (x1, y1) = points[i], points[(i + 1) % n]
        ex, ey = x1 - x0, y1 - y0
        length = math.hypot(ex, ey)
        # outward normal of a clockwise polygon in y-down coordinates
        nx, ny = ey / length, -ex / length
        worst = max(worst, (x - x0) * nx + (y - y0) * ny)
    return worst


def convex(points):
    """A convex polygon given clockwise in screen coordinates, its edges included."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return bounded(lambda x, y: polygon_distance(points, x, y) <= 0, min(xs), min(ys), max(xs), max(ys))


def convex_outline(points, w):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return bounded(lambda x, y: -w <= polygon_distance(points, x, y) <= 0, min(xs), min(ys), max(xs), max(ys))
