#include "widgets/transitions/effects.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

using namespace transitions;

TEST(Effects, TableHasSeveralOfEveryKindAndNoDuplicates) {
    ASSERT_GE(effectCount(), 20u);
    std::map<EffectKind, int> perKind;
    std::set<std::string> names;
    std::set<std::tuple<EffectKind, Direction, Variant>> settings;
    for (std::size_t i = 0; i < effectCount(); ++i) {
        const Effect& e = effectAt(i);
        ++perKind[e.kind];
        EXPECT_TRUE(names.insert(e.name).second) << "name used twice: " << e.name;
        EXPECT_TRUE(settings.insert({e.kind, e.direction, e.variant}).second)
            << "same effect twice: " << e.name;
    }
    for (EffectKind kind :
         {EffectKind::Fade, EffectKind::Slide, EffectKind::Pixel, EffectKind::Circle,
          EffectKind::Diamond, EffectKind::Rotate, EffectKind::Push})
        EXPECT_GE(perKind[kind], 2) << "kind " << static_cast<int>(kind);
}

TEST(Effects, IndexPastTheTableThrows) {
    EXPECT_THROW(effectAt(effectCount()), std::out_of_range);
}

TEST(Effects, PickMapsTheWholeRangeOntoTheTable) {
    EXPECT_EQ(pickEffect(0), 0u);
    EXPECT_EQ(pickEffect(0xFFFFFFFFu), effectCount() - 1);
    EXPECT_EQ(pickEffect(0x80000000u), effectCount() / 2);
}

TEST(Effects, PickFromAGeneratorReachesEveryEffectAboutEquallyOften) {
    std::mt19937 random(12345);
    const int perEffect = 1000;
    std::vector<int> hits(effectCount());
    for (std::size_t i = 0; i < effectCount() * perEffect; ++i) {
        std::size_t pick = pickEffect(random());
        ASSERT_LT(pick, effectCount());
        ++hits[pick];
    }
    for (std::size_t i = 0; i < hits.size(); ++i) {
        EXPECT_GT(hits[i], perEffect * 8 / 10) << effectAt(i).name;
        EXPECT_LT(hits[i], perEffect * 12 / 10) << effectAt(i).name;
    }
}
