#!/usr/bin/python3
"""Assembles a font package the wizard can install, from fonts Debian ships.

Usage: make_demo_package.py OUT_DIR [--fonts LIST] [--count N]

OUT_DIR receives fonts.ini (code page 936), fonts/ with the font files and a
24-bit preview BMP for each, and license.lic (plain text, code page 936).
With --count larger than the list, the list is repeated under new file names
so packages of any size can be made for tests and benchmarks.
"""
import argparse
import os
import shutil

from PIL import Image, ImageDraw, ImageFont

PREVIEW_SIZE = (160, 24)
LICENSE = """Zarnik字库 最终用户许可协议

请仔细阅读本协议。安装、复制或使用本字库，即表示您同意受本协议条款的约束。

1. 本字库受著作权法及国际版权条约保护。您获得的是使用许可，而非字库的所有权。
2. 您可以在一台计算机上安装并使用本字库，用于个人或本单位内部的文字处理与排版。
3. 未经书面许可，不得复制、出租、转售、修改本字库，或将其嵌入用于分发的软件产品。
4. 本字库按"现状"提供。在法律允许的范围内，制作者不对因使用本字库造成的任何损失负责。

如果您不同意本协议的条款，请选择"我不接受以上协议"并退出安装。
"""


def read_font_list(path):
    fonts = []
    with open(path, encoding="utf-8") as handle:
        for line in handle:
            line = line.strip()
            if line and not line.startswith("#"):
                fonts.append(tuple(line.split("|", 2)))
    return fonts


def render_preview(font_path, sample, target):
    image = Image.new("RGB", PREVIEW_SIZE, (255, 255, 255))
    draw = ImageDraw.Draw(image)
    font = ImageFont.truetype(font_path, 18)
    draw.text((2, 1), sample, font=font, fill=(40, 40, 40))
    image.save(target, format="BMP")


def build(out_dir, fonts, count):
    fonts_dir = os.path.join(out_dir, "fonts")
    os.makedirs(fonts_dir, exist_ok=True)
    lines = []
    previews = {}
    for index in range(count):
        source, title, sample = fonts[index % len(fonts)]
        stem, extension = os.path.splitext(os.path.basename(source))
        round_number = index // len(fonts)
        if round_number:
            stem = "%s_%d" % (stem, round_number)
            title = "%s %d" % (title, round_number + 1)
        file_name = stem + extension.lower()
        image_name = stem + ".bmp"
        shutil.copyfile(source, os.path.join(fonts_dir, file_name))
        if source not in previews:
            previews[source] = os.path.join(fonts_dir, image_name)
            render_preview(source, sample, previews[source])
        else:
            shutil.copyfile(previews[source], os.path.join(fonts_dir, image_name))
        lines += ["font%dtitle=%s" % (index, title), "font%dfile=%s" % (index, file_name),
                  "font%dimage=%s" % (index, image_name)]
    with open(os.path.join(out_dir, "fonts.ini"), "wb") as handle:
        handle.write(("[fonts]\r\n" + "\r\n".join(lines) + "\r\n").encode("cp936"))
    with open(os.path.join(out_dir, "license.lic"), "wb") as handle:
        handle.write(LICENSE.replace("\n", "\r\n").encode("cp936"))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out_dir")
    parser.add_argument("--fonts", default=os.path.join(here, "demo_fonts.txt"))
    parser.add_argument("--count", type=int, default=0)
    args = parser.parse_args()
    fonts = read_font_list(args.fonts)
    build(args.out_dir, fonts, args.count or len(fonts))


if __name__ == "__main__":
    main()
