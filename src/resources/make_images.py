#!/usr/bin/env python3
"""Draws every embedded picture of the display as PNG (and one JPEG) files.

Run from this folder: python3 make_images.py [NAME...] draws all pictures, or only those whose file name
contains one of the NAMEs. The files are committed and compiled in through images.qrc, so this runs only
when a picture changes. Only the Python standard library is used (see imaging.py).
"""

import math
import os
import sys

from imaging import (arc_band, capsule, circle, convex, convex_outline, difference, hls, intersection, polygon, polyline,
                     rect, render, ring, rounded_rect, text, union, vertical_gradient, write_jpeg, write_png)

ALARM = (226, 32, 32, 255)
WARNING = (255, 168, 0, 255)
WHITE = (255, 255, 255, 255)
BLACK = (20, 20, 20, 255)
HERE = os.path.dirname(os.path.abspath(__file__))


def exact(shape):
    """Samples every pixel of the shape's box: the alarm symbols were first drawn that way."""
    shape.coarse = False
    return shape


def line(x0, y0, x1, y1, r):
    return exact(capsule(x0, y0, x1, y1, r))


def convex_exact(points):
    return exact(convex(points))


# ------------------------------------------------------------------------------- alarm panel symbols

# The group shapes: a circle for alarms, a triangle for warnings.
TRIANGLE = [(64, 8), (122, 116), (6, 116)]


def group_shape(warning):
    return convex_exact(TRIANGLE) if warning else exact(circle(64, 64, 58))


def group_outline(warning):
    return exact(convex_outline(TRIANGLE, 10)) if warning else exact(ring(64, 64, 53, 10))


def exclamation(warning, colour):
    top, bottom, dot = (44, 82, 98) if warning else (30, 74, 94)
    return [(line(64, top, 64, bottom, 7), colour), (exact(circle(64, dot, 7.5)), colour)]


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
                   (convex_exact([(70, cy - 20), (98, cy), (70, cy + 20)]), WHITE)]
    return layers


def sine_wave():
    points = [(24 + i * 80 / 32, 64 - 22 * math.sin(i * 2 * math.pi / 32)) for i in range(33)]
    return exact(union(*[capsule(x0, y0, x1, y1, 5) for (x0, y0), (x1, y1) in zip(points, points[1:])]))


def alarm_pictures():
    # File names as the panel looks them up (the spellings differ from the state words on purpose).
    states = [("ActiveUnacknowledged", "ActiveUnacknowledged", "W_ActiveUnacknowledged"),
              ("ActiveSilenced", "ActiveSilenced", "W_ActiveSilenced"),
              ("ActiveAcknowledged", "ActiveAcknowedged", "W_ActiveAcknowedged"),
              ("ActiveResponsibilityTransferred", "ActiveResponsibilityTransfered",
               "W_ActiveResponsibilityTransfered"),
              ("RectifiedUnacknowledged", "RectifiedUnacknowledged", "W_RectifiedUnacknowledged")]
    for state, alarm_name, warning_name in states:
        yield "Resources/" + alarm_name + ".png", 128, 128, state_layers(state, False)
        yield "Resources/" + warning_name + ".png", 128, 128, state_layers(state, True)
    yield ("Resources/SimulatorIcon.png", 128, 128,
           [(exact(rounded_rect(8, 8, 120, 120, 18)), (40, 110, 220, 255)), (sine_wave(), WHITE)])
    yield "Resources/arrow_up.png", 64, 64, [(convex_exact([(32, 10), (56, 50), (8, 50)]), WHITE)]
    yield "Resources/arrow_down.png", 64, 64, [(convex_exact([(8, 14), (56, 14), (32, 54)]), WHITE)]


# ------------------------------------------------------------------------------------ compass view

ROSE = 800
RIM = (200, 204, 208, 255)
NORTH = (226, 64, 48, 255)


def on_circle(c, r, bearing):
    """The point at radius r and a compass bearing (degrees clockwise from up) around (c, c)."""
    t = math.radians(bearing)
    return c + r * math.sin(t), c - r * math.cos(t)


def rose_layers(true_mode):
    """The rose of the heading page: a ring whose outer edge is the picture's edge and whose inside is
    transparent, so that the vessel drawn below it shows. The TRUE rose carries the cardinal letters, the
    RELATIVE rose a bow mark with red (port) and green (starboard) halves."""
    c = ROSE / 2
    layers = [(difference(circle(c, c, 398), circle(c, c, 300)), (40, 44, 48, 150)),
              (ring(c, c, 397, 5), RIM), (ring(c, c, 300, 3), RIM)]
    if not true_mode:
        layers += [(arc_band(c, c, 302, 309, 180.5, 359.5), (210, 50, 50, 255)),
                   (arc_band(c, c, 302, 309, 0.5, 179.5), (40, 180, 80, 255))]
    for bearing in range(0, 360, 5):
        inner, width = (350, 5) if bearing % 30 == 0 else (362, 4) if bearing % 10 == 0 else (376, 3)
        (x0, y0), (x1, y1) = on_circle(c, inner, bearing), on_circle(c, 392, bearing)
        layers.append((capsule(x0, y0, x1, y1, width / 2), RIM))
    cardinals = {0: "N", 90: "E", 180: "S", 270: "W"}
    for bearing in range(0, 360, 30):
        x, y = on_circle(c, 331, bearing)
        if not true_mode and bearing == 0:
            layers.append((polygon([on_circle(c, 348, 0), on_circle(c, 314, 5), on_circle(c, 314, -5)]), WHITE))
            continue
        label = cardinals.get(bearing, str(bearing)) if true_mode else str(bearing)
        layers.append((text(label, x, y, 30, 4.5, bearing), NORTH if label == "N" else RIM))
    return layers


def compass_vessel_layers():
    """The vessel seen from above, bow up, narrow enough that the current arrows beside it stay clear."""
    def outline(half_beam, tip, stern):
        points = []
        for i in range(21):
            t = i / 20
            points.append((200 + half_beam * math.sin(t * math.pi / 2) ** 0.7, tip + (130 - tip) * t))
        points += [(200 + half_beam, 360), (200 + half_beam - 3, stern - 6), (200 + half_beam - 10, stern)]
        return points + [(400 - x, y) for x, y in reversed(points)]
    layers = [(polygon(outline(44, 14, 386)), (92, 100, 112, 255)),
              (polygon(outline(38, 26, 380)), (128, 136, 148, 255))]
    for y0 in (150, 200, 250):
        layers.append((rect(178, y0, 222, y0 + 38), (84, 92, 104, 255)))
    layers += [(capsule(200, 60, 200, 80, 4), (70, 70, 70, 255)),
               (rounded_rect(152, 306, 248, 336, 4), (226, 228, 232, 255)),
               (rect(170, 300, 230, 306), (60, 70, 84, 255)),
               (circle(200, 354, 9), (60, 60, 60, 255))]
    return layers


def compass_pictures():
    yield "Resources/compass_image_1.png", ROSE, ROSE, rose_layers(True)
    yield "Resources/no_compass_1.png", ROSE, ROSE, rose_layers(False)
    yield "Resources/compass_vessel_image_3.png", 400, 400, compass_vessel_layers()


# ------------------------------------------------------------------------------ vessel side views

# The side views are 1020 x 512 with the stern at the left and the bow at the right; the hull runs from
# 1/40 to 39/40 of the width, where the geometry page puts its stern and bow marks. Above and around the
# vessel every pixel is fully transparent: the page finds the hull's top as the first non-zero pixel.
SIDE_W, SIDE_H = 1020, 512
HULL_BLUE = (46, 58, 80, 255)
ANTIFOULING = (150, 44, 40, 255)
SUPERSTRUCTURE = (232, 234, 236, 255)
WINDOW = (40, 52, 70, 255)
GREY = (120, 124, 130, 255)


def windows(x0, x1, y, pitch, w, h, within=None):
    shapes = [rect(x, y, x + w, y + h) for x in range(int(x0), int(x1 - w), pitch)]
    shape = union(*shapes)
    return intersection(shape, within) if within else shape


def hull_layers(points, waterline, colour=HULL_BLUE, bottom=ANTIFOULING):
    hull = polygon(points)
    return [(hull, colour), (intersection(rect(0, waterline, SIDE_W, SIDE_H), hull), bottom)]


def cargo_layers():
    layers = hull_layers([(26, 320), (994, 306), (980, 390), (958, 470), (925, 504), (110, 504), (50, 470),
                          (26, 400)], 440)
    colours = [(190, 60, 50, 255), (40, 110, 170, 255), (210, 160, 40, 255), (60, 140, 80, 255),
               (150, 150, 160, 255)]
    for i, x in enumerate(range(240, 900, 66)):
        for j in range(3 if x < 840 else 2):
            layers.append((rect(x, 282 - j * 36, x + 62, 314 - j * 36), colours[(i + 2 * j) % len(colours)]))
    layers += [(rect(60, 160, 200, 318), SUPERSTRUCTURE), (rect(50, 140, 212, 162), SUPERSTRUCTURE),
               (windows(58, 206, 146, 16, 10, 10), WINDOW), (windows(70, 194, 190, 20, 12, 10), WINDOW),
               (windows(70, 194, 230, 20, 12, 10), WINDOW),
               (polygon([(96, 90), (140, 90), (146, 140), (90, 140)]), (30, 30, 34, 255)),
               (capsule(930, 240, 930, 306, 3), GREY)]
    return layers


def platform_layers():
    yellow, red = (222, 172, 48, 255), (190, 70, 50, 255)
    layers = [(rounded_rect(26, 450, 994, 504, 26), red)]
    for x in (70, 445, 820):
        layers.append((rect(x, 296, x + 130, 452), yellow))
    layers += [(capsule(200, 420, 445, 330, 5), GREY), (capsule(575, 330, 820, 420, 5), GREY),
               (rect(40, 220, 980, 300), (200, 200, 205, 255)), (rect(40, 294, 980, 300), (80, 80, 86, 255)),
               (rect(60, 150, 230, 222), SUPERSTRUCTURE), (windows(70, 226, 166, 18, 10, 10), WINDOW),
               (windows(70, 226, 196, 18, 10, 10), WINDOW),
               (polygon([(40, 136), (250, 136), (236, 150), (54, 150)]), (90, 120, 90, 255))]
    derrick = [(470, 220), (500, 40), (520, 40), (550, 220)]
    layers.append((polyline(derrick, 3), SUPERSTRUCTURE))
    braces = []
    for k in range(4):
        y0, y1 = 220 - 45 * k, 220 - 45 * (k + 1)
        left = lambda y: 470 + (y - 220) / (40 - 220) * 30
        right = lambda y: 550 - (y - 220) / (40 - 220) * 30
        braces += [capsule(left(y0), y0, right(y1), y1, 1.5), capsule(right(y0), y0, left(y1), y1, 1.5)]
    layers += [(union(*braces), SUPERSTRUCTURE),
               (rect(756, 170, 768, 222), GREY), (capsule(762, 176, 940, 110, 4), yellow)]
    return layers


def tanker_layers():
    layers = hull_layers([(26, 330), (994, 318), (978, 400), (960, 470), (930, 504), (120, 504), (60, 470),
                          (26, 420)], 430)
    layers += [(rect(60, 190, 200, 328), SUPERSTRUCTURE), (rect(50, 170, 210, 192), SUPERSTRUCTURE),
               (windows(58, 206, 176, 16, 10, 10), WINDOW)]
    for y in (222, 252, 282):
        layers.append((windows(72, 196, y, 20, 12, 10), WINDOW))
    layers += [(polygon([(90, 118), (136, 118), (142, 170), (84, 170)]), (200, 60, 40, 255)),
               (rect(88, 118, 138, 130), (30, 30, 34, 255)), (capsule(160, 110, 160, 170, 2.5), GREY),
               (rect(200, 312, 900, 320), GREY), (rect(540, 294, 570, 320), GREY),
               (capsule(930, 250, 930, 318, 3), GREY)]
    return layers


def cruise_layers():
    hull = [(26, 300), (994, 290), (975, 380), (950, 470), (920, 504), (110, 504), (50, 460), (26, 380)]
    layers = hull_layers(hull, 440, colour=(236, 238, 240, 255))
    layers.append((intersection(rect(0, 420, SIDE_W, 428), polygon(hull)), (30, 60, 120, 255)))
    body = polygon([(70, 300), (70, 150), (140, 150), (140, 110), (780, 110), (840, 150), (880, 200),
                    (900, 300)])
    layers.append((body, (244, 245, 247, 255)))
    for y in (124, 166, 196, 226):
        layers.append((windows(90, 880, y, 18, 10, 8, body), WINDOW))
    layers.append((polygon([(780, 116), (836, 154), (826, 160), (772, 124)]), WINDOW))
    for x in range(200, 720, 70):
        layers.append((rounded_rect(x, 262, x + 52, 282, 8), (240, 120, 30, 255)))
    layers += [(polygon([(230, 110), (252, 48), (334, 48), (322, 110)]), (30, 60, 120, 255)),
               (polygon([(244, 72), (326, 72), (324, 82), (241, 82)]), (236, 238, 240, 255))]
    return layers


def offshore_layers():
    hull = [(26, 380), (600, 380), (640, 330), (994, 310), (980, 400), (955, 470), (925, 504), (80, 504),
            (40, 460), (26, 420)]
    layers = hull_layers(hull, 450, colour=(196, 70, 40, 255), bottom=(70, 40, 40, 255))
    layers += [(polygon([(660, 330), (660, 190), (700, 150), (880, 150), (900, 190), (900, 318)]), SUPERSTRUCTURE),
               (polygon([(702, 158), (878, 158), (890, 180), (690, 180)]), WINDOW),
               (windows(680, 890, 214, 22, 12, 10), WINDOW), (windows(680, 890, 250, 22, 12, 10), WINDOW),
               (capsule(780, 60, 780, 150, 3), GREY), (capsule(750, 90, 810, 90, 2), GREY),
               (rect(26, 370, 600, 380), GREY), (rect(140, 318, 166, 372), (222, 172, 48, 255)),
               (capsule(153, 324, 420, 240, 5), (222, 172, 48, 255))]
    return layers


def vessel_pictures():
    # vessel_1 is the geometry page's first picture, shown until the settings are read; 2 to 5 follow
    # the vessel choice Platform, Tanker, Cruise, Offshore.
    for number, layers in enumerate((cargo_layers, platform_layers, tanker_layers, cruise_layers,
                                     offshore_layers), start=1):
        yield "images/vessel_%d.png" % number, SIDE_W, SIDE_H, layers()


# -------------------------------------------------------------------------------- flags of the bars

def flag_pictures():
    w, h = 96, 64
    stripe = h / 13
    us = [(rect(0, 0, w, h), (178, 34, 52, 255))]
    us += [(rect(0, (2 * k + 1) * stripe, w, (2 * k + 2) * stripe), WHITE) for k in range(6)]
    us.append((rect(0, 0, 0.4 * w, 7 * stripe), (60, 59, 110, 255)))
    stars = []
    for row in range(9):
        for col in range(6 if row % 2 == 0 else 5):
            x = (col + (1.0 if row % 2 == 0 else 1.5)) * 0.4 * w / 7
            stars.append(circle(x, (row + 1) * 7 * stripe / 10, 1.3))
    us.append((union(*stars), WHITE))
    yield "images/US-United-States-Flag-icon.png", w, h, us
    yield ("images/RU-Russia-Flag-icon.png", w, h,
           [(rect(0, 0, w, h / 3), WHITE), (rect(0, h / 3, w, 2 * h / 3), (0, 57, 166, 255)),
            (rect(0, 2 * h / 3, w, h), (213, 43, 30, 255))])


# -------------------------------------------------------------------------------- logo and icons

def logo_layers():
    """The maker's mark for the title bar (35 x 30 there): a K over a wave in a ring, on black."""
    teal = (0, 160, 180, 255)
    wave = [(34 + i * 72 / 24, 92 + 6 * math.sin(i * 2 * math.pi / 12)) for i in range(25)]
    return [(ring(70, 60, 52, 9), teal), (text("K", 70, 52, 48, 10), WHITE), (polyline(wave, 4), teal)]


def dialog_icon(kind):
    if kind == "warning":
        return [(polygon([(64, 6), (124, 116), (4, 116)]), (255, 190, 0, 255)), (text("!", 64, 76, 58, 11), BLACK)]
    colour = (40, 110, 210, 255) if kind == "question" else (226, 72, 40, 255)
    return [(circle(64, 64, 60), colour), (text("?" if kind == "question" else "!", 64, 64, 70, 11), WHITE)]


def led(on):
    if on:
        return [(circle(32, 32, 28), (20, 90, 30, 255)),
                (circle(32, 32, 24), lambda x, y: hls(0.34, 0.62 - math.hypot(x - 32, y - 32) / 80, 0.9)),
                (circle(24, 24, 7), (230, 255, 230, 170))]
    return [(circle(32, 32, 28), (40, 44, 40, 255)), (circle(32, 32, 24), (62, 70, 62, 255)),
            (circle(24, 24, 6), (120, 130, 120, 90))]


def button_face(x1, y1, fill_top, fill_bottom, border):
    return [(rounded_rect(0, 0, x1, y1, 16), border),
            (rounded_rect(5, 5, x1 - 5, y1 - 5, 12), vertical_gradient(5, fill_top, y1 - 5, fill_bottom))]


def system_button(echo_sounder, selected):
    """Border image of a demonstration system button: a light button face (the caption is drawn in the
    default dark text over its middle) with a small picture of the two units at the left, a display and
    its sensor: a transducer for the echo sounders, an antenna for the others."""
    if selected:
        layers = button_face(300, 140, (176, 214, 250, 255), (112, 162, 222, 255), (40, 100, 180, 255))
    else:
        layers = button_face(300, 140, (232, 232, 235, 255), (184, 184, 190, 255), (120, 120, 126, 255))
    ink = (40, 48, 60, 255)
    layers += [(rounded_rect(18, 40, 58, 72, 4), ink), (rect(23, 45, 53, 67), (150, 190, 230, 255)),
               (rect(34, 72, 42, 80), ink), (rect(26, 80, 50, 84), ink)]
    if echo_sounder:
        layers += [(polygon([(30, 100), (46, 100), (50, 110), (26, 110)]), ink),
                   (polyline([(30, 112), (22, 128)], 1.5), ink), (polyline([(38, 112), (38, 130)], 1.5), ink),
                   (polyline([(46, 112), (54, 128)], 1.5), ink)]
    else:
        layers += [(circle(38, 112, 12), ink), (circle(38, 112, 6), (232, 232, 235, 255))]
    return layers


def display_button(selected):
    """Picture of a display unit for the display choice: a bezel and its screen, lit and framed green when chosen."""
    screen = ((60, 170, 90, 255), (20, 90, 40, 255)) if selected else ((70, 70, 74, 255), (34, 34, 38, 255))
    # The chosen display is framed in bright green, the others in grey.
    bezel = (82, 255, 96, 255) if selected else (150, 152, 156, 255)
    return [(rounded_rect(0, 0, 200, 120, 12), bezel),
            (rounded_rect(8, 8, 192, 112, 8), (36, 36, 40, 255)),
            (rect(16, 16, 184, 104), vertical_gradient(16, screen[0], 104, screen[1]))]


def arrow_button(up):
    tip, base = (20, 74) if up else (76, 22)
    return button_face(96, 96, (150, 150, 154, 255), (80, 80, 84, 255), (190, 190, 194, 255)) + [
        (polygon([(48, tip), (74, base), (22, base)]), WHITE)]


def colour_picker(x, y):
    """Hue across, lightness from white at the top through the full colour to black at the bottom."""
    return hls(x / 400, 1 - y / 300, 1.0)


def icon_pictures():
    yield "Resources/arrow_left.png", 64, 64, [(polygon([(10, 32), (50, 8), (50, 56)]), WHITE)]
    yield "Resources/arrow_right.png", 64, 64, [(polygon([(54, 32), (14, 56), (14, 8)]), WHITE)]
    # The keyboard's keys are near-white (sky blue while pressed): their symbols are black like the
    # captions of the other keys, which reads on both.
    # Shift: a hollow arrow up.
    shift = [(32, 6), (58, 32), (44, 32), (44, 58), (20, 58), (20, 32), (6, 32)]
    yield "Resources/arrow.png", 64, 64, [(polyline(shift + shift[:1], 2.5), BLACK)]
    # Backspace: a key cap pointing left with a cross.
    key = [(6, 32), (28, 8), (90, 8), (90, 56), (28, 56)]
    yield ("Resources/delArrow.png", 96, 64,
           [(polyline(key + key[:1], 3), BLACK), (capsule(44, 20, 70, 44, 3), BLACK),
            (capsule(44, 44, 70, 20, 3), BLACK)])
    for kind in ("warning", "question", "exclamation"):
        yield "Resources/%s.png" % kind, 128, 128, dialog_icon(kind)
    yield "Resources/led_on.png", 64, 64, led(True)
    yield "Resources/led_off.png", 64, 64, led(False)
    yield "Resources/display_selected.png", 200, 120, display_button(True)
    yield "Resources/display_not_selected.png", 200, 120, display_button(False)
    yield "Resources/up_arrow.png", 96, 96, arrow_button(True)
    yield "Resources/down_arrow.png", 96, 96, arrow_button(False)
    yield "Resources/color-picker-thumb.png", 400, 300, [(rect(0, 0, 400, 300), colour_picker)]
    for system, echo_sounder in (("ES SYS 1", True), ("KW1 SYS 2", False)):
        yield "icons/%s_selected_Paired.png" % system, 300, 140, system_button(echo_sounder, False)
        yield "icons/%s_selected_Repeater.png" % system, 300, 140, system_button(echo_sounder, True)


def main():
    wanted = sys.argv[1:]
    pictures = [alarm_pictures(), compass_pictures(), vessel_pictures(), flag_pictures(), icon_pictures()]
    for group in pictures:
        for name, width, height, layers in group:
            if wanted and not any(w in name for w in wanted):
                continue
            path = os.path.join(HERE, name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            write_png(path, width, height, render(width, height, layers))
            print(name)
    if not wanted or any(w in "Resources/korvane-no-background.jpg" for w in wanted):
        write_jpeg(os.path.join(HERE, "Resources/korvane-no-background.jpg"), 140, 120,
                   render(140, 120, logo_layers(), background=(0, 0, 0, 255)))
        print("Resources/korvane-no-background.jpg")


if __name__ == "__main__":
    main()
