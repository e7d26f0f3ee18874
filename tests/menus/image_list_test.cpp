#include <gtest/gtest.h>

#include "support/framework/exceptions.h"
#include "support/menus/image_list.h"

namespace {

TEST(ImageList, PixelsOfTheTransparentColourBecomeTransparent) {
    TImageList list(nullptr);
    list.SetSize(2, 1);
    list.SetTransparentColor(0x00FF00);
    TBitmapImage image(2, 1);
    image.SetPixel(0, 0, 0x00FF00);
    image.SetPixel(1, 0, 0x123456);

    ASSERT_EQ(list.Add(image), 0);
    TBitmapImage copy;
    list.GetBitmap(0, copy);
    EXPECT_EQ(copy.Width(), 2);
    EXPECT_EQ(copy.Pixel(0, 0) >> 24, 0u);
    EXPECT_EQ(copy.Pixel(1, 0), 0xFF123456u);
}

TEST(ImageList, ImagesOfAnotherSizeAreRefused) {
    TImageList list(nullptr);
    EXPECT_THROW(list.Add(TBitmapImage(16, 15)), EInvalidOperation);
    EXPECT_EQ(list.Count(), 0);
}

TEST(ImageList, BadIndexesRaise) {
    TImageList list(nullptr);
    list.Add(TBitmapImage(16, 16));
    TBitmapImage copy;
    EXPECT_THROW(list.GetBitmap(1, copy), EListError);
    EXPECT_THROW(list.GetBitmap(-1, copy), EListError);
    EXPECT_THROW(list.Delete(1), EListError);
}

TEST(ImageList, ResizingDropsTheImages) {
    TImageList list(nullptr);
    list.Add(TBitmapImage(16, 16));
    list.SetSize(24, 24);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_THROW(list.SetSize(-1, 5), EInvalidOperation);
    EXPECT_EQ(list.GetWidth(), 24);
}

TEST(BitmapImage, HugeSizesAreRefused) {
    EXPECT_THROW(TBitmapImage(TBitmapImage::kMaxImageSide + 1, 1), EInvalidOperation);
    EXPECT_THROW(TBitmapImage(1, -1), EInvalidOperation);
}

}  // namespace
