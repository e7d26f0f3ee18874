#include "win32_error.h"

#include "wide_text.h"

std::string SystemErrorMessage(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                       code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0) return "System error " + std::to_string(code);
    std::wstring text(buffer, length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
    return WideToUtf8(text);
}

void RaiseLastWin32Error(const std::string& what) {
    const DWORD code = GetLastError();
    throw EWin32Error(what + ": " + SystemErrorMessage(code) + " (" + std::to_string(code) + ")", code);
}
