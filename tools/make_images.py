# Generates the icons, animated cursors and bitmaps used by the monitor and setup programs.
# Standard library only, so the resources can be rebuilt on any machine with plain Python 3.

import math
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)


# ---------------------------------------------------------------------------
# Raster canvas.  Shapes are filled on a supersampled grid and averaged down,
# which gives smooth curves while shapes placed on whole pixels stay crisp.
# A sample value of None means "transparent" (for icons and cursors).
# ---------------------------------------------------------------------------

class Canvas:
    def __init__(self, w, h, ss=4, bg=None):
        self.w, self.h, self.ss = w, h, ss
        self.W, self.H = w * ss, h * ss
        self.px = [bg] * (self.W * self.H)
        self.clip = (0.0, 0.0, float(w), float(h))
        self.ox = self.oy = 0.0

    def set_origin(self, ox=0.0, oy=0.0):
        """Shift later drawing; the clip stays in canvas coordinates."""
        self.ox, self.oy = float(ox), float(oy)

    def set_clip(self, x0=None, y0=None, x1=None, y1=None):
        self.clip = (0.0 if x0 is None else x0, 0.0 if y0 is None else y0,
                     float(self.w) if x1 is None else x1,
                     float(self.h) if y1 is None else y1)

    def _srange(self, a, b, lo, hi, n):
        # Samples whose centre lies in [a, b), intersected with the clip.
        a, b = max(a, lo), min(b, hi)
        s0 = max(0, math.ceil(a * self.ss - 0.5))
        s1 = min(n, math.ceil(b * self.ss - 0.5))
        return s0, s1

    def _rows(self, y0, y1):
        oy = self.oy
        s0, s1 = self._srange(y0 + oy, y1 + oy, self.clip[1], self.clip[3], self.H)
        for sy in range(s0, s1):
            yield sy, (sy + 0.5) / self.ss - oy

    def _span(self, sy, xa, xb, c):
        ox = self.ox
        s0, s1 = self._srange(xa + ox, xb + ox, self.clip[0], self.clip[2], self.W)
        if s1 > s0:
            base = sy * self.W
            self.px[base + s0:base + s1] = [c] * (s1 - s0)

    def rect(self, x0, y0, x1, y1, c):
        for sy, _ in self._rows(y0, y1):
            self._span(sy, x0, x1, c)

    def frame(self, x0, y0, x1, y1, lw, c):
        self.rect(x0, y0, x1, y0 + lw, c)
        self.rect(x0, y1 - lw, x1, y1, c)
        self.rect(x0, y0 + lw, x0 + lw, y1 - lw, c)
        self.rect(x1 - lw, y0 + lw, x1, y1 - lw, c)

    def ellipse(self, cx, cy, rx, ry, c):
        for sy, y in self._rows(cy - ry, cy + ry):
            t = (y - cy) / ry
            if abs(t) <= 1.0:
                dx = rx * math.sqrt(1.0 - t * t)
                self._span(sy, cx - dx, cx + dx, c)

    def circle(self, cx, cy, r, c):
        self.ellipse(cx, cy, r, r, c)

    def ring(self, cx, cy, r, w, c):
        ri = r - w
        for sy, y in self._rows(cy - r, cy + r):
            dy = y - cy
            if abs(dy) > r:
                continue
            do = math.sqrt(r * r - dy * dy)
            if abs(dy) < ri:
                di = math.sqrt(ri * ri - dy * dy)
                self._span(sy, cx - do, cx - di, c)
                self._span(sy, cx + di, cx + do, c)
            else:
                self._span(sy, cx - do, cx + do, c)

    def roundrect(self, x0, y0, x1, y1, r, c):
        r = max(0.0, min(r, (x1 - x0) / 2.0, (y1 - y0) / 2.0))
        for sy, y in self._rows(y0, y1):
            if y < y0 + r:
                dy = y0 + r - y
            elif y > y1 - r:
                dy = y - (y1 - r)
            else:
                dy = 0.0
            inset = r - math.sqrt(max(0.0, r * r - dy * dy)) if dy else 0.0
            self._span(sy, x0 + inset, x1 - inset, c)

    def boxed(self, x0, y0, x1, y1, r, lw, edge, fill):
        """Rounded rectangle with an inside border of width lw."""
        self.roundrect(x0, y0, x1, y1, r, edge)
        self.roundrect(x0 + lw, y0 + lw, x1 - lw, y1 - lw, max(0.0, r - lw), fill)

    def polygon(self, pts, c):
        ys = [p[1] for p in pts]
        n = len(pts)
        for sy, y in self._rows(min(ys), max(ys)):
            xs = []
            for i in range(n):
                (xa, ya), (xb, yb) = pts[i], pts[(i + 1) % n]
                if (ya <= y < yb) or (yb <= y < ya):
                    xs.append(xa + (y - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for j in range(0, len(xs) - 1, 2):
                self._span(sy, xs[j], xs[j + 1], c)

    def line(self, x0, y0, x1, y1, w, c, cap="round"):
        dx, dy = x1 - x0, y1 - y0
        length = math.hypot(dx, dy)
        if length == 0:
            self.circle(x0, y0, w / 2.0, c)
            return
        ux, uy = dx / length, dy / length
        nx, ny = -uy * w / 2.0, ux * w / 2.0
        if cap == "square":
            x0, y0 = x0 - ux * w / 2.0, y0 - uy * w / 2.0
            x1, y1 = x1 + ux * w / 2.0, y1 + uy * w / 2.0
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
                      (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], c)
        if cap == "round":
            self.circle(x0, y0, w / 2.0, c)
            self.circle(x1, y1, w / 2.0, c)

    def polyline(self, pts, w, c):
        for a, b in zip(pts, pts[1:]):
            self.line(a[0], a[1], b[0], b[1], w, c)

    def glyph(self, x, y, rows, c, scale=1):
        for j, row in enumerate(rows):
            i = 0
            while i < len(row):
                if row[i] == "#":
                    k = i
                    while k < len(row) and row[k] == "#":
                        k += 1
                    self.rect(x + i * scale, y + j * scale,
                              x + k * scale, y + (j + 1) * scale, c)
                    i = k
                else:
                    i += 1

    def image(self):
        """Average the samples down to (w, h, pixels); a pixel is opaque
        when at least half of it is covered."""
        ss, W = self.ss, self.W
        if ss == 1:
            return (self.w, self.h, list(self.px))
        half = ss * ss
        out = []
        px = self.px
        for y in range(self.h):
            rows = [px[(y * ss + k) * W:(y * ss + k + 1) * W] for k in range(ss)]
            for x in range(self.w):
                r = g = b = n = 0
                for row in rows:
                    for p in row[x * ss:x * ss + ss]:
                        if p is not None:
                            r += p[0]
                            g += p[1]
                            b += p[2]
                            n += 1
                if n * 2 < half:
                    out.append(None)
                else:
                    h2 = n // 2
                    out.append(((r + h2) // n, (g + h2) // n, (b + h2) // n))
        return (self.w, self.h, out)


def bezier(p0, p1, p2, p3, steps=24):
    pts = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        pts.append((u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t ** 3 * p3[0],
                    u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t ** 3 * p3[1]))
    return pts


def speech_bubble(c, x0, y0, x1, y1, r, tail, lw, edge, fill):
    """Rounded bubble with a solid triangular tail; tail = (left_x, right_x, tip),
    the x positions being where the tail meets the bubble's bottom edge.  At icon
    sizes a hollow tail would be nearly all outline, so it is filled."""
    bl, br, tip = tail
    # The base is sunk into the bubble so the tail joins it without a seam.
    base_y = y1 - max(r, lw + 1)
    k = (tip[1] - base_y) / (tip[1] - y1)
    tri = [(tip[0] + (bl - tip[0]) * k, base_y), (tip[0] + (br - tip[0]) * k, base_y), tip]
    c.roundrect(x0, y0, x1, y1, r, edge)
    saved = c.clip
    c.set_clip(x0=x0, x1=x1)
    c.polygon(tri, edge)
    c.clip = saved
    c.roundrect(x0 + lw, y0 + lw, x1 - lw, y1 - lw, max(0.0, r - lw), fill)


# ---------------------------------------------------------------------------
# Glyphs, drawn by hand so small sizes stay sharp.
# ---------------------------------------------------------------------------

GLYPH_I = {
    5: ["#", ".", "#", "#", "#"],
    7: ["##", "..", "##", "##", "##", "##", "##"],
    9: [".##.", ".##.", "....", "###.", ".##.", ".##.", ".##.", ".##.", "####"],
    11: [".###.", ".###.", ".....", "####.", ".###.", ".###.", ".###.", ".###.",
         ".###.", ".###.", "#####"],
    14: [".####.", ".####.", ".####.", "......", "......", "#####.", ".####.", ".####.",
         ".####.", ".####.", ".####.", ".####.", ".####.", "######"],
}

DIGITS = {
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
}


def glyph_centered(c, cx, cy, rows, col, scale=1):
    w = len(rows[0]) * scale
    h = len(rows) * scale
    c.glyph(round(cx - w / 2.0), round(cy - h / 2.0), rows, col, scale)


# ---------------------------------------------------------------------------
# File writers.
# ---------------------------------------------------------------------------

VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def _dist(a, b):
    return 3 * (a[0] - b[0]) ** 2 + 4 * (a[1] - b[1]) ** 2 + 2 * (a[2] - b[2]) ** 2


def median_cut(counts, n):
    boxes = [sorted(counts.items())]
    while len(boxes) < n:
        best = None
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for ch in range(3):
                vals = [e[0][ch] for e in box]
                span = max(vals) - min(vals)
                if best is None or span > best[0]:
                    best = (span, i, ch)
        if best is None or best[0] == 0:
            break
        _, i, ch = best
        box = sorted(boxes.pop(i), key=lambda e: (e[0][ch], e[0]))
        total = sum(e[1] for e in box)
        acc, k = 0, 1
        for k in range(1, len(box)):
            acc += box[k - 1][1]
            if acc * 2 >= total:
                break
        boxes[i:i] = [box[:k], box[k:]]
    mapping = {}
    for box in boxes:
        total = sum(e[1] for e in box)
        rep = tuple((sum(e[0][ch] * e[1] for e in box) + total // 2) // total for ch in range(3))
        for col, _ in box:
            mapping[col] = rep
    return mapping


def palettize(px, bpp):
    """Palette and index list; index 0 is black so transparent icon pixels
    leave the screen untouched when XORed."""
    if bpp == 4:
        palette = list(VGA16)
        cache = {}
        idx = []
        for p in px:
            if p is None:
                idx.append(0)
                continue
            if p not in cache:
                cache[p] = min(range(16), key=lambda i: (_dist(p, VGA16[i]), i))
            idx.append(cache[p])
        return palette, idx
    counts = {}
    for p in px:
        if p is not None and p != BLACK:
            counts[p] = counts.get(p, 0) + 1
    mapping = {col: col for col in counts}
    if len(counts) > 255:
        mapping = median_cut(counts, 255)
    palette = [BLACK] + sorted(set(mapping.values()) - {BLACK})
    where = {col: i for i, col in enumerate(palette)}
    idx = [0 if p is None or p == BLACK else where[mapping[p]] for p in px]
    palette += [BLACK] * (256 - len(palette))
    return palette, idx


def _pack_rows(w, h, values, bpp):
    stride = ((w * bpp + 31) // 32) * 4
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = values[y * w:(y + 1) * w]
        if bpp == 8:
            data = bytes(row)
        elif bpp == 4:
            data = bytes(((row[i] << 4) | (row[i + 1] if i + 1 < w else 0)) for i in range(0, w, 2))
        else:
            data = bytearray((w + 7) // 8)
            for i, v in enumerate(row):
                if v:
                    data[i >> 3] |= 0x80 >> (i & 7)
            data = bytes(data)
        out += data + b"\0" * (stride - len(data))
    return bytes(out)


def bmp24(img):
    w, h, px = img
    stride = (w * 3 + 3) & ~3
    body = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for p in px[y * w:(y + 1) * w]:
            row += bytes((p[2], p[1], p[0]))
        body += row + b"\0" * (stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(body), 0, 0, 14 + 40)
    return head + info + bytes(body)


def bmp8(img):
    w, h, px = img
    palette, idx = palettize(px, 8)
    body = _pack_rows(w, h, idx, 8)
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(body), 2835, 2835, 256, 0)
    off = 14 + 40 + len(pal)
    head = struct.pack("<2sIHHI", b"BM", off + len(body), 0, 0, off)
    return head + info + pal + body


def icon_dib(img, bpp):
    """Icon/cursor image: DIB of double height followed by colour and AND mask."""
    w, h, px = img
    palette, idx = palettize(px, bpp)
    xor = _pack_rows(w, h, idx, bpp)
    mask = _pack_rows(w, h, [1 if p is None else 0 for p in px], 1)
    info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, bpp, 0, len(xor) + len(mask), 0, 0, 0, 0)
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return info + pal + xor + mask


def icon_file(images, kind=1, hotspot=(0, 0)):
    """images: list of (img, bpp).  kind 1 = .ico, 2 = .cur."""
    blobs = [(img, bpp, icon_dib(img, bpp)) for img, bpp in images]
    out = struct.pack("<HHH", 0, kind, len(blobs))
    offset = 6 + 16 * len(blobs)
    for img, bpp, blob in blobs:
        w, h = img[0], img[1]
        ncol = 16 if bpp == 4 else 0
        a, b = (1, bpp) if kind == 1 else hotspot
        out += struct.pack("<BBBBHHII", w & 0xFF, h & 0xFF, ncol, 0, a, b, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blob for _, _, blob in blobs)


def riff_chunk(tag, data):
    return tag + struct.pack("<I", len(data)) + data + (b"\0" if len(data) & 1 else b"")


def ani_file(cursors, jiffies, width, height):
    anih = struct.pack("<9I", 36, len(cursors), len(cursors), width, height, 8, 1, jiffies, 1)
    frames = b"fram" + b"".join(riff_chunk(b"icon", cur) for cur in cursors)
    body = b"ACON" + riff_chunk(b"anih", anih) + riff_chunk(b"LIST", frames)
    return riff_chunk(b"RIFF", body)


# ---------------------------------------------------------------------------
# Monitor: blue printer with an information bubble.
# ---------------------------------------------------------------------------

MON_BLUE = {
    "edge": (18, 50, 118), "top": (120, 170, 232), "front": (46, 106, 196),
    "base": (30, 78, 160), "slot": (10, 26, 62), "paper": WHITE,
    "paper_edge": (140, 152, 172), "text": (160, 172, 192), "led": (70, 220, 90),
}

# On the tray's blue square the printer is light so it stays visible.
MON_TRAY = {
    "edge": (14, 40, 100), "top": (255, 255, 255), "front": (214, 226, 242),
    "base": (168, 186, 214), "slot": (20, 36, 80), "paper": WHITE,
    "paper_edge": (120, 136, 164), "text": (160, 172, 192), "led": (40, 190, 70),
}

INFO_BLUE = (16, 84, 196)


def draw_icon_printer(c, bx0, by0, bx1, by1, paper_top, lw, col, detail):
    bw, bh = bx1 - bx0, by1 - by0
    rr = 1.5 if bw < 16 else (2.5 if bw < 28 else 3.5)
    face_y = by0 + max(2, round(bh * 0.34))
    base_y = by1 - lw - max(1, round(bh * 0.16))
    slot_y = by0 + max(lw, round(bh * 0.14))
    slot_h = max(1, round(bh * 0.1))
    c.roundrect(bx0, by0, bx1, by1, rr, col["edge"])
    c.roundrect(bx0 + lw, by0 + lw, bx1 - lw, by1 - lw, rr - lw, col["top"])
    c.set_clip(y0=face_y)
    c.roundrect(bx0 + lw, by0 + lw, bx1 - lw, by1 - lw, rr - lw, col["front"])
    c.set_clip(y0=base_y)
    c.roundrect(bx0 + lw, by0 + lw, bx1 - lw, by1 - lw, rr - lw, col["base"])
    c.set_clip()
    if detail >= 2:
        c.rect(bx0 + lw, face_y, bx1 - lw, face_y + 1, col["edge"])
    sx0, sx1 = bx0 + round(bw * 0.14), bx1 - round(bw * 0.14)
    c.rect(sx0, slot_y, sx1, slot_y + slot_h, col["slot"])
    # Paper rises out of the slot.
    px0, px1 = bx0 + round(bw * 0.22), bx1 - round(bw * 0.22)
    c.rect(px0, paper_top, px1, slot_y + (1 if slot_h > 1 else 0), col["paper_edge"])
    c.rect(px0 + 1, paper_top + 1, px1 - 1, slot_y + (1 if slot_h > 1 else 0), col["paper"])
    if detail >= 1:
        for k, y in enumerate(range(paper_top + 3, slot_y - 1, 3 if detail >= 2 else 2)):
            x_end = px1 - 3 - (k % 2) * max(1, (px1 - px0) // 4)
            if x_end > px0 + 3:
                c.rect(px0 + 3, y, x_end, y + 1, col["text"])
    # Paper exit slot on the front and a status light.
    oy = face_y + max(1, round((base_y - face_y) * 0.35))
    c.rect(sx0, oy, sx1, oy + max(1, lw // 2 if lw > 1 else 1), col["slot"])
    led = max(1, round(bw * 0.08))
    lx = bx1 - lw - 1 - led - (1 if bw > 20 else 0)
    ly = base_y - led - (1 if bh > 12 else 0)
    if ly > oy + 1:
        c.rect(lx, ly, lx + led, ly + led, col["led"])


# Layouts per size: body box, paper top, bubble box, bubble radius, tail, line width, glyph.
MON_LAYOUT = {
    (48, 46): dict(body=(1, 22, 38, 45), paper=8, lw=2, detail=2,
                   bub=(22, 0, 48, 22), br=7, tail=(25, 33, (20, 29)), gl=14),
    (32, 31): dict(body=(0, 15, 26, 30), paper=5, lw=1, detail=2,
                   bub=(15, 0, 32, 15), br=5, tail=(16.5, 22, (13, 20)), gl=9),
    (24, 23): dict(body=(0, 11, 19, 22), paper=4, lw=1, detail=1,
                   bub=(11, 0, 24, 12), br=4, tail=(12.5, 17, (10, 15.5)), gl=7),
    (16, 15): dict(body=(0, 7, 13, 15), paper=2, lw=1, detail=0,
                   bub=(7, 0, 16, 8), br=2.5, tail=(8, 11, (6, 11)), gl=5),
}


def draw_printer_info(c, L, col, bubble_edge, bubble_fill, ox=0, oy=0):
    bx0, by0, bx1, by1 = L["body"]
    draw_icon_printer(c, bx0 + ox, by0 + oy, bx1 + ox, by1 + oy, L["paper"] + oy, L["lw"], col, L["detail"])
    x0, y0, x1, y1 = L["bub"]
    bl, br, tip = L["tail"]
    lw = L["lw"]
    speech_bubble(c, x0 + ox, y0 + oy, x1 + ox, y1 + oy, L["br"],
                  (bl + ox, br + ox, (tip[0] + ox, tip[1] + oy)), lw, bubble_edge, bubble_fill)
    glyph_centered(c, (x0 + x1) / 2.0 + ox, (y0 + y1) / 2.0 + oy, GLYPH_I[L["gl"]], INFO_BLUE)


def make_monitor_ico():
    images = []
    for size in [(48, 46), (32, 31), (24, 23), (16, 15)]:
        c = Canvas(size[0], size[1])
        draw_printer_info(c, MON_LAYOUT[size], MON_BLUE, INFO_BLUE, WHITE)
        images.append((c.image(), 8))
    return icon_file(images)


TRAY_LAYOUT = {
    24: dict(body=(2, 12, 18, 22), paper=5, lw=1, detail=1,
             bub=(11, 2, 23, 12), br=3.5, tail=(13, 17, (10.5, 15.5)), gl=7, sq=3),
    16: dict(body=(1, 8, 12, 15), paper=3, lw=1, detail=0,
             bub=(7, 1, 16, 9), br=2.5, tail=(8, 11, (6, 12)), gl=5, sq=2),
}


def make_tray_ico():
    images = []
    for s in (24, 16):
        L = TRAY_LAYOUT[s]
        c = Canvas(s, s)
        c.roundrect(0, 0, s, s, L["sq"], (18, 80, 180))
        draw_printer_info(c, L, MON_TRAY, (10, 36, 96), WHITE)
        images.append((c.image(), 8))
    return icon_file(images)


# ---------------------------------------------------------------------------
# Animated status cursors.
# ---------------------------------------------------------------------------

def cursor(img):
    return icon_file([(img, 8)], kind=2, hotspot=(16, 16))


def empty_cursor():
    return cursor(Canvas(32, 32, ss=1).image())


def make_error_ani():
    c = Canvas(32, 32)
    c.circle(16, 16, 14.5, (150, 0, 0))
    c.circle(16, 16, 13.5, (218, 30, 30))
    c.line(11, 11, 21, 21, 3.6, WHITE, cap="square")
    c.line(21, 11, 11, 21, 3.6, WHITE, cap="square")
    return ani_file([cursor(c.image()), empty_cursor()], 12, 32, 32)


def make_info_ani():
    c = Canvas(32, 32)
    speech_bubble(c, 2, 2, 30, 25, 7, (6, 14, (4, 31)), 2, INFO_BLUE, WHITE)
    glyph_centered(c, 16, 13.5, GLYPH_I[14], INFO_BLUE)
    return ani_file([cursor(c.image()), empty_cursor()], 12, 32, 32)


# ---------------------------------------------------------------------------
# Setup: grey printer with a floppy disk.
# ---------------------------------------------------------------------------

SETUP_COL = {
    8: {"edge": (64, 66, 74), "top": (240, 240, 236), "front": (206, 206, 200),
        "base": (160, 160, 156), "slot": (30, 30, 34), "paper": WHITE,
        "paper_edge": (140, 140, 150), "text": (150, 160, 180), "led": (60, 200, 80),
        "disk": (36, 78, 168), "disk_edge": (16, 36, 96), "shutter": (206, 210, 218),
        "hole": (36, 78, 168), "label": WHITE, "label_line": (150, 170, 210)},
    4: {"edge": (0, 0, 0), "top": (255, 255, 255), "front": (192, 192, 192),
        "base": (128, 128, 128), "slot": (0, 0, 0), "paper": WHITE,
        "paper_edge": (128, 128, 128), "text": (128, 128, 128), "led": (0, 255, 0),
        "disk": (0, 0, 255), "disk_edge": (0, 0, 128), "shutter": (192, 192, 192),
        "hole": (0, 0, 128), "label": WHITE, "label_line": (128, 128, 128)},
}

SETUP_LAYOUT = {
    48: dict(body=(1, 18, 40, 40), paper=3, lw=2, detail=2, disk=(26, 26, 47, 47)),
    32: dict(body=(0, 12, 27, 27), paper=2, lw=1, detail=2, disk=(17, 17, 32, 32)),
    16: dict(body=(0, 6, 14, 14), paper=1, lw=1, detail=0, disk=(8, 8, 16, 16)),
}


def draw_floppy(c, x0, y0, x1, y1, col):
    w = x1 - x0
    cut = max(1, round(w * 0.14))
    lw = 1
    c.polygon([(x0, y0), (x1 - cut, y0), (x1, y0 + cut), (x1, y1), (x0, y1)], col["disk_edge"])
    c.polygon([(x0 + lw, y0 + lw), (x1 - cut - 0.4, y0 + lw), (x1 - lw, y0 + cut + 0.4),
               (x1 - lw, y1 - lw), (x0 + lw, y1 - lw)], col["disk"])
    # Metal shutter at the top, paper label at the bottom.
    s0, s1 = x0 + round(w * 0.28), x1 - round(w * 0.22)
    sh = max(2, round(w * 0.34))
    c.rect(s0, y0 + lw, s1, y0 + lw + sh, col["shutter"])
    if w >= 14:
        hw = max(1, round(w * 0.12))
        hx = s1 - 1 - hw - (1 if w > 18 else 0)
        c.rect(hx, y0 + lw + 1, hx + hw, y0 + sh, col["hole"])
    l0, l1 = x0 + max(2, round(w * 0.16)), x1 - max(2, round(w * 0.16))
    ly0 = y1 - lw - max(3, round(w * 0.4))
    c.rect(l0, ly0, l1, y1 - lw, col["label"])
    if w >= 14:
        for y in range(ly0 + 2, y1 - lw - 1, 3):
            c.rect(l0 + 2, y, l1 - 2, y + 1, col["label_line"])


def make_setup_ico():
    images = []
    for bpp in (4, 8):
        for s in (16, 32, 48):
            L = SETUP_LAYOUT[s]
            col = SETUP_COL[bpp]
            c = Canvas(s, s, ss=1 if bpp == 4 else 4)
            bx0, by0, bx1, by1 = L["body"]
            draw_icon_printer(c, bx0, by0, bx1, by1, L["paper"], L["lw"], col, L["detail"])
            draw_floppy(c, *L["disk"], col)
            images.append((c.image(), bpp))
    return icon_file(images)


# ---------------------------------------------------------------------------
# Dot-matrix printer picture, laid out on a 102 x 74 grid and scalable.
# ---------------------------------------------------------------------------

DM = {
    "top": (236, 229, 206), "front": (218, 208, 180), "base": (186, 174, 144),
    "edge": (122, 110, 88), "light": (248, 244, 230), "slot": (50, 48, 44),
    "paper": WHITE, "paper_edge": (176, 176, 176), "bar": (222, 240, 222),
    "hole": (206, 206, 206), "print": (96, 96, 104), "panel": (198, 188, 160),
    "knob": (92, 92, 96), "knob_hi": (150, 150, 156), "button": (166, 160, 144),
    "led_on": (40, 200, 70), "led_amber": (250, 170, 30), "vent": (160, 150, 124),
}


def draw_dotmatrix(c, ox, oy, s, switch=False, port=False):
    def X(v):
        return round(ox + v * s)

    def Y(v):
        return round(oy + v * s)

    def R(x0, y0, x1, y1, col):
        c.rect(X(x0), Y(y0), X(x1), Y(y1), col)

    e = max(1, round(s))
    # Platen knob sticks out of the right-hand side.
    c.roundrect(X(93), Y(29), X(101), Y(39), 2 * s, DM["edge"])
    c.roundrect(X(93) + e, Y(29) + e, X(101) - e, Y(39) - e, 1.2 * s, DM["knob"])
    c.rect(X(96), Y(30) + e, X(97.5), Y(38) - e, DM["knob_hi"])
    # Feet and base.
    R(12, 68, 22, 72, DM["edge"])
    R(80, 68, 90, 72, DM["edge"])
    c.roundrect(X(5), Y(40), X(97), Y(70), 3 * s, DM["edge"])
    c.roundrect(X(5) + e, Y(40), X(97) - e, Y(70) - e, 2 * s, DM["base"])
    # Top face as a trapezoid: the printer is seen slightly from above.
    top = [(X(12), Y(29)), (X(90), Y(29)), (X(96), Y(41)), (X(6), Y(41))]
    c.polygon(top, DM["edge"])
    c.polygon([(X(12) + e, Y(29) + e), (X(90) - e, Y(29) + e), (X(96) - e, Y(41)),
               (X(6) + e, Y(41))], DM["top"])
    # Front face.
    c.roundrect(X(5), Y(40), X(97), Y(65), 2.5 * s, DM["edge"])
    c.roundrect(X(5) + e, Y(40) + e, X(97) - e, Y(65) - e, 1.5 * s, DM["front"])
    c.rect(X(5) + e, Y(40) + e, X(97) - e, Y(40) + 2 * e, DM["light"])
    # Paper slot, with fan-fold paper rising out of it.
    c.roundrect(X(19), Y(33), X(83), Y(37.5), 1.5 * s, DM["slot"])
    px0, px1, pt, pb = X(25), X(77), Y(0), Y(35)
    c.rect(px0, pt, px1, pb, DM["paper_edge"])
    c.rect(px0 + e, pt, px1 - e, pb, DM["paper"])
    y = pt + 2 * s
    k = 0
    while y < pb - 1:
        if k % 2 == 0:
            c.rect(X(31), round(y), X(71), min(pb, round(y + 3 * s)), DM["bar"])
        y += 3 * s
        k += 1
    c.rect(X(31), pt, X(31) + 1, pb, (226, 226, 226))
    c.rect(X(71) - 1, pt, X(71), pb, (226, 226, 226))
    # Tractor-feed holes down both margins.
    y = 2.5
    while y < 34:
        for hx in (28, 74):
            c.circle(ox + hx * s, oy + y * s, 1.2 * s, DM["hole"])
        y += 4.5
    # Fold perforation and a few lines of print.
    for x in range(X(25), X(77), max(2, round(2 * s))):
        c.rect(x, Y(17), x + max(1, round(s)), Y(17) + max(1, round(s * 0.6)), DM["paper_edge"])
    for y, a, b in ((5, 34, 66), (8, 34, 58), (11, 34, 62), (21, 34, 68), (24, 34, 54), (27, 34, 64),
                    (30, 34, 50)):
        c.rect(X(a), Y(y), X(b), Y(y) + max(1, round(s * 0.9)), DM["print"])
    # Operator panel with status lights and buttons.
    c.roundrect(X(66), Y(45), X(92), Y(60), 1.5 * s, DM["edge"])
    c.roundrect(X(66) + e, Y(45) + e, X(92) - e, Y(60) - e, 1 * s, DM["panel"])
    for i, colr in enumerate((DM["led_on"], DM["led_on"], DM["led_amber"])):
        c.circle(ox + (72 + 7 * i) * s, oy + 49.5 * s, 1.7 * s, colr)
    for i in range(3):
        c.roundrect(X(69.5 + 7 * i), Y(53.5), X(74.5 + 7 * i), Y(57), 1 * s, DM["button"])
        c.rect(X(69.5 + 7 * i), Y(57) - max(1, round(s * 0.6)), X(74.5 + 7 * i), Y(57), DM["edge"])
    if switch:
        # Rocker power switch at the front left.
        c.roundrect(X(10), Y(45), X(22), Y(60), 1.5 * s, DM["edge"])
        c.roundrect(X(10) + e, Y(45) + e, X(22) - e, Y(60) - e, 1 * s, (70, 70, 74))
        c.roundrect(X(12), Y(47), X(20), Y(52.5), 0.8 * s, (40, 200, 70))
        c.rect(X(15.5), Y(48), X(16.5), Y(51.5), WHITE)
        for y in (54, 57):
            c.rect(X(28), Y(y), X(58), Y(y) + max(1, round(s)), DM["vent"])
    else:
        for y in (48, 51, 54, 57):
            c.rect(X(12), Y(y), X(42), Y(y) + max(1, round(s)), DM["vent"])
    if port:
        # Socket for the cable on the right-hand end.
        c.rect(X(92), Y(47), X(97), Y(55), DM["edge"])
        c.rect(X(93), Y(48.5), X(97), Y(53.5), (40, 40, 44))


def make_printer_bmp():
    c = Canvas(102, 74, bg=(240, 240, 240))
    draw_dotmatrix(c, 0, 0, 1.0)
    return bmp24(c.image())


# ---------------------------------------------------------------------------
# Line drawing of the printer for the model list (white is the mask colour).
# ---------------------------------------------------------------------------

def make_model_bmp():
    k, w = BLACK, WHITE
    c = Canvas(96, 96, bg=w)
    c.set_origin(0, 4)
    # Paper with tractor holes.
    c.frame(24, 6, 72, 42, 2, k)
    for x in (31, 65):
        c.rect(x, 8, x + 1, 40, (150, 150, 150))
    for y in range(10, 40, 4):
        for x in (27, 67):
            c.roundrect(x, y, x + 2, y + 2, 0.6, k)
    for y, a, b in ((12, 34, 62), (16, 34, 54), (20, 34, 58), (27, 34, 60), (31, 34, 50)):
        c.rect(a, y, b, y + 1, k)
    # Body: top face, slot, front and base.
    c.polygon([(12, 38), (84, 38), (90, 50), (6, 50)], k)
    c.polygon([(14, 40), (82, 40), (86.8, 48.5), (9.2, 48.5)], w)
    c.roundrect(18, 41, 78, 46, 1.5, k)
    c.rect(26, 36, 70, 43, w)
    c.rect(24, 36, 26, 43, k)
    c.rect(70, 36, 72, 43, k)
    c.boxed(5, 48, 91, 80, 3, 2, k, w)
    c.rect(7, 72, 89, 74, k)
    c.rect(12, 80, 22, 84, k)
    c.rect(74, 80, 84, 84, k)
    # Platen knob.
    c.boxed(89, 37, 95, 49, 2, 1.5, k, w)
    # Panel: two lights and two buttons; vents at the left.
    c.boxed(60, 53, 85, 68, 2, 1.5, k, w)
    c.circle(66, 58, 2, k)
    c.ring(73, 58, 2, 1.2, k)
    c.frame(64, 62, 70, 65.5, 1, k)
    c.frame(73, 62, 79, 65.5, 1, k)
    for y in (55, 59, 63, 67):
        c.rect(12, y, 44, y + 1.5, k)
    return bmp8(c.image())


# ---------------------------------------------------------------------------
# Setup wizard pictures.
# ---------------------------------------------------------------------------

SKY = (214, 232, 250)
SHADOW = (188, 210, 236)
SKIN = (250, 212, 178)
SKIN_EDGE = (176, 120, 86)


def power_symbol(c, cx, cy, r, w, col, bg):
    c.ring(cx, cy, r, w, col)
    a = math.radians(38)
    c.polygon([(cx, cy), (cx - (r + 2) * math.sin(a) * 1.6, cy - (r + 2) * 1.6),
               (cx + (r + 2) * math.sin(a) * 1.6, cy - (r + 2) * 1.6)], bg)
    # Round the ring's cut ends.
    for sgn in (-1, 1):
        rm = r - w / 2.0
        c.circle(cx + sgn * rm * math.sin(a), cy - rm * math.cos(a), w / 2.0, col)
    c.line(cx, cy - r - w * 0.2, cx, cy - r * 0.25, w, col)


def usb_symbol(c, cx, cy, s, col):
    lw = 2.2 * s
    c.line(cx - 13 * s, cy, cx + 9 * s, cy, lw, col)
    c.circle(cx - 14 * s, cy, 3.2 * s, col)
    c.polygon([(cx + 8 * s, cy - 4 * s), (cx + 15 * s, cy), (cx + 8 * s, cy + 4 * s)], col)
    c.polyline([(cx - 7 * s, cy), (cx - 2 * s, cy - 7 * s), (cx + 3 * s, cy - 7 * s)], lw, col)
    c.circle(cx + 4.5 * s, cy - 7 * s, 2.6 * s, col)
    c.polyline([(cx - 3 * s, cy), (cx + 2 * s, cy + 6.5 * s), (cx + 5 * s, cy + 6.5 * s)], lw, col)
    c.rect(cx + 4 * s, cy + 4 * s, cx + 9 * s, cy + 9 * s, col)


def badge(c, cx, cy, r, digit):
    c.circle(cx, cy + 2, r, SHADOW)
    c.circle(cx, cy, r, (60, 110, 190))
    c.circle(cx, cy, r - 2, WHITE)
    bx, by = cx + r * 0.74, cy - r * 0.74
    c.circle(bx, by, 12, WHITE)
    c.circle(bx, by, 10.5, (60, 110, 190))
    glyph_centered(c, bx, by, DIGITS[digit], WHITE, 2)


def draw_hand(c, tipx, tipy):
    """Hand from the left, index finger pointing right with its tip at (tipx, tipy)."""
    e = 1.6
    sx = tipx - 78
    # Sleeve.
    c.roundrect(-10, tipy - 14 - e, sx + 6 + e, tipy + 26 + e, 6, (40, 62, 120))
    c.roundrect(-10, tipy - 14, sx + 6, tipy + 26, 6, (70, 100, 170))
    c.rect(sx - 6, tipy - 14, sx - 2, tipy + 26, (50, 78, 146))
    palm = (sx + 2, tipy - 10, sx + 46, tipy + 24)
    fingers = [((sx + 30, tipy + 6), (sx + 50, tipy + 6), 10),
               ((sx + 30, tipy + 14), (sx + 48, tipy + 14), 9.5),
               ((sx + 28, tipy + 21), (sx + 44, tipy + 21), 9)]
    index = ((sx + 30, tipy), (tipx - 4, tipy), 10)
    thumb = ((sx + 22, tipy - 9), (sx + 40, tipy - 6), 9)
    # Silhouette outline first, then fills so inner creases get their own edge.
    c.roundrect(palm[0] - e, palm[1] - e, palm[2] + e, palm[3] + e, 11 + e, SKIN_EDGE)
    for a, b, w in fingers + [index, thumb]:
        c.line(a[0], a[1], b[0], b[1], w + 2 * e, SKIN_EDGE)
    c.roundrect(*palm, 11, SKIN)
    for a, b, w in reversed(fingers):
        c.line(a[0], a[1], b[0], b[1], w + 2 * e, SKIN_EDGE)
        c.line(a[0], a[1], b[0], b[1], w, SKIN)
    c.line(index[0][0], index[0][1], index[1][0], index[1][1], index[2] + 2 * e, SKIN_EDGE)
    c.line(index[0][0], index[0][1], index[1][0], index[1][1], index[2], SKIN)
    c.line(thumb[0][0], thumb[0][1], thumb[1][0], thumb[1][1], thumb[2] + 2 * e, SKIN_EDGE)
    c.line(thumb[0][0], thumb[0][1], thumb[1][0], thumb[1][1], thumb[2], SKIN)
    c.roundrect(tipx - 8, tipy - 3, tipx - 3, tipy + 1.5, 1.5, (255, 232, 214))


def make_connect_bmp():
    c = Canvas(425, 160, bg=SKY)
    c.ellipse(212, 150, 96, 6, SHADOW)
    s = 1.6
    ox, oy = 130, 30
    draw_dotmatrix(c, ox, oy, s, switch=True, port=True)
    # Finger on the power switch, with a hint of movement.
    tipx, tipy = ox + 16 * s - 2, oy + 56 * s
    draw_hand(c, tipx - 6, tipy)
    # USB plug about to go into the socket.
    py = oy + 51 * s
    plug_x = ox + 97 * s + 26
    c.rect(plug_x - 14, py - 6, plug_x + 2, py + 6, (150, 154, 160))
    c.rect(plug_x - 14, py - 4.5, plug_x - 1, py + 4.5, (205, 208, 214))
    c.rect(plug_x - 11, py - 3, plug_x - 8, py - 1, (150, 154, 160))
    c.rect(plug_x - 11, py + 1, plug_x - 8, py + 3, (150, 154, 160))
    c.roundrect(plug_x, py - 9, plug_x + 34, py + 9, 3, (40, 42, 48))
    c.roundrect(plug_x + 1.5, py - 7.5, plug_x + 32.5, py + 7.5, 2, (70, 72, 80))
    for k in range(4):
        c.rect(plug_x + 8 + k * 5, py - 5, plug_x + 10 + k * 5, py + 5, (56, 58, 66))
    cable = bezier((plug_x + 34, py), (plug_x + 70, py), (plug_x + 60, 140), (432, 132), 40)
    c.polyline(cable, 7, (40, 42, 48))
    c.polyline(cable, 4, (80, 82, 90))
    # Arrow showing the plug's direction.
    ay = py - 20
    c.line(plug_x + 26, ay, plug_x - 4, ay, 3.5, (40, 150, 60), cap="butt")
    c.polygon([(plug_x - 12, ay), (plug_x - 3, ay - 6), (plug_x - 3, ay + 6)], (40, 150, 60))
    # Step badges: power first, then the cable.
    badge(c, 58, 46, 26, "1")
    power_symbol(c, 58, 47, 13, 4, (40, 150, 60), WHITE)
    badge(c, 366, 46, 26, "2")
    usb_symbol(c, 366, 47, 1.0, (40, 42, 48))
    return bmp24(c.image())


def make_wait_bmp():
    c = Canvas(112, 128, bg=SKY)
    edge = (96, 104, 118)
    case = (232, 234, 236)
    # Shadows on the ground.
    c.ellipse(42, 84, 24, 3.5, SHADOW)
    c.ellipse(88, 121, 26, 4, SHADOW)
    c.ellipse(31, 113, 30, 3.5, SHADOW)
    # Monitor: stand, then the case and screen.
    c.polygon([(36, 60), (48, 60), (51, 78), (33, 78)], edge)
    c.polygon([(37.5, 60), (46.5, 60), (49.2, 77), (34.8, 77)], (200, 204, 210))
    c.boxed(20, 75, 64, 84, 4, 1.2, edge, case)
    c.rect(22, 80, 62, 82.5, (206, 208, 214))
    c.boxed(4, 6, 80, 64, 4, 1.2, edge, case)
    c.rect(5.2, 57, 78.8, 58, (214, 216, 220))
    c.rect(9, 11, 75, 54, (40, 48, 70))
    for y in range(12, 53):
        t = (y - 12) / 41.0
        c.rect(10, y, 74, y + 1, (round(56 + 30 * t), round(116 + 40 * t), round(206 + 20 * t)))
    c.circle(72, 61, 1.3, (60, 200, 80))
    # Progress window on the screen.
    c.rect(19, 23, 66, 45, (30, 50, 96))
    c.rect(18, 22, 65, 44, WHITE)
    c.rect(18, 22, 65, 27, (24, 70, 160))
    c.rect(59, 23, 63, 26, (210, 220, 240))
    c.rect(22, 31, 53, 32, (150, 156, 170))
    c.frame(22, 36, 61, 41, 1, (120, 126, 140))
    c.rect(23, 37, 46, 40, (60, 190, 80))
    # Keyboard.
    c.polygon([(8, 94), (56, 94), (61, 111), (3, 111)], edge)
    c.polygon([(9, 95.2), (55, 95.2), (59.4, 109.8), (4.6, 109.8)], case)
    c.rect(3, 110, 61, 112, (150, 156, 168))
    for row in range(2):
        y = 97.5 + row * 4
        xl = 9 - row * 1.2
        xr = 55 + row * 1.2
        n = 9
        kw = (xr - xl) / n
        for k in range(n):
            c.rect(round(xl + k * kw + 0.6), y, round(xl + (k + 1) * kw - 0.6), y + 2.5, (178, 184, 196))
    c.rect(18, 105.5, 46, 108, (178, 184, 196))
    # Software box: front, side and top faces.
    fx0, fy0, fx1, fy1, d = 64, 76, 98, 120, 9
    c.polygon([(fx0, fy0), (fx0 + d, fy0 - d), (fx1 + d, fy0 - d), (fx1 + d, fy1 - d),
               (fx1, fy1), (fx0, fy1)], (120, 70, 10))
    c.polygon([(fx0 + 1.6, fy0 - 0.4), (fx0 + d + 0.6, fy0 - d + 1), (fx1 + d - 1.2, fy0 - d + 1),
               (fx1 - 0.2, fy0 - 0.4)], (255, 214, 110))
    c.polygon([(fx1 + 1, fy0 - 0.8), (fx1 + d - 1, fy0 - d + 1.6), (fx1 + d - 1, fy1 - d - 0.6),
               (fx1 + 1, fy1 - 1.6)], (214, 136, 24))
    c.rect(fx0 + 1, fy0 + 1, fx1, fy1 - 1, (250, 178, 46))
    c.rect(fx0 + 1, fy0 + 5, fx1, fy0 + 13, (30, 80, 170))
    c.polygon([(fx1 + 1, fy0 + 4.2), (fx1 + d - 1, fy0 - d + 6), (fx1 + d - 1, fy0 - d + 13),
               (fx1 + 1, fy0 + 11.4)], (22, 60, 130))
    c.rect(fx0 + 4, fy0 + 8, fx0 + 20, fy0 + 10, WHITE)
    # Disc on the front of the box.
    dcx, dcy = (fx0 + fx1) / 2.0, fy0 + 28
    c.circle(dcx, dcy, 11.5, (150, 150, 160))
    c.circle(dcx, dcy, 10.5, (226, 228, 236))
    c.set_clip(x0=dcx)
    c.circle(dcx, dcy, 10.5, (200, 214, 236))
    c.set_clip()
    c.ring(dcx, dcy, 7, 0.8, (246, 246, 250))
    c.circle(dcx, dcy, 3.4, (170, 170, 180))
    c.circle(dcx, dcy, 2.2, (250, 178, 46))
    return bmp24(c.image())


# ---------------------------------------------------------------------------

OUTPUTS = [
    ("monitor/res/monitor.ico", make_monitor_ico),
    ("monitor/res/tray.ico", make_tray_ico),
    ("monitor/res/printer.bmp", make_printer_bmp),
    ("monitor/res/ani_error.ani", make_error_ani),
    ("monitor/res/ani_info.ani", make_info_ani),
    ("setup/res/setup.ico", make_setup_ico),
    ("setup/res/model.bmp", make_model_bmp),
    ("setup/res/connect.bmp", make_connect_bmp),
    ("setup/res/wait.bmp", make_wait_bmp),
]


def main():
    for rel, make in OUTPUTS:
        path = os.path.join(ROOT, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        data = make()
        with open(path, "wb") as f:
            f.write(data)
        print("%-28s %7d bytes" % (rel, len(data)))


if __name__ == "__main__":
    main()
