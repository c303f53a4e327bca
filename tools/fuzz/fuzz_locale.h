#pragma once
// The locale comparisons the text list fuzzer runs under. Each maps a name to
// a sequence of collation units and compares those; the modes differ the way
// real locales differ from a plain ASCII case fold.
#include "system/system.h"

#include <string>
#include <vector>

namespace fuzz {

enum class LocaleMode {
    // A-Z equal a-z, every other byte by its value.
    AsciiFold,
    // As above but "I" and "i" differ, as they do in a Turkish locale.
    Turkish,
    // Control bytes weigh nothing, and the full-width letters and digits of
    // code page 936 equal their ASCII forms, so names that are not plain
    // ASCII can equal plain ones.
    WideAndIgnorable,
};

std::vector<int> collationUnits(const std::string& text, LocaleMode mode);

// A System whose only working part is the locale comparison.
class LocaleSystem : public sys::System {
  public:
    LocaleMode mode = LocaleMode::AsciiFold;

    int compareTextIgnoreCase(const std::string& a, const std::string& b) override;

    sys::SearchHandle findFirstFile(const std::string&, sys::FindEntry&) override {
        return sys::invalidSearchHandle;
    }
    bool findNextFile(sys::SearchHandle, sys::FindEntry&) override { return false; }
    void findClose(sys::SearchHandle) override {}
    bool getDiskFreeSpace(const std::string&, sys::DiskFreeSpace&) override { return false; }
    bool openSharedFileSize(const std::string&, std::uint32_t&) override { return false; }
    bool copyFile(const std::string&, const std::string&, bool) override { return false; }
    int addFontResource(const std::string&) override { return 0; }
    long regOpenKeyEx(sys::RegKey, const std::string&, std::uint32_t, std::uint32_t,
                      sys::RegKey&) override {
        return 2;
    }
    long regSetValueEx(sys::RegKey, const std::string&, std::uint32_t, const std::uint8_t*,
                       std::uint32_t) override {
        return 2;
    }
    long regCloseKey(sys::RegKey) override { return 0; }
    bool isDbcsLeadByte(std::uint8_t byte) override { return byte >= 0x81 && byte <= 0xFE; }
    std::string moduleFileName() override { return "C:\\setup.exe"; }
    std::vector<std::uint8_t> readWholeFile(const std::string&) override { return {}; }
    char decimalSeparator() override { return '.'; }
};

} // namespace fuzz
