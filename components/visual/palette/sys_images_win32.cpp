#include "sys_images.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "support/framework/stream.h"
#include "support/gdi/bitmap.h"
#include "support/gdi/bmp_file.h"
#include "support/lib/file_log.h"
#include "support/menus/image_list.h"

namespace {
constexpr int kImageCount = 3;

// The library's own module, which holds the resource.
HMODULE LibraryModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&LoadSysImages), &module);
    return module;
}

// A bitmap resource is a bitmap file without its file header: the header is put back, so
// that the file reader can take it.
bool ReadBitmapResource(const char* name, HBitmap& picture) {
    HMODULE module = LibraryModule();
    HRSRC info = FindResourceA(module, name, MAKEINTRESOURCEA(2));  // RT_BITMAP
    HGLOBAL handle = info ? LoadResource(module, info) : nullptr;
    const auto* data = static_cast<const uint8_t*>(handle ? LockResource(handle) : nullptr);
    const DWORD size = info ? SizeofResource(module, info) : 0;
    if (!data || size < sizeof(BITMAPINFOHEADER)) return false;
    BITMAPINFOHEADER header;
    std::memcpy(&header, data, sizeof header);
    DWORD paletteBytes = 0;
    if (header.biBitCount <= 8) {
        const DWORD colours = header.biClrUsed ? std::min<DWORD>(header.biClrUsed, 256) : 1u << header.biBitCount;
        paletteBytes = colours * 4;
    }
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfSize = static_cast<DWORD>(sizeof file + size);
    file.bfOffBits = static_cast<DWORD>(sizeof file + header.biSize + paletteBytes);
    std::vector<uint8_t> bytes(sizeof file + size);
    std::memcpy(bytes.data(), &file, sizeof file);
    std::memcpy(bytes.data() + sizeof file, data, size);
    TConstMemoryStream stream(bytes.data(), static_cast<int64_t>(bytes.size()));
    try {
        ReadBmp(stream, picture);
    } catch (const Exception& error) {
        FILELog("Bitmap resource %s cannot be read: %s", name, error.what());
        return false;
    }
    return true;
}

uint32_t OpaqueArgbOf(uint32_t rgb) {
    return 0xFF000000u | (rgb & 0xFFu) << 16 | (rgb & 0xFF00u) | (rgb >> 16 & 0xFFu);
}
}  // namespace

void LoadSysImages(TImageList& list) {
    list.SetSize(kSysImageSize, kSysImageSize);
    list.SetTransparentColor(kSysImageBackground);
    HBitmap strip;
    if (!ReadBitmapResource("HBottonsTab_SysImages", strip)) return;
    if (strip.Width() < kImageCount * kSysImageSize || strip.Height() < kSysImageSize) {
        FILELog("Bitmap resource HBottonsTab_SysImages is %d x %d pixels", strip.Width(), strip.Height());
        return;
    }
    for (int i = 0; i < kImageCount; ++i) {
        TBitmapImage image(kSysImageSize, kSysImageSize);
        for (int y = 0; y < kSysImageSize; ++y)
            for (int x = 0; x < kSysImageSize; ++x)
                image.SetPixel(x, y, OpaqueArgbOf(strip.Pixel(i * kSysImageSize + x, y)));
        list.Add(image);
    }
}
