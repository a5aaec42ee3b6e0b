#!/usr/bin/env python3
"""Generates Orvella's compiled-in assets into src/resources/.

Every icon is drawn here as SVG Tiny 1.2 on a 48 x 48 grid: strokes 3 units wide with round caps
and joins. Tool-bar icons come in two variants from one drawing: "normal" in white for the dark
buttons and "click" in orange rgb(235,120,7) for their pressed and checked states. The cursor
pictures, the title-bar logo and the application icon's sizes are rasterised to PNG by the small renderer below, the shutter
sound is synthesised, and the resource file orvella.qrc listing all of them is rewritten.

Run from anywhere:  python3 tools/assets/make_assets.py
Only the Python standard library is needed; the output is deterministic.
"""

import math
import os
import random
import struct
import wave
import zlib

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
OUT = os.path.join(ROOT, "src", "resources")

WHITE = "#ffffff"
ORANGE = "#eb7807"  # rgb(235,120,7), the shell's hover and checked colour
RED = "#e53935"
BLUE = "#5fb1de"  # rgb(95,177,222), the text frame's outline colour
DARK = "#333333"
GREY = "#666666"


# ---------------------------------------------------------------------------------------------
# SVG drawing helpers (all coordinates on the 48 x 48 grid)


def num(v):
    text = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def pts(points):
    return " ".join("%s,%s" % (num(x), num(y)) for x, y in points)


def stroke(d, c, w=3):
    return '<path d="%s" fill="none" stroke="%s" stroke-width="%s"/>' % (d, c, num(w))


def fill(d, c):
    return '<path d="%s" fill="%s" stroke="none"/>' % (d, c)


def circle(cx, cy, r, c, w=3):
    return '<circle cx="%s" cy="%s" r="%s" fill="none" stroke="%s" stroke-width="%s"/>' % (
        num(cx), num(cy), num(r), c, num(w))


def disc(cx, cy, r, c):
    return '<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="none"/>' % (num(cx), num(cy), num(r), c)


def rect(x, y, w, h, c, rx=0, sw=3):
    return ('<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="none" stroke="%s" '
            'stroke-width="%s"/>' % (num(x), num(y), num(w), num(h), num(rx), c, num(sw)))


def box(x, y, w, h, c, rx=0):
    return '<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s" stroke="none"/>' % (
        num(x), num(y), num(w), num(h), num(rx), c)


def polar(cx, cy, r, deg):
    """Point at `deg` degrees counter-clockwise from 3 o'clock (screen y grows downwards)."""
    a = math.radians(deg)
    return cx + r * math.cos(a), cy - r * math.sin(a)


def arc_arrow(cx, cy, r, start, end, c, head=6):
    """An arc from angle start to end (degrees, counter-clockwise when end > start) ending in an
    open arrow head that follows the arc's direction."""
    x1, y1 = polar(cx, cy, r, start)
    x2, y2 = polar(cx, cy, r, end)
    sweep_ccw = end > start
    large = 1 if abs(end - start) > 180 else 0
    sweep_flag = 0 if sweep_ccw else 1  # SVG's sweep flag 1 runs clockwise on screen
    d = "M%s %s A%s %s 0 %d %d %s %s" % (num(x1), num(y1), num(r), num(r), large, sweep_flag,
                                         num(x2), num(y2))
    # Tangent at the end, pointing along the direction of travel.
    a = math.radians(end)
    tx, ty = (-math.sin(a), -math.cos(a)) if sweep_ccw else (math.sin(a), math.cos(a))
    back_x, back_y = x2 - tx * head, y2 - ty * head
    nx, ny = -ty, tx
    h1 = (back_x + nx * head * 0.8, back_y + ny * head * 0.8)
    h2 = (back_x - nx * head * 0.8, back_y - ny * head * 0.8)
    return stroke(d, c) + stroke("M%s L%s %s L%s" % (pts([h1]), num(x2), num(y2), pts([h2])), c)


def svg(body):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            'width="48" height="48" viewBox="0 0 48 48" stroke-linecap="round" '
            'stroke-linejoin="round">\n%s\n</svg>\n' % body)


# ---------------------------------------------------------------------------------------------
# Glyphs: each takes the drawing colour and returns the SVG body


def g_close(c):
    return stroke("M14 14 L34 34 M34 14 L14 34", c, 4)


def g_minimize(c):
    return stroke("M12 32 H36", c, 3.5)


def g_maximize(c):
    return rect(11, 11, 26, 26, c, 2)


def g_restore(c):
    return rect(10, 17, 21, 21, c, 2) + stroke("M17 17 V10 H38 V31 H31", c)


def g_gear(c):
    points = []
    for i in range(8):
        a = i * 45
        points += [polar(24, 24, 12.5, a - 15), polar(24, 24, 17, a - 8), polar(24, 24, 17, a + 8),
                   polar(24, 24, 12.5, a + 15)]
    return stroke("M%s Z" % " L".join(pts([p]) for p in points), c) + circle(24, 24, 5, c)


def g_webcam(c):
    return (circle(24, 20, 12, c) + circle(24, 20, 4.5, c) + stroke("M24 32 V39 M15 40 H33", c))


def g_camera(c):
    return (stroke("M6 16 H14 L18 10 H30 L34 16 H42 V38 H6 Z", c) + circle(24, 27, 7, c) +
            disc(37, 21, 1.5, c))


def g_focus(c):
    return (circle(24, 24, 12, c) + stroke("M24 5 V12 M24 36 V43 M5 24 H12 M36 24 H43", c) +
            disc(24, 24, 3, c))


def g_magnifier(c, sign=""):
    body = circle(20, 20, 12, c) + stroke("M29 29 L40 40", c, 5)
    if sign == "+":
        body += stroke("M20 14 V26 M14 20 H26", c)
    elif sign == "-":
        body += stroke("M14 20 H26", c)
    else:
        body += stroke("M13.5 18 A7 7 0 0 1 18 13.5", c, 2.5)
    return body


def g_resolution(c):
    return (rect(5, 11, 38, 26, c, 3) + stroke("M14 18 V30 M14 24 H21 M21 18 V30", c, 2.5) +
            stroke("M27 18 H30 A6 6 0 0 1 30 30 H27 Z", c, 2.5))


def g_rotate(c):
    return arc_arrow(24, 25, 15, 215, -40, c, 7)


def g_mirror(c):
    return (stroke("M24 6 V42", c, 2) + fill("M19 12 L6 36 H19 Z", c)
            + stroke("M29 12 L42 36 H29 Z", c))


def g_flip(c):
    return (stroke("M6 24 H42", c, 2) + fill("M12 19 L36 6 V19 Z", c)
            + stroke("M12 29 L36 42 V29 Z", c))


def g_freeze(c):
    body = ""
    for k in range(6):
        a = 90 + k * 60
        x, y = polar(24, 24, 17, a)
        body += "M24 24 L%s %s " % (num(x), num(y))
        bx, by = polar(24, 24, 11, a)
        for side in (-1, 1):
            tx, ty = polar(bx, by, 5, a + side * 45)
            body += "M%s %s L%s %s " % (num(bx), num(by), num(tx), num(ty))
    return stroke(body.strip(), c, 2.5)


def g_sliders(c):
    return (stroke("M8 13 H40 M8 24 H40 M8 35 H40", c) + disc(16, 13, 4, c) + disc(31, 24, 4, c) +
            disc(21, 35, 4, c))


def g_fit(c):
    arrows = ""
    for (cx, cy, dx, dy) in ((6, 6, 1, 1), (42, 6, -1, 1), (42, 42, -1, -1), (6, 42, 1, -1)):
        arrows += "M%d %d L%d %d " % (cx + 7 * dx, cy + 7 * dy, cx, cy)
        arrows += "M%d %d V%d H%d " % (cx, cy + 7 * dy, cy, cx + 7 * dx)
    return rect(16, 17, 16, 14, c, 1.5) + stroke(arrows.strip(), c, 2.5)


def g_autoedge(c):
    corners = [(12, 9), (38, 13), (36, 39), (9, 35)]
    return (stroke("M%s Z" % " L".join(pts([p]) for p in corners), c) +
            stroke("M16 18 H31 M15 24 H30 M15 30 H25", c, 2) +
            "".join(disc(x, y, 3.2, c) for x, y in corners))


def g_pip(c):
    return rect(5, 9, 38, 30, c, 3) + box(24, 24, 15, 11, c, 1.5)


def g_compare(c):
    return rect(5, 11, 17, 26, c, 2) + rect(26, 11, 17, 26, c, 2)


def g_chevron_up(c):
    return stroke("M13 29 L24 18 L35 29", c, 3.5)


def g_video(c):
    return rect(5, 13, 27, 22, c, 3) + stroke("M32 21 L43 15 V33 L32 27", c) + disc(12, 19, 1.8, c)


def g_ocr(c):
    return (stroke("M6 15 V6 H15 M33 6 H42 V15 M42 33 V42 H33 M15 42 H6 V33", c) +
            stroke("M15 14 H33 M24 14 V34", c, 3.5))


def g_pdf(c):
    return (stroke("M10 5 H29 L38 14 V43 H10 Z M29 5 V14 H38", c) +
            stroke("M14 36 V24 H17.5 A3 3 0 0 1 17.5 30 H14", c, 2) +
            stroke("M21.5 24 V36 H23.5 A4.5 6 0 0 0 23.5 24 Z", c, 2) +
            stroke("M34 24 H30 V36 M30 30 H33", c, 2))


def g_select(c):
    return stroke("M13 7 L13 37 L20.5 30 L26 41 L30.5 39 L25 28 L35 28 Z", c)


def g_pen(c):
    return stroke("M9 39 L12 29 L32 9 L39 16 L19 36 Z M28 13 L35 20 M12 29 L19 36", c)


def g_thickness(c):
    return (stroke("M9 11 H39", c, 2) + stroke("M9 22 H39", c, 4) + stroke("M9 35 H39", c, 7))


def g_drop(c):
    return (stroke("M24 5 C24 5 10 21 10 30 A14 14 0 0 0 38 30 C38 21 24 5 24 5 Z", c) +
            stroke("M17 31 A7 7 0 0 0 23 37", c, 2.5))


def g_transparency(c):
    return circle(24, 24, 15, c) + fill("M24 9 A15 15 0 0 0 24 39 Z", c)


def g_text(c):
    return stroke("M11 15 V11 H37 V15 M24 11 V38 M18 38 H30", c)


def g_shapes(c):
    return (circle(15, 15, 8, c) + rect(27, 8, 14, 14, c, 1) + stroke("M24 27 L35 42 H13 Z", c))


def g_eraser(c):
    return stroke("M9 31 L27 13 L39 25 L23 41 H17 Z M17 23 L29 35 M23 41 H40", c)


def g_trash(c):
    return stroke("M8 13 H40 M19 13 V8 H29 V13 M12 13 L14.5 41 H33.5 L36 13 M20 19 V35 M28 19 V35",
                  c)


def g_desktop(c):
    return rect(5, 8, 38, 25, c, 2) + stroke("M24 33 V40 M15 41 H33", c)


def g_home(c):
    return stroke("M6 24 L24 8 L42 24 M12 19 V41 H36 V19 M20.5 41 V30 H27.5 V41", c)


def g_line(c):
    return stroke("M9 39 L39 9", c)


def g_circle(c):
    return circle(24, 24, 16, c)


def g_ellipse(c):
    return '<ellipse cx="24" cy="24" rx="18" ry="11" fill="none" stroke="%s" stroke-width="3"/>' % c


def g_triangle(c):
    return stroke("M24 8 L41 38 H7 Z", c)


def g_rectangle(c):
    return rect(7, 12, 34, 24, c)


def g_plus_circle(c):
    return circle(24, 24, 17, c) + stroke("M24 15 V33 M15 24 H33", c)


def g_check_box(c):
    return rect(8, 8, 32, 32, c, 4) + stroke("M15 24.5 L21.5 31 L33 17.5", c)


def g_empty_box(c):
    return ('<rect x="8" y="8" width="32" height="32" rx="4" fill="none" stroke="%s" '
            'stroke-width="3" stroke-dasharray="5,4"/>' % c)


def g_check(c):
    return stroke("M9 25 L19.5 35.5 L39 14", c, 4)


def g_round_check(c):
    return disc(24, 24, 20, ORANGE) + circle(24, 24, 20, WHITE, 2.5) + stroke(
        "M14 24.5 L21 31.5 L34 17", WHITE, 4.5)


def g_record(c):
    return circle(24, 24, 16, c) + disc(24, 24, 9, c)


def g_pause(c):
    return box(14, 11, 7, 26, c, 2) + box(27, 11, 7, 26, c, 2)


def g_stop(c):
    return box(13, 13, 22, 22, c, 3)


def g_viewer_close(c):
    return ('<circle cx="24" cy="24" r="20" fill="#000000" fill-opacity="0.35" stroke="%s" '
            'stroke-width="2.5"/>' % c) + stroke("M16.5 16.5 L31.5 31.5 M31.5 16.5 L16.5 31.5", c, 3.5)


def g_stopwatch(c):
    return (circle(24, 27, 15, c) + stroke("M19 6 H29 M24 6 V12 M36 13 L39 10", c) +
            stroke("M24 27 V18 M24 27 L30 31", c, 2.5))


def g_stop_circle(c):
    return circle(24, 24, 18, c) + box(17, 17, 14, 14, c, 2)


def g_pause_circle(c):
    return circle(24, 24, 18, c) + box(17.5, 15, 5, 18, c, 1.5) + box(25.5, 15, 5, 18, c, 1.5)


def g_lock(c):
    return (stroke("M16.5 22 V16 A7.5 7.5 0 0 1 31.5 16 V22", c, 3.5) + box(11, 21, 26, 21, c, 3) +
            disc(24, 29.5, 3, WHITE) + stroke("M24 31 V36", WHITE, 3))


def g_colour_wheel(c):
    colours = ["#e53935", "#fdd835", "#43a047", "#00acc1", "#1e88e5", "#8e24aa"]
    body = ""
    for i, colour in enumerate(colours):
        a0, a1 = 90 - i * 60, 90 - (i + 1) * 60
        x0, y0 = polar(24, 24, 19, a0)
        x1, y1 = polar(24, 24, 19, a1)
        body += fill("M24 24 L%s %s A19 19 0 0 1 %s %s Z" % (num(x0), num(y0), num(x1), num(y1)),
                     colour)
    return body + disc(24, 24, 7, WHITE) + stroke("M24 20 V28 M20 24 H28", DARK, 2.2)


def g_handle(c):
    return '<circle cx="24" cy="24" r="9" fill="#ffffff" stroke="%s" stroke-width="3"/>' % c


def g_chevron_down(c):
    return stroke("M14 19 L24 29 L34 19", c, 3.5)


def g_bold(c):
    return stroke("M15 9 H26 A7 7 0 0 1 26 23 H15 Z M15 23 H28 A7.5 7.5 0 0 1 28 38 H15 Z", c, 4)


def g_italic(c):
    return stroke("M22 9 H35 M13 39 H26 M28.5 9 L19.5 39", c, 3.5)


def g_underline(c):
    return stroke("M15 8 V23 A9 9 0 0 0 33 23 V8", c, 3.5) + stroke("M11 41 H37", c, 3)


def g_text_colour(c):
    return stroke("M13 31 L24 7 L35 31 M17.5 22 H30.5", c, 3.5) + box(9, 36, 30, 6, RED, 1.5)


def g_copy(c):
    return rect(17, 14, 21, 27, c, 2.5) + stroke("M11 33 V9 A2 2 0 0 1 13 7 H30", c)


# ---------------------------------------------------------------------------------------------
# The resource table: path under src/resources, glyph, colour. Names are exactly those the
# program looks up, spelling included.

PAIRS = {
    # camera toolbar: stem -> glyph, written as <stem>normal.svg / <stem>click.svg
    "cameratoolbar/cameratoolbar/ccameracontrol": g_focus,
    "cameratoolbar/cameratoolbar/cmagnifier": g_magnifier,
    "cameratoolbar/cameratoolbar/cpixrate": g_resolution,
    "cameratoolbar/cameratoolbar/caddscale": lambda c: g_magnifier(c, "+"),
    "cameratoolbar/cameratoolbar/csubscale": lambda c: g_magnifier(c, "-"),
    "cameratoolbar/cameratoolbar/crotate": g_rotate,
    "cameratoolbar/cameratoolbar/cfreeze": g_freeze,
    "cameratoolbar/cameratoolbar/cmirror": g_mirror,
    "cameratoolbar/cameratoolbar/cflip": g_flip,
    "cameratoolbar/cameratoolbar/cparameter": g_sliders,
    "cameratoolbar/cameratoolbar/creset": g_fit,
    "cameratoolbar/cameratoolbar/autoedge": g_autoedge,
    "cameratoolbar/cameratoolbar/csmallcamera": g_pip,
    "cameratoolbar/cameratoolbar/ccompar": g_compare,
    "cameratoolbar/cameratoolbar/ccamera": g_camera,
    "cameratoolbar/cameratoolbar/cvediorecord": g_video,
    "cameratoolbar/cameratoolbar/cocr": g_ocr,
    "cameratoolbar/cameratoolbar/cpdf": g_pdf,
    "title/title/tcamera": g_webcam,
    "title/title/tsetting": g_gear,
    "title/title/tmin": g_minimize,
    "title/title/tfull": g_maximize,
    "title/title/tmax": g_restore,
    "title/title/tclose": g_close,
    "root/root/rd": g_check,
    "root/root/rpause": g_pause,
    "root/root/rstart": g_record,
    "root/root/rstop": g_stop,
}

# Single pictures: path -> (glyph, colour).
SINGLES = {
    # the photo-mode drop button's normal picture carries its historical spelling
    "cameratoolbar/cameratoolbar/cdropnoranl.svg": (g_chevron_up, WHITE),
    "cameratoolbar/cameratoolbar/cdropclick.svg": (g_chevron_up, ORANGE),
    "boardtoolbar/boardtoolbar/bselect.svg": (g_select, WHITE),
    "boardtoolbar/boardtoolbar/bpen.svg": (g_pen, WHITE),
    "boardtoolbar/boardtoolbar/bthickness.svg": (g_thickness, WHITE),
    "boardtoolbar/boardtoolbar/bcolor.svg": (g_drop, WHITE),
    "boardtoolbar/boardtoolbar/btransparency.svg": (g_transparency, WHITE),
    "boardtoolbar/boardtoolbar/btext.svg": (g_text, WHITE),
    "boardtoolbar/boardtoolbar/bfigure.svg": (g_shapes, WHITE),
    "boardtoolbar/boardtoolbar/berase.svg": (g_eraser, WHITE),
    "boardtoolbar/boardtoolbar/bclear.svg": (g_trash, WHITE),
    "boardtoolbar/boardtoolbar/bdesktop.svg": (g_desktop, WHITE),
    "android/home.svg": (g_home, WHITE),
    "android/camera.svg": (g_camera, WHITE),
    "android/timelapse1.svg": (g_stopwatch, WHITE),
    "android/timelapse2.svg": (g_stop_circle, WHITE),
    "android/video_pause.svg": (g_pause_circle, WHITE),
    "figure/figure/fline.svg": (g_line, WHITE),
    "figure/figure/fcricle.svg": (g_circle, WHITE),
    "figure/figure/fellipse.svg": (g_ellipse, WHITE),
    "figure/figure/ftriangle.svg": (g_triangle, WHITE),
    "figure/figure/frectangle.svg": (g_rectangle, WHITE),
    "root/root/close.svg": (g_close, WHITE),
    "root/root/tsclose.svg": (g_viewer_close, WHITE),
    "root/root/radd.svg": (g_plus_circle, WHITE),
    "root/root/rselectall.svg": (g_check_box, WHITE),
    "root/root/runselectall.svg": (g_empty_box, WHITE),
    "root/root/rselect.svg": (g_round_check, WHITE),
    "root/root/rpausered.svg": (g_pause, RED),
    "itemframe/lock.svg": (g_lock, BLUE),
    "itemframe/more.svg": (g_colour_wheel, DARK),
    "itemframe/redclose.svg": (g_close, RED),
    "itemframe/resize.svg": (g_handle, BLUE),
    "ui/ui/downArrow.svg": (g_chevron_down, GREY),
    "ui/ui/txtbold.svg": (g_bold, DARK),
    "ui/ui/txtitalic.svg": (g_italic, DARK),
    "ui/ui/txtunderline.svg": (g_underline, DARK),
    "ui/ui/txtcolor.svg": (g_text_colour, DARK),
    "ui/ui/txtcopy.svg": (g_copy, DARK),
    "ui/ui/txtdelete.svg": (g_trash, DARK),
}


def all_icons():
    icons = {}
    for stem, glyph in PAIRS.items():
        icons[stem + "normal.svg"] = (glyph, WHITE)
        icons[stem + "click.svg"] = (glyph, ORANGE)
    icons.update(SINGLES)
    return icons


# ---------------------------------------------------------------------------------------------
# A small anti-aliased rasteriser for the PNG pictures (cursors and logo)


class Shape:
    """A union of primitives; a sample point is covered when any primitive covers it."""

    def __init__(self):
        self.prims = []

    def _add(self, test, bounds):
        self.prims.append((test, bounds))
        return self

    def capsule(self, a, b, r):
        (ax, ay), (bx, by) = a, b
        dx, dy = bx - ax, by - ay
        length2 = dx * dx + dy * dy or 1e-9

        def test(x, y):
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
            px, py = ax + t * dx - x, ay + t * dy - y
            return px * px + py * py <= r * r

        return self._add(test, (min(ax, bx) - r, min(ay, by) - r, max(ax, bx) + r, max(ay, by) + r))

    def polyline(self, points, r, closed=False):
        seq = list(points) + ([points[0]] if closed else [])
        for a, b in zip(seq, seq[1:]):
            self.capsule(a, b, r)
        return self

    def polygon(self, points):
        def test(x, y):
            inside = False
            j = len(points) - 1
            for i in range(len(points)):
                xi, yi = points[i]
                xj, yj = points[j]
                if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    inside = not inside
                j = i
            return inside

        xs, ys = [p[0] for p in points], [p[1] for p in points]
        return self._add(test, (min(xs), min(ys), max(xs), max(ys)))

    def disc(self, cx, cy, r):
        return self._add(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r,
                         (cx - r, cy - r, cx + r, cy + r))

    def ring(self, cx, cy, r, half):
        def test(x, y):
            d = math.hypot(x - cx, y - cy)
            return abs(d - r) <= half

        return self._add(test, (cx - r - half, cy - r - half, cx + r + half, cy + r + half))


class Canvas:
    def __init__(self, w, h, samples=4):
        self.w, self.h, self.n = w, h, samples
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]  # premultiplied RGBA

    def draw(self, shape, rgba):
        r, g, b, a = (v / 255.0 for v in rgba)
        n = self.n
        x0 = max(0, int(min(p[1][0] for p in shape.prims)) - 1)
        y0 = max(0, int(min(p[1][1] for p in shape.prims)) - 1)
        x1 = min(self.w, int(max(p[1][2] for p in shape.prims)) + 2)
        y1 = min(self.h, int(max(p[1][3] for p in shape.prims)) + 2)
        for py in range(y0, y1):
            for px in range(x0, x1):
                hits = 0
                prims = [t for t, (bx0, by0, bx1, by1) in shape.prims
                         if bx0 <= px + 1 and bx1 >= px and by0 <= py + 1 and by1 >= py]
                if not prims:
                    continue
                for sy in range(n):
                    y = py + (sy + 0.5) / n
                    for sx in range(n):
                        x = px + (sx + 0.5) / n
                        if any(t(x, y) for t in prims):
                            hits += 1
                if hits:
                    cover = a * hits / (n * n)
                    dst = self.px[py * self.w + px]
                    for i, v in enumerate((r, g, b)):
                        dst[i] = v * cover + dst[i] * (1 - cover)
                    dst[3] = cover + dst[3] * (1 - cover)

    def png(self, path):
        rows = bytearray()
        for y in range(self.h):
            rows.append(0)
            for x in range(self.w):
                r, g, b, a = self.px[y * self.w + x]
                if a > 0:
                    r, g, b = r / a, g / a, b / a
                rows += bytes(int(round(max(0.0, min(1.0, v)) * 255)) for v in (r, g, b, a))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", self.w, self.h, 8, 6, 0, 0, 0)
        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                    chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


BLACK_RGBA = (20, 20, 20, 255)
WHITE_RGBA = (255, 255, 255, 255)


def outlined(canvas, build, halo=1.4):
    """Draws a shape in black over a white halo: `build(grow)` returns the shape grown by grow."""
    canvas.draw(build(halo), WHITE_RGBA)
    canvas.draw(build(0.0), BLACK_RGBA)


def crosshair_cursor(path, extra):
    c = Canvas(32, 32)

    def cross(grow):
        s = Shape()
        for a, b in (((16, 3), (16, 12)), ((16, 20), (16, 29)), ((3, 16), (12, 16)),
                     ((20, 16), (29, 16))):
            s.capsule(a, b, 0.7 + grow)
        return s

    outlined(c, cross)
    outlined(c, extra)
    c.png(path)


def cursor_line(grow):
    return Shape().capsule((20.5, 30), (30, 20.5), 0.8 + grow)


def cursor_circle(grow):
    return Shape().ring(25.5, 25.5, 4.8, 0.8 + grow)


def cursor_rectangle(grow):
    return Shape().polyline([(20.5, 21.5), (30.5, 21.5), (30.5, 30), (20.5, 30)], 0.8 + grow, True)


def cursor_triangle(grow):
    return Shape().polyline([(25.5, 20.5), (30.5, 30), (20.5, 30)], 0.8 + grow, True)


def move_cursor(path):
    c = Canvas(32, 32)

    def arrows(grow):
        s = Shape()
        s.capsule((16, 6), (16, 26), 1.0 + grow).capsule((6, 16), (26, 16), 1.0 + grow)
        heads = [[(16, 1), (10.5, 7.5), (21.5, 7.5)], [(16, 31), (10.5, 24.5), (21.5, 24.5)],
                 [(1, 16), (7.5, 10.5), (7.5, 21.5)], [(31, 16), (24.5, 10.5), (24.5, 21.5)]]
        for head in heads:
            s.polygon(head)
            if grow:
                s.polyline(head, grow, True)
        return s

    outlined(c, arrows)
    c.png(path)


def pencil_cursor(path):
    """A red pencil whose tip is at (4, 16): the cursor's hot spot."""
    c = Canvas(20, 20, 6)
    tip = (4.0, 16.0)
    d = (1 / math.sqrt(2), -1 / math.sqrt(2))
    n = (1 / math.sqrt(2), 1 / math.sqrt(2))

    def at(along, across):
        return (tip[0] + d[0] * along + n[0] * across, tip[1] + d[1] * along + n[1] * across)

    half = 2.6
    body = [at(5.2, -half), at(17.5, -half), at(17.5, half), at(5.2, half)]
    cone = [tip, at(5.2, -half), at(5.2, half)]
    outline = Shape().polyline([tip, at(5.2, -half), at(17.5, -half), at(17.5, half), at(5.2, half)],
                               0.75, True)
    c.draw(Shape().polygon(body), (230, 20, 20, 255))
    c.draw(Shape().polygon([at(5.2, 0.4), at(17.5, 0.4), at(17.5, half), at(5.2, half)]),
           (170, 0, 0, 255))
    c.draw(Shape().polygon(cone), (245, 245, 245, 255))
    c.draw(Shape().polygon([tip, at(2.0, -1.0), at(2.0, 1.0)]), (40, 40, 40, 255))
    c.draw(outline, (40, 40, 40, 255))
    c.png(path)


def eraser_cursor(path):
    c = Canvas(32, 32, 4)
    angle = math.radians(-35)
    ca, sa = math.cos(angle), math.sin(angle)

    def at(x, y):
        return (16 + x * ca - y * sa, 16 + x * sa + y * ca)

    whole = [at(-12, -6), at(12, -6), at(12, 6), at(-12, 6)]
    c.draw(Shape().polygon(whole), (244, 143, 177, 255))
    c.draw(Shape().polygon([at(-12, -6), at(-4, -6), at(-4, 6), at(-12, 6)]), (250, 250, 250, 255))
    c.draw(Shape().polyline(whole, 0.7, True).capsule(at(-4, -6), at(-4, 6), 0.6), BLACK_RGBA)
    c.png(path)


def logo(path):
    """The title-bar logo, 400 x 80 (shown at 200 x 40 times the interface scale)."""
    c = Canvas(400, 80, 3)
    c.draw(Shape().disc(40, 40, 31), (235, 120, 7, 255))
    c.draw(Shape().ring(40, 40, 17, 3.5), WHITE_RGBA)
    c.draw(Shape().disc(40, 40, 7), WHITE_RGBA)
    letters = {
        "O": None,
        "R": [[(0, 1), (0, 0), (0.6, 0), (0.82, 0.08), (0.9, 0.25), (0.82, 0.42), (0.6, 0.5),
               (0, 0.5)], [(0.45, 0.5), (0.9, 1)]],
        "V": [[(0, 0), (0.45, 1), (0.9, 0)]],
        "E": [[(0.8, 0), (0, 0), (0, 1), (0.8, 1)], [(0, 0.5), (0.65, 0.5)]],
        "L": [[(0, 0), (0, 1), (0.8, 1)]],
        "A": [[(0, 1), (0.45, 0), (0.9, 1)], [(0.18, 0.62), (0.72, 0.62)]],
    }
    x, top, height, r = 92.0, 22.0, 36.0, 3.4
    for ch in "ORVELLA":
        s = Shape()
        if ch == "O":
            s.ring(x + 17, top + height / 2, height / 2, r)
            advance = 34 + 13
        else:
            for stroke_points in letters[ch]:
                s.polyline([(x + px * 32, top + py * height) for px, py in stroke_points], r)
            advance = 0.9 * 32 + 13
        c.draw(s, WHITE_RGBA)
        x += advance
    c.png(path)



# ---------------------------------------------------------------------------------------------
# The application icon: a document camera over a page on an orange tile. One drawing on a
# 256 x 256 grid gives the scalable SVG (window icon and hicolor/scalable) and the PNG sizes the
# desktop's icon theme wants.

APP_ID = "org.orvella.Orvella"
APP_ICON_SIZES = (48, 128, 256)
TILE_RGBA = (235, 120, 7, 255)
INK_RGBA = (51, 51, 51, 255)


def app_icon_parts():
    """(kind, geometry, rgba) in painting order; capsules are (a, b, radius)."""
    return [
        ("rrect", (16, 16, 240, 240, 48), TILE_RGBA),
        ("polygon", [(64, 166), (192, 166), (210, 214), (46, 214)], WHITE_RGBA),
        ("capsule", ((78, 182), (176, 182), 4), INK_RGBA),
        ("capsule", ((74, 198), (148, 198), 4), INK_RGBA),
        ("capsule", ((92, 160), (92, 78), 11), WHITE_RGBA),
        ("capsule", ((92, 78), (150, 62), 11), WHITE_RGBA),
        ("disc", (164, 60, 28), WHITE_RGBA),
        ("disc", (164, 60, 15), INK_RGBA),
        ("disc", (169, 55, 5), WHITE_RGBA),
    ]


def rounded_rect(shape, x0, y0, x1, y1, r, scale):
    x0, y0, x1, y1, r = (v * scale for v in (x0, y0, x1, y1, r))
    shape.polygon([(x0 + r, y0), (x1 - r, y0), (x1 - r, y1), (x0 + r, y1)])
    shape.polygon([(x0, y0 + r), (x1, y0 + r), (x1, y1 - r), (x0, y1 - r)])
    for cx, cy in ((x0 + r, y0 + r), (x1 - r, y0 + r), (x0 + r, y1 - r), (x1 - r, y1 - r)):
        shape.disc(cx, cy, r)
    return shape


def app_icon_png(path, size):
    scale = size / 256.0
    c = Canvas(size, size, 4)
    for kind, geo, rgba in app_icon_parts():
        s = Shape()
        if kind == "rrect":
            rounded_rect(s, *geo, scale)
        elif kind == "polygon":
            s.polygon([(x * scale, y * scale) for x, y in geo])
        elif kind == "capsule":
            (ax, ay), (bx, by), r = geo
            s.capsule((ax * scale, ay * scale), (bx * scale, by * scale), r * scale)
        else:
            cx, cy, r = geo
            s.disc(cx * scale, cy * scale, r * scale)
        c.draw(s, rgba)
    c.png(path)


def app_icon_svg():
    def colour(rgba):
        return "#%02x%02x%02x" % rgba[:3]

    body = []
    for kind, geo, rgba in app_icon_parts():
        if kind == "rrect":
            x0, y0, x1, y1, r = geo
            body.append('<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s"/>' % (
                x0, y0, x1 - x0, y1 - y0, r, colour(rgba)))
        elif kind == "polygon":
            body.append('<polygon points="%s" fill="%s"/>' % (pts(geo), colour(rgba)))
        elif kind == "capsule":
            (ax, ay), (bx, by), r = geo
            body.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s" '
                        'stroke-linecap="round"/>' % (ax, ay, bx, by, colour(rgba), 2 * r))
        else:
            cx, cy, r = geo
            body.append(disc(cx, cy, r, colour(rgba)))
    return ('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            'width="256" height="256" viewBox="0 0 256 256">\n  ' + "\n  ".join(body) +
            "\n</svg>\n")


def app_icons():
    """The SVG goes into the resources; the PNGs into packaging/icons for installation."""
    write("appicon/%s.svg" % APP_ID, app_icon_svg())
    for size in APP_ICON_SIZES:
        folder = os.path.join(ROOT, "packaging", "icons", "%dx%d" % (size, size))
        os.makedirs(folder, exist_ok=True)
        app_icon_png(os.path.join(folder, APP_ID + ".png"), size)
    return ["appicon/%s.svg" % APP_ID]

# ---------------------------------------------------------------------------------------------
# The shutter sound: two damped noise clicks, 16-bit mono PCM at 44.1 kHz


def shutter_sound(path):
    rate = 44100
    rng = random.Random(20240510)
    samples = [0.0] * int(rate * 0.22)
    for start, gain, decay in ((0.0, 0.9, 180.0), (0.075, 0.6, 140.0)):
        low = 0.0
        first = int(start * rate)
        for i in range(first, len(samples)):
            t = (i - first) / rate
            noise = rng.uniform(-1.0, 1.0)
            low += 0.35 * (noise - low)  # soften the hiss into a click
            samples[i] += gain * low * math.exp(-decay * t) + 0.25 * gain * math.sin(
                2 * math.pi * 1800 * t) * math.exp(-decay * 1.6 * t)
    peak = max(abs(s) for s in samples) or 1.0
    frames = b"".join(struct.pack("<h", int(s / peak * 0.8 * 32767)) for s in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(frames)


# ---------------------------------------------------------------------------------------------


def write(rel, data, mode="w"):
    path = os.path.join(OUT, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, mode, encoding=None if "b" in mode else "utf-8") as f:
        f.write(data)
    return path


def qrc(files):
    """orvella.qrc: every file is reached as ":/" + its path under src/resources."""
    lines = ["<!DOCTYPE RCC>", '<RCC version="1.0">', '    <qresource prefix="/">']
    lines += ["        <file>%s</file>" % rel for rel in sorted(files)]
    lines += ["    </qresource>", "</RCC>"]
    return "\n".join(lines) + "\n"


def main():
    files = []
    for rel, (glyph, colour) in sorted(all_icons().items()):
        write(rel, svg(glyph(colour)))
        files.append(rel)

    cursor_dir = os.path.join(OUT, "cursors", "cursors")
    os.makedirs(cursor_dir, exist_ok=True)
    crosshair_cursor(os.path.join(cursor_dir, "fe_line_line.png"), cursor_line)
    crosshair_cursor(os.path.join(cursor_dir, "fe_2d_circl.png"), cursor_circle)
    crosshair_cursor(os.path.join(cursor_dir, "fe_2d_rectangle.png"), cursor_rectangle)
    crosshair_cursor(os.path.join(cursor_dir, "fe_2d_tri.png"), cursor_triangle)
    move_cursor(os.path.join(cursor_dir, "move.png"))
    pencil_cursor(os.path.join(cursor_dir, "pencil_red.png"))
    eraser_cursor(os.path.join(cursor_dir, "eraser.png"))
    files += ["cursors/cursors/" + n for n in sorted(os.listdir(cursor_dir))]

    os.makedirs(os.path.join(OUT, "root", "root"), exist_ok=True)
    shutter_sound(os.path.join(OUT, "root", "root", "photoSound.wav"))
    files.append("root/root/photoSound.wav")

    os.makedirs(os.path.join(OUT, "logo"), exist_ok=True)
    logo(os.path.join(OUT, "logo", "cur_use_logo.png"))
    files += app_icons()

    write("orvella.qrc", qrc(files))
    print("%d resources written under %s" % (len(files), OUT))


if __name__ == "__main__":
    main()
