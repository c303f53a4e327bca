#include "tools/fontpack/name_table.h"

#include <cstring>
#include <string>

namespace fontpack {
namespace {

// Big-endian reads that refuse to pass the end of the bytes they were given.
class BoundedReader {
  public:
    BoundedReader(const std::uint8_t* data, std::size_t size, const char* what)
        : data_(data), size_(size), what_(what) {}

    std::uint16_t u16(std::size_t offset) const {
        need(offset, 2);
        return static_cast<std::uint16_t>(data_[offset] << 8 | data_[offset + 1]);
    }
    std::uint32_t u32(std::size_t offset) const {
        return static_cast<std::uint32_t>(u16(offset)) << 16 | u16(offset + 2);
    }
    void need(std::size_t offset, std::size_t length) const {
        if (offset > size_ || length > size_ - offset)
            throw FontFileError(std::string(what_) + " is truncated");
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    const char* what_;
};

constexpr std::uint32_t collectionTag = 0x74746366; // "ttcf"
constexpr std::size_t nameRecordSize = 12;
constexpr std::size_t tableRecordSize = 16;

struct Preference {
    std::uint16_t platform;
    std::uint16_t language;
};

bool isWindowsUnicode(const NameRecord& record) {
    return record.platform == platformWindows &&
           (record.encoding == encodingWindowsBmp || record.encoding == encodingWindowsFull);
}

bool isMacRoman(const NameRecord& record) {
    return record.platform == platformMacintosh && record.encoding == encodingMacRoman;
}

bool readable(const NameRecord& record) {
    return !record.bytes.empty() && (isWindowsUnicode(record) || isMacRoman(record));
}

// The first readable record of that name in that language; with anyLanguage,
// the first readable Windows one in any language.
const NameRecord* findName(const std::vector<NameRecord>& records, std::uint16_t nameId,
                           const Preference* preference) {
    for (const NameRecord& record : records) {
        if (record.nameId != nameId || !readable(record))
            continue;
        if (!preference && isWindowsUnicode(record))
            return &record;
        if (preference && record.platform == preference->platform &&
            record.language == preference->language)
            return &record;
    }
    return nullptr;
}

FontName fontName(const NameRecord& record) {
    return FontName{record.bytes, isMacRoman(record)};
}

std::optional<FamilyName> familyIn(const std::vector<NameRecord>& records,
                                   const Preference* preference) {
    const std::pair<std::uint16_t, std::uint16_t> pairs[] = {
        {nameTypographicFamily, nameTypographicSubfamily}, {nameFamily, nameSubfamily}};
    for (const auto& [familyId, styleId] : pairs) {
        const NameRecord* family = findName(records, familyId, preference);
        if (!family)
            continue;
        FamilyName name{fontName(*family), std::nullopt};
        if (const NameRecord* style = findName(records, styleId, preference))
            name.subfamily = fontName(*style);
        return name;
    }
    return std::nullopt;
}

} // namespace

std::vector<NameRecord> parseNameTable(const std::uint8_t* data, std::size_t size) {
    const BoundedReader in(data, size, "the name table");
    const std::uint16_t count = in.u16(2);
    const std::size_t stringOffset = in.u16(4);
    in.need(6, count * nameRecordSize);
    std::vector<NameRecord> records;
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = 6 + i * nameRecordSize;
        NameRecord record;
        record.platform = in.u16(at);
        record.encoding = in.u16(at + 2);
        record.language = in.u16(at + 4);
        record.nameId = in.u16(at + 6);
        const std::size_t length = in.u16(at + 8);
        const std::size_t offset = stringOffset + in.u16(at + 10);
        in.need(offset, length);
        record.bytes.assign(data + offset, data + offset + length);
        records.push_back(std::move(record));
    }
    return records;
}

TableSpan findTable(const std::uint8_t* data, std::size_t size, const char (&tag)[5]) {
    const BoundedReader in(data, size, "the font's table directory");
    if (in.u32(0) == collectionTag)
        throw FontFileError("font collections (.ttc) are not supported");
    const std::size_t tables = in.u16(4);
    in.need(12, tables * tableRecordSize);
    for (std::size_t i = 0; i < tables; ++i) {
        const std::size_t at = 12 + i * tableRecordSize;
        if (std::memcmp(data + at, tag, 4) != 0)
            continue;
        const TableSpan span{in.u32(at + 8), in.u32(at + 12)};
        BoundedReader(data, size, "the font file").need(span.offset, span.length);
        return span;
    }
    throw FontFileError(std::string("the font has no ") + tag + " table");
}

std::vector<NameRecord> readNameRecords(const std::vector<std::uint8_t>& font) {
    const TableSpan span = findTable(font.data(), font.size(), "name");
    return parseNameTable(font.data() + span.offset, span.length);
}

std::optional<FamilyName> chooseFamilyName(const std::vector<NameRecord>& records) {
    const Preference preferences[] = {{platformWindows, languageSimplifiedChinese},
                                      {platformWindows, languageUsEnglish},
                                      {platformMacintosh, languageMacEnglish}};
    for (const Preference& preference : preferences)
        if (auto name = familyIn(records, &preference))
            return name;
    return familyIn(records, nullptr);
}

} // namespace fontpack
