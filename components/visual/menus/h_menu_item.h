// Menu items with a checker of their own and an icon taken from an image list.
#pragma once
#include <memory>

#include "support/menus/image_list.h"
#include "support/menus/menu_item.h"

class HCustomMenuItem : public TMenuItem {
    PENDREL_CLASS(HCustomMenuItem, TMenuItem)
public:
    explicit HCustomMenuItem(TComponent* owner);
    ~HCustomMenuItem() override;

    // With an image list: copies image index of it into the item's own icon and shows that.
    // Without one: the item shows no picture. Raises EListError for an index the list lacks.
    void SetIcon(TImageList* images, int index);
    const TBitmapImage* Icon() const { return icon_.get(); }

    // Sender (the menu), item: sets the item's state just before it is shown or its shortcut fires.
    TEvent<TObject*, TMenuItem*> OnCheck;

private:
    std::unique_ptr<TBitmapImage> icon_;
};

class HMenuItem : public HCustomMenuItem {
    PENDREL_CLASS(HMenuItem, HCustomMenuItem)
public:
    using HCustomMenuItem::HCustomMenuItem;
};
