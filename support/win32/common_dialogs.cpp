#include "common_dialogs.h"

namespace {
// The function of comdlg32.dll named name, as the type of its declaration; null without it.
template <class Function>
Function* CommonDialogFunction(const char* name) {
    static const HMODULE library = LoadLibraryW(L"comdlg32.dll");
    FARPROC found = library ? GetProcAddress(library, name) : nullptr;
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(found));
}

template <class Function, class Data>
BOOL Call(Function* function, Data* data) {
    return function && function(data);
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
