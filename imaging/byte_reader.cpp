#include "imaging/byte_reader.h"

#include "system/errors.h"

#include <string>

namespace imaging {

void ByteReader::fail(const char* what) const {
    throw EInvalidGraphic(std::string(format_) + ": " + what);
}

void ByteReader::need(std::size_t count) const {
    if (count > size_ - pos_)
        fail("unexpected end of data");
}

void ByteReader::seek(std::size_t position) {
    if (position > size_)
        fail("unexpected end of data");
    pos_ = position;
}

void ByteReader::skip(std::size_t count) {
    need(count);
    pos_ += count;
}

const std::uint8_t* ByteReader::take(std::size_t count) {
    need(count);
    const std::uint8_t* at = data_ + pos_;
    pos_ += count;
    return at;
}

std::uint8_t ByteReader::u8() {
    return *take(1);
}

std::uint16_t ByteReader::u16le() {
    const std::uint8_t* b = take(2);
    return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

std::uint32_t ByteReader::u32le() {
    const std::uint8_t* b = take(4);
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
           std::uint32_t(b[3]) << 24;
}

std::uint32_t ByteReader::u32be() {
    const std::uint8_t* b = take(4);
    return std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 | std::uint32_t(b[2]) << 8 |
           std::uint32_t(b[3]);
}

} // namespace imaging
