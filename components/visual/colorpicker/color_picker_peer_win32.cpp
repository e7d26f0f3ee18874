#include "color_picker_button.h"
#include "color_picker_windowing_win32.h"
#include "support/win32/container_peer.h"
#include "support/win32/gdi_color.h"
#include "support/win32/gdi_objects.h"
#include "support/win32/window_system.h"

namespace {
constexpr int kArrowRoom = 12;
constexpr int kSwatchInset = 4;

// The button: a raised face with the colour in a framed swatch and a drop-down arrow.
class TColorPickerPeer : public TContainerPeer {
public:
    using TContainerPeer::TContainerPeer;

protected:
    // Space, F4 and Alt+Down open the grid from the keyboard.
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const bool opens = (message == WM_KEYDOWN && (wParam == VK_SPACE || wParam == VK_F4)) ||
                           (message == WM_SYSKEYDOWN && wParam == VK_DOWN);
        if (!opens) return TContainerPeer::WndProc(message, wParam, lParam);
        static_cast<TColorPickerButton&>(Control()).DropDown();
        return 0;
    }

    void PaintClient(HDC dc, const RECT& area) override {
        auto& picker = static_cast<TColorPickerButton&>(Control());
        RECT client{0, 0, picker.GetWidth(), picker.GetHeight()};
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);

        RECT swatch{kSwatchInset, kSwatchInset, client.right - kSwatchInset - kArrowRoom, client.bottom - kSwatchInset};
        if (swatch.right > swatch.left && swatch.bottom > swatch.top) {
            const TSolidBrush fill(ColorRefOf(picker.GetEnabled() ? picker.GetSelectedColor() : clBtnFace));
            FillRect(dc, &swatch, fill.Get());
            FrameRect(dc, &swatch, GetSysColorBrush(picker.GetEnabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        }
        PaintArrow(dc, client, picker.GetEnabled());
    }

private:
    static void PaintArrow(HDC dc, const RECT& client, bool enabled) {
        const int centerX = client.right - kSwatchInset - kArrowRoom / 2;
        const int centerY = (client.top + client.bottom) / 2;
        const TSolidBrush brush(GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        for (int row = 0; row < 3; ++row) {
            RECT line{centerX - 3 + row, centerY - 1 + row, centerX + 4 - row, centerY + row};
            FillRect(dc, &line, brush.Get());
        }
    }
};
}  // namespace

void InstallColorPickerWindowing() {
    static bool installed = false;
    if (installed) return;
    InstallWin32WindowSystem();
    RegisterWindowPeerMaker(TColorPickerButton::StaticClass(), MakeWindowPeer<TColorPickerPeer>);
    SetColorPaletteOpener(&OpenColorPalette);
    installed = true;
}
