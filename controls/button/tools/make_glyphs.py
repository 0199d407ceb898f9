#!/usr/bin/env python3
"""Draws the push button's glyph strips as 24-bit BMP files.

Run once from the project root; the files land in resources/pictures/lbbutton/.
Each stock glyph is a strip of two cells, normal then disabled, on a magenta
background that the button drops as its transparent colour (the bottom-left
pixel of a cell).
"""
import math
import os
import struct

BACK = (255, 0, 255)
GRAY = (128, 128, 128)
WHITE = (255, 255, 255)
OUT = os.path.join("resources", "pictures", "lbbutton")


class Cell:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[None] * w for _ in range(h)]

    def put(self, x, y, c):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def dot(self, x, y, c, r=1.0):
        # A round pen tip of radius r centred on (x, y).
        for yy in range(int(y - r) - 1, int(y + r) + 2):
            for xx in range(int(x - r) - 1, int(x + r) + 2):
                if (xx - x) ** 2 + (yy - y) ** 2 <= r * r:
                    self.put(xx, yy, c)

    def line(self, x0, y0, x1, y1, c, r=1.0):
        n = int(max(abs(x1 - x0), abs(y1 - y0)) * 3) + 1
        for i in range(n + 1):
            t = i / n
            self.dot(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, c, r)

    def ring(self, cx, cy, rad, c, r=1.0, a0=0, a1=360):
        steps = 90
        for i in range(steps + 1):
            a = math.radians(a0 + (a1 - a0) * i / steps)
            self.dot(cx + rad * math.cos(a), cy - rad * math.sin(a), c, r)

    def disc(self, cx, cy, rad, c):
        for y in range(self.h):
            for x in range(self.w):
                if (x - cx) ** 2 + (y - cy) ** 2 <= rad * rad:
                    self.px[y][x] = c

    def polygon(self, pts, c):
        for y in range(self.h):
            for x in range(self.w):
                if inside(pts, x + 0.5, y + 0.5):
                    self.px[y][x] = c


def inside(pts, x, y):
    hit = False
    j = len(pts) - 1
    for i in range(len(pts)):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def disabled(cell):
    # Embossed grey: a white copy one pixel down and right under a grey shape.
    out = Cell(cell.w, cell.h)
    for y in range(cell.h):
        for x in range(cell.w):
            if cell.px[y][x] is not None:
                out.put(x + 1, y + 1, WHITE)
    for y in range(cell.h):
        for x in range(cell.w):
            p = cell.px[y][x]
            if p is not None:
                # Light details (the check on a disc) stay light.
                out.px[y][x] = WHITE if sum(p) > 600 else GRAY
    return out


def write_bmp(name, cells, h):
    w = sum(c.w for c in cells)
    stride = (w * 3 + 3) & ~3
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for cell in cells:
            for x in range(cell.w):
                p = cell.px[y][x] if y < cell.h else None
                r, g, b = p if p is not None else BACK
                row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    head = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(os.path.join(OUT, name + ".bmp"), "wb") as f:
        f.write(head + info + data)


def check(c, col, dx=0.0):
    c.line(3 + dx, 9, 7 + dx, 13, col, 1.2)
    c.line(7 + dx, 13, 14 + dx, 4, col, 1.2)


def glyph_ok(c):
    check(c, (0, 128, 0))


def glyph_cancel(c):
    col = (200, 0, 0)
    c.line(4, 4, 13, 13, col, 1.2)
    c.line(13, 4, 4, 13, col, 1.2)


def glyph_help(c):
    col = (0, 64, 192)
    c.ring(9, 6, 3.5, col, 1.0, -60, 200)
    c.line(10.8, 9.0, 9, 11, col, 1.0)
    c.dot(9, 14.5, col, 1.2)


def glyph_yes(c):
    c.disc(8.5, 8.5, 7.5, (0, 140, 0))
    check(c, WHITE)


def glyph_no(c):
    col = (200, 0, 0)
    c.ring(8.5, 8.5, 6.5, col, 1.1)
    c.line(4, 13, 13, 4, col, 1.1)


def glyph_close(c):
    frame = (64, 64, 64)
    c.line(2, 2, 15, 2, frame, 0.6)
    c.line(2, 15, 15, 15, frame, 0.6)
    c.line(2, 2, 2, 15, frame, 0.6)
    c.line(15, 2, 15, 15, frame, 0.6)
    c.line(5, 5, 12, 12, frame, 1.0)
    c.line(12, 5, 5, 12, frame, 1.0)


def glyph_abort(c):
    pts = []
    for i in range(8):
        a = math.radians(22.5 + 45 * i)
        pts.append((9 + 8 * math.cos(a), 9 - 8 * math.sin(a)))
    c.polygon(pts, (192, 0, 0))
    for y in range(8, 10):
        for x in range(4, 14):
            c.put(x, y, WHITE)


def glyph_retry(c):
    col = (0, 96, 192)
    c.ring(8.5, 9, 5.5, col, 1.0, 60, 330)
    c.polygon([(10.5, 0.5), (16, 4.5), (10.5, 8.5)], col)


def glyph_ignore(c):
    col = (96, 96, 96)
    c.line(2, 9, 12, 9, col, 1.0)
    c.polygon([(10, 4.5), (15, 9), (10, 13.5)], col)
    c.line(15.5, 3, 15.5, 15, col, 0.6)


def glyph_all(c):
    check(c, (0, 128, 0), -1.5)
    check(c, (0, 96, 0), 2.5)


def strip(name, draw, w=18, h=18):
    cell = Cell(w, h)
    draw(cell)
    write_bmp(name, [cell, disabled(cell)], h)


def main():
    os.makedirs(OUT, exist_ok=True)
    strip("LBOK", glyph_ok)
    strip("LBCANCEL", glyph_cancel)
    strip("LBHELP", glyph_help)
    strip("LBYES", glyph_yes)
    strip("LBNO", glyph_no)
    strip("LBCLOSE", glyph_close)
    strip("LBABORT", glyph_abort)
    strip("LBRETRY", glyph_retry)
    strip("LBIGNORE", glyph_ignore)
    strip("LBALL", glyph_all, 18, 19)
    # The pop-up menu mark: a small black triangle pointing down.
    arrow = Cell(5, 3)
    for y, (a, b) in enumerate([(0, 4), (1, 3), (2, 2)]):
        for x in range(a, b + 1):
            arrow.put(x, y, (0, 0, 0))
    write_bmp("LBARROW", [arrow], 3)


if __name__ == "__main__":
    main()
