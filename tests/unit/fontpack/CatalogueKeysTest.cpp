#include "tools/fontpack/catalogue_keys.h"

#include <gtest/gtest.h>

namespace {

using fontpack::KeyKind;

TEST(CatalogueKeys, ReadsOnlyTheNamesThatAnswerAKey) {
    const struct {
        const char* name;
        int entry; // -1: answers no key
        KeyKind kind;
    } cases[] = {
        {"font0title", 0, KeyKind::Title},   {"FONT12FILE", 12, KeyKind::File},
        {"Font3Image", 3, KeyKind::Image},   {"font01title", -1, KeyKind::Title},
        {"font title", -1, KeyKind::Title},  {"font0title ", -1, KeyKind::Title},
        {" font0title", -1, KeyKind::Title}, {"font-1title", -1, KeyKind::Title},
        {"font0name", -1, KeyKind::Title},   {"font99999999999title", -1, KeyKind::Title},
        {"font", -1, KeyKind::Title},        {"", -1, KeyKind::Title},
    };
    for (const auto& c : cases) {
        const auto key = fontpack::parseCatalogueKey(c.name);
        ASSERT_EQ(key.has_value(), c.entry >= 0) << c.name;
        if (key) {
            EXPECT_EQ(key->entry, c.entry) << c.name;
            EXPECT_EQ(key->kind, c.kind) << c.name;
        }
    }
}

} // namespace
