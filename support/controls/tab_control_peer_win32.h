// The window of a tab control: the system tab control. It tells its parent window of tab
// changes and asks it to draw owner-drawn tabs; a hook on the parent hands both back here.
// Children without a window of their own are painted over the system's drawing.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include "parent_notify_win32.h"
#include "tab_control.h"

class TTabControlPeer : public TWin32WindowPeer, public ITabControlWindow {
public:
    explicit TTabControlPeer(TWinControl& control);
    ~TTabControlPeer() override;

    TRect DisplayArea(int width, int height) const override;
    int TabAt(TPoint position) const override;
    TRect TabArea(int index) const override;
    void ShowHintAt(const std::string& text, TPoint screenPosition) override;
    void HideHint() override;

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Refresh() override;

private:
    TCustomTabControl& TabControl() const { return static_cast<TCustomTabControl&>(Control()); }
    bool ParentNotified(UINT message, LPARAM lParam, LRESULT& result);
    void ShowImages();
    void ShowTabs();
    void Paint();
    TTTOOLINFOW HintTool(wchar_t* text) const;

    HWND hint_ = nullptr;

    TParentNotifyHook hook_;
    HIMAGELIST images_ = nullptr;
};
