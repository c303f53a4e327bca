#include "imaging/bmp.h"

#include "imaging/byte_reader.h"
#include "imaging/picture_limits.h"
#include "system/errors.h"

#include <array>

namespace imaging {

namespace {

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitfields = 3;
constexpr std::uint32_t kAlphaBitfields = 6;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

// One colour channel of a 16- or 32-bit pixel, cut out by its mask and
// stretched to 0..255. An empty mask reads as `absent`.
class Channel {
  public:
    Channel(std::uint32_t mask, std::uint8_t absent) : mask_(mask), absent_(absent) {
        if (mask_ == 0)
            return;
        while ((mask_ >> shift_ & 1) == 0)
            ++shift_;
        max_ = mask_ >> shift_;
    }

    std::uint8_t read(std::uint32_t pixel) const {
        if (mask_ == 0)
            return absent_;
        std::uint64_t value = (pixel & mask_) >> shift_;
        return static_cast<std::uint8_t>((value * 255 + max_ / 2) / max_);
    }

  private:
    std::uint32_t mask_;
    std::uint8_t absent_;
    unsigned shift_ = 0;
    std::uint64_t max_ = 1;
};

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool topDown = false;
    unsigned bitCount = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t colorsUsed = 0;
    bool core = false;
    std::uint32_t pixelOffset = 0;
    std::array<std::uint32_t, 4> masks{}; // red, green, blue, alpha
};

void readCoreHeader(ByteReader& in, Header& h) {
    h.core = true;
    h.width = in.u16le();
    h.height = in.u16le();
    if (in.u16le() != 1)
        in.fail("inconsistent header (planes)");
    h.bitCount = in.u16le();
}

void readInfoHeader(ByteReader& in, std::uint32_t headerSize, Header& h) {
    std::size_t start = in.position() - 4;
    if (headerSize > in.remaining() + 4)
        in.fail("unexpected end of data");
    h.width = in.i32le();
    std::int64_t height = in.i32le();
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
    if (in.u16le() != 1)
        in.fail("inconsistent header (planes)");
    h.bitCount = in.u16le();
    h.compression = in.u32le();
    in.skip(12); // image size, resolution: not needed to decode
    h.colorsUsed = in.u32le();
    in.skip(4);
    // Version 2 and later headers carry the masks themselves; a plain info
    // header is followed by three (or, with alpha, four) of them.
    bool masksFollow = h.compression == kBitfields || h.compression == kAlphaBitfields;
    std::size_t maskCount = 0;
    if (headerSize >= 52)
        maskCount = headerSize >= 56 ? 4 : 3;
    else if (masksFollow)
        maskCount = h.compression == kAlphaBitfields ? 4 : 3;
    if (headerSize >= 52)
        in.seek(start + kInfoHeaderSize);
    for (std::size_t i = 0; i < maskCount; ++i)
        h.masks[i] = in.u32le();
    if (headerSize > kInfoHeaderSize)
        in.seek(start + headerSize);
    if (!masksFollow)
        h.masks = {};
}

Header readHeader(ByteReader& in) {
    in.skip(2 + 4 + 4); // signature, file size (often wrong), reserved
    Header h;
    h.pixelOffset = in.u32le();
    std::uint32_t headerSize = in.u32le();
    if (headerSize == kCoreHeaderSize)
        readCoreHeader(in, h);
    else if (headerSize >= kInfoHeaderSize)
        readInfoHeader(in, headerSize, h);
    else
        in.fail("unsupported header size");

    switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        if (h.compression != kRgb)
            in.fail("unsupported compression");
        break;
    case 16:
    case 32:
        if (h.compression != kRgb && h.compression != kBitfields &&
            h.compression != kAlphaBitfields)
            in.fail("unsupported compression");
        break;
    default:
        in.fail("unsupported bit depth");
    }
    checkPictureSize("BMP", h.width, h.height);
    return h;
}

// The colour table of a 1-, 4- or 8-bit bitmap. Indices beyond the stored
// entries read as black, as Windows draws them.
std::array<std::uint32_t, 256> readPalette(ByteReader& in, const Header& h) {
    std::array<std::uint32_t, 256> palette;
    palette.fill(bgra(0, 0, 0));
    std::uint32_t capacity = 1u << h.bitCount;
    std::uint32_t count = h.colorsUsed == 0 ? capacity : h.colorsUsed;
    if (count > capacity)
        in.fail("inconsistent header (colour count)");
    std::size_t entrySize = h.core ? 3 : 4;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* e = in.take(entrySize);
        palette[i] = bgra(e[2], e[1], e[0]);
    }
    return palette;
}

void decodeIndexed(const std::uint8_t* row, const Header& h,
                   const std::array<std::uint32_t, 256>& palette, std::uint32_t* out) {
    unsigned bits = h.bitCount;
    unsigned mask = (1u << bits) - 1;
    for (std::int64_t x = 0; x < h.width; ++x) {
        std::uint64_t bit = static_cast<std::uint64_t>(x) * bits;
        unsigned index = row[bit / 8] >> (8 - bits - bit % 8) & mask;
        out[x] = palette[index];
    }
}

void decodeMasked(const std::uint8_t* row, const Header& h, std::uint32_t* out) {
    std::array<std::uint32_t, 4> masks = h.masks;
    if (h.compression == kRgb)
        masks = h.bitCount == 16 ? std::array<std::uint32_t, 4>{0x7C00, 0x03E0, 0x001F, 0}
                                 : std::array<std::uint32_t, 4>{0xFF0000, 0xFF00, 0xFF, 0};
    Channel r(masks[0], 0), g(masks[1], 0), b(masks[2], 0), a(masks[3], 255);
    for (std::int64_t x = 0; x < h.width; ++x) {
        std::uint32_t v;
        if (h.bitCount == 16) {
            const std::uint8_t* p = row + x * 2;
            v = p[0] | std::uint32_t(p[1]) << 8;
        } else {
            const std::uint8_t* p = row + x * 4;
            v = p[0] | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                std::uint32_t(p[3]) << 24;
        }
        out[x] = bgra(r.read(v), g.read(v), b.read(v), a.read(v));
    }
}

void decodeRgb24(const std::uint8_t* row, const Header& h, std::uint32_t* out) {
    for (std::int64_t x = 0; x < h.width; ++x, row += 3)
        out[x] = bgra(row[2], row[1], row[0]);
}

} // namespace

Picture decodeBmp(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return Picture{};
    if (size < 2 || data[0] != 'B' || data[1] != 'M')
        throw EInvalidGraphic("BMP: not a bitmap file (no \"BM\" signature)");
    ByteReader in(data, size, "BMP");
    Header h = readHeader(in);
    std::array<std::uint32_t, 256> palette{};
    if (h.bitCount <= 8)
        palette = readPalette(in, h);
    if (h.pixelOffset < in.position())
        in.fail("inconsistent header (pixel data overlaps the header)");

    std::uint64_t stride = (static_cast<std::uint64_t>(h.width) * h.bitCount + 31) / 32 * 4;
    std::uint64_t height = static_cast<std::uint64_t>(h.height);
    if (h.pixelOffset > size || stride * height > size - h.pixelOffset)
        in.fail("pixel data is truncated");

    Picture picture = allocatePicture("BMP", h.width, h.height);
    for (std::uint64_t r = 0; r < height; ++r) {
        const std::uint8_t* row = data + h.pixelOffset + r * stride;
        std::uint64_t y = h.topDown ? r : height - 1 - r;
        std::uint32_t* out = picture.pixels.data() + y * picture.width;
        if (h.bitCount <= 8)
            decodeIndexed(row, h, palette, out);
        else if (h.bitCount == 24)
            decodeRgb24(row, h, out);
        else
            decodeMasked(row, h, out);
    }
    return picture;
}

} // namespace imaging
