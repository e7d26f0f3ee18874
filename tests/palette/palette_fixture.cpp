#include "palette_fixture.h"

#include <commctrl.h>

#include "components/visual/toolbar97/toolbar97_controls.h"
#include "support/controls/tab_control.h"
#include "support/win32/message_loop.h"

PaletteFixture::PaletteFixture() {
    InstallToolbar97Controls();
    form.SetBounds(60, 60, 480, 300);
    form.SetCaption("Palette");
}

void PaletteFixture::ShowForm() {
    form.Show();
    ProcessMessages();
}

void PaletteFixture::ClickAt(TWinControl& window, int x, int y) {
    const LPARAM at = MAKELPARAM(x, y);
    SendMessageW(WndOf(window), WM_MOUSEMOVE, 0, at);
    SendMessageW(WndOf(window), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(WndOf(window), WM_LBUTTONUP, 0, at);
    ProcessMessages();
}

void PaletteFixture::ClickControl(TControl& control) {
    ClickAt(*control.Parent(), control.GetLeft() + control.GetWidth() / 2, control.GetTop() + control.GetHeight() / 2);
}

namespace {
LRESULT NotifyParent(TCustomTabControl& tabs, UINT code) {
    HWND wnd = static_cast<HWND>(tabs.Handle());
    NMHDR header{wnd, static_cast<UINT_PTR>(GetDlgCtrlID(wnd)), code};
    return SendMessageW(GetParent(wnd), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}
}  // namespace

void PaletteFixture::SelectTabInWindow(TCustomTabControl& tabs, int index) {
    SendMessageW(WndOf(tabs), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    NotifyParent(tabs, static_cast<UINT>(TCN_SELCHANGE));
    ProcessMessages();
}

LRESULT PaletteFixture::AskToLeaveTab(TCustomTabControl& tabs) {
    return NotifyParent(tabs, static_cast<UINT>(TCN_SELCHANGING));
}
