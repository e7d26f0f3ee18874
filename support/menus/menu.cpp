#include "support/menus/menu.h"

namespace {
TMenuPeerFactory& PeerFactory() {
    static TMenuPeerFactory factory;
    return factory;
}

TModifierKeyReader& ModifierReader() {
    static TModifierKeyReader reader = nullptr;
    return reader;
}

TMenuItem* FindByShortCut(TMenuItem* parent, TShortCut shortCut) {
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (item->GetShortCut() == shortCut) return item;
        if (TMenuItem* found = FindByShortCut(item, shortCut)) return found;
    }
    return nullptr;
}
}  // namespace

void SetMenuPeerFactory(TMenuPeerFactory factory) { PeerFactory() = std::move(factory); }

void SetModifierKeyReader(TModifierKeyReader reader) { ModifierReader() = reader; }

TShiftState ModifierKeysDown() { return ModifierReader() ? ModifierReader()() & (ssShift | ssCtrl) : 0; }

void ForEachMenuItem(TMenuItem* item, const std::function<void(TMenuItem*)>& visit) {
    for (int i = 0; i < item->Count(); ++i) {
        TMenuItem* child = item->Items(i);
        visit(child);
        ForEachMenuItem(child, visit);
    }
}

PENDREL_IMPLEMENT_CLASS(TMenu)

void TMenu::DeclareProperties(TClassBuilder<TMenu>& c) {
    c.Property("Images", &TMenu::GetImages, &TMenu::SetImages);
    c.Property("OwnerDraw", &TMenu::GetOwnerDraw, &TMenu::SetOwnerDraw).Default(false);
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() {
    // The system's menus go first, while every item they show still exists.
    peer_.reset();
    delete items_;
}

void TMenu::SetImages(TImageList* images) {
    if (images == images_) return;
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
    RefreshAll();
}

void TMenu::SetOwnerDraw(bool value) {
    if (value == ownerDraw_) return;
    ownerDraw_ = value;
    RefreshAll();
}

const TBitmapImage* TMenu::ItemImage(const TMenuItem& item) const {
    if (item.GetBitmap()) return item.GetBitmap();
    if (images_ && item.GetImageIndex() >= 0 && item.GetImageIndex() < images_->Count())
        return &images_->Image(item.GetImageIndex());
    return nullptr;
}

TMenuItem* TMenu::FindItemByShortCut(TShortCut shortCut) const {
    return shortCut == 0 ? nullptr : FindByShortCut(items_, shortCut);
}

TShortCut TMenu::ShortCutOfKey(const TKeyMessage& message) {
    TShiftState shift = ModifierKeysDown();
    if (message.KeyData & kKeyDataAltDown) shift |= ssAlt;
    return ShortCut(message.CharCode & 0xFF, shift);
}

bool TMenu::IsShortCut(const TKeyMessage& message) {
    TMenuItem* item = FindItemByShortCut(ShortCutOfKey(message));
    if (!item || !item->GetEnabled()) return false;
    item->Click();
    return true;
}

bool TMenu::DispatchCommand(int command) {
    TMenuItem* item = FindMenuItemByCommand(command);
    if (!item || item->GetMenu() != this) return false;
    item->Click();
    return true;
}

bool TMenu::DispatchPopup(TMenuItem* item) {
    if (!item || item->GetMenu() != this) return false;
    item->Click();
    return true;
}

void* TMenu::Handle() {
    PeerNeeded();
    return peer_ ? peer_->Handle() : nullptr;
}

void TMenu::PeerNeeded() {
    if (!peer_ && PeerFactory()) peer_ = PeerFactory()(*this);
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    items_->GetChildren(proc, root);
}

void TMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) {
        images_ = nullptr;
        RefreshAll();
    }
}

void TMenu::DoChange(TMenuItem* source, bool rebuild) { OnChange(this, source, rebuild); }

void TMenu::RefreshAll() {
    if (peer_) ForEachMenuItem(items_, [this](TMenuItem* item) { peer_->ItemChanged(*item, false); });
    DoChange(items_, false);
}

void TMenu::ItemChanged(TMenuItem* source, bool rebuild) {
    if (ComponentState() & csDestroying) return;
    if (peer_) peer_->ItemChanged(*source, rebuild);
    DoChange(source, rebuild);
}
