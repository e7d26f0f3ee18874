#include "tab_button.h"

#include "support/controls/image_glyph.h"
#include "support/gdi/bitmap.h"
#include "support/menus/image_list.h"

PENDREL_IMPLEMENT_CLASS(HTabButton)

void HTabButton::DeclareProperties(TClassBuilder<HTabButton>& c) {
    c.Property("ImageIndex", &HTabButton::GetImageIndex, &HTabButton::SetImageIndex).Default(-1);
    c.Property("Images", &HTabButton::GetImages, &HTabButton::SetImages);
}

HTabButton::HTabButton(TComponent* owner) : TToolbarButton97(owner) { SetDisplayMode(dmGlyphOnly); }

HTabButton::~HTabButton() { SetImages(nullptr); }

void HTabButton::SetImages(TImageList* value) {
    if (value == images_) return;
    if (images_) images_->RemoveFreeNotification(this);
    images_ = value;
    if (images_) images_->FreeNotification(this);
    ShowImage();
}

void HTabButton::SetImageIndex(int value) {
    if (value == imageIndex_) return;
    imageIndex_ = value;
    ShowImage();
}

void HTabButton::Notification(TComponent* component, TOperation operation) {
    TToolbarButton97::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) {
        images_ = nullptr;
        ShowImage();
    }
}

void HTabButton::ShowImage() {
    HBitmap picture, mask;
    if (images_ && imageIndex_ >= 0 && imageIndex_ < images_->Count())
        ImageToGlyph(images_->Image(imageIndex_), picture, mask);
    SetGlyphMask(&mask);
    SetGlyph(&picture);
}
