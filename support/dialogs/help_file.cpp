#include "support/dialogs/help_file.h"

#include "support/framework/utf_text.h"
#include "support/lib/paths.h"

std::string ProgramHelpFile() {
    std::string program = GetModulePath();
    return FPath(program) + FNameOnly(program) + ".hlp";
}

void ShowProgramHelp(HWND owner, unsigned topic) {
    std::u16string file = Utf8ToUtf16(ProgramHelpFile());
    auto* path = reinterpret_cast<const wchar_t*>(file.c_str());
    if (GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES) return;
    if (topic != 0)
        WinHelpW(owner, path, HELP_CONTEXT, topic);
    else
        WinHelpW(owner, path, HELP_INDEX, 0);
}
