#pragma once
// The CRC-32 that guards every PNG chunk (ISO 3309 polynomial, reflected).
#include <cstddef>
#include <cstdint>

namespace imaging {

// The CRC of `size` bytes, continuing from the CRC of the bytes before them
// (0 for the first piece).
std::uint32_t pngCrc(const std::uint8_t* data, std::size_t size, std::uint32_t previous = 0);

} // namespace imaging
