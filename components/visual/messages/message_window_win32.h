// The message window on the screen: the list, and buttons to close it, set its options,
// clear it and save it as text.
#pragma once
#include <windows.h>

#include "components/visual/messages/message_center.h"

class HiMessageWindow : public HiMessageView {
public:
    ~HiMessageWindow() override;
    void Attach(HiMessageCenter& center) { center_ = &center; }
    HWND Handle() const { return window_; }

    bool Exists() const override { return window_ != nullptr; }
    void Create(void* owner) override;
    void Destroy() override;
    void Show() override;
    void Hide() override;
    void Minimize() override;
    bool Visible() const override;
    void Refresh() override;
    void ApplyOptions() override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void LayOut();
    void DrawItem(const DRAWITEMSTRUCT& item);
    void Command(int id);
    void SaveAsText();
    void KeepPlacement();

    HiMessageCenter* center_ = nullptr;
    HWND window_ = nullptr;
    HWND list_ = nullptr;
    HWND buttons_[4] = {};
    HFONT font_ = nullptr;
};
