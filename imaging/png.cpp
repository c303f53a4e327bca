#include "imaging/png.h"

#include "imaging/byte_reader.h"
#include "imaging/picture_limits.h"
#include "imaging/png_crc.h"
#include "system/errors.h"

#include <zlib.h>

#include <array>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace imaging {

namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

constexpr std::uint32_t fourcc(const char (&name)[5]) {
    return std::uint32_t(std::uint8_t(name[0])) << 24 | std::uint32_t(std::uint8_t(name[1])) << 16 |
           std::uint32_t(std::uint8_t(name[2])) << 8 | std::uint32_t(std::uint8_t(name[3]));
}

constexpr std::uint32_t kIHDR = fourcc("IHDR");
constexpr std::uint32_t kPLTE = fourcc("PLTE");
constexpr std::uint32_t kTRNS = fourcc("tRNS");
constexpr std::uint32_t kIDAT = fourcc("IDAT");
constexpr std::uint32_t kIEND = fourcc("IEND");

enum ColourType : unsigned { kGrey = 0, kRgb = 2, kPalette = 3, kGreyAlpha = 4, kRgba = 6 };

[[noreturn]] void fail(const std::string& what) {
    throw EInvalidGraphic("PNG: " + what);
}

struct Chunk {
    std::uint32_t type;
    const std::uint8_t* data;
    std::uint32_t length;
};

std::string chunkName(std::uint32_t type) {
    std::string name;
    for (int shift = 24; shift >= 0; shift -= 8) {
        char c = static_cast<char>(type >> shift & 0xFF);
        name += (c >= 0x20 && c < 0x7F) ? c : '?';
    }
    return name;
}

Chunk readChunk(ByteReader& in) {
    std::uint32_t length = in.u32be();
    if (length > 0x7FFFFFFFu)
        fail("chunk length out of range");
    const std::uint8_t* typeAndData = in.take(std::size_t(length) + 4);
    std::uint32_t stored = in.u32be();
    Chunk chunk{std::uint32_t(typeAndData[0]) << 24 | std::uint32_t(typeAndData[1]) << 16 |
                    std::uint32_t(typeAndData[2]) << 8 | typeAndData[3],
                typeAndData + 4, length};
    if (pngCrc(typeAndData, std::size_t(length) + 4) != stored)
        fail("CRC mismatch in chunk " + chunkName(chunk.type));
    return chunk;
}

std::uint32_t be32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

unsigned be16(const std::uint8_t* p) {
    return unsigned(p[0]) << 8 | p[1];
}

struct Header {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    unsigned depth = 0;
    unsigned colourType = 0;
    bool interlaced = false;

    unsigned channels() const {
        switch (colourType) {
        case kRgb:
            return 3;
        case kGreyAlpha:
            return 2;
        case kRgba:
            return 4;
        default:
            return 1;
        }
    }
    unsigned bitsPerPixel() const { return depth * channels(); }
};

bool depthAllowed(unsigned colourType, unsigned depth) {
    switch (colourType) {
    case kGrey:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case kPalette:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case kRgb:
    case kGreyAlpha:
    case kRgba:
        return depth == 8 || depth == 16;
    default:
        return false;
    }
}

Header readHeader(const Chunk& chunk) {
    if (chunk.type != kIHDR || chunk.length != 13)
        fail("the file does not start with a valid IHDR chunk");
    const std::uint8_t* d = chunk.data;
    Header h;
    h.width = be32(d);
    h.height = be32(d + 4);
    h.depth = d[8];
    h.colourType = d[9];
    if (h.width > 0x7FFFFFFFu || h.height > 0x7FFFFFFFu)
        fail("picture size out of range");
    checkPictureSize("PNG", h.width, h.height);
    if (!depthAllowed(h.colourType, h.depth))
        fail("invalid combination of colour type " + std::to_string(h.colourType) +
             " and bit depth " + std::to_string(h.depth));
    if (d[10] != 0 || d[11] != 0)
        fail("unknown compression or filter method");
    if (d[12] > 1)
        fail("unknown interlace method");
    h.interlaced = d[12] == 1;
    return h;
}

// Everything besides the image data that decides a pixel's colour.
struct Colours {
    std::array<std::uint32_t, 256> palette{};
    unsigned paletteSize = 0;
    bool hasKey = false; // tRNS of a grey or RGB picture: one fully transparent colour
    std::array<unsigned, 3> key{};
};

void readPalette(const Chunk& chunk, const Header& h, Colours& colours) {
    if (colours.paletteSize != 0)
        fail("more than one PLTE chunk");
    unsigned count = chunk.length / 3;
    if (chunk.length % 3 != 0 || count == 0 || count > 256)
        fail("invalid PLTE chunk length");
    if (h.colourType == kPalette && count > (1u << h.depth))
        fail("palette larger than the bit depth allows");
    for (unsigned i = 0; i < count; ++i) {
        const std::uint8_t* e = chunk.data + i * 3;
        colours.palette[i] = bgra(e[0], e[1], e[2]);
    }
    colours.paletteSize = count;
}

void readTransparency(const Chunk& chunk, const Header& h, Colours& colours) {
    switch (h.colourType) {
    case kPalette:
        if (colours.paletteSize == 0 || chunk.length > colours.paletteSize)
            fail("tRNS chunk does not match the palette");
        for (unsigned i = 0; i < chunk.length; ++i)
            colours.palette[i] = (colours.palette[i] & 0x00FFFFFFu) | std::uint32_t(chunk.data[i])
                                                                          << 24;
        break;
    case kGrey:
        if (chunk.length != 2)
            fail("invalid tRNS chunk length");
        colours.hasKey = true;
        colours.key[0] = be16(chunk.data);
        break;
    case kRgb:
        if (chunk.length != 6)
            fail("invalid tRNS chunk length");
        colours.hasKey = true;
        for (int i = 0; i < 3; ++i)
            colours.key[i] = be16(chunk.data + 2 * i);
        break;
    default:
        break; // a picture with an alpha channel has no use for one
    }
}

// One reduced image of the Adam7 scheme, or the whole picture when the file
// is not interlaced.
struct Pass {
    std::uint32_t x0, y0, dx, dy;
    std::uint32_t width, height;
};

std::vector<Pass> passesOf(const Header& h) {
    static const std::uint32_t adam7[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8},
                                              {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2},
                                              {0, 1, 1, 2}};
    if (!h.interlaced)
        return {{0, 0, 1, 1, h.width, h.height}};
    std::vector<Pass> passes;
    for (const auto& a : adam7) {
        std::uint32_t w = h.width > a[0] ? (h.width - a[0] + a[2] - 1) / a[2] : 0;
        std::uint32_t ht = h.height > a[1] ? (h.height - a[1] + a[3] - 1) / a[3] : 0;
        if (w != 0 && ht != 0)
            passes.push_back({a[0], a[1], a[2], a[3], w, ht});
    }
    return passes;
}

std::size_t rowBytes(const Header& h, std::uint32_t width) {
    return (std::size_t(width) * h.bitsPerPixel() + 7) / 8;
}

class Inflater {
  public:
    Inflater() {
        if (inflateInit(&stream_) != Z_OK)
            fail("cannot start decompression");
    }
    ~Inflater() { inflateEnd(&stream_); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    // Fills `out` completely from the zlib stream `in`. Data after the image
    // is ignored, as other readers do.
    void run(const std::vector<std::uint8_t>& in, std::vector<std::uint8_t>& out) {
        if (in.size() > UINT_MAX || out.size() > UINT_MAX)
            fail("image data too large");
        stream_.next_in = const_cast<Bytef*>(in.data());
        stream_.avail_in = static_cast<uInt>(in.size());
        stream_.next_out = out.data();
        stream_.avail_out = static_cast<uInt>(out.size());
        int status = inflate(&stream_, Z_FINISH);
        if (stream_.avail_out == 0 && (status == Z_STREAM_END || status == Z_BUF_ERROR))
            return;
        if (status == Z_STREAM_END || status == Z_BUF_ERROR)
            fail("image data ends early");
        fail("corrupt compressed image data");
    }

  private:
    z_stream stream_{};
};

std::uint8_t paeth(int a, int b, int c) {
    int p = a + b - c;
    int pa = p > a ? p - a : a - p;
    int pb = p > b ? p - b : b - p;
    int pc = p > c ? p - c : c - p;
    if (pa <= pb && pa <= pc)
        return static_cast<std::uint8_t>(a);
    return static_cast<std::uint8_t>(pb <= pc ? b : c);
}

// Undoes the filter of one row in place; `prior` is the unfiltered row above
// (all zero for the first row of a pass).
void unfilter(unsigned type, std::uint8_t* row, const std::uint8_t* prior, std::size_t size,
              std::size_t unit) {
    switch (type) {
    case 0:
        break;
    case 1:
        for (std::size_t i = unit; i < size; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + row[i - unit]);
        break;
    case 2:
        for (std::size_t i = 0; i < size; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + prior[i]);
        break;
    case 3:
        for (std::size_t i = 0; i < size; ++i) {
            unsigned left = i >= unit ? row[i - unit] : 0;
            row[i] = static_cast<std::uint8_t>(row[i] + ((left + prior[i]) >> 1));
        }
        break;
    case 4:
        for (std::size_t i = 0; i < size; ++i) {
            int left = i >= unit ? row[i - unit] : 0;
            int upLeft = i >= unit ? prior[i - unit] : 0;
            row[i] = static_cast<std::uint8_t>(row[i] + paeth(left, prior[i], upLeft));
        }
        break;
    default:
        fail("unknown filter type " + std::to_string(type));
    }
}

// Reads sample `index` of an unfiltered row at the picture's bit depth.
unsigned sample(const std::uint8_t* row, std::size_t index, unsigned depth) {
    if (depth == 8)
        return row[index];
    if (depth == 16)
        return be16(row + 2 * index);
    std::size_t bit = index * depth;
    return row[bit / 8] >> (8 - depth - bit % 8) & ((1u << depth) - 1);
}

std::uint8_t to8(unsigned value, unsigned depth) {
    if (depth == 16)
        return static_cast<std::uint8_t>(value >> 8);
    return static_cast<std::uint8_t>(value * 255 / ((1u << depth) - 1));
}

std::uint32_t pixelAt(const std::uint8_t* row, std::uint32_t x, const Header& h,
                      const Colours& colours) {
    unsigned d = h.depth;
    std::size_t s = std::size_t(x) * h.channels();
    switch (h.colourType) {
    case kGrey: {
        unsigned v = sample(row, s, d);
        std::uint8_t a = colours.hasKey && v == colours.key[0] ? 0 : 255;
        return bgra(to8(v, d), to8(v, d), to8(v, d), a);
    }
    case kRgb: {
        unsigned r = sample(row, s, d), g = sample(row, s + 1, d), b = sample(row, s + 2, d);
        bool keyed =
            colours.hasKey && r == colours.key[0] && g == colours.key[1] && b == colours.key[2];
        return bgra(to8(r, d), to8(g, d), to8(b, d), keyed ? 0 : 255);
    }
    case kPalette: {
        unsigned index = sample(row, s, d);
        if (index >= colours.paletteSize)
            fail("palette index out of range");
        return colours.palette[index];
    }
    case kGreyAlpha: {
        std::uint8_t v = to8(sample(row, s, d), d);
        return bgra(v, v, v, to8(sample(row, s + 1, d), d));
    }
    default:
        return bgra(to8(sample(row, s, d), d), to8(sample(row, s + 1, d), d),
                    to8(sample(row, s + 2, d), d), to8(sample(row, s + 3, d), d));
    }
}

void decodePasses(const Header& h, const Colours& colours, std::vector<std::uint8_t>& raw,
                  Picture& picture) {
    std::size_t unit = h.bitsPerPixel() < 8 ? 1 : h.bitsPerPixel() / 8;
    std::uint8_t* at = raw.data();
    for (const Pass& pass : passesOf(h)) {
        std::size_t size = rowBytes(h, pass.width);
        std::vector<std::uint8_t> zeros(size, 0);
        const std::uint8_t* prior = zeros.data();
        for (std::uint32_t y = 0; y < pass.height; ++y) {
            std::uint8_t* row = at + 1;
            unfilter(at[0], row, prior, size, unit);
            std::uint32_t* out =
                picture.pixels.data() + std::size_t(pass.y0 + y * pass.dy) * picture.width;
            for (std::uint32_t x = 0; x < pass.width; ++x)
                out[pass.x0 + x * pass.dx] = pixelAt(row, x, h, colours);
            prior = row;
            at += size + 1;
        }
    }
}

} // namespace

Picture decodePng(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof kSignature || std::memcmp(data, kSignature, sizeof kSignature) != 0)
        fail("not a PNG file (bad signature)");
    ByteReader in(data, size, "PNG");
    in.skip(sizeof kSignature);
    Header h = readHeader(readChunk(in));

    Colours colours;
    std::vector<std::uint8_t> compressed;
    for (;;) {
        Chunk chunk = readChunk(in);
        if (chunk.type == kIEND)
            break;
        if (chunk.type == kIHDR)
            fail("more than one IHDR chunk");
        if (chunk.type == kPLTE)
            readPalette(chunk, h, colours);
        else if (chunk.type == kTRNS)
            readTransparency(chunk, h, colours);
        else if (chunk.type == kIDAT)
            compressed.insert(compressed.end(), chunk.data, chunk.data + chunk.length);
        else if ((chunk.type >> 24 & 0x20) == 0)
            fail("unknown critical chunk " + chunkName(chunk.type));
    }
    if (h.colourType == kPalette && colours.paletteSize == 0)
        fail("palette picture without a PLTE chunk");
    if (compressed.empty())
        fail("no image data");

    std::size_t expected = 0;
    for (const Pass& pass : passesOf(h))
        expected += (rowBytes(h, pass.width) + 1) * pass.height;
    std::vector<std::uint8_t> raw(expected);
    Inflater().run(compressed, raw);

    Picture picture = allocatePicture("PNG", h.width, h.height);
    decodePasses(h, colours, raw, picture);
    return picture;
}

} // namespace imaging
