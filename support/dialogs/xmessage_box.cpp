#include "support/dialogs/xmessage_box.h"

#include <new>
#include <string>

#include "support/dialogs/core/dialog_template.h"
#include "support/dialogs/core/message_box_layout.h"
#include "support/dialogs/core/message_texts.h"
#include "support/framework/utf_text.h"
#include "support/dialogs/message_box_dialog.h"
#include "support/dialogs/message_font.h"
#include "support/lib/file_log.h"
#include "support/lib/paths.h"

namespace {
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER;

struct TMessageBoxParts {
    std::string Text;
    std::string Caption;
    std::string CheckBoxText;  // empty without a check box
    std::vector<std::string> ButtonTexts;
    SIZE IconSize{};
};

std::wstring Wide(const std::string& text) {
    std::u16string wide = Utf8ToUtf16(text);
    return {wide.begin(), wide.end()};
}

HICON StandardIcon(unsigned flags) {
    switch (flags & XMB_ICONMASK) {
        case XMB_ICONERROR: return LoadIconA(nullptr, IDI_HAND);
        case XMB_ICONQUESTION: return LoadIconA(nullptr, IDI_QUESTION);
        case XMB_ICONEXCLAMATION: return LoadIconA(nullptr, IDI_EXCLAMATION);
        case XMB_ICONINFORMATION: return LoadIconA(nullptr, IDI_ASTERISK);
        default: return nullptr;
    }
}

bool UsesSystemBox(unsigned flags) { return (flags & XMB_SYSTEMMODAL) && (flags & XMB_ICONMASK & 0x10); }

int SystemBox(HWND owner, const std::string& text, const std::string& caption, unsigned flags) {
    return MessageBoxW(owner, Wide(text).c_str(), Wide(caption).c_str(), flags & ~XMB_OWNBITS);
}

std::string CheckBoxText(unsigned flags) {
    bool builtIn = flags & XMB_BUILTINTEXTS;
    switch (XMBCheckBoxBit(flags)) {
        case XMB_NOTASKAGAIN: return XMBButtonText(XMB_STR_NOTASKAGAIN, builtIn);
        case XMB_NOTTELLAGAIN: return XMBButtonText(XMB_STR_NOTTELLAGAIN, builtIn);
        default: return {};
    }
}

XMBLayout Layout(const TMessageBoxParts& parts, const TMessageFont& font, int buttonCount) {
    XMBMeasures measures;
    measures.IconWidth = parts.IconSize.cx;
    measures.IconHeight = parts.IconSize.cy;
    SIZE text = font.MeasureWrapped(parts.Text, XMBTextWrapWidth(GetSystemMetrics(SM_CXSCREEN), parts.IconSize.cx));
    measures.TextWidth = text.cx;
    measures.TextHeight = text.cy;
    if (!parts.CheckBoxText.empty()) measures.CheckBoxTextWidth = std::max<int>(font.MeasureLine(parts.CheckBoxText).cx, 1);
    measures.ButtonCount = buttonCount;
    return XMBLayoutPixels(measures);
}

std::vector<uint8_t> BuildTemplate(const TMessageBoxParts& parts, const TMessageBoxState& state,
                                   const TMessageFont& font) {
    XMBLayout layout = Layout(parts, font, static_cast<int>(state.Buttons.size()));
    auto units = [&](const XMBRect& r) { return XMBToDialogUnits(r, font.BaseUnitX(), font.BaseUnitY()); };
    DWORD style = kDialogStyle | ((state.Flags & XMB_SYSTEMMODAL) ? DS_SYSMODAL : 0);
    TDialogTemplate dialog(style, 0, units(layout.Dialog), parts.Caption, font.Points(), font.Face());
    if (state.Icon)
        dialog.Add({WS_CHILD | WS_VISIBLE | SS_ICON | SS_CENTERIMAGE | SS_REALSIZEIMAGE, 0, units(layout.Icon),
                    kXMBIconId, TDialogItemClass::Static, ""});
    dialog.Add({WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, units(layout.Text), kXMBTextId,
                TDialogItemClass::Static, parts.Text});
    for (size_t i = 0; i < state.Buttons.size(); ++i) {
        DWORD kind = static_cast<int>(i) == state.DefaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        DWORD group = i == 0 ? WS_GROUP : 0;
        dialog.Add({WS_CHILD | WS_VISIBLE | WS_TABSTOP | group | kind, 0, units(layout.Buttons[i]),
                    static_cast<uint16_t>(state.Buttons[i].Id), TDialogItemClass::Button, parts.ButtonTexts[i]});
    }
    if (!parts.CheckBoxText.empty())
        dialog.Add({WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 0, units(layout.CheckBox),
                    kXMBCheckBoxId, TDialogItemClass::Button, parts.CheckBoxText});
    return dialog.Bytes();
}

SIZE IconSize(HICON icon) {
    if (!icon) return {};
    return {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
}

int AllocationFailure(HWND owner) {
    MessageBoxW(owner, L"Memory allocation for dialog template failed.", L"Allocation Failure", MB_ICONEXCLAMATION);
    return XMB_IDCANCEL;
}

int ShowOwnBox(HWND owner, const TMessageBoxParts& parts, TMessageBoxState& state) {
    TMessageFont font;
    std::vector<uint8_t> dialogTemplate = BuildTemplate(parts, state, font);
    if (!(state.Flags & XMB_NOSOUND)) MessageBeep(state.Flags & XMB_ICONMASK);
    INT_PTR result = RunMessageBoxDialog(owner, dialogTemplate.data(), state);
    if (result == -1 || result == 0) {
        FILELog("XMessageBox: the dialog could not be shown (error %lu)", GetLastError());
        return XMB_IDCANCEL;
    }
    return static_cast<int>(result);
}
}  // namespace

int XMessageBox(HWND owner, const char* text, const char* caption, unsigned flags, unsigned helpContext) {
    if (!owner) owner = GetDesktopWindow();
    try {
        TMessageBoxParts parts;
        parts.Text = text ? text : "";
        parts.Caption = caption && *caption ? caption : GetModulePath();
        if (UsesSystemBox(flags)) return SystemBox(owner, parts.Text, parts.Caption, flags);

        TMessageBoxState state;
        state.Flags = flags;
        state.HelpContext = helpContext;
        state.Buttons = XMBButtons(flags);
        state.DefaultButton = XMBDefaultButton(flags, static_cast<int>(state.Buttons.size()));
        state.Icon = StandardIcon(flags);
        parts.IconSize = IconSize(state.Icon);
        parts.CheckBoxText = CheckBoxText(flags);
        for (const auto& button : state.Buttons)
            parts.ButtonTexts.push_back(XMBButtonText(button.StringId, flags & XMB_BUILTINTEXTS));
        return ShowOwnBox(owner, parts, state);
    } catch (const std::bad_alloc&) {
        return AllocationFailure(owner);
    }
}
