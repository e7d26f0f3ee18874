#include "support/dialogs/questions.h"

#include <cstdarg>

#include "support/dialogs/core/message_texts.h"
#include "support/dialogs/message_state.h"
#include "support/dialogs/xmessage_box.h"
#include "support/lib/format.h"

namespace {
HWND& MainWindow() {
    static HWND window = nullptr;
    return window;
}

int Ask(HWND owner, const std::string& text, int captionId, unsigned flags) {
    if (!owner) owner = QuestionMainWindow();
    TSavedMsgState saved;
    return XMessageBox(owner, text.c_str(), TarnwickString(captionId), flags, 0);
}

unsigned MemoryFlag(const void* memory) { return memory ? XMB_NOTTELLAGAIN : 0; }

bool Ticked(int result) { return (static_cast<unsigned>(result) & XMB_NOTTELLAGAIN) != 0; }

int ButtonOf(int result) { return static_cast<int>(static_cast<unsigned>(result) & ~XMB_OWNBITS); }

std::string Format(const char* format, va_list args) { return format ? VMessage(format, args) : std::string(); }
}  // namespace

void SetQuestionMainWindow(HWND window) { MainWindow() = window; }

HWND QuestionMainWindow() {
    HWND window = MainWindow();
    return window && IsWindow(window) ? window : GetActiveWindow();
}

void AskMessage(HWND owner, const std::string& text, bool* show) {
    if (show && !*show) return;
    int result = Ask(owner, text, XMB_STR_ATTENTION, XMB_OK | XMB_ICONERROR | MemoryFlag(show));
    if (show && Ticked(result)) *show = false;
}

bool AskYesNo(HWND owner, const std::string& text, bool* ask) {
    if (ask && !*ask) return true;
    int result = Ask(owner, text, XMB_STR_QUESTION, XMB_YESNO | XMB_ICONQUESTION | MemoryFlag(ask));
    if (ButtonOf(result) != XMB_IDYES) return false;
    if (ask && Ticked(result)) *ask = false;
    return true;
}

int AskYesNoCancel(HWND owner, const std::string& text, int* answer) {
    if (answer && (*answer == XMB_IDYES || *answer == XMB_IDNO)) return *answer;
    int result = Ask(owner, text, XMB_STR_QUESTION, XMB_YESNOCANCEL | XMB_ICONQUESTION | MemoryFlag(answer));
    int button = ButtonOf(result);
    if (button != XMB_IDYES && button != XMB_IDNO) return XMB_IDCANCEL;
    if (answer && Ticked(result)) *answer = button;
    return button;
}

void AskMessage(HWND owner, bool* show, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = Format(format, args);
    va_end(args);
    AskMessage(owner, text, show);
}

bool AskYesNo(HWND owner, bool* ask, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = Format(format, args);
    va_end(args);
    return AskYesNo(owner, text, ask);
}

int AskYesNoCancel(HWND owner, int* answer, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = Format(format, args);
    va_end(args);
    return AskYesNoCancel(owner, text, answer);
}
