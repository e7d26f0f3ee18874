#include "common_dialogs.h"

#include "win32_error.h"

namespace {
HMODULE CommonDialogLibrary() {
    static const HMODULE library = LoadLibraryW(L"comdlg32.dll");
    return library;
}

// The function of comdlg32.dll named name, as the type of its declaration. A system without
// the library or the function gets an error, not a dialog that seems cancelled.
template <class Function>
Function* CommonDialogFunction(const char* name) {
    FARPROC found = CommonDialogLibrary() ? GetProcAddress(CommonDialogLibrary(), name) : nullptr;
    if (!found) RaiseLastWin32Error(std::string("Cannot load the common dialog ") + name);
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(found));
}

template <class Function, class Data>
BOOL Call(Function* function, Data* data) {
    return function(data);
}
}  // namespace

BOOL ShowOpenFileDialog(OPENFILENAMEW* dialog) {
    static auto* function = CommonDialogFunction<decltype(GetOpenFileNameW)>("GetOpenFileNameW");
    return Call(function, dialog);
}

BOOL ShowSaveFileDialog(OPENFILENAMEW* dialog) {
    static auto* function = CommonDialogFunction<decltype(GetSaveFileNameW)>("GetSaveFileNameW");
    return Call(function, dialog);
}

BOOL ShowColorDialog(CHOOSECOLORW* dialog) {
    static auto* function = CommonDialogFunction<decltype(ChooseColorW)>("ChooseColorW");
    return Call(function, dialog);
}

BOOL ShowFontDialog(CHOOSEFONTW* dialog) {
    static auto* function = CommonDialogFunction<decltype(ChooseFontW)>("ChooseFontW");
    return Call(function, dialog);
}
