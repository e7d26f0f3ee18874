#include "xp_menu.h"

#include <algorithm>

#include "support/framework/class_builder.h"
#include "support/menus/menu_item_text.h"

PENDREL_IMPLEMENT_CLASS(TXPMenu)

namespace {
constexpr int kMinIconWidth = 16;
constexpr int kItemHeightMargin = 4;   // above and below the icon
constexpr int kTextGap = 8;            // between the icon column and the caption
constexpr int kShortCutGap = 20;
constexpr int kArrowRoom = 16;
constexpr int kSeparatorHeight = 3;
}  // namespace

void TXPMenu::DeclareProperties(TClassBuilder<TXPMenu>& c) {
    using M = TXPMenu;
    c.Property("Active", &M::GetActive, &M::SetActive).Default(false);
    c.Property("CheckedColor", &M::GetCheckedColor, &M::SetCheckedColor).Type(ColorTypeInfo()).Default(0xE6C1B1);
    c.Property("Color", &M::GetColor, &M::SetColor).Type(ColorTypeInfo()).Default(0xFFFFFF);
    c.Property("DisabledColor", &M::GetDisabledColor, &M::SetDisabledColor).Type(ColorTypeInfo()).Default(clGray);
    c.Property("Font", &M::GetFont, &M::SetFont);
    c.Property("IconBackColor", &M::GetIconBackColor, &M::SetIconBackColor).Type(ColorTypeInfo()).Default(0xD1D8DB);
    c.Property("IconWidth", &M::GetIconWidth, &M::SetIconWidth).Default(24);
    c.Property("SelectBorderColor", &M::GetSelectBorderColor, &M::SetSelectBorderColor).Type(ColorTypeInfo()).Default(0x6A240A);
    c.Property("SelectColor", &M::GetSelectColor, &M::SetSelectColor).Type(ColorTypeInfo()).Default(0xEED2C1);
    c.Property("SelectFontColor", &M::GetSelectFontColor, &M::SetSelectFontColor).Type(ColorTypeInfo()).Default(clBlack);
}

TXPMenu::TXPMenu(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
    font_->SetName("Tahoma");
    font_->SetHeight(-11);
    font_->SetColor(clBlack);
    font_->OnChange = [this](TObject*) { Repaint(); };
}

TXPMenu::~TXPMenu() {
    for (TMenu* menu : painted_) {
        DetachXPMenuPainter(*menu);
        menu->RemoveFreeNotification(this);
    }
}

void TXPMenu::SetActive(bool value) {
    if (value == active_) return;
    active_ = value;
    UpdatePainting();
}

void TXPMenu::SetIconWidth(int value) {
    value = std::max(value, kMinIconWidth);
    if (value == iconWidth_) return;
    iconWidth_ = value;
    Repaint();
}

void TXPMenu::Attach(TMenu* menu) {
    if (!menu || std::find(attached_.begin(), attached_.end(), menu) != attached_.end()) return;
    attached_.push_back(menu);
    menu->FreeNotification(this);
    UpdatePainting();
}

void TXPMenu::Detach(TMenu* menu) {
    attached_.erase(std::remove(attached_.begin(), attached_.end(), menu), attached_.end());
    UpdatePainting();
}

std::vector<TMenu*> TXPMenu::WantedMenus() const {
    if (!active_ || Designing() || IsLoading()) return {};
    std::vector<TMenu*> wanted = attached_;
    if (TComponent* owner = Owner())
        for (int i = 0; i < owner->ComponentCount(); ++i)
            if (auto* menu = dynamic_cast<TMenu*>(owner->Components(i)))
                if (std::find(wanted.begin(), wanted.end(), menu) == wanted.end()) wanted.push_back(menu);
    return wanted;
}

void TXPMenu::UpdatePainting() {
    const std::vector<TMenu*> wanted = WantedMenus();
    for (TMenu* menu : std::vector<TMenu*>(painted_))
        if (std::find(wanted.begin(), wanted.end(), menu) == wanted.end()) {
            DetachXPMenuPainter(*menu);
            painted_.erase(std::find(painted_.begin(), painted_.end(), menu));
        }
    for (TMenu* menu : wanted)
        if (std::find(painted_.begin(), painted_.end(), menu) == painted_.end()) {
            painted_.push_back(menu);
            menu->FreeNotification(this);
            AttachXPMenuPainter(*this, *menu);
        }
}

void TXPMenu::Repaint() {
    // Attaching again makes the system ask for every item's size anew.
    for (TMenu* menu : painted_) AttachXPMenuPainter(*this, *menu);
}

void TXPMenu::Loaded() {
    TComponent::Loaded();
    UpdatePainting();
}

void TXPMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opInsert) {
        if (dynamic_cast<TMenu*>(component) && component->Owner() == Owner()) UpdatePainting();
        return;
    }
    // A menu being destroyed is a TMenu no more: it is found by its address.
    const auto same = [component](TMenu* menu) { return static_cast<TComponent*>(menu) == component; };
    attached_.erase(std::remove_if(attached_.begin(), attached_.end(), same), attached_.end());
    const auto it = std::find_if(painted_.begin(), painted_.end(), same);
    if (it == painted_.end()) return;
    DetachXPMenuPainter(**it);
    painted_.erase(it);
}

TTextExtent TXPMenu::MeasureItem(const TMenuItem& item, const TBitmapImage* image, const TMenuTextMeasure& measure) const {
    if (item.IsLine()) return {iconWidth_, kSeparatorHeight};
    const std::string text = MenuItemText(item);
    const TTextExtent caption = measure(MenuTextCaption(text));
    int width = iconWidth_ + kTextGap + caption.Width + kArrowRoom;
    int textHeight = caption.Height;
    const std::string shortCut = MenuTextShortCut(text);
    if (!shortCut.empty()) {
        const TTextExtent shortCutSize = measure(shortCut);
        width += kShortCutGap + shortCutSize.Width;
        textHeight = std::max(textHeight, shortCutSize.Height);
    }
    const int iconHeight = std::max(image ? image->Height() : 0, iconWidth_ - kItemHeightMargin);
    return {width, std::max(textHeight, iconHeight) + kItemHeightMargin};
}
