#!/usr/bin/env python3
"""Draws SpeeDRaiL's pictures, icon and mouse pointers into res/pictures/.

    /usr/bin/python3 res/art/draw_art.py [output folder]

The build does not run this script: its output is kept in the repository and
the resource script embeds those files.  Run it again after changing a picture
here and commit both.  Needs Pillow and a DejaVu or Liberation font.

What the window relies on (tests/unit/resources_test.cpp checks it):
  banner.jpg         JPEG, 387 x 83
  *.gif              16 x 16, one frame, palette index 0 transparent
  *.bmp              16 x 16, 24 bits per pixel, opaque
  speedrail.ico      one 32 x 32 image, 4 bits per pixel, with an AND mask
  busy.cur hand.cur  one 32 x 32 image, 4 bits per pixel, with a hotspot
The small pictures sit on the window's black background, so their outlines
are kept light enough to be seen on black.
"""

import functools
import math
import os
import struct
import subprocess
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUT = os.path.normpath(os.path.join(HERE, "..", "pictures"))


def hex_rgb(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


# ---------------------------------------------------------------- fonts

FONT_CANDIDATES = {
    "title": ["DejaVuSans-BoldOblique.ttf", "LiberationSans-BoldItalic.ttf",
              "DejaVuSans-Bold.ttf", "LiberationSans-Bold.ttf"],
    "subtitle": ["DejaVuSansCondensed-Bold.ttf", "LiberationSansNarrow-Bold.ttf",
                 "DejaVuSans-Bold.ttf", "LiberationSans-Bold.ttf"],
}


@functools.lru_cache(maxsize=None)
def font_files():
    """Every font file fontconfig knows, plus the usual Debian folders."""
    found = []
    try:
        listing = subprocess.run(["fc-list", "--format", "%{file}\n"],
                                 capture_output=True, text=True, check=False).stdout
        found += [line.strip() for line in listing.splitlines() if line.strip()]
    except OSError:
        pass
    for root in ("/usr/share/fonts", "/usr/local/share/fonts"):
        for folder, _, names in os.walk(root):
            found += [os.path.join(folder, name) for name in names]
    return tuple(found)


def find_font(role, size):
    files = font_files()
    for wanted in FONT_CANDIDATES[role]:
        for path in files:
            if os.path.basename(path) == wanted:
                return ImageFont.truetype(path, size)
    sys.exit("draw_art.py: no DejaVu or Liberation font found for the %s" % role)


# ---------------------------------------------------------------- banner

BANNER_SIZE = (387, 83)
# The window places the banner 2 px left of and 3 px above its client area and
# its client area is 378 px wide; the run buttons cover the banner from y = 81.
# Everything that must be seen stays inside this box.
BANNER_SAFE = (6, 6, 376, 80)
BANNER_SCALE = 4  # the title is drawn this much larger, then scaled down
TITLE_BOTTOM = 61  # the title's descenders end above the rail
RAIL_Y = 64

TITLE = "SpeeDRaiL"
# One colour pair (top, bottom) per letter: a rainbow from red to violet.
TITLE_COLOURS = [
    ("#ffd0c0", "#e8201a"), ("#ffe4b0", "#f07a10"), ("#fff6b0", "#f0c800"),
    ("#e4ffb8", "#5cc81c"), ("#c8fff0", "#10b89c"), ("#c8ecff", "#1c8ce8"),
    ("#d4d4ff", "#3c50f0"), ("#ecd0ff", "#9a3ce8"), ("#ffd0f0", "#e02c9c"),
]
SUBTITLE_LEFT = ("para gamers extremos", "#ff2a20")
SUBTITLE_RIGHT = ("sistema de ajuste de alto rendimiento", "#30e040")


def vertical_gradient(size, top, bottom):
    width, height = size
    column = Image.new("RGB", (1, height))
    top, bottom = hex_rgb(top), hex_rgb(bottom)
    for y in range(height):
        t = y / max(1, height - 1)
        column.putpixel((0, y), tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)))
    return column.resize(size)


def draw_banner(path):
    s = BANNER_SCALE
    width, height = BANNER_SIZE[0] * s, BANNER_SIZE[1] * s
    canvas = Image.new("RGB", (width, height), "black")

    # The title: as large as fits between the top of the safe box and the
    # rail, letter by letter, each with its own gradient, over a dark outline
    # and a soft glow in its own colour.
    box_left, box_top = (BANNER_SAFE[0] + 2) * s, (BANNER_SAFE[1] + 1) * s
    box_right, box_bottom = (BANNER_SAFE[2] - 2) * s, TITLE_BOTTOM * s
    size = 80 * s
    while True:
        font = find_font("title", size)
        left, top, right, bottom = font.getbbox(TITLE, stroke_width=2 * s)
        if right - left <= box_right - box_left and bottom - top <= box_bottom - box_top:
            break
        size -= s // 2
    origin_x = (box_left + box_right - (right - left)) // 2 - left
    origin_y = box_top - top
    glow = Image.new("RGB", (width, height), "black")
    letters = []
    x = origin_x
    for letter, (top_colour, bottom_colour) in zip(TITLE, TITLE_COLOURS):
        mask = Image.new("L", (width, height), 0)
        ImageDraw.Draw(mask).text((x, origin_y), letter, font=font, fill=255)
        outline = Image.new("L", (width, height), 0)
        ImageDraw.Draw(outline).text((x, origin_y), letter, font=font, fill=255,
                                     stroke_width=2 * s, stroke_fill=255)
        letter_box = mask.getbbox()
        fill = Image.new("RGB", (width, height), "black")
        fill.paste(vertical_gradient((width, letter_box[3] - letter_box[1]), top_colour,
                                     bottom_colour), (0, letter_box[1]))
        glow.paste(Image.new("RGB", (width, height), hex_rgb(bottom_colour)), (0, 0), outline)
        letters.append((mask, outline, fill))
        x += font.getlength(letter)
    glow = glow.filter(ImageFilter.GaussianBlur(4 * s)).point(lambda v: v * 3 // 4)
    canvas = ImageChops.lighter(canvas, glow)
    for mask, outline, fill in letters:
        canvas.paste(Image.new("RGB", (width, height), hex_rgb("#101018")), (0, 0), outline)
        canvas.paste(fill, (0, 0), mask)

    # A rail under the title, red through yellow to green like the subtitles.
    rail_y = RAIL_Y * s
    rail_left, rail_right = BANNER_SAFE[0] * s, BANNER_SAFE[2] * s
    stops = [hex_rgb("#ff2a20"), hex_rgb("#ffd000"), hex_rgb("#30e040")]
    draw = ImageDraw.Draw(canvas)
    for x in range(rail_left, rail_right):
        t = (x - rail_left) / (rail_right - rail_left) * (len(stops) - 1)
        i = min(int(t), len(stops) - 2)
        f = t - i
        colour = tuple(round(a + (b - a) * f) for a, b in zip(stops[i], stops[i + 1]))
        draw.line([(x, rail_y), (x, rail_y + s - 1)], fill=colour)

    banner = canvas.resize(BANNER_SIZE, Image.LANCZOS)

    # The subtitles are drawn at their final size so that they stay sharp.
    small = find_font("subtitle", 11)
    draw = ImageDraw.Draw(banner)
    baseline = BANNER_SAFE[3] - 2
    text, colour = SUBTITLE_LEFT
    draw.text((BANNER_SAFE[0], baseline), text, font=small, fill=colour, anchor="ls")
    text, colour = SUBTITLE_RIGHT
    draw.text((BANNER_SAFE[2], baseline), text, font=small, fill=colour, anchor="rs")
    left_end = BANNER_SAFE[0] + small.getlength(SUBTITLE_LEFT[0])
    right_start = BANNER_SAFE[2] - small.getlength(SUBTITLE_RIGHT[0])
    if left_end + 8 > right_start:
        sys.exit("draw_art.py: the banner's subtitles overlap")

    banner.save(path, "JPEG", quality=92, subsampling=0, optimize=False, progressive=False)


# ---------------------------------------------------------------- pixel art

def grid_indices(rows, keys, size):
    """Turns rows of characters into a list of palette indices.

    `keys` maps each character to an index; '.' is index 0.  Short rows are
    padded with '.', so that a picture can leave its right side out.
    """
    width, height = size
    if len(rows) != height:
        raise ValueError("expected %d rows, got %d" % (height, len(rows)))
    indices = []
    for row in rows:
        if len(row) > width:
            raise ValueError("row too long: %r" % row)
        indices += [0 if c == "." else keys[c] for c in row.ljust(width, ".")]
    return indices


def palette_picture(rows, colours, size=(16, 16)):
    """A palette image from character rows; `colours` maps character to colour.

    Index 0 is the background: black, the colour the window shows behind it.
    """
    keys = {c: i + 1 for i, c in enumerate(colours)}
    picture = Image.new("P", size)
    flat = [0, 0, 0]
    for colour in colours.values():
        flat += list(hex_rgb(colour))
    picture.putpalette(flat)
    picture.putdata(grid_indices(rows, keys, size))
    return picture


def save_gif(picture, path):
    # Index 0 is the transparent background.  No interlacing and no
    # palette optimisation, so the indices stay as drawn.
    picture.save(path, "GIF", transparency=0, optimize=False, interlace=False)


def overlay(base_rows, top_rows):
    """Rows of `top_rows` drawn over `base_rows`; '.' in the top lets the base show."""
    result = []
    for base, top in zip(base_rows, top_rows):
        width = max(len(base), len(top))
        base, top = base.ljust(width, "."), top.ljust(width, ".")
        result.append("".join(b if t == "." else t for b, t in zip(base, top)))
    return result


def shade_mask(mask, centre):
    """Colours a shape given as rows of '#': 'o' on its edge, 'h'/'m'/'d' inside.

    The inside is lit from the top left: light, mid and dark bands along the
    diagonal through `centre`.
    """
    height, width = len(mask), len(mask[0])
    cx, cy = centre

    def inside(x, y):
        return 0 <= x < width and 0 <= y < height and mask[y][x] == "#"

    rows = []
    for y in range(height):
        row = ""
        for x in range(width):
            if not inside(x, y):
                row += "."
            elif any(not inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                row += "o"
            else:
                light = (cx - x - 0.5) + (cy - y - 0.5)
                row += "h" if light > 1.5 else "m" if light > -1.5 else "d"
        rows.append(row)
    return rows


def gear_mask(size, centre, outer, root, hole, teeth, tip_width, root_width):
    """A gear wheel with tapered teeth as rows of '#'.

    A tooth covers `root_width` of its share of the circle at its foot and
    `tip_width` at its tip.  Each pixel is sampled 8 x 8 times and belongs to
    the wheel when at least half of its samples do.
    """
    width, height = size
    cx, cy = centre
    period = 2 * math.pi / teeth
    rows = []
    for y in range(height):
        row = ""
        for x in range(width):
            hits = 0
            for sy in range(8):
                for sx in range(8):
                    px = x + (sx + 0.5) / 8 - cx
                    py = y + (sy + 0.5) / 8 - cy
                    r = math.hypot(px, py)
                    off_centre = abs(math.atan2(py, px) % period - period / 2)
                    t = min(1.0, max(0.0, (r - root) / (outer - root)))
                    half = (root_width + (tip_width - root_width) * t) * period / 2
                    if hole < r < (outer if off_centre < half else root):
                        hits += 1
            row += "#" if hits >= 32 else "."
        rows.append(row)
    return rows


# A gear too small to draw from its geometry: eight teeth around a small hole.
SMALL_GEAR = [
    "....###....",
    ".##.###.##.",
    ".#########.",
    "..#######..",
    "#####.#####",
    "####...####",
    "#####.#####",
    "..#######..",
    ".#########.",
    ".##.###.##.",
    "....###....",
]


def draw_scan(path):
    # A sheet of paper with its corner folded, lines of text, and a magnifying
    # glass over its lower right.
    paper = [
        ".kkkkkkkk.......",
        ".kwwwwwwkk......",
        ".kwbbbbwklk.....",
        ".kwwwwwwkkkk....",
        ".kwbbbbbbbwk....",
        ".kwwwwwwwwwk....",
        ".kwbbbbbbbwk....",
        ".kwwwwwwwwwk....",
        ".kwbbbbbbbwk....",
        ".kwwwwwwwwwk....",
        ".kwbbbbbbbwk....",
        ".kwwwwwwwwwk....",
        ".kwbbbbbwwwk....",
        ".kwwwwwwwwwk....",
        ".kkkkkkkkkkk....",
        "................",
    ]
    glass = [
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "........rrr.....",
        ".......rcccr....",
        "......rcwcccr...",
        "......rcwcccr...",
        "......rccccsr...",
        ".......rcssr....",
        "........rrrhh...",
        "...........hHh..",
        "............hHh.",
        ".............hh.",
    ]
    colours = {"k": "#a8a8b0", "w": "#ffffff", "l": "#d0d0d8", "b": "#4a78c8",
               "r": "#384048", "c": "#a8dcff", "s": "#78b8e8", "h": "#8a4a18",
               "H": "#d08840"}
    save_gif(palette_picture(overlay(paper, glass), colours), path)


def draw_settings_window(path):
    # A program window (blue title bar with a close box) and a gear wheel over
    # its lower right corner.
    window = [
        "kkkkkkkkkkkkkk..",
        "kBBBBBBBBBBxxk..",
        "kbbbbbbbbbbxxk..",
        "kkkkkkkkkkkkkk..",
        "kwwwwwwwwwwwwk..",
        "kwlllllllllwwk..",
        "kwwwwwwwwwwwwk..",
        "kwlllwwwwwwwwk..",
        "kwwwwwwwwwwwwk..",
        "kwlllwwwwwwwwk..",
        "kwwwwwwwwwwwwk..",
        "kwwwwwwwwwwwwk..",
        "kkkkkkkkkkkkkk..",
        "................",
        "................",
        "................",
    ]
    gear = ["." * 16] * 5 + ["....." + row for row in shade_mask(SMALL_GEAR, (5.5, 5.5))]
    colours = {"k": "#9098a8", "B": "#5c9cff", "b": "#2a62d8", "x": "#e83a2a",
               "w": "#ffffff", "l": "#b0b8c8", "o": "#404850", "h": "#f0f0f0",
               "m": "#c0c4cc", "d": "#8c9098"}
    save_gif(palette_picture(overlay(window, gear), colours), path)


def draw_gear(path):
    gear = shade_mask(gear_mask((16, 16), (8.0, 8.0), 7.9, 5.6, 2.2, 8, 0.45, 0.75), (8.0, 8.0))
    colours = {"o": "#5a6470", "h": "#f4f4f8", "m": "#c4c8d0", "d": "#8c929c"}
    save_gif(palette_picture(gear, colours), path)


def draw_help(path):
    # A blue octagon with a white question mark.
    rows = [
        ".....kkkkkk.....",
        "....kllllllk....",
        "...kllbbbbllk...",
        "..klbbwwwwbblk..",
        ".klbbwwbbwwbbbk.",
        "klbbbbbbbwwbbbbk",
        "klbbbbbbbwwbbbbk",
        "kbbbbbbbwwbbbbbk",
        "kbbbbbbwwbbbbbdk",
        "kbbbbbbwwbbbbbdk",
        "kbbbbbbbbbbbbbdk",
        ".kbbbbbwwbbbbdk.",
        "..kbbbbwwbbbddk.",
        "...kbbbbbbbddk..",
        "....kddddddk....",
        ".....kkkkkk.....",
    ]
    colours = {"k": "#1c3c9c", "l": "#6ca8ff", "b": "#2f6ef0", "d": "#1c4cc0",
               "w": "#ffffff"}
    save_gif(palette_picture(rows, colours), path)


def draw_web(path):
    # An orange parcel tied with a tape, and a globe rising from behind it.
    parcel = [
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "...kkkkkkkkk....",
        "..kTTTTtTTTk....",
        ".kTTTTttTTkok...",
        "kkkkkkttkkkook..",
        "koooooyyoooodk..",
        "koooooyyoooodk..",
        "koooooyyoooodk..",
        "koooooyyoooodk..",
        "koooooyyoooodk..",
        "kkkkkkkkkkkkkk..",
    ]
    globe = [
        ".........ggggg..",
        "........gWsGGsg.",
        ".......gWGGGssgg",
        ".......gsGGsssGg",
        ".......gssGssGGg",
        ".......gsssssGsg",
        ".......gGsssssgg",
        "........gsssGg..",
        ".........ggg....",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
    ]
    colours = {"k": "#7a3808", "T": "#ffb060", "t": "#ffe0a0", "o": "#f07818",
               "y": "#ffd890", "d": "#b85010", "g": "#1848a8", "s": "#3c8cf0",
               "G": "#38c040", "W": "#c8e8ff"}
    save_gif(palette_picture(overlay(globe, parcel), colours), path)


# ---------------------------------------------------------------- bitmaps

def small_button(path, background, shade, draw_symbol):
    """A 16 x 16 opaque button face: a colour with a darker rim and a white symbol.

    Drawn 8 times larger and scaled down, so the symbol's edges are smooth.
    """
    s = 8
    face = Image.new("RGB", (16 * s, 16 * s), hex_rgb(shade))
    draw = ImageDraw.Draw(face)
    draw.rectangle([s, s, 15 * s - 1, 15 * s - 1], fill=hex_rgb(background))
    highlight = tuple(min(255, c + 60) for c in hex_rgb(background))
    draw.rectangle([s, s, 15 * s - 1, 2 * s - 1], fill=highlight)
    draw_symbol(draw, s)
    face.resize((16, 16), Image.BOX).convert("RGB").save(path, "BMP")


def draw_stop(path):
    small_button(path, "#e02418", "#801008",
                 lambda d, s: d.rectangle([4 * s, 4 * s, 12 * s - 1, 12 * s - 1], fill="white"))


def draw_play(path):
    small_button(path, "#1cb030", "#0a6014",
                 lambda d, s: d.polygon([(5 * s, 3 * s), (12.5 * s, 8 * s), (5 * s, 13 * s)],
                                        fill="white"))


def draw_pause(path):
    def bars(d, s):
        d.rectangle([4 * s, 4 * s, 7 * s - 1, 12 * s - 1], fill="white")
        d.rectangle([9 * s, 4 * s, 12 * s - 1, 12 * s - 1], fill="white")
    small_button(path, "#0ca0a0", "#045858", bars)


# ---------------------------------------------------------------- icon and pointers

def write_icon_file(path, picture, mask, resource_type, hotspot=(0, 0)):
    """Writes a one-image .ico (type 1) or .cur (type 2) file, 4 bits per pixel.

    `picture` is a palette image of at most 16 colours; `mask` is a list of
    rows of booleans, true where the pixel is transparent.  The image is stored
    the classic way (not PNG): a BITMAPINFOHEADER with twice the height, the
    colour table, the colour bits and the AND mask, both bottom-up.  A
    transparent pixel has colour index 0, which must be black, so that the
    screen shows through unchanged.
    """
    width, height = picture.size
    palette = picture.getpalette()[:16 * 3]
    palette += [0] * (16 * 3 - len(palette))
    if palette[:3] != [0, 0, 0]:
        raise ValueError("colour 0 must be black")
    pixels = list(picture.getdata())
    if max(pixels) > 15:
        raise ValueError("more than 16 colours")

    xor_stride = ((width * 4 + 31) // 32) * 4
    and_stride = ((width + 31) // 32) * 4
    xor_bits = bytearray()
    and_bits = bytearray()
    for y in reversed(range(height)):
        row = bytearray(xor_stride)
        mask_row = bytearray(and_stride)
        for x in range(width):
            index = 0 if mask[y][x] else pixels[y * width + x]
            row[x // 2] |= index << (4 if x % 2 == 0 else 0)
            if mask[y][x]:
                mask_row[x // 8] |= 0x80 >> (x % 8)
        xor_bits += row
        and_bits += mask_row
    colour_table = b"".join(bytes((palette[i * 3 + 2], palette[i * 3 + 1], palette[i * 3], 0))
                            for i in range(16))
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 4, 0,
                         len(xor_bits) + len(and_bits), 0, 0, 16, 0)
    image = header + colour_table + bytes(xor_bits) + bytes(and_bits)

    if resource_type == 1:
        planes_or_x, bits_or_y = 1, 4
    else:
        planes_or_x, bits_or_y = hotspot
    directory = struct.pack("<HHH", 0, resource_type, 1)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 16, 0, planes_or_x, bits_or_y,
                        len(image), 6 + 16)
    with open(path, "wb") as out:
        out.write(directory + entry + image)


def rows_to_icon(rows, colours, path, resource_type, hotspot=(0, 0)):
    if len(colours) > 15:
        raise ValueError("at most 15 colours besides the background")
    picture = palette_picture(rows, colours, (32, 32))
    mask = [[c == "." for c in row.ljust(32, ".")] for row in rows]
    write_icon_file(path, picture, mask, resource_type, hotspot)


# The icon's colours besides the transparent background: blues for the
# square, yellows to oranges for the bolt.
ICON_COLOURS = {
    "k": "#081848",  # rim, the bolt's outline
    "1": "#5c9cff", "2": "#3c80ec", "3": "#2866d4", "4": "#1c50b4", "5": "#143c90",
    "6": "#0e2c6c",  # shadow under the bolt
    "L": "#fffad0", "Y": "#fff040", "y": "#ffd820", "O": "#ffb000", "r": "#f08800",
}
# The bolt, in the icon's pixel units.
BOLT = [(17.5, 2.5), (25.5, 2.5), (20, 12), (26, 12), (11, 29.5), (14.5, 17.5), (7.5, 17.5)]


def polygon_mask(points, size, scale=8):
    """Rows of '#' for the pixels that a polygon covers at least half of."""
    big = Image.new("L", (size * scale, size * scale), 0)
    ImageDraw.Draw(big).polygon([(x * scale, y * scale) for x, y in points], fill=255)
    small = big.resize((size, size), Image.BOX)
    return ["".join("#" if small.getpixel((x, y)) >= 128 else "." for x in range(size))
            for y in range(size)]


def draw_icon(path):
    """The logo: a yellow lightning bolt on a blue square with rounded corners.

    Drawn pixel by pixel so that each colour is exact: the square darkens in
    bands from top to bottom, the bolt goes from pale yellow to orange, with a
    dark outline and a shadow to its lower right.
    """
    size = 32
    corner = ["..###", ".####", "#####"]  # the top left corner, 3 px rounded

    def in_square(x, y):
        cx, cy = min(x, size - 1 - x), min(y, size - 1 - y)
        return not (cx < 3 and cy < 3) or corner[cy][cx] == "#"

    bolt = polygon_mask(BOLT, size)

    def in_bolt(x, y):
        return 0 <= x < size and 0 <= y < size and bolt[y][x] == "#"

    def near_bolt(x, y):
        return any(in_bolt(x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1))

    blues = "12345"
    yellows = "LYyOr"
    rows = []
    for y in range(size):
        row = ""
        for x in range(size):
            if not in_square(x, y):
                row += "."
            elif not all(in_square(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))
                         if 0 <= x + dx < size and 0 <= y + dy < size) \
                    or x in (0, size - 1) or y in (0, size - 1):
                row += "k"
            elif in_bolt(x, y):
                band = min(len(yellows) - 1, max(1, (y - 3) * len(yellows) // 26))
                # The left edge of the bolt catches the light.
                row += yellows[0] if not in_bolt(x - 1, y) else yellows[band]
            elif near_bolt(x, y):
                row += "k"
            elif near_bolt(x - 1, y - 1) or near_bolt(x - 2, y - 2):
                row += "6"
            else:
                row += blues[min(len(blues) - 1, y * len(blues) // size)]
        rows.append(row)
    rows_to_icon(rows, ICON_COLOURS, path, 1)


def draw_busy(path):
    """An hourglass: wooden caps and posts, glass, sand running down."""
    rows = [["."] * 32 for _ in range(32)]

    def put(x, y, c):
        rows[y][x] = c

    for top in (2, 26):  # the two caps
        for y in range(top, top + 4):
            for x in range(4, 28):
                edge = y in (top, top + 3) or x in (4, 27)
                put(x, y, "k" if edge else ("Y" if y == top + 1 else "o"))
    for x0 in (6, 23):  # the posts
        for y in range(6, 26):
            put(x0, y, "k")
            put(x0 + 1, y, "o")
            put(x0 + 2, y, "k")
    # The glass: wide under the caps, narrow in the middle.
    def half_width(y):
        t = abs(y + 0.5 - 16) / 10
        return 0.9 + 5.6 * t ** 0.75

    for y in range(6, 26):
        hw = half_width(y)
        left, right = round(16 - hw), round(16 + hw) - 1
        for x in range(left, right + 1):
            put(x, y, "c")
        put(left, y, "g")
        put(right, y, "g")
    # Sand: the lower part of the upper bulb, a thin stream, a heap below.
    for y in range(10, 15):
        hw = half_width(y)
        left, right = round(16 - hw) + 1, round(16 + hw) - 2
        for x in range(left, right + 1):
            put(x, y, "s" if y == 10 else "y")
    for y in range(15, 22):
        put(15, y, "y")
    for y in range(21, 26):
        hw = half_width(y)
        heap = (y - 20) * 2
        left, right = round(16 - hw) + 1, round(16 + hw) - 2
        for x in range(max(left, 15 - heap), min(right, 16 + heap) + 1):
            put(x, y, "y" if y < 24 else "s")
    # A glint on the glass.
    for y in (7, 8, 9):
        put(11 + (y - 7) // 2, y, "w")
    for y in (20, 21):
        put(19, y + 2, "w")

    colours = {"k": "#201008", "o": "#a05a20", "Y": "#e09a50", "c": "#c8e8f8",
               "g": "#405060", "s": "#c88a10", "y": "#ffd040", "w": "#ffffff"}
    rows_to_icon(["".join(r) for r in rows], colours, path, 2, hotspot=(16, 16))


# A pointing hand: index finger up, the other fingers folded, a blue cuff.
HAND = [
    "",
    "..........###",
    ".........#wwg#",
    ".........#wwg#",
    ".........#wwg#",
    ".........#wwg#",
    ".........#wwg#",
    ".........#wwg#",
    ".........#wwg####",
    ".........#wwg#wwg####",
    ".........#wwg#wwg#wwg#",
    ".........#wwg#wwg#wwg####",
    ".........#wwg#wwg#wwg#wwg#",
    "....##...#wwg#wwg#wwg#wwg#",
    "...#ww#..#wwg#wwg#wwg#wwg#",
    "...#www#.#wwwwwwwwwwwwwwg#",
    "....#www##wwwwwwwwwwwwwwg#",
    ".....#wwwwwwwwwwwwwwwwwwg#",
    "......#wwwwwwwwwwwwwwwwwg#",
    ".......#wwwwwwwwwwwwwwwwg#",
    "........#wwwwwwwwwwwwwwwg#",
    ".........#wwwwwwwwwwwwwgg#",
    ".........#wwwwwwwwwwwwwgg#",
    "..........#wwwwwwwwwwwgg#",
    "..........#wwwwwwwwwwwgg#",
    "..........###############",
    "..........#bbbbbbbbbbbbb#",
    "..........#ccccccccccccc#",
    "..........#bbbbbbbbbbbbb#",
    "..........###############",
    "",
    "",
]
HAND_TIP = (11, 1)  # the top of the index finger


def draw_hand(path):
    # '#' is black like the background index 0, but has an index of its own
    # and is opaque.
    colours = {"#": "#000000", "w": "#ffffff", "g": "#c0c0c8", "b": "#1c50c0",
               "c": "#5c98ff"}
    rows_to_icon(HAND, colours, path, 2, hotspot=HAND_TIP)


# ---------------------------------------------------------------- main

def main():
    out = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUT
    os.makedirs(out, exist_ok=True)
    draw_banner(os.path.join(out, "banner.jpg"))
    draw_scan(os.path.join(out, "scan.gif"))
    draw_settings_window(os.path.join(out, "settings_window.gif"))
    draw_gear(os.path.join(out, "gear.gif"))
    draw_help(os.path.join(out, "help.gif"))
    draw_web(os.path.join(out, "web.gif"))
    draw_stop(os.path.join(out, "stop.bmp"))
    draw_play(os.path.join(out, "play.bmp"))
    draw_pause(os.path.join(out, "pause.bmp"))
    draw_icon(os.path.join(out, "speedrail.ico"))
    draw_busy(os.path.join(out, "busy.cur"))
    draw_hand(os.path.join(out, "hand.cur"))


if __name__ == "__main__":
    main()
