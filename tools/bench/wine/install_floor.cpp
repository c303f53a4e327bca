// The floor of an installation: per font only the copy, the registry value
// and the font load, with nothing around them. The file list is taken before
// the clock starts.
// With --check-target the loop also looks for each file in the Fonts folder
// first, as the wizard does, to show what that look-up costs.
// Usage: install_floor.exe PACKAGE_FOLDER [--check-target]
// Prints "fonts N ms T result R loaded L".
#include "tools/bench/wine/bench_clock.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char* const fontsKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

void addMatches(const std::string& pattern, std::vector<std::string>& names) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(data.cFileName);
    } while (FindNextFileA(search, &data));
    FindClose(search);
}

bool targetExists(const std::string& target) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(target.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

// True when the font was copied and registered; `loaded` counts the loads.
bool installOne(const std::string& fontsDir, const std::string& name, bool checkTarget,
                int& loaded) {
    const std::string target = "C:\\Windows\\Fonts\\" + name;
    if (checkTarget && targetExists(target))
        return false;
    if (!CopyFileA((fontsDir + name).c_str(), target.c_str(), FALSE))
        return false;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, fontsKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return false;
    const std::string valueName = name + " (TrueType)";
    const LONG status =
        RegSetValueExA(key, valueName.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(name.c_str()), DWORD(name.size() + 1));
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return false;
    loaded += AddFontResourceA(name.c_str()) > 0 ? 1 : 0;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: install_floor.exe PACKAGE_FOLDER [--check-target]\n");
        return 2;
    }
    const std::string fontsDir = std::string(argv[1]) + "\\fonts\\";
    const bool checkTarget = argc > 2 && std::string(argv[2]) == "--check-target";
    std::vector<std::string> names;
    addMatches(fontsDir + "*.ttf", names);
    addMatches(fontsDir + "*.otf", names);

    int installed = 0;
    int loaded = 0;
    const double start = nowMilliseconds();
    for (const std::string& name : names)
        installed += installOne(fontsDir, name, checkTarget, loaded) ? 1 : 0;
    const double elapsed = nowMilliseconds() - start;
    const bool result = installed == static_cast<int>(names.size());
    std::printf("fonts %d ms %.3f result %d loaded %d\n", static_cast<int>(names.size()), elapsed,
                result ? 1 : 0, loaded);
    return result ? 0 : 1;
}
