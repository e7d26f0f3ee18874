#include "support/menus/menu_peer_win32.h"

#include <set>
#include <vector>

#include "support/menus/menu_draw_win32.h"
#include "support/menus/menu_item_text.h"
#include "support/win32/wide_text.h"
#include "support/win32/win32_error.h"

namespace {
void RemoveAllEntries(HMENU menu) {
    // By position, which leaves submenus alive: they belong to their own items.
    while (GetMenuItemCount(menu) > 0) RemoveMenu(menu, 0, MF_BYPOSITION);
}

int VisiblePosition(const TMenuItem& item) {
    int position = 0;
    for (int i = 0; i < item.MenuIndex(); ++i)
        if (item.Parent()->Items(i)->GetVisible()) ++position;
    return position;
}
}  // namespace

TWin32MenuPeer::TWin32MenuPeer(TMenu& menu) : menu_(menu) {}

TWin32MenuPeer::~TWin32MenuPeer() {
    for (const auto& [item, handle] : handles_) RemoveAllEntries(handle);
    for (const auto& [item, handle] : handles_) DestroyMenu(handle);
}

HMENU TWin32MenuPeer::RootHandle() { return HandleOf(*menu_.Items()); }

HMENU TWin32MenuPeer::HandleOf(TMenuItem& item) {
    if (const auto found = handles_.find(&item); found != handles_.end()) return found->second;
    const bool bar = &item == menu_.Items() && IsMenuBar();
    const HMENU handle = bar ? CreateMenu() : CreatePopupMenu();
    if (!handle) RaiseLastWin32Error("Cannot create a menu");
    handles_.emplace(&item, handle);
    Fill(item);
    return handle;
}

TMenuItem* TWin32MenuPeer::ItemOfHandle(HMENU menu) const {
    for (const auto& [item, handle] : handles_)
        if (handle == menu) return item;
    return nullptr;
}

void TWin32MenuPeer::ItemChanged(TMenuItem& source, bool rebuild) {
    if (handles_.empty()) return;  // nothing made yet: the first use builds from the tree
    if (!rebuild) {
        UpdateEntry(source);
    } else {
        if (handles_.count(&source) || source.Count() > 0) Fill(source);
        if (source.Parent() && handles_.count(source.Parent())) Fill(*source.Parent());
        ReleaseUnused();
    }
    Redraw();
}

void TWin32MenuPeer::Fill(TMenuItem& parent) {
    const HMENU menu = HandleOf(parent);
    RemoveAllEntries(menu);
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem& item = *parent.Items(i);
        if (!item.GetVisible()) continue;
        std::wstring text;
        const MENUITEMINFOW info = EntryInfo(item, text);
        if (!InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info)) RaiseLastWin32Error("Cannot add a menu item");
    }
}

void TWin32MenuPeer::UpdateEntry(TMenuItem& item) {
    TMenuItem* parent = item.Parent();
    if (!parent || !item.GetVisible()) return;
    const auto found = handles_.find(parent);
    if (found == handles_.end()) return;
    std::wstring text;
    const MENUITEMINFOW info = EntryInfo(item, text);
    SetMenuItemInfoW(found->second, VisiblePosition(item), TRUE, &info);
}

MENUITEMINFOW TWin32MenuPeer::EntryInfo(TMenuItem& item, std::wstring& text) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
    info.fType = item.IsLine() ? MFT_SEPARATOR : 0;
    if (item.GetRadioItem()) info.fType |= MFT_RADIOCHECK;
    if (!item.IsLine() && IsOwnerDrawn(item)) info.fType |= MFT_OWNERDRAW;
    info.fState = (item.GetChecked() ? MFS_CHECKED : 0) | (item.GetEnabled() ? 0 : MFS_DISABLED);
    info.wID = static_cast<UINT>(item.Command());
    info.dwItemData = static_cast<ULONG_PTR>(item.Command());
    info.hSubMenu = item.Count() > 0 ? HandleOf(item) : nullptr;
    text = Utf8ToWide(MenuItemText(item));
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    return info;
}

bool TWin32MenuPeer::IsOwnerDrawn(const TMenuItem& item) const {
    const bool onBar = item.Parent() == menu_.Items() && IsMenuBar();
    return !onBar && (menu_.GetOwnerDraw() || menu_.ItemImage(item));
}

void TWin32MenuPeer::ReleaseUnused() {
    std::set<TMenuItem*> used{menu_.Items()};
    ForEachMenuItem(menu_.Items(), [&used](TMenuItem* item) {
        if (item->Count() > 0) used.insert(item);
    });
    std::vector<HMENU> unused;
    for (auto it = handles_.begin(); it != handles_.end();) {
        if (used.count(it->first)) {
            ++it;
            continue;
        }
        unused.push_back(it->second);
        it = handles_.erase(it);
    }
    // Emptied first, so that no destroyed menu takes a live submenu with it.
    for (HMENU menu : unused) RemoveAllEntries(menu);
    for (HMENU menu : unused) DestroyMenu(menu);
}

bool TWin32MenuPeer::HandleMenuMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
        case WM_COMMAND:
            return HIWORD(wParam) == 0 && lParam == 0 && menu_.DispatchCommand(LOWORD(wParam));
        case WM_INITMENUPOPUP:
            return menu_.DispatchPopup(ItemOfHandle(reinterpret_cast<HMENU>(wParam)));
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (wParam != 0 || measure->CtlType != ODT_MENU) return false;
            const TMenuItem* item = FindMenuItemByCommand(static_cast<int>(measure->itemData));
            if (!item || item->GetMenu() != &menu_) return false;
            MeasureOwnerDrawnItem(menu_, *item, *measure);
            result = TRUE;
            return true;
        }
        case WM_DRAWITEM: {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (wParam != 0 || draw->CtlType != ODT_MENU) return false;
            const TMenuItem* item = FindMenuItemByCommand(static_cast<int>(draw->itemData));
            if (!item || item->GetMenu() != &menu_) return false;
            DrawOwnerDrawnItem(menu_, *item, *draw);
            result = TRUE;
            return true;
        }
        default:
            return false;
    }
}
