#include "widgets/rich_edit.h"

#include "system/errors.h"

#include <richedit.h>

namespace {

constexpr DWORD viewerStyle =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
// The control's default text limit would cut a long agreement short
// without a word.
constexpr LPARAM textLimit = 0x7FFFFFFE;

DWORD CALLBACK readFromFile(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
    DWORD count = 0;
    BOOL ok = ReadFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(size), &count,
                       nullptr);
    *read = static_cast<LONG>(count);
    return ok ? 0 : 1;
}

// Streams the rest of `file` into the control; false when it reports an error.
bool streamIn(HWND window, HANDLE file, WPARAM format) {
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(file);
    stream.pfnCallback = readFromFile;
    SendMessageA(window, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0;
}

} // namespace

std::string systemRichEditPath() {
    char folder[MAX_PATH] = {};
    UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        throw Exception("cannot find the system folder");
    std::string path(folder, length);
    if (path.back() != '\\')
        path += '\\';
    return path + "RICHED32.DLL";
}

RichEdit::RichEdit(std::string name, Control::Bounds bounds, std::string initialText, Font font)
    : Component(std::move(name)), bounds_(bounds), initialText_(std::move(initialText)),
      fontSpec_(font) {}

void RichEdit::createHandle(HWND parent) {
    // The altered search path makes the DLL's own imports come from the
    // system folder too.
    module_.reset(
        LoadLibraryExA(systemRichEditPath().c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!module_)
        throw Exception("cannot load RICHED32.DLL");
    font_.reset(CreateFontA(fontSpec_.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            fontSpec_.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH, fontSpec_.face));
    window_.reset(CreateWindowExA(WS_EX_CLIENTEDGE, "RICHEDIT", initialText_.c_str(), viewerStyle,
                                  bounds_.left, bounds_.top, bounds_.width, bounds_.height, parent,
                                  nullptr, GetModuleHandleA(nullptr), nullptr));
    if (!window_)
        throw Exception("cannot create the rich edit control");
    SendMessageA(hwnd(), EM_EXLIMITTEXT, 0, textLimit);
    SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

void RichEdit::setBounds(Control::Bounds bounds) {
    bounds_ = bounds;
    if (hwnd())
        SetWindowPos(hwnd(), nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

void RichEdit::LoadFromFile(const std::string& bareName) {
    if (!hwnd())
        throw Exception("the viewer has no window to load into");
    // Others may read the file meanwhile, but not write it.
    HANDLE opened = CreateFileA(bareName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        throw EFOpenError("Cannot open file \"" + bareName + "\"");
    UniqueKernelHandle file(opened);
    if (streamIn(hwnd(), file.get(), SF_RTF))
        return;
    if (SetFilePointer(file.get(), 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER ||
        !streamIn(hwnd(), file.get(), SF_TEXT))
        throw EStreamError("Failed to Load Stream");
}
