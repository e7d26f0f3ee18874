#include "window_message_hook.h"

#include <algorithm>
#include <map>
#include <vector>

namespace {
using THookList = std::vector<TWindowMessageHook*>;

std::map<const TWinControl*, THookList>& Hooks() {
    static std::map<const TWinControl*, THookList> hooks;
    return hooks;
}

// A copy: a hook may add or remove hooks while it runs.
THookList HooksOf(const TWinControl& control) {
    const auto found = Hooks().find(&control);
    return found == Hooks().end() ? THookList() : found->second;
}

bool StillHooked(const TWinControl& control, TWindowMessageHook* hook) {
    const auto found = Hooks().find(&control);
    return found != Hooks().end() && std::find(found->second.begin(), found->second.end(), hook) != found->second.end();
}
}  // namespace

void AddWindowMessageHook(const TWinControl& control, TWindowMessageHook& hook) {
    THookList& list = Hooks()[&control];
    if (std::find(list.begin(), list.end(), &hook) == list.end()) list.push_back(&hook);
}

void RemoveWindowMessageHook(const TWinControl& control, TWindowMessageHook& hook) {
    const auto found = Hooks().find(&control);
    if (found == Hooks().end()) return;
    std::erase(found->second, &hook);
    if (found->second.empty()) Hooks().erase(found);
}

bool RunWindowMessageHooks(const TWinControl& control, HWND wnd, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT& result) {
    for (TWindowMessageHook* hook : HooksOf(control))
        if (StillHooked(control, hook) && hook->HandleMessage(wnd, message, wParam, lParam, result)) return true;
    return false;
}

void NotifyWindowDestroying(const TWinControl& control, HWND wnd) {
    for (TWindowMessageHook* hook : HooksOf(control))
        if (StillHooked(control, hook)) hook->WindowDestroying(wnd);
}
