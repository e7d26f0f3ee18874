#include "bottons_tab.h"

#include <algorithm>
#include <string>

#include "support/framework/exceptions.h"
#include "support/lib/assertion.h"
#include "support/lib/format.h"
#include "support/menus/image_list.h"
#include "sys_images.h"

PENDREL_IMPLEMENT_CLASS(HCustomBottonsTab)

// The custom class publishes nothing: HBottonsTab publishes what its forms keep.
void HCustomBottonsTab::DeclareProperties(TClassBuilder<HCustomBottonsTab>&) {}

namespace {
// The select button and the two arrows come before the palette buttons.
constexpr int kSpecialButtons = 3;
constexpr int kPaletteGroup = 1;
constexpr int kSelectTag = BTN_SELECT - 1;
constexpr int kLeftTag = BTN_LEFT - 1;
constexpr int kRightTag = BTN_RIGHT - 1;
}  // namespace

HCustomBottonsTab::HCustomBottonsTab(TComponent* owner)
    : TCustomTabControl(owner), systemImages_(std::make_unique<TImageList>(nullptr)) {
    LoadSysImages(*systemImages_);
    HTabButton* select = NewButton();
    select->SetImages(systemImages_.get());
    select->SetImageIndex(BTN_SELECT - 1);
    for (int constant : {BTN_LEFT, BTN_RIGHT}) {
        HTabButton* arrow = NewButton();
        arrow->SetGroupIndex(0);
        arrow->SetAllowAllUp(true);
        arrow->SetImages(systemImages_.get());
        arrow->SetImageIndex(constant - 1);
    }
    // Not a palette button index yet, so that choosing none presses the select button.
    buttonIndex_ = -2;
    SetButtonIndex(-1);
}

HCustomBottonsTab::~HCustomBottonsTab() {
    // The buttons go while the images they show are still there.
    DestroyHandle();
    while (ControlCount() > 0) delete Controls(ControlCount() - 1);
    SetButtonImages(nullptr);
}

int HCustomBottonsTab::GetButtonsCount() const { return std::max(0, ControlCount() - kSpecialButtons); }

HTabButton* HCustomBottonsTab::GetButton(int index) const {
    int child = -1;
    if (index >= 0 && index < GetButtonsCount())
        child = index + kSpecialButtons;
    else if (index >= -BTN_RIGHT && index <= -BTN_SELECT)
        child = -index - 1;
    if (child < 0 || child >= ControlCount()) return nullptr;
    // A button whose Tag is not its place is another's: the child list was tampered with.
    auto* button = dynamic_cast<HTabButton*>(Controls(child));
    return button && button->GetTag() == child ? button : nullptr;
}

HTabButton& HCustomBottonsTab::NeededButton(int index, const char* expression, std::source_location where) const {
    HTabButton* button = GetButton(index);
    if (!button) {
        const int line = static_cast<int>(where.line());
        const std::string message = Message("Assert: [%s] in %s:%d", expression, where.file_name(), line);
        AssertionFailed(message.c_str(), where.file_name(), line);
    }
    return *button;
}

HTabButton* HCustomBottonsTab::NewButton() {
    auto* button = new HTabButton(this);
    button->SetFlat(buttonFlat_);
    button->SetOpaque(buttonOpaque_);
    button->SetAllowAllUp(false);
    button->SetGroupIndex(kPaletteGroup);
    button->OnClick = [this](TObject* sender) { idButtonClick(sender); };
    button->SetImages(buttonImages_);
    button->SetImageIndex(ControlCount() - kSpecialButtons);
    button->SetTag(ControlCount());
    button->SetParent(this);
    if (button->GetTag() >= kSpecialButtons) OnButtonCreated(this, button);
    return button;
}

void HCustomBottonsTab::SetButtonsCount(int count) {
    if (count < 0) throw EInvalidOperation(Message("ButtonsCount cannot be negative (%d)", count));
    if (count == GetButtonsCount()) return;
    while (GetButtonsCount() > count) {
        HTabButton* last = &NeededButton(GetButtonsCount() - 1, "p = Buttons[ ButtonsCount - 1 ]");
        OnButtonDestroyed(this, last);
        delete last;
    }
    while (GetButtonsCount() < count) NewButton();
    // Without a window FormatButtons does not run; the selection must not outlive its button.
    if (buttonIndex_ >= GetButtonsCount()) SetButtonIndex(-1);
    FormatButtons();
}

void HCustomBottonsTab::SetButtonIndex(int index) {
    index = std::clamp(index, -1, GetButtonsCount() - 1);
    if (index == buttonIndex_) return;
    HTabButton& button = index == -1 ? NeededButton(-BTN_SELECT, "p = Buttons[ -BTN_SELECT ]")
                                     : NeededButton(index, "p = Buttons[ i ]");
    buttonIndex_ = index;
    button.SetDown(true);
    OnButtonSelect(this);
}

void HCustomBottonsTab::SetButtonFirst(int value) {
    value = std::clamp(value, 0, std::max(0, GetButtonsCount() - 1));
    ChangeLayout(buttonFirst_, value);
}

void HCustomBottonsTab::idButtonClick(TObject* sender) {
    const auto* button = dynamic_cast<HTabButton*>(sender);
    if (!button) return;
    switch (button->GetTag()) {
        case kSelectTag: SetButtonIndex(-1); break;
        case kLeftTag: SetButtonFirst(buttonFirst_ - 1); break;
        case kRightTag: SetButtonFirst(buttonFirst_ + 1); break;
        default: SetButtonIndex(button->GetTag() - kSpecialButtons);
    }
}

void HCustomBottonsTab::SetButtonFlat(bool value) {
    buttonFlat_ = value;
    NeededButton(-BTN_SELECT, "p = Buttons[ -BTN_SELECT ]").SetFlat(value);
    for (int i = 0; i < GetButtonsCount(); ++i) NeededButton(i, "p = Buttons[ i ]").SetFlat(value);
}

void HCustomBottonsTab::SetButtonOpaque(bool value) {
    buttonOpaque_ = value;
    for (int i = -BTN_RIGHT; i < GetButtonsCount(); ++i) NeededButton(i, "p = Buttons[ i ]").SetOpaque(value);
}

void HCustomBottonsTab::SetButtonImages(TImageList* value) {
    if (value == buttonImages_) return;
    if (buttonImages_) buttonImages_->RemoveFreeNotification(this);
    buttonImages_ = value;
    if (buttonImages_) buttonImages_->FreeNotification(this);
    for (int i = 0; i < GetButtonsCount(); ++i) NeededButton(i, "p = Buttons[ i ]").SetImages(value);
}

void HCustomBottonsTab::Notification(TComponent* component, TOperation operation) {
    TCustomTabControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == buttonImages_) SetButtonImages(nullptr);
}

void HCustomBottonsTab::GetChildren(const std::function<void(TComponent*)>&, TComponent*) {}

PENDREL_IMPLEMENT_CLASS(HBottonsTab)

void HBottonsTab::DeclareProperties(TClassBuilder<HBottonsTab>& c) {
    using B = HBottonsTab;
    DeclareTabControlProperties(c);
    DeclareTabControlCommonProperties(c);
    c.Property("SelectVisible", &B::GetSelectVisible, &B::SetSelectVisible).Default(true);
    c.Property("ArrowsSize", &B::GetArrowsSize, &B::SetArrowsSize).Default(10);
    c.Property("ButtonVMargin", &B::GetButtonVMargin, &B::SetButtonVMargin).Default(1);
    c.Property("ButtonHMargin", &B::GetButtonHMargin, &B::SetButtonHMargin).Default(1);
    c.Property("ButtonHeight", &B::GetButtonHeight, &B::SetButtonHeight).Default(0);
    c.Property("ButtonFlat", &B::GetButtonFlat, &B::SetButtonFlat).Default(true);
    c.Property("ButtonOpaque", &B::GetButtonOpaque, &B::SetButtonOpaque).Default(true);
    c.Property("ButtonsCount", &B::GetButtonsCount, &B::SetButtonsCount).Default(0);
    c.Property("ButtonIndex", &B::GetButtonIndex, &B::SetButtonIndex).Default(-1);
    c.Property("ButtonFirst", &B::GetButtonFirst, &B::SetButtonFirst).Default(0);
    c.Property("ButtonImages", &B::GetButtonImages, &B::SetButtonImages);
    c.Property("PageCount", &B::GetPageCount, &B::SetPageCount).Default(0);
    c.Property("PageIndex", &B::GetPageIndex, &B::SetPageIndex).Default(-1);
    c.Event("OnButtonSelect", &B::OnButtonSelect);
    c.Event("OnButtonCreated", &B::OnButtonCreated);
    c.Event("OnButtonDestroyed", &B::OnButtonDestroyed);
    c.Event("OnPageSelect", &B::OnPageSelect);
}
