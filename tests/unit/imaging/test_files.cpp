#include "tests/unit/imaging/test_files.h"

#include <zlib.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace testing_files {

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t pixelHash(const imaging::Picture& picture) {
    std::uint32_t h = 0x811C9DC5u;
    for (std::uint32_t p : picture.pixels) {
        const std::uint8_t rgba[4] = {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p),
                                      std::uint8_t(p >> 24)};
        for (std::uint8_t b : rgba)
            h = (h ^ b) * 0x01000193u;
    }
    return h;
}

void put32be(Bytes& b, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        b.push_back(static_cast<std::uint8_t>(v >> shift));
}

Bytes pngChunk(const char* type, const Bytes& data) {
    Bytes chunk;
    chunk.reserve(data.size() + 12);
    put32be(chunk, static_cast<std::uint32_t>(data.size()));
    for (int i = 0; i < 4; ++i)
        chunk.push_back(static_cast<std::uint8_t>(type[i]));
    chunk.insert(chunk.end(), data.begin(), data.end());
    uLong crc = crc32(0, chunk.data() + 4, static_cast<uInt>(data.size() + 4));
    put32be(chunk, static_cast<std::uint32_t>(crc));
    return chunk;
}

Bytes ihdr(std::uint32_t width, std::uint32_t height, int depth, int colourType, int interlace) {
    Bytes data;
    put32be(data, width);
    put32be(data, height);
    data.push_back(static_cast<std::uint8_t>(depth));
    data.push_back(static_cast<std::uint8_t>(colourType));
    data.push_back(0);
    data.push_back(0);
    data.push_back(static_cast<std::uint8_t>(interlace));
    return pngChunk("IHDR", data);
}

Bytes zlibCompress(const Bytes& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    Bytes out(size);
    if (compress(out.data(), &size, raw.data(), static_cast<uLong>(raw.size())) != Z_OK)
        throw std::runtime_error("compress failed");
    out.resize(size);
    return out;
}

Bytes pngFile(const std::vector<Bytes>& chunks) {
    Bytes file = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    for (const Bytes& c : chunks)
        file.insert(file.end(), c.begin(), c.end());
    return file;
}

std::vector<JpegSegment> jpegSegments(const Bytes& file) {
    std::vector<JpegSegment> segments;
    std::size_t at = 2;
    while (at + 4 <= file.size() && file[at] == 0xFF) {
        std::uint8_t marker = file[at + 1];
        std::size_t length = std::size_t(file[at + 2]) << 8 | file[at + 3];
        segments.push_back({marker, at, at + 4, length});
        if (marker == 0xDA)
            break;
        at += 2 + length;
    }
    return segments;
}

} // namespace testing_files
