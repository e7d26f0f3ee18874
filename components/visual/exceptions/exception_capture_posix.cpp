#include "exception_capture.h"

#include <cstdio>

// Without a window system there is no loop to hook and no module table to read: reports carry
// the message and the class.
void InstallExceptionHooks() {}
void RemoveExceptionHooks() {}

void CaptureThrowSite(TExceptionReport& report, TExceptionOptions, const std::exception&) {
    report.Notes.push_back("Call stack not available on this system");
}

void ShowExceptionMessage(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "%s\n%s\n", caption.c_str(), text.c_str());
}
