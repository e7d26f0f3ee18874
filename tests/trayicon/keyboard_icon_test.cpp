#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "support/shell/keyboard_icon.h"

namespace {

struct TIconParts {
    BITMAP color{};
    std::vector<unsigned char> mask;  // one byte per pixel: 0 opaque, 1 transparent
};

TIconParts PartsOf(HICON icon) {
    ICONINFO info{};
    GetIconInfo(icon, &info);
    TIconParts parts;
    GetObjectW(info.hbmColor, sizeof parts.color, &parts.color);
    const int size = parts.color.bmWidth;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, info.hbmMask);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) parts.mask.push_back(GetPixel(dc, x, y) == RGB(255, 255, 255) ? 1 : 0);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return parts;
}

class KeyboardIconOfSize : public ::testing::TestWithParam<int> {};

TEST_P(KeyboardIconOfSize, HasThatSize) {
    HICON icon = MakeKeyboardIcon(GetParam());
    ASSERT_NE(icon, nullptr);
    const TIconParts parts = PartsOf(icon);
    EXPECT_EQ(parts.color.bmWidth, GetParam());
    EXPECT_EQ(parts.color.bmHeight, GetParam());
    DestroyIcon(icon);
}

TEST_P(KeyboardIconOfSize, IsOpaqueOnlyWhereTheKeyboardIs) {
    HICON icon = MakeKeyboardIcon(GetParam());
    const TIconParts parts = PartsOf(icon);
    const int size = GetParam();
    EXPECT_EQ(parts.mask[0], 1) << "top left corner";
    EXPECT_EQ(parts.mask[(size / 2) * size + size / 2], 0) << "centre";
    EXPECT_EQ(parts.mask[(size - 1) * size + size - 1], 1) << "bottom right corner";
    DestroyIcon(icon);
}

INSTANTIATE_TEST_SUITE_P(TrayAndForm, KeyboardIconOfSize, ::testing::Values(16, 32, 48));

}  // namespace
