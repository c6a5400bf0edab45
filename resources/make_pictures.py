#!/usr/bin/env python3
"""Draws Vestigon's icon and bitmaps.

Usage: python3 make_pictures.py <output folder>

Writes vestigon.ico (16, 20, 24, 32, 40, 48 and 64 pixels, 32 bits with alpha), the four
verdict shields verdict_equal.bmp, verdict_signed.bmp, verdict_unknown.bmp, verdict_warning.bmp and
verdict_different.bmp (30 x 30, 32 bits, on the notification strip's pale yellow) and
about.bmp (336 x 450, a light green fingerprint on dark green). Each bitmap is also drawn
at 1.5 and 2 times its size for denser screens, as NAME_150.bmp and NAME_200.bmp: the
shapes are described once, in the units of the 1x picture, and sampled at the finer grid.
Plain Python, no third-party modules; the output is the same, byte for byte, on every run.

Shapes are sets of points; a pixel's coverage is the share of a grid of sub-samples that
falls inside the shape, which gives smooth edges without stray pixels. The fingerprint,
too large for sub-sampling in pure Python, measures each pixel's distance to the nearest
ridge instead.
"""

import math
import os
import struct
import sys

NOTIFY_BACKGROUND = (255, 255, 225)
SUBSAMPLES = 8


# ----------------------------------------------------------------------------------------
# Canvas: premultiplied RGBA floats, composited with "over".
# ----------------------------------------------------------------------------------------

class Canvas:
    """A picture of width x height units of the 1x drawing, held at `scale` pixels per unit."""

    def __init__(self, width, height, background=None, scale=1.0):
        self.scale = scale
        width, height = int(round(width * scale)), int(round(height * scale))
        self.width = width
        self.height = height
        if background is None:
            self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]
        else:
            r, g, b = background
            self.pixels = [[r / 255.0, g / 255.0, b / 255.0, 1.0] for _ in range(width * height)]

    def blend(self, x, y, colour, alpha):
        """Puts colour (0..255 channels) over pixel (x, y) with the given coverage."""
        if alpha <= 0.0:
            return
        alpha = min(alpha, 1.0)
        pixel = self.pixels[y * self.width + x]
        keep = 1.0 - alpha
        pixel[0] = colour[0] / 255.0 * alpha + pixel[0] * keep
        pixel[1] = colour[1] / 255.0 * alpha + pixel[1] * keep
        pixel[2] = colour[2] / 255.0 * alpha + pixel[2] * keep
        pixel[3] = alpha + pixel[3] * keep

    def fill(self, inside, colour, bounds=None, opacity=1.0):
        """Fills the shape `inside(x, y) -> bool` (pixel centres at +0.5).

        colour is an (r, g, b) tuple or a function (x, y) -> (r, g, b) of the pixel centre.
        Shapes, colours and bounds are in units of the 1x drawing.
        """
        s = self.scale
        x0, y0, x1, y1 = (b * s for b in bounds) if bounds else (0, 0, self.width, self.height)
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(self.width, int(math.ceil(x1))), min(self.height, int(math.ceil(y1)))
        steps = [(i + 0.5) / SUBSAMPLES for i in range(SUBSAMPLES)]
        total = float(SUBSAMPLES * SUBSAMPLES)
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = 0
                for sy in steps:
                    for sx in steps:
                        if inside((x + sx) / s, (y + sy) / s):
                            hits += 1
                if hits:
                    shade = colour((x + 0.5) / s, (y + 0.5) / s) if callable(colour) else colour
                    self.blend(x, y, shade, opacity * hits / total)

    def rgba_bytes(self, x, y):
        """Straight (not premultiplied) 8-bit channels of a pixel."""
        r, g, b, a = self.pixels[y * self.width + x]
        if a <= 0.0:
            return 0, 0, 0, 0
        return (to_byte(r / a), to_byte(g / a), to_byte(b / a), to_byte(a))


def to_byte(value):
    return max(0, min(255, int(round(value * 255.0))))


def mix(first, second, t):
    t = max(0.0, min(1.0, t))
    return tuple(first[i] + (second[i] - first[i]) * t for i in range(3))


def vertical_gradient(top_colour, bottom_colour, top, bottom):
    return lambda x, y: mix(top_colour, bottom_colour, (y - top) / (bottom - top))


# ----------------------------------------------------------------------------------------
# Geometry
# ----------------------------------------------------------------------------------------

def distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    cx, cy = ax + t * dx, ay + t * dy
    return math.hypot(px - cx, py - cy)


def polyline_stroke(points, width):
    """Round-capped, round-joined thick polyline."""
    half = width / 2.0
    segments = list(zip(points, points[1:]))

    def inside(x, y):
        return any(distance_to_segment(x, y, a[0], a[1], b[0], b[1]) <= half for a, b in segments)
    return inside


def arc_stroke(cx, cy, radius, start, end, width):
    """Round-capped arc from angle start to end (radians, y downwards, start < end)."""
    half = width / 2.0
    ends = [(cx + radius * math.cos(a), cy + radius * math.sin(a)) for a in (start, end)]

    def inside(x, y):
        angle = math.atan2(y - cy, x - cx)
        while angle < start:
            angle += 2 * math.pi
        if angle <= end:
            return abs(math.hypot(x - cx, y - cy) - radius) <= half
        return any(math.hypot(x - ex, y - ey) <= half for ex, ey in ends)
    return inside


def disc(cx, cy, radius):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def union(*shapes):
    return lambda x, y: any(shape(x, y) for shape in shapes)


def polygon(points):
    """Even-odd point-in-polygon test."""
    def inside(x, y):
        result = False
        count = len(points)
        for i in range(count):
            ax, ay = points[i]
            bx, by = points[(i + 1) % count]
            if (ay > y) != (by > y):
                cross_x = ax + (y - ay) * (bx - ax) / (by - ay)
                if x < cross_x:
                    result = not result
        return result
    return inside


def rounded_rect(x0, y0, x1, y1, radius):
    def inside(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    return inside


def shield(cx, top, bottom, half_width, dip):
    """A heater shield: straight sides over the upper 40 %, then curving in to a point,
    and a top edge that dips slightly between its two shoulders."""
    height = bottom - top

    def inside(x, y):
        dx = abs(x - cx)
        if dx > half_width:
            return False
        edge = top + dip * (1.0 - (dx / half_width) ** 2)
        if y < edge or y > bottom:
            return False
        t = (y - top) / height
        if t <= 0.4:
            return True
        s = (t - 0.4) / 0.6
        return dx <= half_width * (1.0 - s ** 1.7) ** 0.8
    return inside


# ----------------------------------------------------------------------------------------
# Verdict shields, 30 x 30
# ----------------------------------------------------------------------------------------

SHIELD_COLOURS = {
    # name: (top of the fill, bottom of the fill, outline)
    'green': ((112, 200, 96), (34, 138, 52), (18, 88, 34)),
    'blue': ((104, 160, 240), (30, 88, 200), (18, 50, 130)),
    'orange': ((255, 176, 64), (228, 106, 8), (150, 66, 0)),
    'red': ((240, 96, 84), (190, 32, 32), (118, 14, 14)),
}

MARK_WIDTH = 3.0


def check_mark():
    return polyline_stroke([(9.6, 14.6), (13.3, 18.3), (20.4, 9.8)], MARK_WIDTH)


def cross_mark():
    return union(polyline_stroke([(10.6, 9.2), (19.4, 18.0)], MARK_WIDTH),
                 polyline_stroke([(19.4, 9.2), (10.6, 18.0)], MARK_WIDTH))


def exclamation_mark():
    return union(polyline_stroke([(15.0, 7.6), (15.0, 15.0)], MARK_WIDTH),
                 disc(15.0, 19.4, 1.75))


def question_mark():
    # A hook: the arc of a circle from its left side over the top to its lower right,
    # a short stem down to the centre line, and the dot.
    cx, cy, radius = 15.0, 10.6, 3.4
    start, end = math.pi, 2 * math.pi + math.radians(50)
    arc_end = (cx + radius * math.cos(end), cy + radius * math.sin(end))
    return union(arc_stroke(cx, cy, radius, start, end, 2.7),
                 polyline_stroke([arc_end, (15.0, 15.2)], 2.7),
                 disc(15.0, 19.4, 1.7))


def draw_shield_bitmap(colour_name, mark, scale=1.0):
    top_colour, bottom_colour, outline = SHIELD_COLOURS[colour_name]
    canvas = Canvas(30, 30, NOTIFY_BACKGROUND, scale)
    bounds = (2, 1, 28, 30)
    # A soft shadow below and to the right makes the shield stand off the pale strip.
    canvas.fill(shield(15.7, 2.3, 29.3, 12.0, 1.6), (120, 110, 70), bounds, opacity=0.28)
    canvas.fill(shield(15.0, 1.5, 28.5, 12.0, 1.6), outline, bounds)
    canvas.fill(shield(15.0, 2.9, 26.6, 10.6, 1.4),
                vertical_gradient(top_colour, bottom_colour, 3.0, 26.0), bounds)
    # A light sheen on the left half, as if lit from the upper left.
    left_half = shield(15.0, 2.9, 26.6, 10.6, 1.4)
    canvas.fill(lambda x, y: x < 15.0 and left_half(x, y), (255, 255, 255), bounds, opacity=0.16)
    # The mark, with a thin dark rim so that it reads on every colour.
    canvas.fill(mark_rim(mark), outline, (6, 4, 25, 24), opacity=0.55)
    canvas.fill(mark, (255, 255, 255), (6, 4, 25, 24))
    return canvas


def draw_sealed_shield_bitmap(scale=1.0):
    """The green shield with a gold seal at its lower right: the digest matches and the list or
    file carries a signature that holds by a key the program knows."""
    canvas = draw_shield_bitmap('green', check_mark(), scale)
    bounds = (14, 14, 30, 30)
    canvas.fill(disc(22.6, 22.6, 6.4), (110, 78, 8), bounds)
    canvas.fill(disc(22.6, 22.6, 5.3), vertical_gradient((255, 224, 110), (214, 158, 24), 17.0, 28.0), bounds)
    canvas.fill(disc(22.6, 22.6, 2.2), (255, 246, 200), bounds, opacity=0.7)
    return canvas


def mark_rim(mark, width=0.7):
    """The mark widened by `width` pixels: the points within that distance of it."""
    offsets = [(width * math.cos(a * math.pi / 4), width * math.sin(a * math.pi / 4)) for a in range(8)]
    return lambda x, y: mark(x, y) or any(mark(x + dx, y + dy) for dx, dy in offsets)


# ----------------------------------------------------------------------------------------
# About picture, 336 x 450
# ----------------------------------------------------------------------------------------

ABOUT_WIDTH, ABOUT_HEIGHT = 336, 450
GROUND_TOP, GROUND_BOTTOM = (0, 44, 14), (0, 22, 6)
RIDGE_COLOUR = (150, 236, 140)
RIDGE_PERIOD = 9.0      # pixels from one ridge to the next
RIDGE_SHARE = 0.46      # share of the period that a ridge covers


def fingerprint_phase(x, y):
    """Ridge phase: a whorl, a spiral of slightly warped ellipses round the core.
    Ridges lie where the phase is a whole number plus one half."""
    cx, cy = 176.0, 236.0
    u, v = x - cx, y - cy
    # Two gentle waves of different length keep the rings from looking drawn with a compass.
    u, v = (u + 6.0 * math.sin(v / 43.0 + 0.3) + 2.5 * math.sin(v / 17.0 + u / 29.0),
            v + 5.0 * math.sin(u / 37.0 + 0.6) + 2.0 * math.sin(u / 19.0 - v / 23.0))
    angle = math.atan2(v, u)
    # Rings a little flatter below the core than above it, as on a finger tip.
    radius = math.hypot(u, v / 1.32) * (1.0 + 0.07 * math.sin(angle))
    return radius / RIDGE_PERIOD + angle / (2.0 * math.pi)


def fingerprint_extent(x, y):
    """0 in the middle of the print, 1 on its rim (an oval slightly wider at the top)."""
    u, v = (x - 172.0) / 132.0, (y - 236.0) / 176.0
    u *= 1.0 + 0.08 * max(0.0, v)
    return math.hypot(u, v)


def smoothstep(edge0, edge1, value):
    t = max(0.0, min(1.0, (value - edge0) / (edge1 - edge0)))
    return t * t * (3.0 - 2.0 * t)


def wrapped(difference):
    """A phase difference without the whole turn that the angle gains across its seam."""
    return difference - round(difference)


def ridge_coverage(x, y, scale=1.0):
    """Share of a pixel of 1/scale units at (x, y) that a ridge covers."""
    phase = fingerprint_phase(x, y)
    step = 0.5
    gx = wrapped(fingerprint_phase(x + step, y) - fingerprint_phase(x - step, y)) / (2 * step)
    gy = wrapped(fingerprint_phase(x, y + step) - fingerprint_phase(x, y - step)) / (2 * step)
    slope = max(math.hypot(gx, gy), 1e-6)
    offset = abs((phase % 1.0) - 0.5)
    distance = offset / slope                  # pixels to the ridge's centre line
    half_width = RIDGE_SHARE * 0.5 / slope     # pixels
    return max(0.0, min(1.0, (half_width - distance) * scale + 0.5))


def draw_about_bitmap(scale=1.0):
    canvas = Canvas(ABOUT_WIDTH, ABOUT_HEIGHT, scale=scale)
    for row in range(canvas.height):
        for column in range(canvas.width):
            x, y = column / scale, row / scale
            t = y / (ABOUT_HEIGHT - 1.0)
            ground = mix(GROUND_TOP, GROUND_BOTTOM, t)
            extent = fingerprint_extent(x, y)
            # A faint glow behind the print.
            ground = mix(ground, (0, 70, 24), 0.45 * (1.0 - smoothstep(0.2, 1.25, extent)))
            canvas.blend(column, row, ground, 1.0)
            if extent >= 1.0:
                continue
            # The print fades out at its rim and is dimmer at the top, under the texts.
            strength = (1.0 - smoothstep(0.82, 1.0, extent)) * (0.45 + 0.4 * smoothstep(40.0, 260.0, y))
            core_fade = smoothstep(0.0, 0.06, extent)   # no pinhole of ridges at the core
            canvas.blend(column, row, RIDGE_COLOUR,
                         ridge_coverage(x, y, scale) * strength * (0.3 + 0.7 * core_fade))
    return canvas


# ----------------------------------------------------------------------------------------
# Program icon: a document whose checksum is confirmed by a green seal.
# ----------------------------------------------------------------------------------------

def draw_icon(size):
    canvas = Canvas(size, size)
    s = size / 48.0
    line = max(1.0, 1.5 * s)           # outline width in pixels
    left, top, right, bottom, fold = 6 * s, 2 * s, 36 * s, 44 * s, 11 * s
    page = [(left, top), (right - fold, top), (right, top + fold), (right, bottom), (left, bottom)]
    inner = [(left + line, top + line), (right - fold - line * 0.4, top + line),
             (right - line, top + fold + line * 0.4), (right - line, bottom - line),
             (left + line, bottom - line)]
    canvas.fill(polygon(page), (96, 104, 120))
    canvas.fill(polygon(inner), vertical_gradient((255, 255, 255), (226, 232, 240), top, bottom))
    canvas.fill(polygon([(right - fold, top), (right - fold, top + fold), (right, top + fold)]),
                (196, 204, 216))
    canvas.fill(polyline_stroke([(right - fold, top + line * 0.5), (right - fold, top + fold),
                                 (right - line * 0.5, top + fold)], line * 0.8), (96, 104, 120))
    # Lines of digest text on the page; the smallest icon keeps only three.
    rows = [13, 19, 25, 31] if size >= 32 else [14, 22, 30]
    lengths = [20, 23, 14, 18]
    for row, length in zip(rows, lengths):
        y = row * s
        canvas.fill(rounded_rect(left + 5 * s, y - line * 0.6, left + (5 + length) * s, y + line * 0.6,
                                 line * 0.6), (120, 140, 180))
    # The seal: a green disc with a white check mark, ringed in dark green and a white halo
    # that separates it from the page.
    cx, cy, radius = 33 * s, 33 * s, 13.5 * s
    canvas.fill(disc(cx, cy, radius + line), (255, 255, 255))
    canvas.fill(disc(cx, cy, radius), (18, 96, 36))
    canvas.fill(disc(cx, cy, radius - line),
                vertical_gradient((110, 204, 96), (30, 140, 50), cy - radius, cy + radius))
    mark_width = max(1.6, 3.6 * s)
    canvas.fill(polyline_stroke([(cx - 6.5 * s, cy + 0.5 * s), (cx - 2 * s, cy + 5 * s),
                                 (cx + 6.5 * s, cy - 5 * s)], mark_width), (255, 255, 255))
    return canvas


# ----------------------------------------------------------------------------------------
# File formats
# ----------------------------------------------------------------------------------------

def bitmap_pixel_rows(canvas, opaque):
    """Bottom-up rows of BGRA bytes."""
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray()
        for x in range(canvas.width):
            r, g, b, a = canvas.rgba_bytes(x, y)
            row += bytes((b, g, r, 255 if opaque else a))
        rows.append(bytes(row))
    return rows


def info_header(width, height, image_size):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, 32, 0, image_size, 2835, 2835, 0, 0)


def bmp_bytes(canvas):
    pixels = b''.join(bitmap_pixel_rows(canvas, opaque=True))
    header = info_header(canvas.width, canvas.height, len(pixels))
    offset = 14 + len(header)
    file_header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    return file_header + header + pixels


def icon_image_bytes(canvas):
    pixels = b''.join(bitmap_pixel_rows(canvas, opaque=False))
    mask_stride = ((canvas.width + 31) // 32) * 4
    mask = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray(mask_stride)
        for x in range(canvas.width):
            if canvas.rgba_bytes(x, y)[3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    header = info_header(canvas.width, canvas.height * 2, len(pixels) + len(mask))
    return header + pixels + bytes(mask)


def ico_bytes(canvases):
    images = [icon_image_bytes(c) for c in canvases]
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for canvas, image in zip(canvases, images):
        directory += struct.pack('<BBBBHHII', canvas.width % 256, canvas.height % 256, 0, 0, 1, 32,
                                 len(image), offset)
        offset += len(image)
    return directory + b''.join(images)


def write_file(folder, name, data):
    path = os.path.join(folder, name)
    with open(path, 'wb') as output:
        output.write(data)


# The bitmaps' scales and the endings of their file names; the icon's sizes cover 100 % to
# 200 % of its small (16) and large (32) sizes.
SCALES = [('', 1.0), ('_150', 1.5), ('_200', 2.0)]
ICON_SIZES = [16, 20, 24, 32, 40, 48, 64]


def main(arguments):
    if len(arguments) != 2:
        sys.stderr.write('usage: make_pictures.py <output folder>\n')
        return 2
    folder = arguments[1]
    os.makedirs(folder, exist_ok=True)
    write_file(folder, 'vestigon.ico', ico_bytes([draw_icon(size) for size in ICON_SIZES]))
    shields = [('verdict_equal', 'green', check_mark()), ('verdict_unknown', 'blue', question_mark()),
               ('verdict_warning', 'orange', exclamation_mark()), ('verdict_different', 'red', cross_mark())]
    for suffix, scale in SCALES:
        for name, colour, mark in shields:
            write_file(folder, name + suffix + '.bmp', bmp_bytes(draw_shield_bitmap(colour, mark, scale)))
        write_file(folder, 'verdict_signed' + suffix + '.bmp', bmp_bytes(draw_sealed_shield_bitmap(scale)))
        write_file(folder, 'about' + suffix + '.bmp', bmp_bytes(draw_about_bitmap(scale)))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
