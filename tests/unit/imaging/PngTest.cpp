#include "imaging/png.h"

#include "system/errors.h"
#include "tests/unit/imaging/test_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

using imaging::decodePng;
using imaging::Picture;
using namespace testing_files;

namespace {

Picture decode(const Bytes& b) {
    return decodePng(b.data(), b.size());
}

Bytes iend() {
    return pngChunk("IEND", {});
}

// A one-row-per-entry PNG whose rows are stored unfiltered.
Bytes simplePng(std::uint32_t width, const std::vector<Bytes>& rows, int depth, int colourType,
                const std::vector<Bytes>& extra = {}) {
    Bytes raw;
    for (const Bytes& row : rows) {
        raw.push_back(0);
        raw.insert(raw.end(), row.begin(), row.end());
    }
    std::vector<Bytes> chunks = {
        ihdr(width, static_cast<std::uint32_t>(rows.size()), depth, colourType)};
    chunks.insert(chunks.end(), extra.begin(), extra.end());
    chunks.push_back(pngChunk("IDAT", zlibCompress(raw)));
    chunks.push_back(iend());
    return pngFile(chunks);
}

Bytes smallRgba() {
    return simplePng(2, {{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13, 14, 15, 16}}, 8, 6);
}

constexpr std::uint32_t argb(std::uint32_t rgb, std::uint32_t a = 255) {
    return a << 24 | rgb;
}

} // namespace

// Files written by Pillow and ImageMagick in every colour type, several bit
// depths, adaptive filtering and Adam7 interlacing, against the pixels those
// programs read back.
TEST(Png, DecodesEveryFixtureToItsGoldenPixels) {
    std::ifstream table(FIXTURE_DIR "/golden.txt");
    ASSERT_TRUE(table) << "golden table missing";
    std::string line;
    int count = 0;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string name, hash;
        int width = 0, height = 0;
        fields >> name >> width >> height >> hash;
        Picture p = decode(readFile(FIXTURE_DIR "/" + name));
        EXPECT_EQ(p.width, width) << name;
        EXPECT_EQ(p.height, height) << name;
        EXPECT_EQ(p.pixels.size(), std::size_t(width) * height) << name;
        EXPECT_EQ(pixelHash(p), std::stoul(hash, nullptr, 16)) << name;
        EXPECT_FALSE(p.premultiplied) << name;
        ++count;
    }
    EXPECT_GE(count, 11);
}

TEST(Png, RgbaPixelsLandInBgraOrderWithStraightAlpha) {
    Picture p = decode(smallRgba());
    EXPECT_EQ(p.pixels,
              (std::vector<std::uint32_t>{0x04010203, 0x08050607, 0x0C090A0B, 0x100D0E0F}));
}

TEST(Png, EveryFilterTypeIsUndone) {
    // Three RGB pixels a row; each row stored with one filter, the filtered
    // bytes worked out by hand from the row above and the pixel to the left.
    const Bytes rows[] = {
        {10, 20, 30, 40, 50, 60, 70, 80, 90},
        {11, 21, 31, 41, 51, 61, 71, 81, 91},
        {200, 100, 50, 210, 110, 60, 220, 120, 70},
        {5, 5, 5, 250, 250, 250, 7, 8, 9},
        {1, 2, 3, 4, 5, 6, 7, 8, 9},
    };
    auto paeth = [](int a, int b, int c) {
        int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
        return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
    };
    Bytes raw;
    for (int type = 0; type < 5; ++type) {
        raw.push_back(static_cast<std::uint8_t>(type));
        const Bytes& row = rows[type];
        Bytes prior = type == 0 ? Bytes(9, 0) : rows[type - 1];
        for (int i = 0; i < 9; ++i) {
            int left = i >= 3 ? row[i - 3] : 0, up = prior[i], upLeft = i >= 3 ? prior[i - 3] : 0;
            int predictor[] = {0, left, up, (left + up) / 2, paeth(left, up, upLeft)};
            raw.push_back(static_cast<std::uint8_t>(row[i] - predictor[type]));
        }
    }
    Picture p = decode(pngFile({ihdr(3, 5, 8, 2), pngChunk("IDAT", zlibCompress(raw)), iend()}));
    ASSERT_EQ(p.pixels.size(), 15u);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 3; ++x) {
            const std::uint8_t* c = &rows[y][3 * x];
            EXPECT_EQ(p.pixels[y * 3 + x], argb(c[0] << 16 | c[1] << 8 | c[2])) << "filter " << y;
        }
}

TEST(Png, TransparentColourKeysOfGreyAndRgb) {
    Picture grey = decode(simplePng(2, {{7, 8}}, 8, 0, {pngChunk("tRNS", {0, 8})}));
    EXPECT_EQ(grey.pixels, (std::vector<std::uint32_t>{argb(0x070707), argb(0x080808, 0)}));
    Picture rgb =
        decode(simplePng(2, {{1, 2, 3, 1, 2, 4}}, 8, 2, {pngChunk("tRNS", {0, 1, 0, 2, 0, 3})}));
    EXPECT_EQ(rgb.pixels, (std::vector<std::uint32_t>{argb(0x010203, 0), argb(0x010204)}));
}

TEST(Png, SplitImageDataAndAncillaryChunksAreFine) {
    Bytes raw = {0, 1, 2, 3, 4};
    Bytes z = zlibCompress(raw);
    Bytes first(z.begin(), z.begin() + 3), second(z.begin() + 3, z.end());
    Picture p = decode(
        pngFile({ihdr(1, 1, 8, 6), pngChunk("tEXt", {'a', 0, 'b'}), pngChunk("IDAT", first),
                 pngChunk("IDAT", {}), pngChunk("IDAT", second), pngChunk("zzZz", {1}), iend()}));
    EXPECT_EQ(p.pixels, (std::vector<std::uint32_t>{0x04010203}));
}

TEST(Png, EveryTruncationIsAnError) {
    Bytes whole = smallRgba();
    for (std::size_t n = 0; n < whole.size(); ++n) {
        Bytes cut(whole.begin(), whole.begin() + n);
        EXPECT_THROW(decode(cut), EInvalidGraphic) << "cut at " << n;
    }
}

TEST(Png, DamagedFilesAreRejected) {
    Bytes rgbaRows = {0, 1, 2, 3, 4};
    Bytes goodIdat = pngChunk("IDAT", zlibCompress(rgbaRows));
    auto withCrcFlipped = [](Bytes file, std::size_t chunkEnd) {
        file[chunkEnd - 1] ^= 0x01;
        return file;
    };
    Bytes good = pngFile({ihdr(1, 1, 8, 6), goodIdat, iend()});
    Bytes truncatedStream = zlibCompress(Bytes(1 + 4 * 64, 0));
    truncatedStream.resize(truncatedStream.size() / 2);
    Bytes withDictionary = zlibCompress(rgbaRows);
    withDictionary[1] = 0xBB; // FDICT set, header check bits still valid: 0x78BB % 31 == 0
    struct Case {
        const char* name;
        Bytes file;
    };
    const Case cases[] = {
        {"empty", {}},
        {"BMP signature", {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0}},
        {"signature with a changed byte",
         [&] {
             Bytes b = good;
             b[1] = 'p';
             return b;
         }()},
        {"text-mode mangled signature",
         [&] {
             Bytes b = good;
             b[4] = 0x0A;
             return b;
         }()},
        {"bad IHDR CRC", withCrcFlipped(good, 8 + 25)},
        {"bad IDAT CRC", withCrcFlipped(good, 8 + 25 + goodIdat.size())},
        {"bad IEND CRC", withCrcFlipped(good, good.size())},
        {"IDAT before IHDR", pngFile({goodIdat, ihdr(1, 1, 8, 6), iend()})},
        {"short IHDR", pngFile({pngChunk("IHDR", Bytes(12, 1)), goodIdat, iend()})},
        {"second IHDR", pngFile({ihdr(1, 1, 8, 6), ihdr(1, 1, 8, 6), goodIdat, iend()})},
        {"zero width", pngFile({ihdr(0, 1, 8, 6), goodIdat, iend()})},
        {"zero height", pngFile({ihdr(1, 0, 8, 6), goodIdat, iend()})},
        {"width beyond 2^31", pngFile({ihdr(0x80000000u, 1, 8, 6), goodIdat, iend()})},
        {"huge width", pngFile({ihdr(100000, 1, 8, 6), goodIdat, iend()})},
        {"too many pixels", pngFile({ihdr(16384, 16384, 8, 6), goodIdat, iend()})},
        {"RGB at depth 4", pngFile({ihdr(1, 1, 4, 2), goodIdat, iend()})},
        {"colour type 5", pngFile({ihdr(1, 1, 8, 5), goodIdat, iend()})},
        {"palette at depth 16", pngFile({ihdr(1, 1, 16, 3), goodIdat, iend()})},
        {"interlace method 2", pngFile({ihdr(1, 1, 8, 6, 2), goodIdat, iend()})},
        {"unknown critical chunk",
         pngFile({ihdr(1, 1, 8, 6), pngChunk("ABCD", {}), goodIdat, iend()})},
        {"no image data", pngFile({ihdr(1, 1, 8, 6), iend()})},
        {"no IEND", pngFile({ihdr(1, 1, 8, 6), goodIdat})},
        {"image data is not zlib",
         pngFile({ihdr(1, 1, 8, 6), pngChunk("IDAT", {1, 2, 3, 4, 5}), iend()})},
        {"zlib stream cut short",
         pngFile({ihdr(64, 1, 8, 6), pngChunk("IDAT", truncatedStream), iend()})},
        {"zlib stream with a preset dictionary",
         pngFile({ihdr(1, 1, 8, 6), pngChunk("IDAT", withDictionary), iend()})},
        {"fewer rows than the header says", pngFile({ihdr(1, 2, 8, 6), goodIdat, iend()})},
        {"filter type 5", simplePng(1, {{1, 2, 3, 4}}, 8, 6) /* patched below */},
        {"palette picture without PLTE", simplePng(1, {{0}}, 8, 3)},
        {"PLTE length not a multiple of 3",
         simplePng(1, {{0}}, 8, 3, {pngChunk("PLTE", {1, 2, 3, 4})})},
        {"PLTE larger than the depth allows",
         simplePng(1, {{0}}, 1, 3, {pngChunk("PLTE", Bytes(9, 0))})},
        {"palette index out of range", simplePng(1, {{2}}, 8, 3, {pngChunk("PLTE", Bytes(6, 0))})},
        {"tRNS longer than the palette",
         simplePng(1, {{0}}, 8, 3, {pngChunk("PLTE", Bytes(3, 0)), pngChunk("tRNS", {1, 2})})},
        {"grey tRNS of the wrong length", simplePng(1, {{0}}, 8, 0, {pngChunk("tRNS", {1, 2, 3})})},
    };
    for (const Case& c : cases) {
        Bytes file = c.file;
        if (std::string(c.name) == "filter type 5") {
            Bytes raw = {5, 1, 2, 3, 4};
            file = pngFile({ihdr(1, 1, 8, 6), pngChunk("IDAT", zlibCompress(raw)), iend()});
        }
        try {
            decode(file);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(std::string(e.what()).rfind("PNG: ", 0), 0u) << c.name << ": " << e.what();
        }
    }
}
