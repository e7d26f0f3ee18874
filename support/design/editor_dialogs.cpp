#include "editor_dialogs.h"

TEditorDialogs& EditorDialogs() {
    static TEditorDialogs dialogs;
    return dialogs;
}
