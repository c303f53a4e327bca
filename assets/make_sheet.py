#!/usr/bin/python3
"""Renders a contact sheet of every committed picture at 1:1, for review.

    /usr/bin/python3 assets/make_sheet.py build/assets-sheet.png

Page backgrounds, slideshow banners, the 21 button faces (over the page
ground and over a chequerboard, so the transparent corners show) and the four
icon images (also enlarged eight times, each pixel a block).
"""
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
LABEL_FONT = ("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc", 0)
SHEET_BG = (72, 74, 80)
LABEL = (236, 236, 240)
MARGIN = 24
STATES = ("normal", "hot", "down")
STATE_NAMES = ("正常", "悬停", "按下")
LETTERING = ["进入安装", "退出", "下一步", "取消", "上一步", "浏览", "完成"]


def label_font(size):
    return ImageFont.truetype(LABEL_FONT[0], size, index=LABEL_FONT[1])


def chequerboard(size, cell=6):
    board = Image.new("RGBA", size, (255, 255, 255, 255))
    d = ImageDraw.Draw(board)
    for y in range(0, size[1], cell):
        for x in range(0, size[0], cell):
            if (x // cell + y // cell) % 2:
                d.rectangle([x, y, x + cell - 1, y + cell - 1], fill=(204, 204, 210, 255))
    return board


def icon_images(path):
    """The images of an ICO file in file order, as (side, bits per pixel, RGBA),
    read from the palette, the colour bits and the AND mask."""
    with open(path, "rb") as f:
        data = f.read()
    count = struct.unpack_from("<H", data, 4)[0]
    frames = []
    for i in range(count):
        _, _, _, _, _, _, _, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        _, width, height2, _, bits = struct.unpack_from("<IiiHH", data, offset)[:5]
        side = width
        at = offset + 40
        palette = [data[at + 4 * k:at + 4 * k + 3][::-1] for k in range(1 << bits)]
        at += 4 * (1 << bits)
        xor_stride = ((side * bits + 31) // 32) * 4
        and_stride = ((side + 31) // 32) * 4
        image = Image.new("RGBA", (side, side))
        for row in range(side):
            y = side - 1 - row
            xor = data[at + row * xor_stride:]
            mask = data[at + side * xor_stride + row * and_stride:]
            for x in range(side):
                index = xor[x] if bits == 8 else (xor[x // 2] >> (4 if x % 2 == 0 else 0)) & 15
                transparent = mask[x // 8] >> (7 - x % 8) & 1
                image.putpixel((x, y), tuple(palette[index]) + ((0,) if transparent else (255,)))
        frames.append((side, bits, image))
    return frames


class Sheet:
    def __init__(self, width):
        self.width = width
        self.items = []  # (x, y, image) placed on a tall canvas, cut to size at the end
        self.texts = []
        self.y = MARGIN

    def title(self, text, size=22):
        self.texts.append(((MARGIN, self.y), text, size))
        self.y += size + 14

    def row(self, cells, gap=MARGIN, caption_size=13):
        """cells: (image, caption) pairs laid out left to right."""
        x, height = MARGIN, 0
        for image, caption in cells:
            self.texts.append(((x, self.y), caption, caption_size))
            self.items.append((x, self.y + caption_size + 6, image))
            caption_width = label_font(caption_size).getlength(caption)
            x += max(image.width, round(caption_width)) + gap
            height = max(height, image.height)
        self.y += caption_size + 6 + height + gap

    def render(self, path):
        sheet = Image.new("RGBA", (self.width, self.y), SHEET_BG + (255,))
        for x, y, image in self.items:
            sheet.alpha_composite(image.convert("RGBA"), (x, y))
        d = ImageDraw.Draw(sheet)
        for xy, text, size in self.texts:
            d.text(xy, text, font=label_font(size), fill=LABEL)
        os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
        sheet.convert("RGB").save(path)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "build/assets-sheet.png"
    pages = [Image.open(os.path.join(HERE, "pages", "page%d.jpg" % k)) for k in range(6)]
    slides = [Image.open(os.path.join(HERE, "slides", "slide%d.jpg" % k)) for k in range(4)]
    faces = [Image.open(os.path.join(HERE, "buttons", "PngImage%d.png" % k)) for k in range(21)]

    sheet = Sheet(2 * 650 + 3 * MARGIN)
    sheet.title("Zarnik 汉字字库安装向导 · 图片一览 (1:1)", 26)
    names = ["欢迎", "简介", "许可协议", "选择字体", "正在安装", "完成"]
    sheet.title("页面背景 650 × 400 (JPEG)")
    for k in range(0, 6, 2):
        sheet.row([(pages[i], "page%d.jpg · 第 %d 页 %s" % (i, i, names[i])) for i in (k, k + 1)])
    sheet.title("幻灯片 550 × 163 (JPEG)")
    for k in range(0, 4, 2):
        sheet.row([(slides[i], "slide%d.jpg" % i) for i in (k, k + 1)])

    sheet.title("按钮 PngImage0 – PngImage20 (PNG, RGBA): 正常 / 悬停 / 按下")
    swatch_ground = pages[2].crop((200, 330, 200 + 130, 330 + 60)).convert("RGBA")
    for group, lettering in enumerate(LETTERING):
        cells = []
        for s, state in enumerate(STATES):
            index = group * 3 + s
            face = faces[index].convert("RGBA")
            on_ground = swatch_ground.resize((face.width + 20, face.height + 14))
            on_ground.alpha_composite(face, (10, 7))
            cells.append((on_ground, "%d %s %s" % (index, lettering, STATE_NAMES[s])))
        for s, state in enumerate(STATES):
            face = faces[group * 3 + s].convert("RGBA")
            board = chequerboard((face.width + 20, face.height + 14))
            board.alpha_composite(face, (10, 7))
            cells.append((board, "透明底 " + STATE_NAMES[s]))
        sheet.row(cells, gap=24)

    sheet.title("程序图标 setup.ico: 16 × 16 与 32 × 32, 各 16 色与 256 色")
    cells = []
    frames = icon_images(os.path.join(HERE, "icon", "setup.ico"))
    for side, bits, frame in frames:
        cells.append((frame, "%d %s" % (side, "16色" if bits == 4 else "256色")))
    for side, bits, frame in frames:
        big = chequerboard((side * 8, side * 8), 8)
        big.alpha_composite(frame.resize((side * 8, side * 8), Image.NEAREST))
        cells.append((big, "×8 %d×%d %d bpp" % (side, side, bits)))
    sheet.row(cells, gap=18)
    sheet.render(out)


if __name__ == "__main__":
    main()
