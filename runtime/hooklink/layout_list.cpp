#include "runtime/hooklink/layout_list.h"

#include <algorithm>

namespace {

struct TLayoutTable {
    HKL entries[kMaxLayouts];
    size_t count;
};
// Constant-initialised, so no process runs code for it before the hook's first call.
TLayoutTable gLayouts{};

std::span<const HKL> Listed() {
    return {gLayouts.entries, gLayouts.count};
}

bool FetchLayoutList() {
    int count = GetKeyboardLayoutList(static_cast<int>(kMaxLayouts), gLayouts.entries);
    gLayouts.count = count > 0 ? static_cast<size_t>(count) : 0;
    return count > 0;
}

// The name of a language's default layout: the language in eight hexadecimal digits.
void LanguageLayoutName(unsigned language, char (&name)[KL_NAMELENGTH]) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    for (int digit = KL_NAMELENGTH - 2; digit >= 0; --digit, language >>= 4) name[digit] = kHexDigits[language & 0xF];
    name[KL_NAMELENGTH - 1] = '\0';
}

bool LoadLayoutByLanguage(HKL layout) {
    char name[KL_NAMELENGTH];
    LanguageLayoutName(static_cast<unsigned>(reinterpret_cast<uintptr_t>(layout) & 0xFFFF), name);
    return LoadKeyboardLayoutA(name, KLF_REORDER) != nullptr;
}

// Processes that load the hook library build their list on first use, from the
// platform's list only: loading with reordering there would change their layout.
INIT_ONCE gLazyListOnce = INIT_ONCE_STATIC_INIT;

BOOL CALLBACK FetchIfEmpty(PINIT_ONCE, PVOID, PVOID*) {
    if (gLayouts.count == 0) FetchLayoutList();
    return TRUE;
}

std::span<const HKL> EnsureLayoutList() {
    InitOnceExecuteOnce(&gLazyListOnce, FetchIfEmpty, nullptr, nullptr);
    return Listed();
}

}  // namespace

bool InitLayoutList() {
    if (!FetchLayoutList()) return false;
    std::span<const HKL> layouts = Listed();
    return std::all_of(layouts.begin(), layouts.end(), LoadLayoutByLanguage);
}

std::span<const HKL> LayoutList() {
    return Listed();
}

std::optional<HKL> LayoutAfter(std::span<const HKL> list, HKL layout) {
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
