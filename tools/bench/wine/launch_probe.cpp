// Starts a program and watches it come up: when its first top-level window
// becomes visible, when a pixel of that window's client area on the screen
// first differs from what was there before (first paint), and when the
// sampled pixels stop changing (settled, after any show animation). Then it
// reads the program's peak working set and ends it.
//
// Usage: launch_probe.exe WATCH_MS COMMAND_LINE...
// Watches for WATCH_MS after the window shows, in the current directory.
// Prints "shown T painted T settled T peak_working_set BYTES" (ms from the
// call that starts the program).
#include "tools/bench/wine/bench_clock.h"

#include <windows.h>
#include <psapi.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Polling is paced so the probe takes little from the program it watches: on
// two cores a tight loop of window and pixel queries slows its start-up.
constexpr DWORD pollIntervalMs = 4;

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findShownWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND shownWindowOf(DWORD processId) {
    WindowSearch search{processId, nullptr};
    EnumWindows(findShownWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Points spread over the client area, as shares of its width and height.
constexpr std::array<std::array<double, 2>, 6> samplePoints{
    {{0.5, 0.5}, {0.05, 0.08}, {0.95, 0.92}, {0.2, 0.7}, {0.8, 0.25}, {0.5, 0.95}}};
using Samples = std::array<COLORREF, samplePoints.size()>;

Samples sampleClient(HWND window, HDC screen) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    Samples samples{};
    for (std::size_t i = 0; i < samplePoints.size(); ++i) {
        int x = client.left + int((client.right - client.left - 1) * samplePoints[i][0]);
        int y = client.top + int((client.bottom - client.top - 1) * samplePoints[i][1]);
        samples[i] = GetPixel(screen, x, y);
    }
    return samples;
}

std::string commandLineFrom(int argc, char** argv) {
    std::string line;
    for (int i = 2; i < argc; ++i) {
        if (!line.empty())
            line += ' ';
        line += '"' + std::string(argv[i]) + '"';
    }
    return line;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: launch_probe.exe WATCH_MS COMMAND_LINE...\n");
        return 2;
    }
    const double watchMs = std::atof(argv[1]);
    std::string commandLine = commandLineFrom(argc, argv);
    HDC screen = GetDC(nullptr);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = nowMilliseconds();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "launch_probe: cannot start %s\n", commandLine.c_str());
        return 2;
    }

    HWND window = nullptr;
    double shown = -1, painted = -1, settled = -1;
    Samples before{};
    while (!window && nowMilliseconds() - start < 60000) {
        window = shownWindowOf(process.dwProcessId);
        if (window) {
            shown = nowMilliseconds() - start;
            before = sampleClient(window, screen);
        } else {
            Sleep(pollIntervalMs);
        }
    }
    Samples last = before;
    while (window && nowMilliseconds() - start < shown + watchMs) {
        Sleep(pollIntervalMs);
        const Samples now = sampleClient(window, screen);
        const double at = nowMilliseconds() - start;
        if (painted < 0 && now != before)
            painted = at;
        if (now != last)
            settled = at;
        last = now;
    }
    if (painted < 0)
        painted = settled = shown;

    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ReleaseDC(nullptr, screen);

    std::printf("shown %.1f painted %.1f settled %.1f peak_working_set %lu\n", shown, painted,
                settled, static_cast<unsigned long>(memory.PeakWorkingSetSize));
    return window ? 0 : 1;
}
