#include "message_loop.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "pending_exception.h"

namespace {
std::vector<TMessageFilter>& Filters() {
    static std::vector<TMessageFilter> filters;
    return filters;
}
}  // namespace

void AddMessageFilter(TMessageFilter filter) {
    if (std::find(Filters().begin(), Filters().end(), filter) == Filters().end()) Filters().push_back(filter);
}

bool RunMessageFilters(const MSG& message) {
    for (TMessageFilter filter : Filters())
        if (filter(message)) {
            RaisePendingWindowException();
            return true;
        }
    return false;
}

void ProcessMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (RunMessageFilters(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
        RaisePendingWindowException();
    }
}
