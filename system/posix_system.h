#pragma once
// The system interface over POSIX, so the package tool runs the wizard's own
// catalogue, listing and space code on Linux and sees a package folder the way
// the wizard will see it on a Chinese Windows.
//
// Text crosses this seam as ANSI code page 936 with backslashes, as on
// Windows; the Linux side names files in UTF-8 with slashes, as Wine does in
// a zh_CN.UTF-8 locale. Paths are converted on the way in, names found by a
// directory search on the way out (a character code page 936 cannot hold
// comes back as "?", as Windows' ANSI calls report it). A relative path is
// taken relative to the base folder the system was made with.
//
// Case-blind comparison. Windows compares with the locale's sort weights, not
// with the character codes; for ASCII names the Chinese and English locales
// agree, and compareLikeWindowsLocale reproduces them:
//   - letters compare without case, digits before letters, and every other
//     printable character before the digits, in the locale's own order
//     ( !"#$%&()*,./:;?@[\]^_`{|}~+<=> ), which is not the ASCII order;
//   - the hyphen and the apostrophe are passed over at first ("co-op" sorts
//     next to "coop"); only between strings that are otherwise equal do they
//     count: the string with the earlier mark, with more marks, or with a
//     hyphen where the other has an apostrophe, is the greater;
//   - strings that differ only in letter case are equal.
// This table was taken from CompareStringA (user locale, NORM_IGNORECASE) of
// the Windows API as Wine implements it, in code page 936. Bytes of 0x80 and
// above (Chinese characters and the like) sort after the letters by their
// byte values: GB2312 orders its first level of characters by their
// reading, close to what the Chinese locale does, but the locale's exact
// order of such names is not reproduced.
#include "system/system.h"

#include <map>
#include <string>

namespace sys {

int compareLikeWindowsLocale(const std::string& a, const std::string& b);

// An ANSI (code page 936) path with backslashes as a Linux path in UTF-8;
// bytes that are not code page 936 are kept as they are.
std::string toUnixPath(const std::string& ansiPath);
// A Linux file name in UTF-8 as code page 936, "?" for what it cannot hold.
std::string toAnsiName(const std::string& unixName);

class PosixSystem : public System {
  public:
    // Relative paths are resolved against baseFolder (a Linux path); an
    // empty base is the current directory.
    explicit PosixSystem(std::string baseFolder = std::string());

    SearchHandle findFirstFile(const std::string& pattern, FindEntry& entry) override;
    bool findNextFile(SearchHandle search, FindEntry& entry) override;
    void findClose(SearchHandle search) override;
    int compareTextIgnoreCase(const std::string& a, const std::string& b) override;
    // Answers for the file system of the base folder, whatever the root: the
    // package's own disk stands in for drive C: here.
    bool getDiskFreeSpace(const std::string& root, DiskFreeSpace& space) override;
    bool openSharedFileSize(const std::string& path, std::uint32_t& size) override;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    // There is no font table to add to here: always 0, no font added.
    int addFontResource(const std::string& file) override;
    // There is no registry here: every open fails with
    // ERROR_CALL_NOT_IMPLEMENTED, and no key is ever open to write or close.
    long regOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                      std::uint32_t access, RegKey& key) override;
    long regSetValueEx(RegKey key, const std::string& name, std::uint32_t type,
                       const std::uint8_t* data, std::uint32_t size) override;
    long regCloseKey(RegKey key) override;
    // The lead bytes of code page 936: 0x81 to 0xFE.
    bool isDbcsLeadByte(std::uint8_t byte) override;
    std::string moduleFileName() override;
    std::vector<std::uint8_t> readWholeFile(const std::string& path) override;
    // The decimal point of the process's LC_NUMERIC locale.
    char decimalSeparator() override;

    // The Linux path an ANSI path of this system stands for.
    std::string unixPath(const std::string& ansiPath) const;

  private:
    struct Search {
        std::vector<FindEntry> entries;
        std::size_t next = 0;
    };

    std::string base_;
    std::map<SearchHandle, Search> searches_;
    SearchHandle nextSearch_ = 1;
};

} // namespace sys
