// The framework's UTF-8 text to the UTF-16 of the wide Windows functions and back, whatever
// the process code page is.
#pragma once
#include <string>
#include <string_view>

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
