#!/usr/bin/env python3
"""Pictures of the virtual display, with the standard library only.

Xvfb started with -fbdir keeps its screen as an XWD file (Xvfb_screen0). This tool reads it and
  save XWD PNG                 writes the screen as a PNG file and prints "<width>x<height>"
  region XWD X Y W H           prints the colours of a rectangle of the screen:
                               "distinct=<n> dominant=#rrggbb share=<percent> mean=#rrggbb"
  count XWD X Y W H #RRGGBB T  prints how many pixels of the rectangle lie within T (per channel)
                               of the colour
"""
import struct
import sys
import zlib

HEADER_FIELDS = (
    "header_size file_version pixmap_format pixmap_depth pixmap_width pixmap_height xoffset "
    "byte_order bitmap_unit bitmap_bit_order bitmap_pad bits_per_pixel bytes_per_line visual_class "
    "red_mask green_mask blue_mask bits_per_rgb colormap_entries ncolors window_width window_height "
    "window_x window_y window_bdrwidth"
).split()


def _shift(mask):
    shift = 0
    while mask and not mask & 1:
        mask >>= 1
        shift += 1
    return shift, mask


def read_xwd(path):
    """The screen as (width, height, rows), each row a bytes object of RGB triples."""
    with open(path, "rb") as handle:
        data = handle.read()
    header = dict(zip(HEADER_FIELDS, struct.unpack(">25I", data[:100])))
    if header["file_version"] != 7:
        raise ValueError(f"{path}: not an XWD file of version 7")
    if header["bits_per_pixel"] not in (24, 32):
        raise ValueError(f"{path}: {header['bits_per_pixel']} bits per pixel are not supported")
    width, height = header["pixmap_width"], header["pixmap_height"]
    offset = header["header_size"] + header["ncolors"] * 12
    stride = header["bytes_per_line"]
    step = header["bits_per_pixel"] // 8
    order = "little" if header["byte_order"] == 0 else "big"
    channels = [_shift(header[name]) for name in ("red_mask", "green_mask", "blue_mask")]
    rows = []
    for y in range(height):
        line = data[offset + y * stride: offset + y * stride + width * step]
        row = bytearray(width * 3)
        for x in range(width):
            pixel = int.from_bytes(line[x * step: x * step + step], order)
            for c, (shift, mask) in enumerate(channels):
                value = (pixel >> shift) & mask
                row[x * 3 + c] = value * 255 // mask if mask else 0
        rows.append(bytes(row))
    return width, height, rows


def write_png(path, width, height, rows):
    def chunk(kind, payload):
        body = kind + payload
        return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + row for row in rows)
    with open(path, "wb") as handle:
        handle.write(b"\x89PNG\r\n\x1a\n")
        handle.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        handle.write(chunk(b"IDAT", zlib.compress(raw, 6)))
        handle.write(chunk(b"IEND", b""))


def region_pixels(rows, width, height, x, y, w, h):
    x0, y0 = max(0, x), max(0, y)
    x1, y1 = min(width, x + w), min(height, y + h)
    for row in rows[y0:y1]:
        for px in range(x0, x1):
            yield row[px * 3], row[px * 3 + 1], row[px * 3 + 2]


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    command, source = argv[1], argv[2]
    width, height, rows = read_xwd(source)
    if command == "save" and len(argv) == 4:
        write_png(argv[3], width, height, rows)
        print(f"{width}x{height}")
        return 0
    if command in ("region", "count") and len(argv) >= 7:
        x, y, w, h = (int(value) for value in argv[3:7])
        pixels = list(region_pixels(rows, width, height, x, y, w, h))
        if not pixels:
            print("region outside the screen", file=sys.stderr)
            return 1
        if command == "region":
            counts = {}
            for pixel in pixels:
                counts[pixel] = counts.get(pixel, 0) + 1
            dominant, share = max(counts.items(), key=lambda item: item[1])
            mean = tuple(sum(p[c] for p in pixels) // len(pixels) for c in range(3))
            print("distinct=%d dominant=#%02x%02x%02x share=%d mean=#%02x%02x%02x"
                  % (len(counts), *dominant, share * 100 // len(pixels), *mean))
            return 0
        if len(argv) == 9:
            colour = argv[7].lstrip("#")
            target = tuple(int(colour[i: i + 2], 16) for i in (0, 2, 4))
            tolerance = int(argv[8])
            print(sum(1 for p in pixels if all(abs(p[c] - target[c]) <= tolerance for c in range(3))))
            return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
