// A DLL that gives itself away: attached to a process, it leaves the file
// "<its own name>.loaded" beside itself, holding the path of the program that
// loaded it. The fault tests plant copies named like the rich edit DLLs where
// a load by bare name would find them first, and expect no such file.
#include "tests/win32/faults/owned_handle.h"

#include <string>

namespace {

std::string modulePath(HMODULE module) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    return path;
}

void leaveMarker(HMODULE self) {
    const std::string marker = modulePath(self) + ".loaded";
    OwnedHandle file(CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return;
    const std::string loader = modulePath(nullptr);
    DWORD written = 0;
    WriteFile(file.get(), loader.data(), static_cast<DWORD>(loader.size()), &written, nullptr);
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        leaveMarker(self);
    return TRUE;
}
