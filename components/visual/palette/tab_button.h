// The button of a button palette tab: a flat toolbar button that shows one image of an
// image list instead of a glyph of its own.
#pragma once
#include "components/visual/toolbar97/toolbar_button97.h"

class TImageList;

class HTabButton : public TToolbarButton97 {
    PENDREL_CLASS(HTabButton, TToolbarButton97)
public:
    explicit HTabButton(TComponent* owner);
    ~HTabButton() override;

    // The button shows image ImageIndex of Images; nothing without the list or for an index
    // the list does not have. The list may go away before the button.
    TImageList* GetImages() const { return images_; }
    void SetImages(TImageList* value);
    int GetImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    // The image shows again as the list holds it now.
    void ImagesChanged() { ShowImage(); }

    void Notification(TComponent* component, TOperation operation) override;

private:
    void ShowImage();

    TImageList* images_ = nullptr;
    int imageIndex_ = -1;
};
