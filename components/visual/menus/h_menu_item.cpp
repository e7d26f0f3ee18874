#include "components/visual/menus/h_menu_item.h"

PENDREL_IMPLEMENT_CLASS(HCustomMenuItem)

void HCustomMenuItem::DeclareProperties(TClassBuilder<HCustomMenuItem>&) {}

HCustomMenuItem::HCustomMenuItem(TComponent* owner) : TMenuItem(owner) {}

HCustomMenuItem::~HCustomMenuItem() {
    // The menu must not draw the icon once it is gone.
    if (GetBitmap() == icon_.get()) SetBitmap(nullptr);
}

void HCustomMenuItem::SetIcon(TImageList* images, int index) {
    if (!images) {
        SetBitmap(nullptr);
        return;
    }
    TBitmapImage copy;
    images->GetBitmap(index, copy);  // a bad index raises before anything changes
    if (!icon_) icon_ = std::make_unique<TBitmapImage>();
    *icon_ = std::move(copy);
    if (GetBitmap() == icon_.get())
        BitmapChanged();
    else
        SetBitmap(icon_.get());
}

PENDREL_IMPLEMENT_CLASS(HMenuItem)

void HMenuItem::DeclareProperties(TClassBuilder<HMenuItem>& c) { c.Event("OnCheck", &HMenuItem::OnCheck); }
