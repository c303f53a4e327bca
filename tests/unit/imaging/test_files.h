#pragma once
// Small helpers shared by the imaging tests: whole-file reads, a pixel hash,
// and PNG and JPEG structure walkers that build or inspect files byte by byte.
#include "imaging/picture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace testing_files {

using Bytes = std::vector<std::uint8_t>;

// The whole file; fails the calling test (by exception) when it cannot be read.
Bytes readFile(const std::string& path);

// FNV-1a over R, G, B, A of every pixel, the order the golden tables use.
std::uint32_t pixelHash(const imaging::Picture& picture);

void put32be(Bytes& b, std::uint32_t v);

// A PNG chunk with its length and a CRC computed by zlib (not by our code).
Bytes pngChunk(const char* type, const Bytes& data);
Bytes ihdr(std::uint32_t width, std::uint32_t height, int depth, int colourType, int interlace = 0);
Bytes zlibCompress(const Bytes& raw);
// Signature, then the chunks in order.
Bytes pngFile(const std::vector<Bytes>& chunks);

// One segment of a JPEG file: its marker byte, where the marker starts and
// where its payload (after the length) starts.
struct JpegSegment {
    std::uint8_t marker;
    std::size_t at;
    std::size_t payload;
    std::size_t length;
};
// The segments from SOI up to and including the first SOS.
std::vector<JpegSegment> jpegSegments(const Bytes& file);

} // namespace testing_files
