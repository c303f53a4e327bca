#pragma once
// The one door between the portable core and the operating system.
//
// The font package and the installation run never call the platform
// directly: they ask this interface, so the same code runs natively against an
// in-memory fake in the unit tests and against Win32 in the wizard. Every
// method mirrors one platform call and hands back its raw status, so each
// caller decides what a failure means where it makes the call.
#include <cstdint>
#include <string>
#include <vector>

namespace sys {

// Platform values, spelled as the platform spells them, so neither side needs
// to translate.
using SearchHandle = std::intptr_t;
constexpr SearchHandle invalidSearchHandle = -1;

using RegKey = std::uintptr_t;
constexpr RegKey hkeyCurrentUser = 0x80000001u;
constexpr RegKey hkeyLocalMachine = 0x80000002u;
constexpr std::uint32_t keyAllAccess = 0xF003Fu;
constexpr std::uint32_t regSz = 1;
constexpr long errorSuccess = 0;

constexpr std::uint32_t attributeReadOnly = 0x01;
constexpr std::uint32_t attributeHidden = 0x02;
constexpr std::uint32_t attributeSystem = 0x04;
constexpr std::uint32_t attributeDirectory = 0x10;
constexpr std::uint32_t attributeArchive = 0x20;

// Results of the locale comparison; 0 means the comparison itself failed.
constexpr int compareLessThan = 1;
constexpr int compareEqual = 2;
constexpr int compareGreaterThan = 3;

// One entry of a directory search: its bare name and its attribute bits.
struct FindEntry {
    std::string name;
    std::uint32_t attributes = 0;
};

// What the free-space query of a drive reports.
struct DiskFreeSpace {
    std::uint32_t sectorsPerCluster = 0;
    std::uint32_t bytesPerSector = 0;
    std::uint32_t freeClusters = 0;
    std::uint32_t totalClusters = 0;
};

class System {
  public:
    virtual ~System() = default;

    // Directory search (FindFirstFileA / FindNextFileA / FindClose). A
    // pattern naming one path finds that entry only.
    virtual SearchHandle findFirstFile(const std::string& pattern, FindEntry& entry) = 0;
    virtual bool findNextFile(SearchHandle search, FindEntry& entry) = 0;
    virtual void findClose(SearchHandle search) = 0;

    // The user locale's comparison with case ignored (CompareStringA,
    // LOCALE_USER_DEFAULT, NORM_IGNORECASE).
    virtual int compareTextIgnoreCase(const std::string& a, const std::string& b) = 0;

    // GetDiskFreeSpaceA of a root such as "C:\"; false when the query failed.
    virtual bool getDiskFreeSpace(const std::string& root, DiskFreeSpace& space) = 0;

    // Opens an existing file for reading while others may go on reading and
    // writing it, takes its size and closes it; false when it cannot be opened.
    virtual bool openSharedFileSize(const std::string& path, std::uint32_t& size) = 0;

    // CopyFileA; true on success.
    virtual bool copyFile(const std::string& from, const std::string& to, bool failIfExists) = 0;

    // AddFontResourceA; the number of fonts added, 0 on failure.
    virtual int addFontResource(const std::string& file) = 0;

    // RegOpenKeyExA / RegSetValueExA / RegCloseKey, returning their status.
    virtual long regOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                              std::uint32_t access, RegKey& key) = 0;
    virtual long regSetValueEx(RegKey key, const std::string& name, std::uint32_t type,
                               const std::uint8_t* data, std::uint32_t size) = 0;
    virtual long regCloseKey(RegKey key) = 0;

    // IsDBCSLeadByte for the system ANSI code page.
    virtual bool isDbcsLeadByte(std::uint8_t byte) = 0;

    // The full path of the running executable.
    virtual std::string moduleFileName() = 0;

    // Every byte of a file, read as a list or a picture loads it. Raises
    // EFOpenError when the file cannot be opened (missing, a folder, locked)
    // and EStreamError when it opened but could not be read.
    virtual std::vector<std::uint8_t> readWholeFile(const std::string& path) = 0;

    // The decimal separator of the user's regional settings.
    virtual char decimalSeparator() = 0;
};

} // namespace sys
