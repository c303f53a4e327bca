// A harmless but loadable DLL. The viewer test plants a copy named
// RICHED32.DLL beside the test program and in the current directory, where a
// load through the search order would pick it up.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
