#include "support/dialogs/message_box_dialog.h"

#include "support/dialogs/core/message_box_flags.h"
#include "support/dialogs/help_file.h"

namespace {
TMessageBoxState& StateOf(HWND dialog) {
    return *reinterpret_cast<TMessageBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

bool HasButton(const TMessageBoxState& state, int id) {
    for (const auto& button : state.Buttons)
        if (button.Id == id) return true;
    return false;
}

void InitDialog(HWND dialog, TMessageBoxState& state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
    if (state.Icon) SendDlgItemMessageW(dialog, kXMBIconId, STM_SETICON, reinterpret_cast<WPARAM>(state.Icon), 0);
    if (XMBEscapeResult(state.Buttons) == 0)
        EnableMenuItem(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    if (state.Flags & XMB_SYSTEMMODAL)
        SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetFocus(GetDlgItem(dialog, state.Buttons[state.DefaultButton].Id));
    SetForegroundWindow(dialog);
}

void EndWith(HWND dialog, const TMessageBoxState& state, int buttonId) {
    bool checked = IsDlgButtonChecked(dialog, kXMBCheckBoxId) == BST_CHECKED;
    EndDialog(dialog, XMBResultOf(buttonId, state.Flags, checked));
}

// Escape, the close box and Cancel all arrive as IDCANCEL.
void Command(HWND dialog, TMessageBoxState& state, int id) {
    if (id == IDCANCEL && !HasButton(state, IDCANCEL)) {
        if (int result = XMBEscapeResult(state.Buttons)) EndWith(dialog, state, result);
        return;
    }
    if (id == XMB_IDHELP && HasButton(state, XMB_IDHELP)) {
        ShowProgramHelp(dialog, state.HelpContext);
        return;
    }
    if (HasButton(state, id)) EndWith(dialog, state, id);
}

INT_PTR CALLBACK MessageBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            InitDialog(dialog, *reinterpret_cast<TMessageBoxState*>(lParam));
            return FALSE;  // the focus is set
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) Command(dialog, StateOf(dialog), LOWORD(wParam));
            return TRUE;
        default:
            return FALSE;
    }
}
}  // namespace

INT_PTR RunMessageBoxDialog(HWND owner, const void* dialogTemplate, TMessageBoxState& state) {
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), static_cast<LPCDLGTEMPLATEW>(dialogTemplate), owner,
                                   MessageBoxProc, reinterpret_cast<LPARAM>(&state));
}
