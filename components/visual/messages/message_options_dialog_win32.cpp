#include "components/visual/messages/message_options_dialog_win32.h"

#include <algorithm>
#include <string>

#include "support/dialogs/core/dialog_template.h"
#include "support/framework/utf_text.h"
#include "support/framework/language.h"

namespace {
constexpr WORD kTimestampId = 201, kLogId = 202, kFilterId = 210, kMaxItemsId = 220, kActivateId = 221,
               kCloseActionId = 222;
constexpr int kWidth = 230;

constexpr TLocalizedText kCaption{"Message window options", "Параметры окна сообщений"};
constexpr TLocalizedText kTimestamp{"Show the time of each message", "Показывать время сообщений"};
constexpr TLocalizedText kLog{"Also write messages to the log", "Записывать сообщения в журнал"};
constexpr TLocalizedText kHide{"Hide from the list:", "Скрывать в списке:"};
constexpr TLocalizedText kMaxItems{"Most messages kept (0: 2000):", "Хранить сообщений (0: 2000):"};
constexpr TLocalizedText kActivate{"Show the window from:", "Показывать окно начиная с:"};
constexpr TLocalizedText kCloseAction{"Closing the window:", "Закрытие окна:"};
constexpr TLocalizedText kCloseActions[3] = {
    {"hides it", "скрывает его"}, {"destroys it", "уничтожает его"}, {"minimises it", "сворачивает его"}};
constexpr TLocalizedText kCancel{"Cancel", "Отменить"};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kCheck = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kCombo = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

std::vector<uint8_t> BuildTemplate() {
    TDialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER, 0,
                           {0, 0, kWidth, 178}, kCaption.Get(), 8, "MS Shell Dlg");
    dialog.Add({kCheck, 0, {7, 7, 216, 10}, kTimestampId, TDialogItemClass::Button, kTimestamp.Get()});
    dialog.Add({kCheck, 0, {7, 20, 216, 10}, kLogId, TDialogItemClass::Button, kLog.Get()});
    dialog.Add({kChild, 0, {7, 36, 216, 8}, 0xFFFF, TDialogItemClass::Static, kHide.Get()});
    for (int kind = 0; kind < kHiIconCount; ++kind)
        dialog.Add({kCheck, 0, {14 + (kind % 2) * 105, 47 + (kind / 2) * 13, 100, 10},
                    static_cast<uint16_t>(kFilterId + kind), TDialogItemClass::Button, HiIconName(kind)});
    dialog.Add({kChild, 0, {7, 78, 140, 8}, 0xFFFF, TDialogItemClass::Static, kMaxItems.Get()});
    dialog.Add({kChild | WS_TABSTOP | WS_BORDER | ES_NUMBER | ES_AUTOHSCROLL, 0, {150, 76, 73, 12}, kMaxItemsId,
                TDialogItemClass::Edit, ""});
    dialog.Add({kChild, 0, {7, 98, 100, 8}, 0xFFFF, TDialogItemClass::Static, kActivate.Get()});
    dialog.Add({kCombo, 0, {110, 96, 113, 80}, kActivateId, TDialogItemClass::ComboBox, ""});
    dialog.Add({kChild, 0, {7, 118, 100, 8}, 0xFFFF, TDialogItemClass::Static, kCloseAction.Get()});
    dialog.Add({kCombo, 0, {110, 116, 113, 60}, kCloseActionId, TDialogItemClass::ComboBox, ""});
    dialog.Add({kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, {kWidth - 112, 157, 50, 14}, IDOK,
                TDialogItemClass::Button, "OK"});
    dialog.Add({kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, {kWidth - 57, 157, 50, 14}, IDCANCEL,
                TDialogItemClass::Button, kCancel.Get()});
    return dialog.Bytes();
}

void AddComboText(HWND combo, const char* text) {
    std::u16string wide = Utf8ToUtf16(text);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void Load(HWND dialog, const HiInfoOptions& options) {
    CheckDlgButton(dialog, kTimestampId, options.Timestamp ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, kLogId, options.LogToFile ? BST_CHECKED : BST_UNCHECKED);
    for (int kind = 0; kind < kHiIconCount; ++kind)
        CheckDlgButton(dialog, kFilterId + kind, options.Flt[kind] ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemInt(dialog, kMaxItemsId, options.MaxItems > 0 ? options.MaxItems : 0, FALSE);
    HWND activate = GetDlgItem(dialog, kActivateId);
    for (int kind = 0; kind < kHiIconCount; ++kind) AddComboText(activate, HiIconName(kind));
    SendMessageW(activate, CB_SETCURSEL, std::clamp(options.ActivateMin, 0, kHiIconCount - 1), 0);
    HWND closeAction = GetDlgItem(dialog, kCloseActionId);
    for (const auto& text : kCloseActions) AddComboText(closeAction, text.Get());
    SendMessageW(closeAction, CB_SETCURSEL, std::clamp(options.CloseAction, 1, 3) - 1, 0);
}

void Store(HWND dialog, HiInfoOptions& options) {
    options.Timestamp = IsDlgButtonChecked(dialog, kTimestampId) == BST_CHECKED;
    options.LogToFile = IsDlgButtonChecked(dialog, kLogId) == BST_CHECKED;
    for (int kind = 0; kind < kHiIconCount; ++kind)
        options.Flt[kind] = IsDlgButtonChecked(dialog, kFilterId + kind) == BST_CHECKED;
    BOOL valid = FALSE;
    UINT maxItems = GetDlgItemInt(dialog, kMaxItemsId, &valid, FALSE);
    options.MaxItems = valid ? static_cast<int>(std::min<UINT>(maxItems, kHiMaxItemLimit)) : 0;
    options.ActivateMin = static_cast<int>(SendDlgItemMessageW(dialog, kActivateId, CB_GETCURSEL, 0, 0));
    options.CloseAction = static_cast<int>(SendDlgItemMessageW(dialog, kCloseActionId, CB_GETCURSEL, 0, 0)) + 1;
}

INT_PTR CALLBACK OptionsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            Load(dialog, *reinterpret_cast<HiInfoOptions*>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                Store(dialog, *reinterpret_cast<HiInfoOptions*>(GetWindowLongPtrW(dialog, DWLP_USER)));
                EndDialog(dialog, IDOK);
            } else if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
            }
            return TRUE;
        default:
            return FALSE;
    }
}
}  // namespace

bool EditMessageOptions(HWND owner, HiInfoOptions& options) {
    std::vector<uint8_t> dialogTemplate = BuildTemplate();
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()),
                                   owner, OptionsProc, reinterpret_cast<LPARAM>(&options)) == IDOK;
}
