#pragma once
// A bounded cursor over a picture file held in memory. Every decoder reads its
// input only through one of these, so a damaged length field can never make it
// read past the end: the reader raises EInvalidGraphic instead.
#include <cstddef>
#include <cstdint>

namespace imaging {

class ByteReader {
  public:
    // `format` names the file kind in error messages ("BMP", "PNG").
    ByteReader(const std::uint8_t* data, std::size_t size, const char* format)
        : data_(data), size_(size), format_(format) {}

    std::size_t size() const { return size_; }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return size_ - pos_; }

    void seek(std::size_t position);
    void skip(std::size_t count);
    // The next `count` bytes, consumed; valid as long as the input is.
    const std::uint8_t* take(std::size_t count);

    std::uint8_t u8();
    std::uint16_t u16le();
    std::uint32_t u32le();
    std::int32_t i32le() { return static_cast<std::int32_t>(u32le()); }
    std::uint32_t u32be();

    // Raises EInvalidGraphic with "<format>: <what>".
    [[noreturn]] void fail(const char* what) const;

  private:
    void need(std::size_t count) const;

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    const char* format_;
};

} // namespace imaging
