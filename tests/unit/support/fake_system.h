#pragma once
// An in-memory machine for the native tests: files and folders, a registry,
// a locale and a drive, with switches that make chosen platform calls fail.
// It records the calls that change or probe the machine, in order.
#include "system/system.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace fake {

struct RegistryValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

class FakeSystem : public sys::System {
  public:
    FakeSystem();

    // --- the machine -------------------------------------------------------
    // Paths are Windows paths, matched without regard to ASCII case. Parent
    // folders are created as needed.
    void addFolder(const std::string& path);
    void addFile(const std::string& path, std::vector<std::uint8_t> bytes,
                 std::uint32_t attributes = sys::attributeArchive);
    void addFile(const std::string& path, const std::string& text,
                 std::uint32_t attributes = sys::attributeArchive);
    void addFileOfSize(const std::string& path, std::size_t size);
    bool hasFile(const std::string& path) const;
    const std::vector<std::uint8_t>& fileBytes(const std::string& path) const;

    // Registry keys are full paths such as "HKLM\SOFTWARE\...".
    void addRegistryKey(const std::string& path);
    const RegistryValue* registryValue(const std::string& key, const std::string& name) const;
    std::size_t registryValueCount(const std::string& key) const;
    std::size_t openKeyCount() const { return openKeys_.size(); }
    std::size_t openSearchCount() const { return searches_.size(); }

    std::string modulePath = "C:\\Setup\\setup.exe";
    char separator = '.';
    sys::DiskFreeSpace freeSpace;
    // The locale comparison; by default ASCII letters compare without case
    // and every other byte by its value.
    std::function<int(const std::string&, const std::string&)> locale;

    // --- faults ------------------------------------------------------------
    bool failFreeSpace = false;
    std::set<std::string> failCopyTo;  // copies to these targets fail
    std::set<std::string> lockedFiles; // cannot be opened
    bool failKeyOpen = false;
    int keyOpensAllowed = -1;          // opens that succeed before all fail; -1: no limit
    std::set<std::string> failWriteOf; // value names whose write fails

    // --- what happened -----------------------------------------------------
    std::vector<std::string> calls;
    bool logCalls = true; // the benchmarks turn the log off

    // --- sys::System -------------------------------------------------------
    sys::SearchHandle findFirstFile(const std::string& pattern, sys::FindEntry& entry) override;
    bool findNextFile(sys::SearchHandle search, sys::FindEntry& entry) override;
    void findClose(sys::SearchHandle search) override;
    int compareTextIgnoreCase(const std::string& a, const std::string& b) override;
    bool getDiskFreeSpace(const std::string& root, sys::DiskFreeSpace& space) override;
    bool openSharedFileSize(const std::string& path, std::uint32_t& size) override;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    int addFontResource(const std::string& file) override;
    long regOpenKeyEx(sys::RegKey root, const std::string& subKey, std::uint32_t options,
                      std::uint32_t access, sys::RegKey& key) override;
    long regSetValueEx(sys::RegKey key, const std::string& name, std::uint32_t type,
                       const std::uint8_t* data, std::uint32_t size) override;
    long regCloseKey(sys::RegKey key) override;
    bool isDbcsLeadByte(std::uint8_t byte) override;
    std::string moduleFileName() override;
    std::vector<std::uint8_t> readWholeFile(const std::string& path) override;
    char decimalSeparator() override;

  private:
    struct Entry {
        std::string path; // as given
        bool folder = false;
        std::uint32_t attributes = 0;
        std::vector<std::uint8_t> bytes;
    };
    struct Search {
        std::vector<sys::FindEntry> entries;
        std::size_t next = 0;
    };

    void addEntry(Entry entry);
    Entry* find(const std::string& path);
    const Entry* find(const std::string& path) const;
    bool isOpenable(const std::string& path) const;
    std::vector<sys::FindEntry> childrenOf(const std::string& folder) const;
    std::string keyPath(sys::RegKey root, const std::string& subKey) const;

    std::vector<Entry> entries_;
    std::unordered_map<std::string, std::size_t> byPath_; // folded path -> entry
    // folded folder path -> its entries, in the order they were made
    std::unordered_map<std::string, std::vector<std::size_t>> children_;
    std::map<std::string, std::map<std::string, RegistryValue>> registry_; // folded
    std::map<sys::RegKey, std::string> openKeys_;
    sys::RegKey nextKey_ = 0x1000;
    std::map<sys::SearchHandle, Search> searches_;
    sys::SearchHandle nextSearch_ = 1;
};

// ASCII case fold, as the fake's file system and registry match names.
std::string fold(const std::string& text);

} // namespace fake
