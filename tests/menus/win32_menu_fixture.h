// A form with a main menu of HMenuItems under Wine, and what the system's menus say about it.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "checker_log.h"
#include "components/visual/menus/h_main_menu.h"
#include "support/menus/menu_item_layout.h"
#include "support/menus/menu_system_win32.h"
#include "support/win32/form.h"
#include "support/win32/message_loop.h"
#include "support/win32/window_system.h"

inline HWND WndOf(TWinControl& control) { return static_cast<HWND>(control.Handle()); }

inline std::wstring EntryText(HMENU menu, int position) {
    wchar_t text[256] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
    return text;
}

inline UINT EntryType(HMENU menu, int position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    return info.fType;
}

class MenuFormFixture : public ::testing::Test {
protected:
    MenuFormFixture() {
        InstallWin32WindowSystem();
        InstallWin32MenuSystem();
        form.SetCaption("Menus");
        file = AddItem(&form, menu->Items(), "&File", 10);
        open = AddItem(&form, file, "&Open", 11);
        save = AddItem(&form, file, "&Save", 12);
        save->SetShortCut(ShortCut('S', ssCtrl));
        recent = AddItem(&form, file, "Recent", 13);
        first = AddItem(&form, recent, "first.osk", 14);
        help = AddItem(&form, menu->Items(), "&Help", 20);
        about = AddItem(&form, help, "&About", 21);
        menu->SetWindow(&form);
    }
    ~MenuFormFixture() override {
        BYTE keys[256] = {};
        SetKeyboardState(keys);
    }

    HMENU Bar() { return GetMenu(WndOf(form)); }
    HMENU FileMenu() { return GetSubMenu(Bar(), 0); }
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) { return SendMessageW(WndOf(form), message, wParam, lParam); }
    void OpenSubmenu(HMENU submenu) { Send(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(submenu), 0); }
    static void HoldKey(BYTE key, bool down) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[key] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }

    TForm form{nullptr};
    HMainMenu* menu = new HMainMenu(&form);
    HMenuItem *file, *open, *save, *recent, *first, *help, *about;
};
