#include "support/dialogs/core/message_buttons.h"

#include "support/dialogs/core/message_box_flags.h"
#include "support/dialogs/core/message_texts.h"
#include "support/lib/assertion.h"

namespace {
constexpr XMBButton kOk{XMB_IDOK, XMB_STR_OK};
constexpr XMBButton kCancel{XMB_IDCANCEL, XMB_STR_CANCEL};
constexpr XMBButton kAbort{XMB_IDABORT, XMB_STR_ABORT};
constexpr XMBButton kRetry{XMB_IDRETRY, XMB_STR_RETRY};
constexpr XMBButton kIgnore{XMB_IDIGNORE, XMB_STR_IGNORE};
constexpr XMBButton kYes{XMB_IDYES, XMB_STR_YES};
constexpr XMBButton kNo{XMB_IDNO, XMB_STR_NO};
constexpr XMBButton kYesToAll{XMB_IDYESTOALL, XMB_STR_YESTOALL};
constexpr XMBButton kNoToAll{XMB_IDNOTOALL, XMB_STR_NOTOALL};
constexpr XMBButton kContinue{XMB_IDCONTINUE, XMB_STR_CONTINUE};
constexpr XMBButton kHelp{XMB_IDHELP, XMB_STR_HELP};

std::vector<XMBButton> YesNoButtons(unsigned flags) {
    std::vector<XMBButton> buttons{kYes};
    if (flags & XMB_YESTOALL) buttons.push_back(kYesToAll);
    buttons.push_back(kNo);
    if (flags & XMB_NOTOALL) buttons.push_back(kNoToAll);
    return buttons;
}

std::vector<XMBButton> SetButtons(unsigned flags) {
    switch (flags & XMB_BUTTONSETMASK) {
        case XMB_OK: return {kOk};
        case XMB_OKCANCEL: return {kOk, kCancel};
        case XMB_ABORTRETRYIGNORE: return {kAbort, kRetry, kIgnore};
        case XMB_YESNOCANCEL: {
            auto buttons = YesNoButtons(flags);
            buttons.push_back(kCancel);
            return buttons;
        }
        case XMB_YESNO: return YesNoButtons(flags);
        case XMB_RETRYCANCEL: return {kRetry, kCancel};
        case XMB_CONTINUEABORT: return {kContinue, kAbort};
        default: AssertionFailed("XMessageBox: unknown button set", __FILE__, __LINE__);
    }
}

bool IsYesNoSet(unsigned flags) {
    unsigned set = flags & XMB_BUTTONSETMASK;
    return set == XMB_YESNOCANCEL || set == XMB_YESNO;
}
}  // namespace

std::vector<XMBButton> XMBButtons(unsigned flags) {
    if (!IsYesNoSet(flags) && (flags & (XMB_YESTOALL | XMB_NOTOALL)))
        AssertionFailed("XMessageBox: Yes/No to All need a Yes/No button set", __FILE__, __LINE__);
    auto buttons = SetButtons(flags);
    if (flags & XMB_HELP) buttons.push_back(kHelp);
    return buttons;
}

int XMBDefaultButton(unsigned flags, int count) {
    int index = static_cast<int>((flags & XMB_DEFBUTTONMASK) / 256);
    return index < 6 && index < count ? index : 0;
}

int XMBEscapeResult(const std::vector<XMBButton>& buttons) {
    int closing = 0;
    for (const auto& button : buttons) {
        if (button.Id == XMB_IDCANCEL) return XMB_IDCANCEL;
        if (button.Id != XMB_IDHELP) ++closing;
    }
    return closing == 1 && buttons[0].Id == XMB_IDOK ? XMB_IDOK : 0;
}

unsigned XMBCheckBoxBit(unsigned flags) {
    if (flags & XMB_NOTASKAGAIN) return XMB_NOTASKAGAIN;
    if (flags & XMB_NOTTELLAGAIN) return XMB_NOTTELLAGAIN;
    return 0;
}

int XMBResultOf(int buttonId, unsigned flags, bool checked) {
    return static_cast<int>(static_cast<unsigned>(buttonId) | (checked ? XMBCheckBoxBit(flags) : 0u));
}
