// Keeps a file open without sharing, as another program holding a font would,
// until it is told to let go. The fault tests run it in the wizard's prefix.
//
// Usage: hold_file FILE READY RELEASE
// Opens FILE with share mode 0, then creates READY; lets go when RELEASE
// exists, or after two minutes, so that a test that dies never leaves it
// running for long. Exit code 0 when the file was held, 1 when it could not
// be opened.
#include "tests/win32/faults/owned_handle.h"

namespace {

bool exists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    OwnedHandle held(CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!held.valid())
        return 1;
    {
        OwnedHandle ready(CreateFileA(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    const DWORD start = GetTickCount();
    while (!exists(argv[3]) && GetTickCount() - start < 120000)
        Sleep(20);
    return 0;
}
