#!/usr/bin/python3
"""Draws every picture the wizard carries and writes them under assets/.

    /usr/bin/python3 assets/generate.py

Six page backgrounds (baseline JPEG, 650 x 400), four slideshow banners
(baseline JPEG, 550 x 163), 21 button faces (8-bit RGBA PNG) and the program
icon (16 and 32 pixels, each in 16 and in 256 colours, with AND masks). The
output is deterministic: fixed seeds, no time stamps, so running it again
changes no byte. The build uses the committed files and never runs this.

Chinese type comes from Debian's free CJK fonts (fonts-arphic-ukai,
fonts-arphic-uming, fonts-arphic-gkai00mp, fonts-arphic-gbsn00lp,
fonts-wqy-microhei), Latin type from fonts-urw-base35.
"""
import math
import os
import random
import struct

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))

FONT_FILES = {
    "kai": ("/usr/share/fonts/truetype/arphic/ukai.ttc", 0),
    "kai_gb": ("/usr/share/fonts/truetype/arphic-gkai00mp/gkai00mp.ttf", 0),
    "song": ("/usr/share/fonts/truetype/arphic-gbsn00lp/gbsn00lp.ttf", 0),
    "ming": ("/usr/share/fonts/truetype/arphic/uming.ttc", 0),
    "hei": ("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc", 0),
    "latin": ("/usr/share/fonts/opentype/urw-base35/C059-BdIta.otf", 0),
}

PAGE_SIZE = (650, 400)
SLIDE_SIZE = (550, 163)

# The palette: a pale pink ground, ink, a deep rose for the brand and the
# headings, seal red, and the plates of the buttons.
GROUND_TOP = (251, 240, 243)
GROUND_BOTTOM = (246, 228, 234)
INK = (34, 28, 32)
TEXT = (72, 58, 64)
ROSE = (150, 38, 62)
SEAL_RED = (188, 34, 46)

WIZARD_NAME = "汉字字库安装向导"
SLOGAN = "字有风骨 · 墨有乾坤"

# Where the window puts its controls on each page (left, top, width, height):
# the generator keeps these areas plain and tests check that it did.
CONTROL_AREAS = {
    0: [(504, 240, 105, 45), (504, 296, 105, 45)],
    1: [(256, 340, 105, 45), (392, 340, 105, 45), (528, 340, 105, 45)],
    2: [(35, 96, 580, 201), (37, 300, 135, 20), (37, 321, 135, 20),
        (256, 340, 105, 45), (392, 340, 105, 45), (528, 340, 105, 45)],
    3: [(16, 56, 401, 265), (432, 100, 200, 135), (560, 167, 70, 25),
        (256, 340, 105, 45), (392, 340, 105, 45), (528, 340, 105, 45)],
    4: [(64, 64, 313, 18), (50, 120, 550, 163),
        (256, 340, 105, 45), (392, 340, 105, 45), (528, 340, 105, 45)],
    5: [(392, 340, 105, 45)],
}

_font_cache = {}


def font(name, size):
    key = (name, size)
    if key not in _font_cache:
        path, index = FONT_FILES[name]
        _font_cache[key] = ImageFont.truetype(path, size, index=index)
    return _font_cache[key]


class Canvas:
    """An RGBA picture that refuses text falling outside it or its zone."""

    def __init__(self, image):
        self.image = image
        self.draw = ImageDraw.Draw(image)

    def text(self, xy, text, face, fill, anchor="la", zone=None, **kw):
        box = self.draw.textbbox(xy, text, font=face, anchor=anchor, **kw)
        zone = zone or (0, 0) + self.image.size
        if box[0] < zone[0] or box[1] < zone[1] or box[2] > zone[2] or box[3] > zone[3]:
            raise ValueError("text %r at %r leaves its zone %r" % (text, box, zone))
        self.draw.text(xy, text, font=face, fill=fill, anchor=anchor, **kw)
        return box

    def paste(self, layer, xy=(0, 0)):
        self.image.alpha_composite(layer, xy)


def vertical_gradient(size, top, bottom, stops=None):
    w, h = size
    column = Image.new("RGBA", (1, h))
    stops = stops or [(0.0, top), (1.0, bottom)]
    for y in range(h):
        t = y / max(1, h - 1)
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t0 <= t <= t1:
                f = (t - t0) / max(1e-9, t1 - t0)
                colour = tuple(round(a + (b - a) * f) for a, b in zip(c0, c1))
                break
        column.putpixel((0, y), colour + (255,) if len(colour) == 3 else colour)
    return column.resize(size, Image.NEAREST)


def paper_grain(size, seed, strength):
    """Faint fibres of rice paper: low noise, stretched sideways, blurred."""
    rng = random.Random(seed)
    w, h = size
    small = Image.new("L", (w // 4 + 1, h // 2 + 1))
    small.putdata([128 + rng.randint(-strength, strength) for _ in range(small.width * small.height)])
    grain = small.resize((w, h), Image.BICUBIC).filter(ImageFilter.GaussianBlur(1.2))
    return grain


def ground(size=PAGE_SIZE, seed=1):
    base = vertical_gradient(size, GROUND_TOP, GROUND_BOTTOM)
    grain = paper_grain(size, seed, 10)
    shade = Image.merge("RGBA", [grain, grain, grain, Image.new("L", size, 255)])
    # Overlay the grain at low weight: at most a level or two either way.
    return Image.blend(base, ImageChops.overlay(base, shade), 0.35)


def ridge(rng, width, base, amplitude, roughness=0.55, points=65):
    """A mountain skyline by midpoint displacement, as y values across width."""
    heights = [0.0] * points
    heights[0], heights[-1] = rng.uniform(-1, 1), rng.uniform(-1, 1)
    step, scale = points - 1, 1.0
    while step > 1:
        half = step // 2
        for i in range(half, points - 1, step):
            heights[i] = (heights[i - half] + heights[i + half]) / 2 + rng.uniform(-scale, scale)
        step, scale = half, scale * roughness
    return [(width * i / (points - 1), base - amplitude * h) for i, h in enumerate(heights)]


def ink_mountains(size, seed, layers, fade_right=None, tint=(60, 60, 70)):
    """Layers of ink-wash hills, paler towards the back, soft at the edges."""
    rng = random.Random(seed)
    w, h = size
    out = Image.new("RGBA", size, (0, 0, 0, 0))
    for i, (base, amplitude, alpha) in enumerate(layers):
        line = ridge(rng, w, base, amplitude)
        mask = Image.new("L", size, 0)
        ImageDraw.Draw(mask).polygon(line + [(w, h), (0, h)], fill=255)
        # Wash: strongest along the ridge, thinning towards the foot.
        wash = Image.new("L", size, 0)
        wd = ImageDraw.Draw(wash)
        for y in range(h):
            t = max(0.0, min(1.0, (y - (base - amplitude)) / (h - base + amplitude + 1)))
            wd.line([(0, y), (w, y)], fill=round(alpha * (1.0 - 0.65 * t)))
        mask = ImageChops.multiply(mask.filter(ImageFilter.GaussianBlur(1.5 + i)), wash)
        layer = Image.new("RGBA", size, tint + (0,))
        layer.putalpha(mask)
        out.alpha_composite(layer)
    if fade_right:
        start, end = fade_right
        fade = Image.new("L", size, 255)
        fd = ImageDraw.Draw(fade)
        for x in range(start, w):
            fd.line([(x, 0), (x, h)], fill=max(0, round(255 * (end - x) / (end - start))))
        out.putalpha(ImageChops.multiply(out.getchannel("A"), fade))
    return out


def brush_text(size, xy, text, face, colour, seed, anchor="la", vertical=False):
    """Calligraphy with a little life: a soft ink bleed and dry-brush grain.
    Vertical text is a column of characters, one per line."""
    mask = Image.new("L", size, 0)
    if vertical:
        ImageDraw.Draw(mask).multiline_text(xy, "\n".join(text), font=face, fill=255, spacing=2,
                                            align="center")
    else:
        ImageDraw.Draw(mask).text(xy, text, font=face, fill=255, anchor=anchor)
    rng = random.Random(seed)
    w, h = size
    streaks = Image.new("L", (w // 4 + 1, h // 4 + 1))
    streaks.putdata([rng.choice((255, 255, 255, 246, 232, 214)) for _ in range(streaks.width * streaks.height)])
    streaks = streaks.resize(size, Image.BICUBIC).filter(ImageFilter.GaussianBlur(1.5))
    body = ImageChops.multiply(mask, streaks)
    bleed = mask.filter(ImageFilter.GaussianBlur(3)).point(lambda v: v * 0.28)
    out = Image.new("RGBA", size, colour + (0,))
    out.putalpha(ImageChops.lighter(body, bleed))
    return out


def seal(side, text="扎尼克印", seed=7, colour=SEAL_RED):
    """The maker's seal: four characters cut white out of a red square."""
    ss = 4
    big = side * ss
    rng = random.Random(seed)
    img = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([0, 0, big - 1, big - 1], radius=big // 10, fill=colour + (255,))
    inset = big * 0.07
    d.rounded_rectangle([inset, inset, big - 1 - inset, big - 1 - inset], radius=big // 14,
                        outline=(255, 255, 255, 235), width=max(2, big // 28))
    face = font("kai", round(big * 0.36))
    cells = [(0.72, 0.28), (0.72, 0.72), (0.28, 0.28), (0.28, 0.72)]  # read right column first
    for ch, (cx, cy) in zip(text, cells):
        d.text((big * cx, big * cy), ch, font=face, fill=(255, 255, 255, 240), anchor="mm")
    # Worn edges: nibble the red with a few transparent specks.
    for _ in range(side * 3):
        x, y = rng.uniform(0, big), rng.uniform(0, big)
        r = rng.uniform(0.3, 1.1) * ss
        d.ellipse([x - r, y - r, x + r, y + r], fill=colour + (255,) if rng.random() < 0.5 else (0, 0, 0, 0))
    return img.resize((side, side), Image.LANCZOS)


def wordmark(canvas, right, top, large):
    """'Zarnik' with its seal, and the slogan under it, set flush right."""
    size = 40 if large else 30
    face = font("latin", size)
    box = canvas.text((right, top), "Zarnik", face, ROSE + (255,), anchor="ra")
    mark = seal(round(size * 0.85), seed=3)
    canvas.paste(mark, (box[0] - mark.width - 8, box[1] + (box[3] - box[1] - mark.height) // 2))
    slogan_face = font("kai", 17 if large else 14)
    line_y = box[3] + (8 if large else 5)
    canvas.draw.line([(box[0] - mark.width - 8, line_y), (right, line_y)], fill=ROSE + (110,), width=1)
    canvas.text((right, line_y + 5), SLOGAN, slogan_face, TEXT + (255,), anchor="ra")
    return box


def heading(canvas, text, left=35, top=18):
    face = font("kai", 26)
    box = canvas.draw.textbbox((left + 14, top), text, font=face)
    canvas.draw.rectangle([left, box[1] + 1, left + 4, box[3] - 1], fill=ROSE + (255,))
    canvas.text((left + 14, top), text, face, ROSE + (255,))


def sun(size, centre, radius, colour, alpha):
    layer = Image.new("RGBA", size, colour + (0,))
    mask = Image.new("L", size, 0)
    cx, cy = centre
    ImageDraw.Draw(mask).ellipse([cx - radius, cy - radius, cx + radius, cy + radius], fill=alpha)
    layer.putalpha(mask.filter(ImageFilter.GaussianBlur(radius * 0.08)))
    return layer


def artwork():
    """The calligraphy piece of the welcome and finish pages (left and middle)."""
    size = PAGE_SIZE
    art = Image.new("RGBA", size, (0, 0, 0, 0))
    art.alpha_composite(sun(size, (206, 150), 108, (232, 150, 164), 95))
    art.alpha_composite(ink_mountains(size, 11, [(300, 70, 70), (335, 55, 120), (372, 35, 175)],
                                      fade_right=(300, 400)))
    art.alpha_composite(brush_text(size, (190, 168), "字", font("kai", 272), INK, 5, anchor="mm"))
    # A column of small verse beside the large character, as a scroll would have.
    art.alpha_composite(brush_text(size, (366, 40), "翰墨书香", font("kai", 30), (70, 56, 60), 9,
                                   vertical=True))
    art.alpha_composite(brush_text(size, (334, 84), "字韵流芳", font("kai", 24), (110, 90, 96), 13,
                                   vertical=True))
    art.alpha_composite(seal(40, seed=21), (362, 186))
    return art


def plain_check(image, page):
    """Fails when an area the window covers with a control is not plain."""
    grey = image.convert("L")
    for (x, y, w, h) in CONTROL_AREAS[page]:
        region = grey.crop((x, y, x + w, y + h))
        lo, hi = region.getextrema()
        if hi - lo > 14:
            raise ValueError("page %d: control area %r is not plain (%d..%d)" % (page, (x, y, w, h), lo, hi))


def welcome_side(canvas):
    right = 630
    canvas.text((right, 22), "欢迎使用", font("kai", 22), TEXT + (255,), anchor="ra")
    canvas.text((right, 52), WIZARD_NAME, font("song", 25), INK + (255,), anchor="ra")
    wordmark(canvas, right, 104, large=True)


def new_fonts_tag(canvas):
    d = canvas.draw
    left, top, right, bottom = 478, 358, 632, 386
    d.rounded_rectangle([left, top, right, bottom], radius=14, fill=ROSE + (255,))
    d.rounded_rectangle([left + 4, top + 4, left + 48, bottom - 4], radius=10, fill=(255, 236, 240, 255))
    canvas.text(((left + 4 + left + 48) // 2, (top + bottom) // 2), "NEW", font("latin", 14), ROSE + (255,),
                anchor="mm")
    canvas.text(((left + 52 + right) // 2, (top + bottom) // 2 + 1), "新款字体上市", font("hei", 14),
                (255, 255, 255, 255), anchor="mm")


def page_welcome():
    img = ground(seed=100)
    img.alpha_composite(artwork())
    c = Canvas(img)
    welcome_side(c)
    new_fonts_tag(c)
    return img


def faint_artwork(seed):
    size = PAGE_SIZE
    layer = Image.new("RGBA", size, (0, 0, 0, 0))
    layer.alpha_composite(ink_mountains(size, seed, [(372, 40, 40), (392, 24, 60)], fade_right=(120, 245)))
    mark = brush_text(size, (560, 190), "墨", font("kai", 220), ROSE, seed, anchor="mm")
    mark.putalpha(mark.getchannel("A").point(lambda v: v * 0.07))
    layer.alpha_composite(mark)
    return layer


def wrap(text, face, width, indent):
    """Breaks Chinese text into lines of at most `width` pixels, the first
    line shortened by `indent`."""
    lines, line = [], ""
    for ch in text:
        limit = width - (indent if not lines else 0)
        if face.getlength(line + ch) > limit and line:
            # Closing punctuation never starts a line: take its character along.
            if ch in "，。；：、！？）》”":
                line, ch = line[:-1], line[-1] + ch
            lines.append(line)
            line = ch
        else:
            line += ch
    return lines + [line]


def page_introduction():
    img = ground(seed=101)
    img.alpha_composite(faint_artwork(31))
    c = Canvas(img)
    wordmark(c, 630, 12, large=False)
    heading(c, "安装须知", top=24)
    paragraphs = [
        "本向导将把 Zarnik 汉字字库的精选字体安装到您的计算机中。安装完成后，"
        "文字处理、排版与设计软件即可直接使用这些字体。",
        "Zarnik 字库的全部字体均受《中华人民共和国著作权法》等法律法规保护。"
        "您只有在接受随后的许可协议之后，方可在协议允许的范围内使用这些字体。",
        "单击“下一步”继续安装；单击“取消”退出本安装向导。",
    ]
    face = font("hei", 15)
    left, indent, y = 50, 30, 96
    zone = (40, 80, 615, 330)
    for p in paragraphs:
        for i, line in enumerate(wrap(p, face, 555, indent)):
            c.text((left + (indent if i == 0 else 0), y), line, face, TEXT + (255,), zone=zone)
            y += 27
        y += 14
    plain_check(img, 1)
    return img


def page_plain(page, title, seed):
    img = ground(seed=100 + page)
    img.alpha_composite(ink_mountains(PAGE_SIZE, seed, [(392, 16, 40)], fade_right=(120, 250)))
    c = Canvas(img)
    wordmark(c, 630, 12, large=False)
    heading(c, title)
    plain_check(img, page)
    return img


def page_finish():
    img = ground(seed=105)
    img.alpha_composite(artwork())
    c = Canvas(img)
    wordmark(c, 630, 22, large=True)
    c.text((630, 196), "安装完成！", font("kai", 34), ROSE + (255,), anchor="ra")
    c.text((630, 250), "感谢您使用 Zarnik 字库的字体", font("hei", 16), TEXT + (255,), anchor="ra")
    plain_check(img, 5)
    return img


# --- slideshow banners -------------------------------------------------------


def slide_label(canvas, name, colour, seal_colour=SEAL_RED, backing=None):
    if backing:
        pill = Image.new("RGBA", SLIDE_SIZE, (0, 0, 0, 0))
        ImageDraw.Draw(pill).rounded_rectangle([6, SLIDE_SIZE[1] - 44, 150, SLIDE_SIZE[1] - 6], radius=8,
                                               fill=backing)
        canvas.paste(pill.filter(ImageFilter.GaussianBlur(3)))
    mark = seal(26, seed=41, colour=seal_colour)
    canvas.paste(mark, (12, SLIDE_SIZE[1] - 12 - mark.height))
    canvas.text((46, SLIDE_SIZE[1] - 25), name, font("hei", 12), colour, anchor="lm")


def slide_landscape():
    size = SLIDE_SIZE
    img = vertical_gradient(size, (247, 241, 232), (236, 226, 214))
    img.alpha_composite(sun(size, (118, 58), 34, (214, 70, 72), 200))
    img.alpha_composite(ink_mountains(size, 51, [(96, 46, 90), (126, 38, 150), (152, 22, 210)],
                                      tint=(48, 52, 60)))
    img.alpha_composite(brush_text(size, (372, 74), "山水清音", font("kai", 70), INK, 52, anchor="mm"))
    c = Canvas(img)
    c.text((372, 124), "ZARNIK  XINGKAI", font("latin", 13), (90, 80, 80, 255), anchor="mm")
    slide_label(c, "Zarnik 行楷体", (60, 50, 50, 255))
    return img


def slide_festive():
    size = SLIDE_SIZE
    img = vertical_gradient(size, (168, 26, 40), (112, 12, 26))
    d = ImageDraw.Draw(img)
    gold = (226, 182, 96)
    # Auspicious clouds: rows of overlapping arcs in thin gold.
    for row, y in enumerate(range(-10, size[1] + 30, 26)):
        for x in range(-30 + (row % 2) * 22, size[0] + 40, 44):
            for r in (20, 13, 6):
                d.arc([x - r, y - r, x + r, y + r], 180, 360, fill=gold + (46,), width=1)
    band = Image.new("RGBA", size, (0, 0, 0, 0))
    ImageDraw.Draw(band).rectangle([150, 22, 540, 140], fill=(120, 10, 24, 150))
    img.alpha_composite(band.filter(ImageFilter.GaussianBlur(10)))
    c = Canvas(img)
    shadow = Image.new("RGBA", size, (0, 0, 0, 0))
    ImageDraw.Draw(shadow).text((347, 72), "春华秋实", font=font("song", 68), fill=(60, 0, 8, 170), anchor="mm")
    img.alpha_composite(shadow.filter(ImageFilter.GaussianBlur(2)))
    c.text((344, 69), "春华秋实", font("song", 68), gold + (255,), anchor="mm")
    d.line([(214, 118), (474, 118)], fill=gold + (180,), width=1)
    c.text((344, 131), "宋 韵 雅 致  ·  典 藏 经 典", font("song", 13), (240, 214, 160, 255), anchor="mm")
    slide_label(c, "Zarnik 宋韵体", (240, 214, 160, 255), seal_colour=(206, 160, 70),
                backing=(96, 6, 18, 200))
    return img


def slide_modern():
    size = SLIDE_SIZE
    img = vertical_gradient(size, (98, 84, 214), (44, 34, 124))
    rng = random.Random(61)
    shapes = Image.new("RGBA", size, (0, 0, 0, 0))
    d = ImageDraw.Draw(shapes)
    for _ in range(14):
        x, y, r = rng.uniform(0, 550), rng.uniform(-20, 180), rng.uniform(14, 70)
        d.ellipse([x - r, y - r, x + r, y + r], outline=(255, 255, 255, rng.randint(30, 70)), width=2)
    for i in range(9):
        d.line([(300 + i * 28, 163), (420 + i * 28, 0)], fill=(180, 200, 255, 26), width=6)
    img.alpha_composite(shapes.filter(ImageFilter.GaussianBlur(0.6)))
    img.alpha_composite(sun(size, (468, 40), 60, (140, 210, 255), 70))
    c = Canvas(img)
    c.text((330, 66), "未来已来", font("hei", 64), (255, 255, 255, 255), anchor="mm")
    c.text((330, 118), "简洁  ·  现代  ·  清晰", font("hei", 14), (210, 214, 255, 255), anchor="mm")
    slide_label(c, "Zarnik 明黑体", (226, 228, 255, 255))
    return img


def bamboo(draw, rng, x, top, bottom, width, colour):
    y = bottom
    while y > top:
        seg = rng.uniform(34, 52)
        draw.rounded_rectangle([x - width / 2, y - seg + 2, x + width / 2, y], radius=width / 3, fill=colour)
        draw.line([(x - width / 2 - 1, y - seg + 2), (x + width / 2 + 1, y - seg + 2)],
                  fill=tuple(max(0, v - 40) for v in colour[:3]) + (colour[3],), width=2)
        y -= seg


def leaf(draw, x, y, angle, length, colour):
    a = math.radians(angle)
    dx, dy = math.cos(a), math.sin(a)
    px, py = -dy, dx
    w = length * 0.16
    tip = (x + dx * length, y + dy * length)
    draw.polygon([(x, y), (x + dx * length * 0.35 + px * w, y + dy * length * 0.35 + py * w), tip,
                  (x + dx * length * 0.35 - px * w, y + dy * length * 0.35 - py * w)], fill=colour)


def slide_bamboo():
    size = SLIDE_SIZE
    img = vertical_gradient(size, (240, 246, 232), (218, 232, 208))
    rng = random.Random(71)
    scene = Image.new("RGBA", size, (0, 0, 0, 0))
    d = ImageDraw.Draw(scene)
    for x, w, alpha in [(30, 9, 110), (62, 7, 80), (500, 10, 120), (528, 7, 85), (470, 6, 60)]:
        bamboo(d, rng, x, -10, size[1] + 10, w, (58, 110, 60, alpha))
    for _ in range(26):
        side = rng.choice((0, 1))
        x = rng.uniform(20, 90) if side == 0 else rng.uniform(455, 545)
        y = rng.uniform(0, 120)
        leaf(d, x, y, rng.uniform(20, 160), rng.uniform(20, 36), (46, 96, 52, rng.randint(90, 170)))
    img.alpha_composite(scene.filter(ImageFilter.GaussianBlur(0.5)))
    img.alpha_composite(brush_text(size, (278, 72), "竹韵清风", font("kai_gb", 68), (30, 70, 40), 72,
                                   anchor="mm"))
    c = Canvas(img)
    c.text((278, 122), "端 庄 秀 丽  ·  正 楷 风 范", font("kai_gb", 14), (60, 92, 62, 255), anchor="mm")
    slide_label(c, "Zarnik 正楷体", (50, 80, 52, 255))
    return img


# --- button faces ------------------------------------------------------------

BUTTONS = [  # storage order: lettering, size
    ("进入安装", (105, 45)),
    ("退出", (105, 45)),
    ("下一步", (105, 45)),
    ("取消", (105, 45)),
    ("上一步", (105, 45)),
    ("浏览", (70, 25)),
    ("完成", (105, 45)),
]

PLATES = {  # top, middle, bottom of the plate; border; strength of the gloss
    "normal": ((96, 96, 104), (60, 60, 66), (38, 38, 42), (24, 24, 28), 1.0),
    "hot": ((134, 118, 246), (94, 76, 214), (64, 48, 178), (42, 30, 130), 1.0),
    "down": ((52, 52, 56), (36, 36, 40), (28, 28, 30), (16, 16, 18), 0.35),
}


def button_face(label, size, state):
    ss = 4
    w, h = size
    big = (w * ss, h * ss)
    radius = (8 if h > 30 else 6) * ss
    top, middle, bottom, border, gloss = PLATES[state]
    plate = vertical_gradient(big, top, bottom, [(0.0, top), (0.5, middle), (1.0, bottom)])
    shape = Image.new("L", big, 0)
    ImageDraw.Draw(shape).rounded_rectangle([0, 0, big[0] - 1, big[1] - 1], radius=radius, fill=255)
    face = Image.new("RGBA", big, border + (255,))
    inner = Image.new("L", big, 0)
    ImageDraw.Draw(inner).rounded_rectangle([ss, ss, big[0] - 1 - ss, big[1] - 1 - ss],
                                            radius=radius - ss, fill=255)
    face.paste(plate, (0, 0), inner)
    # The gloss: a pale sheet over the upper half, fading downwards.
    sheen = vertical_gradient((big[0], big[1] // 2), (255, 255, 255, round(78 * gloss)),
                              (255, 255, 255, round(14 * gloss)))
    sheen_mask = Image.new("L", big, 0)
    ImageDraw.Draw(sheen_mask).rounded_rectangle([2 * ss, 2 * ss, big[0] - 1 - 2 * ss, big[1] // 2],
                                                 radius=radius - 2 * ss, fill=255)
    sheet = Image.new("RGBA", big, (0, 0, 0, 0))
    sheet.paste(sheen, (0, 0))
    sheet.putalpha(ImageChops.multiply(sheet.getchannel("A"), sheen_mask))
    face.alpha_composite(sheet)
    face.putalpha(shape)
    # Box averaging: no ringing, so the corners stay fully transparent.
    face = face.resize(size, Image.BOX)

    c = Canvas(face)
    text_face = font("hei", 17 if h > 30 else 13)
    shift = 1 if state == "down" else 0
    centre = (w / 2, h / 2 + shift)
    shadow = Image.new("RGBA", size, (0, 0, 0, 0))
    ImageDraw.Draw(shadow).text((centre[0], centre[1] + 1), label, font=text_face, fill=(0, 0, 0, 150), anchor="mm")
    shadowed = Image.alpha_composite(face, shadow)
    shadowed.putalpha(face.getchannel("A"))
    c = Canvas(shadowed)
    c.text(centre, label, text_face, (255, 255, 255, 255), anchor="mm", zone=(3, 2, w - 3, h - 2))
    return shadowed


# --- program icon ------------------------------------------------------------

VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
         (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
         (255, 0, 255), (0, 255, 255), (255, 255, 255)]


# Colours of the icon: true colour for the 256-colour images, and the standard
# 16-colour palette's own entries for the 16-colour ones, so that reducing
# them to that palette changes nothing.
ICON_SCHEMES = {
    256: dict(outline=(40, 44, 56), bezel=(214, 218, 226), screen=((72, 140, 236), (24, 64, 170)),
              glare=(160, 200, 255, 120), frame=(20, 40, 110), stand=(170, 176, 188), foot=(196, 200, 210),
              disc=(222, 226, 234), hub=(180, 186, 198), hub_ring=(90, 96, 110),
              sheen=[(255, 120, 150, 150), (255, 220, 110, 150), (120, 230, 150, 150), (110, 170, 255, 150)]),
    16: dict(outline=(0, 0, 0), bezel=(192, 192, 192), screen=((0, 0, 255), (0, 0, 128)),
             glare=(0, 255, 255, 255), frame=(0, 0, 128), stand=(128, 128, 128), foot=(192, 192, 192),
             disc=(255, 255, 255), hub=(192, 192, 192), hub_ring=(128, 128, 128),
             sheen=[(255, 0, 255, 255), (255, 255, 0, 255), (0, 255, 0, 255), (0, 255, 255, 255)]),
}


def icon_rgba(side, colours):
    """A computer with its monitor and a compact disc, drawn large and reduced."""
    k = ICON_SCHEMES[colours]
    ss = 16
    s = side * ss
    u = s / 32.0  # drawing unit: one pixel of the 32-pixel icon
    line = lambda width: max(ss, round(width * u))  # never thinner than one pixel of the result
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    outline = k["outline"] + (255,)
    # Monitor: bezel, screen, stand and foot.
    d.rounded_rectangle([1 * u, 2 * u, 27 * u, 21 * u], radius=2.5 * u, fill=k["bezel"] + (255,),
                        outline=outline, width=line(1.2))
    top, bottom = k["screen"]
    screen = vertical_gradient((round(22 * u), round(14 * u)), top, bottom)
    if colours == 16:
        screen = Image.new("RGBA", screen.size, bottom + (255,))
        ImageDraw.Draw(screen).rectangle([0, 0, screen.width, screen.height // 2], fill=top + (255,))
    img.paste(screen, (round(3.5 * u), round(4.2 * u)))
    d.rectangle([3.5 * u, 4.2 * u, 25.5 * u, 18.2 * u], outline=k["frame"] + (255,), width=line(0.8))
    d.polygon([(5 * u, 5.5 * u), (13 * u, 5.5 * u), (7.5 * u, 10.5 * u), (5 * u, 10.5 * u)], fill=k["glare"])
    d.rectangle([11 * u, 21 * u, 17 * u, 24.5 * u], fill=k["stand"] + (255,), outline=outline, width=line(0.9))
    d.rounded_rectangle([5 * u, 24.5 * u, 23 * u, 27.8 * u], radius=1.2 * u, fill=k["foot"] + (255,),
                        outline=outline, width=line(1.0))
    # Compact disc in front, at the lower right.
    cx, cy, r = 23.5 * u, 22.5 * u, 8.2 * u
    d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=k["disc"] + (255,), outline=outline, width=line(1.0))
    inner = [cx - r * 0.8, cy - r * 0.8, cx + r * 0.8, cy + r * 0.8]
    for i, colour in enumerate(k["sheen"]):
        d.pieslice(inner, 200 + i * 22, 222 + i * 22, fill=colour)
        d.pieslice(inner, 20 + i * 22, 42 + i * 22, fill=colour)
    d.ellipse([cx - r * 0.36, cy - r * 0.36, cx + r * 0.36, cy + r * 0.36], fill=k["hub"] + (255,),
              outline=k["hub_ring"] + (255,), width=line(0.7))
    hole = r * 0.15
    d.ellipse([cx - hole, cy - hole, cx + hole, cy + hole], fill=(0, 0, 0, 0))
    return img.resize((side, side), Image.LANCZOS)


def icon_image(side, colours):
    """One icon image: palette, XOR bits and AND mask, bottom-up as ICO wants."""
    rgba = icon_rgba(side, colours)
    opaque = rgba.getchannel("A").point(lambda a: 255 if a >= 128 else 0)
    flat = Image.new("RGB", rgba.size, (0, 0, 0))
    flat.paste(rgba.convert("RGB"), (0, 0), opaque)
    if colours == 16:
        pal = Image.new("P", (1, 1))
        pal.putpalette([v for c in VGA16 for v in c] + [0] * (256 - 16) * 3)
        indexed = flat.quantize(palette=pal, dither=Image.Dither.NONE)
        palette = VGA16
        bits = 4
    else:
        indexed = flat.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
        raw = indexed.getpalette()[:256 * 3]
        raw += [0] * (256 * 3 - len(raw))
        palette = [tuple(raw[i:i + 3]) for i in range(0, 256 * 3, 3)]
        bits = 8
    # Transparent pixels take colour index of black so the XOR leaves the screen alone.
    black = palette.index((0, 0, 0)) if (0, 0, 0) in palette else 0
    pixels = list(indexed.getdata())
    mask = list(opaque.getdata())
    pixels = [p if m else black for p, m in zip(pixels, mask)]

    header = struct.pack("<IiiHHIIiiII", 40, side, side * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    body = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette[:1 << bits])
    xor_stride = ((side * bits + 31) // 32) * 4
    and_stride = ((side + 31) // 32) * 4
    xor_rows, and_rows = [], []
    for y in range(side - 1, -1, -1):
        row = pixels[y * side:(y + 1) * side]
        if bits == 4:
            packed = bytes((row[x] << 4) | row[x + 1] for x in range(0, side, 2))
        else:
            packed = bytes(row)
        xor_rows.append(packed.ljust(xor_stride, b"\0"))
        m = mask[y * side:(y + 1) * side]
        andbits = bytearray(and_stride)
        for x, v in enumerate(m):
            if not v:
                andbits[x // 8] |= 0x80 >> (x % 8)
        and_rows.append(bytes(andbits))
    return header + body + b"".join(xor_rows) + b"".join(and_rows), bits, colours


def write_icon(path):
    images = [icon_image(16, 16), icon_image(16, 256), icon_image(32, 16), icon_image(32, 256)]
    sides = [16, 16, 32, 32]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (data, bits, colours), side in zip(images, sides):
        out += struct.pack("<BBBBHHII", side, side, colours if colours < 256 else 0, 0, 1, bits, len(data), offset)
        offset += len(data)
    out += b"".join(data for data, _, _ in images)
    with open(path, "wb") as f:
        f.write(out)


# --- output ------------------------------------------------------------------


def save_jpeg(image, path):
    image.convert("RGB").save(path, "JPEG", quality=92, optimize=False, progressive=False, subsampling=0)


def main():
    for folder in ("pages", "slides", "buttons", "icon"):
        os.makedirs(os.path.join(HERE, folder), exist_ok=True)
    pages = [
        page_welcome(),
        page_introduction(),
        page_plain(2, "请仔细阅读下面的许可协议", 32),
        page_plain(3, "请选择您要安装的字体", 33),
        page_plain(4, "正在安装字体，请稍候……", 34),
        page_finish(),
    ]
    plain_check(pages[0], 0)
    for k, page in enumerate(pages):
        save_jpeg(page, os.path.join(HERE, "pages", "page%d.jpg" % k))
    for k, slide in enumerate([slide_landscape(), slide_festive(), slide_modern(), slide_bamboo()]):
        save_jpeg(slide, os.path.join(HERE, "slides", "slide%d.jpg" % k))
    index = 0
    for label, size in BUTTONS:
        for state in ("normal", "hot", "down"):
            button_face(label, size, state).save(os.path.join(HERE, "buttons", "PngImage%d.png" % index))
            index += 1
    write_icon(os.path.join(HERE, "icon", "setup.ico"))


if __name__ == "__main__":
    main()
