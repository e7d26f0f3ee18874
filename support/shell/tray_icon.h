// An icon in the shell's notification area: clicks run events, the right button opens a menu.
#pragma once
#include <windows.h>

#include <string>

#include "support/framework/component.h"
#include "support/framework/event.h"
#include "support/menus/popup_menu.h"
#include "support/shell/keyboard_icon.h"

// The message the shell sends to the icon's window; lParam is the mouse message.
constexpr UINT kTrayIconCallbackMessage = WM_APP + 0x51;

class TNITrayIcon : public TComponent {
    PENDREL_CLASS(TNITrayIcon, TComponent)
public:
    explicit TNITrayIcon(TComponent* owner);
    // Takes the icon out of the notification area.
    ~TNITrayIcon() override;

    // The icon is in the notification area while Visible and it has a picture (and, while
    // designing, only with ShowDesigning).
    bool GetVisible() const { return visible_; }
    void SetVisible(bool value);
    const std::string& GetHint() const { return hint_; }
    void SetHint(const std::string& value);
    bool GetShowDesigning() const { return showDesigning_; }
    void SetShowDesigning(bool value);
    // Whether the program keeps its task-bar button besides the icon; the program applies it.
    bool GetShowOnTaskbar() const { return showOnTaskbar_; }
    void SetShowOnTaskbar(bool value) { showOnTaskbar_ = value; }
    TPopupMenu* GetPopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);

    // Shows a copy of icon; the caller keeps its own. Null removes the picture.
    void SetIcon(HICON icon);
    HICON Icon() const { return icon_; }
    // Whether the shell has the icon now: the last add succeeded and nothing removed it since.
    bool IsAdded() const { return added_; }
    // The window that receives the shell's messages about the icon, made when first needed:
    // a program that starts with its icon hidden does not wait for it.
    HWND Wnd() const;

    TEvent<TObject*> OnClick;
    TEvent<TObject*> OnDblClick;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    static LRESULT CALLBACK WindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    static const wchar_t* WindowClassName();
    void HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void MouseEvent(UINT mouseMessage);
    void PopupAtCursor();
    bool Wanted() const;
    // Adds, changes or removes the shell's icon to match the properties.
    void Update();
    bool Notify(DWORD command);

    mutable HWND wnd_ = nullptr;
    HICON icon_ = nullptr;
    TPopupMenu* popupMenu_ = nullptr;
    std::string hint_;
    bool visible_ = true;
    bool showDesigning_ = false;
    bool showOnTaskbar_ = false;
    bool added_ = false;
};
