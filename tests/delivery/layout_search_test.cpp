#include <gtest/gtest.h>

#include "runtime/delivery/layout_files.h"

namespace {
TEST(LayoutSearchPattern, FolderGetsTheLayoutPatternAppended) {
    EXPECT_EQ(LayoutSearchPattern("C:\\Layouts", "D:\\Start\\"), "C:\\Layouts\\*.osk");
    EXPECT_EQ(LayoutSearchPattern("C:\\Layouts\\", "D:\\Start\\"), "C:\\Layouts\\*.osk");
}

TEST(LayoutSearchPattern, EmptyCommandSearchesTheStartupFolder) {
    EXPECT_EQ(LayoutSearchPattern("", "D:\\Start\\"), "D:\\Start\\*.osk");
    EXPECT_EQ(LayoutSearchPattern("", "D:\\Start"), "D:\\Start\\*.osk");
}

TEST(LayoutSearchPattern, WildcardsMakeThePatternItself) {
    EXPECT_EQ(LayoutSearchPattern("C:\\Layouts\\ru*.osk", "D:\\"), "C:\\Layouts\\ru*.osk");
    EXPECT_EQ(LayoutSearchPattern("C:\\Layouts\\pad?", "D:\\"), "C:\\Layouts\\pad?");
}

TEST(LayoutMenuCaption, IsTheFileNameWithoutFolderAndExtension) {
    EXPECT_EQ(LayoutMenuCaption("C:\\Layouts\\Русская.osk"), "Русская");
    EXPECT_EQ(LayoutMenuCaption("C:\\my.layouts\\pc.keyboard.osk"), "pc.keyboard");
}
}  // namespace
