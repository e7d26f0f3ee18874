#include "open_dialog.h"

#include "support/win32/common_dialogs.h"

#include <vector>

#include "support/framework/class_builder.h"
#include "support/win32/wide_text.h"

PENDREL_IMPLEMENT_CLASS(TOpenDialog)
PENDREL_IMPLEMENT_CLASS(TSaveDialog)

void TSaveDialog::DeclareProperties(TClassBuilder<TSaveDialog>&) {}

void TOpenDialog::DeclareProperties(TClassBuilder<TOpenDialog>& c) {
    c.Property("DefaultExt", &TOpenDialog::GetDefaultExt, &TOpenDialog::SetDefaultExt);
    c.Property("Filter", &TOpenDialog::GetFilter, &TOpenDialog::SetFilter);
    c.Property("InitialDir", &TOpenDialog::GetInitialDir, &TOpenDialog::SetInitialDir);
    c.Property("Options", &TOpenDialog::GetOptions, &TOpenDialog::SetOptions);
    c.Property("Title", &TOpenDialog::GetTitle, &TOpenDialog::SetTitle);
}

namespace {
// The system wants the filter's parts separated and ended by NULs.
std::wstring SystemFilter(const std::string& filter) {
    std::wstring result = Utf8ToWide(filter);
    for (wchar_t& c : result)
        if (c == L'|') c = L'\0';
    result.push_back(L'\0');
    result.push_back(L'\0');
    return result;
}

DWORD SystemOptions(TOpenOptions options) {
    DWORD flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (options.Contains(ofPathMustExist)) flags |= OFN_PATHMUSTEXIST;
    if (options.Contains(ofFileMustExist)) flags |= OFN_FILEMUSTEXIST;
    if (options.Contains(ofEnableSizing)) flags |= OFN_ENABLESIZING;
    if (options.Contains(ofOverwritePrompt)) flags |= OFN_OVERWRITEPROMPT;
    return flags;
}
}  // namespace

bool TOpenDialog::Execute(HWND owner) {
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring current = Utf8ToWide(fileName_);
    current.copy(file.data(), std::min(current.size(), file.size() - 1));
    const std::wstring filter = SystemFilter(filter_), title = Utf8ToWide(title_);
    const std::wstring dir = Utf8ToWide(initialDir_), ext = Utf8ToWide(defaultExt_);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter_.empty() ? nullptr : filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
    ofn.Flags = SystemOptions(options_);
    if (!(forSaving_ ? ShowSaveFileDialog(&ofn) : ShowOpenFileDialog(&ofn))) return false;
    fileName_ = WideToUtf8(file.data());
    return true;
}
