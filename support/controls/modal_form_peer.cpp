#include "modal_form_peer.h"

void TModalFormPeer::CreateParams(TCreateParams& params) {
    TScrollingPeer::CreateParams(params);
    params.Style = (params.Style & (WS_VISIBLE | WS_DISABLED)) | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                   WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
    if (TComponent* owner = Control().Owner())
        if (auto* ownerControl = dynamic_cast<TWinControl*>(owner); ownerControl && ownerControl->HandleAllocated())
            params.Parent = static_cast<HWND>(ownerControl->Handle());
}

LRESULT TModalFormPeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // IsDialogMessage turns Enter and Esc into IDOK and IDCANCEL without a control window:
    // none of our controls has these ids.
    if (message == WM_COMMAND && lParam == 0 && HIWORD(wParam) == 0 && LOWORD(wParam) == IDOK) {
        Form().PressDefaultButton();
        return 0;
    }
    if (message == WM_COMMAND && lParam == 0 && HIWORD(wParam) == 0 && LOWORD(wParam) == IDCANCEL) {
        Form().PressCancelButton();
        return 0;
    }
    if (message == WM_CLOSE && Form().IsModal()) {
        Form().SetModalResult(mrCancel);
        return 0;
    }
    return TScrollingPeer::WndProc(message, wParam, lParam);
}
