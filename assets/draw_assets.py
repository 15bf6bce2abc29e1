#!/usr/bin/env python3
"""Draws ZV Tamsilo's pictures into this folder: the four body-shape
silhouettes (GIF, plus @2x PNG), the measuring guide's four tape pictures
(PNG, plus @2x PNG), the application icon (PNG sizes, SVG, ICO) and the
pointing-hand cursor.

Hand cursor hot spot (32x32 picture): 10 1  -- the tip of the index finger.

Standard library only, so the pictures can be rebuilt anywhere with
`python3 assets/draw_assets.py`. Output is deterministic: rerunning gives
byte-identical files.
"""
import math
import os
import struct
import zlib

OUT = os.path.dirname(os.path.abspath(__file__))
HAND_HOTSPOT = (10, 1)  # keep in sync with common/handcursor.cpp


# --- Shapes --------------------------------------------------------------
# A picture is a list of filled shapes, in picture units; the rasteriser
# takes their union, so overlapping parts need no care.

def ellipse(cx, cy, rx, ry=None):
    return ("ellipse", cx, cy, rx, rx if ry is None else ry)


def poly(points):
    return ("poly", [tuple(p) for p in points])


def rect(x0, y0, x1, y1):
    return poly([(x0, y0), (x1, y0), (x1, y1), (x0, y1)])


def limb(points, widths):
    """Tapered tube through `points`: a quad per segment, a disc per joint."""
    shapes = [ellipse(x, y, w / 2) for (x, y), w in zip(points, widths)]
    for (p, wp), (q, wq) in zip(zip(points, widths), zip(points[1:], widths[1:])):
        dx, dy = q[0] - p[0], q[1] - p[1]
        length = math.hypot(dx, dy)
        nx, ny = -dy / length, dx / length
        shapes.append(poly([
            (p[0] + nx * wp / 2, p[1] + ny * wp / 2), (q[0] + nx * wq / 2, q[1] + ny * wq / 2),
            (q[0] - nx * wq / 2, q[1] - ny * wq / 2), (p[0] - nx * wp / 2, p[1] - ny * wp / 2)]))
    return shapes


def mirrored(shapes, cx):
    """The shapes plus their mirror image about the vertical line x = cx."""
    out = list(shapes)
    for s in shapes:
        if s[0] == "ellipse":
            out.append(("ellipse", 2 * cx - s[1]) + s[2:])
        else:
            out.append(poly([(2 * cx - x, y) for x, y in reversed(s[1])]))
    return out


def spans(shape, y):
    """Inside intervals [x0, x1) of one shape along the horizontal line y."""
    if shape[0] == "ellipse":
        _, cx, cy, rx, ry = shape
        d = (y - cy) / ry
        if d * d >= 1:
            return []
        half = rx * math.sqrt(1 - d * d)
        return [(cx - half, cx + half)]
    pts = shape[1]
    xs = []
    for (x0, y0), (x1, y1) in zip(pts, pts[1:] + pts[:1]):
        if (y0 <= y < y1) or (y1 <= y < y0):
            xs.append(x0 + (y - y0) * (x1 - x0) / (y1 - y0))
    xs.sort()
    return list(zip(xs[0::2], xs[1::2]))


def coverage(shapes, w, h, scale=1.0, ss=4):
    """Fraction (0..1) of each pixel covered, sampled on an ss x ss grid.

    ss=1 samples pixel centres only, which gives crisp pixel-art edges."""
    n = w * ss
    out = []
    for py in range(h):
        counts = [0] * w
        for sy in range(ss):
            y = (py + (sy + 0.5) / ss) / scale
            row = bytearray(n)
            for shape in shapes:
                for x0, x1 in spans(shape, y):
                    i0 = max(0, math.ceil(x0 * scale * ss - 0.5))
                    i1 = min(n, math.ceil(x1 * scale * ss - 0.5))
                    if i1 > i0:
                        row[i0:i1] = b"\x01" * (i1 - i0)
            if any(row):
                for px in range(w):
                    counts[px] += sum(row[px * ss:(px + 1) * ss])
        out.extend(c / (ss * ss) for c in counts)
    return out


# --- File formats --------------------------------------------------------

def png_bytes(w, h, pixels, channels):
    """pixels: flat list of tuples (RGB or RGBA), row by row."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = bytearray()
    for y in range(h):
        raw.append(0)  # filter: none
        for p in pixels[y * w:(y + 1) * w]:
            raw.extend(p)
    colour_type = 6 if channels == 4 else 2
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, colour_type, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def raw_bytes(w, h, pixels):
    """Plain RGBA rows after the width and height (32-bit little-endian): what the program
    reads before its first paint, without waking an image reader."""
    return struct.pack("<II", w, h) + b"".join(bytes(p) for p in pixels)


def lzw_encode(indices, min_size):
    """GIF-flavoured variable-width LZW (no early change), LSB-first bits."""
    clear, end = 1 << min_size, (1 << min_size) + 1
    out, acc, nbits = bytearray(), 0, 0

    def emit(code, size):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    def reset():
        return {}, end + 1, min_size + 1

    table, next_code, size = reset()
    emit(clear, size)
    prefix = indices[0]
    for k in indices[1:]:
        if (prefix, k) in table:
            prefix = table[(prefix, k)]
            continue
        emit(prefix, size)
        # Restart a little before the 4096-entry limit; some decoders are
        # touchy about a completely full table.
        if next_code < 4093:
            table[(prefix, k)] = next_code
            next_code += 1
            if next_code > (1 << size):
                size += 1
        else:
            emit(clear, size)
            table, next_code, size = reset()
        prefix = k
    emit(prefix, size)
    emit(end, size)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def gif_bytes(w, h, indices, palette):
    """Plain GIF89a: global colour table, one image, not interlaced."""
    bits = max(2, (len(palette) - 1).bit_length())
    table = b"".join(bytes(c) for c in palette) + b"\0\0\0" * ((1 << bits) - len(palette))
    data = lzw_encode(indices, bits)
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255]
                      for i in range(0, len(data), 255))
    return (b"GIF89a" + struct.pack("<HHBBB", w, h, 0x80 | ((bits - 1) << 4) | (bits - 1), 0, 0)
            + table + b"\x2c" + struct.pack("<HHHHB", 0, 0, w, h, 0)
            + bytes([bits]) + blocks + b"\0\x3b")


def ico_bytes(pngs):
    """Windows icon with PNG-compressed entries; pngs: {size: png bytes}."""
    sizes = sorted(pngs)
    offset = 6 + 16 * len(sizes)
    head, body = struct.pack("<HHH", 0, 1, len(sizes)), b""
    for n in sizes:
        head += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(pngs[n]), offset)
        offset += len(pngs[n])
        body += pngs[n]
    return head + body


def svg_text(shapes, size, colour):
    def num(v):
        return ("%.3f" % v).rstrip("0").rstrip(".")
    parts = []
    for s in shapes:
        if s[0] == "ellipse":
            _, cx, cy, rx, ry = s
            parts.append('  <ellipse cx="%s" cy="%s" rx="%s" ry="%s"/>' % tuple(map(num, (cx, cy, rx, ry))))
        else:
            pts = " ".join("%s,%s" % (num(x), num(y)) for x, y in s[1])
            parts.append('  <polygon points="%s"/>' % pts)
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            ' <g fill="#%02x%02x%02x">\n%s\n </g>\n</svg>\n'
            % ((size, size, size, size) + colour + ("\n".join(parts),)))


def write(name, data):
    path = os.path.join(OUT, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if isinstance(data, str):
        data = data.encode("ascii")
    with open(path, "wb") as f:
        f.write(data)


# --- Silhouettes ---------------------------------------------------------
# Half-widths in 1x pixels: shoulder across the deltoids, then the torso
# itself at bust, waist and hip. These four numbers tell the shapes apart.
BODIES = {
    "cone":      (80, 270, dict(shoulder=25, bust=18, waist=14.5, hip=14.5)),
    "hourglass": (85, 271, dict(shoulder=21, bust=17, waist=11.5, hip=20.5)),
    "ruler":     (80, 271, dict(shoulder=19.5, bust=15.5, waist=15, hip=18)),
    "spoon":     (84, 271, dict(shoulder=16, bust=13.5, waist=12.5, hip=22)),
}
FIGURE_GREY, GUIDE_GREY, GROUND = 0x40, 0xD0, 0xFF
ARM_GAP = 3  # daylight between arm and body, so the waist stays readable
ARM_FREE_FROM = 88  # above this the arm may rest against the chest


def smooth_profile(keys, step=0.5):
    """Monotone cubic through (y, half-width) keys: smooth, and unlike a
    Catmull-Rom spline it never bulges past the keys."""
    ys, vs = zip(*keys)
    d = [(vs[i + 1] - vs[i]) / (ys[i + 1] - ys[i]) for i in range(len(keys) - 1)]
    m = [d[0]] + [0 if a * b <= 0 else 2 / (1 / a + 1 / b) for a, b in zip(d, d[1:])] + [d[-1]]
    out = []
    for i in range(len(d)):
        h = ys[i + 1] - ys[i]
        n = max(1, int(h / step))
        for k in range(n):
            t = k / n
            out.append((ys[i] + t * h,
                        (2 * t ** 3 - 3 * t * t + 1) * vs[i] + (t ** 3 - 2 * t * t + t) * h * m[i]
                        + (3 * t * t - 2 * t ** 3) * vs[i + 1] + (t ** 3 - t * t) * h * m[i + 1]))
    out.append(keys[-1])
    return out


def half_width(shapes, cx, y):
    """How far right of cx the shapes reach along the line y."""
    return max([x1 - cx for s in shapes for _, x1 in spans(s, y)], default=0)


def fit_arm(body, cx, shoulder_x, ys, widths):
    """Joint offsets for an arm hanging from shoulder_x: each joint sits just
    far enough out for the segment above it to keep ARM_GAP from the body."""
    xs = [shoulder_x]
    for y0, y1, w0, w1 in zip(ys, ys[1:], widths, widths[1:]):
        x0 = x1 = xs[-1]
        for y in range(max(int(y0) + 1, ARM_FREE_FROM), int(y1) + 1):
            t = (y - y0) / (y1 - y0)
            need = half_width(body, cx, y) + ARM_GAP + (w0 + (w1 - w0) * t) / 2
            x1 = max(x1, x0 + (need - x0) / t)
        xs.append(x1)
    return xs


def figure_shapes(body, cx, h):
    """Front view of a standing figure, arms down, centred on x = cx."""
    sh, bust, waist, hip = body["shoulder"], body["bust"], body["waist"], body["hip"]
    keys = [(38, 5), (43, 7.5), (49, sh - 2.5), (55, sh), (61, sh - 3), (67, bust),
            (78, bust), (98, waist), (122, hip), (132, hip - 1), (140, hip - 3)]
    side = [(cx + hw, y) for y, hw in smooth_profile(keys)]
    torso = poly(side + [(cx, 141)] + [(2 * cx - x, y) for x, y in reversed(side)])

    bottom = h - 4
    leg = limb([(cx + hip / 2, 124), (cx + 7, 192), (cx + 7.5, 214), (cx + 5.5, bottom - 9)],
               [hip, 10, 10.5, 5])
    foot = limb([(cx + 5.7, bottom - 7), (cx + 7.3, bottom - 2.5)], [5.5, 5])
    body_shapes = [torso] + mirrored(leg, cx)

    ys, widths = (57, 104, 145, 155, 163), (8.5, 7, 5.5, 7.5, 5)
    xs = fit_arm(body_shapes, cx, sh - 4.25, ys, widths)
    arm = limb([(cx + x, y) for x, y in zip(xs, ys)], widths)

    head = ellipse(cx, 19, 10.5, 14)
    neck = rect(cx - 5, 28, cx + 5, 44)
    return [head, neck] + body_shapes + mirrored(foot + arm, cx)


def guide_shapes(cx, h):
    """1-unit-wide vertical lines: the centre line and one each side."""
    cols = [math.floor(cx) - 30, math.floor(cx), math.floor(cx) + 30]
    return [rect(c, 0, c + 1, h) for c in cols]


def mix(a, b, t):
    return a + (b - a) * t


def silhouette_layers(w, h, body, scale):
    """Coverage of the figure and of the guide lines, at `scale` times size."""
    cx = w / 2
    return (coverage(figure_shapes(body, cx, h), w * scale, h * scale, scale),
            coverage(guide_shapes(cx, h), w * scale, h * scale, scale))


def draw_silhouette(name, w, h, body):
    # GIF: snap the edge coverage to a few steps so the palette stays small.
    figure, guides = silhouette_layers(w, h, body, 1)
    grey = [round(mix(GUIDE_GREY if g >= 0.5 else GROUND, FIGURE_GREY, round(f * 6) / 6))
            for f, g in zip(figure, guides)]
    palette = sorted(set(grey), reverse=True)  # white first: index 0 is the ground
    index = {v: i for i, v in enumerate(palette)}
    write(name + ".gif", gif_bytes(w, h, [index[v] for v in grey], [(v, v, v) for v in palette]))

    figure, guides = silhouette_layers(w, h, body, 2)
    grey = [round(mix(mix(GROUND, GUIDE_GREY, g), FIGURE_GREY, f)) for f, g in zip(figure, guides)]
    write(name + "@2x.png", png_bytes(w * 2, h * 2, [(v, v, v) for v in grey], 3))


# --- Where the tape goes -------------------------------------------------
# The measuring guide's pictures: one figure between the four shapes, cut off
# at mid-thigh, with a tape around it at one landmark. Heights in 1x pixels
# on the silhouettes' scale: the fullest part of the bust, the narrowest part
# of the waist, the hip bones' front points where the hips begin to swell,
# and the widest part of the hips.
TAPE_BODY = dict(shoulder=20, bust=16, waist=13, hip=19.5)
TAPES = {"bust": 73, "waist": 98, "high-hip": 110, "hips": 122}
TAPE_SIZE = (84, 172)
TAPE_COLOUR = (0xF0, 0xB4, 0x00)  # a tape measure's yellow, bright on the figure's grey
TAPE_WIDTH = 3


def tape_shapes(torso, cx, y):
    """The tape across the front of the torso, level, its edges on whole pixels."""
    half = half_width([torso], cx, y)
    top = y - TAPE_WIDTH // 2
    return [rect(cx - half, top, cx + half, top + TAPE_WIDTH)]


def draw_tape(name, y, scale):
    w, h = TAPE_SIZE
    cx = w / 2
    shapes = figure_shapes(TAPE_BODY, cx, 271)
    n, m = w * scale, h * scale
    figure = coverage(shapes, n, m, scale)
    guides = coverage(guide_shapes(cx, h), n, m, scale)
    tape = coverage(tape_shapes(shapes[2], cx, y), n, m, scale)
    pixels = []
    for f, g, t in zip(figure, guides, tape):
        grey = mix(mix(GROUND, GUIDE_GREY, g), FIGURE_GREY, f)
        pixels.append(tuple(round(mix(grey, c, t)) for c in TAPE_COLOUR))
    suffix = "@2x" if scale == 2 else ""
    write("tape-%s%s.png" % (name, suffix), png_bytes(n, m, pixels, 3))


def draw_tapes():
    for name, y in sorted(TAPES.items()):
        draw_tape(name, y, 1)
        draw_tape(name, y, 2)


# --- Application icon ----------------------------------------------------
ICON_RED = (0xD0, 0x24, 0x24)
ICON_SIZES = (16, 32, 48, 64, 128, 256)


def icon_shapes():
    """A standing person, arms a little out, on a 64-unit square."""
    torso = poly([(27, 19), (37, 19), (41.5, 23.5), (39, 41), (25, 41), (22.5, 23.5)])
    arm = limb([(24.5, 23), (15.5, 40)], [6.5, 6])
    leg = limb([(28.5, 39), (26, 59)], [8.5, 7.5])
    return [ellipse(32, 9, 6.8)] + [torso] + mirrored(arm + leg, 32)


def icon_pixels(size):
    cov = coverage(icon_shapes(), size, size, size / 64)
    return [ICON_RED + (round(a * 255),) for a in cov]


def draw_icon():
    pngs = {n: png_bytes(n, n, icon_pixels(n), 4) for n in ICON_SIZES}
    write("app-icon.png", pngs[32])
    write("app-icon@2x.png", pngs[64])
    write("app-icon.rgba", raw_bytes(32, 32, icon_pixels(32)))
    write("app-icon@2x.rgba", raw_bytes(64, 64, icon_pixels(64)))
    for n in ICON_SIZES:
        write("icons/hicolor/%dx%d/zv-tamsilo.png" % (n, n), pngs[n])
    write("icons/zv-tamsilo.svg", svg_text(icon_shapes(), 64, ICON_RED))
    write("zv-tamsilo.ico", ico_bytes({n: pngs[n] for n in (16, 32, 48, 256)}))


# --- Pointing-hand cursor ------------------------------------------------
# Drawn on a 32-unit grid with pixel-centre sampling: crisp, cursor-style.
CLEAR, BLACK, WHITE, SHADE = (0, 0, 0, 0), (0, 0, 0, 255), (255, 255, 255, 255), (192, 192, 192, 255)


def hand_fill_shapes():
    index = [rect(8, 4.2, 13, 16), ellipse(10.5, 4.2, 2.5)]
    knuckles = [rect(13, 12, 17, 18), ellipse(15.5, 12, 1.9, 2),
                rect(17, 13, 21, 18), ellipse(19.5, 13, 1.9, 2),
                rect(21, 14.5, 25, 19), ellipse(23.5, 14.5, 1.9, 2)]
    palm = poly([(8, 15), (25, 15), (25, 21), (23.5, 24.5), (21.5, 26), (10, 26), (8, 24)])
    thumb = limb([(9.5, 22), (5, 16.5)], [5.5, 4.5])
    wrist = rect(10.5, 25, 21.5, 30)
    return index + knuckles + [palm] + thumb + [wrist]


def hand_line_shapes():
    """Creases drawn in black inside the hand: finger gaps and the cuff."""
    return [rect(13, 9, 14, 16), rect(17, 10, 18, 16.5), rect(21, 11, 22, 17),
            rect(10.5, 26, 21.5, 27)]


def hand_pixels(scale):
    n = 32 * scale
    inside = [c >= 0.5 for c in coverage(hand_fill_shapes(), n, n, scale, 1)]
    lines = [c >= 0.5 for c in coverage(hand_line_shapes(), n, n, scale, 1)]
    # Outline: grow the hand by `scale` pixels (4-neighbour, keeps it round).
    grown = inside[:]
    for _ in range(scale):
        grown = [g or any(0 <= x + dx < n and 0 <= y + dy < n and grown[(y + dy) * n + x + dx]
                          for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                 for y in range(n) for x in range(n) for g in (grown[y * n + x],)]
    black = [g and (not i or l) for g, i, l in zip(grown, inside, lines)]
    out = []
    for y in range(n):
        for x in range(n):
            p = y * n + x
            if black[p]:
                out.append(BLACK)
            elif not inside[p]:
                out.append(CLEAR)
            elif any(black[p + k] for k in range(1, scale + 1) if x + k < n) or \
                    any(black[p + k * n] for k in range(1, scale + 1) if y + k < n):
                out.append(SHADE)  # light from the top left: shade right and lower edges
            else:
                out.append(WHITE)
    return out


def hand_hotspot(pixels, n):
    """Middle of the topmost opaque run: the fingertip."""
    for y in range(n):
        xs = [x for x in range(n) if pixels[y * n + x][3]]
        if xs:
            return xs[len(xs) // 2], y


def draw_hand():
    small = hand_pixels(1)
    hotspot = hand_hotspot(small, 32)
    if hotspot != HAND_HOTSPOT:
        raise SystemExit("hand hot spot moved to %s; update HAND_HOTSPOT and handcursor.cpp" % (hotspot,))
    large = hand_pixels(2)
    write("hand.png", png_bytes(32, 32, small, 4))
    write("hand@2x.png", png_bytes(64, 64, large, 4))
    write("hand.rgba", raw_bytes(32, 32, small))
    write("hand@2x.rgba", raw_bytes(64, 64, large))
    write("hand-hotspot.txt", "%d %d\n" % hotspot)
    print("hand hot spot: %d %d" % hotspot)


def main():
    for name, (w, h, body) in sorted(BODIES.items()):
        draw_silhouette(name, w, h, body)
    draw_tapes()
    draw_icon()
    draw_hand()


if __name__ == "__main__":
    main()
