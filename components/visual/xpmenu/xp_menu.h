// The flat menu painter: draws the items of menus in a flat look, with a column for the
// items' icons, their check marks and a framed selection. Active, it paints every menu its
// owner has; Attach adds others.
#pragma once
#include <memory>
#include <vector>

#include "support/framework/component.h"
#include "support/framework/graphics.h"
#include "support/menus/menu.h"
#include "support/menus/menu_item_layout.h"

class TXPMenu : public TComponent {
    PENDREL_CLASS(TXPMenu, TComponent)
public:
    explicit TXPMenu(TComponent* owner);
    ~TXPMenu() override;

    bool GetActive() const { return active_; }
    void SetActive(bool value);
    TFont* GetFont() const { return font_.get(); }
    void SetFont(TFont* value) { font_->Assign(value); }
    // Width of the icon column; at least 16.
    int GetIconWidth() const { return iconWidth_; }
    void SetIconWidth(int value);
    TColor GetColor() const { return color_; }
    void SetColor(TColor value) { Change(color_, value); }
    TColor GetIconBackColor() const { return iconBackColor_; }
    void SetIconBackColor(TColor value) { Change(iconBackColor_, value); }
    TColor GetSelectColor() const { return selectColor_; }
    void SetSelectColor(TColor value) { Change(selectColor_, value); }
    TColor GetSelectBorderColor() const { return selectBorderColor_; }
    void SetSelectBorderColor(TColor value) { Change(selectBorderColor_, value); }
    TColor GetSelectFontColor() const { return selectFontColor_; }
    void SetSelectFontColor(TColor value) { Change(selectFontColor_, value); }
    TColor GetDisabledColor() const { return disabledColor_; }
    void SetDisabledColor(TColor value) { Change(disabledColor_, value); }
    TColor GetCheckedColor() const { return checkedColor_; }
    void SetCheckedColor(TColor value) { Change(checkedColor_, value); }

    // Paints menu too, while active; the painter follows the menu when it is destroyed.
    void Attach(TMenu* menu);
    void Detach(TMenu* menu);
    // The menus painted now.
    const std::vector<TMenu*>& PaintedMenus() const { return painted_; }

    // The size of an item in the painter's font (measured by measure) with its picture.
    TTextExtent MeasureItem(const TMenuItem& item, const TBitmapImage* image, const TMenuTextMeasure& measure) const;

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    template <class V>
    void Change(V& field, const V& value) {
        if (field == value) return;
        field = value;
        Repaint();
    }
    // The menus to paint: the attached ones and, while active, those of the owner.
    std::vector<TMenu*> WantedMenus() const;
    void UpdatePainting();
    void Repaint();

    bool active_ = false;
    std::unique_ptr<TFont> font_;
    int iconWidth_ = 24;
    TColor color_ = 0xFFFFFF;
    TColor iconBackColor_ = 0xD1D8DB;
    TColor selectColor_ = 0xEED2C1;
    TColor selectBorderColor_ = 0x6A240A;
    TColor selectFontColor_ = clBlack;
    TColor disabledColor_ = clGray;
    TColor checkedColor_ = 0xE6C1B1;
    std::vector<TMenu*> attached_;
    std::vector<TMenu*> painted_;
};

// Gives a menu the painter's look and takes it back; the Windows layer draws, elsewhere
// there is nothing to draw.
void AttachXPMenuPainter(TXPMenu& painter, TMenu& menu);
void DetachXPMenuPainter(TMenu& menu);
