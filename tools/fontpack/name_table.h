#pragma once
// Our own small reader of the sfnt "name" table: just enough of a TrueType or
// OpenType file to find a font's family name, with every read checked
// against the bytes there are, so a truncated or hostile file gives a
// FontFileError and never a read beyond its end.
#include "tools/fontpack/font_file_error.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace fontpack {

constexpr std::uint16_t platformMacintosh = 1;
constexpr std::uint16_t platformWindows = 3;
constexpr std::uint16_t encodingMacRoman = 0;
constexpr std::uint16_t encodingWindowsBmp = 1;
constexpr std::uint16_t encodingWindowsFull = 10;
constexpr std::uint16_t languageMacEnglish = 0;
constexpr std::uint16_t languageSimplifiedChinese = 0x0804;
constexpr std::uint16_t languageUsEnglish = 0x0409;

constexpr std::uint16_t nameFamily = 1;
constexpr std::uint16_t nameSubfamily = 2;
constexpr std::uint16_t nameTypographicFamily = 16;
constexpr std::uint16_t nameTypographicSubfamily = 17;

struct NameRecord {
    std::uint16_t platform = 0;
    std::uint16_t encoding = 0;
    std::uint16_t language = 0;
    std::uint16_t nameId = 0;
    std::vector<std::uint8_t> bytes; // as stored: UTF-16BE, or Mac Roman
};

// The records of a "name" table held in memory.
std::vector<NameRecord> parseNameTable(const std::uint8_t* data, std::size_t size);

// Where a table lies inside a font file.
struct TableSpan {
    std::size_t offset = 0;
    std::size_t length = 0;
};

// Finds a table by its four-letter tag in the table directory of a TrueType
// or OpenType file; a font collection, a directory running past the end of
// the file or a missing table raise FontFileError.
TableSpan findTable(const std::uint8_t* data, std::size_t size, const char (&tag)[5]);

// The name records of a whole font file.
std::vector<NameRecord> readNameRecords(const std::vector<std::uint8_t>& font);

// A family or style name as found, still in its stored encoding.
struct FontName {
    std::vector<std::uint8_t> bytes;
    bool macRoman = false; // otherwise UTF-16BE
};

struct FamilyName {
    FontName family;
    std::optional<FontName> subfamily;
};

// The family name a Chinese user should see: the Simplified Chinese one of
// the Windows names, else the US English one, else the Macintosh English
// one, else any other Windows name. Within one language the typographic
// family (with its subfamily) wins over the plain family (with its style).
// Empty when the table has no family name at all.
std::optional<FamilyName> chooseFamilyName(const std::vector<NameRecord>& records);

} // namespace fontpack
