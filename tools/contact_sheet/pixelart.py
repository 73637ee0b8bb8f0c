"""Pixel masks and their outlines, for the device's artwork.

A mask is a set of (x, y) pixels in device coordinates. Masks are drawn as
text, one character per pixel, and traced into SVG outlines whose corners are
eased by half a pixel: at 1x every pixel stays as drawn (the easing moves a
twentieth of a corner pixel), at 2x and above the stair steps read as curves.
"""

from collections import defaultdict

Mask = set


def layers(x0, y0, text):
    """Parses a drawing: '.' is empty, every other character a layer of its own."""
    rows = [r.strip() for r in text.strip("\n").splitlines() if r.strip()]
    width = len(rows[0])
    out = defaultdict(set)
    for j, row in enumerate(rows):
        if len(row) != width:
            raise ValueError(f"drawing at {x0},{y0}: row {j} is {len(row)} wide, not {width}")
        for i, ch in enumerate(row):
            if ch != ".":
                out[ch].add((x0 + i, y0 + j))
    return out


def mask(x0, y0, text):
    """Every drawn pixel of a drawing, whatever its character."""
    out = set()
    for part in layers(x0, y0, text).values():
        out |= part
    return out


def shift(m, dx, dy):
    return {(x + dx, y + dy) for (x, y) in m}


def dilate(m, diagonal=True):
    out = set(m)
    steps = [(1, 0), (-1, 0), (0, 1), (0, -1)]
    if diagonal:
        steps += [(1, 1), (1, -1), (-1, 1), (-1, -1)]
    for (x, y) in m:
        for dx, dy in steps:
            out.add((x + dx, y + dy))
    return out


def clip(m, rect):
    x, y, w, h = rect
    return {(px, py) for (px, py) in m if x <= px < x + w and y <= py < y + h}


def inside(m, rect):
    return clip(m, rect) == m


def bounds(m):
    xs = [p[0] for p in m]
    ys = [p[1] for p in m]
    return min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1


def rect_mask(x, y, w, h):
    return {(i, j) for i in range(x, x + w) for j in range(y, y + h)}


# ---------------------------------------------------------------------------
# Tracing

def _edges(m):
    """Directed boundary edges with the filled pixel on their right (y down)."""
    out = defaultdict(list)
    for (x, y) in m:
        if (x, y - 1) not in m:
            out[(x, y)].append((x + 1, y))
        if (x + 1, y) not in m:
            out[(x + 1, y)].append((x + 1, y + 1))
        if (x, y + 1) not in m:
            out[(x + 1, y + 1)].append((x, y + 1))
        if (x - 1, y) not in m:
            out[(x, y + 1)].append((x, y))
    return out


def loops(m, join=True):
    """The closed outlines of a mask: outer ones clockwise, holes anticlockwise.
    Where two pixels touch only at a corner the outline joins them (a stroke
    one pixel wide stays one shape), or with join=False keeps them apart."""
    out_edges = _edges(m)
    used = set()
    result = []
    for start in sorted(out_edges, key=lambda p: (p[1], p[0])):
        for first in sorted(out_edges[start]):
            if (start, first) in used:
                continue
            loop = [start]
            prev, cur = start, first
            used.add((start, first))
            while True:
                dx, dy = cur[0] - prev[0], cur[1] - prev[1]
                # Hugging the filled side (right turn first) keeps pixels that
                # touch at a corner apart; the left turn first joins them.
                choices = [(-dy, dx), (dx, dy), (dy, -dx)]
                if join:
                    choices.reverse()
                nxt = None
                for cx, cy in choices:
                    cand = (cur[0] + cx, cur[1] + cy)
                    if cand in out_edges.get(cur, []):
                        nxt = cand
                        break
                if nxt is None:
                    raise RuntimeError("open outline")
                if (cur, nxt) == (start, first):
                    break
                loop.append(cur)
                used.add((cur, nxt))
                prev, cur = cur, nxt
            result.append(_simplify(loop))
    return result


def _simplify(loop):
    n = len(loop)
    keep = []
    for i in range(n):
        a, b, c = loop[i - 1], loop[i], loop[(i + 1) % n]
        if (b[0] - a[0]) * (c[1] - b[1]) - (b[1] - a[1]) * (c[0] - b[0]) != 0:
            keep.append(b)
    return keep


def _num(v):
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def _toward(v, p, r):
    dx, dy = p[0] - v[0], p[1] - v[1]
    length = abs(dx) + abs(dy)  # edges are horizontal or vertical
    t = min(r, length / 2.0) / length
    return (v[0] + dx * t, v[1] + dy * t)


def path(m, ease=0.5, join=True):
    """SVG path data of a mask, every corner eased by `ease` pixels."""
    if not m:
        return ""
    parts = []
    for loop in loops(m, join):
        n = len(loop)
        if ease <= 0:
            parts.append("M" + " ".join(f"{_num(x)} {_num(y)}" for x, y in loop) + "Z")
            continue
        d = []
        for i in range(n):
            v = loop[i]
            a = _toward(v, loop[i - 1], ease)
            b = _toward(v, loop[(i + 1) % n], ease)
            if i == 0:
                d.append(f"M{_num(a[0])} {_num(a[1])}")
            elif (_num(a[0]), _num(a[1])) != last:
                d.append(f"L{_num(a[0])} {_num(a[1])}")
            d.append(f"Q{_num(v[0])} {_num(v[1])} {_num(b[0])} {_num(b[1])}")
            last = (_num(b[0]), _num(b[1]))
        parts.append("".join(d) + "Z")
    return "".join(parts)


# ---------------------------------------------------------------------------
# A small pixel font for the printed labels and the LCD's words.

GLYPHS = {
    "A": [".#.", "#.#", "###", "#.#", "#.#"],
    "B": ["##.", "#.#", "##.", "#.#", "##."],
    "C": [".##", "#..", "#..", "#..", ".##"],
    "D": ["##.", "#.#", "#.#", "#.#", "##."],
    "E": ["###", "#..", "##.", "#..", "###"],
    "F": ["###", "#..", "##.", "#..", "#.."],
    "G": [".##", "#..", "#.#", "#.#", ".##"],
    "H": ["#.#", "#.#", "###", "#.#", "#.#"],
    "I": ["###", ".#.", ".#.", ".#.", "###"],
    "K": ["#.#", "#.#", "##.", "#.#", "#.#"],
    "L": ["#..", "#..", "#..", "#..", "###"],
    "M": ["#...#", "##.##", "#.#.#", "#...#", "#...#"],
    "N": ["#..#", "##.#", "#.##", "#..#", "#..#"],
    "O": [".#.", "#.#", "#.#", "#.#", ".#."],
    "P": ["##.", "#.#", "##.", "#..", "#.."],
    "R": ["##.", "#.#", "##.", "#.#", "#.#"],
    "S": [".##", "#..", ".#.", "..#", "##."],
    "T": ["###", ".#.", ".#.", ".#.", ".#."],
    "U": ["#.#", "#.#", "#.#", "#.#", "###"],
    "V": ["#.#", "#.#", "#.#", "#.#", ".#."],
    "W": ["#...#", "#...#", "#.#.#", "##.##", "#...#"],
    "X": ["#.#", "#.#", ".#.", "#.#", "#.#"],
    "Y": ["#.#", "#.#", ".#.", ".#.", ".#."],
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "1": [".#", "##", ".#", ".#", ".#"],
    "2": ["##.", "..#", ".#.", "#..", "###"],
    "3": ["##.", "..#", ".#.", "..#", "##."],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
    "5": ["###", "#..", "##.", "..#", "##."],
    "6": [".##", "#..", "###", "#.#", "###"],
    "7": ["###", "..#", ".#.", ".#.", ".#."],
    "8": ["###", "#.#", "###", "#.#", "###"],
    "9": ["###", "#.#", "###", "..#", "##."],
    ".": [".", ".", ".", ".", "#"],
    "-": ["...", "...", "###", "...", "..."],
    "x": ["...", "#.#", ".#.", "#.#", "..."],
    "/": ["..#", "..#", ".#.", "#..", "#.."],
}


def text_width(s, space=1):
    w = 0
    for ch in s:
        w += space + 1 if ch == " " else len(GLYPHS[ch][0]) + 1
    return w - 1


def text(x0, y0, s, scale=1, space=1):
    """The pixels of a text in the pixel font, top-left at (x0, y0)."""
    out = set()
    x = x0
    for ch in s:
        if ch == " ":
            x += (space + 1) * scale
            continue
        rows = GLYPHS[ch]
        for j, row in enumerate(rows):
            for i, c in enumerate(row):
                if c == "#":
                    for sx in range(scale):
                        for sy in range(scale):
                            out.add((x + i * scale + sx, y0 + j * scale + sy))
        x += (len(rows[0]) + 1) * scale
    return out
