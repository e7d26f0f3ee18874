// Menus: a tree of items under one root, their images, shortcuts and a window-system side.
#pragma once
#include <functional>
#include <memory>

#include "support/framework/component.h"
#include "support/menus/image_list.h"
#include "support/menus/menu_item.h"

class TMenu;

// A key as a window reports it: the virtual-key code and the key data (repeat count, scan
// code, flags; bit 29 set while Alt is down).
struct TKeyMessage {
    uint16_t CharCode = 0;
    int32_t KeyData = 0;
};
inline constexpr int32_t kKeyDataAltDown = 0x20000000;

// The window system's side of a menu. The portable core has none; the Windows layer
// installs a factory that makes real menus.
class TMenuPeer {
public:
    virtual ~TMenuPeer() = default;
    // The system's menu for the root item.
    virtual void* Handle() = 0;
    // source's look (caption, state, image) changed, or with rebuild its list of sub-items or its visibility.
    virtual void ItemChanged(TMenuItem& source, bool rebuild) = 0;
    // Main menus: the window the menu belongs to changed.
    virtual void WindowChanged() {}
    // Popup menus: shows the menu at a screen position and returns when it closes.
    virtual void Popup(int /*x*/, int /*y*/) {}
};
using TMenuPeerFactory = std::function<std::unique_ptr<TMenuPeer>(TMenu&)>;
void SetMenuPeerFactory(TMenuPeerFactory factory);

// Which of Shift and Ctrl are down now; the Windows layer installs the system's answer.
// Without one, no modifier is down.
using TModifierKeyReader = TShiftState (*)();
void SetModifierKeyReader(TModifierKeyReader reader);
TShiftState ModifierKeysDown();

class TMenu : public TComponent {
    PENDREL_CLASS(TMenu, TComponent)
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    TMenuItem* Items() const { return items_; }
    TImageList* GetImages() const { return images_; }
    void SetImages(TImageList* images);
    // Owner-drawn menus draw every item themselves; items with a picture are always drawn so.
    bool GetOwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool value);
    // The picture of an item: its bitmap, else its image in the image list; null when it has none.
    const TBitmapImage* ItemImage(const TMenuItem& item) const;

    // The item with that shortcut, depth first; null when none has it.
    TMenuItem* FindItemByShortCut(TShortCut shortCut) const;
    // The shortcut a key forms with the modifier keys down (ModifierKeysDown) and Alt from the key data.
    static TShortCut ShortCutOfKey(const TKeyMessage& message);
    // Clicks the enabled item whose shortcut the key forms; false when none does.
    virtual bool IsShortCut(const TKeyMessage& message);
    // Clicks the item of the command if it belongs to this menu; false when none does.
    bool DispatchCommand(int command);
    // The submenu of item is about to open: clicks it, so that its handler prepares the items.
    bool DispatchPopup(TMenuItem* item);

    // The window system's menu, made on first use; null without a window system.
    void* Handle();
    bool HandleAllocated() const { return peer_ != nullptr; }
    TMenuPeer* Peer() const { return peer_.get(); }

    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    void Notification(TComponent* component, TOperation operation) override;

    // Sender, source item, rebuild.
    TEvent<TObject*, TMenuItem*, bool> OnChange;

protected:
    // An item of the menu changed; runs OnChange.
    virtual void DoChange(TMenuItem* source, bool rebuild);
    // Makes the window system's side when a window system is installed.
    void PeerNeeded();
    // The whole menu changed (images, drawing): every item is redrawn.
    void RefreshAll();

private:
    friend class TMenuItem;
    void ItemChanged(TMenuItem* source, bool rebuild);

    TMenuItem* items_;
    TImageList* images_ = nullptr;
    bool ownerDraw_ = false;
    std::unique_ptr<TMenuPeer> peer_;
};

// Walks the sub-items of item depth first, parents before their sub-items.
void ForEachMenuItem(TMenuItem* item, const std::function<void(TMenuItem*)>& visit);
