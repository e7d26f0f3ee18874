// The system's menus for a TMenu: one HMENU for the root and for each item with sub-items,
// kept in step with the item tree, and the menu messages of the window that shows them.
#pragma once
#include <windows.h>

#include <map>

#include "support/menus/menu.h"

class TWin32MenuPeer : public TMenuPeer {
public:
    explicit TWin32MenuPeer(TMenu& menu);
    ~TWin32MenuPeer() override;
    TWin32MenuPeer(const TWin32MenuPeer&) = delete;
    TWin32MenuPeer& operator=(const TWin32MenuPeer&) = delete;

    void* Handle() override { return RootHandle(); }
    void ItemChanged(TMenuItem& source, bool rebuild) override;

    HMENU RootHandle();
    // The item whose submenu handle is menu; null for none.
    TMenuItem* ItemOfHandle(HMENU menu) const;
    // WM_COMMAND, WM_INITMENUPOPUP, WM_MEASUREITEM and WM_DRAWITEM about this menu's items.
    bool HandleMenuMessage(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    TMenu& Menu() const { return menu_; }
    // A menu bar instead of a popup menu at the root.
    virtual bool IsMenuBar() const { return false; }
    // Something the user sees changed.
    virtual void Redraw() {}

private:
    HMENU HandleOf(TMenuItem& item);
    void Fill(TMenuItem& parent);
    void UpdateEntry(TMenuItem& item);
    MENUITEMINFOW EntryInfo(TMenuItem& item, std::wstring& text);
    bool IsOwnerDrawn(const TMenuItem& item) const;
    // Destroys the handles of items that left the menu or have no sub-items any more.
    void ReleaseUnused();
    void Release(HMENU menu);

    TMenu& menu_;
    std::map<TMenuItem*, HMENU> handles_;
};
