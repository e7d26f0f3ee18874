#include "runtime/hooklink/layout_list.h"

#include <algorithm>
#include <cstdio>

namespace {

std::vector<HKL>& MutableLayoutList() {
    static std::vector<HKL> layouts;
    return layouts;
}

bool FetchLayoutList(std::vector<HKL>& layouts) {
    int count = GetKeyboardLayoutList(0, nullptr);
    if (count <= 0) return false;
    std::vector<HKL> fetched(count + 1);
    if (GetKeyboardLayoutList(count + 1, fetched.data()) != count) return false;
    fetched.resize(count);
    layouts = std::move(fetched);
    return true;
}

bool LoadLayoutByLanguage(HKL layout) {
    char name[KL_NAMELENGTH];
    auto language = static_cast<unsigned>(reinterpret_cast<uintptr_t>(layout) & 0xFFFF);
    std::snprintf(name, sizeof name, "%08X", language);
    return LoadKeyboardLayoutA(name, KLF_REORDER) != nullptr;
}

// Processes that load the hook library build their list on first use, from the
// platform's list only: loading with reordering there would change their layout.
INIT_ONCE gLazyListOnce = INIT_ONCE_STATIC_INIT;

BOOL CALLBACK FetchIfEmpty(PINIT_ONCE, PVOID, PVOID*) {
    if (MutableLayoutList().empty()) FetchLayoutList(MutableLayoutList());
    return TRUE;
}

const std::vector<HKL>& EnsureLayoutList() {
    InitOnceExecuteOnce(&gLazyListOnce, FetchIfEmpty, nullptr, nullptr);
    return MutableLayoutList();
}

}  // namespace

bool InitLayoutList() {
    std::vector<HKL>& layouts = MutableLayoutList();
    if (!FetchLayoutList(layouts)) return false;
    return std::all_of(layouts.begin(), layouts.end(), LoadLayoutByLanguage);
}

const std::vector<HKL>& LayoutList() {
    return MutableLayoutList();
}

std::optional<HKL> LayoutAfter(const std::vector<HKL>& list, HKL layout) {
    auto found = std::find(list.begin(), list.end(), layout);
    if (found == list.end()) return std::nullopt;
    ++found;
    return found == list.end() ? list.front() : *found;
}

void NextLayout(HWND window, HKL layout) {
    if (window == nullptr) window = GetForegroundWindow();
    if (layout == nullptr) layout = GetKeyboardLayout(GetWindowThreadProcessId(window, nullptr));
    std::optional<HKL> next = LayoutAfter(EnsureLayoutList(), layout);
    if (!next) {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    ActivateKeyboardLayout(*next, 0);
    if (IsWindow(window)) PostMessageA(window, WM_INPUTLANGCHANGEREQUEST, 0, reinterpret_cast<LPARAM>(*next));
}
