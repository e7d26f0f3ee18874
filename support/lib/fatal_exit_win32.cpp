#include <windows.h>

#include "support/lib/fatal_exit.h"

void ShowFatalMessage(const std::string& caption, const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONSTOP | MB_TOPMOST | MB_TASKMODAL);
}

void EndProcessWithFailure() { ExitProcess(1); }
