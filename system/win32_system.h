#pragma once
// The system interface over the real Win32 API, for the wizard and the Wine
// tests.
#include "system/system.h"

namespace sys {

class Win32System : public System {
  public:
    SearchHandle findFirstFile(const std::string& pattern, FindEntry& entry) override;
    bool findNextFile(SearchHandle search, FindEntry& entry) override;
    void findClose(SearchHandle search) override;
    int compareTextIgnoreCase(const std::string& a, const std::string& b) override;
    bool getDiskFreeSpace(const std::string& root, DiskFreeSpace& space) override;
    bool openSharedFileSize(const std::string& path, std::uint32_t& size) override;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    int addFontResource(const std::string& file) override;
    long regOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                      std::uint32_t access, RegKey& key) override;
    long regSetValueEx(RegKey key, const std::string& name, std::uint32_t type,
                       const std::uint8_t* data, std::uint32_t size) override;
    long regCloseKey(RegKey key) override;
    bool isDbcsLeadByte(std::uint8_t byte) override;
    std::string moduleFileName() override;
    std::vector<std::uint8_t> readWholeFile(const std::string& path) override;
    char decimalSeparator() override;
};

} // namespace sys
