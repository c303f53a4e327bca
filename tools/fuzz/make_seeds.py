#!/usr/bin/python3
"""Writes the small seed corpora of the fuzz targets into corpus/<target>/.

The PNG and JPEG seeds are the unit tests' decoder fixtures; the BMP seeds
are tiny bitmaps of every depth the decoder reads; the text list seeds are
catalogues in the fuzzer's input layout (see fuzz_text_list.cpp); the name
table seeds are font files holding only a name table.
"""
import io
import os
import shutil
import struct

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
FIXTURES = os.path.join(ROOT, "tests", "unit", "imaging", "fixtures")


def target_dir(name):
    path = os.path.join(HERE, "corpus", name)
    os.makedirs(path, exist_ok=True)
    return path


def copy_fixtures(target, extension):
    out = target_dir(target)
    for name in sorted(os.listdir(FIXTURES)):
        if name.endswith(extension):
            shutil.copyfile(os.path.join(FIXTURES, name), os.path.join(out, name))


def pillow_bmp(mode, size=(5, 3)):
    image = Image.new("RGB", size)
    for x in range(size[0]):
        for y in range(size[1]):
            image.putpixel((x, y), (x * 50, y * 80, 200))
    buffer = io.BytesIO()
    image.convert(mode).save(buffer, format="BMP")
    return buffer.getvalue()


def bitfields_bmp(bits, masks, width=3, height=2):
    """A BITMAPV3-style bitmap with explicit masks (compression 3 or 6)."""
    stride = (width * bits + 31) // 32 * 4
    pixels = bytes(range(stride * height))
    compression = 6 if len(masks) == 4 else 3
    info = struct.pack("<IiiHHIIiiII", 40, width, -height, 1, bits, compression,
                       len(pixels), 2835, 2835, 0, 0) + b"".join(struct.pack("<I", m) for m in masks)
    offset = 14 + len(info)
    header = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    return header + info + pixels


def write_bmp_seeds():
    out = target_dir("fuzz_bmp")
    seeds = {
        "mono.bmp": pillow_bmp("1"),
        "palette8.bmp": pillow_bmp("P"),
        "rgb24.bmp": pillow_bmp("RGB"),
        "rgba32.bmp": pillow_bmp("RGBA"),
        "rgb565.bmp": bitfields_bmp(16, [0xF800, 0x07E0, 0x001F]),
        "argb32.bmp": bitfields_bmp(32, [0xFF0000, 0xFF00, 0xFF, 0xFF000000]),
    }
    for name, data in seeds.items():
        with open(os.path.join(out, name), "wb") as handle:
            handle.write(data)


def write_text_list_seeds():
    out = target_dir("fuzz_text_list")
    catalogue = ("[fonts]\r\nfont0title=文鼎简宋体\r\nfont0file=gbsn00lp.ttf\r\n"
                 "font0image=gbsn00lp.bmp\r\nfont1title=DejaVu\r\nfont1file=DejaVuSans.ttf\r\n"
                 "font1image=DejaVuSans.bmp\r\n").encode("cp936")
    selection = b"0=1\n1=1\n2=0\n"
    seeds = {
        "catalogue": b"\x00" + catalogue + b"\x00lFONT0TITLE\x00lfont1File\x00k\x03\x00lfont9title",
        "selection": b"\x00" + selection + b"\x00s1\x010\x00s3\x011\x00l3\x00a4=1\x00l4",
        "turkish": b"\x01FILE=a\nfile=b\nI=1\ni=2\x00lfile\x00lFILE\x00li\x00sI\x019",
        "wide": b"\x02\xa3\xc6ont0title=wide\nfo\x01nt0title=ctrl\nfont0title=plain\n=empty\n"
                b"\x00lfont0title\x00sFONT0TITLE\x01x\x00l\xa3\xe6ont0title\x00l",
        "breaks": b"\x00a=1\r\r\nb=2\n\rc=3\r\x00la\x00lb\x00lc",
    }
    for name, data in seeds.items():
        with open(os.path.join(out, name), "wb") as handle:
            handle.write(data)


def sfnt_with_name_table(table, version=b"\x00\x01\x00\x00"):
    """A font file holding only a table directory and the given name table."""
    directory = version + struct.pack(">HHHH", 1, 16, 0, 0)
    return directory + struct.pack(">4sIII", b"name", 0, 12 + 16, len(table)) + table


def name_table(records):
    """A format 0 name table of (platform, encoding, language, name id, bytes)."""
    header = struct.pack(">HHH", 0, len(records), 6 + 12 * len(records))
    strings = b""
    entries = b""
    for platform, encoding, language, name_id, text in records:
        entries += struct.pack(">HHHHHH", platform, encoding, language, name_id, len(text),
                               len(strings))
        strings += text
    return header + entries + strings


def cut_name_table(source):
    with open(source, "rb") as handle:
        data = handle.read()
    tables = struct.unpack(">H", data[4:6])[0]
    for i in range(tables):
        tag, _, offset, length = struct.unpack(">4sIII", data[12 + 16 * i:28 + 16 * i])
        if tag == b"name":
            return data[offset:offset + length]
    raise SystemExit("no name table in " + source)


def write_name_table_seeds():
    out = target_dir("fuzz_name_table")
    utf16 = lambda text: text.encode("utf-16-be")
    seeds = {
        "chinese.ttf": sfnt_with_name_table(name_table([
            (3, 1, 0x0804, 1, utf16("文鼎简宋体")), (3, 1, 0x0804, 2, utf16("常规")),
            (3, 1, 0x0409, 1, utf16("AR PL SungtiL GB")), (3, 1, 0x0409, 2, utf16("Regular"))])),
        "typographic.otf": sfnt_with_name_table(name_table([
            (1, 0, 0, 1, b"Sans Bold"), (3, 10, 0x0409, 16, utf16("Sans")),
            (3, 10, 0x0409, 17, utf16("Bold")), (3, 1, 0x0411, 1, utf16("Sans JP"))]), b"OTTO"),
    }
    c059 = "/usr/share/fonts/opentype/urw-base35/C059-Roman.otf"
    if os.path.exists(c059):
        seeds["c059.otf"] = sfnt_with_name_table(cut_name_table(c059), b"OTTO")
    for name, data in seeds.items():
        with open(os.path.join(out, name), "wb") as handle:
            handle.write(data)


def main():
    copy_fixtures("fuzz_png", ".png")
    copy_fixtures("fuzz_jpeg", ".jpg")
    write_bmp_seeds()
    write_text_list_seeds()
    write_name_table_seeds()


if __name__ == "__main__":
    main()
