#!/usr/bin/env python3
"""Draws the device's pictures and writes them to assets/device/ as SVG.

    python3 tools/contact_sheet/draw_artwork.py [--check]

The LCD's segments are pixel masks in the device's own coordinates (the client
area, 333 x 198), drawn here as text and traced into outlines (pixelart.py);
each picture is one group of lcd.svg, id = its key with the parentheses turned
into an underscore ("Diver(17)" -> "Diver_17"), drawn at the place where the
device shows it. The case, the button looks, the back and the icon are plain
vector drawings. After a change, build and run the contact sheet
(tools/contact_sheet) and look at the sheets.

--check only draws and checks the masks (every segment inside its rectangle,
the rules below) without writing.
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pixelart import (bounds, clip, dilate, inside, layers, mask, path, rect_mask, shift, text,  # noqa: E402
                      text_width)

OUT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "device"))

# The rectangles of the device window's pictures (x, y, width, height), as the
# device's picture table gives them. A store's pictures are drawn where they are
# shown: digits at HourDigit(1), diver frames at their DiverStep.
RECT = {
    "ResetScreen": (89, 51, 155, 97),
    "am": (149, 52, 10, 6),
    "pm": (149, 59, 10, 6),
    "HourDigit(0)": (158, 52, 8, 13),
    "HourDigit(1)": (169, 52, 8, 13),
    "Colon": (179, 52, 3, 13),
    "MinuteDigit(0)": (185, 52, 8, 13),
    "MinuteDigit(1)": (197, 52, 8, 13),
    "Note": (209, 56, 9, 8),
    "Alarm(0)": (211, 51, 9, 5),
    "Alarm(1)": (208, 64, 11, 6),
    "BabyDrellok": (221, 51, 23, 24),
    "GameType(0)": (92, 135, 22, 5),
    "GameType(1)": (92, 141, 21, 5),
    "DiverStep(0)": (99, 52, 21, 15),
    "DiverStep(1)": (100, 77, 26, 22),
    "DiverStep(2)": (105, 104, 24, 26),
    "DiverStep(3)": (129, 121, 23, 21),
    "DiverStep(4)": (157, 122, 20, 22),
    "DiverStep(5)": (184, 123, 30, 21),
    "Remainder1": (120, 52, 11, 15),
    "Remainder0": (133, 52, 11, 15),
    "MissPic": (159, 93, 16, 19),
    "Arm": (163, 110, 8, 9),
    "Legs": (178, 102, 13, 17),
    "Drellok(0)": (161, 75, 64, 16),
    "Drellok(1)": (180, 91, 59, 9),
    "Drellok(2)": (197, 100, 37, 8),
    "Treasure": (214, 126, 30, 22),
    "Tentacle0(0)": (136, 83, 16, 7),
    "Tentacle0(1)": (126, 84, 11, 6),
    "Tentacle0(2)": (116, 80, 10, 7),
    "Tentacle1(0)": (136, 83, 16, 7),
    "Tentacle1(1)": (130, 90, 11, 5),
    "Tentacle1(2)": (126, 96, 11, 8),
    "Tentacle1(3)": (121, 105, 8, 10),
    "Tentacle2(0)": (154, 93, 13, 5),
    "Tentacle2(1)": (152, 99, 9, 8),
    "Tentacle2(2)": (151, 105, 6, 10),
    "Tentacle2(3)": (149, 112, 6, 10),
    "Tentacle2(4)": (145, 121, 7, 8),
    "Tentacle3(0)": (172, 103, 10, 6),
    "Tentacle3(1)": (172, 109, 7, 7),
    "Tentacle3(2)": (173, 114, 6, 9),
    "Tentacle3(3)": (172, 122, 5, 8),
    "Tentacle4(0)": (201, 110, 10, 7),
    "Tentacle4(1)": (205, 117, 9, 5),
    "Tentacle4(2)": (208, 123, 6, 10),
    "GameAButton": (282, 24, 15, 8),
    "GameBButton": (282, 46, 15, 8),
    "TimeButton": (282, 68, 15, 8),
    "LeftButton": (25, 127, 24, 24),
    "RightButton": (283, 128, 24, 24),
    "AlarmButton": (309, 35, 7, 7),
    "ACLButton": (309, 58, 7, 7),
    "Logo": (13, 28, 42, 36),
}
TENTACLE_LENGTH = [3, 4, 5, 4, 3]
LCD_GLASS = (86, 48, 161, 103)  # the LCD window of the case


def place_of(key):
    """The rectangle where a picture is drawn."""
    name, _, index = key.partition("(")
    if name == "Number":
        return RECT["HourDigit(1)"]
    if name == "Diver":
        return RECT[f"DiverStep({min(int(index[:-1]) // 4 + 1, 5)})"]
    if name == "OnTheBoat":
        return RECT["DiverStep(0)"]
    if name == "TempArm":
        return RECT["Arm"]
    if name == "TempLegs":
        return RECT["Legs"]
    return RECT[key]


def svg_id(key):
    return key.replace("(", "_").replace(")", "")


# ===========================================================================
# The LCD's segments

SEG = {}  # key -> mask


def seven_segment(x0, y0):
    """The seven segments of a digit place (8 x 13), a to g."""
    return layers(x0, y0, """
        .aaaaaa.
        f.aaaa.b
        ff....bb
        ff....bb
        ff....bb
        f.gggg.b
        .gggggg.
        e......c
        ee....cc
        ee....cc
        ee....cc
        e.dddd.c
        .dddddd.
    """)


DIGIT_SEGMENTS = ["abcdef", "bc", "abged", "abgcd", "fgbc", "afgcd", "afgedc", "abc", "abcdefg", "abcdfg"]


def draw_clock():
    x, y, _, _ = RECT["HourDigit(1)"]
    s = seven_segment(x, y)
    for d, segs in enumerate(DIGIT_SEGMENTS):
        SEG[f"Number({d})"] = set().union(*(s[c] for c in segs))
    cx, cy, _, _ = RECT["Colon"]
    SEG["Colon"] = rect_mask(cx, cy + 3, 2, 2) | rect_mask(cx, cy + 8, 2, 2)
    SEG["am"] = text(RECT["am"][0], RECT["am"][1], "AM")
    SEG["pm"] = text(RECT["pm"][0], RECT["pm"][1], "PM")
    SEG["Note"] = mask(*RECT["Note"][:2], """
        ...######
        ...######
        ...#....#
        ...#....#
        .###..###
        ####.####
        ####.####
        .##...##.
    """)
    SEG["Alarm(0)"] = mask(*RECT["Alarm(0)"][:2], """
        #...#...#
        .#..#..#.
        ..#...#..
        .........
        .........
    """)
    SEG["Alarm(1)"] = mask(*RECT["Alarm(1)"][:2], """
        ...........
        ..#.....#..
        .#...#...#.
        #....#....#
        .....#.....
        ...........
    """)
    SEG["BabyDrellok"] = mask(*RECT["BabyDrellok"][:2], """
        .......#########.......
        .....#############.....
        ....###############....
        ...#################...
        ..###################..
        ..###################..
        .#####################.
        .####...#######...####.
        .###.....#####.....###.
        .###..#..#####..#..###.
        .####...#######...####.
        .#####################.
        ..###################..
        ..#########.#########..
        ...#################...
        ..###.###.###.###.###..
        ..##..##..###..##..##..
        .##..##...###...##..##.
        .##..##...###...##..##.
        .##..##..##.##..##..##.
        ..##..##.##.##.##..##..
        ..##...#.#...#.#...##..
        ...##...........##.....
        .......................
    """)
    # The game marks: a narrow E keeps a word space in both widths.
    def mark(x0, y0, word):
        out = set()
        letters = {
            "G": [".##", "#..", "#.#", "#.#", ".##"],
            "A": [".#.", "#.#", "###", "#.#", "#.#"],
            "M": ["#...#", "##.##", "#.#.#", "#...#", "#...#"],
            "E": ["##", "#.", "##", "#.", "##"],
            "B": ["##.", "#.#", "##.", "#.#", "##."],
        }
        cx = x0
        for ch in word:
            if ch == " ":
                cx += 1
                continue
            for j, row in enumerate(letters[ch]):
                for i, c in enumerate(row):
                    if c == "#":
                        out.add((cx + i, y0 + j))
            cx += len(letters[ch][0]) + 1
        return out
    SEG["GameType(0)"] = mark(*RECT["GameType(0)"][:2], "GAME A")
    SEG["GameType(1)"] = mark(*RECT["GameType(1)"][:2], "GAME B")


# --- The divers ----------------------------------------------------------------
# A hard-hat diver: a round helmet with its port facing the chest, a broad
# suit, weighted boots. Each place has one body; the gold bag and a tentacle's
# tip are drawn beside it as parts of their own, as on a real LCD, so that the
# all-clear screen shows each place as one clean figure.

SMALL_DIVER = """
    ..####....
    .######...
    ####..#...
    ###.#.#...
    ####..#...
    .######...
    ..####....
    .########.
    ##.####.##
    ##.####.##
    #..####..#
    ...####...
    ...##.##..
    ...##.##..
    ..###.###.
"""

SMALL_DIVER_LIFTING = """
    ..####....#..#.
    .######....##..
    ####..#...####.
    ###.#.#..######
    ####..#..##.###
    .######..######
    ..####....####.
    .#######.##....
    ##.####.##.....
    ##.####........
    #..####........
    ...####........
    ...##.##.......
    ...##.##.......
    ..###.###......
"""

# The big diver, facing the chest (right), 14 wide and 20 tall.
STANDING = """
    ...####.......
    ..######......
    .####..##.....
    .###.#..#.....
    .###....#.....
    .####..##.....
    ..######......
    ...####.......
    .##########...
    ##.######.##..
    ##.######.##..
    ##.######.##..
    ##.######.##..
    ##.######.##..
    .#.######.#...
    ...##..##.....
    ...##..##.....
    ...##..##.....
    ..###..###....
    ..###..####...
"""

WALKING = """
    ....####......
    ...######.....
    ..####..##....
    ..###.#..#....
    ..###....#....
    ..####..##....
    ...######.....
    ....####......
    ..##########..
    .##.######.##.
    ##..######..##
    ##..######..##
    #...######...#
    ....######....
    ....######....
    ...###..###...
    ..###....###..
    .###......###.
    ###.......####
    ###........###
"""

STRIDING = """
    ....####......
    ...######.....
    ..####..##....
    ..###.#..#....
    ..###....#....
    ..####..##....
    ...######.....
    ....####......
    ..##########..
    ..#.######.##.
    .##.######..##
    .##.######..##
    .#..######...#
    ....######....
    ....######....
    ....##.###....
    ...##...###...
    ...##....##...
    ..###....###..
    ..###....####.
"""

SINKING = """
    ##............
    ##..####......
    .#.######.....
    .#####..##....
    .####.#..#....
    ..###....#....
    ..####..##....
    ...######.....
    ....####......
    ..##########..
    ..#.######.##.
    ....######.##.
    ....######.##.
    ....######.#..
    ....######....
    ....##..##....
    ....##..##....
    ....##..##....
    ...###..###...
    ...###..####..
"""

KICKING = """
    ...####.......
    ..######......
    .####..##.....
    .###.#..#.....
    .###....#.....
    .####..##.....
    ..######......
    ...####.......
    .##########...
    ##.######.##..
    #..######..#..
    #..######...#.
    ...######.....
    ...######.....
    ..###..###....
    .###....###...
    ###......###..
    .##.......##..
    .##.......##..
    ###.......###.
"""

REACHING = """
    ................
    ................
    ................
    .......####.....
    ......######....
    .....####..##...
    .....###.#..#...
    .....###....#...
    ....#####..##...
    ...##########...
    ..##.#######.##.
    .##..######...##
    ##...######....#
    .....######.....
    ....###..###....
    ...###....##....
    ...##.....##....
    ...##.....##....
    ..###....###....
    ..###....####...
"""

LIFTING = """
    ......#..#....
    .......##.....
    ......####....
    .....######...
    ..##.######.##
    ..##..####..##
    ...##......##.
    ...##.####.##.
    ....########..
    ....####..##..
    ....###.#..#..
    ....###....#..
    ....####..##..
    .....######...
    ...##########.
    ....########..
    .....######...
    .....##..##...
    .....##..##...
    ....###..###..
    ....###..####.
"""

BAG = """
    #...#
    .#.#.
    ..#..
    .###.
    #####
    #####
    .###.
"""


DIVER_POSES = {}  # position -> (empty-handed, carrying)


def draw_divers():
    x, y, w, h = RECT["DiverStep(0)"]
    SEG["OnTheBoat(0)"] = shift(mask(0, 0, SMALL_DIVER), x + 6, y)
    SEG["OnTheBoat(1)"] = shift(mask(0, 0, SMALL_DIVER_LIFTING), x + 6, y)
    for key in ("Remainder1", "Remainder0"):
        rx, ry, _, _ = RECT[key]
        SEG[key] = shift(mask(0, 0, SMALL_DIVER), rx, ry)

    bag = mask(0, 0, BAG)
    # place: (body, where the body goes, where the bag hangs), in the place's own pixels
    poses = {
        1: (SINKING, (7, 1), (14, 14)),
        2: (KICKING, (8, 3), (3, 14)),
        3: (WALKING, (7, 1), (1, 12)),
        4: (STRIDING, (6, 2), (0, 13)),
        5: (STANDING, (16, 1), (10, 13)),
        6: (REACHING, (14, 1), (8, 13)),
    }
    for place, (drawing, (dx, dy), (bx, by)) in poses.items():
        px, py, _, _ = RECT[f"DiverStep({min(place, 5)})"]
        body = shift(mask(0, 0, drawing), px + dx, py + dy)
        DIVER_POSES[place] = (body, body | shift(bag, px + bx, py + by))
    px, py, _, _ = RECT["DiverStep(5)"]
    lift = shift(mask(0, 0, LIFTING), px + 14, py)
    DIVER_POSES[8] = (lift, lift)



def tentacle_tip(place):
    t = place - 1
    return SEG[f"Tentacle{t}({TENTACLE_LENGTH[t] - 1})"]


def with_tip(body, tip):
    """The diver with a tentacle's tip on him: the tip lies over him, parted
    from him by a pixel of clear glass."""
    return (body - dilate(tip)) | tip


def draw_diver_frames():
    for p in range(1, 9):
        q = min(p, 5)
        empty, carrying = DIVER_POSES[5 if p == 7 else p]
        tip = tentacle_tip(q)
        base = (p - 1) * 4
        SEG[f"Diver({base})"] = empty
        SEG[f"Diver({base + 1})"] = with_tip(empty, tip)
        SEG[f"Diver({base + 2})"] = carrying
        SEG[f"Diver({base + 3})"] = with_tip(carrying, tip)


# --- The creature -----------------------------------------------------------

def spans(x0, y0, rows):
    """A mask from runs of pixels: {row: [(first column, last column), ...]}."""
    out = set()
    for r, runs in rows.items():
        for c0, c1 in runs:
            out |= {(x0 + c, y0 + r) for c in range(c0, c1 + 1)}
    return out


# Each tentacle is drawn whole, segment by segment from the body outward, with
# a pixel of clear glass between segments; its tip lands on the helmet of a
# diver standing at its place.
FIRST_ARM = {  # origin (116, 77): rows and columns counted from there
    "Tentacle0(0)": {6: [(23, 33)], 7: [(21, 35)], 8: [(21, 35)], 9: [(21, 35)],
                     10: [(22, 23), (25, 26), (28, 29), (31, 35)], 11: [(23, 34)], 12: [(27, 33)]},
    "Tentacle0(1)": {7: [(11, 19)], 8: [(11, 19)], 9: [(12, 19)], 10: [(14, 18)]},
    "Tentacle0(2)": {3: [(1, 2)], 4: [(0, 1)], 5: [(0, 0)], 6: [(0, 1), (7, 9)], 7: [(1, 9)], 8: [(2, 9)],
                     9: [(5, 8)]},
    "Tentacle1(1)": {13: [(19, 23)], 14: [(17, 22)], 15: [(16, 21)], 16: [(15, 20)], 17: [(14, 18)]},
    "Tentacle1(2)": {19: [(13, 17)], 20: [(12, 16)], 21: [(12, 16)], 22: [(11, 15)], 23: [(11, 15)],
                     24: [(11, 14)], 25: [(10, 13)], 26: [(10, 13)]},
    "Tentacle1(3)": {28: [(9, 12)], 29: [(9, 12)], 30: [(8, 11)], 31: [(7, 10)], 32: [(5, 9)], 33: [(5, 7)],
                     34: [(6, 7)]},
}
TENTACLE2 = [  # origin (143, 91)
    {2: [(15, 23)], 3: [(13, 23)], 4: [(12, 23)], 5: [(11, 14), (16, 17), (19, 20), (22, 22)], 6: [(11, 14)]},
    {8: [(10, 15)], 9: [(10, 14)], 10: [(10, 14)], 11: [(10, 14)], 12: [(10, 13)], 13: [(9, 13)]},
    {15: [(9, 12)], 16: [(9, 12)], 17: [(9, 12)], 18: [(8, 11)], 19: [(8, 11)], 20: [(8, 11)]},
    {22: [(8, 10)], 23: [(7, 10)], 24: [(7, 10)], 25: [(7, 9)], 26: [(6, 9)], 27: [(6, 9)], 28: [(6, 8)],
     29: [(6, 8)]},
    {31: [(5, 7)], 32: [(4, 6)], 33: [(3, 5)], 34: [(2, 4)], 35: [(2, 3)], 36: [(3, 3)]},
]
TENTACLE3 = [  # origin (170, 99)
    {4: [(7, 11)], 5: [(6, 11)], 6: [(5, 10)], 7: [(4, 9)], 8: [(4, 8)]},
    {10: [(4, 7)], 11: [(4, 7)], 12: [(4, 7)], 13: [(4, 7)], 14: [(4, 6)]},
    {16: [(4, 6)], 17: [(4, 6)], 18: [(4, 6)], 19: [(4, 6)], 20: [(3, 6)], 21: [(3, 5)]},
    {23: [(3, 5)], 24: [(3, 5)], 25: [(2, 4)], 26: [(2, 4)], 27: [(2, 3)], 28: [(2, 3)]},
]
TENTACLE4 = [  # origin (198, 106)
    {4: [(3, 8)], 5: [(4, 9)], 6: [(5, 10)], 7: [(6, 10)], 8: [(7, 11)], 9: [(7, 11)]},
    {11: [(9, 12)], 12: [(10, 13)], 13: [(10, 13)], 14: [(11, 14)], 15: [(11, 14)]},
    {17: [(12, 14)], 18: [(12, 14)], 19: [(12, 14)], 20: [(11, 13)], 21: [(10, 12)], 22: [(10, 11)]},
]

# The body, row by row (first and last x): a great head over a sagging mantle;
# its underside steps down where the tentacles come out.
BODY_ROWS = {
    75: (181, 205), 76: (176, 210), 77: (172, 214), 78: (169, 217), 79: (167, 219), 80: (165, 221),
    81: (164, 222), 82: (163, 223), 83: (162, 224), 84: (162, 224), 85: (161, 224), 86: (161, 224),
    87: (161, 224), 88: (161, 224), 89: (162, 224), 90: (164, 224),
    91: (180, 227), 92: (180, 229), 93: (180, 231), 94: (180, 232), 95: (181, 233), 96: (181, 233),
    97: (181, 233), 98: (181, 233), 99: (181, 233),
    100: (197, 233), 101: (197, 232), 102: (197, 231), 103: (198, 230), 104: (198, 228), 105: (199, 225),
    106: (200, 221), 107: (201, 214),
}


def draw_creature():
    for key, rows in FIRST_ARM.items():
        SEG[key] = spans(116, 77, rows)
    SEG["Tentacle1(0)"] = SEG["Tentacle0(0)"]  # the two branches share their root
    for t, (origin, segments) in ((2, ((143, 91), TENTACLE2)), (3, ((170, 99), TENTACLE3)),
                                  (4, ((198, 106), TENTACLE4))):
        for k, rows in enumerate(segments):
            SEG[f"Tentacle{t}({k})"] = spans(*origin, rows)

    body = set()
    for y, (x0, x1) in BODY_ROWS.items():
        body |= {(x, y) for x in range(x0, x1 + 1)}
    # Two big eyes under frowning brows, looking down at the path.
    for ex, ey in ((171, 83), (186, 84)):
        white = {(x, y) for x in range(ex - 4, ex + 5) for y in range(ey - 3, ey + 4)
                 if ((x - ex) / 4.2) ** 2 + ((y - ey) / 3.3) ** 2 <= 1}
        pupil = {(ex - 2, ey), (ex - 1, ey), (ex - 2, ey + 1), (ex - 1, ey + 1), (ex, ey + 1), (ex - 1, ey + 2)}
        body = (body - white) | pupil
    body -= {(x, 77 + (x - 166) // 4) for x in range(166, 177)}
    body -= {(x, 80 - (x - 181) // 4) for x in range(181, 192)}
    # A wide, sulking mouth.
    body -= {(x, 89 if 172 < x < 182 else 88) for x in range(169, 186)}
    # The fold between the head and the mantle behind it.
    fold = set()
    for a in range(0, 91):
        t = math.radians(a)
        fold.add((round(229 - 27 * math.cos(t)), round(77 + 21 * math.sin(t))))
    body -= {p for p in fold if p[1] > 76}
    # Spots on the mantle.
    for sx, sy in ((214, 79), (220, 84), (211, 86), (217, 91), (226, 93), (230, 97), (222, 97),
                   (212, 97), (220, 102), (208, 103), (203, 93)):
        body -= {(sx, sy), (sx + 1, sy), (sx, sy + 1), (sx + 1, sy + 1)} - {(sx + 1, sy + 1)}
    for i in range(3):
        SEG[f"Drellok({i})"] = clip(body, RECT[f"Drellok({i})"])


def draw_treasure():
    x, y, w, h = RECT["Treasure"]
    SEG["Treasure"] = mask(x, y, """
        ..............#...............
        .............###..............
        .....#........#...............
        ....###..##################...
        .....#..####################..
        .......###................###.
        .......##..................##.
        .......###.................##.
        .......######################.
        ..##.##..##.##..##.##..##.....
        .########################.....
        ..........................##..
        .###########################..
        .###########################..
        .##....####.######.####....#..
        .##.#######..#..#..#######.#..
        .##.#######..#..#..#######.#..
        .##.#######...##...#######.#..
        .##.#######........#######.#..
        .##.########################..
        .###########################..
        ..#########################...
    """)


# --- The caught diver ----------------------------------------------------------
# He is drawn whole in each of his two poses, together with the pieces of
# tentacles 2 and 3 that are always shown with him ('~'): he hangs face down,
# his helmet in the curl of tentacle 2 and his waist under tentacle 3, his arm
# swinging beneath him and his legs kicking. What the two poses share is
# MissPic; the rest is cut into the arm's and the legs' rectangles.
CATCH_AT = (152, 93)
CATCH_GRIP = ["Tentacle2(0)", "Tentacle2(1)", "Tentacle3(0)", "Tentacle3(1)"]
CAUGHT = [
    # Pose 0: the arm swung back, the legs scissored apart.
    """
    ......~~~~~~~~~.........................
    ....~~~~~~~~~~~.........................
    ...~~~~~~~~~~~~.........................
    ..~~~~.~~.~~.~..........................
    ..~~~~..................................
    ........................................
    .~~~~~~..####...........................
    .~~~~~..######..........................
    .~~~~~.########.###.....................
    .~~~~~.###..#########...................
    .~~~~..##..#.########....~~~~~..........
    ~~~~~...#....########...~~~~~~..........
    ........##..#########..~~~~~~...........
    .........####.#######.~~~~~~............
    ..............##.####.~~~~~..###........
    ..............##.####.......###########.
    ..............##.####.~~~~.############.
    ...............##.###.~~~~.######...###.
    ...............##.....~~~~.######....##.
    ................##....~~~~.#####........
    ................##....~~~..######.......
    .................##.............##......
    .................##..............##.....
    ................###...............##....
    ................###...............####..
    ...................................####.
    """,
    # Pose 1: the arm swung forward, the knees bent and the heels kicked up.
    """
    ......~~~~~~~~~.........................
    ....~~~~~~~~~~~.........................
    ...~~~~~~~~~~~~.........................
    ..~~~~.~~.~~.~..........................
    ..~~~~..................................
    ........................................
    .~~~~~~..####...........................
    .~~~~~..######..........................
    .~~~~~.########.###.....................
    .~~~~~.###..#########...................
    .~~~~..##..#.########....~~~~~......###.
    ~~~~~...#....########...~~~~~~.....####.
    ........##..#########..~~~~~~.......##..
    .........####.#######.~~~~~~........##..
    ..............##.####.~~~~~..###....##..
    ..............##.####.......#####...##..
    ..............##.####.~~~~.######..###..
    .............##...###.~~~~.###########..
    .............##.......~~~~.###########..
    ............##........~~~~.#####.####...
    ............##........~~~..####.........
    ...........##...........................
    ...........##...........................
    ...........###..........................
    ...........###..........................
    ........................................
    """,
]


def caught_poses():
    """Each pose's drawing: (the diver's pixels, the grip's pixels as drawn)."""
    out = []
    for drawing in CAUGHT:
        parts = layers(*CATCH_AT, drawing)
        out.append((parts["#"], parts["~"]))
    return out


def draw_catch():
    (pose0, _), (pose1, _) = caught_poses()
    shared = clip(pose0 & pose1, RECT["MissPic"])
    SEG["MissPic"] = shared
    for i, pose in enumerate((pose0, pose1)):
        SEG[f"TempArm({i})"] = clip(pose, RECT["Arm"]) - shared
        SEG[f"TempLegs({i})"] = clip(pose, RECT["Legs"])
    # The grip lies over him wherever his pictures cover its pieces.
    COMPANIONS["MissPic"] = CATCH_GRIP
    for k in ("TempArm(0)", "TempArm(1)", "TempLegs(0)", "TempLegs(1)"):
        COMPANIONS[k] = ["MissPic"] + CATCH_GRIP


def check_catch():
    problems = []
    grip = set().union(*(SEG[k] for k in CATCH_GRIP))
    rows = [r for r in CAUGHT[0].strip("\n").splitlines() if r.strip()]
    box = (*CATCH_AT, len(rows[0].strip()), len(rows))
    places = [RECT[k] for k in ("MissPic", "Arm", "Legs")]
    bodies = []
    for i, (body, drawn_grip) in enumerate(caught_poses()):
        if drawn_grip != clip(grip, box):
            problems.append(f"caught pose {i}: the grip is not where its tentacles are, at "
                            f"{sorted(drawn_grip ^ clip(grip, box))[:4]}")
        lost = body - set().union(*(clip(body, r) for r in places))
        if lost:
            problems.append(f"caught pose {i}: drawn outside his pictures at {sorted(lost)[:4]}")
        if body & dilate(grip):
            problems.append(f"caught pose {i}: touches the grip at {sorted(body & dilate(grip))[:4]}")
        bodies.append(body - clip(body, RECT["Arm"]) - clip(body, RECT["Legs"]))
    if bodies[0] != bodies[1]:
        problems.append(f"the caught poses differ outside the arm and the legs at {sorted(bodies[0] ^ bodies[1])[:4]}")
    return problems


COMPANIONS = {}  # key -> keys whose art is drawn with it, where it covers them


# ===========================================================================
# Checks

def check():
    problems = []
    for key, m in SEG.items():
        if not m:
            problems.append(f"{key}: empty")
        elif not inside(m, place_of(key)):
            bx = bounds(m - clip(m, place_of(key)))
            problems.append(f"{key}: drawn outside {place_of(key)} at {bx}")
    # Where a diver stands, the picture of his place covers the tentacles
    # below it: only the full-length tip may reach in there.
    for t, n in enumerate(TENTACLE_LENGTH):
        for k in range(n - 1):
            seg = SEG[f"Tentacle{t}({k})"]
            for q in range(1, 6):
                if clip(seg, RECT[f"DiverStep({q})"]):
                    problems.append(f"Tentacle{t}({k}) reaches under DiverStep({q})")
    # A segment that lies under the caught diver's pictures must be one of
    # those that are always shown with them.
    for key in ("MissPic", "Arm", "Legs"):
        for t in range(5):
            for k in range(TENTACLE_LENGTH[t]):
                seg_key = f"Tentacle{t}({k})"
                if seg_key in COMPANIONS["MissPic"]:
                    continue
                if clip(SEG[seg_key], RECT[key]):
                    problems.append(f"{seg_key} reaches under {key}")
    return problems + check_catch()


# ===========================================================================
# SVG writing

def svg(width, height, body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'version="1.2" baseProfile="tiny" width="{width}" height="{height}" viewBox="0 0 {width} {height}">\n'
            + (f"<defs>\n{defs}</defs>\n" if defs else "") + body + "</svg>\n")


def lcd_svg():
    """One group per picture, each made of shared shapes: a picture that shows
    another one's pixels (a diver's tip, the grip around the caught diver, the
    frames that repeat) refers to the very same outline."""
    tips = {f"Diver({i})": f"Tentacle{min(i // 4 + 1, 5) - 1}({TENTACLE_LENGTH[min(i // 4 + 1, 5) - 1] - 1})"
            for i in range(1, 32, 2)}
    own = {key: SEG[key] - SEG[tips[key]] if key in tips else SEG[key] for key in SEG}
    shape_of = {}  # key -> id of the shape of its own pixels
    defs = []
    seen = {}
    for key in sorted(SEG, key=sort_key):
        # The digits' segments stay apart where they meet at a corner.
        d = path(own[key], join=not (key.startswith("Number") or key == "Colon"))
        if d not in seen:
            seen[d] = "s_" + svg_id(key)
            defs.append(f'<path id="{seen[d]}" d="{d}"/>\n')
        shape_of[key] = seen[d]
    body = [lcd_background(), '<g id="Segments" fill="#000">\n']
    for key in sorted(SEG, key=sort_key):
        refs = [shape_of[c] for c in COMPANIONS.get(key, [])] + [shape_of[key]]
        if key in tips:
            refs.append(shape_of[tips[key]])
        uses = "".join(f'<use xlink:href="#{r}"/>' for r in refs)
        body.append(f'<g id="{svg_id(key)}">{uses}</g>\n')
    body.append("</g>\n")
    return svg(333, 198, "".join(body), "".join(defs))


def sort_key(key):
    name, _, index = key.partition("(")
    return (name, int(index[:-1]) if index else -1)


# --- Printed on the LCD ------------------------------------------------------

def lcd_background():
    x, y, w, h = LCD_GLASS
    out = ['<g id="LcdBackground">\n',
           f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="url(#lcdTone)"/>\n']
    # Sea below the surface line.
    out.append(f'<rect x="{x}" y="70" width="{w}" height="{y + h - 70}" fill="#5f8f94" fill-opacity="0.10"/>\n')
    wave = f"M{x} 70"
    for i in range(x, x + w - 7, 8):
        wave += f"Q{i + 2} 68.6 {i + 4} 70T{i + 8} 70"
    wave += f"H{x + w}"
    out.append(f'<path d="{wave}" fill="none" stroke="#7f9ba0" stroke-width="1"/>\n')
    # The boat.
    out.append('<path d="M95 67H148L143 73.5H101Z" fill="#a5967b"/>\n')
    out.append('<path d="M96 69.5H147" stroke="#8d806a" stroke-width="1"/>\n')
    # Rocks round the creature's lair: its first arm reaches out from behind
    # them, and its mantle rests on them.
    rock = "#9aa396"
    edge = "#87907f"
    out.append(f'<path d="M151 95C150 88 152 81 157 79C160 78 163 80 163 84L162 97C158 99 153 98 151 95Z" '
               f'fill="{rock}" stroke="{edge}"/>\n')
    out.append(f'<path d="M247 84C241 84 236 90 237 98C238 106 241 113 247 115Z" fill="{rock}" stroke="{edge}"/>\n')
    out.append(f'<path d="M226 109C230 104 238 104 242 110C244 114 240 117 234 117C228 117 224 114 226 109Z" '
               f'fill="{rock}" stroke="{edge}"/>\n')
    # Weed swaying by the left of the path.
    for x0, tall in ((90, 33), (95, 24)):
        out.append(f'<path d="M{x0} 132C{x0 - 3} {132 - tall // 3} {x0 + 3} {132 - 2 * tall // 3} {x0} {132 - tall}" '
                   f'fill="none" stroke="#86a487" stroke-width="1.6" stroke-linecap="round"/>\n')
    # The sea bed.
    out.append(f'<path d="M{x} 145Q120 141 160 145T{x + w} 146V{y + h}H{x}Z" fill="#b1ab8b" fill-opacity="0.55"/>\n')
    for px, py, r in ((120, 147.5, 1.5), (163, 148, 1.2), (178, 147.6, 1.8), (205, 148.4, 1.3), (101, 149, 1.2)):
        out.append(f'<ellipse cx="{px}" cy="{py}" rx="{r * 1.5:g}" ry="{r}" fill="#a09a7e"/>\n')
    # Glass depth: a shadow along the top and left of the window.
    out.append(f'<rect x="{x}" y="{y}" width="{w}" height="3" fill="url(#lcdShadeTop)"/>\n')
    out.append(f'<rect x="{x}" y="{y}" width="2" height="{h}" fill="url(#lcdShadeLeft)"/>\n')
    out.append("</g>\n")
    defs = ('<linearGradient id="lcdTone" x1="0" y1="48" x2="0" y2="151" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#cbd2bb"/><stop offset="1" stop-color="#bcc5aa"/></linearGradient>\n'
            '<linearGradient id="lcdShadeTop" x1="0" y1="48" x2="0" y2="51" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#000" stop-opacity="0.22"/>'
            '<stop offset="1" stop-color="#000" stop-opacity="0"/></linearGradient>\n'
            '<linearGradient id="lcdShadeLeft" x1="86" y1="0" x2="88" y2="0" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#000" stop-opacity="0.18"/>'
            '<stop offset="1" stop-color="#000" stop-opacity="0"/></linearGradient>\n')
    return "<defs>\n" + defs + "</defs>\n" + "".join(out)


# ===========================================================================
# The case

NAVY = "#1b2836"
TEAL = "#2e7a82"
FACE = "#c8cac3"

WORDMARK = {  # 2-pixel strokes, 7 x 11
    "D": ["#####..", "##..##.", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##",
          "##..##.", "#####.."],
    "R": ["######.", "##...##", "##...##", "##...##", "##..##.", "#####..", "##.##..", "##..##.", "##...##",
          "##...##", "##...##"],
    "E": ["#######", "##.....", "##.....", "##.....", "######.", "##.....", "##.....", "##.....", "##.....",
          "##.....", "#######"],
    "L": ["##.....", "##.....", "##.....", "##.....", "##.....", "##.....", "##.....", "##.....", "##.....",
          "##.....", "#######"],
    "O": [".#####.", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##",
          "##...##", ".#####."],
    "K": ["##...##", "##..##.", "##.##..", "####...", "###....", "####...", "##.##..", "##..##.", "##...##",
          "##...##", "##...##"],
}


def wordmark(cx, y, word, gap=3):
    width = len(word) * 7 + (len(word) - 1) * gap
    x = round(cx - width / 2)
    out = set()
    for ch in word:
        for j, row in enumerate(WORDMARK[ch]):
            out |= {(x + i, y + j) for i, c in enumerate(row) if c == "#"}
        x += 7 + gap
    return out


def centred_text(cx, y, s):
    return text(round(cx - text_width(s) / 2), y, s)


def body_and_faceplate(out, face):
    out.append('<rect width="333" height="198" fill="#0e1012"/>\n')
    out.append('<rect width="333" height="198" rx="12" fill="url(#shell)"/>\n')
    out.append('<rect x="0.5" y="0.5" width="332" height="197" rx="11.5" fill="none" stroke="#4b5158"/>\n')
    if face:
        out.append(f'<rect x="5" y="5" width="323" height="188" rx="8" fill="{FACE}"/>\n')
        out.append('<path d="M13 5.5H320" stroke="#e6e8e1"/>\n')
        out.append('<path d="M13 192.5H320" stroke="#9b9e97"/>\n')


SHELL_GRADIENT = ('<linearGradient id="shell" x1="0" y1="0" x2="0" y2="198" gradientUnits="userSpaceOnUse">'
                  '<stop offset="0" stop-color="#3b4148"/><stop offset="1" stop-color="#202428"/>'
                  '</linearGradient>\n')


def case_svg():
    out = ['<g id="Case">\n']
    body_and_faceplate(out, face=True)
    # The printed frame of the LCD, with a fine gold line.
    out.append(f'<rect x="74" y="36" width="185" height="127" rx="8" fill="{NAVY}"/>\n')
    out.append('<rect x="78.5" y="40.5" width="176" height="118" rx="5" fill="none" stroke="#b9a36c"/>\n')
    gx, gy, gw, gh = LCD_GLASS
    out.append(f'<rect x="{gx - 1}" y="{gy - 1}" width="{gw + 2}" height="{gh + 2}" fill="#0b1015"/>\n')
    # The device's name under the LCD, and waves along the bottom of the plate.
    out.append(f'<path d="{path(wordmark(166.5, 167, "DRELLOK"))}" fill="{NAVY}"/>\n')
    for i, y in enumerate((181, 185)):
        wave = f"M14 {y}"
        for x in range(14, 318, 12):
            wave += f"Q{x + 3} {y - 2} {x + 6} {y}T{x + 12} {y}"
        out.append(f'<path d="{wave}" fill="none" stroke="{TEAL}" stroke-opacity="{0.55 - 0.2 * i}"/>\n')
    # The labels of the buttons.
    for s, key in (("GAME A", "GameAButton"), ("GAME B", "GameBButton"), ("TIME", "TimeButton"),
                   ("ALARM", "AlarmButton"), ("ACL", "ACLButton")):
        x, y, w, h = RECT[key]
        out.append(f'<path d="{path(centred_text(x + w / 2, y + h + 3, s))}" fill="{NAVY}"/>\n')
    # Wells around the buttons, the same at every button of a kind.
    for key in ("GameAButton", "GameBButton", "TimeButton"):
        x, y, w, h = RECT[key]
        out.append(f'<rect x="{x - 1.5}" y="{y - 1.5}" width="{w + 3}" height="{h + 3}" rx="4.5" fill="#a9aca5" '
                   f'stroke="#8c8f89"/>\n')
    for key in ("LeftButton", "RightButton"):
        x, y, w, h = RECT[key]
        out.append(f'<circle cx="{x + w / 2}" cy="{y + h / 2}" r="{w / 2 + 3}" fill="#a9aca5" stroke="#8c8f89"/>\n')
    for key in ("AlarmButton", "ACLButton"):
        x, y, w, h = RECT[key]
        out.append(f'<circle cx="{x + w / 2}" cy="{y + h / 2}" r="{w / 2 + 1.5}" fill="#a9aca5" stroke="#8c8f89"/>\n')
    out.append("</g>\n")
    return svg(333, 198, "".join(out), SHELL_GRADIENT)


LOGO_MARK = """
    .##.....##.....##...
    #..##.##..##.##..##.
    ....................
    ##..............##..
    .##............##...
    ..##..........##....
    ...##........##.....
    ....##......##......
    .....##....##.......
    ......##..##........
    .......####.........
    ........##..........
"""


def looks_svg():
    out = []
    defs = []
    # GAME A, GAME B, TIME: dark rubber keys.
    x, y, w, h = RECT["GameAButton"]
    out.append(f'<g id="Button0_0"><rect x="{x + 0.5}" y="{y + 0.5}" width="{w - 1}" height="{h - 1}" rx="3.5" '
               f'fill="#3a3f44" stroke="#1c1f22"/><path d="M{x + 3} {y + 2}H{x + w - 3}" stroke="#7b8187"/>'
               f'<path d="M{x + 2} {y + h - 2}H{x + w - 2}" stroke="#2b2f33"/></g>\n')
    out.append(f'<g id="Button0_1"><rect x="{x + 0.5}" y="{y + 0.5}" width="{w - 1}" height="{h - 1}" rx="3.5" '
               f'fill="#25292c" stroke="#131517"/><path d="M{x + 3} {y + 2}H{x + w - 3}" stroke="#15181a"/></g>\n')
    # LEFT and RIGHT: big coral buttons.
    x, y, w, h = RECT["LeftButton"]
    cx, cy = x + w / 2, y + h / 2
    defs.append(f'<radialGradient id="cap" cx="{cx - 3}" cy="{cy - 4}" r="13" gradientUnits="userSpaceOnUse">'
                '<stop offset="0" stop-color="#f3866a"/><stop offset="0.6" stop-color="#d9573a"/>'
                '<stop offset="1" stop-color="#b2412a"/></radialGradient>\n')
    defs.append(f'<radialGradient id="capDown" cx="{cx}" cy="{cy + 1}" r="12" gradientUnits="userSpaceOnUse">'
                '<stop offset="0" stop-color="#c44d33"/><stop offset="1" stop-color="#8f3321"/></radialGradient>\n')
    out.append(f'<g id="Button1_0"><circle cx="{cx}" cy="{cy}" r="11.5" fill="#6e2517"/>'
               f'<circle cx="{cx}" cy="{cy - 0.5}" r="10.5" fill="url(#cap)"/>'
               f'<path d="M{cx - 6} {cy - 6}Q{cx} {cy - 10} {cx + 6} {cy - 6}" fill="none" stroke="#ffd2c2" '
               f'stroke-opacity="0.55" stroke-linecap="round"/></g>\n')
    out.append(f'<g id="Button1_1"><circle cx="{cx}" cy="{cy}" r="11.5" fill="#5a1d12"/>'
               f'<circle cx="{cx}" cy="{cy + 0.5}" r="10" fill="url(#capDown)"/></g>\n')
    # ALARM and ACL: small recessed buttons.
    x, y, w, h = RECT["AlarmButton"]
    cx, cy = x + w / 2, y + h / 2
    out.append(f'<g id="Button2_0"><circle cx="{cx}" cy="{cy}" r="3.5" fill="#1c1f22"/>'
               f'<circle cx="{cx}" cy="{cy - 0.4}" r="2.6" fill="#4a5056"/></g>\n')
    out.append(f'<g id="Button2_1"><circle cx="{cx}" cy="{cy}" r="3.5" fill="#141618"/>'
               f'<circle cx="{cx}" cy="{cy + 0.3}" r="2.4" fill="#2b2f33"/></g>\n')
    # The maker's logo: a ring of waves round a V, over the maker's name.
    x, y, w, h = RECT["Logo"]
    mark = mask(x + 11, y + 6, LOGO_MARK)
    name = centred_text(x + w / 2, y + 27, "VISTREL")
    for i, (disc, ink, word) in enumerate(((TEAL, "#eef1ea", NAVY), ("#3fa3ad", "#ffffff", TEAL))):
        glow = ""
        if i == 1:
            glow = (f'<rect x="{x + 0.5}" y="{y + 0.5}" width="{w - 1}" height="{h - 1}" rx="6" fill="#eaf6f4" '
                    f'stroke="#7cc6cc"/>')
        out.append(f'<g id="VistrelLogo_{i}">{glow}'
                   f'<ellipse cx="{x + w / 2}" cy="{y + 12}" rx="13.5" ry="10" fill="{disc}"/>'
                   f'<path d="{path(mark)}" fill="{ink}"/>'
                   f'<path d="{path(name)}" fill="{word}"/></g>\n')
    return svg(333, 198, "".join(out), "".join(defs))


def back_svg():
    out = ['<g id="BackCase">\n']
    body_and_faceplate(out, face=False)
    # Fine ribs moulded into the plastic.
    for y in range(14, 190, 4):
        out.append(f'<path d="M14 {y}.5H319" stroke="#000" stroke-opacity="0.12"/>\n')
    # The battery cover.
    out.append('<rect x="196" y="52" width="104" height="94" rx="7" fill="#2c3136" stroke="#16191c" '
               'stroke-width="1.5"/>\n')
    out.append('<rect x="198.5" y="54.5" width="99" height="89" rx="5.5" fill="none" stroke="#444b52"/>\n')
    for i in range(5):
        out.append(f'<path d="M{284 + i * 3}.5 84V114" stroke="#16191c"/>'
                   f'<path d="M{285 + i * 3}.5 84V114" stroke="#4a5158"/>\n')
    out.append(f'<path d="{path(text(214, 96, "OPEN"))}" fill="#9aa1a8"/>'
               '<path d="M232 98.5H246M242 95.5L246 98.5L242 101.5" fill="none" stroke="#9aa1a8"/>\n')
    out.append(f'<path d="{path(text(214, 124, "2 x 1.5V"))}" fill="#9aa1a8"/>\n')
    # The maker's label.
    out.append('<rect x="34" y="52" width="136" height="94" rx="4" fill="#cfd2cc" stroke="#8e928c"/>\n')
    out.append(f'<rect x="38.5" y="56.5" width="127" height="85" rx="2" fill="none" stroke="{NAVY}"/>\n')
    out.append(f'<path d="{path(wordmark(102, 64, "DRELLOK"))}" fill="{NAVY}"/>\n')
    for i, line in enumerate(("VISTREL", "LCD GAME WITH ALARM CLOCK", "MODEL DK-25", "SERIAL 041723")):
        out.append(f'<path d="{path(centred_text(102, 84 + i * 12, line))}" fill="{NAVY}"/>\n')
    # Screws in the corners, and the feet.
    for sx, sy in ((18, 18), (315, 18), (18, 180), (315, 180)):
        out.append(f'<circle cx="{sx}" cy="{sy}" r="5" fill="#1a1d20"/>'
                   f'<circle cx="{sx}" cy="{sy}" r="4" fill="#a3a8ad"/>'
                   f'<path d="M{sx - 2.5} {sy + 0.5}H{sx + 3.5}M{sx + 0.5} {sy - 2.5}V{sy + 3.5}" stroke="#4b5158"/>\n')
    for fx in (60, 273):
        out.append(f'<rect x="{fx - 14}" y="184" width="28" height="6" rx="3" fill="#16191c"/>\n')
    out.append("</g>\n")
    return svg(333, 198, "".join(out), SHELL_GRADIENT)


ICON = """
    ................................
    ................................
    ...##########################...
    ..############################..
    ..####....................####..
    ..###......................###..
    ..###.......########.......###..
    ..###.....############.....###..
    ..###....##############....###..
    ..###...####..####..####...###..
    ..###...###.#..##.#..###...###..
    ..###...####..####..####...###..
    ..###...################...###..
    ..###...####.######.####...###..
    ..###....###..####..###....###..
    ..###....##.##.##.##.##....###..
    ..###...##..##.##.##..##...###..
    ..###...##.##..##..##.##...###..
    ..###....#.##..##..##.#....###..
    ..###......#...##...#......###..
    ..###......................###..
    ..####....................####..
    ..############################..
    ..############################..
    ..######..############..######..
    ..#####....##########....#####..
    ..######..####....####..######..
    ..############....############..
    ..############################..
    ...##########################...
    ................................
    ................................
"""


def icon_svg():
    shell = {p for p in mask(0, 0, ICON)}
    lcd = rect_mask(5, 5, 22, 16)
    creature = shell & lcd
    case = shell - lcd
    body = (f'<path d="{path(rect_mask(2, 2, 28, 28) - {(2, 2), (29, 2), (2, 29), (29, 29)})}" fill="#2a5d66"/>'
            f'<path d="{path(lcd, ease=1)}" fill="#c4ccb4"/>'
            f'<path d="{path(creature)}" fill="#142021"/>'
            f'<path d="{path(case - (rect_mask(2, 2, 28, 28) - lcd))}" fill="#2a5d66"/>'
            f'<path d="{path(rect_mask(8, 24, 2, 2) | rect_mask(22, 24, 2, 2))}" fill="#e0663f"/>'
            f'<path d="{path(rect_mask(14, 26, 4, 1))}" fill="#1b2836"/>')
    return svg(32, 32, body)


# ===========================================================================

def main():
    draw_clock()
    draw_divers()
    draw_creature()
    draw_diver_frames()
    draw_treasure()
    draw_catch()
    problems = check()
    for p in problems:
        print("check:", p)
    if "--check" in sys.argv:
        return 1 if problems else 0
    os.makedirs(OUT, exist_ok=True)
    files = {"lcd.svg": lcd_svg(), "case_front.svg": case_svg(), "looks.svg": looks_svg(),
             "case_back.svg": back_svg(), "icon.svg": icon_svg()}
    for name, content in files.items():
        with open(os.path.join(OUT, name), "w") as f:
            f.write(content)
    print(f"wrote {', '.join(files)} to {OUT}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
