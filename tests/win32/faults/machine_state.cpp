#include "tests/win32/faults/machine_state.h"

#include "tests/win32/faults/owned_handle.h"

#include <algorithm>
#include <cstdint>

namespace {

const char* const fontsFolderPath = "C:\\Windows\\Fonts\\";
const char* const fontsKeyPath = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

// FNV-1a: enough to tell whether a file's bytes changed.
std::string hashOfFile(const std::string& path) {
    OwnedHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return "unreadable";
    std::uint64_t hash = 14695981039346656037ull;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
        for (DWORD i = 0; i < read; ++i)
            hash = (hash ^ static_cast<unsigned char>(buffer[i])) * 1099511628211ull;
    }
    return std::to_string(hash);
}

class Search {
  public:
    Search(const std::string& pattern, WIN32_FIND_DATAA& data)
        : handle_(FindFirstFileA(pattern.c_str(), &data)) {}
    ~Search() {
        if (found())
            FindClose(handle_);
    }
    Search(const Search&) = delete;
    Search& operator=(const Search&) = delete;
    bool found() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool next(WIN32_FIND_DATAA& data) { return FindNextFileA(handle_, &data) != 0; }

  private:
    HANDLE handle_;
};

std::map<std::string, std::string> fontsFolderEntries() {
    std::map<std::string, std::string> entries;
    WIN32_FIND_DATAA data;
    Search search(std::string(fontsFolderPath) + "*.*", data);
    if (!search.found())
        return entries;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        entries[name] = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                            ? "folder"
                            : hashOfFile(fontsFolderPath + name);
    } while (search.next(data));
    return entries;
}

class OpenKey {
  public:
    OpenKey(HKEY root, const std::string& path, REGSAM access = KEY_READ) {
        if (RegOpenKeyExA(root, path.c_str(), 0, access, &key_) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~OpenKey() {
        if (key_)
            RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

void addValues(HKEY key, const std::string& label, std::map<std::string, std::string>& values) {
    DWORD longestName = 0, longestData = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS)
        return;
    std::string name(longestName * 2 + 2, '\0');
    std::string data(longestData + 2, '\0');
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        if (RegEnumValueA(key, i, &name[0], &nameSize, nullptr, &type,
                          reinterpret_cast<BYTE*>(&data[0]), &dataSize) != ERROR_SUCCESS)
            return;
        values[label + "|" + name.substr(0, nameSize)] =
            std::to_string(type) + ":" + data.substr(0, dataSize);
    }
}

void addKeyTree(HKEY root, const std::string& rootLabel, const std::string& path,
                std::map<std::string, std::string>& values) {
    OpenKey key(root, path);
    if (!key.get())
        return;
    addValues(key.get(), rootLabel + "\\" + path, values);
    char child[256];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof child;
        if (RegEnumKeyExA(key.get(), i, child, &size, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            return;
        addKeyTree(root, rootLabel, path + "\\" + std::string(child, size), values);
    }
}

template <typename Map>
void compare(const Map& before, const Map& after, const std::string& kind,
             std::vector<std::string>& lines) {
    for (const auto& [name, content] : before) {
        const auto found = after.find(name);
        if (found == after.end())
            lines.push_back("removed " + kind + " " + name);
        else if (found->second != content)
            lines.push_back("changed " + kind + " " + name);
    }
    for (const auto& entry : after) {
        if (!before.count(entry.first))
            lines.push_back("added " + kind + " " + entry.first);
    }
}

} // namespace

MachineState takeMachineState() {
    MachineState state;
    state.fontsFolder = fontsFolderEntries();
    addKeyTree(HKEY_LOCAL_MACHINE, "HKLM", "SOFTWARE", state.registry);
    addKeyTree(HKEY_CURRENT_USER, "HKCU", "Software", state.registry);
    return state;
}

std::vector<std::string> differences(const MachineState& before, const MachineState& after) {
    std::vector<std::string> lines;
    compare(before.fontsFolder, after.fontsFolder, "file", lines);
    compare(before.registry, after.registry, "value", lines);
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::string fontsKeyValue(const std::string& valueName) {
    return std::string("HKLM\\") + fontsKeyPath + "|" + valueName;
}

void deleteFontsKeyValue(const std::string& valueName) {
    OpenKey key(HKEY_LOCAL_MACHINE, fontsKeyPath, KEY_ALL_ACCESS);
    if (key.get())
        RegDeleteValueA(key.get(), valueName.c_str());
}
