#!/usr/bin/env python3
"""Draws the embedded images (alert-state symbols, simulation icon, arrows, dialog icons, keyboard key
symbols, LEDs and display tiles) as PNG files.

Run once from this folder: python3 make_images.py. It writes Resources/*.png, which are committed and
compiled in through images.qrc. Only the Python standard library is used: every pixel is sampled 4 x 4
times against simple shapes (circles, rings, convex polygons, thick lines) and written with zlib.
"""

import math
import os
import struct
import zlib

SAMPLES = 4
ALARM = (226, 32, 32, 255)
WARNING = (255, 168, 0, 255)
WHITE = (255, 255, 255, 255)
BLACK = (20, 20, 20, 255)


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r, w):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) <= w / 2


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
    return lambda x, y: polygon_distance(points, x, y) <= 0


def convex_outline(points, w):
    return lambda x, y: -w <= polygon_distance(points, x, y) <= 0


def line(x0, y0, x1, y1, r):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= r
    return inside


def arc(cx, cy, r, w, start, end):
    """A ring segment from angle `start` to `end` (degrees clockwise from straight up)."""
    def inside(x, y):
        if abs(math.hypot(x - cx, y - cy) - r) > w / 2:
            return False
        angle = math.degrees(math.atan2(x - cx, cy - y)) % 360
        return (start <= angle <= end) if start <= end else (angle >= start or angle <= end)
    return inside


def rounded_square(x0, y0, x1, y1, r):
    def inside(x, y):
        qx = max(x0 + r - x, 0, x - (x1 - r))
        qy = max(y0 + r - y, 0, y - (y1 - r))
        return x0 <= x <= x1 and y0 <= y <= y1 and qx * qx + qy * qy <= r * r
    return inside


def render(size, layers):
    """Composites the layers (shape, colour) in order over a transparent image; returns RGBA rows."""
    rows = []
    step = 1.0 / SAMPLES
    for py in range(size):
        row = bytearray()
        for px in range(size):
            r = g = b = a = 0.0
            for shape, (cr, cg, cb, ca) in layers:
                hits = 0
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        if shape(px + (sx + 0.5) * step, py + (sy + 0.5) * step):
                            hits += 1
                if not hits:
                    continue
                alpha = hits / (SAMPLES * SAMPLES) * ca / 255.0
                # "over" with premultiplied components
                r = cr * alpha + r * (1 - alpha)
                g = cg * alpha + g * (1 - alpha)
                b = cb * alpha + b * (1 - alpha)
                a = alpha + a * (1 - alpha)
            if a > 0:
                row += bytes((round(r / a), round(g / a), round(b / a), round(a * 255)))
            else:
                row += bytes((0, 0, 0, 0))
        rows.append(bytes(row))
    return rows


def write_png(path, size, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + row for row in rows)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


# The group shapes: a circle for alarms, a triangle for warnings.
TRIANGLE = [(64, 8), (122, 116), (6, 116)]


def group_shape(warning):
    return convex(TRIANGLE) if warning else circle(64, 64, 58)


def group_outline(warning):
    return convex_outline(TRIANGLE, 10) if warning else ring(64, 64, 53, 10)


def exclamation(warning, colour):
    top, bottom, dot = (44, 82, 98) if warning else (30, 74, 94)
    return [(line(64, top, 64, bottom, 7), colour), (circle(64, dot, 7.5), colour)]


def state_layers(state, warning):
    colour = WARNING if warning else ALARM
    if state == "RectifiedUnacknowledged":
        cy = 84 if warning else 66
        return [(group_outline(warning), colour),
                (line(44, cy, 58, cy + 14, 6), colour),
                (line(58, cy + 14, 86, cy - 18, 6), colour)]
    layers = [(group_shape(warning), colour)]
    if state == "ActiveUnacknowledged":
        layers += exclamation(warning, WHITE)
    elif state == "ActiveSilenced":
        layers += exclamation(warning, WHITE)
        layers += [(line(18, 18, 110, 110, 9), BLACK), (line(18, 18, 110, 110, 5), WHITE)]
    elif state == "ActiveAcknowledged":
        layers += exclamation(warning, BLACK)
    elif state == "ActiveResponsibilityTransferred":
        cy = 84 if warning else 64
        layers += [(line(34, cy, 74, cy, 7), WHITE),
                   (convex([(70, cy - 20), (98, cy), (70, cy + 20)]), WHITE)]
    return layers


def sine_wave():
    points = [(24 + i * 80 / 32, 64 - 22 * math.sin(i * 2 * math.pi / 32)) for i in range(33)]
    segments = [line(x0, y0, x1, y1, 5) for (x0, y0), (x1, y1) in zip(points, points[1:])]
    return lambda x, y: any(s(x, y) for s in segments)


# Dialog icons: question, warning and notice, 128 x 128.
QUESTION_BLUE = (40, 110, 220, 255)
NOTICE_AMBER = (230, 150, 20, 255)


def question_layers():
    return [(circle(64, 64, 58), QUESTION_BLUE),
            (arc(64, 48, 20, 12, 270, 150), WHITE),
            (line(74, 64, 64, 74, 6), WHITE),
            (line(64, 74, 64, 82, 6), WHITE),
            (circle(64, 98, 7.5), WHITE)]


def warning_layers():
    return [(convex(TRIANGLE), WARNING)] + exclamation(True, BLACK)


def notice_layers():
    return [(circle(64, 64, 58), NOTICE_AMBER)] + exclamation(False, WHITE)


# Keyboard key symbols (black, drawn over the light keys), 64 x 64.
def backspace_layers():
    outline = [(6, 32), (22, 14), (58, 14), (58, 50), (22, 50)]
    return [(convex_outline(outline, 4), BLACK),
            (line(30, 24, 46, 40, 2.5), BLACK),
            (line(46, 24, 30, 40, 2.5), BLACK)]


def shift_layers():
    """An upward arrow drawn as the outline of head and stem."""
    outline = [(32, 6), (58, 32), (44, 32), (44, 58), (20, 58), (20, 32), (6, 32)]
    edges = zip(outline, outline[1:] + outline[:1])
    return [(line(x0, y0, x1, y1, 2), BLACK) for (x0, y0), (x1, y1) in edges]


# Auxiliary pin lamps, 32 x 32.
def led_layers(on):
    if on:
        return [(circle(16, 16, 14), (20, 90, 20, 255)), (circle(16, 16, 11), (60, 230, 60, 255)),
                (circle(12, 12, 4), (200, 255, 200, 255))]
    return [(circle(16, 16, 14), (60, 60, 60, 255)), (circle(16, 16, 11), (110, 110, 110, 255))]


# Display tiles: a monitor on its stand, framed green when selected, 128 x 128.
def display_layers(selected):
    frame = (82, 255, 96, 255) if selected else (150, 150, 150, 255)
    screen = (30, 70, 40, 255) if selected else (45, 45, 45, 255)
    return [(rounded_square(10, 18, 118, 92, 8), frame),
            (rounded_square(18, 26, 110, 84, 4), screen),
            (convex([(54, 92), (74, 92), (80, 108), (48, 108)]), frame),
            (rounded_square(34, 106, 94, 114, 3), frame)]


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "Resources")
    os.makedirs(out, exist_ok=True)
    # File names as the panel looks them up (the spellings differ from the state words on purpose).
    states = [("ActiveUnacknowledged", "ActiveUnacknowledged", "W_ActiveUnacknowledged"),
              ("ActiveSilenced", "ActiveSilenced", "W_ActiveSilenced"),
              ("ActiveAcknowledged", "ActiveAcknowedged", "W_ActiveAcknowledged"),
              ("ActiveResponsibilityTransferred", "ActiveResponsibilityTransfered",
               "W_ActiveResponsibilityTransfered"),
              ("RectifiedUnacknowledged", "RectifiedUnacknowledged", "W_RectifiedUnacknowledged")]
    for state, alarm_name, warning_name in states:
        write_png(os.path.join(out, alarm_name + ".png"), 128, render(128, state_layers(state, False)))
        write_png(os.path.join(out, warning_name + ".png"), 128, render(128, state_layers(state, True)))
    write_png(os.path.join(out, "SimulatorIcon.png"), 128,
              render(128, [(rounded_square(8, 8, 120, 120, 18), (40, 110, 220, 255)), (sine_wave(), WHITE)]))
    write_png(os.path.join(out, "arrow_up.png"), 64, render(64, [(convex([(32, 10), (56, 50), (8, 50)]), WHITE)]))
    write_png(os.path.join(out, "arrow_down.png"), 64,
              render(64, [(convex([(8, 14), (56, 14), (32, 54)]), WHITE)]))
    write_png(os.path.join(out, "question.png"), 128, render(128, question_layers()))
    write_png(os.path.join(out, "warning.png"), 128, render(128, warning_layers()))
    write_png(os.path.join(out, "exclamation.png"), 128, render(128, notice_layers()))
    write_png(os.path.join(out, "delArrow.png"), 64, render(64, backspace_layers()))
    write_png(os.path.join(out, "arrow.png"), 64, render(64, shift_layers()))
    write_png(os.path.join(out, "led_on.png"), 32, render(32, led_layers(True)))
    write_png(os.path.join(out, "led_off.png"), 32, render(32, led_layers(False)))
    write_png(os.path.join(out, "display_selected.png"), 128, render(128, display_layers(True)))
    write_png(os.path.join(out, "display_not_selected.png"), 128, render(128, display_layers(False)))


if __name__ == "__main__":
    main()
