#include "tools/fontpack/code_page_936.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage936, TellsWellFormedTextFromBytesItCannotRead) {
    const struct {
        std::string text;
        bool valid;
    } cases[] = {
        {"", true},
        {"DejaVu Sans", true},
        {"宋体", true},             // the literal is code page 936
        {"\x80", true},             // the euro sign
        {"\x81\x40\xFE\xFE", true}, // the first and last pairs
        {"\xFF", false},
        {"\xCB", false},     // a lead byte at the end
        {"\xCB\x7F", false}, // trail byte 0x7F
        {"\xCB\x3F", false}, // trail byte below 0x40
        {"\xEF\xBB\xBF", false},
        {"\xE5\xAE\x8B\xE4\xBD\x93", true}, // UTF-8 that happens to be well formed pairs
    };
    for (const auto& c : cases)
        EXPECT_EQ(fontpack::isCodePage936(c.text), c.valid) << c.text;
}

} // namespace
