// Steps for driving the editor dialog from a modal robot: typing into its memo and the keys
// the dialog answers, as window messages.
#pragma once
#include <windows.h>

#include <string>

#include "support/editor/multiline_editor_form.h"
#include "modal_robot.h"
#include "support/controls/memo.h"

inline THMultilineEditorForm& EditorOf(TModalForm& form) { return dynamic_cast<THMultilineEditorForm&>(form); }

// Characters typed into the memo at its caret, one WM_CHAR each.
inline TModalRobot::TStep TypeIntoMemo(std::wstring text) {
    return [text](TModalForm& form, HWND) {
        const HWND memo = static_cast<HWND>(EditorOf(form).Memo->Handle());
        for (wchar_t ch : text) SendMessageW(memo, WM_CHAR, ch, 1);
    };
}

// Holds Ctrl down as far as this thread's keyboard state tells; posted keys carry no state.
inline void HoldControl(bool down) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = state[VK_LCONTROL] = down ? 0x80 : 0;
    SetKeyboardState(state);
}
