#include "imaging/bmp.h"

#include "system/errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using imaging::decodeBmp;
using imaging::Picture;

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, std::uint32_t v) {
    b.push_back(v & 0xFF);
    b.push_back(v >> 8 & 0xFF);
}

void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// A bitmap as a writer would store it: `rows` are the stored rows in file
// order, without padding (it is added here).
struct BmpFile {
    std::int32_t width = 2;
    std::int32_t height = 2;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t headerSize = 40;
    std::uint32_t colorsUsed = 0;
    std::uint16_t planes = 1;
    std::vector<std::uint32_t> palette; // 0x00RRGGBB
    std::vector<std::uint32_t> masks;   // after a 40-byte header, or inside a larger one
    std::vector<Bytes> rows;

    Bytes build() const {
        Bytes header;
        if (headerSize == 12) {
            put16(header, width);
            put16(header, height);
            put16(header, planes);
            put16(header, bits);
        } else {
            put32(header, width);
            put32(header, height);
            put16(header, planes);
            put16(header, bits);
            put32(header, compression);
            put32(header, 0);
            put32(header, 2835);
            put32(header, 2835);
            put32(header, colorsUsed);
            put32(header, 0);
            if (headerSize > 40)
                for (std::uint32_t m : masks)
                    put32(header, m);
            header.resize(headerSize - 4, 0);
            if (headerSize == 40)
                for (std::uint32_t m : masks)
                    put32(header, m);
        }
        for (std::uint32_t c : palette) {
            header.push_back(c & 0xFF);
            header.push_back(c >> 8 & 0xFF);
            header.push_back(c >> 16 & 0xFF);
            if (headerSize != 12)
                header.push_back(0);
        }
        Bytes pixels;
        for (const Bytes& row : rows) {
            pixels.insert(pixels.end(), row.begin(), row.end());
            pixels.resize((pixels.size() + 3) / 4 * 4, 0);
        }
        Bytes file = {'B', 'M'};
        std::uint32_t offset = 14 + 4 + static_cast<std::uint32_t>(header.size());
        put32(file, offset + static_cast<std::uint32_t>(pixels.size()));
        put32(file, 0);
        put32(file, offset);
        put32(file, headerSize);
        file.insert(file.end(), header.begin(), header.end());
        file.insert(file.end(), pixels.begin(), pixels.end());
        return file;
    }
};

Picture decode(const Bytes& b) {
    return decodeBmp(b.data(), b.size());
}

// 0xAARRGGBB as the picture stores it.
constexpr std::uint32_t argb(std::uint32_t rgb, std::uint32_t a = 255) {
    return a << 24 | rgb;
}

BmpFile rgb24(bool topDown) {
    BmpFile f;
    f.height = topDown ? -2 : 2;
    f.rows = {{0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00}, {0xFF, 0x00, 0x00, 0x10, 0x20, 0x30}};
    return f;
}

} // namespace

TEST(Bmp, ZeroBytesIsAnEmptyPicture) {
    Picture p = decodeBmp(nullptr, 0);
    EXPECT_TRUE(p.empty());
    EXPECT_TRUE(p.pixels.empty());
}

TEST(Bmp, BottomUpRowsAreTurnedTopDown) {
    Picture p = decode(rgb24(false).build());
    ASSERT_EQ(p.width, 2);
    ASSERT_EQ(p.height, 2);
    EXPECT_FALSE(p.premultiplied);
    // The first stored row is the bottom one.
    EXPECT_EQ(p.pixels, (std::vector<std::uint32_t>{argb(0x0000FF), argb(0x302010), argb(0xFF0000),
                                                    argb(0x00FF00)}));
}

TEST(Bmp, TopDownRowsKeepTheirOrder) {
    Picture p = decode(rgb24(true).build());
    EXPECT_EQ(p.pixels, (std::vector<std::uint32_t>{argb(0xFF0000), argb(0x00FF00), argb(0x0000FF),
                                                    argb(0x302010)}));
}

TEST(Bmp, IndexedDepthsReadTheirPalette) {
    struct Case {
        std::uint16_t bits;
        Bytes row; // one stored row of 3 pixels with indices 1, 0, 2 (1-bit: 1, 0, 1)
        std::vector<std::uint32_t> expected;
    };
    std::vector<std::uint32_t> palette = {0x112233, 0xAABBCC, 0x00FF7F};
    const Case cases[] = {
        {1, {0xA0}, {argb(0xAABBCC), argb(0x112233), argb(0xAABBCC)}},
        {4, {0x10, 0x20}, {argb(0xAABBCC), argb(0x112233), argb(0x00FF7F)}},
        {8, {1, 0, 2}, {argb(0xAABBCC), argb(0x112233), argb(0x00FF7F)}},
    };
    for (const Case& c : cases) {
        BmpFile f;
        f.width = 3;
        f.height = 1;
        f.bits = c.bits;
        f.palette.assign(palette.begin(), palette.begin() + (c.bits == 1 ? 2 : 3));
        f.colorsUsed = static_cast<std::uint32_t>(f.palette.size());
        f.rows = {c.row};
        EXPECT_EQ(decode(f.build()).pixels, c.expected) << c.bits << "-bit";
    }
}

TEST(Bmp, IndexBeyondTheStoredColoursIsBlack) {
    BmpFile f;
    f.width = 2;
    f.height = 1;
    f.bits = 8;
    f.palette = {0xFFFFFF};
    f.colorsUsed = 1;
    f.rows = {{0, 200}};
    EXPECT_EQ(decode(f.build()).pixels, (std::vector<std::uint32_t>{argb(0xFFFFFF), argb(0)}));
}

TEST(Bmp, CoreHeaderWithThreeByteColourTable) {
    BmpFile f;
    f.headerSize = 12;
    f.width = 2;
    f.height = 1;
    f.bits = 8;
    f.palette.assign(256, 0);
    f.palette[7] = 0x123456;
    f.rows = {{7, 0}};
    EXPECT_EQ(decode(f.build()).pixels, (std::vector<std::uint32_t>{argb(0x123456), argb(0)}));
}

TEST(Bmp, SixteenAndThirtyTwoBitLayouts) {
    struct Case {
        const char* name;
        std::uint16_t bits;
        std::uint32_t compression;
        std::uint32_t headerSize;
        std::vector<std::uint32_t> masks;
        Bytes pixel;
        std::uint32_t expected;
    };
    const Case cases[] = {
        // 5-5-5 is the layout of an uncompressed 16-bit bitmap.
        {"16-bit 555", 16, 0, 40, {}, {0x1F, 0x7C}, argb(0xFF00FF)},
        {"16-bit 565 bitfields", 16, 3, 40, {0xF800, 0x07E0, 0x001F}, {0xE0, 0x07}, argb(0x00FF00)},
        // Without an alpha mask the fourth byte is padding, not transparency.
        {"32-bit plain", 32, 0, 40, {}, {0x30, 0x20, 0x10, 0x00}, argb(0x102030)},
        {"32-bit bitfields, no alpha",
         32,
         3,
         40,
         {0xFF0000, 0xFF00, 0xFF},
         {1, 2, 3, 0},
         argb(0x030201)},
        {"32-bit v4 header with alpha",
         32,
         3,
         108,
         {0xFF0000, 0xFF00, 0xFF, 0xFF000000},
         {1, 2, 3, 0x80},
         argb(0x030201, 0x80)},
        {"32-bit alpha bitfields",
         32,
         6,
         40,
         {0xFF, 0xFF00, 0xFF0000, 0xFF000000},
         {1, 2, 3, 0x40},
         argb(0x010203, 0x40)},
    };
    for (const Case& c : cases) {
        BmpFile f;
        f.width = 1;
        f.height = 1;
        f.bits = c.bits;
        f.compression = c.compression;
        f.headerSize = c.headerSize;
        f.masks = c.masks;
        f.rows = {c.pixel};
        Picture p = decode(f.build());
        ASSERT_EQ(p.pixels.size(), 1u) << c.name;
        EXPECT_EQ(p.pixels[0], c.expected) << c.name;
    }
}

TEST(Bmp, EveryTruncationIsAnError) {
    BmpFile f = rgb24(false);
    f.bits = 8;
    f.palette = {0, 0xFFFFFF};
    f.colorsUsed = 2;
    f.rows = {{0, 1}, {1, 0}};
    Bytes whole = f.build();
    ASSERT_NO_THROW(decode(whole));
    for (std::size_t n = 1; n < whole.size(); ++n) {
        Bytes cut(whole.begin(), whole.begin() + n);
        EXPECT_THROW(decode(cut), EInvalidGraphic) << "cut at " << n;
    }
}

TEST(Bmp, DamagedFilesAreRejected) {
    struct Case {
        const char* name;
        Bytes file;
    };
    auto with = [](auto change) {
        BmpFile f = rgb24(false);
        change(f);
        return f.build();
    };
    auto patched = [](std::size_t at, std::uint32_t value) {
        Bytes b = rgb24(false).build();
        b[at] = value & 0xFF;
        b[at + 1] = value >> 8 & 0xFF;
        b[at + 2] = value >> 16 & 0xFF;
        b[at + 3] = value >> 24 & 0xFF;
        return b;
    };
    const Case cases[] = {
        {"PNG signature", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}},
        {"lower-case signature", {'b', 'm', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"single byte", {'B'}},
        {"signature only", {'B', 'M'}},
        {"header size 20", patched(14, 20)},
        {"header size past the end", patched(14, 4000)},
        {"pixel offset past the end", patched(10, 100000)},
        {"pixel offset inside the header", patched(10, 20)},
        {"two planes", with([](BmpFile& f) { f.planes = 2; })},
        {"bit depth 7", with([](BmpFile& f) { f.bits = 7; })},
        {"run-length compression", with([](BmpFile& f) { f.compression = 1; })},
        {"bitfields on 24 bits", with([](BmpFile& f) { f.compression = 3; })},
        {"unknown compression", with([](BmpFile& f) { f.compression = 0x47504A; })},
        {"zero width", with([](BmpFile& f) { f.width = 0; })},
        {"negative width", with([](BmpFile& f) { f.width = -2; })},
        {"zero height", with([](BmpFile& f) { f.height = 0; })},
        {"huge width", with([](BmpFile& f) { f.width = 0x7FFFFFFF; })},
        {"huge height", with([](BmpFile& f) { f.height = -0x7FFFFFFF - 1; })},
        {"width times height overflows", with([](BmpFile& f) { f.width = f.height = 65535; })},
        {"more colours than the depth allows", with([](BmpFile& f) {
             f.bits = 1;
             f.colorsUsed = 3;
             f.palette = {0, 0, 0};
             f.rows = {{0}, {0}};
         })},
    };
    for (const Case& c : cases) {
        try {
            decode(c.file);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(std::string(e.what()).rfind("BMP: ", 0), 0u) << c.name << ": " << e.what();
        }
    }
}
