#!/usr/bin/env python3
"""Draws the grid's cell glyphs as 24-bit BMP files.

Run once from the project root; the files land in resources/pictures/grid/.
Every glyph sits on a magenta background, which the painter drops as the
transparent colour (the bitmap's bottom-left pixel):
  GRDCHK01-04  20 x 20  check boxes of the Vyx look: checked, unchecked,
                        checked disabled, unchecked disabled
  GRDCHK05-08  16 x 16  the same in the XP look
  GRDRAD01-04  16 x 16  radio buttons of the Vyx look, in that order
  GRDRAD05-08  16 x 16  the same in the XP look
  GRDLEAFOPEN, GRDLEAFCLOSE 16 x 16, XPNODEO, XPNODEC 9 x 9: tree nodes
  GRDFILT      16 x 16  the filter button of a header
"""
import os
import struct

BACK = (255, 0, 255)
OUT = os.path.join("resources", "pictures", "grid")


class Cell:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[BACK] * w for _ in range(h)]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.put(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1):
            self.put(x, y0, c)
            self.put(x, y1 - 1, c)
        for y in range(y0, y1):
            self.put(x0, y, c)
            self.put(x1 - 1, y, c)

    def vgrad(self, x0, y0, x1, y1, c0, c1):
        n = max(1, y1 - y0 - 1)
        for y in range(y0, y1):
            t = (y - y0) / n
            c = tuple(int(round(a + (b - a) * t)) for a, b in zip(c0, c1))
            for x in range(x0, x1):
                self.put(x, y, c)

    def disc(self, cx, cy, r, c):
        for y in range(self.h):
            for x in range(self.w):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.put(x, y, c)

    def ring(self, cx, cy, r, c):
        for y in range(self.h):
            for x in range(self.w):
                d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
                if r - 1.0 <= d <= r:
                    self.put(x, y, c)

    def tick(self, x, y, s, c):
        # A tick whose short stroke starts at (x, y + s/2), with its corner
        # low in the box and its long stroke up to the right.
        pts = []
        k = max(2, s // 3)
        for i in range(k + 1):
            pts.append((x + i, y + s // 2 + i))
        for i in range(1, s - k):
            pts.append((x + k + i, y + s // 2 + k - i))
        for (px, py) in pts:
            self.put(px, py, c)
            self.put(px, py + 1, c)
            self.put(px, py + 2, c)

    def save(self, name):
        row = (self.w * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.h - 1, -1, -1):
            line = bytearray()
            for (r, g, b) in self.px[y]:
                line += bytes((b, g, r))
            line += b"\0" * (row - len(line))
            data += line
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        with open(os.path.join(OUT, name + ".bmp"), "wb") as f:
            f.write(header + info + data)


def check(size, box, border, top, bottom, mark, checked):
    c = Cell(size, size)
    o = (size - box) // 2
    c.vgrad(o + 1, o + 1, o + box - 1, o + box - 1, top, bottom)
    c.frame(o, o, o + box, o + box, border)
    if checked:
        c.tick(o + 3, o + 1, box - 5, mark)
    return c


def radio(size, border, top, bottom, dot, checked):
    c = Cell(size, size)
    cx = cy = size / 2
    c.disc(cx, cy, 6.5, top)
    c.disc(cx, cy + 1, 4.5, bottom)
    c.ring(cx, cy, 6.5, border)
    if checked:
        c.disc(cx, cy, 3.0, dot)
    return c


def main():
    os.makedirs(OUT, exist_ok=True)
    # The XP look: a dark blue frame, a light gradient, a green tick.
    xp = dict(border=(28, 81, 128), top=(220, 220, 215), bottom=(255, 255, 255), mark=(33, 161, 33))
    xpd = dict(border=(202, 200, 187), top=(245, 244, 234), bottom=(245, 244, 234), mark=(202, 200, 187))
    for name, look, on in (("GRDCHK05", xp, True), ("GRDCHK06", xp, False),
                           ("GRDCHK07", xpd, True), ("GRDCHK08", xpd, False)):
        check(16, 13, look["border"], look["top"], look["bottom"], look["mark"], on).save(name)
    # The Vyx look: a grey-blue frame, a blue-white gradient, a dark tick.
    vyx = dict(border=(94, 118, 150), top=(255, 255, 255), bottom=(210, 222, 238), mark=(33, 57, 99))
    vyxd = dict(border=(176, 176, 176), top=(244, 244, 244), bottom=(232, 232, 232), mark=(160, 160, 160))
    for name, look, on in (("GRDCHK01", vyx, True), ("GRDCHK02", vyx, False),
                           ("GRDCHK03", vyxd, True), ("GRDCHK04", vyxd, False)):
        check(20, 15, look["border"], look["top"], look["bottom"], look["mark"], on).save(name)
    for name, look, on in (("GRDRAD05", xp, True), ("GRDRAD06", xp, False),
                           ("GRDRAD07", xpd, True), ("GRDRAD08", xpd, False)):
        radio(16, look["border"], look["bottom"], look["top"], look["mark"], on).save(name)
    for name, look, on in (("GRDRAD01", vyx, True), ("GRDRAD02", vyx, False),
                           ("GRDRAD03", vyxd, True), ("GRDRAD04", vyxd, False)):
        radio(16, look["border"], look["top"], look["bottom"], look["mark"], on).save(name)

    # Tree nodes: a leaf (a small page) open and closed, and the XP boxes.
    for name, closed in (("GRDLEAFOPEN", False), ("GRDLEAFCLOSE", True)):
        c = Cell(16, 16)
        c.rect(3, 2, 12, 14, (255, 255, 255))
        c.frame(3, 2, 12, 14, (96, 96, 96))
        for y in (5, 8, 11):
            c.rect(5, y, 10, y + 1, (128, 128, 128))
        if not closed:
            c.rect(9, 9, 15, 15, (255, 255, 255))
            c.frame(9, 9, 15, 15, (40, 90, 160))
            c.rect(10, 11, 14, 12, (40, 90, 160))
        c.save(name)
    for name, closed in (("XPNODEO", False), ("XPNODEC", True)):
        c = Cell(9, 9)
        c.vgrad(1, 1, 8, 8, (255, 255, 255), (214, 208, 194))
        c.frame(0, 0, 9, 9, (120, 152, 181))
        c.rect(2, 4, 7, 5, (0, 0, 0))
        if closed:
            c.rect(4, 2, 5, 7, (0, 0, 0))
        c.save(name)

    # The filter button: a funnel.
    c = Cell(16, 16)
    dark = (64, 64, 64)
    for y in range(3, 8):
        c.rect(2 + (y - 3), y, 14 - (y - 3), y + 1, dark)
    c.rect(7, 8, 9, 13, dark)
    c.save("GRDFILT")


if __name__ == "__main__":
    main()
