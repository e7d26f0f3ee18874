#include "read_error_question.h"

#include <windows.h>

#include "support/dialogs/core/message_box_flags.h"
#include "support/dialogs/xmessage_box.h"

TReadErrorAnswer AskAboutReadError(void* owner, const std::string& error) {
    const std::string text = "Error loading data:\n  " + error + "\nIgnore error and continue to load?";
    switch (XMessageBox(static_cast<HWND>(owner), text.c_str(), "Error loading form data...",
                        XMB_YESNO | XMB_ICONERROR | XMB_YESTOALL)) {
        case XMB_IDYES: return TReadErrorAnswer::Ignore;
        case XMB_IDYESTOALL: return TReadErrorAnswer::IgnoreAll;
        case XMB_IDNO: return TReadErrorAnswer::Stop;
        default: return TReadErrorAnswer::Other;
    }
}
