#include "tools/fontpack/name_table.h"

#include "tools/fontpack/name_conversion.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

using namespace fontpack;

const char songFont[] = "/usr/share/fonts/truetype/arphic-gbsn00lp/gbsn00lp.ttf";
const char latinFont[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char openTypeFont[] = "/usr/share/fonts/opentype/urw-base35/C059-Roman.otf";
const char collection[] = "/usr/share/fonts/truetype/arphic/uming.ttc";

std::vector<std::uint8_t> readFont(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::string familyOf(const std::vector<std::uint8_t>& font) {
    const auto name = chooseFamilyName(readNameRecords(font));
    return name ? nameToCodePage936(name->family) : "(none)";
}

struct Record {
    std::uint16_t platform, encoding, language, nameId;
    std::string bytes;
};

std::string utf16be(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) {
        out += static_cast<char>(c >> 8);
        out += static_cast<char>(c & 0xFF);
    }
    return out;
}

std::vector<std::uint8_t> nameTable(const std::vector<Record>& records) {
    std::vector<std::uint8_t> out;
    const auto u16 = [&](std::size_t v) {
        out.push_back(static_cast<std::uint8_t>(v >> 8));
        out.push_back(static_cast<std::uint8_t>(v));
    };
    u16(0);
    u16(records.size());
    u16(6 + 12 * records.size());
    std::string strings;
    for (const Record& r : records) {
        u16(r.platform);
        u16(r.encoding);
        u16(r.language);
        u16(r.nameId);
        u16(r.bytes.size());
        u16(strings.size());
        strings += r.bytes;
    }
    out.insert(out.end(), strings.begin(), strings.end());
    return out;
}

std::optional<std::string> chosen(const std::vector<Record>& records) {
    const std::vector<std::uint8_t> table = nameTable(records);
    const auto name = chooseFamilyName(parseNameTable(table.data(), table.size()));
    if (!name)
        return std::nullopt;
    return nameToCodePage936(name->family) +
           (name->subfamily ? "/" + nameToCodePage936(*name->subfamily) : "");
}

TEST(NameTable, ReadsTheFamilyNamesOfRealFonts) {
    EXPECT_EQ(familyOf(readFont(songFont)), "文鼎ＰＬ简报宋"); // the Simplified Chinese name
    EXPECT_EQ(familyOf(readFont(latinFont)), "DejaVu Sans");
    EXPECT_EQ(familyOf(readFont(openTypeFont)), "C059");
    const auto latin = chooseFamilyName(readNameRecords(readFont(latinFont)));
    ASSERT_TRUE(latin && latin->subfamily);
    EXPECT_EQ(nameToUtf8(*latin->subfamily), "Book");
}

TEST(NameTable, PrefersChineseThenEnglishThenMacintoshAndTheTypographicFamily) {
    const Record zh{3, 1, 0x0804, 1, utf16be(u"宋体")};
    const Record en{3, 1, 0x0409, 1, utf16be(u"Song")};
    const Record enTypographic{3, 1, 0x0409, 16, utf16be(u"Song Family")};
    const Record enStyle{3, 1, 0x0409, 17, utf16be(u"Light")};
    const Record ja{3, 1, 0x0411, 1, utf16be(u"Mincho")};
    const Record mac{1, 0, 0, 1, "Caf\x8E"}; // Mac Roman e acute
    EXPECT_EQ(chosen({ja, mac, en, zh}), "宋体");
    EXPECT_EQ(chosen({ja, mac, en}), "Song");
    EXPECT_EQ(chosen({en, enStyle, enTypographic}), "Song Family/Light");
    EXPECT_EQ(chosen({ja, mac}), "Caf\xA8\xA6"); // e acute in code page 936
    EXPECT_EQ(chosen({ja}), "Mincho");
    EXPECT_EQ(chosen({{3, 1, 0x0409, 4, utf16be(u"Full name only")}}), std::nullopt);
    EXPECT_EQ(chosen({{3, 0, 0x0409, 1, utf16be(u"Symbol encoding")}}), std::nullopt);
}

TEST(NameTable, NamesCodePage936CannotHoldAreAClearError) {
    const std::vector<std::uint8_t> table = nameTable({{3, 1, 0x0409, 1, utf16be(u"Thai \u0E01")}});
    const auto name = chooseFamilyName(parseNameTable(table.data(), table.size()));
    ASSERT_TRUE(name);
    try {
        nameToCodePage936(name->family);
        FAIL() << "no error";
    } catch (const FontFileError& e) {
        EXPECT_NE(std::string(e.what()).find(u8"Thai \u0E01"), std::string::npos) << e.what();
    }
}

TEST(NameTable, TruncatedTablesAreErrorsNeverPartialReads) {
    const std::vector<std::uint8_t> font = readFont(latinFont);
    const TableSpan span = findTable(font.data(), font.size(), "name");
    const std::vector<NameRecord> whole = parseNameTable(font.data() + span.offset, span.length);
    ASSERT_FALSE(whole.empty());
    std::size_t failures = 0;
    for (std::size_t length = 0; length < span.length; ++length) {
        // A copy of just that many bytes, so reading past it is a fault the
        // sanitizer build sees.
        const std::vector<std::uint8_t> cut(font.begin() + span.offset,
                                            font.begin() + span.offset + length);
        try {
            EXPECT_EQ(parseNameTable(cut.data(), cut.size()).size(), whole.size()) << length;
        } catch (const FontFileError&) {
            ++failures;
        }
    }
    EXPECT_GE(failures, 6 + 12 * whole.size()) << "every cut inside the records fails";
}

TEST(NameTable, TruncatedFontFilesAndCollectionsAreErrors) {
    const std::vector<std::uint8_t> font = readFont(songFont);
    const TableSpan span = findTable(font.data(), font.size(), "name");
    for (std::size_t length : {std::size_t{0}, std::size_t{4}, std::size_t{11}, std::size_t{20},
                               span.offset + 5, span.offset + span.length - 1}) {
        const std::vector<std::uint8_t> cut(font.begin(), font.begin() + length);
        EXPECT_THROW(readNameRecords(cut), FontFileError) << length;
    }
    try {
        readNameRecords(readFont(collection));
        FAIL() << "no error";
    } catch (const FontFileError& e) {
        EXPECT_STREQ(e.what(), "font collections (.ttc) are not supported");
    }
    const std::vector<std::uint8_t> stringsBeyond = {0, 0, 0, 1, 0, 18, 0,   3, 0,
                                                     1, 4, 9, 0, 1, 0,  200, 0, 0};
    EXPECT_THROW(parseNameTable(stringsBeyond.data(), stringsBeyond.size()), FontFileError);
}

} // namespace
