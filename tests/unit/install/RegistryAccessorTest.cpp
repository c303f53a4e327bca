#include "system/registry_accessor.h"

#include "system/errors.h"
#include "tests/unit/support/fake_system.h"

#include <gtest/gtest.h>

namespace {

const std::string fontsPath = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

class RegistryAccessorTest : public testing::Test {
  protected:
    fake::FakeSystem system;
};

TEST_F(RegistryAccessorTest, OpensExistingKeysBelowTheRootWithFullAccess) {
    sys::RegistryAccessor registry(system);
    EXPECT_EQ(registry.rootKey(), sys::hkeyCurrentUser);
    EXPECT_FALSE(registry.openKey("\\" + fontsPath)); // not under HKCU: never created
    registry.setRootKey(sys::hkeyLocalMachine);
    EXPECT_TRUE(registry.openKey("\\" + fontsPath));
    EXPECT_EQ(system.calls.back(), "regOpenKeyEx 2147483650 " + fontsPath + " 0 983103");
    EXPECT_EQ(system.openKeyCount(), 1u);
}

TEST_F(RegistryAccessorTest, KeepsAtMostOneKeyOpen) {
    system.addRegistryKey("HKLM\\SOFTWARE\\Other");
    sys::RegistryAccessor registry(system);
    registry.setRootKey(sys::hkeyLocalMachine);
    ASSERT_TRUE(registry.openKey(fontsPath));
    ASSERT_TRUE(registry.openKey("SOFTWARE\\Other"));
    EXPECT_EQ(system.openKeyCount(), 1u);

    // A failed open keeps the current key: the value still lands in Other.
    EXPECT_FALSE(registry.openKey("SOFTWARE\\Missing"));
    registry.writeString("v", "x");
    EXPECT_NE(system.registryValue("HKLM\\SOFTWARE\\Other", "v"), nullptr);

    registry.setRootKey(sys::hkeyLocalMachine);
    EXPECT_EQ(system.openKeyCount(), 1u);
    registry.setRootKey(sys::hkeyCurrentUser);
    EXPECT_EQ(system.openKeyCount(), 0u);
}

TEST_F(RegistryAccessorTest, WritesStringsWithTheirZeroByte) {
    sys::RegistryAccessor registry(system);
    registry.setRootKey(sys::hkeyLocalMachine);
    ASSERT_TRUE(registry.openKey(fontsPath));
    registry.writeString("A (TrueType)", "a.ttf");
    const fake::RegistryValue* value = system.registryValue("HKLM\\" + fontsPath, "A (TrueType)");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, sys::regSz);
    EXPECT_EQ(value->data, (std::vector<std::uint8_t>{'a', '.', 't', 't', 'f', 0}));
}

TEST_F(RegistryAccessorTest, FailedWriteRaisesWithTheValueName) {
    system.failWriteOf.insert("A (TrueType)");
    sys::RegistryAccessor registry(system);
    registry.setRootKey(sys::hkeyLocalMachine);
    ASSERT_TRUE(registry.openKey(fontsPath));
    try {
        registry.writeString("A (TrueType)", "a.ttf");
        FAIL() << "the write should fail";
    } catch (const ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'A (TrueType)'");
    }
    registry.closeKey();
    EXPECT_THROW(registry.writeString("B", "b"), ERegistryException); // no key open
}

TEST_F(RegistryAccessorTest, ClosesOnceAndOnDestruction) {
    {
        sys::RegistryAccessor registry(system);
        registry.setRootKey(sys::hkeyLocalMachine);
        ASSERT_TRUE(registry.openKey(fontsPath));
        registry.closeKey();
        registry.closeKey();
        EXPECT_EQ(std::count(system.calls.begin(), system.calls.end(), "regCloseKey"), 1);
        ASSERT_TRUE(registry.openKey(fontsPath));
    }
    EXPECT_EQ(system.openKeyCount(), 0u);
}

} // namespace
