#include "imaging/resource_win.h"

#include "imaging/jpeg.h"
#include "imaging/png.h"
#include "imaging/premultiply.h"
#include "imaging/wizard_pictures.h"
#include "system/errors.h"

#include <windows.h>

namespace imaging {

namespace {

void checkIndex(const char* list, int index, int count) {
    if (index < 0 || index >= count)
        throw EFOpenError(std::string("no ") + list + " " + std::to_string(index));
}

Picture prepared(Picture picture) {
    premultiply(picture);
    return picture;
}

} // namespace

ResourceBytes loadResourceBytes(const std::string& name) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10)); // RT_RCDATA
    HGLOBAL handle = info ? LoadResource(module, info) : nullptr;
    const void* data = handle ? LockResource(handle) : nullptr;
    if (!data)
        throw EFOpenError("resource " + name + " not found");
    return {static_cast<const std::uint8_t*>(data), SizeofResource(module, info)};
}

Picture loadPageBackground(int page) {
    checkIndex("page background", page, kPageBackgroundCount);
    ResourceBytes bytes = loadResourceBytes(pageBackgroundResource(page));
    return prepared(decodeJpeg(bytes.data, bytes.size));
}

Picture loadSlide(int index) {
    checkIndex("slide", index, kSlideCount);
    ResourceBytes bytes = loadResourceBytes(slideResource(index));
    return prepared(decodeJpeg(bytes.data, bytes.size));
}

Picture loadButtonFace(int index) {
    checkIndex("button face", index, kButtonFaceCount);
    ResourceBytes bytes = loadResourceBytes(buttonFaceResource(index));
    return prepared(decodePng(bytes.data, bytes.size));
}

} // namespace imaging
