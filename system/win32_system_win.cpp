#include "system/win32_system.h"

#include "system/errors.h"

#include <windows.h>

namespace sys {
namespace {

// Owns a file handle from CreateFileA for the length of one call.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (valid())
            CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

void copyEntry(const WIN32_FIND_DATAA& data, FindEntry& entry) {
    entry.name = data.cFileName;
    entry.attributes = data.dwFileAttributes;
}

HKEY toHkey(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}

} // namespace

SearchHandle Win32System::findFirstFile(const std::string& pattern, FindEntry& entry) {
    WIN32_FIND_DATAA data;
    const HANDLE search = FindFirstFileA(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return invalidSearchHandle;
    copyEntry(data, entry);
    return reinterpret_cast<SearchHandle>(search);
}

bool Win32System::findNextFile(SearchHandle search, FindEntry& entry) {
    WIN32_FIND_DATAA data;
    if (!FindNextFileA(reinterpret_cast<HANDLE>(search), &data))
        return false;
    copyEntry(data, entry);
    return true;
}

void Win32System::findClose(SearchHandle search) {
    FindClose(reinterpret_cast<HANDLE>(search));
}

int Win32System::compareTextIgnoreCase(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                          static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()));
}

bool Win32System::getDiskFreeSpace(const std::string& root, DiskFreeSpace& space) {
    DWORD sectors = 0, bytes = 0, freeClusters = 0, totalClusters = 0;
    if (!GetDiskFreeSpaceA(root.c_str(), &sectors, &bytes, &freeClusters, &totalClusters))
        return false;
    space = {sectors, bytes, freeClusters, totalClusters};
    return true;
}

bool Win32System::openSharedFileSize(const std::string& path, std::uint32_t& size) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return false;
    const DWORD low = GetFileSize(file.get(), nullptr);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR)
        return false;
    size = low;
    return true;
}

bool Win32System::copyFile(const std::string& from, const std::string& to, bool failIfExists) {
    return CopyFileA(from.c_str(), to.c_str(), failIfExists ? TRUE : FALSE) != 0;
}

int Win32System::addFontResource(const std::string& file) {
    return AddFontResourceA(file.c_str());
}

long Win32System::regOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                               std::uint32_t access, RegKey& key) {
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(toHkey(root), subKey.c_str(), options, access, &opened);
    if (status == ERROR_SUCCESS)
        key = reinterpret_cast<RegKey>(opened);
    return status;
}

long Win32System::regSetValueEx(RegKey key, const std::string& name, std::uint32_t type,
                                const std::uint8_t* data, std::uint32_t size) {
    return RegSetValueExA(toHkey(key), name.c_str(), 0, type, data, size);
}

long Win32System::regCloseKey(RegKey key) {
    return RegCloseKey(toHkey(key));
}

bool Win32System::isDbcsLeadByte(std::uint8_t byte) {
    return IsDBCSLeadByte(byte) != 0;
}

std::string Win32System::moduleFileName() {
    // The buffer grows until the whole path fits: GetModuleFileNameA cuts
    // long paths silently at the buffer size.
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::string();
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::vector<std::uint8_t> Win32System::readWholeFile(const std::string& path) {
    // Others may read the file meanwhile, but nobody may write it.
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        throw EFOpenError("Cannot open file \"" + path + "\"");
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || size.HighPart != 0 || size.LowPart > 0x7FFFFFFF)
        throw EStreamError("Stream read error");
    std::vector<std::uint8_t> bytes(size.LowPart);
    DWORD done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                      &read, nullptr) ||
            read == 0)
            throw EStreamError("Stream read error");
        done += read;
    }
    return bytes;
}

char Win32System::decimalSeparator() {
    char buffer[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, sizeof buffer) < 2)
        return '.';
    return buffer[0];
}

} // namespace sys
